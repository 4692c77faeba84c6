#include "widgets/ScreenPreamble.h"

#include <QPalette>
#include <QWidget>

void prepareScreen(QWidget* screen, const QString& name, const QString& caption,
                   std::optional<QColor> background) {
    screen->setObjectName(name);
    screen->setWindowTitle(caption);
    if (!background)
        return;
    screen->setAutoFillBackground(true);
    QPalette palette = screen->palette();
    palette.setColor(QPalette::Window, *background);
    screen->setPalette(palette);
}
