#include "buyers/BuyerRules.h"

#include "common/TextRules.h"

namespace buyerrules {

std::optional<Problem> firstProblem(const SchedaAnagrafica& card) {
    if (text::trimmed(card.nome).isEmpty())
        return Problem{SchedaAnagrafica::Nome, kNameMissing};
    const QString sex = text::trimmed(card.sesso);
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
