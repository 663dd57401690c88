#include "support/FakeDesktop.h"

namespace app_test {

void FakeDesktop::MsgBox(const std::string& text) {
    log.push_back("box: " + text);
    if (onShow) {
        onShow();
    }
}

fw::Desktop::Button FakeDesktop::ShowMessageDialog(const fw::MessageDialog& dialog) {
    log.emplace_back("dialog");
    dialogs.push_back(dialog);
    if (onShow) {
        onShow();
    }
    return answer;
}

void FakeDesktop::Beep() {
    log.emplace_back("beep");
}

void FakeDesktop::ShowURL(const std::string& url) {
    log.push_back("url: " + url);
}

std::unique_ptr<fw::Graphics> FakeDesktop::OpenPrinterDialog(const fw::PrinterSetup& setup) {
    ++printDialogs;
    return printAnswer ? printAnswer(setup) : nullptr;
}

}  // namespace app_test
