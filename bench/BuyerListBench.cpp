// The buyer lists on a 100,000-card archive (about 383 MB): a search with one
// selective criterion next to a plain read of the same file (target: at most
// two plain reads), all cards listed, sorted and put into the list model, then
// the same with the list's first screenful painted (target: under half a
// second), and opening the card behind row 99,999 (target: under 10 ms).

#include "BenchSupport.h"
#include "ShownList.h"
#include "buyers/BuyerArchive.h"
#include "buyers/BuyerSearch.h"
#include "common/ProgramFolder.h"
#include "common/ResultRows.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qint64 kCards = 100'000;
const QSize kListSize(900, 380); // the list as the buyer search lays it out

QString g_folder;
QString g_selectiveName; // the name of one card in the middle of the file

// Each iteration times a plain read and the search of the same file back to
// back, so the ratio compares like with like on a shared machine.
void BM_BuyerSearchOneCriterion(benchmark::State& state) {
    const BuyerArchive archive{ProgramFolder(g_folder)};
    buyersearch::Criteria criteria;
    criteria[buyersearch::Nome] = g_selectiveName;
    PlainReadAnchor anchor(archive.path(), "search");
    qsizetype found = 0;
    for (auto _ : state) {
        anchor.readPlain();
        const double seconds = anchor.time([&] {
            const buyersearch::Result result = buyersearch::search(archive, criteria);
            found = result.rows.size();
            if (!result.ok)
                state.SkipWithError("search failed");
        });
        state.SetIterationTime(seconds);
    }
    anchor.report(state);
    state.counters["rows"] = double(found);
}

// Every card listed (no criterion), sorted, and moved into the list model.
void BM_BuyerListAllSorted(benchmark::State& state) {
    const BuyerArchive archive{ProgramFolder(g_folder)};
    for (auto _ : state) {
        buyersearch::Result result = buyersearch::search(archive, buyersearch::Criteria{});
        if (!result.ok || result.rows.size() != kCards)
            state.SkipWithError("listing failed");
        ResultRows model;
        model.setRows(std::move(result.rows));
        benchmark::DoNotOptimize(model.rowCount());
    }
}

// As the user waits for it: every card listed, sorted, moved into the shared
// result list and its first screenful painted.
void BM_BuyerListAllShown(benchmark::State& state) {
    const BuyerArchive archive{ProgramFolder(g_folder)};
    ShownList list(kListSize);
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
        buyersearch::Result result = buyersearch::search(archive, buyersearch::Criteria{});
        list.show(std::move(result.rows));
        if (!result.ok || list.rowCount() != kCards)
            state.SkipWithError("listing failed");
    }
}

// Opening row 99,999: the card at the row's position, checked against the line.
void BM_BuyerChooseRow(benchmark::State& state) {
    const BuyerArchive archive{ProgramFolder(g_folder)};
    const auto card = archive.read(99'999);
    if (!card) {
        state.SkipWithError("read failed");
        return;
    }
    const ResultRow row{buyersearch::lineOf(buyersearch::LineKind::Summary, *card), 99'999};
    for (auto _ : state) {
        const auto chosen = buyersearch::choose(archive, buyersearch::LineKind::Summary, row);
        if (!chosen || chosen->position != 99'999)
            state.SkipWithError("wrong card");
    }
}

BENCHMARK(BM_BuyerSearchOneCriterion)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuyerListAllSorted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuyerListAllShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuyerChooseRow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv, true, [](const BenchFolder& folder) {
        g_folder = folder.path();
        const BuyerArchive archive{ProgramFolder(g_folder)};
        if (!BenchFolder::writeSchede(archive.path(), kCards))
            return false;
        g_selectiveName = archive.read(kCards / 2)->nome;
        return true;
    });
}
