#pragma once

// Makes a fresh temporary folder the configuration home (XDG_CONFIG_HOME), so
// the preferences file lives there, for the object's lifetime; afterwards HOME
// and XDG_CONFIG_HOME are as before and the folder is gone. Qt-free.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace app_test {

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

// Sets the environment variable, or removes it for nullopt.
inline void SetEnv(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

class TempConfigHome {
public:
    TempConfigHome() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tessarook-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("no temporary folder");
        }
        dir_ = pattern;
        SetEnv("XDG_CONFIG_HOME", dir_.string());
    }
    ~TempConfigHome() {
        SetEnv("HOME", home_);
        SetEnv("XDG_CONFIG_HOME", configHome_);
        std::error_code ec;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(dir_, ec);
    }
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;

    [[nodiscard]] const std::filesystem::path& Dir() const { return dir_; }
    [[nodiscard]] std::filesystem::path PrefsFile() const { return dir_ / "tessarook.txt"; }

private:
    static std::optional<std::string> Get(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }

    std::optional<std::string> home_ = Get("HOME");
    std::optional<std::string> configHome_ = Get("XDG_CONFIG_HOME");
    std::filesystem::path dir_;
};

}  // namespace app_test
