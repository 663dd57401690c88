#pragma once

// What the application-level tests share: a desktop that answers message boxes
// and records them, and a fixture that starts the application as the program
// does, with the preferences folder in a fresh temporary folder, and takes it
// down again after each test.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/print/Graphics.h"

namespace app_test {

class FakeDesktop final : public fw::Desktop {
public:
    void MsgBox(const std::string& text) override {
        boxes.push_back(text);
        if (onMsgBox) {
            onMsgBox(text);
        }
    }
    Button ShowMessageDialog(const fw::MessageDialog& /*dialog*/) override {
        ++dialogs;
        return Button::Cancel;
    }
    void Beep() override { ++beeps; }
    void ShowURL(const std::string& url) override { urls.push_back(url); }
    std::unique_ptr<fw::Graphics> OpenPrinterDialog(const fw::PrinterSetup& /*setup*/) override {
        ++printDialogs;
        return nullptr;  // the user cancels
    }

    std::vector<std::string> boxes;
    // Runs while the box is up, before the user closes it.
    std::function<void(const std::string&)> onMsgBox;
    int dialogs = 0;
    int beeps = 0;
    int printDialogs = 0;
    std::vector<std::string> urls;
};

// Runs the Qt events that are due, deferred deletions included.
void ProcessEvents();
// The desktop clipboard's text.
std::string ClipboardText();
void SetClipboardText(const std::string& text);

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The process's start-up up to the event loop: the module data, Main() (which
    // creates the application, its handlers and the main window) and then the
    // application's Open event, as the event loop's start delivers it.
    void StartApplication();

    [[nodiscard]] std::filesystem::path PrefsFile() const { return dir_ / "tessarook.txt"; }
    static std::string ReadBytes(const std::filesystem::path& path);
    static void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
    // How many open windows have the runtime class name.
    static int OpenCount(std::string_view runtimeClassName);

    std::shared_ptr<FakeDesktop> desktop_;
    // Messages of exceptions that reached the framework's unhandled-exception handling.
    std::vector<std::string> unhandled_;
    std::filesystem::path dir_;

private:
    std::optional<std::string> savedConfigHome_;
};

}  // namespace app_test
