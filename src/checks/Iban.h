#pragma once

#include <QStringView>

// The ISO 13616 check of an IBAN: country code and check digits moved to the
// end, letters turned into the numbers 10 to 35, and the remainder modulo 97
// of the resulting digit string must be 1. The country code and the length a
// country prescribes are not examined.
namespace checks {

// The length of an Italian IBAN, the only length the check screen accepts.
inline constexpr int kIbanLength = 27;

enum class IbanResult {
    WrongLength, // not exactly 27 characters once trimmed
    Valid,
    Wrong,
};

// The remainder 0 to 96 of the rearranged IBAN: upper-cased, the first
// "IBAN" taken out, rearranged, letters turned into numbers, and reduced nine
// digits at a time, so no step needs a number of more than nine digits. A
// character that is neither a letter A to Z nor a digit leaves the remainder
// 0, so such a text is never valid; so does an empty text.
int ibanRemainder(QStringView text);

// True when `text`, with every blank taken out, leaves the remainder 1.
bool ibanIsValid(QStringView text);

// The whole check of a typed IBAN: trimmed, then length and remainder.
IbanResult checkIban(QStringView text);

} // namespace checks
