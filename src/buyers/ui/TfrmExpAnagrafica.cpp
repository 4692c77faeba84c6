#include "buyers/ui/TfrmExpAnagrafica.h"

#include "buyers/BuyerExport.h"
#include "buyers/SchedaAnagrafica.h"
#include "widgets/Services.h"

TfrmExpAnagrafica::TfrmExpAnagrafica(Services& services, QWidget* owner)
    : ExportScreen(services, owner, buyerexport::source(),
                   services.folder.file(kBuyersArchiveFileName),
                   QStringLiteral(" Esporta archivio anagrafico in Microsoft Excel"),
                   help::Topic::EsportaAnagrafica) {
    setObjectName(QStringLiteral("TfrmExpAnagrafica"));
}
