#include "ProgramFolder.h"

#include <QDir>

ProgramFolder::ProgramFolder(const QString& path) : m_path(QDir(path).absolutePath()) {}

ProgramFolder ProgramFolder::fromArguments(const QStringList& arguments,
                                           const QString& executableDir) {
    if (arguments.size() > 1 && !arguments[1].trimmed().isEmpty())
        return ProgramFolder(arguments[1]);
    return ProgramFolder(executableDir);
}

QString ProgramFolder::file(const QString& name) const {
    return QDir(m_path).filePath(name);
}
