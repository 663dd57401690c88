#pragma once

// Writes a text file that replaces its target in one step. The lines go to a
// temporary file beside the target; Close() (or destruction) renames it over the
// target only when every write succeeded, and otherwise removes it. Until then, and
// after any failure, the target keeps its old content: a failed write, a full disk
// or a crash of the program never leaves an empty or half-written file. (The file
// is not synced to the disk, so a crash of the whole system may still lose it.)

#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>

namespace fw {

class TextOutputStream {
public:
    // A writer for `target`; nullptr when no temporary file can be made beside it
    // (missing or unwritable folder) or the target is a folder. A symbolic link is
    // followed, so the file it points at is replaced and the link stays.
    static std::unique_ptr<TextOutputStream> Replacing(const std::filesystem::path& target);

    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    // Writes `text` followed by EndOfLine(). Ignored once closed.
    void WriteLine(std::string_view text);
    void Close();

private:
    TextOutputStream(std::filesystem::path target, std::filesystem::path temporary,
                     std::ofstream file);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream file_;
    bool closed_ = false;
};

}  // namespace fw
