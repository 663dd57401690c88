#pragma once

#include "platform/Desktop.h"

namespace fw {

// The real desktop: Qt's message boxes, the system's print dialog, the desktop's
// URL handlers.
class SystemDesktop final : public Desktop {
public:
    void MsgBox(const std::string& text) override;
    Button ShowMessageDialog(const MessageDialog& dialog) override;
    void Beep() override;
    void ShowURL(const std::string& url) override;
    std::unique_ptr<Graphics> OpenPrinterDialog(const PrinterSetup& setup) override;
};

}  // namespace fw
