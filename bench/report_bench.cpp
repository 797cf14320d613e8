// Rendering a five-page inspection report (99 listed results) to PDF, as a ratio against making
// an empty one-page PDF with the same writer, each measured in the same iteration (x_baseline);
// the median of 20 repetitions is the figure.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTranslator>
#include <ctime>

#include "app/widgets/Japanese.h"
#include "app/report/ReportDrawing.h"

namespace {

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

pelmar::ResultHistory fullHistory() {
    pelmar::ResultHistory history;
    for (int n = 1; n <= 99; ++n) {
        history.storeRecord(QStringLiteral("12/07/2026 Mon. 10:%1:%2,V,0.0%3,OK,0.0200,0.0010,"
                                           "PL-35F2,S26120700%3,DM-7200,SATO,EC-500")
                                .arg(n / 60 + 10)
                                .arg(n % 60, 2, 10, QChar(u'0'))
                                .arg(n, 2, 10, QChar(u'0')),
                            QString(), QString());
        history.commitRecord();
    }
    return history;
}

qint64 emptyPdf() {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&out);
        writer.setResolution(1200);
        QPainter painter(&writer);
    }
    return out.size();
}

qint64 reportPdf(const std::vector<pelmar::report::PageContent>& pages) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&out);
        writer.setResolution(1200);
        if (!pelmar::report::renderPages(writer, QString(), pages)) std::abort();
    }
    return out.size();
}

void fivePageReport(benchmark::State& state) {
    const pelmar::ResultHistory history = fullHistory();
    pelmar::report::ReportHeader header;
    header.nameLine1 = QStringLiteral("株式会社ペルマー光学");
    header.humidity = 45.0;
    const auto pages = pelmar::report::printedPages(history, header);
    if (pages.size() != 5) std::abort();
    double baselineSeconds = 0, measuredSeconds = 0;
    for (auto _ : state) {
        double start = processorSeconds();
        benchmark::DoNotOptimize(emptyPdf());
        baselineSeconds += processorSeconds() - start;
        start = processorSeconds();
        benchmark::DoNotOptimize(reportPdf(pages));
        measuredSeconds += processorSeconds() - start;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["baseline_cpu_ms"] = baselineSeconds / n * 1e3;
    state.counters["cpu_ms"] = measuredSeconds / n * 1e3;
    state.counters["x_baseline"] = measuredSeconds / baselineSeconds;
}

}  // namespace

BENCHMARK(fivePageReport)
    ->Name("ReportPdf/5pages")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    // Fonts and the PDF writer need an application; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTranslator japanese;
    // The report is drawn in the font of the Japanese program; Qt's texts play no part.
    [[maybe_unused]] const bool texts = pelmar::installJapanese(japanese);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
