// Any text as a codice fiscale: the check never crashes or reads past the
// text, ignores letter case, reports the length apart from the check
// character, and agrees with the check character it computes.

#include "CheckFuzzing.h"
#include "checks/CodiceFiscale.h"
#include "common/TextRules.h"

using checks::CodiceFiscaleResult;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const QString& text : fuzzing::textsFrom(data, size)) {
        const CodiceFiscaleResult result = checks::checkCodiceFiscale(text);
        const QString upper = text::asciiUpper(text);
        require((result == CodiceFiscaleResult::WrongLength) == (upper.size() != 16), "length");
        require(checks::checkCodiceFiscale(text::asciiLower(text)) == result, "letter case");
        const std::optional<QChar> expected = checks::codiceFiscaleCheckCharacter(upper);
        if (expected)
            require(expected->unicode() >= u'A' && expected->unicode() <= u'Z', "check letter");
        if (result == CodiceFiscaleResult::Valid) {
            require(expected && *expected == upper[15], "valid without its check character");
            // Any other final letter is wrong.
            QString other = upper;
            other[15] = QChar(expected->unicode() == u'Z' ? u'A' : expected->unicode() + 1);
            require(checks::checkCodiceFiscale(other) == CodiceFiscaleResult::Wrong,
                    "other letter");
        }
        if (checks::isCompanyCodiceFiscale(text)) {
            for (QChar c : text::trimmed(text))
                require(fuzzing::isAsciiDigit(c), "company code of digits only");
        }
    }
    return 0;
}
