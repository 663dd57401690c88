// Windows at run time: construction and the implicit instance, controls by
// name, events by number, the keyboard, modal windows, and exceptions that
// must reach the unhandled-exception handling instead of Qt.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "platform/EventNumber.h"
#include "platform/HostWindow.h"
#include "platform/MenuBar.h"
#include "platform/PlatformTestSupport.h"
#include "platform/Runtime.h"
#include "platform/TestWindow.h"

namespace {

using fw::RecordKind;
using namespace std::string_literals;

TestWindow::EventHooks& Hooks() {
    return TestWindow::Hooks();
}

bool IsListed(const std::shared_ptr<fw::Window>& window) {
    const auto open = fw::OpenWindows();
    return std::find(open.begin(), open.end(), window) != open.end();
}

using WindowConstruction = PlatformTest;

TEST_F(WindowConstruction, RaisesItsEventsInOrderAndShowsTheWindow) {
    const auto window = TestWindow::Instance();
    EXPECT_EQ(Hooks().log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                                     "Heading.Open", "Notes.Open", "Open"}));
    EXPECT_TRUE(window->Widget()->isVisible());
    EXPECT_EQ(window->Widget()->windowTitle(), "Tessarook test window");
    EXPECT_EQ(window->Notes()->Text(),
              "First line\nSecond line: Gr\xC3\xBC\xC3\x9F"
              "e, "
              "\xE6\x9D\xB1\xE4\xBA\xAC \xE2\x9C\x93");
    EXPECT_EQ(window->OkButton()->Caption(), "OK");
    EXPECT_EQ(window->FileClose()->Name(), "FileClose");
}

// Where the accessor is called while the window lives; each time it must give
// that same window, which is then listed as open.
struct InstanceCase {
    const char* name;
    std::function<void(std::function<void(TestWindow&)>)> install;
    std::function<void(TestWindow&)> trigger;
};

void PrintTo(const InstanceCase& c, std::ostream* os) {
    *os << c.name;
}

class ImplicitInstance : public PlatformTest, public ::testing::WithParamInterface<InstanceCase> {};

// Code that an event calls, rather than the event itself.
std::shared_ptr<TestWindow> LookUpFromHelper() {
    return TestWindow::Instance();
}

TEST_P(ImplicitInstance, GivesTheLivingWindow) {
    const InstanceCase& c = GetParam();
    TestWindow* seenFrom = nullptr;
    std::shared_ptr<TestWindow> found;
    bool listed = false;
    c.install([&](TestWindow& self) {
        seenFrom = &self;
        found = LookUpFromHelper();
        listed = IsListed(found);
    });
    const auto window = TestWindow::Instance();
    c.trigger(*window);
    ASSERT_NE(seenFrom, nullptr);
    EXPECT_EQ(found.get(), seenFrom);
    EXPECT_EQ(found, window);
    EXPECT_TRUE(listed);
}

INSTANTIATE_TEST_SUITE_P(
    Window, ImplicitInstance,
    ::testing::Values(
        InstanceCase{"InsideOpen", [](auto f) { Hooks().onOpen = f; }, [](TestWindow&) {}},
        InstanceCase{"InsideAControlsOpen", [](auto f) { Hooks().onHeadingOpen = f; },
                     [](TestWindow&) {}},
        InstanceCase{"InsideClose", [](auto f) { Hooks().onClose = f; },
                     [](TestWindow& w) { w.Close(); }},
        InstanceCase{"InsideCloseFromTheCloseBox", [](auto f) { Hooks().onClose = f; },
                     [](TestWindow& w) { w.Widget()->close(); }},
        InstanceCase{"InsideAButtonHandler", [](auto f) { Hooks().onOk = f; },
                     [](TestWindow& w) { w.OkButton()->Push(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowConstruction, AfterCloseTheAccessorMakesAFreshWindow) {
    const auto first = TestWindow::Instance();
    const auto firstNotes = first->Notes();
    first->Notes()->Text("edited");
    first->Close();
    EXPECT_FALSE(first->IsOpen());
    EXPECT_FALSE(IsListed(first));
    EXPECT_FALSE(first->Widget()->isVisible());

    Hooks().log.clear();
    const auto second = TestWindow::Instance();
    EXPECT_NE(second, first);
    EXPECT_NE(second->Notes(), firstNotes);
    EXPECT_EQ(second->Notes()->Text().substr(0, 10), "First line");
    EXPECT_EQ(Hooks().log.back(), "Open");
    EXPECT_EQ(TestWindow::Instance(), second);
}

QAction* MenuAction(TestWindow& window, const char* name) {
    for (QAction* action : window.Widget()->findChildren<QAction*>()) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

// However it is closed, a window that nobody else holds is released: nothing
// that it owns holds it in turn.
struct CloseCase {
    const char* name;
    std::function<void(TestWindow&)> close;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.name;
}

class ClosedWindow : public PlatformTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ClosedWindow, IsReleasedWhenNobodyHoldsIt) {
    std::weak_ptr<TestWindow> weak = TestWindow::Instance();
    GetParam().close(*weak.lock());
    FlushDeletes();
    EXPECT_TRUE(weak.expired());
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_EQ(Hooks().log.back(), "Close");
    EXPECT_TRUE(unhandled_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Window, ClosedWindow,
    ::testing::Values(CloseCase{"ByClose", [](TestWindow& w) { w.Close(); }},
                      CloseCase{"ByTheCloseBox", [](TestWindow& w) { w.Widget()->close(); }},
                      CloseCase{"ByItsOwnButton", [](TestWindow& w) { w.CancelButton()->Push(); }},
                      CloseCase{"ByItsMenuCommand",
                                [](TestWindow& w) { MenuAction(w, "FileClose")->trigger(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowConstruction, QuitClosesEveryWindowMostRecentFirst) {
    std::vector<TestWindow*> closed;
    Hooks().onClose = [&](TestWindow& w) { closed.push_back(&w); };
    const auto first = std::make_shared<TestWindow>();
    first->Constructor();
    const auto second = std::make_shared<TestWindow>();
    second->Constructor();
    QTimer::singleShot(0, [] { fw::Quit(3); });
    EXPECT_EQ(fw::RuntimeRun(), 3);
    EXPECT_EQ(closed, (std::vector<TestWindow*>{second.get(), first.get()}));
    EXPECT_TRUE(fw::OpenWindows().empty());
}

TEST_F(WindowConstruction, ControlNamesAreLookedUpPerWindow) {
    int hostPresses = 0;
    struct Counter {
        int* count;
        void Pressed(fw::PushButton&) { ++*count; }
    };
    const auto test = TestWindow::Instance();
    const auto host = HostWindow::Open(EncodeRecord(RecordKind::Window), [&](HostWindow& w) {
        AddControlOfKind(w, RecordKind::PushButton, "OkButton",
                         EncodeRecord(RecordKind::PushButton, {{"Name", "OkButton"s}}));
        AddControlOfKind(w, RecordKind::Label, "Heading",
                         EncodeRecord(RecordKind::Label, {{"Name", "Heading"s}}));
        w.ControlByName("OkButton")
            ->AddEventHandler(fw::kEventAction,
                              fw::Delegate{"( PushButton )", w.weak_from_this(),
                                           [&](fw::Window&, fw::Control&, const fw::EventArgs&) {
                                               ++hostPresses;
                                           }});
    });
    ASSERT_NE(host->ControlByName("OkButton"), nullptr);
    EXPECT_NE(host->ControlByName("OkButton"), test->ControlByName("OkButton"));
    EXPECT_NE(host->ControlByName("Heading"), test->ControlByName("Heading"));
    EXPECT_EQ(host->ControlByName("OkButton")->OwnerWindow(), host);
    EXPECT_EQ(test->ControlByName("OkButton")->OwnerWindow(), test);

    test->OkButton()->Push();
    EXPECT_EQ(hostPresses, 0);
    EXPECT_EQ(Hooks().log.back(), "OkButton.Action");
    host->ControlAs<fw::PushButton>("OkButton")->Push();
    EXPECT_EQ(hostPresses, 1);
    EXPECT_EQ(std::count(Hooks().log.begin(), Hooks().log.end(), "OkButton.Action"), 1);
}

TEST_F(WindowConstruction, MissingControlsAndMenuItemsAreNilObjects) {
    const auto test = TestWindow::Instance();
    const auto host = HostWindow::Open(EncodeRecord(RecordKind::Window));
    EXPECT_EQ(test->ControlByName("Nothing"), nullptr);
    EXPECT_THROW((void)test->ControlAs<fw::Label>("Nothing"), fw::NilObjectException);
    EXPECT_THROW((void)test->MenuItemAs<fw::MenuItem>("Nothing"), fw::NilObjectException);
    EXPECT_THROW((void)host->MenuItemAs<fw::MenuItem>("FileClose"), fw::NilObjectException);
    EXPECT_THROW((void)test->ControlAs<fw::Label>("OkButton"), fw::RuntimeException);
}

// ---------------------------------------------------------------------------
// Events.

using ControlEvents = PlatformTest;

TEST_F(ControlEvents, EventForAControlWhoseWindowHasGoneIsANilObject) {
    std::shared_ptr<fw::PushButton> button;
    {
        const auto window = TestWindow::Instance();
        button = window->OkButton();
        window->Close();
    }
    FlushDeletes();
    ASSERT_EQ(button->OwnerWindow(), nullptr);
    Hooks().log.clear();
    EXPECT_THROW(button->RaiseEvent(fw::kEventAction), fw::NilObjectException);
    EXPECT_TRUE(Hooks().log.empty());
    // Raised by the framework, the error reaches the unhandled-exception handling.
    fw::Dispatch([&] { button->RaiseEvent(fw::kEventAction); });
    ASSERT_EQ(unhandled_.size(), 1u);
    EXPECT_EQ(unhandled_[0].rfind("NilObjectException", 0), 0u) << unhandled_[0];
    EXPECT_TRUE(Hooks().log.empty());
}

TEST_F(ControlEvents, DelegatesCarryTheirSignatureAndHoldTheWindowWeakly) {
    const auto window = TestWindow::Instance();
    const auto delegate = fw::MakeDelegate(*window, &TestWindow::OkButton_Action, "( PushButton )");
    EXPECT_EQ(delegate.signature, "( PushButton )");
    EXPECT_EQ(delegate.target.lock(), window);
    EXPECT_EQ(fw::kEventOpen, 2);
    EXPECT_EQ(fw::kEventAction, 15);
    EXPECT_EQ(fw::kEventError, 8);
    EXPECT_EQ(fw::kEventPageReceived, 10);
}

TEST_F(ControlEvents, ClickingADisabledButtonRaisesNothing) {
    const auto window = TestWindow::Instance();
    window->OkButton()->Enabled(false);
    Hooks().log.clear();
    window->OkButton()->Push();
    QTest::mouseClick(window->OkButton()->Widget(), Qt::LeftButton);
    EXPECT_TRUE(Hooks().log.empty());
}

// Keys that press the window's buttons, from wherever the focus is.
struct KeyCase {
    const char* name;
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* pressed;  // the first event raised, or "" for none
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class WindowKeys : public PlatformTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(WindowKeys, PressTheDefaultOrCancelButton) {
    const KeyCase& c = GetParam();
    const auto window = TestWindow::Instance();
    Hooks().onFileClose = [](TestWindow&) { return true; };
    window->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->Widget()));
    QWidget* focus = window->ControlAs<fw::RectControl>(c.focus)->Widget();
    focus->setFocus();
    Hooks().log.clear();
    QTest::keyClick(focus, c.key, c.modifiers);
    if (*c.pressed != '\0') {
        ASSERT_FALSE(Hooks().log.empty());
        EXPECT_EQ(Hooks().log.front(), c.pressed);
    } else {
        EXPECT_TRUE(Hooks().log.empty());
    }
    EXPECT_TRUE(unhandled_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Window, WindowKeys,
    ::testing::Values(KeyCase{"ReturnOnAnotherButton", "CancelButton", Qt::Key_Return,
                              Qt::NoModifier, "OkButton.Action"},
                      KeyCase{"KeypadEnterOnAnotherButton", "CancelButton", Qt::Key_Enter,
                              Qt::KeypadModifier, "OkButton.Action"},
                      KeyCase{"EscapeInTheTextArea", "Notes", Qt::Key_Escape, Qt::NoModifier,
                              "CancelButton.Action"},
                      KeyCase{"EscapeOnTheDefaultButton", "OkButton", Qt::Key_Escape,
                              Qt::NoModifier, "CancelButton.Action"},
                      KeyCase{"ReturnInTheTextAreaIsALineBreak", "Notes", Qt::Key_Return,
                              Qt::NoModifier, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlEvents, FocusFollowsTabIndexAndSkipsControlsWithoutTabStop) {
    // Created in one order, reached in the order of TabIndex; "Skipped" has no TabStop.
    const auto window = HostWindow::Open(EncodeRecord(RecordKind::Window), [](HostWindow& w) {
        const auto button = [&](const char* name, int tabIndex, bool tabStop) {
            AddControlOfKind(w, RecordKind::PushButton, name,
                             EncodeRecord(RecordKind::PushButton, {{"Name", std::string(name)},
                                                                   {"TabIndex", tabIndex},
                                                                   {"TabStop", tabStop},
                                                                   {"Left", 10 + 60 * tabIndex}}));
        };
        button("Third", 3, true);
        button("First", 0, true);
        button("Skipped", 1, false);
        AddControlOfKind(w, RecordKind::Label, "Caption",
                         EncodeRecord(RecordKind::Label, {{"TabIndex", 2}}));
        AddControlOfKind(w, RecordKind::TextArea, "Second",
                         EncodeRecord(RecordKind::TextArea, {{"TabIndex", 2}, {"Top", 80}}));
    });
    window->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->Widget()));
    const auto widgetOf = [&](const char* name) {
        return window->ControlAs<fw::RectControl>(name)->Widget();
    };
    EXPECT_EQ(QApplication::focusWidget(), widgetOf("First"));
    std::vector<QWidget*> reached;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(reached,
              (std::vector<QWidget*>{widgetOf("Second"), widgetOf("Third"), widgetOf("First")}));
}

// ---------------------------------------------------------------------------
// Position and modal windows.

struct PositionCase {
    const char* name;
    int top;
    int left;
};

void PrintTo(const PositionCase& c, std::ostream* os) {
    *os << c.name;
}

class WindowPosition : public PlatformTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(WindowPosition, ReadsBackWhatWasWritten) {
    const PositionCase& c = GetParam();
    const auto window = TestWindow::Instance();
    window->Top(c.top);
    window->Left(c.left);
    EXPECT_EQ(window->Top(), c.top);
    EXPECT_EQ(window->Left(), c.left);
    QApplication::processEvents();
    EXPECT_EQ(window->Top(), c.top);
    EXPECT_EQ(window->Left(), c.left);
}

// Written in the Open event, before the window is first shown (as the main
// window does with the stored position).
TEST_P(WindowPosition, WrittenBeforeTheWindowIsShown) {
    const PositionCase& c = GetParam();
    Hooks().onOpen = [&](TestWindow& w) {
        w.Top(c.top);
        w.Left(c.left);
    };
    const auto window = TestWindow::Instance();
    QApplication::processEvents();
    EXPECT_EQ(window->Top(), c.top);
    EXPECT_EQ(window->Left(), c.left);
}

INSTANTIATE_TEST_SUITE_P(Window, WindowPosition,
                         ::testing::Values(PositionCase{"NearTheCorner", 12, 20},
                                           PositionCase{"Inside", 50, 100},
                                           PositionCase{"OddValues", 37, 211}),
                         [](const auto& info) { return std::string(info.param.name); });

// At the very edge of the screen the desktop may move a window so that its
// frame stays visible; the position read then comes back unchanged when it is
// stored and written again, as the main window does with its preferences.
TEST_F(WindowConstruction, PositionAtTheScreenEdgeDoesNotDrift) {
    auto window = TestWindow::Instance();
    window->Top(0);
    window->Left(0);
    QApplication::processEvents();
    const int top = window->Top();
    const int left = window->Left();
    window->Close();
    window = TestWindow::Instance();
    window->Top(top);
    window->Left(left);
    QApplication::processEvents();
    EXPECT_EQ(window->Top(), top);
    EXPECT_EQ(window->Left(), left);
}

TEST_F(WindowConstruction, ShowModalReturnsWhenClosedWhileEventsKeepRunning) {
    const auto window = TestWindow::Instance();
    bool otherEventRan = false;
    bool modalWhileRunning = false;
    QTimer::singleShot(0, [&] { otherEventRan = true; });
    QTimer::singleShot(0, [&] {
        modalWhileRunning = window->Widget()->isModal() && window->Widget()->isVisible();
        window->CancelButton()->Push();  // its handler closes the window
    });
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] { window->Close(); });
    guard.start(20000);
    window->ShowModal();
    guard.stop();
    EXPECT_TRUE(otherEventRan);
    EXPECT_TRUE(modalWhileRunning);
    EXPECT_EQ(Hooks().log.back(), "Close");
    EXPECT_FALSE(window->IsOpen());
    EXPECT_FALSE(window->Widget()->isVisible());
}

TEST_F(WindowConstruction, ShowModalOnAClosedWindowReturnsAtOnce) {
    Hooks().onOpen = [](TestWindow& w) { w.Close(); };
    const auto window = TestWindow::Instance();
    window->ShowModal();
    EXPECT_FALSE(window->IsOpen());
    EXPECT_FALSE(window->Widget()->isVisible());
}

// ---------------------------------------------------------------------------
// Exceptions thrown where Qt called in reach the unhandled-exception handling.

struct ThrowCase {
    const char* name;
    std::function<void()> arm;  // makes a handler throw
    std::function<void(TestWindow&)> trigger;
    const char* typeName;
};

void PrintTo(const ThrowCase& c, std::ostream* os) {
    *os << c.name;
}

class UnhandledException : public PlatformTest, public ::testing::WithParamInterface<ThrowCase> {};

TEST_P(UnhandledException, ReachesTheHandlingInsteadOfQt) {
    const ThrowCase& c = GetParam();
    const auto window = TestWindow::Instance();
    window->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->Widget()));
    c.arm();
    EXPECT_NO_THROW(c.trigger(*window));
    QApplication::processEvents();
    ASSERT_EQ(unhandled_.size(), 1u);
    EXPECT_EQ(unhandled_[0], std::string(c.typeName) + ": from a handler");
}

INSTANTIATE_TEST_SUITE_P(
    Window, UnhandledException,
    ::testing::Values(
        ThrowCase{
            "ButtonClicked",
            [] { Hooks().onOk = [](auto&) { throw fw::NilObjectException("from a handler"); }; },
            [](TestWindow& w) { QTest::mouseClick(w.OkButton()->Widget(), Qt::LeftButton); },
            "NilObjectException"},
        ThrowCase{
            "ReturnKey",
            [] { Hooks().onOk = [](auto&) { throw fw::RuntimeException("from a handler"); }; },
            [](TestWindow& w) { QTest::keyClick(w.CancelButton()->Widget(), Qt::Key_Return); },
            "RuntimeException"},
        ThrowCase{"MenuCommand",
                  [] {
                      Hooks().onFileClose = [](auto&) -> bool {
                          throw fw::OutOfBoundsException("from a handler");
                      };
                  },
                  [](TestWindow& w) { MenuAction(w, "FileClose")->trigger(); },
                  "OutOfBoundsException"},
        ThrowCase{
            "CloseBox",
            [] { Hooks().onClose = [](auto&) { throw std::runtime_error("from a handler"); }; },
            [](TestWindow& w) { w.Widget()->close(); }, "std::exception"}),
    [](const auto& info) { return std::string(info.param.name); });

// Without a handler of the application's own, the user is told which error
// occurred and the application ends with a status that is not zero.
TEST_F(WindowConstruction, DefaultHandlingTellsTheUserAndEndsWithAnError) {
    fw::SetUnhandledExceptionHandler(nullptr);
    const auto window = TestWindow::Instance();
    Hooks().onOk = [](auto&) { throw fw::NilObjectException("The window has gone."); };
    QTimer::singleShot(0, [&] { QTest::mouseClick(window->OkButton()->Widget(), Qt::LeftButton); });
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(20000);
    const int status = fw::RuntimeRun();
    guard.stop();
    EXPECT_NE(status, 0);
    EXPECT_NE(status, 99);
    ASSERT_EQ(desktop_->messages.size(), 1u);
    EXPECT_NE(desktop_->messages[0].find("NilObjectException"), std::string::npos)
        << desktop_->messages[0];
}

}  // namespace
