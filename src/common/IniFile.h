#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// One INI-format settings file, read and written one value at a time, the way
// the earlier Windows program used its system's INI service: "[section]"
// lines, "key=value" lines, ';' comments, Windows-1252 text, CR LF line ends.
// Section and key names match ignoring the case of ASCII letters; values read
// back trimmed. Nothing is cached: every call opens, works and closes.
//
// A missing file, section or key reads as empty. A write creates what is
// missing and replaces the file atomically, keeping every other line byte for
// byte; a failed write leaves the old file as it was. Failures are reported as
// return values with errorString(); the caller shows its own message.
class IniFile {
public:
    explicit IniFile(const QString& path);

    // The value, or empty when the file, section or key is missing or the
    // file cannot be read.
    QString value(QStringView section, QStringView key) const;

    // Like value(), but an existing file that cannot be read is a failure.
    bool read(QStringView section, QStringView key, QString* value) const;

    // Sets the value, creating the file and the section when missing. Line
    // breaks in the value are written as blanks, since they would end the line.
    bool setValue(QStringView section, QStringView key, QStringView value);

    QString path() const { return m_path; }
    QString errorString() const { return m_error; }

private:
    bool load(QByteArray* bytes) const;

    QString m_path;
    mutable QString m_error; // the last failure, reads included
};
