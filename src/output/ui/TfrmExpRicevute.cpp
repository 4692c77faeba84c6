#include "output/ui/TfrmExpRicevute.h"

#include "common/TextRules.h"

TfrmExpRicevute::TfrmExpRicevute(Services& services, QWidget* owner, const QString& archivePath)
    : ExportScreen(services, owner, archiveexport::distinte(), text::trimmed(archivePath),
                   QStringLiteral(" Esporta archivio distinte in Microsoft Excel"),
                   help::Topic::EsportaDistinte) {
    setObjectName(QStringLiteral("TfrmExpRicevute"));
}
