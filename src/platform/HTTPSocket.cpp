#include "platform/HTTPSocket.h"

#include <cstdint>

#include "platform/EventNumber.h"
#include "platform/Runtime.h"
#include "platform/Window.h"
#include "platform/net/HttpClient.h"
#include "platform/net/HttpUrl.h"

namespace fw {

HTTPSocket::HTTPSocket() : client_(std::make_unique<HttpClient>()) {
    client_->onPage = [this](const std::string& url, int status, const InternetHeaders& headers,
                             const std::string& body) { DeliverPage(url, status, headers, body); };
    client_->onError = [this](int code) { DeliverError(code); };
}

HTTPSocket::~HTTPSocket() {
    client_->Abandon();
}

void HTTPSocket::Constructor() {
    client_->Abandon();
    SetProperty("Port", static_cast<std::int32_t>(kDefaultPort));
}

void HTTPSocket::Get(const std::string& url) {
    const HttpUrl target(url);
    if (target.IsValid()) {
        SetProperty("Address", target.ConnectHost());
        SetProperty("Port", static_cast<std::int32_t>(target.Port()));
    }
    client_->Get(url);
}

std::string HTTPSocket::Address() const {
    const PropertyValue* value = Property("Address");
    return value ? std::get<std::string>(*value) : std::string();
}

int HTTPSocket::Port() const {
    const PropertyValue* value = Property("Port");
    return value ? std::get<std::int32_t>(*value) : 0;
}

bool HTTPSocket::YieldEnabled() const {
    const PropertyValue* value = Property("yield");
    return value && std::get<bool>(*value);
}

void HTTPSocket::WindowClosed() {
    client_->Abandon();
}

void HTTPSocket::DeliverPage(const std::string& url, int status, const InternetHeaders& headers,
                             const std::string& content) {
    // Holding the socket keeps it alive while its handler closes the window.
    const std::shared_ptr<Control> self = weak_from_this().lock();
    const std::shared_ptr<Window> owner = OwnerWindow();
    if (!self || !owner || !owner->IsOpen()) {
        return;
    }
    PageReceivedArgs args;
    args.url = url;
    args.status = status;
    args.headers = headers;
    args.content = content;
    Dispatch([this, &args] { RaiseEvent(kEventPageReceived, args); });
}

void HTTPSocket::DeliverError(int code) {
    const std::shared_ptr<Control> self = weak_from_this().lock();
    const std::shared_ptr<Window> owner = OwnerWindow();
    if (!self || !owner || !owner->IsOpen()) {
        return;
    }
    ErrorArgs args;
    args.code = code;
    Dispatch([this, &args] { RaiseEvent(kEventError, args); });
}

}  // namespace fw
