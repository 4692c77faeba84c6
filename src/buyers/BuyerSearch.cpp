#include "buyers/BuyerSearch.h"

#include "buyers/BuyerLines.h"
#include "common/FixedField.h"
#include "common/TextRules.h"

#include <algorithm>

namespace buyersearch {

namespace {

// The card field each criterion is matched against.
constexpr SchedaAnagrafica::Field kMatched[CriterionCount] = {
    SchedaAnagrafica::Nome,        SchedaAnagrafica::Localita, SchedaAnagrafica::Tel,
    SchedaAnagrafica::DataNasc,    SchedaAnagrafica::CodFisc,  SchedaAnagrafica::PartitaIva,
    SchedaAnagrafica::Occupazione, SchedaAnagrafica::Prodotti, SchedaAnagrafica::Questioni,
    SchedaAnagrafica::Note};

QString decoded(QByteArrayView record, SchedaAnagrafica::Field field) {
    return fixedfield::decode(record, SchedaAnagrafica::layout().field(field));
}

// Only the fields a list line shows, so a scan of a large archive does not
// convert the other thirty.
SchedaAnagrafica lineFields(QByteArrayView record) {
    SchedaAnagrafica card;
    card.nome = decoded(record, SchedaAnagrafica::Nome);
    card.codFisc = decoded(record, SchedaAnagrafica::CodFisc);
    card.tel = decoded(record, SchedaAnagrafica::Tel);
    card.cel = decoded(record, SchedaAnagrafica::Cel);
    card.note = decoded(record, SchedaAnagrafica::Note);
    card.questioni = decoded(record, SchedaAnagrafica::Questioni);
    return card;
}

const QString& fieldOf(const SchedaAnagrafica& card, int criterion) {
    switch (criterion) {
    case Nome:
        return card.nome;
    case Localita:
        return card.localita;
    case Tel:
        return card.tel;
    case DataNasc:
        return card.dataNasc;
    case CodFisc:
        return card.codFisc;
    case PartitaIva:
        return card.partitaIva;
    case Occupazione:
        return card.occupazione;
    case Prodotti:
        return card.prodotti;
    case Questioni:
        return card.questioni;
    default:
        return card.note;
    }
}

// Criteria that hit; `fieldText(i)` gives the text criterion i is matched against.
template <typename FieldText> int countHits(const Criteria& criteria, FieldText fieldText) {
    int hits = 0;
    for (int i = 0; i < CriterionCount; ++i) {
        if (!criteria[i].isEmpty() && text::containsAsciiCaseless(fieldText(i), criteria[i]))
            ++hits;
    }
    return hits;
}

void sortRows(QList<ResultRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const ResultRow& a, const ResultRow& b) {
        return buyerlines::lineBefore(a.text, b.text);
    });
}

} // namespace

int criteriaInUse(const Criteria& criteria) {
    return int(std::count_if(criteria.begin(), criteria.end(),
                             [](const QString& c) { return !text::trimmed(c).isEmpty(); }));
}

bool matches(const SchedaAnagrafica& card, const Criteria& criteria, int inUse) {
    return countHits(criteria, [&card](int i) { return fieldOf(card, i); }) >= inUse;
}

QString lineOf(LineKind kind, const SchedaAnagrafica& card) {
    return kind == LineKind::Summary ? buyerlines::summaryLine(card)
                                     : buyerlines::questionsLine(card);
}

Result search(const BuyerArchive& archive, const Criteria& criteria) {
    const int inUse = criteriaInUse(criteria);
    Result result;
    result.ok = archive.scanRecords([&](qint64 position, QByteArrayView record) {
        // As matches(), decoding only the fields asked about.
        const int hits =
            countHits(criteria, [record](int i) { return decoded(record, kMatched[i]); });
        if (hits >= inUse)
            result.rows.append({buyerlines::summaryLine(lineFields(record)), position});
        return true;
    });
    sortRows(result.rows);
    return result;
}

Result pendingQuestions(const BuyerArchive& archive) {
    Result result;
    result.ok = archive.scanRecords([&](qint64 position, QByteArrayView record) {
        // An empty field has a zero length byte; anything else is decoded.
        const FieldSpec& questioni = SchedaAnagrafica::layout().field(SchedaAnagrafica::Questioni);
        if (record[questioni.offset] != 0 &&
            !text::trimmed(decoded(record, SchedaAnagrafica::Questioni)).isEmpty())
            result.rows.append({buyerlines::questionsLine(lineFields(record)), position});
        return true;
    });
    sortRows(result.rows);
    return result;
}

std::optional<Chosen> choose(const BuyerArchive& archive, LineKind kind, const ResultRow& row) {
    const QString wanted = text::trimmed(row.text);
    if (const auto card = archive.read(row.position)) {
        if (text::trimmed(lineOf(kind, *card)) == wanted)
            return Chosen{*card, row.position};
    }
    std::optional<qint64> found;
    const bool ok = archive.scanRecords([&](qint64 position, QByteArrayView record) {
        if (text::trimmed(lineOf(kind, lineFields(record))) == wanted)
            found = position;
        return true;
    });
    if (!ok || !found)
        return std::nullopt;
    if (const auto card = archive.read(*found))
        return Chosen{*card, *found};
    return std::nullopt;
}

} // namespace buyersearch
