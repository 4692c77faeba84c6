#include "TextRules.h"

#include <array>

namespace text {
namespace {

// Unicode code points of the bytes 0x80-0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

bool isTrimmable(QChar c) {
    return c.unicode() <= 32;
}

char16_t asciiLowerChar(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? c + 32 : c;
}

} // namespace

QByteArray toWindows1252(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A surrogate pair is one character outside the code page: one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        out.append(encodeChar(c.unicode()));
    }
    return out;
}

char16_t fromWindows1252(unsigned char byte) {
    return (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : char16_t(byte);
}

QString fromWindows1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dest = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dest[i] = QChar(fromWindows1252(static_cast<unsigned char>(bytes[i])));
    return out;
}

QString trimmed(QStringView text) {
    return trimmedView(text).toString();
}

QStringView trimmedView(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmable(text[begin]))
        ++begin;
    while (end > begin && isTrimmable(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString asciiLower(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out)
        c = QChar(asciiLowerChar(c.unicode()));
    return out;
}

QString asciiUpper(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out) {
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - 32);
    }
    return out;
}

bool containsAsciiCaseless(QStringView haystack, QStringView needle) {
    return asciiLower(haystack).contains(asciiLower(needle));
}

} // namespace text
