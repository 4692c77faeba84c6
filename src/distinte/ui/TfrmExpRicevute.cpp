#include "distinte/ui/TfrmExpRicevute.h"

#include "common/TextRules.h"
#include "distinte/DistintaExport.h"

TfrmExpRicevute::TfrmExpRicevute(Services& services, QWidget* owner, const QString& archivePath)
    : ExportScreen(services, owner, distintaexport::source(), text::trimmed(archivePath),
                   QStringLiteral(" Esporta archivio distinte in Microsoft Excel"),
                   help::Topic::EsportaDistinte) {
    setObjectName(QStringLiteral("TfrmExpRicevute"));
}
