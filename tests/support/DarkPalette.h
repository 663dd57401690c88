#pragma once

// Gives the application a dark palette, as a dark desktop theme does, for the
// object's lifetime; afterwards the palette is as before.

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace app_test {

class DarkPalette {
public:
    static inline const QColor kBackground{0x30, 0x30, 0x30};
    static inline const QColor kText{0xEE, 0xEE, 0xEE};

    DarkPalette() : saved_(QApplication::palette()) {
        QPalette dark = saved_;
        for (const QPalette::ColorRole role :
             {QPalette::Window, QPalette::Base, QPalette::Button}) {
            dark.setColor(role, kBackground);
        }
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            dark.setColor(role, kText);
        }
        QApplication::setPalette(dark);
    }
    ~DarkPalette() { QApplication::setPalette(saved_); }
    DarkPalette(const DarkPalette&) = delete;
    DarkPalette& operator=(const DarkPalette&) = delete;

private:
    QPalette saved_;
};

}  // namespace app_test
