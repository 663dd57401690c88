#pragma once

// Points the preferences folder at a fresh temporary folder through
// XDG_CONFIG_HOME, resets the module's state, and puts everything back afterwards.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "prefs/prefModule.h"

class PrefsFolderFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tessarook-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        Set("XDG_CONFIG_HOME", dir_.string());
        prefModule::gDirectives = std::make_shared<prefModule::DirectiveList>(0);
        prefModule::Window1Top = 0;
        prefModule::Window1Left = 0;
        prefModule::SetWindowPositionSource(nullptr);
    }

    void TearDown() override {
        prefModule::SetWindowPositionSource(nullptr);
        Restore("HOME", home_);
        Restore("XDG_CONFIG_HOME", config_);
        std::error_code ec;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(dir_, ec);
    }

    static void Set(const char* name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

    void SavePosition(int top, int left) {
        prefModule::SetWindowPositionSource([=] { return std::pair{top, left}; });
        prefModule::savePrefs();
    }

    [[nodiscard]] std::filesystem::path PrefsFile() const { return dir_ / "tessarook.txt"; }

    static void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
    }

    static std::string ReadBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Names of the entries of `folder`, to see that no temporary file is left.
    static std::set<std::string> Entries(const std::filesystem::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    std::filesystem::path dir_;

private:
    static std::optional<std::string> Get(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        Set(name, value);
    }

    std::optional<std::string> home_ = Get("HOME");
    std::optional<std::string> config_ = Get("XDG_CONFIG_HOME");
};
