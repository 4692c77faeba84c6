#pragma once

#include "reports/DamagedRecords.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>

// The twelve monthly income sums of one calendar year, read from that
// year's archive, and the few texts the income chart shows around them.
// Knows nothing of drawing: the chart gets twelve numbers.
namespace monthlyincome {

inline constexpr int kMonths = 12;

// The month labels, "Gennaio" ... "Dicembre", and their colours (ARGB).
QStringList monthLabels();
std::array<unsigned int, kMonths> monthColours();

// Which month of `year` a stored date counts in: 0 for January ... 11 for
// December, or -1. Only the places of "dd/mm/yyyy" are looked at: the month
// at characters 4-5 and the year at 7-10, each trimmed; the day is not
// checked.
int monthOf(QStringView date, QStringView year);

struct Sums {
    // False when the archive could not be opened or read.
    bool readable = false;
    // Each month rounded to the whole euro, half up.
    std::array<double, kMonths> euros{};
    // Distinte of the year whose total is not a number: left out.
    DamagedRecords damaged;
};

// Sums the totals of the distinte of `year` (trimmed) by month. The archive
// is created empty when missing.
Sums read(const QString& archivePath, const QString& year);

// A month's running sum rounded to the euro as the chart shows it (12,50
// gives 13, 12,49 gives 12).
double roundToEuro(double sum);

// The heading of the chart panel for a year.
QString headingFor(const QString& year);

// The copies count from the answer typed in the copies box: a blank answer,
// one with anything but the digits 0-9 (a blank included), zero or a number
// too large to print that many copies all give 1.
int copiesFromAnswer(const QString& answer);

} // namespace monthlyincome
