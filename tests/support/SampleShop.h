#pragma once

#include "buyers/SchedaAnagrafica.h"
#include "common/ProgramFolder.h"
#include "distinte/Ricevuta.h"

#include <QTemporaryDir>

// A made-up tobacconist's program folder for the guide's pictures: a tariff
// list, the reseller data, a buyers archive and one year of distinte, all
// written through the program's own model code into a temporary folder that
// is removed afterwards. It never touches a real user's data.
class SampleShop {
public:
    SampleShop();

    bool ok() const { return m_ok; }
    ProgramFolder folder() const { return ProgramFolder(m_dir.path()); }
    QString archivePath() const;

    // The year of the sample archive.
    static QString year();
    // The distinta shown in the editor, as stored at position 1.
    static Ricevuta sampleDistinta();
    // The buyer card shown in the buyers archive, as stored at position 1.
    static SchedaAnagrafica sampleCard();

private:
    bool writeTariff();
    bool writeSettings();
    bool writeBuyers();
    bool writeDistinte();

    QTemporaryDir m_dir;
    bool m_ok = false;
};
