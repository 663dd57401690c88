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

constexpr int kGuardMs = 20000;  // only against hangs
const std::string kUpdateHost = "www.tessarook.example";
const std::string kUpdateUrl = "http://www.tessarook.example/Updates/tessarook.xml";

// Runs the event loop until `done` holds or the guard time has passed.
bool RunUntil(const std::function<bool()>& done, int ms = kGuardMs) {
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

struct Step {
    enum Kind { Send, SendByteByByte, Close, Reset } kind;
    std::string bytes;
};

// A server on 127.0.0.1 that records each request (up to its empty line) and answers
// every connection with the same script of steps; without a Close or Reset step the
// connection stays open.
class ScriptedServer {
public:
    explicit ScriptedServer(std::vector<Step> script) : script_(std::move(script)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
    }

    [[nodiscard]] int Port() const { return server_.serverPort(); }
    std::vector<std::string> requests;
    int connectionsEnded = 0;

private:
    void Accept() {
        while (QTcpSocket* connection = server_.nextPendingConnection()) {
            auto received = std::make_shared<std::string>();
            QObject::connect(connection, &QTcpSocket::disconnected, connection, [this, connection] {
                ++connectionsEnded;
                connection->deleteLater();
            });
            QObject::connect(connection, &QTcpSocket::readyRead, connection,
                             [this, connection, received] {
                                 const bool seen = received->find("\r\n\r\n") != std::string::npos;
                                 *received += connection->readAll().toStdString();
                                 if (!seen && received->find("\r\n\r\n") != std::string::npos) {
                                     requests.push_back(*received);
                                     RunStep(connection, 0, 0);
                                 }
                             });
        }
    }

    // Steps and single bytes are spaced by a turn of the event loop so that they tend
    // to arrive in separate reads.
    void RunStep(QTcpSocket* connection, std::size_t index, std::size_t offset) {
        if (index >= script_.size() || connection->state() != QAbstractSocket::ConnectedState) {
            return;
        }
        const Step& step = script_[index];
        switch (step.kind) {
            case Step::Send:
                connection->write(step.bytes.data(), static_cast<qint64>(step.bytes.size()));
                break;
            case Step::SendByteByByte:
                if (offset < step.bytes.size()) {
                    connection->write(&step.bytes[offset], 1);
                    connection->flush();
                    QTimer::singleShot(0, connection,
                                       [=, this] { RunStep(connection, index, offset + 1); });
                    return;
                }
                break;
            case Step::Close:
                connection->disconnectFromHost();
                return;
            case Step::Reset:
#ifdef __linux__
            {
                connection->flush();
                const linger hard{1, 0};
                setsockopt(static_cast<int>(connection->socketDescriptor()), SOL_SOCKET,
                           SO_LINGER, &hard, sizeof hard);
                connection->abort();
            }
#endif
                return;
        }
        QTimer::singleShot(1, connection, [=, this] { RunStep(connection, index + 1, 0); });
    }

    std::vector<Step> script_;
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

void Record(HttpClient& client, Outcome& outcome) {
    client.onPage = [&outcome](const std::string& url, int status, const InternetHeaders& headers,
                               const std::string& body) {
        ++outcome.calls;
        outcome.url = url;
        outcome.status = status;
        outcome.body = body;
        outcome.server = headers.Value("server");
    };
    client.onError = [&outcome](int code) {
        ++outcome.calls;
        outcome.error = code;
    };
}

class HttpClientTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "platform_net_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
    void TearDown() override { HttpClient::ClearHostOverrides(); }
};

constexpr int Code(HttpError error) {
    return static_cast<int>(error);
}

TEST_F(HttpClientTest, SendsTheRequestByteForByte) {
    struct Row {
        std::string url;
        std::string host;
        std::string request;
    };
    const Row rows[] = {
        {kUpdateUrl, kUpdateHost,
         "GET /Updates/tessarook.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\n"
         "Host: www.tessarook.example\r\n\r\n"},
        {"http://Mirror.Example:8080", "mirror.example",
         "GET / HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: Mirror.Example:8080\r\n"
         "\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.url);
        ScriptedServer server({{Step::Send, "HTTP/1.0 200 OK\r\nServer: t\r\n\r\nok"},
                               {Step::Close, ""}});
        HttpClient::SetHostOverride(row.host, "127.0.0.1", server.Port());
        HttpClient client;
        Outcome outcome;
        Record(client, outcome);
        client.Get(row.url);
        ASSERT_TRUE(RunUntil([&] { return outcome.calls > 0; }));
        ASSERT_EQ(server.requests.size(), 1U);
        EXPECT_EQ(server.requests[0], row.request);
        EXPECT_EQ(outcome.url, row.url);
        EXPECT_EQ(outcome.status, 200);
        EXPECT_EQ(outcome.server, "t");
        EXPECT_EQ(outcome.body, "ok");
    }
}

struct ReplyRow {
    const char* name;
    std::vector<Step> script;
    int error;  // 0: a page is expected
    int status;
    std::string body;
};

class HttpClientReplyTest : public HttpClientTest,
                            public ::testing::WithParamInterface<ReplyRow> {};

TEST_P(HttpClientReplyTest, DeliversExactlyOneOutcome) {
    const ReplyRow& row = GetParam();
    ScriptedServer server(row.script);
    HttpClient::SetHostOverride(kUpdateHost, "127.0.0.1", server.Port());
    HttpClient client;
    Outcome outcome;
    Record(client, outcome);
    client.Get(kUpdateUrl);
    ASSERT_TRUE(RunUntil([&] { return outcome.calls > 0; }));
    // Whatever still comes from the server must not produce a second outcome.
    ASSERT_TRUE(RunUntil([&] { return server.connectionsEnded > 0; }));
    Spin(20);
    EXPECT_EQ(outcome.calls, 1);
    EXPECT_EQ(outcome.error, row.error);
    if (row.error == 0) {
        EXPECT_EQ(outcome.status, row.status);
        EXPECT_EQ(outcome.body, row.body);
    }
}

const std::string kMegabyte(HttpResponseParser::kMaxBodyBytes, 'b');

const ReplyRow kReplyRows[] = {
    {"LengthReachedWhileOpen",
     {{Step::Send, "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello"}},
     0,
     200,
     "hello"},
    {"HeadersBodyAndExtraInOneWrite",
     {{Step::Send, "HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\nabcdef"}, {Step::Close, ""}},
     0,
     200,
     "abc"},
    {"OneByteAtATime",
     {{Step::SendByteByByte, "HTTP/1.0 200 OK\r\nContent-Length: 7\r\n\r\n<a>1</a>"}},
     0,
     200,
     "<a>1</a"},
    {"ErrorStatusUntilClose",
     {{Step::Send, "HTTP/1.0 404 Not Found\r\n\r\nmiss"}, {Step::Send, "ing"}, {Step::Close, ""}},
     0,
     404,
     "missing"},
    {"BareLineFeeds", {{Step::Send, "HTTP/1.1 302 Found\nLocation: /x\n\nmoved"}, {Step::Close, ""}},
     0, 302, "moved"},
    {"NoStatusLine", {{Step::Send, "\r\nbody"}, {Step::Close, ""}}, 0, 0, "body"},
    {"InvalidUtf8Replaced", {{Step::Send, "HTTP/1.0 200 OK\r\n\r\ncaf\xE9"}, {Step::Close, ""}}, 0,
     200, "caf\xEF\xBF\xBD"},
    {"BodyAtBound", {{Step::Send, "HTTP/1.0 200 OK\r\n\r\n" + kMegabyte}, {Step::Close, ""}}, 0,
     200, kMegabyte},
    {"ClosedWithoutReply", {{Step::Close, ""}}, Code(HttpError::ReplyIncomplete), 0, ""},
    {"ClosedShortOfLength",
     {{Step::Send, "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nabc"}, {Step::Close, ""}},
     Code(HttpError::ReplyIncomplete), 0, ""},
#ifdef __linux__
    {"ResetShortOfLength",
     {{Step::Send, "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nabc"}, {Step::Reset, ""}},
     Code(HttpError::ReplyIncomplete), 0, ""},
#endif
    {"ChunkedSentAnyway",
     {{Step::Send, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\n0\r\n\r\n"}},
     Code(HttpError::ReplyMalformed), 0, ""},
    {"NegativeLength", {{Step::Send, "HTTP/1.0 200 OK\r\nContent-Length: -4\r\n\r\nbody"}},
     Code(HttpError::ReplyMalformed), 0, ""},
    {"HeaderBlockNeverEnds", {{Step::Send, "HTTP/1.0 200 OK\r\n" + std::string(70000, 'h')}},
     Code(HttpError::ReplyTooLarge), 0, ""},
    {"BodyOverBound",
     {{Step::Send, "HTTP/1.0 200 OK\r\n\r\n" + kMegabyte + "b"}, {Step::Close, ""}},
     Code(HttpError::ReplyTooLarge), 0, ""},
    {"LengthOverBound", {{Step::Send, "HTTP/1.0 200 OK\r\nContent-Length: 2000000\r\n\r\n"}},
     Code(HttpError::ReplyTooLarge), 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, HttpClientReplyTest, ::testing::ValuesIn(kReplyRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HttpClientTest, ConnectionRefused) {
    int port = 0;
    {
        QTcpServer closed;
        ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
        port = closed.serverPort();
    }
    HttpClient client;
    Outcome outcome;
    Record(client, outcome);
    client.Get("http://127.0.0.1:" + std::to_string(port) + "/");
    ASSERT_TRUE(RunUntil([&] { return outcome.calls > 0; }));
    Spin(20);
    EXPECT_EQ(outcome.calls, 1);
    EXPECT_EQ(outcome.error, Code(HttpError::ConnectionRefused));
}

TEST_F(HttpClientTest, InvalidAddressIsReportedLaterNotInsideGet) {
    HttpClient client;
    Outcome outcome;
    Record(client, outcome);
    client.Get("http://host/a b");
    EXPECT_EQ(outcome.calls, 0);
    ASSERT_TRUE(RunUntil([&] { return outcome.calls > 0; }));
    EXPECT_EQ(outcome.error, Code(HttpError::InvalidAddress));
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
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(listen(listener, 0), 0);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    const int filler = socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(connect(filler, reinterpret_cast<sockaddr*>(&address), length), 0);

    HttpClient client;
    client.SetConnectTimeout(std::chrono::milliseconds(300));
    Outcome outcome;
    Record(client, outcome);
    client.Get("http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/");
    EXPECT_TRUE(RunUntil([&] { return outcome.calls > 0; }));
    EXPECT_EQ(outcome.error, Code(HttpError::ConnectTimeout));
    close(filler);
    close(listener);
}
#endif

// The owner goes away while the server holds the request; the reply that comes
// afterwards must reach nobody.
TEST_F(HttpClientTest, NoOutcomeAfterAbandonOrDestruction) {
    for (bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "abandoned");
        ScriptedServer server({});
        HttpClient::SetHostOverride(kUpdateHost, "127.0.0.1", server.Port());
        auto client = std::make_unique<HttpClient>();
        Outcome outcome;
        Record(*client, outcome);
        client->Get(kUpdateUrl);
        ASSERT_TRUE(RunUntil([&] { return !server.requests.empty(); }));
        Spin(50);  // never answered: nothing happens
        EXPECT_EQ(outcome.calls, 0);
        if (destroy) {
            client.reset();
        } else {
            client->Abandon();
        }
        ASSERT_TRUE(RunUntil([&] { return server.connectionsEnded > 0; }));
        Spin(50);
        EXPECT_EQ(outcome.calls, 0);
    }
}

// A handler that runs a nested event loop (a modal box) while the server goes on
// sending and closes, then destroys the client and another starts a new request.
TEST_F(HttpClientTest, HandlerMayNestEventLoopsDestroyOrRestart) {
    ScriptedServer server({{Step::Send, "HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok"},
                           {Step::Send, "more bytes"},
                           {Step::Close, ""}});
    HttpClient::SetHostOverride(kUpdateHost, "127.0.0.1", server.Port());
    auto client = std::make_unique<HttpClient>();
    int pages = 0;
    int errors = 0;
    client->onError = [&](int) { ++errors; };
    client->onPage = [&](const std::string&, int, const InternetHeaders&, const std::string&) {
        ++pages;
        if (pages == 1) {
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
