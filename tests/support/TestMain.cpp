// Entry point of the application-level test programs: the framework, and with it
// Qt, starts before the first test and ends before static destruction begins.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Runtime.h"

int main(int argc, char** argv) {
    // Test discovery runs the program outside CTest's environment, without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The main window checks spelling: the spelling library keeps its word
    // lists in a folder of this run, not in the user's.
    std::string spelling =
        (std::filesystem::temp_directory_path() / "tessarook-spelling-XXXXXX").string();
    if (mkdtemp(spelling.data()) == nullptr) {
        return 1;
    }
    setenv("ENCHANT_CONFIG_DIR", spelling.c_str(), 1);
    fw::RuntimeInit(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    fw::RuntimeExit();
    std::filesystem::remove_all(spelling);
    return status;
}
