#include "widgets/EnterChain.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

const QString kFilterName = QStringLiteral("enterChain");

class EnterFilter final : public QObject {
public:
    explicit EnterFilter(QWidget* from) : QObject(from) {
        setObjectName(kFilterName);
        from->installEventFilter(this);
    }

    void setAction(std::function<void()> action) { m_action = std::move(action); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (m_action)
            m_action();
        return true;
    }

private:
    std::function<void()> m_action;
};

EnterFilter* filterOf(QWidget* from) {
    if (auto* existing = from->findChild<EnterFilter*>(kFilterName, Qt::FindDirectChildrenOnly))
        return existing;
    return new EnterFilter(from);
}

} // namespace

void setEnterNext(QWidget* from, QWidget* to) {
    // The tab reason makes a line edit select its text, as moving by keyboard does.
    filterOf(from)->setAction([target = QPointer<QWidget>(to)] {
        if (!target)
            return;
        target->setFocus(Qt::TabFocusReason);
        // Moving by keyboard: the style draws the focus mark, on buttons too.
        target->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        target->update();
    });
}

void setEnterAction(QWidget* from, std::function<void()> action) {
    filterOf(from)->setAction(std::move(action));
}
