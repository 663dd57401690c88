#include "platform/net/InternetHeaders.h"

namespace fw {

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool InternetHeaders::NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

void InternetHeaders::AppendHeader(std::string name, std::string value) {
    headers_.emplace_back(std::move(name), std::move(value));
}

std::string InternetHeaders::Value(std::string_view name) const {
    for (const auto& [n, v] : headers_) {
        if (NamesEqual(n, name)) {
            return v;
        }
    }
    return {};
}

bool InternetHeaders::Contains(std::string_view name) const {
    for (const auto& header : headers_) {
        if (NamesEqual(header.first, name)) {
            return true;
        }
    }
    return false;
}

std::string InternetHeaders::NameAt(int index) const {
    if (index < 0 || index >= Count()) {
        return {};
    }
    return headers_[static_cast<std::size_t>(index)].first;
}

std::string InternetHeaders::ValueAt(int index) const {
    if (index < 0 || index >= Count()) {
        return {};
    }
    return headers_[static_cast<std::size_t>(index)].second;
}

void InternetHeaders::ExtendLastValue(std::string_view text) {
    if (headers_.empty()) {
        return;
    }
    std::string& value = headers_.back().second;
    if (!value.empty() && !text.empty()) {
        value += ' ';
    }
    value += text;
}

}  // namespace fw
