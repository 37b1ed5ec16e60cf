// CPaintDC, CClientDC and CWindowDC on real windows: they draw where the
// window is on the screen, validate what they paint, and give their DCs back.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <vorplatform.h>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 255, 0);

int g_nPaints = 0;
RECT g_rcPaint = {};
BOOL g_bErase = FALSE;

LRESULT CALLBACK PaintProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT) {
        ++g_nPaints;
        CPaintDC dc(CWnd::FromHandle(hWnd));
        g_rcPaint = dc.m_ps.rcPaint;
        g_bErase = dc.m_ps.fErase;
        CRect rc;
        ::GetClientRect(hWnd, &rc);
        dc.FillSolidRect(&rc, kGreen);
        return 0;
    }
    if (msg == WM_ERASEBKGND)
        return 1;
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

class DCWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VorPlatformReset();
        g_nPaints = 0;
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &PaintProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "AfxDCWindowTest";
        ASSERT_NE(::RegisterClassA(&wc), 0);
        m_hWnd = ::CreateWindowExA(0, "AfxDCWindowTest", "dc", WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 80, 60, 40,
                                   nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        VorPumpMessages();
        m_nDCs = VorGdiObjectCount(VOR_GDI_DC);
    }
    void TearDown() override
    {
        AfxDeleteTempMaps();
        EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), m_nDCs);
        ::DestroyWindow(m_hWnd);
        VorPlatformReset();
    }

    // Pixels are read back through the window's own DCs, plain Win32.
    COLORREF ClientPixel(int x, int y)
    {
        HDC h = ::GetDC(m_hWnd);
        COLORREF c = ::GetPixel(h, x, y);
        ::ReleaseDC(m_hWnd, h);
        return c;
    }
    COLORREF WindowPixel(int x, int y)
    {
        HDC h = ::GetWindowDC(m_hWnd);
        COLORREF c = ::GetPixel(h, x, y);
        ::ReleaseDC(m_hWnd, h);
        return c;
    }
    COLORREF ScreenPixel(int x, int y)
    {
        HDC hScreen = ::GetDC(nullptr);
        COLORREF c = ::GetPixel(hScreen, x, y);
        ::ReleaseDC(nullptr, hScreen);
        return c;
    }

    HWND m_hWnd = nullptr;
    int m_nDCs = 0;
};

TEST_F(DCWindowTest, PaintDCPaintsTheUpdateRegionAndValidatesIt)
{
    ASSERT_GT(g_nPaints, 0);  // the first paint after showing
    EXPECT_EQ(ClientPixel(5, 5), kGreen);

    g_nPaints = 0;
    RECT part = {10, 10, 20, 20};
    ::InvalidateRect(m_hWnd, &part, TRUE);
    ::UpdateWindow(m_hWnd);
    EXPECT_EQ(g_nPaints, 1);
    EXPECT_TRUE(CRect(g_rcPaint) == CRect(10, 10, 20, 20));
    EXPECT_TRUE(g_bErase == FALSE);  // WM_ERASEBKGND answered that it erased
    RECT upd;
    EXPECT_FALSE(::GetUpdateRect(m_hWnd, &upd, FALSE));  // EndPaint validated it
    VorPumpMessages();
    EXPECT_EQ(g_nPaints, 1);
}

TEST_F(DCWindowTest, ClientDCDrawsInTheClientAreaAndIsReleased)
{
    {
        CClientDC dc(CWnd::FromHandle(m_hWnd));
        ASSERT_NE(dc.GetSafeHdc(), nullptr);
        EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), m_nDCs + 1);
        dc.FillSolidRect(0, 0, 4, 4, kRed);
    }
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), m_nDCs);
    EXPECT_EQ(ClientPixel(0, 0), kRed);
    EXPECT_EQ(ClientPixel(4, 4), kGreen);
    POINT origin = {0, 0};
    ::ClientToScreen(m_hWnd, &origin);
    EXPECT_EQ(ScreenPixel(origin.x, origin.y), kRed);  // where the window is on the screen
    EXPECT_NE(WindowPixel(0, 0), kRed);  // the border is outside the client area
}

TEST_F(DCWindowTest, WindowDCStartsAtTheWindowCorner)
{
    {
        CWindowDC dc(CWnd::FromHandle(m_hWnd));
        ASSERT_NE(dc.GetSafeHdc(), nullptr);
        EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), m_nDCs + 1);
        dc.FillSolidRect(0, 0, 1, 1, kBlue);
    }
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_DC), m_nDCs);
    EXPECT_EQ(WindowPixel(0, 0), kBlue);  // the window's corner: its border
    EXPECT_EQ(ClientPixel(0, 0), kGreen);
}

TEST_F(DCWindowTest, TheScreenDCAndADestroyedWindow)
{
    {
        CClientDC screen(nullptr);
        ASSERT_NE(screen.GetSafeHdc(), nullptr);
        screen.SetPixel(2, 2, kRed);
    }
    EXPECT_EQ(ScreenPixel(2, 2), kRed);

    // A window object whose window is gone: the DC is refused, and every
    // call on the DC object fails harmlessly.
    HWND hGone = ::CreateWindowExA(0, "AfxDCWindowTest", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hGone, nullptr);
    ::DestroyWindow(hGone);
    CWnd stale;
    stale.m_hWnd = hGone;
    {
        CClientDC dead(&stale);
        EXPECT_EQ(dead.GetSafeHdc(), nullptr);
        dead.FillSolidRect(0, 0, 5, 5, kRed);
        EXPECT_FALSE(dead.LineTo(3, 3));
        CWindowDC deadWindow(&stale);
        EXPECT_EQ(deadWindow.GetSafeHdc(), nullptr);
        CPaintDC deadPaint(&stale);
        EXPECT_EQ(deadPaint.GetSafeHdc(), nullptr);
    }
    stale.m_hWnd = nullptr;
    EXPECT_NE(ScreenPixel(0, 0), kRed);
}

}  // namespace
