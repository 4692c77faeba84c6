// The program's start-up, from process start to the first paint of the
// password screen on the offscreen platform, timed as a whole process next to
// a trivial Qt program that shows one window (bench_trivial_window), both in
// every iteration, so the ratio holds on a busy machine. The program ends
// after that paint through VELLARMO_EXIT_AFTER_FIRST_PAINT=1 and runs on a
// copy of its folder with its key file, so no data of the build is touched.
// A third process, with VELLARMO_EXIT_WHEN_READY=1, runs until the work
// screens that follow the first paint have been made as well.
//
// - BM_StartupToPasswordScreen: counters trivial_ms, startup_ms and
//   startup_vs_trivial (goal <= 2), ready_ms and ready_vs_trivial.

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QString g_program;
const QString kTrivial = QStringLiteral(VELLARMO_TRIVIAL_WINDOW);

// Runs `path` to its end with `exitSwitch`=1 in its environment; the seconds
// it took, or -1 when it did not start or failed.
double runToEnd(const QString& path, const QString& exitSwitch) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(exitSwitch, QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    bool ok = false;
    const double seconds = secondsOf([&] {
        process.start(path, {});
        ok = process.waitForFinished(30'000) && process.exitStatus() == QProcess::NormalExit &&
             process.exitCode() == 0;
    });
    return ok ? seconds : -1;
}

void BM_StartupToPasswordScreen(benchmark::State& state) {
    const QString afterPaint = QStringLiteral("VELLARMO_EXIT_AFTER_FIRST_PAINT");
    double trivial = 0;
    double startup = 0;
    double ready = 0;
    for (auto _ : state) {
        const double t = runToEnd(kTrivial, afterPaint);
        const double s = runToEnd(g_program, afterPaint);
        const double r = runToEnd(g_program, QStringLiteral("VELLARMO_EXIT_WHEN_READY"));
        if (t < 0 || s < 0 || r < 0) {
            state.SkipWithError("a process did not end where it should");
            return;
        }
        trivial += t;
        startup += s;
        ready += r;
        state.SetIterationTime(s);
    }
    const double n = double(state.iterations());
    state.counters["trivial_ms"] = 1000 * trivial / n;
    state.counters["startup_ms"] = 1000 * startup / n;
    state.counters["startup_vs_trivial"] = startup / trivial;
    state.counters["ready_ms"] = 1000 * ready / n;
    state.counters["ready_vs_trivial"] = ready / trivial;
}
BENCHMARK(BM_StartupToPasswordScreen)->UseManualTime()->Unit(benchmark::kMillisecond);

// The program and its key file, copied into the benchmark's folder: a program
// whose folder holds its key file starts without a notice.
bool copyProgram(const BenchFolder& folder) {
    const QString built = QStringLiteral(VELLARMO_PROGRAM);
    const QString key = QFileInfo(built).dir().filePath(QStringLiteral("unins000.dll"));
    g_program = folder.file(QStringLiteral("vellarmo"));
    if (!QFile::copy(built, g_program) ||
        !QFile::copy(key, folder.file(QStringLiteral("unins000.dll")))) {
        std::fprintf(stderr, "cannot copy %s and its key file\n", qPrintable(built));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv, false, copyProgram);
}
