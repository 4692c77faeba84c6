#pragma once

#include "widgets/DialogBase.h"

#include <optional>

class QLineEdit;
struct Services;

// " Impostazione inizio numerazione documenti": shows and sets the number
// from which the automatic numbering of distinte starts. It shows the stored
// start when shown and "Applica e chiudi" stores the field, which
// storedStart() then returns for the caller to use; "Annulla" closes without
// storing anything.
class TfrmNumerazione : public DialogBase {
    Q_OBJECT

public:
    TfrmNumerazione(Services& services, QWidget* owner);

    // The start "Applica e chiudi" stored; none when nothing was stored.
    std::optional<QString> storedStart() const { return m_stored; }

    // Opens the dialog over `owner` and waits; the start stored, if any.
    static std::optional<QString> askStart(Services& services, QWidget* owner);

    // Shown when the start cannot be stored (read-only folder).
    static const QString kNotSaved;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtInizioExit();
    void btnApplicaClick();

    Services& m_services;
    QLineEdit* m_txtInizio;
    std::optional<QString> m_stored;
};
