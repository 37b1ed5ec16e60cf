// The time a row of populating, at 1,000, 100,000 and a million rows, with
// the sizes interleaved. This machine's speed changes from one tenth of a
// second to the next, by up to two times, so sizes timed one after the other
// are timed on different machines. Each round times a batch of 1,000-row
// populates, one of 100,000 rows, a second batch, one of a million rows and
// a third batch; each large populate is set against the mean of the medians
// of the batches on either side of it. The counters are the medians over the
// rounds of those two ratios (ratio_1e5, ratio_1e6) with their least and
// greatest (_lo, _hi), and of each size's time a row (row_us_1e3, _1e5,
// _1e6).
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>

#include "AllocCounter.h"
#include "CellTexts.h"

namespace bench {

// populateMicrosPerRow(rows) populates a fresh control with TextsFor(rows)
// and returns the process's CPU time of the populate alone (not of making
// or destroying the control), in microseconds a row.
void InterleavedPopulate(benchmark::State& state, int rounds,
                         const std::function<double(int rows)>& populateMicrosPerRow);

// The same for work on two controls that both live throughout (1,000 and a
// million rows): a batch on the small one, one on the large one, in turn,
// rounds times and a last small batch. Each batch function returns its
// batch's time; each large batch is set against the mean of the small
// batches on either side of it. The counters: ratio (the median over the
// rounds), ratio_lo and ratio_hi.
void InterleavedPair(benchmark::State& state, int rounds, const std::function<double()>& smallBatch,
                     const std::function<double()>& largeBatch);

// The process's CPU time of n calls of work, in microseconds.
double TimeBatch(int n, const std::function<void()>& work);

// InterleavedPair over batches of n calls of work(sheet), 41 rounds;
// prepare(sheet), when given, runs before each batch, outside the timing.
template <class Sheet, class Work>
void InterleavedBatches(benchmark::State& state, Sheet& small, Sheet& large, int n, Work work,
                        void (*prepare)(Sheet&) = nullptr) {
    auto batch = [&](Sheet& s) {
        if (prepare) prepare(s);
        return TimeBatch(n, [&] { work(s); });
    };
    InterleavedPair(state, 41, [&] { return batch(small); }, [&] { return batch(large); });
}

// The time a row of populating a fresh Sheet with TextsFor(rows), for
// InterleavedPopulate; afterDestroy, when given, runs after the sheet is
// destroyed, outside the timing.
template <class Sheet>
double PopulateMicrosPerRow(int rows, int (*afterDestroy)() = nullptr) {
    const CellTexts& texts = TextsFor(rows);
    auto s = std::make_unique<Sheet>();
    const double start = CpuMicros();
    s->Populate(texts);
    const double took = CpuMicros() - start;
    s.reset();
    if (afterDestroy) afterDestroy();
    return took / rows;
}

}  // namespace bench
