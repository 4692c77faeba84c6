#include "DiskSync.h"

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace disksync {

bool syncFile(QFile& file, QString* reason) {
#ifdef Q_OS_WIN
    if (_commit(file.handle()) != 0) {
        *reason = QStringLiteral("sync failed");
        return false;
    }
#else
    if (::fsync(file.handle()) != 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
#endif
    return true;
}

void syncFolder(const QString& path) {
#ifndef Q_OS_WIN
    const int dir = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
#else
    Q_UNUSED(path);
#endif
}

void dropCache(QFile& file) {
#if defined(POSIX_FADV_DONTNEED)
    ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_DONTNEED);
#else
    Q_UNUSED(file);
#endif
}

} // namespace disksync
