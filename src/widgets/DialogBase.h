#pragma once

#include <QDialog>

// What every dialog screen (searches, imports, calendar, numbering, print,
// export, checks, attachments, help, about, splash) has in common: a fixed
// size, no minimise, maximise or close button, centred on its owner the
// first time it is shown, and the program's number settings. A dialog never
// asks who opened it: it hands back its result and the caller, which knows
// why it opened it, acts on it.
//
// Enter and Escape do not press a default button or close the dialog; a
// focused button takes Enter as a click, and each screen gives its fields
// their own Enter behaviour.
class DialogBase : public QDialog {
    Q_OBJECT

public:
    explicit DialogBase(QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_placed = false;
};
