#include "platform/print/StyledTextPrinter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/print/RecordingGraphics.h"

namespace fw {
namespace {

// At size 10 the recording graphics measures 6 units per character and 12 per line
// (ascent 8), so a width of 30 holds five characters and a height of 36 three lines.
constexpr double kLine = 12;

struct Drawn {
    std::string text;
    std::string position;  // "x y"
};

// The DrawString calls recorded since entry `from`.
std::vector<Drawn> DrawnSince(const RecordingGraphics& g, std::size_t from = 0) {
    std::vector<Drawn> out;
    for (std::size_t i = from; i < g.Entries().size(); ++i) {
        const std::string& e = g.Entries()[i];
        const std::string prefix = "DrawString \"";
        if (e.rfind(prefix, 0) != 0) {
            continue;
        }
        const std::size_t close = e.rfind("\" ");
        const std::string rest = e.substr(close + 2);
        out.push_back({e.substr(prefix.size(), close - prefix.size()),
                       rest.substr(0, rest.rfind(" 0 false"))});
    }
    return out;
}

std::vector<std::string> TextsOf(const std::vector<Drawn>& drawn) {
    std::vector<std::string> out;
    for (const Drawn& d : drawn) {
        out.push_back(d.text);
    }
    return out;
}

std::vector<std::string> AllLines(const std::string& text, int width) {
    RecordingGraphics g;
    g.TextSize(10);
    StyledTextPrinter printer(g, text, width);
    while (!printer.Eof()) {
        printer.DrawBlock(0, 0, 1e9);
    }
    return TextsOf(DrawnSince(g));
}

struct WrapCase {
    const char* name;
    std::string text;
    int width;
    std::vector<std::string> lines;
};

class StyledTextPrinterWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(StyledTextPrinterWrap, LaysOutLines) {
    EXPECT_EQ(AllLines(GetParam().text, GetParam().width), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyledTextPrinterWrap,
    ::testing::Values(
        WrapCase{"FitsOnOneLine", "hello world", 100, {"hello world"}},
        WrapCase{"WordEndingExactlyAtWidthStays", "aa bb cc", 30, {"aa bb", "cc"}},
        WrapCase{"BlanksAtBreakAreDropped", "aaa   bbb  ", 30, {"aaa", "bbb"}},
        WrapCase{"LeadingAndInnerBlanksKept", "  a.  x", 100, {"  a.  x"}},
        WrapCase{"OverlongWordBroken", "abcdefghijkl", 30, {"abcde", "fghij", "kl"}},
        WrapCase{"OverlongWordStartsOwnLine", "ab abcdefgh", 30, {"ab", "abcde", "fgh"}},
        WrapCase{"RestOfBrokenWordContinuesLine", "abcdefg hi jk", 30, {"abcde", "fg hi", "jk"}},
        WrapCase{"CrLfAndCrlfEndLines", "a\rb\nc\r\nd", 30, {"a", "b", "c", "d"}},
        WrapCase{"EmptyParagraphsKept", "a\r\r\rb", 30, {"a", "", "", "b"}},
        WrapCase{"FinalLineEndAddsNoLine", "a\n", 30, {"a"}},
        WrapCase{"BlankParagraphIsEmptyLine", "   \nb", 30, {"", "b"}},
        WrapCase{"MultibyteCountsAsOneCharacter",
                 "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
                 30,
                 {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9"}},
        WrapCase{"ZeroWidthStillAdvances", "ab c", 0, {"a", "b", "c"}},
        WrapCase{"WordBeyondLookAhead",
                 std::string(1400, 'x') + " y",
                 3000,
                 {std::string(500, 'x'), std::string(500, 'x'), std::string(400, 'x') + " y"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StyledTextPrinter, EmptyTextIsAtEndAndDrawsNothing) {
    RecordingGraphics g;
    StyledTextPrinter printer(g, "", 492);
    EXPECT_TRUE(printer.Eof());
    printer.DrawBlock(36, 36, 672);
    EXPECT_TRUE(g.Entries().empty());
}

TEST(StyledTextPrinter, BlocksTakeWholeLinesAndEndWithoutEmptyBlock) {
    RecordingGraphics g;
    g.TextSize(10);
    StyledTextPrinter printer(g, "1\n2\n3\n4\n5\n6", 30);

    printer.DrawBlock(36, 100, 3 * kLine + 11);  // room for 3.9 lines
    EXPECT_FALSE(printer.Eof());
    const auto first = DrawnSince(g);
    ASSERT_EQ(first.size(), 3U);
    EXPECT_EQ(first[0].position, "36 108");  // baseline = top + ascent
    EXPECT_EQ(first[1].position, "36 120");
    EXPECT_EQ(first[2].position, "36 132");

    const std::size_t mark = g.Entries().size();
    printer.DrawBlock(36, 100, 3 * kLine);  // exactly three lines
    EXPECT_TRUE(printer.Eof());
    EXPECT_EQ(TextsOf(DrawnSince(g, mark)), (std::vector<std::string>{"4", "5", "6"}));
}

TEST(StyledTextPrinter, BlockLowerThanOneLineStillDrawsOne) {
    RecordingGraphics g;
    g.TextSize(10);
    StyledTextPrinter printer(g, "a\nb", 30);
    printer.DrawBlock(0, 0, 1);
    EXPECT_EQ(TextsOf(DrawnSince(g)), std::vector<std::string>{"a"});
    EXPECT_FALSE(printer.Eof());
}

TEST(StyledTextPrinter, EachBlockUsesTheCurrentDrawingState) {
    RecordingGraphics g;
    g.TextSize(10);
    StyledTextPrinter printer(g, "aaaa bbbb cccc dddd", 60);
    printer.DrawBlock(0, 0, kLine);
    g.TextSize(20);  // 12 per character, 24 per line, ascent 16
    const std::size_t mark = g.Entries().size();
    printer.DrawBlock(0, 0, 48);
    const auto second = DrawnSince(g, mark);
    EXPECT_EQ(TextsOf(DrawnSince(g, 0)).front(), "aaaa bbbb");
    ASSERT_EQ(second.size(), 2U);
    EXPECT_EQ(second[0].text, "cccc");
    EXPECT_EQ(second[0].position, "0 16");
    EXPECT_EQ(second[1].position, "0 40");
    EXPECT_TRUE(printer.Eof());
}

// Speed is measured in bench/print_bench; here large texts must print to the end.
TEST(StyledTextPrinter, PrintsLargeTextsToTheEnd) {
    std::string words;
    for (int i = 0; words.size() < 4'000'000; ++i) {
        words += "word" + std::to_string(i % 1000) + ((i % 13 == 0) ? "\r\n" : " ");
    }
    const std::string oneWord(4'000'000, 'z');
    for (const std::string* text : std::vector<const std::string*>{&words, &oneWord}) {
        RecordingGraphics g;
        g.TextSize(10);
        StyledTextPrinter printer(g, *text, 492);
        int blocks = 0;
        while (!printer.Eof()) {
            printer.DrawBlock(36, 36, 672);
            ++blocks;
        }
        EXPECT_GT(blocks, 100);
    }
}

}  // namespace
}  // namespace fw
