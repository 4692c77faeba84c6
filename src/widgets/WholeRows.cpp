#include "widgets/WholeRows.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

namespace {

constexpr qreal kSmallestPoints = 8;
// Room the screen keeps beside the list: the window's frame and margins.
constexpr int kScreenAllowance = 80;

class RowFitter : public QObject {
public:
    RowFitter(QListWidget* list, int minimumWidth)
        : QObject(list), m_list(list), m_designed(list->font()), m_minimumWidth(minimumWidth) {
        list->viewport()->installEventFilter(this);
        // Only rows that come or change can ask for more room. Removals are
        // left alone: the list empties itself while it is being destroyed.
        QAbstractItemModel* model = list->model();
        connect(model, &QAbstractItemModel::rowsInserted, this, &RowFitter::fit);
        connect(model, &QAbstractItemModel::dataChanged, this, &RowFitter::fit);
        fit();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && !m_fitting)
            fitFont();
        return QObject::eventFilter(watched, event);
    }

private:
    // What the list needs beside its rows: frame, scroll bar, item margins.
    int chrome() const {
        return 2 * m_list->frameWidth() + m_list->verticalScrollBar()->sizeHint().width() +
               2 * m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    }

    int widestRow(const QFont& font) const {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (int row = 0; row < m_list->count(); ++row)
            widest = qMax(widest, metrics.horizontalAdvance(m_list->item(row)->text()));
        return widest;
    }

    void fit() {
        int wanted = qMax(m_minimumWidth, widestRow(m_designed) + chrome());
        if (QScreen* screen = QGuiApplication::primaryScreen())
            wanted = qMin(wanted, screen->availableGeometry().width() - kScreenAllowance);
        m_fitting = true;
        m_list->setMinimumWidth(qMax(m_minimumWidth, wanted));
        m_fitting = false;
        fitFont();
    }

    void fitFont() {
        const int room = m_list->viewport()->width() - 8;
        QFont font = m_designed;
        while (font.pointSizeF() > kSmallestPoints && widestRow(font) > room)
            font.setPointSizeF(font.pointSizeF() - 1);
        if (font != m_list->font()) {
            m_fitting = true;
            m_list->setFont(font);
            m_fitting = false;
        }
    }

    QListWidget* m_list;
    QFont m_designed;
    int m_minimumWidth;
    bool m_fitting = false;
};

} // namespace

void keepRowsWhole(QListWidget* list, int minimumWidth) {
    new RowFitter(list, minimumWidth);
}
