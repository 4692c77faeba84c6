#include "buyers/BuyerArchive.h"

#include "common/RecordFile.h"
#include "common/TextRules.h"

namespace {

// The whole number a position label holds; 0 for a blank label.
std::optional<qint64> labelPosition(QStringView label) {
    const QString trimmed = text::trimmed(label);
    if (trimmed.isEmpty())
        return 0;
    bool ok = false;
    const qint64 position = trimmed.toLongLong(&ok);
    return ok && position > 0 ? std::optional<qint64>(position) : std::nullopt;
}

BuyerArchive::Move outcome(BuyerArchive::Move::Kind kind) {
    BuyerArchive::Move move;
    move.kind = kind;
    return move;
}

} // namespace

BuyerArchive::BuyerArchive(const ProgramFolder& folder)
    : m_path(folder.file(kBuyersArchiveFileName)) {}

BuyerArchive::Saved BuyerArchive::save(const SchedaAnagrafica& card,
                                       QStringView positionLabel) const {
    const bool isNew = text::trimmed(positionLabel).isEmpty();
    const std::optional<qint64> position = labelPosition(positionLabel);
    if (!position)
        return {};
    RecordFile file(m_path, SchedaAnagrafica::kRecordSize);
    if (!file.open())
        return {};
    const QByteArray record = card.encode();
    if (isNew) {
        const qint64 appended = file.append(record);
        return {appended > 0, appended, true};
    }
    // A rewrite stays inside the file: a position past the last card would
    // otherwise grow the file with a gap of undefined cards.
    if (*position > file.count() || !file.write(*position, record))
        return {};
    return {true, *position, false};
}

BuyerArchive::Move BuyerArchive::move(Step step, QStringView positionLabel) const {
    const bool blank = text::trimmed(positionLabel).isEmpty();
    const std::optional<qint64> current = labelPosition(positionLabel);
    if (!current)
        return {};
    // Previous from the first card does not even look at the archive.
    if (step == Step::Previous && *current == 1)
        return outcome(Move::Nothing);

    RecordFile file(m_path, SchedaAnagrafica::kRecordSize);
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
        if (*current >= total)
            return outcome(Move::Nothing);
        target = *current + 1;
        break;
    case Step::Previous:
        target = blank ? 1 : *current - 1;
        break;
    }

    QByteArray record;
    if (!file.read(target, &record))
        return {};
    Move loaded = outcome(Move::Loaded);
    loaded.card = SchedaAnagrafica::decode(record);
    loaded.position = target;
    return loaded;
}

std::optional<SchedaAnagrafica> BuyerArchive::read(qint64 position) const {
    RecordFile file(m_path, SchedaAnagrafica::kRecordSize);
    QByteArray record;
    if (!file.open() || position < 1 || position > file.count() || !file.read(position, &record))
        return std::nullopt;
    return SchedaAnagrafica::decode(record);
}

bool BuyerArchive::scan(const Visitor& visit) const {
    RecordFile file(m_path, SchedaAnagrafica::kRecordSize);
    if (!file.open())
        return false;
    return file.scan([&visit](qint64 position, QByteArrayView record) {
        return visit(position, SchedaAnagrafica::decode(record));
    });
}

bool BuyerArchive::scanRecords(const RecordVisitor& visit) const {
    RecordFile file(m_path, SchedaAnagrafica::kRecordSize);
    if (!file.open())
        return false;
    return file.scan(visit);
}
