#pragma once

// The version window's layout records (byte-encoded, see platform/LayoutRecord.h).

#include <string>

namespace selfTestLayout {

const std::string& WindowRecord();
const std::string& StaticText1Record();
const std::string& StaticText2Record();
const std::string& PushButton1Record();

}  // namespace selfTestLayout
