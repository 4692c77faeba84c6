#include "buyers/BuyerSearch.h"

#include "buyers/BuyerLines.h"
#include "common/TextRules.h"

#include <algorithm>

namespace buyersearch {

namespace {

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
    int hits = 0;
    for (int i = 0; i < CriterionCount; ++i) {
        if (!criteria[i].isEmpty() && text::containsAsciiCaseless(fieldOf(card, i), criteria[i]))
            ++hits;
    }
    return hits >= inUse;
}

QString lineOf(LineKind kind, const SchedaAnagrafica& card) {
    return kind == LineKind::Summary ? buyerlines::summaryLine(card)
                                     : buyerlines::questionsLine(card);
}

Result search(const BuyerArchive& archive, const Criteria& criteria) {
    const int inUse = criteriaInUse(criteria);
    Result result;
    result.ok = archive.scan([&](qint64 position, const SchedaAnagrafica& card) {
        if (matches(card, criteria, inUse))
            result.rows.append({buyerlines::summaryLine(card), position});
        return true;
    });
    sortRows(result.rows);
    return result;
}

Result pendingQuestions(const BuyerArchive& archive) {
    Result result;
    result.ok = archive.scan([&](qint64 position, const SchedaAnagrafica& card) {
        if (!text::trimmed(card.questioni).isEmpty())
            result.rows.append({buyerlines::questionsLine(card), position});
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
    std::optional<Chosen> found;
    const bool ok = archive.scan([&](qint64 position, const SchedaAnagrafica& card) {
        if (text::trimmed(lineOf(kind, card)) == wanted)
            found = Chosen{card, position};
        return true;
    });
    return ok ? found : std::nullopt;
}

} // namespace buyersearch
