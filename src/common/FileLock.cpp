#include "FileLock.h"

#include <QDeadlineTimer>
#include <QThread>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#endif

namespace {
// The locked byte: far beyond the end of any archive the program writes.
constexpr qint64 kLockOffset = qint64(1) << 40;

// The errno value every lock call fails with while a test injects one; 0
// when locks go to the system.
thread_local int t_injectedError = 0;

#ifndef Q_OS_WIN
// The lock call's errors that mean "no locks here at all", never "held by
// another desk".
bool refusesLocks(int error) {
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOTSUP || error == EINVAL ||
           error == ENOSYS;
}
#endif
} // namespace

InjectedLockFailure::InjectedLockFailure(int error) : m_previous(t_injectedError) {
    t_injectedError = error;
}

InjectedLockFailure::~InjectedLockFailure() {
    t_injectedError = m_previous;
}

FileLock::FileLock(QFile& file) : m_file(file) {}

FileLock::~FileLock() {
    unlock();
}

bool FileLock::lock(int waitMs) {
    m_error.clear();
    m_unsupported = false;
    if (m_locked)
        return true;
    const QDeadlineTimer deadline(waitMs);
    int pause = 2;
    for (;;) {
        bool busy = false;
        if (tryLock(&busy))
            return true;
        if (!busy)
            return false;
        if (deadline.hasExpired()) {
            m_error = QStringLiteral("%1: locked by another program").arg(m_file.fileName());
            return false;
        }
        // Another desk is writing one record: that takes milliseconds.
        QThread::msleep(std::min<qint64>(pause, std::max<qint64>(1, deadline.remainingTime())));
        pause = std::min(pause * 2, 50);
    }
}

#ifdef Q_OS_WIN

bool FileLock::tryLock(bool* busy) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(m_file.handle()));
    OVERLAPPED at = {};
    at.Offset = DWORD(kLockOffset & 0xFFFFFFFF);
    at.OffsetHigh = DWORD(kLockOffset >> 32);
    if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        m_locked = true;
        return true;
    }
    const DWORD code = GetLastError();
    *busy = code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING;
    m_unsupported = code == ERROR_NOT_SUPPORTED || code == ERROR_INVALID_FUNCTION;
    if (!*busy)
        m_error = QStringLiteral("%1: lock failed (%2)").arg(m_file.fileName()).arg(code);
    return false;
}

void FileLock::unlock() {
    if (!m_locked)
        return;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(m_file.handle()));
    OVERLAPPED at = {};
    at.Offset = DWORD(kLockOffset & 0xFFFFFFFF);
    at.OffsetHigh = DWORD(kLockOffset >> 32);
    UnlockFileEx(handle, 0, 1, 0, &at);
    m_locked = false;
}

#else

namespace {
// Locks that belong to the open file, not to the process: closing another
// handle on the same file elsewhere in the program does not drop them, and two
// handles in one program exclude each other as two desks do.
int lockCommand() {
#ifdef F_OFD_SETLK
    return F_OFD_SETLK;
#else
    return F_SETLK;
#endif
}

bool setLock(int fd, short type) {
    if (t_injectedError != 0 && type != F_UNLCK) {
        errno = t_injectedError;
        return false;
    }
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = kLockOffset;
    range.l_len = 1;
    range.l_pid = 0;
    return ::fcntl(fd, lockCommand(), &range) == 0;
}
} // namespace

bool FileLock::tryLock(bool* busy) {
    if (setLock(m_file.handle(), F_WRLCK)) {
        m_locked = true;
        return true;
    }
    const int error = errno;
    *busy = error == EAGAIN || error == EACCES || error == EINTR;
    m_unsupported = refusesLocks(error);
    if (!*busy)
        m_error = QStringLiteral("%1: lock failed (%2)")
                      .arg(m_file.fileName(), QString::fromLocal8Bit(std::strerror(error)));
    return false;
}

void FileLock::unlock() {
    if (!m_locked)
        return;
    setLock(m_file.handle(), F_UNLCK);
    m_locked = false;
}

#endif
