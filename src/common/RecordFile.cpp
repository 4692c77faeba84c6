#include "RecordFile.h"

#include <algorithm>

namespace {
// Records read per block while scanning: large enough that the scan costs
// little more than a plain read of the file.
constexpr qint64 kScanBlockBytes = 1 << 20;
} // namespace

RecordFile::RecordFile(const QString& path, int recordSize)
    : m_file(path), m_recordSize(recordSize) {}

bool RecordFile::open() {
    m_error.clear();
    // ReadWrite creates a missing file and never truncates an existing one.
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fail(QStringLiteral("open"));
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
    if (position < 1 || position > count())
        return fail(QStringLiteral("no record at position %1").arg(position));
    if (!seekTo(position))
        return false;
    if (m_file.write(record.data(), record.size()) != record.size())
        return fail(QStringLiteral("write"));
    return true;
}

qint64 RecordFile::append(QByteArrayView record) {
    if (record.size() != m_recordSize) {
        fail(QStringLiteral("record of wrong size"));
        return 0;
    }
    const qint64 position = count() + 1;
    if (position < 1 || !seekTo(position))
        return 0;
    if (m_file.write(record.data(), record.size()) != record.size()) {
        fail(QStringLiteral("write"));
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

bool RecordFile::fail(const QString& what) {
    m_error = QStringLiteral("%1: %2 (%3)").arg(m_file.fileName(), what, m_file.errorString());
    return false;
}
