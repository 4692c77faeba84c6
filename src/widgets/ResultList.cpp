#include "widgets/ResultList.h"

#include "widgets/EnterChain.h"
#include "widgets/FormFonts.h"
#include "widgets/Services.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyledItemDelegate>

const QString ResultList::kEmptyListMessage =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

namespace {

// Gives every row the fixed width of the list's lines; the height stays the
// font's, and with uniform row heights it is asked for the first row only.
class FixedWidthRows final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {ResultList::kRowWidth, QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

} // namespace

ResultList::ResultList(QWidget* parent) : QListView(parent), m_rows(this) {
    setObjectName(QStringLiteral("lstRecords"));
    setModel(&m_rows);
    setItemDelegate(new FixedWidthRows(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setFont(QFont(QStringLiteral("Courier New"), 12));
    QPalette colours = palette();
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

void ResultList::setRows(QList<ResultRow> rows) {
    m_rows.setRows(std::move(rows));
    selectRow(0);
}

void ResultList::clear() {
    m_rows.clear();
}

qsizetype ResultList::selectedIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

std::optional<ResultRow> ResultList::selectedRow() const {
    const qsizetype row = selectedIndex();
    if (row < 0)
        return std::nullopt;
    return m_rows.at(row);
}

void ResultList::selectRow(qsizetype row) {
    if (row < 0 || row >= m_rows.size())
        return;
    const QModelIndex index = m_rows.index(int(row));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void ResultList::find(Services& services, listfind::Memory& memory, const QString& typed) {
    if (m_rows.isEmpty()) {
        services.messages.message(window(), kEmptyListMessage);
        return;
    }
    selectRow(listfind::findRow(m_rows, selectedIndex(), typed, memory));
}

ResultList::FindControls ResultList::makeFindControls(QWidget* parent, Services& services,
                                                      listfind::Memory& memory) {
    auto* txtTrova = new QLineEdit(parent);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(formfont::bold(12));
    auto* btnTrova = new QPushButton(QStringLiteral("Trova"), parent);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setAutoDefault(false);
    btnTrova->setCursor(Qt::PointingHandCursor);
    setEnterNext(txtTrova, btnTrova);
    connect(btnTrova, &QPushButton::clicked, this,
            [this, &services, &memory, txtTrova] { find(services, memory, txtTrova->text()); });
    return {txtTrova, btnTrova};
}

void ResultList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit rowDoubleClicked();
}
