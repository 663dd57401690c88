#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/AppTestSupport.h"
#include "app/MenuBar1.h"
#include "app/MenuBar2.h"
#include "main_window/Window1.h"
#include "platform/MenuBar.h"
#include "platform/Runtime.h"

namespace {

using app_test::AppFixture;
using app_test::ProcessEvents;

struct Entry {
    std::string parent;  // "" for a menu on the bar
    std::string name;
    std::string className;
    std::string text;
    std::optional<std::string> shortcut;  // nullopt: never set (separators)
    bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Entry& e) {
    return os << "{" << e.parent << ", " << e.name << ", " << e.className << ", \"" << e.text
              << "\", " << (e.shortcut ? "\"" + *e.shortcut + "\"" : std::string("unset")) << "}";
}

// The bar's entries in the order they are shown: each menu, then its items.
std::vector<Entry> Flatten(const fw::MenuItem& bar) {
    std::vector<Entry> entries;
    for (int i = 0; i < bar.Count(); ++i) {
        const auto menu = bar.Item(i);
        entries.push_back({"", menu->Name(), std::string(menu->ClassName()), menu->Text(),
                           menu->KeyboardShortcut()});
        for (int j = 0; j < menu->Count(); ++j) {
            const auto item = menu->Item(j);
            EXPECT_EQ(item->Count(), 0) << item->Name();
            entries.push_back({menu->Name(), item->Name(), std::string(item->ClassName()),
                               item->Text(), item->KeyboardShortcut()});
        }
    }
    return entries;
}

std::vector<const fw::MenuItem*> AllEntries(const fw::MenuItem& bar) {
    std::vector<const fw::MenuItem*> all;
    for (int i = 0; i < bar.Count(); ++i) {
        all.push_back(bar.Item(i).get());
        for (int j = 0; j < bar.Item(i)->Count(); ++j) {
            all.push_back(bar.Item(i)->Item(j).get());
        }
    }
    return all;
}

const std::optional<std::string> kUnset;

TEST(MenuBarTest, MenuBar1EntriesInOrder) {
    // "About" and U+2026 in UTF-8 (E2 80 A6): eight bytes.
    const std::string aboutEllipsis = "About\xE2\x80\xA6";
    const std::vector<Entry> expected = {
        {"", "FileMenu", "MenuItem", "&File", ""},
        {"FileMenu", "FilePrintHelp", "MenuItem", "Print Help...", "Cmd+P"},
        {"FileMenu", "UntitledSeparator", "MenuItem", "-", kUnset},
        {"FileMenu", "FileQuit", "QuitMenuItem", "&Quit", "Cmd+Q"},
        {"", "EditMenu", "MenuItem", "&Edit", ""},
        {"EditMenu", "EditUndo", "MenuItem", "&Undo", "Cmd+Z"},
        {"EditMenu", "UntitledMenu1", "MenuItem", "-", kUnset},
        {"EditMenu", "EditCut", "MenuItem", "Cu&t", "Cmd+X"},
        {"EditMenu", "EditCopy", "MenuItem", "&Copy", "Cmd+C"},
        {"EditMenu", "EditPaste", "MenuItem", "&Paste", "Cmd+V"},
        {"EditMenu", "EditClear", "MenuItem", "&Delete", ""},
        {"EditMenu", "UntitledMenu0", "MenuItem", "-", kUnset},
        {"EditMenu", "EditSelectAll", "MenuItem", "Select &All", "Cmd+A"},
        {"", "CheckforUpdateMenu", "AppleMenuItem", "Check for Update", ""},
        {"CheckforUpdateMenu", "CheckforUpdateCheckNow", "MenuItem", "Check Now", ""},
        {"CheckforUpdateMenu", "CheckforUpdateAbout", "AppleMenuItem", aboutEllipsis, ""},
        {"", "HelpMenu", "MenuItem", "Help ", ""},
        {"HelpMenu", "HelpShow", "MenuItem", "Show", ""},
        {"HelpMenu", "HelpAbout", "AppleMenuItem", "About...", ""},
    };
    const auto bar = MenuBar1::Instance();
    EXPECT_EQ(bar->Lookup("CheckforUpdateAbout")->Text().size(), 8u);
    EXPECT_EQ(Flatten(*bar), expected);
}

TEST(MenuBarTest, MenuBar2EntriesInOrder) {
    const std::vector<Entry> expected = {
        {"", "FileMenu", "MenuItem", "&File", ""},
        {"FileMenu", "FilePrintHelp", "MenuItem", "Print Help", "Cmd+P"},
        {"FileMenu", "FileQuit", "QuitMenuItem", "&Quit", "Cmd+Q"},
        {"", "EditMenu", "MenuItem", "&Edit", ""},
        {"EditMenu", "EditUndo", "MenuItem", "&Undo", "Cmd+Z"},
        {"EditMenu", "EditSeparator1", "MenuItem", "-", kUnset},
        {"EditMenu", "EditCut", "MenuItem", "Cu&t", "Cmd+X"},
        {"EditMenu", "EditCopy", "MenuItem", "&Copy", "Cmd+C"},
        {"EditMenu", "EditPaste", "MenuItem", "&Paste", "Cmd+V"},
        {"EditMenu", "EditClear", "MenuItem", "&Delete", ""},
        {"EditMenu", "EditSeparator2", "MenuItem", "-", kUnset},
        {"EditMenu", "EditSelectAll", "MenuItem", "Select &All", "Cmd+A"},
    };
    EXPECT_EQ(Flatten(*MenuBar2::Instance()), expected);
}

TEST(MenuBarTest, EveryEntryOfBothBarsEnablesItself) {
    const std::vector<std::shared_ptr<fw::MenuBar>> bars = {MenuBar1::Instance(),
                                                            MenuBar2::Instance()};
    for (const auto& bar : bars) {
        for (const fw::MenuItem* entry : AllEntries(*bar)) {
            EXPECT_TRUE(entry->AutoEnable()) << entry->Name();
        }
    }
}

TEST(MenuBarTest, EachBarIsBuiltOnceAndAfresh) {
    const auto first1 = MenuBar1::Instance();
    const auto first2 = MenuBar2::Instance();
    EXPECT_EQ(MenuBar1::Instance(), first1);
    EXPECT_EQ(MenuBar2::Instance(), first2);
    EXPECT_EQ(first1->Count(), 4);  // built once: a second build would add its menus again
    EXPECT_EQ(first2->Count(), 2);

    // Released at the end of a run; a later use builds a complete new bar.
    MenuBar1::Release();
    MenuBar2::Release();
    const auto second1 = MenuBar1::Instance();
    EXPECT_NE(second1, first1);
    EXPECT_EQ(second1->Count(), 4);
    EXPECT_EQ(MenuBar2::Instance()->Count(), 2);
    EXPECT_EQ(first1->Count(), 4);  // the released bar is left as it was
}

class MenuCommandTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        StartApplication();
        window_ = Window1::Instance();
    }
    void TearDown() override {
        window_.reset();
        AppFixture::TearDown();
    }

    void Choose(const std::string& name) {
        fw::MenuCommand(window_, *window_->MenuBar()->Lookup(name));
    }

    std::shared_ptr<Window1> window_;
};

TEST_F(MenuCommandTest, ApplicationAndMainWindowShareMenuBar1) {
    EXPECT_EQ(App::Instance()->MenuBar(), MenuBar1::Instance());
    EXPECT_EQ(window_->MenuBar(), MenuBar1::Instance());
    EXPECT_EQ(MenuBar1::Instance()->Count(), 4);
}

// The application's handlers, in the order they were bound, with their results.
TEST_F(MenuCommandTest, ApplicationHandlersOpenTheirWindowOnceAndReturnFixedResults) {
    struct Row {
        const char* item;
        const char* window;  // opened by the handler, or nullptr
        bool result;
    };
    const Row rows[] = {
        {"CheckforUpdateCheckNow", "selfTest.selfTest", false},
        {"HelpShow", "Help.Help", false},
        {"FilePrintHelp", nullptr, true},
        {"CheckforUpdateAbout", "AboutBox.AboutBox", true},
    };
    const auto app = App::Instance();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item);
        ASSERT_TRUE(app->HasMenuHandler(row.item));
        EXPECT_EQ(app->RunMenuHandler(row.item), row.result);
        EXPECT_EQ(app->RunMenuHandler(row.item), row.result);  // again, with its window open
        if (row.window != nullptr) {
            EXPECT_EQ(OpenCount(row.window), 1);
        }
    }
    EXPECT_EQ(OpenCount("Window1.Window1"), 1);
    EXPECT_FALSE(fw::Quitting());
}

TEST_F(MenuCommandTest, ItemsWithoutHandlerDoNothing) {
    const auto before = fw::OpenWindows().size();
    for (const char* name : {"HelpAbout", "FileMenu", "UntitledSeparator", "HelpMenu"}) {
        Choose(name);
    }
    EXPECT_FALSE(App::Instance()->HasMenuHandler("HelpAbout"));
    EXPECT_EQ(fw::OpenWindows().size(), before);
    EXPECT_FALSE(fw::Quitting());
    EXPECT_TRUE(desktop_->boxes.empty());
}

// A window's handler runs before the application's; only True stops the search.
TEST_F(MenuCommandTest, WindowHandlerRunsFirstAndOnlyTrueStopsTheSearch) {
    for (const bool windowResult : {false, true}) {
        SCOPED_TRACE(windowResult ? "window handler returns True" : "window handler returns False");
        int windowCalls = 0;
        window_->AddMenuHandler("CheckforUpdateAbout",
                                fw::MenuDelegate{"(  ) as Boolean", nullptr, [&] {
                                                     ++windowCalls;
                                                     EXPECT_EQ(OpenCount("AboutBox.AboutBox"), 0);
                                                     return windowResult;
                                                 }});
        Choose("CheckforUpdateAbout");
        EXPECT_EQ(windowCalls, 1);
        EXPECT_EQ(OpenCount("AboutBox.AboutBox"), windowResult ? 0 : 1);
        for (const auto& open : fw::OpenWindows()) {
            if (open->RuntimeClassName() == "AboutBox.AboutBox") {
                open->Close();
            }
        }
    }
}

TEST_F(MenuCommandTest, ChoosingThroughTheWindowsMenuBarReachesTheApplication) {
    Choose("HelpShow");
    Choose("CheckforUpdateCheckNow");
    Choose("CheckforUpdateAbout");
    EXPECT_EQ(OpenCount("Help.Help"), 1);
    EXPECT_EQ(OpenCount("selfTest.selfTest"), 1);
    EXPECT_EQ(OpenCount("AboutBox.AboutBox"), 1);
}

// What the user sees and chooses: the window's own Qt menu bar.
TEST_F(MenuCommandTest, WindowShowsTheBarAndItsActionsReachTheApplication) {
    auto* view = window_->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(view, nullptr);
    QStringList titles;
    for (QAction* menu : view->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "Check for Update", "Help "}));

    auto* about = view->findChild<QAction*>("CheckforUpdateAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text().size(), 6);
    EXPECT_EQ(about->text().back(), QChar(0x2026));
    auto* print = view->findChild<QAction*>("FilePrintHelp");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    auto* show = view->findChild<QAction*>("HelpShow");
    ASSERT_NE(show, nullptr);
    show->trigger();
    show->trigger();
    EXPECT_EQ(OpenCount("Help.Help"), 1);
}

TEST_F(MenuCommandTest, QuitClosesEveryWindowAndWritesThePosition) {
    Choose("HelpShow");
    window_->Top(150);
    window_->Left(60);
    Choose("FileQuit");
    EXPECT_TRUE(fw::Quitting());
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_EQ(ReadBytes(PrefsFile()), "#Window1Position 150,60\n");
}

// The Edit items act on the text area that has the keyboard focus, here EF1.
struct EditRow {
    const char* name;
    bool readOnly;
    const char* item;
    bool enabled;
    const char* text;       // EF1's text afterwards
    const char* clipboard;  // the clipboard afterwards
};

void PrintTo(const EditRow& row, std::ostream* os) {
    *os << row.name;
}

class EditCommandTest : public MenuCommandTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(EditCommandTest, ActsOnTheFocusedTextArea) {
    const EditRow& row = GetParam();
    const auto ef1 = window_->EF1();
    ef1->Text("Hello world");
    ef1->SelStart(6);
    ef1->SelLength(5);
    ef1->SetProperty("ReadOnly", row.readOnly);
    app_test::SetClipboardText("clip");
    ProcessEvents();

    const auto item = window_->MenuBar()->Lookup(row.item);
    EXPECT_EQ(fw::MenuItemEnabled(window_, *item), row.enabled);
    Choose(row.item);
    EXPECT_EQ(ef1->Text(), row.text);
    EXPECT_EQ(app_test::ClipboardText(), row.clipboard);
    if (std::string(row.item) == "EditSelectAll") {
        EXPECT_EQ(ef1->SelStart(), 0);
        EXPECT_EQ(ef1->SelLength(), 11);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditCommandTest,
    ::testing::Values(EditRow{"Copy", false, "EditCopy", true, "Hello world", "world"},
                      EditRow{"Cut", false, "EditCut", true, "Hello ", "world"},
                      EditRow{"Paste", false, "EditPaste", true, "Hello clip", "clip"},
                      EditRow{"Delete", false, "EditClear", true, "Hello ", "clip"},
                      EditRow{"SelectAll", false, "EditSelectAll", true, "Hello world", "clip"},
                      EditRow{"ReadOnlyCopy", true, "EditCopy", true, "Hello world", "world"},
                      EditRow{"ReadOnlyCut", true, "EditCut", false, "Hello world", "clip"},
                      EditRow{"ReadOnlyPaste", true, "EditPaste", false, "Hello world", "clip"},
                      EditRow{"ReadOnlyDelete", true, "EditClear", false, "Hello world", "clip"},
                      EditRow{"ReadOnlySelectAll", true, "EditSelectAll", true, "Hello world",
                              "clip"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuCommandTest, UndoTakesBackTheLastEditUnlessReadOnly) {
    const auto ef1 = window_->EF1();
    ef1->Text("Hello world");
    ef1->SelStart(6);
    ef1->SelLength(5);
    ProcessEvents();
    Choose("EditCut");
    ASSERT_EQ(ef1->Text(), "Hello ");

    ef1->SetProperty("ReadOnly", true);
    EXPECT_FALSE(fw::MenuItemEnabled(window_, *window_->MenuBar()->Lookup("EditUndo")));
    Choose("EditUndo");
    EXPECT_EQ(ef1->Text(), "Hello ");

    ef1->SetProperty("ReadOnly", false);
    EXPECT_TRUE(fw::MenuItemEnabled(window_, *window_->MenuBar()->Lookup("EditUndo")));
    Choose("EditUndo");
    EXPECT_EQ(ef1->Text(), "Hello world");
}

}  // namespace
