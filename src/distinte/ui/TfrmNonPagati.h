#pragma once

#include "widgets/DialogBase.h"
#include "widgets/ListScreenParts.h"

class DistintaEditor;
struct Services;

// The distinte of the editor's archive not yet paid, built each time the
// screen is shown, with the in-list find, the print of the list and a double
// click that puts the distinta behind a row into the editor (typically to
// tick it as paid there). When the archive cannot be read to the end, the
// rows read so far stay listed and the access message says so. The rules
// live in distintasearch; the editor's widgets are never touched.
class TfrmNonPagati : public DialogBase {
    Q_OBJECT

public:
    TfrmNonPagati(Services& services, DistintaEditor& editor, QWidget* owner);

    // What the editor's unpaid-list command does: opens the list over
    // `owner` and waits until it closes.
    static void openFor(Services& services, DistintaEditor& editor, QWidget* owner);

    static const QString kPrintTitle;

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void done(int result) override;

private:
    void buildList();
    void lstRecordsDblClick();

    Services& m_services;
    DistintaEditor& m_editor;
    listscreen::ResultsPart m_results;
};
