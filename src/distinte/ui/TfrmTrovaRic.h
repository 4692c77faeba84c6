#pragma once

#include "distinte/DistintaSearch.h"
#include "widgets/DialogBase.h"
#include "widgets/ListScreenParts.h"

#include <array>

class DistintaEditor;
class QLabel;
class QLineEdit;
struct Services;

// The search of the distinte in the archive open in the editor: up to six
// criteria on the first panel, the summary lines found on the second, with
// the in-list find, the print of the list and a double click that puts the
// distinta behind a row into the editor it was handed.
// The rules live in distintasearch; this screen moves texts between them and
// its widgets. It never reads or writes the editor's widgets.
class TfrmTrovaRic : public DialogBase {
    Q_OBJECT

public:
    TfrmTrovaRic(Services& services, DistintaEditor& editor, QWidget* owner);

    // What the editor's search command does: opens the search over `owner`
    // and waits until it closes.
    static void openFor(Services& services, DistintaEditor& editor, QWidget* owner);

    static const QString kPrintTitle;
    // "Il presente riepilogo contiene <rows> schede."
    static QString countText(qsizetype rows);

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void done(int result) override;

private:
    QWidget* buildCriteriaPanel();
    QWidget* buildResultsPanel();
    distintasearch::Criteria criteria() const;
    void btnCercaClick();
    void lstRecordsDblClick();

    Services& m_services;
    DistintaEditor& m_editor;
    listscreen::ResultsPart m_results;

    // The criteria in Enter order: number, date, buyer lines 1-3, total.
    std::array<QLineEdit*, 6> m_criteria{};
    QWidget* m_panAvvio = nullptr;
    QWidget* m_panContainer = nullptr;
    QLabel* m_lblAttendere = nullptr;
    QLabel* m_lblConta = nullptr;
    QLabel* m_lblTrovate = nullptr;
};
