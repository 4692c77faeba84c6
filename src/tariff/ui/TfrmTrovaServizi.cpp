#include "tariff/ui/TfrmTrovaServizi.h"

#include "common/TextRules.h"
#include "tariff/TariffEntry.h"
#include "tariff/TariffFile.h"
#include "widgets/Pictures.h"
#include "widgets/Services.h"
#include "widgets/WholeRows.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kEmptyList = QStringLiteral("Attenzione: l'elenco non contiene nessuna voce.");
const QString kSelectFirst = QStringLiteral(
    "Attenzione: selezionare una voce dall'elenco prima di premere il pulsante Importa dati.");

QLineEdit* hiddenField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->hide();
    return field;
}

} // namespace

std::optional<TariffEntry> TfrmTrovaServizi::choose(Services& services, QWidget* owner) {
    TfrmTrovaServizi dialog(services, owner);
    if (services.dialogs.exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenEntry();
}

TfrmTrovaServizi::TfrmTrovaServizi(Services& services, QWidget* owner)
    : DialogBase(owner), m_services(services) {
    setObjectName(QStringLiteral("TfrmTrovaServizi"));
    setWindowTitle(QStringLiteral(" Importazione dati da tariffario valori bollati"));

    auto* layout = new QVBoxLayout(this);
    // Heading and instruction are pictures; their texts stay readable as
    // accessible names.
    const QString titleText = QStringLiteral("IMPORTA DATI DA TARIFFARIO");
    auto* titolo = new QLabel(this);
    titolo->setObjectName(QStringLiteral("titImporta"));
    titolo->setPixmap(pictures::title(titleText, QSize(780, 52), 24));
    titolo->setAccessibleName(titleText);
    titolo->setAlignment(Qt::AlignCenter);
    layout->addWidget(titolo);
    const QString instructions =
        QStringLiteral("Selezionare una voce dall'elenco e premere il pulsante Importa dati.");
    auto* istruzioni = new QLabel(this);
    istruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    istruzioni->setPixmap(pictures::strip(instructions, QSize(780, 34), pictures::kTeal, 11));
    istruzioni->setAccessibleName(instructions);
    istruzioni->setAlignment(Qt::AlignCenter);
    layout->addWidget(istruzioni);

    m_lstRecords = new QListWidget(this);
    m_lstRecords->setObjectName(QStringLiteral("lstRecords"));
    m_lstRecords->setFont(QFont(QStringLiteral("Courier New"), 16));
    m_lstRecords->setStyleSheet(QStringLiteral("QListWidget { color: black; }"));
    m_lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lstRecords->setFixedHeight(360);
    // Each row's price shows without scrolling sideways.
    keepRowsWhole(m_lstRecords, 780);
    layout->addWidget(m_lstRecords);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_icoMano = new QLabel(QStringLiteral("\u261E"), this);
    m_icoMano->setObjectName(QStringLiteral("icoMano"));
    QFont hand = m_icoMano->font();
    hand.setPointSizeF(hand.pointSizeF() * 2);
    m_icoMano->setFont(hand);
    // Keeps its place while hidden, so the buttons do not move when it shows.
    QSizePolicy keep = m_icoMano->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_icoMano->setSizePolicy(keep);
    m_icoMano->hide();
    buttons->addWidget(m_icoMano);
    auto* btnImporta = new QPushButton(QStringLiteral("Importa dati"), this);
    btnImporta->setObjectName(QStringLiteral("btnImporta"));
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton* b : {btnImporta, btnChiudi}) {
        b->setAutoDefault(false);
        b->setCursor(Qt::PointingHandCursor);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    m_txtNome = hiddenField(QStringLiteral("txtNome"), this);
    m_txtPrezzoUni = hiddenField(QStringLiteral("txtPrezzoUni"), this);

    // A row is picked however it becomes selected, by click or by keys, so
    // what is imported is always the row the user sees highlighted.
    connect(m_lstRecords, &QListWidget::itemSelectionChanged, this,
            &TfrmTrovaServizi::pickSelected);
    connect(m_lstRecords, &QListWidget::itemClicked, this, &TfrmTrovaServizi::pickSelected);
    connect(btnImporta, &QPushButton::clicked, this, &TfrmTrovaServizi::importEntry);
    m_lstRecords->installEventFilter(this);
    m_lstRecords->viewport()->installEventFilter(this);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    loadList();
}

bool TfrmTrovaServizi::eventFilter(QObject* watched, QEvent* event) {
    // A double click imports the row under the mouse, whatever was selected.
    if (watched == m_lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (QListWidgetItem* item = m_lstRecords->itemAt(at)) {
            m_lstRecords->setCurrentItem(item);
            importEntry();
            return true;
        }
        return false;
    }
    if (watched == m_lstRecords && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            importEntry();
            return true;
        }
    }
    return DialogBase::eventFilter(watched, event);
}

void TfrmTrovaServizi::loadList() {
    const tariff::ReadResult read =
        tariff::readTariffFile(m_services.folder.file(tariff::tariffFileName()));
    m_lstRecords->addItems(read.lines);
}

void TfrmTrovaServizi::pickSelected() {
    const QList<QListWidgetItem*> selected = m_lstRecords->selectedItems();
    if (selected.isEmpty())
        return;
    const QString row = text::trimmed(selected.first()->text());
    if (row.isEmpty())
        return;
    m_picked = TariffEntry{text::trimmed(tariff::entryName(row)),
                           text::trimmed(tariff::entryPrice(row, tariff::kImportPriceSpan))};
    // The hidden fields only mirror the entry picked.
    m_txtNome->setText(m_picked->name);
    m_txtPrezzoUni->setText(m_picked->price);
    m_icoMano->show();
}

void TfrmTrovaServizi::importEntry() {
    if (m_lstRecords->count() == 0) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, kEmptyList);
        return;
    }
    // A blank row holds no entry: importing it would only wipe the line.
    const QList<QListWidgetItem*> selected = m_lstRecords->selectedItems();
    if (selected.isEmpty() || text::trimmed(selected.first()->text()).isEmpty()) {
        m_services.messages.notice(this, MessageBoxes::Icon::Warning, kSelectFirst);
        return;
    }
    pickSelected();
    m_chosen = m_picked;
    accept();
}
