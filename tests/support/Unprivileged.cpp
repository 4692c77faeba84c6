#include "support/Unprivileged.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;

unsigned modeOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & 07777;
}
} // namespace

ReadOnlyScope::ReadOnlyScope(const QStringList& paths) {
    for (const QString& path : paths) {
        // The parents must let the unprivileged user reach the path.
        for (QString dir = QFileInfo(path).absolutePath(); dir != QStringLiteral("/");
             dir = QFileInfo(dir).absolutePath()) {
            const unsigned mode = modeOf(dir);
            if ((mode & 0011) != 0011) {
                m_saved.append({dir, mode});
                ::chmod(QFile::encodeName(dir).constData(), mode | 0055);
            }
        }
        const unsigned mode = modeOf(path);
        m_saved.append({path, mode});
        ::chmod(QFile::encodeName(path).constData(), (mode & ~0222u) | 0444);
        if (QFileInfo(path).isDir())
            ::chmod(QFile::encodeName(path).constData(), 0555);
    }
    if (::geteuid() == 0)
        m_droppedRoot = ::seteuid(kNobody) == 0;
}

ReadOnlyScope::~ReadOnlyScope() {
    // Without root back the rest of the run would be meaningless.
    if (m_droppedRoot && ::seteuid(0) != 0)
        std::abort();
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it)
        ::chmod(QFile::encodeName(it->path).constData(), it->mode);
}
