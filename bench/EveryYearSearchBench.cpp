// The distinte search over every year: 20 generated yearly archives of 5,000
// distinte each (about 305 MB in all). A search by one selective criterion
// (the distinta number 2345, one distinta a year) is timed next to a plain
// sequential read of the 20 files in the same iteration (target: at most two
// plain reads), and all 100,000 distinte listed into the shared result list
// with its first screenful painted (target: under half a second).

#include "BenchSupport.h"
#include "ShownList.h"
#include "distinte/DistintaSearch.h"
#include "distinte/Ricevuta.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kYears = 20;
constexpr int kFirstYear = 2004;
constexpr qint64 kPerYear = 5'000;
// The results list as the search screen lays it out.
const QSize kListSize(940, 380);

QString g_folder;

double plainReadOfEveryYear() {
    return secondsOf([] {
        for (int year = kFirstYear; year < kFirstYear + kYears; ++year)
            plainRead(ProgramFolder(g_folder).file(yearArchiveFileName(QString::number(year))));
    });
}

void BM_EveryYearOneCriterion(benchmark::State& state) {
    distintasearch::Criteria criteria;
    criteria.numRic = QStringLiteral("2345");
    double plain = 0, search = 0;
    qsizetype rows = 0;
    for (auto _ : state) {
        plain += plainReadOfEveryYear();
        const double seconds = secondsOf([&] {
            const distintasearch::YearsListing listing =
                distintasearch::searchEveryYear(ProgramFolder(g_folder), criteria);
            rows = listing.rows.size();
            if (!listing.unreadable.isEmpty())
                state.SkipWithError("an archive could not be read");
        });
        search += seconds;
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["plain_ms"] = 1000 * plain / n;
    state.counters["search_ms"] = 1000 * search / n;
    state.counters["search_vs_plain"] = search / plain;
    state.counters["rows"] = double(rows);
}

// As the user waits for it: every distinta of every year listed, moved into
// the shared result list and its first screenful painted.
void BM_EveryYearAllShown(benchmark::State& state) {
    ShownList list(kListSize);
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
        distintasearch::YearsListing listing =
            distintasearch::searchEveryYear(ProgramFolder(g_folder), {});
        list.show(std::move(listing.rows));
        if (list.rowCount() != kYears * kPerYear)
            state.SkipWithError("listing incomplete");
    }
}

BENCHMARK(BM_EveryYearOneCriterion)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryYearAllShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv, true, [](const BenchFolder& folder) {
        g_folder = folder.path();
        for (int year = kFirstYear; year < kFirstYear + kYears; ++year) {
            const QString path = folder.file(yearArchiveFileName(QString::number(year)));
            if (!BenchFolder::writeDistinte(path, kPerYear))
                return false;
        }
        plainReadOfEveryYear(); // warm the page cache
        return true;
    });
}
