#include "ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

QString programFilesFolder(const QString& executableDir) {
    const QDir executable(executableDir);
    const QString shared =
        QDir::cleanPath(executable.absoluteFilePath(QStringLiteral("../share/vellarmo")));
    if (QFileInfo(shared).isDir())
        return shared;
    return executable.absolutePath();
}
