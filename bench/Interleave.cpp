#include "Interleave.h"

#include "AllocCounter.h"

#include <algorithm>
#include <vector>

namespace bench {
namespace {

constexpr int kBatch = 30;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Spread(benchmark::State& state, const char* name, const std::vector<double>& v) {
    const std::string key(name);
    state.counters[key] = Median(v);
    state.counters[key + "_lo"] = *std::min_element(v.begin(), v.end());
    state.counters[key + "_hi"] = *std::max_element(v.begin(), v.end());
}

}  // namespace

void InterleavedPopulate(benchmark::State& state, int rounds,
                         const std::function<double(int rows)>& populateMicrosPerRow) {
    std::vector<double> small, mid, large, midRatio, largeRatio;
    auto batch = [&] {
        std::vector<double> t;
        for (int i = 0; i < kBatch; ++i) t.push_back(populateMicrosPerRow(1000));
        return Median(t);
    };
    for (auto _ : state) {
        for (int round = 0; round < rounds; ++round) {
            const double before = batch();
            const double t5 = populateMicrosPerRow(100000);
            const double between = batch();
            const double t6 = populateMicrosPerRow(1000000);
            const double after = batch();
            small.push_back(between);
            mid.push_back(t5);
            large.push_back(t6);
            midRatio.push_back(t5 / ((before + between) / 2));
            largeRatio.push_back(t6 / ((between + after) / 2));
        }
    }
    state.counters["row_us_1e3"] = Median(small);
    state.counters["row_us_1e5"] = Median(mid);
    state.counters["row_us_1e6"] = Median(large);
    Spread(state, "ratio_1e5", midRatio);
    Spread(state, "ratio_1e6", largeRatio);
}

void InterleavedPair(benchmark::State& state, int rounds, const std::function<double()>& smallBatch,
                     const std::function<double()>& largeBatch) {
    std::vector<double> ratio;
    for (auto _ : state) {
        double before = smallBatch();
        for (int round = 0; round < rounds; ++round) {
            const double large = largeBatch();
            const double after = smallBatch();
            ratio.push_back(large / ((before + after) / 2));
            before = after;
        }
    }
    Spread(state, "ratio", ratio);
}

double TimeBatch(int n, const std::function<void()>& work) {
    const double start = CpuMicros();
    for (int i = 0; i < n; ++i) work();
    return CpuMicros() - start;
}

}  // namespace bench
