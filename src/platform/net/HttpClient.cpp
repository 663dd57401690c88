#include "platform/net/HttpClient.h"

#include <QNetworkProxy>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <QtGlobal>

#include <exception>
#include <map>
#include <optional>
#include <utility>

#include "platform/base/Text.h"
#include "platform/net/HttpErrors.h"
#include "platform/net/HttpResponseParser.h"
#include "platform/net/HttpUrl.h"

namespace fw {

namespace {

// Also the bound of the socket's own read buffer, so that memory follows what the
// parser accepts rather than what the server sends.
constexpr qint64 kReadChunk = 64 * 1024;

struct HostOverride {
    std::string address;
    int port = 0;
};

std::map<std::string, HostOverride>& HostOverrides() {
    static std::map<std::string, HostOverride> overrides;
    return overrides;
}

std::string HostKey(const std::string& host) {
    std::string key = host;
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

std::string RequestText(const HttpUrl& url) {
    return "GET " + url.Path() +
           " HTTP/1.0\r\n"
           "Accept: */*\r\n"
           "Accept-Language: en\r\n"
           "Host: " +
           url.HostPart() + "\r\n\r\n";
}

HttpError ConnectFailure(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::HostNotFoundError:
            return HttpError::HostNotFound;
        case QAbstractSocket::ConnectionRefusedError:
            return HttpError::ConnectionRefused;
        case QAbstractSocket::NetworkError:
            return HttpError::NetworkUnreachable;
        case QAbstractSocket::SocketTimeoutError:
            return HttpError::ConnectTimeout;
        default:
            return HttpError::ConnectionFailed;
    }
}

// Runs one step of a slot; nothing may be thrown into Qt's event loop.
template <typename Step>
void Guarded(Step&& step) noexcept {
    try {
        step();
    } catch (const std::exception& e) {
        qCritical("HttpClient: exception in a handler: %s", e.what());
    } catch (...) {
        qCritical("HttpClient: unknown exception in a handler");
    }
}

}  // namespace

struct HttpClient::Impl {
    explicit Impl(HttpClient& client) : owner(client) {}

    void Start(const std::string& address);
    void Stop();
    void OnConnected(const std::string& request);
    void OnReadyRead();
    void OnConnectionEnded(bool normally);
    void OnSocketError(QAbstractSocket::SocketError error);
    // Feeds what the socket holds to the parser; true once the reply is decided.
    bool Drain();
    void Settle();
    void DeliverPage();
    void DeliverError(HttpError error);

    HttpClient& owner;
    std::chrono::milliseconds connectTimeout = kConnectTimeout;
    // The context of every connection and timer of the pending request: deleting it
    // cuts them all at once, pending queued calls included.
    QObject* guard = nullptr;
    QTcpSocket* socket = nullptr;
    std::optional<HttpResponseParser> parser;
    std::string url;
    bool connected = false;
};

void HttpClient::Impl::Start(const std::string& address) {
    Stop();
    url = address;
    guard = new QObject;
    const HttpUrl target(address);
    if (!target.IsValid()) {
        QTimer::singleShot(
            0, guard, [this] { Guarded([this] { DeliverError(HttpError::InvalidAddress); }); });
        return;
    }
    QString host = QString::fromStdString(target.ConnectHost());
    auto port = static_cast<quint16>(target.Port());
    const auto& overrides = HostOverrides();
    if (const auto it = overrides.find(HostKey(target.ConnectHost())); it != overrides.end()) {
        host = QString::fromStdString(it->second.address);
        port = static_cast<quint16>(it->second.port);
    }

    parser.emplace();
    socket = new QTcpSocket;
    socket->setProxy(QNetworkProxy::NoProxy);
    socket->setReadBufferSize(kReadChunk);
    QObject::connect(socket, &QTcpSocket::connected, guard, [this, request = RequestText(target)] {
        Guarded([this, &request] { OnConnected(request); });
    });
    QObject::connect(socket, &QTcpSocket::readyRead, guard,
                     [this] { Guarded([this] { OnReadyRead(); }); });
    QObject::connect(socket, &QTcpSocket::disconnected, guard,
                     [this] { Guarded([this] { OnConnectionEnded(true); }); });
    QObject::connect(socket, &QTcpSocket::errorOccurred, guard,
                     [this](QAbstractSocket::SocketError error) {
                         Guarded([this, error] { OnSocketError(error); });
                     });
    QTimer::singleShot(connectTimeout, guard, [this] {
        Guarded([this] {
            if (!connected) {
                DeliverError(HttpError::ConnectTimeout);
            }
        });
    });
    // Connecting from the event loop keeps Get() free of handler calls, even when the
    // attempt fails at once.
    QTimer::singleShot(0, guard, [this, host, port] {
        Guarded([this, &host, port] { socket->connectToHost(host, port); });
    });
}

void HttpClient::Impl::Stop() {
    connected = false;
    delete guard;
    guard = nullptr;
    if (socket != nullptr) {
        socket->disconnect();
        socket->abort();
        // It may be the sender of the signal being handled right now.
        socket->deleteLater();
        socket = nullptr;
    }
    parser.reset();
}

void HttpClient::Impl::OnConnected(const std::string& request) {
    connected = true;
    socket->write(request.data(), static_cast<qint64>(request.size()));
}

void HttpClient::Impl::OnReadyRead() {
    if (Drain()) {
        Settle();
    }
}

void HttpClient::Impl::OnConnectionEnded(bool normally) {
    if (Drain()) {
        Settle();
        return;
    }
    if (normally) {
        parser->Finish();
        Settle();
    } else {
        DeliverError(HttpError::ReplyIncomplete);
    }
}

void HttpClient::Impl::OnSocketError(QAbstractSocket::SocketError error) {
    if (!connected) {
        DeliverError(ConnectFailure(error));
        return;
    }
    // Every normal end of a reply shows up as RemoteHostClosedError (a reset as well);
    // any other error breaks the reply off.
    OnConnectionEnded(error == QAbstractSocket::RemoteHostClosedError);
}

bool HttpClient::Impl::Drain() {
    while (socket->bytesAvailable() > 0) {
        const QByteArray bytes = socket->read(kReadChunk);
        if (bytes.isEmpty()) {
            break;
        }
        const auto state = parser->Feed(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        if (state != HttpResponseParser::State::NeedMore) {
            return true;
        }
    }
    return false;
}

void HttpClient::Impl::Settle() {
    switch (parser->GetState()) {
        case HttpResponseParser::State::Complete:
            DeliverPage();
            break;
        case HttpResponseParser::State::Failed:
            DeliverError(parser->Error());
            break;
        case HttpResponseParser::State::NeedMore:
            break;
    }
}

// Both deliveries drop the connection before calling the handler and touch nothing of
// the client afterwards: the handler may destroy it or run a nested event loop.
void HttpClient::Impl::DeliverPage() {
    const int status = parser->Status();
    const InternetHeaders headers = parser->Headers();
    const std::string body = SanitizeUtf8(parser->Body());
    const std::string address = url;
    const PageHandler handler = owner.onPage;
    Stop();
    if (handler) {
        handler(address, status, headers, body);
    }
}

void HttpClient::Impl::DeliverError(HttpError error) {
    const ErrorHandler handler = owner.onError;
    Stop();
    if (handler) {
        handler(static_cast<int>(error));
    }
}

HttpClient::HttpClient() : impl_(std::make_unique<Impl>(*this)) {}

HttpClient::~HttpClient() {
    impl_->Stop();
}

void HttpClient::Get(const std::string& url) {
    impl_->Start(url);
}

void HttpClient::Abandon() {
    impl_->Stop();
}

void HttpClient::SetConnectTimeout(std::chrono::milliseconds timeout) {
    impl_->connectTimeout = timeout;
}

void HttpClient::SetHostOverride(const std::string& host, const std::string& address, int port) {
    HostOverrides()[HostKey(host)] = HostOverride{address, port};
}

void HttpClient::ClearHostOverrides() {
    HostOverrides().clear();
}

}  // namespace fw
