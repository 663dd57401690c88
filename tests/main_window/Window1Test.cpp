#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "codec/CodecTestSupport.h"
#include "codec/MessageCodec.h"
#include "codec/Module1.h"
#include "main_window/Window1.h"
#include "platform/MenuBar.h"
#include "platform/Runtime.h"
#include "support/AppFixture.h"
#include "support/PaintWatcher.h"

namespace {

using app_test::AppFixture;
using app_test::PaintWatcher;
using app_test::ProcessEvents;

class Window1Test : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        StartApplication();
        window_ = Window1::Instance();
    }

    // Draws 3,2 / 4,1 / 2,3 / 5,7 with the blocks KD, W and PAZ: "Hi Bob." becomes
    // "___ZA P3-W1 BOBDK 2_IH ", the insertion ending at the fourth pass.
    std::shared_ptr<codec_test::ScriptedRandom> ScriptHiBob() {
        auto random =
            std::make_shared<codec_test::ScriptedRandom>(std::vector<int>{3, 2, 4, 1, 2, 3, 5, 7});
        Module1::R = random;
        codec_test::BringToFront(*Module1::Letters, {"KD", "W", "PAZ"});
        return random;
    }

    // EF1's text at each painting while `press` runs.
    std::vector<std::string> PaintedDuring(const std::function<void()>& press) {
        ProcessEvents();
        std::vector<std::string> painted;
        const PaintWatcher watcher(window_->EF1()->Widget(),
                                   [&] { painted.push_back(window_->EF1()->Text()); });
        press();
        return painted;
    }

    std::shared_ptr<Window1> window_;
};

TEST_F(Window1Test, PressUpdatesTheTextAreaOrShowsABox) {
    const struct {
        const char* name;
        const char* before;     // EF1's text when the button is pressed
        bool encode;            // Encode, else Decode
        std::string_view box;   // the message box shown, or "" for none
        const char* after;      // EF1's text afterwards
        std::size_t draws = 0;  // draws from the random source
    } rows[] = {
        {"EncodeEmpty", "", true, kEncodeEmptyMessage, ""},
        {"EncodeLoneSpace", " ", true, kEncodeEmptyMessage, ""},
        {"EncodeDigitsKeepsText", "Agent 007", true, kEncodeDigitsMessage, "Agent 007"},
        {"EncodeMessage", "Hi Bob.", true, "", "___ZA P3-W1 BOBDK 2_IH ", 8},
        {"DecodeEmpty", "", false, kDecodeEmptyMessage, ""},
        {"DecodeLineEndsStay", "C\nBA D\n", false, "", "\nDAB\nC"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto random = ScriptHiBob();
        window_->EF1()->Text(row.before);
        desktop_->log.clear();
        std::vector<std::string> textWhileBoxUp;
        desktop_->onShow = [&] { textWhileBoxUp.push_back(window_->EF1()->Text()); };

        (row.encode ? window_->MyEncode() : window_->MyDecode())->Push();

        if (row.box.empty()) {
            EXPECT_EQ(desktop_->log, std::vector<std::string>{});
        } else {
            EXPECT_EQ(desktop_->log, std::vector<std::string>{"box: " + std::string(row.box)});
            EXPECT_EQ(textWhileBoxUp, std::vector<std::string>{row.before});  // changed only after
        }
        EXPECT_EQ(window_->EF1()->Text(), row.after);
        EXPECT_EQ(random->used, row.draws);
    }
}

// Between the presses the text area holds each result as the user sees it, so
// line ends and characters beyond ASCII must survive the text area both ways.
TEST_F(Window1Test, EncodeThenDecodeGivesTheMessageBack) {
    Module1::R = std::make_shared<codec_test::SeededRandom>(7);
    codec_test::SeedShuffles(7);
    window_->EF1()->Text("Meet at noon\nby the gate, Renée 🗝 καλημέρα 𐐨");
    window_->MyEncode()->Push();
    EXPECT_EQ(window_->EF1()->Text().back(), ' ');
    window_->MyDecode()->Push();
    EXPECT_EQ(window_->EF1()->Text(), "MEET AT NOON\nBY THE GATE, RENÉE 🗝 ΚΑΛΗΜΈΡΑ 𐐀");
    EXPECT_EQ(desktop_->log, std::vector<std::string>{});
}

// What the window shows at each immediate refresh during a press, before the
// result replaces it.
TEST_F(Window1Test, PressesShowTheStagesAtTheRefreshes) {
    ScriptHiBob();
    window_->EF1()->Text("Hi Bob.");
    const std::string stage1 = "Hi Bob.\n\nHI 2KDBOB1W.3PAZ   ";
    EXPECT_EQ(PaintedDuring([&] { window_->MyEncode()->Push(); }),
              (std::vector<std::string>{
                  stage1, stage1 + "\n\nHI_2KDBOB1W-3PAZ___\n\n___ZAP3-W1BOBDK2_IH"}));
    EXPECT_EQ(window_->EF1()->Text(), "___ZA P3-W1 BOBDK 2_IH ");
    EXPECT_EQ(PaintedDuring([&] { window_->MyDecode()->Push(); }),
              std::vector<std::string>{"HI BOB."});
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
    QWidget* ef1 = window_->EF1()->Widget();
    QWidget* encode = window_->MyEncode()->Widget();
    QWidget* decode = window_->MyDecode()->Widget();
    // Plain text, wrapped at the width under a vertical scroll bar.
    const auto* edit = qobject_cast<QPlainTextEdit*>(ef1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    // Focus starts in the text area; Tab goes on to Encode, then Decode.
    ProcessEvents();
    EXPECT_EQ(window_->Widget()->focusWidget(), ef1);
    std::vector<QWidget*> order;
    QWidget* widget = ef1;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisible()) {
            order.push_back(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget != ef1);
    EXPECT_EQ(order, (std::vector<QWidget*>{ef1, encode, decode}));

    // Neither button is the default or cancel button: Return and Escape press none.
    window_->EF1()->Text("");
    EXPECT_FALSE(window_->PressDefaultButton(false));
    EXPECT_FALSE(window_->PressDefaultButton(true));
    EXPECT_EQ(desktop_->log, std::vector<std::string>{});
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
        app_test::WriteBytes(PrefsFile(), row.file);
    }
    StartApplication();
    EXPECT_EQ(Window1::Instance()->Top(), row.top);
    EXPECT_EQ(Window1::Instance()->Left(), row.left);
    EXPECT_EQ(app_test::OpenCount(Window1::kRuntimeClassName), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, PlacementTest,
                         ::testing::Values(PlacementRow{"FirstRun", nullptr, 70, 10},
                                           PlacementRow{"Stored", "#Window1Position 120,45\n", 120,
                                                        45}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CloseRow {
    const char* name;
    std::vector<std::string> alsoOpen;  // application menu items that open windows first
    bool quitFromMenu;                  // File > Quit, else the main window's close box
};

void PrintTo(const CloseRow& row, std::ostream* os) {
    *os << row.name;
}

class CloseTest : public Window1Test, public ::testing::WithParamInterface<CloseRow> {};

// The position written is the closing window's own: Window1() during Close finds
// it and makes no new one.
TEST_P(CloseTest, ClosingMainWindowWritesPositionAndQuits) {
    app_test::WriteBytes(PrefsFile(), "' old comment\n#Window1Position 1,2\n#Other x\n");
    for (const std::string& item : GetParam().alsoOpen) {
        App::Instance()->RunMenuHandler(item);
    }
    window_->Top(210);
    window_->Left(140);
    ASSERT_EQ(fw::OpenWindows().size(), 1 + GetParam().alsoOpen.size());
    if (GetParam().quitFromMenu) {
        fw::MenuCommand(window_, *window_->MenuBar()->Lookup("FileQuit"));
    } else {
        window_->Close();
    }
    EXPECT_EQ(app_test::ReadBytes(PrefsFile()), "#Window1Position 210,140\n");
    EXPECT_TRUE(fw::Quitting());
    EXPECT_TRUE(fw::OpenWindows().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CloseTest,
    ::testing::Values(CloseRow{"Alone", {}, false},
                      CloseRow{"WithEveryWindow",
                               {"CheckforUpdateCheckNow", "HelpShow", "CheckforUpdateAbout"},
                               false},
                      CloseRow{"QuitFromMenuWithHelpOpen", {"HelpShow"}, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
