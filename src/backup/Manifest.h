#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

// The list of a copy's files with their SHA-256 digests, kept in the copy as
// `Vellarmo-copia.sha256` in the form that `sha256sum -c` reads: one line per
// file, 64 lower-case hexadecimal digits, two blanks, the path inside the
// copy with '/' between folders. A name holding a backslash or a line break
// is written escaped, with a backslash before the line, as sha256sum does.
namespace manifest {

inline const QString kFileName = QStringLiteral("Vellarmo-copia.sha256");

struct Entry {
    QString name;      // path inside the copy
    QByteArray digest; // 32 raw bytes

    bool operator==(const Entry&) const = default;
};

// The SHA-256 digest of `bytes`.
QByteArray digestOf(QByteArrayView bytes);

QByteArray format(const QList<Entry>& entries);

// The entries of a manifest, or none when any line is not one the format
// writes (a damaged or foreign file).
std::optional<QList<Entry>> parse(QByteArrayView text);

// Whether `name` stays inside the copy: relative, no "." or ".." step, no
// empty step. A manifest naming anything else is not trusted.
bool isSafeName(const QString& name);

} // namespace manifest
