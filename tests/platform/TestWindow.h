#pragma once

// A small window declared the way the application declares its windows: a
// heading, a text area, a progress bar and two buttons, each made from its
// layout record, and a menu bar of its own. Tests watch its events and run
// code inside them through Hooks().

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include "platform/PushButton.h"
#include "platform/TextArea.h"
#include "platform/Window.h"

class TestWindow final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "TestWindow.TestWindow";
    // The open test window, or a new one.
    static std::shared_ptr<TestWindow> Instance();
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }

    // What the tests see of the window's events, and code they run inside them.
    struct EventHooks {
        std::vector<std::string> log;
        std::function<void(TestWindow&)> onOpen;
        std::function<void(TestWindow&)> onClose;
        std::function<void(TestWindow&)> onOk;
        std::function<bool(TestWindow&)> onFileClose;
    };
    static EventHooks& Hooks();

    void CreateControls0();
    std::shared_ptr<fw::TextArea> Notes();
    std::shared_ptr<fw::PushButton> OkButton();
    std::shared_ptr<fw::PushButton> CancelButton();

    void Heading_Open(fw::Label& label);
    void Notes_Open(fw::TextArea& area);
    void OkButton_Action(fw::PushButton& button);
    void CancelButton_Action(fw::PushButton& button);

    bool FileClose_Action();

protected:
    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Event_Open() override;
    void Event_Close() override;
};
