#include "about/AboutBoxLayout.h"

#include "platform/LayoutRecord.h"

namespace AboutBoxLayout {

namespace {

using fw::BuildRecord;
using fw::kNotInControlArray;
using fw::RecordKind;
using fw::RGB;

// The three buttons share place, width, font and style; they differ in name, top,
// height, focus order and caption.
std::string ButtonRecord(const char* name, int top, int height, int tabIndex, const char* caption) {
    // clang-format off
    return BuildRecord(RecordKind::PushButton, {
        {"Name", std::string(name)},
        {"Index", kNotInControlArray},
        {"Left", 67},
        {"Top", top},
        {"Width", 130},
        {"Height", height},
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
    // clang-format on
}

struct LabelPlace {
    int left;
    int top;
    int width;
    int height;
};

struct LabelLook {
    const char* font;
    bool bold;
    int textAlign;
    bool multiline;
};

std::string LabelRecord(const char* name, LabelPlace place, int tabIndex, const char* text,
                        LabelLook look) {
    // clang-format off
    return BuildRecord(RecordKind::Label, {
        {"TabStop", true},
        {"Name", std::string(name)},
        {"Index", kNotInControlArray},
        {"Left", place.left},
        {"Top", place.top},
        {"Width", place.width},
        {"Height", place.height},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", tabIndex},
        {"Text", std::string(text)},
        {"TextAlign", look.textAlign},
        {"TextColor", RGB(0x00, 0x00, 0x00)},
        {"Multiline", look.multiline},
        {"Enabled", true},
        {"Visible", true},
        {"Selectable", false},
        {"Transparent", false},
        {"HelpTag", std::string("")},
        {"AutoDeactivate", true},
        {"TextFont", std::string(look.font)},
        {"Bold", look.bold},
        {"Italic", false},
        {"Underline", false},
        {"DataSource", std::string("")},
        {"DataField", std::string("")},
        {"InitialParent", std::string("")},
    });
    // clang-format on
}

constexpr const char* kCredits = "Developed by\rArlo Kettering\r\rSr. Beta Tester\rTeodor Vannick";

}  // namespace

const std::string& WindowRecord() {
    // clang-format off
    static const std::string record = BuildRecord(RecordKind::Window, {
        {"Placement", 0},
        {"Width", 264},
        {"Height", 297},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 0},
        {"Composite", false},
        {"HasBackColor", false},
        {"BackColor", RGB(0xFF, 0xFF, 0xFF)},
        {"Title", std::string("About...")},
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

const std::string& PushButton1Record() {
    static const std::string record = ButtonRecord("PushButton1", 180, 21, 0, "Email Author");
    return record;
}

const std::string& PushButton2Record() {
    static const std::string record = ButtonRecord("PushButton2", 219, 21, 1, "Visit Web Site");
    return record;
}

const std::string& StaticText2Record() {
    static const std::string record =
        LabelRecord("StaticText2", {80, 86, 104, 87}, 2, kCredits, {"System", false, 1, true});
    return record;
}

const std::string& StaticText1Record() {
    static const std::string record =
        LabelRecord("StaticText1", {20, 20, 224, 45}, 3, "Tessarook", {"Arial", true, 1, false});
    return record;
}

// "Version:" and the version itself overlap by 15 units; one is left-aligned,
// the other right-aligned, so the texts meet without touching.
const std::string& StaticText3Record() {
    static const std::string record =
        LabelRecord("StaticText3", {72, 60, 56, 20}, 4, "Version:", {"Arial", true, 0, false});
    return record;
}

// The placeholder gives way to the running version when the label opens.
const std::string& StaticText4Record() {
    static const std::string record =
        LabelRecord("StaticText4", {113, 60, 79, 20}, 5, "0.0.0", {"Arial", true, 2, false});
    return record;
}

const std::string& KagiRecord() {
    static const std::string record = ButtonRecord("Kagi", 257, 20, 6, "Support Olverin");
    return record;
}

}  // namespace AboutBoxLayout
