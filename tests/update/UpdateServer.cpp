#include "UpdateServer.h"

#include <QHostAddress>
#include <memory>

#include "platform/net/HttpClient.h"

UpdateServer::UpdateServer(const std::string& host) : host_(host) {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
    fw::HttpClient::SetHostOverride(host_, "127.0.0.1", server_.serverPort());
}

UpdateServer::~UpdateServer() {
    fw::HttpClient::ClearHostOverrides();
    for (const auto& connection : held_) {
        if (connection) {
            connection->abort();
            connection->deleteLater();
        }
    }
}

void UpdateServer::Reply(int status, std::string body) {
    hold_ = false;
    status_ = status;
    body_ = std::move(body);
}

void UpdateServer::Hold() {
    hold_ = true;
}

bool UpdateServer::Refuse() {
    // A port that is bound but never listened on refuses every connection, and unlike
    // the port of a closed server it cannot be taken meanwhile by a listener of another
    // test running at the same time: binding it without address sharing keeps it ours.
    if (!refusing_.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress)) {
        return false;
    }
    fw::HttpClient::SetHostOverride(host_, "127.0.0.1", refusing_.localPort());
    return true;
}

std::string UpdateServer::Response(int status, const std::string& body) {
    return "HTTP/1.0 " + std::to_string(status) + " Reply\r\nContent-Type: text/xml\r\n" +
           "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

void UpdateServer::Accept() {
    while (QTcpSocket* connection = server_.nextPendingConnection()) {
        QObject::connect(connection, &QTcpSocket::disconnected, connection, [this, connection] {
            ++connectionsEnded;
            connection->deleteLater();
        });
        auto received = std::make_shared<std::string>();
        QObject::connect(connection, &QTcpSocket::readyRead, connection, [=, this] {
            const QByteArray bytes = connection->readAll();
            received->append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            if (received->find("\r\n\r\n") == std::string::npos) {
                return;
            }
            requests.push_back(*received);
            received->clear();
            const QPointer<QTcpSocket> alive(connection);
            if (onRequest) {
                onRequest();
            }
            if (!alive) {
                return;
            }
            if (hold_) {
                held_.emplace_back(connection);
                return;
            }
            const std::string response = Response(status_, body_);
            connection->write(response.data(), static_cast<qint64>(response.size()));
            connection->disconnectFromHost();
        });
    }
}
