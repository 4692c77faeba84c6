#pragma once

#include "common/Amounts.h"
#include "distinte/Ricevuta.h"

#include <QString>
#include <optional>

// The fields a distinta must have before it is stored, checked in a fixed
// order so that the user is sent to the first one missing.
namespace savechecks {

struct Problem {
    QString message;       // the warning shown to the user
    Ricevuta::Field field; // the record field that is missing or wrong
};

// The first problem, or none when the distinta can be stored.
std::optional<Problem> firstProblem(const Ricevuta& distinta);

// The warning for a total that could not be computed, naming the line
// (0-based) and the text that is not a number, and the field to fix.
Problem totalProblem(const amounts::TotalProblem& where);

// Whether a date that passed the checks above lies outside the archive's
// year (the four characters the distinte menu accepted).
bool dateOutsideYear(const QString& date, const QString& year);

// The questions asked before storing a distinta dated in another year or
// with a number another distinta of the archive already has.
QString otherYearQuestion(const QString& date, const QString& year);
QString usedNumberQuestion(const QString& number);

} // namespace savechecks
