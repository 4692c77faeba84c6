#include "reports/IncomeSummary.h"

#include "common/Amounts.h"
#include "common/Dates.h"
#include "common/FixedField.h"
#include "common/RecordFile.h"
#include "common/TextRules.h"
#include "distinte/DistintaSummary.h"
#include "distinte/Ricevuta.h"

#include <cmath>

namespace incomesummary {
namespace {

QString field(QByteArrayView record, int index) {
    return fixedfield::decode(record, Ricevuta::layout().field(index));
}

// Rounds to four decimals, half up, which removes the binary noise of a sum
// of cents without rounding the sum itself to cents.
double roundTo4(double x) {
    return std::floor(x * 10000 + 0.5) / 10000;
}

} // namespace

Result summarize(const Query& query) {
    Result result;
    const bool filtered = hasFilter(query.filter);
    const QString needle = text::asciiLower(query.filter);
    const QDate start = dates::parseDate(query.startDate);
    const QDate end = dates::parseDate(query.endDate);

    RecordFile file(query.archivePath, Ricevuta::kRecordSize);
    if (!file.open())
        return result;
    // The date and the total are read without making strings: every record
    // of a large year passes through here.
    const RecordLayout& layout = Ricevuta::layout();
    fixedfield::FieldChars dateChars;
    fixedfield::FieldChars totalChars;
    const bool read = file.scan([&](qint64 position, QByteArrayView record) {
        if (filtered && !text::asciiLower(field(record, Ricevuta::AcqRigo01)).contains(needle))
            return true;
        const QDate date = dates::parseDate(
            fixedfield::decodeInto(record, layout.field(Ricevuta::Data), dateChars));
        if (!date.isValid()) {
            result.damaged.add(field(record, Ricevuta::NumRic), position);
            return true;
        }
        if (date < start || date > end)
            return true;
        const std::optional<double> total = amounts::parseAmount(
            fixedfield::decodeInto(record, layout.field(Ricevuta::Totale), totalChars));
        if (!total) {
            result.damaged.add(field(record, Ricevuta::NumRic), position);
            return true;
        }
        result.sum += *total;
        result.rows.append(ResultRow{distintasummary::lineOfRecord(record), position});
        return true;
    });
    result.readable = read;
    return result;
}

bool hasFilter(const QString& filter) {
    return !text::trimmed(filter).isEmpty();
}

QString buyerHeading(const QString& filter) {
    return hasFilter(filter) ? text::trimmed(filter) : QStringLiteral("- - -");
}

QString intervalText(const QString& startDate, const QString& endDate) {
    return QStringLiteral("Dal   ") + text::trimmed(startDate) + QStringLiteral("   al   ") +
           text::trimmed(endDate);
}

QString totalText(double sum) {
    // The running figure is shown as formatted text and read back from there.
    const double shown = amounts::parseAmount(amounts::formatNumber(sum)).value_or(0);
    QString t = amounts::formatNumber(roundTo4(shown));
    if (!t.contains(u','))
        t += QStringLiteral(",00");
    if (t.endsWith(u','))
        t += QStringLiteral("00");
    else if (t.size() >= 2 && t.at(t.size() - 2) == u',')
        t += u'0';
    return t;
}

QString printTitle(const QString& buyerHeading) {
    return QStringLiteral("Riepilogo incassi - Acquirente: ") + text::trimmed(buyerHeading);
}

QStringList printLines(const QStringList& lines, const QString& interval, const QString& total) {
    QStringList out = lines;
    out.append(QStringLiteral("- - - - - - - - - - - - - - - -"));
    out.append(QStringLiteral("INTERVALLO SELEZIONATO:    ") + text::trimmed(interval));
    out.append(QStringLiteral("TOTALE IMPORTI INCASSATI:  € ") + text::trimmed(total));
    return out;
}

} // namespace incomesummary
