#include "reports/IncomeInterval.h"

#include "common/Dates.h"
#include "common/MessageBreaks.h"
#include "common/TextRules.h"

#include <QDate>
#include <array>

namespace incomeinterval {
namespace {

const std::array<const char*, 12> kMonths = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                             "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                             "Settembre", "Ottobre",  "Novembre", "Dicembre"};

const QString kDateBreak = QStringLiteral(VM_PARAGRAPH);

QString listWarning(const char* which) {
    return QStringLiteral("Attenzione: indicare il %1 selezionandolo dall'elenco a cascata.")
        .arg(QLatin1StringView(which));
}

QString missingDate(const QString& date, const char* end) {
    return QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" di ") +
           QLatin1StringView(end) + QStringLiteral(" intervallo non esiste.") + kDateBreak +
           QStringLiteral("Per poter visualizzare il riepilogo è necessario indicare una data "
                          "valida.");
}

// A month that is none of the twelve leaves the date text empty, never a
// half date such as "01//2024".
QString dateOf(const QString& day, const QString& month, const QString& year) {
    const QString number = monthNumber(month);
    if (number.isEmpty())
        return {};
    return text::trimmed(day) + u'/' + number + u'/' + text::trimmed(year);
}

Check refuse(Check check, const QString& message, Focus focus, bool plain = false) {
    check.message = message;
    check.focus = focus;
    check.plain = plain;
    return check;
}

} // namespace

QStringList dayChoices() {
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days.append(QStringLiteral("%1").arg(d, 2, 10, QChar(u'0')));
    return days;
}

QStringList monthChoices() {
    QStringList months;
    for (const char* m : kMonths)
        months.append(QString::fromLatin1(m));
    return months;
}

QString monthNumber(QStringView monthName) {
    const QString wanted = text::asciiLower(text::trimmed(monthName));
    for (int i = 0; i < int(kMonths.size()); ++i) {
        if (wanted == text::asciiLower(QString::fromLatin1(kMonths[i])))
            return QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0'));
    }
    return {};
}

bool isDayChoice(QStringView text) {
    return dayChoices().contains(text::trimmed(text));
}

bool isMonthChoice(QStringView text) {
    return !monthNumber(text).isEmpty();
}

Check check(const Picks& picks) {
    Check result;
    if (picks.year.size() != 4)
        return refuse(
            result, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."),
            Focus::Year);
    if (text::trimmed(picks.startDay).isEmpty())
        return refuse(result, listWarning("giorno di inizio intervallo"), Focus::StartDay);
    if (text::trimmed(picks.startMonth).isEmpty())
        return refuse(result, listWarning("mese di inizio intervallo"), Focus::StartMonth);
    if (text::trimmed(picks.endDay).isEmpty())
        return refuse(result, listWarning("giorno di fine intervallo"), Focus::EndDay);
    if (text::trimmed(picks.endMonth).isEmpty())
        return refuse(result, listWarning("mese di fine intervallo"), Focus::EndMonth);

    result.startDate = dateOf(picks.startDay, picks.startMonth, picks.startYear);
    if (!dates::isValidDate(result.startDate))
        return refuse(result, missingDate(result.startDate, "inizio"), Focus::StartDay, true);
    result.endDate = dateOf(picks.endDay, picks.endMonth, picks.endYear);
    if (!dates::isValidDate(result.endDate))
        return refuse(result, missingDate(result.endDate, "fine"), Focus::EndDay, true);

    if (dates::parseDate(result.startDate) > dates::parseDate(result.endDate)) {
        const QString message =
            QStringLiteral("Attenzione: la data di fine intervallo (") + result.endDate +
            QStringLiteral(") non può essere anteriore a quella di inizio intervallo (") +
            result.startDate + QStringLiteral(").") + kDateBreak +
            QStringLiteral("Per poter visualizzare il riepilogo è necessario indicare un "
                           "intervallo di tempo valido.");
        return refuse(result, message, Focus::Unchanged, true);
    }
    result.ok = true;
    return result;
}

} // namespace incomeinterval
