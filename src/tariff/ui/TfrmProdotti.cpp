#include "tariff/ui/TfrmProdotti.h"

#include "common/MessageBreaks.h"
#include "help/ui/TfrmGuida.h"
#include "output/ui/ListPrinter.h"
#include "tariff/TariffFile.h"
#include "tariff/ui/TfrmAggiungi_Voce.h"
#include "tariff/ui/TfrmModifica_Voce.h"
#include "widgets/DeferredPictures.h"
#include "widgets/PictureButton.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenPreamble.h"
#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"
#include "widgets/StatusHints.h"
#include "widgets/WholeRows.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
const QString kEmptyList = QStringLiteral("Attenzione: l'elenco non contiene nessuna voce.");
const QString kSelectToModify =
    QStringLiteral("Attenzione: selezionare dall'elenco la voce da modificare prima di premere "
                   "il pulsante Modifica voce.");
const QString kSelectToDelete =
    QStringLiteral("Attenzione: selezionare dall'elenco la voce che si vuole eliminare prima di "
                   "premere il pulsante Elimina voce.");
const QString kCannotSave =
    QStringLiteral("Attenzione: il sistema non permette di salvare i dati." VM_PARAGRAPH
                   "Accertarsi che il file non sia già aperto.");

// A command drawn as a picture, when the screen is first shown; its caption
// stays readable as its accessible name.
PictureButton* command(const QString& name, QSize size, deferred::Drawing draw,
                       const QString& caption, QWidget* parent) {
    auto* button = new PictureButton(size, std::move(draw), parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setAlignment(Qt::AlignCenter);
    return button;
}

QLabel* heading(const QString& name, QSize size, deferred::Drawing draw, const QString& text,
                QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    deferred::setPicture(label, size, std::move(draw));
    label->setAccessibleName(text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

TfrmProdotti::TfrmProdotti(Services& services, ScreenRouter& router, QWidget* parent)
    : QWidget(parent), m_services(services), m_router(router) {
    prepareScreen(this, QStringLiteral("TfrmProdotti"),
                  QStringLiteral(" Vellarmo - Tariffario Valori Bollati"));

    using namespace pictures;
    auto* layout = new QVBoxLayout(this);
    auto* header = new QHBoxLayout;
    const QString titleText = QStringLiteral("TARIFFARIO VALORI BOLLATI");
    auto* titolo = heading(
        QStringLiteral("titTariffario"), QSize(720, 64),
        [titleText] { return title(titleText, QSize(720, 64), 30); }, titleText, this);
    auto* btnGuida = command(
        QStringLiteral("btnGuida"), QSize(48, 48),
        [] { return roundIcon(QStringLiteral("?"), kTeal, 48); }, QStringLiteral("Guida"), this);
    // As wide as the help icon, so that the heading sits in the middle.
    header->addSpacing(48);
    header->addStretch();
    header->addWidget(titolo);
    header->addStretch();
    header->addWidget(btnGuida, 0, Qt::AlignTop);
    layout->addLayout(header);

    const QString instructions =
        QStringLiteral("Creare un tariffario personalizzato dei valori bollati da richiamare "
                       "durante la compilazione delle distinte. Con i pulsanti in basso si "
                       "aggiungono, modificano o eliminano le voci, oppure si stampa l'intero "
                       "elenco.");
    layout->addWidget(heading(
        QStringLiteral("intTariffario"), QSize(900, 64),
        [instructions] { return strip(instructions, QSize(900, 64), kTeal, 11); }, instructions,
        this));

    m_lstRecords = new QListWidget(this);
    m_lstRecords->setObjectName(QStringLiteral("lstRecords"));
    m_lstRecords->setFont(QFont(QStringLiteral("Courier New"), 18));
    m_lstRecords->setStyleSheet(QStringLiteral("QListWidget { color: black; }"));
    m_lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Each row's price shows without scrolling sideways.
    keepRowsWhole(m_lstRecords, 900);
    layout->addWidget(m_lstRecords, 1);

    const auto captioned = [this](const char* name, const QString& caption, const QColor& colour) {
        return command(
            QString::fromLatin1(name), QSize(180, 50),
            [caption, colour] { return captionButton(caption, colour, QSize(180, 50)); }, caption,
            this);
    };
    auto* cmdAggiungi = captioned("cmdAggiungi", QStringLiteral("Aggiungi voce"), kTeal);
    auto* cmdModifica = captioned("cmdModifica", QStringLiteral("Modifica voce"), kTeal);
    auto* cmdElimina = captioned("cmdElimina", QStringLiteral("Elimina voce"), kTeal);
    auto* cmdStampa = captioned("cmdStampa", QStringLiteral("Stampa elenco"), kTeal);
    auto* cmdApplica = captioned("cmdApplica", QStringLiteral("Applica e chiudi"), kNavy);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    for (PictureButton* b : {cmdAggiungi, cmdModifica, cmdElimina, cmdStampa, cmdApplica})
        commands->addWidget(b);
    commands->addStretch();
    layout->addLayout(commands);

    m_panInfo = new QLabel(QStringLiteral("Pronto per aggiungere una nuova voce..."), this);
    m_panInfo->setObjectName(QStringLiteral("panInfo"));
    m_panInfo->setFrameShape(QFrame::Panel);
    m_panInfo->setFrameShadow(QFrame::Sunken);
    layout->addWidget(m_panInfo);

    auto* hints = new StatusHints(m_panInfo);
    hints->addHint(cmdAggiungi, QStringLiteral("Aggiungi una voce all'elenco."));
    hints->addHint(cmdModifica, QStringLiteral("Modifica la voce selezionata."));
    hints->addHint(cmdElimina, QStringLiteral("Elimina la voce selezionata."));
    hints->addHint(cmdStampa, QStringLiteral("Stampa l'elenco delle voci."));
    hints->addHint(cmdApplica,
                   QStringLiteral("Salva le voci in elenco e chiudi questa schermata."));
    hints->addHint(btnGuida, QStringLiteral("Visualizza la guida in linea."));
    hints->addBackground(this);

    connect(cmdAggiungi, &PictureButton::clicked, this, &TfrmProdotti::addEntry);
    connect(cmdModifica, &PictureButton::clicked, this, &TfrmProdotti::modifyEntry);
    connect(cmdElimina, &PictureButton::clicked, this, &TfrmProdotti::deleteEntry);
    connect(cmdStampa, &PictureButton::clicked, this, &TfrmProdotti::printEntries);
    connect(cmdApplica, &PictureButton::clicked, this, &QWidget::close);
    connect(btnGuida, &PictureButton::clicked, this,
            [this] { showHelpTopic(m_services, this, help::Topic::Tariffario); });
}

QStringList TfrmProdotti::rows() const {
    QStringList out;
    for (int i = 0; i < m_lstRecords->count(); ++i)
        out.append(m_lstRecords->item(i)->text());
    return out;
}

void TfrmProdotti::showEvent(QShowEvent* event) {
    // Only a real showing reloads; getting the window back from the task bar
    // does not.
    if (!event->spontaneous())
        loadList();
    QWidget::showEvent(event);
}

void TfrmProdotti::closeEvent(QCloseEvent* event) {
    if (!saveList()) {
        // The list stays on screen so the user can close the other program
        // holding the file and try again.
        m_services.messages.message(this, kCannotSave);
        event->ignore();
        return;
    }
    event->accept();
    m_router.switchTo(MainScreen::Avvio, this);
}

void TfrmProdotti::loadList() {
    const tariff::ReadResult read =
        tariff::readTariffFile(m_services.folder.file(tariff::tariffFileName()));
    switch (read.status) {
    case tariff::ReadResult::Status::Ok:
        m_lstRecords->clear();
        m_lstRecords->addItems(read.lines);
        m_keepFileOnDisk = false;
        break;
    case tariff::ReadResult::Status::Missing:
        m_keepFileOnDisk = false;
        break;
    case tariff::ReadResult::Status::Unreadable:
    case tariff::ReadResult::Status::Damaged:
        // An empty list on screen would look like a lost tariff: say why.
        m_keepFileOnDisk = true;
        warn(tariff::unreadableTariffMessage(m_services.folder.file(tariff::tariffFileName())));
        break;
    }
}

bool TfrmProdotti::saveList() {
    if (m_keepFileOnDisk)
        return true;
    return tariff::writeTariffFile(m_services.folder.file(tariff::tariffFileName()), rows()).ok;
}

void TfrmProdotti::addEntry() {
    TfrmAggiungi_Voce dialog(m_services, this);
    if (m_services.dialogs.exec(&dialog) != QDialog::Accepted)
        return;
    m_lstRecords->addItem(dialog.entry());
    m_keepFileOnDisk = false;
}

void TfrmProdotti::modifyEntry() {
    if (m_lstRecords->count() == 0)
        return warn(kEmptyList);
    const QList<QListWidgetItem*> selected = m_lstRecords->selectedItems();
    if (selected.isEmpty())
        return warn(kSelectToModify);
    const int row = m_lstRecords->row(selected.first());

    TfrmModifica_Voce dialog(m_services, this);
    dialog.setEntry(m_lstRecords->item(row)->text());
    if (m_services.dialogs.exec(&dialog) != QDialog::Accepted)
        return;
    m_lstRecords->item(row)->setText(dialog.entry());
    m_keepFileOnDisk = false;
}

void TfrmProdotti::deleteEntry() {
    if (m_lstRecords->count() == 0)
        return warn(kEmptyList);
    const QList<QListWidgetItem*> selected = m_lstRecords->selectedItems();
    if (selected.isEmpty())
        return warn(kSelectToDelete);
    delete selected.first();
    // The list would select the next row by itself; a second press must
    // not delete an entry the user never chose.
    m_lstRecords->clearSelection();
    m_keepFileOnDisk = false;
}

void TfrmProdotti::printEntries() {
    if (m_lstRecords->count() == 0)
        return warn(kEmptyList);
    printList(m_services, this, QStringLiteral("Tariffario valori bollati"), rows());
}

void TfrmProdotti::warn(const QString& text) {
    m_services.messages.notice(this, MessageBoxes::Icon::Warning, text);
}
