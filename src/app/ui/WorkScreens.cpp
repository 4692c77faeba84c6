#include "app/ui/WorkScreens.h"

#include "app/ui/Program.h"

#include <memory>

// Each work area adds one line here, in this order: buyers archive
// (MainScreen::Anagrafica), distinte menu (MenuRicevute), distinta editor
// (Ricevute), tariff list (Prodotti), income summary entry screen
// (MenuRiepLavoro), income chart (Statistiche). For example:
//
//   program.addMainScreen(MainScreen::Ricevute,
//                         std::make_unique<TfrmRicevute>(program.services(), program.router()));
//
// A screen created later may look up an earlier one with
// program.router().screen(id).
void createWorkScreens(Program& program) {
    (void)program;
}
