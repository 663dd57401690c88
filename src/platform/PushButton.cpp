#include "platform/PushButton.h"

#include <QPushButton>

#include "platform/EventNumber.h"
#include "platform/QtText.h"
#include "platform/Runtime.h"

namespace fw {

void PushButton::CreateWidget(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    std::weak_ptr<Control> weak = weak_from_this();
    QObject::connect(button, &QPushButton::clicked, button, [weak] {
        Dispatch([weak] {
            if (auto self = weak.lock()) {
                self->RaiseEvent(kEventAction);
            }
        });
    });
    SetWidget(button);
}

std::string PushButton::Caption() const {
    const PropertyValue* value = Property("Caption");
    return value ? std::get<std::string>(*value) : std::string();
}

bool PushButton::Default() const {
    const PropertyValue* value = Property("Default");
    return value && std::get<bool>(*value);
}

bool PushButton::Cancel() const {
    const PropertyValue* value = Property("Cancel");
    return value && std::get<bool>(*value);
}

void PushButton::Push() {
    if (auto* button = qobject_cast<QPushButton*>(Widget()); button && button->isEnabled()) {
        button->click();
    }
}

bool PushButton::ApplyProperty(const std::string& name, const PropertyValue& value) {
    auto* button = qobject_cast<QPushButton*>(Widget());
    if (!button) {
        return false;
    }
    if (name == "Caption") {
        button->setText(WithLineFeeds(std::get<std::string>(value)));
        return true;
    }
    if (name == "Default") {
        button->setDefault(std::get<bool>(value));
        return true;
    }
    if (name == "Cancel") {
        return true;  // the window presses it on Escape
    }
    return RectControl::ApplyProperty(name, value);
}

}  // namespace fw
