#include "platform/base/SpecialFolder.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/base/FolderItem.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32
// The variable's value as an absolute path; nothing when unset, empty or relative.
std::optional<fs::path> AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    fs::path path(value);
    if (!path.is_absolute()) {
        return std::nullopt;
    }
    return path;
}
#else
std::optional<fs::path> AppData() {
    wchar_t* value = nullptr;
    std::size_t length = 0;
    if (_wdupenv_s(&value, &length, L"APPDATA") != 0 || value == nullptr) {
        return std::nullopt;
    }
    fs::path path(value);
    std::free(value);
    if (!path.is_absolute()) {
        return std::nullopt;
    }
    return path;
}
#endif

}  // namespace

std::unique_ptr<FolderItem> SpecialFolder::Preferences() {
#if defined(_WIN32)
    if (auto appData = AppData()) {
        return std::make_unique<FolderItem>(*appData);
    }
#elif defined(__APPLE__)
    if (auto home = AbsoluteFromEnvironment("HOME")) {
        return std::make_unique<FolderItem>(*home / "Library" / "Preferences");
    }
#else
    if (auto config = AbsoluteFromEnvironment("XDG_CONFIG_HOME")) {
        return std::make_unique<FolderItem>(*config);
    }
    if (auto home = AbsoluteFromEnvironment("HOME")) {
        return std::make_unique<FolderItem>(*home / ".config");
    }
#endif
    return nullptr;
}

}  // namespace fw
