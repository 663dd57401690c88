#include <gtest/gtest.h>

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/AppTestSupport.h"
#include "app/MenuBar1.h"
#include "codec/CodecTestSupport.h"
#include "codec/MessageCodec.h"
#include "codec/Module1.h"
#include "main_window/Window1.h"
#include "platform/Runtime.h"
#include "platform/base/Text.h"

namespace {

using app_test::AppFixture;
using app_test::ProcessEvents;

// Calls back whenever the watched widget paints; Refresh(True) paints at once.
class PaintWatcher final : public QObject {
public:
    PaintWatcher(QObject* watched, std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            onPaint_();
        }
        return false;
    }

private:
    std::function<void()> onPaint_;
};

class Window1Test : public AppFixture {
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

    // Scripted draws and letter blocks in place of the random source and the
    // letter table's shuffle.
    std::shared_ptr<codec_test::ScriptedRandom> Script(std::vector<int> draws,
                                                       std::vector<std::string> blocks) {
        auto random = std::make_shared<codec_test::ScriptedRandom>(std::move(draws));
        Module1::R = random;
        codec_test::BringToFront(*Module1::Letters, std::move(blocks));
        return random;
    }

    QWidget* Ef1Widget() { return window_->EF1()->Widget(); }

    std::shared_ptr<Window1> window_;
};

struct ButtonRow {
    const char* name;
    const char* before;     // EF1's text when the button is pressed
    bool encode;            // Encode, else Decode
    const char* box;        // the message box shown, or "" for none
    const char* after;      // EF1's text afterwards
    std::size_t draws = 0;  // draws from the random source
};

void PrintTo(const ButtonRow& row, std::ostream* os) {
    *os << row.name;
}

class ButtonTest : public Window1Test, public ::testing::WithParamInterface<ButtonRow> {};

// Draws 3,2 / 4,1 / 2,3 / 5,7 with the blocks KD, W and PAZ: the insertion ends
// at the fourth pass.
TEST_P(ButtonTest, PressUpdatesTextArea) {
    const ButtonRow& row = GetParam();
    const auto random = Script({3, 2, 4, 1, 2, 3, 5, 7}, {"KD", "W", "PAZ"});
    window_->EF1()->Text(row.before);
    std::vector<std::string> textWhileBoxUp;
    desktop_->onMsgBox = [&](const std::string&) {
        textWhileBoxUp.push_back(window_->EF1()->Text());
    };

    (row.encode ? window_->MyEncode() : window_->MyDecode())->Push();

    const std::string box = row.box;
    EXPECT_EQ(desktop_->boxes, box.empty() ? std::vector<std::string>{} : std::vector{box});
    if (!box.empty()) {
        EXPECT_EQ(textWhileBoxUp, std::vector<std::string>{row.before});  // changed only after
    }
    EXPECT_EQ(window_->EF1()->Text(), row.after);
    EXPECT_EQ(random->used, row.draws);
}

// The message texts are string literals, so their data ends in a NUL.
const char* const kEncodeEmpty = kEncodeEmptyMessage.data();
const char* const kEncodeDigits = kEncodeDigitsMessage.data();
const char* const kDecodeEmpty = kDecodeEmptyMessage.data();

INSTANTIATE_TEST_SUITE_P(
    Rows, ButtonTest,
    ::testing::Values(ButtonRow{"EncodeEmpty", "", true, kEncodeEmpty, ""},
                      ButtonRow{"EncodeOneSpaceIsCleared", " ", true, kEncodeEmpty, ""},
                      ButtonRow{"EncodeDigitsKeepsText", "Agent 007", true, kEncodeDigits,
                                "Agent 007"},
                      ButtonRow{"EncodeMessage", "Hi Bob.", true, "", "___ZA P3-W1 BOBDK 2_IH ", 8},
                      ButtonRow{"DecodeEmpty", "", false, kDecodeEmpty, ""},
                      ButtonRow{"DecodeCode", "___ZA P3-W1 BOBDK 2_IH ", false, "", "HI BOB."},
                      ButtonRow{"DecodeOneSpaceGivesEmpty", " ", false, "", ""},
                      ButtonRow{"DecodeLineEndsStay", "C\nBA D\n", false, "", "\nDAB\nC"}),
    [](const auto& info) { return std::string(info.param.name); });

// Between the presses the text area holds each result as the user sees it, so
// line ends and characters beyond ASCII must survive the text area both ways.
TEST_F(Window1Test, EncodeThenDecodeGivesTheMessageBack) {
    Module1::R = std::make_shared<codec_test::SeededRandom>(7);
    codec_test::SeedShuffles(7);
    const std::string message =
        "Meet at noon\nby the gate, Ren\xC3\xA9"
        "e \xF0\x9F\x97\x9D";
    for (int round = 0; round < 3; ++round) {
        window_->EF1()->Text(message);
        window_->MyEncode()->Push();
        const std::string code = window_->EF1()->Text();
        EXPECT_NE(code, message);
        EXPECT_EQ(code.back(), ' ');
        window_->MyDecode()->Push();
        EXPECT_EQ(window_->EF1()->Text(), fw::Uppercase(message));
    }
    EXPECT_TRUE(desktop_->boxes.empty());
}

// What the window shows at each immediate refresh during a press.
TEST_F(Window1Test, EncodeShowsTheStagesBeforeTheCode) {
    Script({3, 2, 4, 1, 2, 3, 5, 7}, {"KD", "W", "PAZ"});
    window_->EF1()->Text("Hi Bob.");
    ProcessEvents();
    std::vector<std::string> painted;
    const PaintWatcher watcher(Ef1Widget(), [&] { painted.push_back(window_->EF1()->Text()); });

    window_->MyEncode()->Push();

    const std::string stage1 = "Hi Bob.\n\nHI 2KDBOB1W.3PAZ   ";
    const std::vector<std::string> expected = {
        stage1, stage1 + "\n\nHI_2KDBOB1W-3PAZ___\n\n___ZAP3-W1BOBDK2_IH"};
    EXPECT_EQ(painted, expected);
    EXPECT_EQ(window_->EF1()->Text(), "___ZA P3-W1 BOBDK 2_IH ");
}

TEST_F(Window1Test, DecodeShowsTheMessageAtOnce) {
    window_->EF1()->Text("___ZA P3-W1 BOBDK 2_IH ");
    ProcessEvents();
    std::vector<std::string> painted;
    const PaintWatcher watcher(Ef1Widget(), [&] { painted.push_back(window_->EF1()->Text()); });

    window_->MyDecode()->Push();

    EXPECT_EQ(painted, std::vector<std::string>{"HI BOB."});
}

// Before the application's Open event there is no random source: the press
// fails inside the framework's handling, not in Qt's event loop.
TEST_F(Window1Test, EncodeWithoutRandomSourceReachesUnhandledExceptionHandling) {
    Module1::R.reset();
    window_->EF1()->Text("Hello");
    window_->MyEncode()->Push();
    EXPECT_EQ(unhandled_.size(), 1u);
    EXPECT_EQ(window_->EF1()->Text(), "Hello");
    unhandled_.clear();
}

TEST_F(Window1Test, RecordsApplied) {
    EXPECT_EQ(window_->Title(), "Tessarook");
    EXPECT_EQ(window_->MenuBar(), MenuBar1::Instance());
    EXPECT_TRUE(window_->Widget()->isVisible());
    EXPECT_EQ(window_->ContentWidget()->size(), QSize(300, 300));
    EXPECT_EQ(window_->ContentWidget()->minimumSize(), window_->ContentWidget()->maximumSize());

    struct Control {
        QWidget* widget;
        QRect geometry;
    };
    QWidget* ef1 = Ef1Widget();
    QWidget* encode = window_->MyEncode()->Widget();
    QWidget* decode = window_->MyDecode()->Widget();
    for (const Control& c : {Control{ef1, {20, 20, 260, 215}}, Control{encode, {32, 260, 80, 20}},
                             Control{decode, {190, 260, 80, 20}}}) {
        EXPECT_EQ(c.widget->geometry(), c.geometry) << c.widget->metaObject()->className();
        EXPECT_TRUE(c.widget->isVisible());
        EXPECT_TRUE(c.widget->isEnabled());
    }

    // Plain text, wrapped at the width under a vertical scroll bar.
    const auto* edit = qobject_cast<QPlainTextEdit*>(ef1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_FALSE(edit->isReadOnly());
    EXPECT_TRUE(edit->tabChangesFocus());

    for (QWidget* widget : {encode, decode}) {
        const auto* button = qobject_cast<QPushButton*>(widget);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->font().bold());
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
    EXPECT_EQ(qobject_cast<QPushButton*>(encode)->text(), "Encode");
    EXPECT_EQ(qobject_cast<QPushButton*>(decode)->text(), "Decode");
    EXPECT_FALSE(ef1->font().bold());
}

TEST_F(Window1Test, FocusStartsInTheTextAreaAndTabsToEncodeThenDecode) {
    ProcessEvents();
    EXPECT_EQ(window_->Widget()->focusWidget(), Ef1Widget());
    std::vector<QWidget*> order;
    QWidget* widget = Ef1Widget();
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisible()) {
            order.push_back(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget != Ef1Widget());
    EXPECT_EQ(order, (std::vector<QWidget*>{Ef1Widget(), window_->MyEncode()->Widget(),
                                            window_->MyDecode()->Widget()}));
}

// Return and Escape press no button: neither is the default or cancel button.
TEST_F(Window1Test, ReturnAndEscapePressNoButton) {
    window_->EF1()->Text("");
    EXPECT_FALSE(window_->PressDefaultButton(false));
    EXPECT_FALSE(window_->PressDefaultButton(true));
    EXPECT_TRUE(desktop_->boxes.empty());
}

struct PlacementRow {
    const char* name;
    const char* file;  // nullptr: no preferences file
    int top;
    int left;
};

void PrintTo(const PlacementRow& row, std::ostream* os) {
    *os << row.name;
}

class PlacementTest : public AppFixture, public ::testing::WithParamInterface<PlacementRow> {};

// (The offscreen test platform moves a window closer than 2 pixels to the
// screen's edge inwards, so the rows keep away from it.)
TEST_P(PlacementTest, MainWindowOpensAtStoredPosition) {
    const PlacementRow& row = GetParam();
    if (row.file != nullptr) {
        WriteBytes(PrefsFile(), row.file);
    }
    StartApplication();
    const auto window = Window1::Instance();
    EXPECT_EQ(window->Top(), row.top);
    EXPECT_EQ(window->Left(), row.left);
    EXPECT_EQ(OpenCount("Window1.Window1"), 1);  // Window1() in Open found this window
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlacementTest,
    ::testing::Values(PlacementRow{"FirstRun", nullptr, 70, 10},
                      PlacementRow{"Stored", "#Window1Position 120,45\n", 120, 45},
                      PlacementRow{"LastDirectiveWins",
                                   "#Window1Position 300,200\n#window1position 33,44\n", 33, 44}),
    [](const auto& info) { return std::string(info.param.name); });

struct CloseRow {
    const char* name;
    std::vector<std::string> alsoOpen;  // application menu items that open windows first
};

void PrintTo(const CloseRow& row, std::ostream* os) {
    *os << row.name;
}

class CloseTest : public Window1Test, public ::testing::WithParamInterface<CloseRow> {};

// The position written is the closing window's own: Window1() during Close finds
// it and makes no new one.
TEST_P(CloseTest, ClosingMainWindowWritesPositionAndQuits) {
    WriteBytes(PrefsFile(), "' old comment\n#Window1Position 1,2\n#Other x\n");
    for (const std::string& item : GetParam().alsoOpen) {
        App::Instance()->RunMenuHandler(item);
    }
    window_->Top(210);
    window_->Left(140);
    ASSERT_EQ(fw::OpenWindows().size(), 1 + GetParam().alsoOpen.size());
    window_->Close();

    EXPECT_EQ(ReadBytes(PrefsFile()), "#Window1Position 210,140\n");
    EXPECT_TRUE(fw::Quitting());
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_FALSE(window_->IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CloseTest,
    ::testing::Values(CloseRow{"Alone", {}},
                      CloseRow{"WithHelpAndAbout", {"HelpShow", "CheckforUpdateAbout"}},
                      CloseRow{"WithEveryWindow",
                               {"CheckforUpdateCheckNow", "HelpShow", "CheckforUpdateAbout"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
