// Any text as an IBAN: the nine-digits-at-a-time remainder never crashes,
// never reads past the text, and equals the remainder of the whole
// rearranged number computed one digit at a time; any character other than
// a letter or a digit leaves 0.

#include "CheckFuzzing.h"
#include "checks/Iban.h"
#include "common/TextRules.h"

using fuzzing::require;

namespace {

int referenceRemainder(const QString& text) {
    QString upper = text::asciiUpper(text);
    const qsizetype label = upper.indexOf(QLatin1String("IBAN"));
    if (label >= 0)
        upper.remove(label, 4);
    const qsizetype head = qMin<qsizetype>(4, upper.size());
    const QString rearranged = upper.mid(head) + upper.left(head);
    if (rearranged.isEmpty())
        return 0;
    int remainder = 0;
    for (QChar c : rearranged) {
        if (fuzzing::isAsciiDigit(c)) {
            remainder = (remainder * 10 + (c.unicode() - u'0')) % 97;
        } else if (c.unicode() >= u'A' && c.unicode() <= u'Z') {
            remainder = (remainder * 100 + (c.unicode() - u'A' + 10)) % 97;
        } else {
            return 0;
        }
    }
    return remainder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const QString& text : fuzzing::textsFrom(data, size)) {
        const int remainder = checks::ibanRemainder(text);
        require(remainder >= 0 && remainder < 97, "remainder range");
        require(remainder == referenceRemainder(text), "remainder");
        QString packed = text;
        packed.remove(u' ');
        require(checks::ibanIsValid(text) == (referenceRemainder(packed) == 1), "validity");
        const checks::IbanResult result = checks::checkIban(text);
        require((result == checks::IbanResult::WrongLength) == (text::trimmed(text).size() != 27),
                "length");
    }
    return 0;
}
