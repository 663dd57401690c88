#pragma once

// The main window: the text area EF1 for a message or a code, and the Encode
// and Decode buttons around the codec. It opens where it was last closed and
// writes its position when it closes, which ends the application.

#include <memory>
#include <string_view>

#include "platform/AppleMenuItem.h"
#include "platform/PushButton.h"
#include "platform/QuitMenuItem.h"
#include "platform/TextArea.h"
#include "platform/Window.h"

class Window1 final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "Window1.Window1";
    // The open main window, or a new one.
    static std::shared_ptr<Window1> Instance();
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }

    void CreateControls0();
    std::shared_ptr<fw::TextArea> EF1();
    std::shared_ptr<fw::PushButton> MyEncode();
    std::shared_ptr<fw::PushButton> MyDecode();

    void MyEncode_Action(fw::PushButton& button);
    void MyDecode_Action(fw::PushButton& button);

    std::shared_ptr<fw::MenuItem> HelpMenu();
    std::shared_ptr<fw::AppleMenuItem> HelpAbout();
    std::shared_ptr<fw::MenuItem> HelpShow();
    std::shared_ptr<fw::AppleMenuItem> CheckforUpdateMenu();
    std::shared_ptr<fw::AppleMenuItem> CheckforUpdateAbout();
    std::shared_ptr<fw::MenuItem> CheckforUpdateCheckNow();
    std::shared_ptr<fw::MenuItem> EditMenu();
    std::shared_ptr<fw::MenuItem> EditSelectAll();
    std::shared_ptr<fw::MenuItem> UntitledMenu0();
    std::shared_ptr<fw::MenuItem> EditClear();
    std::shared_ptr<fw::MenuItem> EditPaste();
    std::shared_ptr<fw::MenuItem> EditCopy();
    std::shared_ptr<fw::MenuItem> EditCut();
    std::shared_ptr<fw::MenuItem> UntitledMenu1();
    std::shared_ptr<fw::MenuItem> EditUndo();
    std::shared_ptr<fw::MenuItem> FileMenu();
    std::shared_ptr<fw::QuitMenuItem> FileQuit();
    std::shared_ptr<fw::MenuItem> UntitledSeparator();
    std::shared_ptr<fw::MenuItem> FilePrintHelp();

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Close() override;
    void Event_Open() override;
};
