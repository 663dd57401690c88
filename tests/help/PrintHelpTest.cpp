#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/MenuBar1.h"
#include "help/Help.h"
#include "platform/MenuBar.h"
#include "platform/Window.h"
#include "platform/print/Date.h"
#include "platform/print/PrintDialog.h"
#include "platform/print/RecordingGraphics.h"
#include "support/AppFixture.h"

namespace {

namespace fs = std::filesystem;

std::string RunCommand(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[4096];
    std::size_t n = 0;
    while (pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) {
        out.append(buffer, n);
    }
    return out;
}

// The words of `text`, separated by single blanks.
std::string Squeezed(const std::string& text) {
    std::istringstream in(text);
    std::string word;
    std::string out;
    while (in >> word) {
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

std::string Stamp(const fw::Date& date) {
    return date.ShortTime() + ", " + date.ShortDate();
}

std::string NumberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "line " + std::to_string(i) + "\r";
    }
    return text;
}

bool HelpWindowOpen() {
    return fw::GetImplicitWindow(Help::kRuntimeClassName) != nullptr;
}

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
    // No front window handles the item, so the application's handler runs.
    fw::MenuCommand(nullptr, *MenuBar1::Instance()->Lookup("FilePrintHelp"));
}

// Forwards to a recording that outlives the print routine's graphics.
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
    void DrawString(const std::string& text, double x, double y, double wrap,
                    bool condense) override {
        to_->DrawString(text, x, y, wrap, condense);
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

class PrintHelpTest : public app_test::AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        CreateApplication();
        pdf_ = PrefsFile().parent_path() / "help.pdf";
    }

    // Chooses Print Help with the dialog answered by printing into the PDF.
    void PrintToPdf(Source source) {
        fs::remove(pdf_);
        desktop_->printAnswer = [path = pdf_.string()](const fw::PrinterSetup& setup) {
            return fw::OpenPdfGraphics(path, setup);
        };
        const fw::Date before;
        ChoosePrintHelp(source);
        const fw::Date after;
        stamps_ = {Squeezed(Stamp(before)), Squeezed(Stamp(after))};
    }

    // Checks the PDF's pages: each ends with its footer "page N" and the stamp, and
    // each but an only page holds text. Gives the body's words, in order.
    std::string CheckPagesAndGetBody(std::size_t& pageCount) {
        const std::string text = RunCommand("/usr/bin/pdftotext -raw '" + pdf_.string() + "' -");
        std::vector<std::string> pages;
        std::istringstream in(text);
        for (std::string page; std::getline(in, page, '\f');) {
            pages.push_back(page);
        }
        if (!pages.empty() && Squeezed(pages.back()).empty()) {
            pages.pop_back();  // after the form feed that ends the last page
        }
        pageCount = pages.size();
        const std::string info =
            " " + Squeezed(RunCommand("/usr/bin/pdfinfo '" + pdf_.string() + "'")) + " ";
        EXPECT_NE(info.find(" Pages: " + std::to_string(pageCount) + " "), std::string::npos)
            << info;
        std::string body;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const std::string page = Squeezed(pages[p]);
            const std::string label = "page " + std::to_string(p + 1) + " ";
            const bool footerLast =
                page.ends_with(label + stamps_[0]) || page.ends_with(label + stamps_[1]);
            EXPECT_TRUE(footerLast) << "page " << p + 1 << ": " << page;
            const std::size_t bodyEnd = page.rfind(label);
            EXPECT_TRUE(pages.size() == 1 || bodyEnd > 0) << "page " << p + 1 << " holds no text";
            body += (body.empty() || bodyEnd == 0 ? "" : " ") + page.substr(0, bodyEnd);
        }
        return Squeezed(body);
    }

    fs::path pdf_;
    std::vector<std::string> stamps_;
};

// From either menu bar, printed or cancelled, the Help window is closed afterwards.
TEST_F(PrintHelpTest, PrintsTheTextOnNumberedPagesAndClosesTheWindow) {
    const std::string helpText = Help::Instance()->TextArea1()->Text();
    Help::Instance()->Close();
    const std::string longText = NumberedLines(3000);
    const std::string empty;
    using enum Source;
    const struct {
        const char* name;
        Source source;
        const std::string* text;  // nullptr: the help text as it opens
        bool cancel;
        std::size_t minPages;
        std::size_t maxPages;
    } rows[] = {
        {"AppMenuWithoutHelpWindow", AppMenuWithoutHelpWindow, nullptr, false, 1, 1},
        {"AppMenuWithHelpWindow", AppMenuWithHelpWindow, nullptr, false, 1, 1},
        {"HelpWindowMenu", HelpWindowMenu, nullptr, false, 1, 1},
        {"CancelledAppMenuWithoutHelpWindow", AppMenuWithoutHelpWindow, nullptr, true, 0, 0},
        {"CancelledAppMenuWithHelpWindow", AppMenuWithHelpWindow, nullptr, true, 0, 0},
        {"CancelledHelpWindowMenu", HelpWindowMenu, nullptr, true, 0, 0},
        {"LongTextPageTenAndOn", HelpWindowMenu, &longText, false, 10, 1000},
        {"EmptyTextOnlyTheFooter", AppMenuWithHelpWindow, &empty, false, 1, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.text != nullptr) {
            Help::Instance()->TextArea1()->Text(*row.text);
        }
        if (row.cancel) {
            fs::remove(pdf_);
            desktop_->printAnswer = nullptr;
            ChoosePrintHelp(row.source);
            EXPECT_FALSE(fs::exists(pdf_));
        } else {
            PrintToPdf(row.source);
            std::size_t pages = 0;
            EXPECT_EQ(CheckPagesAndGetBody(pages), Squeezed(row.text ? *row.text : helpText));
            EXPECT_GE(pages, row.minPages);
            EXPECT_LE(pages, row.maxPages);
        }
        EXPECT_FALSE(HelpWindowOpen());
    }
    EXPECT_EQ(desktop_->printDialogs, 8);
}

// The recording measures 12 units a line at size 10: 56 lines fill a block.
TEST_F(PrintHelpTest, DrawsBlocksFootersAndPagesInOrder) {
    const struct {
        const char* name;
        int lines;
        int pages;
    } rows[] = {{"Empty", 0, 1},
                {"ExactlyOneBlock", 56, 1},
                {"OneLineOver", 57, 2},
                {"ElevenPages", 56 * 10 + 1, 11}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Help::Instance()->TextArea1()->Text(NumberedLines(row.lines));
        auto recording = std::make_shared<fw::RecordingGraphics>();
        std::vector<bool> landscape;  // what the print dialog was asked for
        desktop_->printAnswer = [recording, &landscape](const fw::PrinterSetup& setup) {
            landscape.push_back(setup.Landscape);
            return std::make_unique<SharedRecording>(recording);
        };
        const fw::Date before;
        ChoosePrintHelp(Source::HelpWindowMenu);
        const fw::Date after;

        // Consecutive body lines (drawn at x 36) count as one block; the stamp is
        // checked apart because the clock may have moved on during the run.
        std::vector<std::string> sequence;
        std::string body;
        std::string stamp;
        for (const std::string& entry : recording->Entries()) {
            const auto tail = entry.rfind("\" ");
            const bool draw = entry.starts_with("DrawString \"");
            const std::string text = draw ? entry.substr(12, tail - 12) : "";
            if (draw && entry.substr(tail + 2).starts_with("36 ")) {
                body += text + "\r";
                if (sequence.empty() || sequence.back() != "block") {
                    sequence.push_back("block");
                }
            } else if (draw && entry.ends_with("\" 100 720 0 false")) {
                stamp = text;
                sequence.push_back("stamp");
            } else {
                sequence.push_back(entry);
            }
        }

        std::vector<std::string> expected = {"TextFont \"Courier\"", "TextSize 10",
                                             "ForeColor 0 0 0", "Bold true"};
        for (int page = 1; page <= row.pages; ++page) {
            if (row.lines > 0) {
                expected.push_back("block");
            }
            expected.insert(
                expected.end(),
                {"TextFont \"Arial\"", "Bold false",
                 "DrawString \"page " + std::to_string(page) + "\" 40 720 0 false", "stamp"});
            if (page < row.pages) {
                expected.insert(expected.end(), {"TextFont \"Courier\"", "Bold true", "NextPage"});
            }
        }
        EXPECT_EQ(landscape, std::vector<bool>{false});
        EXPECT_EQ(sequence, expected);
        EXPECT_TRUE(stamp == Stamp(before) || stamp == Stamp(after)) << stamp;
        EXPECT_EQ(body, NumberedLines(row.lines));
        EXPECT_FALSE(HelpWindowOpen());
    }
}

}  // namespace
