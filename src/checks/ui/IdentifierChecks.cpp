#include "checks/ui/IdentifierChecks.h"

#include "checks/CodiceFiscale.h"
#include "checks/ui/TfrmCarta.h"
#include "checks/ui/TfrmCodFisc.h"
#include "checks/ui/TfrmIban.h"
#include "checks/ui/TfrmPartitaIva.h"
#include "common/TextRules.h"
#include "widgets/Services.h"

namespace {

template <typename Screen>
void openCheck(Services& services, const QString& value, QWidget* owner) {
    Screen screen(services, text::trimmed(value), owner);
    services.dialogs.exec(&screen);
}

} // namespace

void openCodFiscCheck(Services& services, const QString& codFisc, QWidget* owner) {
    if (checks::isCompanyCodiceFiscale(codFisc))
        openCheck<TfrmPartitaIva>(services, codFisc, owner);
    else
        openCheck<TfrmCodFisc>(services, codFisc, owner);
}

void openPartitaIvaCheck(Services& services, const QString& partitaIva, QWidget* owner) {
    openCheck<TfrmPartitaIva>(services, partitaIva, owner);
}

void openIbanCheck(Services& services, const QString& iban, QWidget* owner) {
    openCheck<TfrmIban>(services, iban, owner);
}

void openCartaCheck(Services& services, const QString& carta, QWidget* owner) {
    openCheck<TfrmCarta>(services, carta, owner);
}
