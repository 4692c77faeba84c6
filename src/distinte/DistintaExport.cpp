#include "distinte/DistintaExport.h"

#include "common/FixedField.h"
#include "distinte/Ricevuta.h"

namespace distintaexport {
namespace {

using archiveexport::column;

void appendDistintaRow(QByteArrayView record, ExportTable& table) {
    const RecordLayout& layout = Ricevuta::layout();
    const auto add = [&](int field) {
        table.addCell(fixedfield::trimmedBytes(record, layout.field(field)));
    };
    add(Ricevuta::NumRic);
    add(Ricevuta::Data);
    for (int i = 0; i < Ricevuta::kPartyLines; ++i)
        add(Ricevuta::AcqRigo01 + i);
    for (int i = 0; i < Ricevuta::kLines; ++i)
        add(Ricevuta::Descrizione01 + i);
    add(Ricevuta::Pagamento);
    add(Ricevuta::Totale);
    add(Ricevuta::Saldato);
}

ExportSource makeDistinte() {
    ExportSource source{{QStringLiteral("Archivio Distinte"), {}},
                        QStringLiteral("Archivio_Distinte.xls"),
                        QStringLiteral("Archivio_Distinte.xlsx"),
                        Ricevuta::kRecordSize,
                        &appendDistintaRow};
    QList<ExportColumn>& c = source.sheet.columns;
    c.append(column(QStringLiteral("Distinta n."), 180, 150));
    c.append(column(QStringLiteral("Data emissione"), 180, 150));
    for (int i = 1; i <= Ricevuta::kPartyLines; ++i)
        c.append(column(QStringLiteral("Dati acquirente (rigo %1)").arg(i), 300, 250));
    for (int i = 1; i <= Ricevuta::kLines; ++i)
        c.append(column(QStringLiteral("Descrizione valori (rigo %1)").arg(i), 300, 250));
    c.append(column(QStringLiteral("Modalità di pagamento"), 300, 250));
    c.append(column(QStringLiteral("Totale distinta"), 200, 150));
    c.last().amount = true;
    c.append(column(QStringLiteral("Saldato"), 100, 80));
    return source;
}

} // namespace

const ExportSource& source() {
    static const ExportSource built = makeDistinte();
    return built;
}

} // namespace distintaexport
