#include "platform/base/TextInputStream.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "platform/base/Text.h"

namespace fw {

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}

std::unique_ptr<TextInputStream> TextInputStream::Open(const std::filesystem::path& path) {
    // Only regular files: opening a FIFO would block, and a folder opens but never reads.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return nullptr;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return nullptr;
    }
    return std::unique_ptr<TextInputStream>(new TextInputStream(std::move(file)));
}

TextInputStream::TextInputStream(std::ifstream file)
    : file_(std::move(file)), buffer_(kBufferSize) {}

bool TextInputStream::Fill() {
    if (pos_ < end_) {
        return true;
    }
    pos_ = 0;
    end_ = 0;
    if (!file_.is_open()) {
        return false;
    }
    file_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    end_ = static_cast<std::size_t>(std::max<std::streamsize>(file_.gcount(), 0));
    return end_ > 0;
}

std::string TextInputStream::ReadLine() {
    std::string line;
    while (Fill()) {
        const char* const begin = buffer_.data() + pos_;
        const char* const stop = buffer_.data() + end_;
        const char* const hit =
            std::find_if(begin, stop, [](char c) { return c == '\n' || c == '\r'; });
        line.append(begin, hit);
        pos_ = static_cast<std::size_t>(hit - buffer_.data());
        if (hit != stop) {
            const bool carriageReturn = *hit == '\r';
            ++pos_;
            // The LF of a CR LF pair may only arrive with the next buffer.
            if (carriageReturn && Fill() && buffer_[pos_] == '\n') {
                ++pos_;
            }
            break;
        }
    }
    return SanitizeUtf8(line);
}

bool TextInputStream::Eof() {
    return !Fill();
}

void TextInputStream::Close() {
    file_.close();
    pos_ = 0;
    end_ = 0;
}

}  // namespace fw
