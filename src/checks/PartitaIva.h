#pragma once

#include <QString>
#include <QStringView>

// The Italian VAT number (partita IVA): eleven digits, the last a check digit
// over the first ten (odd positions add themselves, even positions add the
// digits of their double). Digits 8 to 10 name the VAT office that issued it.
namespace checks {

inline constexpr int kPartitaIvaLength = 11;

struct PartitaIvaResult {
    enum class Outcome {
        WrongLength, // not exactly 11 characters
        Valid,
        Wrong, // wrong check digit, or a character that is not a digit
    };

    Outcome outcome = Outcome::Wrong;
    // For a valid number: the three digits of the office code, and the
    // office's name, empty when the code is not in the office table.
    QString officeCode;
    QString officeName;
};

// The check digit that the first ten digits of `digits` call for, or -1 when
// there are fewer than ten or one of them is not a digit 0 to 9.
int partitaIvaCheckDigit(QStringView digits);

// The name of the VAT office with the three-digit `code` ("001" to "102",
// "120", "121"), or an empty text for a code not in the table.
QString ufficioIva(QStringView code);

// The whole check of a typed number: upper-cased, then length, digits and
// check digit; a valid number also gets its office.
PartitaIvaResult checkPartitaIva(QStringView text);

} // namespace checks
