#include "CheckedDevice.h"

CheckedDevice::CheckedDevice(QIODevice& inner, qint64 blockSize)
    : m_inner(inner), m_blockSize(blockSize) {
    m_pending.reserve(m_blockSize);
}

qint64 CheckedDevice::writeData(const char* data, qint64 len) {
    if (m_failed)
        return -1;
    if (m_pending.size() + len < m_blockSize) {
        m_pending.append(data, len);
        return len;
    }
    if (!m_pending.isEmpty()) {
        const QByteArray block = std::exchange(m_pending, QByteArray());
        m_pending.reserve(m_blockSize);
        if (!writeOut(block.constData(), block.size()))
            return -1;
    }
    if (len >= m_blockSize) {
        if (!writeOut(data, len))
            return -1;
    } else {
        m_pending.append(data, len);
    }
    return len;
}

bool CheckedDevice::writeOut(const char* data, qint64 len) {
    // A device may take less than offered (a pipe, a disk that filled up in
    // the middle): keep going until it takes nothing more.
    while (len > 0) {
        const qint64 n = m_inner.write(data, len);
        if (n <= 0) {
            m_failed = true;
            m_failure = m_inner.errorString();
            if (m_failure.isEmpty() || m_failure == QLatin1String("Unknown error"))
                m_failure = QStringLiteral("write failed after %1 bytes").arg(m_written);
            setErrorString(m_failure);
            return false;
        }
        data += n;
        len -= n;
        m_written += n;
    }
    return true;
}

bool CheckedDevice::finish() {
    if (m_failed)
        return false;
    const QByteArray block = std::exchange(m_pending, QByteArray());
    return writeOut(block.constData(), block.size());
}
