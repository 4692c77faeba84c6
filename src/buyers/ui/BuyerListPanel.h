#pragma once

#include "common/ListFind.h"
#include "common/ResultRows.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class ResultList;
struct Services;

// The results part that the buyer search and the pending-questions list
// share: a heading, the find instruction, `txtTrova` and `btnTrova`, the
// shared result list `lstRecords`, the double-click hint `lblRigo03`, an
// optional count `lblTrovate`, and the buttons `btnStampa` and `btnChiudi`.
// "Trova" and "Stampa" work here; what a double click opens and what
// "Chiudi" does are the screen's business (the signals below).
class BuyerListPanel : public QWidget {
    Q_OBJECT

public:
    BuyerListPanel(Services& services, const QString& heading, const QString& printTitle,
                   bool withCount, QWidget* parent);

    // Shows `rows` (already in list order), selects the first and, with a
    // count, writes it into `lblTrovate`.
    void setRows(QList<ResultRow> rows);
    ResultList* list() const { return m_list; }
    QLineEdit* findField() const { return m_txtTrova; }
    // Forgets the remembered find text and empties the find field, as each
    // showing of the screen does.
    void resetFind();

    // "Il presente riepilogo contiene <n> schede".
    static QString countText(qsizetype rows);

signals:
    void rowChosen();
    void closeRequested();

private:
    Services& m_services;
    listfind::Memory m_findMemory;
    ResultList* m_list;
    QLineEdit* m_txtTrova;
    QLabel* m_lblTrovate = nullptr;
};
