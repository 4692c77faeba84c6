#include "widgets/WindowStyle.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void setFixedFrame(QWidget* window) {
    Qt::WindowFlags flags = window->windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
               Qt::WindowContextHelpButtonHint);
    window->setWindowFlags(flags);
}

void fixSizeAndCentre(QWidget* window, QWidget* owner) {
    // A size the screen fixed itself stays; otherwise the layout decides.
    const bool fixed =
        window->minimumSize() == window->maximumSize() && !window->minimumSize().isEmpty();
    QSize size = window->size();
    if (!fixed && window->layout() != nullptr)
        size = window->sizeHint().expandedTo(window->minimumSize());
    window->setFixedSize(size);
    QRect area;
    if (owner != nullptr && owner->window()->isVisible())
        area = owner->window()->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}
