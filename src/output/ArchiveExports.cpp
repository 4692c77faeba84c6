#include "ArchiveExports.h"

#include "buyers/SchedaAnagrafica.h"
#include "common/FixedField.h"
#include "common/RecordFile.h"
#include "distinte/Ricevuta.h"

namespace archiveexport {
namespace {

// Records read between two progress reports.
constexpr qint64 kRecordsPerReport = 1024;

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

void appendBuyerRow(QByteArrayView record, ExportTable& table) {
    const RecordLayout& layout = SchedaAnagrafica::layout();
    const auto bytes = [&](int field) {
        return fixedfield::trimmedBytes(record, layout.field(field));
    };
    const auto add = [&](int field) { table.addCell(bytes(field)); };
    const auto joined = [&](int first, int count) {
        QByteArray cell;
        for (int i = 0; i < count; ++i)
            cell.append(bytes(first + i));
        return cell;
    };

    add(SchedaAnagrafica::Nome);
    // An empty street leaves only the number: the joining blank is trimmed.
    QByteArray street = bytes(SchedaAnagrafica::Indirizzo).toByteArray();
    street.append(' ');
    street.append(bytes(SchedaAnagrafica::Num));
    table.addCell(QByteArrayView(street));
    table.addCell(QByteArrayView(joined(SchedaAnagrafica::Cap01, 5)));
    add(SchedaAnagrafica::Localita);
    table.addCell(QByteArrayView(joined(SchedaAnagrafica::Prov01, 2)));
    for (int field :
         {SchedaAnagrafica::Tel,         SchedaAnagrafica::Email,   SchedaAnagrafica::DataNasc,
          SchedaAnagrafica::LuogoNasc,   SchedaAnagrafica::CodFisc, SchedaAnagrafica::PartitaIva,
          SchedaAnagrafica::Iban,        SchedaAnagrafica::Pec,     SchedaAnagrafica::Carta,
          SchedaAnagrafica::ScadeCarta,  SchedaAnagrafica::Cel,     SchedaAnagrafica::Cittadinanza,
          SchedaAnagrafica::Occupazione, SchedaAnagrafica::Civile,  SchedaAnagrafica::TipoDoc,
          SchedaAnagrafica::EnteRil,     SchedaAnagrafica::DataSca, SchedaAnagrafica::Prodotti,
          SchedaAnagrafica::Questioni,   SchedaAnagrafica::Note})
        add(field);
}

ExportColumn column(const QString& header, int exportWidth, int gridWidth,
                    const QString& gridHeader = QString()) {
    return {header, exportWidth, gridHeader.isEmpty() ? header : gridHeader, gridWidth};
}

ExportSource makeDistinte() {
    ExportSource source{{QStringLiteral("Archivio Distinte"), {}},
                        QStringLiteral("Archivio_Distinte.xls"),
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
    c.append(column(QStringLiteral("Saldato"), 100, 80));
    return source;
}

ExportSource makeBuyers() {
    ExportSource source{{QStringLiteral("Archivio Anagrafico"), {}},
                        QStringLiteral("Anagrafica.xls"),
                        SchedaAnagrafica::kRecordSize,
                        &appendBuyerRow};
    source.sheet.columns = {
        column(QStringLiteral("Nome, cognome o Ragione sociale"), 350, 300),
        column(QStringLiteral("Indirizzo"), 350, 300),
        column(QStringLiteral("CAP"), 180, 150),
        column(QStringLiteral("Località"), 250, 250),
        column(QStringLiteral("Prov."), 180, 120),
        column(QStringLiteral("Tel."), 250, 200),
        column(QStringLiteral("E-mail"), 300, 250),
        column(QStringLiteral("Data di nascita"), 200, 150),
        column(QStringLiteral("Luogo di nascita"), 250, 200),
        column(QStringLiteral("Codice fiscale"), 250, 200),
        column(QStringLiteral("Partita IVA"), 250, 200),
        column(QStringLiteral("IBAN"), 300, 250),
        column(QStringLiteral("PEC"), 300, 250),
        column(QStringLiteral("Carta di credito n."), 250, 200),
        column(QStringLiteral("Scadenza"), 200, 150),
        column(QStringLiteral("Tel. cellulare"), 250, 200),
        column(QStringLiteral("Cittadinanza"), 250, 200),
        column(QStringLiteral("Occupazione"), 300, 250),
        column(QStringLiteral("Stato civile"), 250, 200),
        column(QStringLiteral("Documento"), 300, 250),
        column(QStringLiteral("Ente rilascio"), 300, 250, QStringLiteral("Ente di rilascio")),
        column(QStringLiteral("Data scadenza"), 200, 150),
        column(QStringLiteral("Prodotti di interesse"), 400, 300),
        column(QStringLiteral("Questioni in sospeso"), 400, 300),
        column(QStringLiteral("Note"), 400, 300),
    };
    return source;
}

} // namespace

const ExportSource& distinte() {
    static const ExportSource source = makeDistinte();
    return source;
}

const ExportSource& buyers() {
    static const ExportSource source = makeBuyers();
    return source;
}

ExportOutcome load(const QString& path, const ExportSource& source, ExportTable& table,
                   const ExportProgress& progress) {
    RecordFile file(path, source.recordSize);
    if (!file.open())
        return ExportOutcome::Failed;
    const qint64 total = file.count();
    // About a tenth of a record ends up in the cells.
    table.reserve(total, source.recordSize / 10);
    bool cancelled = false;
    const bool read = file.scan([&](qint64 position, QByteArrayView record) {
        if ((position - 1) % kRecordsPerReport == 0 && progress && !progress(position - 1, total)) {
            cancelled = true;
            return false;
        }
        source.appendRow(record, table);
        return true;
    });
    if (cancelled)
        return ExportOutcome::Cancelled;
    return read ? ExportOutcome::Done : ExportOutcome::Failed;
}

} // namespace archiveexport
