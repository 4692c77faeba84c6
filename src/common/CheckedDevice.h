#pragma once

#include <QByteArray>
#include <QIODevice>

// A write-only device in front of another device that never loses a failure:
// it gathers small writes into blocks, writes each block to the inner device
// checking how much was taken, and from the first failure on refuses every
// write and remembers why. finish() writes what is gathered and says whether
// every byte reached the inner device.
//
// It does not open, sync or close the inner device; its owner does.
class CheckedDevice : public QIODevice {
public:
    explicit CheckedDevice(QIODevice& inner, qint64 blockSize = 64 * 1024);

    // Writes the gathered bytes; false when any write, now or before, failed.
    bool finish();
    bool failed() const { return m_failed; }
    QString failure() const { return m_failure; }
    qint64 written() const { return m_written; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override;

private:
    bool writeOut(const char* data, qint64 len);

    QIODevice& m_inner;
    qint64 m_blockSize;
    QByteArray m_pending;
    qint64 m_written = 0;
    bool m_failed = false;
    QString m_failure;
};
