#include "FixedField.h"

#include "TextRules.h"

#include <algorithm>
#include <cstring>

RecordLayout::RecordLayout(const QList<QPair<QByteArray, int>>& fields) {
    m_names.reserve(fields.size());
    for (const auto& [name, capacity] : fields)
        m_names.append(name);
    m_fields.reserve(fields.size());
    for (qsizetype i = 0; i < fields.size(); ++i) {
        m_fields.append(FieldSpec{m_names[i].constData(), fields[i].second, m_size});
        m_size += fields[i].second + 1;
    }
}

int RecordLayout::indexOf(QByteArrayView name) const {
    for (int i = 0; i < fieldCount(); ++i) {
        if (name == QByteArrayView(m_fields[i].name))
            return i;
    }
    return -1;
}

namespace fixedfield {

void encode(char* record, const FieldSpec& field, QStringView text) {
    const QByteArray bytes = text::toWindows1252(text::trimmed(text));
    const int length = std::min<int>(int(bytes.size()), field.capacity);
    char* dest = record + field.offset;
    dest[0] = static_cast<char>(length);
    std::memcpy(dest + 1, bytes.constData(), std::size_t(length));
    std::memset(dest + 1 + length, 0, std::size_t(field.capacity - length));
}

QString decode(QByteArrayView record, const FieldSpec& field) {
    if (record.size() < field.offset + field.size())
        return {};
    const auto length = static_cast<unsigned char>(record[field.offset]);
    const int taken = std::min<int>(length, field.capacity);
    return text::trimmed(text::fromWindows1252(record.sliced(field.offset + 1, taken)));
}

QStringView decodeInto(QByteArrayView record, const FieldSpec& field, FieldChars& chars) {
    if (record.size() < field.offset + field.size())
        return {};
    const auto length = static_cast<unsigned char>(record[field.offset]);
    const int taken = std::min<int>(length, field.capacity);
    for (int i = 0; i < taken; ++i)
        chars[std::size_t(i)] =
            text::fromWindows1252(static_cast<unsigned char>(record[field.offset + 1 + i]));
    return text::trimmedView(QStringView(chars.data(), taken));
}

QByteArray encodeRecord(const RecordLayout& layout, const QStringList& texts) {
    QByteArray record(layout.recordSize(), '\0');
    for (int i = 0; i < layout.fieldCount(); ++i)
        encode(record.data(), layout.field(i), i < texts.size() ? QStringView(texts[i]) : u"");
    return record;
}

QStringList decodeRecord(const RecordLayout& layout, QByteArrayView record) {
    QStringList texts;
    texts.reserve(layout.fieldCount());
    for (int i = 0; i < layout.fieldCount(); ++i)
        texts.append(decode(record, layout.field(i)));
    return texts;
}

} // namespace fixedfield
