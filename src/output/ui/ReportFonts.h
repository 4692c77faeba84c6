#pragma once

#include "output/ReportObject.h"

#include <QFont>

// The fonts the printed pages name (Arial, Verdana, Courier New) are not on
// every system; where one is missing, a font with the same metrics takes its
// place, so texts keep the widths the layouts were made for.
QFont reportFont(const ReportFont& font);
