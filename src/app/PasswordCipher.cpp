#include "app/PasswordCipher.h"

namespace {

quint16 nextKey(quint16 key, unsigned x) {
    return static_cast<quint16>((x + key) * PasswordCipher::kMultiplier +
                                PasswordCipher::kIncrement);
}

int hexDigit(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

} // namespace

QString PasswordCipher::encipher(QStringView text) {
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    quint16 key = kStartKey;
    for (const QChar ch : text) {
        const unsigned c = ch.unicode() & 0xFFu;
        const unsigned x = c ^ (key >> 8u);
        out.append(QLatin1Char(digits[x >> 4u]));
        out.append(QLatin1Char(digits[x & 0xFu]));
        key = nextKey(key, x);
    }
    return out;
}

std::optional<QString> PasswordCipher::decipher(QStringView hex) {
    QString out;
    out.reserve(hex.size() / 2);
    quint16 key = kStartKey;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int high = hexDigit(hex[i]);
        const int low = hexDigit(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        const auto x = static_cast<unsigned>(high * 16 + low);
        out.append(QChar(static_cast<char16_t>(x ^ (key >> 8u))));
        key = nextKey(key, x);
    }
    return out;
}

bool PasswordCipher::fits(QStringView text) {
    if (text.size() > kMaxLength)
        return false;
    for (const QChar ch : text) {
        if (ch.unicode() > 0xFF)
            return false;
    }
    return true;
}
