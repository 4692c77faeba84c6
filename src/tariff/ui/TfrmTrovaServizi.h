#pragma once

#include "tariff/TariffEntry.h"
#include "widgets/DialogBase.h"

#include <optional>

struct Services;
class QLabel;
class QLineEdit;
class QListWidget;

// The import of a tariff entry into one stamp line of the distinta editor.
// Lists the tariff file's entries and lets the user pick one; after exec()
// the caller takes chosenEntry() and writes it into the line it opened the
// screen for. Only a stamp-line routing tag (rigo_01 ... rigo_10) yields an
// entry: with any other tag "Importa dati" confirms into nothing. The tariff
// file is only read.
class TfrmTrovaServizi : public DialogBase {
    Q_OBJECT

public:
    TfrmTrovaServizi(Services& services, QWidget* owner);

    // The entry imported by "Importa dati"; none after "Chiudi" or when the
    // routing tag names no stamp line.
    std::optional<TariffEntry> chosenEntry() const { return m_chosen; }

    // What the editor's import button of stamp line `line` (1 ... 10) does:
    // opens the import over `owner` with that line's tag, waits for it and
    // returns the entry chosen, if any.
    static std::optional<TariffEntry> chooseForLine(Services& services, QWidget* owner, int line);

private:
    void loadList();
    void pickSelected();
    void importEntry();

    Services& m_services;
    std::optional<TariffEntry> m_chosen;
    QListWidget* m_lstRecords;
    QLabel* m_icoMano;
    QLineEdit* m_txtNome;
    QLineEdit* m_txtPrezzoUni;
};
