#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class ScreenRouter;
struct Services;

// The distinte menu: asks for the calendar year and opens the distinta
// editor on that year's archive, or hands over to the income chart or the
// income summary. Its hidden `lblMemory` holds the routing tag that decides,
// when the menu closes, which screen is shown next ("avvio": the main menu).
class TfrmMenuRicevute : public QWidget {
    Q_OBJECT

public:
    TfrmMenuRicevute(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void btnApriPreventiviClick();
    // Sets the tag and closes, when the screen it names is there at all.
    void closeTowards(const QString& tag);

    Services& m_services;
    ScreenRouter& m_router;
    QLineEdit* m_txtAnno;
    QLabel* m_lblMemory;
};
