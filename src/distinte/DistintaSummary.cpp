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

// The padded columns of the line in order, each with the text before it;
// the total follows them, only trimmed.
struct Column {
    const QString& before;
    int field;
    int width;
    const QString& (*of)(const Ricevuta&);
};
const Column kColumns[] = {
    {kNumber, Ricevuta::NumRic, kNumberWidth,
     [](const Ricevuta& d) -> const QString& { return d.numRic; }},
    {kDate, Ricevuta::Data, kDateWidth, [](const Ricevuta& d) -> const QString& { return d.data; }},
    {kTwoBlanks, Ricevuta::AcqRigo01, kBuyerWidth,
     [](const Ricevuta& d) -> const QString& { return d.acqRigo[0]; }},
    {kQuantity, Ricevuta::Quant01, kQuantityWidth,
     [](const Ricevuta& d) -> const QString& { return d.quant[0]; }},
    {kTwoBlanks, Ricevuta::Descrizione01, kDescriptionWidth,
     [](const Ricevuta& d) -> const QString& { return d.descrizione[0]; }},
    {kUnitValue, Ricevuta::Unitario01, kUnitValueWidth,
     [](const Ricevuta& d) -> const QString& { return d.unitario[0]; }},
};

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
    QString out;
    for (const Column& column : kColumns)
        out += column.before + padded(column.of(d), column.width);
    return out + kTotal + text::trimmed(d.totale);
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
    for (const Column& column : kColumns) {
        at = putText(at, column.before);
        at = putField(at, field(column.field), column.width);
    }
    at = putText(at, kTotal);
    putField(at, total, int(total.size()));
    return out;
}

} // namespace distintasummary
