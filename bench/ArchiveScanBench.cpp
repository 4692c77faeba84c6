// Scanning the yearly archive for the summary lists (search, unpaid list,
// income summary) next to a plain read of the same file: the scan should
// cost at most about three plain reads and use the same memory for a small
// archive as for a large one.

#include "ArchiveGenerator.h"
#include "PeakMemory.h"
#include "common/FixedField.h"
#include "common/RecordFile.h"
#include "distinte/Ricevuta.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>

namespace {

constexpr qint64 kSmallArchive = 10'000;
constexpr qint64 kLargeArchive = 100'000;
constexpr qint64 kPlainReadBlock = 1 << 20;

std::map<qint64, QString> g_archives; // record count -> file

// The fields a summary line and the unpaid list look at.
struct SummaryFields {
    QString numRic, data, acquirente, quant, descrizione, unitario, totale, saldato;
};

SummaryFields summaryFields(QByteArrayView record) {
    const RecordLayout& layout = Ricevuta::layout();
    const auto field = [&](int index) { return fixedfield::decode(record, layout.field(index)); };
    return {field(Ricevuta::NumRic),  field(Ricevuta::Data),          field(Ricevuta::AcqRigo01),
            field(Ricevuta::Quant01), field(Ricevuta::Descrizione01), field(Ricevuta::Unitario01),
            field(Ricevuta::Totale),  field(Ricevuta::Saldato)};
}

qint64 plainRead(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    QByteArray block(kPlainReadBlock, Qt::Uninitialized);
    qint64 total = 0;
    for (qint64 n; (n = file.read(block.data(), block.size())) > 0;)
        total += n;
    benchmark::DoNotOptimize(block.data());
    return total;
}

// Returns the number of records seen, or -1 on failure.
qint64 summaryScan(const QString& path) {
    RecordFile file(path, Ricevuta::kRecordSize);
    if (!file.open())
        return -1;
    qint64 seen = 0;
    const bool ok = file.scan([&seen](qint64, QByteArrayView record) {
        SummaryFields fields = summaryFields(record);
        benchmark::DoNotOptimize(fields);
        ++seen;
        return true;
    });
    return ok ? seen : -1;
}

qint64 fullDecodeScan(const QString& path) {
    RecordFile file(path, Ricevuta::kRecordSize);
    if (!file.open())
        return -1;
    qint64 seen = 0;
    const bool ok = file.scan([&seen](qint64, QByteArrayView record) {
        Ricevuta r = Ricevuta::decode(record);
        benchmark::DoNotOptimize(r);
        ++seen;
        return true;
    });
    return ok ? seen : -1;
}

double secondsOf(const auto& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_PlainRead(benchmark::State& state) {
    const QString& path = g_archives[state.range(0)];
    for (auto _ : state) {
        if (plainRead(path) != state.range(0) * Ricevuta::kRecordSize)
            state.SkipWithError("plain read failed");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * Ricevuta::kRecordSize);
}

// Each iteration times a plain read and the scan of the same file back to
// back, so the ratio compares like with like on a shared machine. Only the
// scan counts as the iteration's time.
void BM_SummaryScan(benchmark::State& state) {
    const QString& path = g_archives[state.range(0)];
    double plainSeconds = 0;
    double scanSeconds = 0;
    long growthKiB = 0;
    bool exact = true;
    for (auto _ : state) {
        plainSeconds += secondsOf([&] { plainRead(path); });
        const PeakMemory memory;
        qint64 seen = 0;
        const double seconds = secondsOf([&] { seen = summaryScan(path); });
        growthKiB = std::max(growthKiB, memory.growthKiB());
        exact = exact && memory.exact();
        if (seen != state.range(0))
            state.SkipWithError("scan failed");
        scanSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["plain_ms"] = 1000 * plainSeconds / n;
    state.counters["scan_ms"] = 1000 * scanSeconds / n;
    state.counters["scan_vs_plain"] = scanSeconds / plainSeconds;
    state.counters["peak_rss_growth_KiB"] = double(growthKiB);
    state.counters["peak_exact"] = exact ? 1 : 0;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// For reference: decoding all 56 fields of every record.
void BM_FullDecodeScan(benchmark::State& state) {
    const QString& path = g_archives[state.range(0)];
    for (auto _ : state) {
        if (fullDecodeScan(path) != state.range(0))
            state.SkipWithError("scan failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_PlainRead)->Arg(kSmallArchive)->Arg(kLargeArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryScan)
    ->Arg(kSmallArchive)
    ->Arg(kLargeArchive)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullDecodeScan)->Arg(kLargeArchive)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The archives live in a temporary folder that goes away on exit.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    for (const qint64 count : {kSmallArchive, kLargeArchive}) {
        const QString path = folder.filePath(QStringLiteral("%1.ric").arg(count));
        QString error;
        if (!ArchiveGenerator::writeDistinte(path, count, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        g_archives[count] = path;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
