// The update check as the user runs it: Check for Update > Check Now, then
// "Check for Updates", against a local server that answers for the maker's web
// host. The fake desktop answers the message boxes and the new-version dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "FakeDesktop.h"
#include "UpdateServer.h"
#include "app/App.h"
#include "platform/MenuBar.h"
#include "platform/Runtime.h"
#include "platform/net/HttpUrl.h"
#include "update/UpdateAddresses.h"
#include "update/selfTest.h"
#include "update/updateWindow.h"

namespace {

using Button = fw::Desktop::Button;

const std::string kWaiting = "Checking for update...";
const std::string kCurrent = "This version is current.";
const std::string kCurrentBox = "box: You are using the current version. No update is available.";

std::string ErrorBox(int code) {
    return "box: There was a communication error with the website. Please try again later. "
           "(Code: " +
           std::to_string(code) + ")";
}

std::string Document(const std::string& version, const std::string& more = "") {
    return "<?xml version=\"1.0\"?>\n<Update>\n<CurrentVersion>" + version + "</CurrentVersion>\n" +
           more + "</Update>\n";
}

// Runs the event loop until `done` holds; the limit only guards against a hang.
bool RunUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    poll.start(1);
    if (!done()) {
        loop.exec();
    }
    return done();
}

class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(App::Instance()->ShortVersion(), "1.2.0")
            << "the documents of these tests are written for version 1.2.0";
        fw::SetDesktop(desktop);
        fw::SetUnhandledExceptionHandler(
            [this](const std::exception& error) { unhandled.emplace_back(error.what()); });
        server.onRequest = [this] {
            Observe();
            versionWindowOpenAtRequest =
                fw::GetImplicitWindow(selfTest::kRuntimeClassName) != nullptr;
            barMaximumAtRequest = window ? window->ProgressBar1()->Maximum() : -1;
            if (atRequest) {
                atRequest();
            }
        };
        desktop->onShow = [this] { Observe(); };
    }

    void TearDown() override {
        for (const auto& open : fw::OpenWindows()) {
            open->Close();
        }
        fw::SetDesktop(nullptr);
        fw::SetUnhandledExceptionHandler(nullptr);
        EXPECT_EQ(unhandled, std::vector<std::string>{});
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

    std::shared_ptr<FakeDesktop> desktop = std::make_shared<FakeDesktop>();
    UpdateServer server{fw::HttpUrl(UpdateAddresses::UpdateDocument()).ConnectHost()};
    std::function<void()> atRequest;
    std::shared_ptr<updateWindow> window;
    bool versionWindowOpenAtRequest = true;
    int barMaximumAtRequest = -1;
    std::vector<std::string> unhandled;
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
};

void PrintTo(const Outcome& row, std::ostream* out) {
    *out << row.name;
}

class OutcomeTest : public UpdateCheckTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(OutcomeTest, EndsAsTheOutcomeSays) {
    const Outcome& row = GetParam();
    if (row.refused) {
        server.Refuse();
    } else {
        server.Reply(row.status, row.body);
    }
    desktop->answer = row.answer;
    QObject probes;
    bool openAfterDialog = false;
    std::string labelAfterDialog;
    if (row.staysOpen) {
        desktop->onShow = [&] {
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
    EXPECT_EQ(desktop->log, row.log);
    EXPECT_EQ(window->StaticText1()->Text(), row.label);
    EXPECT_EQ(window->ProgressBar1()->Visible(), row.barVisible);
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(fw::GetImplicitWindow(selfTest::kRuntimeClassName), nullptr);
    if (!row.refused) {
        EXPECT_FALSE(versionWindowOpenAtRequest);
        EXPECT_EQ(barMaximumAtRequest, 0);
    }
    if (row.staysOpen) {
        EXPECT_TRUE(openAfterDialog);
        EXPECT_EQ(labelAfterDialog, kWaiting);
    }
}

const std::string kDownload = "url: " + UpdateAddresses::DownloadPage();
const std::string kWebSite = "url: " + UpdateAddresses::WebSite();

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
        Outcome{.name = "CurrentComparedAsNumbers",
                .body = Document("01.2.0"),
                .log = {kCurrentBox},
                .label = kCurrent},
        Outcome{.name = "FirstVersionCounts",
                .body = Document("1.2.0", Document("1.3.0")),
                .log = {kCurrentBox},
                .label = kCurrent},
        Outcome{.name = "StatusCodeIgnored",
                .status = 404,
                .body = Document("1.2.0"),
                .log = {kCurrentBox},
                .label = kCurrent},
        Outcome{.name = "OlderVersionOfferedCancel",
                .body = Document("1.1.9"),
                .answer = Button::Cancel,
                .log = {"dialog"}},
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
        Outcome{.name = "EmptyVersionElementIsOffered", .body = Document(""), .log = {"dialog"}},
        Outcome{.name = "ErrorPageIsNoDocument",
                .status = 404,
                .body = "<html><body>Not Found</body></html>",
                .log = {"beep", ErrorBox(10)},
                .barVisible = true},
        Outcome{.name = "VersionWithoutEndTagIsNoDocument",
                .body = "<Update><CurrentVersion>1.3.0</Update>",
                .log = {"beep", ErrorBox(10)},
                .barVisible = true},
        Outcome{.name = "ConnectionRefused",
                .log = {"beep", ErrorBox(3)},
                .barVisible = true,
                .refused = true}),
    [](const ::testing::TestParamInfo<Outcome>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The new-version dialog.

struct Offer {
    const char* name;
    std::string free;  // the Free element, or nothing
    bool isFree;
};

void PrintTo(const Offer& row, std::ostream* out) {
    *out << row.name;
}

class OfferTest : public UpdateCheckTest, public ::testing::WithParamInterface<Offer> {};

TEST_P(OfferTest, DialogSaysFreeOrPaid) {
    const std::string description = "Faster codes.\nA new help text.";
    server.Reply(
        200, Document("1.3.0", "<Description>" + description + "</Description>" + GetParam().free));
    RunCheck();

    ASSERT_EQ(desktop->dialogs.size(), 1U);
    const fw::MessageDialog& dialog = desktop->dialogs.front();
    const fw::MessageDialog untouched;
    EXPECT_EQ(dialog.Title, "New version available!");
    EXPECT_EQ(dialog.Message,
              GetParam().isFree
                  ? "Version 1.3.0 is now available. (You are using version 1.2.0.) This is a "
                    "free upgrade. Would you like to automatically download this update (using "
                    "your web browser)?"
                  : "Version 1.3.0 is now available. (You are using version 1.2.0.) This is a "
                    "paid upgrade. Would you like to automatically download the trial version "
                    "(using your web browser)?");
    EXPECT_EQ(dialog.Explanation, description);
    EXPECT_EQ(dialog.Icon, 3);
    EXPECT_EQ(dialog.ActionButton.Caption, untouched.ActionButton.Caption);
    EXPECT_EQ(dialog.ActionButton.Visible, untouched.ActionButton.Visible);
    EXPECT_EQ(dialog.CancelButton.Caption, untouched.CancelButton.Caption);
    EXPECT_TRUE(dialog.CancelButton.Visible);
    EXPECT_EQ(dialog.AlternateActionButton.Caption, "Go to Website");
    EXPECT_TRUE(dialog.AlternateActionButton.Visible);
}

INSTANTIATE_TEST_SUITE_P(FreeElement, OfferTest,
                         ::testing::Values(Offer{"Yes", "<Free>Yes</Free>", true},
                                           Offer{"YesInOtherCase", "<Free>yEs</Free>", true},
                                           Offer{"No", "<Free>No</Free>", false},
                                           Offer{"Empty", "<Free></Free>", false},
                                           Offer{"Missing", "", false}),
                         [](const ::testing::TestParamInfo<Offer>& info) {
                             return std::string(info.param.name);
                         });

// ---------------------------------------------------------------------------
// The request, the version window and the automatic check.

TEST_F(UpdateCheckTest, RequestGoesToTheUpdateAddress) {
    server.Reply(200, Document("1.2.0"));
    RunCheck();
    ASSERT_EQ(server.requests.size(), 1U);
    EXPECT_EQ(server.requests.front(),
              "GET /Updates/tessarook.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\n"
              "Host: " +
                  std::string(buildconfig::kWebHost) + "\r\n\r\n");
}

TEST_F(UpdateCheckTest, CheckNowShowsOneVersionWindowWithTheRunningVersion) {
    ChooseCheckNow();
    ChooseCheckNow();
    int versionWindows = 0;
    for (const auto& open : fw::OpenWindows()) {
        versionWindows += open->RuntimeClassName() == selfTest::kRuntimeClassName ? 1 : 0;
    }
    EXPECT_EQ(versionWindows, 1);
    EXPECT_EQ(selfTest::Instance()->StaticText2()->Text(), App::Instance()->LongVersion());
}

TEST_F(UpdateCheckTest, AutomaticCheckShowsNoBoxForTheCurrentVersion) {
    server.Reply(200, Document("1.2.0"));
    atRequest = [this] { window->automaticCheck = true; };
    RunCheck();
    ASSERT_TRUE(window);
    EXPECT_EQ(desktop->log, std::vector<std::string>{});
    EXPECT_EQ(window->StaticText1()->Text(), kCurrent);
    EXPECT_FALSE(window->IsOpen());
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
    // dropped the request.
    EXPECT_TRUE(RunUntil([this] { return server.connectionsEnded == 1; }));
    QCoreApplication::processEvents();

    EXPECT_EQ(desktop->log, std::vector<std::string>{});
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

}  // namespace
