#include "tariff/ui/TfrmModifica_Voce.h"

#include "tariff/TariffEntry.h"

#include <QLineEdit>

TfrmModifica_Voce::TfrmModifica_Voce(Services& services, QWidget* owner)
    : TariffEntryDialog(services, owner, QStringLiteral(" Modifica voce"),
                        QStringLiteral("Modifica voce in elenco")) {
    setObjectName(QStringLiteral("TfrmModifica_Voce"));
}

void TfrmModifica_Voce::setEntry(const QString& entry) {
    nameField()->setText(tariff::entryName(entry));
    showPrice(tariff::entryPrice(entry, tariff::kEditPriceSpan));
}
