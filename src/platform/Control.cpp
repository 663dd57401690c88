#include "platform/Control.h"

#include "platform/base/Exceptions.h"

namespace fw {

void Control::Attach(const std::shared_ptr<Window>& owner, std::string name) {
    owner_ = owner;
    name_ = std::move(name);
}

void Control::AddEventHandler(int eventNumber, Delegate delegate) {
    handlers_[eventNumber] = std::move(delegate);
}

bool Control::HasEventHandler(int eventNumber) const {
    return handlers_.contains(eventNumber);
}

void Control::RaiseEvent(int eventNumber, const EventArgs& args) {
    const auto found = handlers_.find(eventNumber);
    if (found == handlers_.end()) {
        return;
    }
    // Copies keep the delegate and the control alive while the handler runs,
    // even if it closes the window that owns them.
    const Delegate delegate = found->second;
    const std::shared_ptr<Control> self = shared_from_this();
    const std::shared_ptr<Window> target = delegate.target.lock();
    if (!target) {
        throw NilObjectException("The window of control '" + name_ + "' no longer exists.");
    }
    delegate.invoke(*target, *self, args);
}

void Control::SetProperty(const std::string& name, const PropertyValue& value) {
    properties_[name] = value;
    ApplyProperty(name, value);
}

const PropertyValue* Control::Property(const std::string& name) const {
    const auto found = properties_.find(name);
    return found == properties_.end() ? nullptr : &found->second;
}

bool Control::ApplyProperty(const std::string& /*name*/, const PropertyValue& /*value*/) {
    return false;
}

}  // namespace fw
