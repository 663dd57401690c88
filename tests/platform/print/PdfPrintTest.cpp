#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/print/Graphics.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/StyledTextPrinter.h"

namespace fw {
namespace {

std::string RunCommand(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        return out;
    }
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) {
        out.append(buffer, n);
    }
    return out;
}

// The text of each page of the PDF, lines with surrounding blanks trimmed and
// empty lines left out.
std::vector<std::vector<std::string>> PagesOf(const std::string& pdf) {
    const std::string text = RunCommand("/usr/bin/pdftotext -raw '" + pdf + "' - 2>/dev/null");
    std::vector<std::vector<std::string>> pages;
    std::istringstream pageStream(text);
    std::string page;
    while (std::getline(pageStream, page, '\f')) {
        std::vector<std::string> lines;
        std::istringstream lineStream(page);
        std::string line;
        while (std::getline(lineStream, line)) {
            const auto first = line.find_first_not_of(" \t");
            if (first != std::string::npos) {
                lines.push_back(line.substr(first, line.find_last_not_of(" \t") - first + 1));
            }
        }
        pages.push_back(lines);
    }
    // pdftotext ends every page, the last one too, with a form feed.
    if (!pages.empty() && pages.back().empty()) {
        pages.pop_back();
    }
    return pages;
}

int PageCount(const std::string& pdf) {
    const std::string info = RunCommand("/usr/bin/pdfinfo '" + pdf + "' 2>/dev/null");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

// Prints `text` into a PDF the way the application lays out its pages: the body in
// Courier 10 bold blocks of 492 by 672 at (36, 36), a page label at the bottom.
std::string PrintToPdf(const QTemporaryDir& dir, const std::string& text) {
    const std::string path = dir.filePath("out.pdf").toStdString();
    auto g = OpenPdfGraphics(path, PrinterSetup{});
    if (!g) {
        ADD_FAILURE() << "cannot open " << path;
        return path;
    }
    g->TextFont("Courier");
    g->TextSize(10);
    g->Bold(true);
    StyledTextPrinter printer(*g, text, 492);
    int page = 1;
    for (;;) {
        printer.DrawBlock(36, 36, 672);
        g->TextFont("Arial");
        g->Bold(false);
        g->DrawString("page " + std::to_string(page), 40, 720);
        if (printer.Eof()) {
            break;
        }
        g->TextFont("Courier");
        g->Bold(true);
        ++page;
        g->NextPage();
    }
    return path;
}

TEST(PdfPrint, ShortTextFillsOnePage) {
    QTemporaryDir dir;
    const std::string pdf = PrintToPdf(dir, "First line\r\rThird line, after an empty one");
    EXPECT_EQ(PageCount(pdf), 1);
    const auto pages = PagesOf(pdf);
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_EQ(pages[0],
              (std::vector<std::string>{"First line", "Third line, after an empty one", "page 1"}));
}

TEST(PdfPrint, EmptyTextGivesOnePageWithItsLabel) {
    QTemporaryDir dir;
    const std::string pdf = PrintToPdf(dir, "");
    EXPECT_EQ(PageCount(pdf), 1);
    const auto pages = PagesOf(pdf);
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_EQ(pages[0], std::vector<std::string>{"page 1"});
}

TEST(PdfPrint, LongTextPrintsEveryLineOnceInOrderOnFullPages) {
    constexpr int kLines = 3000;
    std::string text;
    for (int i = 1; i <= kLines; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    QTemporaryDir dir;
    const std::string pdf = PrintToPdf(dir, text);
    const auto pages = PagesOf(pdf);
    ASSERT_GT(pages.size(), 10U);
    EXPECT_EQ(PageCount(pdf), static_cast<int>(pages.size()));

    int expected = 1;
    std::size_t fullPage = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto& lines = pages[p];
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "page " + std::to_string(p + 1));
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            ASSERT_EQ(lines[i], "line " + std::to_string(expected)) << "page " << p + 1;
            ++expected;
        }
        if (p == 0) {
            fullPage = lines.size();
        } else if (p + 1 < pages.size()) {
            EXPECT_EQ(lines.size(), fullPage) << "page " << p + 1 << " is not full";
        }
    }
    EXPECT_EQ(expected, kLines + 1);
    EXPECT_GT(pages.back().size(), 1U) << "the last page holds no text";
}

TEST(PdfPrint, WrappedParagraphKeepsEveryWordInOrder) {
    std::string text;
    std::vector<std::string> words;
    for (int i = 0; i < 400; ++i) {
        words.push_back("w" + std::to_string(i));
        text += words.back() + (i % 7 == 0 ? "   " : " ");
    }
    QTemporaryDir dir;
    const auto pages = PagesOf(PrintToPdf(dir, text));
    ASSERT_EQ(pages.size(), 1U);
    std::vector<std::string> printed;
    for (std::size_t i = 0; i + 1 < pages[0].size(); ++i) {
        std::istringstream in(pages[0][i]);
        std::string word;
        while (in >> word) {
            printed.push_back(word);
        }
    }
    EXPECT_EQ(printed, words);
    EXPECT_GT(pages[0].size(), 20U);  // wrapped onto many lines, none cut off
}

struct Box {
    double x = -1;
    double y = -1;
};

// Where pdftotext finds `word` on the first page, in points from the paper's top left.
Box FindWord(const std::string& pdf, const std::string& word) {
    const std::string xml = RunCommand("/usr/bin/pdftotext -bbox '" + pdf + "' - 2>/dev/null");
    const auto end = xml.find(">" + word + "</word>");
    const auto start = xml.rfind("<word", end);
    if (end == std::string::npos || start == std::string::npos) {
        return {};
    }
    const std::string tag = xml.substr(start, end - start);
    auto attribute = [&](const std::string& name) {
        const auto at = tag.find(name + "=\"");
        return at == std::string::npos ? -1.0 : std::stod(tag.substr(at + name.size() + 2));
    };
    return {attribute("xMin"), attribute("yMin")};
}

struct PlacementCase {
    const char* name;
    bool landscape;
    double paperHeight;
};

class PdfPlacement : public ::testing::TestWithParam<PlacementCase> {};

// The page of 540 by 720 units lies on the paper at one uniform scale: 1/72 inch
// where the printable area is large enough (A4 portrait), shrunk to fit where not.
TEST_P(PdfPlacement, PageUnitsMapUniformlyOntoThePaper) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("place.pdf").toStdString();
    {
        auto g = OpenPdfGraphics(path, PrinterSetup{GetParam().landscape});
        ASSERT_NE(g, nullptr);
        g->TextFont("Courier");
        g->TextSize(10);
        g->DrawString("P1", 0, 20);
        g->DrawString("P2", 540, 720);
    }
    const Box top = FindWord(path, "P1");
    const Box bottom = FindWord(path, "P2");
    ASSERT_GE(top.x, 0);
    ASSERT_GE(bottom.x, 0);
    const double scale = (bottom.y - top.y) / 700;
    EXPECT_NEAR((bottom.x - top.x) / 540, scale, 0.002);
    EXPECT_LE(scale, 1.0 + 0.002);
    EXPECT_LT(bottom.y, GetParam().paperHeight);
    if (!GetParam().landscape) {
        EXPECT_NEAR(scale, 1.0, 0.002);
    } else {
        EXPECT_LT(scale, 0.9);
    }
}

INSTANTIATE_TEST_SUITE_P(Orientations, PdfPlacement,
                         ::testing::Values(PlacementCase{"Portrait", false, 842},
                                           PlacementCase{"Landscape", true, 595}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PdfPrint, UnwritableFileGivesNoGraphics) {
    EXPECT_EQ(OpenPdfGraphics("/nonexistent-folder/out.pdf", PrinterSetup{}), nullptr);
}

TEST(PrintDialog, CancelGivesNoGraphics) {
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    EXPECT_EQ(RunSystemPrintDialog(PrinterSetup{}), nullptr);
}

}  // namespace
}  // namespace fw
