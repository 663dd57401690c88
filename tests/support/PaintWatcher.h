#pragma once

// Calls back whenever the watched widget paints; Refresh(True) paints at once.

#include <QEvent>
#include <QObject>
#include <functional>
#include <utility>

namespace app_test {

class PaintWatcher final : public QObject {
public:
    PaintWatcher(QObject* watched, std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            onPaint_();
        }
        return false;
    }

private:
    std::function<void()> onPaint_;
};

}  // namespace app_test
