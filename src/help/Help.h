#pragma once

// The Help window: the instructions in a read-only text area, with its own menu
// bar (MenuBar2) whose Print Help item prints them. A captionless button outside
// the content area reports the text area's selection.

#include <memory>
#include <string_view>

#include "platform/PushButton.h"
#include "platform/QuitMenuItem.h"
#include "platform/TextArea.h"
#include "platform/Window.h"

class Help final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "Help.Help";
    // The open Help window, or a new one.
    static std::shared_ptr<Help> Instance();
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }

    void CreateControls0();
    std::shared_ptr<fw::TextArea> TextArea1();
    std::shared_ptr<fw::PushButton> PushButton1();

    void TextArea1_Open(fw::TextArea& area);
    void PushButton1_Action(fw::PushButton& button);

    std::shared_ptr<fw::MenuItem> EditMenu();
    std::shared_ptr<fw::MenuItem> EditSelectAll();
    std::shared_ptr<fw::MenuItem> EditSeparator2();
    std::shared_ptr<fw::MenuItem> EditClear();
    std::shared_ptr<fw::MenuItem> EditPaste();
    std::shared_ptr<fw::MenuItem> EditCopy();
    std::shared_ptr<fw::MenuItem> EditCut();
    std::shared_ptr<fw::MenuItem> EditSeparator1();
    std::shared_ptr<fw::MenuItem> EditUndo();
    std::shared_ptr<fw::MenuItem> FileMenu();
    std::shared_ptr<fw::QuitMenuItem> FileQuit();
    std::shared_ptr<fw::MenuItem> FilePrintHelp();

    // The window's own Print Help handler; always true (handled).
    bool FilePrintHelp_Action();

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
};
