#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/MenuBar1.h"
#include "help/Help.h"
#include "help/PrintHelp.h"
#include "help/TestDesktop.h"
#include "platform/MenuBar.h"
#include "platform/Window.h"
#include "platform/print/Date.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/RecordingGraphics.h"

namespace {

namespace fs = std::filesystem;

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

std::string Squeezed(const std::string& line) {
    std::istringstream in(line);
    std::string word;
    std::string out;
    while (in >> word) {
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

// The text of each page of the PDF: its non-empty lines, blanks squeezed.
std::vector<std::vector<std::string>> PagesOf(const fs::path& pdf) {
    const std::string text = RunCommand("/usr/bin/pdftotext -raw '" + pdf.string() + "' - 2>/dev/null");
    std::vector<std::vector<std::string>> pages;
    std::istringstream pageStream(text);
    std::string page;
    while (std::getline(pageStream, page, '\f')) {
        std::vector<std::string> lines;
        std::istringstream lineStream(page);
        std::string line;
        while (std::getline(lineStream, line)) {
            if (!Squeezed(line).empty()) {
                lines.push_back(Squeezed(line));
            }
        }
        pages.push_back(lines);
    }
    if (!pages.empty() && pages.back().empty()) {
        pages.pop_back();  // pdftotext ends the last page with a form feed too
    }
    return pages;
}

int PageCount(const fs::path& pdf) {
    const std::string info = RunCommand("/usr/bin/pdfinfo '" + pdf.string() + "' 2>/dev/null");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string Stamp(const fw::Date& date) { return date.ShortTime() + ", " + date.ShortDate(); }

bool HelpWindowOpen() { return fw::GetImplicitWindow(Help::kRuntimeClassName) != nullptr; }

// Where Print Help is chosen.
enum class Source { AppMenuWithoutHelpWindow, AppMenuWithHelpWindow, HelpWindowMenu };

void ChoosePrintHelp(Source source) {
    if (source == Source::HelpWindowMenu) {
        const auto help = Help::Instance();
        fw::MenuCommand(help, *help->MenuBar()->Lookup("FilePrintHelp"));
        return;
    }
    if (source == Source::AppMenuWithHelpWindow) {
        (void)Help::Instance();
    }
    // No window of the front handles the item, so the application's handler runs.
    fw::MenuCommand(nullptr, *MenuBar1::Instance()->Lookup("FilePrintHelp"));
}

// Forwards to a recording that the test keeps after the print routine has let
// go of its graphics.
class SharedRecording final : public fw::Graphics {
public:
    explicit SharedRecording(std::shared_ptr<fw::RecordingGraphics> to) : to_(std::move(to)) {}
    void TextFont(const std::string& name) override { to_->TextFont(name); }
    [[nodiscard]] std::string TextFont() const override { return to_->TextFont(); }
    void TextSize(double points) override { to_->TextSize(points); }
    [[nodiscard]] double TextSize() const override { return to_->TextSize(); }
    void ForeColor(fw::Color color) override { to_->ForeColor(color); }
    [[nodiscard]] fw::Color ForeColor() const override { return to_->ForeColor(); }
    void Bold(bool bold) override { to_->Bold(bold); }
    [[nodiscard]] bool Bold() const override { return to_->Bold(); }
    void DrawString(const std::string& text, double x, double y, double wrapWidth,
                    bool condense) override {
        to_->DrawString(text, x, y, wrapWidth, condense);
    }
    void NextPage() override { to_->NextPage(); }
    [[nodiscard]] double StringWidth(std::string_view text) const override {
        return to_->StringWidth(text);
    }
    [[nodiscard]] double TextHeight() const override { return to_->TextHeight(); }
    [[nodiscard]] double TextAscent() const override { return to_->TextAscent(); }

private:
    std::shared_ptr<fw::RecordingGraphics> to_;
};

class PrintHelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tessarook-help-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        for (char& c : dir_path_chars()) {
            c = c == '/' && false ? '_' : c;
        }
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        pdf_ = dir_ / "help.pdf";
    }
    void TearDown() override {
        if (auto open = fw::GetImplicitWindow(Help::kRuntimeClassName)) {
            open->Close();
        }
        fs::remove_all(dir_);
    }
    std::string dir_path_chars() { return {}; }

    void AnswerWithPdf() {
        desktop_->printAnswer = [path = pdf_.string()](const fw::PrinterSetup& setup) {
            return fw::OpenPdfGraphics(path, setup);
        };
    }
    std::shared_ptr<fw::RecordingGraphics> AnswerWithRecording() {
        auto recording = std::make_shared<fw::RecordingGraphics>();
        desktop_->printAnswer = [recording](const fw::PrinterSetup&) {
            return std::make_unique<SharedRecording>(recording);
        };
        return recording;
    }

    ScopedTestDesktop desktop_;
    fs::path dir_;
    fs::path pdf_;
};

class PrintHelpFromTest : public PrintHelpTest, public ::testing::WithParamInterface<Source> {};

TEST_P(PrintHelpFromTest, HelpTextPrintsOnOnePageWithFooterAndClosesTheWindow) {
    AnswerWithPdf();
    const fw::Date before;
    ChoosePrintHelp(GetParam());
    const fw::Date after;

    EXPECT_FALSE(HelpWindowOpen());
    EXPECT_EQ(desktop_->printDialogs, 1);
    EXPECT_FALSE(desktop_->lastSetup.Landscape);
    EXPECT_EQ(PageCount(pdf_), 1);
    const auto pages = PagesOf(pdf_);
    ASSERT_EQ(pages.size(), 1U);
    ASSERT_GE(pages[0].size(), 2U);
    const std::string footer = pages[0].back();
    EXPECT_TRUE(footer == "page 1 " + Squeezed(Stamp(before)) ||
                footer == "page 1 " + Squeezed(Stamp(after)))
        << footer;

    // Wrapping may move words between lines; every word comes once, in order.
    std::string body;
    for (std::size_t i = 0; i + 1 < pages[0].size(); ++i) {
        body += pages[0][i] + " ";
    }
    EXPECT_EQ(Squeezed(body),
              Squeezed("Tessarook was developed to help you communicate with your friends with a "
                       "degree of privacy. Encoding a message: a. Enter or paste your message into "
                       "the window. b. Click on the \"Encode\" button c. Select and copy encoded "
                       "information d. Paste into an email or other document Decoding a message: "
                       "a. Paste encoded information into the window b. Click on the \"Decode\" "
                       "button c. Read the decoded message"));
}

TEST_P(PrintHelpFromTest, CancelledDialogPrintsNothingAndClosesTheWindow) {
    ChoosePrintHelp(GetParam());
    EXPECT_EQ(desktop_->printDialogs, 1);
    EXPECT_FALSE(HelpWindowOpen());
    EXPECT_FALSE(fs::exists(pdf_));
}

INSTANTIATE_TEST_SUITE_P(Menus, PrintHelpFromTest,
                         ::testing::Values(Source::AppMenuWithoutHelpWindow,
                                           Source::AppMenuWithHelpWindow, Source::HelpWindowMenu),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Source::AppMenuWithoutHelpWindow:
                                     return "AppMenuWithoutHelpWindow";
                                 case Source::AppMenuWithHelpWindow:
                                     return "AppMenuWithHelpWindow";
                                 case Source::HelpWindowMenu:
                                     break;
                             }
                             return "HelpWindowMenu";
                         });

TEST_F(PrintHelpTest, LongTextGivesNumberedPagesWithEveryLineOnceInOrder) {
    constexpr int kLines = 3000;
    std::string text;
    for (int i = 1; i <= kLines; ++i) {
        text += "line " + std::to_string(i) + "\r";
    }
    Help::Instance()->TextArea1()->Text(text);
    AnswerWithPdf();
    const fw::Date before;
    ChoosePrintHelp(Source::HelpWindowMenu);
    const fw::Date after;
    EXPECT_FALSE(HelpWindowOpen());

    const auto pages = PagesOf(pdf_);
    ASSERT_GE(pages.size(), 10U);
    EXPECT_EQ(PageCount(pdf_), static_cast<int>(pages.size()));
    int expected = 1;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const auto& lines = pages[p];
        ASSERT_GE(lines.size(), 2U) << "page " << p + 1 << " holds no text";
        const std::string label = "page " + std::to_string(p + 1) + " ";
        EXPECT_TRUE(lines.back() == label + Squeezed(Stamp(before)) ||
                    lines.back() == label + Squeezed(Stamp(after)))
            << lines.back();
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            ASSERT_EQ(lines[i], "line " + std::to_string(expected)) << "page " << p + 1;
            ++expected;
        }
    }
    EXPECT_EQ(expected, kLines + 1);
}

TEST_F(PrintHelpTest, EmptyTextGivesOnePageWithOnlyTheFooter) {
    Help::Instance()->TextArea1()->Text("");
    AnswerWithPdf();
    ChoosePrintHelp(Source::AppMenuWithHelpWindow);
    EXPECT_FALSE(HelpWindowOpen());
    EXPECT_EQ(PageCount(pdf_), 1);
    const auto pages = PagesOf(pdf_);
    ASSERT_EQ(pages.size(), 1U);
    ASSERT_EQ(pages[0].size(), 1U);
    EXPECT_EQ(pages[0][0].rfind("page 1 ", 0), 0U) << pages[0][0];
}

TEST_F(PrintHelpTest, ReportsHandledWhetherPrintedOrCancelled) {
    EXPECT_TRUE(PrintHelp());
    (void)AnswerWithRecording();
    EXPECT_TRUE(PrintHelp());
    EXPECT_FALSE(HelpWindowOpen());
}

// The recording measures 12 units a line at size 10: 56 lines fill a block.
struct SequenceRow {
    const char* name;
    int lines;
    int pages;
};

class PrintHelpSequenceTest : public PrintHelpTest,
                              public ::testing::WithParamInterface<SequenceRow> {};

TEST_P(PrintHelpSequenceTest, DrawsBlocksFootersAndPagesInOrder) {
    const SequenceRow& row = GetParam();
    std::string text;
    for (int i = 1; i <= row.lines; ++i) {
        text += "line " + std::to_string(i) + "\r";
    }
    Help::Instance()->TextArea1()->Text(text);
    const auto recording = AnswerWithRecording();
    const fw::Date before;
    ChoosePrintHelp(Source::HelpWindowMenu);
    const fw::Date after;

    // Consecutive body lines (drawn at x 36) count as one block; the stamp is
    // checked apart because the clock may have moved on during the run.
    std::vector<std::string> sequence;
    std::vector<std::string> body;
    std::string stamp;
    for (const std::string& entry : recording->Entries()) {
        const auto tail = entry.rfind("\" ");
        if (entry.starts_with("DrawString \"") && entry.substr(tail + 2).starts_with("36 ")) {
            body.push_back(entry.substr(12, tail - 12));
            if (sequence.empty() || sequence.back() != "block") {
                sequence.push_back("block");
            }
        } else if (entry.starts_with("DrawString \"") && entry.ends_with("\" 100 720 0 false")) {
            stamp = entry.substr(12, tail - 12);
            sequence.push_back("stamp");
        } else {
            sequence.push_back(entry);
        }
    }

    std::vector<std::string> expected = {"TextFont \"Courier\"", "TextSize 10", "ForeColor 0 0 0",
                                         "Bold true"};
    for (int page = 1; page <= row.pages; ++page) {
        if (row.lines > 0) {
            expected.push_back("block");
        }
        expected.insert(expected.end(), {"TextFont \"Arial\"", "Bold false",
                                         "DrawString \"page " + std::to_string(page) +
                                             "\" 40 720 0 false",
                                         "stamp"});
        if (page < row.pages) {
            expected.insert(expected.end(), {"TextFont \"Courier\"", "Bold true", "NextPage"});
        }
    }
    EXPECT_EQ(sequence, expected);
    EXPECT_TRUE(stamp == Stamp(before) || stamp == Stamp(after)) << stamp;
    ASSERT_EQ(body.size(), static_cast<std::size_t>(row.lines));
    for (int i = 0; i < row.lines; ++i) {
        EXPECT_EQ(body[i], "line " + std::to_string(i + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, PrintHelpSequenceTest,
                         ::testing::Values(SequenceRow{"Empty", 0, 1},
                                           SequenceRow{"OneLine", 1, 1},
                                           SequenceRow{"ExactlyOneBlock", 56, 1},
                                           SequenceRow{"OneLineOver", 57, 2},
                                           SequenceRow{"ExactlyTwoBlocks", 112, 2},
                                           SequenceRow{"ElevenPages", 56 * 10 + 1, 11}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
