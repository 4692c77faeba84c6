#pragma once

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
    static constexpr qint64 kNotStored = 0;

    // The number of stored distinte, or none when the file cannot be opened.
    std::optional<qint64> count() const;

    struct Saved {
        bool ok = false;
        qint64 position = 0; // the record's position after saving
        bool appended = false;
    };
    // Stores `distinta`: appended when `position` is kNotStored, otherwise
    // written over the record at that 1-based position, which must exist.
    Saved save(const Ricevuta& distinta, qint64 position) const;

    enum class Step { First, Previous, Next, Last };
    struct Move {
        enum Kind {
            Failed,  // the archive could not be read
            Nothing, // already at that end: nothing changes, nothing is shown
            Empty,   // the archive holds no distinta
            Loaded,  // `distinta` was read from `position`
        } kind = Failed;
        Ricevuta distinta;
        qint64 position = 0;
        // Next on an empty archive also forgets the position on screen.
        bool clearPosition = false;
    };
    // Where First, Previous, Next and Last lead from the position on screen
    // (kNotStored for a distinta never stored). From there both Next and
    // Previous lead to the first distinta; there is no wrap-around.
    Move move(Step step, qint64 current) const;

private:
    QString m_path;
};
