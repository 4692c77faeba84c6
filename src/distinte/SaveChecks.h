#pragma once

#include "distinte/DistintaTotal.h"
#include "distinte/Ricevuta.h"

#include <QString>
#include <optional>

// What is checked before a distinta is stored: the fields it must have, in a
// fixed order so that the user is sent to the first one missing; the warning
// for a total that cannot be computed; and the texts of the questions asked
// before storing a distinta that may be misplaced. Reading the archive and
// asking are the screen's business.
namespace savechecks {

struct Problem {
    QString message;       // the warning shown to the user
    Ricevuta::Field field; // the record field that is missing or wrong
};

// The first problem, or none when the distinta can be stored.
std::optional<Problem> firstProblem(const Ricevuta& distinta);

// The warning for a total that could not be computed, naming the text that
// is not a number and its line, with that text's field to focus.
Problem totalProblem(const distintatotal::Problem& where);

// Whether a date that passed the checks above lies outside the archive's
// year (the four characters the distinte menu accepted).
bool dateOutsideYear(const QString& date, const QString& year);

// The questions asked before storing a distinta dated in another year or
// with a number another distinta of the archive already has.
QString otherYearQuestion(const QString& date, const QString& year);
QString usedNumberQuestion(const QString& number);

} // namespace savechecks
