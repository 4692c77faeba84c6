#include "distinte/ui/TfrmTrovaRic.h"

#include "distinte/ui/DistintaEditor.h"
#include "distinte/ui/TfrmRicevute.h"
#include "output/ui/ListPrinter.h"
#include "widgets/CommandButtons.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldHighlight.h"
#include "widgets/FormFonts.h"
#include "widgets/ListScreenParts.h"
#include "widgets/Pictures.h"
#include "widgets/ResultList.h"
#include "widgets/Services.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

const QString TfrmTrovaRic::kPrintTitle = QStringLiteral("Riepilogo distinte in archivio");
const QString TfrmTrovaRic::kEveryYearSuffix = QStringLiteral(" - tutti gli anni");

namespace {

constexpr QSize kPanelSize(960, 600);

struct CriterionField {
    const char* name;
    const char* caption;
};
// In Enter order, which ends back at the number.
constexpr std::array<CriterionField, 6> kCriteria = {{
    {"NumRic", "Distinta n."},
    {"Data", "Data emissione (gg/mm/aaaa):"},
    {"AcqRigo01", "Dati acquirente (rigo 1):"},
    {"AcqRigo02", "Dati acquirente (rigo 2):"},
    {"AcqRigo03", "Dati acquirente (rigo 3):"},
    {"Totale", "Totale distinta: \u20AC"},
}};

} // namespace

QString TfrmTrovaRic::countText(qsizetype rows) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(rows);
}

std::optional<ResultRow> TfrmTrovaRic::openFor(Services& services, DistintaEditor& editor,
                                               QWidget* owner) {
    TfrmTrovaRic dialog(services, editor, owner);
    if (services.dialogs.exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenRow();
}

TfrmTrovaRic::TfrmTrovaRic(Services& services, DistintaEditor& editor, QWidget* owner)
    : DialogBase(owner), m_services(services), m_editor(editor) {
    setObjectName(QStringLiteral("TfrmTrovaRic"));
    setWindowTitle(QStringLiteral(" Trova distinte in archivio"));

    m_panAvvio = buildCriteriaPanel();
    m_panContainer = buildResultsPanel();
    m_panContainer->hide();
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_panAvvio, 0, 0);
    layout->addWidget(m_panContainer, 0, 0);
}

QWidget* TfrmTrovaRic::buildCriteriaPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));
    panel->setFixedSize(kPanelSize);
    auto* layout = new QVBoxLayout(panel);

    layout->addWidget(listscreen::heading(panel, QStringLiteral("TROVA DISTINTE IN ARCHIVIO"),
                                          QStringLiteral("titTrova")));
    layout->addWidget(listscreen::instruction(
        panel,
        QStringLiteral("Digitare nei campi prescelti una o più parole consecutive presenti nelle "
                       "distinte da trovare e premere Cerca. Lasciare vuoti gli altri campi: "
                       "si possono usare più campi in una sola ricerca."),
        QStringLiteral("imgIstruzioni")));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(14);
    for (std::size_t i = 0; i < kCriteria.size(); ++i) {
        const QString name = QString::fromLatin1(kCriteria[i].name);
        auto* caption = new QLabel(QString::fromUtf8(kCriteria[i].caption), panel);
        auto* field = new QLineEdit(panel);
        field->setObjectName(QStringLiteral("txt") + name);
        field->setFont(formfont::bold(12));
        // The buyer lines are long texts; number, date and total are short.
        const bool buyerLine = i >= 2 && i <= 4;
        field->setMinimumWidth(buyerLine ? 520 : 220);
        caption->setBuddy(field);
        grid->addWidget(caption, int(i), 0, Qt::AlignRight);
        grid->addWidget(field, int(i), 1, Qt::AlignLeft);
        createFocusRectangle(field, QStringLiteral("eff") + name);
        m_criteria[i] = field;
    }
    for (std::size_t i = 0; i < m_criteria.size(); ++i)
        setEnterNext(m_criteria[i], m_criteria[(i + 1) % m_criteria.size()]);
    m_chkTuttiGliAnni = new QCheckBox(QStringLiteral("Cerca in tutti gli anni"), panel);
    m_chkTuttiGliAnni->setObjectName(QStringLiteral("chkTuttiGliAnni"));
    m_chkTuttiGliAnni->setFont(formfont::bold(12));
    grid->addWidget(m_chkTuttiGliAnni, int(kCriteria.size()), 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addStretch();

    m_lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panel);
    m_lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    m_lblAttendere->setStyleSheet(QStringLiteral("color: darkcyan; font-weight: bold;"));
    QSizePolicy keep = m_lblAttendere->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_lblAttendere->setSizePolicy(keep);
    m_lblAttendere->hide();
    m_lblConta = listscreen::hiddenLabel(panel, QStringLiteral("lblConta"), QStringLiteral("0"));

    auto* btnCerca =
        commandbutton::plain(panel, QStringLiteral("btnCerca"), QStringLiteral("Cerca"));
    auto* btnAnnulla =
        commandbutton::plain(panel, QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"));
    // Shown as soon as the button goes down and painted at once, so the
    // wait label is on screen while the search runs.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        m_lblAttendere->show();
        m_lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaRic::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_lblAttendere);
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnCerca);
    layout->addLayout(buttons);
    return panel;
}

QWidget* TfrmTrovaRic::buildResultsPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->setFixedSize(kPanelSize);
    auto* layout = new QVBoxLayout(panel);
    m_results.build(
        this, panel, layout, m_services,
        {QStringLiteral("RISULTATI DI RICERCA"), QStringLiteral("titRisultati"), kPrintTitle},
        listPrinter(m_services, this));
    connect(m_results.list(), &ResultList::rowDoubleClicked, this,
            &TfrmTrovaRic::lstRecordsDblClick);

    m_lblTrovate = new QLabel(QStringLiteral("Il presente riepilogo contiene 0 schede"), panel);
    m_lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    m_lblTrovate->setStyleSheet(QStringLiteral("color: darkcyan; font-weight: bold;"));
    m_results.commands()->insertWidget(0, m_lblTrovate);
    return panel;
}

void TfrmTrovaRic::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    if (event->spontaneous())
        return;
    m_results.resetFind();
    m_results.list()->selectRow(0);
    m_criteria[0]->setFocus();
}

void TfrmTrovaRic::done(int result) {
    m_results.list()->clear();
    m_lblAttendere->hide();
    DialogBase::done(result);
}

distintasearch::Criteria TfrmTrovaRic::criteria() const {
    return {m_criteria[0]->text(), m_criteria[1]->text(), m_criteria[2]->text(),
            m_criteria[3]->text(), m_criteria[4]->text(), m_criteria[5]->text()};
}

void TfrmTrovaRic::btnCercaClick() {
    const distintasearch::Criteria typed = criteria();
    m_lblConta->setText(QString::number(distintasearch::filledCount(typed)));
    m_lblAttendere->show();
    m_lblAttendere->repaint();
    QList<ResultRow> rows;
    qsizetype found = 0;
    if (m_chkTuttiGliAnni->isChecked()) {
        // An archive that cannot be read is named in the list itself, so the
        // other years still show.
        distintasearch::YearsListing listing =
            distintasearch::searchEveryYear(m_services.folder, typed);
        found = listing.found();
        rows = std::move(listing.rows);
        m_results.setPrintTitle(kPrintTitle + kEveryYearSuffix);
    } else {
        distintasearch::Listing listing = distintasearch::search(m_editor.archivePath(), typed);
        if (!listing.ok) {
            m_lblAttendere->hide();
            m_services.messages.message(this, TfrmRicevute::kAccessFailure);
            return;
        }
        found = listing.rows.size();
        rows = std::move(listing.rows);
        m_results.setPrintTitle(kPrintTitle);
    }
    m_lblAttendere->hide();
    m_results.list()->setRows(std::move(rows));
    m_lblTrovate->setText(countText(found));
    m_panAvvio->hide();
    m_panContainer->show();
    m_results.findField()->clear();
    m_results.findField()->setFocus();
}

void TfrmTrovaRic::lstRecordsDblClick() {
    const std::optional<ResultRow> row = m_results.list()->selectedRow();
    // The row naming an unreadable archive stands for no distinta.
    if (row && row->position == 0 && !row->year.isEmpty())
        return;
    // With no row selected the screen closes without a word.
    if (!row) {
        reject();
        return;
    }
    m_chosen = row;
    accept();
}
