#pragma once

#include "checks/ui/CheckDialog.h"

// " Controllo IBAN": tells whether a 27-character IBAN typed into `txtIban`
// or handed over by the caller passes the modulo-97 check.
class TfrmIban : public CheckDialog {
    Q_OBJECT

public:
    TfrmIban(Services& services, const QString& iban, QWidget* owner);

protected:
    Verdict verdict(const QString& fieldText) const override;
};
