// Drawing speed of the display routines into a 32-bit device context, each as a ratio against
// a memcpy of the bytes the drawing fills in the destination, measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tessio.h"
#include "tessio/display/DisplayState.h"

namespace {

// A top-down 32-bit DIB section in a memory context: what Pelmar's picture box hands over.
class Target {
public:
    Target(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Target() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

std::vector<uint8_t> image(int width, int height) {
    std::vector<uint8_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t k = 0; k < pixels.size(); ++k) pixels[k] = static_cast<uint8_t>(k * 7);
    return pixels;
}

void memcpyBaseline(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0)) * state.range(1) * 4;
    std::vector<uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
}

void display(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    Target target((width + 3) / 4 * 4, height);
    const auto pixels = image(width, height);
    for (auto _ : state) {
        DDSdisplay(target.dc(), 0, 0, width, height, pixels.data());
        benchmark::ClobberMemory();
    }
}

void stretch(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    Target target(width, height);
    const auto pixels = image(640, 480);
    for (auto _ : state) {
        DDSstretch_disp(target.dc(), 0, 0, width, height, 0, 0, 640, 480, pixels.data());
        benchmark::ClobberMemory();
    }
}

// Each drawing and the baseline of the same destination size.
struct Pair {
    const char* drawing;
    const char* baseline;
};
const Pair kPairs[] = {
    {"DDSdisplay/640/480", "memcpy/640/480"},
    {"DDSdisplay/642/480", "memcpy/644/480"},
    {"DDSstretch_disp/1280/960", "memcpy/1280/960"},
    {"DDSstretch_disp/320/240", "memcpy/320/240"},
};

// Prints the usual table and keeps each run's processor time per iteration for the ratios: the
// machine is shared, so wall time would count other processes.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions the median stands for the run (others' load only ever adds time); it
        // is reported after the single runs.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                times_[run.run_name.str()] = run.GetAdjustedCPUTime() * toMicroseconds(run);
    }
    void printRatios() const {
        std::printf("\nProcessor time per drawing against a memcpy of its destination bytes:\n");
        for (const Pair& p : kPairs) {
            const auto d = times_.find(p.drawing), b = times_.find(p.baseline);
            if (d == times_.end() || b == times_.end() || b->second <= 0) continue;
            std::printf("  %-26s %9.1f us   %-16s %8.1f us   %6.2f x\n", p.drawing, d->second,
                        p.baseline, b->second, d->second / b->second);
        }
    }

private:
    static double toMicroseconds(const Run& run) {
        return 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    std::map<std::string, double> times_;
};

}  // namespace

BENCHMARK(memcpyBaseline)
    ->Name("memcpy")
    ->Args({640, 480})
    ->Args({644, 480})
    ->Args({1280, 960})
    ->Args({320, 240});
BENCHMARK(display)->Name("DDSdisplay")->Args({640, 480})->Args({642, 480});
BENCHMARK(stretch)->Name("DDSstretch_disp")->Args({1280, 960})->Args({320, 240});

int main(int argc, char** argv) {
    // What opening board 0 does for the display; the NT path resamples in the library.
    tessio::display::prepare();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
