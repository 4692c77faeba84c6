#include "TariffEntry.h"

#include "common/TextRules.h"

namespace tariff {
namespace {
// The price is read from the blank before it (character 64, index 63) so a
// line whose label lost its last blank still yields its price.
constexpr qsizetype kPriceStart = 63;
} // namespace

QString priceLabel() {
    return QStringLiteral("    Prezzo: \u20AC ");
}

QString makeEntry(QStringView name, QStringView price) {
    const QString cutName = text::trimmed(name).left(kNameWidth);
    return cutName.leftJustified(kNameWidth, u' ') + priceLabel() + text::trimmed(price);
}

QString entryName(QStringView entry) {
    return text::trimmed(entry.left(kNameWidth));
}

QString entryPrice(QStringView entry, qsizetype width) {
    if (entry.size() <= kPriceStart)
        return QString();
    const QStringView rest = entry.sliced(kPriceStart);
    return text::trimmed(width < 0 ? rest : rest.left(width));
}

} // namespace tariff
