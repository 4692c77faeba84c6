#include "Amounts.h"

#include "common/TextRules.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace amounts {
namespace {

// The exact decimal expansion of a finite x >= 0, "digits.digits": a double
// has finitely many binary fraction digits, and as many decimal ones.
std::string exactDecimal(double x) {
    int exponent = 0;
    std::frexp(x, &exponent);
    const int fractionDigits = std::max(0, DBL_MANT_DIG - exponent);
    std::string out(std::size_t(330 + fractionDigits), '\0');
    const auto res = std::to_chars(out.data(), out.data() + out.size(), x, std::chars_format::fixed,
                                   fractionDigits);
    out.resize(std::size_t(res.ptr - out.data()));
    return out;
}

// Adds one unit in the last place of a string of decimal digits.
void carryUp(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

const QString kZero = QStringLiteral("0,00");

bool isDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

std::optional<double> parseAmount(QStringView text) {
    const QStringView t = text::trimmedView(text);
    if (t.isEmpty())
        return std::nullopt;
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(t.size()) + 2);
    bool comma = false;
    for (const QChar c : t) {
        if (isDigit(c)) {
            ascii.push_back(static_cast<char>(c.unicode()));
        } else if (c == u',' && !comma) {
            comma = true;
            ascii.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    // "7," and ",5" and "," get a zero on the empty side, so the standard
    // reader sees an ordinary fixed-point number.
    if (ascii.front() == '.')
        ascii.insert(ascii.begin(), '0');
    if (ascii.back() == '.')
        ascii.push_back('0');
    double value = 0;
    const auto [end, ec] =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

double roundToCents(double x) {
    if (!std::isfinite(x))
        return x;
    // Half up (towards plus infinity) on the exact binary value, decided on
    // its exact decimal digits: the digits past the cents say whether the
    // rest is below, at or above half a cent.
    const bool negative = x < 0;
    const std::string text = exactDecimal(negative ? -x : x);
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::string fraction = point < text.size() ? text.substr(point + 1) : std::string();
    std::string digits = text.substr(0, point) + (fraction + "00").substr(0, 2);
    const char next = fraction.size() > 2 ? fraction[2] : '0';
    const bool pastHalf =
        next > '5' || (next == '5' && fraction.find_first_not_of('0', 3) != std::string::npos);
    if (negative ? pastHalf : next >= '5')
        carryUp(digits);
    double k = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), k);
    return (negative ? -k : k) / 100.0;
}

QString formatNumber(double x) {
    if (!std::isfinite(x) || x == 0)
        return QStringLiteral("0");
    // 15 significant digits of the exact value, rounded half up (a tie
    // included, as every rounding of the program), the same on every platform.
    const bool negative = x < 0;
    const std::string exact = exactDecimal(negative ? -x : x);
    const std::size_t point = std::min(exact.find('.'), exact.size());
    std::string all =
        exact.substr(0, point) + (point < exact.size() ? exact.substr(point + 1) : "");
    const std::size_t first = all.find_first_not_of('0');
    // The first significant digit stands for 10^exponent.
    int exponent = int(point) - 1 - int(first);
    std::string sig = all.substr(first, 15);
    sig.resize(15, '0');
    if (first + 15 < all.size() && all[first + 15] >= '5') {
        carryUp(sig);
        if (sig.size() > 15) {
            sig.resize(15);
            ++exponent;
        }
    }
    char digits[15];
    int count = 0;
    for (char c : sig)
        digits[count++] = c;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    // The digit digits[0] stands for 10^exponent.
    QString out;
    out.reserve(count + (exponent < 0 ? -exponent : exponent) + 3);
    if (negative)
        out.append(u'-');
    if (exponent < 0) {
        out.append(u'0');
        out.append(u',');
        for (int i = -1; i > exponent; --i)
            out.append(u'0');
        for (int i = 0; i < count; ++i)
            out.append(QChar(digits[i]));
        return out;
    }
    for (int i = 0; i <= exponent; ++i)
        out.append(i < count ? QChar(digits[i]) : QChar(u'0'));
    if (count > exponent + 1) {
        out.append(u',');
        for (int i = exponent + 1; i < count; ++i)
            out.append(QChar(digits[i]));
    }
    return out;
}

QString normalizeAmount(QStringView text, AmountKind kind) {
    if (text::trimmed(text).isEmpty())
        return kind == AmountKind::UnitValue ? QString() : kZero;
    const std::optional<double> value = parseAmount(text);
    if (!value)
        return kZero;
    QString out = formatNumber(roundToCents(*value));
    const qsizetype comma = out.indexOf(u',');
    if (comma < 0)
        out.append(QStringLiteral(",00"));
    else if (out.size() - comma - 1 == 1)
        out.append(u'0');
    return out;
}

} // namespace amounts
