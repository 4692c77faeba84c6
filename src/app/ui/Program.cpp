#include "app/ui/Program.h"

#include "app/ui/TfrmAvvio.h"
#include "app/ui/TfrmCambiaPassword.h"
#include "app/ui/TfrmPassword.h"
#include "app/ui/WorkScreens.h"
#include "widgets/FirstPaint.h"

#include <QWidget>

Program::Program(Services& services) : m_services(services) {
    auto password = std::make_unique<TfrmPassword>(m_services, m_router);
    m_password = password.get();
    keep(std::move(password));
    // Only the password screen and the main menu end the program.
    QObject::connect(m_password, &TfrmPassword::closed, [this] { end(); });

    m_router.setPending([this] { makeLaterScreens(); });
}

Program::~Program() {
    // Later screens may refer to earlier ones: destroy in reverse order.
    while (!m_screens.empty())
        m_screens.pop_back();
}

void Program::addMainScreen(MainScreen id, std::unique_ptr<QWidget> screen) {
    m_router.add(id, keep(std::move(screen)));
}

QWidget* Program::keep(std::unique_ptr<QWidget> screen) {
    m_screens.push_back(std::move(screen));
    return m_screens.back().get();
}

void Program::makeLaterScreens() {
    auto mainMenu = std::make_unique<TfrmAvvio>(m_services, m_router);
    m_mainMenu = mainMenu.get();
    addMainScreen(MainScreen::Avvio, std::move(mainMenu));
    QObject::connect(m_mainMenu, &TfrmAvvio::closed, [this] { end(); });

    auto changePassword = std::make_unique<TfrmCambiaPassword>(m_services);
    m_changePassword = changePassword.get();
    keep(std::move(changePassword));
    m_password->setChangeScreen(m_changePassword);

    createWorkScreens(*this);
    if (m_readyHandler)
        m_readyHandler();
}

TfrmAvvio* Program::mainMenu() const {
    m_router.runPending();
    return m_mainMenu;
}

TfrmCambiaPassword* Program::changePassword() const {
    m_router.runPending();
    return m_changePassword;
}

void Program::start() {
    afterFirstPaint(m_password, [this] { m_router.runPending(); });
    m_password->show();
    m_password->raise();
    m_password->activateWindow();
}

void Program::end() {
    if (m_ended)
        return;
    m_ended = true;
    // Hiding, not closing: a work screen's close handler would show the main
    // menu again.
    for (const auto& screen : m_screens)
        screen->hide();
    if (m_endHandler)
        m_endHandler();
}
