#pragma once

#include "widgets/DialogBase.h"
#include "widgets/Services.h"

#include <QString>

class QLineEdit;
class QPushButton;

// What the four identifier check screens share: the instruction `lblTitolo`,
// one field in Courier New 20 bold, `btnControlla` and `btnChiudi`. Enter in
// the field moves to `btnControlla`. "Controlla" asks the screen for its
// verdict on the field's text and shows it; a verdict that asks for a better
// input gives the focus back to the field, any other closes the screen.
//
// The screens only report: they change no data and hand nothing back. The
// field's length limit stops typing only, so a longer value handed over by
// the caller stays whole.
class CheckDialog : public DialogBase {
    Q_OBJECT

public:
    // What "Controlla" shows.
    struct Verdict {
        MessageBoxes::Icon icon;
        QString text;
        bool staysOpen = false; // true: the input must be corrected first
    };

protected:
    struct Setup {
        QString objectName;
        QString caption;
        QString title;
        QString fieldName; // the field's objectName, `txt...`
        int maxLength;
        bool digitsOnly;   // keys other than digits and editing keys are discarded
        bool tidiesTyping; // what the user types is trimmed and upper-cased at once
    };

    CheckDialog(Services& services, const Setup& setup, const QString& value, QWidget* owner);

    // The message for the field's text as it stands.
    virtual Verdict verdict(const QString& fieldText) const = 0;

    void showEvent(QShowEvent* event) override;

private:
    void btnControllaClick();

    Services& m_services;
    int m_maxLength;
    QLineEdit* m_field;
};
