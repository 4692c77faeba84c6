#pragma once

#include "widgets/RoutingTag.h"

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;

// What every dialog screen (searches, imports, calendar, numbering, print,
// export, checks, attachments, help, about, splash) has in common: a fixed
// size, no minimise, maximise or close button, centred on its owner the
// first time it is shown, the program's number settings, and the hidden
// routing tag its caller sets before showing it, shown by the hidden label
// `lblMemory`.
//
// Enter and Escape do not press a default button or close the dialog; a
// focused button takes Enter as a click, and each screen gives its fields
// their own Enter behaviour.
class DialogBase : public QDialog {
    Q_OBJECT

public:
    explicit DialogBase(QWidget* owner);

    // The routing tag the caller set; none until it sets one.
    std::optional<RoutingTag> routingTag() const { return m_tag; }
    // Sets the tag; the hidden label shows its text (design text "lblMemory").
    void setRoutingTag(RoutingTag tag);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_lblMemory;
    std::optional<RoutingTag> m_tag;
    bool m_placed = false;
};
