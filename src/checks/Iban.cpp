#include "checks/Iban.h"

#include "common/TextRules.h"

#include <QString>

namespace checks {

namespace {

constexpr qsizetype kPieceDigits = 9;

bool isDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The rearranged text with each letter A to Z written as its two-digit
// number; every other character stays where it is.
QString digitsOf(QStringView text) {
    QString upper = text::asciiUpper(text);
    const qsizetype label = upper.indexOf(QLatin1String("IBAN"));
    if (label >= 0)
        upper.remove(label, 4);
    const QString rearranged = upper.sliced(qMin<qsizetype>(4, upper.size())) +
                               upper.first(qMin<qsizetype>(4, upper.size()));
    QString out;
    out.reserve(rearranged.size() * 2);
    for (QChar c : rearranged) {
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            out.append(QString::number(c.unicode() - u'A' + 10));
        else
            out.append(c);
    }
    return out;
}

} // namespace

int ibanRemainder(QStringView text) {
    const QString digits = digitsOf(text);
    QString carried;
    qsizetype pieceLength = kPieceDigits;
    int remainder = 0;
    qsizetype position = 0;
    while (position < digits.size()) {
        carried.append(
            QStringView(digits).sliced(position, qMin(pieceLength, digits.size() - position)));
        position += pieceLength;
        quint32 value = 0;
        for (QChar c : carried) {
            if (!isDigit(c))
                return 0;
            value = value * 10 + (c.unicode() - u'0');
        }
        remainder = int(value % 97);
        carried = QString::number(remainder);
        pieceLength = kPieceDigits - carried.size();
    }
    return remainder;
}

bool ibanIsValid(QStringView text) {
    QString packed = text.toString();
    packed.remove(u' ');
    return ibanRemainder(packed) == 1;
}

IbanResult checkIban(QStringView text) {
    const QString iban = text::trimmed(text);
    if (iban.size() != kIbanLength)
        return IbanResult::WrongLength;
    return ibanIsValid(iban) ? IbanResult::Valid : IbanResult::Wrong;
}

} // namespace checks
