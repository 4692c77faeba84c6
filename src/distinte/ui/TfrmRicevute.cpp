#include "distinte/ui/TfrmRicevute.h"

#include "common/Amounts.h"
#include "common/Dates.h"
#include "common/MessageBreaks.h"
#include "common/TextRules.h"
#include "distinte/DistintaForm.h"
#include "distinte/DistintaSearch.h"
#include "distinte/Impostazioni.h"
#include "distinte/Numerazione.h"
#include "distinte/SaveChecks.h"
#include "distinte/YearChoice.h"
#include "distinte/ui/BuyerImport.h"
#include "distinte/ui/DistintaPrinting.h"
#include "distinte/ui/TfrmCalendario.h"
#include "distinte/ui/TfrmExpRicevute.h"
#include "distinte/ui/TfrmNonPagati.h"
#include "distinte/ui/TfrmNumerazione.h"
#include "distinte/ui/TfrmTrovaRic.h"
#include "help/ui/TfrmGuida.h"
#include "tariff/ui/TfrmTrovaServizi.h"
#include "widgets/ArchiveNotices.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldExit.h"
#include "widgets/ModifierKeys.h"
#include "widgets/ScreenPreamble.h"
#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

const QString TfrmRicevute::kRewritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString TfrmRicevute::kAppended =
    QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString TfrmRicevute::kUnsavedQuestion =
    QStringLiteral("Salvare le modifiche apportate alla distinta corrente?");
const QString TfrmRicevute::kResellerNotSaved =
    QStringLiteral("Attenzione: non è stato possibile salvare i dati del rivenditore." VM_PARAGRAPH
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                   "installazione del programma.");

TfrmRicevute::TfrmRicevute(Services& services, ScreenRouter& router, QWidget* parent)
    : QWidget(parent), m_services(services), m_router(router) {
    prepareScreen(this, QStringLiteral("TfrmRicevute"),
                  QStringLiteral(" Vellarmo - Emissione Distinte anno "));
    m_w = RicevuteWidgets::build(this);

    connect(m_w.cmdNuovo, &QToolButton::clicked, this, &TfrmRicevute::cmdNuovoClick);
    connect(m_w.cmdSalva, &QToolButton::clicked, this, &TfrmRicevute::cmdSalvaClick);
    connect(m_w.cmdPrimo, &QToolButton::clicked, this,
            [this] { navigate(DistintaArchive::Step::First); });
    connect(m_w.cmdIndietro, &QToolButton::clicked, this,
            [this] { navigate(DistintaArchive::Step::Previous); });
    connect(m_w.cmdAvanti, &QToolButton::clicked, this,
            [this] { navigate(DistintaArchive::Step::Next); });
    connect(m_w.cmdUltimo, &QToolButton::clicked, this,
            [this] { navigate(DistintaArchive::Step::Last); });
    connect(m_w.cmdEsci, &QToolButton::clicked, this, &QWidget::close);
    // Pasting, cutting or dropping text makes the line stale as typing does.
    for (int i = 0; i < RicevuteWidgets::kLines; ++i) {
        connect(m_w.txtQuant[i], &QLineEdit::textEdited, this, [this, i] { lineChanged(i); });
        connect(m_w.txtUnitario[i], &QLineEdit::textEdited, this, [this, i] { lineChanged(i); });
    }
    // Only what the user does to a field counts as an edit of the distinta;
    // texts the screen itself loads, clears or computes do not.
    for (int field = 0; field <= Ricevuta::Saldato; ++field) {
        if (auto* edit = qobject_cast<QLineEdit*>(m_w.control(field)))
            m_edits.watch(edit);
    }
    m_edits.watch(m_w.chkSaldato);
    connect(m_w.btnTotale, &QPushButton::clicked, this, &TfrmRicevute::btnTotaleClick);
    setEnterAction(m_w.btnTotale, [this] { btnTotaleClick(); });
    connect(m_w.impData, &QToolButton::clicked, this, &TfrmRicevute::impDataClick);
    connect(m_w.impNumerazione, &QToolButton::clicked, this, &TfrmRicevute::impNumerazioneClick);
    connect(m_w.cmdStampa, &QToolButton::clicked, this,
            [this] { printDistinta(m_services, this, distintaOnScreen()); });
    connect(m_w.cmdAnteprima, &QToolButton::clicked, this,
            [this] { previewDistinta(m_services, this, distintaOnScreen()); });
    for (int i = 0; i < RicevuteWidgets::kLines; ++i) {
        connect(m_w.impBollato[i], &QToolButton::clicked, this,
                [this, i] { impBollatoClick(i + 1); });
    }
    connect(m_w.cmdEsporta, &QToolButton::clicked, this, [this] {
        TfrmExpRicevute dialog(m_services, this, archivePath());
        dialog.run();
    });
    connect(m_w.impCliente, &QToolButton::clicked, this,
            [this] { importBuyerIntoDistinta(m_services, this, *this); });
    connect(m_w.cmdTrova, &QToolButton::clicked, this, [this] {
        if (const std::optional<ResultRow> row = TfrmTrovaRic::openFor(m_services, *this, this))
            openFoundRow(*row);
    });
    connect(m_w.cmdDaSaldare, &QToolButton::clicked, this,
            [this] { TfrmNonPagati::openFor(m_services, *this, this); });
    connect(m_w.cmdGuida, &QToolButton::clicked, this,
            [this] { showHelpTopic(m_services, this, help::Topic::Distinte); });

    // Installed after the key filters and the Enter chain, so this screen
    // sees every key first: typing in a quantity or unit value makes the
    // line amount and the total stale before anything else happens.
    for (int i = 0; i < RicevuteWidgets::kLines; ++i) {
        m_w.txtQuant[i]->installEventFilter(this);
        m_w.txtUnitario[i]->installEventFilter(this);
    }
    m_w.txtData->installEventFilter(this);
}

void TfrmRicevute::openYear(const QString& year) {
    m_year = text::trimmed(year);
    m_archivePath = yearchoice::archivePath(m_services.folder, year);
    m_w.lblFile->setText(m_archivePath);
    setWindowTitle(yearchoice::editorCaption(year));
}

Ricevuta TfrmRicevute::distintaOnScreen() const {
    Ricevuta d;
    d.numRic = m_w.txtNumRic->text();
    d.data = m_w.txtData->text();
    d.nomeRiv = m_w.txtNomeRiv->text();
    d.pagamento = m_w.txtPagamento->text();
    for (int i = 0; i < RicevuteWidgets::kPartyLines; ++i) {
        d.rivRigo[i] = m_w.txtRivRigo[i]->text();
        d.acqRigo[i] = m_w.txtAcqRigo[i]->text();
    }
    for (int i = 0; i < RicevuteWidgets::kLines; ++i) {
        d.quant[i] = m_w.txtQuant[i]->text();
        d.descrizione[i] = m_w.txtDescrizione[i]->text();
        d.unitario[i] = m_w.txtUnitario[i]->text();
        d.importo[i] = m_w.txtImporto[i]->text();
    }
    d.totale = m_w.txtTotale->text();
    d.saldato = distintaform::paidFlag(m_w.chkSaldato->isChecked());
    return d;
}

void TfrmRicevute::loadDistinta(const Ricevuta& d) {
    m_w.txtNumRic->setText(d.numRic);
    m_w.txtData->setText(d.data);
    m_w.txtNomeRiv->setText(d.nomeRiv);
    m_w.txtPagamento->setText(d.pagamento);
    for (int i = 0; i < RicevuteWidgets::kPartyLines; ++i) {
        m_w.txtRivRigo[i]->setText(d.rivRigo[i]);
        m_w.txtAcqRigo[i]->setText(d.acqRigo[i]);
    }
    for (int i = 0; i < RicevuteWidgets::kLines; ++i) {
        m_w.txtQuant[i]->setText(d.quant[i]);
        m_w.txtDescrizione[i]->setText(d.descrizione[i]);
        m_w.txtUnitario[i]->setText(d.unitario[i]);
        m_w.txtImporto[i]->setText(d.importo[i]);
    }
    m_w.txtTotale->setText(d.totale);
    m_w.chkSaldato->setChecked(
        distintaform::paidBoxAfterLoad(d.saldato, m_w.chkSaldato->isChecked()));
}

void TfrmRicevute::showDistinta(const Ricevuta& distinta, qint64 position) {
    if (!UnsavedEdits::mayLoad(settleUnsavedChanges(), position, m_position))
        return;
    loadDistinta(distinta);
    setPosition(position);
    m_edits.reset();
}

void TfrmRicevute::openFoundRow(const ResultRow& row) {
    if (row.year.isEmpty()) {
        showListedDistinta(*this, row);
        return;
    }
    // Nothing opens when the record cannot be read: the search closed
    // without a word, as it always has.
    const std::optional<distintasearch::Opened> opened =
        distintasearch::openOfYear(m_services.folder, row);
    if (!opened)
        return;
    if (row.year != m_year) {
        // The edits on screen belong to this year's archive: they are
        // settled before the editor moves to the other year.
        if (settleUnsavedChanges() == Settled::Stay)
            return;
        m_edits.reset();
        openYear(row.year);
    }
    showDistinta(opened->distinta, opened->position);
}

TfrmRicevute::Settled TfrmRicevute::settleUnsavedChanges() {
    return m_edits.settle(m_services.messages, this, kUnsavedQuestion, [this] { return save(); });
}

void TfrmRicevute::lineChanged(int line) {
    m_w.txtImporto[line]->clear();
    m_w.txtTotale->clear();
}

void TfrmRicevute::putBuyerLines(const std::array<QString, Ricevuta::kPartyLines>& lines) {
    for (int i = 0; i < Ricevuta::kPartyLines; ++i)
        m_w.txtAcqRigo[i]->setText(lines[i]);
    m_edits.markEdited();
}

void TfrmRicevute::putTariffEntry(int line, const TariffEntry& entry) {
    if (line < 1 || line > Ricevuta::kLines)
        return;
    m_w.txtDescrizione[line - 1]->setText(entry.name);
    m_w.txtUnitario[line - 1]->setText(entry.price);
    // A new unit value makes the line amount and the total stale, as typing
    // it would: nothing computed for the old value can reach paper.
    lineChanged(line - 1);
    m_edits.markEdited();
}

void TfrmRicevute::setPosition(qint64 position) {
    m_position = position;
    m_w.lblPosizione->setText(position == DistintaArchive::kNotStored ? QString()
                                                                      : QString::number(position));
}

void TfrmRicevute::clearDistinta() {
    loadDistinta(distintaform::cleared(distintaOnScreen()));
    setPosition(DistintaArchive::kNotStored);
    m_edits.reset();
}

void TfrmRicevute::showAccessFailure(bool asError) {
    m_services.messages.notice(
        this, asError ? MessageBoxes::Icon::Error : MessageBoxes::Icon::Warning, kAccessFailure);
}

void TfrmRicevute::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Restoring a minimised window is not a new visit from the menu.
    if (event->spontaneous())
        return;
    const DatiRivenditore dati = Impostazioni(m_services.folder).rivenditore();
    for (int i = 0; i < DatiRivenditore::kLines; ++i)
        m_w.txtRivRigo[i]->setText(dati.righe[i]);
    m_w.txtNomeRiv->setText(dati.nome);
    clearDistinta();
}

void TfrmRicevute::closeEvent(QCloseEvent* event) {
    if (settleUnsavedChanges() == Settled::Stay) {
        event->ignore();
        return;
    }
    DatiRivenditore dati;
    for (int i = 0; i < DatiRivenditore::kLines; ++i)
        dati.righe[i] = m_w.txtRivRigo[i]->text();
    dati.nome = m_w.txtNomeRiv->text();
    if (!Impostazioni(m_services.folder).setRivenditore(dati))
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, kResellerNotSaved);
    m_router.switchTo(MainScreen::Avvio, this);
    event->accept();
}

void TfrmRicevute::cmdNuovoClick() {
    if (settleUnsavedChanges() == Settled::Stay)
        return;
    const QString start =
        numerazione::startOrDefault(Impostazioni(m_services.folder).numberingStart());
    m_w.lblInizio->setText(start);
    const std::optional<qint64> count = DistintaArchive(archivePath()).count();
    if (!count) {
        showAccessFailure(true);
        return;
    }
    clearDistinta();
    const std::optional<QString> number = numerazione::proposedNumber(start, *count);
    if (!number) {
        showAccessFailure(true);
        return;
    }
    m_w.txtNumRic->setText(*number);
    m_w.txtData->setText(dates::todayText());
    m_w.txtAcqRigo[0]->setFocus();
}

bool TfrmRicevute::save() {
    // The field being edited runs its leave rule first, as when the user
    // clicks elsewhere; the rule is run here too in case the window is not
    // active and no focus change is delivered.
    QWidget* editing = focusWidget();
    m_w.btnFocus->setFocus();
    for (int i = 0; i < RicevuteWidgets::kLines; ++i)
        if (editing == m_w.txtUnitario[i])
            txtUnitarioExit(i);

    const auto refuse = [this](const savechecks::Problem& problem) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, problem.message);
        if (QWidget* field = m_w.control(problem.field))
            field->setFocus();
        return false;
    };
    // A total that cannot be computed never reaches the archive as 0,00.
    if (const auto failed = computeTotalOnScreen())
        return refuse(savechecks::totalProblem(*failed));

    const Ricevuta distinta = distintaOnScreen();
    if (const auto problem = savechecks::firstProblem(distinta))
        return refuse(*problem);
    // Stored anyway only when the user confirms: another year's date or a
    // number already given may be intended, but never unnoticed.
    const DistintaArchive archive(archivePath());
    if (savechecks::dateOutsideYear(distinta.data, m_year) &&
        !m_services.messages.question(this, savechecks::otherYearQuestion(distinta.data, m_year)))
        return false;
    if (archive.numberUsedElsewhere(distinta.numRic, m_position) == true &&
        !m_services.messages.question(this, savechecks::usedNumberQuestion(distinta.numRic)))
        return false;
    const DistintaArchive::Saved saved = archive.save(distinta, m_position);
    if (!saved.ok) {
        showAccessFailure(false);
        return false;
    }
    setPosition(saved.position);
    m_edits.reset();
    m_services.messages.notice(this, MessageBoxes::Icon::Information,
                               saved.appended ? kAppended : kRewritten);
    archivenotice::afterSave(m_services, this, saved.uncoordinated);
    return true;
}

void TfrmRicevute::navigate(DistintaArchive::Step step) {
    const DistintaArchive::Move move = DistintaArchive(archivePath()).move(step, m_position);
    switch (move.kind) {
    case DistintaArchive::Move::Failed:
        showAccessFailure(step != DistintaArchive::Step::First);
        break;
    case DistintaArchive::Move::Nothing:
        break;
    case DistintaArchive::Move::Empty:
        if (move.clearPosition)
            setPosition(DistintaArchive::kNotStored);
        m_services.messages.notice(this, MessageBoxes::Icon::Information, kEmptyArchive);
        break;
    case DistintaArchive::Move::Loaded:
        showDistinta(move.distinta, move.position);
        break;
    }
}

std::optional<distintatotal::Problem> TfrmRicevute::computeTotalOnScreen() {
    distintatotal::Lines lines = distintaform::stampLines(distintaOnScreen());
    distintatotal::Problem problem;
    const bool ok = distintatotal::compute(lines, &problem);
    for (int i = 0; i < RicevuteWidgets::kLines; ++i) {
        m_w.txtQuant[i]->setText(lines.quant[i]);
        m_w.txtImporto[i]->setText(lines.importo[i]);
    }
    m_w.txtTotale->setText(lines.totale);
    return ok ? std::nullopt : std::optional(problem);
}

void TfrmRicevute::impDataClick() {
    setDateByUser(dates::todayText());
}

void TfrmRicevute::setDateByUser(const QString& date) {
    if (m_w.txtData->text() != date)
        m_edits.markEdited();
    m_w.txtData->setText(date);
}

void TfrmRicevute::impNumerazioneClick() {
    // The next "Nuovo" reads the start again; a number already proposed stays.
    if (const std::optional<QString> start = TfrmNumerazione::askStart(m_services, this))
        m_w.lblInizio->setText(*start);
}

void TfrmRicevute::openCalendar() {
    if (const std::optional<QDate> date = TfrmCalendario::choose(m_services, this))
        setDateByUser(dates::dateText(*date));
}

void TfrmRicevute::impBollatoClick(int line) {
    if (const std::optional<TariffEntry> entry = TfrmTrovaServizi::choose(m_services, this))
        putTariffEntry(line, *entry);
}

void TfrmRicevute::txtUnitarioExit(int line) {
    QLineEdit* field = m_w.txtUnitario[line];
    field->setText(amounts::normalizeAmount(field->text(), amounts::AmountKind::UnitValue));
}

bool TfrmRicevute::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_w.txtData && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            setDateByUser(QString());
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter || isModifierOnly(key))
            return false;
        openCalendar();
        return true;
    }
    for (int i = 0; i < RicevuteWidgets::kLines; ++i) {
        if (watched != m_w.txtQuant[i] && watched != m_w.txtUnitario[i])
            continue;
        if (event->type() == QEvent::KeyPress) {
            m_w.txtImporto[i]->clear();
            m_w.txtTotale->clear();
        } else if (watched == m_w.txtUnitario[i] && isFieldExit(event)) {
            txtUnitarioExit(i);
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}
