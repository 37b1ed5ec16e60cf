// The string heap under CString: exact blocks, slabs that go with their last
// block, allocation failures that leave strings as they were, sharing that
// stops at the most owners a header counts, several threads at once, and
// (under AddressSanitizer) each block's bounds.
#include <afx.h>
#include <afxtempl.h>
#include <gtest/gtest.h>

#include "StringAllocCounter.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define VOR_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VOR_TEST_ASAN 1
#endif
#endif
#ifdef VOR_TEST_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace {

std::string Text(int len, int seed)
{
    std::string s((size_t)len, 'a');
    for (int i = 0; i < len; ++i)
        s[(size_t)i] = (char)('a' + (i * 7 + seed) % 26);
    return s;
}

TEST(StringHeap, EveryCapacityCanBeWrittenAndKeepsItsText)
{
    // Each length through the string heap's classes and past them: the whole
    // capacity is writable (the sanitizer build checks the bounds), and the
    // neighbours made before and after keep their texts.
    std::vector<CString> strings;
    std::vector<std::string> expected;
    for (int len = 1; len <= 560; ++len) {
        CString s;
        LPTSTR p = s.GetBuffer(len);
        const int nAlloc = s.GetAllocLength();
        ASSERT_GE(nAlloc, len);
        std::string text = Text(nAlloc, len);
        std::memcpy(p, text.c_str(), (size_t)nAlloc + 1);
        s.ReleaseBuffer();
        ASSERT_EQ(s.GetLength(), nAlloc) << len;
        strings.push_back(s);
        expected.push_back(text);
    }
    for (size_t i = 0; i < strings.size(); ++i)
        EXPECT_STREQ(strings[i], expected[i].c_str()) << i;
}

TEST(StringHeap, SlabsGoBackWithTheirLastBlock)
{
    const int nBefore = afx_test::g_nAlignedLive;
    std::vector<std::unique_ptr<CString>> strings;
    const std::string text = Text(400, 1);
    for (int i = 0; i < 2000; ++i)
        strings.push_back(std::make_unique<CString>(text.c_str()));
    const int nHeld = afx_test::g_nAlignedLive - nBefore;
    // 2000 blocks of 409 bytes or a little more in slabs of 16 KiB (one may
    // be the empty slab the heap kept aside before).
    EXPECT_GE(nHeld, 2000 * 409 / (16 * 1024) - 1);
    EXPECT_LE(nHeld, 2000 * 409 / (16 * 1024) * 2);

    // Every other block freed: no slab is empty, none goes.
    for (size_t i = 0; i < strings.size(); i += 2)
        strings[i].reset();
    EXPECT_EQ(afx_test::g_nAlignedLive - nBefore, nHeld);
    // Their room serves the next blocks of the class before any new slab.
    for (size_t i = 0; i < strings.size(); i += 2)
        strings[i] = std::make_unique<CString>(text.c_str());
    EXPECT_EQ(afx_test::g_nAlignedLive - nBefore, nHeld);

    strings.clear();
    // At most one empty slab is kept aside (while other strings live).
    EXPECT_GE(afx_test::g_nAlignedLive, nBefore - 1);
    EXPECT_LE(afx_test::g_nAlignedLive, nBefore + 1);
}

// Runs op on a copy sharing a string's buffer with the first allocation
// failing, and (when bAllocatesAlone) on a string of its own too: each must
// throw and keep its text, and the two sharers stay independent afterwards.
template <class Op>
void ExpectFailureLeavesStrings(const char* what, const std::string& text, bool bAllocatesAlone, Op op)
{
    CString s(text.c_str());
    CString shared(s);
    CString alone(text.c_str());
    afx_test::g_nFailAllocAfter = 1;
    EXPECT_THROW(op(shared), std::bad_alloc) << what;
    if (bAllocatesAlone) {
        afx_test::g_nFailAllocAfter = 1;
        EXPECT_THROW(op(alone), std::bad_alloc) << what;
    }
    afx_test::g_nFailAllocAfter = 0;
    EXPECT_STREQ(s, text.c_str()) << what;
    EXPECT_STREQ(shared, text.c_str()) << what;
    EXPECT_STREQ(alone, text.c_str()) << what;
    EXPECT_EQ(shared.GetLength(), (int)text.size()) << what;
    // Writing one of the sharers leaves the other alone.
    shared.SetAt(0, '#');
    EXPECT_STREQ(s, text.c_str()) << what;
    EXPECT_EQ(shared[0], '#') << what;
    op(alone);
}

TEST(StringHeap, AFailedBlockLeavesTheStringAsItWas)
{
    // Short texts take blocks of the string heap (its observer fails them),
    // long ones blocks of operator new.
    for (int len : {8, 300, 700}) {
        const std::string text = Text(len, 3);
        const std::string longer = Text(len * 2, 4);
        ExpectFailureLeavesStrings("SetAt", text, false, [](CString& s) { s.SetAt(1, '!'); });
        ExpectFailureLeavesStrings("MakeUpper", text, false, [](CString& s) { s.MakeUpper(); });
        ExpectFailureLeavesStrings("LockBuffer", text, false, [](CString& s) { s.LockBuffer(); });
        ExpectFailureLeavesStrings("assign", text, true, [&](CString& s) { s = longer.c_str(); });
        ExpectFailureLeavesStrings("append", text, true, [&](CString& s) { s += longer.c_str(); });
        ExpectFailureLeavesStrings("GetBuffer", text, true, [&](CString& s) { s.GetBuffer(len * 3); });
        ExpectFailureLeavesStrings("Insert", text, true, [](CString& s) { s.Insert(2, "inserted"); });
    }
}

TEST(StringHeap, AFailedSlabLeavesTheStringAsItWas)
{
    // Take blocks of one class until a new slab is needed and cannot be had.
    const std::string text = Text(250, 5);
    std::vector<CString> made;
    made.reserve(400);
    const CString kept("kept");
    CString target(kept);
    afx_test::g_bFailAligned = true;
    bool bFailed = false;
    for (int i = 0; i < 200 && !bFailed; ++i) {
        try {
            target = text.c_str();
            made.push_back(target);
            target = kept;
        } catch (const std::bad_alloc&) {
            bFailed = true;
        }
    }
    afx_test::g_bFailAligned = false;
    EXPECT_TRUE(bFailed);
    EXPECT_STREQ(target, "kept");
    // The heap is whole: the same class serves again, earlier blocks intact.
    for (int i = 0; i < 100; ++i)
        made.push_back(CString(text.c_str()));
    for (const CString& s : made)
        EXPECT_STREQ(s, text.c_str());
}

TEST(StringHeap, SharingStopsAtTheMostOwnersAHeaderCounts)
{
    // Past the most owners a header counts, copies get buffers of their own;
    // every copy reads the text and all of them are freed.
    CString original("shared");
    std::vector<CString> copies;
    const size_t nLimit = (size_t)1 << 24;
    copies.reserve((size_t)CStringData::kMaxOwners + 16);
    size_t nShared = 0;
    while (copies.size() < nLimit) {
        copies.push_back(original);
        if ((LPCTSTR)copies.back() != (LPCTSTR)original)
            break;
        ++nShared;
    }
    ASSERT_LT(copies.size(), nLimit);
    EXPECT_EQ(nShared + 1, (size_t)CStringData::kMaxOwners);  // with the original
    EXPECT_STREQ(copies.back(), "shared");
    // The saturated buffer is still shared safely: writing the original
    // copies it.
    original.SetAt(0, 'S');
    EXPECT_STREQ(copies.front(), "shared");
    EXPECT_STREQ(original, "Shared");
    copies.clear();
    copies.shrink_to_fit();
}

TEST(StringHeap, ThreadsTakeAndGiveBlocksAtOnce)
{
    // Each thread keeps a window of strings of many classes, checking each
    // before letting it go; then the strings one thread made are freed by
    // another.
    constexpr int kThreads = 4;
    std::vector<std::vector<CString>> kept(kThreads);
    std::vector<int> nBad(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &kept, &nBad] {
            std::vector<CString> window(64);
            std::vector<std::string> texts(64);
            for (int i = 0; i < 20000; ++i) {
                size_t k = (size_t)(i * 31 + t) % window.size();
                if (window[k] != texts[k].c_str())
                    ++nBad[(size_t)t];
                texts[k] = Text(1 + (i * 13 + t * 5) % 600, i);
                window[k] = texts[k].c_str();
            }
            for (size_t k = 0; k < window.size(); ++k) {
                if (window[k] != texts[k].c_str())
                    ++nBad[(size_t)t];
            }
            kept[(size_t)t] = std::move(window);
        });
    }
    for (std::thread& th : threads)
        th.join();
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(nBad[(size_t)t], 0) << t;
    threads.clear();
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t, &kept] { kept[(size_t)((t + 1) % kThreads)].clear(); });
    for (std::thread& th : threads)
        th.join();
}

struct alignas(16) Wide {
    double a[2];
};
struct Record {  // a 48-byte element, as the grid's cell records
    void* p[6];
};

TEST(SmallBlockHeap, ArrayStorageIsExactAndAlignedForItsElements)
{
    // Eight 48-byte records: one block of exactly 384 bytes.
    CArray<Record, const Record&> cells;
    size_t nCalls = afx_test::g_nAllocCalls;
    size_t nBytes = afx_test::g_nAllocBytes;
    cells.SetSize(8);
    EXPECT_EQ(afx_test::g_nAllocCalls - nCalls, 1u);
    EXPECT_EQ(afx_test::g_nAllocBytes - nBytes, 384u);

    // Storage of every size through the heap's classes and past them keeps
    // the element type's alignment, and its elements their values.
    std::vector<std::unique_ptr<CArray<Wide, const Wide&>>> wides;
    std::vector<std::unique_ptr<CArray<double, double>>> doubles;
    for (int n = 1; n <= 40; ++n) {
        wides.push_back(std::make_unique<CArray<Wide, const Wide&>>());
        doubles.push_back(std::make_unique<CArray<double, double>>());
        wides.back()->SetSize(n);
        doubles.back()->SetSize(n);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(wides.back()->GetData()) % 16, 0u) << n;
        EXPECT_EQ(reinterpret_cast<uintptr_t>(doubles.back()->GetData()) % 8, 0u) << n;
        for (int i = 0; i < n; ++i) {
            (*wides.back())[i].a[1] = n * 100 + i;
            (*doubles.back())[i] = n * 1000 + i;
        }
    }
    for (int n = 1; n <= 40; ++n) {
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ((*wides[(size_t)n - 1])[i].a[1], n * 100 + i);
            EXPECT_EQ((*doubles[(size_t)n - 1])[i], n * 1000 + i);
        }
    }
}

#ifdef VOR_TEST_ASAN
TEST(StringHeapSanitizer, TheSanitizerSeesEachBlocksBounds)
{
    for (int len : {1, 8, 30, 200, 700}) {
        auto s = std::make_unique<CString>(Text(len, 6).c_str());
        const char* p = *s;
        const int nAlloc = s->GetAllocLength();
        // Header, characters and terminator are addressable; the next byte
        // is not.
        EXPECT_FALSE(__asan_region_is_poisoned(const_cast<char*>(p) - 8, (size_t)nAlloc + 9)) << len;
        EXPECT_TRUE(__asan_address_is_poisoned(p + nAlloc + 1)) << len;
        // Neither is a freed block.
        s.reset();
        EXPECT_TRUE(__asan_address_is_poisoned(p)) << len;
        EXPECT_TRUE(__asan_address_is_poisoned(p - 8)) << len;
    }
    // Array storage: exactly the bytes asked, though the class is larger.
    CArray<char, char> chars;
    chars.SetSize(70);
    const char* q = chars.GetData();
    EXPECT_FALSE(__asan_region_is_poisoned(const_cast<char*>(q), 70));
    EXPECT_TRUE(__asan_address_is_poisoned(q + 70));
}
#endif

}  // namespace
