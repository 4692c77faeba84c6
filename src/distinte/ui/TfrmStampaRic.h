#pragma once

#include "distinte/ui/DistintaOutputDialog.h"

// " Stampa scheda": prints the distinta on paper through the printer dialog.
class TfrmStampaRic : public DistintaOutputDialog {
    Q_OBJECT

public:
    TfrmStampaRic(Services& services, const Ricevuta& ricevuta, QWidget* owner);

    static const QString kFailed;

protected:
    bool produce(const PreparedReport& page) override;
    QString failureText() const override { return kFailed; }
};
