#pragma once

#include "tariff/ui/TariffEntryDialog.h"

// The dialog that makes a new tariff entry; the tariff screen appends it.
class TfrmAggiungi_Voce : public TariffEntryDialog {
    Q_OBJECT

public:
    TfrmAggiungi_Voce(Services& services, QWidget* owner);
};
