#pragma once

// The version window: shows the running version and starts an update check
// with its "Check for Updates" button. The update window takes its place while
// the check runs, and it is not shown again by the check.

#include <memory>
#include <string_view>

#include "platform/Label.h"
#include "platform/PushButton.h"
#include "platform/Window.h"

class selfTest final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "selfTest.selfTest";
    // The open version window, or a new one.
    static std::shared_ptr<selfTest> Instance();
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }

    void CreateControls0();
    std::shared_ptr<fw::Label> StaticText1();
    std::shared_ptr<fw::Label> StaticText2();
    std::shared_ptr<fw::PushButton> PushButton1();

    void StaticText2_Open(fw::Label& label);
    void PushButton1_Action(fw::PushButton& button);

protected:
    void Layout() override;
    void CreateControls() override;
};
