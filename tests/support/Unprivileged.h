#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Makes a file or folder read-only for the rest of the scope, in a way that
// also binds the test process when it runs as root (as CI does): the mode is
// cleared of write bits and, under root, the effective user becomes "nobody"
// until the guard ends. Everything is restored in the destructor.
class ReadOnlyScope {
public:
    // `paths`: files and folders to make read-only; their parents are made
    // searchable so that the unprivileged user can still reach them.
    explicit ReadOnlyScope(const QStringList& paths);
    ~ReadOnlyScope();
    ReadOnlyScope(const ReadOnlyScope&) = delete;
    ReadOnlyScope& operator=(const ReadOnlyScope&) = delete;

private:
    struct Saved {
        QString path;
        unsigned mode;
    };
    QList<Saved> m_saved;
    bool m_droppedRoot = false;
};
