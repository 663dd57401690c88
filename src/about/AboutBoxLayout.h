#pragma once

// The About box's layout records (byte-encoded, see platform/LayoutRecord.h).

#include <string>

namespace AboutBoxLayout {

const std::string& WindowRecord();
const std::string& PushButton1Record();
const std::string& PushButton2Record();
const std::string& StaticText2Record();
const std::string& StaticText1Record();
const std::string& StaticText3Record();
const std::string& StaticText4Record();
const std::string& KagiRecord();

}  // namespace AboutBoxLayout
