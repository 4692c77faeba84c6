#include "distinte/ui/TfrmAnteprimaRic.h"

#include "app/ui/Services.h"
#include "output/ui/ReportPreviewDialog.h"

const QString TfrmAnteprimaRic::kFailed =
    QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon "
                   "fine.\n\r\n\rSi consiglia di verificare che la stampante sia configurata "
                   "correttamente.");

TfrmAnteprimaRic::TfrmAnteprimaRic(Services& services, const Ricevuta& ricevuta, QWidget* owner)
    : DistintaOutputDialog(
          services, ricevuta, owner, QStringLiteral(" Anteprima di stampa"),
          QStringLiteral("Mostra anteprima"),
          {QStringLiteral("Anteprima di stampa"),
           QStringLiteral("Questa operazione mostra in anteprima i dati che appariranno in "
                          "stampa."),
           QStringLiteral("Fare clic su Mostra anteprima per vedere il documento a video prima "
                          "di stamparlo su carta.")}) {
    setObjectName(QStringLiteral("TfrmAnteprimaRic"));
}

bool TfrmAnteprimaRic::produce(const PreparedReport& page) {
    ReportPreviewDialog preview(services(), page, this);
    services().dialogs.exec(&preview);
    return true;
}
