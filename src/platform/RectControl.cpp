#include "platform/RectControl.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "platform/QtText.h"

namespace fw {

struct RectControl::Impl {
    QPointer<QWidget> widget;
    bool replaying = false;
};

RectControl::RectControl() : impl_(std::make_unique<Impl>()) {}

RectControl::~RectControl() {
    // The widget belongs to the window's content widget; a control released
    // while its window stays open takes its widget with it.
    if (impl_->widget) {
        impl_->widget->hide();
        impl_->widget->deleteLater();
    }
}

QWidget* RectControl::Widget() const {
    return impl_->widget;
}

int RectControl::Left() const {
    return IntegerOr(Property("Left"), 0);
}
int RectControl::Top() const {
    return IntegerOr(Property("Top"), 0);
}
int RectControl::Width() const {
    return IntegerOr(Property("Width"), 0);
}
int RectControl::Height() const {
    return IntegerOr(Property("Height"), 0);
}
bool RectControl::Visible() const {
    return BooleanOr(Property("Visible"), true);
}
void RectControl::Visible(bool visible) {
    SetProperty("Visible", visible);
}
bool RectControl::Enabled() const {
    return BooleanOr(Property("Enabled"), true);
}
void RectControl::Enabled(bool enabled) {
    SetProperty("Enabled", enabled);
}
int RectControl::TabIndex() const {
    return IntegerOr(Property("TabIndex"), 0);
}
bool RectControl::TabStop() const {
    return BooleanOr(Property("TabStop"), true);
}

void RectControl::Refresh(bool immediately) {
    if (QWidget* widget = impl_->widget) {
        if (immediately) {
            widget->repaint();
        } else {
            widget->update();
        }
    }
}

void RectControl::TextSize(double points) {
    textSize_ = points;
    ApplyFont();
}

void RectControl::ApplyFont() {
    QWidget* widget = impl_->widget;
    if (!widget) {
        return;
    }
    const PropertyValue* family = Property("TextFont");
    const auto* name = family ? std::get_if<std::string>(family) : nullptr;
    QFont font = FontFor(name ? *name : "System", textSize_);
    font.setBold(BooleanOr(Property("Bold"), false));
    font.setItalic(BooleanOr(Property("Italic"), false));
    font.setUnderline(BooleanOr(Property("Underline"), false));
    widget->setFont(font);
}

void RectControl::SetWidget(QWidget* widget) {
    QWidget* old = impl_->widget;
    impl_->widget = widget;
    if (old && old != widget) {
        old->hide();
        old->deleteLater();
    }
    // Give the new widget everything set so far, in a fixed order: geometry
    // last so that nothing resets it.
    impl_->replaying = true;
    for (const char* name : {"TextFont", "Enabled", "Visible", "HelpTag", "TabStop"}) {
        if (const PropertyValue* value = Property(name)) {
            ApplyProperty(name, *value);
        }
    }
    ApplyFont();
    impl_->replaying = false;
    widget->setGeometry(Left(), Top(), Width(), Height());
}

bool RectControl::ApplyProperty(const std::string& name, const PropertyValue& value) {
    QWidget* widget = impl_->widget;
    if (!widget) {
        return false;
    }
    if (name == "Left" || name == "Top" || name == "Width" || name == "Height") {
        widget->setGeometry(Left(), Top(), Width(), Height());
        return true;
    }
    if (name == "Visible") {
        widget->setVisible(std::get<bool>(value));
        return true;
    }
    if (name == "Enabled") {
        widget->setEnabled(std::get<bool>(value));
        return true;
    }
    if (name == "HelpTag") {
        widget->setToolTip(ToQString(std::get<std::string>(value)));
        return true;
    }
    if (name == "TabStop") {
        // Without TabStop the control is left out of the Tab chain; a click
        // still gives it the focus.
        if (widget->focusPolicy() != Qt::NoFocus || std::get<bool>(value)) {
            widget->setFocusPolicy(std::get<bool>(value) ? Qt::StrongFocus : Qt::ClickFocus);
        }
        return true;
    }
    if (name == "TextFont" || name == "Bold" || name == "Italic" || name == "Underline") {
        if (!impl_->replaying) {
            ApplyFont();
        }
        return true;
    }
    if (name == "TabIndex") {
        return true;  // the window orders focus once all controls exist
    }
    return false;
}

}  // namespace fw
