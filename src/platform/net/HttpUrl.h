#pragma once

// An "http://host[:port][/path]" address cut into what a GET needs: the host part as
// written (for the Host line), the host to connect to, the port (80 unless given)
// and the path ("/" when there is none; a "#fragment" never goes on the wire).
// Anything else (another scheme, user information, a malformed host or port, a
// path with blanks, control characters or non-ASCII bytes) makes the address
// invalid, so nothing unexpected can reach the request line.

#include <string>
#include <string_view>

namespace fw {

class HttpUrl {
public:
    static constexpr int kDefaultPort = 80;

    explicit HttpUrl(std::string_view address);

    [[nodiscard]] bool IsValid() const { return valid_; }
    // Valid only when IsValid(); empty (port 0) otherwise.
    [[nodiscard]] const std::string& HostPart() const { return hostPart_; }
    [[nodiscard]] const std::string& ConnectHost() const { return connectHost_; }
    [[nodiscard]] int Port() const { return port_; }
    [[nodiscard]] const std::string& Path() const { return path_; }

private:
    bool Parse(std::string_view address);
    bool ParseHostPart(std::string_view hostPart);

    bool valid_ = false;
    std::string hostPart_;
    std::string connectHost_;
    int port_ = 0;
    std::string path_;
};

}  // namespace fw
