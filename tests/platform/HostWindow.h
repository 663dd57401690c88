#pragma once

// A window without controls of its own: a test gives it a window record and the
// code that adds controls, so that one record at a time can be tried on real
// widgets.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Window.h"

class HostWindow final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "HostWindow.HostWindow";
    using Builder = std::function<void(HostWindow&)>;

    HostWindow() = default;
    HostWindow(std::string record, Builder createControls);
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }

    // A new window, constructed (and so opened) at once.
    static std::shared_ptr<HostWindow> Open(std::string record, Builder createControls = {});

protected:
    void Layout() override;
    void CreateControls() override;

private:
    std::string record_;
    Builder createControls_;
};
