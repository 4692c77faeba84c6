#pragma once

#include "buyers/SchedaAnagrafica.h"
#include "common/ProgramFolder.h"
#include "distinte/Ricevuta.h"

#include <QTemporaryDir>

// The one made-up tobacconist of the guide's pictures and the screen tests: a
// tariff list, the reseller data, a buyers archive with an attachment and a
// year of distinte (some unpaid), all written through the program's own
// model code. Always the same records, so pictures and tests stay the same.
// The object writes them into a temporary folder that is removed
// afterwards; write() puts them into a folder of the caller's.
class SampleShop {
public:
    SampleShop();

    // Writes the whole shop, its key file included, into `folder`.
    static bool write(const ProgramFolder& folder);
    // Writes the yearly archive of `year` with distinte(year) into `folder`.
    static bool writeYear(const ProgramFolder& folder, const QString& year);

    bool ok() const { return m_ok; }
    ProgramFolder folder() const { return ProgramFolder(m_dir.path()); }
    QString archivePath() const;

    // The year of the sample archive.
    static QString year();
    // The year's distinte in stored order; another `year` gives the same
    // sales on the same days of that year.
    static QList<Ricevuta> distinte(const QString& year = SampleShop::year());
    // The distinta shown in the editor, as stored at position 1.
    static Ricevuta sampleDistinta();
    // The buyer card shown in the buyers archive, as stored at position 1.
    static SchedaAnagrafica sampleCard();

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};
