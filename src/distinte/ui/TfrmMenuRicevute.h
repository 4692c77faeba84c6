#pragma once

#include "widgets/RoutingTag.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class ScreenRouter;
struct Services;

// The distinte menu: asks for the calendar year and opens the distinta
// editor on that year's archive, or hands over to the income chart or the
// income summary. Its routing tag decides, when the menu closes, which screen
// is shown next (Avvio: the main menu); the hidden `lblMemory` shows it.
class TfrmMenuRicevute : public QWidget {
    Q_OBJECT

public:
    TfrmMenuRicevute(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void openEditorOnYear();
    void setTag(RoutingTag tag);
    // Sets the tag and closes, when the screen it names is there at all.
    void closeTowards(RoutingTag tag);

    Services& m_services;
    ScreenRouter& m_router;
    QLineEdit* m_txtAnno;
    QLabel* m_lblMemory;
    RoutingTag m_tag = RoutingTag::Avvio;
};
