// CString: value semantics, copy-on-write, searching, formatting, buffers.
#include <afx.h>
#include <gtest/gtest.h>
#include <vorplatform.h>

#include "StringAllocCounter.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

// Counts the allocations of the whole program so the tests can bound what a
// string allocates: every operator new, and every block the string heap
// hands out (through its observer), counts once and may be made to fail.
namespace afx_test {
std::atomic<size_t> g_nAllocCalls{0};
std::atomic<size_t> g_nAllocBytes{0};
std::atomic<int> g_nFailAllocAfter{0};
std::atomic<int> g_nAlignedLive{0};
std::atomic<bool> g_bFailAligned{false};

void CountAllocation(size_t n)
{
    if (g_nFailAllocAfter > 0 && --g_nFailAllocAfter == 0)
        throw std::bad_alloc();
    ++g_nAllocCalls;
    g_nAllocBytes += n;
}

namespace {
struct ObserveStringHeap {
    ObserveStringHeap() { VorSetSmallBlockObserver(&CountAllocation); }
} g_observeStringHeap;
}  // namespace
}  // namespace afx_test

using afx_test::g_nAllocBytes;
using afx_test::g_nAllocCalls;

__attribute__((noinline)) void* operator new(size_t n)
{
    afx_test::CountAllocation(n);
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void* p, size_t) noexcept { std::free(p); }
#include "ForwardingAllocForms.h"

// Over-aligned blocks (the string heap's slabs) are not counted as calls:
// their number alive is kept apart, and their allocation can be failed.
__attribute__((noinline)) void* operator new(size_t n, std::align_val_t al)
{
    if (afx_test::g_bFailAligned)
        throw std::bad_alloc();
    size_t align = (size_t)al;
    void* p = std::aligned_alloc(align, (n + align - 1) / align * align);
    if (p == nullptr)
        throw std::bad_alloc();
    ++afx_test::g_nAlignedLive;
    return p;
}
__attribute__((noinline)) void operator delete(void* p, std::align_val_t) noexcept
{
    if (p != nullptr) {
        --afx_test::g_nAlignedLive;
        std::free(p);
    }
}
void operator delete(void* p, size_t, std::align_val_t al) noexcept { ::operator delete(p, al); }

namespace {

struct AllocProbe {
    size_t calls0 = g_nAllocCalls;
    size_t bytes0 = g_nAllocBytes;
    size_t Calls() const { return g_nAllocCalls - calls0; }
    size_t Bytes() const { return g_nAllocBytes - bytes0; }
};

TEST(StringRepresentation, IsOnePointerAndEmptyNeverAllocates)
{
    EXPECT_EQ(sizeof(CString), sizeof(void*));
    AllocProbe probe;
    {
        CString a;
        CString b(a);
        CString c((LPCSTR) nullptr);
        CString d("");
        CString e('x', 0);
        CString f("abc", 0);
        a = b;
        b = "";
        c.Empty();
        EXPECT_TRUE(a.IsEmpty() && b.IsEmpty() && c.IsEmpty() && d.IsEmpty() && e.IsEmpty() && f.IsEmpty());
        EXPECT_STREQ((LPCTSTR)c, "");
    }
    EXPECT_EQ(probe.Calls(), 0u);
}

TEST(StringRepresentation, OneBlockOfHeaderTextAndTerminator)
{
    // Up to 503 characters: the string heap's block, header (8 bytes) and
    // terminator included, every size its own class up to 32 bytes, then
    // classes at most an eighth apart. Longer: operator new, with 4 bytes of
    // capacity in front, rounded up to 8. The room left is capacity.
    for (int len : {1, 7, 8, 20, 23, 24, 100, 300, 503, 504, 1000}) {
        std::string text(len, 'q');
        AllocProbe probe;
        CString s(text.c_str());
        EXPECT_EQ(probe.Calls(), 1u) << len;
        const size_t need = 8 + (size_t)len + 1;
        if (need <= 512) {
            if (need <= 32) {
                EXPECT_EQ(probe.Bytes(), need) << len;
            }
            EXPECT_GE(probe.Bytes(), need) << len;
            EXPECT_LE(probe.Bytes() - need, need / 8) << len;
            EXPECT_EQ((size_t)s.GetAllocLength(), probe.Bytes() - 9) << len;
        } else {
            EXPECT_EQ(probe.Bytes(), (need + 4 + 7) / 8 * 8) << len;
            EXPECT_EQ((size_t)s.GetAllocLength(), probe.Bytes() - 13) << len;
        }
        EXPECT_EQ(s.GetLength(), len);
        EXPECT_STREQ(s, text.c_str());
    }
}

TEST(StringRepresentation, CopyShareUntilWritten)
{
    CString a("hello");
    AllocProbe probe;
    CString b(a);
    CString c;
    c = a;
    EXPECT_EQ(probe.Calls(), 0u);
    EXPECT_EQ((LPCTSTR)a, (LPCTSTR)b);

    b.SetAt(0, 'J');
    c += " world";
    a.MakeUpper();
    EXPECT_STREQ(a, "HELLO");
    EXPECT_STREQ(b, "Jello");
    EXPECT_STREQ(c, "hello world");
}

TEST(StringRepresentation, GetBufferDetachesFromSharedCopies)
{
    CString a("abcdef");
    CString b = a;
    LPTSTR p = a.GetBuffer(10);
    std::strcpy(p, "xyz");
    a.ReleaseBuffer();
    EXPECT_STREQ(a, "xyz");
    EXPECT_EQ(a.GetLength(), 3);
    EXPECT_STREQ(b, "abcdef");

    // GetBuffer on an empty string gives writable room, never the shared
    // empty representation.
    CString e;
    CString e2;
    LPTSTR q = e.GetBuffer(0);
    EXPECT_NE(q, (LPCTSTR)e2);
    e.ReleaseBuffer(0);
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_STREQ(e2, "");
}

TEST(StringRepresentation, ReleaseBufferWithExplicitLengthAndSetLength)
{
    CString s;
    LPTSTR p = s.GetBufferSetLength(5);
    std::memcpy(p, "12345", 5);
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_STREQ(s, "12345");
    s.GetBuffer(0);
    s.ReleaseBuffer(2);
    EXPECT_STREQ(s, "12");
    // A length past the room is clamped to the room.
    s.GetBuffer(4);
    s.ReleaseBuffer(1 << 20);
    EXPECT_LE(s.GetLength(), s.GetAllocLength());
}

TEST(StringRepresentation, LockedBufferIsNeverShared)
{
    CString a("locked");
    LPTSTR p = a.LockBuffer();
    CString b(a);
    CString c;
    c = a;
    p[0] = 'L';
    EXPECT_STREQ(a, "Locked");
    EXPECT_STREQ(b, "locked");
    EXPECT_STREQ(c, "locked");
    a.UnlockBuffer();
    CString d(a);
    EXPECT_EQ((LPCTSTR)d, (LPCTSTR)a);
}

TEST(StringRepresentation, FreeExtraShrinksAndKeepsText)
{
    CString s("ab");
    s.GetBuffer(200);
    s.ReleaseBuffer();
    EXPECT_GE(s.GetAllocLength(), 200);
    s.FreeExtra();
    EXPECT_LT(s.GetAllocLength(), 10);
    EXPECT_STREQ(s, "ab");
}

TEST(StringRepresentation, AppendingGrowsGeometrically)
{
    CString s;
    AllocProbe probe;
    for (int i = 0; i < 1000; ++i)
        s += 'x';
    EXPECT_EQ(s.GetLength(), 1000);
    EXPECT_LT(probe.Calls(), 40u);
    EXPECT_EQ(CString('x', 1000), s);
}

TEST(StringRepresentation, SelfReferencingOperationsKeepTheirSource)
{
    CString s("abc");
    s += s;
    EXPECT_STREQ(s, "abcabc");
    s = (LPCTSTR)s + 2;
    EXPECT_STREQ(s, "cabc");
    CString t("long enough text");
    CString share = t;
    t = (LPCTSTR)t + 5;  // shared source
    EXPECT_STREQ(t, "enough text");
    EXPECT_STREQ(share, "long enough text");
    t.Format("%s-%s", (LPCTSTR)t, (LPCTSTR)t);
    EXPECT_STREQ(t, "enough text-enough text");
    CString r("aXbXc");
    r.Replace("X", (LPCTSTR)r);
    EXPECT_STREQ(r, "aaXbXcbaXbXcc");
}

TEST(StringConstruction, Forms)
{
    EXPECT_STREQ(CString('z', 3), "zzz");
    EXPECT_STREQ(CString('z'), "z");
    EXPECT_TRUE(CString('z', -2).IsEmpty());
    EXPECT_STREQ(CString("abcdef", 3), "abc");
    EXPECT_STREQ(CString("ab\0cd", 5), "ab");  // length stops at the terminator
    EXPECT_TRUE(CString((LPCSTR) nullptr, 4).IsEmpty());
    const unsigned char u[] = "uchar";
    EXPECT_STREQ(CString(u), "uchar");
    CString moved("moving");
    CString target(std::move(moved));
    EXPECT_STREQ(target, "moving");
    EXPECT_TRUE(moved.IsEmpty());
    CString s;
    s = 'c';
    EXPECT_STREQ(s, "c");
    s = (LPCSTR) nullptr;
    EXPECT_TRUE(s.IsEmpty());
}

TEST(StringAccess, OutOfRangeIsHarmless)
{
    CString s("abc");
    CString share = s;
    EXPECT_EQ(s.GetAt(1), 'b');
    EXPECT_EQ(s[2], 'c');
    EXPECT_EQ(s.GetAt(3), '\0');
    EXPECT_EQ(s.GetAt(-1), '\0');
    EXPECT_EQ(s[100], '\0');
    s.SetAt(3, 'x');
    s.SetAt(-1, 'x');
    EXPECT_STREQ(s, "abc");
    EXPECT_EQ((LPCTSTR)s, (LPCTSTR)share);  // nothing was written, still shared
}

TEST(StringConcatenation, AllOperandKinds)
{
    CString a("ab");
    EXPECT_STREQ(a + CString("cd"), "abcd");
    EXPECT_STREQ(a + "cd", "abcd");
    EXPECT_STREQ("cd" + a, "cdab");
    EXPECT_STREQ(a + 'c', "abc");
    EXPECT_STREQ('c' + a, "cab");
    EXPECT_STREQ(a + (LPCTSTR) nullptr, "ab");
    EXPECT_STREQ(CString() + CString(), "");
    a += "c";
    a += 'd';
    a += CString("e");
    a += (LPCTSTR) nullptr;
    EXPECT_STREQ(a, "abcde");
}

struct CompareCase {
    const char* left;
    const char* right;
    int sign;
};

TEST(StringComparison, OperatorsAgreeWithCompareOnBothSides)
{
    const CompareCase cases[] = {
        {"abc", "abc", 0}, {"abc", "abd", -1}, {"b", "abc", 1},   {"", "a", -1},
        {"a", "", 1},      {"ab", "abc", -1},  {"\xB0\xA1", "z", 1},  // bytes compare unsigned
    };
    for (const CompareCase& c : cases) {
        CString l(c.left), r(c.right);
        SCOPED_TRACE(std::string(c.left) + " vs " + c.right);
        EXPECT_EQ(l.Compare(r), c.sign);
        EXPECT_EQ(l == r, c.sign == 0);
        EXPECT_EQ(l == c.right, c.sign == 0);
        EXPECT_EQ(c.left == r, c.sign == 0);
        EXPECT_EQ(l != r, c.sign != 0);
        EXPECT_EQ(l != c.right, c.sign != 0);
        EXPECT_EQ(c.left != r, c.sign != 0);
        EXPECT_EQ(l < r, c.sign < 0);
        EXPECT_EQ(l < c.right, c.sign < 0);
        EXPECT_EQ(c.left < r, c.sign < 0);
        EXPECT_EQ(l > r, c.sign > 0);
        EXPECT_EQ(l > c.right, c.sign > 0);
        EXPECT_EQ(c.left > r, c.sign > 0);
        EXPECT_EQ(l <= r, c.sign <= 0);
        EXPECT_EQ(l <= c.right, c.sign <= 0);
        EXPECT_EQ(c.left <= r, c.sign <= 0);
        EXPECT_EQ(l >= r, c.sign >= 0);
        EXPECT_EQ(l >= c.right, c.sign >= 0);
        EXPECT_EQ(c.left >= r, c.sign >= 0);
    }
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_EQ(CString("ABC").CompareNoCase("abd"), -1);
    EXPECT_EQ(CString("x").Compare(nullptr), 1);
    EXPECT_EQ(CString().Compare(nullptr), 0);
    EXPECT_EQ(CString("a").Collate("b"), -1);
}

struct MidCase {
    int first;
    int count;  // -99: the one-argument form
    const char* expected;
};

TEST(StringExtraction, MidClampsLikeTheFramework)
{
    const CString s("abcdef");
    const MidCase cases[] = {
        {0, 3, "abc"}, {2, 2, "cd"},   {4, 10, "ef"}, {6, 1, ""},     {10, 2, ""},   {-3, 2, "ab"},
        {2, -1, ""},   {0, 6, "abcdef"}, {3, -99, "def"}, {-1, -99, "abcdef"}, {7, -99, ""},
    };
    for (const MidCase& c : cases) {
        CString r = c.count == -99 ? s.Mid(c.first) : s.Mid(c.first, c.count);
        EXPECT_STREQ(r, c.expected) << c.first << "," << c.count;
    }
    EXPECT_STREQ(s.Left(2), "ab");
    EXPECT_STREQ(s.Left(-1), "");
    EXPECT_STREQ(s.Left(99), "abcdef");
    EXPECT_STREQ(s.Right(2), "ef");
    EXPECT_STREQ(s.Right(-1), "");
    EXPECT_STREQ(s.Right(99), "abcdef");
    EXPECT_STREQ(s.SpanIncluding("cba"), "abc");
    EXPECT_STREQ(s.SpanIncluding("x"), "");
    EXPECT_STREQ(s.SpanExcluding("dx"), "abc");
    EXPECT_STREQ(s.SpanExcluding("xyz"), "abcdef");
}

TEST(StringSearch, FindWithStartPositions)
{
    const CString s("abcabc");
    EXPECT_EQ(s.Find('b'), 1);
    EXPECT_EQ(s.Find('b', 2), 4);
    EXPECT_EQ(s.Find('b', 5), -1);
    EXPECT_EQ(s.Find('b', 6), -1);
    EXPECT_EQ(s.Find('b', 100), -1);
    EXPECT_EQ(s.Find('b', -5), 1);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(s.Find('\0'), -1);
    EXPECT_EQ(s.Find("ca"), 2);
    EXPECT_EQ(s.Find("bc", 2), 4);
    EXPECT_EQ(s.Find("bc", 5), -1);
    EXPECT_EQ(s.Find("", 6), 6);
    EXPECT_EQ(s.Find("", 7), -1);
    EXPECT_EQ(s.Find((LPCTSTR) nullptr), -1);
    EXPECT_EQ(s.ReverseFind('a'), 3);
    EXPECT_EQ(s.ReverseFind('z'), -1);
    EXPECT_EQ(s.FindOneOf("xc"), 2);
    EXPECT_EQ(s.FindOneOf("xyz"), -1);
    EXPECT_EQ(s.FindOneOf(""), -1);
}

TEST(StringSearch, TrailBytesOfDoubleByteCharactersNeverMatch)
{
    // In code page 936 "\x95\x5C" is one character whose trail byte is '\'.
    CString s("a\x95\x5C" "b\\c");
    EXPECT_EQ(s.Find('\\'), 4);
    EXPECT_EQ(s.ReverseFind('\\'), 4);
    EXPECT_EQ(s.FindOneOf("\\"), 4);
    CString u("\x95\x61x");
    u.MakeUpper();
    EXPECT_STREQ(u, "\x95\x61X");
    // "\x95\x41" is one character; the "A" inside it is no match.
    CString d("\x95\x41" "A\x95\x41");
    EXPECT_EQ(d.Find("A"), 2);
    EXPECT_EQ(d.Find("A", 3), -1);
    EXPECT_EQ(d.Find("\x41\x41"), -1);
    EXPECT_EQ(d.Replace("A", "b"), 1);
    EXPECT_STREQ(d, "\x95\x41" "b\x95\x41");
    CString r("a\xB0\xA1z");
    r.MakeReverse();
    EXPECT_STREQ(r, "z\xB0\xA1" "a");
}

TEST(StringEditing, CaseReverseTrim)
{
    CString s("Hello World");
    s.MakeUpper();
    EXPECT_STREQ(s, "HELLO WORLD");
    s.MakeLower();
    EXPECT_STREQ(s, "hello world");
    s.MakeReverse();
    EXPECT_STREQ(s, "dlrow olleh");

    CString t(" \t x y \r\n");
    t.TrimLeft();
    EXPECT_STREQ(t, "x y \r\n");
    t.TrimRight();
    EXPECT_STREQ(t, "x y");
    CString u("xxabcxx");
    u.TrimLeft('x');
    EXPECT_STREQ(u, "abcxx");
    u.TrimRight('x');
    EXPECT_STREQ(u, "abc");
    CString v("-+abc+-");
    v.TrimLeft("+-");
    v.TrimRight("+-");
    EXPECT_STREQ(v, "abc");
    CString w("   ");
    w.TrimRight();
    EXPECT_TRUE(w.IsEmpty());
    CString sh("  shared  ");
    CString keep = sh;
    sh.Trim();
    EXPECT_STREQ(sh, "shared");
    EXPECT_STREQ(keep, "  shared  ");
}

TEST(StringEditing, ReplaceRemoveInsertDelete)
{
    CString s("a,b,,c");
    CString keep = s;
    EXPECT_EQ(s.Replace(',', ';'), 3);
    EXPECT_STREQ(s, "a;b;;c");
    EXPECT_STREQ(keep, "a,b,,c");
    EXPECT_EQ(s.Replace(";;", "--"), 1);
    EXPECT_STREQ(s, "a;b--c");
    EXPECT_EQ(s.Replace(";", ""), 1);
    EXPECT_STREQ(s, "ab--c");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace("-", "<->"), 2);
    EXPECT_STREQ(s, "ab<-><->c");
    EXPECT_EQ(s.Remove('-'), 2);
    EXPECT_STREQ(s, "ab<><>c");
    EXPECT_EQ(s.Remove('z'), 0);

    CString t("ace");
    EXPECT_EQ(t.Insert(1, 'b'), 4);
    EXPECT_EQ(t.Insert(3, "d"), 5);
    EXPECT_STREQ(t, "abcde");
    EXPECT_EQ(t.Insert(99, "!"), 6);
    EXPECT_EQ(t.Insert(-4, "<"), 7);
    EXPECT_STREQ(t, "<abcde!");
    EXPECT_EQ(t.Delete(0), 6);
    EXPECT_EQ(t.Delete(4, 99), 4);
    EXPECT_STREQ(t, "abcd");
    EXPECT_EQ(t.Delete(10, 2), 4);
    EXPECT_EQ(t.Delete(1, -1), 4);
    EXPECT_STREQ(t, "abcd");
}

TEST(StringFormat, PrintfConversionsAndLongOutput)
{
    CString s;
    s.Format("%d|%5s|%-3c|%.2f|%x|%%", -12, "ab", 'z', 3.14159, 255u);
    EXPECT_STREQ(s, "-12|   ab|z  |3.14|ff|%");
    std::string big(5000, 'k');
    s.Format("<%s>", big.c_str());
    EXPECT_EQ(s.GetLength(), 5002);
    EXPECT_EQ(s[0], '<');
    EXPECT_EQ(s[5001], '>');
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
    s = "n=";
    s.AppendFormat("%d", 7);
    EXPECT_STREQ(s, "n=7");
}

}  // namespace
