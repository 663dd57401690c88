#include "platform/WindowWidget.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "platform/Runtime.h"
#include "platform/Window.h"

namespace fw {

WindowWidget::WindowWidget(Window* owner) : owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    if (owner_ != nullptr) {
        Window* owner = owner_;
        Dispatch([owner] { owner->HandleCloseRequest(); });
    }
    event->accept();
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    if (owner_ != nullptr && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        bool pressed = false;
        Window* owner = owner_;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            Dispatch([&] { pressed = owner->PressDefaultButton(false); });
        } else if (event->key() == Qt::Key_Escape) {
            Dispatch([&] { pressed = owner->PressDefaultButton(true); });
        }
        if (pressed) {
            event->accept();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace fw
