// Runs the update checker's tests inside a started framework with the
// application object and its menu handlers, as the program's start-up makes them.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/Startup.h"
#include "platform/Runtime.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary without CTest's environment and without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    initialize();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    const int result = RUN_ALL_TESTS();
    finalize();
    fw::RuntimeExit();
    return result;
}
