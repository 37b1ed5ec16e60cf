// CDC on a memory DC: selection answers the previous object, the
// framework's solid fills and 3-D frames land on the right pixels, state is
// saved and restored, text is measured, and nothing leaks.
#include <afxdc.h>
#include <gtest/gtest.h>
#include <vorplatform.h>

#include <string>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// A memory DC with a 32 x 24 bitmap selected, cleared to white.
class DCTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VorPlatformReset();
        m_nObjectsAtStart = VorGdiObjectCount(VOR_GDI_ALL);
        CClientDC screen(nullptr);
        ASSERT_NE(screen.GetSafeHdc(), nullptr);
        ASSERT_TRUE(m_dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, 32, 24));
        // Keep the handle, not the wrapper: some tests empty the temporary
        // wrappers, as the idle loop does.
        CBitmap* pOld = m_dc.SelectObject(&m_bitmap);
        ASSERT_NE(pOld, nullptr);
        m_hOldBitmap = pOld->m_hObject;
        m_dc.FillSolidRect(0, 0, 32, 24, kWhite);
    }
    void TearDown() override
    {
        EXPECT_EQ(m_dc.SelectObject(m_hOldBitmap), (HGDIOBJ)m_bitmap.m_hObject);
        m_dc.DeleteDC();
        m_bitmap.DeleteObject();
        AfxDeleteTempGdiObjects();
        EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ALL), m_nObjectsAtStart);
        VorPlatformReset();
    }

    // The pixels of row y from x0 to x1 (exclusive) as letters: W white,
    // R red, B blue, ? anything else.
    std::string Row(int y, int x0, int x1)
    {
        std::string s;
        for (int x = x0; x < x1; ++x) {
            COLORREF c = m_dc.GetPixel(x, y);
            s += c == kWhite ? 'W' : c == kRed ? 'R' : c == kBlue ? 'B' : '?';
        }
        return s;
    }
    std::string Column(int x, int y0, int y1)
    {
        std::string s;
        for (int y = y0; y < y1; ++y) {
            COLORREF c = m_dc.GetPixel(x, y);
            s += c == kWhite ? 'W' : c == kRed ? 'R' : c == kBlue ? 'B' : '?';
        }
        return s;
    }

    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    int m_nObjectsAtStart = 0;
};

TEST_F(DCTest, SelectObjectAnswersThePreviousObject)
{
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    CPen* pStock = m_dc.SelectObject(&red);
    ASSERT_NE(pStock, nullptr);
    // The DC's first pen is the stock black pen, wrapped temporarily.
    EXPECT_EQ(pStock->m_hObject, ::GetStockObject(BLACK_PEN));
    EXPECT_TRUE(pStock->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(m_dc.SelectObject(&blue), &red);  // an owned pen comes back as its object
    EXPECT_EQ(m_dc.GetCurrentPen(), &blue);
    EXPECT_EQ(m_dc.SelectObject(pStock), &blue);

    CBrush brush(kRed);
    CBrush* pOldBrush = m_dc.SelectObject(&brush);
    ASSERT_NE(pOldBrush, nullptr);
    EXPECT_EQ(pOldBrush->m_hObject, ::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(m_dc.GetCurrentBrush(), &brush);
    m_dc.SelectObject(pOldBrush);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "Tahoma"));
    CFont* pOldFont = m_dc.SelectObject(&font);
    ASSERT_NE(pOldFont, nullptr);
    EXPECT_TRUE(pOldFont->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(m_dc.GetCurrentFont(), &font);
    EXPECT_EQ(m_dc.SelectObject(pOldFont), &font);

    EXPECT_EQ(m_dc.GetCurrentBitmap(), &m_bitmap);

    CGdiObject* pPrev = m_dc.SelectStockObject(NULL_BRUSH);
    ASSERT_NE(pPrev, nullptr);
    EXPECT_EQ(pPrev->m_hObject, ::GetStockObject(WHITE_BRUSH));
    m_dc.SelectObject(pPrev);

    CPen none;
    EXPECT_EQ(m_dc.SelectObject(&none), nullptr);  // no handle: nothing selected
    EXPECT_EQ(m_dc.SelectObject((CPen*)nullptr), nullptr);
    EXPECT_EQ(m_dc.GetCurrentPen()->m_hObject, ::GetStockObject(BLACK_PEN));
}

TEST_F(DCTest, SelectingARegionClipsAndAnswersItsType)
{
    // Pixels are read back with no clip region: GetPixel answers
    // CLR_INVALID outside the clip region.
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(2, 2, 6, 6));
    EXPECT_EQ(m_dc.SelectObject(&rgn), SIMPLEREGION);
    m_dc.FillSolidRect(0, 0, 10, 10, kRed);
    CRect box;
    EXPECT_EQ(m_dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_TRUE(box == CRect(2, 2, 6, 6));
    EXPECT_FALSE(m_dc.PtVisible(1, 1));
    EXPECT_TRUE(m_dc.PtVisible(CPoint(2, 2)));
    EXPECT_TRUE(m_dc.RectVisible(CRect(5, 5, 9, 9)));
    EXPECT_FALSE(m_dc.RectVisible(CRect(6, 0, 9, 9)));
    m_dc.SelectClipRgn(nullptr);
    EXPECT_EQ(Row(3, 0, 8), "WWRRRRWW");

    m_dc.ExcludeClipRect(0, 0, 4, 32);
    m_dc.FillSolidRect(0, 10, 8, 1, kBlue);
    m_dc.SelectClipRgn(nullptr);
    EXPECT_EQ(Row(10, 0, 8), "WWWWBBBB");

    // Through the CGdiObject form a region still clips, but answers no object.
    CRgn small;
    ASSERT_TRUE(small.CreateRectRgn(7, 7, 9, 9));
    EXPECT_EQ(m_dc.SelectObject(static_cast<CGdiObject*>(&small)), nullptr);
    EXPECT_EQ(m_dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_TRUE(box == CRect(7, 7, 9, 9));
    m_dc.SelectClipRgn(nullptr);

    m_dc.IntersectClipRect(CRect(1, 0, 3, 32));
    m_dc.FillSolidRect(0, 12, 8, 1, kBlue);
    m_dc.SelectClipRgn(nullptr);
    EXPECT_EQ(Row(12, 0, 8), "WBBWWWWW");
}

TEST_F(DCTest, FillSolidRectFillsAndLeavesTheBackgroundColour)
{
    m_dc.SetBkColor(kWhite);
    m_dc.FillSolidRect(CRect(2, 1, 5, 3), kRed);
    EXPECT_EQ(Row(0, 0, 7), "WWWWWWW");
    EXPECT_EQ(Row(1, 0, 7), "WWRRRWW");
    EXPECT_EQ(Row(2, 0, 7), "WWRRRWW");
    EXPECT_EQ(Row(3, 0, 7), "WWWWWWW");
    EXPECT_EQ(m_dc.GetBkColor(), kRed);
    // Negative extents reach left and up from the origin.
    m_dc.FillSolidRect(10, 5, -3, -2, kBlue);
    EXPECT_EQ(Row(3, 6, 11), "WBBBW");
    EXPECT_EQ(Row(4, 6, 11), "WBBBW");
    EXPECT_EQ(Row(5, 6, 11), "WWWWW");
}

TEST_F(DCTest, Draw3dRectPutsTopLeftAndBottomRightInTheirColours)
{
    m_dc.Draw3dRect(CRect(1, 1, 7, 6), kRed, kBlue);
    EXPECT_EQ(Row(0, 0, 8), "WWWWWWWW");
    EXPECT_EQ(Row(1, 0, 8), "WRRRRRBW");  // the top-right corner is the bottom-right colour
    EXPECT_EQ(Row(3, 0, 8), "WRWWWWBW");
    EXPECT_EQ(Row(5, 0, 8), "WBBBBBBW");  // the bottom-left corner likewise
    EXPECT_EQ(Column(1, 0, 7), "WRRRRBW");
    EXPECT_EQ(Column(6, 0, 7), "WBBBBBW");
    m_dc.Draw3dRect(10, 10, 0, 5, kRed, kBlue);  // empty: nothing
    EXPECT_EQ(Column(10, 9, 16), "WWWWWWW");
    m_dc.Draw3dRect(20, 10, 1, 1, kRed, kBlue);  // one pixel: the bottom-right colour
    EXPECT_EQ(Row(10, 19, 22), "WBW");
}

TEST_F(DCTest, LinesRectanglesAndPenPosition)
{
    CPen red(PS_SOLID, 1, kRed);
    CPen* pOld = m_dc.SelectObject(&red);
    EXPECT_TRUE(m_dc.MoveTo(1, 2) == CPoint(0, 0));
    EXPECT_TRUE(m_dc.LineTo(5, 2));
    EXPECT_TRUE(m_dc.GetCurrentPosition() == CPoint(5, 2));
    EXPECT_EQ(Row(2, 0, 7), "WRRRRWW");  // the end point is not drawn
    CBrush blue(kBlue);
    CBrush* pOldBrush = m_dc.SelectObject(&blue);
    m_dc.Rectangle(CRect(10, 0, 14, 4));
    EXPECT_EQ(Row(0, 10, 14), "RRRR");
    EXPECT_EQ(Row(1, 10, 14), "RBBR");
    m_dc.SelectObject(pOldBrush);
    m_dc.SelectObject(pOld);

    CBrush fill(kBlue);
    m_dc.FillRect(CRect(0, 20, 3, 22), &fill);
    EXPECT_EQ(Row(21, 0, 4), "BBBW");
    CBrush frame(kRed);
    m_dc.FrameRect(CRect(5, 18, 9, 23), &frame);
    EXPECT_EQ(Row(18, 4, 10), "WRRRRW");
    EXPECT_EQ(Row(20, 4, 10), "WRWWRW");
    EXPECT_EQ(m_dc.SetPixel(30, 1, kRed), kRed);
    EXPECT_EQ(m_dc.GetPixel(CPoint(30, 1)), kRed);
    m_dc.PatBlt(0, 23, 32, 1, BLACKNESS);
    EXPECT_EQ(m_dc.GetPixel(4, 23), RGB(0, 0, 0));
}

TEST_F(DCTest, BitBltCopiesBetweenFrameworkDCs)
{
    m_dc.FillSolidRect(0, 0, 4, 4, kRed);
    CDC other;
    ASSERT_TRUE(other.CreateCompatibleDC(&m_dc));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&m_dc, 8, 8));
    CBitmap* pOld = other.SelectObject(&bmp);
    other.FillSolidRect(0, 0, 8, 8, kBlue);
    EXPECT_TRUE(m_dc.BitBlt(2, 2, 4, 4, &other, 0, 0, SRCCOPY));
    EXPECT_EQ(Row(3, 0, 7), "RRBBBBW");
    EXPECT_TRUE(other.StretchBlt(0, 0, 8, 8, &m_dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(other.GetPixel(7, 7), kRed);
    other.SelectObject(pOld);
}

TEST_F(DCTest, SaveAndRestoreBringBackAttributesAndSelection)
{
    m_dc.SetTextColor(kRed);
    m_dc.SetBkMode(OPAQUE);
    int nSaved = m_dc.SaveDC();
    ASSERT_NE(nSaved, 0);
    CPen pen(PS_SOLID, 1, kBlue);
    m_dc.SelectObject(&pen);
    EXPECT_EQ(m_dc.SetTextColor(kBlue), kRed);
    EXPECT_EQ(m_dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(m_dc.SetROP2(R2_XORPEN), R2_COPYPEN);
    EXPECT_TRUE(m_dc.RestoreDC(nSaved));
    EXPECT_EQ(m_dc.GetTextColor(), kRed);
    EXPECT_EQ(m_dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(m_dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(m_dc.GetCurrentPen()->m_hObject, ::GetStockObject(BLACK_PEN));
}

TEST_F(DCTest, ViewportOriginMovesDrawing)
{
    EXPECT_TRUE(m_dc.SetViewportOrg(10, 5) == CPoint(0, 0));
    EXPECT_TRUE(m_dc.GetViewportOrg() == CPoint(10, 5));
    m_dc.FillSolidRect(0, 0, 1, 1, kRed);
    EXPECT_TRUE(m_dc.SetViewportOrg(CPoint(0, 0)) == CPoint(10, 5));
    EXPECT_EQ(m_dc.GetPixel(10, 5), kRed);
    EXPECT_EQ(m_dc.GetPixel(0, 0), kWhite);
    m_dc.SetWindowOrg(3, 0);
    m_dc.FillSolidRect(3, 10, 1, 1, kBlue);
    m_dc.SetWindowOrg(0, 0);
    EXPECT_EQ(m_dc.GetPixel(0, 10), kBlue);
}

TEST_F(DCTest, TextMeasurementAgreesWithTheWin32Calls)
{
    CString text("Grid 12");
    SIZE raw = {};
    ASSERT_TRUE(::GetTextExtentPoint32A(m_dc.m_hDC, text, text.GetLength(), &raw));
    CSize size = m_dc.GetTextExtent(text);
    EXPECT_GT(size.cx, 0);
    EXPECT_EQ(size.cx, raw.cx);
    EXPECT_EQ(size.cy, raw.cy);
    EXPECT_TRUE(m_dc.GetTextExtent("Grid 12", 4) == m_dc.GetTextExtent(CString("Grid")));
    EXPECT_TRUE(m_dc.GetOutputTextExtent(text) == size);

    TEXTMETRIC tm = {};
    ASSERT_TRUE(m_dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, size.cy);

    int tabs[1] = {40};
    CSize tabbed = m_dc.GetTabbedTextExtent(CString("a\tb"), 1, tabs);
    EXPECT_GE(tabbed.cx, 40);
    CString face;
    EXPECT_GT(m_dc.GetTextFace(face), 0);
    EXPECT_FALSE(face.IsEmpty());

    // DrawText with DT_CALCRECT sizes the rectangle to the text.
    CRect rc(0, 0, 0, 0);
    int h = m_dc.DrawText(text, &rc, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(h, size.cy);
    EXPECT_EQ(rc.Width(), size.cx);
}

TEST_F(DCTest, TextOutputDrawsInTheTextColour)
{
    m_dc.SetTextColor(kRed);
    m_dc.SetBkMode(TRANSPARENT);
    EXPECT_TRUE(m_dc.TextOut(1, 1, CString("HH")));
    bool bRed = false;
    for (int y = 0; y < 24 && !bRed; ++y)
        for (int x = 0; x < 32 && !bRed; ++x)
            bRed = m_dc.GetPixel(x, y) == kRed;
    EXPECT_TRUE(bRed);
    // ExtTextOut with ETO_OPAQUE fills its rectangle with the background colour.
    m_dc.SetBkColor(kBlue);
    CRect rc(20, 10, 30, 20);
    EXPECT_TRUE(m_dc.ExtTextOut(20, 10, ETO_OPAQUE, &rc, CString(), nullptr));
    EXPECT_EQ(m_dc.GetPixel(25, 15), kBlue);
}

TEST_F(DCTest, HandleWrappersOfDCs)
{
    HDC h = m_dc.GetSafeHdc();
    EXPECT_EQ(CDC::FromHandle(h), &m_dc);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);
    HDC hOther = ::CreateCompatibleDC(nullptr);
    CDC* pTemp = CDC::FromHandle(hOther);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hDC, hOther);
    EXPECT_EQ(CDC::FromHandle(hOther), pTemp);
    AfxDeleteTempGdiObjects();
    EXPECT_EQ(::GetObjectType(hOther), (DWORD)OBJ_MEMDC);  // the wrapper left the DC alone
    ::DeleteDC(hOther);

    CDC taken;
    EXPECT_FALSE(taken.Attach(nullptr));
    EXPECT_FALSE(m_dc.Attach(hOther));  // m_dc holds a DC already
    EXPECT_EQ(m_dc.GetSafeHdc(), h);
}

TEST_F(DCTest, PaintingThroughTheWrappersLeaksNothing)
{
    const int before = VorGdiObjectCount(VOR_GDI_ALL);
    for (int i = 0; i < 3; ++i) {
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        CFont font;
        font.CreatePointFont(80, "Tahoma");
        CPen* pOldPen = m_dc.SelectObject(&pen);
        CBrush* pOldBrush = m_dc.SelectObject(&brush);
        CFont* pOldFont = m_dc.SelectObject(&font);
        m_dc.Rectangle(0, 0, 10, 10);
        m_dc.Draw3dRect(CRect(2, 2, 8, 8), kRed, kBlue);
        m_dc.TextOut(0, 0, CString("x"));
        m_dc.SelectObject(pOldFont);
        m_dc.SelectObject(pOldBrush);
        m_dc.SelectObject(pOldPen);
    }
    AfxDeleteTempGdiObjects();
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ALL), before);
}

}  // namespace
