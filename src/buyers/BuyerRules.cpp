#include "buyers/BuyerRules.h"

#include "common/TextRules.h"

#include <algorithm>

namespace buyerrules {

namespace {

bool holdsNumber(const QString& field) {
    const QString digits = text::trimmed(field);
    return !digits.isEmpty() && std::all_of(digits.begin(), digits.end(),
                                            [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

std::optional<Problem> firstProblem(const SchedaAnagrafica& card) {
    if (text::trimmed(card.nome).isEmpty())
        return Problem{SchedaAnagrafica::Nome, kNameMissing};
    const QString sex = text::trimmed(card.sesso);
    // A firm has no sex: its partita IVA stands in for it.
    if (sex.isEmpty() && holdsNumber(card.partitaIva))
        return std::nullopt;
    if (sex != QLatin1String("M") && sex != QLatin1String("F"))
        return Problem{SchedaAnagrafica::Sesso, kSexMissing};
    return std::nullopt;
}

SchedaAnagrafica duplicated(const SchedaAnagrafica& card) {
    SchedaAnagrafica copy = card;
    copy.file = {};
    copy.desc = {};
    return copy;
}

} // namespace buyerrules
