#include "tools/dmsim/Stats.h"

#include <algorithm>
#include <cmath>

namespace dmsim {

Stats summarize(std::vector<double> micros) {
    Stats stats;
    stats.count = static_cast<int>(micros.size());
    if (micros.empty()) return stats;
    std::sort(micros.begin(), micros.end());
    const auto rank = [&](double share) {
        const auto index = static_cast<std::size_t>(std::ceil(share * double(micros.size()))) - 1;
        return micros[std::min(index, micros.size() - 1)];
    };
    stats.median = rank(0.5);
    stats.p90 = rank(0.9);
    stats.max = micros.back();
    return stats;
}

QString describe(const Stats& stats) {
    return QString("%1 runs: median %2 us, p90 %3 us, max %4 us")
        .arg(stats.count)
        .arg(stats.median, 0, 'f', 0)
        .arg(stats.p90, 0, 'f', 0)
        .arg(stats.max, 0, 'f', 0);
}

}  // namespace dmsim
