#include "platform/net/HttpResponseParser.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

using State = HttpResponseParser::State;
using E = HttpError;

constexpr std::size_t kHeaderBound = 256;
constexpr std::size_t kBodyBound = 32;
constexpr int kIncomplete = static_cast<int>(E::ReplyIncomplete);
constexpr int kMalformed = static_cast<int>(E::ReplyMalformed);
constexpr int kTooLarge = static_cast<int>(E::ReplyTooLarge);

struct ParserRow {
    const char* name;
    std::string reply;
    bool closed;  // the connection ends after the reply
    State state;
    int code;  // the status when Complete, the HttpError when Failed
    std::string body;
};

class HttpResponseParserTest : public ::testing::TestWithParam<ParserRow> {};

// Every row must come out the same whether its bytes come at once or one at a time.
TEST_P(HttpResponseParserTest, ReadsTheReply) {
    const ParserRow& row = GetParam();
    for (bool byteByByte : {false, true}) {
        SCOPED_TRACE(byteByByte ? "one byte at a time" : "at once");
        HttpResponseParser parser(kHeaderBound, kBodyBound);
        const std::size_t step = byteByByte ? 1 : row.reply.size();
        for (std::size_t at = 0; at < row.reply.size(); at += step) {
            parser.Feed(std::string_view(row.reply).substr(at, step));
        }
        ASSERT_EQ(row.closed ? parser.Finish() : parser.GetState(), row.state);
        if (row.state == State::Complete) {
            EXPECT_EQ(parser.Status(), row.code);
            EXPECT_EQ(parser.Body(), row.body);
        } else if (row.state == State::Failed) {
            EXPECT_EQ(static_cast<int>(parser.Error()), row.code);
        }
    }
}

const std::string kOk = "HTTP/1.0 200 OK\r\n";
const std::string kLength = "Content-Length: ";
const std::string kBodyAtBound(kBodyBound, 'b');

// clang-format off
using enum State;
const ParserRow kParserRows[] = {
    {"LengthReachedUnclosed", kOk + kLength + "5\r\n\r\nhello", false, Complete, 200, "hello"},
    {"BytesAfterLengthIgnored", kOk + kLength + "3\r\n\r\nhello", false, Complete, 200, "hel"},
    {"ZeroLength", "HTTP/1.0 204 None\r\nContent-Length: 0\r\n\r\n", false, Complete, 204, ""},
    {"BodyUntilClose", "HTTP/1.0 404 Not Found\r\n\r\nmissing", true, Complete, 404, "missing"},
    {"WaitsForCloseWithoutLength", kOk + "\r\nbody", false, NeedMore, 0, ""},
    {"BareLineFeeds", "HTTP/1.1 301 Moved\nLocation: /x\n\nbody", true, Complete, 301, "body"},
    {"MixedLineEnds", "HTTP/1.0 200 OK\nA: b\r\n\nx", true, Complete, 200, "x"},
    {"BlanksAroundStatus", "HTTP/1.0   500\tError\r\n\r\n", true, Complete, 500, ""},
    {"Status199", "HTTP/1.0 199 Odd\r\n\r\n", true, Complete, 199, ""},
    {"Status429", "HTTP/1.1 429 Too Many Requests\r\n\r\n", true, Complete, 429, ""},
    {"Status509", "HTTP/1.0 509 Odd\r\n\r\n", true, Complete, 509, ""},
    {"StatusNotANumber", "HTTP/1.0 2x0 OK\r\n\r\nx", true, Complete, 0, "x"},
    {"StatusLineWithoutCode", "garbage\r\n\r\nx", true, Complete, 0, "x"},
    {"NoStatusLine", "\r\nbody", true, Complete, 0, "body"},
    {"BodyAtBound", kOk + "\r\n" + kBodyAtBound, true, Complete, 200, kBodyAtBound},
    {"AgreeingLengths", kOk + kLength + "2\r\ncontent-length: 2, 2\r\n\r\nok", false, Complete, 200,
     "ok"},
    {"ClosedInHeaderBlock", kOk + "A: b\r\n", true, Failed, kIncomplete, ""},
    {"ClosedShortOfLength", kOk + kLength + "10\r\n\r\nabc", true, Failed, kIncomplete, ""},
    {"NegativeLength", kOk + kLength + "-1\r\n\r\n", true, Failed, kMalformed, ""},
    {"LengthNotANumber", kOk + kLength + "5x\r\n\r\nhello", true, Failed, kMalformed, ""},
    {"EmptyLength", kOk + "Content-Length:\r\n\r\n", true, Failed, kMalformed, ""},
    {"ConflictingLengths", kOk + kLength + "5\r\nContent-Length: 6\r\n\r\n", false, Failed,
     kMalformed, ""},
    {"ChunkedSentAnyway", kOk + "Transfer-Encoding: chunked\r\n\r\n2\r\nok\r\n0\r\n\r\n", true,
     Failed, kMalformed, ""},
    {"HeaderBlockOverBound", kOk + "X: " + std::string(kHeaderBound, 'a'), false, Failed,
     kTooLarge, ""},
    {"BodyOverBound", kOk + "\r\n" + kBodyAtBound + "b", true, Failed, kTooLarge, ""},
    {"LengthOverBound", kOk + kLength + "33\r\n\r\n", false, Failed, kTooLarge, ""},
    {"HugeLength", kOk + kLength + "99999999999999999999999\r\n\r\n", false, Failed, kTooLarge,
     ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, HttpResponseParserTest, ::testing::ValuesIn(kParserRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HttpResponseParserHeaders, KeepOrderAndFindNamesInAnyCase) {
    HttpResponseParser parser;
    parser.Feed(kOk +
                "Server:  test \r\nnot a header line\r\nX-Folded: one\r\n\ttwo\r\n"
                "X-Bytes: caf\xE9\r\n\r\n");
    ASSERT_EQ(parser.Finish(), State::Complete);
    const InternetHeaders& headers = parser.Headers();
    ASSERT_EQ(headers.Count(), 3);
    EXPECT_EQ(headers.NameAt(0), "Server");
    EXPECT_EQ(headers.Value("SERVER"), "test");
    EXPECT_EQ(headers.Value("x-folded"), "one two");
    EXPECT_EQ(headers.ValueAt(2), "caf\xEF\xBF\xBD");
}

// Replies at the real bounds, fed one byte at a time, must finish promptly: the header
// search resumes where it stopped instead of starting over.
TEST(HttpResponseParserBounds, FullSizeReplyOneByteAtATime) {
    std::string reply = kOk;
    while (reply.size() < HttpResponseParser::kMaxHeaderBytes - 64) {
        reply += "X-Filler: aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\n";
    }
    reply += "\r\n" + std::string(HttpResponseParser::kMaxBodyBytes, 'b');
    HttpResponseParser parser;
    for (char c : reply) {
        parser.Feed(std::string_view(&c, 1));
    }
    ASSERT_EQ(parser.Finish(), State::Complete);
    EXPECT_EQ(parser.Body().size(), HttpResponseParser::kMaxBodyBytes);
}

}  // namespace
}  // namespace fw
