#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/Startup.h"
#include "codec/Module1.h"
#include "main_window/Window1.h"
#include "platform/Runtime.h"
#include "platform/base/Exceptions.h"
#include "support/AppFixture.h"

namespace {

using app_test::OpenCount;

std::vector<std::string> Alphabet() {
    std::vector<std::string> letters;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters.emplace_back(1, c);
    }
    return letters;
}

// Whether the main window is made before the application's Open event, as the
// framework's initialisation does, or after it.
struct OrderRow {
    const char* name;
    bool windowFirst;
};

void PrintTo(const OrderRow& row, std::ostream* os) {
    *os << row.name;
}

class StartupOrderTest : public app_test::AppFixture,
                         public ::testing::WithParamInterface<OrderRow> {};

TEST_P(StartupOrderTest, OneMainWindowAndTheLettersAfterOpen) {
    const std::vector<std::string> empty(26);
    std::shared_ptr<Window1> window;
    if (GetParam().windowFirst) {
        Main();
        EXPECT_EQ(OpenCount(Window1::kRuntimeClassName), 1);
        window = Window1::Instance();
        EXPECT_EQ(Module1::Letters->Items(), empty);
        EXPECT_EQ(Module1::R, nullptr);
        app_test::ProcessEvents();  // the event loop's start delivers Open
    } else {
        EarlyStartup();
        EXPECT_EQ(Module1::Letters->Items(), empty);
        EXPECT_EQ(Module1::R, nullptr);
        App::Instance()->Event_Open();
        window = Window1::Instance();
        LateStartup();
    }
    EXPECT_EQ(Module1::Letters->Items(), Alphabet());
    EXPECT_NE(Module1::R, nullptr);
    EXPECT_EQ(Window1::Instance(), window);
    EXPECT_EQ(OpenCount(Window1::kRuntimeClassName), 1);
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Orders, StartupOrderTest,
                         ::testing::Values(OrderRow{"WindowThenOpen", true},
                                           OrderRow{"OpenThenWindow", false}),
                         [](const auto& info) { return std::string(info.param.name); });

using StartupTest = app_test::AppFixture;

TEST_F(StartupTest, FinalizeReleasesEverything) {
    StartApplication();
    const std::weak_ptr<Window1> window = Window1::Instance();
    finalize();
    EXPECT_TRUE(window.expired());
    EXPECT_EQ(Module1::Letters, nullptr);
    EXPECT_THROW(App::Instance(), fw::NilObjectException);
    EXPECT_TRUE(fw::Quitting());  // closing the main window quit
    initialize();                 // for the fixture's own finalize()
}

}  // namespace
