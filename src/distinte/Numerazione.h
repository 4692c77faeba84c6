#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The automatic numbering of distinte: one start for the whole installation,
// to which the count of distinte already stored in the year is added.
namespace numerazione {

// The start as the editor takes it from the settings: blank or missing is "1".
QString startOrDefault(QStringView stored);

// The number proposed for a new distinta, start + storedCount, in decimal.
// Empty when the start is not a whole number (a hand-edited settings file).
std::optional<QString> proposedNumber(QStringView start, qint64 storedCount);

// What the numbering field holds once the user leaves it: blank or not a
// number becomes "1", anything else the nearest whole number without leading
// zeros ("007" gives "7", "0" stays "0").
QString normalizedStartInput(QStringView typed);

} // namespace numerazione
