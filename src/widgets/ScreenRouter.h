#pragma once

#include <QHash>
#include <functional>

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
// Screens the program makes only once the first one is on screen are made by
// the first question for any screen that comes before (see setPending).
class ScreenRouter {
public:
    void add(MainScreen id, QWidget* screen) { m_screens.insert(id, screen); }
    QWidget* screen(MainScreen id) const;

    // `makeScreens` adds the screens still to come; it runs once, at the
    // first call of screen() or switchTo(), unless runPending() ran it.
    void setPending(std::function<void()> makeScreens) { m_pending = std::move(makeScreens); }
    void runPending() const;

    // Shows `target` maximised and hides `from` (may be null). Returns false,
    // changing nothing, when `target` is not there.
    bool switchTo(MainScreen target, QWidget* from);

private:
    QHash<MainScreen, QWidget*> m_screens;
    // Mutable: making the pending screens does not change what the router
    // stands for, only when they come into being.
    mutable std::function<void()> m_pending;
};
