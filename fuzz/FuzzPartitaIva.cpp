// Any text as a partita IVA: the check never crashes or reads past the text,
// calls valid exactly the eleven-digit numbers that pass the Luhn test (the
// partita IVA check digit is the Luhn digit), and names the office from
// digits 8 to 10.

#include "CheckFuzzing.h"
#include "checks/PartitaIva.h"
#include "common/TextRules.h"

using Outcome = checks::PartitaIvaResult::Outcome;
using fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const QString& text : fuzzing::textsFrom(data, size)) {
        const checks::PartitaIvaResult result = checks::checkPartitaIva(text);
        require((result.outcome == Outcome::WrongLength) == (text.size() != 11), "length");
        if (result.outcome == Outcome::WrongLength)
            continue;
        bool digits = true;
        for (QChar c : text)
            digits = digits && fuzzing::isAsciiDigit(c);
        const bool valid = digits && fuzzing::referenceLuhn(text);
        require((result.outcome == Outcome::Valid) == valid, "check digit");
        if (!valid) {
            require(result.officeCode.isEmpty() && result.officeName.isEmpty(),
                    "office of a wrong number");
            continue;
        }
        require(result.officeCode == text.sliced(7, 3), "office code");
        const int code = result.officeCode.toInt();
        const bool known = (code >= 1 && code <= 102) || code == 120 || code == 121;
        require(result.officeName.isEmpty() == !known, "office name");
        require(checks::ufficioIva(result.officeCode) == result.officeName, "office lookup");
    }
    // The office table for any three characters of the input.
    if (size >= 3) {
        const QString code = QString::fromLatin1(reinterpret_cast<const char*>(data), 3);
        const QString name = checks::ufficioIva(code);
        require(name.isEmpty() ||
                    (fuzzing::isAsciiDigit(code[0]) && fuzzing::isAsciiDigit(code[1]) &&
                     fuzzing::isAsciiDigit(code[2])),
                "office of a code that is not three digits");
    }
    return 0;
}
