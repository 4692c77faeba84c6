#include "distinte/DistintaArchive.h"

#include "common/RecordFile.h"

namespace {

DistintaArchive::Move outcome(DistintaArchive::Move::Kind kind) {
    DistintaArchive::Move move;
    move.kind = kind;
    return move;
}

} // namespace

std::optional<qint64> DistintaArchive::count() const {
    RecordFile file(m_path, Ricevuta::kRecordSize);
    if (!file.open())
        return std::nullopt;
    return file.count();
}

DistintaArchive::Saved DistintaArchive::save(const Ricevuta& distinta, qint64 position) const {
    const bool isNew = position == kNotStored;
    if (position < 0)
        return {};
    RecordFile file(m_path, Ricevuta::kRecordSize);
    if (!file.open())
        return {};
    const QByteArray record = distinta.encode();
    if (isNew) {
        const qint64 appended = file.append(record);
        return {appended > 0, appended, true};
    }
    if (!file.write(position, record))
        return {};
    return {true, position, false};
}

DistintaArchive::Move DistintaArchive::move(Step step, qint64 current) const {
    // Previous from the first distinta does not even look at the archive.
    if (step == Step::Previous && current == 1)
        return outcome(Move::Nothing);

    RecordFile file(m_path, Ricevuta::kRecordSize);
    if (!file.open())
        return {};
    const qint64 total = file.count();
    if (total == 0) {
        Move empty = outcome(Move::Empty);
        empty.clearPosition = step == Step::Next;
        return empty;
    }

    qint64 target = 0;
    switch (step) {
    case Step::First:
        target = 1;
        break;
    case Step::Last:
        target = total;
        break;
    case Step::Next:
        if (current >= total)
            return outcome(Move::Nothing);
        target = current + 1;
        break;
    case Step::Previous:
        target = current == kNotStored ? 1 : current - 1;
        break;
    }

    QByteArray record;
    if (!file.read(target, &record))
        return {};
    Move loaded = outcome(Move::Loaded);
    loaded.distinta = Ricevuta::decode(record);
    loaded.position = target;
    return loaded;
}
