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

#include "ArchiveGenerator.h"
#include "reports/IncomeSummary.h"
#include "reports/MonthlyIncome.h"
#include "widgets/ResultList.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

constexpr qint64 kDistinte = 100'000;
constexpr qint64 kPlainReadBlock = 1 << 20;
const QSize kListSize(990, 520); // the list as the summary screen shows it at 1024x768

QString g_archive;

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

double secondsOf(const auto& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

incomesummary::Query wholeYear() {
    return {g_archive, QString(), QStringLiteral("01/01/2023"), QStringLiteral("31/12/2023")};
}

void BM_SummaryWholeYear(benchmark::State& state) {
    double plainSeconds = 0;
    double summarySeconds = 0;
    for (auto _ : state) {
        plainSeconds += secondsOf([] { plainRead(g_archive); });
        incomesummary::Result result;
        const double seconds = secondsOf([&] { result = incomesummary::summarize(wholeYear()); });
        if (!result.readable || result.rows.size() != kDistinte)
            state.SkipWithError("not every distinta was listed");
        benchmark::DoNotOptimize(incomesummary::totalText(result.sum));
        summarySeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["plain_ms"] = 1000 * plainSeconds / n;
    state.counters["summary_ms"] = 1000 * summarySeconds / n;
    state.counters["summary_vs_plain"] = summarySeconds / plainSeconds;
}

void BM_SummaryListShown(benchmark::State& state) {
    ResultList list;
    list.resize(kListSize);
    list.show();
    for (auto _ : state) {
        state.PauseTiming();
        list.clear();
        incomesummary::Result result = incomesummary::summarize(wholeYear());
        state.ResumeTiming();
        const double seconds = secondsOf([&] {
            list.setRows(std::move(result.rows));
            benchmark::DoNotOptimize(list.grab());
        });
        if (list.rows().size() != kDistinte)
            state.SkipWithError("not every line was shown");
        state.SetIterationTime(seconds);
    }
}

void BM_MonthlySums(benchmark::State& state) {
    double plainSeconds = 0;
    double sumsSeconds = 0;
    for (auto _ : state) {
        plainSeconds += secondsOf([] { plainRead(g_archive); });
        monthlyincome::Sums sums;
        const double seconds =
            secondsOf([&] { sums = monthlyincome::read(g_archive, QStringLiteral("2023")); });
        if (!sums.readable)
            state.SkipWithError("the archive was not read");
        sumsSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const double n = double(state.iterations());
    state.counters["plain_ms"] = 1000 * plainSeconds / n;
    state.counters["sums_ms"] = 1000 * sumsSeconds / n;
    state.counters["sums_vs_plain"] = sumsSeconds / plainSeconds;
}

BENCHMARK(BM_SummaryWholeYear)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SummaryListShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthlySums)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    g_archive = folder.filePath(QStringLiteral("2023.ric"));
    QString error;
    if (!ArchiveGenerator::writeDistinte(g_archive, kDistinte, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    plainRead(g_archive); // warm the page cache
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
