#pragma once

// Reads a text file line by line. The file is streamed through a fixed buffer, so
// reading costs time in proportion to its size and memory in proportion to the
// longest line. Lines end at LF, CR LF or a lone CR; their bytes come out as valid
// UTF-8 (invalid sequences become U+FFFD).

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class TextInputStream {
public:
    // nullptr when `path` is not a regular file or cannot be opened for reading.
    static std::unique_ptr<TextInputStream> Open(const std::filesystem::path& path);

    TextInputStream(const TextInputStream&) = delete;
    TextInputStream& operator=(const TextInputStream&) = delete;

    // The next line without its line end; "" once the file is exhausted or closed.
    std::string ReadLine();
    // True when no byte is left to read (also after Close() or a read error).
    [[nodiscard]] bool Eof();
    void Close();

private:
    explicit TextInputStream(std::ifstream file);
    // Makes at least one unread byte available; false at the end of the file.
    bool Fill();

    std::ifstream file_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

}  // namespace fw
