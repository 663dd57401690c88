#pragma once

// The framework's HTTP client: one HTTP/1.0 GET at a time on a TCP socket, driven by
// the event loop of the user-interface thread. Get() returns at once; later exactly
// one of onPage and onError is called on the same thread, or neither while a server
// accepts the connection and never answers (only the connection attempt has a time
// limit). Every HTTP status is handed to onPage alike and redirects are not followed.
// Abandon() and the destructor drop the pending request: no handler is called after
// them, whatever the server sends. A handler is called after the connection has been
// dropped, so it may run a nested event loop, start a new Get() or destroy the client.
// Handlers must not throw; an exception that escapes one is logged and dropped.

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "platform/net/InternetHeaders.h"

namespace fw {

class HttpClient {
public:
    // The address as given to Get(), the status code (0 when the status line has
    // none), the reply's headers and its body decoded as UTF-8.
    using PageHandler =
        std::function<void(const std::string& url, int status, const InternetHeaders& headers,
                           const std::string& body)>;
    // A number of HttpError.
    using ErrorHandler = std::function<void(int code)>;

    static constexpr std::chrono::milliseconds kConnectTimeout{30000};

    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    PageHandler onPage;
    ErrorHandler onError;

    // Drops any pending request and requests `url` ("http://host[:port][/path]").
    void Get(const std::string& url);
    // Drops the pending request, if any, without calling a handler.
    void Abandon();
    // The time limit for making the connection (host lookup included).
    void SetConnectTimeout(std::chrono::milliseconds timeout);

    // Like an entry in a hosts file: connections to `host` go to address:port instead,
    // while the request itself (its Host line) stays as the address gives it.
    static void SetHostOverride(const std::string& host, const std::string& address, int port);
    static void ClearHostOverrides();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace fw
