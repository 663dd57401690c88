#pragma once

// A control with a place in its window: position and size in the window's
// content area, visibility, enabling, font and keyboard focus order. It owns one
// Qt widget, made by the subclass when the window creates the control.
//
// Properties that have no counterpart on this desktop are read and kept on the
// control (Control::Property) without a visible effect: Index, LockLeft,
// LockTop, LockRight, LockBottom (no window is resizable), TabPanelIndex,
// AutoDeactivate, InitialParent "", DataSource, DataField, UseFocusRing,
// Format, Mask, Alignment 0, ButtonStyle 0,
// Selectable, Transparent, TextUnit 0 (points), a text area's Multiline (every
// text area has several lines), a LimitText other than 0 (0 is no limit),
// TabStop on labels and progress bars (they never take the focus), the
// record's Name (the name registered with the window counts) and, on windows,
// Placement, Composite, LiveResize, FullScreen False and MacProcID.

#include <memory>
#include <string>

#include "platform/Control.h"

class QWidget;

namespace fw {

class RectControl : public Control {
public:
    RectControl();
    ~RectControl() override;

    // The framework's control constructor; the widget already exists.
    virtual void Constructor() {}

    [[nodiscard]] int Left() const;
    [[nodiscard]] int Top() const;
    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    [[nodiscard]] bool Visible() const;
    void Visible(bool visible);
    [[nodiscard]] bool Enabled() const;
    void Enabled(bool enabled);
    [[nodiscard]] int TabIndex() const;
    [[nodiscard]] bool TabStop() const;

    // Redraws the control; `immediately` paints before returning.
    void Refresh(bool immediately = true);

    // Text size in points; 0 is the desktop's default size.
    void TextSize(double points);
    [[nodiscard]] double TextSize() const { return textSize_; }
    // Font unit; only 0 (points) exists here.
    void TextUnit(int unit) { textUnit_ = unit; }
    [[nodiscard]] int TextUnit() const { return textUnit_; }

    // Framework internals: the widget, made by CreateWidget under `parent`.
    [[nodiscard]] QWidget* Widget() const;
    virtual void CreateWidget(QWidget* parent) = 0;

protected:
    bool ApplyProperty(const std::string& name, const PropertyValue& value) override;
    // Installs the widget (replacing an earlier one) and gives it every
    // property set so far.
    void SetWidget(QWidget* widget);
    void ApplyFont();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    double textSize_ = 0;
    int textUnit_ = 0;
};

}  // namespace fw
