#include "platform/HostWindow.h"

HostWindow::HostWindow(std::string record, Builder createControls)
    : record_(std::move(record)), createControls_(std::move(createControls)) {}

std::shared_ptr<HostWindow> HostWindow::Open(std::string record, Builder createControls) {
    auto window = std::make_shared<HostWindow>(std::move(record), std::move(createControls));
    window->Constructor();
    return window;
}

void HostWindow::Layout() {
    if (!record_.empty()) {
        fw::SetProperties(*this, record_);
    }
}

void HostWindow::CreateControls() {
    if (createControls_) {
        createControls_(*this);
    }
}
