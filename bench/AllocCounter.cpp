// The counting malloc family: each call is passed to glibc's own and, while
// counting is on, the usable size of the block is added to or taken from one
// counter. Off, a call costs one relaxed load more than glibc's own.
#include "AllocCounter.h"

#include <malloc.h>
#include <sys/resource.h>
#include <time.h>

#include <atomic>
#include <cstring>

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void __libc_free(void*);
void* __libc_memalign(size_t, size_t);
}

namespace {
std::atomic<int64_t> g_live{0};
std::atomic<bool> g_counting{false};

inline void Add(void* p) {
    if (p && g_counting.load(std::memory_order_relaxed))
        g_live.fetch_add((int64_t)malloc_usable_size(p), std::memory_order_relaxed);
}
inline void Remove(void* p) {
    if (p && g_counting.load(std::memory_order_relaxed))
        g_live.fetch_sub((int64_t)malloc_usable_size(p), std::memory_order_relaxed);
}

// The heap keeps what it is given back (no trimming, no mapping of large
// blocks of their own), so that a measurement does not depend on whether the
// one before left pages behind it: every populate after the first runs on
// memory the process already has, for ours and for the peer alike.
struct WarmHeap {
    WarmHeap()
    {
        mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
    }
} g_warmHeap;
}  // namespace

namespace bench {
int64_t LiveHeapBytes() { return g_live.load(std::memory_order_relaxed); }
void CountAllocations(bool on) { g_counting.store(on, std::memory_order_relaxed); }
long MinorFaults() {
    struct rusage u;
    return getrusage(RUSAGE_SELF, &u) == 0 ? u.ru_minflt : 0;
}
double CpuMicros() {
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return (double)t.tv_sec * 1e6 + (double)t.tv_nsec * 1e-3;
}
}  // namespace bench

extern "C" {

void* malloc(size_t n) {
    void* p = __libc_malloc(n);
    Add(p);
    return p;
}

void* calloc(size_t n, size_t size) {
    void* p = __libc_calloc(n, size);
    Add(p);
    return p;
}

void* realloc(void* old, size_t n) {
    Remove(old);
    void* p = __libc_realloc(old, n);
    if (p)
        Add(p);
    else if (old && n)
        Add(old);  // the old block stays when growing fails
    return p;
}

void free(void* p) {
    Remove(p);
    __libc_free(p);
}

void* memalign(size_t alignment, size_t n) {
    void* p = __libc_memalign(alignment, n);
    Add(p);
    return p;
}

void* aligned_alloc(size_t alignment, size_t n) { return memalign(alignment, n); }

int posix_memalign(void** out, size_t alignment, size_t n) {
    void* p = memalign(alignment, n);
    if (!p) return 12;  // ENOMEM
    *out = p;
    return 0;
}

}  // extern "C"
