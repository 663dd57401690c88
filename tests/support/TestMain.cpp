// Entry point of the application-level test programs: the framework, and with it
// Qt, starts before the first test and ends before static destruction begins.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Runtime.h"

int main(int argc, char** argv) {
    // Test discovery runs the program outside CTest's environment, without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    fw::RuntimeExit();
    return status;
}
