#pragma once

// A progress bar; a Maximum of 0 makes it indeterminate (a busy bar).

#include "platform/RectControl.h"

namespace fw {

class ProgressBar : public RectControl {
public:
    [[nodiscard]] RecordKind Kind() const override { return RecordKind::ProgressBar; }
    void CreateWidget(QWidget* parent) override;

    [[nodiscard]] int Value() const;
    void Value(int value);
    [[nodiscard]] int Maximum() const;
    void Maximum(int maximum);

protected:
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
};

}  // namespace fw
