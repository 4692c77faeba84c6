#pragma once

#include "app/ui/ClosingScreen.h"
#include "widgets/Services.h"

class QLineEdit;
class QPushButton;

// The change-password screen, reached from the password screen only. It
// checks the old password, asks for the new one twice and stores it through
// PasswordStore. Whenever it closes it emits closed(), and the password
// screen comes back.
class TfrmCambiaPassword : public ClosingScreen {
    Q_OBJECT

public:
    explicit TfrmCambiaPassword(Services& services, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addPasswordField(const QString& name, const QString& effName);
    void updateOK();
    void cmdOKClick();

    Services& m_services;
    QLineEdit* m_txtPasswordOld;
    QLineEdit* m_txtPasswordNew;
    QLineEdit* m_txtConferma;
    QPushButton* m_cmdOK;
    bool m_placed = false;
};
