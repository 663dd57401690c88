#pragma once

// The base of every control: a name within its window, the window that owns it,
// the delegates bound to its events, and the properties its layout record set.
// Properties without a counterpart on this desktop are kept here and have no
// visible effect (listed in RectControl.h).

#include <map>
#include <memory>
#include <string>

#include "platform/Delegate.h"
#include "platform/LayoutRecord.h"

namespace fw {

class Window;

class Control : public std::enable_shared_from_this<Control> {
public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    [[nodiscard]] virtual RecordKind Kind() const = 0;

    // The name the control is registered under with its window.
    [[nodiscard]] const std::string& Name() const { return name_; }
    // The owning window, or nullptr once it is gone.
    [[nodiscard]] std::shared_ptr<Window> OwnerWindow() const { return owner_.lock(); }

    void AddEventHandler(int eventNumber, Delegate delegate);
    [[nodiscard]] bool HasEventHandler(int eventNumber) const;
    // Calls the handler bound to the event, if any. Throws NilObjectException when
    // the handler's window no longer exists; the handler then does not run.
    void RaiseEvent(int eventNumber, const EventArgs& args = EventArgs{});

    // Sets a property by name, as a layout record does.
    void SetProperty(const std::string& name, const PropertyValue& value);
    // The value last set for the property, or nullptr.
    [[nodiscard]] const PropertyValue* Property(const std::string& name) const;

    // Called by the window when it closes, before the control is released.
    virtual void WindowClosed() {}

protected:
    // Gives a property its effect; returns false for one that has none here.
    virtual bool ApplyProperty(const std::string& name, const PropertyValue& value);

    void Attach(const std::shared_ptr<Window>& owner, std::string name);

private:
    friend class Window;
    std::string name_;
    std::weak_ptr<Window> owner_;
    std::map<int, Delegate> handlers_;
    std::map<std::string, PropertyValue> properties_;
};

}  // namespace fw
