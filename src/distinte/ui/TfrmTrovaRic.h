#pragma once

#include "distinte/DistintaSearch.h"
#include "widgets/DialogBase.h"
#include "widgets/ListScreenParts.h"

#include <array>
#include <optional>

class DistintaEditor;
class QCheckBox;
class QLabel;
class QLineEdit;
struct Services;

// The search of the distinte in the archive open in the editor, or with
// `chkTuttiGliAnni` ticked in every yearly archive of the data folder: up to
// six criteria on the first panel, the summary lines found on the second
// (each after its year when every year was searched), with the in-list find
// and the print of the list. A double click on a row closes the screen and
// hands the row (its year and record position) back to the caller, which
// opens that distinta. The rules live in distintasearch; this screen moves
// texts between them and its widgets. It never reads or writes the editor's
// widgets.
class TfrmTrovaRic : public DialogBase {
    Q_OBJECT

public:
    TfrmTrovaRic(Services& services, DistintaEditor& editor, QWidget* owner);

    // What the editor's search command does: opens the search over `owner`
    // and waits until it closes. The row the user double-clicked, or nothing
    // when the screen was closed otherwise.
    static std::optional<ResultRow> openFor(Services& services, DistintaEditor& editor,
                                            QWidget* owner);

    // The row double-clicked before the screen closed.
    std::optional<ResultRow> chosenRow() const { return m_chosen; }

    static const QString kPrintTitle;
    // Added after the print title when every year was searched.
    static const QString kEveryYearSuffix;
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
    std::optional<ResultRow> m_chosen;

    // The criteria in Enter order: number, date, buyer lines 1-3, total.
    std::array<QLineEdit*, 6> m_criteria{};
    QCheckBox* m_chkTuttiGliAnni = nullptr;
    QWidget* m_panAvvio = nullptr;
    QWidget* m_panContainer = nullptr;
    QLabel* m_lblAttendere = nullptr;
    QLabel* m_lblConta = nullptr;
    QLabel* m_lblTrovate = nullptr;
};
