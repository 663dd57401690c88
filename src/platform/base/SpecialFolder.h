#pragma once

// The user's standard folders. Nothing is created: a folder that does not exist
// yet is made by whoever writes into it.

#include <memory>

namespace fw {

class FolderItem;

class SpecialFolder {
public:
    SpecialFolder() = delete;

    // The user's configuration folder: $XDG_CONFIG_HOME when it is set and absolute,
    // else $HOME/.config on Linux; ~/Library/Preferences on macOS; %APPDATA% on
    // Windows. nullptr when there is no (absolute) home folder to start from.
    static std::unique_ptr<FolderItem> Preferences();
};

}  // namespace fw
