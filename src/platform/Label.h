#pragma once

// A static text. TextAlign: 0 left, 1 centre, 2 right; Multiline wraps the text.
// TextColor black on a window without its own background colour draws in the
// theme's text colour; any other colour, or any window with its own
// background, draws exactly as recorded.

#include <string>

#include "platform/RectControl.h"

namespace fw {

class Label : public RectControl {
public:
    [[nodiscard]] RecordKind Kind() const override { return RecordKind::Label; }
    void CreateWidget(QWidget* parent) override;

    [[nodiscard]] std::string Text() const;
    void Text(const std::string& text);

protected:
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
};

}  // namespace fw
