#include "checks/CartaCredito.h"

#include "common/TextRules.h"

#include <array>

namespace checks {

namespace {

// The digits among the first 20 characters, in order.
QString collectedDigits(QStringView text) {
    QString digits;
    for (QChar c : text.first(qMin<qsizetype>(kCartaLookedAt, text.size()))) {
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            digits.append(c);
    }
    return digits;
}

bool passesLuhn(QStringView digits) {
    if (digits.isEmpty())
        return false;
    int sum = 0;
    bool doubled = true;
    // Leftwards from the digit just before the check digit, every second one doubled.
    for (qsizetype i = digits.size() - 2; i >= 0; --i, doubled = !doubled) {
        int d = digits[i].unicode() - u'0';
        if (doubled) {
            d *= 2;
            if (d >= 10)
                d -= 9;
        }
        sum += d;
    }
    return digits.back().unicode() - u'0' == (10 - sum % 10) % 10;
}

// Numbers beginning with 3, by their first two characters.
struct Prefix {
    const char16_t* prefix;
    const char16_t* type;
};
constexpr std::array<Prefix, 8> kThreeTypes = {{
    {u"30", u"Diner's Club / Carte Blanche"},
    {u"36", u"Diner's Club / Carte Blanche"},
    {u"38", u"Diner's Club / Carte Blanche"},
    {u"34", u"American Express"},
    {u"37", u"American Express"},
    {u"31", u"JCB"},
    {u"33", u"JCB"},
    {u"35", u"JCB"},
}};

// MasterCard has also issued numbers from 2221 to 2720 since 2017.
bool isMasterCardTwoSeries(QStringView digits) {
    if (digits.size() < 4)
        return false;
    const int first4 = digits.first(4).toInt();
    return first4 >= 2221 && first4 <= 2720;
}

} // namespace

int cardCode(QStringView text) {
    const QString digits = collectedDigits(text);
    return passesLuhn(digits) ? digits.front().unicode() - u'0' - 2 : 0;
}

CartaResult checkCarta(QStringView text) {
    CartaResult result;
    result.number = text::trimmed(text);
    if (result.number.isEmpty()) {
        result.outcome = CartaResult::Outcome::Blank;
        return result;
    }
    const QString digits = collectedDigits(text);
    if (!passesLuhn(digits)) {
        result.outcome = CartaResult::Outcome::Wrong;
        return result;
    }
    switch (cardCode(text)) {
    case 0:
        if (isMasterCardTwoSeries(digits))
            result.type = QStringLiteral("MasterCard");
        break;
    case 1: {
        const QStringView firstTwo =
            QStringView(result.number).first(qMin<qsizetype>(2, result.number.size()));
        for (const Prefix& p : kThreeTypes) {
            if (firstTwo == QStringView(p.prefix))
                result.type = QString::fromUtf16(p.type);
        }
        if (result.type.isEmpty()) {
            result.outcome = CartaResult::Outcome::UnknownType;
            return result;
        }
        break;
    }
    case 2:
        result.type = QStringLiteral("Visa");
        break;
    case 3:
        result.type = QStringLiteral("MasterCard");
        break;
    case 4:
        result.type = QStringLiteral("Discover");
        break;
    default:
        break;
    }
    result.outcome =
        result.type.isEmpty() ? CartaResult::Outcome::Wrong : CartaResult::Outcome::Valid;
    return result;
}

} // namespace checks
