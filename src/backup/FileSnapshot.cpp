#include "backup/FileSnapshot.h"

#include "common/FileLock.h"

#include <QFile>

namespace filesnapshot {

namespace {

bool readAll(QFile& file, QByteArray* bytes, QString* reason) {
    const qint64 size = file.size();
    bytes->resize(size);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(bytes->data() + got, size - got);
        if (n <= 0) {
            *reason = file.errorString();
            return false;
        }
        got += n;
    }
    return true;
}

} // namespace

bool read(const QString& path, int recordSize, QByteArray* bytes, QString* reason) {
    QFile file(path);
    // The lock needs a handle open for writing; ExistingOnly keeps a file
    // that went away from being made again.
    if (recordSize > 0 &&
        file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        FileLock lock(file);
        if (!lock.lock()) {
            *reason = lock.errorString();
            return false;
        }
        // Appends keep to whole records under this lock; bytes of a record
        // that a failed write left behind are copied as they are, for the
        // archive check to report.
        return readAll(file, bytes, reason);
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *reason = file.errorString();
        return false;
    }
    return readAll(file, bytes, reason);
}

} // namespace filesnapshot
