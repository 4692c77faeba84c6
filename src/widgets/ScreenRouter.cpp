#include "widgets/ScreenRouter.h"

#include <QWidget>

bool ScreenRouter::switchTo(MainScreen target, QWidget* from) {
    QWidget* to = screen(target);
    if (to == nullptr)
        return false;
    to->showMaximized();
    to->raise();
    to->activateWindow();
    if (from != nullptr && from != to)
        from->hide();
    return true;
}
