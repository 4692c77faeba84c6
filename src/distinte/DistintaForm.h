#pragma once

#include "distinte/DistintaTotal.h"
#include "distinte/Ricevuta.h"

#include <QString>
#include <QStringView>

// How the editor's texts and a stored distinta map onto each other, apart
// from the plain one-field-one-control texts that Ricevuta already holds.
namespace distintaform {

// The total label of a distinta that has not been computed yet.
extern const QString kNoTotal;

// The paid flag stored for the state of the paid box.
QString paidFlag(bool ticked);

// The paid box after loading a stored flag: ticked for "Sì", unticked for
// "No", and as it was for anything else (a damaged record).
bool paidBoxAfterLoad(QStringView stored, bool current);

// The ten stamp lines and the total, for the total computation, and back.
distintatotal::Lines stampLines(const Ricevuta& distinta);
void setStampLines(Ricevuta& distinta, const distintatotal::Lines& lines);

// An empty distinta that keeps the reseller lines and name of `current`; the
// paid flag reads "No" and the total shows kNoTotal.
Ricevuta cleared(const Ricevuta& current);

} // namespace distintaform
