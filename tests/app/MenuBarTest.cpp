#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <memory>
#include <string>
#include <vector>

#include "about/AboutBox.h"
#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/MenuBar2.h"
#include "help/Help.h"
#include "main_window/Window1.h"
#include "platform/MenuBar.h"
#include "platform/Runtime.h"
#include "support/AppFixture.h"
#include "update/selfTest.h"

namespace {

using app_test::AppFixture;
using app_test::OpenCount;
using app_test::ProcessEvents;

// One line per entry, in the order shown: parent/name class "text" [shortcut]
// ("unset" where no shortcut was ever set) and "auto" for AutoEnable.
void Flatten(const fw::MenuItem& parent, std::vector<std::string>& lines) {
    for (int i = 0; i < parent.Count(); ++i) {
        const auto e = parent.Item(i);
        const auto& shortcut = e->KeyboardShortcut();
        lines.push_back((parent.ClassName() == "MenuBar" ? "" : parent.Name()) + "/" + e->Name() +
                        " " + std::string(e->ClassName()) + " \"" + e->Text() + "\" " +
                        (shortcut ? "[" + *shortcut + "]" : "unset") +
                        (e->AutoEnable() ? " auto" : ""));
        Flatten(*e, lines);
    }
}

std::vector<std::string> Flatten(const fw::MenuItem& bar) {
    std::vector<std::string> lines;
    Flatten(bar, lines);
    return lines;
}

TEST(MenuBarTest, MenuBar1Entries) {
    // "About" and U+2026 in UTF-8 (E2 80 A6): eight bytes. "Help " ends in a blank.
    EXPECT_EQ(
        Flatten(*MenuBar1::Instance()),
        (std::vector<std::string>{
            "/FileMenu MenuItem \"&File\" [] auto",
            "FileMenu/FilePrintHelp MenuItem \"Print Help...\" [Cmd+P] auto",
            "FileMenu/UntitledSeparator MenuItem \"-\" unset auto",
            "FileMenu/FileQuit QuitMenuItem \"&Quit\" [Cmd+Q] auto",
            "/EditMenu MenuItem \"&Edit\" [] auto",
            "EditMenu/EditUndo MenuItem \"&Undo\" [Cmd+Z] auto",
            "EditMenu/UntitledMenu1 MenuItem \"-\" unset auto",
            "EditMenu/EditCut MenuItem \"Cu&t\" [Cmd+X] auto",
            "EditMenu/EditCopy MenuItem \"&Copy\" [Cmd+C] auto",
            "EditMenu/EditPaste MenuItem \"&Paste\" [Cmd+V] auto",
            "EditMenu/EditClear MenuItem \"&Delete\" [] auto",
            "EditMenu/UntitledMenu0 MenuItem \"-\" unset auto",
            "EditMenu/EditSelectAll MenuItem \"Select &All\" [Cmd+A] auto",
            "/CheckforUpdateMenu AppleMenuItem \"Check for Update\" [] auto",
            "CheckforUpdateMenu/CheckforUpdateCheckNow MenuItem \"Check Now\" [] auto",
            "CheckforUpdateMenu/CheckforUpdateAbout AppleMenuItem \"About\xE2\x80\xA6\" [] auto",
            "/HelpMenu MenuItem \"Help \" [] auto",
            "HelpMenu/HelpShow MenuItem \"Show\" [] auto",
            "HelpMenu/HelpAbout AppleMenuItem \"About...\" [] auto",
        }));
}

TEST(MenuBarTest, MenuBar2Entries) {
    EXPECT_EQ(Flatten(*MenuBar2::Instance()),
              (std::vector<std::string>{
                  "/FileMenu MenuItem \"&File\" [] auto",
                  "FileMenu/FilePrintHelp MenuItem \"Print Help\" [Cmd+P] auto",
                  "FileMenu/FileQuit QuitMenuItem \"&Quit\" [Cmd+Q] auto",
                  "/EditMenu MenuItem \"&Edit\" [] auto",
                  "EditMenu/EditUndo MenuItem \"&Undo\" [Cmd+Z] auto",
                  "EditMenu/EditSeparator1 MenuItem \"-\" unset auto",
                  "EditMenu/EditCut MenuItem \"Cu&t\" [Cmd+X] auto",
                  "EditMenu/EditCopy MenuItem \"&Copy\" [Cmd+C] auto",
                  "EditMenu/EditPaste MenuItem \"&Paste\" [Cmd+V] auto",
                  "EditMenu/EditClear MenuItem \"&Delete\" [] auto",
                  "EditMenu/EditSeparator2 MenuItem \"-\" unset auto",
                  "EditMenu/EditSelectAll MenuItem \"Select &All\" [Cmd+A] auto",
              }));
}

// One instance each per run; after the release at the end of a run the next use
// builds a complete new bar.
TEST(MenuBarTest, EachBarIsBuiltOnce) {
    const auto first1 = MenuBar1::Instance();
    const auto first2 = MenuBar2::Instance();
    EXPECT_EQ(MenuBar1::Instance(), first1);
    EXPECT_EQ(MenuBar2::Instance(), first2);
    MenuBar1::Release();
    MenuBar2::Release();
    EXPECT_NE(MenuBar1::Instance(), first1);
    EXPECT_EQ(Flatten(*MenuBar1::Instance()), Flatten(*first1));
    EXPECT_EQ(Flatten(*MenuBar2::Instance()), Flatten(*first2));
}

class MenuCommandTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        StartApplication();
        window_ = Window1::Instance();
    }
    void Choose(const std::string& name) {
        fw::MenuCommand(window_, *window_->MenuBar()->Lookup(name));
    }

    std::shared_ptr<Window1> window_;
};

// The application's handlers and their results. Each opens its window once, also
// when chosen again through the main window's bar.
TEST_F(MenuCommandTest, ApplicationHandlers) {
    EXPECT_EQ(App::Instance()->MenuBar(), MenuBar1::Instance());
    EXPECT_EQ(window_->MenuBar(), MenuBar1::Instance());
    const struct {
        const char* item;
        std::string_view window;  // "" for none
        bool result;
    } rows[] = {
        {"CheckforUpdateCheckNow", selfTest::kRuntimeClassName, false},
        {"HelpShow", Help::kRuntimeClassName, false},
        {"FilePrintHelp", "", true},
        {"CheckforUpdateAbout", AboutBox::kRuntimeClassName, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        EXPECT_EQ(App::Instance()->RunMenuHandler(row.item), row.result);
        Choose(row.item);
        if (!row.window.empty()) {
            EXPECT_EQ(OpenCount(row.window), 1);
        }
    }
    EXPECT_EQ(desktop_->printDialogs, 2);
    EXPECT_EQ(OpenCount(Window1::kRuntimeClassName), 1);
    EXPECT_FALSE(fw::Quitting());
}

TEST_F(MenuCommandTest, ItemsWithoutHandlerDoNothing) {
    const auto before = fw::OpenWindows().size();
    for (const char* name : {"HelpAbout", "FileMenu", "UntitledSeparator", "HelpMenu"}) {
        Choose(name);
    }
    EXPECT_EQ(fw::OpenWindows().size(), before);
    EXPECT_FALSE(fw::Quitting());
    EXPECT_EQ(desktop_->log, std::vector<std::string>{});
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
        if (auto box = fw::GetImplicitWindow(AboutBox::kRuntimeClassName)) {
            box->Close();
        }
    }
}

// A spot check of what the user sees and chooses: the window's own Qt menu bar.
TEST_F(MenuCommandTest, WindowShowsTheBarAndItsActionsReachTheApplication) {
    auto* view = window_->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(view, nullptr);
    auto* about = view->findChild<QAction*>("CheckforUpdateAbout");
    auto* print = view->findChild<QAction*>("FilePrintHelp");
    auto* show = view->findChild<QAction*>("HelpShow");
    ASSERT_TRUE(about && print && show);
    EXPECT_EQ(about->text(), QString::fromUtf8("About\u2026"));
    EXPECT_EQ(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    show->trigger();
    show->trigger();
    EXPECT_EQ(OpenCount(Help::kRuntimeClassName), 1);
}

// The Edit items act on the text area that has the keyboard focus, here EF1.
TEST_F(MenuCommandTest, EditItemsActOnTheFocusedTextArea) {
    const struct {
        const char* name;
        bool readOnly;
        const char* item;
        bool enabled;
        const char* text;       // EF1's text afterwards
        const char* clipboard;  // the clipboard afterwards
    } rows[] = {
        {"Copy", false, "EditCopy", true, "Hello world", "world"},
        {"Cut", false, "EditCut", true, "Hello ", "world"},
        {"Paste", false, "EditPaste", true, "Hello clip", "clip"},
        {"Delete", false, "EditClear", true, "Hello ", "clip"},
        {"SelectAll", false, "EditSelectAll", true, "Hello world", "clip"},
        {"ReadOnlyCopy", true, "EditCopy", true, "Hello world", "world"},
        {"ReadOnlyCut", true, "EditCut", false, "Hello world", "clip"},
        {"ReadOnlyPaste", true, "EditPaste", false, "Hello world", "clip"},
        {"ReadOnlyDelete", true, "EditClear", false, "Hello world", "clip"},
        {"ReadOnlySelectAll", true, "EditSelectAll", true, "Hello world", "clip"},
    };
    const auto ef1 = window_->EF1();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ef1->SetProperty("ReadOnly", false);
        ef1->Text("Hello world");
        ef1->SelStart(6);
        ef1->SelLength(5);
        ef1->SetProperty("ReadOnly", row.readOnly);
        QApplication::clipboard()->setText("clip");
        ProcessEvents();

        EXPECT_EQ(fw::MenuItemEnabled(window_, *window_->MenuBar()->Lookup(row.item)), row.enabled);
        Choose(row.item);
        EXPECT_EQ(ef1->Text(), row.text);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), row.clipboard);
        if (std::string(row.item) == "EditSelectAll") {
            EXPECT_EQ(ef1->SelLength(), 11);
        }
    }
}

TEST_F(MenuCommandTest, UndoTakesBackTheLastEditUnlessReadOnly) {
    const auto ef1 = window_->EF1();
    ef1->Text("Hello world");
    ef1->SelStart(6);
    ef1->SelLength(5);
    ProcessEvents();
    Choose("EditCut");
    for (const bool readOnly : {true, false}) {
        ef1->SetProperty("ReadOnly", readOnly);
        EXPECT_EQ(fw::MenuItemEnabled(window_, *window_->MenuBar()->Lookup("EditUndo")), !readOnly);
        Choose("EditUndo");
        EXPECT_EQ(ef1->Text(), readOnly ? "Hello " : "Hello world");
    }
}

}  // namespace
