#include "support/ContextMenu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

bool useContextMenu(QLineEdit* field, QKeySequence::StandardKey entry) {
    // A right click: the field (or whatever filters its events) opens the menu.
    const QPoint at = field->rect().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr)
        return false;
    const QString shortcut =
        QLatin1Char('\t') + QKeySequence(entry).toString(QKeySequence::NativeText);
    bool used = false;
    for (QAction* action : menu->actions()) {
        if (!used && action->text().endsWith(shortcut)) {
            action->trigger();
            used = true;
        }
    }
    menu->close();
    return used;
}
