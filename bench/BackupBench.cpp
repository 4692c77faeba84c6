// The safety copy and the archive check on a data folder of 20 generated
// years of 5,000 distinte each plus 10,000 buyer cards (about 340 MB):
//
// - BM_CopyAndVerify: backup::makeCopy (each archive read under its lock,
//   every file written, synced, read back from the medium and compared, the
//   manifest written and read back) next to `cp -r` of the same folder
//   followed by `sha256sum` of the copied files, both timed in every
//   iteration as whole commands. Goal: copy_vs_anchor at most 2.
// - BM_ArchiveCheck: archivecheck::check over every archive next to a plain
//   read of the same files in the same iteration. Goal: check_vs_plain at
//   most 2.

#include "BenchSupport.h"
#include "backup/ArchiveCheck.h"
#include "backup/BackupCopy.h"
#include "buyers/SchedaAnagrafica.h"
#include "distinte/Ricevuta.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

constexpr int kYears = 20;
constexpr int kFirstYear = 2004;
constexpr qint64 kPerYear = 5'000;
constexpr qint64 kCards = 10'000;

QString g_data;    // the data folder
QString g_scratch; // where the copies go, removed after each iteration

QStringList dataFiles() {
    QStringList files;
    for (int y = 0; y < kYears; ++y)
        files.append(QDir(g_data).filePath(QStringLiteral("%1.ric").arg(kFirstYear + y)));
    files.append(QDir(g_data).filePath(kBuyersArchiveFileName));
    return files;
}

// The generated year, with every date moved into `year` so that the
// archives are clean for the check.
bool writeYear(const QByteArray& generated, int year) {
    QByteArray bytes = generated;
    const int dateField = Ricevuta::layout().field(Ricevuta::Data).offset;
    const QByteArray digits = QByteArray::number(year);
    for (qint64 at = 0; at < bytes.size(); at += Ricevuta::kRecordSize)
        bytes.replace(at + dateField + 1 + 6, 4, digits);
    QFile file(QDir(g_data).filePath(QStringLiteral("%1.ric").arg(year)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool prepare(const BenchFolder& folder) {
    g_data = folder.file(QStringLiteral("dati"));
    g_scratch = folder.file(QStringLiteral("copie"));
    if (!QDir().mkpath(g_data) || !QDir().mkpath(g_scratch))
        return false;
    const QString first = folder.file(QStringLiteral("generato.ric"));
    if (!BenchFolder::writeDistinte(first, kPerYear) ||
        !BenchFolder::writeSchede(QDir(g_data).filePath(kBuyersArchiveFileName), kCards))
        return false;
    QFile generated(first);
    if (!generated.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = generated.readAll();
    for (int y = 0; y < kYears; ++y) {
        if (!writeYear(bytes, kFirstYear + y))
            return false;
    }
    for (const QString& file : dataFiles())
        plainRead(file); // warm the page cache
    return true;
}

bool runShell(const QString& script) {
    QProcess shell;
    shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), script});
    return shell.waitForFinished(-1) && shell.exitStatus() == QProcess::NormalExit &&
           shell.exitCode() == 0;
}

void BM_CopyAndVerify(benchmark::State& state) {
    double anchorSeconds = 0;
    double copySeconds = 0;
    QDateTime when = QDateTime::currentDateTime();
    const QString anchorCopy = QDir(g_scratch).filePath(QStringLiteral("cp-r"));
    for (auto _ : state) {
        bool anchorOk = false;
        anchorSeconds += secondsOf([&] {
            anchorOk = runShell(QStringLiteral("cp -r '%1' '%2' && cd '%2' && "
                                               "find . -type f -exec sha256sum {} + >/dev/null")
                                    .arg(g_data, anchorCopy));
        });
        QDir(anchorCopy).removeRecursively();
        backup::CopyOutcome outcome;
        const double seconds =
            secondsOf([&] { outcome = backup::makeCopy(ProgramFolder(g_data), g_scratch, when); });
        copySeconds += seconds;
        when = when.addSecs(1);
        if (!anchorOk || !outcome.ok())
            state.SkipWithError("copy failed");
        QDir(outcome.folder).removeRecursively();
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["anchor_ms"] = 1000 * anchorSeconds / n;
    state.counters["copy_ms"] = 1000 * copySeconds / n;
    state.counters["copy_vs_anchor"] = copySeconds / anchorSeconds;
}

void BM_ArchiveCheck(benchmark::State& state) {
    double plainSeconds = 0;
    double checkSeconds = 0;
    for (auto _ : state) {
        plainSeconds += secondsOf([] {
            for (const QString& file : dataFiles())
                plainRead(file);
        });
        archivecheck::Report report;
        const double seconds =
            secondsOf([&] { report = archivecheck::check(ProgramFolder(g_data)); });
        checkSeconds += seconds;
        if (report.distinte != kYears * kPerYear || report.cards != kCards ||
            !report.findings.isEmpty())
            state.SkipWithError("check did not read the clean archives whole");
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["plain_ms"] = 1000 * plainSeconds / n;
    state.counters["check_ms"] = 1000 * checkSeconds / n;
    state.counters["check_vs_plain"] = checkSeconds / plainSeconds;
}

BENCHMARK(BM_CopyAndVerify)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ArchiveCheck)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv, false, prepare);
}
