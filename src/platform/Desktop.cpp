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

// The desktop in use, made on first use. Callers hold it while a dialog is open,
// so that a test replacing it meanwhile does not pull it from under them.
std::shared_ptr<Desktop> Current() {
    if (!Installed()) {
        Installed() = std::make_shared<SystemDesktop>();
    }
    return Installed();
}

}  // namespace

Desktop& CurrentDesktop() {
    return *Current();
}

void SetDesktop(std::shared_ptr<Desktop> desktop) {
    Installed() = std::move(desktop);
}

void MsgBox(const std::string& text) {
    Current()->MsgBox(text);
}

void Beep() {
    CurrentDesktop().Beep();
}

void ShowURL(const std::string& url) {
    CurrentDesktop().ShowURL(url);
}

std::unique_ptr<Graphics> OpenPrinterDialog(const PrinterSetup& setup) {
    return Current()->OpenPrinterDialog(setup);
}

MessageDialogButton* MessageDialog::ShowModal() {
    switch (Current()->ShowMessageDialog(*this)) {
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
