#include "distinte/DistintaSummary.h"

#include "common/FixedField.h"
#include "common/TextRules.h"

#include <algorithm>

namespace distintasummary {
namespace {

const QString kNumber = QStringLiteral("N. ");
const QString kDate = QStringLiteral("  Data: ");
const QString kTwoBlanks = QStringLiteral("  ");
const QString kQuantity = QStringLiteral("  Quant. ");
const QString kUnitValue = QStringLiteral("  Valore: \u20AC ");
const QString kTotal = QStringLiteral("  Totale: \u20AC ");

QString padded(QStringView text, int width) {
    return (text::trimmed(text) + QString(width, u' ')).left(width);
}

// Writes the field's text into `out` at `at`, cut or padded to `width`.
QChar* putField(QChar* out, QByteArrayView bytes, int width) {
    const qsizetype taken = std::min<qsizetype>(bytes.size(), width);
    for (qsizetype i = 0; i < taken; ++i)
        *out++ = QChar(text::fromWindows1252(static_cast<unsigned char>(bytes[i])));
    for (qsizetype i = taken; i < width; ++i)
        *out++ = u' ';
    return out;
}

QChar* putText(QChar* out, const QString& fixed) {
    return std::copy(fixed.cbegin(), fixed.cend(), out);
}

} // namespace

QString line(const Ricevuta& d) {
    return kNumber + padded(d.numRic, kNumberWidth) + kDate + padded(d.data, kDateWidth) +
           kTwoBlanks + padded(d.acqRigo[0], kBuyerWidth) + kQuantity +
           padded(d.quant[0], kQuantityWidth) + kTwoBlanks +
           padded(d.descrizione[0], kDescriptionWidth) + kUnitValue +
           padded(d.unitario[0], kUnitValueWidth) + kTotal + text::trimmed(d.totale);
}

QString lineOfRecord(QByteArrayView record) {
    if (record.size() < Ricevuta::kRecordSize)
        return {};
    const RecordLayout& layout = Ricevuta::layout();
    const auto field = [&](int index) {
        return fixedfield::trimmedBytes(record, layout.field(index));
    };
    const QByteArrayView total = field(Ricevuta::Totale);

    // One allocation per line: the scans build up to one line per record.
    QString out(kTotalColumn - 1 + total.size(), Qt::Uninitialized);
    QChar* at = out.data();
    at = putText(at, kNumber);
    at = putField(at, field(Ricevuta::NumRic), kNumberWidth);
    at = putText(at, kDate);
    at = putField(at, field(Ricevuta::Data), kDateWidth);
    at = putText(at, kTwoBlanks);
    at = putField(at, field(Ricevuta::AcqRigo01), kBuyerWidth);
    at = putText(at, kQuantity);
    at = putField(at, field(Ricevuta::Quant01), kQuantityWidth);
    at = putText(at, kTwoBlanks);
    at = putField(at, field(Ricevuta::Descrizione01), kDescriptionWidth);
    at = putText(at, kUnitValue);
    at = putField(at, field(Ricevuta::Unitario01), kUnitValueWidth);
    at = putText(at, kTotal);
    putField(at, total, int(total.size()));
    return out;
}

} // namespace distintasummary
