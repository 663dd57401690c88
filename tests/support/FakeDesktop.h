#pragma once

// A desktop that answers for the user. It logs what the application shows, in
// order, answers the message dialog with `answer` and the print dialog with
// `printAnswer` (none: the user cancels), and calls `onShow` while a message box
// or dialog is up.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/MessageDialog.h"
#include "platform/print/Graphics.h"
#include "platform/print/PrinterSetup.h"

namespace app_test {

class FakeDesktop final : public fw::Desktop {
public:
    using PrintAnswer = std::function<std::unique_ptr<fw::Graphics>(const fw::PrinterSetup&)>;

    void MsgBox(const std::string& text) override;
    Button ShowMessageDialog(const fw::MessageDialog& dialog) override;
    void Beep() override;
    void ShowURL(const std::string& url) override;
    std::unique_ptr<fw::Graphics> OpenPrinterDialog(const fw::PrinterSetup& setup) override;

    Button answer = Button::Cancel;
    PrintAnswer printAnswer;
    std::function<void()> onShow;

    // "box: <text>", "dialog", "beep", "url: <url>"
    std::vector<std::string> log;
    std::vector<fw::MessageDialog> dialogs;
    int printDialogs = 0;
};

}  // namespace app_test
