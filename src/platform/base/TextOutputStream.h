#pragma once

// Writes a text file that replaces its target in one step. The lines go to a
// temporary file beside the target; Close() (or destruction) flushes it to the
// disk and renames it over the target only when every write succeeded, and
// otherwise removes it. Until then, and after any failure, the target keeps its
// old content: a failed write, a full disk, a crash of the program or of the
// whole system leaves the old file or the new one, never an empty or
// half-written file.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

namespace fw {

class TextOutputStream {
public:
    // A writer for `target`; nullptr when no temporary file can be made beside it
    // (missing or unwritable folder), the target is a folder, or the target
    // exists and its user may not write it (a read-only file stays as it is). A
    // symbolic link is followed, so the file it points at is replaced and the
    // link stays; the new file keeps the old one's permissions.
    static std::unique_ptr<TextOutputStream> Replacing(const std::filesystem::path& target);

    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    // Writes `text` followed by EndOfLine(). Ignored once closed.
    void WriteLine(std::string_view text);
    void Close();

private:
    TextOutputStream(std::filesystem::path target, std::filesystem::path temporary,
                     std::FILE* file);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_;
    bool failed_ = false;
    bool closed_ = false;
};

}  // namespace fw
