#pragma once

#include "backup/Progress.h"
#include "common/ProgramFolder.h"

#include <QDateTime>
#include <QString>

// A copy of the data files (datafiles::list) into a new folder
// `Vellarmo-copia-AAAA-MM-GG-hhmmss` of a folder the user chose, with the
// manifest `Vellarmo-copia.sha256`. Each archive is read whole under its
// record lock, so that another desk's append never tears it; every file
// written is synced, read back from the medium and compared with what was
// read before the copy counts as done. A copy that fails or is cancelled is
// removed, or renamed `...-INCOMPLETA` when it cannot be removed: no half
// copy ever looks like a good one. Nothing is written in the data folder.
//
// It does not ask or tell the user anything and does not record the copy in
// the settings (BackupSettings); the screen does both.
namespace backup {

struct CopyOutcome {
    enum Kind {
        Done,
        Cancelled,
        InsideDataFolder, // the destination is the data folder or inside it
        NoDestination,    // the chosen folder does not exist
        AlreadyThere,     // a copy of that name exists and is never overwritten
        NotCreated,       // the copy folder could not be made (read-only medium)
        ReadFailed,       // a data file could not be read
        WriteFailed,      // a write failed: full disk, medium gone
        VerifyFailed,     // a file read back differs from what was written
    } kind = Done;

    // What happened to an unfinished copy folder.
    enum Leftover { Nothing, Removed, RenamedIncomplete, LeftInPlace } leftover = Nothing;

    QString folder;   // the copy folder (as made, or as renamed)
    int files = 0;    // data files copied, the manifest not counted
    qint64 bytes = 0; // their bytes
    QString file;     // the file a failure concerns
    QString reason;   // the system's words for it

    bool ok() const { return kind == Done; }
};

// The copy folder's name for a copy made at `when`.
QString copyFolderName(const QDateTime& when);
// The folder name's date and time, or an invalid one for any other name.
QDateTime copyFolderTime(const QString& name);

// Makes a copy of `data` inside the folder `destination`.
CopyOutcome makeCopy(const ProgramFolder& data, const QString& destination, const QDateTime& when,
                     const Progress& progress = {});

// What the user is told after makeCopy.
QString copyMessage(const CopyOutcome& outcome);

// The same copy into `target`, which must not exist yet, with no check of
// where it is: the restore keeps the data it replaces this way inside the
// data folder.
CopyOutcome copyDataTo(const ProgramFolder& data, const QString& target,
                       const Progress& progress = {});

} // namespace backup
