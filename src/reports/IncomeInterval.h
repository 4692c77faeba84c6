#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The interval of days that the income summary covers, as the user picks it
// on the entry screen: the year, a start day and month, an end day and month.
// This file holds the checks and the date texts built from the picks; the
// screen only shows the message and moves the focus to the field named here.
namespace incomeinterval {

// The choices of the day and month lists: "01" ... "31", "Gennaio" ... "Dicembre".
QStringList dayChoices();
QStringList monthChoices();

// The month number "01" ... "12" of a month name, compared trimmed and
// lower-cased; empty when the text names no month.
QString monthNumber(QStringView monthName);

// Whether a day or month field may keep its text when the focus leaves it.
bool isDayChoice(QStringView text);
bool isMonthChoice(QStringView text);

// What the entry screen holds when the summary is asked for.
struct Picks {
    QString year;     // the year field, as typed
    QString startDay; // the four list fields, as shown
    QString startMonth;
    QString endDay;
    QString endMonth;
    QString startYear; // the year labels beside the months
    QString endYear;
};

// The field that gets the focus after a refusal.
enum class Focus { Year, StartDay, StartMonth, EndDay, EndMonth, Unchanged };

struct Check {
    bool ok = false;
    // The refusal: a warning box, or a plain message when `plain` is set.
    QString message;
    bool plain = false;
    Focus focus = Focus::Unchanged;
    // The date texts built so far ("dd/mm/yyyy"); each stays empty until it
    // has been built.
    QString startDate;
    QString endDate;
};

// Checks the picks in the order the user is told about them: the year
// first, then the four lists, then whether each date exists, then the order
// of the two dates (equal dates are accepted). Stops at the first refusal.
Check check(const Picks& picks);

} // namespace incomeinterval
