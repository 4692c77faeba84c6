#include "Amounts.h"

#include "common/TextRules.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

namespace amounts {
namespace {

// With a 64-bit mantissa, v * 100 (53 + 7 bits) and the added half are exact,
// which the half-up rule on the binary value needs.
static_assert(LDBL_MANT_DIG >= 64, "rounding to cents needs an extended long double");

const QString kZero = QStringLiteral("0,00");

bool isDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

std::optional<double> parseAmount(QStringView text) {
    const QString t = text::trimmed(text);
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
    const long double v = x;
    const long double k = std::floor(v * 100.0L + 0.5L);
    return static_cast<double>(k) / 100.0;
}

QString formatNumber(double x) {
    if (!std::isfinite(x) || x == 0)
        return QStringLiteral("0");
    // Scientific form with 15 significant digits: "d.dddddddddddddde+XX".
    char sci[32];
    const auto res = std::to_chars(sci, sci + sizeof sci, x, std::chars_format::scientific, 14);
    const char* p = sci;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[15];
    int count = 0;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p != '.')
            digits[count++] = *p;
    }
    // to_chars writes no terminator, so the exponent is read within its bounds.
    int exponent = 0;
    const char* expBegin = p + 1;
    if (expBegin < res.ptr && *expBegin == '+')
        ++expBegin;
    std::from_chars(expBegin, res.ptr, exponent);
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

bool computeTotal(DistintaLines& lines) {
    constexpr int n = DistintaLines::kLines;
    const auto fail = [&lines] {
        lines.totale = kZero;
        return false;
    };
    // An empty text counts as `empty`; anything else must be a number.
    const auto read = [](const QString& t, double empty) -> std::optional<double> {
        if (text::trimmed(t).isEmpty())
            return empty;
        return parseAmount(t);
    };

    std::array<double, n> q{};
    std::array<double, n> u{};
    for (int i = 0; i < n; ++i) {
        const auto qi = read(lines.quant[i], 1);
        if (!qi)
            return fail();
        const auto ui = read(lines.unitario[i], 0);
        if (!ui)
            return fail();
        q[i] = *qi;
        u[i] = *ui;
    }
    for (int i = 0; i < n; ++i) {
        const double p = q[i] * u[i];
        // A zero product leaves the text alone: the editor has already emptied
        // it when the line was being typed.
        if (p != 0)
            lines.importo[i] = formatNumber(p);
    }
    long double sum = 0;
    for (int i = 0; i < n; ++i) {
        const auto ai = read(lines.importo[i], 0);
        if (!ai)
            return fail();
        sum += *ai;
    }
    lines.totale = formatNumber(static_cast<double>(sum));
    for (int i = 0; i < n; ++i)
        lines.importo[i] = normalizeAmount(lines.importo[i], AmountKind::Price);
    for (int i = 0; i < n; ++i) {
        if (text::trimmed(lines.quant[i]).isEmpty() && !text::trimmed(lines.unitario[i]).isEmpty())
            lines.quant[i] = QStringLiteral("1");
    }
    lines.totale = normalizeAmount(lines.totale, AmountKind::Price);
    return true;
}

} // namespace amounts
