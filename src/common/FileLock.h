#pragma once

#include <QFile>
#include <QString>

// An exclusive lock on a file that other programs and other desks respect: an
// operating-system lock taken through the open file (also honoured over a
// network share), not a file beside it. It waits a bounded time for another
// holder to let go and is released when the object goes.
//
// It locks one byte far beyond any real data, so that readers, which take no
// lock, are never kept waiting even where the system enforces locks. It does
// not open or close the file.
class FileLock {
public:
    // Milliseconds a writer waits for another desk to finish its write.
    static constexpr int kDefaultWaitMs = 5000;

    explicit FileLock(QFile& file);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False, with errorString(), when the lock was not had within `waitMs`.
    bool lock(int waitMs = kDefaultWaitMs);
    void unlock();
    bool isLocked() const { return m_locked; }
    QString errorString() const { return m_error; }

private:
    bool tryLock(bool* busy);

    QFile& m_file;
    bool m_locked = false;
    QString m_error;
};
