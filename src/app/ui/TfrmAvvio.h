#pragma once

#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"

#include <QWidget>

// The main menu: pictures that open the three work areas through the router,
// the general help topic, the about and splash boxes, the maker's web site,
// and the exit. Closing it
// in any way ends the program (it emits closed()).
class TfrmAvvio : public QWidget {
    Q_OBJECT

public:
    TfrmAvvio(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openArea(MainScreen area);
    void imgInfoClick();
    void imgSplashClick();
    void imgSitoClick();

    Services& m_services;
    ScreenRouter& m_router;
};
