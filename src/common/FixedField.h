#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <algorithm>
#include <array>
#include <span>

// A fixed text field of a stored record: one length byte, then `capacity`
// bytes of Windows-1252 text. The bytes after the text carry no meaning.
struct FieldSpec {
    const char* name;
    int capacity;
    int offset;

    int size() const { return capacity + 1; }
};

// The field table of one record kind: fields laid end to end, no padding.
class RecordLayout {
public:
    // Builds the table from (name, capacity) pairs in stored order.
    explicit RecordLayout(const QList<QPair<QByteArray, int>>& fields);

    int recordSize() const { return m_size; }
    int fieldCount() const { return int(m_fields.size()); }
    const FieldSpec& field(int index) const { return m_fields[index]; }
    // -1 when there is no field of that name.
    int indexOf(QByteArrayView name) const;

private:
    QList<QByteArray> m_names;
    QList<FieldSpec> m_fields;
    int m_size = 0;
};

namespace fixedfield {

// Writes `text` trimmed, converted to Windows-1252 and cut to the capacity into
// the field's bytes of `record`; the bytes after the text become zero.
void encode(char* record, const FieldSpec& field, QStringView text);

// Reads the field's text from a whole record, trimmed. A length byte above the
// capacity (a damaged file) reads the first `capacity` characters.
QString decode(QByteArrayView record, const FieldSpec& field);

// Room for any field's text: its length byte cannot count past 255.
using FieldChars = std::array<char16_t, 255>;

// As decode(), but into `chars` instead of a new string, for scans that look
// at one field of every record. The view is valid while `chars` is.
QStringView decodeInto(QByteArrayView record, const FieldSpec& field, FieldChars& chars);

// The stored bytes of the field's text (Windows-1252) without the codes 0
// to 32 at both ends, which are the bytes of decode()'s text: what the
// record scans compare or copy without decoding. A length byte above the
// capacity reads the whole field. `record` must hold the field.
inline QByteArrayView trimmedBytes(QByteArrayView record, const FieldSpec& field) {
    const int length =
        std::min<int>(static_cast<unsigned char>(record[field.offset]), field.capacity);
    const char* begin = record.data() + field.offset + 1;
    const char* end = begin + length;
    while (begin < end && static_cast<unsigned char>(*begin) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(end[-1]) <= 32)
        --end;
    return QByteArrayView(begin, end - begin);
}

// Whole-record conversions in field-table order.
QByteArray encodeRecord(const RecordLayout& layout, const QStringList& texts);
QStringList decodeRecord(const RecordLayout& layout, QByteArrayView record);

} // namespace fixedfield

// Shared conversions for record structs that list their members in stored
// order through a static `forEachMember(record, visit)`.
namespace fixedfield {

template <typename Record> QStringList membersToTexts(const Record& record) {
    QStringList texts;
    texts.reserve(Record::layout().fieldCount());
    Record::forEachMember(record, [&texts](const QString& s) { texts.append(s); });
    return texts;
}

template <typename Record> Record membersFromTexts(const QStringList& texts) {
    Record record;
    qsizetype i = 0;
    Record::forEachMember(record, [&](QString& s) {
        s = i < texts.size() ? texts[i] : QString();
        ++i;
    });
    return record;
}

} // namespace fixedfield
