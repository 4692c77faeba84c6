#include "widgets/PictureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
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

void PictureButton::makeKeyboardReachable() {
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (focusPolicy() != Qt::NoFocus && plain &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void PictureButton::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A mark the eye finds on any picture: a wide orange frame.
    QPainter painter(this);
    painter.setPen(QPen(QColor(0xFFA500), 3, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
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
