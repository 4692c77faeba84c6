#include "distinte/DistintaTotal.h"

#include "common/Amounts.h"
#include "common/TextRules.h"

#include <optional>

namespace distintatotal {

bool compute(Lines& lines, Problem* problem) {
    constexpr int n = Lines::kLines;
    const auto failAt = [&lines, problem](int line, Problem::Column column) {
        lines.totale = QStringLiteral("0,00");
        if (problem != nullptr)
            *problem = Problem{line, column};
        return false;
    };
    // An empty text counts as `empty`; anything else must be a number.
    const auto read = [](const QString& t, double empty) -> std::optional<double> {
        if (text::trimmed(t).isEmpty())
            return empty;
        return amounts::parseAmount(t);
    };

    std::array<double, n> q{};
    std::array<double, n> u{};
    for (int i = 0; i < n; ++i) {
        const auto qi = read(lines.quant[i], 1);
        if (!qi)
            return failAt(i, Problem::Quant);
        const auto ui = read(lines.unitario[i], 0);
        if (!ui)
            return failAt(i, Problem::Unitario);
        q[i] = *qi;
        u[i] = *ui;
    }
    for (int i = 0; i < n; ++i) {
        const double p = q[i] * u[i];
        // A zero product leaves the text alone: the editor has already emptied
        // it when the line was being typed.
        if (p != 0)
            lines.importo[i] = amounts::formatNumber(p);
    }
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const auto ai = read(lines.importo[i], 0);
        if (!ai)
            return failAt(i, Problem::Importo);
        sum += *ai;
    }
    lines.totale = amounts::formatNumber(sum);
    for (int i = 0; i < n; ++i)
        lines.importo[i] = amounts::normalizeAmount(lines.importo[i], amounts::AmountKind::Price);
    for (int i = 0; i < n; ++i) {
        if (text::trimmed(lines.quant[i]).isEmpty() && !text::trimmed(lines.unitario[i]).isEmpty())
            lines.quant[i] = QStringLiteral("1");
    }
    lines.totale = amounts::normalizeAmount(lines.totale, amounts::AmountKind::Price);
    return true;
}

} // namespace distintatotal
