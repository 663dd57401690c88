#pragma once

// The test window's layout records (byte-encoded, see platform/LayoutRecord.h)
// and its menu bar.

#include <memory>
#include <string>

namespace fw {
class MenuBar;
}

namespace test_window_layout {

const std::string& WindowRecord();
const std::string& HeadingRecord();
const std::string& NotesRecord();
const std::string& ProgressRecord();
const std::string& OkButtonRecord();
const std::string& CancelButtonRecord();
// A new menu bar: File > Close (Cmd+W).
std::shared_ptr<fw::MenuBar> NewMenuBar();

}  // namespace test_window_layout
