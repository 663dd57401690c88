#include "platform/ProgressBar.h"

#include <QProgressBar>
#include <algorithm>

namespace fw {

void ProgressBar::CreateWidget(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setTextVisible(false);
    SetWidget(bar);
}

int ProgressBar::Value() const {
    const PropertyValue* value = Property("Value");
    return value ? std::get<std::int32_t>(*value) : 0;
}

void ProgressBar::Value(int value) {
    SetProperty("Value", static_cast<std::int32_t>(value));
}

int ProgressBar::Maximum() const {
    const PropertyValue* value = Property("Maximum");
    return value ? std::get<std::int32_t>(*value) : 100;
}

void ProgressBar::Maximum(int maximum) {
    SetProperty("Maximum", static_cast<std::int32_t>(maximum));
}

bool ProgressBar::ApplyProperty(const std::string& name, const PropertyValue& value) {
    auto* bar = qobject_cast<QProgressBar*>(Widget());
    if (!bar) {
        return false;
    }
    if (name == "Value" || name == "Maximum") {
        bar->setRange(0, std::max(Maximum(), 0));
        bar->setValue(std::clamp(Value(), 0, std::max(Maximum(), 0)));
        return true;
    }
    if (name == "TabStop") {
        return false;  // a progress bar never takes the keyboard focus
    }
    return RectControl::ApplyProperty(name, value);
}

}  // namespace fw
