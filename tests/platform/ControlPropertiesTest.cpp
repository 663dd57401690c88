// Every property of a window or control record, applied to real Qt widgets, and
// what the widget then shows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

#include "platform/HostWindow.h"
#include "platform/PlatformTestSupport.h"
#include "platform/RectControl.h"
#include "platform/TestWindowLayout.h"
#include "platform/TextArea.h"

namespace {

using fw::RecordKind;
using fw::RGB;
using namespace std::string_literals;

using ControlCheck = std::function<void(QWidget&, fw::RectControl&)>;

struct ControlCase {
    const char* name;
    RecordKind kind;
    Overrides overrides;
    ControlCheck check;
    double textSize = 0;  // set before the record, as windows do for labels
};

void PrintTo(const ControlCase& c, std::ostream* os) {
    *os << c.name;
}

class ControlRecord : public PlatformTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlRecord, ShowsOnTheWidget) {
    const ControlCase& c = GetParam();
    std::shared_ptr<fw::RectControl> control;
    const auto window = HostWindow::Open(
        EncodeRecord(RecordKind::Window, {{"Width", 400}, {"Height", 300}}), [&](HostWindow& w) {
            control =
                AddControlOfKind(w, c.kind, "Ctl", EncodeRecord(c.kind, c.overrides), c.textSize);
        });
    QApplication::processEvents();
    ASSERT_TRUE(window->Widget()->isVisible());
    ASSERT_NE(control->Widget(), nullptr);
    EXPECT_EQ(control->Widget()->parentWidget(), window->ContentWidget());
    c.check(*control->Widget(), *control);
}

template <typename W>
W& As(QWidget& widget) {
    auto* cast = qobject_cast<W*>(&widget);
    if (cast == nullptr) {
        throw std::runtime_error(std::string("widget is a ") + widget.metaObject()->className());
    }
    return *cast;
}

bool IsArialOrMetricCompatible(const QFont& font) {
    const QString family = QFontInfo(font).family();
    return family == "Arial" || family == "Liberation Sans" || family == "Arimo";
}

// 70000 characters in lines of 100, more than a 16-bit count could hold.
const std::string kLongText = [] {
    std::string text;
    for (int line = 0; line < 700; ++line) {
        text += std::string(99, 'w') + "\r";
    }
    return text;
}();

// Text areas.
const ControlCase kTextAreaCases[] = {
    {"TextAreaGeometry",
     RecordKind::TextArea,
     {{"Left", 15}, {"Top", 25}, {"Width", 200}, {"Height", 90}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.geometry(), QRect(15, 25, 200, 90)); }},
    {"TextAreaPlainTextWhenNotStyled",
     RecordKind::TextArea,
     {{"Styled", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_NE(qobject_cast<QPlainTextEdit*>(&w), nullptr); }},
    {"TextAreaRichTextWhenStyled",
     RecordKind::TextArea,
     {{"Styled", true}, {"Text", "<b>kept as typed</b>"s}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_TRUE(As<QTextEdit>(w).acceptRichText());
         EXPECT_EQ(As<QTextEdit>(w).toPlainText(), "<b>kept as typed</b>");
     }},
    {"TextAreaStyledKeepsEveryOtherProperty",
     RecordKind::TextArea,
     {{"Styled", true},
      {"Left", 7},
      {"Top", 9},
      {"Width", 150},
      {"Height", 60},
      {"Border", false},
      {"ReadOnly", true},
      {"Enabled", false},
      {"HelpTag", "tip"s},
      {"TextColor", RGB(1, 2, 3)},
      {"Bold", true},
      {"Text", "x"s}},
     [](QWidget& w, fw::RectControl&) {
         auto& edit = As<QTextEdit>(w);
         EXPECT_EQ(edit.geometry(), QRect(7, 9, 150, 60));
         EXPECT_EQ(edit.frameShape(), QFrame::NoFrame);
         EXPECT_TRUE(edit.isReadOnly());
         EXPECT_FALSE(edit.isEnabled());
         EXPECT_EQ(edit.toolTip(), "tip");
         EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(1, 2, 3));
         EXPECT_TRUE(edit.font().bold());
         EXPECT_TRUE(edit.isVisible());
         EXPECT_EQ(edit.toPlainText(), "x");
     }},
    {"TextAreaBorder",
     RecordKind::TextArea,
     {{"Border", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_GT(As<QPlainTextEdit>(w).frameWidth(), 0); }},
    {"TextAreaNoBorder",
     RecordKind::TextArea,
     {{"Border", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(As<QPlainTextEdit>(w).frameWidth(), 0); }},
    {"TextAreaVerticalScrollBar",
     RecordKind::TextArea,
     {{"ScrollbarVertical", true}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QPlainTextEdit>(w).verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
     }},
    {"TextAreaNoVerticalScrollBar",
     RecordKind::TextArea,
     {{"ScrollbarVertical", false}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QPlainTextEdit>(w).verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
     }},
    {"TextAreaHorizontalScrollBarKeepsLinesLong",
     RecordKind::TextArea,
     {{"ScrollbarHorizontal", true}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_NE(As<QPlainTextEdit>(w).horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
         EXPECT_EQ(As<QPlainTextEdit>(w).lineWrapMode(), QPlainTextEdit::NoWrap);
     }},
    {"TextAreaWithoutHorizontalScrollBarWraps",
     RecordKind::TextArea,
     {{"ScrollbarHorizontal", false}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QPlainTextEdit>(w).horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
         EXPECT_EQ(As<QPlainTextEdit>(w).lineWrapMode(), QPlainTextEdit::WidgetWidth);
     }},
    {"TextAreaReadOnly",
     RecordKind::TextArea,
     {{"ReadOnly", true}},
     [](QWidget& w, fw::RectControl& c) {
         EXPECT_TRUE(As<QPlainTextEdit>(w).isReadOnly());
         EXPECT_TRUE(dynamic_cast<fw::TextArea&>(c).ReadOnly());
     }},
    {"TextAreaWritable",
     RecordKind::TextArea,
     {{"ReadOnly", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(As<QPlainTextEdit>(w).isReadOnly()); }},
    {"TextAreaAcceptsTabs",
     RecordKind::TextArea,
     {{"AcceptTabs", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(As<QPlainTextEdit>(w).tabChangesFocus()); }},
    {"TextAreaTabMovesFocus",
     RecordKind::TextArea,
     {{"AcceptTabs", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_TRUE(As<QPlainTextEdit>(w).tabChangesFocus()); }},
    {"TextAreaLimitTextZeroIsNoLimit",
     RecordKind::TextArea,
     {{"LimitText", 0}, {"Text", kLongText}},
     [](QWidget& w, fw::RectControl& c) {
         EXPECT_EQ(As<QPlainTextEdit>(w).toPlainText().size(), 70000);
         dynamic_cast<fw::TextArea&>(c).AppendText("more");
         EXPECT_EQ(As<QPlainTextEdit>(w).toPlainText().size(), 70004);
     }},
    {"TextAreaHidesSelectionWhenInactive",
     RecordKind::TextArea,
     {{"HideSelection", true}},
     [](QWidget& w, fw::RectControl&) {
         const QPalette p = w.palette();
         EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Highlight),
                   p.color(QPalette::Inactive, QPalette::Base));
     }},
    {"TextAreaKeepsSelectionWhenInactive",
     RecordKind::TextArea,
     {{"HideSelection", false}},
     [](QWidget& w, fw::RectControl&) {
         const QPalette p = w.palette();
         EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Highlight),
                   p.color(QPalette::Active, QPalette::Highlight));
         EXPECT_NE(p.color(QPalette::Inactive, QPalette::Highlight),
                   p.color(QPalette::Inactive, QPalette::Base));
     }},
    {"TextAreaTextWithCRAndUtf8",
     RecordKind::TextArea,
     {{"Text",
       "Eins\rZwei\r\rGr\xC3\xBC\xC3\x9F"
       "e \xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x98\x80"s}},
     [](QWidget& w, fw::RectControl& c) {
         auto& edit = As<QPlainTextEdit>(w);
         EXPECT_EQ(edit.blockCount(), 4);
         EXPECT_EQ(edit.toPlainText(),
                   QString::fromUtf8("Eins\nZwei\n\nGr\xC3\xBC\xC3\x9F"
                                     "e "
                                     "\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x98\x80"));
         EXPECT_EQ(dynamic_cast<fw::TextArea&>(c).Text(),
                   "Eins\nZwei\n\nGr\xC3\xBC\xC3\x9F"
                   "e \xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x98\x80");
     }},
    {"TextAreaSystemFontAtDefaultSize",
     RecordKind::TextArea,
     {{"TextFont", "System"s}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(w.font().family(), QApplication::font().family());
         EXPECT_EQ(w.font().pointSizeF(), QApplication::font().pointSizeF());
     }},
    {"TextAreaArialOrMetricCompatible",
     RecordKind::TextArea,
     {{"TextFont", "Arial"s}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_TRUE(IsArialOrMetricCompatible(w.font()))
             << QFontInfo(w.font()).family().toStdString();
         EXPECT_EQ(w.font().pointSizeF(), QApplication::font().pointSizeF());
     }},
    {"TextAreaBoldItalicUnderline",
     RecordKind::TextArea,
     {{"Bold", true}, {"Italic", true}, {"Underline", true}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_TRUE(w.font().bold());
         EXPECT_TRUE(w.font().italic());
         EXPECT_TRUE(w.font().underline());
     }},
    {"TextAreaPlainFontStyle",
     RecordKind::TextArea,
     {{"Bold", false}, {"Italic", false}, {"Underline", false}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_FALSE(w.font().bold());
         EXPECT_FALSE(w.font().italic());
         EXPECT_FALSE(w.font().underline());
     }},
    {"TextAreaColors",
     RecordKind::TextArea,
     {{"TextColor", RGB(1, 2, 3)}, {"BackColor", RGB(250, 240, 230)}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(w.palette().color(QPalette::Text), QColor(1, 2, 3));
         EXPECT_EQ(w.palette().color(QPalette::Base), QColor(250, 240, 230));
     }},
    {"TextAreaDisabled",
     RecordKind::TextArea,
     {{"Enabled", false}},
     [](QWidget& w, fw::RectControl& c) {
         EXPECT_FALSE(w.isEnabled());
         EXPECT_FALSE(c.Enabled());
     }},
    {"TextAreaHidden",
     RecordKind::TextArea,
     {{"Visible", false}},
     [](QWidget& w, fw::RectControl& c) {
         EXPECT_FALSE(w.isVisible());
         EXPECT_FALSE(c.Visible());
     }},
    {"TextAreaToolTip",
     RecordKind::TextArea,
     {{"HelpTag", "Type here"s}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.toolTip(), "Type here"); }},
    {"TextAreaTabStop",
     RecordKind::TextArea,
     {{"TabStop", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.focusPolicy(), Qt::StrongFocus); }},
    // Out of the Tab chain, but still a field the user can click into and type in.
    {"TextAreaWithoutTabStopTakesClicks",
     RecordKind::TextArea,
     {{"TabStop", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.focusPolicy(), Qt::ClickFocus); }},
};

// Labels.
const ControlCase kLabelCases[] = {
    {"LabelGeometry",
     RecordKind::Label,
     {{"Left", 36}, {"Top", 20}, {"Width", 67}, {"Height", 20}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.geometry(), QRect(36, 20, 67, 20)); }},
    {"LabelTextWithCR",
     RecordKind::Label,
     {{"Text", "Version:\r1.2.0 \xE2\x82\xAC"s}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QLabel>(w).text(), QString::fromUtf8("Version:\n1.2.0 \xE2\x82\xAC"));
     }},
    {"LabelTextShownAsTyped",
     RecordKind::Label,
     {{"Text", "<b>&Save</b>"s}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QLabel>(w).textFormat(), Qt::PlainText);
         EXPECT_EQ(As<QLabel>(w).text(), "<b>&Save</b>");
     }},
    {"LabelAlignedLeft",
     RecordKind::Label,
     {{"TextAlign", 0}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QLabel>(w).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
     }},
    {"LabelCentred",
     RecordKind::Label,
     {{"TextAlign", 1}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QLabel>(w).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
     }},
    {"LabelAlignedRight",
     RecordKind::Label,
     {{"TextAlign", 2}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QLabel>(w).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
     }},
    {"LabelMultilineWraps",
     RecordKind::Label,
     {{"Multiline", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_TRUE(As<QLabel>(w).wordWrap()); }},
    {"LabelSingleLine",
     RecordKind::Label,
     {{"Multiline", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(As<QLabel>(w).wordWrap()); }},
    {"LabelTextSize30",
     RecordKind::Label,
     {{"TextFont", "System"s}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.font().pointSizeF(), 30.0); },
     30},
    {"LabelArialTextSize12",
     RecordKind::Label,
     {{"TextFont", "Arial"s}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(w.font().pointSizeF(), 12.0);
         EXPECT_TRUE(IsArialOrMetricCompatible(w.font()));
     },
     12},
    {"LabelDefaultSizeWithoutTextSize",
     RecordKind::Label,
     {},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(w.font().pointSizeF(), QApplication::font().pointSizeF());
     }},
    {"LabelTextColor",
     RecordKind::Label,
     {{"TextColor", RGB(0, 0, 0x80)}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(w.palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
     }},
    {"LabelBoldUnderlined",
     RecordKind::Label,
     {{"Bold", true}, {"Underline", true}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_TRUE(w.font().bold());
         EXPECT_TRUE(w.font().underline());
         EXPECT_FALSE(w.font().italic());
     }},
    {"LabelItalic",
     RecordKind::Label,
     {{"Italic", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_TRUE(w.font().italic()); }},
    {"LabelDisabled",
     RecordKind::Label,
     {{"Enabled", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(w.isEnabled()); }},
    {"LabelHidden",
     RecordKind::Label,
     {{"Visible", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(w.isVisible()); }},
    {"LabelNeverTakesFocus",
     RecordKind::Label,
     {{"TabStop", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.focusPolicy(), Qt::NoFocus); }},
};

// Push buttons.
const ControlCase kPushButtonCases[] = {
    {"ButtonGeometry",
     RecordKind::PushButton,
     {{"Left", 28}, {"Top", 61}, {"Width", 157}, {"Height", 21}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.geometry(), QRect(28, 61, 157, 21)); }},
    {"ButtonCaption",
     RecordKind::PushButton,
     {{"Caption", "Check for Updates"s}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QPushButton>(w).text(), "Check for Updates");
     }},
    {"ButtonDefaultIsMarked",
     RecordKind::PushButton,
     {{"Default", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_TRUE(As<QPushButton>(w).isDefault()); }},
    {"ButtonNotDefault",
     RecordKind::PushButton,
     {{"Default", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(As<QPushButton>(w).isDefault()); }},
    {"ButtonBold",
     RecordKind::PushButton,
     {{"Bold", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_TRUE(w.font().bold()); }},
    {"ButtonSystemFontAtDefaultSize",
     RecordKind::PushButton,
     {{"TextFont", "System"s}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(w.font().pointSizeF(), QApplication::font().pointSizeF());
     }},
    {"ButtonDisabled",
     RecordKind::PushButton,
     {{"Enabled", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(w.isEnabled()); }},
    {"ButtonHidden",
     RecordKind::PushButton,
     {{"Visible", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(w.isVisible()); }},
    {"ButtonInTabChain",
     RecordKind::PushButton,
     {{"TabStop", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_TRUE(w.focusPolicy() & Qt::TabFocus); }},
    {"ButtonOutOfTabChain",
     RecordKind::PushButton,
     {{"TabStop", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(w.focusPolicy() & Qt::TabFocus); }},
};

// Progress bars.
const ControlCase kProgressBarCases[] = {
    {"ProgressGeometry",
     RecordKind::ProgressBar,
     {{"Left", 20}, {"Top", 47}, {"Width", 266}, {"Height", 12}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.geometry(), QRect(20, 47, 266, 12)); }},
    {"ProgressValueAndMaximum",
     RecordKind::ProgressBar,
     {{"Value", 40}, {"Maximum", 100}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QProgressBar>(w).minimum(), 0);
         EXPECT_EQ(As<QProgressBar>(w).maximum(), 100);
         EXPECT_EQ(As<QProgressBar>(w).value(), 40);
     }},
    {"ProgressBusyWhenMaximumIsZero",
     RecordKind::ProgressBar,
     {{"Value", 0}, {"Maximum", 0}},
     [](QWidget& w, fw::RectControl&) {
         EXPECT_EQ(As<QProgressBar>(w).minimum(), 0);
         EXPECT_EQ(As<QProgressBar>(w).maximum(), 0);
     }},
    {"ProgressDisabled",
     RecordKind::ProgressBar,
     {{"Enabled", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(w.isEnabled()); }},
    {"ProgressHidden",
     RecordKind::ProgressBar,
     {{"Visible", false}},
     [](QWidget& w, fw::RectControl&) { EXPECT_FALSE(w.isVisible()); }},
    {"ProgressNeverTakesFocus",
     RecordKind::ProgressBar,
     {{"TabStop", true}},
     [](QWidget& w, fw::RectControl&) { EXPECT_EQ(w.focusPolicy(), Qt::NoFocus); }},
};

// Properties without a counterpart here keep the record's value on the control.
const ControlCase kKeptCases[] = {
    {"TextAreaKeepsWhatHasNoEffect",
     RecordKind::TextArea,
     {{"Index", 3},
      {"LockRight", true},
      {"TabPanelIndex", 2},
      {"UseFocusRing", false},
      {"Format", "###"s},
      {"Mask", "(999)"s},
      {"AutoDeactivate", false},
      {"Alignment", 2},
      {"AutomaticallyCheckSpelling", false},
      {"DataSource", "db"s},
      {"DataField", "f"s},
      {"InitialParent", "Box"s},
      {"LimitText", 0},
      {"Multiline", true}},
     [](QWidget&, fw::RectControl& c) {
         EXPECT_EQ(*c.Property("Index"), fw::PropertyValue(3));
         EXPECT_EQ(*c.Property("LockRight"), fw::PropertyValue(true));
         EXPECT_EQ(*c.Property("TabPanelIndex"), fw::PropertyValue(2));
         EXPECT_EQ(*c.Property("UseFocusRing"), fw::PropertyValue(false));
         EXPECT_EQ(*c.Property("Format"), fw::PropertyValue("###"s));
         EXPECT_EQ(*c.Property("Mask"), fw::PropertyValue("(999)"s));
         EXPECT_EQ(*c.Property("Alignment"), fw::PropertyValue(2));
         EXPECT_EQ(*c.Property("DataField"), fw::PropertyValue("f"s));
         EXPECT_EQ(*c.Property("InitialParent"), fw::PropertyValue("Box"s));
         EXPECT_EQ(*c.Property("Multiline"), fw::PropertyValue(true));
     }},
    {"PushButtonKeepsWhatHasNoEffect",
     RecordKind::PushButton,
     {{"ButtonStyle", 4}, {"LockBottom", true}, {"Cancel", true}},
     [](QWidget&, fw::RectControl& c) {
         EXPECT_EQ(*c.Property("ButtonStyle"), fw::PropertyValue(4));
         EXPECT_EQ(*c.Property("LockBottom"), fw::PropertyValue(true));
         EXPECT_EQ(*c.Property("Cancel"), fw::PropertyValue(true));
     }},
    {"LabelKeepsWhatHasNoEffect",
     RecordKind::Label,
     {{"Selectable", true}, {"Transparent", true}, {"DataSource", "db"s}},
     [](QWidget&, fw::RectControl& c) {
         EXPECT_EQ(*c.Property("Selectable"), fw::PropertyValue(true));
         EXPECT_EQ(*c.Property("Transparent"), fw::PropertyValue(true));
         EXPECT_EQ(*c.Property("DataSource"), fw::PropertyValue("db"s));
     }},
};

std::string CaseName(const ::testing::TestParamInfo<ControlCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(TextArea, ControlRecord, ::testing::ValuesIn(kTextAreaCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Label, ControlRecord, ::testing::ValuesIn(kLabelCases), CaseName);
INSTANTIATE_TEST_SUITE_P(PushButton, ControlRecord, ::testing::ValuesIn(kPushButtonCases),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(ProgressBar, ControlRecord, ::testing::ValuesIn(kProgressBarCases),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Kept, ControlRecord, ::testing::ValuesIn(kKeptCases), CaseName);

// ---------------------------------------------------------------------------
// Window records.

struct WindowCase {
    const char* name;
    Overrides overrides;
    std::function<void(QMainWindow&, QWidget& content, fw::Window&)> check;
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.name;
}

class WindowRecord : public PlatformTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(WindowRecord, ShowsOnTheWindow) {
    const WindowCase& c = GetParam();
    const auto window = HostWindow::Open(EncodeRecord(RecordKind::Window, c.overrides));
    QApplication::processEvents();
    c.check(*qobject_cast<QMainWindow*>(window->Widget()), *window->ContentWidget(), *window);
}

const WindowCase kWindowCases[] = {
    {"ContentSize",
     {{"Width", 333}, {"Height", 222}},
     [](QMainWindow&, QWidget& content, fw::Window&) {
         EXPECT_EQ(content.size(), QSize(333, 222));
     }},
    {"NotResizableKeepsItsSize",
     {{"Width", 300}, {"Height", 200}, {"Resizeable", false}},
     [](QMainWindow& w, QWidget& content, fw::Window&) {
         w.resize(640, 480);
         QApplication::processEvents();
         EXPECT_EQ(content.size(), QSize(300, 200));
         EXPECT_EQ(w.minimumSize(), w.maximumSize());
     }},
    {"ResizableWithinItsLimits",
     {{"Width", 300},
      {"Height", 200},
      {"Resizeable", true},
      {"MinWidth", 100},
      {"MinHeight", 80},
      {"MaxWidth", 500},
      {"MaxHeight", 400}},
     [](QMainWindow& w, QWidget& content, fw::Window&) {
         EXPECT_EQ(content.size(), QSize(300, 200));
         EXPECT_EQ(content.minimumSize(), QSize(100, 80));
         EXPECT_EQ(content.maximumSize(), QSize(500, 400));
         w.resize(w.width() + 50, w.height() + 40);
         QApplication::processEvents();
         EXPECT_EQ(content.size(), QSize(350, 240));
     }},
    {"Title",
     {{"Title",
       "Update \xE2\x80\x93 Gr\xC3\xBC\xC3\x9F"
       "e"s}},
     [](QMainWindow& w, QWidget&, fw::Window& window) {
         EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Update \xE2\x80\x93 Gr\xC3\xBC\xC3\x9F"
                                                      "e"));
         EXPECT_EQ(window.Title(),
                   "Update \xE2\x80\x93 Gr\xC3\xBC\xC3\x9F"
                   "e");
     }},
    {"FrameZeroIsADocumentWindow",
     {{"Frame", 0}},
     [](QMainWindow& w, QWidget&, fw::Window&) {
         EXPECT_EQ(w.windowType(), Qt::Window);
         EXPECT_FALSE(w.isModal());
     }},
    {"FrameOneIsAModalDialog",
     {{"Frame", 1}},
     [](QMainWindow& w, QWidget&, fw::Window&) {
         EXPECT_EQ(w.windowType(), Qt::Dialog);
         EXPECT_TRUE(w.isModal());
     }},
    {"CloseAndMinimiseButtons",
     {{"CloseButton", true}, {"MinimizeButton", true}, {"MaximizeButton", false}},
     [](QMainWindow& w, QWidget&, fw::Window&) {
         EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
         EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
         EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
     }},
    {"OnlyAMaximiseButton",
     {{"CloseButton", false}, {"MinimizeButton", false}, {"MaximizeButton", true}},
     [](QMainWindow& w, QWidget&, fw::Window&) {
         EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
         EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
         EXPECT_TRUE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
     }},
    {"VisibleFromItsCreation",
     {{"Visible", true}},
     [](QMainWindow& w, QWidget&, fw::Window&) { EXPECT_TRUE(w.isVisible()); }},
    {"HiddenByItsRecord",
     {{"Visible", false}},
     [](QMainWindow& w, QWidget&, fw::Window& window) {
         EXPECT_FALSE(w.isVisible());
         window.Show();
         EXPECT_TRUE(w.isVisible());
     }},
    {"BackColorWhenUsed",
     {{"HasBackColor", true}, {"BackColor", RGB(10, 20, 30)}},
     [](QMainWindow&, QWidget& content, fw::Window&) {
         EXPECT_TRUE(content.autoFillBackground());
         EXPECT_EQ(content.palette().color(QPalette::Window), QColor(10, 20, 30));
     }},
    {"BackColorWhenNotUsed",
     {{"HasBackColor", false}, {"BackColor", RGB(10, 20, 30)}},
     [](QMainWindow&, QWidget& content, fw::Window&) {
         EXPECT_NE(content.palette().color(QPalette::Window), QColor(10, 20, 30));
     }},
    {"MenuBarHiddenByItsRecord",
     {{"MenuBarVisible", false}},
     [](QMainWindow& w, QWidget&, fw::Window& window) {
         window.MenuBar(test_window_layout::NewMenuBar());
         ASSERT_NE(w.menuWidget(), nullptr);
         EXPECT_FALSE(w.menuWidget()->isVisible());
     }},
    {"MenuBarShownAboveTheContent",
     {{"MenuBarVisible", true}, {"Height", 200}},
     [](QMainWindow& w, QWidget& content, fw::Window& window) {
         window.MenuBar(test_window_layout::NewMenuBar());
         QApplication::processEvents();
         ASSERT_NE(w.menuWidget(), nullptr);
         EXPECT_TRUE(w.menuWidget()->isVisible());
         EXPECT_GE(content.geometry().top(), w.menuWidget()->geometry().bottom());
         EXPECT_EQ(content.size(), QSize(300, 200));
     }},
    {"KeepsWhatHasNoEffect",
     {{"Placement", 2},
      {"Composite", true},
      {"LiveResize", true},
      {"FullScreen", false},
      {"MacProcID", 7}},
     [](QMainWindow&, QWidget&, fw::Window& window) {
         EXPECT_EQ(*window.Property("Placement"), fw::PropertyValue(2));
         EXPECT_EQ(*window.Property("Composite"), fw::PropertyValue(true));
         EXPECT_EQ(*window.Property("LiveResize"), fw::PropertyValue(true));
         EXPECT_EQ(*window.Property("MacProcID"), fw::PropertyValue(7));
     }},
};

INSTANTIATE_TEST_SUITE_P(Window, WindowRecord, ::testing::ValuesIn(kWindowCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
