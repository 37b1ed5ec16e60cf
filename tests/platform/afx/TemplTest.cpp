// The collection templates: element lifetimes in CArray, CList order and
// search, CMap lookup, removal and iteration, the typed pointer wrappers.
#include <afxtempl.h>
#include <gtest/gtest.h>

#include "StringAllocCounter.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// An element that counts its constructions and destructions and checks
// that it is only ever used while alive (a bitwise move or a double
// destruction shows up as a bad self pointer or a dead marker).
struct Tracked {
    static int s_nLive;
    static int s_nConstructed;
    static int s_nErrors;
    Tracked* self;
    int marker;
    CString text;

    Tracked() : self(this), marker(kAlive), text() { ++s_nLive, ++s_nConstructed; }
    Tracked(const char* t) : self(this), marker(kAlive), text(t) { ++s_nLive, ++s_nConstructed; }
    Tracked(const Tracked& o) : self(this), marker(kAlive), text(o.text)
    {
        o.Check();
        ++s_nLive, ++s_nConstructed;
    }
    Tracked& operator=(const Tracked& o)
    {
        Check();
        o.Check();
        text = o.text;
        return *this;
    }
    ~Tracked()
    {
        Check();
        marker = kDead;
        --s_nLive;
    }
    void Check() const
    {
        if (self != this || marker != kAlive)
            ++s_nErrors;
    }
    bool operator==(const Tracked& o) const { return text == o.text; }

    static constexpr int kAlive = 0x5A5A;
    static constexpr int kDead = 0x0DEAD;
};
int Tracked::s_nLive = 0;
int Tracked::s_nConstructed = 0;
int Tracked::s_nErrors = 0;

std::string Join(const CArray<Tracked, const Tracked&>& a)
{
    std::string s;
    for (int i = 0; i < a.GetSize(); ++i) {
        a[i].Check();
        s += i ? "," : "";
        s += (LPCTSTR)a[i].text;
    }
    return s;
}

class TemplArray : public ::testing::Test {
protected:
    // Out-of-range accesses use one scratch element that lives until the
    // program ends; touch it first so the count below leaves it out.
    void SetUp() override
    {
        CArray<Tracked, const Tracked&> warm;
        (void)warm[0];
        Tracked::s_nErrors = 0;
        m_nBaseline = Tracked::s_nLive;
    }
    void TearDown() override
    {
        EXPECT_EQ(Tracked::s_nLive, m_nBaseline);
        EXPECT_EQ(Tracked::s_nErrors, 0);
    }
    int Live() const { return Tracked::s_nLive - m_nBaseline; }
    int m_nBaseline = 0;
};

TEST_F(TemplArray, ConstructionsAndDestructionsBalanceAcrossEveryOperation)
{
    {
        CArray<Tracked, const Tracked&> a;
        a.SetSize(3);
        EXPECT_EQ(Live(), 3);
        a[0].text = "a";
        a[1].text = "b";
        a[2].text = "c";
        // Grow many times: elements are moved into new storage properly.
        for (int i = 0; i < 50; ++i)
            a.Add(Tracked("x"));
        EXPECT_EQ(Live(), 53);
        a.RemoveAt(3, 50);
        EXPECT_EQ(Live(), 3);
        EXPECT_EQ(Join(a), "a,b,c");

        a.InsertAt(1, Tracked("i"), 2);
        EXPECT_EQ(Join(a), "a,i,i,b,c");
        EXPECT_EQ(Live(), 5);
        a.InsertAt(7, Tracked("e"));  // past the end: default elements in between
        EXPECT_EQ(Join(a), "a,i,i,b,c,,,e");
        EXPECT_EQ(Live(), 8);

        a.RemoveAt(0);
        a.RemoveAt(5, 100);
        EXPECT_EQ(Join(a), "i,i,b,c,");
        EXPECT_EQ(Live(), 5);

        a.SetSize(2);
        EXPECT_EQ(Live(), 2);
        a.FreeExtra();
        EXPECT_EQ(Join(a), "i,i");
        a.SetAtGrow(4, Tracked("g"));
        EXPECT_EQ(Join(a), "i,i,,,g");
        EXPECT_EQ(Live(), 5);

        CArray<Tracked, const Tracked&> b;
        b.Copy(a);
        b.Append(a);
        EXPECT_EQ(Live(), 15);
        b.InsertAt(1, &a);
        EXPECT_EQ(Join(b), "i,i,i,,,g,i,,,g,i,i,,,g");
        b.RemoveAll();
        EXPECT_EQ(Live(), 5);
    }
    EXPECT_EQ(Live(), 0);
}

TEST_F(TemplArray, InsertingAnOwnElementCopiesItFirst)
{
    CArray<Tracked, const Tracked&> a;
    a.Add(Tracked("a"));
    a.Add(Tracked("b"));
    a.FreeExtra();  // the next insertion must reallocate
    a.InsertAt(0, a[1]);
    EXPECT_EQ(Join(a), "b,a,b");
    a.FreeExtra();
    a.Add(a[0]);
    EXPECT_EQ(Join(a), "b,a,b,b");
    a.FreeExtra();
    a.SetAtGrow(5, a[1]);
    EXPECT_EQ(Join(a), "b,a,b,b,,a");
    a.Append(a);
    EXPECT_EQ(Join(a), "b,a,b,b,,a,b,a,b,b,,a");
}

TEST_F(TemplArray, OutOfRangeReadsAndWritesTouchNoElement)
{
    CArray<Tracked, const Tracked&> a;
    a.Add(Tracked("kept"));
    a[5].text = "stray";
    a.ElementAt(-1).text = "stray";
    a.SetAt(2, Tracked("no"));
    const CArray<Tracked, const Tracked&>& c = a;
    EXPECT_TRUE(c[3].text.IsEmpty());
    EXPECT_TRUE(c.GetAt(-2).text.IsEmpty());
    EXPECT_EQ(Join(a), "kept");
    a.RemoveAt(1);
    a.RemoveAt(-1);
    a.InsertAt(-1, Tracked("no"));
    EXPECT_EQ(Join(a), "kept");
}

// An element whose copy allocates (and may throw) and that has no move
// constructor, so growing the array must copy.
struct CopyAllocates {
    static int s_nLive;
    std::string text;
    CopyAllocates() : text(40, 'd') { ++s_nLive; }
    explicit CopyAllocates(char c) : text(40, c) { ++s_nLive; }
    CopyAllocates(const CopyAllocates& o) : text(o.text) { ++s_nLive; }
    CopyAllocates& operator=(const CopyAllocates& o)
    {
        text = o.text;
        return *this;
    }
    ~CopyAllocates() { --s_nLive; }
};
int CopyAllocates::s_nLive = 0;

TEST(TemplArrayFailure, AFailedGrowthLeavesTheArrayUnchanged)
{
    {
        CArray<CopyAllocates, const CopyAllocates&> a;
        for (char c = 'a'; c < 'f'; ++c)
            a.Add(CopyAllocates(c));
        a.FreeExtra();
        const int nLive = CopyAllocates::s_nLive;
        // Allocation 1 is the argument's own text; then come the array's copy
        // of it, the new storage, the copies of the five elements, and the
        // default element that makes room.
        for (int nFailAt : {2, 3, 4, 6, 9}) {
            afx_test::g_nFailAllocAfter = nFailAt;
            EXPECT_THROW(a.Add(CopyAllocates('z')), std::bad_alloc) << nFailAt;
            afx_test::g_nFailAllocAfter = 0;
            ASSERT_EQ(a.GetSize(), 5);
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(a[i].text, std::string(40, (char)('a' + i)));
            EXPECT_EQ(CopyAllocates::s_nLive, nLive);
        }
        afx_test::g_nFailAllocAfter = 2;  // copying the first element into new storage
        EXPECT_THROW(a.SetSize(5000), std::bad_alloc);
        EXPECT_EQ(a.GetSize(), 5);
        EXPECT_EQ(CopyAllocates::s_nLive, nLive);
        afx_test::g_nFailAllocAfter = 10;  // the fourth new default element
        EXPECT_THROW(a.SetSize(5000), std::bad_alloc);
        afx_test::g_nFailAllocAfter = 0;
        EXPECT_EQ(a.GetSize(), 8);  // the three made before the failure stay
        EXPECT_EQ(CopyAllocates::s_nLive, nLive + 3);
        EXPECT_EQ(a[7].text, std::string(40, 'd'));
        a.Add(CopyAllocates('y'));
        EXPECT_EQ(a[a.GetUpperBound()].text, std::string(40, 'y'));
    }
    EXPECT_EQ(CopyAllocates::s_nLive, 0);
}

TEST(TemplArrayScalars, AGivenGrowBySizesTheFirstAllocationToo)
{
    CArray<int, int> a;
    a.SetSize(0, 8);
    size_t nCalls = afx_test::g_nAllocCalls;
    for (int i = 0; i < 8; ++i)
        a.Add(i);
    EXPECT_EQ(afx_test::g_nAllocCalls - nCalls, 1u);
    EXPECT_EQ(a.GetSize(), 8);
    a.Add(8);
    EXPECT_EQ(afx_test::g_nAllocCalls - nCalls, 2u);
    EXPECT_EQ(a[8], 8);

    CArray<int, int> exact;  // no grow-by: the first allocation is exact
    nCalls = afx_test::g_nAllocCalls;
    size_t nBytes = afx_test::g_nAllocBytes;
    exact.SetSize(3);
    EXPECT_EQ(afx_test::g_nAllocCalls - nCalls, 1u);
    EXPECT_EQ(afx_test::g_nAllocBytes - nBytes, 3 * sizeof(int));
}

TEST(TemplArrayScalars, IntegersStartAtZeroAndGetDataIsContiguous)
{
    CArray<int, int> a;
    a.SetSize(4, 2);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(a[i], 0);
    for (int i = 0; i < 4; ++i)
        a[i] = i * 10;
    int* p = a.GetData();
    EXPECT_EQ(p[3], 30);
    a.RemoveAt(1, 2);
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a[1], 30);
    EXPECT_EQ(a.GetUpperBound(), 1);
}

std::string Join(const CList<CString, const CString&>& l, bool backwards = false)
{
    std::string s;
    POSITION pos = backwards ? l.GetTailPosition() : l.GetHeadPosition();
    while (pos != NULL) {
        const CString& v = backwards ? l.GetPrev(pos) : l.GetNext(pos);
        s += s.empty() ? "" : ",";
        s += (LPCTSTR)v;
    }
    return s;
}

TEST(TemplList, OrderInsertionRemovalAndSearch)
{
    CList<CString, const CString&> l;
    EXPECT_TRUE(l.IsEmpty());
    EXPECT_EQ(l.GetHeadPosition(), (POSITION)NULL);
    l.AddTail(CString("b"));
    l.AddHead(CString("a"));
    POSITION pc = l.AddTail(CString("c"));
    l.InsertBefore(pc, CString("b2"));
    l.InsertAfter(pc, CString("d"));
    EXPECT_EQ(Join(l), "a,b,b2,c,d");
    EXPECT_EQ(Join(l, true), "d,c,b2,b,a");
    EXPECT_EQ(l.GetCount(), 5);
    EXPECT_STREQ(l.GetHead(), "a");
    EXPECT_STREQ(l.GetTail(), "d");

    POSITION pb = l.Find(CString("b"));
    ASSERT_NE(pb, (POSITION)NULL);
    EXPECT_STREQ(l.GetAt(pb), "b");
    EXPECT_EQ(l.Find(CString("b"), pb), (POSITION)NULL);
    EXPECT_EQ(l.Find(CString("zz")), (POSITION)NULL);
    EXPECT_EQ(l.FindIndex(3), pc);
    EXPECT_EQ(l.FindIndex(5), (POSITION)NULL);
    EXPECT_EQ(l.FindIndex(-1), (POSITION)NULL);

    l.SetAt(pb, CString("B"));
    l.RemoveAt(pc);
    EXPECT_STREQ(l.RemoveHead(), "a");
    EXPECT_STREQ(l.RemoveTail(), "d");
    EXPECT_EQ(Join(l), "B,b2");
    l.AddTail(&l);
    EXPECT_EQ(Join(l), "B,b2,B,b2");
    l.AddHead(&l);
    EXPECT_EQ(Join(l), "B,b2,B,b2,B,b2,B,b2");
    l.RemoveAll();
    EXPECT_EQ(l.GetCount(), 0);
    EXPECT_TRUE(l.RemoveHead().IsEmpty());  // empty: a default value, nothing breaks
    EXPECT_TRUE(l.GetTail().IsEmpty());
    POSITION none = NULL;
    EXPECT_TRUE(l.GetNext(none).IsEmpty());
    EXPECT_EQ(none, (POSITION)NULL);
}

TEST(TemplMap, LookupSetRemoveAndIterate)
{
    CMap<int, int, CString, const CString&> m;
    EXPECT_EQ(m.GetStartPosition(), (POSITION)NULL);
    CString v;
    EXPECT_FALSE(m.Lookup(1, v));
    for (int i = 0; i < 100; ++i) {
        CString s;
        s.Format("v%d", i);
        m.SetAt(i * 7, s);
    }
    EXPECT_EQ(m.GetCount(), 100);
    EXPECT_TRUE(m.Lookup(7 * 42, v));
    EXPECT_STREQ(v, "v42");
    EXPECT_FALSE(m.Lookup(5, v));
    m[7 * 42] = "changed";
    EXPECT_EQ(m.GetCount(), 100);
    EXPECT_TRUE(m[1000].IsEmpty());  // operator[] adds a default value
    EXPECT_EQ(m.GetCount(), 101);
    EXPECT_TRUE(m.RemoveKey(1000));
    EXPECT_FALSE(m.RemoveKey(1000));

    // Each entry is visited once; removing the entry just returned is safe.
    std::set<int> seen;
    POSITION pos = m.GetStartPosition();
    while (pos != NULL) {
        int key;
        CString value;
        m.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.insert(key).second);
        if (key == 7 * 42) {
            EXPECT_STREQ(value, "changed");
        }
        if (key % 2 == 0)
            m.RemoveKey(key);
    }
    EXPECT_EQ(seen.size(), 100u);
    EXPECT_EQ(m.GetCount(), 50);

    m.InitHashTable(257);  // redistributes what is there
    EXPECT_EQ(m.GetHashTableSize(), 257u);
    EXPECT_EQ(m.GetCount(), 50);
    EXPECT_TRUE(m.Lookup(7, v));
    EXPECT_STREQ(v, "v1");
    EXPECT_FALSE(m.Lookup(14, v));
    m.RemoveAll();
    EXPECT_TRUE(m.IsEmpty());
    EXPECT_FALSE(m.Lookup(7, v));
}

// Map entries are carved from blocks of the size given at construction: a
// removed entry's room serves the next one, and the blocks go with the last
// entry.
class TemplMapBlocks : public TemplArray {};

TEST_F(TemplMapBlocks, EntriesComeInBlocksAndTheirRoomIsReused)
{
    CMap<int, int, Tracked, const Tracked&> m(8);
    m.InitHashTable(101);
    size_t nCalls = afx_test::g_nAllocCalls;
    for (int i = 0; i < 20; ++i)
        m[i].text.Empty();  // a default value: no text to allocate
    EXPECT_EQ(afx_test::g_nAllocCalls - nCalls, 3u);  // 20 entries in blocks of 8
    EXPECT_EQ(Live(), 20);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(m.RemoveKey(i));
    EXPECT_EQ(Live(), 15);
    nCalls = afx_test::g_nAllocCalls;
    for (int i = 100; i < 110; ++i)
        m[i];
    // The five freed and the four never used, then one from a new block.
    EXPECT_EQ(afx_test::g_nAllocCalls - nCalls, 1u);
    EXPECT_EQ(m.GetCount(), 25);
    Tracked t;
    EXPECT_TRUE(m.Lookup(109, t));
    EXPECT_FALSE(m.Lookup(3, t));

    // Emptied key by key, the map gives its blocks back and starts again.
    POSITION pos = m.GetStartPosition();
    while (pos != NULL) {
        int key = 0;
        m.GetNextAssoc(pos, key, t);
        EXPECT_TRUE(m.RemoveKey(key));
    }
    EXPECT_TRUE(m.IsEmpty());
    EXPECT_EQ(Live(), 1);  // t
    m[7].text = "again";
    EXPECT_TRUE(m.Lookup(7, t));
    EXPECT_STREQ(t.text, "again");
}

TEST(TemplMapFailure, AKeyThatCannotBeCopiedLeavesTheMapAsItWas)
{
    CMap<CString, LPCTSTR, int, int> m;
    m["first"] = 1;
    afx_test::g_nFailAllocAfter = 1;  // the new key's text
    EXPECT_THROW(m["second entry"] = 2, std::bad_alloc);
    afx_test::g_nFailAllocAfter = 0;
    EXPECT_EQ(m.GetCount(), 1);
    int v = 0;
    EXPECT_FALSE(m.Lookup("second entry", v));
    const size_t nCalls = afx_test::g_nAllocCalls;
    m["second entry"] = 2;  // the room the failed entry had is used now
    EXPECT_EQ(afx_test::g_nAllocCalls - nCalls, 1u);
    EXPECT_TRUE(m.Lookup("second entry", v));
    EXPECT_EQ(v, 2);
    EXPECT_TRUE(m.Lookup("first", v));
    EXPECT_EQ(v, 1);
}

TEST(TemplMap, StringAndPointerKeys)
{
    CMap<CString, LPCTSTR, int, int> m;
    m.SetAt("alpha", 1);
    m.SetAt(CString("beta"), 2);
    int n = 0;
    EXPECT_TRUE(m.Lookup("alpha", n));
    EXPECT_EQ(n, 1);
    EXPECT_TRUE(m.Lookup(CString("be") + "ta", n));
    EXPECT_EQ(n, 2);
    EXPECT_FALSE(m.Lookup("ALPHA", n));
    m["alpha"] += 10;
    EXPECT_TRUE(m.Lookup("alpha", n));
    EXPECT_EQ(n, 11);

    CMap<CString, const CString&, CString, const CString&> ss;
    ss[CString("k")] = "v";
    CString out;
    EXPECT_TRUE(ss.Lookup(CString("k"), out));
    EXPECT_STREQ(out, "v");

    int a = 0, b = 0;
    CMap<void*, void*, int, int> pm;
    pm[&a] = 1;
    pm[&b] = 2;
    EXPECT_TRUE(pm.Lookup(&b, n));
    EXPECT_EQ(n, 2);
}

struct Item {
    int n;
};

TEST(TemplTypedPtr, ArrayListAndMapCastToTheElementType)
{
    Item i1{1}, i2{2};
    CTypedPtrArray<CPtrArray, Item*> arr;
    arr.Add(&i1);
    arr.Add(&i2);
    EXPECT_EQ(arr[1]->n, 2);
    arr[0] = &i2;
    EXPECT_EQ(arr.GetAt(0), &i2);

    CTypedPtrList<CPtrList, Item*> list;
    list.AddTail(&i1);
    list.AddHead(&i2);
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(list.GetNext(pos)->n, 2);
    EXPECT_EQ(list.GetNext(pos)->n, 1);
    EXPECT_EQ(pos, (POSITION)NULL);

    CTypedPtrMap<CMapStringToPtr, CString, Item*> map;
    map.SetAt("one", &i1);
    Item* p = nullptr;
    EXPECT_TRUE(map.Lookup("one", p));
    EXPECT_EQ(p, &i1);
    EXPECT_FALSE(map.Lookup("two", p));
    pos = map.GetStartPosition();
    CString key;
    map.GetNextAssoc(pos, key, p);
    EXPECT_STREQ(key, "one");
    EXPECT_EQ(p, &i1);
}

}  // namespace
