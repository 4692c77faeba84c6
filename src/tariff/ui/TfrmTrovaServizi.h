#pragma once

#include "widgets/DialogBase.h"

#include <QPointer>

struct Services;
class QLabel;
class QLineEdit;
class QListWidget;

// The import of a tariff entry into one stamp line of the distinta editor.
// Lists the tariff file's entries; the routing tag "rigo_01" ... "rigo_10"
// names the line whose `txtDescrizioneNN` and `txtUnitarioNN`, found by name
// in the owner, receive the picked entry's name and price. Nothing else of
// the owner is touched, and the tariff file is only read.
class TfrmTrovaServizi : public DialogBase {
    Q_OBJECT

public:
    TfrmTrovaServizi(Services& services, QWidget* owner);

    // The routing tag of stamp line 1 ... 10: "rigo_01" ... "rigo_10".
    static QString tagOfLine(int line);
    // What the editor's import button of stamp line `line` (1 ... 10) does:
    // opens the import over `editor` with that line's tag and waits for it.
    static void openForLine(Services& services, QWidget* editor, int line);

private:
    void loadList();
    void pickSelected();
    void importEntry();
    void writeIntoOwner();

    Services& m_services;
    QPointer<QWidget> m_owner;
    QListWidget* m_lstRecords;
    QLabel* m_icoMano;
    QLineEdit* m_txtNome;
    QLineEdit* m_txtPrezzoUni;
};
