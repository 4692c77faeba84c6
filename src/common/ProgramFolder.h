#pragma once

#include <QString>
#include <QStringList>

// The folder that holds every file the program reads or writes: by default
// the executable's folder, or the one folder named on the command line (a
// shared or portable data folder, and tests). Every path goes through here.
class ProgramFolder {
public:
    explicit ProgramFolder(const QString& path);

    // The folder named by the arguments (after the program name), or
    // `executableDir` when none is given.
    static ProgramFolder fromArguments(const QStringList& arguments, const QString& executableDir);

    QString path() const { return m_path; }
    // The full path of a file or folder directly inside the program folder.
    QString file(const QString& name) const;

private:
    QString m_path;
};
