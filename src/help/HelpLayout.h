#pragma once

// The Help window's layout records (byte-encoded, see platform/LayoutRecord.h).

#include <string>

namespace HelpLayout {

const std::string& WindowRecord();
const std::string& TextArea1Record();
const std::string& PushButton1Record();

}  // namespace HelpLayout
