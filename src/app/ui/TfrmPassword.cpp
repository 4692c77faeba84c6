#include "app/ui/TfrmPassword.h"

#include "app/KeyFileNotices.h"
#include "app/PasswordCipher.h"
#include "app/PasswordStore.h"
#include "app/ui/TfrmCambiaPassword.h"
#include "common/TextRules.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldHighlight.h"
#include "widgets/NumberSettings.h"
#include "widgets/Pictures.h"
#include "widgets/WindowStyle.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kReadError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                   "password. Si consiglia di reinstallare il software.");

} // namespace

TfrmPassword::TfrmPassword(Services& services, ScreenRouter& router, QWidget* parent)
    : QWidget(parent), m_services(services), m_router(router) {
    applyNumberSettings();
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Vellarmo - Accesso"));
    setFixedFrame(this);

    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(pictures::productLogo(96));

    auto* lblTitolo = new QLabel(this);
    lblTitolo->setPixmap(pictures::title(QStringLiteral("Vellarmo"), QSize(260, 60), 26));

    auto* lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    QFont hintFont(QStringLiteral("Verdana"), 10);
    lblRigo05->setFont(hintFont);

    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setMaxLength(PasswordCipher::kMaxLength);
    QFont fieldFont(QStringLiteral("Verdana"), 14);
    fieldFont.setBold(true);
    txtPassword->setFont(fieldFont);
    txtPassword->setMinimumWidth(300);
    createFocusRectangle(txtPassword, QStringLiteral("effPassword"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    auto* cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    auto* btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    for (QPushButton* button : {cmdOK, cmdEsci, btnCambiaPassword}) {
        button->setAutoDefault(true); // a focused button takes Enter as a click
        button->setMinimumWidth(90);
    }

    auto* heading = new QHBoxLayout;
    heading->addWidget(imgLogo);
    heading->addWidget(lblTitolo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(heading);
    layout->addWidget(lblRigo05);
    layout->addWidget(txtPassword);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    txtPassword->installEventFilter(this);
    setEnterAction(txtPassword, [this] {
        if (!text::trimmed(txtPassword->text()).isEmpty())
            cmdOKClick();
    });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

void TfrmPassword::setChangeScreen(TfrmCambiaPassword* changeScreen) {
    m_changeScreen = changeScreen;
    connect(changeScreen, &TfrmCambiaPassword::closed, this, &TfrmPassword::changeScreenClosed);
}

void TfrmPassword::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        fixSizeAndCentre(this, nullptr);
    }
    QWidget::showEvent(event);
    txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtPassword && event->type() == QEvent::KeyRelease)
        updateOK();
    return QWidget::eventFilter(watched, event);
}

void TfrmPassword::updateOK() {
    cmdOK->setEnabled(!text::trimmed(txtPassword->text()).isEmpty());
}

void TfrmPassword::cmdOKClick() {
    QString stored;
    const PasswordStore store(m_services.folder);
    switch (store.read(&stored)) {
    case PasswordStore::Found::Garbled:
        m_services.messages.message(this, kReadError);
        return;
    case PasswordStore::Found::NoKeyFile:
        // Not "password errata": no password could ever be right.
        m_services.messages.message(this, keyfilenotice::missing(store.path()));
        return;
    case PasswordStore::Found::Password:
        break;
    }
    const QString typed = PasswordStore::normalised(txtPassword->text());
    if (typed != stored) {
        m_services.messages.message(this, kWrongPassword);
        txtPassword->clear();
        txtPassword->setFocus();
        return;
    }
    txtPassword->clear();
    m_router.switchTo(MainScreen::Avvio, this);
}

void TfrmPassword::btnCambiaPasswordClick() {
    if (m_changeScreen == nullptr)
        return;
    m_changeScreen->show();
    m_changeScreen->raise();
    m_changeScreen->activateWindow();
    hide();
}

void TfrmPassword::changeScreenClosed() {
    txtPassword->clear();
    show();
    raise();
    activateWindow();
    txtPassword->setFocus();
}
