#include "buyers/BuyerExport.h"

#include "buyers/SchedaAnagrafica.h"
#include "common/FixedField.h"

namespace buyerexport {
namespace {

using archiveexport::column;

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

ExportSource makeBuyers() {
    ExportSource source{{QStringLiteral("Archivio Anagrafico"), {}},
                        QStringLiteral("Anagrafica.xls"),
                        QStringLiteral("Anagrafica.xlsx"),
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

const ExportSource& source() {
    static const ExportSource built = makeBuyers();
    return built;
}

} // namespace buyerexport
