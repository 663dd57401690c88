#include "platform/base/TextOutputStream.h"

#include <random>
#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

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

std::FILE* OpenForWriting(const fs::path& path) {
#ifdef _WIN32
    std::FILE* file = nullptr;
    return _wfopen_s(&file, path.c_str(), L"wb") == 0 ? file : nullptr;
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

// Whether the user may write the existing file. A file without any write
// permission was made read-only on purpose, and stays so even for the
// administrator (on Windows the read-only attribute shows as no write permission).
bool MayWrite([[maybe_unused]] const fs::path& file, fs::perms permissions) {
    constexpr fs::perms kAnyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((permissions & kAnyWrite) == fs::perms::none) {
        return false;
    }
#ifdef _WIN32
    return true;
#else
    return access(file.c_str(), W_OK) == 0;
#endif
}

// Moves what was written to the file out of the program's and the system's
// buffers onto the disk itself.
bool SyncToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#elif defined(__APPLE__)
    // There fsync leaves the data in the drive's cache; F_FULLFSYNC does not.
    return fcntl(fileno(file), F_FULLFSYNC) == 0 || fsync(fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Renames `from` over `to` and makes the folder entry durable, so that after a
// crash the name leads to the old file or to the new one.
bool ReplaceDurably(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    // Write-through: the call returns once the move is on the disk.
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) {
        return false;
    }
    // The new file is in place whether or not the folder syncs; a folder that
    // cannot be opened or synced only leaves the rename to the system's timing.
    const int folder = open(to.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
#endif
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
    const fs::file_status old = fs::status(target, ec);
    if (fs::is_directory(old)) {
        return nullptr;
    }
    const bool replacing = !ec && fs::exists(old);
    if (replacing && !MayWrite(target, old.permissions())) {
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
        std::FILE* file = OpenForWriting(temporary);
        if (file == nullptr) {
            return nullptr;
        }
        // Rewriting in place would have kept the old file's permissions; so does the rename.
        if (replacing) {
            fs::permissions(temporary, old.permissions(), ec);
        }
        return std::unique_ptr<TextOutputStream>(
            new TextOutputStream(std::move(target), std::move(temporary), file));
    }
    return nullptr;
}

TextOutputStream::TextOutputStream(fs::path target, fs::path temporary, std::FILE* file)
    : target_(std::move(target)), temporary_(std::move(temporary)), file_(file) {}

TextOutputStream::~TextOutputStream() {
    try {
        Close();
    } catch (...) {
        // Destruction must not throw; the temporary file may be left behind.
    }
}

void TextOutputStream::WriteLine(std::string_view text) {
    if (closed_ || failed_) {
        return;
    }
    const std::string line = std::string(text) + EndOfLine();
    failed_ = std::fwrite(line.data(), 1, line.size(), file_) != line.size();
}

void TextOutputStream::Close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    const bool synced = !failed_ && SyncToDisk(file_);
    const bool closed = std::fclose(file_) == 0;
    if (synced && closed && ReplaceDurably(temporary_, target_)) {
        return;
    }
    std::error_code ec;
    fs::remove(temporary_, ec);
}

}  // namespace fw
