#include "tariff/ui/TfrmAggiungi_Voce.h"

TfrmAggiungi_Voce::TfrmAggiungi_Voce(Services& services, QWidget* owner)
    : TariffEntryDialog(services, owner, QStringLiteral(" Aggiungi voce"),
                        QStringLiteral("Aggiungi voce all'elenco")) {
    setObjectName(QStringLiteral("TfrmAggiungi_Voce"));
}
