#include "distinte/DistintaArchive.h"

#include "common/RecordFile.h"

std::optional<qint64> DistintaArchive::count() const {
    RecordFile file(m_path, Ricevuta::kRecordSize);
    if (!file.open())
        return std::nullopt;
    return file.count();
}

DistintaArchive::Saved DistintaArchive::save(const Ricevuta& distinta, qint64 position) const {
    return RecordArchive(m_path, Ricevuta::kRecordSize).save(distinta.encode(), position);
}

DistintaArchive::Move DistintaArchive::move(Step step, qint64 current) const {
    return RecordArchive::decoded(RecordArchive(m_path, Ricevuta::kRecordSize).move(step, current),
                                  &Move::distinta);
}
