#pragma once

#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmPassword;

// The program's single-instance screens for one run: created once, in
// start-up order (the password screen first, then the main menu, the
// change-password screen and the work screens of WorkScreens.cpp), kept for
// the whole run and destroyed together. The screens after the password
// screen are made as soon as it has been painted, so that it appears without
// waiting for them; a question to the router, or for the main menu or the
// change-password screen, before then makes them at once. Ending the program
// hides every screen and calls the end handler; runProgram makes that quit
// the event loop.
class Program {
public:
    explicit Program(Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Services& services() { return m_services; }
    ScreenRouter& router() { return m_router; }
    TfrmPassword* password() const { return m_password; }
    TfrmAvvio* mainMenu() const;
    TfrmCambiaPassword* changePassword() const;

    // Keeps a work screen for the whole run and lets the router switch to it.
    void addMainScreen(MainScreen id, std::unique_ptr<QWidget> screen);

    // Shows the password screen; the other screens follow its first paint.
    void start();
    // Called once every screen of the run has been made.
    void setReadyHandler(std::function<void()> handler) { m_readyHandler = std::move(handler); }
    // Hides every screen and calls the end handler; later calls do nothing.
    void end();
    bool ended() const { return m_ended; }
    void setEndHandler(std::function<void()> handler) { m_endHandler = std::move(handler); }

private:
    QWidget* keep(std::unique_ptr<QWidget> screen);
    void makeLaterScreens();

    Services& m_services;
    ScreenRouter m_router;
    std::vector<std::unique_ptr<QWidget>> m_screens; // in creation order
    TfrmPassword* m_password = nullptr;
    TfrmAvvio* m_mainMenu = nullptr;
    TfrmCambiaPassword* m_changePassword = nullptr;
    std::function<void()> m_endHandler;
    std::function<void()> m_readyHandler;
    bool m_ended = false;
};
