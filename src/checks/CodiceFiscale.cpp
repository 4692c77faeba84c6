#include "checks/CodiceFiscale.h"

#include "common/TextRules.h"

#include <array>

namespace checks {

namespace {

// Values of '0' to 'Z' in ASCII order, the seven punctuation characters
// between '9' and 'A' included (they count 0).
constexpr int kTableSize = 'Z' - '0' + 1;

constexpr std::array<int, kTableSize> kOdd = {
    1, 0, 5, 7,  9,  13, 15, 17, 19, 21,                    // 0-9
    0, 0, 0, 0,  0,  0,  0,                                 // : ; < = > ? @
    1, 0, 5, 7,  9,  13, 15, 17, 19, 21, 2,  4, 18, 20, 11, // A-O
    3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23,                // P-Z
};

constexpr std::array<int, kTableSize> kEven = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,                      // 0-9
    0,  0,  0,  0,  0,  0,  0,                                  // : ; < = > ? @
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, // A-O
    15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,                 // P-Z
};

} // namespace

std::optional<QChar> codiceFiscaleCheckCharacter(QStringView code) {
    if (code.size() < kCodiceFiscaleLength - 1)
        return std::nullopt;
    int sum = 0;
    for (qsizetype i = 0; i < kCodiceFiscaleLength - 1; ++i) {
        const char16_t c = code[i].unicode();
        if (c < u'0' || c > u'Z')
            return std::nullopt;
        // Position 1 is odd: index 0, 2, 4, ... use the odd table.
        sum += (i % 2 == 0 ? kOdd : kEven)[c - u'0'];
    }
    return QChar(u'A' + sum % 26);
}

CodiceFiscaleResult checkCodiceFiscale(QStringView text) {
    const QString code = text::asciiUpper(text);
    if (code.size() != kCodiceFiscaleLength)
        return CodiceFiscaleResult::WrongLength;
    const std::optional<QChar> expected = codiceFiscaleCheckCharacter(code);
    return expected && *expected == code[kCodiceFiscaleLength - 1] ? CodiceFiscaleResult::Valid
                                                                   : CodiceFiscaleResult::Wrong;
}

bool isCompanyCodiceFiscale(QStringView text) {
    const QString code = text::trimmed(text);
    if (code.isEmpty())
        return false;
    for (QChar c : code) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return false;
    }
    return true;
}

} // namespace checks
