#pragma once

#include "checks/ui/CheckDialog.h"

// " Controllo carta di credito": tells whether a card number typed into
// `txtNumero` (digits only) or handed over by the caller (separators
// included) passes the Luhn test, and names the card type of a valid one.
class TfrmCarta : public CheckDialog {
    Q_OBJECT

public:
    TfrmCarta(Services& services, const QString& numero, QWidget* owner);

protected:
    Verdict verdict(const QString& fieldText) const override;
};
