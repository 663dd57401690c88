#include "platform/base/TextOutputStream.h"

#include <cstdio>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include "platform/base/Text.h"

namespace fw {

namespace fs = std::filesystem;

namespace {

std::string RandomSuffix(std::random_device& seed) {
    char digits[17];
    const unsigned long long value =
        (static_cast<unsigned long long>(seed()) << 32) ^ static_cast<unsigned long long>(seed());
    std::snprintf(digits, sizeof digits, "%016llx", value);
    return digits;
}

}  // namespace

std::unique_ptr<TextOutputStream> TextOutputStream::Replacing(const fs::path& path) {
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::canonical(target, ec);
        if (!ec) {
            target = std::move(resolved);
        }
    }
    if (fs::is_directory(target, ec)) {
        return nullptr;
    }
    std::random_device seed;
    for (int attempt = 0; attempt < 16; ++attempt) {
        fs::path temporary = target;
        temporary += ".tmp-" + RandomSuffix(seed);
        if (fs::exists(temporary, ec)) {
            continue;
        }
        if (ec) {
            return nullptr;
        }
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file.is_open()) {
            return nullptr;
        }
        // Rewriting in place would have kept the old file's permissions; so does the rename.
        const fs::file_status old = fs::status(target, ec);
        if (!ec && fs::exists(old)) {
            fs::permissions(temporary, old.permissions(), ec);
        }
        return std::unique_ptr<TextOutputStream>(
            new TextOutputStream(std::move(target), std::move(temporary), std::move(file)));
    }
    return nullptr;
}

TextOutputStream::TextOutputStream(fs::path target, fs::path temporary, std::ofstream file)
    : target_(std::move(target)), temporary_(std::move(temporary)), file_(std::move(file)) {}

TextOutputStream::~TextOutputStream() {
    try {
        Close();
    } catch (...) {
        // Destruction must not throw; the temporary file may be left behind.
    }
}

void TextOutputStream::WriteLine(std::string_view text) {
    if (closed_) {
        return;
    }
    const std::string end = EndOfLine();
    file_.write(text.data(), static_cast<std::streamsize>(text.size()));
    file_.write(end.data(), static_cast<std::streamsize>(end.size()));
}

void TextOutputStream::Close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    // Stream errors are sticky: one failed write anywhere leaves fail() set.
    file_.flush();
    const bool written = !file_.fail();
    file_.close();
    std::error_code ec;
    if (written && !file_.fail()) {
        fs::rename(temporary_, target_, ec);
        if (!ec) {
            return;
        }
    }
    fs::remove(temporary_, ec);
}

}  // namespace fw
