#pragma once

#include "tariff/ui/TariffEntryDialog.h"

// The dialog that changes a tariff entry; the tariff screen puts the result
// in place of the entry it came from.
class TfrmModifica_Voce : public TariffEntryDialog {
    Q_OBJECT

public:
    TfrmModifica_Voce(Services& services, QWidget* owner);

    // Fills the fields with the name and price of the entry to change.
    void setEntry(const QString& entry);
};
