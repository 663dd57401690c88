#include "update/selfTestLayout.h"

#include "platform/LayoutRecord.h"

namespace selfTestLayout {

// Records are kept as tables, one entry a line.
// clang-format off

namespace {

using fw::BuildRecord;
using fw::kNotInControlArray;
using fw::RecordKind;
using fw::RGB;

// The two labels differ only in name, place, focus order, text, alignment and
// weight.
std::string LabelRecord(const char* name, int left, int width, int tabIndex, const char* text,
                        int textAlign, bool bold) {
    return BuildRecord(RecordKind::Label, {
        {"TabStop", true},
        {"Name", std::string(name)},
        {"Index", kNotInControlArray},
        {"Left", left},
        {"Top", 20},
        {"Width", width},
        {"Height", 20},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", tabIndex},
        {"Text", std::string(text)},
        {"TextAlign", textAlign},
        {"TextColor", RGB(0x00, 0x00, 0x00)},
        {"Multiline", false},
        {"Enabled", true},
        {"Visible", true},
        {"Selectable", false},
        {"Transparent", false},
        {"HelpTag", std::string("")},
        {"AutoDeactivate", true},
        {"TextFont", std::string("System")},
        {"Bold", bold},
        {"Italic", false},
        {"Underline", false},
        {"DataSource", std::string("")},
        {"DataField", std::string("")},
        {"InitialParent", std::string("")},
    });
}

}  // namespace

const std::string& WindowRecord() {
    static const std::string record = BuildRecord(RecordKind::Window, {
        {"Placement", 0},
        {"Width", 212},
        {"Height", 102},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 0},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", RGB(0xFF, 0xFF, 0xFF)},
        {"Title", std::string("Self Test")},
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
    return record;
}

const std::string& StaticText1Record() {
    static const std::string record = LabelRecord("StaticText1", 36, 67, 0, "Version:", 2, true);
    return record;
}

const std::string& StaticText2Record() {
    static const std::string record = LabelRecord("StaticText2", 109, 87, 1, "1.2.0 UB", 0, false);
    return record;
}

const std::string& PushButton1Record() {
    static const std::string record = BuildRecord(RecordKind::PushButton, {
        {"Name", std::string("PushButton1")},
        {"Index", kNotInControlArray},
        {"Left", 28},
        {"Top", 61},
        {"Width", 157},
        {"Height", 21},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", 2},
        {"TabStop", true},
        {"Caption", std::string("Check for Updates")},
        {"Default", true},
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
    return record;
}

// clang-format on

}  // namespace selfTestLayout
