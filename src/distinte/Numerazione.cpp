#include "distinte/Numerazione.h"

#include "common/Amounts.h"
#include "common/TextRules.h"

#include <cmath>

namespace numerazione {

namespace {
const QString kDefaultStart = QStringLiteral("1");
} // namespace

QString startOrDefault(QStringView stored) {
    const QString start = text::trimmed(stored);
    return start.isEmpty() ? kDefaultStart : start;
}

std::optional<QString> proposedNumber(QStringView start, qint64 storedCount) {
    bool ok = false;
    const qint64 first = text::trimmed(start).toLongLong(&ok);
    qint64 number = 0;
    if (!ok || __builtin_add_overflow(first, storedCount, &number))
        return std::nullopt;
    return QString::number(number);
}

QString normalizedStartInput(QStringView typed) {
    if (text::trimmed(typed).isEmpty())
        return kDefaultStart;
    const std::optional<double> value = amounts::parseAmount(typed);
    if (!value)
        return kDefaultStart;
    return amounts::formatNumber(std::floor(*value + 0.5));
}

} // namespace numerazione
