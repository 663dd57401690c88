#include "platform/net/HttpResponseParser.h"

#include <gtest/gtest.h>

#include <string>

namespace fw {
namespace {

using State = HttpResponseParser::State;
using E = HttpError;

constexpr std::size_t kHeaderBound = 256;
constexpr std::size_t kBodyBound = 32;

struct Expected {
    State state;
    int status = 0;
    std::string body;
    HttpError error = HttpError::ReplyIncomplete;
};
Expected Page(int status, std::string body) {
    return {State::Complete, status, std::move(body), HttpError::ReplyIncomplete};
}
Expected Fails(HttpError error) {
    return {State::Failed, 0, "", error};
}
const Expected kWaits{State::NeedMore, 0, "", HttpError::ReplyIncomplete};

struct ParserRow {
    const char* name;
    std::string reply;
    bool closed;  // the connection ends after the reply
    Expected expected;
};

class HttpResponseParserTest : public ::testing::TestWithParam<ParserRow> {};

// Every row must come out the same whether its bytes come at once or one at a time.
TEST_P(HttpResponseParserTest, ReadsTheReply) {
    const ParserRow& row = GetParam();
    for (bool byteByByte : {false, true}) {
        SCOPED_TRACE(byteByByte ? "one byte at a time" : "at once");
        HttpResponseParser parser(kHeaderBound, kBodyBound);
        if (byteByByte) {
            for (char c : row.reply) {
                parser.Feed(std::string_view(&c, 1));
            }
        } else {
            parser.Feed(row.reply);
        }
        ASSERT_EQ(row.closed ? parser.Finish() : parser.GetState(), row.expected.state);
        if (row.expected.state == State::Complete) {
            EXPECT_EQ(parser.Status(), row.expected.status);
            EXPECT_EQ(parser.Body(), row.expected.body);
        } else if (row.expected.state == State::Failed) {
            EXPECT_EQ(parser.Error(), row.expected.error);
        }
    }
}

const std::string kOk = "HTTP/1.0 200 OK\r\n";
const std::string kBodyAtBound(kBodyBound, 'b');

// clang-format off
const ParserRow kParserRows[] = {
    {"LengthReachedUnclosed", kOk + "Content-Length: 5\r\n\r\nhello", false, Page(200, "hello")},
    {"BytesAfterLengthIgnored", kOk + "Content-Length: 3\r\n\r\nhello", false, Page(200, "hel")},
    {"ZeroLength", "HTTP/1.0 204 None\r\nContent-Length: 0\r\n\r\n", false, Page(204, "")},
    {"BodyUntilClose", "HTTP/1.0 404 Not Found\r\n\r\nmissing", true, Page(404, "missing")},
    {"WaitsForCloseWithoutLength", kOk + "\r\nbody", false, kWaits},
    {"BareLineFeeds", "HTTP/1.1 301 Moved\nLocation: /x\n\nbody", true, Page(301, "body")},
    {"MixedLineEnds", "HTTP/1.0 200 OK\nA: b\r\n\nx", true, Page(200, "x")},
    {"BlanksAroundStatus", "HTTP/1.0   500\tError\r\n\r\n", true, Page(500, "")},
    {"StatusNotANumber", "HTTP/1.0 2x0 OK\r\n\r\nx", true, Page(0, "x")},
    {"StatusLineWithoutCode", "garbage\r\n\r\nx", true, Page(0, "x")},
    {"NoStatusLine", "\r\nbody", true, Page(0, "body")},
    {"BodyAtBound", kOk + "\r\n" + kBodyAtBound, true, Page(200, kBodyAtBound)},
    {"AgreeingLengths", kOk + "Content-Length: 2\r\ncontent-length: 2, 2\r\n\r\nok", false,
     Page(200, "ok")},
    {"NothingBeforeClose", "", true, Fails(E::ReplyIncomplete)},
    {"HeaderBlockCutOff", kOk + "A: b\r\n", true, Fails(E::ReplyIncomplete)},
    {"ShortOfLength", kOk + "Content-Length: 10\r\n\r\nabc", true, Fails(E::ReplyIncomplete)},
    {"NegativeLength", kOk + "Content-Length: -1\r\n\r\n", true, Fails(E::ReplyMalformed)},
    {"LengthNotANumber", kOk + "Content-Length: 5x\r\n\r\nhello", true, Fails(E::ReplyMalformed)},
    {"EmptyLength", kOk + "Content-Length:\r\n\r\n", true, Fails(E::ReplyMalformed)},
    {"ConflictingLengths", kOk + "Content-Length: 5\r\nContent-Length: 6\r\n\r\n", false,
     Fails(E::ReplyMalformed)},
    {"ChunkedSentAnyway", kOk + "Transfer-Encoding: chunked\r\n\r\n2\r\nok\r\n0\r\n\r\n", true,
     Fails(E::ReplyMalformed)},
    {"HeaderBlockOverBound", kOk + "X: " + std::string(kHeaderBound, 'a'), false,
     Fails(E::ReplyTooLarge)},
    {"BodyOverBound", kOk + "\r\n" + kBodyAtBound + "b", true, Fails(E::ReplyTooLarge)},
    {"LengthOverBound", kOk + "Content-Length: 33\r\n\r\n", false, Fails(E::ReplyTooLarge)},
    {"HugeLength", kOk + "Content-Length: 99999999999999999999999\r\n\r\n", false,
     Fails(E::ReplyTooLarge)},
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
    EXPECT_EQ(headers.Value("Missing"), "");
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
