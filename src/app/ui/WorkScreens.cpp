#include "app/ui/WorkScreens.h"

#include "app/ui/Program.h"
#include "app/ui/TfrmAvvio.h"
#include "buyers/ui/TfrmAnagrafica.h"
#include "distinte/ui/TfrmMenuRicevute.h"
#include "distinte/ui/TfrmRicevute.h"
#include "reports/ui/TfrmMenuRiepLavoro.h"
#include "reports/ui/TfrmStatistiche.h"
#include "tariff/ui/TfrmProdotti.h"

#include <memory>

// One line per work area, in start-up order: buyers archive
// (MainScreen::Anagrafica), distinte menu (MenuRicevute), distinta editor
// (Ricevute), tariff list (Prodotti), income summary entry screen
// (MenuRiepLavoro), income chart (Statistiche). A work area that joins the
// program adds its line at its place in this order. A screen that opens
// another is handed it, typed: the distinte menu gets the editor it opens, so
// the editor is made just before the menu.
void createWorkScreens(Program& program) {
    Services& services = program.services();
    ScreenRouter& router = program.router();
    auto buyers = std::make_unique<TfrmAnagrafica>(services, router);
    BuyerEditor* buyerEditor = buyers.get();
    program.addMainScreen(MainScreen::Anagrafica, std::move(buyers));
    auto editor = std::make_unique<TfrmRicevute>(services, router);
    program.addMainScreen(MainScreen::MenuRicevute,
                          std::make_unique<TfrmMenuRicevute>(services, router, *editor));
    program.mainMenu()->setRecordEditors(editor.get(), buyerEditor);
    program.addMainScreen(MainScreen::Ricevute, std::move(editor));
    program.addMainScreen(MainScreen::Prodotti, std::make_unique<TfrmProdotti>(services, router));
    program.addMainScreen(MainScreen::MenuRiepLavoro,
                          std::make_unique<TfrmMenuRiepLavoro>(services, router));
    program.addMainScreen(MainScreen::Statistiche,
                          std::make_unique<TfrmStatistiche>(services, router));
}
