#include "reports/ui/TfrmMenuRiepLavoro.h"

#include "common/Dates.h"
#include "common/TextRules.h"
#include "distinte/YearChoice.h"
#include "help/ui/TfrmGuida.h"
#include "reports/IncomeInterval.h"
#include "reports/IncomeSummary.h"
#include "reports/ui/ChoiceField.h"
#include "reports/ui/TfrmRiepLavoro.h"
#include "widgets/ArchiveMessages.h"
#include "widgets/DeferredPictures.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldExit.h"
#include "widgets/FormFonts.h"
#include "widgets/KeyFilters.h"
#include "widgets/MenuCard.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenPreamble.h"
#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"
#include "widgets/YearField.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* caption(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setFont(formfont::bold(11));
    return l;
}

} // namespace

TfrmMenuRiepLavoro::TfrmMenuRiepLavoro(Services& services, ScreenRouter& router, QWidget* parent)
    : QWidget(parent), m_services(services), m_router(router) {
    prepareScreen(this, QStringLiteral("TfrmMenuRiepLavoro"),
                  QStringLiteral(" Vellarmo - Riepilogo Incassi"), QColor(0xE4E7EB));

    auto* heading = menucard::heading(this, QStringLiteral("Riepilogo incassi"),
                                      QStringLiteral("intRiepilogo"));
    const auto instruction = [this](const QString& text) {
        auto* l = new QLabel(text, this);
        l->setFont(formfont::plain(10));
        l->setWordWrap(true);
        return l;
    };
    QGridLayout* fields = buildFields();
    QHBoxLayout* interval = buildInterval();
    buildHiddenLabels();
    QHBoxLayout* commands = buildCommands();
    // Enter goes field by field, and on Visualizza shows the summary.
    setEnterNext(m_txtAnno, m_txtCliente);
    setEnterNext(m_txtCliente, m_txtGiornoInizio);
    setEnterNext(m_txtGiornoInizio, m_txtMeseInizio);
    setEnterNext(m_txtMeseInizio, m_txtGiornoFine);
    setEnterNext(m_txtGiornoFine, m_txtMeseFine);
    setEnterNext(m_txtMeseFine, m_btnVisualizza);
    setEnterAction(m_btnVisualizza, [this] { btnVisualizzaClick(); });

    auto* card = menucard::card(this, QStringLiteral("bkgRiepilogo"), 900);
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(24, 20, 24, 20);
    cardLayout->setSpacing(12);
    cardLayout->addWidget(heading);
    cardLayout->addWidget(instruction(
        QStringLiteral("Indicare l'anno solare di interesse e i dati dell'acquirente (rigo 1).")));
    cardLayout->addWidget(instruction(
        QStringLiteral("Per ottenere il riepilogo delle distinte rilasciate a tutti gli "
                       "acquirenti, lasciare in bianco il campo di testo corrispondente.")));
    cardLayout->addLayout(fields);
    cardLayout->addWidget(
        instruction(QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da "
                                   "riepilogare in base alla data di emissione delle distinte.")));
    cardLayout->addLayout(interval);
    cardLayout->addLayout(commands);

    QToolButton* imgGuida = menucard::helpButton(this, QStringLiteral("imgGuida"), 44);
    // The entry screen explains the same summary as its result screen.
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { showHelpTopic(m_services, this, help::Topic::Riepilogo); });
    menucard::layOut(this, card, {imgGuida});
}

// The year and the buyer's line 1, with their captions.
QGridLayout* TfrmMenuRiepLavoro::buildFields() {
    m_txtAnno = yearfield::make(this, QStringLiteral("txtAnno"), {12, 80, false});
    m_txtAnno->installEventFilter(this);
    m_txtCliente = new QLineEdit(this);
    m_txtCliente->setObjectName(QStringLiteral("txtCliente"));
    m_txtCliente->setFont(formfont::bold(12));
    m_txtCliente->setMaxLength(120);

    auto* fields = new QGridLayout;
    fields->addWidget(caption(this, QStringLiteral("Anno:")), 0, 0);
    fields->addWidget(m_txtAnno, 0, 1, Qt::AlignLeft);
    fields->addWidget(caption(this, QStringLiteral("Dati acquirente (rigo 1):")), 1, 0);
    fields->addWidget(m_txtCliente, 1, 1);
    fields->setColumnStretch(1, 1);
    return fields;
}

// The interval's start and end side by side.
QHBoxLayout* TfrmMenuRiepLavoro::buildInterval() {
    auto* start = buildIntervalGroup(QStringLiteral(" Data inizio intervallo: "),
                                     &m_txtGiornoInizio, &m_txtMeseInizio, &m_lblAnnoInizio,
                                     "txtGiornoInizio", "txtMeseInizio", "lblAnnoInizio");
    auto* end = buildIntervalGroup(QStringLiteral(" Data fine intervallo: "), &m_txtGiornoFine,
                                   &m_txtMeseFine, &m_lblAnnoFine, "txtGiornoFine", "txtMeseFine",
                                   "lblAnnoFine");

    auto* interval = new QHBoxLayout;
    interval->addWidget(start);
    interval->addWidget(end);
    return interval;
}

void TfrmMenuRiepLavoro::buildHiddenLabels() {
    m_lblDataInizio = new QLabel(this);
    m_lblDataInizio->setObjectName(QStringLiteral("lblDataInizio"));
    m_lblDataFine = new QLabel(this);
    m_lblDataFine->setObjectName(QStringLiteral("lblDataFine"));
    m_lblFile = new QLabel(this);
    m_lblFile->setObjectName(QStringLiteral("lblFile"));
    for (QLabel* hidden : {m_lblDataInizio, m_lblDataFine, m_lblFile})
        hidden->hide();
}

// "Attendere..." while the summary loads, then Visualizza and Esci.
QHBoxLayout* TfrmMenuRiepLavoro::buildCommands() {
    m_lblAttendere =
        new QLabel(QStringLiteral("Caricamento riepilogo in corso. Attendere..."), this);
    m_lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    m_lblAttendere->setFont(formfont::bold(10));
    m_lblAttendere->setStyleSheet(QStringLiteral("color: #B22234;"));
    // Keeps its place in the layout while hidden, so nothing jumps.
    QSizePolicy keepPlace = m_lblAttendere->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_lblAttendere->setSizePolicy(keepPlace);
    m_lblAttendere->hide();

    m_btnVisualizza = new QPushButton(QStringLiteral("Visualizza riepilogo"), this);
    m_btnVisualizza->setObjectName(QStringLiteral("btnVisualizza"));
    auto* btnEsci = new QPushButton(QStringLiteral("Esci"), this);
    btnEsci->setObjectName(QStringLiteral("btnEsci"));
    for (QPushButton* b : {m_btnVisualizza, btnEsci}) {
        b->setFont(formfont::bold(11));
        b->setCursor(Qt::PointingHandCursor);
        b->setMinimumSize(200, 40);
    }
    connect(m_btnVisualizza, &QPushButton::pressed, m_lblAttendere, &QWidget::show);
    connect(m_btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepLavoro::btnVisualizzaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_lblAttendere, 1);
    commands->addWidget(m_btnVisualizza);
    commands->addWidget(btnEsci);

    return commands;
}

QWidget* TfrmMenuRiepLavoro::buildIntervalGroup(const QString& title, QComboBox** day,
                                                QComboBox** month, QLabel** year,
                                                const char* dayName, const char* monthName,
                                                const char* yearName) {
    auto* group = new QGroupBox(title, this);
    group->setFont(formfont::bold(10));
    *day = makeChoiceField(group, QString::fromLatin1(dayName), incomeinterval::dayChoices(), 2,
                           [](const QString& t) { return incomeinterval::isDayChoice(t); });
    *month = makeChoiceField(group, QString::fromLatin1(monthName), incomeinterval::monthChoices(),
                             9, [](const QString& t) { return incomeinterval::isMonthChoice(t); });
    (*day)->setMinimumWidth(70);
    (*month)->setMinimumWidth(150);
    *year = new QLabel(m_copiedYear, group);
    (*year)->setObjectName(QString::fromLatin1(yearName));
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(QStringLiteral("Giorno:"), group));
    row->addWidget(*day);
    row->addSpacing(8);
    row->addWidget(new QLabel(QStringLiteral("Mese:"), group));
    row->addWidget(*month);
    row->addWidget(*year);
    row->addStretch();
    return group;
}

void TfrmMenuRiepLavoro::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_txtCliente->clear();
    for (QComboBox* field : {m_txtGiornoInizio, m_txtMeseInizio, m_txtGiornoFine, m_txtMeseFine}) {
        field->setCurrentIndex(-1);
        field->setEditText(QString());
    }
    m_txtAnno->setText(dates::currentYear());
    copyYearToLabels();
    m_txtCliente->setFocus();
}

void TfrmMenuRiepLavoro::closeEvent(QCloseEvent* event) {
    event->accept();
    m_router.switchTo(MainScreen::Avvio, this);
}

bool TfrmMenuRiepLavoro::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_txtAnno && (event->type() == QEvent::KeyRelease ||
                                 (event->type() == QEvent::FocusOut && isFieldExit(event))))
        copyYearToLabels();
    return QWidget::eventFilter(watched, event);
}

void TfrmMenuRiepLavoro::copyYearToLabels() {
    m_copiedYear = text::trimmed(m_txtAnno->text());
    m_lblAnnoInizio->setText(m_copiedYear);
    m_lblAnnoFine->setText(m_copiedYear);
}

void TfrmMenuRiepLavoro::btnVisualizzaClick() {
    m_lblDataInizio->clear();
    m_lblDataFine->clear();
    const incomeinterval::Check check = incomeinterval::check(
        {m_txtAnno->text(), m_txtGiornoInizio->currentText(), m_txtMeseInizio->currentText(),
         m_txtGiornoFine->currentText(), m_txtMeseFine->currentText(), m_copiedYear, m_copiedYear});
    m_lblDataInizio->setText(check.startDate);
    m_lblDataFine->setText(check.endDate);
    if (!check.ok) {
        m_lblAttendere->hide();
        if (check.plain)
            m_services.messages.message(this, check.message);
        else
            m_services.messages.notice(this, MessageBoxes::Icon::Warning, check.message);
        using Focus = incomeinterval::Focus;
        switch (check.focus) {
        case Focus::Year:
            m_txtAnno->setFocus();
            break;
        case Focus::StartDay:
            m_txtGiornoInizio->setFocus();
            break;
        case Focus::StartMonth:
            m_txtMeseInizio->setFocus();
            break;
        case Focus::EndDay:
            m_txtGiornoFine->setFocus();
            break;
        case Focus::EndMonth:
            m_txtMeseFine->setFocus();
            break;
        case Focus::Unchanged:
            break;
        }
        return;
    }

    m_lblAttendere->show();
    const QString archive = yearchoice::archivePath(m_services.folder, m_txtAnno->text());
    m_lblFile->setText(archive);
    const QString filter = m_txtCliente->text();
    incomesummary::Result summary =
        incomesummary::summarize({archive, filter, check.startDate, check.endDate});
    if (!summary.readable) {
        m_lblAttendere->hide();
        m_services.messages.message(this, archivemessage::kFileInaccessible);
        return;
    }
    TfrmRiepLavoro result(m_services, this, m_findMemory);
    result.showSummary(std::move(summary), filter, check.startDate, check.endDate);
    m_services.dialogs.exec(&result);
    m_lblAttendere->hide();
}
