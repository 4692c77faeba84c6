#pragma once

#include "distinte/ui/DistintaOutputDialog.h"

// " Anteprima di stampa": shows the distinta in the preview window, from
// which it can be printed.
class TfrmAnteprimaRic : public DistintaOutputDialog {
    Q_OBJECT

public:
    TfrmAnteprimaRic(Services& services, const Ricevuta& ricevuta, QWidget* owner);

    static const QString kFailed;

protected:
    bool produce(const PreparedReport& page) override;
    QString failureText() const override { return kFailed; }
};
