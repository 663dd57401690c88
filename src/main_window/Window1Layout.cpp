#include "main_window/Window1Layout.h"

#include "platform/LayoutRecord.h"

// The records are tables to be read against the window's layout line by line.
// clang-format off
namespace Window1Layout {

namespace {

using fw::BuildRecord;
using fw::kNotInControlArray;
using fw::RecordKind;
using fw::RGB;

}  // namespace

const std::string& WindowRecord() {
    static const std::string record = BuildRecord(RecordKind::Window, {
        {"Placement", 0},
        {"Width", 300},
        {"Height", 300},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 0},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", RGB(0xFF, 0xFF, 0xFF)},
        {"Title", std::string("Tessarook")},
        {"Visible", true},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"CloseButton", true},
        {"Resizeable", false},
        {"LiveResize", false},
        {"MaximizeButton", false},
        {"MinimizeButton", true},
        {"MacProcID", 0},
    });
    return record;
}

const std::string& EF1Record() {
    static const std::string record = BuildRecord(RecordKind::TextArea, {
        {"Name", std::string("EF1")},
        {"Index", kNotInControlArray},
        {"Left", 20},
        {"Top", 20},
        {"Width", 260},
        {"Height", 215},
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
        {"Styled", false},
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
        {"Text", std::string("")},
        {"Mask", std::string("")},
        {"ReadOnly", false},
        {"LimitText", 0},
        {"AcceptTabs", false},
        {"Alignment", 0},
        {"AutomaticallyCheckSpelling", true},
        {"DataSource", std::string("")},
        {"DataField", std::string("")},
        {"InitialParent", std::string("")},
    });
    return record;
}

namespace {

// Encode and Decode differ only in name, place, focus order and caption.
std::string ButtonRecord(const char* name, int left, int tabIndex, const char* caption) {
    return BuildRecord(RecordKind::PushButton, {
        {"Name", std::string(name)},
        {"Index", kNotInControlArray},
        {"Left", left},
        {"Top", 260},
        {"Width", 80},
        {"Height", 20},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", tabIndex},
        {"TabStop", true},
        {"Caption", std::string(caption)},
        {"Default", false},
        {"Cancel", false},
        {"Enabled", true},
        {"Visible", true},
        {"HelpTag", std::string("")},
        {"AutoDeactivate", true},
        {"ButtonStyle", 0},
        {"TextFont", std::string("System")},
        {"Bold", true},
        {"Italic", false},
        {"Underline", false},
        {"InitialParent", std::string("")},
    });
}

}  // namespace

const std::string& MyEncodeRecord() {
    static const std::string record = ButtonRecord("MyEncode", 32, 1, "Encode");
    return record;
}

const std::string& MyDecodeRecord() {
    static const std::string record = ButtonRecord("MyDecode", 190, 2, "Decode");
    return record;
}

}  // namespace Window1Layout
// clang-format on
