#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <iterator>
#include <regex>
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
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            out.append(buffer, n);
        }
        pclose(pipe);
    }
    return out;
}

using Pages = std::vector<std::vector<std::string>>;

// Prints `text` into a PDF the way the application lays out its pages (the body in
// Courier 10 bold blocks of 492 by 672 at (36, 36), a page label at the bottom) and
// reads back each page's lines, trimmed, without empty lines.
Pages PrintAndRead(const std::string& text) {
    const QTemporaryDir dir;
    const std::string path = dir.filePath("out.pdf").toStdString();
    if (auto g = OpenPdfGraphics(path, PrinterSetup{})) {
        g->TextSize(10);
        StyledTextPrinter printer(*g, text, 492);
        for (int page = 1;; ++page) {
            g->TextFont("Courier");
            g->Bold(true);
            printer.DrawBlock(36, 36, 672);
            g->TextFont("Arial");
            g->Bold(false);
            g->DrawString("page " + std::to_string(page), 40, 720);
            if (printer.Eof()) {
                break;
            }
            g->NextPage();
        }
    } else {
        ADD_FAILURE() << "cannot open " << path;
    }
    // pdftotext ends every page, blank ones too, with a form feed.
    std::istringstream pageStream(RunCommand("/usr/bin/pdftotext -raw '" + path + "' -"));
    Pages pages;
    for (std::string page; std::getline(pageStream, page, '\f');) {
        std::istringstream lineStream(page);
        pages.emplace_back();
        for (std::string line; std::getline(lineStream, line);) {
            const auto first = line.find_first_not_of(" \t");
            if (first != std::string::npos) {
                pages.back().push_back(
                    line.substr(first, line.find_last_not_of(" \t") - first + 1));
            }
        }
    }
    return pages;
}

TEST(PdfPrint, ShortOrEmptyTextFillsOnePage) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    } rows[] = {
        {"short",
         "First line\r\rThird line, after an empty one",
         {"First line", "Third line, after an empty one", "page 1"}},
        {"empty", "", {"page 1"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(PrintAndRead(row.text), Pages{row.lines});
    }
}

TEST(PdfPrint, LongTextPrintsEveryLineOnceInOrderOnFullPages) {
    constexpr int kLines = 3000;
    std::string text;
    for (int i = 1; i <= kLines; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    const Pages pages = PrintAndRead(text);
    ASSERT_GT(pages.size(), 10U);
    int expected = 1;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const auto& lines = pages[p];
        ASSERT_GT(lines.size(), 1U) << "no text on the page";
        EXPECT_EQ(lines.back(), "page " + std::to_string(p + 1));
        if (p + 1 < pages.size()) {
            EXPECT_EQ(lines.size(), pages[0].size()) << "the page is not full";
        }
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            ASSERT_EQ(lines[i], "line " + std::to_string(expected++));
        }
    }
    EXPECT_EQ(expected, kLines + 1);
}

// Wrapped with the PDF's own font measures, a paragraph fills many lines and keeps
// every word in order.
TEST(PdfPrint, WrappedParagraphKeepsEveryWordInOrder) {
    std::string text;
    for (int i = 0; i < 400; ++i) {
        text += "w" + std::to_string(i) + (i % 7 == 0 ? "   " : " ");
    }
    const Pages pages = PrintAndRead(text);
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_GT(pages[0].size(), 20U);
    std::string printed;
    for (std::size_t i = 0; i + 1 < pages[0].size(); ++i) {
        printed += pages[0][i] + " ";
    }
    std::istringstream wanted(text);
    std::istringstream got(printed);
    using Words = std::vector<std::string>;
    EXPECT_EQ(Words(std::istream_iterator<std::string>(got), {}),
              Words(std::istream_iterator<std::string>(wanted), {}));
}

struct Box {
    double x = -1;
    double y = -1;
};

// Where pdftotext finds `word` on the first page, in points from the paper's top left.
Box FindWord(const std::string& pdf, const std::string& word) {
    const std::string xml = RunCommand("/usr/bin/pdftotext -bbox '" + pdf + "' - 2>/dev/null");
    const std::regex tag("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
    std::smatch match;
    if (!std::regex_search(xml, match, tag)) {
        return {};
    }
    return {std::stod(match[1]), std::stod(match[2])};
}

// The page of 540 by 720 units lies on the paper at one uniform scale: 1/72 inch
// where the printable area is large enough (A4 portrait), shrunk to fit where not.
TEST(PdfPrint, PageUnitsMapUniformlyOntoThePaper) {
    const struct {
        const char* name;
        bool landscape;
        double paperHeight;
    } rows[] = {{"portrait", false, 842}, {"landscape", true, 595}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QTemporaryDir dir;
        const std::string path = dir.filePath("place.pdf").toStdString();
        if (auto g = OpenPdfGraphics(path, PrinterSetup{row.landscape})) {
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
        EXPECT_LT(bottom.y, row.paperHeight);
        if (row.landscape) {
            EXPECT_LT(scale, 0.9);
        } else {
            EXPECT_NEAR(scale, 1.0, 0.002);
        }
    }
}

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
