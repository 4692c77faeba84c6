#include "distinte/ui/DistintaEditor.h"

#include "distinte/DistintaSearch.h"

bool showListedDistinta(DistintaEditor& editor, const std::optional<ResultRow>& row) {
    if (!row)
        return false;
    const auto opened = distintasearch::open(editor.archivePath(), *row);
    if (!opened)
        return false;
    editor.showDistinta(opened->distinta, opened->position);
    return true;
}
