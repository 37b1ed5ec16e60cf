// The GDI object wrappers: ownership of handles, temporary wrappers, and
// the creation functions of each kind.
#include <afxdc.h>
#include <gtest/gtest.h>
#include <vorplatform.h>

namespace {

class GdiObjectTest : public ::testing::Test {
protected:
    void SetUp() override { VorPlatformReset(); }
    void TearDown() override
    {
        AfxDeleteTempGdiObjects();
        VorPlatformReset();
    }
};

TEST_F(GdiObjectTest, AnOwnedHandleIsDeletedWithItsObject)
{
    const int pens = VorGdiObjectCount(VOR_GDI_PEN);
    const int brushes = VorGdiObjectCount(VOR_GDI_BRUSH);
    const int regions = VorGdiObjectCount(VOR_GDI_REGION);
    {
        CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
        CBrush brush(RGB(4, 5, 6));
        CRgn rgn;
        EXPECT_TRUE(rgn.CreateRectRgn(0, 0, 5, 5));
        EXPECT_NE(pen.GetSafeHandle(), nullptr);
        EXPECT_EQ(VorGdiObjectCount(VOR_GDI_PEN), pens + 1);
        EXPECT_EQ(VorGdiObjectCount(VOR_GDI_BRUSH), brushes + 1);
        EXPECT_EQ(VorGdiObjectCount(VOR_GDI_REGION), regions + 1);
    }
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_PEN), pens);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_BRUSH), brushes);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_REGION), regions);
}

TEST_F(GdiObjectTest, CreatingIntoAnObjectThatHoldsAHandleFailsWithoutLeaking)
{
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(255, 0, 0)));
    HGDIOBJ first = brush.m_hObject;
    const int brushes = VorGdiObjectCount(VOR_GDI_BRUSH);
    EXPECT_FALSE(brush.CreateSolidBrush(RGB(0, 255, 0)));
    EXPECT_EQ(brush.m_hObject, first);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_BRUSH), brushes);
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_EQ(brush.m_hObject, nullptr);
    EXPECT_FALSE(brush.DeleteObject());
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_BRUSH), brushes - 1);
}

TEST_F(GdiObjectTest, AttachDetachAndOneOwnerPerHandle)
{
    HPEN h = ::CreatePen(PS_SOLID, 1, 0);
    CPen a, b;
    EXPECT_TRUE(a.Attach(h));
    EXPECT_FALSE(b.Attach(h));  // already owned by a
    EXPECT_FALSE(a.Attach(::GetStockObject(BLACK_PEN)));  // a holds one
    EXPECT_FALSE(b.Attach(nullptr));
    EXPECT_EQ(CGdiObject::FromHandle(h), &a);
    EXPECT_EQ(CPen::FromHandle(h), &a);
    EXPECT_EQ(a.Detach(), (HGDIOBJ)h);
    EXPECT_EQ(a.m_hObject, nullptr);
    EXPECT_TRUE(b.Attach(h));
    EXPECT_EQ(CPen::FromHandle(h), &b);
    EXPECT_TRUE(b.DeleteObject());
    EXPECT_EQ(::GetObjectType(h), 0u);  // deleted through b
}

TEST_F(GdiObjectTest, TemporaryWrappersMatchTheKindAndNeverDeleteTheHandle)
{
    HBRUSH hBrush = ::CreateSolidBrush(RGB(9, 9, 9));
    HFONT hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    HRGN hRgn = ::CreateRectRgn(0, 0, 2, 2);

    CGdiObject* pBrush = CGdiObject::FromHandle(hBrush);
    ASSERT_NE(pBrush, nullptr);
    EXPECT_TRUE(pBrush->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(CBrush::FromHandle(hBrush), pBrush);  // the same wrapper until idle
    EXPECT_TRUE(CGdiObject::FromHandle(hFont)->IsKindOf(RUNTIME_CLASS(CFont)));
    CRgn* pRgn = CRgn::FromHandle(hRgn);
    EXPECT_TRUE(pRgn->IsKindOf(RUNTIME_CLASS(CRgn)));
    EXPECT_TRUE(pRgn->PtInRegion(1, 1));
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);

    AfxDeleteTempGdiObjects();
    EXPECT_EQ(::GetObjectType(hBrush), (DWORD)OBJ_BRUSH);
    EXPECT_EQ(::GetObjectType(hRgn), (DWORD)OBJ_REGION);
    ::DeleteObject(hBrush);
    ::DeleteObject(hRgn);
}

TEST_F(GdiObjectTest, PenBrushFontAndBitmapDescribeThemselves)
{
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_DOT, 1, RGB(10, 20, 30)));
    LOGPEN lp = {};
    EXPECT_EQ(pen.GetLogPen(&lp), (int)sizeof(LOGPEN));
    EXPECT_EQ(lp.lopnStyle, (UINT)PS_DOT);
    EXPECT_EQ(lp.lopnColor, RGB(10, 20, 30));

    CBrush sys;
    ASSERT_TRUE(sys.CreateSysColorBrush(COLOR_BTNFACE));
    LOGBRUSH lb = {};
    EXPECT_EQ(sys.GetLogBrush(&lb), (int)sizeof(LOGBRUSH));
    EXPECT_EQ(lb.lbStyle, (UINT)BS_SOLID);
    EXPECT_EQ(lb.lbColor, ::GetSysColor(COLOR_BTNFACE));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
    LOGFONT lf = {};
    EXPECT_EQ(font.GetLogFont(&lf), (int)sizeof(LOGFONT));
    // 9 points at the screen's vertical resolution, as a character height.
    CDC screen;
    screen.Attach(::GetDC(nullptr));
    int dpi = screen.GetDeviceCaps(LOGPIXELSY);
    ::ReleaseDC(nullptr, screen.Detach());
    EXPECT_EQ(lf.lfHeight, -::MulDiv(dpi, 90, 720));
    EXPECT_STREQ(lf.lfFaceName, "Arial");

    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(7, 3, 1, 32, nullptr));
    BITMAP bm = {};
    EXPECT_EQ(bmp.GetBitmap(&bm), (int)sizeof(BITMAP));
    EXPECT_EQ(bm.bmWidth, 7);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_EQ(bmp.GetObjectType(), (UINT)OBJ_BITMAP);

    CBrush pattern;
    EXPECT_TRUE(pattern.CreatePatternBrush(&bmp));
    CBrush none;
    EXPECT_FALSE(none.CreatePatternBrush(nullptr));
}

TEST_F(GdiObjectTest, RegionOperations)
{
    CRgn a, b, c;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(5, 5, 20, 20)));
    ASSERT_TRUE(c.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(c.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    CRect box;
    EXPECT_EQ(c.GetRgnBox(&box), SIMPLEREGION);
    EXPECT_TRUE(box == CRect(5, 5, 10, 10));
    EXPECT_EQ(c.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(c.PtInRegion(15, 15));
    EXPECT_TRUE(c.PtInRegion(CPoint(1, 1)));
    EXPECT_FALSE(c.PtInRegion(15, 1));
    EXPECT_TRUE(c.RectInRegion(CRect(14, 0, 16, 6)));
    EXPECT_NE(c.CopyRgn(&a), ERROR);
    EXPECT_TRUE(c.EqualRgn(&a));
    c.OffsetRgn(CPoint(100, 0));
    EXPECT_FALSE(c.EqualRgn(&a));
    EXPECT_TRUE(c.PtInRegion(105, 5));
    c.SetRectRgn(CRect(1, 1, 2, 2));
    EXPECT_EQ(c.GetRgnBox(&box), SIMPLEREGION);
    EXPECT_TRUE(box == CRect(1, 1, 2, 2));
    CRgn empty;
    EXPECT_EQ(empty.CombineRgn(&a, &b, RGN_AND), ERROR);  // no handle of its own
    EXPECT_FALSE(empty.PtInRegion(1, 1));
}

}  // namespace
