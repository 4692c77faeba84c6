#include "widgets/PictureButton.h"

#include <QMouseEvent>
#include <QToolButton>

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent) : QLabel(parent) {
    setPixmap(picture);
    setCursor(Qt::PointingHandCursor);
}

PictureButton::PictureButton(QSize size, deferred::Drawing draw, QWidget* parent) : QLabel(parent) {
    deferred::setPicture(this, size, std::move(draw));
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

QToolButton* makePictureButton(QWidget* parent, const QString& objectName, const QIcon& icon,
                               const QString& caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(icon);
    button->setIconSize(QSize(28, 28));
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    if (!caption.isEmpty()) {
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    return button;
}
