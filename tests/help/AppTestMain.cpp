// Test entry point for the application's windows: the GUI framework, then the
// application object with its menu bar and menu handlers, as start-up makes them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <exception>

#include "app/Startup.h"
#include "platform/Runtime.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary outside CTest's environment, without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    fw::RuntimeInit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    fw::SetUnhandledExceptionHandler([](const std::exception& error) {
        ADD_FAILURE() << "unhandled exception: " << error.what();
    });
    initialize();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    const int status = RUN_ALL_TESTS();
    finalize();
    // Ends the GUI application while the rest of the process is still intact.
    (void)fw::RuntimeExit();
    return status;
}
