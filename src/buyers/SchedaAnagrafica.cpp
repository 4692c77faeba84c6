#include "SchedaAnagrafica.h"

namespace {

QList<QPair<QByteArray, int>> fieldTable() {
    return {{"Nome", 250},        {"Indirizzo", 250}, {"Num", 10},       {"Cap01", 1},
            {"Cap02", 1},         {"Cap03", 1},       {"Cap04", 1},      {"Cap05", 1},
            {"Localita", 120},    {"Prov01", 1},      {"Prov02", 1},     {"Tel", 30},
            {"Email", 120},       {"DataNasc", 10},   {"Sesso", 1},      {"LuogoNasc", 120},
            {"CodFisc", 16},      {"PartitaIva", 11}, {"Iban", 27},      {"Pec", 120},
            {"Carta", 50},        {"ScadeCarta", 10}, {"Cel", 50},       {"Cittadinanza", 50},
            {"Occupazione", 120}, {"Civile", 50},     {"TipoDoc", 50},   {"EnteRil", 50},
            {"DataRil", 10},      {"DataSca", 10},    {"Prodotti", 250}, {"Questioni", 250},
            {"Note", 250},        {"File01", 250},    {"File02", 250},   {"File03", 250},
            {"Desc01", 250},      {"Desc02", 250},    {"Desc03", 250}};
}

} // namespace

template <typename Self, typename Visit>
void SchedaAnagrafica::forEachMember(Self& r, Visit visit) {
    visit(r.nome);
    visit(r.indirizzo);
    visit(r.num);
    for (auto& s : r.cap)
        visit(s);
    visit(r.localita);
    for (auto& s : r.prov)
        visit(s);
    for (auto* s :
         {&r.tel,          &r.email,       &r.dataNasc,  &r.sesso,   &r.luogoNasc,  &r.codFisc,
          &r.partitaIva,   &r.iban,        &r.pec,       &r.carta,   &r.scadeCarta, &r.cel,
          &r.cittadinanza, &r.occupazione, &r.civile,    &r.tipoDoc, &r.enteRil,    &r.dataRil,
          &r.dataSca,      &r.prodotti,    &r.questioni, &r.note})
        visit(*s);
    for (auto& s : r.file)
        visit(s);
    for (auto& s : r.desc)
        visit(s);
}

const RecordLayout& SchedaAnagrafica::layout() {
    static const RecordLayout table(fieldTable());
    return table;
}

QStringList SchedaAnagrafica::toTexts() const {
    return fixedfield::membersToTexts(*this);
}

SchedaAnagrafica SchedaAnagrafica::fromTexts(const QStringList& texts) {
    return fixedfield::membersFromTexts<SchedaAnagrafica>(texts);
}

QByteArray SchedaAnagrafica::encode() const {
    return fixedfield::encodeRecord(layout(), toTexts());
}

SchedaAnagrafica SchedaAnagrafica::decode(QByteArrayView record) {
    return fromTexts(fixedfield::decodeRecord(layout(), record));
}
