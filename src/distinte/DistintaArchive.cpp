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
    const qint64 total = file.count();
    for (qint64 position = 1; position <= total; ++position) {
        if (position == except)
            continue;
        QByteArray record;
        if (!file.read(position, &record))
            return std::nullopt;
        // Only the number is decoded: the lookup runs before every save.
        if (fixedfield::decode(record, numberField) == wanted)
            return true;
    }
    return false;
}

DistintaArchive::Move DistintaArchive::move(Step step, qint64 current) const {
    return RecordArchive::decoded(RecordArchive(m_path, Ricevuta::kRecordSize).move(step, current),
                                  &Move::distinta);
}
