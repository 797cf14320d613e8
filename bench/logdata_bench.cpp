// Reading a save folder of 10,000 measurement files in 100 day folders back into the history,
// as a ratio against walking the same tree and reading the same files with std::filesystem and
// read(2), measured in the same run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "app/ResultHistory.h"
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

void walkBaseline(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t files = 0;
        for (const auto& entry : fs::recursive_directory_iterator(g_root))
            if (entry.is_regular_file()) ++files;
        benchmark::DoNotOptimize(files);
    }
}

void walkAndReadBaseline(benchmark::State& state) {
    char buffer[4096];
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const auto& entry : fs::recursive_directory_iterator(g_root)) {
            if (!entry.is_regular_file()) continue;
            const int fd = ::open(entry.path().c_str(), O_RDONLY);
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            ::close(fd);
            bytes += static_cast<std::size_t>(got);
        }
        benchmark::DoNotOptimize(bytes);
    }
}

void getFilesMostDeep(benchmark::State& state) {
    const QString root = QString::fromStdString(g_root);
    for (auto _ : state) {
        const auto search = pelmar::logdata::GetFilesMostDeep(root, QStringLiteral("*.csv"));
        if (search.files.size() != kDays * kFilesPerDay) state.SkipWithError("files missing");
    }
}

void readLogData(benchmark::State& state) {
    const QString root = QString::fromStdString(g_root);
    pelmar::ResultHistory history;
    for (auto _ : state) {
        const auto result = pelmar::logdata::ReadLogData(root, history);
        if (result.filesRead != kDays * kFilesPerDay) state.SkipWithError("files missing");
    }
}

struct Pair {
    const char* measured;
    const char* baseline;
};
const Pair kPairs[] = {
    {"GetFilesMostDeep", "walk"},
    {"ReadLogData", "walk+read"},
};

// Prints the usual table and keeps each run's processor time (user and system: the work is
// mostly system calls) for the ratios; the machine is shared, so wall time counts others.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                times_[run.run_name.str()] = run.GetAdjustedCPUTime();
    }
    void printRatios() const {
        std::printf(
            "\nProcessor time over %d files in %d day folders, against plain "
            "std::filesystem and read(2):\n",
            kDays * kFilesPerDay, kDays);
        for (const Pair& p : kPairs) {
            const auto m = times_.find(p.measured), b = times_.find(p.baseline);
            if (m == times_.end() || b == times_.end() || b->second <= 0) continue;
            std::printf("  %-18s %6.2f x %s\n", p.measured, m->second / b->second, p.baseline);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

BENCHMARK(walkBaseline)->Name("walk")->Unit(benchmark::kMillisecond);
BENCHMARK(getFilesMostDeep)->Name("GetFilesMostDeep")->Unit(benchmark::kMillisecond);
BENCHMARK(walkAndReadBaseline)->Name("walk+read")->Unit(benchmark::kMillisecond);
BENCHMARK(readLogData)->Name("ReadLogData")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QTemporaryDir dir;
    if (!dir.isValid()) return 1;
    makeSaveFolder(dir.path());
    g_root = QFile::encodeName(dir.path()).toStdString();

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
