#pragma once

#include "common/ResultRows.h"
#include "distinte/Ricevuta.h"
#include "tariff/TariffEntry.h"

#include <QString>
#include <array>
#include <optional>

// What other screens may ask of the distinta editor: open a year's archive,
// show a stored distinta, fill the buyer block or a stamp line. Screens hand
// it typed values through these calls and never touch its widgets; the
// editor decides how the values reach its fields. Nothing here saves
// without the user's answer.
class DistintaEditor {
public:
    virtual ~DistintaEditor() = default;

    // Works from now on on the archive of `year` (four characters, as the
    // distinte menu accepts them) and names the year in the window caption.
    virtual void openYear(const QString& year) = 0;
    // The full path of the archive the editor works on.
    virtual QString archivePath() const = 0;

    // Puts a stored distinta on screen with its 1-based record position:
    // every field, the paid box by its flag, the total and the position, as
    // a double click in a list of distinte does. Nothing is recomputed. When
    // the user has edited the distinta on screen, the editor first asks
    // whether to save it, and the user may choose to stay on it.
    virtual void showDistinta(const Ricevuta& distinta, qint64 position) = 0;
    // The five buyer lines of the distinta, in form order.
    virtual void putBuyerLines(const std::array<QString, Ricevuta::kPartyLines>& lines) = 0;
    // The description and unit value of stamp line `line` (1 ... 10).
    virtual void putTariffEntry(int line, const TariffEntry& entry) = 0;
};

// What a double click in a list of the editor's archive does: puts the
// distinta behind `row` into the editor. False, with nothing shown, when no
// row is given or the archive cannot be read.
bool showListedDistinta(DistintaEditor& editor, const std::optional<ResultRow>& row);
