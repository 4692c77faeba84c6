#pragma once

#include "common/ProgramFolder.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty program folder for one test, removed afterwards.
class TestFolder {
public:
    TestFolder();

    ProgramFolder folder() const { return ProgramFolder(m_dir.path()); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return folder().file(name); }

    void writeBytes(const QString& name, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir m_dir;
};
