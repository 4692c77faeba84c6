#include "reports/MonthlyIncome.h"

#include "common/Amounts.h"
#include "common/FixedField.h"
#include "common/RecordFile.h"
#include "common/TextRules.h"
#include "distinte/Ricevuta.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace monthlyincome {

QStringList monthLabels() {
    return {QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
            QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
            QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
            QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
}

std::array<unsigned int, kMonths> monthColours() {
    return {0xFFFF0000, 0xFF0000FF, 0xFFFFE4C4, 0xFFFF00FF, 0xFFC0DCC0, 0xFFFFFF00,
            0xFF00FF00, 0xFFC0C0C0, 0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};
}

namespace {

// Characters [from, from + n) of `text`, as far as it reaches, trimmed: what
// the place holds once the text is padded with blanks.
QStringView placeOf(QStringView text, qsizetype from, qsizetype n) {
    if (from >= text.size())
        return {};
    return text::trimmedView(text.sliced(from, std::min(n, text.size() - from)));
}

} // namespace

int monthOf(QStringView date, QStringView year) {
    // Views only: the chart reads this for every distinta of a large archive.
    const QStringView trimmed = text::trimmedView(date);
    if (placeOf(trimmed, 6, 4) != text::trimmedView(year))
        return -1;
    const QStringView month = placeOf(trimmed, 3, 2);
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (month.size() != 2 || !digit(month[0]) || !digit(month[1]))
        return -1;
    const int m = (month[0].unicode() - u'0') * 10 + (month[1].unicode() - u'0');
    return m >= 1 && m <= kMonths ? m - 1 : -1;
}

Sums read(const QString& archivePath, const QString& year) {
    Sums sums;
    std::array<double, kMonths> running{};
    const RecordLayout& layout = Ricevuta::layout();
    const FieldSpec& dataField = layout.field(Ricevuta::Data);
    const FieldSpec& totaleField = layout.field(Ricevuta::Totale);
    RecordFile file(archivePath, Ricevuta::kRecordSize);
    if (!file.open())
        return sums;
    // The date and the total are decoded into these for each record, with
    // no string made, so the sums cost little more than reading the file.
    fixedfield::FieldChars dateChars;
    fixedfield::FieldChars totalChars;
    const bool ok = file.scan([&](qint64 position, QByteArrayView record) {
        const int month = monthOf(fixedfield::decodeInto(record, dataField, dateChars), year);
        if (month < 0)
            return true;
        const auto total =
            amounts::parseAmount(fixedfield::decodeInto(record, totaleField, totalChars));
        if (!total)
            sums.damaged.add(fixedfield::decode(record, layout.field(Ricevuta::NumRic)), position);
        else
            running[std::size_t(month)] += *total;
        return true;
    });
    if (!ok)
        return sums;
    for (int m = 0; m < kMonths; ++m)
        sums.euros[std::size_t(m)] = roundToEuro(running[std::size_t(m)]);
    sums.readable = true;
    return sums;
}

double roundToEuro(double sum) {
    // The sum is kept as formatted text between summing and rounding.
    const double shown = amounts::parseAmount(amounts::formatNumber(sum)).value_or(0);
    return std::floor(shown + 0.5);
}

QString headingFor(const QString& year) {
    return QStringLiteral("Rappresentazione grafica degli incassi percepiti nell'anno ") +
           text::trimmed(year) + u'.';
}

int copiesFromAnswer(const QString& answer) {
    if (text::trimmed(answer).isEmpty())
        return 1;
    qint64 value = 0;
    for (const QChar c : answer) {
        if (c < u'0' || c > u'9')
            return 1;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return 1;
    }
    return value == 0 ? 1 : int(value);
}

} // namespace monthlyincome
