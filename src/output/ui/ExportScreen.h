#pragma once

#include "help/HelpTopics.h"
#include "output/ArchiveExports.h"
#include "widgets/DialogBase.h"

#include <QString>

struct Services;
class ExportGridModel;
class QLabel;
class QTableView;
class QToolButton;

// What the two spreadsheet export screens share: the archive shown in the
// grid `grdRecords`, and `cmdEsporta` (.xls) and `cmdEsportaXlsx` (.xlsx),
// each of which after a question writes the grid to its export file in the
// data folder and offers to open it with the spreadsheet program. The screen
// reads its archive itself when it is created, so whoever opens it gets every
// record; the screens differ only in their source, caption, archive and help
// topic; the document and the file writing are model functions.
class ExportScreen : public DialogBase {
    Q_OBJECT

public:
    // Shows the screen modally until it is closed, unless the user cancelled
    // the reading of the archive.
    void run();

    // The two files an export screen writes.
    enum class Format { Xls, Xlsx };
    // The full path of the export file in `format`.
    QString outputPath(Format format = Format::Xls) const;

    static const QString kAskExport;
    static const QString kAskOpen;
    static const QString kExportFailed;
    static const QString kExportIncomplete;
    static const QString kInitialStatus;
    static const QString kXlsxHint;

protected:
    // Reads the archive at `archivePath` into the grid, with a progress
    // window when that takes a while.
    ExportScreen(Services& services, QWidget* owner, const ExportSource& source,
                 const QString& archivePath, const QString& caption, help::Topic helpTopic);

private:
    void buildGrid();
    void fillGrid(const QString& archivePath);
    void exportClick(Format format);

    Services& m_services;
    const ExportSource& m_source;
    ExportGridModel* m_model;
    QTableView* m_grdRecords;
    // How reading the archive ended: anything but Done leaves the grid short
    // of some records, and an export from it must not be called a success.
    ExportOutcome m_read = ExportOutcome::Failed;
};
