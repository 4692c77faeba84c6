#pragma once

#include "distinte/Ricevuta.h"

#include <QByteArrayView>
#include <QString>

// The summary line of a distinta: the fixed-width one-line form that the
// search, the unpaid list and the income summary show, one per distinta.
//
//     N. <number 12>  Data: <date 10>  <buyer line 1, 30>  Quant. <quantity 5>
//     "  " <description 30>  Valore: € <unit value 10>  Totale: € <total>
//
// (on one line). Each field is trimmed, then padded with blanks or cut to
// its width; the total alone is only trimmed. Only the first stamp line is
// shown, so two distinte with the same shown fields give the same line.
namespace distintasummary {

// Character widths of the shown fields; the total starts at character 146.
inline constexpr int kNumberWidth = 12;
inline constexpr int kDateWidth = 10;
inline constexpr int kBuyerWidth = 30;
inline constexpr int kQuantityWidth = 5;
inline constexpr int kDescriptionWidth = 30;
inline constexpr int kUnitValueWidth = 10;
inline constexpr int kTotalColumn = 146;

QString line(const Ricevuta& distinta);

// The same line read straight from a stored record's 3053 bytes, decoding
// only the seven fields it shows: what the list scans use.
QString lineOfRecord(QByteArrayView record);

} // namespace distintasummary
