#include "widgets/FirstPaint.h"

#include <QEvent>
#include <QWidget>

namespace {

// Owned by the watched screen, so that a queued action dies with it.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget* screen, std::function<void()> action)
        : QObject(screen), m_action(std::move(action)) {
        screen->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_action();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void afterFirstPaint(QWidget* screen, std::function<void()> action) {
    new FirstPaintWatch(screen, std::move(action));
}
