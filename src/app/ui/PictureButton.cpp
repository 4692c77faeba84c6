#include "app/ui/PictureButton.h"

#include <QMouseEvent>

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent) : QLabel(parent) {
    setPixmap(picture);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
