#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The small reversible cipher of the stored access password. Each character
// is taken as its 8-bit code and written as two upper-case hexadecimal
// digits; a 16-bit key, driven by the enciphered bytes, changes after each
// character. It hides the password from a casual look at the key file; it is
// not meant to resist an attack.
class PasswordCipher {
public:
    static constexpr quint16 kStartKey = 21653;
    static constexpr quint16 kMultiplier = 31627;
    static constexpr quint16 kIncrement = 13849;
    // The longest text the cipher takes: it counts characters in 8 bits.
    static constexpr qsizetype kMaxLength = 255;

    static QString encipher(QStringView text);

    // The text, or nothing when a pair of characters is not a hexadecimal
    // number. An odd last character is ignored.
    static std::optional<QString> decipher(QStringView hex);

    // True when every character has a code up to 255 and the text is at most
    // kMaxLength long, so that decipher(encipher(text)) gives it back.
    static bool fits(QStringView text);
};
