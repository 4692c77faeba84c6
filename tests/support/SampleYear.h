#pragma once

#include "distinte/Ricevuta.h"

#include <QList>
#include <QString>

// A believable year of a small tobacconist's distinte for the screens that
// list or sum them: a few regular buyers (companies, offices, private
// people) coming back through the months, one to three stamp lines each with
// consistent amounts and totals, some left unpaid. Always the same records,
// so pictures and tests that use it stay the same.
QList<Ricevuta> sampleYear(const QString& year);
