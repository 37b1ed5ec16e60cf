// Window geometry: frames and client areas, positions and z-order, showing
// and hiding, coordinate mapping and finding the window under a point.
#include <algorithm>

#include "user/user_state.h"

namespace vor::user {

namespace {

RECT Offset(RECT r, int dx, int dy)
{
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

int FrameWidth(DWORD style, DWORD exStyle)
{
    if (style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        return GetSystemMetrics(SM_CXDLGFRAME);
    if (style & WS_BORDER)
        return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

bool HasCaption(DWORD style)
{
    return (style & WS_CAPTION) == WS_CAPTION;
}

int EdgeWidth(DWORD exStyle)
{
    int e = 0;
    if (exStyle & WS_EX_CLIENTEDGE)
        e += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE)
        e += GetSystemMetrics(SM_CXBORDER);
    return e;
}

}  // namespace

POINT ClientOriginScreen(const Window* w)
{
    POINT p = {0, 0};
    for (const Window* a = w; a; a = a->parent) {
        p.x += a->rcClient.left;
        p.y += a->rcClient.top;
        if (IsDesktop(a))
            break;
    }
    return p;
}

POINT WindowOriginScreen(const Window* w)
{
    POINT p = {w->rcWindow.left, w->rcWindow.top};
    if (w->parent && !IsDesktop(w)) {
        POINT o = ClientOriginScreen(w->parent);
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

RECT WindowRectScreen(const Window* w)
{
    POINT o = WindowOriginScreen(w);
    return RECT{o.x, o.y, o.x + (w->rcWindow.right - w->rcWindow.left), o.y + (w->rcWindow.bottom - w->rcWindow.top)};
}

RECT ClientRectScreen(const Window* w)
{
    POINT o = ClientOriginScreen(w);
    return RECT{o.x, o.y, o.x + (w->rcClient.right - w->rcClient.left), o.y + (w->rcClient.bottom - w->rcClient.top)};
}

RECT ClientRectInWindow(const Window* w)
{
    return Offset(w->rcClient, -w->rcWindow.left, -w->rcWindow.top);
}

RECT DefaultClientRect(DWORD style, DWORD exStyle, const RECT& rcWindow)
{
    RECT r = rcWindow;
    int f = FrameWidth(style, exStyle);
    r.left += f;
    r.top += f;
    r.right -= f;
    r.bottom -= f;
    if (HasCaption(style))
        r.top += GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    int e = EdgeWidth(exStyle);
    r.left += e;
    r.top += e;
    r.right -= e;
    r.bottom -= e;
    if (style & WS_VSCROLL)
        r.right -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        r.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    // A window too small for its frame has an empty client area at its
    // frame's inner corner rather than a negative one.
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    return r;
}

NonClientLayout LayoutNonClient(const Window* w)
{
    NonClientLayout l = {};
    RECT r = {0, 0, w->rcWindow.right - w->rcWindow.left, w->rcWindow.bottom - w->rcWindow.top};
    int f = FrameWidth(w->style, w->exStyle);
    l.frame = f;
    r.left += f;
    r.top += f;
    r.right -= f;
    r.bottom -= f;
    l.frameInner = r;
    if (HasCaption(w->style)) {
        int ch = GetSystemMetrics((w->exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
        l.caption = RECT{r.left, r.top, r.right, r.top + ch - 1};
        if (w->style & WS_SYSMENU) {
            int bh = ch - 5;
            l.close = RECT{r.right - 2 - (bh + 2), r.top + 2, r.right - 2, r.top + 2 + bh};
        }
        r.top += ch;
    }
    int e = EdgeWidth(w->exStyle);
    r.left += e;
    r.top += e;
    r.right -= e;
    r.bottom -= e;
    l.clientEdge = r;
    int cxv = GetSystemMetrics(SM_CXVSCROLL), cyh = GetSystemMetrics(SM_CYHSCROLL);
    bool v = (w->style & WS_VSCROLL) != 0, h = (w->style & WS_HSCROLL) != 0;
    if (v)
        l.vscroll = RECT{r.right - cxv, r.top, r.right, r.bottom - (h ? cyh : 0)};
    if (h)
        l.hscroll = RECT{r.left, r.bottom - cyh, r.right - (v ? cxv : 0), r.bottom};
    if (v && h)
        l.sizeBox = RECT{r.right - cxv, r.bottom - cyh, r.right, r.bottom};
    return l;
}

// The deepest visible window under a screen point; children that are
// disabled are passed over in favour of their parent when asked.
Window* WindowAtPoint(POINT pt, bool skipDisabled)
{
    State& s = S();
    Window* found = nullptr;
    Window* level = s.desktop.get();
    for (;;) {
        Window* hit = nullptr;
        for (Window* c : level->children) {
            if (!(c->style & WS_VISIBLE) || c->destroyed)
                continue;
            if (!PtIn(WindowRectScreen(c), pt))
                continue;
            if (skipDisabled && (c->style & WS_DISABLED) && (c->style & WS_CHILD))
                continue;
            hit = c;
            break;
        }
        if (!hit)
            break;
        found = hit;
        if (!PtIn(ClientRectScreen(hit), pt))
            break;
        level = hit;
    }
    return found;
}

void InvalidateUncovered(Window* parent, const RECT& oldRect, const RECT& newRect)
{
    if (!parent)
        return;
    Region r(oldRect);
    r.Subtract(newRect);
    if (r.IsEmpty())
        return;
    // The rectangles are in the parent's client coordinates; the update
    // region of the parent is in its window coordinates.
    RECT ciw = ClientRectInWindow(parent);
    r.Offset(ciw.left, ciw.top);
    InvalidateWindow(parent, &r, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

namespace {

void MoveInZOrder(Window* w, HWND after)
{
    Window* p = w->parent;
    if (!p)
        return;
    auto& v = p->children;
    v.erase(std::remove(v.begin(), v.end(), w), v.end());
    if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        v.insert(v.begin(), w);
    } else if (after == HWND_BOTTOM) {
        v.push_back(w);
    } else {
        Window* a = Find(after);
        auto it = a ? std::find(v.begin(), v.end(), a) : v.end();
        if (it == v.end())
            v.insert(v.begin(), w);
        else
            v.insert(it + 1, w);
    }
}

}  // namespace

extern "C" {

VORAPI BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT rc)
{
    Window* w = Check(hWnd);
    if (!w || !rc)
        return FALSE;
    *rc = WindowRectScreen(w);
    return TRUE;
}

VORAPI BOOL WINAPI GetClientRect(HWND hWnd, LPRECT rc)
{
    Window* w = Check(hWnd);
    if (!w || !rc)
        return FALSE;
    *rc = RECT{0, 0, w->rcClient.right - w->rcClient.left, w->rcClient.bottom - w->rcClient.top};
    return TRUE;
}

VORAPI BOOL WINAPI SetWindowPos(HWND hWnd, HWND after, int x, int y, int cx, int cy, UINT flags)
{
    State& s = S();
    Window* w = Check(hWnd);
    if (!w || IsDesktop(w))
        return FALSE;
    WindowPin keep(w);

    if (cx < 0)
        cx = 0;
    if (cy < 0)
        cy = 0;
    bool visible = (w->style & WS_VISIBLE) != 0;
    if ((flags & SWP_SHOWWINDOW) && visible)
        flags &= ~SWP_SHOWWINDOW;
    if ((flags & SWP_HIDEWINDOW) && !visible)
        flags &= ~SWP_HIDEWINDOW;
    if (w->rcWindow.left == x && w->rcWindow.top == y)
        flags |= SWP_NOMOVE;
    if (w->rcWindow.right - w->rcWindow.left == cx && w->rcWindow.bottom - w->rcWindow.top == cy)
        flags |= SWP_NOSIZE;
    if (!(flags & SWP_NOZORDER) && (after == hWnd))
        flags |= SWP_NOZORDER;
    if (w->style & WS_CHILD)
        flags |= SWP_NOACTIVATE;

    WINDOWPOS wp = {};
    wp.hwnd = hWnd;
    wp.hwndInsertAfter = after;
    wp.x = (flags & SWP_NOMOVE) ? w->rcWindow.left : x;
    wp.y = (flags & SWP_NOMOVE) ? w->rcWindow.top : y;
    wp.cx = (flags & SWP_NOSIZE) ? w->rcWindow.right - w->rcWindow.left : cx;
    wp.cy = (flags & SWP_NOSIZE) ? w->rcWindow.bottom - w->rcWindow.top : cy;
    wp.flags = flags;

    if (!(flags & SWP_NOSENDCHANGING))
        Send(w, WM_WINDOWPOSCHANGING, 0, (LPARAM)&wp);
    if (!Find(hWnd))
        return FALSE;
    flags = wp.flags;
    if (wp.cx < 0)
        wp.cx = 0;
    if (wp.cy < 0)
        wp.cy = 0;

    RECT oldWindow = w->rcWindow;
    RECT oldClient = w->rcClient;
    RECT newWindow = oldWindow;
    if (!(flags & SWP_NOMOVE))
        newWindow = RECT{wp.x, wp.y, wp.x + (oldWindow.right - oldWindow.left), wp.y + (oldWindow.bottom - oldWindow.top)};
    if (!(flags & SWP_NOSIZE)) {
        newWindow.right = newWindow.left + wp.cx;
        newWindow.bottom = newWindow.top + wp.cy;
    }
    bool wasVisible = IsReallyVisible(w);

    RECT newClient = oldClient;
    if (!(flags & SWP_NOSIZE) || (flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS ncp = {};
        ncp.rgrc[0] = newWindow;
        ncp.rgrc[1] = oldWindow;
        ncp.rgrc[2] = oldClient;
        ncp.lppos = &wp;
        Send(w, WM_NCCALCSIZE, TRUE, (LPARAM)&ncp);
        if (!Find(hWnd))
            return FALSE;
        newClient = ncp.rgrc[0];
    } else {
        int dx = newWindow.left - oldWindow.left, dy = newWindow.top - oldWindow.top;
        newClient = RECT{oldClient.left + dx, oldClient.top + dy, oldClient.right + dx, oldClient.bottom + dy};
    }

    w->rcWindow = newWindow;
    w->rcClient = newClient;
    if (!(flags & SWP_NOZORDER))
        MoveInZOrder(w, after);
    if (flags & SWP_SHOWWINDOW)
        w->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW)
        w->style &= ~WS_VISIBLE;

    bool nowVisible = IsReallyVisible(w);
    bool moved = memcmp(&oldWindow, &newWindow, sizeof(RECT)) != 0;
    bool clientMoved = memcmp(&oldClient, &newClient, sizeof(RECT)) != 0;
    if (!(flags & SWP_NOREDRAW)) {
        if (wasVisible && (!nowVisible || moved))
            InvalidateUncovered(w->parent, oldWindow, nowVisible ? newWindow : RECT{0, 0, 0, 0});
        if (nowVisible && (moved || !wasVisible || (flags & SWP_FRAMECHANGED) || !(flags & SWP_NOZORDER)))
            InvalidateWindow(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    } else if (flags & SWP_FRAMECHANGED) {
        w->ncPaint = nowVisible;
    }
    if (!Find(hWnd))
        return TRUE;
    wp.flags = flags & ~(kNoClientSize | kNoClientMove);
    if (oldClient.right - oldClient.left == newClient.right - newClient.left &&
        oldClient.bottom - oldClient.top == newClient.bottom - newClient.top)
        wp.flags |= kNoClientSize;
    if (oldClient.left == newClient.left && oldClient.top == newClient.top)
        wp.flags |= kNoClientMove;
    (void)clientMoved;
    Send(w, WM_WINDOWPOSCHANGED, 0, (LPARAM)&wp);
    if (!Find(hWnd))
        return TRUE;
    if (!nowVisible && wasVisible) {
        // Hiding the active window activates another; hiding the focus
        // window (or a parent of it) gives the focus to its parent.
        if (!(w->style & WS_CHILD) && s.active == hWnd)
            ActivateNextTopLevel(w);
        if (s.focus && (s.focus == hWnd || IsChild(hWnd, s.focus)))
            SetFocus((w->style & WS_CHILD) && w->parent && !IsDesktop(w->parent) ? w->parent->hwnd : nullptr);
        if (s.capture == hWnd || IsChild(hWnd, s.capture))
            ReleaseCapture();
        if (!Find(hWnd))
            return TRUE;
    }

    if ((flags & SWP_SHOWWINDOW) && !(w->style & WS_CHILD) && !(flags & SWP_NOACTIVATE))
        ActivateWindow(w, false);
    return TRUE;
}

VORAPI BOOL WINAPI MoveWindow(HWND hWnd, int x, int y, int cx, int cy, BOOL repaint)
{
    return SetWindowPos(hWnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

VORAPI BOOL WINAPI BringWindowToTop(HWND hWnd)
{
    return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

VORAPI BOOL WINAPI ShowWindow(HWND hWnd, int cmd)
{
    Window* w = Check(hWnd);
    if (!w || IsDesktop(w))
        return FALSE;
    WindowPin keep(w);
    BOOL wasVisible = (w->style & WS_VISIBLE) != 0;
    bool show = cmd != SW_HIDE;
    if (show == (bool)wasVisible)
        return wasVisible;
    Send(w, WM_SHOWWINDOW, show, 0);
    if (!Find(hWnd))
        return wasVisible;
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    flags |= show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    if (cmd == SW_SHOWNA || cmd == SW_SHOWNOACTIVATE || cmd == SW_HIDE || cmd == SW_SHOWMINNOACTIVE ||
        (w->style & WS_CHILD))
        flags |= SWP_NOACTIVATE;
    else
        flags &= ~SWP_NOZORDER;
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, flags);
    return wasVisible;
}

VORAPI BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT pt)
{
    Window* w = Check(hWnd);
    if (!w || !pt)
        return FALSE;
    POINT o = ClientOriginScreen(w);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}

VORAPI BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT pt)
{
    Window* w = Check(hWnd);
    if (!w || !pt)
        return FALSE;
    POINT o = ClientOriginScreen(w);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}

VORAPI int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT pts, UINT n)
{
    Window* a = from ? Check(from) : S().desktop.get();
    Window* b = to ? Check(to) : S().desktop.get();
    if (!a || !b) {
        return 0;
    }
    POINT oa = ClientOriginScreen(a), ob = ClientOriginScreen(b);
    int dx = oa.x - ob.x, dy = oa.y - ob.y;
    if (pts)
        for (UINT i = 0; i < n; ++i) {
            pts[i].x += dx;
            pts[i].y += dy;
        }
    SetLastError(0);
    return MAKELONG((WORD)(SHORT)dx, (WORD)(SHORT)dy);
}

VORAPI HWND WINAPI WindowFromPoint(POINT pt)
{
    Window* w = WindowAtPoint(pt, true);
    return w ? w->hwnd : nullptr;
}

VORAPI HWND WINAPI ChildWindowFromPointEx(HWND hParent, POINT pt, UINT flags)
{
    Window* p = Check(hParent);
    if (!p)
        return nullptr;
    RECT rc = {0, 0, p->rcClient.right - p->rcClient.left, p->rcClient.bottom - p->rcClient.top};
    if (!PtIn(rc, pt))
        return nullptr;
    for (Window* c : p->children) {
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE))
            continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED))
            continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT))
            continue;
        if (PtIn(c->rcWindow, pt))
            return c->hwnd;
    }
    return hParent;
}

VORAPI HWND WINAPI ChildWindowFromPoint(HWND hParent, POINT pt)
{
    return ChildWindowFromPointEx(hParent, pt, CWP_ALL);
}

VORAPI BOOL WINAPI AdjustWindowRectEx(LPRECT rc, DWORD style, BOOL bMenu, DWORD exStyle)
{
    if (!rc)
        return FALSE;
    // The frame is what DefaultClientRect takes off, without scroll bars.
    RECT probe = {0, 0, 1000, 1000};
    RECT c = DefaultClientRect(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle, probe);
    rc->left -= c.left;
    rc->top -= c.top;
    rc->right += 1000 - c.right;
    rc->bottom += 1000 - c.bottom;
    if (bMenu)
        rc->top -= GetSystemMetrics(SM_CYMENU);
    return TRUE;
}

VORAPI BOOL WINAPI AdjustWindowRect(LPRECT rc, DWORD style, BOOL bMenu)
{
    return AdjustWindowRectEx(rc, style, bMenu, 0);
}

}  // extern "C"
