// The income summary and the income chart on a 100,000-distinte year, each
// timed next to a plain read of the same file in the same iteration, so the
// ratios hold on a busy machine:
//
// - BM_SummaryWholeYear: every distinta of the year, no buyer filter: lines,
//   positions and total; goal summary_vs_plain <= 2.5.
// - BM_SummaryListShown: the 100,000 summary lines moved into the result
//   list and its first screenful painted; goal < 300 ms.
// - BM_MonthlySums: the twelve monthly sums of the chart; goal
//   sums_vs_plain <= 2.

#include "BenchSupport.h"
#include "ShownList.h"
#include "reports/IncomeSummary.h"
#include "reports/MonthlyIncome.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qint64 kDistinte = 100'000;
const QSize kListSize(990, 520); // the list as the summary screen shows it at 1024x768

QString g_archive;

incomesummary::Query wholeYear() {
    return {g_archive, QString(), QStringLiteral("01/01/2023"), QStringLiteral("31/12/2023")};
}

void BM_SummaryWholeYear(benchmark::State& state) {
    PlainReadAnchor anchor(g_archive, "summary");
    for (auto _ : state) {
        anchor.readPlain();
        incomesummary::Result result;
        const double seconds = anchor.time([&] { result = incomesummary::summarize(wholeYear()); });
        if (!result.readable || result.rows.size() != kDistinte)
            state.SkipWithError("not every distinta was listed");
        benchmark::DoNotOptimize(incomesummary::totalText(result.sum));
        state.SetIterationTime(seconds);
    }
    anchor.report(state);
}

void BM_SummaryListShown(benchmark::State& state) {
    ShownList list(kListSize);
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        incomesummary::Result result = incomesummary::summarize(wholeYear());
        state.ResumeTiming();
        const double seconds = secondsOf([&] { list.show(std::move(result.rows)); });
        if (list.rowCount() != kDistinte)
            state.SkipWithError("not every line was shown");
        state.SetIterationTime(seconds);
    }
}

void BM_MonthlySums(benchmark::State& state) {
    PlainReadAnchor anchor(g_archive, "sums");
    for (auto _ : state) {
        anchor.readPlain();
        monthlyincome::Sums sums;
        const double seconds =
            anchor.time([&] { sums = monthlyincome::read(g_archive, QStringLiteral("2023")); });
        if (!sums.readable)
            state.SkipWithError("the archive was not read");
        state.SetIterationTime(seconds);
    }
    anchor.report(state);
}

BENCHMARK(BM_SummaryWholeYear)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryListShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthlySums)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QString folder;
    return runOnGeneratedYear(argc, argv, kDistinte, true, folder, g_archive);
}
