#pragma once

#include "common/RecordArchive.h"
#include "distinte/Ricevuta.h"

#include <QString>
#include <optional>

// The editor's commands on one yearly archive: count, store and move between
// distinte. Each call opens the file, works and closes it before returning;
// a missing archive is created empty by the first call. Failures come back as
// values, and the screen shows its own message.
class DistintaArchive {
public:
    explicit DistintaArchive(QString path) : m_path(std::move(path)) {}

    // The position of a distinta that has never been stored.
    static constexpr qint64 kNotStored = RecordArchive::kNotStored;

    // The number of stored distinte, or none when the file cannot be opened.
    std::optional<qint64> count() const;

    using Saved = RecordArchive::Saved;
    // Stores `distinta`: appended when `position` is kNotStored, otherwise
    // written over the record at that 1-based position, which must exist.
    Saved save(const Ricevuta& distinta, qint64 position) const;

    // Whether a distinta other than the one at `except` has the number
    // `number` (both trimmed); none when the archive cannot be read.
    std::optional<bool> numberUsedElsewhere(const QString& number, qint64 except) const;

    using Step = RecordArchive::Step;
    struct Move : RecordArchive::Outcome {
        Ricevuta distinta; // read from `position` when Loaded
    };
    // Where First, Previous, Next and Last lead from the position on screen
    // (kNotStored for a distinta never stored). From there both Next and
    // Previous lead to the first distinta; there is no wrap-around.
    Move move(Step step, qint64 current) const;

private:
    QString m_path;
};
