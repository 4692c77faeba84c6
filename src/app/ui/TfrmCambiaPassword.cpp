#include "app/ui/TfrmCambiaPassword.h"

#include "app/KeyFileNotices.h"
#include "app/PasswordCipher.h"
#include "app/PasswordStore.h"
#include "common/TextRules.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldHighlight.h"
#include "widgets/NumberSettings.h"
#include "widgets/WindowStyle.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed =
    QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                   "necessario reinserire entrambi i valori.");
const QString kUnfit =
    QStringLiteral("Attenzione: la nuova password contiene caratteri non ammessi (ad esempio il "
                   "simbolo dell'euro). E' necessario reinserire entrambi i valori.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError =
    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                   "password. Si consiglia di reinstallare il software.");

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(Services& services, QWidget* parent)
    : QWidget(parent), m_services(services) {
    applyNumberSettings();
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    setFixedFrame(this);

    txtPasswordOld =
        addPasswordField(QStringLiteral("txtPasswordOld"), QStringLiteral("effPasswordOld"));
    txtPasswordNew =
        addPasswordField(QStringLiteral("txtPasswordNew"), QStringLiteral("effPasswordNew"));
    txtConferma = addPasswordField(QStringLiteral("txtConferma"), QStringLiteral("effConferma"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    auto* cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    for (QPushButton* button : {cmdOK, cmdEsci}) {
        button->setAutoDefault(true);
        button->setMinimumWidth(90);
    }

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(16);
    fields->setVerticalSpacing(14);
    const QList<QPair<QString, QLineEdit*>> rows = {
        {QStringLiteral("Vecchia password:"), txtPasswordOld},
        {QStringLiteral("Nuova password:"), txtPasswordNew},
        {QStringLiteral("Conferma nuova password:"), txtConferma}};
    for (int row = 0; row < rows.size(); ++row) {
        auto* label = new QLabel(rows[row].first, this);
        label->setFont(QFont(QStringLiteral("Verdana"), 10));
        fields->addWidget(label, row, 0);
        fields->addWidget(rows[row].second, row, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(16);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    setEnterNext(txtPasswordOld, txtPasswordNew);
    setEnterNext(txtPasswordNew, txtConferma);
    setEnterNext(txtConferma, txtPasswordOld);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

QLineEdit* TfrmCambiaPassword::addPasswordField(const QString& name, const QString& effName) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(PasswordCipher::kMaxLength);
    QFont font(QStringLiteral("Verdana"), 14);
    font.setBold(true);
    field->setFont(font);
    field->setMinimumWidth(260);
    createFocusRectangle(field, effName);
    connect(field, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
    field->installEventFilter(this);
    return field;
}

void TfrmCambiaPassword::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        fixSizeAndCentre(this, nullptr);
    }
    QWidget::showEvent(event);
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease)
        updateOK();
    return QWidget::eventFilter(watched, event);
}

void TfrmCambiaPassword::updateOK() {
    const bool filled = !text::trimmed(txtPasswordOld->text()).isEmpty() &&
                        !text::trimmed(txtPasswordNew->text()).isEmpty() &&
                        !text::trimmed(txtConferma->text()).isEmpty();
    cmdOK->setEnabled(filled);
}

void TfrmCambiaPassword::cmdOKClick() {
    PasswordStore store(m_services.folder);
    QString stored;
    switch (store.read(&stored)) {
    case PasswordStore::Found::Garbled:
        m_services.messages.message(this, kChangeError);
        return;
    case PasswordStore::Found::NoKeyFile:
        m_services.messages.message(this, keyfilenotice::missing(store.path()));
        return;
    case PasswordStore::Found::Password:
        break;
    }
    if (PasswordStore::normalised(txtPasswordOld->text()) != stored) {
        m_services.messages.message(this, kWrongOld);
        txtPasswordOld->clear();
        txtPasswordOld->setFocus();
        return;
    }
    const QString newPassword = text::trimmed(txtPasswordNew->text());
    if (newPassword != text::trimmed(txtConferma->text())) {
        m_services.messages.message(this, kNotConfirmed);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    // A character the cipher cannot hold would be stored as another one, and
    // the new password could never be typed again.
    if (!PasswordCipher::fits(PasswordStore::normalised(newPassword))) {
        m_services.messages.message(this, kUnfit);
        txtPasswordNew->clear();
        txtConferma->clear();
        txtPasswordNew->setFocus();
        return;
    }
    if (!store.write(newPassword)) {
        m_services.messages.message(this, kChangeError);
        return;
    }
    m_services.messages.message(this, kDone);
    close();
}
