// What keeping every write safe costs a save, next to the plain write the
// program made before, in the same folder:
// - one distinta appended: the shared-archive append (lock, count again,
//   write, sync, unlock) against a plain append without lock or sync;
// - one settings value written: the whole-file writer (temporary file,
//   checked writes, sync, rename) against a plain truncate-and-write.
// A save is one user action at the counter: tens of milliseconds would still
// go unnoticed; the figures show how far below that it stays.

#include "common/RecordFile.h"
#include "common/WholeFileWriter.h"
#include "distinte/Ricevuta.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString folder() {
    static QTemporaryDir dir(QStringLiteral("vellarmo-bench-XXXXXX"));
    return dir.path();
}

QByteArray oneDistinta() {
    Ricevuta r;
    r.numRic = QStringLiteral("123");
    r.acqRigo[0] = QStringLiteral("Mario Rossi");
    r.saldato = kSaldatoNo;
    return r.encode();
}

const QByteArray kSettings = QByteArray("[Numerazione Distinte]\r\nInizio=505\r\n"
                                        "[Dati Rivenditore]\r\nNome=Tabaccheria Rossi\r\n") +
                             QByteArray(200, 'x');

void BM_PlainAppend(benchmark::State& state) {
    const QString path = folder() + QStringLiteral("/plain.ric");
    QFile::remove(path);
    const QByteArray record = oneDistinta();
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered) ||
            file.write(record) != record.size())
            state.SkipWithError("plain append failed");
    }
}

void BM_SharedArchiveAppend(benchmark::State& state) {
    const QString path = folder() + QStringLiteral("/locked.ric");
    QFile::remove(path);
    const QByteArray record = oneDistinta();
    for (auto _ : state) {
        RecordFile file(path, Ricevuta::kRecordSize);
        if (!file.open() || file.append(record) == 0)
            state.SkipWithError("append failed");
    }
}

void BM_PlainReplace(benchmark::State& state) {
    const QString path = folder() + QStringLiteral("/plain.ini");
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(kSettings) != kSettings.size())
            state.SkipWithError("plain write failed");
    }
}

void BM_WholeFileWriterReplace(benchmark::State& state) {
    const QString path = folder() + QStringLiteral("/safe.ini");
    for (auto _ : state) {
        if (!writeWholeFile(path, kSettings))
            state.SkipWithError("whole-file write failed");
    }
}

} // namespace

BENCHMARK(BM_PlainAppend)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SharedArchiveAppend)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainReplace)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeFileWriterReplace)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
