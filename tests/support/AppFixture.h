#pragma once

// Runs each test against a fresh application: the configuration home in a new
// temporary folder, a FakeDesktop answering for the user, the module data made
// as at start-up, and the exceptions that reach the framework's
// unhandled-exception handling recorded. Afterwards the application is ended as
// at the end of a run; a window left open or an unhandled exception fails the test.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/FakeDesktop.h"
#include "support/TempConfigHome.h"

namespace app_test {

// Runs the Qt events that are due, deferred deletions included.
void ProcessEvents();
// How many open windows have the runtime class name.
int OpenCount(std::string_view runtimeClassName);

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program's start-up up to the event loop: Main() makes the application
    // object, its menu handlers and the main window, then the start of the event
    // loop delivers the application's Open event.
    void StartApplication();
    // Only the application object and its menu handlers.
    void CreateApplication();

    [[nodiscard]] std::filesystem::path PrefsFile() const { return config_->PrefsFile(); }

    std::shared_ptr<FakeDesktop> desktop_;
    // Messages of the exceptions that reached the unhandled-exception handling.
    std::vector<std::string> unhandled_;

private:
    std::optional<TempConfigHome> config_;
};

}  // namespace app_test
