#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MenuBar1.h"
#include "help/Help.h"
#include "help/HelpLayout.h"
#include "help/TestDesktop.h"
#include "platform/LayoutRecord.h"
#include "platform/MenuBar.h"
#include "platform/Window.h"

namespace {

const std::vector<std::string> kHelpLines = {
    "Tessarook was developed to help you communicate with your friends with a degree of privacy.",
    "",
    "Encoding a message:",
    "  a.  Enter or paste your message into the window.",
    "  b.  Click on the \"Encode\" button",
    "  c.  Select and copy encoded information",
    "  d.  Paste into an email or other document",
    "",
    "Decoding a message:",
    "  a.  Paste encoded information into the window",
    "  b.  Click on the \"Decode\" button",
    "  c.  Read the decoded message",
};

std::string Joined(const std::vector<std::string>& lines, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : separator) + lines[i];
    }
    return text;
}

int OpenHelpWindows() {
    int count = 0;
    for (const auto& window : fw::OpenWindows()) {
        count += window->RuntimeClassName() == Help::kRuntimeClassName ? 1 : 0;
    }
    return count;
}

void ChooseFromAppMenu(const char* itemName) {
    fw::MenuCommand(nullptr, *MenuBar1::Instance()->Lookup(itemName));
}

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (auto open = fw::GetImplicitWindow(Help::kRuntimeClassName)) {
            open->Close();
        }
    }
    ScopedTestDesktop desktop_;
};

TEST_F(HelpWindowTest, ShowsTheInstructionsInTheRecordAsCrSeparatedLines) {
    std::string stored;
    for (const auto& entry :
         fw::ReadRecord(fw::RecordKind::TextArea, help_layout::TextArea1Record())) {
        if (entry.name == "Text") {
            stored = std::get<std::string>(entry.value);
        }
    }
    EXPECT_EQ(stored, Joined(kHelpLines, "\r"));

    ChooseFromAppMenu("HelpShow");
    const auto help = Help::Instance();
    EXPECT_EQ(help->TextArea1()->Text(), Joined(kHelpLines, "\n"));
    // The selection button lies wholly right of the content area.
    EXPECT_GE(help->PushButton1()->Left(), help->Width());
}

TEST_F(HelpWindowTest, ShowingAgainKeepsOneWindowAndAfterClosingBuildsAFreshOne) {
    ChooseFromAppMenu("HelpShow");
    const auto first = Help::Instance();
    first->TextArea1()->Text("changed while open");
    ChooseFromAppMenu("HelpShow");
    ChooseFromAppMenu("HelpShow");
    EXPECT_EQ(OpenHelpWindows(), 1);
    EXPECT_EQ(Help::Instance(), first);

    first->Close();
    EXPECT_EQ(OpenHelpWindows(), 0);
    ChooseFromAppMenu("HelpShow");
    const auto second = Help::Instance();
    EXPECT_NE(second, first);
    EXPECT_EQ(OpenHelpWindows(), 1);
    EXPECT_EQ(second->TextArea1()->Text(), Joined(kHelpLines, "\n"));
    EXPECT_TRUE(second->HasMenuHandler("FilePrintHelp"));
}

TEST_F(HelpWindowTest, EditCommandsLeaveTheTextUnchanged) {
    using Command = fw::TextArea::EditCommand;
    ChooseFromAppMenu("HelpShow");
    const auto help = Help::Instance();
    const auto area = help->TextArea1();
    const std::string before = area->Text();
    area->SelStart(0);
    area->SelLength(20);
    for (const char* item : {"EditCut", "EditPaste", "EditClear", "EditUndo"}) {
        fw::MenuCommand(help, *help->MenuBar()->Lookup(item));
    }
    for (Command command : {Command::Cut, Command::Paste, Command::Clear, Command::Undo}) {
        EXPECT_FALSE(area->CanEdit(command));
        area->Edit(command);
    }
    EXPECT_EQ(area->Text(), before);
    EXPECT_TRUE(area->CanEdit(Command::Copy));
}

struct SelectionRow {
    const char* name;
    const char* text;  // nullptr: the help text
    int start;
    int length;
    const char* message;
};

void PrintTo(const SelectionRow& row, std::ostream* os) {
    *os << row.name;
}

class HelpSelectionTest : public HelpWindowTest,
                          public ::testing::WithParamInterface<SelectionRow> {};

TEST_P(HelpSelectionTest, ButtonReportsTheSelectionInCharacters) {
    const SelectionRow& row = GetParam();
    ChooseFromAppMenu("HelpShow");
    const auto help = Help::Instance();
    if (row.text != nullptr) {
        help->TextArea1()->Text(row.text);
    }
    help->TextArea1()->SelStart(row.start);
    help->TextArea1()->SelLength(row.length);
    help->PushButton1()->Push();
    EXPECT_EQ(desktop_->messages, std::vector<std::string>{row.message});
    EXPECT_EQ(OpenHelpWindows(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Selections, HelpSelectionTest,
    ::testing::Values(SelectionRow{"CaretAtStart", nullptr, 0, 0, "Start: 0 Length: 0"},
                      SelectionRow{"FiveAfterTwelve", nullptr, 12, 5, "Start: 12 Length: 5"},
                      SelectionRow{"AfterTwoLineBreaks", nullptr, 93, 19, "Start: 93 Length: 19"},
                      SelectionRow{"NonAsciiCountsCharacters",
                                   "\xC3\xA4\xC3\xB6\xF0\x9F\x98\x80 x y", 3, 3,
                                   "Start: 3 Length: 3"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
