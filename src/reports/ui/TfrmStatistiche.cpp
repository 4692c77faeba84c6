#include "reports/ui/TfrmStatistiche.h"

#include "chart/ui/ChartPainter.h"
#include "chart/ui/ChartView.h"
#include "common/Amounts.h"
#include "common/Dates.h"
#include "common/TextRules.h"
#include "distinte/YearChoice.h"
#include "help/ui/TfrmGuida.h"
#include "output/ui/ReportOutput.h"
#include "reports/MonthlyIncome.h"
#include "widgets/ArchiveMessages.h"
#include "widgets/CommandButtons.h"
#include "widgets/DeferredPictures.h"
#include "widgets/EnterChain.h"
#include "widgets/FormFonts.h"
#include "widgets/KeyFilters.h"
#include "widgets/MenuCard.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenPreamble.h"
#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"
#include "widgets/StatusHints.h"
#include "widgets/YearField.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const kMemNames[] = {"memGennaio",   "memFebbraio", "memMarzo",    "memAprile",
                                 "memMaggio",    "memGiugno",   "memLuglio",   "memAgosto",
                                 "memSettembre", "memOttobre",  "memNovembre", "memDicembre"};

// The chart's commands, all of one size.
QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    return commandbutton::bold(parent, QString::fromLatin1(name), caption, QSize(0, 36));
}

ChartText chartText(const QString& text, int points, unsigned int argb) {
    return ChartText{text, formfont::bold(points), QColor::fromRgba(argb)};
}

} // namespace

TfrmStatistiche::TfrmStatistiche(Services& services, ScreenRouter& router, QWidget* parent)
    : QWidget(parent), m_services(services), m_router(router) {
    prepareScreen(this, QStringLiteral("TfrmStatistiche"),
                  QStringLiteral(" Vellarmo - Statistiche Incassi"), QColor(0xE4E7EB));

    m_panAvvio = buildYearPanel();
    m_panContainer = buildChartPanel();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panAvvio);
    layout->addWidget(m_panContainer);
    m_panContainer->hide();
}

QWidget* TfrmStatistiche::buildYearPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));

    auto* heading = menucard::heading(panel, QStringLiteral("Statistiche incassi"),
                                      QStringLiteral("intStatistiche"));
    auto* lblApri = new QLabel(QStringLiteral("Indicare l'anno solare e premere Apri."), panel);
    lblApri->setObjectName(QStringLiteral("lblApri"));
    lblApri->setFont(formfont::plain(11));

    m_txtAnno = yearfield::make(panel, QStringLiteral("txtAnno"), {26, 150});
    auto* btnApri = commandbutton::bold(panel, QStringLiteral("btnApri"), QStringLiteral("Apri"),
                                        QSize(120, 48));
    yearfield::wireOpen(m_txtAnno, btnApri, [this] { btnApriClick(); });

    m_lblFile = new QLabel(panel);
    m_lblFile->setObjectName(QStringLiteral("lblFile"));
    m_lblFile->hide();
    for (const char* name : kMemNames) {
        auto* mem = new QLabel(panel);
        mem->setObjectName(QString::fromLatin1(name));
        mem->hide();
        m_memMonths.append(mem);
    }

    auto* yearRow = new QHBoxLayout;
    yearRow->addStretch();
    yearRow->addWidget(m_txtAnno);
    yearRow->addSpacing(16);
    yearRow->addWidget(btnApri);
    yearRow->addStretch();

    auto* card = menucard::card(panel, QStringLiteral("bkgAnno"), 640);
    QVBoxLayout* cardLayout = menucard::column(card);
    cardLayout->addWidget(heading);
    cardLayout->addWidget(lblApri);
    cardLayout->addLayout(yearRow);

    QToolButton* imgGuida = menucard::helpButton(panel, QStringLiteral("imgGuida"), 44);
    QToolButton* imgEsci = menucard::exitButton(panel, QStringLiteral("imgEsci"), 44);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmStatistiche::showHelp);

    menucard::layOut(panel, card, {imgGuida, imgEsci});
    return panel;
}

QWidget* TfrmStatistiche::buildChartPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));

    m_lblTitolo = new QLabel(
        QStringLiteral("Rappresentazione grafica degli incassi percepiti nell'anno solare."),
        panel);
    m_lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    m_lblTitolo->setFont(formfont::bold(20));
    m_lblTitolo->setWordWrap(true);
    const auto infoLine = [panel](const char* name, const QString& text) {
        auto* label = new QLabel(text, panel);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(formfont::plain(10));
        label->setWordWrap(true);
        return label;
    };
    auto* lblRigo04 = infoLine("lblRigo04", QStringLiteral("Il presente grafico statistico mostra "
                                                           "gli incassi relativi a ciascun mese "
                                                           "dell'anno in base alle distinte "
                                                           "emesse."));
    auto* lblRigo05 = infoLine("lblRigo05", QStringLiteral("Servirsi dei pulsanti in calce per "
                                                           "visualizzare il tipo di grafico "
                                                           "desiderato e per mandarlo in "
                                                           "stampa."));

    m_chart = new ChartView(panel);
    m_chart->setObjectName(QStringLiteral("ChartStats"));
    m_chart->setTitle(chartText(QStringLiteral("Statistiche incassi percepiti"), 20, 0xFFD04498));
    m_chart->setFoot(
        chartText(QStringLiteral("Tutti gli importi sono arrotondati all'euro"), 11, 0xFF7294F9));
    m_chart->setLegendTitle(QStringLiteral("Incassi:"));

    auto* btnTorta = button(panel, "btnTorta", QStringLiteral("Visualizza grafico a torta"));
    auto* btnBarre = button(panel, "btnBarre", QStringLiteral("Visualizza grafico a barre"));
    auto* btnStampa = button(panel, "btnStampa", QStringLiteral("Stampa grafico"));
    auto* btnEsci = button(panel, "btnEsci", QStringLiteral("Esci"));
    QToolButton* cmdGuida = menucard::helpButton(panel, QStringLiteral("cmdGuida"), 44);
    cmdGuida->setIconSize(QSize(32, 32));
    connect(btnTorta, &QPushButton::clicked, this, [this] { setStyle(ChartContent::Style::Pie); });
    connect(btnBarre, &QPushButton::clicked, this, [this] { setStyle(ChartContent::Style::Bars); });
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStatistiche::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdGuida, &QToolButton::clicked, this, &TfrmStatistiche::showHelp);

    m_panInfo = new QLabel(QStringLiteral("Grafico statistico degli incassi annuali."), panel);
    m_panInfo->setObjectName(QStringLiteral("panInfo"));
    m_panInfo->setFrameShape(QFrame::Panel);
    m_panInfo->setFrameShadow(QFrame::Sunken);

    auto* hints = new StatusHints(m_panInfo);
    hints->addHint(btnBarre, QStringLiteral("Visualizza le statistiche degli incassi percepiti "
                                            "sotto forma di grafico a barre tridimensionali."));
    hints->addHint(btnTorta, QStringLiteral("Visualizza le statistiche degli incassi percepiti "
                                            "sotto forma di grafico a torta tridimensionale."));
    hints->addHint(btnStampa, QStringLiteral("Stampa il grafico corrente."));
    hints->addHint(btnEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    hints->addHint(cmdGuida,
                   QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    for (QWidget* area :
         {static_cast<QWidget*>(this), panel, m_panAvvio, static_cast<QWidget*>(m_chart)})
        hints->addBackground(area);

    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {btnBarre, btnTorta, btnStampa, btnEsci})
        commands->addWidget(b, 1);
    commands->addWidget(cmdGuida);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 12, 16, 6);
    layout->addWidget(m_lblTitolo);
    layout->addWidget(lblRigo04);
    layout->addWidget(lblRigo05);
    layout->addWidget(m_chart, 1);
    layout->addLayout(commands);
    layout->addWidget(m_panInfo);
    return panel;
}

// Both panels show the same topic.
void TfrmStatistiche::showHelp() {
    showHelpTopic(m_services, this, help::Topic::Statistiche);
}

void TfrmStatistiche::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_txtAnno->setText(dates::currentYear());
    m_chart->clearSeries();
    m_panContainer->hide();
    m_panAvvio->show();
    m_txtAnno->setFocus();
}

void TfrmStatistiche::closeEvent(QCloseEvent* event) {
    event->accept();
    m_router.switchTo(MainScreen::Avvio, this);
}

void TfrmStatistiche::btnApriClick() {
    const QString typed = m_txtAnno->text();
    if (!yearchoice::isAcceptedYear(typed)) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, yearchoice::kYearWarning);
        m_txtAnno->setFocus();
        return;
    }
    const QString year = text::trimmed(typed);
    const QString archive = yearchoice::archivePath(m_services.folder, year);
    m_lblFile->setText(archive);
    m_lblTitolo->setText(monthlyincome::headingFor(year));

    const monthlyincome::Sums sums = monthlyincome::read(archive, year);
    if (!sums.readable) {
        m_services.messages.message(this, archivemessage::kFileInaccessible);
        return;
    }
    const QStringList labels = monthlyincome::monthLabels();
    const auto colours = monthlyincome::monthColours();
    m_chart->clearSeries();
    for (int m = 0; m < monthlyincome::kMonths; ++m) {
        const double euros = sums.euros[std::size_t(m)];
        m_memMonths[m]->setText(amounts::formatNumber(euros));
        m_chart->addPoint(labels[m], euros, QColor::fromRgba(colours[std::size_t(m)]));
    }
    m_chart->setStyle(m_style);
    m_panAvvio->hide();
    m_panContainer->show();
    if (!sums.damaged.isEmpty())
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, sums.damaged.warning());
}

void TfrmStatistiche::setStyle(ChartContent::Style style) {
    m_style = style;
    m_chart->setStyle(style);
}

void TfrmStatistiche::btnStampaClick() {
    if (!m_services.messages.question(
            this, QStringLiteral("Si vuole stampare il presente grafico statistico?")))
        return;
    const std::optional<QString> answer =
        m_services.input.askText(this, QStringLiteral("Numero copie da stampare"),
                                 QStringLiteral("Copie:"), QStringLiteral("1"));
    if (!answer)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(monthlyincome::copiesFromAnswer(*answer));
    if (!m_services.printers.choosePrinter(this, &printer))
        return;
    // Each copy is printed as its own page, so the driver must not repeat them.
    const int copies = std::max(printer.copyCount(), 1);
    printer.setCopyCount(1);
    if (!chartpainter::print(printer, m_chart->content(), copies))
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, reportoutput::kPrintFailed);
}
