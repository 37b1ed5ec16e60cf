// The allocation counters of the afx test program: StringTest.cpp replaces
// the global operator new so tests can bound and fail allocations.
#pragma once

#include <cstddef>

namespace afx_test {
extern size_t g_nAllocCalls;
extern size_t g_nAllocBytes;
// When positive, counts down at each allocation; the allocation that brings
// it to zero throws std::bad_alloc.
extern int g_nFailAllocAfter;
}  // namespace afx_test
