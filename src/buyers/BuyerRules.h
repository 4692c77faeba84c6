#pragma once

#include "buyers/SchedaAnagrafica.h"

#include <QString>
#include <optional>

// The rules of the buyer editor that do not need a screen: what a card must
// hold to be stored, and what Duplica keeps of a stored card.
namespace buyerrules {

inline const QString kNameMissing =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome.");
inline const QString kSexMissing =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il sesso usando la "
                   "lettera M oppure F.");

struct Problem {
    SchedaAnagrafica::Field field; // the field the user has to correct
    QString message;
};

// The first reason not to store `card` (the name before the sex), or none.
// The sex is "M" or "F"; a firm, a card whose partita IVA holds a number, may
// leave it empty.
std::optional<Problem> firstProblem(const SchedaAnagrafica& card);

// A stored card made the start of a new one: every field kept but the three
// attachments and their descriptions, which belong to the card they were
// attached to.
SchedaAnagrafica duplicated(const SchedaAnagrafica& card);

} // namespace buyerrules
