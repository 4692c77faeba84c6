#pragma once

#include <QString>
#include <optional>

// What a screen hands to the screen it opens, so that the opened screen knows
// where its result goes or which screen comes next. Screens decide by this
// value; the hidden label `lblMemory` of a screen only shows its text.
enum class RoutingTag {
    Avvio,       // the distinte menu closes towards the main menu
    Ricevute,    // the distinta editor (menu closing, search, buyer import)
    Statistiche, // the distinte menu closes towards the income chart
    RiepLavoro,  // the distinte menu closes towards the income summary
    Anagrafica,  // the buyers archive (buyer search, attachments)
    Rigo01,      // stamp lines 1 ... 10 of the distinta editor (tariff import)
    Rigo02,
    Rigo03,
    Rigo04,
    Rigo05,
    Rigo06,
    Rigo07,
    Rigo08,
    Rigo09,
    Rigo10,
    RicevuteData, // the date of the distinta editor (calendar)
    Distinte,     // the numbering start of the distinte
};

// The tag's text as the label shows it: "avvio", "rigo_07", "ricevute_data" ...
QString routingTagText(RoutingTag tag);

// The tag of stamp line `line` (1 ... 10), or none for any other number.
std::optional<RoutingTag> stampLineTag(int line);

// The stamp line (1 ... 10) a tag names, or 0 for a tag that names none.
int stampLineOf(RoutingTag tag);
