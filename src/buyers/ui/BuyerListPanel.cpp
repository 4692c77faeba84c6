#include "buyers/ui/BuyerListPanel.h"

#include "output/ui/ListPrinter.h"
#include "widgets/Pictures.h"
#include "widgets/ResultList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

BuyerListPanel::BuyerListPanel(Services& services, const QString& heading,
                               const QString& printTitle, bool withCount, QWidget* parent)
    : QWidget(parent), m_services(services), m_list(new ResultList(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* titolo = new QLabel(this);
    titolo->setObjectName(QStringLiteral("titRisultati"));
    titolo->setPixmap(pictures::title(heading, QSize(900, 44), 20));
    titolo->setAccessibleName(heading);
    layout->addWidget(titolo);
    const QString instructions =
        QStringLiteral("Digitare una o più parole consecutive presenti nella voce da cercare e "
                       "premere Trova; per passare alla voce successiva che contiene le stesse "
                       "parole, fare di nuovo clic su Trova.");
    auto* istruzioni = new QLabel(instructions, this);
    istruzioni->setObjectName(QStringLiteral("lblIstruzioniTrova"));
    istruzioni->setWordWrap(true);
    layout->addWidget(istruzioni);

    const ResultList::FindControls find = m_list->makeFindControls(this, services, m_findMemory);
    m_txtTrova = find.txtTrova;
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(find.txtTrova, 1);
    findRow->addWidget(find.btnTrova);
    layout->addLayout(findRow);

    m_list->setMinimumSize(900, 380);
    layout->addWidget(m_list, 1);

    auto* lblRigo03 = new QLabel(
        QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"), this);
    lblRigo03->setObjectName(QStringLiteral("lblRigo03"));
    lblRigo03->setStyleSheet(QStringLiteral("color: crimson;"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblRigo03);
    bottom->addStretch();
    if (withCount) {
        m_lblTrovate = new QLabel(countText(0), this);
        m_lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
        m_lblTrovate->setStyleSheet(QStringLiteral("color: darkcyan;"));
        bottom->addWidget(m_lblTrovate);
    }
    layout->addLayout(bottom);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* btnStampa = new QPushButton(QStringLiteral("Stampa"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton* b : {btnStampa, btnChiudi}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(btnStampa, &QPushButton::clicked, this, [this, printTitle] {
        printList(m_services, window(), printTitle, m_list->rows().lines());
    });
    connect(btnChiudi, &QPushButton::clicked, this, &BuyerListPanel::closeRequested);
    connect(m_list, &ResultList::rowDoubleClicked, this, &BuyerListPanel::rowChosen);
}

QString BuyerListPanel::countText(qsizetype rows) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede").arg(rows);
}

void BuyerListPanel::setRows(QList<ResultRow> rows) {
    if (m_lblTrovate != nullptr)
        m_lblTrovate->setText(countText(rows.size()));
    m_list->setRows(std::move(rows));
}

void BuyerListPanel::resetFind() {
    m_findMemory.forget();
    m_txtTrova->clear();
}
