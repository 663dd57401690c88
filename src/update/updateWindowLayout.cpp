#include "update/updateWindowLayout.h"

#include "platform/LayoutRecord.h"

namespace updateWindowLayout {

// Records are kept as tables, one entry a line.
// clang-format off

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
        {"Height", 120},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 1},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", RGB(0xFF, 0xFF, 0xFF)},
        {"Title", std::string("Update")},
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

const std::string& StaticText1Record() {
    static const std::string record = BuildRecord(RecordKind::Label, {
        {"TabStop", true},
        {"Name", std::string("StaticText1")},
        {"Index", kNotInControlArray},
        {"Left", 20},
        {"Top", 19},
        {"Width", 266},
        {"Height", 20},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", 0},
        {"Text", std::string("Checking for update...")},
        {"TextAlign", 0},
        {"TextColor", RGB(0x00, 0x00, 0x00)},
        {"Multiline", false},
        {"Enabled", true},
        {"Visible", true},
        {"Selectable", false},
        {"Transparent", false},
        {"HelpTag", std::string("")},
        {"AutoDeactivate", true},
        {"TextFont", std::string("Arial")},
        {"Bold", false},
        {"Italic", false},
        {"Underline", false},
        {"DataSource", std::string("")},
        {"DataField", std::string("")},
        {"InitialParent", std::string("")},
    });
    return record;
}

const std::string& ProgressBar1Record() {
    static const std::string record = BuildRecord(RecordKind::ProgressBar, {
        {"TabStop", true},
        {"TabIndex", 1},
        {"Name", std::string("ProgressBar1")},
        {"Index", kNotInControlArray},
        {"Left", 20},
        {"Top", 46},
        {"Width", 260},
        {"Height", 12},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"Visible", true},
        {"HelpTag", std::string("")},
        {"AutoDeactivate", true},
        {"Enabled", true},
        {"Value", 0},
        {"Maximum", 100},
        {"InitialParent", std::string("")},
    });
    return record;
}

const std::string& hpRecord() {
    static const std::string record = BuildRecord(RecordKind::HTTPSocket, {
        {"Address", std::string("")},
        {"Port", 0},
        {"yield", false},
    });
    return record;
}

const std::string& PushButton1Record() {
    static const std::string record = BuildRecord(RecordKind::PushButton, {
        {"Name", std::string("PushButton1")},
        {"Index", kNotInControlArray},
        {"Left", 208},
        {"Top", 80},
        {"Width", 72},
        {"Height", 20},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", 1},
        {"TabStop", true},
        {"Caption", std::string("Cancel")},
        {"Default", true},
        {"Cancel", true},
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
    return record;
}

// clang-format on

}  // namespace updateWindowLayout
