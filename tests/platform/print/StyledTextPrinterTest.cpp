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

using Texts = std::vector<std::string>;

// The DrawString calls recorded from entry `from` on, each as `"text" x y`.
Texts DrawnSince(const RecordingGraphics& g, std::size_t from = 0) {
    Texts out;
    for (std::size_t i = from; i < g.Entries().size(); ++i) {
        const std::string& e = g.Entries()[i];
        if (e.starts_with("DrawString ")) {
            out.push_back(e.substr(11, e.rfind(" 0 false") - 11));
        }
    }
    return out;
}

Texts AllLines(const std::string& text, int width) {
    RecordingGraphics g;
    g.TextSize(10);
    StyledTextPrinter printer(g, text, width);
    while (!printer.Eof()) {
        printer.DrawBlock(0, 0, 1e9);
    }
    Texts lines;
    for (const std::string& drawn : DrawnSince(g)) {
        lines.push_back(drawn.substr(1, drawn.rfind('"') - 1));
    }
    return lines;
}

struct WrapCase {
    const char* name;
    std::string text;
    int width;
    Texts lines;
};

class StyledTextPrinterWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(StyledTextPrinterWrap, LaysOutLines) {
    EXPECT_EQ(AllLines(GetParam().text, GetParam().width), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyledTextPrinterWrap,
    ::testing::Values(
        WrapCase{"WordEndingExactlyAtWidthStays", "aa bb cc", 30, {"aa bb", "cc"}},
        WrapCase{"BlanksAtBreakAreDropped", "aaa   bbb  ", 30, {"aaa", "bbb"}},
        WrapCase{"LeadingAndInnerBlanksKept", "  a.  x", 100, {"  a.  x"}},
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

// Baselines are at the block's top plus the ascent, one line height apart.
TEST(StyledTextPrinter, BlocksTakeWholeLinesAtLeastOneAndEndWithTheText) {
    RecordingGraphics g;
    g.TextSize(10);
    StyledTextPrinter printer(g, "1\n2\n3\n4\n5\n6\n7", 30);
    const struct {
        const char* name;
        double height;
        Texts drawn;
        bool eof;
    } rows[] = {
        {"room for 3.9 lines",
         3 * kLine + 11,
         {R"("1" 36 108)", R"("2" 36 120)", R"("3" 36 132)"},
         false},
        {"lower than one line", 1, {R"("4" 36 108)"}, false},
        {"exactly three lines",
         3 * kLine,
         {R"("5" 36 108)", R"("6" 36 120)", R"("7" 36 132)"},
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t mark = g.Entries().size();
        printer.DrawBlock(36, 100, row.height);
        EXPECT_EQ(DrawnSince(g, mark), row.drawn);
        EXPECT_EQ(printer.Eof(), row.eof);
    }
}

TEST(StyledTextPrinter, EachBlockUsesTheCurrentDrawingState) {
    RecordingGraphics g;
    g.TextSize(10);
    StyledTextPrinter printer(g, "aaaa bbbb cccc dddd", 60);
    printer.DrawBlock(0, 0, kLine);
    g.TextSize(20);  // 12 per character, 24 per line, ascent 16
    printer.DrawBlock(0, 0, 48);
    EXPECT_EQ(DrawnSince(g), (Texts{R"("aaaa bbbb" 0 8)", R"("cccc" 0 16)", R"("dddd" 0 40)"}));
    EXPECT_TRUE(printer.Eof());
}

// Speed is measured in bench/print_bench; here large texts must print to the end.
TEST(StyledTextPrinter, PrintsLargeTextsToTheEnd) {
    std::string words;
    for (int i = 0; words.size() < 4'000'000; ++i) {
        words += "word" + std::to_string(i % 1000) + ((i % 13 == 0) ? "\r\n" : " ");
    }
    for (const std::string& text : {words, std::string(4'000'000, 'z')}) {
        RecordingGraphics g;
        g.TextSize(10);
        StyledTextPrinter printer(g, text, 492);
        int blocks = 0;
        for (; !printer.Eof(); ++blocks) {
            printer.DrawBlock(36, 36, 672);
        }
        EXPECT_GT(blocks, 100);
    }
}

}  // namespace
}  // namespace fw
