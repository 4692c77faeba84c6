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
//
// Some file systems refuse locks altogether (an NFS mount without its lock
// service, some network shares). lock() then fails at once with
// unsupported() true, and the caller decides whether to write without one.
class FileLock {
public:
    // Milliseconds a writer waits for another desk to finish its write.
    static constexpr int kDefaultWaitMs = 5000;

    explicit FileLock(QFile& file);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False, with errorString(), when the lock was not had within `waitMs`,
    // or at once when the file system refuses locks.
    bool lock(int waitMs = kDefaultWaitMs);
    void unlock();
    bool isLocked() const { return m_locked; }
    // Whether the last lock() failed because the file system takes no locks
    // at all, rather than because another holder kept it.
    bool unsupported() const { return m_unsupported; }
    QString errorString() const { return m_error; }

private:
    bool tryLock(bool* busy);

    QFile& m_file;
    bool m_locked = false;
    bool m_unsupported = false;
    QString m_error;
};

// For tests: while one lives, every lock call on this thread fails as the
// system would with `error` (an errno value such as ENOLCK or EAGAIN), so the
// paths for file systems without locks and for a busy lock can be run on any
// disk. The previous state comes back when it goes.
class InjectedLockFailure {
public:
    explicit InjectedLockFailure(int error);
    ~InjectedLockFailure();
    InjectedLockFailure(const InjectedLockFailure&) = delete;
    InjectedLockFailure& operator=(const InjectedLockFailure&) = delete;

private:
    int m_previous;
};
