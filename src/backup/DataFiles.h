#pragma once

#include "common/ProgramFolder.h"

#include <QList>
#include <QString>

// The files of the data folder that hold the user's data, and only those:
// every yearly archive, the buyers archive, the tariff list, the settings,
// the key file, the logo and the attached files. The program's own files
// (the executable, the guide), exports and earlier safety folders are not
// data. What a copy of the data holds and what a restore puts back.
namespace datafiles {

struct DataFile {
    // The path inside the data folder, with '/' between folders.
    QString name;
    // The size of a record for the record archives, which are read under
    // their record lock; 0 for the other files.
    int recordSize = 0;
};

// The data files that exist in `folder`, archives first, in a fixed order.
// False, with the reason in `error`, when a folder could not be listed.
bool list(const ProgramFolder& folder, QList<DataFile>* files, QString* error);

// The record size of a data file by its name (0 when it is no archive).
int recordSizeOf(const QString& name);

} // namespace datafiles
