#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

// The tariff list file: plain text, one entry per line. It is written in
// Windows-1252 with CR LF line ends and no byte-order mark; when read, a
// UTF-8 or UTF-16 byte-order mark is honoured, any of CR LF, LF and CR ends a
// line, and every line is trimmed. Knows nothing about the entries' layout.
namespace tariff {

// The file's name inside the program folder.
QString tariffFileName();

// The lines of a file's bytes, or nothing when the bytes are not a text file
// (a NUL character, or bytes that do not fit the byte-order mark they carry).
std::optional<QStringList> decodeTariffText(QByteArrayView bytes);

// The bytes of a file holding `lines`, each ended by CR LF. A character that
// Windows-1252 cannot hold is written as '?'.
QByteArray encodeTariffText(const QStringList& lines);

struct ReadResult {
    enum class Status {
        Ok,         // `lines` holds the list (possibly empty)
        Missing,    // there is no file yet
        Unreadable, // the file exists but could not be opened or read
        Damaged     // the file is not a text file, or far too large for a list
    };
    Status status = Status::Missing;
    QStringList lines;
};

ReadResult readTariffFile(const QString& path);

// What the tariff screen says when the file at `path` exists but could not be
// read (not a text file, far too large, or not readable): it is kept as it is
// unless the user changes the list.
QString unreadableTariffMessage(const QString& path);

struct WriteResult {
    bool ok = false;
    QString error; // the system's reason when `ok` is false
};

// Replaces the file at `path` with `lines` in one step: on any failure the
// file that was there before is left as it was.
WriteResult writeTariffFile(const QString& path, const QStringList& lines);

} // namespace tariff
