#include "app/ui/TfrmCambiaPassword.h"

#include "app/KeyFileNotices.h"
#include "app/PasswordCipher.h"
#include "app/PasswordStore.h"
#include "common/TextRules.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldHighlight.h"
#include "widgets/FormFonts.h"
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
    : ClosingScreen(parent), m_services(services) {
    prepareScreen(this, QStringLiteral("frmCambiaPassword"), QStringLiteral(" Cambia password"));
    setFixedFrame(this);

    m_txtPasswordOld =
        addPasswordField(QStringLiteral("txtPasswordOld"), QStringLiteral("effPasswordOld"));
    m_txtPasswordNew =
        addPasswordField(QStringLiteral("txtPasswordNew"), QStringLiteral("effPasswordNew"));
    m_txtConferma = addPasswordField(QStringLiteral("txtConferma"), QStringLiteral("effConferma"));

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setEnabled(false);
    auto* cmdEsci = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    for (QPushButton* button : {m_cmdOK, cmdEsci}) {
        button->setAutoDefault(true);
        button->setMinimumWidth(90);
    }

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(16);
    fields->setVerticalSpacing(14);
    const QList<QPair<QString, QLineEdit*>> rows = {
        {QStringLiteral("Vecchia password:"), m_txtPasswordOld},
        {QStringLiteral("Nuova password:"), m_txtPasswordNew},
        {QStringLiteral("Conferma nuova password:"), m_txtConferma}};
    for (int row = 0; row < rows.size(); ++row) {
        auto* label = new QLabel(rows[row].first, this);
        label->setFont(formfont::plain(10));
        fields->addWidget(label, row, 0);
        fields->addWidget(rows[row].second, row, 1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(cmdEsci);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(16);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    setEnterNext(m_txtPasswordOld, m_txtPasswordNew);
    setEnterNext(m_txtPasswordNew, m_txtConferma);
    setEnterNext(m_txtConferma, m_txtPasswordOld);
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

QLineEdit* TfrmCambiaPassword::addPasswordField(const QString& name, const QString& effName) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(PasswordCipher::kMaxLength);
    QFont font = formfont::plain(14);
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
    m_txtPasswordOld->clear();
    m_txtPasswordNew->clear();
    m_txtConferma->clear();
    m_txtPasswordOld->setFocus();
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease)
        updateOK();
    return QWidget::eventFilter(watched, event);
}

void TfrmCambiaPassword::updateOK() {
    const bool filled = !text::trimmed(m_txtPasswordOld->text()).isEmpty() &&
                        !text::trimmed(m_txtPasswordNew->text()).isEmpty() &&
                        !text::trimmed(m_txtConferma->text()).isEmpty();
    m_cmdOK->setEnabled(filled);
}

void TfrmCambiaPassword::cmdOKClick() {
    PasswordStore store(m_services.folder);
    QString notice;
    const std::optional<QString> stored =
        keyfilenotice::storedPassword(store, kChangeError, &notice);
    if (!stored) {
        m_services.messages.message(this, notice);
        return;
    }
    if (PasswordStore::normalised(m_txtPasswordOld->text()) != *stored) {
        m_services.messages.message(this, kWrongOld);
        m_txtPasswordOld->clear();
        m_txtPasswordOld->setFocus();
        return;
    }
    const QString newPassword = text::trimmed(m_txtPasswordNew->text());
    if (newPassword != text::trimmed(m_txtConferma->text())) {
        m_services.messages.message(this, kNotConfirmed);
        m_txtPasswordNew->clear();
        m_txtConferma->clear();
        m_txtPasswordNew->setFocus();
        return;
    }
    // A character the cipher cannot hold would be stored as another one, and
    // the new password could never be typed again.
    if (!PasswordCipher::fits(PasswordStore::normalised(newPassword))) {
        m_services.messages.message(this, kUnfit);
        m_txtPasswordNew->clear();
        m_txtConferma->clear();
        m_txtPasswordNew->setFocus();
        return;
    }
    if (!store.write(newPassword)) {
        m_services.messages.message(this, kChangeError);
        return;
    }
    m_services.messages.message(this, kDone);
    close();
}
