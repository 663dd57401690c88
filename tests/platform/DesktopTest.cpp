// Message boxes, the message dialog and URLs: through a replaced desktop, and
// through the real one with real Qt dialogs that the test answers.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
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
using ReplacedDesktop = PlatformTest;

TEST_F(ReplacedDesktop, AnswersTheMessageDialog) {
    for (Button answer : {Button::Action, Button::Cancel, Button::Alternate, Button::None}) {
        desktop_->answer = answer;
        fw::MessageDialog dialog = NewVersionDialog();
        EXPECT_EQ(dialog.ShowModal(), Pressed(dialog, answer)) << static_cast<int>(answer);
    }
    EXPECT_EQ(desktop_->dialogs, std::vector<std::string>(4, "A new version is available."));
}

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

// A message box, and a message dialog whose other buttons are hidden, show one
// button.
TEST_F(SystemDesktop, MsgBoxAndPlainMessageDialogShowOneButton) {
    QStringList shown;
    const auto answer = [&](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        shown.append(box.text());
        for (QAbstractButton* button : box.buttons()) {
            shown.append(button->text());
        }
        box.buttons().front()->click();
    };
    WhenModalOpens(answer);
    fw::MsgBox(
        "Line one\rLine two: Gr\xC3\xBC\xC3\x9F"
        "e");
    WhenModalOpens(answer);
    fw::MessageDialog dialog;
    dialog.Message = "Done.";
    EXPECT_EQ(dialog.ShowModal(), &dialog.ActionButton);
    EXPECT_EQ(shown, QStringList({QString::fromUtf8("Line one\nLine two: Gr\xC3\xBC\xC3\x9F"
                                                    "e"),
                                  "OK", "Done.", "OK"}));
}

QAbstractButton* ButtonCaptioned(QMessageBox& box, const char* caption) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == caption) {
            return button;
        }
    }
    throw std::runtime_error(std::string("no button ") + caption);
}

TEST_F(SystemDesktop, MessageDialogGivesThePressedButton) {
    const std::pair<std::function<void(QMessageBox&)>, Button> presses[] = {
        {[](QMessageBox& b) { ButtonCaptioned(b, "Download")->click(); }, Button::Action},
        {[](QMessageBox& b) { ButtonCaptioned(b, "Not Now")->click(); }, Button::Cancel},
        {[](QMessageBox& b) { ButtonCaptioned(b, "Go to Website")->click(); }, Button::Alternate},
        {[](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, Button::Cancel},
        {[](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, Button::Action},
    };
    for (std::size_t i = 0; i < std::size(presses); ++i) {
        SCOPED_TRACE(i);
        const auto& press = presses[i].first;
        const Button expected = presses[i].second;
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
            press(box);
        });
        fw::MessageDialog dialog = NewVersionDialog();
        EXPECT_EQ(dialog.ShowModal(), Pressed(dialog, expected));
        EXPECT_EQ(captions, QStringList({"Download", "Go to Website", "Not Now"}));
        EXPECT_EQ(title, "Update");
        EXPECT_EQ(explanation, "Version 1.3.0\nDownload it now?");
    }
}

// Whatever the explanation holds, the dialog fits on the screen with its three
// buttons on it; what does not fit is cut and marked with "…".
TEST_F(SystemDesktop, MessageDialogFitsOnTheScreen) {
    std::string words;
    std::string lines;
    for (int i = 0; i < 5000; ++i) {
        words += i < 800 ? "word " : "";
        lines += "x\r";
    }
    const struct {
        const char* name;
        std::string explanation;
        QString shownStart;
        std::string message = NewVersionDialog().Message;
        QString shownMessageStart = "A new version is available.";
        bool messageCut = false;
    } rows[] = {
        {"FiveThousandLineBreaks", std::string(5000, '\r'), QString()},
        {"ShortLines", lines, "x\nx\nx\n"},
        {"FourThousandCharactersOfWords", words, "word word word "},
        {"OneLongWord", std::string(4000, 'x'), "xxx"},
        // With no explanation left, the message is cut too.
        {"LongMessage", "Download it now?", QString(), lines, "x\nx\nx\n", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QRect box;
        QRect screen;
        QString explanation;
        QString text;
        std::vector<QRect> buttons;
        WhenModalOpens([&](QWidget& modal) {
            auto& shown = dynamic_cast<QMessageBox&>(modal);
            box = shown.frameGeometry();
            screen = shown.screen()->availableGeometry();
            explanation = shown.informativeText();
            text = shown.text();
            for (QAbstractButton* button : shown.buttons()) {
                if (button->isVisible()) {
                    buttons.emplace_back(button->mapTo(&shown, QPoint(0, 0)), button->size());
                }
            }
            ButtonCaptioned(shown, "Go to Website")->click();
        });
        fw::MessageDialog dialog = NewVersionDialog();
        dialog.Explanation = row.explanation;
        dialog.Message = row.message;
        EXPECT_EQ(dialog.ShowModal(), &dialog.AlternateActionButton);
        EXPECT_TRUE(screen.contains(box))
            << box.height() << " high on a screen of " << screen.height();
        ASSERT_EQ(buttons.size(), 3U);
        for (const QRect& button : buttons) {
            EXPECT_TRUE(QRect(QPoint(0, 0), box.size()).contains(button));
        }
        EXPECT_TRUE(explanation.startsWith(row.shownStart)) << explanation.left(40).toStdString();
        EXPECT_TRUE(explanation.endsWith(QChar(0x2026)));
        EXPECT_TRUE(text.startsWith(row.shownMessageStart)) << text.left(40).toStdString();
        EXPECT_EQ(text.endsWith(QChar(0x2026)), row.messageCut);
    }
}

TEST_F(SystemDesktop, ShowUrlHandsTheUrlOverUnchanged) {
    UrlRecorder recorder;
    for (const char* scheme : {"http", "https", "mailto"}) {
        QDesktopServices::setUrlHandler(scheme, &recorder, "Open");
    }
    const QStringList urls = {
        "http://www.tessarook.example",
        "http://order.payments.example/?TESSAROOK&lang=en",
        "https://www.tessarook.example/download/tessarook-1.3.0.tar.gz",
        "mailto:author@tessarook.example?subject=Tessarook%201.2.0",
    };
    for (const QString& url : urls) {
        fw::ShowURL(url.toStdString());
    }
    fw::ShowURL("");
    for (const char* scheme : {"http", "https", "mailto"}) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
    EXPECT_EQ(recorder.urls, urls);
}

}  // namespace
