// DefWindowProc: the default answers to messages, the non-client area
// (frame, caption, edges, scroll bars) and its hit testing.
#include <cstring>

#include "user/user_state.h"

namespace vor::user {

namespace {

LRESULT HitTest(Window* w, POINT screen)
{
    RECT wr = WindowRectScreen(w);
    if (!PtIn(wr, screen))
        return HTNOWHERE;
    RECT cr = ClientRectScreen(w);
    if (PtIn(cr, screen))
        return HTCLIENT;
    POINT p = {screen.x - wr.left, screen.y - wr.top};
    NonClientLayout l = LayoutNonClient(w);
    if (!PtIn(l.frameInner, p)) {
        if (!(w->style & WS_THICKFRAME))
            return HTBORDER;
        int W = wr.right - wr.left, H = wr.bottom - wr.top;
        int corner = GetSystemMetrics(SM_CXSIZE);
        bool left = p.x < l.frame, right = p.x >= W - l.frame, top = p.y < l.frame, bottom = p.y >= H - l.frame;
        if (top)
            return p.x < corner ? HTTOPLEFT : p.x >= W - corner ? HTTOPRIGHT : HTTOP;
        if (bottom)
            return p.x < corner ? HTBOTTOMLEFT : p.x >= W - corner ? HTBOTTOMRIGHT : HTBOTTOM;
        if (left)
            return p.y < corner ? HTTOPLEFT : p.y >= H - corner ? HTBOTTOMLEFT : HTLEFT;
        if (right)
            return p.y < corner ? HTTOPRIGHT : p.y >= H - corner ? HTBOTTOMRIGHT : HTRIGHT;
        return HTBORDER;
    }
    if (PtIn(l.caption, p) || (l.caption.bottom > l.caption.top && p.y == l.caption.bottom)) {
        if (PtIn(l.close, p))
            return HTCLOSE;
        return HTCAPTION;
    }
    if (PtIn(l.vscroll, p))
        return HTVSCROLL;
    if (PtIn(l.hscroll, p))
        return HTHSCROLL;
    if (PtIn(l.sizeBox, p))
        return (w->style & WS_THICKFRAME) ? HTBOTTOMRIGHT : HTNOWHERE;
    return HTBORDER;
}

HBRUSH CtlColor(Window* w, UINT msg, HDC hdc)
{
    switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    case WM_CTLCOLORSCROLLBAR:
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_SCROLLBAR));
        return GetSysColorBrush(COLOR_SCROLLBAR);
    default:
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
}

LPCSTR CursorForHit(int hit)
{
    switch (hit) {
    case HTLEFT: case HTRIGHT: return IDC_SIZEWE;
    case HTTOP: case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT: case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTTOPRIGHT: case HTBOTTOMLEFT: return IDC_SIZENESW;
    }
    return IDC_ARROW;
}

void DrawCaption(Window* w, HDC hdc, const NonClientLayout& l)
{
    if (l.caption.bottom <= l.caption.top)
        return;
    bool active = w->active;
    RECT cap = l.caption;
    FillRect(hdc, &cap, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    // The line between the caption and the rest of the window.
    RECT line = {cap.left, cap.bottom, cap.right, cap.bottom + 1};
    FillRect(hdc, &line, GetSysColorBrush(COLOR_BTNFACE));
    if (l.close.right > l.close.left) {
        RECT b = l.close;
        FillRect(hdc, &b, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(hdc, &b, EDGE_RAISED, BF_RECT);
        // The cross: two diagonals in the button text colour.
        HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
        HGDIOBJ old = SelectObject(hdc, pen);
        int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2, r = (b.bottom - b.top) / 2 - 3;
        for (int d = 0; d < 2; ++d) {
            MoveToEx(hdc, cx - r + d, cy - r, nullptr);
            LineTo(hdc, cx + r + 1 + d, cy + r + 1);
            MoveToEx(hdc, cx + r + d, cy - r, nullptr);
            LineTo(hdc, cx - r - 1 + d, cy + r + 1);
        }
        SelectObject(hdc, old);
        DeleteObject(pen);
        cap.right = b.left - 2;
    }
    if (!w->text.empty()) {
        RECT t = cap;
        t.left += 4;
        int oldMode = SetBkMode(hdc, TRANSPARENT);
        COLORREF oldColor =
            SetTextColor(hdc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        HGDIOBJ oldFont = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
        DrawTextA(hdc, w->text.c_str(), -1, &t, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(hdc, oldFont);
        SetTextColor(hdc, oldColor);
        SetBkMode(hdc, oldMode);
    }
}

}  // namespace

void DrawNonClient(Window* w, HDC hdc)
{
    NonClientLayout l = LayoutNonClient(w);
    RECT r = {0, 0, w->rcWindow.right - w->rcWindow.left, w->rcWindow.bottom - w->rcWindow.top};
    if (w->style & (WS_THICKFRAME | WS_DLGFRAME) || (w->exStyle & WS_EX_DLGMODALFRAME)) {
        RECT e = r;
        DrawEdge(hdc, &e, EDGE_RAISED, BF_RECT | BF_ADJUST);
        // What is left of the frame inside the raised edge is button face.
        for (int i = 2; i < l.frame; ++i) {
            FrameRect(hdc, &e, GetSysColorBrush(COLOR_BTNFACE));
            InflateRect(&e, -1, -1);
        }
    } else if (w->style & WS_BORDER) {
        FrameRect(hdc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
    DrawCaption(w, hdc, l);
    RECT inner = l.clientEdge;
    if (w->exStyle & WS_EX_CLIENTEDGE) {
        RECT e = inner;
        InflateRect(&e, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
        if (w->exStyle & WS_EX_STATICEDGE)
            InflateRect(&e, 1, 1);
        DrawEdge(hdc, &e, EDGE_SUNKEN, BF_RECT);
    }
    if (w->exStyle & WS_EX_STATICEDGE) {
        RECT e = inner;
        InflateRect(&e, 1, 1);
        DrawEdge(hdc, &e, BDR_SUNKENOUTER, BF_RECT);
    }
    DrawScrollBars(w, hdc);
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    State& s = S();
    Window* w = Find(hWnd);
    if (!w) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    WindowPin keep(w);
    switch (msg) {
    case WM_NCCREATE: {
        const CREATESTRUCTA* cs = (const CREATESTRUCTA*)lp;
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            w->text = cs->lpszName;
        if (w->style & (WS_VSCROLL | WS_HSCROLL)) {
            w->vscroll = ScrollBarState();
            w->hscroll = ScrollBarState();
        }
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        if (wp) {
            NCCALCSIZE_PARAMS* p = (NCCALCSIZE_PARAMS*)lp;
            if (p)
                p->rgrc[0] = DefaultClientRect(w->style, w->exStyle, p->rgrc[0]);
        } else if (lp) {
            RECT* r = (RECT*)lp;
            *r = DefaultClientRect(w->style, w->exStyle, *r);
        }
        return 0;
    }
    case WM_NCHITTEST:
        return HitTest(w, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    case WM_NCPAINT: {
        if (IsDesktop(w))
            return 0;
        HDC hdc = GetDCEx(hWnd, nullptr, DCX_WINDOW | DCX_CACHE);
        if (hdc) {
            // The client area is left alone.
            RECT c = ClientRectInWindow(w);
            ExcludeClipRect(hdc, c.left, c.top, c.right, c.bottom);
            DrawNonClient(w, hdc);
            ReleaseDC(hWnd, hdc);
        }
        return 0;
    }
    case WM_NCACTIVATE:
        w->active = wp != 0;
        if ((w->style & WS_CAPTION) == WS_CAPTION)
            RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && !HIWORD(wp)) {
            if (!s.focus || (s.focus != hWnd && !IsChild(hWnd, s.focus)))
                SetFocus(hWnd);
        }
        return 0;
    case WM_MOUSEACTIVATE:
        if ((w->style & WS_CHILD) && w->parent && !IsDesktop(w->parent)) {
            LRESULT r = SendMessageA(w->parent->hwnd, WM_MOUSEACTIVATE, wp, lp);
            if (r)
                return r;
        }
        return MA_ACTIVATE;
    case WM_SETCURSOR: {
        if ((w->style & WS_CHILD) && w->parent && !IsDesktop(w->parent)) {
            if (SendMessageA(w->parent->hwnd, WM_SETCURSOR, wp, lp))
                return TRUE;
        }
        int hit = (int)(SHORT)LOWORD(lp);
        if (hit == HTCLIENT) {
            if (w->cls->hCursor) {
                SetCursor(w->cls->hCursor);
                return TRUE;
            }
            return FALSE;
        }
        if (hit == HTERROR)
            return FALSE;
        SetCursor(LoadCursorA(nullptr, CursorForHit(hit)));
        return TRUE;
    }
    case WM_ERASEBKGND: {
        HBRUSH br = w->cls->hbrBackground;
        if (!br)
            return 0;
        RECT rc;
        GetClipBox((HDC)wp, &rc);
        FillRect((HDC)wp, &rc, br);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(hWnd, &ps))
            EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_SETTEXT:
        w->text = (lp && !IS_INTRESOURCE((LPCSTR)lp)) ? (LPCSTR)lp : "";
        if ((w->style & WS_CAPTION) == WS_CAPTION)
            RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
        return TRUE;
    case WM_GETTEXT: {
        LPSTR buf = (LPSTR)lp;
        int n = (int)wp;
        if (!buf || n <= 0)
            return 0;
        int len = (int)w->text.size();
        if (len > n - 1)
            len = n - 1;
        memcpy(buf, w->text.data(), len);
        buf[len] = 0;
        return len;
    }
    case WM_GETTEXTLENGTH:
        return (LRESULT)w->text.size();
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const WINDOWPOS* p = (const WINDOWPOS*)lp;
        if (!p)
            return 0;
        if (!(p->flags & kNoClientMove))
            SendMessageA(hWnd, WM_MOVE, 0, MAKELPARAM((WORD)(SHORT)w->rcClient.left, (WORD)(SHORT)w->rcClient.top));
        if (!(p->flags & kNoClientSize) && Find(hWnd))
            SendMessageA(hWnd, WM_SIZE,
                         (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED : SIZE_RESTORED,
                         MAKELPARAM(w->rcClient.right - w->rcClient.left, w->rcClient.bottom - w->rcClient.top));
        return 0;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return (LRESULT)CtlColor(w, msg, (HDC)wp);
    case WM_NCLBUTTONDOWN: {
        int hit = (int)wp;
        if (hit == HTVSCROLL || hit == HTHSCROLL) {
            StartScrollTracking(w, hit == HTVSCROLL ? SB_VERT : SB_HORZ, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        }
        if (hit == HTCLOSE) {
            // The close box acts on the press (there is no modal tracking).
            PostMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, lp);
            return 0;
        }
        return 0;
    }
    case WM_NCLBUTTONDBLCLK:
        if (wp == HTVSCROLL || wp == HTHSCROLL)
            return DefWindowProcA(hWnd, WM_NCLBUTTONDOWN, wp, lp);
        return 0;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_CLOSE)
            SendMessageA(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSKEYDOWN:
        // Alt+F4 closes the top-level window that the key's window belongs
        // to, whichever of its children has the focus.
        if (wp == VK_F4 && (lp & (1 << 29))) {
            Window* top = TopLevelOf(w);
            if (top && !(top->style & WS_DISABLED))
                PostMessageA(top->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_RBUTTONUP: {
        POINT p = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(hWnd, &p);
        SendMessageA(hWnd, WM_CONTEXTMENU, (WPARAM)hWnd, MAKELPARAM((WORD)(SHORT)p.x, (WORD)(SHORT)p.y));
        return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        // Passed up to the parent, as DefWindowProc does.
        if ((w->style & WS_CHILD) && w->parent && !IsDesktop(w->parent))
            return SendMessageA(w->parent->hwnd, msg, wp, lp);
        return 0;
    case WM_CANCELMODE:
        if (s.capture == hWnd)
            ReleaseCapture();
        return 0;
    case WM_SETREDRAW:
        // Only the visible bit changes: nothing is hidden or invalidated; the
        // caller invalidates when it turns redrawing back on.
        if (wp)
            w->style |= WS_VISIBLE;
        else
            w->style &= ~WS_VISIBLE;
        return 0;
    case WM_SHOWWINDOW:
    case WM_GETFONT:
    case WM_SETFONT:
        return 0;
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return -1;
    case WM_NOTIFYFORMAT:
        return 1;  // NFR_ANSI
    case WM_QUERYDRAGICON:
        return (LRESULT)w->cls->hIcon;
    case WM_GETICON:
        return (LRESULT)(wp == ICON_SMALL ? w->cls->hIconSm : w->cls->hIcon);
    case WM_PRINTCLIENT:
    case WM_PRINT:
        return 0;
    }
    return 0;
}

}  // extern "C"
