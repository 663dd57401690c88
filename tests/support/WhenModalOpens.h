#pragma once

// Answers a real modal dialog in place of the user.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace app_test {

// Runs `act` on the first modal widget that opens from now on.
inline void WhenModalOpens(std::function<void(QWidget&)> act) {
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(*modal);
        }
    });
    timer->start();
}

}  // namespace app_test
