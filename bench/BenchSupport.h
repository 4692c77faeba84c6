#pragma once

#include <QString>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <string>

// What the benchmark programs share around their measures: the generated
// archives they work on, in a temporary folder that goes away when the program
// ends, and the plain read of a file that the ratio measures time next to
// their work in the same iteration, so the ratios hold on a busy machine.

// A temporary folder for one benchmark program's archives.
class BenchFolder {
public:
    // Says why on stderr when the folder cannot be made.
    BenchFolder();

    bool ok() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    // Write `count` generated distinte or buyer cards to `path` (ArchiveGenerator);
    // false, with the reason on stderr, when they cannot be written.
    static bool writeDistinte(const QString& path, qint64 count);
    static bool writeSchede(const QString& path, qint64 count);

private:
    QTemporaryDir m_dir;
};

// Reads the whole file in 1 MiB blocks and throws the bytes away: the anchor
// of the ratio measures. Returns the bytes read, or -1 when the file cannot be
// opened.
qint64 plainRead(const QString& path);

// The wall-clock seconds `work` takes.
double secondsOf(const auto& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times a measure's work next to a plain read of the same file, both in every
// iteration, and reports them as the counters `plain_ms`, `<name>_ms` and
// `<name>_vs_plain`.
class PlainReadAnchor {
public:
    PlainReadAnchor(QString path, std::string name)
        : m_path(std::move(path)), m_name(std::move(name)) {}

    // Times one plain read of the file.
    void readPlain() {
        m_plainSeconds += secondsOf([this] { plainRead(m_path); });
    }
    // Times `work` and returns its seconds, for the iteration time.
    double time(const auto& work) {
        const double seconds = secondsOf(work);
        m_workSeconds += seconds;
        return seconds;
    }
    // Sets the three counters on `state`, averaged over its iterations.
    void report(benchmark::State& state) const;

private:
    QString m_path;
    std::string m_name;
    double m_plainSeconds = 0;
    double m_workSeconds = 0;
};

// The main of every benchmark program: with `screens`, starts a QApplication
// on the offscreen platform unless QT_QPA_PLATFORM names another; reads the
// benchmark flags; lets `prepare` write its archives into a temporary folder
// that goes away on exit; runs the registered benchmarks. Returns 1 on an
// unknown flag or when the archives cannot be written.
int runBenchmarks(int argc, char** argv, bool screens,
                  const std::function<bool(const BenchFolder&)>& prepare);

// runBenchmarks on one generated year: `count` distinte in `2023.ric`, with
// `folder` and `archive` set to their paths and the page cache warmed by a
// plain read.
int runOnGeneratedYear(int argc, char** argv, qint64 count, bool screens, QString& folder,
                       QString& archive);
