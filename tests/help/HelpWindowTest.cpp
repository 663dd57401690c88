#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MenuBar1.h"
#include "help/Help.h"
#include "platform/MenuBar.h"
#include "platform/Window.h"
#include "support/AppFixture.h"

namespace {

using app_test::OpenCount;

void ChooseFromAppMenu(const char* itemName) {
    fw::MenuCommand(nullptr, *MenuBar1::Instance()->Lookup(itemName));
}

class HelpWindowTest : public app_test::AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        CreateApplication();
    }
};

TEST_F(HelpWindowTest, ShowingAgainKeepsOneWindowAndAfterClosingBuildsAFreshOne) {
    ChooseFromAppMenu("HelpShow");
    const auto first = Help::Instance();
    const std::string text = first->TextArea1()->Text();
    // The stored lines show as lines.
    EXPECT_NE(text.find("privacy.\n\nEncoding a message:\n  a.  Enter"), std::string::npos);
    EXPECT_EQ(text.find('\r'), std::string::npos);

    first->TextArea1()->Text("changed while open");
    ChooseFromAppMenu("HelpShow");
    ChooseFromAppMenu("HelpShow");
    EXPECT_EQ(OpenCount(Help::kRuntimeClassName), 1);
    EXPECT_EQ(Help::Instance(), first);
    EXPECT_EQ(first->TextArea1()->Text(), "changed while open");

    first->Close();
    EXPECT_EQ(OpenCount(Help::kRuntimeClassName), 0);
    ChooseFromAppMenu("HelpShow");
    EXPECT_NE(Help::Instance(), first);
    EXPECT_EQ(OpenCount(Help::kRuntimeClassName), 1);
    EXPECT_EQ(Help::Instance()->TextArea1()->Text(), text);
}

TEST_F(HelpWindowTest, EditCommandsLeaveTheTextUnchanged) {
    ChooseFromAppMenu("HelpShow");
    const auto help = Help::Instance();
    const auto area = help->TextArea1();
    const std::string before = area->Text();
    area->SelStart(0);
    area->SelLength(20);
    for (const char* item : {"EditCut", "EditPaste", "EditClear", "EditUndo"}) {
        fw::MenuCommand(help, *help->MenuBar()->Lookup(item));
    }
    using Command = fw::TextArea::EditCommand;
    for (Command command : {Command::Cut, Command::Paste, Command::Clear, Command::Undo}) {
        EXPECT_FALSE(area->CanEdit(command));
        area->Edit(command);
    }
    EXPECT_EQ(area->Text(), before);
    EXPECT_TRUE(area->CanEdit(Command::Copy));
}

TEST_F(HelpWindowTest, ButtonReportsTheSelectionInCharacters) {
    const struct {
        const char* name;
        const char* text;  // nullptr: the help text
        int start;
        int length;
        const char* message;
    } rows[] = {
        {"CaretAtStart", nullptr, 0, 0, "box: Start: 0 Length: 0"},
        {"AfterTwoLineBreaks", nullptr, 93, 19, "box: Start: 93 Length: 19"},
        {"NonAsciiCountsCharacters", "\xC3\xA4\xC3\xB6\xF0\x9F\x98\x80 x y", 3, 3,
         "box: Start: 3 Length: 3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        desktop_->log.clear();
        ChooseFromAppMenu("HelpShow");
        const auto area = Help::Instance()->TextArea1();
        if (row.text != nullptr) {
            area->Text(row.text);
        }
        area->SelStart(row.start);
        area->SelLength(row.length);
        Help::Instance()->PushButton1()->Push();
        EXPECT_EQ(desktop_->log, std::vector<std::string>{row.message});
        EXPECT_EQ(OpenCount(Help::kRuntimeClassName), 1);
    }
}

}  // namespace
