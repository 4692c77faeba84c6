#pragma once

#include "checks/ui/CheckDialog.h"

// " Controllo codice fiscale": tells whether a codice fiscale typed into
// `txtCodFisc` (or handed over by the caller) has the right check character.
class TfrmCodFisc : public CheckDialog {
    Q_OBJECT

public:
    TfrmCodFisc(Services& services, const QString& codFisc, QWidget* owner);

protected:
    Verdict verdict(const QString& fieldText) const override;
};
