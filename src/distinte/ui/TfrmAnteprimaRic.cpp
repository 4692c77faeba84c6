#include "distinte/ui/TfrmAnteprimaRic.h"

#include "common/MessageBreaks.h"
#include "output/ui/ReportOutput.h"
#include "output/ui/ReportPreviewDialog.h"
#include "widgets/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <exception>

const QString TfrmAnteprimaRic::kFailed = QStringLiteral(
    "Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon "
    "fine." VM_PARAGRAPH "Si consiglia di verificare che la stampante sia configurata "
    "correttamente.");

const QString TfrmAnteprimaRic::kPdfFailed = QStringLiteral(
    "Attenzione: il file PDF non è stato salvato." VM_PARAGRAPH "Accertarsi di possedere i "
    "privilegi di scrittura nella cartella scelta.");

namespace {
// The chosen name with ".pdf" added when it has no extension. The proposed
// names may hold dots of their own ("Distinta 15.2"), so only a suffix of
// letters and digits with at least one letter counts as an extension.
QString withPdfExtension(const QString& path) {
    static const QRegularExpression extension(QStringLiteral("^[A-Za-z0-9]*[A-Za-z][A-Za-z0-9]*$"));
    if (extension.match(QFileInfo(path).suffix()).hasMatch())
        return path;
    return path + QStringLiteral(".pdf");
}
} // namespace

QString TfrmAnteprimaRic::pdfSavedText(const QString& path) {
    return QStringLiteral("Il file PDF è stato salvato in:" VM_PARAGRAPH) +
           QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

TfrmAnteprimaRic::TfrmAnteprimaRic(Services& services, const Ricevuta& ricevuta, QWidget* owner)
    : DistintaOutputDialog(
          services, ricevuta, owner, QStringLiteral(" Anteprima di stampa"),
          QStringLiteral("Mostra anteprima"),
          {QStringLiteral("Anteprima di stampa"),
           QStringLiteral("Questa operazione mostra in anteprima i dati che appariranno in "
                          "stampa."),
           QStringLiteral("Fare clic su Mostra anteprima per vedere il documento a video prima "
                          "di stamparlo su carta, oppure su Salva PDF... per salvarlo in un file "
                          "da inviare per e-mail.")}) {
    setObjectName(QStringLiteral("TfrmAnteprimaRic"));
    connect(addCommand(QStringLiteral("btnSalvaPdf"), QStringLiteral("Salva PDF...")),
            &QPushButton::clicked, this, &TfrmAnteprimaRic::savePdf);
}

bool TfrmAnteprimaRic::produce(const PreparedReport& page) {
    ReportPreviewDialog preview(services(), page, this);
    services().dialogs.exec(&preview);
    return true;
}

void TfrmAnteprimaRic::savePdf() {
    const QString proposed = pdfFileName();
    const QString chosen =
        services().files.saveFileName(this, QStringLiteral("Salva in formato PDF"), proposed,
                                      QStringLiteral("Documento PDF (*.pdf)"));
    if (chosen.isEmpty())
        return;
    const QString target = withPdfExtension(chosen);
    bool saved = false;
    try {
        saved =
            reportoutput::writePdf(preparedPage(), target, QFileInfo(proposed).completeBaseName());
    } catch (const std::exception&) {
        saved = false;
    }
    if (!saved) {
        // The screen stays open so the user can pick another folder.
        services().messages.notice(this, MessageBoxes::Icon::Warning, kPdfFailed);
        return;
    }
    services().messages.notice(this, MessageBoxes::Icon::Information, pdfSavedText(target));
    accept();
}
