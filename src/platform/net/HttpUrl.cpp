#include "platform/net/HttpUrl.h"

#include "platform/net/InternetHeaders.h"

namespace fw {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHostNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(c) || c == '-' || c == '.' ||
           c == '_';
}

bool IsIpv6LiteralChar(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' || c == '.';
}

// Printable ASCII without the blank: what may stand in a request line's path.
bool IsPathChar(char c) {
    return c > ' ' && c < 0x7F;
}

// 1 to 65535 written with digits only; 0 when it is anything else.
int ParsePort(std::string_view text) {
    if (text.empty() || text.size() > 5) {
        return 0;
    }
    int port = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return 0;
        }
        port = port * 10 + (c - '0');
    }
    return port <= 65535 ? port : 0;
}

}  // namespace

HttpUrl::HttpUrl(std::string_view address) {
    valid_ = Parse(address);
    if (!valid_) {
        hostPart_.clear();
        connectHost_.clear();
        port_ = 0;
        path_.clear();
    }
}

bool HttpUrl::Parse(std::string_view address) {
    constexpr std::string_view kSeparator = "://";
    const auto schemeEnd = address.find(kSeparator);
    if (schemeEnd == std::string_view::npos ||
        !InternetHeaders::NamesEqual(address.substr(0, schemeEnd), "http")) {
        return false;
    }
    const std::string_view rest = address.substr(schemeEnd + kSeparator.size());
    const auto slash = rest.find('/');
    if (!ParseHostPart(rest.substr(0, slash))) {
        return false;
    }
    std::string_view path = slash == std::string_view::npos ? "/" : rest.substr(slash);
    path = path.substr(0, path.find('#'));
    for (char c : path) {
        if (!IsPathChar(c)) {
            return false;
        }
    }
    path_ = path;
    return true;
}

bool HttpUrl::ParseHostPart(std::string_view hostPart) {
    std::string_view host = hostPart;
    std::string_view portText;
    bool hasPort = false;
    if (!hostPart.empty() && hostPart.front() == '[') {
        const auto close = hostPart.find(']');
        if (close == std::string_view::npos) {
            return false;
        }
        host = hostPart.substr(1, close - 1);
        const std::string_view after = hostPart.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':') {
                return false;
            }
            hasPort = true;
            portText = after.substr(1);
        }
        if (host.empty()) {
            return false;
        }
        for (char c : host) {
            if (!IsIpv6LiteralChar(c)) {
                return false;
            }
        }
    } else {
        const auto colon = hostPart.find(':');
        if (colon != std::string_view::npos) {
            host = hostPart.substr(0, colon);
            hasPort = true;
            portText = hostPart.substr(colon + 1);
        }
        if (host.empty()) {
            return false;
        }
        for (char c : host) {
            if (!IsHostNameChar(c)) {
                return false;
            }
        }
    }
    port_ = hasPort ? ParsePort(portText) : kDefaultPort;
    if (port_ == 0) {
        return false;
    }
    hostPart_ = hostPart;
    connectHost_ = host;
    return true;
}

}  // namespace fw
