#include "distinte/DistintaArchive.h"

#include "common/FixedField.h"
#include "common/RecordFile.h"
#include "common/TextRules.h"

std::optional<qint64> DistintaArchive::count() const {
    RecordFile file(m_path, Ricevuta::kRecordSize);
    if (!file.open())
        return std::nullopt;
    return file.count();
}

DistintaArchive::Saved DistintaArchive::save(const Ricevuta& distinta, qint64 position) const {
    return RecordArchive(m_path, Ricevuta::kRecordSize).save(distinta.encode(), position);
}

std::optional<bool> DistintaArchive::numberUsedElsewhere(const QString& number,
                                                         qint64 except) const {
    RecordFile file(m_path, Ricevuta::kRecordSize);
    if (!file.open())
        return std::nullopt;
    const QString wanted = text::trimmed(number);
    const FieldSpec& numberField = Ricevuta::layout().field(Ricevuta::NumRic);
    bool used = false;
    // The lookup runs before every save: block reads, and only the number of
    // each record decoded.
    const bool read = file.scan([&](qint64 position, QByteArrayView record) {
        used = position != except && fixedfield::decode(record, numberField) == wanted;
        return !used;
    });
    if (!read)
        return std::nullopt;
    return used;
}

DistintaArchive::Move DistintaArchive::move(Step step, qint64 current) const {
    return RecordArchive::decoded(RecordArchive(m_path, Ricevuta::kRecordSize).move(step, current),
                                  &Move::distinta);
}
