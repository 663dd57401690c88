#pragma once

// The main window's layout records (byte-encoded, see platform/LayoutRecord.h).

#include <string>

namespace Window1Layout {

const std::string& WindowRecord();
const std::string& EF1Record();
const std::string& MyEncodeRecord();
const std::string& MyDecodeRecord();

}  // namespace Window1Layout
