#pragma once

#include <QBuffer>

// A device that takes the first `capacity` bytes written to it and fails every
// write after that, as a disk does when it fills up. A write that crosses the
// limit is taken in part, as the system does.
class FailDevice : public QBuffer {
public:
    explicit FailDevice(qint64 capacity) : m_capacity(capacity) {}

protected:
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 room = m_capacity - size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return QBuffer::writeData(data, std::min(len, room));
    }

private:
    qint64 m_capacity;
};
