#pragma once

#include "backup/ui/BackupMenu.h"
#include "widgets/ScreenRouter.h"
#include "widgets/Services.h"

#include <QList>
#include <QWidget>

class PictureButton;
class QHBoxLayout;
class QLabel;

// The main menu: pictures that open the three work areas through the router,
// the general help topic, the about and splash boxes, the maker's web site,
// the safety copy link `lnkCopia`, and the exit. The three areas and the exit
// are reached with Tab and opened with Enter or Space. Closing it in any way
// ends the program (it emits closed()), after suggesting a safety copy when
// the last one is too old.
class TfrmAvvio : public QWidget {
    Q_OBJECT

public:
    TfrmAvvio(Services& services, ScreenRouter& router, QWidget* parent = nullptr);

    // The screens that open a record the archive check listed; they are
    // created after the main menu.
    void setRecordEditors(DistintaEditor* distinte, BuyerEditor* buyers);

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QHBoxLayout* buildTitleRow();
    QLabel* buildSubtitle();
    QHBoxLayout* buildAreas(QList<PictureButton*>* reachable);
    QHBoxLayout* buildBottomRow(QList<PictureButton*>* reachable);
    void openArea(MainScreen area);
    void imgInfoClick();
    void imgSplashClick();
    void imgSitoClick();
    void lnkCopiaClick();

    Services& m_services;
    ScreenRouter& m_router;
    backupmenu::Editors m_editors;
    QWidget* m_firstArea = nullptr;
};
