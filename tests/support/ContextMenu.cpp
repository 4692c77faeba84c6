#include "support/ContextMenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <memory>

bool useContextMenu(QLineEdit* field, QKeySequence::StandardKey entry) {
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    const QString shortcut =
        QLatin1Char('\t') + QKeySequence(entry).toString(QKeySequence::NativeText);
    for (QAction* action : menu->actions()) {
        if (action->text().endsWith(shortcut)) {
            action->trigger();
            return true;
        }
    }
    return false;
}
