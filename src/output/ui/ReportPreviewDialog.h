#pragma once

#include "output/PreparedReport.h"

#include <QDialog>

class QPrintPreviewWidget;
class QPrinter;
class QAction;
struct Services;

// The preview window of a prepared report: the pages at 100 %, with print,
// zoom, full screen and close, and nothing that changes the pages. Printing
// goes through the Services seam.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    ReportPreviewDialog(Services& services, const PreparedReport& report, QWidget* owner);
    ~ReportPreviewDialog() override;

    QPrintPreviewWidget* previewWidget() const { return m_preview; }

private:
    QAction* addTool(const QString& name, const QString& text, const QKeySequence& key);
    void printReport();
    void toggleFullScreen();

    Services& m_services;
    PreparedReport m_report;
    QPrinter* m_printer;
    QPrintPreviewWidget* m_preview;
    class QToolBar* m_tools;
};
