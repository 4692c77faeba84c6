#pragma once

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

} // namespace savechecks
