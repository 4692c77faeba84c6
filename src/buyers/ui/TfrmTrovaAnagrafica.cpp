#include "buyers/ui/TfrmTrovaAnagrafica.h"

#include "buyers/ui/BuyerListPanel.h"
#include "widgets/ArchiveMessages.h"
#include "widgets/EnterChain.h"
#include "widgets/FieldHighlight.h"
#include "widgets/FormFonts.h"
#include "widgets/ResultList.h"
#include "widgets/Services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {

struct CriterionField {
    const char* name;
    const char* caption;
};
const CriterionField kFields[buyersearch::CriterionCount] = {
    {"Nome", "Nome, cognome o Ragione sociale:"},
    {"Localita", "Località:"},
    {"Tel", "Tel."},
    {"DataNasc", "Data di nascita:"},
    {"CodFisc", "Codice fiscale:"},
    {"PartitaIva", "Partita IVA:"},
    {"Occupazione", "Occupazione:"},
    {"Prodotti", "Prodotti di interesse:"},
    {"Questioni", "Questioni in sospeso:"},
    {"Note", "Note:"},
};

} // namespace

std::optional<buyersearch::Chosen> TfrmTrovaAnagrafica::choose(Services& services, QWidget* owner) {
    TfrmTrovaAnagrafica dialog(services, owner);
    if (services.dialogs.exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(Services& services, QWidget* owner)
    : DialogBase(owner), m_services(services), m_pages(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("TfrmTrovaAnagrafica"));
    setWindowTitle(QStringLiteral(" Trova dati anagrafici in archivio"));

    // Criteria page.
    auto* panAvvio = new QWidget;
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    auto* criteria = new QVBoxLayout(panAvvio);
    auto* istruzioni = new QLabel(
        QStringLiteral("Digitare nei campi prescelti una o più parole consecutive "
                       "presenti nelle schede da trovare e premere Cerca; lasciare vuoti tutti "
                       "gli altri campi. È possibile usare uno o più campi contemporaneamente."),
        panAvvio);
    istruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    istruzioni->setWordWrap(true);
    auto* lente = new QLabel(panAvvio);
    lente->setObjectName(QStringLiteral("icoLente"));
    lente->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(40, 40));
    auto* intro = new QHBoxLayout;
    intro->addWidget(lente);
    intro->addWidget(istruzioni, 1);
    criteria->addLayout(intro);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < buyersearch::CriterionCount; ++i) {
        auto* field = new QLineEdit(panAvvio);
        const QString name = QString::fromLatin1(kFields[i].name);
        field->setObjectName(QStringLiteral("txt") + name);
        field->setFont(formfont::bold(12));
        grid->addWidget(new QLabel(QString::fromUtf8(kFields[i].caption), panAvvio), (i / 2) * 2,
                        i % 2);
        grid->addWidget(field, (i / 2) * 2 + 1, i % 2);
        createFocusRectangle(field, QStringLiteral("eff") + name);
        m_criteria[i] = field;
    }
    for (int i = 0; i < buyersearch::CriterionCount; ++i)
        setEnterNext(m_criteria[i], m_criteria[(i + 1) % buyersearch::CriterionCount]);
    criteria->addLayout(grid);
    criteria->addStretch();
    m_lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio);
    m_lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    m_lblAttendere->setStyleSheet(QStringLiteral("color: darkcyan;"));
    m_lblAttendere->hide();
    m_lblConta = new QLabel(QStringLiteral("0"), panAvvio);
    m_lblConta->setObjectName(QStringLiteral("lblConta"));
    m_lblConta->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_lblAttendere);
    buttons->addStretch();
    auto* btnCerca = new QPushButton(QStringLiteral("Cerca"), panAvvio);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    auto* btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton* b : {btnCerca, btnAnnulla}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    criteria->addLayout(buttons);

    // Results page.
    m_results = new BuyerListPanel(services, QStringLiteral("RISULTATI DI RICERCA"),
                                   QStringLiteral("Riepilogo dati anagrafici"), true, nullptr);
    m_results->setObjectName(QStringLiteral("panContainer"));

    m_pages->addWidget(panAvvio);
    m_pages->addWidget(m_results);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);

    // Shown as soon as the button goes down, so it is seen while the search runs.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        m_lblAttendere->show();
        m_lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaAnagrafica::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_results, &BuyerListPanel::closeRequested, this, &QDialog::reject);
    connect(m_results, &BuyerListPanel::rowChosen, this, &TfrmTrovaAnagrafica::lstRecordsDblClick);
}

void TfrmTrovaAnagrafica::showEvent(QShowEvent* event) {
    DialogBase::showEvent(event);
    m_results->resetFind();
    if (m_pages->currentIndex() == 0)
        m_criteria[0]->setFocus();
}

void TfrmTrovaAnagrafica::done(int result) {
    m_results->list()->clear();
    m_lblAttendere->hide();
    DialogBase::done(result);
}

void TfrmTrovaAnagrafica::btnCercaClick() {
    buyersearch::Criteria criteria;
    for (int i = 0; i < buyersearch::CriterionCount; ++i)
        criteria[i] = m_criteria[i]->text();
    m_lblConta->setText(QString::number(buyersearch::criteriaInUse(criteria)));
    buyersearch::Result found = buyersearch::search(BuyerArchive(m_services.folder), criteria);
    m_lblAttendere->hide();
    if (!found.ok) {
        m_services.messages.message(this, archivemessage::kAccessFailure);
        return;
    }
    m_results->setRows(std::move(found.rows));
    m_pages->setCurrentIndex(1);
    m_results->resetFind();
    m_results->findField()->setFocus();
}

void TfrmTrovaAnagrafica::lstRecordsDblClick() {
    const std::optional<ResultRow> row = m_results->list()->selectedRow();
    if (row) {
        m_chosen = buyersearch::choose(BuyerArchive(m_services.folder),
                                       buyersearch::LineKind::Summary, *row);
        if (m_chosen) {
            accept();
            return;
        }
    }
    // Nothing to hand over (no row, a card gone): the screen closes all the
    // same.
    reject();
}
