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
// screen for. The tariff file is only read. A double click or Enter on a row
// imports it, as "Importa dati" does.
class TfrmTrovaServizi : public DialogBase {
    Q_OBJECT

public:
    TfrmTrovaServizi(Services& services, QWidget* owner);

    // The entry imported by "Importa dati"; none after "Chiudi".
    std::optional<TariffEntry> chosenEntry() const { return m_chosen; }

    // What the editor's import button of a stamp line does: opens the import
    // over `owner`, waits for it and returns the entry chosen, if any.
    static std::optional<TariffEntry> choose(Services& services, QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadList();
    void pickSelected();
    void importEntry();

    Services& m_services;
    // The entry of the row highlighted last, and the one imported.
    std::optional<TariffEntry> m_picked;
    std::optional<TariffEntry> m_chosen;
    QListWidget* m_lstRecords;
    QLabel* m_icoMano;
    QLineEdit* m_txtNome;
    QLineEdit* m_txtPrezzoUni;
};
