#pragma once

#include "app/ui/ClosingScreen.h"
#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TfrmCambiaPassword;

// The password screen, the program's main window: a correct password hides
// it and shows the main menu; "Esci" or closing it ends the program; it also
// opens the change-password screen, which always comes back here. The
// password rules live in PasswordStore.
class TfrmPassword : public ClosingScreen {
    Q_OBJECT

public:
    TfrmPassword(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

    // The change-password screen, created after this one.
    void setChangeScreen(TfrmCambiaPassword* changeScreen);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOK();
    void cmdOKClick();
    void btnCambiaPasswordClick();
    void changeScreenClosed();

    Services& m_services;
    ScreenRouter& m_router;
    TfrmCambiaPassword* m_changeScreen = nullptr;
    QLineEdit* m_txtPassword;
    QPushButton* m_cmdOK;
    bool m_placed = false;
};
