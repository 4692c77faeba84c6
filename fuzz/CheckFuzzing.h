#pragma once

// Shared pieces of the identifier check fuzz targets: the input bytes read as
// the texts a field may hold (UTF-8, and raw UTF-16 so that lone surrogates
// and any code unit turn up), and small reference computations written
// apart from the program's, one character at a time, to compare against.

#include "Require.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace fuzzing {

inline std::vector<QString> textsFrom(const std::uint8_t* data, std::size_t size) {
    std::vector<QString> texts;
    texts.push_back(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    QString units;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    texts.push_back(units);
    return texts;
}

inline bool isAsciiDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The Luhn test on a string of digits: true when the rightmost digit checks
// the others, counted from the right with every second digit doubled.
inline bool referenceLuhn(const QString& digits) {
    if (digits.isEmpty())
        return false;
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        int d = digits[digits.size() - 1 - i].unicode() - u'0';
        if (i % 2 == 1)
            d = d * 2 > 9 ? d * 2 - 9 : d * 2;
        sum += d;
    }
    return sum % 10 == 0;
}

} // namespace fuzzing
