// Scanning the yearly archive for the summary lists (search, unpaid list,
// income summary) and for the used-number check before a save, next to a
// plain read of the same file: a scan should cost at most about three plain
// reads and use the same memory for a small archive as for a large one.

#include "BenchSupport.h"
#include "PeakMemory.h"
#include "common/FixedField.h"
#include "common/RecordFile.h"
#include "distinte/DistintaArchive.h"
#include "distinte/Ricevuta.h"

#include <benchmark/benchmark.h>
#include <map>

namespace {

constexpr qint64 kSmallArchive = 10'000;
constexpr qint64 kLargeArchive = 100'000;

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
    PlainReadAnchor anchor(path, "scan");
    long growthKiB = 0;
    bool exact = true;
    for (auto _ : state) {
        anchor.readPlain();
        const PeakMemory memory;
        qint64 seen = 0;
        const double seconds = anchor.time([&] { seen = summaryScan(path); });
        growthKiB = std::max(growthKiB, memory.growthKiB());
        exact = exact && memory.exact();
        if (seen != state.range(0))
            state.SkipWithError("scan failed");
        state.SetIterationTime(seconds);
    }
    anchor.report(state);
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

// The check run before every save that no other distinta has the number:
// a number no record has, so the whole archive is looked through.
void BM_UsedNumberLookup(benchmark::State& state) {
    const QString& path = g_archives[state.range(0)];
    PlainReadAnchor anchor(path, "lookup");
    const DistintaArchive archive(path);
    for (auto _ : state) {
        anchor.readPlain();
        std::optional<bool> used;
        const double seconds = anchor.time([&] {
            used =
                archive.numberUsedElsewhere(QStringLiteral("NESSUNO"), DistintaArchive::kNotStored);
        });
        if (used != false)
            state.SkipWithError("lookup failed");
        state.SetIterationTime(seconds);
    }
    anchor.report(state);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_PlainRead)->Arg(kSmallArchive)->Arg(kLargeArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryScan)
    ->Arg(kSmallArchive)
    ->Arg(kLargeArchive)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UsedNumberLookup)
    ->Arg(kSmallArchive)
    ->Arg(kLargeArchive)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullDecodeScan)->Arg(kLargeArchive)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv, false, [](const BenchFolder& folder) {
        for (const qint64 count : {kSmallArchive, kLargeArchive}) {
            const QString path = folder.file(QStringLiteral("%1.ric").arg(count));
            if (!BenchFolder::writeDistinte(path, count))
                return false;
            g_archives[count] = path;
        }
        return true;
    });
}
