#pragma once

#include "buyers/BuyerArchive.h"
#include "buyers/SchedaAnagrafica.h"
#include "common/ResultRows.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

// The two lists of buyer cards (the search by criteria and the pending
// questions) and the way back from a chosen line to its card. Every call
// reads the archive from the first card to the last; nothing is cached.
namespace buyersearch {

// The ten criteria, in the order of the search screen.
enum Criterion {
    Nome,
    Localita,
    Tel,
    DataNasc,
    CodFisc,
    PartitaIva,
    Occupazione,
    Prodotti,
    Questioni,
    Note,
    CriterionCount
};
using Criteria = std::array<QString, CriterionCount>;

// Criteria whose text, trimmed, is not empty.
int criteriaInUse(const Criteria& criteria);

// Whether `card` is listed: at least as many criteria hit as are in use. A
// criterion hits when its text as typed (not trimmed) occurs in its field,
// A-Z compared without regard to case; an empty criterion never hits.
bool matches(const SchedaAnagrafica& card, const Criteria& criteria, int inUse);

struct Result {
    QList<ResultRow> rows; // sorted (buyerlines::lineBefore), equal lines in file order
    bool ok = true;        // false when the archive failed; `rows` holds what was read
};

enum class LineKind { Summary, Questions };

// The cards that match the criteria, as summary lines.
Result search(const BuyerArchive& archive, const Criteria& criteria);

// The cards with pending questions, as questions lines.
Result pendingQuestions(const BuyerArchive& archive);

QString lineOf(LineKind kind, const SchedaAnagrafica& card);

struct Chosen {
    SchedaAnagrafica card;
    qint64 position = 0;
};
// The card behind a chosen row: the card at the row's position when it still
// gives the row's line (trimmed); otherwise, as the card may have changed
// since the list was made, the last card in the file that gives that line.
// None when no card gives it or the archive cannot be read.
std::optional<Chosen> choose(const BuyerArchive& archive, LineKind kind, const ResultRow& row);

} // namespace buyersearch
