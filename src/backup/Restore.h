#pragma once

#include "backup/Manifest.h"
#include "backup/Progress.h"
#include "common/ProgramFolder.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Putting a safety copy back into the data folder without losing anything.
// First the copy is checked against its manifest (checkCopy); a copy with a
// missing or damaged file is refused, naming them. Then restore() copies the
// current data files, verified, into `Dati-prima-del-ripristino-...` inside
// the data folder, and only then writes the copy's files in place, each
// through the whole-file writer, so that each is either the old file or the
// new one. When anything fails after the first file was replaced, the files
// already replaced are put back from the kept data. Data files that the copy
// does not hold stay as they are. The record of the last copy in the
// settings survives the restore of the settings file.
//
// Nothing here asks the user; the screen asks between the two steps.
namespace backup {

struct CopyCheck {
    enum Kind {
        Good,
        Cancelled,
        NoManifest,  // no manifest: not a copy, or an unfinished one
        BadManifest, // a manifest that cannot be read as one
        Damaged,     // some files are missing or differ from the manifest
    } kind = Good;
    QString folder;
    QDateTime made; // from the folder's name, or the manifest's time
    QList<manifest::Entry> entries;
    QStringList missing;
    QStringList damaged;

    bool ok() const { return kind == Good; }
};

CopyCheck checkCopy(const QString& folder, const Progress& progress = {});
// What the user is told when a copy is refused (empty for a good copy).
QString refusalMessage(const CopyCheck& check);

// The folder name, inside the data folder, of the data kept by a restore
// made at `when`.
QString keptDataFolderName(const QDateTime& when);
// The question asked before restoring `check` at `when`.
QString restoreQuestion(const ProgramFolder& data, const CopyCheck& check, const QDateTime& when);

struct RestoreOutcome {
    enum Kind {
        Done,
        Cancelled,   // stopped before anything was replaced, or put back
        NotKept,     // the current data could not be kept: nothing replaced
        CopyChanged, // a copy file no longer matches its manifest
        WriteFailed, // a file could not be written in the data folder
    } kind = Done;
    QString keptFolder; // where the data before the restore are
    int files = 0;      // files restored
    QString file;       // the file a failure concerns
    QString reason;
    // After a failure: whether every replaced file was put back.
    bool putBack = true;

    bool ok() const { return kind == Done; }
};

// Restores the checked copy `check` (checkCopy said Good) into `data`.
RestoreOutcome restore(const ProgramFolder& data, const CopyCheck& check, const QDateTime& when,
                       const Progress& progress = {});
QString restoreMessage(const RestoreOutcome& outcome);

} // namespace backup
