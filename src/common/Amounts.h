#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Euro amounts as the program keeps them: texts such as "12,50" in fields and
// records, binary doubles only between parsing and formatting. The decimal
// separator is always the comma; there is no thousands separator and no sign.
namespace amounts {

// Reads digits with at most one comma ("12", "12,5", "7,", ",5"; a lone ","
// is 0), blanks at both ends ignored. Anything else, or an empty text, fails.
std::optional<double> parseAmount(QStringView text);

// Rounds half up to cents on the exact binary value of x, so 1,005 (stored a
// little below) gives 1,00 while 0,125 (stored exactly) gives 0,13. Half up
// means towards plus infinity, for the negative values amounts never reach
// too. The same on every platform: no extended precision is needed.
double roundToCents(double x);

// x with 15 significant digits in plain decimal notation, comma separator,
// no trailing zeros and no trailing comma: 12 -> "12", 12.5 -> "12,5". The
// digits come from the exact value of x, rounded half up at an exact tie
// too, so every platform writes the same text.
QString formatNumber(double x);

// What an amount field holds: a unit value of a stamp line may stay empty;
// a tariff price, a line amount and a total always show an amount.
enum class AmountKind { UnitValue, Price };

// Brings a typed or stored amount to the form "digits,dd". An empty text stays
// empty for a unit value and becomes "0,00" otherwise; a text that is not a
// number becomes "0,00".
QString normalizeAmount(QStringView text, AmountKind kind);

} // namespace amounts
