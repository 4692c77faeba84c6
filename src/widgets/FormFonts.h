#pragma once

#include <QFont>
#include <QString>

// The typeface of every screen: the reseller's forms have always been set in
// Verdana, and the pictures and reports that match them name it here too.
// Where Verdana is not installed, the system's font matching picks the
// nearest sans serif.
namespace formfont {

QString family();
// Regular and bold text of `points` points.
QFont plain(int points);
QFont bold(int points);

} // namespace formfont
