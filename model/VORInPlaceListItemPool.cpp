#include "VORInPlaceListItemPool.h"

#include <algorithm>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define VOR_POOL_POISONS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VOR_POOL_POISONS 1
#endif
#endif

#if defined(VOR_POOL_POISONS)
#include <sanitizer/asan_interface.h>
#endif

namespace {

const size_t kSlotSize = sizeof(CVORInPlaceListItem);
const int kSlots = CVORInPlaceListItemPool::kSlotsPerSlab;
const int kWords = (kSlots + 63) / 64;

// Free slots are out of bounds for the sanitizer; a slot in use is not.
inline void Poison(void* p, size_t n) {
#if defined(VOR_POOL_POISONS)
    ASAN_POISON_MEMORY_REGION(p, n);
#else
    (void)p;
    (void)n;
#endif
}

inline void Unpoison(void* p, size_t n) {
#if defined(VOR_POOL_POISONS)
    ASAN_UNPOISON_MEMORY_REGION(p, n);
#else
    (void)p;
    (void)n;
#endif
}

}  // namespace

struct CVORInPlaceListItemPool::Slab {
    uint64_t live[kWords];  // one bit a slot: the slot holds a record
    Slab* pNextFree;        // the list of slabs with a free slot
    Slab* pPrevFree;
    int nLive;
    bool bListed;  // on the list of slabs with a free slot
    alignas(CVORInPlaceListItem) unsigned char slots[kSlots * kSlotSize];

    bool IsLive(int n) const { return (live[n / 64] >> (n % 64)) & 1u; }
    void SetLive(int n) { live[n / 64] |= uint64_t(1) << (n % 64); }
    void ClearLive(int n) { live[n / 64] &= ~(uint64_t(1) << (n % 64)); }
    int FirstFree() const {
        for (int w = 0; w < kWords; ++w) {
            uint64_t free = ~live[w];
            if (w == kWords - 1 && kSlots % 64 != 0)
                free &= (uint64_t(1) << (kSlots % 64)) - 1;
            if (free != 0)
                return w * 64 + __builtin_ctzll(free);
        }
        return -1;
    }
};

CVORInPlaceListItemPool::CVORInPlaceListItemPool() : m_pFreeSlabs(NULL), m_nCount(0), m_pLastSlab(NULL) {}

CVORInPlaceListItemPool::~CVORInPlaceListItemPool() { DeleteAll(); }

CVORInPlaceListItem* CVORInPlaceListItemPool::SlotAt(Slab* pSlab, int nSlot) {
    return reinterpret_cast<CVORInPlaceListItem*>(pSlab->slots + (size_t)nSlot * kSlotSize);
}

CVORInPlaceListItemPool::Slab* CVORInPlaceListItemPool::FindSlot(const void* p, int& nSlot) const {
    // Addresses are compared as numbers: p need not point into anything.
    const uintptr_t a = reinterpret_cast<uintptr_t>(p);
    // Lookups come in runs over neighbouring rows (a paint, a hit test), so
    // the slab of the last answer is tried before the search.
    Slab* pSlab = m_pLastSlab;
    const uintptr_t last = reinterpret_cast<uintptr_t>(pSlab);
    if (pSlab == NULL || a < last || a - last >= sizeof(Slab)) {
        auto after = std::upper_bound(m_slabs.begin(), m_slabs.end(), a,
                                      [](uintptr_t v, const Slab* s) { return v < reinterpret_cast<uintptr_t>(s); });
        if (after == m_slabs.begin())
            return NULL;
        pSlab = *(after - 1);
    }
    const uintptr_t first = reinterpret_cast<uintptr_t>(pSlab->slots);
    if (a < first)
        return NULL;
    const uintptr_t offset = a - first;
    if (offset >= (uintptr_t)kSlots * kSlotSize || offset % kSlotSize != 0)
        return NULL;
    const int n = (int)(offset / kSlotSize);
    if (!pSlab->IsLive(n))
        return NULL;
    nSlot = n;
    m_pLastSlab = pSlab;
    return pSlab;
}

BOOL CVORInPlaceListItemPool::Lookup(const void* p) const {
    int nSlot = 0;
    return p != NULL && FindSlot(p, nSlot) != NULL;
}

void CVORInPlaceListItemPool::LinkFree(Slab* pSlab) {
    pSlab->pPrevFree = NULL;
    pSlab->pNextFree = m_pFreeSlabs;
    if (m_pFreeSlabs != NULL)
        m_pFreeSlabs->pPrevFree = pSlab;
    m_pFreeSlabs = pSlab;
    pSlab->bListed = true;
}

void CVORInPlaceListItemPool::UnlinkFree(Slab* pSlab) {
    if (!pSlab->bListed)
        return;
    if (pSlab->pPrevFree != NULL)
        pSlab->pPrevFree->pNextFree = pSlab->pNextFree;
    else
        m_pFreeSlabs = pSlab->pNextFree;
    if (pSlab->pNextFree != NULL)
        pSlab->pNextFree->pPrevFree = pSlab->pPrevFree;
    pSlab->pNextFree = pSlab->pPrevFree = NULL;
    pSlab->bListed = false;
}

CVORInPlaceListItem* CVORInPlaceListItemPool::New() {
    if (m_pFreeSlabs == NULL) {
        // Room in the slab index first, so that nothing can fail once the
        // slab is had.
        if (m_slabs.size() == m_slabs.capacity())
            m_slabs.reserve(m_slabs.empty() ? 16 : m_slabs.size() * 2);
        Slab* pSlab = static_cast<Slab*>(::operator new(sizeof(Slab)));
        for (int w = 0; w < kWords; ++w)
            pSlab->live[w] = 0;
        pSlab->nLive = 0;
        pSlab->bListed = false;
        Poison(pSlab->slots, sizeof(pSlab->slots));
        auto at = std::upper_bound(m_slabs.begin(), m_slabs.end(), pSlab, [](const Slab* a, const Slab* b) {
            return reinterpret_cast<uintptr_t>(a) < reinterpret_cast<uintptr_t>(b);
        });
        m_slabs.insert(at, pSlab);
        LinkFree(pSlab);
    }
    Slab* pSlab = m_pFreeSlabs;
    const int nSlot = pSlab->FirstFree();
    CVORInPlaceListItem* pItem = SlotAt(pSlab, nSlot);
    Unpoison(pItem, kSlotSize);
    try {
        new (pItem) CVORInPlaceListItem;
    } catch (...) {
        Poison(pItem, kSlotSize);
        if (pSlab->nLive == 0)
            ReleaseSlab(pSlab);
        throw;
    }
    pSlab->SetLive(nSlot);
    ++m_nCount;
    if (++pSlab->nLive == kSlots)
        UnlinkFree(pSlab);
    return pItem;
}

BOOL CVORInPlaceListItemPool::Delete(const void* p) {
    int nSlot = 0;
    Slab* pSlab = p != NULL ? FindSlot(p, nSlot) : NULL;
    if (pSlab == NULL)
        return FALSE;
    CVORInPlaceListItem* pItem = SlotAt(pSlab, nSlot);
    pItem->~CVORInPlaceListItem();
    pSlab->ClearLive(nSlot);
    Poison(pItem, kSlotSize);
    --m_nCount;
    if (--pSlab->nLive == 0)
        ReleaseSlab(pSlab);
    else if (!pSlab->bListed)
        LinkFree(pSlab);
    return TRUE;
}

void CVORInPlaceListItemPool::ReleaseSlab(Slab* pSlab) {
    UnlinkFree(pSlab);
    if (m_pLastSlab == pSlab)
        m_pLastSlab = NULL;
    auto at = std::lower_bound(m_slabs.begin(), m_slabs.end(), pSlab, [](const Slab* a, const Slab* b) {
        return reinterpret_cast<uintptr_t>(a) < reinterpret_cast<uintptr_t>(b);
    });
    if (at != m_slabs.end() && *at == pSlab)
        m_slabs.erase(at);
    Unpoison(pSlab->slots, sizeof(pSlab->slots));
    ::operator delete(pSlab);
}

void CVORInPlaceListItemPool::DestroyLiveRecords(Slab* pSlab) {
    for (int n = 0; n < kSlots && pSlab->nLive > 0; ++n) {
        if (!pSlab->IsLive(n))
            continue;
        SlotAt(pSlab, n)->~CVORInPlaceListItem();
        pSlab->ClearLive(n);
        --pSlab->nLive;
        --m_nCount;
    }
}

void CVORInPlaceListItemPool::DeleteAll() {
    // Taken out first: the pool is empty and consistent whatever a record's
    // destruction does.
    std::vector<Slab*> slabs;
    slabs.swap(m_slabs);
    m_pFreeSlabs = NULL;
    m_pLastSlab = NULL;
    for (Slab* pSlab : slabs) {
        DestroyLiveRecords(pSlab);
        Unpoison(pSlab->slots, sizeof(pSlab->slots));
        ::operator delete(pSlab);
    }
    m_nCount = 0;
}
