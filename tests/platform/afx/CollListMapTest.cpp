// The concrete lists and maps of afxcoll.h.
#include <afxcoll.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

std::string Join(const CStringList& l)
{
    std::string s;
    for (POSITION pos = l.GetHeadPosition(); pos != NULL;) {
        s += s.empty() ? "" : ",";
        s += (LPCTSTR)l.GetNext(pos);
    }
    return s;
}

TEST(CollStringList, EditingAndSearch)
{
    CStringList l;
    l.AddTail("b");
    l.AddHead("a");
    l.AddTail("c");
    EXPECT_EQ(Join(l), "a,b,c");
    POSITION pb = l.Find("b");
    ASSERT_NE(pb, (POSITION)NULL);
    l.InsertAfter(pb, "b+");
    l.InsertBefore(pb, "b-");
    EXPECT_EQ(Join(l), "a,b-,b,b+,c");
    l.RemoveAt(pb);
    EXPECT_EQ(Join(l), "a,b-,b+,c");
    EXPECT_EQ(l.Find("b"), (POSITION)NULL);
    EXPECT_STREQ(l.GetAt(l.FindIndex(1)), "b-");
    l.GetHead() = "A";
    EXPECT_STREQ(l.RemoveHead(), "A");
    EXPECT_STREQ(l.RemoveTail(), "c");
    EXPECT_EQ(l.GetCount(), 2);
    CStringList other;
    other.AddTail("x");
    l.AddTail(&other);
    l.AddHead(&other);
    EXPECT_EQ(Join(l), "x,b-,b+,x");
    l.RemoveAll();
    EXPECT_TRUE(l.IsEmpty());
}

TEST(CollPtrList, PositionsWalkBothWays)
{
    int a = 1, b = 2, c = 3;
    CPtrList l;
    l.AddTail(&a);
    l.AddTail(&b);
    l.AddTail(&c);
    POSITION pos = l.GetTailPosition();
    EXPECT_EQ(l.GetPrev(pos), &c);
    EXPECT_EQ(l.GetPrev(pos), &b);
    EXPECT_EQ(l.GetPrev(pos), &a);
    EXPECT_EQ(pos, (POSITION)NULL);
    EXPECT_EQ(l.Find(&b), l.FindIndex(1));
    EXPECT_EQ(l.Find(&a, l.GetHeadPosition()), (POSITION)NULL);
}

TEST(CollMapStringToPtr, LookupRemoveIterate)
{
    CMapStringToPtr m;
    int values[50];
    for (int i = 0; i < 50; ++i) {
        CString key;
        key.Format("key%d", i);
        m.SetAt(key, &values[i]);
    }
    EXPECT_EQ(m.GetCount(), 50);
    void* p = nullptr;
    EXPECT_TRUE(m.Lookup("key17", p));
    EXPECT_EQ(p, &values[17]);
    EXPECT_FALSE(m.Lookup("KEY17", p));  // keys are case-sensitive
    EXPECT_FALSE(m.Lookup("", p));
    m[""] = &values[0];
    EXPECT_TRUE(m.Lookup("", p));
    EXPECT_TRUE(m.RemoveKey(""));
    EXPECT_TRUE(m.RemoveKey("key3"));
    EXPECT_FALSE(m.RemoveKey("key3"));

    std::map<std::string, void*> seen;
    for (POSITION pos = m.GetStartPosition(); pos != NULL;) {
        CString key;
        void* value;
        m.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace((LPCTSTR)key, value).second);
    }
    EXPECT_EQ(seen.size(), 49u);
    EXPECT_EQ(seen["key49"], &values[49]);
    EXPECT_EQ(seen.count("key3"), 0u);
}

TEST(CollMapStringToString, ValuesAreCopies)
{
    CMapStringToString m;
    CString v("one");
    m.SetAt("1", v);
    v = "changed";
    CString out;
    EXPECT_TRUE(m.Lookup("1", out));
    EXPECT_STREQ(out, "one");
    m["1"] += "!";
    EXPECT_TRUE(m.Lookup("1", out));
    EXPECT_STREQ(out, "one!");
    m.RemoveAll();
    EXPECT_FALSE(m.Lookup("1", out));
    EXPECT_EQ(m.GetStartPosition(), (POSITION)NULL);
}

TEST(CollScalarMaps, PointerAndWordKeys)
{
    int a, b;
    CMapPtrToPtr pp;
    pp[&a] = &b;
    void* out = nullptr;
    EXPECT_TRUE(pp.Lookup(&a, out));
    EXPECT_EQ(out, &b);
    EXPECT_FALSE(pp.Lookup(&b, out));

    CMapWordToPtr wp;
    wp.InitHashTable(7);
    for (WORD w = 0; w < 100; ++w)
        wp.SetAt(w, (void*)(ULONG_PTR)(w + 1));
    EXPECT_TRUE(wp.Lookup(99, out));
    EXPECT_EQ(out, (void*)(ULONG_PTR)100);
    EXPECT_EQ(wp.GetCount(), 100);

    CMapPtrToWord pw;
    pw.SetAt(&a, 7);
    WORD w = 0;
    EXPECT_TRUE(pw.Lookup(&a, w));
    EXPECT_EQ(w, 7);
    EXPECT_TRUE(pw.RemoveKey(&a));
    EXPECT_TRUE(pw.IsEmpty());
}

}  // namespace
