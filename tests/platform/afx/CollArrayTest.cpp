// The concrete arrays of afxcoll.h: CStringArray and the integer and
// pointer arrays.
#include <afxcoll.h>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string Join(const CStringArray& a)
{
    std::string s;
    for (int i = 0; i < a.GetSize(); ++i) {
        if (i)
            s += ",";
        s += (LPCTSTR)a[i];
    }
    return s;
}

TEST(CollStringArray, AddInsertRemove)
{
    CStringArray a;
    EXPECT_EQ(a.GetSize(), 0);
    EXPECT_EQ(a.GetUpperBound(), -1);
    EXPECT_EQ(a.Add("b"), 0);
    EXPECT_EQ(a.Add(CString("d")), 1);
    a.InsertAt(0, "a");
    a.InsertAt(2, "c");
    a.InsertAt(4, "e");  // at the end
    EXPECT_EQ(Join(a), "a,b,c,d,e");
    a.InsertAt(1, "x", 2);
    EXPECT_EQ(Join(a), "a,x,x,b,c,d,e");
    a.RemoveAt(1, 2);
    EXPECT_EQ(Join(a), "a,b,c,d,e");
    a.RemoveAt(3, 99);  // clamped to the end
    EXPECT_EQ(Join(a), "a,b,c");
    a.RemoveAt(5);  // out of range: nothing
    a.RemoveAt(-1);
    EXPECT_EQ(Join(a), "a,b,c");
    a.InsertAt(5, "f");  // past the end: empty strings fill the gap
    EXPECT_EQ(Join(a), "a,b,c,,,f");
    a.RemoveAll();
    EXPECT_EQ(a.GetSize(), 0);
}

TEST(CollStringArray, ElementsAreIndependentValues)
{
    CStringArray a;
    CString s("shared");
    a.Add(s);
    a.Add(s);
    a[0] += "!";
    a.ElementAt(1).MakeUpper();
    EXPECT_STREQ(a[0], "shared!");
    EXPECT_STREQ(a[1], "SHARED");
    EXPECT_STREQ(s, "shared");

    // Inserting one of the array's own elements before itself.
    a.InsertAt(0, a[1]);
    EXPECT_EQ(Join(a), "SHARED,shared!,SHARED");
    a.SetAtGrow(5, a[0]);
    EXPECT_EQ(Join(a), "SHARED,shared!,SHARED,,,SHARED");
}

TEST(CollStringArray, OutOfRangeAccessIsHarmless)
{
    CStringArray a;
    a.Add("only");
    EXPECT_TRUE(a.GetAt(1).IsEmpty());
    EXPECT_TRUE(a[-1].IsEmpty());
    a[7] = "stray";  // goes to a scratch element
    EXPECT_TRUE(a[7].IsEmpty());
    a.SetAt(3, "no");
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_STREQ(a[0], "only");
}

TEST(CollStringArray, CopyAppendAndArrayInsert)
{
    CStringArray a, b;
    a.Add("1");
    a.Add("2");
    b.Add("x");
    b.Append(a);
    EXPECT_EQ(Join(b), "x,1,2");
    b.Append(b);
    EXPECT_EQ(Join(b), "x,1,2,x,1,2");
    a.InsertAt(1, &a);
    EXPECT_EQ(Join(a), "1,1,2,2");
    a.Copy(b);
    EXPECT_EQ(Join(a), "x,1,2,x,1,2");
    a.SetSize(2);
    EXPECT_EQ(Join(a), "x,1");
    a.SetSize(4);
    EXPECT_EQ(Join(a), "x,1,,");
    a.FreeExtra();
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_STREQ(a.GetData()[1], "1");
}

TEST(CollIntArrays, NewElementsAreZeroAndGrowByIsHonoured)
{
    CDWordArray d;
    d.SetSize(3, 16);
    EXPECT_EQ(d[0] + d[1] + d[2], 0u);
    d[1] = 7;
    d.InsertAt(0, 5u, 2);
    EXPECT_EQ(d.GetSize(), 5);
    EXPECT_EQ(d[0], 5u);
    EXPECT_EQ(d[3], 7u);
    CByteArray b;
    for (int i = 0; i < 300; ++i)
        b.Add((BYTE)i);
    EXPECT_EQ(b.GetSize(), 300);
    EXPECT_EQ(b[299], (BYTE)299);
    CPtrArray p;
    int x = 0;
    p.Add(&x);
    p.Add(nullptr);
    EXPECT_EQ(p[0], &x);
    EXPECT_EQ(p.GetAt(9), nullptr);
    CUIntArray u;
    u.SetAtGrow(2, 9);
    EXPECT_EQ(u.GetSize(), 3);
    EXPECT_EQ(u[0], 0u);
    CWordArray w;
    w.Add(1);
    w.RemoveAt(0);
    EXPECT_TRUE(w.IsEmpty());
    EXPECT_TRUE(w.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(w.IsKindOf(RUNTIME_CLASS(CWordArray)));
    EXPECT_FALSE(w.IsKindOf(RUNTIME_CLASS(CByteArray)));
    EXPECT_STREQ(w.GetRuntimeClass()->m_lpszClassName, "CWordArray");
}

}  // namespace
