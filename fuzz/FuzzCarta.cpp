// Any text as a card number: the check never crashes or reads past the
// text, looks only at the digits among the first 20 characters, agrees with
// the Luhn test, and calls a number valid only with a type.

#include "CheckFuzzing.h"
#include "checks/CartaCredito.h"
#include "common/TextRules.h"

using Outcome = checks::CartaResult::Outcome;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const QString& text : fuzzing::textsFrom(data, size)) {
        QString digits;
        for (QChar c : text.left(20)) {
            if (fuzzing::isAsciiDigit(c))
                digits.append(c);
        }
        const bool luhn = fuzzing::referenceLuhn(digits);
        const int code = checks::cardCode(text);
        require(code == (luhn ? digits[0].unicode() - u'0' - 2 : 0), "card code");
        if (text.size() >= 20)
            require(checks::cardCode(text.left(20) + QStringLiteral("9x")) == code,
                    "past the 20th");

        const checks::CartaResult result = checks::checkCarta(text);
        require(result.number == text::trimmed(text), "number repeated trimmed");
        require((result.outcome == Outcome::Blank) == result.number.isEmpty(), "blank");
        if (result.outcome == Outcome::Valid || result.outcome == Outcome::UnknownType)
            require(luhn, "valid without passing the Luhn test");
        require((result.outcome == Outcome::Valid) == !result.type.isEmpty(),
                "type of a valid number");
        if (result.outcome == Outcome::UnknownType)
            require(code == 1, "unknown type outside the 3 series");
        if (!result.number.isEmpty() && luhn && (code >= 2 && code <= 4))
            require(result.outcome == Outcome::Valid,
                    "Visa, MasterCard or Discover not recognised");
    }
    return 0;
}
