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
// grid `grdRecords`, and `cmdEsporta`, which after a question writes the
// grid to the export file in the program folder and offers to open it with
// the spreadsheet program. The screens differ only in their source, caption,
// archive and help topic; the document and the file writing are model functions.
class ExportScreen : public DialogBase {
    Q_OBJECT

public:
    // Fills the grid and, unless the user cancelled the reading, shows the
    // screen modally until it is closed.
    void run();

    // Reads the archive into the grid, with a progress window when that takes
    // a while. An archive that cannot be read leaves the rows read so far and
    // shows no message. False when the user cancelled the reading.
    bool fillGrid();

    // The full path of the export file.
    QString outputPath() const;

    static const QString kAskExport;
    static const QString kAskOpen;
    static const QString kExportFailed;
    static const QString kInitialStatus;

protected:
    ExportScreen(Services& services, QWidget* owner, const ExportSource& source,
                 const QString& archivePath, const QString& caption, help::Topic helpTopic);

private:
    void buildGrid();
    void cmdEsportaClick();

    Services& m_services;
    const ExportSource& m_source;
    QString m_archivePath;
    ExportGridModel* m_model;
    QTableView* m_grdRecords;
};
