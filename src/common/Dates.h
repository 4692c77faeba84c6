#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// Date texts as the program writes and checks them: "dd/mm/yyyy".
namespace dates {

// True for day/month/year with one or two digits for day and month and four
// for the year, blanks around ignored, naming a real Gregorian date. Two-digit
// years are refused: the program only ever writes four.
bool isValidDate(QStringView text);

// The date a text names under the same rule; an invalid QDate otherwise.
QDate parseDate(QStringView text);

// The date as "dd/mm/yyyy"; empty for an invalid date.
QString dateText(QDate date);
// The four-digit year of the date, such as "2024"; empty for an invalid date.
QString yearText(QDate date);

// The same for the computer's local date.
QString todayText();
QString currentYear();

} // namespace dates
