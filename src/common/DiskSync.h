#pragma once

#include <QFile>
#include <QString>

// Making sure that what was written reached the disk, so that a full disk or
// a medium pulled out shows as a failure here, and a power cut afterwards
// finds the new bytes.
namespace disksync {

// Writes what the system still holds in memory for the open file to the
// disk. False, with the system's reason, when it could not.
bool syncFile(QFile& file, QString* reason);

// Syncs the folder itself, so that a new or renamed name in it survives.
// Some file systems cannot sync a folder; the files in it are safe then.
void syncFolder(const QString& path);

// Asks the system to forget the cached pages of a synced file, so that the
// next read comes from the medium and not from memory. Does nothing where
// the system has no such request.
void dropCache(QFile& file);

} // namespace disksync
