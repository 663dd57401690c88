#include "platform/Application.h"

#include <QApplication>
#include <QMenuBar>

#include "platform/MenuBar.h"
#include "platform/MenuBarView.h"

namespace fw {

namespace {

std::shared_ptr<Application>& Registered() {
    static std::shared_ptr<Application> app;
    return app;
}

}  // namespace

Application::Application(VersionInfo version) : version_(std::move(version)) {}

Application::~Application() = default;

Application* Application::Current() {
    return Registered().get();
}

void Application::MenuBar(std::shared_ptr<fw::MenuBar> bar) {
    menuBar_ = std::move(bar);
#ifdef Q_OS_MACOS
    // On macOS a parentless menu bar is the one shown when no window has its own.
    if (menuBar_ && QApplication::instance() != nullptr) {
        static QMenuBar* global = nullptr;
        delete global;
        global = CreateMenuBarView(menuBar_, {});
    }
#endif
}

void Application::AddMenuHandler(const std::string& itemName, MenuDelegate handler) {
    menuHandlers_[itemName] = std::move(handler);
}

bool Application::RunMenuHandler(const std::string& itemName) {
    const auto found = menuHandlers_.find(itemName);
    if (found == menuHandlers_.end()) {
        return false;
    }
    const MenuDelegate handler = found->second;
    return handler.invoke();
}

bool Application::HasMenuHandler(const std::string& itemName) const {
    return menuHandlers_.contains(itemName);
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
    if (Registered() && Registered() != app) {
        // Menu handlers hold the application strongly; letting them go breaks the
        // cycle, so the old object and its menu bar are released.
        Registered()->menuHandlers_.clear();
        Registered()->menuBar_.reset();
    }
    Registered() = std::move(app);
}

std::shared_ptr<Application> GetAppObject() {
    return Registered();
}

}  // namespace fw
