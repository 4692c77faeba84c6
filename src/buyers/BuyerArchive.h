#pragma once

#include "buyers/SchedaAnagrafica.h"
#include "common/ProgramFolder.h"
#include "common/RecordArchive.h"

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

// The buyer editor's commands on `Anagrafica.pro`: store a card and move
// between cards. Each call opens the file, works and closes it before
// returning; a missing archive is created empty by the first call. Failures
// come back as values and the screen shows its own message. Cards are never
// deleted or moved: a card keeps its position for good.
class BuyerArchive {
public:
    explicit BuyerArchive(const ProgramFolder& folder);

    QString path() const { return m_path; }

    using Saved = RecordArchive::Saved;
    // Stores `card`: appended when `positionLabel` is blank, otherwise written
    // over the card at that position.
    Saved save(const SchedaAnagrafica& card, QStringView positionLabel) const;
    // The same from a position (kNotStored: append).
    Saved save(const SchedaAnagrafica& card, qint64 position) const;
    static constexpr qint64 kNotStored = RecordArchive::kNotStored;

    using Step = RecordArchive::Step;
    // Failed also when the label is not a position.
    struct Move : RecordArchive::Outcome {
        SchedaAnagrafica card; // read from `position` when Loaded
    };
    // Where First, Previous, Next and Last lead from the position on screen
    // (blank for a card never stored). From a blank position both Next and
    // Previous lead to the first card; there is no wrap-around.
    Move move(Step step, QStringView positionLabel) const;
    Move move(Step step, qint64 current) const;

    // The card at `position`, or none when it cannot be read.
    std::optional<SchedaAnagrafica> read(qint64 position) const;

    // Visits every card from the first to the last. The visitor returns false
    // to stop. False when the archive could not be opened or read to the end
    // (the cards visited so far have been visited).
    using Visitor = std::function<bool(qint64 position, const SchedaAnagrafica& card)>;
    bool scan(const Visitor& visit) const;
    // The same over the stored bytes, for readers that decode only the
    // fields they look at (SchedaAnagrafica::layout()). The view is valid
    // only during the call.
    using RecordVisitor = std::function<bool(qint64 position, QByteArrayView record)>;
    bool scanRecords(const RecordVisitor& visit) const;

private:
    QString m_path;
};
