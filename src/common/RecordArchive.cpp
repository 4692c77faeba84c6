#include "common/RecordArchive.h"

#include "common/RecordFile.h"

namespace {

RecordArchive::Move outcome(RecordArchive::Outcome::Kind kind) {
    RecordArchive::Move move;
    move.kind = kind;
    return move;
}

} // namespace

RecordArchive::Saved RecordArchive::save(QByteArrayView record, qint64 position) const {
    if (position < 0)
        return {};
    RecordFile file(m_path, m_recordSize);
    if (!file.open())
        return {};
    if (position == kNotStored) {
        const qint64 appended = file.append(record);
        return {appended > 0, appended, true, file.uncoordinated()};
    }
    // The record file refuses a position past the last record, so a rewrite
    // never grows the file with a gap of undefined records.
    if (!file.write(position, record))
        return {};
    return {true, position, false, file.uncoordinated()};
}

RecordArchive::Move RecordArchive::move(Step step, qint64 current) const {
    // Previous from the first record does not even look at the archive.
    if (step == Step::Previous && current == 1)
        return outcome(Move::Nothing);

    RecordFile file(m_path, m_recordSize);
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

    Move loaded = outcome(Move::Loaded);
    if (!file.read(target, &loaded.record))
        return {};
    loaded.position = target;
    return loaded;
}
