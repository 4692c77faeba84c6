#include "BenchSupport.h"

#include "ArchiveGenerator.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

constexpr qint64 kPlainReadBlock = 1 << 20;

bool reported(bool written, const QString& error) {
    if (!written)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return written;
}

} // namespace

BenchFolder::BenchFolder() {
    if (!m_dir.isValid())
        std::fprintf(stderr, "cannot create a temporary folder\n");
}

bool BenchFolder::writeDistinte(const QString& path, qint64 count) {
    QString error;
    return reported(ArchiveGenerator::writeDistinte(path, count, &error), error);
}

bool BenchFolder::writeSchede(const QString& path, qint64 count) {
    QString error;
    return reported(ArchiveGenerator::writeSchede(path, count, &error), error);
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

void PlainReadAnchor::report(benchmark::State& state) const {
    const double n = double(state.iterations());
    state.counters["plain_ms"] = 1000 * m_plainSeconds / n;
    state.counters[m_name + "_ms"] = 1000 * m_workSeconds / n;
    state.counters[m_name + "_vs_plain"] = m_workSeconds / m_plainSeconds;
}

int runBenchmarks(int argc, char** argv, bool screens,
                  const std::function<bool(const BenchFolder&)>& prepare) {
    std::unique_ptr<QApplication> app;
    if (screens) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const BenchFolder folder;
    if (!folder.ok() || !prepare(folder))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

int runOnGeneratedYear(int argc, char** argv, qint64 count, bool screens, QString& folder,
                       QString& archive) {
    return runBenchmarks(argc, argv, screens, [&](const BenchFolder& year) {
        folder = year.path();
        archive = year.file(QStringLiteral("2023.ric"));
        if (!BenchFolder::writeDistinte(archive, count))
            return false;
        plainRead(archive); // warm the page cache
        return true;
    });
}
