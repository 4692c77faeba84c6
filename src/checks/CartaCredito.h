#pragma once

#include <QString>
#include <QStringView>

// Payment card numbers: the Luhn check digit over the digits among the first
// 20 characters (blanks, hyphens and any other separators are skipped), and
// the card type from the leading digits. The number of digits is not
// examined: any length that passes the Luhn test is accepted for every type.
namespace checks {

inline constexpr int kCartaLookedAt = 20;

struct CartaResult {
    enum class Outcome {
        Blank,       // nothing but blanks to check
        Valid,       // passes the Luhn test and its type is known
        UnknownType, // passes the Luhn test, begins with 3, but its type is not known
        Wrong,       // fails the Luhn test, or begins with a digit no type has
    };

    Outcome outcome = Outcome::Wrong;
    QString type;   // for Valid: "Visa", "MasterCard", ...
    QString number; // the trimmed text, separators included, as the messages repeat it
};

// The card code of `text`: 0 when the digits among its first 20 characters
// fail the Luhn test (or there are none), otherwise the first digit minus 2
// (so 1 for 3, 2 for 4, 3 for 5 and 4 for 6).
int cardCode(QStringView text);

// The whole check of a typed number. The type of a number beginning with 3
// comes from the first two characters of the trimmed text; MasterCard
// numbers of the 2-series (first four digits 2221 to 2720) are known too.
CartaResult checkCarta(QStringView text);

} // namespace checks
