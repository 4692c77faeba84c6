// The distinte search and the result list on a 100,000-distinte year, each
// timed next to a plain read of the same file in the same iteration, so the
// ratios hold on a busy machine:
//
// - BM_SearchFew: the search with one criterion that matches one distinta;
//   goal search_vs_plain <= 2.
// - BM_SearchAllShown: the search with no criterion (every distinta listed),
//   the list model filled and the first screenful painted; goal < 300 ms.
// - BM_ListMemory: the heap and resident memory the 100,000-row list holds
//   over the list screen at rest; goal < 60 MB.
// - BM_OpenLastRow: opening the distinta behind row 99,999 (one record
//   read); goal < 10 ms.

#include "BenchSupport.h"
#include "ShownList.h"
#include "distinte/DistintaSearch.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <string>

namespace {

constexpr qint64 kDistinte = 100'000;
const QSize kListSize(940, 380); // the list as the search screen shows it

QString g_archive;

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

double heapInUseMiB() {
    return double(mallinfo2().uordblks) / (1024 * 1024);
}

void BM_SearchFew(benchmark::State& state) {
    const distintasearch::Criteria criteria{.numRic = QStringLiteral("99999")};
    PlainReadAnchor anchor(g_archive, "search");
    qsizetype rows = 0;
    for (auto _ : state) {
        anchor.readPlain();
        distintasearch::Listing listing;
        const double seconds =
            anchor.time([&] { listing = distintasearch::search(g_archive, criteria); });
        if (!listing.ok)
            state.SkipWithError("search failed");
        rows = listing.rows.size();
        state.SetIterationTime(seconds);
    }
    anchor.report(state);
    state.counters["rows"] = double(rows);
}

// Search, fill the list and paint what the screen shows of it.
void searchAllAndShow(ShownList& list) {
    list.show(distintasearch::search(g_archive, {}).rows);
}

void BM_SearchAllShown(benchmark::State& state) {
    ShownList list(kListSize);
    PlainReadAnchor anchor(g_archive, "shown");
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
        anchor.readPlain();
        const double seconds = anchor.time([&] { searchAllAndShow(list); });
        if (list.rowCount() != kDistinte)
            state.SkipWithError("not every distinta was listed");
        state.SetIterationTime(seconds);
    }
    anchor.report(state);
}

// Runs first, once, so the allocator has no freed list to reuse.
void BM_ListMemory(benchmark::State& state) {
    for (auto _ : state) {
        ShownList list(kListSize);
        list.paint();
        malloc_trim(0);
        const long restingKiB = residentKiB();
        const double restingHeap = heapInUseMiB();
        searchAllAndShow(list);
        state.counters["rows_rss_MiB"] = double(residentKiB() - restingKiB) / 1024;
        state.counters["rows_heap_MiB"] = heapInUseMiB() - restingHeap;
        state.counters["rows"] = double(list.rowCount());
    }
}

void BM_OpenLastRow(benchmark::State& state) {
    const distintasearch::Listing listing = distintasearch::search(g_archive, {});
    const ResultRow row = listing.rows.at(99'998); // row 99,999
    for (auto _ : state) {
        std::optional<distintasearch::Opened> opened;
        const double seconds = secondsOf([&] { opened = distintasearch::open(g_archive, row); });
        if (!opened || opened->position != row.position)
            state.SkipWithError("the row's distinta did not open");
        state.SetIterationTime(seconds);
    }
}

BENCHMARK(BM_ListMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchFew)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAllShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLastRow)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QString folder;
    return runOnGeneratedYear(argc, argv, kDistinte, true, folder, g_archive);
}
