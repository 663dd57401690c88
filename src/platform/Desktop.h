#pragma once

// The desktop's dialogs and services: message boxes, the message dialog, the
// beep, opening URLs and the print dialog. They go through one replaceable
// interface so that a test answers them without a person; SystemDesktop is the
// real one.

#include <memory>
#include <string>

namespace fw {

class Graphics;
class MessageDialog;
struct PrinterSetup;

class Desktop {
public:
    enum class Button { None, Action, Cancel, Alternate };

    virtual ~Desktop() = default;
    virtual void MsgBox(const std::string& text) = 0;
    virtual Button ShowMessageDialog(const MessageDialog& dialog) = 0;
    virtual void Beep() = 0;
    virtual void ShowURL(const std::string& url) = 0;
    // A Graphics to print on, or nullptr when the user cancelled.
    virtual std::unique_ptr<Graphics> OpenPrinterDialog(const PrinterSetup& setup) = 0;
};

// The desktop in use; SetDesktop(nullptr) restores the system's.
Desktop& CurrentDesktop();
void SetDesktop(std::shared_ptr<Desktop> desktop);

// Shows `text` in a modal box with one button.
void MsgBox(const std::string& text);
void Beep();
// Hands the URL to the desktop's browser or mail program; nothing comes back.
void ShowURL(const std::string& url);
// Shows the print dialog (no parent window).
std::unique_ptr<Graphics> OpenPrinterDialog(const PrinterSetup& setup);

}  // namespace fw
