#include "ExportFile.h"

#include "common/WholeFileWriter.h"

namespace exportfile {

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

} // namespace exportfile
