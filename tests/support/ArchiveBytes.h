#pragma once

#include <QByteArray>
#include <QList>

// The bytes of a record archive holding `records` in order, as the program
// writes it: whole records end to end, nothing before or after them.
template <typename Record> QByteArray archiveBytes(const QList<Record>& records) {
    QByteArray bytes;
    for (const Record& r : records)
        bytes += r.encode();
    return bytes;
}
