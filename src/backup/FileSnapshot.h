#pragma once

#include <QByteArray>
#include <QString>

// Reading one data file whole, as it stands at one moment. A record archive
// (recordSize > 0) is read under its record lock, the one every append and
// rewrite takes, so that the bytes read hold only whole records even while
// another desk is saving; other files are read as they are. The file is
// opened for reading only when it cannot be locked (a read-only medium, where
// nobody can be writing). Nothing is ever created or changed.
namespace filesnapshot {

// False, with the system's reason, when the file could not be read whole.
bool read(const QString& path, int recordSize, QByteArray* bytes, QString* reason);

} // namespace filesnapshot
