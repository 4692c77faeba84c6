#include "reports/ui/TfrmRiepLavoro.h"

#include "common/ListFind.h"
#include "help/ui/TfrmGuida.h"
#include "output/ui/ListPrinter.h"
#include "widgets/CommandButtons.h"
#include "widgets/FormFonts.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/ResultList.h"
#include "widgets/Services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* label(QWidget* parent, const QString& text, int points, bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setFont(bold ? formfont::bold(points) : formfont::plain(points));
    return l;
}

} // namespace

TfrmRiepLavoro::TfrmRiepLavoro(Services& services, QWidget* owner, listfind::Memory& findMemory)
    : DialogBase(owner), m_services(services) {
    setObjectName(QStringLiteral("TfrmRiepLavoro"));
    setWindowTitle(QStringLiteral(" Vellarmo - Riepilogo Incassi"));
    // Shown maximised, with the frame of a window that is.
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowMaximized);

    m_titTipologia = label(this, QStringLiteral("- - -"), 12, true);
    m_titTipologia->setObjectName(QStringLiteral("titTipologia"));
    m_list = new ResultList(this);
    const ResultList::FindControls find = m_list->makeFindControls(this, services, findMemory);
    m_lblIntervallo = label(this, QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"), 11, true);
    m_lblIntervallo->setObjectName(QStringLiteral("lblIntervallo"));
    m_lblTotCosti = label(this, QStringLiteral("0,00"), 14, true);
    m_lblTotCosti->setObjectName(QStringLiteral("lblTotCosti"));
    m_lblTotCosti->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblTotCosti->setMinimumWidth(160);
    m_lblConta = new QLabel(QStringLiteral("0"), this);
    m_lblConta->setObjectName(QStringLiteral("lblConta"));
    m_lblConta->hide();

    auto* btnStampa = commandbutton::bold(this, QStringLiteral("btnStampa"),
                                          QStringLiteral("Stampa riepilogo"), QSize(170, 36));
    auto* btnEsci = commandbutton::bold(this, QStringLiteral("btnEsci"), QStringLiteral("Esci"),
                                        QSize(170, 36));
    auto* imgGuida =
        makePictureButton(this, QStringLiteral("imgGuida"),
                          QIcon(pictures::roundIcon(QStringLiteral("?"), pictures::kTeal, 48)));
    imgGuida->setIconSize(QSize(36, 36));
    connect(btnStampa, &QPushButton::clicked, this, &TfrmRiepLavoro::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::reject);
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { showHelpTopic(m_services, this, help::Topic::Riepilogo); });

    auto* top = new QHBoxLayout;
    top->addWidget(label(this, QStringLiteral("Acquirente:"), 12));
    top->addWidget(m_titTipologia, 1);
    top->addWidget(find.txtTrova);
    top->addWidget(find.btnTrova);
    top->addWidget(imgGuida);

    auto* figures = new QGridLayout;
    figures->addWidget(label(this, QStringLiteral("Intervallo selezionato:"), 11), 0, 0);
    figures->addWidget(m_lblIntervallo, 0, 1);
    figures->addWidget(label(this, QStringLiteral("Totale importi incassati:"), 11), 1, 0);
    figures->addWidget(m_lblTotCosti, 1, 1, Qt::AlignLeft);
    figures->setColumnStretch(2, 1);
    figures->addWidget(btnStampa, 0, 3, 2, 1);
    figures->addWidget(btnEsci, 0, 4, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addLayout(figures);
}

void TfrmRiepLavoro::showSummary(incomesummary::Result summary, const QString& filter,
                                 const QString& startDate, const QString& endDate) {
    m_lblConta->setText(incomesummary::hasFilter(filter) ? QStringLiteral("1")
                                                         : QStringLiteral("0"));
    m_heading = incomesummary::buyerHeading(filter);
    m_interval = incomesummary::intervalText(startDate, endDate);
    m_total = incomesummary::totalText(summary.sum);
    m_titTipologia->setText(m_heading);
    m_list->setRows(std::move(summary.rows));
    m_lblIntervallo->setText(m_interval);
    m_lblTotCosti->setText(m_total);
    m_damageWarning = summary.damaged.warning();
}

void TfrmRiepLavoro::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    if (event->spontaneous())
        return;
    if (auto* txtTrova = findChild<QLineEdit*>(QStringLiteral("txtTrova")))
        txtTrova->setFocus();
    if (!m_damageWarning.isEmpty()) {
        // After the list is on screen, so the user sees what the warning is about.
        QTimer::singleShot(0, this, [this] {
            m_services.messages.notice(this, MessageBoxes::Icon::Warning, m_damageWarning);
            m_damageWarning.clear();
        });
    }
}

void TfrmRiepLavoro::done(int result) {
    m_list->clear();
    DialogBase::done(result);
}

void TfrmRiepLavoro::btnStampaClick() {
    if (m_list->rows().isEmpty()) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning,
                                   QStringLiteral("Operazione di stampa non applicabile: il "
                                                  "riepilogo non contiene nessuna voce."));
        return;
    }
    if (!m_services.messages.question(this,
                                      QStringLiteral("Si vuole stampare il presente riepilogo?")))
        return;
    printList(m_services, this, incomesummary::printTitle(m_heading),
              incomesummary::printLines(m_list->rows().lines(), m_interval, m_total));
}
