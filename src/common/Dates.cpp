#include "Dates.h"

#include "common/TextRules.h"

namespace dates {
namespace {

// Reads between minDigits and maxDigits ASCII digits at `pos`, advancing it.
bool readNumber(QStringView t, qsizetype& pos, int minDigits, int maxDigits, int* value) {
    int digits = 0;
    int v = 0;
    while (pos < t.size() && digits < maxDigits && t[pos] >= u'0' && t[pos] <= u'9') {
        v = v * 10 + (t[pos].unicode() - u'0');
        ++pos;
        ++digits;
    }
    *value = v;
    return digits >= minDigits;
}

bool readSlash(QStringView t, qsizetype& pos) {
    if (pos >= t.size() || t[pos] != u'/')
        return false;
    ++pos;
    return true;
}

} // namespace

bool isValidDate(QStringView text) {
    return parseDate(text).isValid();
}

QDate parseDate(QStringView text) {
    const QStringView t = text::trimmedView(text);
    qsizetype pos = 0;
    int day = 0;
    int month = 0;
    int year = 0;
    if (!readNumber(t, pos, 1, 2, &day) || !readSlash(t, pos) ||
        !readNumber(t, pos, 1, 2, &month) || !readSlash(t, pos) ||
        !readNumber(t, pos, 4, 4, &year) || pos != t.size())
        return {};
    return QDate(year, month, day);
}

QString dateText(QDate date) {
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(date.month(), 2, 10, QChar(u'0'))
        .arg(date.year(), 4, 10, QChar(u'0'));
}

QString yearText(QDate date) {
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0'));
}

QString todayText() {
    return dateText(QDate::currentDate());
}

QString currentYear() {
    return yearText(QDate::currentDate());
}

} // namespace dates
