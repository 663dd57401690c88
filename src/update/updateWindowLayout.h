#pragma once

// The update window's layout records (byte-encoded, see platform/LayoutRecord.h).

#include <string>

namespace updateWindowLayout {

const std::string& WindowRecord();
const std::string& StaticText1Record();
const std::string& ProgressBar1Record();
const std::string& hpRecord();
const std::string& PushButton1Record();

}  // namespace updateWindowLayout
