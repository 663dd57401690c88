#pragma once

// The About box: product name, running version and credits, and three buttons
// that hand the developer's mail address, the maker's web site and the order
// page to the desktop. It stays open until the user closes it.

#include <memory>
#include <string_view>

#include "platform/Label.h"
#include "platform/PushButton.h"
#include "platform/Window.h"

class AboutBox final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "AboutBox.AboutBox";
    // The open About box, or a new one.
    static std::shared_ptr<AboutBox> Instance();
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }

    void CreateControls0();
    std::shared_ptr<fw::PushButton> PushButton1();
    std::shared_ptr<fw::PushButton> PushButton2();
    std::shared_ptr<fw::Label> StaticText2();
    std::shared_ptr<fw::Label> StaticText1();
    std::shared_ptr<fw::Label> StaticText3();
    std::shared_ptr<fw::Label> StaticText4();
    std::shared_ptr<fw::PushButton> Kagi();

    void PushButton1_Action(fw::PushButton& button);
    void PushButton2_Action(fw::PushButton& button);
    void StaticText4_Open(fw::Label& label);
    void Kagi_Action(fw::PushButton& button);

protected:
    void Layout() override;
    void CreateControls() override;
};
