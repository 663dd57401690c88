// Windows at run time: construction and the implicit instance, controls by
// name, events, the keyboard, position, modal windows, and exceptions that must
// reach the unhandled-exception handling instead of Qt.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <thread>

#include "platform/EventNumber.h"
#include "platform/HostWindow.h"
#include "platform/MenuItem.h"
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

QAction* MenuAction(TestWindow& window, const char* name) {
    for (QAction* action : window.Widget()->findChildren<QAction*>()) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

void Activate(fw::Window& window) {
    window.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
}

using WindowLife = PlatformTest;

TEST_F(WindowLife, ConstructionRaisesItsEventsInOrderAndShowsTheWindow) {
    const auto window = TestWindow::Instance();
    EXPECT_EQ(Hooks().log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                                     "Heading.Open", "Notes.Open", "Open"}));
    EXPECT_TRUE(window->Widget()->isVisible());
    EXPECT_EQ(window->Widget()->windowTitle(), "Tessarook test window");
    EXPECT_EQ(window->Notes()->Text(),
              "First line\nSecond line: Gr\xC3\xBC\xC3\x9F"
              "e, \xE6\x9D\xB1\xE4\xBA\xAC \xE2\x9C\x93");
}

// Code that an event calls looks the window up through the accessor: inside
// Open and inside Close it gets the living window, listed as open; after the
// close it gets a fresh one.
TEST_F(WindowLife, ImplicitInstanceInsideOpenInsideCloseAndAfterClose) {
    std::vector<std::shared_ptr<TestWindow>> seen;
    const auto lookUp = [&](TestWindow& self) {
        seen.push_back(TestWindow::Instance());
        EXPECT_EQ(seen.back().get(), &self);
        EXPECT_TRUE(IsListed(seen.back()));
    };
    Hooks().onOpen = lookUp;
    Hooks().onClose = lookUp;
    const auto first = TestWindow::Instance();
    first->Notes()->Text("edited");
    first->Close();
    EXPECT_FALSE(first->IsOpen());
    EXPECT_FALSE(IsListed(first));
    EXPECT_FALSE(first->Widget()->isVisible());

    const auto second = TestWindow::Instance();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Notes()->Text().substr(0, 10), "First line");
    EXPECT_EQ(TestWindow::Instance(), second);
    second->Widget()->close();  // by the close box
    EXPECT_EQ(seen, (std::vector<std::shared_ptr<TestWindow>>{first, first, second, second}));
}

// However it is closed, a window that nobody else holds is released: nothing
// that it owns holds it in turn.
TEST_F(WindowLife, ClosedWindowIsReleasedWhenNobodyHoldsIt) {
    const std::pair<const char*, std::function<void(TestWindow&)>> ways[] = {
        {"Close", [](TestWindow& w) { w.Close(); }},
        {"close box", [](TestWindow& w) { w.Widget()->close(); }},
        {"its own button", [](TestWindow& w) { w.CancelButton()->Push(); }},
        {"its menu command", [](TestWindow& w) { MenuAction(w, "FileClose")->trigger(); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        std::weak_ptr<TestWindow> weak = TestWindow::Instance();
        close(*weak.lock());
        FlushDeletes();
        EXPECT_TRUE(weak.expired());
        EXPECT_TRUE(fw::OpenWindows().empty());
        EXPECT_EQ(Hooks().log.back(), "Close");
    }
    EXPECT_TRUE(unhandled_.empty());
}

TEST_F(WindowLife, QuitClosesEveryWindowMostRecentFirst) {
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

TEST_F(WindowLife, ControlNamesAreLookedUpPerWindow) {
    int hostPresses = 0;
    const auto test = TestWindow::Instance();
    const auto host = HostWindow::Open(TestRecord(RecordKind::Window), [&](HostWindow& w) {
        AddTestControl<fw::PushButton>(w, "OkButton", {{"Name", "OkButton"s}})
            ->AddEventHandler(fw::kEventAction,
                              fw::Delegate{"( PushButton )", w.weak_from_this(),
                                           [&](fw::Window&, fw::Control&, const fw::EventArgs&) {
                                               ++hostPresses;
                                           }});
    });
    EXPECT_NE(host->ControlByName("OkButton"), test->ControlByName("OkButton"));
    EXPECT_EQ(host->ControlByName("OkButton")->OwnerWindow(), host);
    EXPECT_EQ(test->ControlByName("OkButton")->OwnerWindow(), test);

    test->OkButton()->Push();
    EXPECT_EQ(hostPresses, 0);
    EXPECT_EQ(Hooks().log.back(), "OkButton.Action");
    host->ControlAs<fw::PushButton>("OkButton")->Push();
    EXPECT_EQ(hostPresses, 1);
    EXPECT_EQ(std::count(Hooks().log.begin(), Hooks().log.end(), "OkButton.Action"), 1);

    EXPECT_EQ(test->ControlByName("Nothing"), nullptr);
    EXPECT_THROW((void)test->ControlAs<fw::Label>("Nothing"), fw::NilObjectException);
    EXPECT_THROW((void)host->MenuItemAs<fw::MenuItem>("FileClose"), fw::NilObjectException);
    EXPECT_THROW((void)test->ControlAs<fw::Label>("OkButton"), fw::RuntimeException);
}

// ---------------------------------------------------------------------------
// Events and the keyboard.

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
    // Raised by the framework, the error reaches the unhandled-exception handling.
    fw::Dispatch([&] { button->RaiseEvent(fw::kEventAction); });
    ASSERT_EQ(unhandled_.size(), 1u);
    EXPECT_EQ(unhandled_[0].rfind("NilObjectException", 0), 0u) << unhandled_[0];
    EXPECT_TRUE(Hooks().log.empty());
}

TEST_F(ControlEvents, ClickingADisabledButtonRaisesNothing) {
    const auto window = TestWindow::Instance();
    window->OkButton()->Enabled(false);
    Hooks().log.clear();
    window->OkButton()->Push();
    QTest::mouseClick(window->OkButton()->Widget(), Qt::LeftButton);
    EXPECT_TRUE(Hooks().log.empty());
}

// Return presses the default button and Escape the cancel button, from
// wherever the focus is, except Return in a text area, which is a line break.
TEST_F(ControlEvents, KeysPressTheDefaultOrCancelButton) {
    const struct {
        const char* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* pressed;  // the first event raised, or "" for none
    } cases[] = {
        {"CancelButton", Qt::Key_Return, Qt::NoModifier, "OkButton.Action"},
        {"CancelButton", Qt::Key_Enter, Qt::KeypadModifier, "OkButton.Action"},
        {"Notes", Qt::Key_Escape, Qt::NoModifier, "CancelButton.Action"},
        {"OkButton", Qt::Key_Escape, Qt::NoModifier, "CancelButton.Action"},
        {"Notes", Qt::Key_Return, Qt::NoModifier, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.focus) + " key " + std::to_string(c.key));
        const auto window = TestWindow::Instance();
        Activate(*window);
        QWidget* focus = window->ControlAs<fw::RectControl>(c.focus)->Widget();
        focus->setFocus();
        Hooks().log.clear();
        QTest::keyClick(focus, c.key, c.modifiers);
        EXPECT_EQ(Hooks().log.empty() ? "" : Hooks().log.front(), c.pressed);
        window->Close();
    }
    EXPECT_TRUE(unhandled_.empty());
}

TEST_F(ControlEvents, FocusFollowsTabIndexAndSkipsControlsWithoutTabStop) {
    // Created in one order, reached in the order of TabIndex; "Skipped" has no TabStop.
    const auto window = HostWindow::Open(TestRecord(RecordKind::Window), [](HostWindow& w) {
        const auto button = [&](const char* name, int tabIndex, bool tabStop) {
            AddTestControl<fw::PushButton>(
                w, name, {{"TabIndex", tabIndex}, {"TabStop", tabStop}, {"Left", 60 * tabIndex}});
        };
        button("Third", 3, true);
        button("First", 0, true);
        button("Skipped", 1, false);
        AddTestControl<fw::Label>(w, "Caption", {{"TabIndex", 2}});
        AddTestControl<fw::TextArea>(w, "Second", {{"TabIndex", 2}, {"Top", 80}});
    });
    Activate(*window);
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

TEST_F(WindowLife, PositionReadsBackWhatWasWritten) {
    // Written in the Open event, before the window is first shown, as the main
    // window does with the stored position; then written again while shown.
    Hooks().onOpen = [](TestWindow& w) {
        w.Top(37);
        w.Left(211);
    };
    const auto window = TestWindow::Instance();
    QApplication::processEvents();
    EXPECT_EQ(window->Top(), 37);
    EXPECT_EQ(window->Left(), 211);
    window->Top(50);
    window->Left(100);
    EXPECT_EQ(window->Top(), 50);
    EXPECT_EQ(window->Left(), 100);
    QApplication::processEvents();
    EXPECT_EQ(window->Top(), 50);
    EXPECT_EQ(window->Left(), 100);

    // At the screen's edge the desktop may move a window so that its frame
    // stays visible; what is read there comes back unchanged when written again.
    window->Top(0);
    window->Left(0);
    QApplication::processEvents();
    const int top = window->Top();
    const int left = window->Left();
    window->Close();
    const auto again = TestWindow::Instance();
    again->Top(top);
    again->Left(left);
    QApplication::processEvents();
    EXPECT_EQ(again->Top(), top);
    EXPECT_EQ(again->Left(), left);

    // A stored position far beyond any screen (a broken preferences file) is
    // held off the integer limits and brought back onto a screen when shown.
    again->Close();
    Hooks().onOpen = [](TestWindow& w) {
        w.Top(INT32_MAX);
        w.Left(INT32_MIN);
    };
    const auto far = TestWindow::Instance();
    QApplication::processEvents();
    EXPECT_LT(far->Top(), 100000);
    EXPECT_GT(far->Left(), -100000);
}

TEST_F(WindowLife, ShowModalReturnsWhenClosedWhileEventsKeepRunning) {
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

    // A window closed before ShowModal returns at once.
    Hooks().onOpen = [](TestWindow& w) { w.Close(); };
    const auto closed = TestWindow::Instance();
    closed->ShowModal();
    EXPECT_FALSE(closed->IsOpen());
}

// ---------------------------------------------------------------------------
// Exceptions thrown where Qt called in reach the unhandled-exception handling.

TEST_F(WindowLife, HandlerExceptionsReachTheHandlingInsteadOfQt) {
    Hooks().onOk = [](TestWindow&) { throw fw::NilObjectException("OK"); };
    Hooks().onFileClose = [](TestWindow&) -> bool { throw fw::OutOfBoundsException("menu"); };
    Hooks().onClose = [](TestWindow&) { throw std::runtime_error("close box"); };
    const auto window = TestWindow::Instance();
    Activate(*window);
    EXPECT_NO_THROW(QTest::mouseClick(window->OkButton()->Widget(), Qt::LeftButton));
    EXPECT_NO_THROW(QTest::keyClick(window->CancelButton()->Widget(), Qt::Key_Return));
    EXPECT_NO_THROW(MenuAction(*window, "FileClose")->trigger());
    EXPECT_NO_THROW(window->Widget()->close());
    QApplication::processEvents();
    Hooks() = {};
    EXPECT_EQ(unhandled_, (std::vector<std::string>{
                              "NilObjectException: OK", "NilObjectException: OK",
                              "OutOfBoundsException: menu", "std::exception: close box"}));
}

// Without a handler of the application's own, the user is told which error
// occurred and the application ends with a status that is not zero.
TEST_F(WindowLife, DefaultExceptionHandlingTellsTheUserAndEndsWithAnError) {
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

TEST_F(WindowLife, WindowsAreMadeOnTheUserInterfaceThreadOnly) {
    bool refused = false;
    std::thread worker([&] {
        try {
            HostWindow::Open(TestRecord(RecordKind::Window));
        } catch (const fw::ThreadAccessingUIException&) {
            refused = true;
        }
    });
    worker.join();
    EXPECT_TRUE(refused);
    EXPECT_TRUE(fw::OpenWindows().empty());
}
