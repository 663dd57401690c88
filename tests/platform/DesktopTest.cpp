// Message boxes, the message dialog and URLs: through a replaced desktop, and
// through the real one with real Qt dialogs that the test answers.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "platform/Desktop.h"
#include "platform/MessageDialog.h"
#include "platform/PlatformTestSupport.h"
#include "platform/UrlRecorder.h"

namespace {

using Button = fw::Desktop::Button;

fw::MessageDialog NewVersionDialog() {
    fw::MessageDialog dialog;
    dialog.Title = "Update";
    dialog.Message = "A new version is available.";
    dialog.Explanation = "Version 1.3.0\rDownload it now?";
    dialog.Icon = 3;
    dialog.ActionButton = {"Download", true};
    dialog.CancelButton = {"Not Now", true};
    dialog.AlternateActionButton = {"Go to Website", true};
    return dialog;
}

fw::MessageDialogButton* Pressed(fw::MessageDialog& dialog, Button button) {
    switch (button) {
        case Button::Action:
            return &dialog.ActionButton;
        case Button::Cancel:
            return &dialog.CancelButton;
        case Button::Alternate:
            return &dialog.AlternateActionButton;
        case Button::None:
            break;
    }
    return nullptr;
}

// A replaced desktop answers in place of the user and sees every call.
struct AnswerCase {
    const char* name;
    Button answer;
};

void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplacedDesktop : public PlatformTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ReplacedDesktop, AnswersTheMessageDialog) {
    desktop_->answer = GetParam().answer;
    fw::MessageDialog dialog = NewVersionDialog();
    EXPECT_EQ(dialog.ShowModal(), Pressed(dialog, GetParam().answer));
    EXPECT_EQ(desktop_->dialogs, std::vector<std::string>{"A new version is available."});
}

INSTANTIATE_TEST_SUITE_P(Desktop, ReplacedDesktop,
                         ::testing::Values(AnswerCase{"Action", Button::Action},
                                           AnswerCase{"Cancel", Button::Cancel},
                                           AnswerCase{"Alternate", Button::Alternate},
                                           AnswerCase{"NoButton", Button::None}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReplacedDesktop, SeesMessageBoxesBeepsAndUrls) {
    fw::MsgBox("First, enter or paste a message to encode!");
    fw::Beep();
    fw::ShowURL("http://www.tessarook.example");
    EXPECT_EQ(desktop_->messages,
              std::vector<std::string>{"First, enter or paste a message to encode!"});
    EXPECT_EQ(desktop_->beeps, 1);
    EXPECT_EQ(desktop_->urls, std::vector<std::string>{"http://www.tessarook.example"});
}

// ---------------------------------------------------------------------------
// The system's desktop, with real dialogs.

class SystemDesktop : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        fw::SetDesktop(nullptr);
    }
};

TEST_F(SystemDesktop, MsgBoxShowsTheTextWithOneButton) {
    QString shown;
    int buttons = 0;
    WhenModalOpens([&](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        shown = box.text();
        buttons = static_cast<int>(box.buttons().size());
        box.buttons().front()->click();
    });
    fw::MsgBox(
        "Line one\rLine two: Gr\xC3\xBC\xC3\x9F"
        "e");
    EXPECT_EQ(shown, QString::fromUtf8("Line one\nLine two: Gr\xC3\xBC\xC3\x9F"
                                       "e"));
    EXPECT_EQ(buttons, 1);
}

struct PressCase {
    const char* name;
    std::function<void(QMessageBox&)> press;
    Button expected;
};

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << c.name;
}

class SystemMessageDialog : public SystemDesktop,
                            public ::testing::WithParamInterface<PressCase> {};

QAbstractButton* ButtonCaptioned(QMessageBox& box, const char* caption) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == caption) {
            return button;
        }
    }
    throw std::runtime_error(std::string("no button ") + caption);
}

TEST_P(SystemMessageDialog, GivesThePressedButton) {
    const PressCase& c = GetParam();
    QStringList captions;
    QString title;
    QString explanation;
    WhenModalOpens([&](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        for (QAbstractButton* button : box.buttons()) {
            captions.append(button->text());
        }
        captions.sort();
        title = box.windowTitle();
        explanation = box.informativeText();
        c.press(box);
    });
    fw::MessageDialog dialog = NewVersionDialog();
    EXPECT_EQ(dialog.ShowModal(), Pressed(dialog, c.expected));
    EXPECT_EQ(captions, QStringList({"Download", "Go to Website", "Not Now"}));
    EXPECT_EQ(title, "Update");
    EXPECT_EQ(explanation, "Version 1.3.0\nDownload it now?");
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, SystemMessageDialog,
    ::testing::Values(
        PressCase{"ActionButton", [](QMessageBox& b) { ButtonCaptioned(b, "Download")->click(); },
                  Button::Action},
        PressCase{"CancelButton", [](QMessageBox& b) { ButtonCaptioned(b, "Not Now")->click(); },
                  Button::Cancel},
        PressCase{"AlternateButton",
                  [](QMessageBox& b) { ButtonCaptioned(b, "Go to Website")->click(); },
                  Button::Alternate},
        PressCase{"EscapeIsCancel", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); },
                  Button::Cancel},
        PressCase{"ReturnIsTheActionButton",
                  [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, Button::Action}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SystemDesktop, MessageDialogShowsOnlyItsVisibleButtons) {
    QStringList captions;
    WhenModalOpens([&](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        for (QAbstractButton* button : box.buttons()) {
            captions.append(button->text());
        }
        box.buttons().front()->click();
    });
    fw::MessageDialog dialog;
    dialog.Message = "Done.";
    EXPECT_EQ(dialog.ShowModal(), &dialog.ActionButton);
    EXPECT_EQ(captions, QStringList({"OK"}));
}

// URLs go to the desktop's handler unchanged.
struct UrlCase {
    const char* name;
    const char* url;
};

void PrintTo(const UrlCase& c, std::ostream* os) {
    *os << c.name;
}

class SystemShowUrl : public SystemDesktop, public ::testing::WithParamInterface<UrlCase> {
protected:
    void SetUp() override {
        SystemDesktop::SetUp();
        for (const char* scheme : {"http", "https", "mailto"}) {
            QDesktopServices::setUrlHandler(scheme, &recorder_, "Open");
        }
    }
    void TearDown() override {
        for (const char* scheme : {"http", "https", "mailto"}) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
        SystemDesktop::TearDown();
    }
    UrlRecorder recorder_;
};

TEST_P(SystemShowUrl, HandsTheUrlOverUnchanged) {
    fw::ShowURL(GetParam().url);
    EXPECT_EQ(recorder_.urls, QStringList({GetParam().url}));
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, SystemShowUrl,
    ::testing::Values(
        UrlCase{"WebSite", "http://www.tessarook.example"},
        UrlCase{"OrderPageWithBareQueryItem", "http://order.payments.example/?TESSAROOK&lang=en"},
        UrlCase{"Https", "https://www.tessarook.example/download/tessarook-1.3.0.tar.gz"},
        UrlCase{"Mail", "mailto:author@tessarook.example?subject=Tessarook%201.2.0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SystemShowUrl, EmptyUrlOpensNothing) {
    fw::ShowURL("");
    EXPECT_TRUE(recorder_.urls.isEmpty());
}

}  // namespace
