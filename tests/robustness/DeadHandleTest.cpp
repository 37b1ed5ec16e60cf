// Every public call of the platform given a destroyed window, a deleted
// device context, deleted GDI objects, destroyed icons and image lists, or
// null pointers: each answers its documented failure value and nothing
// crashes (the sanitizer build turns any stray access into a failure).
#include <afxcmn.h>
#include <afxwin.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "VorTestBase.h"

namespace {

struct Call {
    const char* name;
    std::function<LONG_PTR()> run;
    LONG_PTR failure;  // the documented failure value
};

// Handles that once were valid and are gone, made fresh for every test.
struct DeadHandles {
    HWND hwnd = NULL;     // a destroyed top-level window
    HWND child = NULL;    // a destroyed child of it
    HWND live = NULL;     // a live window, for the null-pointer calls
    HDC dc = NULL;        // a deleted memory DC
    HDC liveDc = NULL;    // a live memory DC
    HPEN pen = NULL;
    HBRUSH brush = NULL;
    HBITMAP bitmap = NULL;
    HRGN rgn = NULL;
    HFONT font = NULL;
    HICON icon = NULL;
    HIMAGELIST images = NULL;

    void Make() {
        hwnd = ::CreateWindowExA(0, "STATIC", "dead", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, NULL,
                                 NULL, NULL, NULL);
        child = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, hwnd, (HMENU)7, NULL, NULL);
        live = ::CreateWindowExA(0, "STATIC", "live", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 10, 200, 100, NULL,
                                 NULL, NULL, NULL);
        ::DestroyWindow(hwnd);
        dc = ::CreateCompatibleDC(NULL);
        ::DeleteDC(dc);
        liveDc = ::CreateCompatibleDC(NULL);
        pen = ::CreatePen(PS_SOLID, 1, 0);
        ::DeleteObject(pen);
        brush = ::CreateSolidBrush(0xff);
        ::DeleteObject(brush);
        bitmap = ::CreateBitmap(4, 4, 1, 32, NULL);
        ::DeleteObject(bitmap);
        rgn = ::CreateRectRgn(0, 0, 5, 5);
        ::DeleteObject(rgn);
        font = ::CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
        ::DeleteObject(font);
        BYTE andBits[16 * 16 / 8] = {}, xorBits[16 * 16 / 8] = {};
        icon = ::CreateIcon(NULL, 16, 16, 1, 1, andBits, xorBits);
        ::DestroyIcon(icon);
        images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
        ImageList_Destroy(images);
    }
};

class DeadHandleTest : public VorTestBase {
protected:
    void SetUp() override {
        VorTestBase::SetUp();
        h.Make();
    }
    void TearDown() override {
        if (h.liveDc) ::DeleteDC(h.liveDc);
        if (h.live) ::DestroyWindow(h.live);
        VorTestBase::TearDown();
    }
    void RunAll(const std::vector<Call>& calls) {
        for (const Call& c : calls) EXPECT_EQ(c.run(), c.failure) << c.name;
        m_count += (int)calls.size();
    }
    void WindowCalls(HWND w, HWND c);
    void DrawingCalls(HDC d);
    DeadHandles h;
    int m_count = 0;
};

TEST_F(DeadHandleTest, HandlesAreValidBeforeTheyDie) {
    // The handles really were made: a dead handle that never lived proves little.
    EXPECT_NE(h.hwnd, (HWND)NULL);
    EXPECT_NE(h.child, (HWND)NULL);
    EXPECT_NE(h.dc, (HDC)NULL);
    EXPECT_NE(h.pen, (HPEN)NULL);
    EXPECT_NE(h.brush, (HBRUSH)NULL);
    EXPECT_NE(h.bitmap, (HBITMAP)NULL);
    EXPECT_NE(h.rgn, (HRGN)NULL);
    EXPECT_NE(h.font, (HFONT)NULL);
    EXPECT_NE(h.icon, (HICON)NULL);
    EXPECT_NE(h.images, (HIMAGELIST)NULL);
    // A new window never takes the value of a destroyed one.
    HWND again = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    EXPECT_NE(again, h.hwnd);
    EXPECT_NE(again, h.child);
    EXPECT_FALSE(::IsWindow(h.child)) << "the child went with its parent";
    ::DestroyWindow(again);
}

// Handles that never named anything, of plausible and implausible values.
const HWND kForgedWindows[] = {(HWND)(UINT_PTR)0x10002, (HWND)(UINT_PTR)0x7fff1234, (HWND)(UINT_PTR)-2};
const HDC kForgedDCs[] = {(HDC)(UINT_PTR)0x10003, (HDC)(UINT_PTR)0x7fff1235, (HDC)(UINT_PTR)-3};

TEST_F(DeadHandleTest, WindowCallsRefuseADestroyedWindow) { WindowCalls(h.hwnd, h.child); }

TEST_F(DeadHandleTest, WindowCallsRefuseForgedWindows) {
    for (HWND forged : kForgedWindows) {
        ASSERT_FALSE(::IsWindow(forged)) << "a forged value names a live window";
        WindowCalls(forged, forged);
    }
}

TEST_F(DeadHandleTest, DrawingCallsRefuseADeletedDC) { DrawingCalls(h.dc); }

TEST_F(DeadHandleTest, DrawingCallsRefuseForgedDCs) {
    for (HDC forged : kForgedDCs) {
        ASSERT_EQ(::GetObjectType(forged), 0u) << "a forged value names a live object";
        DrawingCalls(forged);
    }
}

void DeadHandleTest::WindowCalls(HWND w, HWND c) {
    SCOPED_TRACE(::testing::Message() << "window " << (void*)w);
    char buf[32] = "unchanged";
    RECT rc = {1, 2, 3, 4};
    POINT pt = {5, 6};
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    RunAll({
        {"DestroyWindow", [&] { return (LONG_PTR)::DestroyWindow(w); }, FALSE},
        {"DestroyWindow(child)", [&] { return (LONG_PTR)::DestroyWindow(c); }, FALSE},
        {"IsWindow", [&] { return (LONG_PTR)::IsWindow(w); }, FALSE},
        {"IsWindowVisible", [&] { return (LONG_PTR)::IsWindowVisible(w); }, FALSE},
        {"IsWindowEnabled", [&] { return (LONG_PTR)::IsWindowEnabled(w); }, FALSE},
        {"IsIconic", [&] { return (LONG_PTR)::IsIconic(w); }, FALSE},
        {"IsZoomed", [&] { return (LONG_PTR)::IsZoomed(w); }, FALSE},
        {"EnableWindow", [&] { return (LONG_PTR)::EnableWindow(w, FALSE); }, FALSE},
        {"ShowWindow", [&] { return (LONG_PTR)::ShowWindow(w, SW_SHOW); }, FALSE},
        {"GetParent", [&] { return (LONG_PTR)::GetParent(c); }, 0},
        {"SetParent", [&] { return (LONG_PTR)::SetParent(c, h.live); }, 0},
        {"SetParent(live, dead)", [&] { return (LONG_PTR)::SetParent(h.live, w); }, 0},
        {"GetAncestor", [&] { return (LONG_PTR)::GetAncestor(c, GA_PARENT); }, 0},
        {"GetWindow", [&] { return (LONG_PTR)::GetWindow(w, GW_CHILD); }, 0},
        {"GetTopWindow", [&] { return (LONG_PTR)::GetTopWindow(w); }, 0},
        {"GetDlgItem", [&] { return (LONG_PTR)::GetDlgItem(w, 7); }, 0},
        {"GetDlgCtrlID", [&] { return (LONG_PTR)::GetDlgCtrlID(c); }, 0},
        {"SendDlgItemMessageA", [&] { return (LONG_PTR)::SendDlgItemMessageA(w, 7, WM_GETTEXTLENGTH, 0, 0); }, 0},
        {"SetDlgItemTextA", [&] { return (LONG_PTR)::SetDlgItemTextA(w, 7, "x"); }, FALSE},
        {"GetDlgItemTextA", [&] { return (LONG_PTR)::GetDlgItemTextA(w, 7, buf, sizeof buf); }, 0},
        {"IsChild", [&] { return (LONG_PTR)::IsChild(w, c); }, FALSE},
        {"GetWindowThreadProcessId", [&] { return (LONG_PTR)::GetWindowThreadProcessId(w, NULL); }, 0},
        {"GetWindowLongA", [&] { return (LONG_PTR)::GetWindowLongA(w, GWL_STYLE); }, 0},
        {"SetWindowLongA", [&] { return (LONG_PTR)::SetWindowLongA(w, GWL_STYLE, 0); }, 0},
        {"GetWindowLongPtrA", [&] { return (LONG_PTR)::GetWindowLongPtrA(w, GWLP_WNDPROC); }, 0},
        {"SetWindowLongPtrA", [&] { return (LONG_PTR)::SetWindowLongPtrA(w, GWLP_USERDATA, 1); }, 0},
        {"GetClassNameA", [&] { return (LONG_PTR)::GetClassNameA(w, buf, sizeof buf); }, 0},
        {"GetClassLongA", [&] { return (LONG_PTR)::GetClassLongA(w, GCL_STYLE); }, 0},
        {"DefWindowProcA", [&] { return (LONG_PTR)::DefWindowProcA(w, WM_GETTEXTLENGTH, 0, 0); }, 0},
        {"GetWindowTextA", [&] { return (LONG_PTR)::GetWindowTextA(w, buf, sizeof buf); }, 0},
        {"GetWindowTextA leaves an empty text", [&] { return (LONG_PTR)buf[0]; }, 0},
        {"SetWindowTextA", [&] { return (LONG_PTR)::SetWindowTextA(w, "x"); }, FALSE},
        {"GetWindowTextLengthA", [&] { return (LONG_PTR)::GetWindowTextLengthA(w); }, 0},
        {"GetWindowRect", [&] { return (LONG_PTR)::GetWindowRect(w, &rc); }, FALSE},
        {"GetClientRect", [&] { return (LONG_PTR)::GetClientRect(w, &rc); }, FALSE},
        {"SetWindowPos", [&] { return (LONG_PTR)::SetWindowPos(w, NULL, 0, 0, 5, 5, SWP_NOZORDER); }, FALSE},
        {"MoveWindow", [&] { return (LONG_PTR)::MoveWindow(w, 0, 0, 5, 5, TRUE); }, FALSE},
        {"BringWindowToTop", [&] { return (LONG_PTR)::BringWindowToTop(w); }, FALSE},
        {"ClientToScreen", [&] { return (LONG_PTR)::ClientToScreen(w, &pt); }, FALSE},
        {"ScreenToClient", [&] { return (LONG_PTR)::ScreenToClient(w, &pt); }, FALSE},
        {"MapWindowPoints", [&] { return (LONG_PTR)::MapWindowPoints(w, NULL, &pt, 1); }, 0},
        {"ChildWindowFromPoint", [&] { return (LONG_PTR)::ChildWindowFromPoint(w, pt); }, 0},
        {"SendMessageA", [&] { return (LONG_PTR)::SendMessageA(w, WM_GETTEXTLENGTH, 0, 0); }, 0},
        {"PostMessageA", [&] { return (LONG_PTR)::PostMessageA(w, WM_USER, 0, 0); }, FALSE},
        {"SetFocus", [&] { return (LONG_PTR)::SetFocus(w); }, 0},
        {"SetActiveWindow", [&] { return (LONG_PTR)::SetActiveWindow(w); }, 0},
        {"SetForegroundWindow", [&] { return (LONG_PTR)::SetForegroundWindow(w); }, FALSE},
        {"SetCapture", [&] { return (LONG_PTR)::SetCapture(w); }, 0},
        {"SetTimer", [&] { return (LONG_PTR)::SetTimer(w, 1, 10, NULL); }, 0},
        {"KillTimer", [&] { return (LONG_PTR)::KillTimer(w, 1); }, FALSE},
        {"InvalidateRect", [&] { return (LONG_PTR)::InvalidateRect(w, NULL, TRUE); }, FALSE},
        {"ValidateRect", [&] { return (LONG_PTR)::ValidateRect(w, NULL); }, FALSE},
        {"GetUpdateRect", [&] { return (LONG_PTR)::GetUpdateRect(w, &rc, FALSE); }, FALSE},
        {"UpdateWindow", [&] { return (LONG_PTR)::UpdateWindow(w); }, FALSE},
        {"RedrawWindow", [&] { return (LONG_PTR)::RedrawWindow(w, NULL, NULL, RDW_INVALIDATE); }, FALSE},
        {"BeginPaint", [&] {
             PAINTSTRUCT ps;
             return (LONG_PTR)::BeginPaint(w, &ps);
         }, 0},
        {"GetDC", [&] { return (LONG_PTR)::GetDC(w); }, 0},
        {"GetDCEx", [&] { return (LONG_PTR)::GetDCEx(w, NULL, 0); }, 0},
        {"GetWindowDC", [&] { return (LONG_PTR)::GetWindowDC(w); }, 0},
        {"ReleaseDC", [&] { return (LONG_PTR)::ReleaseDC(w, h.liveDc); }, 0},
        {"ScrollWindow", [&] { return (LONG_PTR)::ScrollWindow(w, 1, 1, NULL, NULL); }, FALSE},
        {"ScrollWindowEx", [&] { return (LONG_PTR)::ScrollWindowEx(w, 1, 1, NULL, NULL, NULL, NULL, 0); }, ERROR},
        {"SetScrollInfo", [&] { return (LONG_PTR)::SetScrollInfo(w, SB_VERT, &si, TRUE); }, 0},
        {"GetScrollInfo", [&] { return (LONG_PTR)::GetScrollInfo(w, SB_VERT, &si); }, FALSE},
        {"SetScrollPos", [&] { return (LONG_PTR)::SetScrollPos(w, SB_VERT, 3, TRUE); }, 0},
        {"GetScrollPos", [&] { return (LONG_PTR)::GetScrollPos(w, SB_VERT); }, 0},
        {"SetScrollRange", [&] { return (LONG_PTR)::SetScrollRange(w, SB_VERT, 0, 9, TRUE); }, FALSE},
        {"GetScrollRange", [&] {
             int a = 0, b = 0;
             return (LONG_PTR)::GetScrollRange(w, SB_VERT, &a, &b);
         }, FALSE},
        {"ShowScrollBar", [&] { return (LONG_PTR)::ShowScrollBar(w, SB_VERT, TRUE); }, FALSE},
        {"EnableScrollBar", [&] { return (LONG_PTR)::EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH); }, FALSE},
        {"CreateCaret", [&] { return (LONG_PTR)::CreateCaret(w, NULL, 1, 10); }, FALSE},
        {"OpenClipboard", [&] { return (LONG_PTR)::OpenClipboard(w); }, FALSE},
        {"TrackMouseEvent", [&] {
             TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, w, 0};
             return (LONG_PTR)::TrackMouseEvent(&tme);
         }, FALSE},
        {"LockWindowUpdate", [&] { return (LONG_PTR)::LockWindowUpdate(w); }, FALSE},
        {"CreateWindowExA with a dead parent", [&] {
             return (LONG_PTR)::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, w, NULL, NULL, NULL);
         }, 0},
    });
    EXPECT_EQ(::GetCapture(), (HWND)NULL);
    EXPECT_NE(::GetFocus(), w);
}

void DeadHandleTest::DrawingCalls(HDC d) {
    SCOPED_TRACE(::testing::Message() << "DC " << (void*)d);
    POINT pt = {0, 0};
    SIZE sz = {7, 7};
    RECT rc = {0, 0, 4, 4};
    TEXTMETRICA tm;
    char face[32];
    RunAll({
        {"DeleteDC", [&] { return (LONG_PTR)::DeleteDC(d); }, FALSE},
        {"SelectObject", [&] { return (LONG_PTR)::SelectObject(d, ::GetStockObject(BLACK_PEN)); }, 0},
        {"GetCurrentObject", [&] { return (LONG_PTR)::GetCurrentObject(d, OBJ_PEN); }, 0},
        {"CreateCompatibleDC", [&] { return (LONG_PTR)::CreateCompatibleDC(d); }, 0},
        {"CreateCompatibleBitmap", [&] { return (LONG_PTR)::CreateCompatibleBitmap(d, 4, 4); }, 0},
        {"SaveDC", [&] { return (LONG_PTR)::SaveDC(d); }, 0},
        {"RestoreDC", [&] { return (LONG_PTR)::RestoreDC(d, -1); }, FALSE},
        {"GetDeviceCaps", [&] { return (LONG_PTR)::GetDeviceCaps(d, HORZRES); }, 0},
        {"SetROP2", [&] { return (LONG_PTR)::SetROP2(d, R2_NOT); }, 0},
        {"GetROP2", [&] { return (LONG_PTR)::GetROP2(d); }, 0},
        {"SetBkMode", [&] { return (LONG_PTR)::SetBkMode(d, TRANSPARENT); }, 0},
        {"GetBkMode", [&] { return (LONG_PTR)::GetBkMode(d); }, 0},
        {"SetBkColor", [&] { return (LONG_PTR)::SetBkColor(d, 0); }, (LONG_PTR)CLR_INVALID},
        {"GetBkColor", [&] { return (LONG_PTR)::GetBkColor(d); }, (LONG_PTR)CLR_INVALID},
        {"SetTextColor", [&] { return (LONG_PTR)::SetTextColor(d, 0); }, (LONG_PTR)CLR_INVALID},
        {"GetTextColor", [&] { return (LONG_PTR)::GetTextColor(d); }, (LONG_PTR)CLR_INVALID},
        {"SetTextAlign", [&] { return (LONG_PTR)::SetTextAlign(d, TA_LEFT); }, (LONG_PTR)GDI_ERROR},
        {"GetTextAlign", [&] { return (LONG_PTR)::GetTextAlign(d); }, (LONG_PTR)GDI_ERROR},
        {"SetMapMode", [&] { return (LONG_PTR)::SetMapMode(d, MM_TEXT); }, 0},
        {"GetMapMode", [&] { return (LONG_PTR)::GetMapMode(d); }, 0},
        {"SetViewportOrgEx", [&] { return (LONG_PTR)::SetViewportOrgEx(d, 1, 1, &pt); }, FALSE},
        {"SetWindowOrgEx", [&] { return (LONG_PTR)::SetWindowOrgEx(d, 1, 1, &pt); }, FALSE},
        {"LPtoDP", [&] { return (LONG_PTR)::LPtoDP(d, &pt, 1); }, FALSE},
        {"DPtoLP", [&] { return (LONG_PTR)::DPtoLP(d, &pt, 1); }, FALSE},
        {"MoveToEx", [&] { return (LONG_PTR)::MoveToEx(d, 1, 1, NULL); }, FALSE},
        {"LineTo", [&] { return (LONG_PTR)::LineTo(d, 3, 3); }, FALSE},
        {"GetCurrentPositionEx", [&] { return (LONG_PTR)::GetCurrentPositionEx(d, &pt); }, FALSE},
        {"Polyline", [&] {
             POINT p2[2] = {{0, 0}, {2, 2}};
             return (LONG_PTR)::Polyline(d, p2, 2);
         }, FALSE},
        {"Rectangle", [&] { return (LONG_PTR)::Rectangle(d, 0, 0, 3, 3); }, FALSE},
        {"GetPixel", [&] { return (LONG_PTR)::GetPixel(d, 0, 0); }, (LONG_PTR)CLR_INVALID},
        {"SetPixel", [&] { return (LONG_PTR)::SetPixel(d, 0, 0, 0); }, (LONG_PTR)(COLORREF)-1},
        {"SetPixelV", [&] { return (LONG_PTR)::SetPixelV(d, 0, 0, 0); }, FALSE},
        {"PatBlt", [&] { return (LONG_PTR)::PatBlt(d, 0, 0, 2, 2, BLACKNESS); }, FALSE},
        {"BitBlt to", [&] { return (LONG_PTR)::BitBlt(d, 0, 0, 2, 2, h.liveDc, 0, 0, SRCCOPY); }, FALSE},
        {"BitBlt from", [&] { return (LONG_PTR)::BitBlt(h.liveDc, 0, 0, 2, 2, d, 0, 0, SRCCOPY); }, FALSE},
        {"StretchBlt", [&] { return (LONG_PTR)::StretchBlt(d, 0, 0, 2, 2, h.liveDc, 0, 0, 1, 1, SRCCOPY); }, FALSE},
        {"SelectClipRgn", [&] { return (LONG_PTR)::SelectClipRgn(d, NULL); }, ERROR},
        {"GetClipBox", [&] { return (LONG_PTR)::GetClipBox(d, &rc); }, ERROR},
        {"IntersectClipRect", [&] { return (LONG_PTR)::IntersectClipRect(d, 0, 0, 1, 1); }, ERROR},
        {"ExcludeClipRect", [&] { return (LONG_PTR)::ExcludeClipRect(d, 0, 0, 1, 1); }, ERROR},
        {"PtVisible", [&] { return (LONG_PTR)::PtVisible(d, 0, 0); }, -1},
        {"TextOutA", [&] { return (LONG_PTR)::TextOutA(d, 0, 0, "x", 1); }, FALSE},
        {"ExtTextOutA", [&] { return (LONG_PTR)::ExtTextOutA(d, 0, 0, 0, NULL, "x", 1, NULL); }, FALSE},
        {"GetTextExtentPoint32A", [&] { return (LONG_PTR)::GetTextExtentPoint32A(d, "x", 1, &sz); }, FALSE},
        {"GetTextMetricsA", [&] { return (LONG_PTR)::GetTextMetricsA(d, &tm); }, FALSE},
        {"GetTextFaceA", [&] { return (LONG_PTR)::GetTextFaceA(d, sizeof face, face); }, 0},
        {"DrawTextA", [&] { return (LONG_PTR)::DrawTextA(d, "x", 1, &rc, 0); }, 0},
        {"TabbedTextOutA", [&] { return (LONG_PTR)::TabbedTextOutA(d, 0, 0, "x", 1, 0, NULL, 0); }, 0},
        {"GetTabbedTextExtentA", [&] { return (LONG_PTR)::GetTabbedTextExtentA(d, "x", 1, 0, NULL); }, 0},
        {"FillRect", [&] { return (LONG_PTR)::FillRect(d, &rc, (HBRUSH)::GetStockObject(BLACK_BRUSH)); }, 0},
        {"FrameRect", [&] { return (LONG_PTR)::FrameRect(d, &rc, (HBRUSH)::GetStockObject(BLACK_BRUSH)); }, 0},
        {"InvertRect", [&] { return (LONG_PTR)::InvertRect(d, &rc); }, FALSE},
        {"DrawFocusRect", [&] { return (LONG_PTR)::DrawFocusRect(d, &rc); }, FALSE},
        {"DrawEdge", [&] { return (LONG_PTR)::DrawEdge(d, &rc, EDGE_RAISED, BF_RECT); }, FALSE},
        {"WindowFromDC", [&] { return (LONG_PTR)::WindowFromDC(d); }, 0},
        {"ReleaseDC of a deleted DC", [&] { return (LONG_PTR)::ReleaseDC(h.live, d); }, 0},
    });
}

TEST_F(DeadHandleTest, ObjectCallsRefuseDeletedObjects) {
    HDC d = h.liveDc;
    RECT rc = {0, 0, 4, 4};
    LOGPEN lp;
    BYTE bits[64];
    HRGN good = ::CreateRectRgn(0, 0, 2, 2);
    RunAll({
        {"DeleteObject(pen)", [&] { return (LONG_PTR)::DeleteObject(h.pen); }, FALSE},
        {"DeleteObject(brush)", [&] { return (LONG_PTR)::DeleteObject(h.brush); }, FALSE},
        {"DeleteObject(bitmap)", [&] { return (LONG_PTR)::DeleteObject(h.bitmap); }, FALSE},
        {"DeleteObject(region)", [&] { return (LONG_PTR)::DeleteObject(h.rgn); }, FALSE},
        {"DeleteObject(font)", [&] { return (LONG_PTR)::DeleteObject(h.font); }, FALSE},
        {"DeleteObject(NULL)", [&] { return (LONG_PTR)::DeleteObject(NULL); }, FALSE},
        {"GetObjectA(pen)", [&] { return (LONG_PTR)::GetObjectA(h.pen, sizeof lp, &lp); }, 0},
        {"GetObjectType(brush)", [&] { return (LONG_PTR)::GetObjectType(h.brush); }, 0},
        {"SelectObject(pen)", [&] { return (LONG_PTR)::SelectObject(d, h.pen); }, 0},
        {"SelectObject(brush)", [&] { return (LONG_PTR)::SelectObject(d, h.brush); }, 0},
        {"SelectObject(bitmap)", [&] { return (LONG_PTR)::SelectObject(d, h.bitmap); }, 0},
        {"SelectObject(font)", [&] { return (LONG_PTR)::SelectObject(d, h.font); }, 0},
        {"SelectObject(region)", [&] { return (LONG_PTR)::SelectObject(d, h.rgn); }, 0},
        {"the DC still draws with its own pen", [&] {
             return (LONG_PTR)(::GetCurrentObject(d, OBJ_PEN) == ::GetStockObject(BLACK_PEN));
         }, TRUE},
        {"FillRect(brush)", [&] { return (LONG_PTR)::FillRect(d, &rc, h.brush); }, 0},
        {"FrameRect(brush)", [&] { return (LONG_PTR)::FrameRect(d, &rc, h.brush); }, 0},
        {"GetBitmapBits", [&] { return (LONG_PTR)::GetBitmapBits(h.bitmap, sizeof bits, bits); }, 0},
        {"SetBitmapBits", [&] { return (LONG_PTR)::SetBitmapBits(h.bitmap, sizeof bits, bits); }, 0},
        {"CreatePatternBrush", [&] { return (LONG_PTR)::CreatePatternBrush(h.bitmap); }, 0},
        {"SetRectRgn", [&] { return (LONG_PTR)::SetRectRgn(h.rgn, 0, 0, 1, 1); }, FALSE},
        {"CombineRgn into", [&] { return (LONG_PTR)::CombineRgn(h.rgn, good, good, RGN_OR); }, ERROR},
        {"CombineRgn from", [&] { return (LONG_PTR)::CombineRgn(good, h.rgn, good, RGN_OR); }, ERROR},
        {"OffsetRgn", [&] { return (LONG_PTR)::OffsetRgn(h.rgn, 1, 1); }, ERROR},
        {"GetRgnBox", [&] { return (LONG_PTR)::GetRgnBox(h.rgn, &rc); }, 0},
        {"PtInRegion", [&] { return (LONG_PTR)::PtInRegion(h.rgn, 0, 0); }, FALSE},
        {"RectInRegion", [&] { return (LONG_PTR)::RectInRegion(h.rgn, &rc); }, FALSE},
        {"EqualRgn", [&] { return (LONG_PTR)::EqualRgn(h.rgn, good); }, ERROR},
        {"FillRgn", [&] { return (LONG_PTR)::FillRgn(d, h.rgn, (HBRUSH)::GetStockObject(BLACK_BRUSH)); }, FALSE},
        {"FillRgn(brush)", [&] { return (LONG_PTR)::FillRgn(d, good, h.brush); }, FALSE},
        {"PaintRgn", [&] { return (LONG_PTR)::PaintRgn(d, h.rgn); }, FALSE},
        {"InvertRgn", [&] { return (LONG_PTR)::InvertRgn(d, h.rgn); }, FALSE},
        {"FrameRgn", [&] { return (LONG_PTR)::FrameRgn(d, h.rgn, (HBRUSH)::GetStockObject(BLACK_BRUSH), 1, 1); },
         FALSE},
        {"SelectClipRgn(region)", [&] { return (LONG_PTR)::SelectClipRgn(d, h.rgn); }, ERROR},
        {"GetUpdateRgn", [&] { return (LONG_PTR)::GetUpdateRgn(h.live, h.rgn, FALSE); }, ERROR},
        {"DestroyIcon", [&] { return (LONG_PTR)::DestroyIcon(h.icon); }, FALSE},
        {"DestroyCursor", [&] { return (LONG_PTR)::DestroyCursor((HCURSOR)h.icon); }, FALSE},
        {"CopyIcon", [&] { return (LONG_PTR)::CopyIcon(h.icon); }, 0},
        {"GetIconInfo", [&] {
             ICONINFO ii;
             return (LONG_PTR)::GetIconInfo(h.icon, &ii);
         }, FALSE},
        {"DrawIcon", [&] { return (LONG_PTR)::DrawIcon(d, 0, 0, h.icon); }, FALSE},
        {"DrawIconEx", [&] { return (LONG_PTR)::DrawIconEx(d, 0, 0, h.icon, 16, 16, 0, NULL, DI_NORMAL); }, FALSE},
        {"ImageList_Destroy", [&] { return (LONG_PTR)ImageList_Destroy(h.images); }, FALSE},
        {"ImageList_GetImageCount", [&] { return (LONG_PTR)ImageList_GetImageCount(h.images); }, 0},
        {"ImageList_SetImageCount", [&] { return (LONG_PTR)ImageList_SetImageCount(h.images, 3); }, FALSE},
        {"ImageList_Add", [&] { return (LONG_PTR)ImageList_Add(h.images, NULL, NULL); }, -1},
        {"ImageList_ReplaceIcon", [&] { return (LONG_PTR)ImageList_ReplaceIcon(h.images, -1, NULL); }, -1},
        {"ImageList_Remove", [&] { return (LONG_PTR)ImageList_Remove(h.images, -1); }, FALSE},
        {"ImageList_SetBkColor", [&] { return (LONG_PTR)ImageList_SetBkColor(h.images, 0); }, (LONG_PTR)CLR_NONE},
        {"ImageList_GetBkColor", [&] { return (LONG_PTR)ImageList_GetBkColor(h.images); }, (LONG_PTR)CLR_NONE},
        {"ImageList_Draw", [&] { return (LONG_PTR)ImageList_Draw(h.images, 0, d, 0, 0, ILD_NORMAL); }, FALSE},
        {"ImageList_GetIconSize", [&] {
             int cx = 0, cy = 0;
             return (LONG_PTR)ImageList_GetIconSize(h.images, &cx, &cy);
         }, FALSE},
        {"ImageList_GetIcon", [&] { return (LONG_PTR)ImageList_GetIcon(h.images, 0, ILD_NORMAL); }, 0},
    });
    ::DeleteObject(good);
}

TEST_F(DeadHandleTest, NullPointersAreRefused) {
    HWND w = h.live;
    HDC d = h.liveDc;
    RunAll({
        {"GetClientRect", [&] { return (LONG_PTR)::GetClientRect(w, NULL); }, FALSE},
        {"GetWindowRect", [&] { return (LONG_PTR)::GetWindowRect(w, NULL); }, FALSE},
        {"ClientToScreen", [&] { return (LONG_PTR)::ClientToScreen(w, NULL); }, FALSE},
        {"ScreenToClient", [&] { return (LONG_PTR)::ScreenToClient(w, NULL); }, FALSE},
        {"GetCursorPos", [&] { return (LONG_PTR)::GetCursorPos(NULL); }, FALSE},
        {"GetWindowTextA", [&] { return (LONG_PTR)::GetWindowTextA(w, NULL, 10); }, 0},
        {"GetClassNameA", [&] { return (LONG_PTR)::GetClassNameA(w, NULL, 10); }, 0},
        {"BeginPaint", [&] { return (LONG_PTR)::BeginPaint(w, NULL); }, 0},
        {"GetScrollInfo", [&] { return (LONG_PTR)::GetScrollInfo(w, SB_VERT, NULL); }, FALSE},
        {"SetRect", [&] { return (LONG_PTR)::SetRect(NULL, 0, 0, 1, 1); }, FALSE},
        {"CopyRect", [&] {
             RECT r = {};
             return (LONG_PTR)::CopyRect(NULL, &r);
         }, FALSE},
        {"InflateRect", [&] { return (LONG_PTR)::InflateRect(NULL, 1, 1); }, FALSE},
        {"OffsetRect", [&] { return (LONG_PTR)::OffsetRect(NULL, 1, 1); }, FALSE},
        {"IntersectRect", [&] {
             RECT r = {0, 0, 2, 2};
             return (LONG_PTR)::IntersectRect(NULL, &r, &r);
         }, FALSE},
        {"UnionRect", [&] {
             RECT r = {0, 0, 2, 2};
             return (LONG_PTR)::UnionRect(NULL, &r, &r);
         }, FALSE},
        {"EqualRect", [&] { return (LONG_PTR)::EqualRect(NULL, NULL); }, FALSE},
        {"PtInRect", [&] { return (LONG_PTR)::PtInRect(NULL, POINT{0, 0}); }, FALSE},
        {"FillRect", [&] { return (LONG_PTR)::FillRect(d, NULL, (HBRUSH)::GetStockObject(BLACK_BRUSH)); }, 0},
        {"DrawTextA", [&] {
             RECT r = {0, 0, 50, 20};
             return (LONG_PTR)::DrawTextA(d, NULL, 3, &r, 0);
         }, 0},
        {"TextOutA", [&] { return (LONG_PTR)::TextOutA(d, 0, 0, NULL, 3); }, FALSE},
        {"GetTextExtentPoint32A", [&] { return (LONG_PTR)::GetTextExtentPoint32A(d, "ab", 2, NULL); }, FALSE},
        {"GetTextMetricsA", [&] { return (LONG_PTR)::GetTextMetricsA(d, NULL); }, FALSE},
        {"Polyline", [&] { return (LONG_PTR)::Polyline(d, NULL, 2); }, FALSE},
        {"GetObjectA into nothing of a pen", [&] {
             HPEN p = (HPEN)::GetStockObject(BLACK_PEN);
             return (LONG_PTR)(::GetObjectA(p, 0, NULL) == (int)sizeof(LOGPEN));
         }, TRUE},
        {"CreatePenIndirect", [&] { return (LONG_PTR)::CreatePenIndirect(NULL); }, 0},
        {"CreateBrushIndirect", [&] { return (LONG_PTR)::CreateBrushIndirect(NULL); }, 0},
        {"CreateFontIndirectA", [&] { return (LONG_PTR)::CreateFontIndirectA(NULL); }, 0},
        {"CreateRectRgnIndirect", [&] { return (LONG_PTR)::CreateRectRgnIndirect(NULL); }, 0},
        {"CreateBitmapIndirect", [&] { return (LONG_PTR)::CreateBitmapIndirect(NULL); }, 0},
        {"CreateIconIndirect", [&] { return (LONG_PTR)::CreateIconIndirect(NULL); }, 0},
        {"RegisterClassA", [&] { return (LONG_PTR)::RegisterClassA(NULL); }, 0},
        {"GetClassInfoA", [&] { return (LONG_PTR)::GetClassInfoA(NULL, "STATIC", NULL); }, FALSE},
        {"CreateWindowExA of no class", [&] {
             return (LONG_PTR)::CreateWindowExA(0, NULL, "", WS_OVERLAPPED, 0, 0, 5, 5, NULL, NULL, NULL, NULL);
         }, 0},
        {"CreateWindowExA of an unknown class", [&] {
             return (LONG_PTR)::CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 5, 5, NULL, NULL, NULL, NULL);
         }, 0},
        {"SendInput", [&] { return (LONG_PTR)::SendInput(1, NULL, sizeof(INPUT)); }, 0},
        {"GetKeyboardState", [&] { return (LONG_PTR)::GetKeyboardState(NULL); }, FALSE},
        {"TrackMouseEvent", [&] { return (LONG_PTR)::TrackMouseEvent(NULL); }, FALSE},
        {"SystemParametersInfoA", [&] { return (LONG_PTR)::SystemParametersInfoA(SPI_GETWORKAREA, 0, NULL, 0); },
         FALSE},
        {"ImageList_GetIconSize", [&] {
             HIMAGELIST il = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
             const BOOL r = ImageList_GetIconSize(il, NULL, NULL);
             ImageList_Destroy(il);
             return (LONG_PTR)r;
         }, FALSE},
        {"SetWindowsHookExA without a procedure", [&] {
             return (LONG_PTR)::SetWindowsHookExA(WH_CALLWNDPROC, NULL, NULL, 0);
         }, 0},
        {"UnhookWindowsHookEx of nothing", [&] { return (LONG_PTR)::UnhookWindowsHookEx(NULL); }, FALSE},
    });
}

// The framework wrappers over the same dead handles.
TEST_F(DeadHandleTest, FrameworkWrappersOverDeadHandles) {
    CWnd* pDead = CWnd::FromHandle(h.hwnd);
    CWnd none;  // never had a window
    CDC dc;
    CPen pen;
    CBrush brush;
    CBitmap bitmap;
    CRgn rgn;
    CFont font;
    CImageList images;
    CRect rc(1, 2, 3, 4);
    CString text = "unchanged";
    RunAll({
        {"CWnd::FromHandle(NULL)", [&] { return (LONG_PTR)CWnd::FromHandle(NULL); }, 0},
        {"CWnd::GetSafeHwnd of no window", [&] { return (LONG_PTR)none.GetSafeHwnd(); }, 0},
        {"CWnd::DestroyWindow of no window", [&] { return (LONG_PTR)none.DestroyWindow(); }, FALSE},
        {"CWnd::IsWindowVisible of a dead one", [&] { return (LONG_PTR)(pDead ? pDead->IsWindowVisible() : FALSE); },
         FALSE},
        {"CWnd::DestroyWindow of a dead one", [&] { return (LONG_PTR)(pDead ? pDead->DestroyWindow() : FALSE); },
         FALSE},
        {"CWnd::Attach(NULL)", [&] { return (LONG_PTR)none.Attach(NULL); }, FALSE},
        {"CWnd::Detach of no window", [&] { return (LONG_PTR)none.Detach(); }, 0},
        // Attaching only records the handle (as the framework always did);
        // every call through the wrapper then meets the platform's refusal.
        {"CDC::Attach(deleted)", [&] { return (LONG_PTR)dc.Attach(h.dc); }, TRUE},
        {"CDC::MoveTo/LineTo", [&] {
             dc.MoveTo(0, 0);
             return (LONG_PTR)dc.LineTo(3, 3);
         }, FALSE},
        {"CDC::GetPixel", [&] { return (LONG_PTR)dc.GetPixel(0, 0); }, (LONG_PTR)CLR_INVALID},
        {"CDC::SelectObject(deleted pen)", [&] { return (LONG_PTR)dc.SelectObject(CPen::FromHandle(h.pen)); }, 0},
        {"CDC::SelectStockObject", [&] { return (LONG_PTR)dc.SelectStockObject(BLACK_PEN); }, 0},
        {"CDC::FillSolidRect then GetPixel", [&] {
             dc.FillSolidRect(CRect(0, 0, 2, 2), 0xff);
             return (LONG_PTR)dc.GetPixel(0, 0);
         }, (LONG_PTR)CLR_INVALID},
        {"CDC::DrawText", [&] { return (LONG_PTR)dc.DrawText(CString("x"), &rc, 0); }, 0},
        {"CDC::Detach gives the handle back", [&] { return (LONG_PTR)(dc.Detach() == h.dc); }, TRUE},
        {"CDC::DeleteDC of none", [&] { return (LONG_PTR)dc.DeleteDC(); }, FALSE},
        {"CDC::FromHandle(NULL)", [&] { return (LONG_PTR)CDC::FromHandle(NULL); }, 0},
        {"CPen::Attach(deleted)", [&] { return (LONG_PTR)pen.Attach(h.pen); }, TRUE},
        {"CPen::GetLogPen", [&] {
             LOGPEN lp;
             return (LONG_PTR)pen.GetLogPen(&lp);
         }, FALSE},
        {"CPen::DeleteObject of a deleted pen", [&] { return (LONG_PTR)pen.DeleteObject(); }, FALSE},
        {"CPen::DeleteObject of none", [&] { return (LONG_PTR)pen.DeleteObject(); }, FALSE},
        {"CBrush::Attach(deleted)", [&] { return (LONG_PTR)brush.Attach(h.brush); }, TRUE},
        {"CBrush::DeleteObject of a deleted brush", [&] { return (LONG_PTR)brush.DeleteObject(); }, FALSE},
        {"CBitmap::Attach(deleted)", [&] { return (LONG_PTR)bitmap.Attach(h.bitmap); }, TRUE},
        {"CBitmap::GetBitmap", [&] {
             BITMAP bm;
             return (LONG_PTR)bitmap.GetBitmap(&bm);
         }, 0},
        {"CBitmap::DeleteObject of a deleted bitmap", [&] { return (LONG_PTR)bitmap.DeleteObject(); }, FALSE},
        {"CRgn::Attach(deleted)", [&] { return (LONG_PTR)rgn.Attach(h.rgn); }, TRUE},
        {"CRgn::PtInRegion", [&] { return (LONG_PTR)rgn.PtInRegion(0, 0); }, FALSE},
        {"CRgn::DeleteObject of a deleted region", [&] { return (LONG_PTR)rgn.DeleteObject(); }, FALSE},
        {"CFont::Attach(deleted)", [&] { return (LONG_PTR)font.Attach(h.font); }, TRUE},
        {"CFont::DeleteObject of a deleted font", [&] { return (LONG_PTR)font.DeleteObject(); }, FALSE},
        {"CImageList::Attach(destroyed)", [&] { return (LONG_PTR)images.Attach(h.images); }, FALSE},
        {"CImageList::GetSafeHandle", [&] { return (LONG_PTR)images.GetSafeHandle(); }, 0},
        {"CImageList::GetImageCount", [&] { return (LONG_PTR)images.GetImageCount(); }, 0},
        {"CImageList::DeleteImageList of none", [&] { return (LONG_PTR)images.DeleteImageList(); }, FALSE},
        {"CGdiObject::FromHandle(NULL)", [&] { return (LONG_PTR)CGdiObject::FromHandle(NULL); }, 0},
        // A dead handle has no kind: the typed wrappers still hand out only
        // objects of their own class (or none), never a plain one cast.
        {"CBrush::FromHandle after CGdiObject::FromHandle of a dead brush", [&] {
             CGdiObject* plain = CGdiObject::FromHandle(h.brush);
             CBrush* typed = CBrush::FromHandle(h.brush);
             return (LONG_PTR)(plain != NULL && (typed == NULL || typed->IsKindOf(RUNTIME_CLASS(CBrush))));
         }, TRUE},
        {"CFont::FromHandle of a dead font", [&] {
             CFont* typed = CFont::FromHandle(h.font);
             return (LONG_PTR)(typed != NULL && typed->IsKindOf(RUNTIME_CLASS(CFont)));
         }, TRUE},
        {"CRgn::FromHandle of a dead region", [&] {
             CRgn* typed = CRgn::FromHandle(h.rgn);
             return (LONG_PTR)(typed != NULL && typed->IsKindOf(RUNTIME_CLASS(CRgn)));
         }, TRUE},
    });
    EXPECT_EQ(pen.GetSafeHandle(), (HGDIOBJ)NULL);
    EXPECT_EQ(dc.GetSafeHdc(), (HDC)NULL);
}

}  // namespace
