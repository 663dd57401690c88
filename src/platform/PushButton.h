#pragma once

// A push button. Pressing it raises its Action event (15). A Default button is
// pressed by Return, a Cancel button by Escape.

#include <string>

#include "platform/RectControl.h"

namespace fw {

class PushButton : public RectControl {
public:
    [[nodiscard]] RecordKind Kind() const override { return RecordKind::PushButton; }
    void CreateWidget(QWidget* parent) override;

    [[nodiscard]] std::string Caption() const;
    [[nodiscard]] bool Default() const;
    [[nodiscard]] bool Cancel() const;
    // Presses the button as a click does (if it is enabled).
    void Push();

protected:
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
};

}  // namespace fw
