#pragma once

#include "buyers/Attachments.h"
#include "widgets/DialogBase.h"

#include <array>

struct Services;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

// " Allega file": edits the three attachment slots of the card on the buyer
// editor. "Sfoglia..." copies the chosen file into `Documenti_Allegati` at
// once, never over a file another card names (attachments::place); the names and descriptions go
// back to the caller only through "Applica e chiudi" (the dialog is accepted and attachments()
// holds them). The dialog never writes the archive: the card is stored when the user presses
// Salva.
class TfrmAllegaCartella : public DialogBase {
    Q_OBJECT

public:
    // `cardPosition`: where the card being edited is stored (0 when never
    // stored), so that its own stored names do not count as another card's.
    TfrmAllegaCartella(Services& services, const Attachments& initial, qint64 cardPosition,
                       QWidget* owner);

    // The six values as the dialog shows them, trimmed.
    Attachments attachments() const;

    static const QString kOverwriteQuestion;
    static const QString kCopyFailed;
    // The file dialog's only type: shown as "Tutti i file (*.*)", matching
    // every name, also one without a dot.
    static const QString kAllFilesFilter;

private:
    QHBoxLayout* buildInstructions();
    QGroupBox* buildSlot(int n, const Attachments& initial);
    QHBoxLayout* buildButtons();
    void btnSfogliaClick(int slot);
    void btnApriClick(int slot);

    Services& m_services;
    qint64 m_position;
    std::array<QLineEdit*, Attachments::kSlots> m_txtFile{};
    std::array<QLineEdit*, Attachments::kSlots> m_txtDesc{};
    std::array<QPushButton*, Attachments::kSlots> m_btnApri{};
};
