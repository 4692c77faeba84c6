#include "buyers/ui/TfrmAnagrafica.h"

#include "buyers/BuyerRules.h"
#include "buyers/ui/TfrmAllegaCartella.h"
#include "buyers/ui/TfrmExpAnagrafica.h"
#include "buyers/ui/TfrmQuestioni.h"
#include "buyers/ui/TfrmStampaAnagrafica.h"
#include "buyers/ui/TfrmTrovaAnagrafica.h"
#include "checks/ui/IdentifierChecks.h"
#include "common/MessageBreaks.h"
#include "common/TextRules.h"
#include "help/ui/TfrmGuida.h"
#include "widgets/ArchiveNotices.h"
#include "widgets/OpenService.h"
#include "widgets/ScreenPreamble.h"
#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>

const QString TfrmAnagrafica::kRewritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString TfrmAnagrafica::kAppended =
    QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString TfrmAnagrafica::kDuplicateUnsaved =
    QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                   "questa è stata inserita in archivio.");
const QString TfrmAnagrafica::kDuplicated = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente." VM_PARAGRAPH "Al "
    "termine premere Salva per inserire la scheda in archivio.");
const QString TfrmAnagrafica::kUnsavedQuestion =
    QStringLiteral("Salvare le modifiche apportate alla scheda corrente?");

TfrmAnagrafica::TfrmAnagrafica(Services& services, ScreenRouter& router, QWidget* parent)
    : QWidget(parent), m_services(services), m_router(router) {
    prepareScreen(this, QStringLiteral("TfrmAnagrafica"),
                  QStringLiteral(" Vellarmo - Archivio Acquirenti"));
    m_w = AnagraficaWidgets::build(this);
    for (QLineEdit* field : m_w.txt)
        m_edits.watch(field);

    connect(m_w.cmdNuovo, &QToolButton::clicked, this, &TfrmAnagrafica::cmdNuovoClick);
    connect(m_w.cmdDuplica, &QToolButton::clicked, this, &TfrmAnagrafica::cmdDuplicaClick);
    connect(m_w.cmdSalva, &QToolButton::clicked, this, &TfrmAnagrafica::cmdSalvaClick);
    connect(m_w.cmdFile, &QToolButton::clicked, this, &TfrmAnagrafica::cmdFileClick);
    connect(m_w.cmdStampa, &QToolButton::clicked, this, &TfrmAnagrafica::cmdStampaClick);
    connect(m_w.cmdTrova, &QToolButton::clicked, this, &TfrmAnagrafica::cmdTrovaClick);
    connect(m_w.cmdQuestioni, &QToolButton::clicked, this, &TfrmAnagrafica::cmdQuestioniClick);
    connect(m_w.cmdPrimo, &QToolButton::clicked, this,
            [this] { navigate(BuyerArchive::Step::First); });
    connect(m_w.cmdIndietro, &QToolButton::clicked, this,
            [this] { navigate(BuyerArchive::Step::Previous); });
    connect(m_w.cmdAvanti, &QToolButton::clicked, this,
            [this] { navigate(BuyerArchive::Step::Next); });
    connect(m_w.cmdUltimo, &QToolButton::clicked, this,
            [this] { navigate(BuyerArchive::Step::Last); });
    connect(m_w.cmdEsci, &QToolButton::clicked, this, &QWidget::close);
    connect(m_w.btnEmail, &QToolButton::clicked, this, &TfrmAnagrafica::btnEmailClick);
    const auto trimmedField = [this](SchedaAnagrafica::Field f) {
        return text::trimmed(m_w.field(f)->text());
    };
    connect(m_w.btnCodFisc, &QToolButton::clicked, this, [this, trimmedField] {
        openCodFiscCheck(m_services, trimmedField(SchedaAnagrafica::CodFisc), this);
    });
    connect(m_w.btnPartitaIva, &QToolButton::clicked, this, [this, trimmedField] {
        openPartitaIvaCheck(m_services, trimmedField(SchedaAnagrafica::PartitaIva), this);
    });
    connect(m_w.btnIban, &QToolButton::clicked, this, [this, trimmedField] {
        openIbanCheck(m_services, trimmedField(SchedaAnagrafica::Iban), this);
    });
    connect(m_w.btnCarta, &QToolButton::clicked, this, [this, trimmedField] {
        openCartaCheck(m_services, trimmedField(SchedaAnagrafica::Carta), this);
    });
    connect(m_w.cmdEsporta, &QToolButton::clicked, this, [this] {
        TfrmExpAnagrafica dialog(m_services, this);
        dialog.run();
    });
    connect(m_w.cmdGuida, &QToolButton::clicked, this,
            [this] { showHelpTopic(m_services, this, help::Topic::Acquirenti); });
}

SchedaAnagrafica TfrmAnagrafica::cardOnScreen() const {
    QStringList texts;
    for (QLineEdit* field : m_w.txt)
        texts.append(field->text());
    for (int n = 0; n < Attachments::kSlots; ++n)
        texts.append(m_attachments.file[n]);
    for (int n = 0; n < Attachments::kSlots; ++n)
        texts.append(m_attachments.desc[n]);
    return SchedaAnagrafica::fromTexts(texts);
}

void TfrmAnagrafica::loadCard(const SchedaAnagrafica& card) {
    const QStringList texts = card.toTexts();
    for (int i = 0; i < int(m_w.txt.size()); ++i)
        m_w.txt[i]->setText(text::trimmed(texts[i]));
    Attachments attached;
    for (int n = 0; n < Attachments::kSlots; ++n) {
        attached.file[n] = texts[SchedaAnagrafica::File01 + n];
        attached.desc[n] = texts[SchedaAnagrafica::Desc01 + n];
    }
    setAttachments(attached.trimmed());
}

void TfrmAnagrafica::setAttachments(const Attachments& attached) {
    m_attachments = attached;
    for (int n = 0; n < Attachments::kSlots; ++n) {
        m_w.lbl[n]->setText(attached.file[n]);
        m_w.lbl[Attachments::kSlots + n]->setText(attached.desc[n]);
    }
}

void TfrmAnagrafica::setPosition(qint64 position) {
    m_position = position;
    m_w.lblPosizione->setText(position == BuyerArchive::kNotStored ? QString()
                                                                   : QString::number(position));
}

void TfrmAnagrafica::showScheda(const SchedaAnagrafica& card, qint64 position) {
    if (!UnsavedEdits::mayLoad(settleUnsavedChanges(), position, m_position))
        return;
    loadCard(card);
    setPosition(position);
    m_edits.reset();
}

TfrmAnagrafica::Settled TfrmAnagrafica::settleUnsavedChanges() {
    return m_edits.settle(m_services.messages, this, kUnsavedQuestion, [this] { return save(); });
}

void TfrmAnagrafica::clearCard() {
    loadCard(SchedaAnagrafica{});
    setPosition(BuyerArchive::kNotStored);
    m_edits.reset();
    m_w.field(SchedaAnagrafica::Nome)->setFocus();
}

void TfrmAnagrafica::showAccessFailure() {
    m_services.messages.notice(this, MessageBoxes::Icon::Error, kAccessFailure);
}

void TfrmAnagrafica::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Restoring a minimised window is not a new visit from the menu.
    if (!event->spontaneous())
        clearCard();
}

void TfrmAnagrafica::closeEvent(QCloseEvent* event) {
    if (settleUnsavedChanges() == Settled::Stay) {
        event->ignore();
        return;
    }
    m_router.switchTo(MainScreen::Avvio, this);
    event->accept();
}

void TfrmAnagrafica::cmdNuovoClick() {
    if (settleUnsavedChanges() == Settled::Stay)
        return;
    clearCard();
}

void TfrmAnagrafica::cmdDuplicaClick() {
    if (m_position == BuyerArchive::kNotStored) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, kDuplicateUnsaved);
        return;
    }
    if (settleUnsavedChanges() == Settled::Stay)
        return;
    // The edit fields stay exactly as typed; only what belongs to the stored
    // card goes: its attachments and its position.
    setAttachments(Attachments{});
    setPosition(BuyerArchive::kNotStored);
    m_w.field(SchedaAnagrafica::Nome)->setFocus();
    m_services.messages.notice(this, MessageBoxes::Icon::Information, kDuplicated);
}

bool TfrmAnagrafica::save() {
    const SchedaAnagrafica card = cardOnScreen();
    if (const auto problem = buyerrules::firstProblem(card)) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, problem->message);
        m_w.field(problem->field)->setFocus();
        return false;
    }
    const BuyerArchive::Saved saved = BuyerArchive(m_services.folder).save(card, m_position);
    if (!saved.ok) {
        showAccessFailure();
        return false;
    }
    setPosition(saved.position);
    m_edits.reset();
    m_services.messages.notice(this, MessageBoxes::Icon::Information,
                               saved.appended ? kAppended : kRewritten);
    archivenotice::afterSave(m_services, this, saved.uncoordinated);
    return true;
}

void TfrmAnagrafica::navigate(BuyerArchive::Step step) {
    const BuyerArchive::Move move = BuyerArchive(m_services.folder).move(step, m_position);
    switch (move.kind) {
    case BuyerArchive::Move::Failed:
        showAccessFailure();
        break;
    case BuyerArchive::Move::Nothing:
        break;
    case BuyerArchive::Move::Empty:
        if (move.clearPosition)
            setPosition(BuyerArchive::kNotStored);
        m_services.messages.notice(this, MessageBoxes::Icon::Information, kEmptyArchive);
        break;
    case BuyerArchive::Move::Loaded:
        // The question, when the card was edited, comes on the way.
        showScheda(move.card, move.position);
        break;
    }
}

void TfrmAnagrafica::btnEmailClick() {
    // Opened even when the field is empty: the mail program starts a blank
    // message.
    OpenService(m_services.opener)
        .open(QStringLiteral("\"mailto:") +
              text::trimmed(m_w.field(SchedaAnagrafica::Email)->text()) + QLatin1Char('"'));
}

void TfrmAnagrafica::cmdFileClick() {
    TfrmAllegaCartella dialog(m_services, m_attachments, m_position, this);
    if (m_services.dialogs.exec(&dialog) != QDialog::Accepted)
        return;
    const Attachments chosen = dialog.attachments();
    if (chosen != m_attachments)
        m_edits.markEdited();
    setAttachments(chosen);
}

void TfrmAnagrafica::cmdStampaClick() {
    TfrmStampaAnagrafica dialog(m_services, cardOnScreen(), this);
    m_services.dialogs.exec(&dialog);
}

void TfrmAnagrafica::cmdTrovaClick() {
    if (const auto chosen = TfrmTrovaAnagrafica::choose(m_services, this))
        showScheda(chosen->card, chosen->position);
}

void TfrmAnagrafica::cmdQuestioniClick() {
    TfrmQuestioni dialog(m_services, this);
    if (m_services.dialogs.exec(&dialog) == QDialog::Accepted && dialog.chosen())
        showScheda(dialog.chosen()->card, dialog.chosen()->position);
}
