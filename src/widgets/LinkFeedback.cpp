#include "widgets/LinkFeedback.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

const QColor kIdle(0x00008B);
const QColor kHeld(0xFFA500);

void setTextColour(QLabel* link, const QColor& colour) {
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, colour);
    link->setPalette(palette);
}

class LinkFilter final : public QObject {
public:
    LinkFilter(QLabel* link, std::function<void()> onClick)
        : QObject(link), m_link(link), m_onClick(std::move(onClick)) {
        link->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                setTextColour(m_link, kHeld);
            return false;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                return false;
            setTextColour(m_link, kIdle);
            if (m_link->rect().contains(mouse->position().toPoint()) && m_onClick)
                m_onClick();
        }
        return false;
    }

private:
    QLabel* m_link;
    std::function<void()> m_onClick;
};

} // namespace

void applyLinkFeedback(QLabel* link, std::function<void()> onClick) {
    link->setCursor(Qt::PointingHandCursor);
    setTextColour(link, kIdle);
    new LinkFilter(link, std::move(onClick));
}
