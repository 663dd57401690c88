#include "platform/base/FolderItem.h"

#include <string>
#include <system_error>
#include <utility>

#include "platform/base/TextInputStream.h"
#include "platform/base/TextOutputStream.h"

namespace fw {

FolderItem::FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

bool FolderItem::Exists() const {
    std::error_code ec;
    return std::filesystem::exists(path_, ec);
}

std::unique_ptr<FolderItem> FolderItem::Child(std::string_view name) const {
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos) {
        return nullptr;
    }
#ifdef _WIN32
    if (name.find_first_of("\\:") != std::string_view::npos) {
        return nullptr;
    }
#endif
    const std::u8string utf8(name.begin(), name.end());
    return std::make_unique<FolderItem>(path_ / std::filesystem::path(utf8));
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
    return TextInputStream::Open(path_);
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() const {
    return TextOutputStream::Replacing(path_);
}

}  // namespace fw
