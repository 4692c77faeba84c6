#pragma once

#include "buyers/SchedaAnagrafica.h"
#include "output/Report.h"

#include <QString>

// The printed buyer card: one A4 portrait page with the title bar "SCHEDA
// ANAGRAFICA", 26 framed rows of caption and value, and a footer bar with the
// date and time of printing. The attachments and the record position are not
// printed. The page is plain data; output/ui puts it on paper.
namespace buyercardpage {

inline constexpr int kRows = 26;

// The page with empty values and the footer's design text.
Report design();

// `design()` with the card's values (each field trimmed; street and number,
// CAP and town with province joined as the rows show them) and the footer
// "Stampa eseguita in data <date> alle ore <time>".
Report filled(const SchedaAnagrafica& card, const QString& dateText, const QString& timeText);

// The value of each row, in reading order, as filled() prints it.
QStringList rowValues(const SchedaAnagrafica& card);

} // namespace buyercardpage
