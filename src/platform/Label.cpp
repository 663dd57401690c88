#include "platform/Label.h"

#include <QLabel>

#include "platform/QtText.h"
#include "platform/Window.h"

namespace fw {

void Label::CreateWidget(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetWidget(label);
}

std::string Label::Text() const {
    auto* label = qobject_cast<QLabel*>(Widget());
    return label ? FromQString(label->text()) : std::string();
}

void Label::Text(const std::string& text) {
    SetProperty("Text", text);
}

bool Label::ApplyProperty(const std::string& name, const PropertyValue& value) {
    auto* label = qobject_cast<QLabel*>(Widget());
    if (!label) {
        return false;
    }
    if (name == "Text") {
        label->setText(WithLineFeeds(std::get<std::string>(value)));
        return true;
    }
    if (name == "TextAlign") {
        const int align = std::get<std::int32_t>(value);
        const Qt::Alignment horizontal = align == 1   ? Qt::AlignHCenter
                                         : align == 2 ? Qt::AlignRight
                                                      : Qt::AlignLeft;
        label->setAlignment(horizontal | Qt::AlignTop);
        return true;
    }
    if (name == "Multiline") {
        label->setWordWrap(std::get<bool>(value));
        return true;
    }
    if (name == "TextColor") {
        // Black on a window without a background colour of its own stands for
        // the theme's text colour, so that the label stays readable on a dark
        // theme: the label then inherits its window's palette. (A window's record
        // is applied before its controls are made.)
        const Color color = std::get<Color>(value);
        const std::shared_ptr<Window> window = OwnerWindow();
        const bool ownBackground = window && BooleanOr(window->Property("HasBackColor"), false);
        if (color == Color{} && !ownBackground) {
            label->setPalette(QPalette());
        } else {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
            label->setPalette(palette);
        }
        return true;
    }
    if (name == "TabStop") {
        return false;  // a label never takes the keyboard focus
    }
    return RectControl::ApplyProperty(name, value);
}

}  // namespace fw
