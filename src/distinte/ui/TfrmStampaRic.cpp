#include "distinte/ui/TfrmStampaRic.h"

#include "output/ui/ReportOutput.h"
#include "widgets/Services.h"

const QString TfrmStampaRic::kFailed = reportoutput::kPrintFailed;

TfrmStampaRic::TfrmStampaRic(Services& services, const Ricevuta& ricevuta, QWidget* owner)
    : DistintaOutputDialog(
          services, ricevuta, owner, QStringLiteral(" Stampa scheda"), QStringLiteral("Stampa"),
          {QStringLiteral("Stampa scheda"),
           QStringLiteral("Questa operazione stampa su carta la distinta corrente con i dati "
                          "inseriti."),
           QStringLiteral("Premere Stampa per avviare la stampa oppure Annulla per annullare "
                          "l'operazione.")}) {
    setObjectName(QStringLiteral("TfrmStampaRic"));
}

bool TfrmStampaRic::produce(const PreparedReport& page) {
    // Cancelling the printer dialog is not a failure: nothing is printed.
    return reportoutput::print(services().printers, this, page) !=
           reportoutput::PrintResult::Failed;
}
