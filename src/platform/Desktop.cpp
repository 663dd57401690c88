#include "platform/Desktop.h"

#include "platform/MessageDialog.h"
#include "platform/SystemDesktop.h"
#include "platform/print/Graphics.h"

namespace fw {

namespace {

std::shared_ptr<Desktop>& Installed() {
    static std::shared_ptr<Desktop> desktop;
    return desktop;
}

}  // namespace

Desktop& CurrentDesktop() {
    if (!Installed()) {
        Installed() = std::make_shared<SystemDesktop>();
    }
    return *Installed();
}

void SetDesktop(std::shared_ptr<Desktop> desktop) {
    Installed() = std::move(desktop);
}

void MsgBox(const std::string& text) {
    // Keeps the desktop alive if a test replaces it while the box is open.
    const std::shared_ptr<Desktop> keep = (CurrentDesktop(), Installed());
    keep->MsgBox(text);
}

void Beep() {
    CurrentDesktop().Beep();
}

void ShowURL(const std::string& url) {
    CurrentDesktop().ShowURL(url);
}

std::unique_ptr<Graphics> OpenPrinterDialog(const PrinterSetup& setup) {
    const std::shared_ptr<Desktop> keep = (CurrentDesktop(), Installed());
    return keep->OpenPrinterDialog(setup);
}

MessageDialogButton* MessageDialog::ShowModal() {
    const std::shared_ptr<Desktop> keep = (CurrentDesktop(), Installed());
    switch (keep->ShowMessageDialog(*this)) {
        case Desktop::Button::Action:
            return &ActionButton;
        case Desktop::Button::Cancel:
            return &CancelButton;
        case Desktop::Button::Alternate:
            return &AlternateActionButton;
        case Desktop::Button::None:
            break;
    }
    return nullptr;
}

}  // namespace fw
