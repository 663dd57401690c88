#pragma once

// A desktop that answers for the user: it logs every message box, beep, URL and
// message dialog in the order they come, answers the dialog with the button
// chosen by the test, and calls `onShow` whenever something is shown.

#include <functional>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/MessageDialog.h"

class FakeDesktop final : public fw::Desktop {
public:
    void MsgBox(const std::string& text) override;
    Button ShowMessageDialog(const fw::MessageDialog& dialog) override;
    void Beep() override;
    void ShowURL(const std::string& url) override;
    std::unique_ptr<fw::Graphics> OpenPrinterDialog(const fw::PrinterSetup& setup) override;

    Button answer = Button::Cancel;
    std::function<void()> onShow;

    // "beep", "box: <text>", "dialog", "url: <url>"
    std::vector<std::string> log;
    std::vector<fw::MessageDialog> dialogs;
};
