#pragma once

#include "output/PreparedReport.h"

#include <QDialog>
#include <QString>

class QPrintPreviewWidget;
class QPrinter;
class QAction;
struct Services;

// The preview window of a prepared report: the pages at 100 %, with print,
// zoom, full screen, save as PDF and close, and nothing that changes the
// pages. Printing and the PDF file name go through the Services seams.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    // `pdfFileName` is the file name proposed when saving as PDF.
    ReportPreviewDialog(Services& services, const PreparedReport& report,
                        const QString& pdfFileName, QWidget* owner);
    ~ReportPreviewDialog() override;

    QPrintPreviewWidget* previewWidget() const { return m_preview; }

    // The failure warning of "Salva PDF...".
    static const QString kPdfFailed;

private:
    QAction* addTool(const QString& name, const QString& text, const QKeySequence& key);
    void printReport();
    void savePdf();
    void toggleFullScreen();

    Services& m_services;
    PreparedReport m_report;
    QString m_pdfFileName;
    QPrinter* m_printer;
    QPrintPreviewWidget* m_preview;
    class QToolBar* m_tools;
};
