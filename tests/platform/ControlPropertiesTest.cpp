// Window and control records applied to real Qt widgets, and what the widgets
// then show.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

#include "platform/HostWindow.h"
#include "platform/Label.h"
#include "platform/PlatformTestSupport.h"
#include "platform/ProgressBar.h"
#include "platform/PushButton.h"
#include "platform/TestWindowLayout.h"
#include "platform/TextArea.h"
#include "support/DarkPalette.h"

namespace {

using fw::RecordKind;
using fw::RGB;
using namespace std::string_literals;

template <typename W>
W& As(const std::shared_ptr<fw::RectControl>& control) {
    auto* widget = qobject_cast<W*>(control->Widget());
    if (widget == nullptr) {
        throw std::runtime_error(std::string("widget is a ") +
                                 control->Widget()->metaObject()->className());
    }
    return *widget;
}

bool IsArialOrMetricCompatible(const QFont& font) {
    const QString family = QFontInfo(font).family();
    return family == "Arial" || family == "Liberation Sans" || family == "Arimo";
}

Qt::Alignment Horizontal(QLabel& label) {
    return label.alignment() & Qt::AlignHorizontal_Mask;
}

class ControlRecord : public PlatformTest {
protected:
    // A visible 400 x 300 window holding what `createControls` adds.
    void Host(const HostWindow::Builder& createControls) {
        window_ = HostWindow::Open(
            TestRecord(RecordKind::Window, {{"Width", 400}, {"Height", 300}}), createControls);
        QApplication::processEvents();
        ASSERT_TRUE(window_->Widget()->isVisible());
    }
    std::shared_ptr<HostWindow> window_;
};

TEST_F(ControlRecord, TextAreaPlainOrStyled) {
    const std::string utf8 =
        "Gr\xC3\xBC\xC3\x9F"
        "e \xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x98\x80";
    const std::string longLine(300, 'w');
    std::shared_ptr<fw::TextArea> plain;
    std::shared_ptr<fw::TextArea> styled;
    Host([&](HostWindow& w) {
        // clang-format off
        plain = AddTestControl<fw::TextArea>(w, "Plain", {
            {"Left", 15}, {"Top", 25}, {"Width", 200}, {"Height", 90}, {"TabStop", false},
            {"Border", true}, {"ScrollbarVertical", true}, {"HideSelection", true},
            {"Text", "Eins\rZwei\r\r" + longLine + "\r" + utf8}});
        // Geometry and scroll bars come before Styled and must survive the new widget.
        styled = AddTestControl<fw::TextArea>(w, "Styled", {
            {"Left", 220}, {"Top", 25}, {"ScrollbarHorizontal", true}, {"Styled", true}, {"TextColor", RGB(1, 2, 3)},
            {"BackColor", RGB(250, 240, 230)}, {"HelpTag", "tip"s}, {"TextFont", "Arial"s},
            {"Bold", true}, {"Italic", true}, {"Underline", true},
            {"Text", "<b>kept as typed</b>"s}, {"ReadOnly", true}, {"AcceptTabs", true}});
        // clang-format on
    });

    auto& edit = As<QPlainTextEdit>(plain);
    EXPECT_EQ(edit.parentWidget(), window_->ContentWidget());
    EXPECT_EQ(edit.geometry(), QRect(15, 25, 200, 90));
    EXPECT_EQ(edit.blockCount(), 5);
    const std::string shown = "Eins\nZwei\n\n" + longLine + "\n" + utf8;
    EXPECT_EQ(edit.toPlainText(), QString::fromStdString(shown));
    EXPECT_EQ(plain->Text(), shown);
    EXPECT_FALSE(edit.isReadOnly());
    EXPECT_GT(edit.frameWidth(), 0);
    EXPECT_EQ(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(edit.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_TRUE(edit.tabChangesFocus());
    // Out of the Tab chain, but still a field the user can click into.
    EXPECT_EQ(edit.focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(edit.font().family(), QApplication::font().family());
    EXPECT_EQ(edit.font().pointSizeF(), QApplication::font().pointSizeF());
    EXPECT_FALSE(edit.font().bold());
    EXPECT_EQ(edit.palette().color(QPalette::Inactive, QPalette::Highlight),
              edit.palette().color(QPalette::Inactive, QPalette::Base));

    auto& rich = As<QTextEdit>(styled);
    EXPECT_EQ(rich.geometry(), QRect(220, 25, 120, 40));
    EXPECT_TRUE(rich.acceptRichText());
    EXPECT_EQ(rich.toPlainText(), "<b>kept as typed</b>");
    EXPECT_TRUE(rich.isReadOnly());
    EXPECT_TRUE(styled->ReadOnly());
    EXPECT_EQ(rich.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(rich.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(rich.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(rich.lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_FALSE(rich.tabChangesFocus());
    EXPECT_EQ(rich.focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(rich.toolTip(), "tip");
    EXPECT_EQ(rich.palette().color(QPalette::Text), QColor(1, 2, 3));
    EXPECT_EQ(rich.palette().color(QPalette::Base), QColor(250, 240, 230));
    EXPECT_TRUE(IsArialOrMetricCompatible(rich.font()))
        << QFontInfo(rich.font()).family().toStdString();
    EXPECT_TRUE(rich.font().bold() && rich.font().italic() && rich.font().underline());
    EXPECT_EQ(rich.palette().color(QPalette::Inactive, QPalette::Highlight),
              rich.palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(ControlRecord, LabelTextFontAndAlignment) {
    std::shared_ptr<fw::Label> right;
    std::shared_ptr<fw::Label> centred;
    std::shared_ptr<fw::Label> left;
    Host([&](HostWindow& w) {
        // clang-format off
        right = AddTestControl<fw::Label>(w, "Right", {
            {"Left", 36}, {"Top", 20}, {"Width", 67}, {"Height", 20}, {"TextAlign", 2},
            {"Text", "Version:\r1.2.0 <b>&Save</b> \xE2\x82\xAC"s}, {"TextColor", RGB(0, 0, 0x80)},
            {"Multiline", true}, {"TextFont", "Arial"s}, {"Bold", true}, {"Underline", true}},
            30);
        // clang-format on
        centred = AddTestControl<fw::Label>(
            w, "Centred", {{"TextAlign", 1}, {"Visible", false}, {"Italic", true}});
        left = AddTestControl<fw::Label>(w, "Left", {{"TextAlign", 0}, {"Enabled", false}});
    });

    auto& label = As<QLabel>(right);
    EXPECT_EQ(label.geometry(), QRect(36, 20, 67, 20));
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_EQ(label.text(), QString::fromUtf8("Version:\n1.2.0 <b>&Save</b> \xE2\x82\xAC"));
    EXPECT_EQ(Horizontal(label), Qt::AlignRight);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    EXPECT_TRUE(label.wordWrap());
    EXPECT_EQ(label.font().pixelSize(), 30);
    EXPECT_TRUE(IsArialOrMetricCompatible(label.font()));
    EXPECT_TRUE(label.font().bold() && label.font().underline());
    EXPECT_FALSE(label.font().italic());
    EXPECT_EQ(label.focusPolicy(), Qt::NoFocus);

    EXPECT_EQ(Horizontal(As<QLabel>(centred)), Qt::AlignHCenter);
    EXPECT_FALSE(centred->Widget()->isVisible());
    EXPECT_TRUE(centred->Widget()->font().italic());
    EXPECT_FALSE(As<QLabel>(centred).wordWrap());
    EXPECT_EQ(centred->Widget()->font().pointSizeF(), QApplication::font().pointSizeF());

    EXPECT_EQ(Horizontal(As<QLabel>(left)), Qt::AlignLeft);
    EXPECT_FALSE(left->Widget()->isEnabled());
}

// The record's black stands for the theme's text colour only on a window
// without its own background; other colours are kept (see above).
TEST_F(ControlRecord, LabelBlackIsTheThemesTextColour) {
    const app_test::DarkPalette dark;
    const struct {
        const char* name;
        bool windowBackground;
        QColor shown;
    } rows[] = {{"ThemeBackground", false, app_test::DarkPalette::kText},
                {"OwnBackground", true, QColor(0, 0, 0)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::shared_ptr<fw::Label> label;
        const auto window = HostWindow::Open(
            TestRecord(RecordKind::Window,
                       {{"HasBackColor", row.windowBackground}, {"BackColor", RGB(250, 250, 250)}}),
            [&](HostWindow& w) {
                label = AddTestControl<fw::Label>(w, "Label", {{"TextColor", RGB(0, 0, 0)}});
            });
        EXPECT_EQ(label->Widget()->palette().color(QPalette::WindowText), row.shown);
    }
}

TEST_F(ControlRecord, PushButtonCaptionDefaultAndTabStop) {
    std::shared_ptr<fw::PushButton> shown;
    std::shared_ptr<fw::PushButton> off;
    Host([&](HostWindow& w) {
        // clang-format off
        shown = AddTestControl<fw::PushButton>(w, "Shown", {
            {"Left", 28}, {"Top", 61}, {"Width", 157}, {"Height", 21},
            {"Caption", "Check for Updates"s}, {"Default", true}, {"Bold", true}});
        // clang-format on
        off = AddTestControl<fw::PushButton>(
            w, "Off", {{"TabStop", false}, {"Enabled", false}, {"Visible", false}});
    });

    auto& button = As<QPushButton>(shown);
    EXPECT_EQ(button.geometry(), QRect(28, 61, 157, 21));
    EXPECT_EQ(button.text(), "Check for Updates");
    EXPECT_TRUE(button.isDefault());
    EXPECT_TRUE(button.font().bold());
    EXPECT_EQ(button.font().pointSizeF(), QApplication::font().pointSizeF());
    EXPECT_TRUE(button.focusPolicy() & Qt::TabFocus);

    EXPECT_FALSE(As<QPushButton>(off).isDefault());
    EXPECT_FALSE(off->Widget()->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(off->Widget()->isEnabled());
    EXPECT_FALSE(off->Widget()->isVisible());
}

TEST_F(ControlRecord, ProgressBarValueOrBusy) {
    std::shared_ptr<fw::ProgressBar> bar;
    std::shared_ptr<fw::ProgressBar> busy;
    Host([&](HostWindow& w) {
        bar = AddTestControl<fw::ProgressBar>(
            w, "Bar", {{"Left", 20}, {"Top", 47}, {"Width", 266}, {"Height", 12}, {"Value", 40}});
        busy = AddTestControl<fw::ProgressBar>(w, "Busy", {{"Maximum", 0}});
    });

    auto& progress = As<QProgressBar>(bar);
    EXPECT_EQ(progress.geometry(), QRect(20, 47, 266, 12));
    EXPECT_EQ(progress.minimum(), 0);
    EXPECT_EQ(progress.maximum(), 100);
    EXPECT_EQ(progress.value(), 40);
    EXPECT_EQ(progress.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(As<QProgressBar>(busy).minimum(), 0);
    EXPECT_EQ(As<QProgressBar>(busy).maximum(), 0);
}

// ---------------------------------------------------------------------------
// Window records.

using WindowRecord = PlatformTest;

TEST_F(WindowRecord, FixedDocumentWindow) {
    const std::string title =
        "Update \xE2\x80\x93 Gr\xC3\xBC\xC3\x9F"
        "e";
    // clang-format off
    const auto window = HostWindow::Open(TestRecord(RecordKind::Window, {
        {"Width", 333}, {"Height", 222}, {"HasBackColor", true}, {"BackColor", RGB(10, 20, 30)},
        {"Title", title}, {"MinimizeButton", true}}));
    // clang-format on
    window->MenuBar(test_window_layout::NewMenuBar());
    QApplication::processEvents();
    auto& frame = *qobject_cast<QMainWindow*>(window->Widget());
    QWidget& content = *window->ContentWidget();

    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(content.size(), QSize(333, 222));
    EXPECT_EQ(frame.windowTitle(), QString::fromStdString(title));
    EXPECT_EQ(frame.windowType(), Qt::Window);
    EXPECT_FALSE(frame.isModal());
    EXPECT_TRUE(frame.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(frame.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(content.autoFillBackground());
    EXPECT_EQ(content.palette().color(QPalette::Window), QColor(10, 20, 30));
    ASSERT_NE(frame.menuWidget(), nullptr);
    EXPECT_TRUE(frame.menuWidget()->isVisible());
    EXPECT_GE(content.geometry().top(), frame.menuWidget()->geometry().bottom());

    frame.resize(640, 480);
    QApplication::processEvents();
    EXPECT_EQ(content.size(), QSize(333, 222));
}

TEST_F(WindowRecord, ResizableDialogHiddenUntilShown) {
    // clang-format off
    const auto window = HostWindow::Open(TestRecord(RecordKind::Window, {
        {"Width", 300}, {"Height", 200}, {"MinWidth", 100}, {"MinHeight", 80}, {"MaxWidth", 500},
        {"MaxHeight", 400}, {"Frame", 1}, {"BackColor", RGB(10, 20, 30)}, {"Visible", false},
        {"MenuBarVisible", false}, {"CloseButton", false}, {"Resizeable", true},
        {"MaximizeButton", true}}));
    // clang-format on
    window->MenuBar(test_window_layout::NewMenuBar());
    auto& frame = *qobject_cast<QMainWindow*>(window->Widget());
    QWidget& content = *window->ContentWidget();

    EXPECT_FALSE(frame.isVisible());
    window->Show();
    QApplication::processEvents();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowType(), Qt::Dialog);
    EXPECT_TRUE(frame.isModal());
    EXPECT_FALSE(frame.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(frame.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(content.palette().color(QPalette::Window), QColor(10, 20, 30));
    ASSERT_NE(frame.menuWidget(), nullptr);
    EXPECT_FALSE(frame.menuWidget()->isVisible());
    EXPECT_EQ(content.size(), QSize(300, 200));
    EXPECT_EQ(content.minimumSize(), QSize(100, 80));
    EXPECT_EQ(content.maximumSize(), QSize(500, 400));
    frame.resize(frame.width() + 50, frame.height() + 40);
    QApplication::processEvents();
    EXPECT_EQ(content.size(), QSize(350, 240));
}

}  // namespace
