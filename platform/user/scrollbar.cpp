// The standard scroll bars of a window (WS_VSCROLL / WS_HSCROLL): their
// state, their classic drawing in the non-client area, and the mouse on
// their arrows, shaft and thumb.
#include <algorithm>

#include "user/user_internal.h"
#include "user/user_state.h"

namespace vor::user {

namespace {

// The classic repeat of a held arrow: after 400 ms, then every 50 ms.
constexpr DWORD kRepeatDelay = 400;
constexpr DWORD kRepeatInterval = 50;

struct BarGeometry {
    RECT bar = {};  // window coordinates
    bool vertical = true;
    int arrow = 0;        // length of each arrow button
    int trackStart = 0;   // along the bar, window coordinates
    int trackLen = 0;
    int thumbStart = 0;
    int thumbLen = 0;
    bool hasThumb = false;
};

int PosRange(const ScrollBarState& sb)
{
    int span = sb.nMax - sb.nMin;
    if (sb.nPage > 0)
        span -= (int)sb.nPage - 1;
    return std::max(span, 0);
}

int MaxPos(const ScrollBarState& sb)
{
    return sb.nMin + PosRange(sb);
}

bool BarEnabled(const Window* w, const ScrollBarState& sb)
{
    return !(w->style & WS_DISABLED) && sb.arrows != ESB_DISABLE_BOTH && sb.nMax > sb.nMin;
}

BarGeometry Geometry(Window* w, int bar)
{
    BarGeometry g;
    NonClientLayout l = LayoutNonClient(w);
    g.vertical = bar == SB_VERT;
    g.bar = g.vertical ? l.vscroll : l.hscroll;
    const ScrollBarState& sb = *BarState(w, bar);
    int len = g.vertical ? g.bar.bottom - g.bar.top : g.bar.right - g.bar.left;
    int start = g.vertical ? g.bar.top : g.bar.left;
    int arrow = GetSystemMetrics(g.vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    if (len < 2 * arrow)
        arrow = len / 2;
    g.arrow = arrow;
    g.trackStart = start + arrow;
    g.trackLen = std::max(len - 2 * arrow, 0);
    int minThumb = GetSystemMetrics(g.vertical ? SM_CYVTHUMB : SM_CXHTHUMB) / 2;
    if (!BarEnabled(w, sb) || g.trackLen < minThumb)
        return g;
    int total = sb.nMax - sb.nMin + 1;
    int thumb = sb.nPage ? (int)((long long)g.trackLen * sb.nPage / total)
                         : GetSystemMetrics(g.vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    thumb = std::max(thumb, minThumb);
    thumb = std::min(thumb, g.trackLen);
    int range = PosRange(sb);
    int free = g.trackLen - thumb;
    int pos = sb.nPos - sb.nMin;
    g.thumbLen = thumb;
    g.thumbStart = g.trackStart + (range > 0 ? (int)((long long)free * pos / range) : 0);
    g.hasThumb = true;
    return g;
}

RECT Along(const BarGeometry& g, int a, int b)
{
    if (g.vertical)
        return RECT{g.bar.left, a, g.bar.right, b};
    return RECT{a, g.bar.top, b, g.bar.bottom};
}

void DrawArrow(HDC hdc, RECT r, int dir, bool enabled)
{
    // dir: 0 up, 1 down, 2 left, 3 right.
    FillRect(hdc, &r, GetSysColorBrush(COLOR_BTNFACE));
    RECT e = r;
    DrawEdge(hdc, &e, EDGE_RAISED, BF_RECT);
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    int size = std::max(1, std::min(r.right - r.left, r.bottom - r.top) / 4);
    COLORREF c = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (int i = 0; i < size; ++i) {
        int half = i;
        for (int k = -half; k <= half; ++k) {
            int x, y;
            switch (dir) {
            case 0: x = cx + k; y = cy - size / 2 + i; break;
            case 1: x = cx + k; y = cy + size / 2 - i; break;
            case 2: x = cx - size / 2 + i; y = cy + k; break;
            default: x = cx + size / 2 - i; y = cy + k; break;
            }
            SetPixel(hdc, x, y, c);
        }
    }
}

void DrawShaft(HDC hdc, RECT r)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    // The classic shaft: a checkerboard of button highlight and face.
    COLORREF a = GetSysColor(COLOR_BTNHIGHLIGHT), b = GetSysColor(COLOR_BTNFACE);
    FillRect(hdc, &r, GetSysColorBrush(COLOR_BTNFACE));
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left + ((y + r.left) & 1); x < r.right; x += 2)
            SetPixel(hdc, x, y, a);
    (void)b;
}

void DrawBar(Window* w, HDC hdc, int bar)
{
    BarGeometry g = Geometry(w, bar);
    if (g.bar.right <= g.bar.left || g.bar.bottom <= g.bar.top)
        return;
    const ScrollBarState& sb = *BarState(w, bar);
    bool enabled = BarEnabled(w, sb);
    int start = g.vertical ? g.bar.top : g.bar.left;
    int end = g.vertical ? g.bar.bottom : g.bar.right;
    DrawArrow(hdc, Along(g, start, start + g.arrow), g.vertical ? 0 : 2, enabled && !(sb.arrows & ESB_DISABLE_UP));
    DrawArrow(hdc, Along(g, end - g.arrow, end), g.vertical ? 1 : 3, enabled && !(sb.arrows & ESB_DISABLE_DOWN));
    if (g.hasThumb) {
        DrawShaft(hdc, Along(g, g.trackStart, g.thumbStart));
        DrawShaft(hdc, Along(g, g.thumbStart + g.thumbLen, g.trackStart + g.trackLen));
        RECT t = Along(g, g.thumbStart, g.thumbStart + g.thumbLen);
        FillRect(hdc, &t, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(hdc, &t, EDGE_RAISED, BF_RECT);
    } else {
        DrawShaft(hdc, Along(g, g.trackStart, g.trackStart + g.trackLen));
    }
}

void Notify(Window* w, int bar, int code, int pos)
{
    SendMessageA(w->hwnd, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, (WORD)pos), 0);
}

int TrackPosFor(Window* w, int bar, int mouseAlong)
{
    BarGeometry g = Geometry(w, bar);
    ScrollBarState& sb = *BarState(w, bar);
    int free = g.trackLen - g.thumbLen;
    int range = PosRange(sb);
    if (free <= 0 || range <= 0)
        return sb.nMin;
    int offset = mouseAlong - S().scrollTrack.grabOffset - g.trackStart;
    offset = std::clamp(offset, 0, free);
    return sb.nMin + (int)(((long long)offset * range + free / 2) / free);
}

}  // namespace

ScrollBarState* BarState(Window* w, int bar)
{
    if (w->barSync && (bar == SB_VERT || bar == SB_HORZ))
        w->barSync(w->hwnd);
    if (bar == SB_VERT)
        return &w->vscroll;
    if (bar == SB_HORZ)
        return &w->hscroll;
    return nullptr;
}

void DrawScrollBars(Window* w, HDC hdc)
{
    if (w->style & WS_VSCROLL)
        DrawBar(w, hdc, SB_VERT);
    if (w->style & WS_HSCROLL)
        DrawBar(w, hdc, SB_HORZ);
    NonClientLayout l = LayoutNonClient(w);
    if (l.sizeBox.right > l.sizeBox.left)
        FillRect(hdc, &l.sizeBox, GetSysColorBrush(COLOR_BTNFACE));
}

void RedrawScrollBar(Window* w, int bar)
{
    if (!IsReallyVisible(w))
        return;
    HDC hdc = GetDCEx(w->hwnd, nullptr, DCX_WINDOW | DCX_CACHE);
    if (!hdc)
        return;
    if (bar == SB_VERT && (w->style & WS_VSCROLL))
        DrawBar(w, hdc, SB_VERT);
    if (bar == SB_HORZ && (w->style & WS_HSCROLL))
        DrawBar(w, hdc, SB_HORZ);
    ReleaseDC(w->hwnd, hdc);
}

// Which part of a bar a window point is on: SB_LINEUP, SB_LINEDOWN,
// SB_PAGEUP, SB_PAGEDOWN, SB_THUMBTRACK, or -1.
int ScrollHitPart(Window* w, int bar, POINT p, int* thumbStart)
{
    BarGeometry g = Geometry(w, bar);
    if (p.x < g.bar.left || p.x >= g.bar.right || p.y < g.bar.top || p.y >= g.bar.bottom)
        return -1;
    int a = g.vertical ? p.y : p.x;
    int start = g.vertical ? g.bar.top : g.bar.left;
    int end = g.vertical ? g.bar.bottom : g.bar.right;
    if (thumbStart)
        *thumbStart = g.thumbStart;
    if (a < start + g.arrow)
        return SB_LINEUP;
    if (a >= end - g.arrow)
        return SB_LINEDOWN;
    if (!g.hasThumb)
        return -1;
    if (a < g.thumbStart)
        return SB_PAGEUP;
    if (a >= g.thumbStart + g.thumbLen)
        return SB_PAGEDOWN;
    return SB_THUMBTRACK;
}

void StartScrollTracking(Window* w, int bar, POINT screen)
{
    State& s = S();
    ScrollBarState& sb = *BarState(w, bar);
    if (!BarEnabled(w, sb))
        return;
    RECT wr = WindowRectScreen(w);
    POINT p = {screen.x - wr.left, screen.y - wr.top};
    int thumbStart = 0;
    int part = ScrollHitPart(w, bar, p, &thumbStart);
    if (part < 0)
        return;
    if ((part == SB_LINEUP && (sb.arrows & ESB_DISABLE_UP)) || (part == SB_LINEDOWN && (sb.arrows & ESB_DISABLE_DOWN)))
        return;
    s.scrollTrack.active = true;
    s.scrollTrack.hwnd = w->hwnd;
    s.scrollTrack.bar = bar;
    s.scrollTrack.part = part;
    s.scrollTrack.grabOffset = (bar == SB_VERT ? p.y : p.x) - thumbStart;
    sb.nTrackPos = sb.nPos;
    HWND h = w->hwnd;
    s.scrollTrack.cursor = screen;
    s.scrollTrack.nextRepeat = Now() + kRepeatDelay;
    s.scrollTrack.prevCapture = SetCapture(h);
    if (part != SB_THUMBTRACK)
        Notify(w, bar, part, 0);
}

void CheckScrollRepeat()
{
    State& s = S();
    ScrollTrack& t = s.scrollTrack;
    if (!t.active || t.part == SB_THUMBTRACK || (LONG)(Now() - t.nextRepeat) < 0)
        return;
    Window* w = Find(t.hwnd);
    if (!w)
        return;
    t.nextRepeat = Now() + kRepeatInterval;
    // Only while the cursor is still on the part pressed.
    RECT wr = WindowRectScreen(w);
    POINT p = {t.cursor.x - wr.left, t.cursor.y - wr.top};
    if (ScrollHitPart(w, t.bar, p, nullptr) == t.part)
        Notify(w, t.bar, t.part, 0);
}

// Mouse input while a scroll bar is being pressed goes to the bar.
bool ScrollTrackingMouse(const InputEvent& e)
{
    State& s = S();
    if (!s.scrollTrack.active)
        return false;
    Window* w = Find(s.scrollTrack.hwnd);
    if (!w) {
        s.scrollTrack = ScrollTrack();
        return false;
    }
    WindowPin keep(w);
    int bar = s.scrollTrack.bar;
    ScrollBarState& sb = *BarState(w, bar);
    RECT wr = WindowRectScreen(w);
    int along = bar == SB_VERT ? e.pt.y - wr.top : e.pt.x - wr.left;
    if (e.button == WM_MOUSEMOVE) {
        s.scrollTrack.cursor = e.pt;
        if (s.scrollTrack.part == SB_THUMBTRACK) {
            int pos = TrackPosFor(w, bar, along);
            if (pos != sb.nTrackPos) {
                sb.nTrackPos = pos;
                Notify(w, bar, SB_THUMBTRACK, pos);
            }
        }
        return true;
    }
    if (e.button == WM_LBUTTONUP) {
        int part = s.scrollTrack.part;
        s.scrollTrack.active = false;
        HWND h = w->hwnd;
        if (S().capture == h)
            ReleaseCapture();
        if (Window* ww = Find(h)) {
            if (part == SB_THUMBTRACK)
                Notify(ww, bar, SB_THUMBPOSITION, BarState(ww, bar)->nTrackPos);
            if (Find(h))
                Notify(ww, bar, SB_ENDSCROLL, 0);
        }
        s.scrollTrack = ScrollTrack();
        return true;
    }
    // Other buttons are ignored while a bar is pressed.
    return true;
}

void SetScrollBarSync(HWND hwnd, ScrollBarSync sync)
{
    if (Window* w = Check(hwnd))
        w->barSync = sync;
}

bool ScrollBarShownFor(int nMin, int nMax, UINT nPage)
{
    // As SetScrollInfo stores them: the range never reversed, the page
    // never beyond the range.
    if (nMax < nMin)
        nMax = nMin;
    UINT span = (UINT)((long long)nMax - nMin + 1);
    if (nPage > span)
        nPage = span;
    return nPage ? (long long)nPage <= (long long)nMax - nMin : nMax > nMin;
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

namespace {

// Shows or hides a standard bar as its range asks, as Windows does.
void AutoShow(Window* w, int bar, bool disableNoScroll)
{
    ScrollBarState& sb = *BarState(w, bar);
    bool needed = ScrollBarShownFor(sb.nMin, sb.nMax, sb.nPage);
    DWORD flag = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
    bool shown = (w->style & flag) != 0;
    if (disableNoScroll) {
        if (!shown)
            ShowScrollBar(w->hwnd, bar, TRUE);
        return;
    }
    if (needed != shown)
        ShowScrollBar(w->hwnd, bar, needed);
}

}  // namespace

extern "C" {

VORAPI int WINAPI SetScrollInfo(HWND hWnd, int nBar, LPCSCROLLINFO si, BOOL redraw)
{
    Window* w = Check(hWnd);
    if (!w || !si || (si->cbSize != sizeof(SCROLLINFO) && si->cbSize != sizeof(SCROLLINFO) - sizeof(int))) {
        if (w)
            SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (nBar == SB_CTL)
        return (int)SendMessageA(hWnd, SBM_SETSCROLLINFO, redraw, (LPARAM)si);
    ScrollBarState* sb = BarState(w, nBar);
    if (!sb) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (si->fMask & SIF_RANGE) {
        sb->nMin = si->nMin;
        sb->nMax = si->nMax < si->nMin ? si->nMin : si->nMax;
    }
    if (si->fMask & SIF_PAGE)
        sb->nPage = si->nPage;
    // The page never exceeds the range.
    UINT span = (UINT)((long long)sb->nMax - sb->nMin + 1);
    if (sb->nPage > span)
        sb->nPage = span;
    if (si->fMask & SIF_POS)
        sb->nPos = si->nPos;
    sb->nPos = std::clamp(sb->nPos, sb->nMin, MaxPos(*sb));
    if (si->fMask & (SIF_RANGE | SIF_PAGE))
        AutoShow(w, nBar, (si->fMask & SIF_DISABLENOSCROLL) != 0);
    if (redraw && Find(hWnd))
        RedrawScrollBar(w, nBar);
    return sb->nPos;
}

VORAPI BOOL WINAPI GetScrollInfo(HWND hWnd, int nBar, LPSCROLLINFO si)
{
    Window* w = Check(hWnd);
    if (!w || !si || (si->cbSize != sizeof(SCROLLINFO) && si->cbSize != sizeof(SCROLLINFO) - sizeof(int)))
        return FALSE;
    if (nBar == SB_CTL)
        return (BOOL)SendMessageA(hWnd, SBM_GETSCROLLINFO, 0, (LPARAM)si);
    ScrollBarState* sb = BarState(w, nBar);
    if (!sb)
        return FALSE;
    if (si->fMask & SIF_RANGE) {
        si->nMin = sb->nMin;
        si->nMax = sb->nMax;
    }
    if (si->fMask & SIF_PAGE)
        si->nPage = sb->nPage;
    if (si->fMask & SIF_POS)
        si->nPos = sb->nPos;
    if ((si->fMask & SIF_TRACKPOS) && si->cbSize == sizeof(SCROLLINFO)) {
        State& s = S();
        bool tracking = s.scrollTrack.active && s.scrollTrack.hwnd == hWnd && s.scrollTrack.bar == nBar;
        si->nTrackPos = tracking ? sb->nTrackPos : sb->nPos;
    }
    return TRUE;
}

VORAPI int WINAPI SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL redraw)
{
    Window* w = Check(hWnd);
    if (!w)
        return 0;
    ScrollBarState* sb = BarState(w, nBar);
    if (!sb) {
        if (nBar == SB_CTL)
            return (int)SendMessageA(hWnd, SBM_SETPOS, nPos, redraw);
        return 0;
    }
    int old = sb->nPos;
    SCROLLINFO si = {sizeof(si), SIF_POS, 0, 0, 0, nPos, 0};
    SetScrollInfo(hWnd, nBar, &si, redraw);
    return old;
}

VORAPI int WINAPI GetScrollPos(HWND hWnd, int nBar)
{
    Window* w = Check(hWnd);
    if (!w)
        return 0;
    if (nBar == SB_CTL)
        return (int)SendMessageA(hWnd, SBM_GETPOS, 0, 0);
    ScrollBarState* sb = BarState(w, nBar);
    return sb ? sb->nPos : 0;
}

VORAPI BOOL WINAPI SetScrollRange(HWND hWnd, int nBar, int nMin, int nMax, BOOL redraw)
{
    Window* w = Check(hWnd);
    if (!w)
        return FALSE;
    if (nBar == SB_CTL)
        return (BOOL)SendMessageA(hWnd, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, nMin, nMax);
    if (!BarState(w, nBar))
        return FALSE;
    SCROLLINFO si = {sizeof(si), SIF_RANGE, nMin, nMax, 0, 0, 0};
    SetScrollInfo(hWnd, nBar, &si, redraw);
    return TRUE;
}

VORAPI BOOL WINAPI GetScrollRange(HWND hWnd, int nBar, LPINT lpMin, LPINT lpMax)
{
    Window* w = Check(hWnd);
    if (!w || !lpMin || !lpMax)
        return FALSE;
    if (nBar == SB_CTL) {
        SendMessageA(hWnd, SBM_GETRANGE, (WPARAM)lpMin, (LPARAM)lpMax);
        return TRUE;
    }
    ScrollBarState* sb = BarState(w, nBar);
    if (!sb)
        return FALSE;
    bool shown = (w->style & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
    *lpMin = shown ? sb->nMin : 0;
    *lpMax = shown ? sb->nMax : 0;
    return TRUE;
}

VORAPI BOOL WINAPI ShowScrollBar(HWND hWnd, int wBar, BOOL bShow)
{
    Window* w = Check(hWnd);
    if (!w)
        return FALSE;
    DWORD flags = 0;
    if (wBar == SB_VERT || wBar == SB_BOTH)
        flags |= WS_VSCROLL;
    if (wBar == SB_HORZ || wBar == SB_BOTH)
        flags |= WS_HSCROLL;
    if (wBar == SB_CTL)
        return ShowWindow(hWnd, bShow ? SW_SHOW : SW_HIDE), TRUE;
    // Held-back values go out while the bars are still as they were.
    if (w->barSync)
        w->barSync(hWnd);
    DWORD old = w->style;
    if (bShow)
        w->style |= flags;
    else
        w->style &= ~flags;
    if (w->style != old)
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

VORAPI BOOL WINAPI EnableScrollBar(HWND hWnd, UINT wSB, UINT arrows)
{
    Window* w = Check(hWnd);
    if (!w)
        return FALSE;
    bool changed = false;
    for (int bar : {SB_VERT, SB_HORZ}) {
        if (!(wSB == (UINT)bar || wSB == SB_BOTH))
            continue;
        ScrollBarState* sb = BarState(w, bar);
        if (sb->arrows != arrows) {
            sb->arrows = arrows;
            changed = true;
            RedrawScrollBar(w, bar);
        }
    }
    if (wSB == SB_CTL)
        return (BOOL)SendMessageA(hWnd, SBM_ENABLE_ARROWS, arrows, 0);
    return changed;
}

}  // extern "C"
