#pragma once

// The HTTP socket control: a control without a place on screen that fetches one
// page at a time for its window. Get() returns at once; the answer comes back
// on the user-interface thread as exactly one PageReceived (10) or Error (8)
// event, or as none while a server accepts the connection and never answers.
// The socket belongs to its window: when the window closes, the pending request
// is dropped and no event of it reaches the window, whatever arrives later.

#include <memory>
#include <string>
#include <utility>

#include "platform/Control.h"
#include "platform/Delegate.h"
#include "platform/net/InternetHeaders.h"

namespace fw {

class HttpClient;

// The values of the PageReceived event.
struct PageReceivedArgs : EventArgs {
    std::string url;
    int status = 0;
    InternetHeaders headers;
    std::string content;
};

// The value of the Error event: a number of HttpError.
struct ErrorArgs : EventArgs {
    int code = 0;
};

class HTTPSocket : public Control {
public:
    static constexpr int kDefaultPort = 80;

    HTTPSocket();
    ~HTTPSocket() override;

    [[nodiscard]] RecordKind Kind() const override { return RecordKind::HTTPSocket; }

    // The framework's socket constructor: drops any request and sets the
    // default port.
    virtual void Constructor();

    // Requests `url` ("http://host[:port][/path]"), dropping any pending
    // request, and sets Address and Port from it.
    void Get(const std::string& url);

    // Address, Port and yield come from the layout record and from Get(); setting
    // them has no effect of its own.
    [[nodiscard]] std::string Address() const;
    [[nodiscard]] int Port() const;
    [[nodiscard]] bool YieldEnabled() const;

    void WindowClosed() override;

private:
    void DeliverPage(const std::string& url, int status, const InternetHeaders& headers,
                     const std::string& content);
    void DeliverError(int code);

    std::unique_ptr<HttpClient> client_;
};

// A delegate for a window's handler of the PageReceived event:
// `void W::Handler(S& socket, const std::string& url, int status,
//                  const InternetHeaders& headers, const std::string& content)`.
template <typename W, typename S>
Delegate MakeDelegate(W& window,
                      void (W::*handler)(S&, const std::string&, int, const InternetHeaders&,
                                         const std::string&),
                      std::string signature) {
    return Delegate{std::move(signature), window.weak_from_this(),
                    [handler](Window& target, Control& control, const EventArgs& args) {
                        const auto& page = dynamic_cast<const PageReceivedArgs&>(args);
                        (static_cast<W&>(target).*handler)(dynamic_cast<S&>(control), page.url,
                                                           page.status, page.headers, page.content);
                    }};
}

// A delegate for a window's handler of the Error event:
// `void W::Handler(S& socket, int code)`.
template <typename W, typename S>
Delegate MakeDelegate(W& window, void (W::*handler)(S&, int), std::string signature) {
    return Delegate{std::move(signature), window.weak_from_this(),
                    [handler](Window& target, Control& control, const EventArgs& args) {
                        const auto& error = dynamic_cast<const ErrorArgs&>(args);
                        (static_cast<W&>(target).*handler)(dynamic_cast<S&>(control), error.code);
                    }};
}

}  // namespace fw
