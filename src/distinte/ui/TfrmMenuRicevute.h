#pragma once

#include <QWidget>
#include <utility>

class QGridLayout;
class QHBoxLayout;

class DistintaEditor;
class QLineEdit;
class ScreenRouter;
struct Services;

// The distinte menu: asks for the calendar year and opens the distinta
// editor it was handed on that year's archive, or hands over to the income
// chart or the income summary. Each command asks the router for its screen
// directly; closing the menu shows the main menu.
class TfrmMenuRicevute : public QWidget {
    Q_OBJECT

public:
    TfrmMenuRicevute(Services& services, ScreenRouter& router, DistintaEditor& editor,
                     QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QHBoxLayout* buildYearRow();
    QGridLayout* buildLinks();
    // Help and exit.
    std::pair<QWidget*, QWidget*> buildCorners();
    void openEditorOnYear();

    Services& m_services;
    ScreenRouter& m_router;
    DistintaEditor& m_editor;
    QLineEdit* m_txtAnno;
};
