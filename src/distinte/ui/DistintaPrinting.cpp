#include "distinte/ui/DistintaPrinting.h"

#include "distinte/ui/TfrmAnteprimaRic.h"
#include "distinte/ui/TfrmLogo.h"
#include "distinte/ui/TfrmStampaRic.h"
#include "widgets/Services.h"

void printDistinta(Services& services, QWidget* owner, const Ricevuta& ricevuta) {
    TfrmStampaRic screen(services, ricevuta, owner);
    services.dialogs.exec(&screen);
}

void previewDistinta(Services& services, QWidget* owner, const Ricevuta& ricevuta) {
    TfrmAnteprimaRic screen(services, ricevuta, owner);
    services.dialogs.exec(&screen);
}

void openLogoDialog(Services& services, QWidget* owner) {
    TfrmLogo screen(services, owner);
    services.dialogs.exec(&screen);
}
