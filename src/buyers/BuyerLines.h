#pragma once

#include "buyers/SchedaAnagrafica.h"

#include <QString>
#include <array>

// The one-line forms of a buyer card: the summary line of the buyer search
// and the line of the pending-questions list (fixed-width columns for name,
// codice fiscale, telephone and mobile, then the note or the questions), and
// the five buyer lines a card gives a distinta.
namespace buyerlines {

// The name cut or filled to 28, "  CF: ", CodFisc to 16, "  Tel. ", Tel to
// 15, "  Cel. ", Cel to 15, "  Note: " and the whole note.
QString summaryLine(const SchedaAnagrafica& card);

// The same columns, then two blanks and the whole pending questions.
QString questionsLine(const SchedaAnagrafica& card);

// The distinta's buyer lines: the name; street and number; CAP, town and
// province; "C.F. " and the codice fiscale; "P.I. " and the partita IVA.
// Each field is trimmed, the joins are kept even around empty fields.
std::array<QString, 5> distintaBuyerLines(const SchedaAnagrafica& card);

// The order of the result lists: character by character, A-Z taken without
// regard to case.
bool lineBefore(const QString& a, const QString& b);

} // namespace buyerlines
