// The pool of row records: membership decided by the pool alone, slots
// reused, slabs given back, allocation failures leaving the pool unchanged.
#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "VORInPlaceListItemPool.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define POOL_TEST_POISONING 1
#endif

// The test program's global allocation: live bytes counted, and a failure
// that can be armed for the n-th next allocation.
namespace {
int64_t g_nLiveBytes = 0;
int g_nFailAfter = 0;
}  // namespace

__attribute__((noinline)) void* operator new(size_t n)
{
    if (g_nFailAfter > 0 && --g_nFailAfter == 0)
        throw std::bad_alloc();
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr)
        throw std::bad_alloc();
    g_nLiveBytes += (int64_t)malloc_usable_size(p);
    return p;
}
__attribute__((noinline)) void operator delete(void* p) noexcept
{
    if (p != nullptr)
        g_nLiveBytes -= (int64_t)malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, size_t) noexcept { ::operator delete(p); }
#include "ForwardingAllocForms.h"

namespace {

const int kSlab = CVORInPlaceListItemPool::kSlotsPerSlab;

TEST(InPlaceListItemPool, NewRecordsAreDefaultDistinctAndMembers)
{
    CVORInPlaceListItemPool pool;
    std::vector<CVORInPlaceListItem*> items;
    for (int i = 0; i < 3 * kSlab + 5; ++i) {
        CVORInPlaceListItem* p = pool.New();
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->m_arrCells.GetSize(), 0);
        EXPECT_EQ(p->m_nImage, -1);
        EXPECT_EQ(p->m_crBk, 0x00FFFFFFu);
        EXPECT_EQ(p->m_crText, 0u);
        EXPECT_EQ(p->m_dwData, 0u);
        p->m_dwData = (DWORD)i;  // each record is its own object
        items.push_back(p);
    }
    EXPECT_EQ(pool.GetCount(), 3 * kSlab + 5);
    EXPECT_EQ(pool.GetSlabCount(), 4);
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_TRUE(pool.Lookup(items[i])) << i;
        EXPECT_EQ(items[i]->m_dwData, (DWORD)i);
    }
}

TEST(InPlaceListItemPool, NoOtherValueIsTakenForARecord)
{
    CVORInPlaceListItemPool pool;
    CVORInPlaceListItemPool other;
    std::vector<CVORInPlaceListItem*> items;
    for (int i = 0; i < kSlab + 3; ++i)
        items.push_back(pool.New());
    CVORInPlaceListItem* pFreed = pool.New();
    ASSERT_TRUE(pool.Delete(pFreed));
    CVORInPlaceListItem* pOthers = other.New();
    CVORInPlaceListItem onStack;
    std::vector<int> heapObject(16);
    const char* first = reinterpret_cast<const char*>(items.front());
    // The first slab is full: its last slot ends where the slab ends.
    std::vector<CVORInPlaceListItem*> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    const char* slabEnd = reinterpret_cast<const char*>(sorted[kSlab - 1]) + sizeof(CVORInPlaceListItem);

    struct Case {
        const char* name;
        const void* p;
    } cases[] = {
        {"null", nullptr},
        {"a small number", reinterpret_cast<const void*>(0x1234)},
        {"all bits set", reinterpret_cast<const void*>(~(uintptr_t)0)},
        {"inside a record", first + 8},
        {"the last byte of a record", first + sizeof(CVORInPlaceListItem) - 1},
        {"just before a record", first - 1},
        {"just after a slab's last slot", slabEnd},
        {"a freed record", pFreed},
        {"another pool's record", pOthers},
        {"a record not made by the pool", &onStack},
        {"some other heap object", heapObject.data()},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(pool.Lookup(c.p)) << c.name;
        EXPECT_FALSE(pool.Delete(c.p)) << c.name;
    }
    // Nothing was freed or changed by the refused deletions.
    EXPECT_EQ(pool.GetCount(), kSlab + 3);
    for (CVORInPlaceListItem* p : items)
        EXPECT_TRUE(pool.Lookup(p));
    EXPECT_TRUE(other.Lookup(pOthers));
    EXPECT_EQ(other.GetCount(), 1);
}

TEST(InPlaceListItemPool, AFreedSlotIsReusedAndAnEmptySlabGivenBack)
{
    CVORInPlaceListItemPool pool;
    std::vector<CVORInPlaceListItem*> items;
    for (int i = 0; i < 2 * kSlab; ++i)
        items.push_back(pool.New());
    ASSERT_EQ(pool.GetSlabCount(), 2);

    CVORInPlaceListItem* pGone = items[5];
    EXPECT_TRUE(pool.Delete(pGone));
    EXPECT_FALSE(pool.Delete(pGone));  // a second deletion of the stale pointer
    EXPECT_EQ(pool.GetCount(), 2 * kSlab - 1);
    CVORInPlaceListItem* pNext = pool.New();
    EXPECT_EQ(pNext, pGone);  // the free slot, no new slab
    EXPECT_EQ(pool.GetSlabCount(), 2);
    EXPECT_EQ(pNext->m_nImage, -1);  // a fresh record in it

    // Emptying one slab gives it back; the other keeps its records.
    std::vector<CVORInPlaceListItem*> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    const int64_t nBefore = g_nLiveBytes;
    for (int i = kSlab; i < 2 * kSlab; ++i)
        EXPECT_TRUE(pool.Delete(sorted[(size_t)i]));
    EXPECT_EQ(pool.GetSlabCount(), 1);
    EXPECT_LT(g_nLiveBytes, nBefore - (int64_t)(kSlab * sizeof(CVORInPlaceListItem)) + 1);
    for (int i = 0; i < kSlab; ++i)
        EXPECT_TRUE(pool.Lookup(sorted[(size_t)i]));
    for (int i = kSlab; i < 2 * kSlab; ++i)
        EXPECT_FALSE(pool.Lookup(sorted[(size_t)i]));
}

TEST(InPlaceListItemPool, DeletionDestroysTheRecordsCells)
{
    struct Way {
        const char* name;
        void (*free)(CVORInPlaceListItemPool& pool, CVORInPlaceListItem* p);
    } ways[] = {
        {"Delete", [](CVORInPlaceListItemPool& pool, CVORInPlaceListItem* p) { EXPECT_TRUE(pool.Delete(p)); }},
        {"DeleteAll", [](CVORInPlaceListItemPool& pool, CVORInPlaceListItem*) { pool.DeleteAll(); }},
        {"destruction", nullptr},
    };
    for (const Way& way : ways) {
        const int64_t nStart = g_nLiveBytes;
        {
            CVORInPlaceListItemPool pool;
            CVORInPlaceListItem* p = pool.New();
            pool.New()->GetListCell(10);
            ASSERT_NE(p->GetListCell(999), nullptr);  // a cell array of 48,000 bytes and more
            EXPECT_GT(g_nLiveBytes - nStart, 48000);
            if (way.free != nullptr) {
                way.free(pool, p);
                if (std::string(way.name) == "DeleteAll") {
                    EXPECT_EQ(pool.GetCount(), 0) << way.name;
                    EXPECT_EQ(pool.GetSlabCount(), 0) << way.name;
                } else {
                    EXPECT_EQ(pool.GetCount(), 1) << way.name;
                }
                EXPECT_LT(g_nLiveBytes - nStart, 48000) << way.name;
            }
        }
        EXPECT_EQ(g_nLiveBytes, nStart) << way.name << ": everything given back with the pool";
    }
}

TEST(InPlaceListItemPool, AFailedAllocationLeavesThePoolAsItWas)
{
    CVORInPlaceListItemPool pool;
    // The first allocation of an empty pool (its slab) fails.
    g_nFailAfter = 1;
    EXPECT_THROW(pool.New(), std::bad_alloc);
    g_nFailAfter = 0;
    EXPECT_EQ(pool.GetCount(), 0);
    EXPECT_EQ(pool.GetSlabCount(), 0);

    // A full pool needs a slab (and maybe a larger slab index): each of the
    // next allocations in turn fails.
    std::vector<CVORInPlaceListItem*> items;
    for (int i = 0; i < 16 * kSlab; ++i)
        items.push_back(pool.New());
    for (int nFail = 1; nFail <= 2; ++nFail) {
        const int64_t nBytes = g_nLiveBytes;
        g_nFailAfter = nFail;
        try {
            CVORInPlaceListItem* p = pool.New();
            // The failure fell on an allocation the pool did not need.
            g_nFailAfter = 0;
            EXPECT_TRUE(pool.Delete(p));
            continue;
        } catch (const std::bad_alloc&) {
        }
        g_nFailAfter = 0;
        EXPECT_EQ(pool.GetCount(), 16 * kSlab) << "failure " << nFail;
        EXPECT_EQ(pool.GetSlabCount(), 16) << "failure " << nFail;
        EXPECT_LE(g_nLiveBytes, nBytes + 64 * 8) << "at most the index kept room";
    }
    for (CVORInPlaceListItem* p : items)
        ASSERT_TRUE(pool.Lookup(p));
    CVORInPlaceListItem* p = pool.New();  // and it goes on working
    EXPECT_TRUE(pool.Lookup(p));
    EXPECT_EQ(pool.GetSlabCount(), 17);
}

// Random creations and deletions against a plain set of the live records:
// membership, count and slab count always agree, every address ever handed
// out included.
TEST(InPlaceListItemPool, AgreesWithASetOverRandomCreationsAndDeletions)
{
    CVORInPlaceListItemPool pool;
    std::mt19937 random(20);
    std::map<const void*, bool> live;  // every address seen: live or not
    std::vector<CVORInPlaceListItem*> current;
    for (int step = 0; step < 6000; ++step) {
        const bool bCreate = current.empty() || random() % 100 < (step < 3000 ? 60u : 35u);
        if (bCreate) {
            CVORInPlaceListItem* p = pool.New();
            ASSERT_FALSE(live[p]) << "handed out twice";
            live[p] = true;
            current.push_back(p);
        } else {
            const size_t n = random() % current.size();
            ASSERT_TRUE(pool.Delete(current[n]));
            live[current[n]] = false;
            current[n] = current.back();
            current.pop_back();
        }
        if (step % 500 == 0 || step == 5999) {
            for (const auto& entry : live)
                ASSERT_EQ(pool.Lookup(entry.first), (BOOL)entry.second) << "step " << step;
            ASSERT_EQ(pool.GetCount(), (int)current.size());
            ASSERT_GE(pool.GetSlabCount() * kSlab, (int)current.size());
        }
    }
    pool.DeleteAll();
    for (const auto& entry : live)
        EXPECT_FALSE(pool.Lookup(entry.first));
    EXPECT_EQ(pool.GetCount(), 0);
}

#if defined(POOL_TEST_POISONING)
// Under the address sanitizer a freed record's slot is out of bounds, so a
// use after the record was freed is reported; a reused slot is usable again.
TEST(InPlaceListItemPool, FreeSlotsArePoisoned)
{
    CVORInPlaceListItemPool pool;
    CVORInPlaceListItem* p = pool.New();
    CVORInPlaceListItem* q = pool.New();
    EXPECT_EQ(__asan_region_is_poisoned(p, sizeof(CVORInPlaceListItem)), nullptr);
    EXPECT_NE(__asan_address_is_poisoned(reinterpret_cast<char*>(q) + sizeof(CVORInPlaceListItem)), 0)
        << "the slab's unused slots";
    ASSERT_TRUE(pool.Delete(p));
    for (size_t i = 0; i < sizeof(CVORInPlaceListItem); i += 8)
        EXPECT_NE(__asan_address_is_poisoned(reinterpret_cast<char*>(p) + i), 0) << i;
    EXPECT_EQ(__asan_region_is_poisoned(q, sizeof(CVORInPlaceListItem)), nullptr);
    CVORInPlaceListItem* r = pool.New();
    ASSERT_EQ(r, p);
    EXPECT_EQ(__asan_region_is_poisoned(r, sizeof(CVORInPlaceListItem)), nullptr);
}
#endif

}  // namespace
