#pragma once

#include "distinte/ui/DistintaOutputDialog.h"

// " Anteprima di stampa": shows the distinta in the preview window, from
// which it can be printed, or saves the same page as a PDF file to send by
// e-mail ("Salva PDF...").
class TfrmAnteprimaRic : public DistintaOutputDialog {
    Q_OBJECT

public:
    TfrmAnteprimaRic(Services& services, const Ricevuta& ricevuta, QWidget* owner);

    static const QString kFailed;
    // The warning of "Salva PDF..." when the file could not be written.
    static const QString kPdfFailed;
    // The notice once the PDF file is written: where it went.
    static QString pdfSavedText(const QString& path);

protected:
    bool produce(const PreparedReport& page) override;
    QString failureText() const override { return kFailed; }

private:
    void savePdf();
};
