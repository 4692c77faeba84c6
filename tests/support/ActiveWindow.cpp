#include "support/ActiveWindow.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

bool showActive(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
