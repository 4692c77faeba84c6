#pragma once

#include "distinte/Ricevuta.h"

#include <QString>
#include <array>

// The total of a distinta: its stamp lines' amounts and their sum, computed
// by the amount rules (common/Amounts.h) from the texts the editor shows.
namespace distintatotal {

// The ten stamp lines of a distinta and its total, as the editor shows them.
struct Lines {
    static constexpr int kLines = Ricevuta::kLines;
    std::array<QString, kLines> quant;
    std::array<QString, kLines> unitario;
    std::array<QString, kLines> importo;
    QString totale;
};

// Where a total computation stopped: the 0-based line and its text that is
// not a number.
struct Problem {
    enum Column { Quant, Unitario, Importo };
    int line = 0;
    Column column = Quant;
};

// Computes the line amounts and the total in place: each line amount is the
// quantity (empty means 1) times the unit value, rounded to cents on its own;
// the total is the sum of the unrounded amounts, rounded once. A line with a
// unit value and no quantity gets the quantity "1". A line whose product is
// zero keeps its amount text. When any text is not a number the computation
// stops there, the total becomes "0,00" and false is returned; amounts already
// rewritten keep their new texts; `problem`, when given, says where it stopped.
bool compute(Lines& lines, Problem* problem = nullptr);

} // namespace distintatotal
