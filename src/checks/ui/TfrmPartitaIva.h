#pragma once

#include "checks/ui/CheckDialog.h"

// " Controllo partita IVA": tells whether a partita IVA typed into
// `txtPartitaIva` (digits only) or handed over by the caller has the right
// check digit, and names the VAT office that issued a valid one.
class TfrmPartitaIva : public CheckDialog {
    Q_OBJECT

public:
    TfrmPartitaIva(Services& services, const QString& partitaIva, QWidget* owner);

protected:
    Verdict verdict(const QString& fieldText) const override;
};
