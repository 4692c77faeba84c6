#include "RecordFile.h"

#include "DiskSync.h"
#include "FileLock.h"

#include <algorithm>

namespace {
// Records read per block while scanning: large enough that the scan costs
// little more than a plain read of the file.
constexpr qint64 kScanBlockBytes = 1 << 20;
} // namespace

RecordFile::RecordFile(const QString& path, int recordSize)
    : m_file(path), m_recordSize(recordSize), m_lockWaitMs(FileLock::kDefaultWaitMs) {}

bool RecordFile::open() {
    m_error.clear();
    m_readOnly = false;
    // ReadWrite creates a missing file and never truncates an existing one.
    if (m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return true;
    if (m_file.exists() && m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        m_readOnly = true;
        return true;
    }
    return fail(QStringLiteral("open"));
}

bool RecordFile::writable() {
    if (!m_file.isOpen())
        return fail(QStringLiteral("not open"));
    if (m_readOnly)
        return fail(QStringLiteral("the file is read-only"));
    return true;
}

// Writes one record at the current position and makes sure it reached the
// disk, so that a failure (a full disk, a share gone away) is seen here and
// not lost after the lock is let go.
bool RecordFile::writeOut(QByteArrayView record) {
    if (m_file.write(record.data(), record.size()) != record.size())
        return fail(QStringLiteral("write"));
    QString reason;
    if (!disksync::syncFile(m_file, &reason))
        return fail(QStringLiteral("sync"));
    return true;
}

qint64 RecordFile::count() const {
    if (!m_file.isOpen())
        return -1;
    return m_file.size() / m_recordSize;
}

bool RecordFile::seekTo(qint64 position) {
    if (!m_file.isOpen())
        return fail(QStringLiteral("not open"));
    if (!m_file.seek((position - 1) * m_recordSize))
        return fail(QStringLiteral("seek"));
    return true;
}

bool RecordFile::read(qint64 position, QByteArray* record) {
    if (position < 1 || position > count())
        return fail(QStringLiteral("no record at position %1").arg(position));
    if (!seekTo(position))
        return false;
    *record = m_file.read(m_recordSize);
    if (record->size() != m_recordSize)
        return fail(QStringLiteral("read"));
    return true;
}

bool RecordFile::write(qint64 position, QByteArrayView record) {
    if (record.size() != m_recordSize)
        return fail(QStringLiteral("record of wrong size"));
    if (!writable())
        return false;
    FileLock lock(m_file);
    if (!lockForWrite(lock))
        return false;
    if (position < 1 || position > count())
        return fail(QStringLiteral("no record at position %1").arg(position));
    return seekTo(position) && writeOut(record);
}

qint64 RecordFile::append(QByteArrayView record) {
    if (record.size() != m_recordSize) {
        fail(QStringLiteral("record of wrong size"));
        return 0;
    }
    if (!writable())
        return 0;
    FileLock lock(m_file);
    if (!lockForWrite(lock))
        return 0;
    // Counted under the lock: another desk may have appended since open().
    const qint64 position = count() + 1;
    if (position < 1 || !seekTo(position))
        return 0;
    if (!writeOut(record)) {
        // Take back the part of the record that did get written, so that the
        // count stays as it was and no half record is left for the next one.
        const QString reason = m_error;
        m_file.resize((position - 1) * m_recordSize);
        m_error = reason;
        return 0;
    }
    return position;
}

bool RecordFile::scan(const Visitor& visit, qint64 from) {
    const qint64 total = count();
    if (total < 0)
        return fail(QStringLiteral("not open"));
    if (from > total)
        return true;
    if (!seekTo(std::max<qint64>(from, 1)))
        return false;
    const qint64 perBlock = std::max<qint64>(1, kScanBlockBytes / m_recordSize);
    QByteArray block(perBlock * m_recordSize, Qt::Uninitialized);
    for (qint64 position = std::max<qint64>(from, 1); position <= total;) {
        const qint64 wanted = std::min(perBlock, total - position + 1);
        const qint64 bytes = wanted * m_recordSize;
        qint64 got = 0;
        while (got < bytes) {
            const qint64 n = m_file.read(block.data() + got, bytes - got);
            if (n <= 0)
                return fail(QStringLiteral("read"));
            got += n;
        }
        for (qint64 i = 0; i < wanted; ++i, ++position) {
            if (!visit(position,
                       QByteArrayView(block.constData() + i * m_recordSize, m_recordSize)))
                return true;
        }
    }
    return true;
}

bool RecordFile::lockForWrite(FileLock& lock) {
    if (lock.lock(m_lockWaitMs))
        return true;
    if (lock.unsupported()) {
        m_uncoordinated = true;
        return true;
    }
    m_error = lock.errorString();
    return false;
}

bool RecordFile::fail(const QString& what) {
    m_error = QStringLiteral("%1: %2 (%3)").arg(m_file.fileName(), what, m_file.errorString());
    return false;
}
