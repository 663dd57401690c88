#pragma once

// A place in the file system: a file or a folder, which need not exist yet. It
// names children and opens its file as text; it never creates folders itself.

#include <filesystem>
#include <memory>
#include <string_view>

namespace fw {

class TextInputStream;
class TextOutputStream;

class FolderItem {
public:
    explicit FolderItem(std::filesystem::path path);

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
    [[nodiscard]] bool Exists() const;

    // The item called `name` (UTF-8) inside this folder; nullptr for a name that is
    // not a single path component ("", ".", "..", or one holding a separator).
    [[nodiscard]] std::unique_ptr<FolderItem> Child(std::string_view name) const;

    // The file opened for reading; nullptr when it is missing, not a regular file,
    // or cannot be read.
    [[nodiscard]] std::unique_ptr<TextInputStream> OpenAsTextFile() const;

    // A writer whose text replaces the file when it is closed (see TextOutputStream);
    // nullptr when the file cannot be written in its folder.
    [[nodiscard]] std::unique_ptr<TextOutputStream> CreateTextFile() const;

private:
    std::filesystem::path path_;
};

}  // namespace fw
