// The string heap (see StringHeap.h).
//
// A slab is kSlabSize bytes aligned to kSlabSize: a header, then slots of one
// class, laid out one after the other (so an 8-character string's 17-byte
// block takes 17 bytes). Free slots of a slab form a list linked by 16-bit
// offsets kept in the slots themselves; slots never used yet are taken from
// the slab's end mark. Each class keeps a list of its slabs that have room.
//
// Under AddressSanitizer every slot starts on an 8-byte granule so that the
// sanitizer can describe each block exactly: free slots and the slab's
// unused end are poisoned, a block's own bytes are unpoisoned when it is
// handed out and poisoned again when it comes back.
#include "StringHeap.h"

#include <afxcoll.h>
#include <vorplatform.h>

#include <atomic>
#include <cstdint>
#include <new>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#define VOR_STRHEAP_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VOR_STRHEAP_ASAN 1
#endif
#endif

#ifdef VOR_STRHEAP_ASAN
#include <sanitizer/asan_interface.h>
#endif

#if defined(__has_include)
#if __has_include(<sys/single_threaded.h>)
#include <sys/single_threaded.h>
#define VOR_STRHEAP_KNOWS_THREADS 1
#endif
#endif

namespace vor_strheap {

namespace {

constexpr size_t kSlabSize = 16 * 1024;
constexpr size_t kFirstSlot = 32;  // the header's room, a multiple of 8

#ifdef VOR_STRHEAP_ASAN
constexpr bool kGranular = true;
inline void Poison(void* p, size_t n) { ASAN_POISON_MEMORY_REGION(p, n); }
inline void Unpoison(void* p, size_t n) { ASAN_UNPOISON_MEMORY_REGION(p, n); }
#else
constexpr bool kGranular = false;
inline void Poison(void*, size_t) {}
inline void Unpoison(void*, size_t) {}
#endif

constexpr ClassTables MakeTables()
{
    ClassTables t{};
    unsigned cls = 0;
    size_t size = 0;
    auto add = [&](size_t s) {
        ++cls;
        t.sizeOfClass[cls] = (unsigned short)s;
        for (size_t n = size + 1; n <= s; ++n)
            t.classOfSize[n] = (unsigned char)cls;
        size = s;
    };
    add(8);
    for (size_t s = 9; s <= 32; ++s)  // every size: short texts are most of them
        add(s);
    for (size_t step = 4; size < kMaxBlock; step *= 2) {
        for (int i = 0; i < 8; ++i)
            add(size + step);
    }
    return t;
}

struct Slab {
    Slab* pPrev;  // in the class's list of slabs with room
    Slab* pNext;
    uint16_t nFree;    // offset of the first free slot; 0: none
    uint16_t nEnd;     // offset of the first slot never used
    uint16_t nLive;    // blocks handed out
    uint16_t nStride;  // bytes from one slot to the next
    uint16_t nBlock;   // bytes of a block
    bool bListed;      // in its class's list
    unsigned char cls;
};
static_assert(sizeof(Slab) <= kFirstSlot, "slab header room");

struct Heap {
    Slab* head[kClassCount + 1];  // slabs with room, per class
    Slab* pSpare;                 // an empty slab kept aside
    size_t nLive;                 // blocks handed out by the whole heap
};

Heap g_heap;
std::atomic<bool> g_busy{false};
std::atomic<VORBLOCKOBSERVER> g_observer{nullptr};

// The heap's lock: held for a few dozen instructions at a time, so waiting
// spins, yielding the processor when the holder seems to be descheduled.
// While the process has a single thread no other can come in before this
// one starts it, so the lock is not taken (an uncontended exchange costs
// about as much as the rest of a block's handing out).
inline bool SingleThreaded()
{
#if VOR_STRHEAP_KNOWS_THREADS
    return __libc_single_threaded != 0;
#else
    return false;
#endif
}

class Guard {
public:
    Guard() : m_bLocked(!SingleThreaded())
    {
        if (!m_bLocked)
            return;
        while (g_busy.exchange(true, std::memory_order_acquire)) {
            for (int n = 1; g_busy.load(std::memory_order_relaxed); ++n) {
                if (n % 64 == 0)
                    std::this_thread::yield();
            }
        }
    }
    ~Guard()
    {
        if (m_bLocked)
            g_busy.store(false, std::memory_order_release);
    }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    bool m_bLocked;
};

// The link of a free slot, in its first two bytes. A free slot is poisoned,
// and a block may have been asked for fewer than two bytes, so the sanitizer
// does not look at these accesses.
#ifdef VOR_STRHEAP_ASAN
#define VOR_STRHEAP_UNCHECKED __attribute__((no_sanitize_address))
#else
#define VOR_STRHEAP_UNCHECKED
#endif
VOR_STRHEAP_UNCHECKED inline uint16_t ReadLink(const void* p)
{
    const unsigned char* b = static_cast<const unsigned char*>(p);
    return (uint16_t)(b[0] | (b[1] << 8));
}
VOR_STRHEAP_UNCHECKED inline void WriteLink(void* p, uint16_t n)
{
    unsigned char* b = static_cast<unsigned char*>(p);
    b[0] = (unsigned char)n;
    b[1] = (unsigned char)(n >> 8);
}

inline Slab* SlabOf(void* p)
{
    return reinterpret_cast<Slab*>(reinterpret_cast<uintptr_t>(p) & ~(uintptr_t)(kSlabSize - 1));
}

inline bool HasRoom(const Slab* s)
{
    return s->nFree != 0 || s->nEnd + (size_t)s->nStride <= kSlabSize;
}

void Link(Slab* s)
{
    Slab*& head = g_heap.head[s->cls];
    s->pPrev = nullptr;
    s->pNext = head;
    if (head != nullptr)
        head->pPrev = s;
    head = s;
    s->bListed = true;
}

void Unlink(Slab* s)
{
    if (s->pPrev != nullptr)
        s->pPrev->pNext = s->pNext;
    else
        g_heap.head[s->cls] = s->pNext;
    if (s->pNext != nullptr)
        s->pNext->pPrev = s->pPrev;
    s->bListed = false;
}

void FreeSlab(Slab* s)
{
    Unpoison(s, kSlabSize);
    ::operator delete(static_cast<void*>(s), std::align_val_t(kSlabSize));
}

// A slab for the class, listed as having room: the spare one, or a new one.
Slab* NewSlab(unsigned cls)
{
    void* mem = g_heap.pSpare;  // its slots are all poisoned
    g_heap.pSpare = nullptr;
    if (mem == nullptr) {
        mem = ::operator new(kSlabSize, std::align_val_t(kSlabSize));
        Poison(static_cast<char*>(mem) + kFirstSlot, kSlabSize - kFirstSlot);
    }
    Slab* s = ::new (mem) Slab();
    s->cls = (unsigned char)cls;
    s->nBlock = (uint16_t)SizeOfClass(cls);
    s->nStride = kGranular ? (uint16_t)((s->nBlock + 7u) & ~7u) : s->nBlock;
    s->nEnd = (uint16_t)kFirstSlot;
    Link(s);
    return s;
}

}  // namespace

constexpr ClassTables g_tables = MakeTables();
static_assert(g_tables.sizeOfClass[kClassCount] == kMaxBlock, "the last class serves the largest block");
static_assert(g_tables.classOfSize[17] == g_tables.classOfSize[16] + 1, "one class per size for short texts");

void* Take(unsigned cls, size_t cbUsed)
{
    if (VORBLOCKOBSERVER pfn = g_observer.load(std::memory_order_acquire))
        pfn(SizeOfClass(cls));
    Guard guard;
    Slab* s = g_heap.head[cls];
    if (s == nullptr)
        s = NewSlab(cls);
    char* p;
    if (s->nFree != 0) {
        p = reinterpret_cast<char*>(s) + s->nFree;
        s->nFree = ReadLink(p);
    } else {
        p = reinterpret_cast<char*>(s) + s->nEnd;
        s->nEnd = (uint16_t)(s->nEnd + s->nStride);
    }
    Unpoison(p, cbUsed);
    ++s->nLive;
    ++g_heap.nLive;
    if (!HasRoom(s))
        Unlink(s);
    return p;
}

void Give(void* p) noexcept
{
    Slab* s = SlabOf(p);
    Guard guard;
    WriteLink(p, s->nFree);
    s->nFree = (uint16_t)(static_cast<char*>(p) - reinterpret_cast<char*>(s));
    Poison(p, s->nStride);
    --g_heap.nLive;
    if (--s->nLive == 0) {
        if (s->bListed)
            Unlink(s);
        // Every slot of an empty slab is poisoned already.
        if (g_heap.nLive != 0 && g_heap.pSpare == nullptr) {
            g_heap.pSpare = s;
        } else {
            FreeSlab(s);
        }
        if (g_heap.nLive == 0 && g_heap.pSpare != nullptr) {
            FreeSlab(g_heap.pSpare);
            g_heap.pSpare = nullptr;
        }
    } else if (!s->bListed) {
        Link(s);
    }
}

}  // namespace vor_strheap

void* AFXAPI AfxAllocBlock(size_t cb)
{
    if (cb <= vor_strheap::kMaxBlock)
        return vor_strheap::Take(vor_strheap::ClassFor(cb == 0 ? 1 : cb), cb);
    return ::operator new(cb);
}

void AFXAPI AfxFreeBlock(void* p, size_t cb) noexcept
{
    if (p == nullptr)
        return;
    if (cb <= vor_strheap::kMaxBlock)
        vor_strheap::Give(p);
    else
        ::operator delete(p);
}

VORBLOCKOBSERVER VorSetSmallBlockObserver(VORBLOCKOBSERVER pfn)
{
    return vor_strheap::g_observer.exchange(pfn, std::memory_order_acq_rel);
}
