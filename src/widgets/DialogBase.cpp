#include "widgets/DialogBase.h"

#include "widgets/WindowStyle.h"

#include <QAbstractButton>
#include <QKeyEvent>

DialogBase::DialogBase(QWidget* owner) : QDialog(owner) {
    setFixedFrame(this);
    setModal(true);
}

void DialogBase::showEvent(QShowEvent* event) {
    // A result screen that needs the whole screen (the income summary's)
    // asks to be maximised and keeps that size.
    if (!m_placed && !(windowState() & Qt::WindowMaximized)) {
        m_placed = true;
        fixSizeAndCentre(this, parentWidget());
    }
    QDialog::showEvent(event);
}

void DialogBase::keyPressEvent(QKeyEvent* event) {
    // Keys a field or button left unused end here; QDialog would turn Enter
    // into a click on the default button and Escape into closing.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The focused button takes Enter as a click, whatever its default
        // settings; Enter never reaches a button that does not have the focus.
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget());
            button != nullptr && button->isEnabled() && button->isVisible())
            button->click();
        event->accept();
        return;
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
