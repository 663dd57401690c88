#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/AppTestSupport.h"
#include "app/MenuBar1.h"
#include "app/Startup.h"
#include "codec/Module1.h"
#include "main_window/Window1.h"
#include "platform/Runtime.h"
#include "prefs/prefModule.h"

namespace {

using app_test::AppFixture;
using app_test::ProcessEvents;

std::vector<std::string> Letters() {
    return Module1::Letters->Items();
}

std::vector<std::string> Alphabet() {
    std::vector<std::string> letters;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters.emplace_back(1, c);
    }
    return letters;
}

using StartupTest = AppFixture;

TEST_F(StartupTest, ModuleDataBeforeStartup) {
    EXPECT_EQ(Letters(), std::vector<std::string>(26));
    EXPECT_EQ(Module1::R, nullptr);
    ASSERT_NE(prefModule::gDirectives, nullptr);
    EXPECT_EQ(prefModule::gDirectives->Ubound(), 0);
    EXPECT_EQ((*prefModule::gDirectives)(0), nullptr);
    EXPECT_THROW(App::Instance(), fw::NilObjectException);
}

// The framework makes the default window during its initialisation and raises
// the application's Open event when the event loop starts.
TEST_F(StartupTest, DefaultWindowFirstThenOpenEvent) {
    Main();
    const auto app = App::Instance();
    EXPECT_EQ(App::Instance(), app);
    EXPECT_EQ(app->MenuBar(), MenuBar1::Instance());
    EXPECT_EQ(OpenCount("Window1.Window1"), 1);
    EXPECT_EQ(Letters(), std::vector<std::string>(26));  // not yet opened
    EXPECT_EQ(Module1::R, nullptr);

    const auto window = Window1::Instance();
    ProcessEvents();
    EXPECT_EQ(Letters(), Alphabet());
    EXPECT_NE(Module1::R, nullptr);
    EXPECT_EQ(OpenCount("Window1.Window1"), 1);
    EXPECT_EQ(Window1::Instance(), window);
    EXPECT_EQ(fw::OpenWindows().size(), 1u);
}

TEST_F(StartupTest, OpenEventFirstThenDefaultWindow) {
    EarlyStartup();
    App::Instance()->Event_Open();
    EXPECT_EQ(Letters(), Alphabet());
    EXPECT_NE(Module1::R, nullptr);
    const auto window = Window1::Instance();
    LateStartup();
    EXPECT_EQ(OpenCount("Window1.Window1"), 1);
    EXPECT_EQ(Window1::Instance(), window);
}

TEST_F(StartupTest, OpenEventReplacesTheRandomSourceAndRefillsTheLetters) {
    StartApplication();
    const auto first = Module1::R;
    Module1::Letters->Shuffle();
    (*Module1::Letters)(3) = "";
    App::Instance()->Event_Open();
    EXPECT_NE(Module1::R, first);
    EXPECT_EQ(Letters(), Alphabet());
    EXPECT_EQ(OpenCount("Window1.Window1"), 1);
}

TEST_F(StartupTest, FourApplicationHandlersBound) {
    EarlyStartup();
    const auto app = App::Instance();
    for (const char* item :
         {"CheckforUpdateCheckNow", "HelpShow", "FilePrintHelp", "CheckforUpdateAbout"}) {
        EXPECT_TRUE(app->HasMenuHandler(item)) << item;
    }
    for (const char* item : {"HelpAbout", "FileQuit", "EditCopy", "CheckforUpdateMenu"}) {
        EXPECT_FALSE(app->HasMenuHandler(item)) << item;
    }
}

TEST_F(StartupTest, FinalizeReleasesTheModuleData) {
    StartApplication();
    const std::weak_ptr<Window1> window = Window1::Instance();
    finalize();
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_EQ(Module1::R, nullptr);
    EXPECT_EQ(Module1::Letters, nullptr);
    EXPECT_EQ(prefModule::gDirectives, nullptr);
    EXPECT_TRUE(window.expired());
    EXPECT_THROW(App::Instance(), fw::NilObjectException);
    EXPECT_TRUE(fw::Quitting());  // closing the main window quit
    initialize();                 // for the fixture's own finalize()
}

}  // namespace
