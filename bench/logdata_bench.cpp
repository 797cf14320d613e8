// Reading a save folder of 10,000 measurement files in 100 day folders back into the history,
// as a ratio against walking the same tree and reading the same files with std::filesystem and
// read(2), measured in the same run (x_baseline).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>
#include <filesystem>
#include <string>

#include "app/records/ResultHistory.h"
#include "app/logdata/GetFilesMostDeep.h"
#include "app/logdata/LogReader.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDays = 100;
constexpr int kFilesPerDay = 100;
std::string g_root;

// The save folder of a station after 100 days of 100 measurements each.
void makeSaveFolder(const QString& root) {
    const QByteArray record =
        "12/07/2026 Mon. 10:15:30,V,0.0123,OK,0.0200,0.0010,PL-35F2,S2612070001,DM-7200,SATO,"
        "EC-500\r\n";
    for (int day = 0; day < kDays; ++day) {
        const QString folder = QStringLiteral("%1/2026%2").arg(root).arg(day + 1001);
        QDir().mkpath(folder);
        for (int k = 0; k < kFilesPerDay; ++k) {
            QFile f(QStringLiteral("%1/A%2.csv").arg(folder).arg(k + 1, 3, 10, QChar(u'0')));
            if (f.open(QIODevice::WriteOnly)) f.write(record);
        }
    }
}

// Plain walks of the tree: every regular file, and every regular file read with read(2).
std::size_t walk() {
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(g_root))
        if (entry.is_regular_file()) ++files;
    return files;
}

std::size_t walkAndRead() {
    char buffer[4096];
    std::size_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(g_root)) {
        if (!entry.is_regular_file()) continue;
        const int fd = ::open(entry.path().c_str(), O_RDONLY);
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        ::close(fd);
        bytes += static_cast<std::size_t>(got);
    }
    return bytes;
}

// The process's processor time, user and system: the work is mostly system calls, and the
// machine is shared, so wall time would count other processes.
double processorSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Each iteration runs the baseline first, untimed, then the measured work: the two alternate,
// so a change in the machine's load falls on both. Reports the baseline's processor time and
// the measured work's as a multiple of it.
template <typename Baseline, typename Measured>
void compare(benchmark::State& state, Baseline baseline, Measured measured) {
    double baselineSeconds = 0, measuredSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        double start = processorSeconds();
        benchmark::DoNotOptimize(baseline());
        baselineSeconds += processorSeconds() - start;
        state.ResumeTiming();
        start = processorSeconds();
        if (measured() != kDays * kFilesPerDay) state.SkipWithError("files missing");
        measuredSeconds += processorSeconds() - start;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["baseline_cpu_ms"] = baselineSeconds / n * 1e3;
    state.counters["cpu_ms"] = measuredSeconds / n * 1e3;
    state.counters["x_baseline"] = measuredSeconds / baselineSeconds;
}

void getFilesMostDeep(benchmark::State& state) {
    const QString root = QString::fromStdString(g_root);
    compare(state, walk, [&] {
        return pelmar::logdata::GetFilesMostDeep(root, QStringLiteral("*.csv")).files.size();
    });
}

void readLogData(benchmark::State& state) {
    const QString root = QString::fromStdString(g_root);
    pelmar::ResultHistory history;
    compare(state, walkAndRead,
            [&] { return pelmar::logdata::ReadLogData(root, history).filesRead; });
}

}  // namespace

// Against walking the tree with std::filesystem.
BENCHMARK(getFilesMostDeep)->Name("GetFilesMostDeep")->Unit(benchmark::kMillisecond);
// Against walking the tree and reading every file with read(2).
BENCHMARK(readLogData)->Name("ReadLogData")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    makeSaveFolder(dir.path());
    g_root = QFile::encodeName(dir.path()).toStdString();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
