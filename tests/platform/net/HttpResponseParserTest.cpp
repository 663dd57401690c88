#include "platform/net/HttpResponseParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fw {
namespace {

using State = HttpResponseParser::State;

constexpr std::size_t kHeaderBound = 256;
constexpr std::size_t kBodyBound = 32;

struct ParserRow {
    const char* name;
    std::vector<std::string> pieces;
    bool closed;  // the connection ends after the pieces
    State state;
    int status;  // when Complete
    std::string body;
    HttpError error;  // when Failed
};

State FeedRow(HttpResponseParser& parser, const std::vector<std::string>& pieces, bool closed,
          bool byteByByte) {
    for (const std::string& piece : pieces) {
        if (byteByByte) {
            for (char c : piece) {
                parser.Feed(std::string_view(&c, 1));
            }
        } else {
            parser.Feed(piece);
        }
    }
    return closed ? parser.Finish() : parser.GetState();
}

class HttpResponseParserTest : public ::testing::TestWithParam<ParserRow> {};

// Every row must come out the same whether the bytes come in the row's pieces or one
// at a time.
TEST_P(HttpResponseParserTest, ReadsTheReply) {
    const ParserRow& row = GetParam();
    for (bool byteByByte : {false, true}) {
        SCOPED_TRACE(byteByByte ? "one byte at a time" : "in pieces");
        HttpResponseParser parser(kHeaderBound, kBodyBound);
        ASSERT_EQ(FeedRow(parser, row.pieces, row.closed, byteByByte), row.state);
        if (row.state == State::Complete) {
            EXPECT_EQ(parser.Status(), row.status);
            EXPECT_EQ(parser.Body(), row.body);
        } else if (row.state == State::Failed) {
            EXPECT_EQ(parser.Error(), row.error);
        }
    }
}

const std::string kLongHeader = "X-Filler: " + std::string(kHeaderBound, 'a') + "\r\n";

const ParserRow kParserRows[] = {
    {"LengthReachedWithoutClose", {"HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhel", "lo"},
     false, State::Complete, 200, "hello", {}},
    {"BytesAfterLengthIgnored", {"HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\nhello"}, false,
     State::Complete, 200, "hel", {}},
    {"ZeroLength", {"HTTP/1.0 204 No Content\r\nContent-Length: 0\r\n\r\n"}, false,
     State::Complete, 204, "", {}},
    {"BodyUntilClose", {"HTTP/1.0 404 Not Found\r\n\r\nmiss", "ing"}, true, State::Complete,
     404, "missing", {}},
    {"WaitsForCloseWithoutLength", {"HTTP/1.0 200 OK\r\n\r\nbody"}, false, State::NeedMore, 0,
     "", {}},
    {"BareLineFeeds", {"HTTP/1.1 301 Moved\nLocation: /x\n\nbody"}, true, State::Complete, 301,
     "body", {}},
    {"MixedLineEnds", {"HTTP/1.0 200 OK\nA: b\r\n\nx"}, true, State::Complete, 200, "x", {}},
    {"BlanksAroundStatus", {"HTTP/1.0   500\tError\r\n\r\n"}, true, State::Complete, 500, "", {}},
    {"StatusNotANumber", {"HTTP/1.0 2x0 OK\r\n\r\nx"}, true, State::Complete, 0, "x", {}},
    {"StatusLineWithoutCode", {"garbage\r\n\r\nx"}, true, State::Complete, 0, "x", {}},
    {"NoStatusLine", {"\r\nbody"}, true, State::Complete, 0, "body", {}},
    {"BodyAtBound", {"HTTP/1.0 200 OK\r\n\r\n", std::string(kBodyBound, 'b')}, true,
     State::Complete, 200, std::string(kBodyBound, 'b'), {}},
    {"AgreeingLengths", {"HTTP/1.0 200 OK\r\nContent-Length: 2\r\ncontent-length: 2, 2\r\n\r\nok"},
     false, State::Complete, 200, "ok", {}},
    {"NothingBeforeClose", {}, true, State::Failed, 0, "", HttpError::ReplyIncomplete},
    {"HeaderBlockCutOff", {"HTTP/1.0 200 OK\r\nA: b\r\n"}, true, State::Failed, 0, "",
     HttpError::ReplyIncomplete},
    {"ShortOfLength", {"HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nabc"}, true, State::Failed,
     0, "", HttpError::ReplyIncomplete},
    {"NegativeLength", {"HTTP/1.0 200 OK\r\nContent-Length: -1\r\n\r\n"}, true, State::Failed, 0,
     "", HttpError::ReplyMalformed},
    {"LengthNotANumber", {"HTTP/1.0 200 OK\r\nContent-Length: 5x\r\n\r\nhello"}, true,
     State::Failed, 0, "", HttpError::ReplyMalformed},
    {"EmptyLength", {"HTTP/1.0 200 OK\r\nContent-Length:\r\n\r\n"}, true, State::Failed, 0, "",
     HttpError::ReplyMalformed},
    {"ConflictingLengths", {"HTTP/1.0 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\n"},
     false, State::Failed, 0, "", HttpError::ReplyMalformed},
    {"ChunkedSentAnyway",
     {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n"}, true,
     State::Failed, 0, "", HttpError::ReplyMalformed},
    {"HeaderBlockOverBound", {"HTTP/1.0 200 OK\r\n", kLongHeader}, false, State::Failed, 0, "",
     HttpError::ReplyTooLarge},
    {"BodyOverBound", {"HTTP/1.0 200 OK\r\n\r\n", std::string(kBodyBound + 1, 'b')}, true,
     State::Failed, 0, "", HttpError::ReplyTooLarge},
    {"LengthOverBound", {"HTTP/1.0 200 OK\r\nContent-Length: 33\r\n\r\n"}, false, State::Failed,
     0, "", HttpError::ReplyTooLarge},
    {"HugeLength", {"HTTP/1.0 200 OK\r\nContent-Length: 99999999999999999999999999\r\n\r\n"},
     false, State::Failed, 0, "", HttpError::ReplyTooLarge},
};

INSTANTIATE_TEST_SUITE_P(Rows, HttpResponseParserTest, ::testing::ValuesIn(kParserRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HttpResponseParserHeaders, KeepOrderAndFindNamesInAnyCase) {
    HttpResponseParser parser;
    parser.Feed(
        "HTTP/1.0 200 OK\r\n"
        "Server:  test \r\n"
        "not a header line\r\n"
        "X-Folded: one\r\n"
        "\ttwo\r\n"
        "X-Bytes: caf\xE9\r\n"
        "\r\n");
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
TEST(HttpResponseParserBounds, FullSizeRepliesOneByteAtATime) {
    std::string reply = "HTTP/1.0 200 OK\r\n";
    while (reply.size() < HttpResponseParser::kMaxHeaderBytes - 64) {
        reply += "X-Filler: aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\n";
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
