#include "help/HelpLayout.h"

#include "platform/LayoutRecord.h"

namespace HelpLayout {

namespace {

using fw::BuildRecord;
using fw::kNotInControlArray;
using fw::RecordKind;
using fw::RGB;

// The instructions, lines separated by CR as layout texts are; no line end after
// the last line.
constexpr const char* kHelpText =
    "Tessarook was developed to help you communicate with your friends with a degree of "
    "privacy.\r"
    "\r"
    "Encoding a message:\r"
    "  a.  Enter or paste your message into the window.\r"
    "  b.  Click on the \"Encode\" button\r"
    "  c.  Select and copy encoded information\r"
    "  d.  Paste into an email or other document\r"
    "\r"
    "Decoding a message:\r"
    "  a.  Paste encoded information into the window\r"
    "  b.  Click on the \"Decode\" button\r"
    "  c.  Read the decoded message";

}  // namespace

const std::string& WindowRecord() {
    // clang-format off
    static const std::string record = BuildRecord(RecordKind::Window, {
        {"Placement", 0},
        {"Width", 350},
        {"Height", 348},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 0},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", RGB(0xFF, 0xFF, 0xFF)},
        {"Title", std::string("Help")},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", false},
        {"LiveResize", false},
        {"MaximizeButton", false},
        {"MinimizeButton", false},
        {"MacProcID", 0},
    });
    // clang-format on
    return record;
}

const std::string& TextArea1Record() {
    // clang-format off
    static const std::string record = BuildRecord(RecordKind::TextArea, {
        {"Name", std::string("TextArea1")},
        {"Index", kNotInControlArray},
        {"Left", 20},
        {"Top", 19},
        {"Width", 310},
        {"Height", 309},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", 0},
        {"TabStop", true},
        {"Border", true},
        {"Multiline", true},
        {"ScrollbarHorizontal", false},
        {"ScrollbarVertical", true},
        {"Styled", true},
        {"UseFocusRing", true},
        {"TextColor", RGB(0x00, 0x00, 0x00)},
        {"BackColor", RGB(0xFF, 0xFF, 0xFF)},
        {"Enabled", true},
        {"Format", std::string("")},
        {"Visible", true},
        {"HelpTag", std::string("")},
        {"AutoDeactivate", true},
        {"HideSelection", true},
        {"TextFont", std::string("System")},
        {"Bold", false},
        {"Italic", false},
        {"Underline", false},
        {"Text", std::string(kHelpText)},
        {"Mask", std::string("")},
        {"ReadOnly", true},
        {"LimitText", 0},
        {"AcceptTabs", false},
        {"Alignment", 0},
        {"AutomaticallyCheckSpelling", true},
        {"DataSource", std::string("")},
        {"DataField", std::string("")},
        {"InitialParent", std::string("")},
    });
    // clang-format on
    return record;
}

// The button lies right of the 350-wide content area, so it is never seen.
const std::string& PushButton1Record() {
    // clang-format off
    static const std::string record = BuildRecord(RecordKind::PushButton, {
        {"Name", std::string("PushButton1")},
        {"Index", kNotInControlArray},
        {"Left", 375},
        {"Top", 335},
        {"Width", 13},
        {"Height", 13},
        {"LockLeft", true},
        {"LockTop", true},
        {"LockRight", true},
        {"LockBottom", true},
        {"TabPanelIndex", 0},
        {"TabIndex", 1},
        {"TabStop", true},
        {"Caption", std::string("")},
        {"Default", false},
        {"Cancel", false},
        {"Enabled", true},
        {"Visible", true},
        {"HelpTag", std::string("")},
        {"AutoDeactivate", true},
        {"ButtonStyle", 0},
        {"TextFont", std::string("System")},
        {"Bold", false},
        {"Italic", false},
        {"Underline", false},
        {"InitialParent", std::string("")},
    });
    // clang-format on
    return record;
}

}  // namespace HelpLayout
