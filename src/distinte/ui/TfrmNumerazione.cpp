#include "distinte/ui/TfrmNumerazione.h"

#include "common/MessageBreaks.h"
#include "common/TextRules.h"
#include "distinte/Impostazioni.h"
#include "distinte/Numerazione.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldExit.h"
#include "widgets/FieldHighlight.h"
#include "widgets/FormFonts.h"
#include "widgets/KeyFilters.h"
#include "widgets/Pictures.h"
#include "widgets/Services.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kTypingLimit = 5;
} // namespace

const QString TfrmNumerazione::kNotSaved = QStringLiteral(
    "Attenzione: non è stato possibile salvare il numero iniziale delle distinte." VM_PARAGRAPH
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
    "programma.");

std::optional<QString> TfrmNumerazione::askStart(Services& services, QWidget* owner) {
    TfrmNumerazione dialog(services, owner);
    services.dialogs.exec(&dialog);
    return dialog.storedStart();
}

TfrmNumerazione::TfrmNumerazione(Services& services, QWidget* owner)
    : DialogBase(owner), m_services(services) {
    setObjectName(QStringLiteral("TfrmNumerazione"));
    setWindowTitle(QStringLiteral(" Impostazione inizio numerazione documenti"));

    auto* group = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    m_txtInizio = new QLineEdit(QStringLiteral("1"), group);
    m_txtInizio->setObjectName(QStringLiteral("txtInizio"));
    m_txtInizio->setAlignment(Qt::AlignCenter);
    m_txtInizio->setFont(formfont::bold(12));
    m_txtInizio->setMaxLength(kTypingLimit);
    m_txtInizio->setFixedWidth(140);
    installKeyFilter(m_txtInizio, KeyFilterKind::Digits);
    createFocusRectangle(m_txtInizio, QStringLiteral("effInizio"));
    m_txtInizio->installEventFilter(this);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->setContentsMargins(16, 16, 16, 16);
    groupLayout->addStretch();
    groupLayout->addWidget(m_txtInizio);
    groupLayout->addStretch();

    auto* istruzioni = new QLabel(
        QStringLiteral("Utilizzare questa funzione per far partire la numerazione automatica dei "
                       "documenti da un numero superiore a 1.\n\nAttenzione: la numerazione "
                       "automatica funziona solo se si preme il pulsante \"Nuovo\" prima di "
                       "compilare il documento."),
        this);
    istruzioni->setObjectName(QStringLiteral("imgIstruzioni"));
    istruzioni->setWordWrap(true);
    istruzioni->setFixedWidth(360);

    auto* applica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    applica->setObjectName(QStringLiteral("btnApplica"));
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    connect(applica, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    setEnterNext(m_txtInizio, applica);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(pictures::productLogo(64));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(logo);
    buttons->addStretch();
    buttons->addWidget(applica);
    buttons->addWidget(annulla);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(istruzioni);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

void TfrmNumerazione::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    if (event->spontaneous())
        return;
    // A stored start longer than the typing limit is shown whole, so that
    // "Applica e chiudi" does not store it cut.
    const QString stored = Impostazioni(m_services.folder).numberingStart();
    m_txtInizio->setMaxLength(std::max(kTypingLimit, int(stored.size())));
    m_txtInizio->setText(stored);
    if (text::trimmed(m_txtInizio->text()).isEmpty())
        m_txtInizio->setText(QStringLiteral("1"));
    m_txtInizio->setFocus();
}

bool TfrmNumerazione::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtInizio && isFieldExit(event))
        txtInizioExit();
    return DialogBase::eventFilter(watched, event);
}

void TfrmNumerazione::txtInizioExit() {
    m_txtInizio->setText(numerazione::normalizedStartInput(m_txtInizio->text()));
}

void TfrmNumerazione::btnApplicaClick() {
    // Clicking normally moves the focus here first; a click that does not
    // (a button pressed without taking the focus) still stores a clean number.
    txtInizioExit();
    const QString start = text::trimmed(m_txtInizio->text());
    if (Impostazioni(m_services.folder).setNumberingStart(start))
        m_stored = start;
    else
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, kNotSaved);
    accept();
}
