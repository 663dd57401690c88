#include "platform/net/HttpClient.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#ifdef __linux__
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include "platform/net/HttpErrors.h"
#include "platform/net/HttpResponseParser.h"

namespace fw {
namespace {

using E = HttpError;
const std::string kUpdateHost = "www.tessarook.example";
const std::string kUpdateUrl = "http://www.tessarook.example/Updates/tessarook.xml";

// Runs the event loop until `done` holds or, as a guard against hangs only, `ms` pass.
bool RunUntil(const std::function<bool()>& done, int ms = 20000) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    poll.start(1);
    if (!done()) {
        loop.exec();
    }
    return done();
}

void Spin(int ms) {
    RunUntil([] { return false; }, ms);
}

// What the server does once it has sent its reply. Trickle sends the reply one byte
// per turn of the event loop and then holds the connection open.
enum class Ending { Hold, Close, Reset, Trickle };

// A server on 127.0.0.1, where connections to `host` are sent, that records each
// request (up to its empty line) and answers every one with the same reply and ending.
class ScriptedServer {
public:
    ScriptedServer(std::string reply, Ending ending, const std::string& host = kUpdateHost)
        : reply_(std::move(reply)), ending_(ending) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
        HttpClient::SetHostOverride(host, "127.0.0.1", server_.serverPort());
    }
    ~ScriptedServer() { HttpClient::ClearHostOverrides(); }

    std::vector<std::string> requests;
    int connectionsEnded = 0;

private:
    void Accept() {
        while (QTcpSocket* connection = server_.nextPendingConnection()) {
            QObject::connect(connection, &QTcpSocket::disconnected, connection, [this, connection] {
                ++connectionsEnded;
                connection->deleteLater();
            });
            auto received = std::make_shared<std::string>();
            QObject::connect(connection, &QTcpSocket::readyRead, connection, [=, this] {
                *received += connection->readAll().toStdString();
                if (received->ends_with("\r\n\r\n")) {
                    requests.push_back(*received);
                    Answer(connection, 0);
                }
            });
        }
    }

    void Answer(QTcpSocket* connection, std::size_t sent) {
        if (ending_ == Ending::Trickle) {
            if (sent < reply_.size()) {
                connection->write(&reply_[sent], 1);
                QTimer::singleShot(0, connection, [=, this] { Answer(connection, sent + 1); });
            }
            return;
        }
        connection->write(reply_.data(), static_cast<qint64>(reply_.size()));
        if (ending_ == Ending::Close) {
            connection->disconnectFromHost();
        } else if (ending_ == Ending::Reset) {
            connection->flush();
#ifdef __linux__
            const linger hard{1, 0};  // close with a reset instead of a normal end
            setsockopt(static_cast<int>(connection->socketDescriptor()), SOL_SOCKET, SO_LINGER,
                       &hard, sizeof hard);
#endif
            connection->abort();
        }
    }

    std::string reply_;
    Ending ending_;
    QTcpServer server_;
};

// What a client handed to its owner.
struct Outcome {
    int calls = 0;
    int error = 0;
    int status = -1;
    std::string url;
    std::string body;
    std::string server;
};

// Requests `url` and runs until the outcome and, given a server, until the server's
// side of the connection has ended too, so that a second outcome would be seen.
Outcome Fetch(const std::string& url, const ScriptedServer* server = nullptr,
              std::chrono::milliseconds connectTimeout = HttpClient::kConnectTimeout) {
    Outcome outcome;
    HttpClient client;
    client.SetConnectTimeout(connectTimeout);
    client.onPage = [&](const std::string& address, int status, const InternetHeaders& headers,
                        const std::string& body) {
        outcome = {outcome.calls + 1, 0, status, address, body, headers.Value("server")};
    };
    client.onError = [&](int code) {
        ++outcome.calls;
        outcome.error = code;
    };
    client.Get(url);
    EXPECT_EQ(outcome.calls, 0) << "an outcome from inside Get()";
    EXPECT_TRUE(RunUntil([&] { return outcome.calls > 0; }));
    EXPECT_TRUE(RunUntil([&] { return server == nullptr || server->connectionsEnded > 0; }));
    Spin(20);
    EXPECT_EQ(outcome.calls, 1);
    return outcome;
}

class HttpClientTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "platform_net_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
};

TEST_F(HttpClientTest, SendsTheRequestByteForByte) {
    const std::string accept = "Accept: */*\r\nAccept-Language: en\r\n";
    const struct {
        std::string url, host, request;
    } rows[] = {
        {kUpdateUrl, kUpdateHost,
         "GET /Updates/tessarook.xml HTTP/1.0\r\n" + accept + "Host: " + kUpdateHost + "\r\n\r\n"},
        {"http://Mirror.Example:8080", "mirror.example",
         "GET / HTTP/1.0\r\n" + accept + "Host: Mirror.Example:8080\r\n\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.url);
        ScriptedServer server("HTTP/1.0 200 OK\r\nServer: t\r\n\r\nok", Ending::Close, row.host);
        const Outcome outcome = Fetch(row.url, &server);
        ASSERT_EQ(server.requests.size(), 1U);
        EXPECT_EQ(server.requests[0], row.request);
        EXPECT_EQ(outcome.url, row.url);
        EXPECT_EQ(outcome.server, "t");
    }
}

// How the client meets each way a reply can arrive and end; the many malformed reply
// forms themselves are the parser's test.
struct ReplyRow {
    const char* name;
    std::string reply;
    Ending ending;
    int error;  // 0 when a page is expected
    int status;
    std::string body;
};

class HttpClientReplyTest : public HttpClientTest,
                            public ::testing::WithParamInterface<ReplyRow> {};

TEST_P(HttpClientReplyTest, DeliversExactlyOneOutcome) {
    const ReplyRow& row = GetParam();
    ScriptedServer server(row.reply, row.ending);
    const Outcome outcome = Fetch(kUpdateUrl, &server);
    EXPECT_EQ(outcome.error, row.error);
    if (row.error == 0) {
        EXPECT_EQ(outcome.status, row.status);
        EXPECT_EQ(outcome.body, row.body);
    }
}

const std::string kOk = "HTTP/1.0 200 OK\r\n";
const std::string kLength = "Content-Length: ";
const std::string kMegabyte(HttpResponseParser::kMaxBodyBytes, 'b');
constexpr int kIncomplete = static_cast<int>(E::ReplyIncomplete);
constexpr int kTooLarge = static_cast<int>(E::ReplyTooLarge);

// clang-format off
using enum Ending;
const ReplyRow kReplyRows[] = {
    {"LengthReachedWhileOpen", kOk + kLength + "5\r\n\r\nhello", Hold, 0, 200, "hello"},
    {"OneByteAtATimeThenMore", kOk + kLength + "7\r\n\r\n<a>1</a>", Trickle, 0, 200, "<a>1</a"},
    {"ErrorStatusUntilClose", "HTTP/1.0 404 Not Found\r\n\r\nmissing", Close, 0, 404, "missing"},
    {"InvalidUtf8Replaced", kOk + "\r\ncaf\xE9", Close, 0, 200, "caf\xEF\xBF\xBD"},
    {"BodyAtBound", kOk + "\r\n" + kMegabyte, Close, 0, 200, kMegabyte},
    {"BodyOverBound", kOk + "\r\n" + kMegabyte + "b", Close, kTooLarge, 0, ""},
    {"ClosedShortOfLength", kOk + kLength + "100\r\n\r\nabc", Close, kIncomplete, 0, ""},
    {"ResetShortOfLength", kOk + kLength + "100\r\n\r\nabc", Reset, kIncomplete, 0, ""},
    {"HeaderBlockNeverEnds", kOk + std::string(70000, 'h'), Hold, kTooLarge, 0, ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, HttpClientReplyTest, ::testing::ValuesIn(kReplyRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HttpClientTest, ConnectionRefused) {
    // Bound but never listened on, the port refuses connections; unlike a closed
    // server's port, no listener of another test running meanwhile can take it.
    QTcpSocket refusing;
    ASSERT_TRUE(refusing.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress));
    const int port = refusing.localPort();
    EXPECT_EQ(Fetch("http://127.0.0.1:" + std::to_string(port) + "/").error,
              static_cast<int>(E::ConnectionRefused));
}

TEST_F(HttpClientTest, InvalidAddressIsReportedLater) {
    EXPECT_EQ(Fetch("http://host/a b").error, static_cast<int>(E::InvalidAddress));
}

#ifdef __linux__
// A listening socket whose one-place queue is already taken drops further connection
// attempts, so they stay pending.
TEST_F(HttpClientTest, ConnectionAttemptTimesOut) {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    auto* raw = reinterpret_cast<sockaddr*>(&address);
    ASSERT_EQ(bind(listener, raw, length), 0);
    ASSERT_EQ(listen(listener, 0), 0);
    ASSERT_EQ(getsockname(listener, raw, &length), 0);
    const int filler = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(connect(filler, raw, length), 0);
    const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/";
    EXPECT_EQ(Fetch(url, nullptr, std::chrono::milliseconds(300)).error,
              static_cast<int>(E::ConnectTimeout));
    close(filler);
    close(listener);
}
#endif

// The owner lets go while the server holds the request unanswered; nothing may reach
// it afterwards.
TEST_F(HttpClientTest, NoOutcomeAfterAbandonOrDestruction) {
    for (bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "abandoned");
        ScriptedServer server("", Ending::Hold);
        auto client = std::make_unique<HttpClient>();
        int calls = 0;
        client->onPage = [&](auto&&...) { ++calls; };
        client->onError = [&](int) { ++calls; };
        client->Get(kUpdateUrl);
        ASSERT_TRUE(RunUntil([&] { return !server.requests.empty(); }));
        Spin(50);
        EXPECT_EQ(calls, 0);
        if (destroy) {
            client.reset();
        } else {
            client->Abandon();
        }
        ASSERT_TRUE(RunUntil([&] { return server.connectionsEnded > 0; }));
        Spin(50);
        EXPECT_EQ(calls, 0);
    }
}

// The first handler runs a nested event loop (as a modal box does) while the server
// sends more and closes, then starts a new request; the second handler destroys the
// client.
TEST_F(HttpClientTest, HandlerMayNestEventLoopsRestartOrDestroy) {
    ScriptedServer server(kOk + "Content-Length: 2\r\n\r\nok and more", Ending::Close);
    auto client = std::make_unique<HttpClient>();
    int pages = 0;
    int errors = 0;
    client->onError = [&](int) { ++errors; };
    client->onPage = [&](const std::string&, int, const InternetHeaders&, const std::string&) {
        if (++pages == 1) {
            RunUntil([&] { return server.connectionsEnded > 0; });
            client->Get(kUpdateUrl);
        } else {
            client.reset();
        }
    };
    client->Get(kUpdateUrl);
    ASSERT_TRUE(RunUntil([&] { return pages == 2; }));
    Spin(50);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(client, nullptr);
    EXPECT_EQ(server.requests.size(), 2U);
}

}  // namespace
}  // namespace fw
