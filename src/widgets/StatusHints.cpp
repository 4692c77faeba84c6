#include "widgets/StatusHints.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

StatusHints::StatusHints(QLabel* panInfo) : QObject(panInfo), m_panInfo(panInfo) {}

void StatusHints::addHint(QWidget* command, const QString& hint) {
    if (!m_hints.contains(command)) {
        command->installEventFilter(this);
        connect(command, &QObject::destroyed, this, [this, command] { m_hints.remove(command); });
    }
    m_hints.insert(command, hint);
}

void StatusHints::nameKey(QWidget* command, const QString& keyName) {
    const QString hint = m_hints.value(command);
    addHint(command, hint.isEmpty() ? QStringLiteral("(%1)").arg(keyName)
                                    : QStringLiteral("%1 (%2)").arg(hint, keyName));
}

StatusHints* StatusHints::of(QLabel* panInfo) {
    return panInfo == nullptr
               ? nullptr
               : panInfo->findChild<StatusHints*>(QString(), Qt::FindDirectChildrenOnly);
}

void StatusHints::addBackground(QWidget* area) {
    // Moving from a command back onto the area around it sends the area no
    // Enter event, so the area has to see plain mouse moves too.
    area->setMouseTracking(true);
    area->installEventFilter(this);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        show(m_hints.value(watched));
    } else if (event->type() == QEvent::MouseMove && !m_hints.contains(watched)) {
        // A move the area receives may come up from a child under the mouse:
        // only the area itself, or a command inside it, decides the text.
        auto* area = static_cast<QWidget*>(watched);
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        for (QWidget* w = area->childAt(at); w != nullptr && w != area; w = w->parentWidget()) {
            if (m_hints.contains(w)) {
                show(m_hints.value(w));
                return false;
            }
        }
        if (area->childAt(at) == nullptr)
            show(QString());
    }
    return false;
}

void StatusHints::show(const QString& text) {
    if (m_panInfo->text() != text)
        m_panInfo->setText(text);
}
