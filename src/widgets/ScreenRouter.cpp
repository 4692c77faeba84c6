#include "widgets/ScreenRouter.h"

#include "widgets/WindowStyle.h"

#include <QWidget>

bool ScreenRouter::switchTo(MainScreen target, QWidget* from) {
    QWidget* to = screen(target);
    if (to == nullptr)
        return false;
    showMaximizedOnScreen(to);
    to->raise();
    to->activateWindow();
    if (from != nullptr && from != to)
        from->hide();
    return true;
}
