#pragma once

#include <QDialog>
#include <QString>

class QLabel;

// What every dialog screen (searches, imports, calendar, numbering, print,
// export, checks, attachments, help, about, splash) has in common: a fixed
// size, no minimise, maximise or close button, centred on its owner the
// first time it is shown, the program's number settings, and the hidden
// routing label `lblMemory` its caller writes before showing it.
//
// Enter and Escape do not press a default button or close the dialog; a
// focused button still takes Enter as a click, and each screen gives its
// fields their own Enter behaviour.
class DialogBase : public QDialog {
    Q_OBJECT

public:
    explicit DialogBase(QWidget* owner);

    // The hidden label; its design text is "lblMemory".
    QLabel* lblMemory() const { return m_lblMemory; }
    // The routing tag the caller wrote, trimmed.
    QString routingTag() const;
    void setRoutingTag(const QString& tag);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_lblMemory;
    bool m_placed = false;
};
