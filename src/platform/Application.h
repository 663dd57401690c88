#pragma once

// The framework's application object: the version of the running program, the
// application's menu bar, its menu handlers by item name, and its Open event.
// Exactly one is registered per run (RuntimeRegisterAppObject).

#include <map>
#include <memory>
#include <string>

#include "platform/Window.h"

namespace fw {

class MenuBar;

struct VersionInfo {
    int major = 0;
    int minor = 0;
    int bug = 0;
    std::string shortVersion;
    std::string longVersion;
};

class Application {
public:
    explicit Application(VersionInfo version);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The registered application object, or nullptr before registration.
    static Application* Current();

    [[nodiscard]] int MajorVersion() const { return version_.major; }
    [[nodiscard]] int MinorVersion() const { return version_.minor; }
    [[nodiscard]] int BugVersion() const { return version_.bug; }
    [[nodiscard]] const std::string& ShortVersion() const { return version_.shortVersion; }
    [[nodiscard]] const std::string& LongVersion() const { return version_.longVersion; }

    [[nodiscard]] std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
    void MenuBar(std::shared_ptr<fw::MenuBar> bar);

    void AddMenuHandler(const std::string& itemName, MenuDelegate handler);
    bool RunMenuHandler(const std::string& itemName);
    [[nodiscard]] bool HasMenuHandler(const std::string& itemName) const;

    // The application's Open event, raised once when the event loop starts.
    virtual void Event_Open() {}

private:
    friend void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
    VersionInfo version_;
    std::shared_ptr<fw::MenuBar> menuBar_;
    std::map<std::string, MenuDelegate> menuHandlers_;
};

void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
std::shared_ptr<Application> GetAppObject();

}  // namespace fw
