#pragma once

#include <QHash>

class QWidget;

// The single-instance main screens of the program.
enum class MainScreen {
    Avvio,
    Anagrafica,
    MenuRicevute,
    Ricevute,
    Prodotti,
    MenuRiepLavoro,
    Statistiche
};

// Switches between the main screens: shows one maximised and hides the one
// that handed over. The program adds every main screen at start-up; a router
// that lacks one (a test that adds only the screens it drives) does nothing
// when asked to switch to it, so no command pretends to open a missing screen.
class ScreenRouter {
public:
    void add(MainScreen id, QWidget* screen) { m_screens.insert(id, screen); }
    QWidget* screen(MainScreen id) const { return m_screens.value(id, nullptr); }

    // Shows `target` maximised and hides `from` (may be null). Returns false,
    // changing nothing, when `target` is not there.
    bool switchTo(MainScreen target, QWidget* from);

private:
    QHash<MainScreen, QWidget*> m_screens;
};
