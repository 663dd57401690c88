#include "platform/TestWindowLayout.h"

#include "platform/LayoutRecord.h"
#include "platform/MenuBar.h"

namespace test_window_layout {

namespace {

using fw::BuildRecord;
using fw::kNotInControlArray;
using fw::RecordKind;
using fw::RGB;
using namespace std::string_literals;

}  // namespace

// clang-format off
const std::string& WindowRecord() {
    static const std::string record = BuildRecord(RecordKind::Window, {
        {"Placement", 0}, {"Width", 360}, {"Height", 236}, {"MinWidth", 64}, {"MinHeight", 64},
        {"MaxWidth", 32000}, {"MaxHeight", 32000}, {"Frame", 0}, {"Composite", false},
        {"HasBackColor", false}, {"BackColor", RGB(0xFF, 0xFF, 0xFF)},
        {"Title", "Tessarook test window"s}, {"Visible", true}, {"FullScreen", false},
        {"MenuBarVisible", true}, {"CloseButton", true}, {"Resizeable", false},
        {"LiveResize", false}, {"MaximizeButton", false}, {"MinimizeButton", true},
        {"MacProcID", 0},
    });
    return record;
}

const std::string& HeadingRecord() {
    static const std::string record = BuildRecord(RecordKind::Label, {
        {"TabStop", true}, {"Name", "Heading"s}, {"Index", kNotInControlArray}, {"Left", 20},
        {"Top", 12}, {"Width", 320}, {"Height", 24}, {"LockLeft", false}, {"LockTop", false},
        {"LockRight", false}, {"LockBottom", false}, {"TabPanelIndex", 0}, {"TabIndex", 4},
        {"Text", "Framework test window"s}, {"TextAlign", 1}, {"TextColor", RGB(0x00, 0x00, 0x80)},
        {"Multiline", false}, {"Enabled", true}, {"Visible", true}, {"Selectable", false},
        {"Transparent", false}, {"HelpTag", ""s}, {"AutoDeactivate", true}, {"TextFont", "Arial"s},
        {"Bold", true}, {"Italic", false}, {"Underline", false}, {"DataSource", ""s},
        {"DataField", ""s}, {"InitialParent", ""s},
    });
    return record;
}

const std::string& NotesRecord() {
    static const std::string record = BuildRecord(RecordKind::TextArea, {
        {"Name", "Notes"s}, {"Index", kNotInControlArray}, {"Left", 20}, {"Top", 44},
        {"Width", 320}, {"Height", 110}, {"LockLeft", false}, {"LockTop", false},
        {"LockRight", false}, {"LockBottom", false}, {"TabPanelIndex", 0}, {"TabIndex", 0},
        {"TabStop", true}, {"Border", true}, {"Multiline", true}, {"ScrollbarHorizontal", false},
        {"ScrollbarVertical", true}, {"Styled", false}, {"UseFocusRing", true},
        {"TextColor", RGB(0x00, 0x00, 0x00)}, {"BackColor", RGB(0xFF, 0xFF, 0xFF)},
        {"Enabled", true}, {"Format", ""s}, {"Visible", true}, {"HelpTag", ""s},
        {"AutoDeactivate", true}, {"HideSelection", true}, {"TextFont", "System"s}, {"Bold", false},
        {"Italic", false}, {"Underline", false},
        {"Text", "First line\rSecond line: Gr\xC3\xBC\xC3\x9F" "e, "
                 "\xE6\x9D\xB1\xE4\xBA\xAC \xE2\x9C\x93"s},
        {"Mask", ""s}, {"ReadOnly", false}, {"LimitText", 0}, {"AcceptTabs", false},
        {"Alignment", 0}, {"AutomaticallyCheckSpelling", true}, {"DataSource", ""s},
        {"DataField", ""s}, {"InitialParent", ""s},
    });
    return record;
}

const std::string& ProgressRecord() {
    static const std::string record = BuildRecord(RecordKind::ProgressBar, {
        {"TabStop", true}, {"TabIndex", 3}, {"Name", "Progress"s}, {"Index", kNotInControlArray},
        {"Left", 20}, {"Top", 166}, {"Width", 320}, {"Height", 18}, {"LockLeft", false},
        {"LockTop", false}, {"LockRight", false}, {"LockBottom", false}, {"TabPanelIndex", 0},
        {"Visible", true}, {"HelpTag", ""s}, {"AutoDeactivate", true}, {"Enabled", true},
        {"Value", 40}, {"Maximum", 100}, {"InitialParent", ""s},
    });
    return record;
}

namespace {

std::string ButtonRecord(const char* name, int left, int tabIndex, const char* caption,
                         bool isDefault, bool isCancel) {
    return BuildRecord(RecordKind::PushButton, {
        {"Name", std::string(name)}, {"Index", kNotInControlArray}, {"Left", left}, {"Top", 198},
        {"Width", 80}, {"Height", 24}, {"LockLeft", false}, {"LockTop", false},
        {"LockRight", false}, {"LockBottom", false}, {"TabPanelIndex", 0}, {"TabIndex", tabIndex},
        {"TabStop", true}, {"Caption", std::string(caption)}, {"Default", isDefault},
        {"Cancel", isCancel}, {"Enabled", true}, {"Visible", true}, {"HelpTag", ""s},
        {"AutoDeactivate", true}, {"ButtonStyle", 0}, {"TextFont", "System"s}, {"Bold", isDefault},
        {"Italic", false}, {"Underline", false}, {"InitialParent", ""s},
    });
}

}  // namespace

const std::string& OkButtonRecord() {
    static const std::string record = ButtonRecord("OkButton", 260, 1, "OK", true, false);
    return record;
}

const std::string& CancelButtonRecord() {
    static const std::string record = ButtonRecord("CancelButton", 170, 2, "Cancel", false, true);
    return record;
}

// clang-format on

std::shared_ptr<fw::MenuBar> NewMenuBar() {
    auto bar = std::make_shared<fw::MenuBar>();
    auto file = std::make_shared<fw::MenuItem>();
    file->Name("FileMenu");
    file->Text("&File");
    auto close = std::make_shared<fw::MenuItem>();
    close->Name("FileClose");
    close->Text("&Close");
    close->KeyboardShortcut("Cmd+W");
    close->AutoEnable(true);
    file->Append(close);
    bar->Append(file);
    return bar;
}

}  // namespace test_window_layout
