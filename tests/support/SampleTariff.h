#pragma once

#include <QStringList>

// A small tobacconist's tariff list (stamps and postage with their prices),
// as entries ready for the tariff file, so that the screens that list or
// import tariff entries show believable content. Always the same entries:
// the screen tests and the user guide's pictures both use them.
QStringList sampleTariffEntries();
