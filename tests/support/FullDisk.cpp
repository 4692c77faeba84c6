#include "support/FullDisk.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {
const QString kFiller = QStringLiteral(".filler");
}

FullDisk::FullDisk(int kilobytes) {
    if (!m_dir.isValid()) {
        m_reason = QStringLiteral("no temporary folder");
        return;
    }
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                options.constData()) != 0) {
        m_reason = QStringLiteral("mount -t tmpfs failed: %1")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
}

FullDisk::~FullDisk() {
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

void FullDisk::fill(qint64 leaveBytes) {
    ASSERT_TRUE(m_mounted);
    QFile filler(file(kFiller));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered));
    const QByteArray page(4096, 'F');
    while (filler.write(page) == page.size()) {
    }
    // The last page may have gone in part: write single bytes until nothing fits.
    while (filler.write("F", 1) == 1) {
    }
    if (leaveBytes > 0) {
        const qint64 give = (leaveBytes + 4095) / 4096 * 4096;
        ASSERT_TRUE(filler.resize(std::max<qint64>(0, filler.size() / 4096 * 4096 - give)));
    }
}

void FullDisk::release() {
    QFile::remove(file(kFiller));
}

bool FullDisk::required() {
    return qEnvironmentVariable("VELLARMO_REQUIRE_FULL_DISK") == QLatin1String("1");
}
