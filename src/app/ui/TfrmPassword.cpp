#include "app/ui/TfrmPassword.h"

#include "app/KeyFileNotices.h"
#include "app/PasswordCipher.h"
#include "app/PasswordStore.h"
#include "app/ui/TfrmCambiaPassword.h"
#include "common/TextRules.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldHighlight.h"
#include "widgets/FormFonts.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenPreamble.h"
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
    : ClosingScreen(parent), m_services(services), m_router(router) {
    prepareScreen(this, QStringLiteral("frmPassword"), QStringLiteral(" Vellarmo - Accesso"));
    setFixedFrame(this);

    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(pictures::productLogo(96));

    auto* lblTitolo = new QLabel(this);
    lblTitolo->setPixmap(pictures::title(QStringLiteral("Vellarmo"), QSize(260, 60), 26));

    auto* lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    QFont hintFont = formfont::plain(10);
    lblRigo05->setFont(hintFont);

    m_txtPassword = new QLineEdit(this);
    m_txtPassword->setObjectName(QStringLiteral("txtPassword"));
    m_txtPassword->setEchoMode(QLineEdit::Password);
    m_txtPassword->setMaxLength(PasswordCipher::kMaxLength);
    QFont fieldFont = formfont::plain(14);
    fieldFont.setBold(true);
    m_txtPassword->setFont(fieldFont);
    m_txtPassword->setMinimumWidth(300);
    createFocusRectangle(m_txtPassword, QStringLiteral("effPassword"));

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setEnabled(false);
    auto* cmdEsci = new QPushButton(QStringLiteral("Esci"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    auto* btnCambiaPassword = new QPushButton(QStringLiteral("Cambia password"), this);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    for (QPushButton* button : {m_cmdOK, cmdEsci, btnCambiaPassword}) {
        button->setAutoDefault(true); // a focused button takes Enter as a click
        button->setMinimumWidth(90);
    }

    auto* heading = new QHBoxLayout;
    heading->addWidget(imgLogo);
    heading->addWidget(lblTitolo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(cmdEsci);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(heading);
    layout->addWidget(lblRigo05);
    layout->addWidget(m_txtPassword);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(m_txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    m_txtPassword->installEventFilter(this);
    setEnterAction(m_txtPassword, [this] {
        if (!text::trimmed(m_txtPassword->text()).isEmpty())
            cmdOKClick();
    });
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
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
    m_txtPassword->setFocus();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtPassword && event->type() == QEvent::KeyRelease)
        updateOK();
    return QWidget::eventFilter(watched, event);
}

void TfrmPassword::updateOK() {
    m_cmdOK->setEnabled(!text::trimmed(m_txtPassword->text()).isEmpty());
}

void TfrmPassword::cmdOKClick() {
    QString notice;
    const std::optional<QString> stored =
        keyfilenotice::storedPassword(PasswordStore(m_services.folder), kReadError, &notice);
    if (!stored) {
        m_services.messages.message(this, notice);
        return;
    }
    const QString typed = PasswordStore::normalised(m_txtPassword->text());
    if (typed != *stored) {
        m_services.messages.message(this, kWrongPassword);
        m_txtPassword->clear();
        m_txtPassword->setFocus();
        return;
    }
    m_txtPassword->clear();
    m_router.switchTo(MainScreen::Avvio, this);
}

void TfrmPassword::btnCambiaPasswordClick() {
    // The change screen is one of those made right after this screen's
    // first paint; a click that comes sooner has them made now.
    m_router.runPending();
    if (m_changeScreen == nullptr)
        return;
    m_changeScreen->show();
    m_changeScreen->raise();
    m_changeScreen->activateWindow();
    hide();
}

void TfrmPassword::changeScreenClosed() {
    m_txtPassword->clear();
    show();
    raise();
    activateWindow();
    m_txtPassword->setFocus();
}
