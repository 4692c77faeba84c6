#pragma once

#include "common/ListFind.h"
#include "common/ResultRows.h"

#include <QListView>
#include <optional>

struct Services;
class QLineEdit;
class QPushButton;

// The result list every list screen shows (distinte search, unpaid list,
// income summary, buyer search, pending questions): a list view named
// `lstRecords` over a ResultRows model, one summary line per row in Courier
// New 12, black, rows 1600 wide with both scroll bars always shown, uniform
// row heights so that a 100,000-row list paints at once. It also carries the
// in-list find ("Trova") every such screen has.
//
// It does not build rows, read files, open records or print: the screen
// fills it with rows from a model function, decides what a double click
// opens and prints rows().lines() through the list report.
//
// A list dialog gets the list with its find row and its Stampa and Chiudi
// commands already wired from listscreen::ResultsPart
// (widgets/ListScreenParts.h). How a screen uses the list by itself:
//
//     m_list = new ResultList(this);
//     const auto find = m_list->makeFindControls(this, m_services, m_findMemory);
//     // place find.txtTrova, find.btnTrova and m_list in the layout
//     connect(btnStampa, &QPushButton::clicked, this, [this] {
//         printList(m_services, this, QStringLiteral("Riepilogo ..."), m_list->rows().lines());
//     });
//     connect(m_list, &ResultList::rowDoubleClicked, this, &TfrmX::lstRecordsDblClick);
//
//     // when the rows are ready (on show, or after a search):
//     m_list->setRows(rowsFromTheModelFunction);
//     // on each showing, for a find that starts afresh:
//     m_findMemory.forget();
//
// The screen owns the find memory (a listfind::Memory member), so it decides
// how long the remembered key lasts. In the double-click handler,
// selectedRow() gives the row's text and record position, or nothing when no
// row is selected.
class ResultList : public QListView {
    Q_OBJECT

public:
    // Width of every row, so long lines scroll sideways.
    static constexpr int kRowWidth = 1600;
    // The plain message of "Trova" on an empty list.
    static const QString kEmptyListMessage;

    explicit ResultList(QWidget* parent = nullptr);

    ResultRows& rows() { return m_rows; }
    const ResultRows& rows() const { return m_rows; }

    // Replaces the rows and selects the first one (none when empty).
    void setRows(QList<ResultRow> rows);
    void clear();

    // The selected row, or -1 / nothing when none is selected.
    qsizetype selectedIndex() const;
    std::optional<ResultRow> selectedRow() const;
    void selectRow(qsizetype row);

    // One press of "Trova": on an empty list shows the plain message,
    // otherwise selects the next row containing `typed` (listfind::findRow).
    void find(Services& services, listfind::Memory& memory, const QString& typed);

    // The find field `txtTrova` (Verdana 12 bold) and button `btnTrova`
    // "Trova", children of `parent`: Enter in the field moves the focus to
    // the button, and the button runs find() with the screen's `memory`.
    struct FindControls {
        QLineEdit* txtTrova;
        QPushButton* btnTrova;
    };
    FindControls makeFindControls(QWidget* parent, Services& services, listfind::Memory& memory);

signals:
    // A double click anywhere in the list; the screen reads selectedRow().
    void rowDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ResultRows m_rows;
};
