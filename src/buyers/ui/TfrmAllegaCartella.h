#pragma once

#include "buyers/Attachments.h"
#include "widgets/DialogBase.h"

#include <array>

struct Services;
class QLineEdit;
class QPushButton;

// " Allega file": edits the three attachment slots of the card on the buyer
// editor. "Sfoglia..." copies the chosen file into `Documenti_Allegati` at
// once; the names and descriptions go back to the caller only through
// "Applica e chiudi" (the dialog is accepted and attachments() holds them),
// and that only under the routing tag "anagrafica". The dialog never writes
// the archive: the card is stored when the user presses Salva.
class TfrmAllegaCartella : public DialogBase {
    Q_OBJECT

public:
    TfrmAllegaCartella(Services& services, const Attachments& initial, QWidget* owner);

    // The six values as the dialog shows them, trimmed.
    Attachments attachments() const;

    static const QString kOverwriteQuestion;
    static const QString kCopyFailed;

private:
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);
    void btnApplicaClick();

    Services& m_services;
    std::array<QLineEdit*, Attachments::kSlots> m_txtFile{};
    std::array<QLineEdit*, Attachments::kSlots> m_txtDesc{};
    std::array<QPushButton*, Attachments::kSlots> m_btnApri{};
};
