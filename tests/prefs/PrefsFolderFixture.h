#pragma once

// Points the preferences folder at a fresh temporary folder, resets the module's
// state, and puts everything back afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "prefs/prefModule.h"
#include "support/TempConfigHome.h"

using app_test::ReadBytes;
using app_test::SetEnv;
using app_test::WriteBytes;

class PrefsFolderFixture : public ::testing::Test {
protected:
    void SetUp() override {
        prefModule::gDirectives = std::make_shared<prefModule::DirectiveList>(0);
        prefModule::Window1Top = 0;
        prefModule::Window1Left = 0;
        prefModule::SetWindowPositionSource(nullptr);
    }
    void TearDown() override { prefModule::SetWindowPositionSource(nullptr); }

    void SavePosition(int top, int left) {
        prefModule::SetWindowPositionSource([=] { return std::pair{top, left}; });
        prefModule::savePrefs();
    }

    [[nodiscard]] std::filesystem::path PrefsFile() const { return home_.PrefsFile(); }

    // Names of the entries of `folder`, to see that no temporary file is left.
    static std::set<std::string> Entries(const std::filesystem::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    app_test::TempConfigHome home_;
    const std::filesystem::path dir_ = home_.Dir();
};
