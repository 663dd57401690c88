// The update check as the user runs it: Check for Update > Check Now, then
// "Check for Updates", against a local server that answers for the maker's web
// host. The fake desktop answers the message boxes and the new-version dialog.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "BuildConfig.h"
#include "UpdateServer.h"
#include "app/App.h"
#include "platform/MenuBar.h"
#include "platform/Runtime.h"
#include "platform/SystemDesktop.h"
#include "platform/net/HttpUrl.h"
#include "support/AppFixture.h"
#include "support/PaintWatcher.h"
#include "support/WhenModalOpens.h"
#include "update/UpdateAddresses.h"
#include "update/selfTest.h"
#include "update/updateWindow.h"

namespace {

using Button = fw::Desktop::Button;

const std::string kWaiting = "Checking for update...";
const std::string kCurrent = "This version is current.";
const std::string kCurrentBox = "box: You are using the current version. No update is available.";
const std::string kDownload = "url: http://" + std::string(buildconfig::kWebHost) + "/download/";
const std::string kWebSite = "url: http://" + std::string(buildconfig::kWebHost) + "/";

std::string ErrorBox(int code) {
    return "box: There was a communication error with the website. Please try again later. "
           "(Code: " +
           std::to_string(code) + ")";
}

std::string Document(const std::string& version, const std::string& more = "") {
    return "<?xml version=\"1.0\"?>\n<Update>\n<CurrentVersion>" + version + "</CurrentVersion>\n" +
           more + "</Update>\n";
}

class UpdateCheckTest : public app_test::AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        CreateApplication();
        ASSERT_EQ(App::Instance()->ShortVersion(), "1.2.0")
            << "the documents of these tests are written for version 1.2.0";
        server.onRequest = [this] {
            Observe();
            versionWindowOpenAtRequest =
                fw::GetImplicitWindow(selfTest::kRuntimeClassName) != nullptr;
            barMaximumAtRequest = window ? window->ProgressBar1()->Maximum() : -1;
            if (atRequest) {
                atRequest();
            }
        };
        desktop_->onShow = [this] { Observe(); };
    }

    // Keeps the update window while it is open, to look at it after the check.
    void Observe() {
        if (!window) {
            window = fw::RuntimeCheckCast<updateWindow>(
                fw::GetImplicitWindow(updateWindow::kRuntimeClassName));
        }
    }

    void ChooseCheckNow() {
        fw::MenuCommand(nullptr, *App::Instance()->MenuBar()->Lookup("CheckforUpdateCheckNow"));
    }

    // Check Now, then "Check for Updates"; returns once the update window has closed.
    void RunCheck() {
        ChooseCheckNow();
        const auto version =
            fw::RuntimeCheckCast<selfTest>(fw::GetImplicitWindow(selfTest::kRuntimeClassName));
        ASSERT_TRUE(version);
        QObject watchdog;
        QTimer::singleShot(30000, &watchdog, [] {
            ADD_FAILURE() << "the check did not end";
            for (const auto& open : fw::OpenWindows()) {
                open->Close();
            }
        });
        version->PushButton1()->Push();
    }

    UpdateServer server{fw::HttpUrl(UpdateAddresses::UpdateDocument()).ConnectHost()};
    std::function<void()> atRequest;
    std::shared_ptr<updateWindow> window;
    bool versionWindowOpenAtRequest = true;
    int barMaximumAtRequest = -1;
};

// ---------------------------------------------------------------------------
// Every outcome of a check.

struct Outcome {
    const char* name;
    int status = 200;
    std::string body{};
    Button answer = Button::Cancel;
    std::vector<std::string> log{};
    std::string label = kWaiting;
    bool barVisible = false;
    // The window stays open after the dialog, until the user presses Cancel.
    bool staysOpen = false;
    bool refused = false;
    bool automaticCheck = false;
};

void PrintTo(const Outcome& row, std::ostream* out) {
    *out << row.name;
}

class OutcomeTest : public UpdateCheckTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(OutcomeTest, EndsAsTheOutcomeSays) {
    const Outcome& row = GetParam();
    if (row.refused) {
        ASSERT_TRUE(server.Refuse());
    } else {
        server.Reply(row.status, row.body);
    }
    desktop_->answer = row.answer;
    atRequest = [&] { window->automaticCheck = row.automaticCheck; };
    QObject probes;
    bool openAfterDialog = false;
    std::string labelAfterDialog;
    if (row.staysOpen) {
        desktop_->onShow = [&] {
            Observe();
            QTimer::singleShot(0, &probes, [&] {
                openAfterDialog = window->IsOpen();
                labelAfterDialog = window->StaticText1()->Text();
                window->PushButton1()->Push();
            });
        };
    }

    RunCheck();

    ASSERT_TRUE(window);
    EXPECT_EQ(desktop_->log, row.log);
    EXPECT_EQ(window->StaticText1()->Text(), row.label);
    EXPECT_EQ(window->ProgressBar1()->Visible(), row.barVisible);
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(fw::GetImplicitWindow(selfTest::kRuntimeClassName), nullptr);
    if (!row.refused) {
        EXPECT_FALSE(versionWindowOpenAtRequest);
        EXPECT_EQ(barMaximumAtRequest, 0);
        EXPECT_EQ(server.requests,
                  std::vector<std::string>{"GET /Updates/tessarook.xml HTTP/1.0\r\nAccept: "
                                           "*/*\r\nAccept-Language: en\r\nHost: " +
                                           std::string(buildconfig::kWebHost) + "\r\n\r\n"});
    }
    if (row.staysOpen) {
        EXPECT_TRUE(openAfterDialog);
        EXPECT_EQ(labelAfterDialog, kWaiting);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, OutcomeTest,
    ::testing::Values(
        Outcome{.name = "EmptyPage", .body = "", .log = {}, .barVisible = true},
        Outcome{
            .name = "Current", .body = Document("1.2.0"), .log = {kCurrentBox}, .label = kCurrent},
        Outcome{.name = "CurrentMissingFieldIsZero",
                .body = Document("1.2"),
                .log = {kCurrentBox},
                .label = kCurrent},
        Outcome{.name = "CurrentFourthFieldIgnored",
                .body = Document("1.2.0.7"),
                .log = {kCurrentBox},
                .label = kCurrent},
        Outcome{.name = "CurrentOnALineOfItsOwn",
                .body = Document("\r\n  1.2.0\r\n"),
                .log = {kCurrentBox},
                .label = kCurrent},
        Outcome{.name = "CurrentComparedAsNumbers",
                .body = Document("01.2.0"),
                .log = {kCurrentBox},
                .label = kCurrent},
        Outcome{.name = "CurrentInAutomaticCheckShowsNoBox",
                .body = Document("1.2.0"),
                .log = {},
                .label = kCurrent,
                .automaticCheck = true},
        Outcome{.name = "StatusCodeIgnored",
                .status = 404,
                .body = Document("1.2.0"),
                .log = {kCurrentBox},
                .label = kCurrent},
        Outcome{.name = "OtherBugVersionCancel", .body = Document("1.2.1"), .log = {"dialog"}},
        Outcome{.name = "NewVersionDownload",
                .body = Document("1.3.0"),
                .answer = Button::Action,
                .log = {"dialog", kDownload}},
        Outcome{.name = "NewVersionGoToWebsite",
                .body = Document("1.3.0"),
                .answer = Button::Alternate,
                .log = {"dialog", kWebSite},
                .staysOpen = true},
        Outcome{.name = "DialogClosedWithoutButton",
                .body = Document("1.3.0"),
                .answer = Button::None,
                .log = {"dialog"},
                .staysOpen = true},
        Outcome{.name = "ErrorPageIsNoDocument",
                .status = 404,
                .body = "<html><body>Not Found</body></html>",
                .log = {"beep", ErrorBox(10)},
                .barVisible = true},
        Outcome{.name = "ConnectionRefused",
                .log = {"beep", ErrorBox(3)},
                .barVisible = true,
                .refused = true}),
    [](const ::testing::TestParamInfo<Outcome>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The new-version dialog, and the version window.

TEST_F(UpdateCheckTest, DialogSaysFreeOrPaid) {
    const std::string offer =
        "Version 1.3.0 is now available. (You are using version 1.2.0.) This is a ";
    const std::string free = offer +
                             "free upgrade. Would you like to automatically download this update "
                             "(using your web browser)?";
    const std::string paid = offer +
                             "paid upgrade. Would you like to automatically download the trial "
                             "version (using your web browser)?";
    const std::string description = "Faster codes.\nA new help text.";
    const struct {
        const char* name;
        std::string element;  // the Free element, or nothing
        const std::string& message;
    } rows[] = {{"Yes", "<Free>Yes</Free>", free},
                {"YesInOtherCase", "<Free>yEs</Free>", free},
                {"No", "<Free>No</Free>", paid},
                {"Missing", "", paid}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        desktop_->dialogs.clear();
        window.reset();
        server.Reply(
            200, Document("1.3.0", "<Description>" + description + "</Description>" + row.element));
        RunCheck();
        ASSERT_EQ(desktop_->dialogs.size(), 1U);
        const fw::MessageDialog& dialog = desktop_->dialogs.front();
        EXPECT_EQ(dialog.Title, "New version available!");
        EXPECT_EQ(dialog.Message, row.message);
        EXPECT_EQ(dialog.Explanation, description);
        EXPECT_EQ(dialog.Icon, 3);
        EXPECT_EQ(dialog.AlternateActionButton.Caption, "Go to Website");
        EXPECT_TRUE(dialog.AlternateActionButton.Visible);
    }
}

// A document laid out over several lines, or padded, gives the dialog of the
// compact one; a line break inside the version shows as a space.
TEST_F(UpdateCheckTest, DialogShowsTheDocumentNotItsLayout) {
    const std::string rest =
        " is now available. (You are using version 1.2.0.) This is a paid upgrade. Would you "
        "like to automatically download the trial version (using your web browser)?";
    const std::string offer = "Version 1.3.0" + rest;
    const std::string description = "Faster codes.\nA new help text.";
    const struct {
        const char* name;
        std::string version;
        std::string description;
        std::string message;
    } rows[] = {
        {"Compact", "1.3.0", description, offer},
        {"PrettyPrinted", "\n    1.3.0\n  ", "\n    Faster codes.\nA new help text.\n  ", offer},
        {"Padded", " \t1.3.0\xC2\xA0 ", "\r\n\r\n Faster codes.\nA new help text. \r\n", offer},
        {"SixtyTwoLineBreaksBefore", std::string(62, '\n') + "1.3.0", description, offer},
        {"LineBreaksInside", "1.3.0\r\nbeta\rtwo", description, "Version 1.3.0 beta two" + rest},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        desktop_->dialogs.clear();
        window.reset();
        server.Reply(200,
                     Document(row.version, "<Description>" + row.description + "</Description>"));
        RunCheck();
        ASSERT_EQ(desktop_->dialogs.size(), 1U);
        EXPECT_EQ(desktop_->dialogs.front().Message, row.message);
        EXPECT_EQ(desktop_->dialogs.front().Explanation, description);
    }
}

// A version as long as the dialog shows, broken over many lines, leaves the
// real dialog on the screen with its three buttons.
TEST_F(UpdateCheckTest, DialogWithALongVersionFitsOnTheScreen) {
    server.Reply(200, Document("1.3.0" + std::string(55, '\n') + "beta",
                               "<Description>Faster codes.</Description>"));
    RunCheck();
    ASSERT_EQ(desktop_->dialogs.size(), 1U);
    QRect box;
    QRect screen;
    int buttonsInside = 0;
    app_test::WhenModalOpens([&](QWidget& modal) {
        auto& shown = dynamic_cast<QMessageBox&>(modal);
        box = shown.frameGeometry();
        screen = shown.screen()->availableGeometry();
        for (QAbstractButton* button : shown.buttons()) {
            const QRect at(button->mapTo(&shown, QPoint(0, 0)), button->size());
            buttonsInside += button->isVisible() && shown.rect().contains(at) ? 1 : 0;
        }
        shown.escapeButton()->click();
    });
    EXPECT_EQ(fw::SystemDesktop().ShowMessageDialog(desktop_->dialogs.front()), Button::Cancel);
    EXPECT_TRUE(screen.contains(box)) << box.height() << " high on a screen of " << screen.height();
    EXPECT_EQ(buttonsInside, 3);
}

// The user sees the new label while the box is up: it has been drawn before.
TEST_F(UpdateCheckTest, CurrentVersionLabelIsDrawnBeforeTheBox) {
    server.Reply(200, Document("1.2.0"));
    std::vector<std::string> painted;
    std::vector<std::string> paintedWhileBoxUp;
    std::unique_ptr<app_test::PaintWatcher> watcher;
    atRequest = [&] {
        watcher = std::make_unique<app_test::PaintWatcher>(window->StaticText1()->Widget(), [&] {
            painted.push_back(window->StaticText1()->Text());
        });
    };
    desktop_->onShow = [&] { paintedWhileBoxUp.push_back(painted.empty() ? "" : painted.back()); };
    RunCheck();
    EXPECT_EQ(desktop_->log, std::vector<std::string>{kCurrentBox});
    EXPECT_EQ(paintedWhileBoxUp, std::vector<std::string>{kCurrent});
}

TEST_F(UpdateCheckTest, DialogShowsAHostileDocumentOnlyInPart) {
    // A server may send a megabyte of description; the dialog shows a bounded part.
    const std::string version(100, '9');
    const std::string description(200000, 'x');
    server.Reply(200, Document(version, "<Description>" + description + "</Description>"));
    RunCheck();
    ASSERT_EQ(desktop_->dialogs.size(), 1U);
    const fw::MessageDialog& dialog = desktop_->dialogs.front();
    EXPECT_EQ(dialog.Explanation, std::string(4000, 'x') + "\u2026");
    EXPECT_EQ(dialog.Message.rfind("Version " + std::string(64, '9') + "\u2026 is now", 0), 0U);
}

TEST_F(UpdateCheckTest, CheckNowShowsOneVersionWindowWithTheRunningVersion) {
    ChooseCheckNow();
    ChooseCheckNow();
    EXPECT_EQ(app_test::OpenCount(selfTest::kRuntimeClassName), 1);
    EXPECT_EQ(selfTest::Instance()->StaticText2()->Text(), App::Instance()->LongVersion());
}

// ---------------------------------------------------------------------------
// The user ends a check that gets no answer: the request is dropped with the
// window and nothing reaches the window afterwards.

struct UserClose {
    const char* name;
    std::function<void(updateWindow&)> close;
};

void PrintTo(const UserClose& row, std::ostream* out) {
    *out << row.name;
}

void PressKey(updateWindow& target, Qt::Key key) {
    QWidget* receiver = QApplication::focusWidget();
    if (receiver == nullptr || receiver->window() != target.Widget()) {
        receiver = target.Widget();
    }
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(receiver, &press);
}

class UserCloseTest : public UpdateCheckTest, public ::testing::WithParamInterface<UserClose> {};

TEST_P(UserCloseTest, EndsTheWaitingCheckForGood) {
    server.Hold();
    atRequest = [this] { GetParam().close(*window); };
    RunCheck();
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(fw::GetImplicitWindow(selfTest::kRuntimeClassName), nullptr);

    // The server never ends a held connection: it ends because the window
    // dropped the request. The limit only guards against a hang.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (server.connectionsEnded == 1) {
            loop.quit();
        }
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    poll.start(1);
    loop.exec();
    QCoreApplication::processEvents();

    EXPECT_EQ(server.connectionsEnded, 1);
    EXPECT_EQ(desktop_->log, std::vector<std::string>{});
    EXPECT_EQ(window->StaticText1()->Text(), kWaiting);
    EXPECT_TRUE(window->ProgressBar1()->Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Closing, UserCloseTest,
    ::testing::Values(UserClose{"CancelButton", [](updateWindow& w) { w.PushButton1()->Push(); }},
                      UserClose{"ReturnKey", [](updateWindow& w) { PressKey(w, Qt::Key_Return); }},
                      UserClose{"EscapeKey", [](updateWindow& w) { PressKey(w, Qt::Key_Escape); }},
                      UserClose{"CloseBox", [](updateWindow& w) { w.Widget()->close(); }}),
    [](const ::testing::TestParamInfo<UserClose>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Reading an element of the document.

TEST(ReturnValueTest, ReadsTheFirstElement) {
    const struct {
        const char* name;
        std::string source;
        std::string element;
        std::string expected;
    } rows[] = {
        {"TakenAsItStands", "<a>x</a><Description> two\r\nlines </Description>", "Description",
         " two\r\nlines "},
        {"EmptyElement", "<Free></Free>", "Free", ""},
        {"MissingElement", "<Free>Yes</Free>", "Description", ""},
        // Counting on from position 0 would give "f" here.
        {"EndTagWithoutStartTag", "abcdef</Free>", "Free", ""},
        {"StartTagWithoutEndTag", "<Free>Yes", "Free", ""},
        {"EndTagBeforeStartTagIsNotSeen", "</V><V>1</V>", "V", "1"},
        {"FirstOfTwoElements", "<V>1</V><V>2</V>", "V", "1"},
        {"NestedRunsToTheFirstEndTag", "<V><V>1</V>2</V>", "V", "<V>1"},
        {"EndTagIsTheWholeName", "<V>1</VX>2</V>", "V", "1</VX>2"},
        {"CharactersNotBytes", "<V>é€</V><W>ü</W>", "W", "ü"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(updateWindow::returnValue(row.source, row.element), row.expected);
    }
}

}  // namespace
