// Exporting the generated year of 100,000 distinte as a spreadsheet file,
// next to anchors measured in the same run: writing the document should cost
// at most about two plain writes of the same bytes, and the export screen
// should show its grid in well under half a second.

#include "BenchSupport.h"
#include "PeakMemory.h"
#include "distinte/DistintaExport.h"
#include "distinte/ui/TfrmExpRicevute.h"
#include "output/ArchiveExports.h"
#include "output/ExportDocument.h"
#include "output/ExportFile.h"
#include "output/XlsxDocument.h"
#include "widgets/Services.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

constexpr qint64 kYear = 100'000;

QString g_folder;
QString g_archive;

ExportTable loadYear() {
    const ExportSource& source = distintaexport::source();
    ExportTable table(int(source.sheet.columns.size()));
    archiveexport::load(g_archive, source, table);
    return table;
}

// The anchor: the same bytes in one write call, optionally synced to disk
// as the whole-file writer does before it replaces the old file.
bool plainWrite(const QString& path, const QByteArray& bytes, bool sync) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool ok = file.write(bytes) == bytes.size() && file.flush();
    if (sync)
        ok = ok && ::fsync(file.handle()) == 0;
    file.close();
    return ok;
}

bool documentWrite(const QString& path, const ExportTable& table) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool ok =
        exportdoc::write(file, distintaexport::source().sheet, table) == ExportOutcome::Done;
    file.close();
    return ok && file.error() == QFileDevice::NoError;
}

// Each iteration times the plain write and the document write back to back,
// so the ratio compares like with like on a shared machine; then the same
// for the atomic export file against a plain write that is synced.
void BM_ExportDocument(benchmark::State& state) {
    const ExportTable table = loadYear();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    exportdoc::write(buffer, distintaexport::source().sheet, table);
    const QByteArray bytes = buffer.data();
    const QString anchorPath = g_folder + QStringLiteral("/anchor.xls");
    const QString documentPath = g_folder + QStringLiteral("/document.xls");
    const QString exportPath = g_folder + QStringLiteral("/Archivio_Distinte.xls");

    double plain = 0, document = 0, plainSynced = 0, atomic = 0;
    for (auto _ : state) {
        bool ok = true;
        plain += secondsOf([&] { ok = plainWrite(anchorPath, bytes, false) && ok; });
        const double seconds = secondsOf([&] { ok = documentWrite(documentPath, table) && ok; });
        document += seconds;
        plainSynced += secondsOf([&] { ok = plainWrite(anchorPath, bytes, true) && ok; });
        atomic += secondsOf([&] {
            ok = exportfile::write(exportPath, distintaexport::source().sheet, table) ==
                     ExportOutcome::Done &&
                 ok;
        });
        if (!ok)
            state.SkipWithError("a write failed");
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["MB"] = double(bytes.size()) / 1e6;
    state.counters["plain_ms"] = 1000 * plain / n;
    state.counters["document_ms"] = 1000 * document / n;
    state.counters["document_vs_plain"] = document / plain;
    state.counters["plain_fsync_ms"] = 1000 * plainSynced / n;
    state.counters["atomic_file_ms"] = 1000 * atomic / n;
    state.counters["atomic_vs_plain_fsync"] = atomic / plainSynced;
}

// The .xlsx workbook of the same year next to the .xls document, both
// written to a file in each iteration (target: the workbook within three
// times the document), and the peak memory the workbook adds while it is
// written (target: under 150 MB in all, constant-memory mode).
void BM_XlsxDocument(benchmark::State& state) {
    const ExportTable table = loadYear();
    const ExportSheet& sheet = distintaexport::source().sheet;
    const QString documentPath = g_folder + QStringLiteral("/document.xls");
    const QString xlsxPath = g_folder + QStringLiteral("/document.xlsx");
    double document = 0, xlsx = 0;
    long growthKiB = 0;
    for (auto _ : state) {
        bool ok = true;
        document += secondsOf([&] { ok = documentWrite(documentPath, table) && ok; });
        const PeakMemory memory;
        const double seconds = secondsOf([&] {
            ok = xlsxdoc::write(xlsxPath, g_folder, sheet, table) == ExportOutcome::Done && ok;
        });
        growthKiB = std::max(growthKiB, memory.growthKiB());
        xlsx += seconds;
        if (!ok)
            state.SkipWithError("a write failed");
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["document_ms"] = 1000 * document / n;
    state.counters["xlsx_ms"] = 1000 * xlsx / n;
    state.counters["xlsx_vs_document"] = xlsx / document;
    state.counters["xlsx_MB"] = double(QFile(xlsxPath).size()) / 1e6;
    state.counters["peak_rss_growth_KiB"] = double(growthKiB);
}

// Stand-ins for the dialogs: nothing is asked or opened while timing.
struct QuietServices : MessageBoxes, DialogRunner, FileDialogs, PrintDialogs, SystemOpener {
    void notice(QWidget*, Icon, const QString&) override {}
    bool question(QWidget*, const QString&) override { return false; }
    Answer questionWithCancel(QWidget*, const QString&) override { return Answer::Cancel; }
    void message(QWidget*, const QString&) override {}
    int exec(QDialog*) override { return 0; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString existingFolder(QWidget*, const QString&, const QString&) override { return {}; }
    bool choosePrinter(QWidget*, QPrinter*) override { return false; }
    void open(const QString&) override {}
};

// From the click to a painted grid: the screen is built, the archive read
// into it and the visible rows painted. Plain read of the file for scale.
void BM_GridShown(benchmark::State& state) {
    QuietServices quiet;
    Services services{ProgramFolder(g_folder), quiet, quiet, quiet, quiet, quiet};
    double plainRead = 0;
    long growthKiB = 0;
    for (auto _ : state) {
        plainRead += secondsOf([] {
            QFile file(g_archive);
            if (file.open(QIODevice::ReadOnly))
                benchmark::DoNotOptimize(file.readAll().size());
        });
        const PeakMemory memory;
        const double seconds = secondsOf([&] {
            TfrmExpRicevute screen(services, nullptr, g_archive);
            screen.show();
            QImage painted = screen.grab().toImage();
            benchmark::DoNotOptimize(painted.bits());
            if (screen.findChild<QTableView*>()->model()->rowCount() != kYear)
                state.SkipWithError("grid incomplete");
        });
        growthKiB = std::max(growthKiB, memory.growthKiB());
        state.SetIterationTime(seconds);
    }
    state.counters["plain_read_ms"] = 1000 * plainRead / double(state.iterations());
    state.counters["peak_rss_growth_KiB"] = double(growthKiB);
}

BENCHMARK(BM_ExportDocument)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XlsxDocument)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridShown)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runOnGeneratedYear(argc, argv, kYear, true, g_folder, g_archive);
}
