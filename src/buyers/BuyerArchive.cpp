#include "buyers/BuyerArchive.h"

#include "common/RecordFile.h"
#include "common/TextRules.h"

namespace {

// The whole number a position label holds; 0 (never stored) for a blank
// label.
std::optional<qint64> labelPosition(QStringView label) {
    const QString trimmed = text::trimmed(label);
    if (trimmed.isEmpty())
        return 0;
    bool ok = false;
    const qint64 position = trimmed.toLongLong(&ok);
    return ok && position > 0 ? std::optional<qint64>(position) : std::nullopt;
}

} // namespace

BuyerArchive::BuyerArchive(const ProgramFolder& folder)
    : m_path(folder.file(kBuyersArchiveFileName)) {}

BuyerArchive::Saved BuyerArchive::save(const SchedaAnagrafica& card,
                                       QStringView positionLabel) const {
    const std::optional<qint64> position = labelPosition(positionLabel);
    if (!position)
        return {};
    return save(card, *position);
}

BuyerArchive::Saved BuyerArchive::save(const SchedaAnagrafica& card, qint64 position) const {
    return RecordArchive(m_path, SchedaAnagrafica::kRecordSize).save(card.encode(), position);
}

BuyerArchive::Move BuyerArchive::move(Step step, QStringView positionLabel) const {
    const std::optional<qint64> current = labelPosition(positionLabel);
    if (!current)
        return {};
    return move(step, *current);
}

BuyerArchive::Move BuyerArchive::move(Step step, qint64 current) const {
    return RecordArchive::decoded(
        RecordArchive(m_path, SchedaAnagrafica::kRecordSize).move(step, current), &Move::card);
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
