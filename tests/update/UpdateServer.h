#pragma once

// An HTTP server on 127.0.0.1 standing in for the maker's web host: the HTTP
// client's host override sends connections for that host here, so the request
// goes on the wire exactly as the application writes it. It records each
// request and answers with the configured reply, holds the connection open and
// never answers, or has the connection refused.

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <string>
#include <vector>

class UpdateServer {
public:
    explicit UpdateServer(const std::string& host);
    ~UpdateServer();

    // Answers every request with this status and body, then closes.
    void Reply(int status, std::string body);
    // Never answers.
    void Hold();
    // Sends connections to a port that refuses them; false if none could be had.
    [[nodiscard]] bool Refuse();

    // Called when a whole request has arrived, before any answer.
    std::function<void()> onRequest;

    std::vector<std::string> requests;
    int connectionsEnded = 0;

private:
    void Accept();
    static std::string Response(int status, const std::string& body);

    QTcpServer server_;
    QTcpSocket refusing_;
    std::string host_;
    bool hold_ = false;
    int status_ = 200;
    std::string body_;
    std::vector<QPointer<QTcpSocket>> held_;
};
