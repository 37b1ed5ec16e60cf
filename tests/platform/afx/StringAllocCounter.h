// The allocation counters of the afx test program: StringTest.cpp replaces
// the global operator new and observes the string heap, so tests can bound
// and fail allocations: one call for each operator new and for each block
// of the string heap.
#pragma once

#include <atomic>
#include <cstddef>

// Atomic: strings are made on several threads in some tests.
namespace afx_test {
extern std::atomic<size_t> g_nAllocCalls;
extern std::atomic<size_t> g_nAllocBytes;
// When positive, counts down at each allocation; the allocation that brings
// it to zero throws std::bad_alloc.
extern std::atomic<int> g_nFailAllocAfter;
// Over-aligned blocks (the string heap's slabs) alive, and whether their
// allocation fails.
extern std::atomic<int> g_nAlignedLive;
extern std::atomic<bool> g_bFailAligned;
}  // namespace afx_test
