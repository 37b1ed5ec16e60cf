// Painting: visible regions, update regions, WM_PAINT and BeginPaint, window
// and client device contexts, scrolling a window's pixels.
#include <algorithm>
#include <cstring>
#include <functional>

#include "gdi/dc.h"
#include "gdi/gdi_internal.h"
#include "user/user_state.h"

namespace vor::user {

namespace {

RECT OffsetRc(RECT r, int dx, int dy)
{
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

void Collect(Window* w, std::vector<Window*>& out)
{
    out.push_back(w);
    for (Window* c : w->children)
        Collect(c, out);
}

}  // namespace

// The part of the screen a window (or its client area) may draw on: its
// rectangle, within every ancestor's client area, less the siblings above
// it that clip (and above each ancestor), less its children when asked.
Region VisibleRegion(Window* w, bool client, bool clipChildren, bool clipSiblings)
{
    if (!w || !IsReallyVisible(w))
        return Region();
    Region r(client ? ClientRectScreen(w) : WindowRectScreen(w));
    for (Window* a = w->parent; a; a = a->parent) {
        r.Intersect(ClientRectScreen(a));
        if (IsDesktop(a))
            break;
    }
    // Siblings above this window and above each ancestor.
    for (Window* a = w; a && a->parent; a = a->parent) {
        bool clips = (a == w) ? clipSiblings || !(a->style & WS_CHILD) : ((a->style & WS_CLIPSIBLINGS) || !(a->style & WS_CHILD));
        if (clips) {
            for (Window* sib : a->parent->children) {
                if (sib == a)
                    break;
                if (sib->style & WS_VISIBLE)
                    r.Subtract(WindowRectScreen(sib));
            }
        }
        // An ancestor with WS_CLIPCHILDREN does not matter here: this window
        // is the child being drawn.
        if (IsDesktop(a->parent))
            break;
    }
    if (clipChildren)
        for (Window* c : w->children)
            if (c->style & WS_VISIBLE)
                r.Subtract(WindowRectScreen(c));
    return r;
}

Region RegionFromHrgn(HRGN h)
{
    Region out;
    RECT box;
    int kind = GetRgnBox(h, &box);
    if (kind == ERROR || kind == NULLREGION || kind == 0)
        return out;
    if (kind == SIMPLEREGION) {
        out.SetRect(box);
        return out;
    }
    // Split the box until each piece is wholly inside or outside.
    HRGN piece = CreateRectRgn(0, 0, 0, 0);
    HRGN rest = CreateRectRgn(0, 0, 0, 0);
    std::function<void(RECT)> split = [&](RECT r) {
        if (r.right <= r.left || r.bottom <= r.top)
            return;
        if (!RectInRegion(h, &r))
            return;
        SetRectRgn(piece, r.left, r.top, r.right, r.bottom);
        if (CombineRgn(rest, piece, h, RGN_DIFF) == NULLREGION) {
            out.Union(r);
            return;
        }
        if (r.right - r.left >= r.bottom - r.top) {
            int m = (r.left + r.right) / 2;
            split(RECT{r.left, r.top, m, r.bottom});
            split(RECT{m, r.top, r.right, r.bottom});
        } else {
            int m = (r.top + r.bottom) / 2;
            split(RECT{r.left, r.top, r.right, m});
            split(RECT{r.left, m, r.right, r.bottom});
        }
    };
    split(box);
    DeleteObject(piece);
    DeleteObject(rest);
    return out;
}

HRGN HrgnFromRegion(const Region& r)
{
    HRGN h = CreateRectRgn(0, 0, 0, 0);
    if (!h)
        return nullptr;
    HRGN t = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& rc : r.Rects()) {
        SetRectRgn(t, rc.left, rc.top, rc.right, rc.bottom);
        CombineRgn(h, h, t, RGN_OR);
    }
    DeleteObject(t);
    return h;
}

static void SetRegionInto(HRGN h, const Region& r)
{
    SetRectRgn(h, 0, 0, 0, 0);
    HRGN t = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& rc : r.Rects()) {
        SetRectRgn(t, rc.left, rc.top, rc.right, rc.bottom);
        CombineRgn(h, h, t, RGN_OR);
    }
    DeleteObject(t);
}

// Adds to (or with RDW_VALIDATE takes from) the update region. `rgn` is in
// the window's own window coordinates; null means the whole client area
// (or the whole window with RDW_FRAME).
namespace {

bool HasArea(const RECT& r) { return r.right > r.left && r.bottom > r.top; }

RECT Meet(const RECT& a, const RECT& b)
{
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// Whether a region holds all of a rectangle: its rectangles are disjoint,
// so their parts within it add up to it exactly then.
bool Covered(const Region& rgn, const RECT& rc)
{
    const long long need = (long long)(rc.right - rc.left) * (rc.bottom - rc.top);
    long long got = 0;
    for (const RECT& r : rgn.Rects()) {
        const RECT m = Meet(r, rc);
        if (HasArea(m))
            got += (long long)(m.right - m.left) * (m.bottom - m.top);
    }
    return got == need;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The flags of RedrawWindow beyond the area itself, once the area has been
// taken from the update region when validating.
void SetPaintFlags(Window* w, UINT flags)
{
    if (flags & RDW_INTERNALPAINT)
        w->internalPaint = true;
    if (flags & RDW_NOINTERNALPAINT)
        w->internalPaint = false;
    if (flags & RDW_VALIDATE) {
        if (flags & RDW_NOERASE)
            w->erase = false;
        if (flags & RDW_NOFRAME)
            w->ncPaint = false;
        if (w->update.IsEmpty()) {
            w->erase = false;
            w->ncPaint = false;
        }
    }
}

}  // namespace

// InvalidateWindow for a rectangle, the common case, worked on as rectangles:
// a region is built only when the update region has to grow or shrink.
void InvalidateWindowRect(Window* w, const RECT& rc, UINT flags)
{
    if (!w || w->destroyed)
        return;
    const bool valid = (flags & RDW_VALIDATE) != 0;
    const bool invalid = (flags & RDW_INVALIDATE) != 0;
    const RECT whole = {0, 0, w->rcWindow.right - w->rcWindow.left, w->rcWindow.bottom - w->rcWindow.top};
    const RECT client = ClientRectInWindow(w);
    RECT area = Meet(rc, whole);
    if (!(flags & RDW_FRAME))
        area = Meet(area, client);
    const bool empty = !HasArea(area);

    if (invalid && !empty && IsReallyVisible(w)) {
        if (w->update.IsEmpty())
            w->update.SetRect(area);
        else if (!Covered(w->update, area))
            w->update.Union(Region(area));
        if (flags & RDW_ERASE)
            w->erase = true;
        // WM_NCPAINT only for a window that has a frame to paint.
        if (!Inside(area, client))
            w->ncPaint = true;
    }
    if (valid && !empty)
        w->update.Subtract(Region(area));
    SetPaintFlags(w, flags);

    bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (!children || empty)
        return;
    // Nothing here sends a message, so the children stay as they are.
    for (Window* c : w->children) {
        if (!(c->style & WS_VISIBLE) && invalid)
            continue;
        // The child's part of the area, in the child's window coordinates.
        const RECT cw = OffsetRc(c->rcWindow, client.left, client.top);
        const RECT part = Meet(area, cw);
        if (!HasArea(part))
            continue;
        UINT cflags = flags | RDW_FRAME;
        if (!(flags & RDW_ALLCHILDREN))
            cflags &= ~RDW_ALLCHILDREN;
        InvalidateWindowRect(c, OffsetRc(part, -cw.left, -cw.top), cflags);
    }
}

void InvalidateWindow(Window* w, const Region* rgn, UINT flags)
{
    if (!w || w->destroyed)
        return;
    if (!rgn) {
        // The whole window or its client area: a rectangle.
        RECT whole = {0, 0, w->rcWindow.right - w->rcWindow.left, w->rcWindow.bottom - w->rcWindow.top};
        InvalidateWindowRect(w, (flags & RDW_FRAME) ? whole : ClientRectInWindow(w), flags);
        return;
    }
    if (rgn->Rects().size() <= 1) {
        InvalidateWindowRect(w, rgn->IsEmpty() ? RECT{0, 0, 0, 0} : rgn->Rects()[0], flags);
        return;
    }
    bool valid = (flags & RDW_VALIDATE) != 0;
    bool invalid = (flags & RDW_INVALIDATE) != 0;
    RECT whole = {0, 0, w->rcWindow.right - w->rcWindow.left, w->rcWindow.bottom - w->rcWindow.top};
    RECT client = ClientRectInWindow(w);
    Region area;
    if (rgn)
        area = *rgn;
    else
        area.SetRect((flags & RDW_FRAME) ? whole : client);
    area.Intersect(whole);
    if (!(flags & RDW_FRAME)) {
        area.Intersect(client);
    }

    if (invalid && IsReallyVisible(w)) {
        if (!area.IsEmpty()) {
            w->update.Union(area);
            if (flags & RDW_ERASE)
                w->erase = true;
            // WM_NCPAINT only for a window that has a frame to paint.
            const RECT box = area.Box();
            if (box.left < client.left || box.top < client.top || box.right > client.right ||
                box.bottom > client.bottom) {
                Region nc = area;
                nc.Subtract(client);
                if (!nc.IsEmpty())
                    w->ncPaint = true;
            }
        }
    }
    if (valid)
        w->update.Subtract(area);
    SetPaintFlags(w, flags);

    bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (!children || w->children.empty() || area.IsEmpty())
        return;
    const RECT box = area.Box();
    for (Window* c : std::vector<Window*>(w->children)) {
        if (!(c->style & WS_VISIBLE) && invalid)
            continue;
        // The child's part of the area, in the child's window coordinates.
        RECT cw = OffsetRc(c->rcWindow, client.left, client.top);
        if (cw.right <= box.left || box.right <= cw.left || cw.bottom <= box.top || box.bottom <= cw.top)
            continue;
        Region part = area;
        part.Intersect(cw);
        if (part.IsEmpty())
            continue;
        part.Offset(-cw.left, -cw.top);
        UINT cflags = flags | RDW_FRAME;
        if (!(flags & RDW_ALLCHILDREN))
            cflags &= ~RDW_ALLCHILDREN;
        InvalidateWindow(c, &part, cflags);
    }
}

void ValidateWindow(Window* w, const Region* rgn, bool children)
{
    InvalidateWindow(w, rgn, RDW_VALIDATE | (children ? RDW_ALLCHILDREN : RDW_NOCHILDREN));
}

static bool NeedsPaint(Window* w)
{
    return IsReallyVisible(w) && (!w->update.IsEmpty() || w->ncPaint || w->internalPaint);
}

// Parents before their children, siblings from the top of the z-order.
Window* NextWindowToPaint(HWND filter)
{
    State& s = S();
    std::vector<Window*> all;
    Collect(s.desktop.get(), all);
    for (Window* w : all) {
        if (filter && w->hwnd != filter)
            continue;
        if (NeedsPaint(w))
            return w;
    }
    return nullptr;
}

void SendNcPaint(Window* w)
{
    if (!w->ncPaint)
        return;
    w->ncPaint = false;
    if (IsDesktop(w))
        return;
    Region r = w->update;
    POINT o = WindowOriginScreen(w);
    r.Offset(o.x, o.y);
    RECT client = ClientRectInWindow(w);
    // The frame part of the update region is taken: it is painted now.
    Region frame = w->update;
    frame.Subtract(client);
    w->update.Subtract(frame);
    HRGN h = HrgnFromRegion(r);
    Send(w, WM_NCPAINT, h ? (WPARAM)h : 1, 0);
    if (h)
        DeleteObject(h);
}

void EraseNow(Window* w, bool children)
{
    if (!w || w->destroyed)
        return;
    WindowPin keep(w);
    if (IsReallyVisible(w)) {
        SendNcPaint(w);
        if (w->erase && !w->destroyed) {
            w->erase = false;
            Region clip = w->update;
            clip.Intersect(ClientRectInWindow(w));
            POINT o = WindowOriginScreen(w);
            clip.Offset(o.x, o.y);
            clip.Intersect(VisibleRegion(w, true, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0));
            if (!clip.IsEmpty()) {
                HDC hdc = gdi::CreateScreenDC(w->hwnd, ClientOriginScreen(w), clip);
                if (hdc) {
                    w->dcs.push_back(hdc);
                    Send(w, WM_ERASEBKGND, (WPARAM)hdc, 0);
                    if (!w->destroyed) {
                        w->dcs.erase(std::remove(w->dcs.begin(), w->dcs.end(), hdc), w->dcs.end());
                        gdi::DeleteScreenDC(hdc);
                    }
                }
            }
        }
    }
    if (children && !w->destroyed)
        for (Window* c : std::vector<Window*>(w->children))
            if (Find(c->hwnd))
                EraseNow(c, true);
}

LRESULT SendPaint(Window* w, WPARAM wp, LPARAM lp)
{
    WindowPin keep(w);
    w->paintedThisDispatch = false;
    State& s = S();
    ++s.paintDepth;
    LRESULT r = Send(w, WM_PAINT, wp, lp);
    --s.paintDepth;
    if (!w->destroyed && !w->paintedThisDispatch) {
        // A handler that never called BeginPaint: the window counts as
        // painted, so that WM_PAINT does not come forever.
        w->update.Clear();
        w->erase = w->ncPaint = w->internalPaint = false;
    }
    return r;
}

void UpdateNow(Window* w, bool children)
{
    if (!w || w->destroyed)
        return;
    WindowPin keep(w);
    HWND h = w->hwnd;
    if (NeedsPaint(w))
        SendPaint(w, 0, 0);
    if (children && Find(h))
        for (Window* c : std::vector<Window*>(w->children))
            if (Find(c->hwnd))
                UpdateNow(c, true);
}

void ForgetDCs(Window* w)
{
    for (HDC h : w->dcs)
        gdi::DeleteScreenDC(h);
    w->dcs.clear();
}

HDC MakeDC(Window* w, bool windowDC, DWORD flags, const Region* extra, bool intersect)
{
    bool clipChildren = (flags & DCX_CLIPCHILDREN) || (!(flags & DCX_WINDOW) && (w->style & WS_CLIPCHILDREN));
    bool clipSiblings = (flags & DCX_CLIPSIBLINGS) || (w->style & WS_CLIPSIBLINGS);
    Window* target = w;
    if ((flags & DCX_PARENTCLIP) && w->parent && !IsDesktop(w->parent))
        target = w;
    Region vis;
    if (IsDesktop(w))
        vis = Region(0, 0, gdi::ScreenWidth(), gdi::ScreenHeight());
    else
        vis = VisibleRegion(target, !windowDC, clipChildren, clipSiblings);
    // The screen's DC reads and writes over every window, as on Windows,
    // unless the caller asks for the top-level windows to be left out.
    if (IsDesktop(w) && (flags & DCX_CLIPCHILDREN))
        for (Window* c : w->children)
            if (c->style & WS_VISIBLE)
                vis.Subtract(WindowRectScreen(c));
    if (extra) {
        if (intersect)
            vis.Intersect(*extra);
        else
            vis.Subtract(*extra);
    }
    POINT origin = windowDC ? WindowOriginScreen(w) : ClientOriginScreen(w);
    if (IsDesktop(w))
        origin = POINT{0, 0};
    HDC hdc = gdi::CreateScreenDC(w->hwnd, origin, vis);
    if (hdc)
        w->dcs.push_back(hdc);
    return hdc;
}

void PaintDesktopIfNeeded()
{
    State& s = S();
    Window* d = s.desktop.get();
    if (d && NeedsPaint(d))
        UpdateNow(d, false);
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* rc, HRGN hrgn, UINT flags)
{
    State& s = S();
    Window* w = hWnd ? Check(hWnd) : s.desktop.get();
    if (!w)
        return FALSE;
    WindowPin keep(w);
    if (flags & (RDW_INVALIDATE | RDW_VALIDATE | RDW_INTERNALPAINT | RDW_NOINTERNALPAINT)) {
        // rc and hrgn are in client coordinates.
        RECT ciw = ClientRectInWindow(w);
        if (IsDesktop(w))
            ciw = RECT{0, 0, 0, 0};
        if (hrgn) {
            Region area = RegionFromHrgn(hrgn);
            area.Offset(ciw.left, ciw.top);
            InvalidateWindow(w, &area, flags);
        } else if (rc) {
            InvalidateWindowRect(
                w, RECT{rc->left + ciw.left, rc->top + ciw.top, rc->right + ciw.left, rc->bottom + ciw.top}, flags);
        } else {
            InvalidateWindow(w, nullptr, flags);
        }
    }
    bool children = !(flags & RDW_NOCHILDREN);
    if (flags & RDW_UPDATENOW)
        UpdateNow(w, children);
    else if (flags & RDW_ERASENOW)
        EraseNow(w, children);
    return TRUE;
}

VORAPI BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* rc, BOOL bErase)
{
    if (!hWnd) {
        // All windows: the desktop and everything on it.
        return RedrawWindow(nullptr, rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    }
    if (!Check(hWnd))
        return FALSE;
    return RedrawWindow(hWnd, rc, nullptr, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

VORAPI BOOL WINAPI InvalidateRgn(HWND hWnd, HRGN hRgn, BOOL bErase)
{
    if (!Check(hWnd))
        return FALSE;
    return RedrawWindow(hWnd, nullptr, hRgn, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

VORAPI BOOL WINAPI ValidateRect(HWND hWnd, const RECT* rc)
{
    if (!Check(hWnd))
        return FALSE;
    return RedrawWindow(hWnd, rc, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

VORAPI BOOL WINAPI ValidateRgn(HWND hWnd, HRGN hRgn)
{
    if (!Check(hWnd))
        return FALSE;
    return RedrawWindow(hWnd, nullptr, hRgn, RDW_VALIDATE | RDW_NOCHILDREN);
}

VORAPI BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT rc, BOOL bErase)
{
    Window* w = Check(hWnd);
    if (!w)
        return FALSE;
    Region r = w->update;
    RECT ciw = ClientRectInWindow(w);
    r.Intersect(ciw);
    r.Offset(-ciw.left, -ciw.top);
    if (rc)
        *rc = r.Box();
    if (bErase && !r.IsEmpty())
        EraseNow(w, false);
    return !r.IsEmpty();
}

VORAPI int WINAPI GetUpdateRgn(HWND hWnd, HRGN hRgn, BOOL bErase)
{
    Window* w = Check(hWnd);
    // A deleted or foreign handle cannot receive the region: an error, not
    // an empty update region.
    if (!w || GetObjectType(hRgn) != OBJ_REGION)
        return ERROR;
    Region r = w->update;
    RECT ciw = ClientRectInWindow(w);
    r.Intersect(ciw);
    r.Offset(-ciw.left, -ciw.top);
    SetRegionInto(hRgn, r);
    if (bErase && !r.IsEmpty())
        EraseNow(w, false);
    if (r.IsEmpty())
        return NULLREGION;
    return r.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

VORAPI BOOL WINAPI UpdateWindow(HWND hWnd)
{
    Window* w = Check(hWnd);
    if (!w)
        return FALSE;
    UpdateNow(w, true);
    return TRUE;
}

VORAPI HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT ps)
{
    Window* w = Check(hWnd);
    if (!w || !ps)
        return nullptr;
    WindowPin keep(w);
    memset(ps, 0, sizeof(*ps));
    w->paintedThisDispatch = true;
    CaretHideForPaint(w);
    SendNcPaint(w);
    if (!Find(hWnd))
        return nullptr;

    RECT ciw = ClientRectInWindow(w);
    Region upd = w->update;
    upd.Intersect(ciw);
    bool erase = w->erase;
    // The window is valid from here on; what is invalidated during the
    // paint is painted by the next WM_PAINT.
    w->update.Clear();
    w->erase = false;
    w->internalPaint = false;

    POINT o = WindowOriginScreen(w);
    Region clip = upd;
    clip.Offset(o.x, o.y);
    clip.Intersect(VisibleRegion(w, true, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0));
    HDC hdc = gdi::CreateScreenDC(hWnd, ClientOriginScreen(w), clip);
    if (!hdc)
        return nullptr;
    w->dcs.push_back(hdc);
    w->inPaint = true;
    ps->hdc = hdc;
    Region rcp = upd;
    rcp.Offset(-ciw.left, -ciw.top);
    ps->rcPaint = rcp.Box();
    ps->fErase = FALSE;
    if (erase) {
        ps->fErase = Send(w, WM_ERASEBKGND, (WPARAM)hdc, 0) ? FALSE : TRUE;
    }
    return hdc;
}

VORAPI BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* ps)
{
    Window* w = Find(hWnd);
    if (!ps)
        return FALSE;
    if (!w) {
        // The window went away during its paint: its DCs are gone with it.
        return TRUE;
    }
    w->inPaint = false;
    auto it = std::find(w->dcs.begin(), w->dcs.end(), ps->hdc);
    if (it != w->dcs.end()) {
        w->dcs.erase(it);
        gdi::DeleteScreenDC(ps->hdc);
    }
    CaretShowAfterPaint(w);
    return TRUE;
}

VORAPI HDC WINAPI GetDCEx(HWND hWnd, HRGN hrgnClip, DWORD flags)
{
    State& s = S();
    Window* w = hWnd ? Check(hWnd) : s.desktop.get();
    if (!w)
        return nullptr;
    Region extra;
    const Region* pe = nullptr;
    bool intersect = false;
    if (hrgnClip && (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN))) {
        // The region is in screen coordinates for DCX_WINDOW frames as
        // WM_NCPAINT hands it over; otherwise in the DC's own coordinates.
        extra = RegionFromHrgn(hrgnClip);
        pe = &extra;
        intersect = (flags & DCX_INTERSECTRGN) != 0;
    }
    return MakeDC(w, (flags & DCX_WINDOW) != 0, flags, pe, intersect);
}

VORAPI HDC WINAPI GetDC(HWND hWnd)
{
    return GetDCEx(hWnd, nullptr, DCX_CACHE);
}

VORAPI HDC WINAPI GetWindowDC(HWND hWnd)
{
    return GetDCEx(hWnd, nullptr, DCX_WINDOW | DCX_CACHE);
}

VORAPI int WINAPI ReleaseDC(HWND hWnd, HDC hdc)
{
    State& s = S();
    HWND owner = gdi::ScreenDCWindow(hdc);
    Window* w = Find(owner);
    if (!w || (hWnd && hWnd != owner && !(hWnd == nullptr && IsDesktop(w))))
        return 0;
    (void)s;
    auto it = std::find(w->dcs.begin(), w->dcs.end(), hdc);
    if (it == w->dcs.end())
        return 0;
    w->dcs.erase(it);
    gdi::DeleteScreenDC(hdc);
    return 1;
}

VORAPI HWND WINAPI WindowFromDC(HDC hdc)
{
    HWND h = gdi::ScreenDCWindow(hdc);
    if (Window* w = Find(h))
        return IsDesktop(w) ? nullptr : h;
    return nullptr;
}

VORAPI int WINAPI ScrollWindowEx(HWND hWnd, int dx, int dy, const RECT* prcScroll, const RECT* prcClip, HRGN hrgnUpdate,
                                 LPRECT prcUpdate, UINT flags)
{
    Window* w = Check(hWnd);
    if (!w)
        return ERROR;
    WindowPin keep(w);
    RECT client = {0, 0, w->rcClient.right - w->rcClient.left, w->rcClient.bottom - w->rcClient.top};
    RECT src = prcScroll ? *prcScroll : client;
    RECT clip = prcClip ? *prcClip : client;
    IntersectRect(&clip, &clip, &client);

    // Copy the visible pixels that stay visible; everything the copy could
    // not fill is invalidated.
    Region vis = VisibleRegion(w, true, (w->style & WS_CLIPCHILDREN) != 0, (w->style & WS_CLIPSIBLINGS) != 0);
    POINT o = ClientOriginScreen(w);
    vis.Offset(-o.x, -o.y);
    Region srcRgn(src);
    srcRgn.Intersect(clip);
    srcRgn.Intersect(vis);
    Region dst = srcRgn;
    dst.Offset(dx, dy);
    dst.Intersect(clip);
    dst.Intersect(vis);
    if (IsReallyVisible(w) && (dx || dy) && !dst.IsEmpty()) {
        uint32_t* px = gdi::ScreenPixels();
        int sw = gdi::ScreenWidth(), sh = gdi::ScreenHeight();
        // A copy of the source pixels (the destination's box moved back).
        RECT box = dst.Box();
        int bw = box.right - box.left, bh = box.bottom - box.top;
        std::vector<uint32_t> copy((size_t)bw * bh, 0);
        for (int y = 0; y < bh; ++y)
            for (int x = 0; x < bw; ++x) {
                int sx = box.left + x - dx + o.x, sy = box.top + y - dy + o.y;
                if (sx >= 0 && sy >= 0 && sx < sw && sy < sh)
                    copy[(size_t)y * bw + x] = px[(size_t)sy * sw + sx];
            }
        for (const RECT& r : dst.Rects())
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) {
                    int tx = x + o.x, ty = y + o.y;
                    if (tx < 0 || ty < 0 || tx >= sw || ty >= sh)
                        continue;
                    px[(size_t)ty * sw + tx] = copy[(size_t)(y - box.top) * bw + (x - box.left)];
                }
        // Let GDI know the screen changed, so a backend presents it.
        HDC hdc = MakeDC(w, false, 0, nullptr, false);
        if (hdc) {
            gdi::NoteDrawn(gdi::LookupDC(hdc));
            ReleaseDC(hWnd, hdc);
        }
    }
    // Only the pixels actually copied stay valid.
    Region valid = srcRgn;
    valid.Offset(dx, dy);
    valid.Intersect(dst);
    Region inval(clip);
    inval.Intersect(Region(src));
    {
        Region moved(src);
        moved.Offset(dx, dy);
        inval.Union(moved);
        inval.Intersect(clip);
    }
    inval.Subtract(valid);
    // The existing update region moves with the pixels.
    RECT ciw = ClientRectInWindow(w);
    Region upd = w->update;
    upd.Offset(-ciw.left, -ciw.top);
    Region updIn = upd;
    updIn.Intersect(clip);
    if (!updIn.IsEmpty()) {
        Region shifted = updIn;
        shifted.Offset(dx, dy);
        shifted.Intersect(clip);
        Region u = w->update;
        Region cl = Region(clip);
        cl.Offset(ciw.left, ciw.top);
        u.Subtract(cl);
        shifted.Offset(ciw.left, ciw.top);
        u.Union(shifted);
        w->update = u;
    }
    if (flags & SW_SCROLLCHILDREN) {
        for (Window* c : std::vector<Window*>(w->children)) {
            RECT r = c->rcWindow;
            if (prcScroll && !IntersectRect(&r, &r, prcScroll))
                continue;
            r = c->rcWindow;
            SetWindowPos(c->hwnd, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        }
    }
    if (hrgnUpdate)
        SetRegionInto(hrgnUpdate, inval);
    if (prcUpdate)
        *prcUpdate = inval.Box();
    if ((flags & SW_INVALIDATE) && !inval.IsEmpty()) {
        Region iw = inval;
        iw.Offset(ciw.left, ciw.top);
        InvalidateWindow(w, &iw, RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) |
                                     ((flags & SW_SCROLLCHILDREN) ? RDW_ALLCHILDREN : 0));
    }
    if (inval.IsEmpty())
        return NULLREGION;
    return inval.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

VORAPI BOOL WINAPI ScrollWindow(HWND hWnd, int dx, int dy, const RECT* lpRect, const RECT* lpClipRect)
{
    // Without a scroll rectangle the children move with the contents.
    return ScrollWindowEx(hWnd, dx, dy, lpRect, lpClipRect, nullptr, nullptr,
                          SW_INVALIDATE | SW_ERASE | (lpRect ? 0 : SW_SCROLLCHILDREN)) != ERROR;
}

VORAPI BOOL WINAPI LockWindowUpdate(HWND hWndLock)
{
    // Drawing is never deferred here; the call only checks its argument.
    return hWndLock == nullptr || IsWindow(hWndLock);
}

}  // extern "C"
