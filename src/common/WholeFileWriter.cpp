#include "WholeFileWriter.h"

#include "CheckedDevice.h"
#include "DiskSync.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#endif

namespace {

// Puts the temporary file in the place of the target in one step: a reader
// sees either the old file or the new one, never a mix.
bool replaceFile(const QString& from, const QString& to, QString* reason) {
#ifdef Q_OS_WIN
    if (!MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                     reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        *reason = QStringLiteral("rename failed (%1)").arg(GetLastError());
        return false;
    }
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // The new name lives in the folder: sync it too.
    disksync::syncFolder(QFileInfo(to).absolutePath());
#endif
    return true;
}

} // namespace

WholeFileWriter::WholeFileWriter(const QString& path, Links links) : m_path(path), m_links(links) {}

WholeFileWriter::~WholeFileWriter() {
    cancel();
}

bool WholeFileWriter::open() {
    cancel();
    m_error.clear();
    m_target = m_path;
    QFileInfo info(m_path);
    if (info.isSymLink()) {
        if (m_links == Links::Refuse)
            return fail(QStringLiteral("open"), QStringLiteral("symbolic link"));
        m_target = info.symLinkTarget();
    }
    const QFileInfo target(m_target);
    if (target.exists() && !target.isFile())
        return fail(QStringLiteral("open"), QStringLiteral("not a file"));
    if (target.exists() && !target.isWritable())
        return fail(QStringLiteral("open"), QStringLiteral("file is read-only"));

    // A fresh name beside the target, so that the rename stays within one file
    // system; NewOnly never reuses a file that someone else has just made. The
    // name does not contain the target's, which may be near the name limit.
    const QDir folder = target.absoluteDir();
    for (int attempt = 0;; ++attempt) {
        m_temporary.setFileName(folder.filePath(
            QStringLiteral(".vellarmo-%1.tmp")
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
        if (m_temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            break;
        if (attempt >= 20 || !QFileInfo::exists(m_temporary.fileName()))
            return fail(QStringLiteral("open"), m_temporary.errorString());
    }
    // The new file keeps who may read and write the old one.
    if (target.exists())
        m_temporary.setPermissions(QFile::permissions(m_target));
    m_device = std::make_unique<CheckedDevice>(m_temporary);
    m_device->open(QIODevice::WriteOnly);
    return true;
}

QIODevice& WholeFileWriter::device() {
    Q_ASSERT(m_device);
    return *m_device;
}

bool WholeFileWriter::commit() {
    if (!m_device)
        return fail(QStringLiteral("commit"), QStringLiteral("not open"));
    QString reason;
    if (!m_device->finish()) {
        reason = m_device->failure();
    } else if (!disksync::syncFile(m_temporary, &reason)) {
        // reason set
    } else {
        m_temporary.close();
        if (m_temporary.error() != QFileDevice::NoError)
            reason = m_temporary.errorString();
        else if (replaceFile(m_temporary.fileName(), m_target, &reason)) {
            m_device.reset();
            return true;
        }
    }
    dropTemporary();
    return fail(QStringLiteral("write"), reason);
}

void WholeFileWriter::cancel() {
    if (m_device)
        dropTemporary();
}

void WholeFileWriter::dropTemporary() {
    m_device.reset();
    m_temporary.close();
    m_temporary.remove();
}

bool WholeFileWriter::fail(const QString& what, const QString& reason) {
    m_error = QStringLiteral("%1: %2 (%3)").arg(m_path, what, reason);
    return false;
}

bool writeWholeFile(const QString& path, const QByteArray& content, QString* errorString) {
    WholeFileWriter writer(path);
    // A failed write is remembered by the device and reported by commit().
    bool ok = writer.open();
    if (ok) {
        writer.device().write(content);
        ok = writer.commit();
    }
    if (!ok && errorString)
        *errorString = writer.errorString();
    return ok;
}
