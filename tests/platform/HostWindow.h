#pragma once

// A window without controls of its own: a test gives it a window record and the
// code that adds controls, so that one record at a time can be tried on real
// widgets.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Window.h"

class HostWindow final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "HostWindow.HostWindow";
    using Builder = std::function<void(HostWindow&)>;

    HostWindow(std::string record, Builder createControls)
        : record_(std::move(record)), createControls_(std::move(createControls)) {}
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }

    // A new window, constructed (and so opened) at once.
    static std::shared_ptr<HostWindow> Open(std::string record, Builder createControls = {}) {
        auto window = std::make_shared<HostWindow>(std::move(record), std::move(createControls));
        window->Constructor();
        return window;
    }

protected:
    void Layout() override { fw::SetProperties(*this, record_); }
    void CreateControls() override {
        if (createControls_) {
            createControls_(*this);
        }
    }

private:
    std::string record_;
    Builder createControls_;
};
