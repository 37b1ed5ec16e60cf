// Live heap bytes of the process, counted by the bench program's own malloc
// family, which stands in front of the C library's: every allocation of the
// program and of the libraries it loads is seen.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bench {
// Bytes allocated and not freed (usable sizes) while counting was on. Only
// the difference of two readings within one counting span means anything:
// a block counted at its allocation may be freed uncounted, and back.
int64_t LiveHeapBytes();
// Turns counting on or off; off by default, so that timings do not pay it.
void CountAllocations(bool on);
// The process's minor page faults so far (first touches of memory the
// kernel had not given the process yet).
long MinorFaults();
// The process's CPU time so far, in microseconds.
double CpuMicros();
}  // namespace bench
