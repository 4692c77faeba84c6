#include "ArchiveExports.h"

#include "common/RecordFile.h"

namespace archiveexport {
namespace {

// Records read between two progress reports.
constexpr qint64 kRecordsPerReport = 1024;

} // namespace

ExportColumn column(const QString& header, int exportWidth, int gridWidth,
                    const QString& gridHeader) {
    return {header, exportWidth, gridHeader.isEmpty() ? header : gridHeader, gridWidth};
}

ExportOutcome load(const QString& path, const ExportSource& source, ExportTable& table,
                   const ExportProgress& progress) {
    RecordFile file(path, source.recordSize);
    if (!file.open())
        return ExportOutcome::Failed;
    const qint64 total = file.count();
    // About a tenth of a record ends up in the cells.
    table.reserve(total, source.recordSize / 10);
    bool cancelled = false;
    const bool read = file.scan([&](qint64 position, QByteArrayView record) {
        if ((position - 1) % kRecordsPerReport == 0 && progress && !progress(position - 1, total)) {
            cancelled = true;
            return false;
        }
        source.appendRow(record, table);
        return true;
    });
    if (cancelled)
        return ExportOutcome::Cancelled;
    return read ? ExportOutcome::Done : ExportOutcome::Failed;
}

} // namespace archiveexport
