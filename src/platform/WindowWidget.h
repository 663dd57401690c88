#pragma once

// The Qt window behind a framework Window (framework internals). Its close box
// closes the framework window; Return and Escape press the window's default and
// cancel buttons when no control has taken the key.

#include <QMainWindow>

namespace fw {

class Window;

class WindowWidget final : public QMainWindow {
public:
    explicit WindowWidget(Window* owner);
    void Detach() { owner_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Window* owner_;
};

}  // namespace fw
