#pragma once

// Shared body of the record fuzz targets: any bytes, read as whole records
// and as an archive file, must decode without crashing, without reading past
// a field, and into texts that survive a save and a reload unchanged.

#include "Require.h"
#include "common/FixedField.h"
#include "common/RecordFile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace fuzzing {

// Decoding, encoding and decoding again gives the same record, and every
// single-field decode agrees with the whole-record decode.
template <typename Record> void checkRecord(QByteArrayView bytes) {
    const Record record = Record::decode(bytes);
    const QByteArray saved = record.encode();
    require(saved.size() == Record::kRecordSize, "encoded size");
    require(Record::decode(saved) == record, "save and reload round trip");
    require(saved == Record::decode(saved).encode(), "encoding is stable");
    const RecordLayout& layout = Record::layout();
    const QStringList texts = record.toTexts();
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QString text = fixedfield::decode(bytes, layout.field(i));
        require(text == texts[i], "single-field decode");
        require(text.size() <= layout.field(i).capacity, "field longer than its capacity");
    }
}

// The bytes as an archive file: count, scan, read and append.
template <typename Record> void checkFile(QByteArrayView bytes) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("archive"));
    {
        QFile out(path);
        require(out.open(QIODevice::WriteOnly | QIODevice::Truncate), "temp file");
        require(out.write(bytes.data(), bytes.size()) == bytes.size(), "temp write");
    }
    const qint64 whole = bytes.size() / Record::kRecordSize;
    RecordFile file(path, Record::kRecordSize);
    require(file.open(), "open");
    require(file.count() == whole, "count");
    qint64 next = 1;
    require(file.scan([&](qint64 position, QByteArrayView record) {
        require(position == next++, "scan order");
        require(record == bytes.sliced((position - 1) * Record::kRecordSize, Record::kRecordSize),
                "scan bytes");
        Record::decode(record);
        return true;
    }),
            "scan");
    require(next == whole + 1, "scan reaches the end");
    QByteArray last;
    if (whole > 0) {
        require(file.read(whole, &last), "read last");
        require(file.write(whole, last), "rewrite last");
    }
    require(!file.read(whole + 1, &last), "read past the end");
    const QByteArray added = Record().encode();
    require(file.append(added) == whole + 1, "append position");
    file.close();
    QFile check(path);
    require(check.open(QIODevice::ReadOnly), "reopen");
    const QByteArray after = check.readAll();
    require(after.size() == (whole + 1) * Record::kRecordSize, "append overwrote the partial tail");
    require(after.first(whole * Record::kRecordSize) == bytes.first(whole * Record::kRecordSize),
            "earlier records unchanged");
    require(after.last(Record::kRecordSize) == added, "appended bytes");
}

template <typename Record> int fuzzRecords(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    for (qsizetype at = 0; at + Record::kRecordSize <= bytes.size(); at += Record::kRecordSize)
        checkRecord<Record>(bytes.sliced(at, Record::kRecordSize));
    // A short input still exercises decoding with zero padding after it.
    if (bytes.size() < Record::kRecordSize) {
        QByteArray padded = bytes.toByteArray();
        padded.resize(Record::kRecordSize, '\0');
        checkRecord<Record>(padded);
    }
    checkFile<Record>(bytes);
    return 0;
}

} // namespace fuzzing
