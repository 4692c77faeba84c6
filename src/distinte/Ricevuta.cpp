#include "Ricevuta.h"

#include "common/TextRules.h"

namespace {

QList<QPair<QByteArray, int>> fieldTable() {
    QList<QPair<QByteArray, int>> fields = {
        {"NumRic", 30}, {"Data", 10}, {"NomeRiv", 120}, {"Pagamento", 120}};
    const auto numbered = [&fields](const char* stem, int count, int capacity) {
        for (int i = 1; i <= count; ++i)
            fields.append(
                {QByteArray(stem) + QByteArray::number(i).rightJustified(2, '0'), capacity});
    };
    numbered("RivRigo", Ricevuta::kPartyLines, 120);
    numbered("AcqRigo", Ricevuta::kPartyLines, 120);
    numbered("Quant", Ricevuta::kLines, 5);
    numbered("Descrizione", Ricevuta::kLines, 120);
    numbered("Unitario", Ricevuta::kLines, 10);
    numbered("Importo", Ricevuta::kLines, 15);
    fields.append({"Totale", 15});
    fields.append({"Saldato", 2});
    return fields;
}

} // namespace

template <typename Self, typename Visit> void Ricevuta::forEachMember(Self& r, Visit visit) {
    visit(r.numRic);
    visit(r.data);
    visit(r.nomeRiv);
    visit(r.pagamento);
    for (auto& s : r.rivRigo)
        visit(s);
    for (auto& s : r.acqRigo)
        visit(s);
    for (auto& s : r.quant)
        visit(s);
    for (auto& s : r.descrizione)
        visit(s);
    for (auto& s : r.unitario)
        visit(s);
    for (auto& s : r.importo)
        visit(s);
    visit(r.totale);
    visit(r.saldato);
}

const RecordLayout& Ricevuta::layout() {
    static const RecordLayout table(fieldTable());
    return table;
}

QStringList Ricevuta::toTexts() const {
    return fixedfield::membersToTexts(*this);
}

Ricevuta Ricevuta::fromTexts(const QStringList& texts) {
    return fixedfield::membersFromTexts<Ricevuta>(texts);
}

QByteArray Ricevuta::encode() const {
    return fixedfield::encodeRecord(layout(), toTexts());
}

Ricevuta Ricevuta::decode(QByteArrayView record) {
    return fromTexts(fixedfield::decodeRecord(layout(), record));
}

QString yearArchiveFileName(const QString& year) {
    return text::trimmed(year) + QStringLiteral(".ric");
}
