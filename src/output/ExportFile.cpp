#include "ExportFile.h"

#include "common/WholeFileWriter.h"
#include "output/XlsxDocument.h"

#include <QFile>
#include <QFileInfo>

namespace exportfile {
namespace {

// Whether the file ends with a ZIP archive's closing record, which a writer
// puts last: a file cut short by a full disk has none.
bool endsAsZip(const QString& path) {
    QFile file(path);
    // The closing record is 22 bytes with no comment (the workbook has none).
    constexpr qint64 kEndRecord = 22;
    if (!file.open(QIODevice::ReadOnly) || file.size() < kEndRecord ||
        !file.seek(file.size() - kEndRecord))
        return false;
    return file.read(4) == QByteArrayLiteral("PK\x05\x06");
}

} // namespace

ExportOutcome write(const QString& path, const ExportSheet& sheet, const ExportTable& table,
                    const ExportProgress& progress) {
    WholeFileWriter writer(path);
    if (!writer.open())
        return ExportOutcome::Failed;
    const ExportOutcome written = exportdoc::write(writer.device(), sheet, table, progress);
    if (written != ExportOutcome::Done) {
        writer.cancel();
        return written;
    }
    return writer.commit() ? ExportOutcome::Done : ExportOutcome::Failed;
}

ExportOutcome writeXlsx(const QString& path, const ExportSheet& sheet, const ExportTable& table,
                        const ExportProgress& progress) {
    WholeFileWriter writer(path);
    if (!writer.open())
        return ExportOutcome::Failed;
    const QString temporary = writer.temporaryPath();
    ExportOutcome written =
        xlsxdoc::write(temporary, QFileInfo(temporary).absolutePath(), sheet, table, progress);
    if (written == ExportOutcome::Done && !endsAsZip(temporary))
        written = ExportOutcome::Failed;
    if (written != ExportOutcome::Done) {
        writer.cancel();
        return written;
    }
    return writer.commit() ? ExportOutcome::Done : ExportOutcome::Failed;
}

} // namespace exportfile
