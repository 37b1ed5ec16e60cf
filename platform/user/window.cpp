// Window classes and window objects: registration, creation, destruction,
// the window tree, window longs and window text.
#include <algorithm>
#include <cstring>
#include <strings.h>

#include "user/user_internal.h"
#include "user/user_state.h"

namespace vor::user {

namespace {

bool NameEquals(const std::string& a, LPCSTR b)
{
    return strcasecmp(a.c_str(), b) == 0;
}

std::shared_ptr<WindowClass> FindClass(LPCSTR name, HINSTANCE hInstance, bool exactInstance)
{
    State& s = S();
    if (!name)
        return nullptr;
    if (IS_INTRESOURCE(name)) {
        ATOM atom = (ATOM)(ULONG_PTR)name;
        for (auto& c : s.classes)
            if (c->atom == atom)
                return c;
        return nullptr;
    }
    for (auto& c : s.classes)
        if (NameEquals(c->name, name) && c->hInstance == hInstance)
            return c;
    if (exactInstance)
        return nullptr;
    // Global and system classes, then any class of the name.
    for (auto& c : s.classes)
        if (NameEquals(c->name, name) && (c->hInstance == nullptr || (c->style & CS_GLOBALCLASS)))
            return c;
    for (auto& c : s.classes)
        if (NameEquals(c->name, name))
            return c;
    return nullptr;
}

ATOM Register(const WNDCLASSEXA& wc)
{
    State& s = S();
    if (!wc.lpszClassName || !wc.lpfnWndProc || wc.cbClsExtra < 0 || wc.cbWndExtra < 0 ||
        wc.cbClsExtra > 4096 || wc.cbWndExtra > 4096) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (IS_INTRESOURCE(wc.lpszClassName)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (FindClass(wc.lpszClassName, wc.hInstance, true)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    auto c = std::make_shared<WindowClass>();
    c->atom = s.nextAtom++;
    c->name = wc.lpszClassName;
    c->style = wc.style;
    c->proc = wc.lpfnWndProc;
    c->cbClsExtra = wc.cbClsExtra;
    c->cbWndExtra = wc.cbWndExtra;
    c->hInstance = wc.hInstance;
    c->hIcon = wc.hIcon;
    c->hIconSm = wc.hIconSm;
    c->hCursor = wc.hCursor;
    c->hbrBackground = wc.hbrBackground;
    if (wc.lpszMenuName && !IS_INTRESOURCE(wc.lpszMenuName))
        c->menuName = wc.lpszMenuName;
    c->extra.assign(wc.cbClsExtra, 0);
    s.classes.push_back(c);
    return c->atom;
}

LRESULT CALLBACK DesktopProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_ERASEBKGND) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect((HDC)wp, &rc, GetSysColorBrush(COLOR_DESKTOP));
        return 1;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND NewHandle()
{
    State& s = S();
    HWND h = (HWND)s.nextHwnd;
    s.nextHwnd += 4;
    return h;
}

void Unlink(Window* w)
{
    if (w->parent) {
        auto& v = w->parent->children;
        v.erase(std::remove(v.begin(), v.end(), w), v.end());
    }
    w->parent = nullptr;
}

// WM_DESTROY to the window, then to its children (the parent first).
void SendDestroy(Window* w)
{
    WindowPin keep(w);
    Send(w, WM_DESTROY, 0, 0);
    std::vector<HWND> kids;
    for (Window* c : w->children)
        kids.push_back(c->hwnd);
    for (HWND h : kids)
        if (Window* c = Find(h))
            if (!c->destroyed) {
                c->destroying = true;
                SendDestroy(c);
            }
}

// WM_NCDESTROY to the children first, then the window; then the handle dies.
void SendNcDestroyAndFree(Window* w)
{
    State& s = S();
    WindowPin keep(w);
    std::vector<HWND> kids;
    for (Window* c : w->children)
        kids.push_back(c->hwnd);
    for (HWND h : kids)
        if (Window* c = Find(h))
            SendNcDestroyAndFree(c);
    if (w->destroyed)
        return;
    if (s.capture == w->hwnd)
        s.capture = nullptr;
    if (s.focus == w->hwnd)
        s.focus = nullptr;
    if (s.active == w->hwnd)
        s.active = nullptr;
    KillTimersOf(w->hwnd);
    DestroyCaretOf(w->hwnd);
    Send(w, WM_NCDESTROY, 0, 0);
    w->destroyed = true;
    ForgetDCs(w);
    DropMessagesFor(w->hwnd);
    // Children not yet unlinked (created during destruction) become orphans.
    for (Window* c : std::vector<Window*>(w->children))
        c->parent = nullptr;
    w->children.clear();
    Unlink(w);
    for (auto& kv : s.windows)
        if (kv.second->owner == w)
            kv.second->owner = nullptr;
    if (w->cls)
        w->cls->windows--;
    if (s.scrollTrack.hwnd == w->hwnd)
        s.scrollTrack = ScrollTrack();
    if (s.clipboardOpener == w->hwnd)
        s.clipboardOpener = nullptr;
    if (s.clipboardOwner == w->hwnd)
        s.clipboardOwner = nullptr;
    if (s.lastDownHwnd == w->hwnd)
        s.lastDownHwnd = nullptr;
    State::FoundWindow& slot = s.found[FoundSlot(w->hwnd)];
    if (slot.hwnd == w->hwnd)
        slot = State::FoundWindow();
    auto it = s.windows.find(w->hwnd);
    if (it != s.windows.end()) {
        ParkIfPinned(it->second);
        s.windows.erase(it);
    }
}

}  // namespace

// ---------------------------------------------------------------------------

Window* FindInTable(HWND hwnd)
{
    State& s = S();
    auto it = s.windows.find(hwnd);
    if (it == s.windows.end())
        return nullptr;
    State::FoundWindow& slot = s.found[FoundSlot(hwnd)];
    slot.hwnd = hwnd;
    slot.window = it->second.get();
    return slot.window->destroyed ? nullptr : slot.window;
}

namespace {

// Windows out of the table whose procedures are still running.
std::vector<WindowRef>& Parked()
{
    static std::vector<WindowRef> parked;
    return parked;
}

}  // namespace

void ParkIfPinned(const WindowRef& w)
{
    if (w && w->pins > 0 && !w->parked) {
        w->parked = true;
        Parked().push_back(w);
    }
}

void Unpark(Window* w)
{
    std::vector<WindowRef>& parked = Parked();
    for (size_t i = 0; i < parked.size(); ++i) {
        if (parked[i].get() == w) {
            WindowRef last = std::move(parked[i]);  // freed after the list is consistent again
            parked.erase(parked.begin() + (ptrdiff_t)i);
            return;
        }
    }
}

Window* TopLevelOf(Window* w)
{
    while (w && w->parent && !IsDesktop(w->parent))
        w = w->parent;
    return IsDesktop(w) ? nullptr : w;
}

bool IsReallyVisible(const Window* w)
{
    for (; w; w = w->parent) {
        if (!(w->style & WS_VISIBLE))
            return false;
        if (IsDesktop(w))
            return true;
    }
    return false;
}

LRESULT CallProc(Window* w, WNDPROC proc, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!w || !proc)
        return 0;
    WindowPin keep(w);
    return proc(w->hwnd, msg, wp, lp);
}

LRESULT Send(Window* w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!w || w->destroyed)
        return 0;
    return CallProc(w, w->proc, msg, wp, lp);
}

void CreateDesktop()
{
    State& s = S();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DesktopProc;
    wc.lpszClassName = "#32769";
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    Register(wc);
    auto d = std::make_shared<Window>();
    d->hwnd = NewHandle();
    d->cls = s.classes.back();
    d->cls->windows++;
    d->proc = DesktopProc;
    d->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    d->rcWindow = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    d->rcClient = d->rcWindow;
    s.windows[d->hwnd] = d;
    s.desktop = d;
    d->update = Region(d->rcWindow);
    d->erase = true;
}

void DestroyAllWindows()
{
    State& s = S();
    if (!s.desktop)
        return;
    for (int guard = 0; guard < 64; ++guard) {
        std::vector<HWND> tops;
        for (Window* c : s.desktop->children)
            tops.push_back(c->hwnd);
        for (auto& kv : s.windows)
            if (!kv.second->destroyed && !kv.second->parent && kv.second != s.desktop)
                tops.push_back(kv.first);
        if (tops.empty())
            break;
        for (HWND h : tops)
            DestroyWindow(h);
    }
}

// GetParent's answer: the parent of a child window, the owner of any other.
Window* ParentOf(const Window* w)
{
    if (w->style & WS_CHILD)
        return w->parent && !IsDesktop(w->parent) ? w->parent : nullptr;
    return w->owner;
}

HWND NotifyTarget(HWND control, UINT_PTR* id)
{
    Window* w = Find(control);
    *id = w && (w->style & WS_CHILD) ? UINT_PTR(int(w->id)) : 0;
    // A window's parent and owner are live windows until they are being
    // destroyed: that is all IsWindow would add.
    Window* parent = w ? ParentOf(w) : nullptr;
    return parent && !parent->destroyed ? parent->hwnd : nullptr;
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

// ---- classes ------------------------------------------------------------------

VORAPI ATOM WINAPI RegisterClassA(const WNDCLASSA* wc)
{
    if (!wc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEXA ex = {};
    ex.cbSize = sizeof(ex);
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return Register(ex);
}

VORAPI ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wc)
{
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Register(*wc);
}

VORAPI BOOL WINAPI UnregisterClassA(LPCSTR name, HINSTANCE hInstance)
{
    State& s = S();
    auto c = FindClass(name, hInstance, true);
    if (!c) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (c->windows > 0) {
        SetLastError(1412L);  // ERROR_CLASS_HAS_WINDOWS
        return FALSE;
    }
    s.classes.erase(std::remove(s.classes.begin(), s.classes.end(), c), s.classes.end());
    return TRUE;
}

VORAPI BOOL WINAPI GetClassInfoExA(HINSTANCE hInstance, LPCSTR name, LPWNDCLASSEXA wc)
{
    if (!wc || !name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto c = FindClass(name, hInstance, true);
    if (!c && !IS_INTRESOURCE(name)) {
        for (auto& k : S().classes)
            if (NameEquals(k->name, name) && (k->hInstance == nullptr || (k->style & CS_GLOBALCLASS)))
                c = k;
    }
    if (!c) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    wc->cbSize = sizeof(WNDCLASSEXA);
    wc->style = c->style;
    wc->lpfnWndProc = c->proc;
    wc->cbClsExtra = c->cbClsExtra;
    wc->cbWndExtra = c->cbWndExtra;
    wc->hInstance = hInstance;
    wc->hIcon = c->hIcon;
    wc->hCursor = c->hCursor;
    wc->hbrBackground = c->hbrBackground;
    wc->lpszMenuName = c->menuName.empty() ? nullptr : c->menuName.c_str();
    wc->lpszClassName = c->name.c_str();
    wc->hIconSm = c->hIconSm;
    return c->atom;
}

VORAPI BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR name, LPWNDCLASSA wc)
{
    if (!wc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    WNDCLASSEXA ex = {};
    BOOL ok = GetClassInfoExA(hInstance, name, &ex);
    if (!ok)
        return FALSE;
    wc->style = ex.style;
    wc->lpfnWndProc = ex.lpfnWndProc;
    wc->cbClsExtra = ex.cbClsExtra;
    wc->cbWndExtra = ex.cbWndExtra;
    wc->hInstance = ex.hInstance;
    wc->hIcon = ex.hIcon;
    wc->hCursor = ex.hCursor;
    wc->hbrBackground = ex.hbrBackground;
    wc->lpszMenuName = ex.lpszMenuName;
    wc->lpszClassName = ex.lpszClassName;
    return ok;
}

VORAPI int WINAPI GetClassNameA(HWND hWnd, LPSTR buf, int n)
{
    Window* w = Check(hWnd);
    if (!w || !buf || n <= 0)
        return 0;
    lstrcpynA(buf, w->cls->name.c_str(), n);
    return lstrlenA(buf);
}

VORAPI ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int index)
{
    Window* w = Check(hWnd);
    if (!w)
        return 0;
    WindowClass* c = w->cls.get();
    switch (index) {
    case GCL_STYLE: return c->style;
    case GCL_CBWNDEXTRA: return c->cbWndExtra;
    case GCL_CBCLSEXTRA: return c->cbClsExtra;
    case GCW_ATOM: return c->atom;
    case GCLP_HBRBACKGROUND: return (ULONG_PTR)c->hbrBackground;
    case GCLP_HCURSOR: return (ULONG_PTR)c->hCursor;
    case GCLP_HICON: return (ULONG_PTR)c->hIcon;
    case GCLP_HICONSM: return (ULONG_PTR)c->hIconSm;
    case GCLP_HMODULE: return (ULONG_PTR)c->hInstance;
    case GCLP_WNDPROC: return (ULONG_PTR)c->proc;
    default:
        if (index >= 0 && index + (int)sizeof(ULONG_PTR) <= c->cbClsExtra) {
            ULONG_PTR v;
            memcpy(&v, c->extra.data() + index, sizeof(v));
            return v;
        }
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

VORAPI DWORD WINAPI GetClassLongA(HWND hWnd, int index)
{
    return (DWORD)GetClassLongPtrA(hWnd, index);
}

VORAPI ULONG_PTR WINAPI SetClassLongPtrA(HWND hWnd, int index, LONG_PTR v)
{
    Window* w = Check(hWnd);
    if (!w)
        return 0;
    WindowClass* c = w->cls.get();
    ULONG_PTR old = GetClassLongPtrA(hWnd, index);
    switch (index) {
    case GCL_STYLE: c->style = (UINT)v; break;
    case GCLP_HBRBACKGROUND: c->hbrBackground = (HBRUSH)v; break;
    case GCLP_HCURSOR: c->hCursor = (HCURSOR)v; break;
    case GCLP_HICON: c->hIcon = (HICON)v; break;
    case GCLP_HICONSM: c->hIconSm = (HICON)v; break;
    case GCLP_WNDPROC: c->proc = (WNDPROC)v; break;
    default:
        if (index >= 0 && index + (int)sizeof(LONG_PTR) <= c->cbClsExtra) {
            memcpy(c->extra.data() + index, &v, sizeof(v));
            break;
        }
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return old;
}

// ---- creation and destruction ----------------------------------------------------

VORAPI HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                                   int cx, int cy, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID param)
{
    State& s = S();
    auto cls = FindClass(className, hInstance, false);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    Window* parent = nullptr;
    Window* owner = nullptr;
    if (hWndParent && hWndParent != HWND_MESSAGE) {
        parent = Check(hWndParent);
        if (!parent)
            return nullptr;
    }
    if (style & WS_CHILD) {
        if (!parent) {
            SetLastError(1406L);  // ERROR_TLW_WITH_WSCHILD
            return nullptr;
        }
    } else {
        owner = parent ? TopLevelOf(parent) : nullptr;
        if (parent && IsDesktop(parent))
            owner = nullptr;
        parent = s.desktop.get();
    }

    // CW_USEDEFAULT places an overlapped window at a fixed spot.
    if (!(style & WS_CHILD)) {
        if (x == CW_USEDEFAULT) {
            x = 40;
            y = 40;
        }
        if (cx == CW_USEDEFAULT) {
            cx = 640;
            cy = 480;
        }
    } else {
        if (x == CW_USEDEFAULT)
            x = y = 0;
        if (cx == CW_USEDEFAULT)
            cx = cy = 0;
    }
    // Negative sizes become empty windows.
    if (cx < 0)
        cx = 0;
    if (cy < 0)
        cy = 0;

    auto w = std::make_shared<Window>();
    w->hwnd = NewHandle();
    w->cls = cls;
    w->proc = cls->proc;
    // Windows keeps WS_VISIBLE back until the window is complete.
    w->style = style & ~WS_VISIBLE;
    if (!(style & WS_CHILD))
        w->style |= WS_CLIPSIBLINGS;
    w->exStyle = exStyle;
    w->hInstance = hInstance;
    w->id = (LONG_PTR)hMenu;
    w->owner = owner;
    w->extra.assign(cls->cbWndExtra, 0);
    w->rcWindow = RECT{x, y, x + cx, y + cy};
    w->rcClient = w->rcWindow;
    w->parent = parent;
    cls->windows++;
    s.windows[w->hwnd] = w;
    parent->children.insert(parent->children.begin(), w.get());
    HWND hwnd = w->hwnd;

    CREATESTRUCTA cs = {};
    cs.lpCreateParams = param;
    cs.hInstance = hInstance;
    cs.hMenu = hMenu;
    cs.hwndParent = hWndParent;
    cs.cx = cx;
    cs.cy = cy;
    cs.x = x;
    cs.y = y;
    cs.style = (LONG)style;
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    auto fail = [&]() -> HWND {
        if (Find(hwnd))
            DestroyWindow(hwnd);
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    };
    // Before WM_NCCREATE succeeded the window only gets WM_NCDESTROY.
    auto failEarly = [&](bool quiet) -> HWND {
        if (Window* x = Find(hwnd)) {
            if (quiet)
                x->proc = DefWindowProcA;
            SendNcDestroyAndFree(x);
        }
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    };

    CBT_CREATEWNDA cbt = {&cs, HWND_TOP};
    if (CallHooks(WH_CBT, HCBT_CREATEWND, (WPARAM)hwnd, (LPARAM)&cbt))
        return failEarly(true);
    if (!Find(hwnd))
        return fail();

    if (!(style & WS_CHILD)) {
        MINMAXINFO mmi = {};
        mmi.ptMaxSize = POINT{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        mmi.ptMaxTrackSize = mmi.ptMaxSize;
        mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
        Send(w.get(), WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    }
    if (!Send(w.get(), WM_NCCREATE, 0, (LPARAM)&cs))
        return failEarly(false);
    if (!Find(hwnd))
        return fail();

    RECT rc = w->rcWindow;
    Send(w.get(), WM_NCCALCSIZE, FALSE, (LPARAM)&rc);
    if (!Find(hwnd))
        return fail();
    w->rcClient = rc;

    if (Send(w.get(), WM_CREATE, 0, (LPARAM)&cs) == -1)
        return fail();
    if (!Find(hwnd))
        return fail();

    Send(w.get(), WM_SIZE, SIZE_RESTORED,
         MAKELPARAM(w->rcClient.right - w->rcClient.left, w->rcClient.bottom - w->rcClient.top));
    Send(w.get(), WM_MOVE, 0, MAKELPARAM(w->rcClient.left, w->rcClient.top));
    if (!Find(hwnd))
        return fail();

    if ((style & WS_CHILD) && !(exStyle & WS_EX_NOPARENTNOTIFY)) {
        for (Window* p = w->parent; p && !IsDesktop(p); p = p->parent) {
            Send(p, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, (WORD)w->id), (LPARAM)hwnd);
            if (!(p->style & WS_CHILD) || (p->exStyle & WS_EX_NOPARENTNOTIFY))
                break;
        }
        if (!Find(hwnd))
            return fail();
    }

    if (style & WS_VISIBLE) {
        ShowWindow(hwnd, (style & WS_CHILD) ? SW_SHOW : SW_SHOWNORMAL);
        if (!Find(hwnd))
            return fail();
    }
    return hwnd;
}

VORAPI BOOL WINAPI DestroyWindow(HWND hWnd)
{
    State& s = S();
    Window* w = Check(hWnd);
    if (!w || IsDesktop(w))
        return FALSE;
    if (w->destroying)
        return TRUE;  // already on its way (a second call from a handler)
    WindowPin keep(w);
    if (CallHooks(WH_CBT, HCBT_DESTROYWND, (WPARAM)hWnd, 0))
        return FALSE;
    w->destroying = true;

    // Owned top-level windows go first.
    std::vector<HWND> owned;
    for (auto& kv : s.windows)
        if (kv.second->owner == w && !kv.second->destroying)
            owned.push_back(kv.first);
    for (HWND h : owned)
        DestroyWindow(h);

    if ((w->style & WS_CHILD) && !(w->exStyle & WS_EX_NOPARENTNOTIFY) && w->parent && !IsDesktop(w->parent))
        Send(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, (WORD)w->id), (LPARAM)hWnd);

    if (w->style & WS_VISIBLE) {
        SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (w->destroyed)
        return TRUE;

    if (s.active == hWnd) {
        ActivateNextTopLevel(w);
        if (w->destroyed)
            return TRUE;
    }
    FocusLost(w);
    ReleaseCaptureOf(w);

    SendDestroy(w);
    SendNcDestroyAndFree(w);
    return TRUE;
}

// ---- queries --------------------------------------------------------------------

VORAPI BOOL WINAPI IsWindow(HWND hWnd)
{
    return Find(hWnd) != nullptr;
}

VORAPI BOOL WINAPI IsWindowVisible(HWND hWnd)
{
    Window* w = Find(hWnd);
    return w && IsReallyVisible(w);
}

VORAPI BOOL WINAPI IsWindowEnabled(HWND hWnd)
{
    Window* w = Find(hWnd);
    return w && !(w->style & WS_DISABLED);
}

VORAPI BOOL WINAPI IsWindowUnicode(HWND hWnd)
{
    return FALSE;
}

VORAPI BOOL WINAPI IsIconic(HWND hWnd)
{
    Window* w = Find(hWnd);
    return w && (w->style & WS_MINIMIZE);
}

VORAPI BOOL WINAPI IsZoomed(HWND hWnd)
{
    Window* w = Find(hWnd);
    return w && (w->style & WS_MAXIMIZE);
}

VORAPI BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable)
{
    State& s = S();
    Window* w = Check(hWnd);
    if (!w)
        return FALSE;
    BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
    if (bEnable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        Send(w, WM_ENABLE, TRUE, 0);
    } else if (!bEnable && !wasDisabled) {
        Send(w, WM_CANCELMODE, 0, 0);
        if (!Find(hWnd))
            return wasDisabled;
        w->style |= WS_DISABLED;
        // A disabled window loses the focus and the capture.
        if (s.focus == hWnd || IsChild(hWnd, s.focus))
            SetFocus(nullptr);
        if (s.capture == hWnd)
            ReleaseCapture();
        if (Find(hWnd))
            Send(w, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

VORAPI HWND WINAPI GetParent(HWND hWnd)
{
    Window* w = Check(hWnd);
    if (!w)
        return nullptr;
    Window* parent = ParentOf(w);
    return parent ? parent->hwnd : nullptr;
}

VORAPI HWND WINAPI GetAncestor(HWND hWnd, UINT flags)
{
    Window* w = Check(hWnd);
    if (!w || IsDesktop(w))
        return nullptr;
    switch (flags) {
    case GA_PARENT:
        return w->parent ? w->parent->hwnd : nullptr;
    case GA_ROOT: {
        Window* t = TopLevelOf(w);
        return t ? t->hwnd : nullptr;
    }
    case GA_ROOTOWNER: {
        Window* t = TopLevelOf(w);
        while (t && t->owner)
            t = t->owner;
        return t ? t->hwnd : nullptr;
    }
    }
    return nullptr;
}

VORAPI HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent)
{
    State& s = S();
    Window* w = Check(hWndChild);
    if (!w || IsDesktop(w))
        return nullptr;
    Window* np = hWndNewParent ? Check(hWndNewParent) : s.desktop.get();
    if (!np)
        return nullptr;
    for (Window* p = np; p; p = p->parent)
        if (p == w) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
    Window* old = w->parent;
    HWND oldH = old && !IsDesktop(old) ? old->hwnd : (old ? old->hwnd : nullptr);
    bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible)
        ShowWindow(hWndChild, SW_HIDE);
    if (!Find(hWndChild))
        return nullptr;
    Unlink(w);
    w->parent = np;
    np->children.insert(np->children.begin(), w);
    if (visible)
        ShowWindow(hWndChild, SW_SHOWNA);
    return oldH;
}

VORAPI HWND WINAPI GetWindow(HWND hWnd, UINT cmd)
{
    Window* w = Check(hWnd);
    if (!w)
        return nullptr;
    if (cmd == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front()->hwnd;
    if (cmd == GW_OWNER)
        return w->owner ? w->owner->hwnd : nullptr;
    if (cmd == GW_ENABLEDPOPUP)
        return nullptr;
    Window* p = w->parent;
    if (!p)
        return nullptr;
    auto& v = p->children;
    auto it = std::find(v.begin(), v.end(), w);
    if (it == v.end())
        return nullptr;
    switch (cmd) {
    case GW_HWNDFIRST: return v.front()->hwnd;
    case GW_HWNDLAST: return v.back()->hwnd;
    case GW_HWNDNEXT: return (it + 1) == v.end() ? nullptr : (*(it + 1))->hwnd;
    case GW_HWNDPREV: return it == v.begin() ? nullptr : (*(it - 1))->hwnd;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

VORAPI HWND WINAPI GetTopWindow(HWND hWnd)
{
    Window* w = hWnd ? Check(hWnd) : S().desktop.get();
    if (!w || w->children.empty())
        return nullptr;
    return w->children.front()->hwnd;
}

VORAPI HWND WINAPI GetDesktopWindow(void)
{
    return S().desktop->hwnd;
}

VORAPI HWND WINAPI GetDlgItem(HWND hDlg, int id)
{
    Window* w = Check(hDlg);
    if (!w)
        return nullptr;
    for (Window* c : w->children)
        if ((c->style & WS_CHILD) && (int)c->id == id)
            return c->hwnd;
    return nullptr;
}

VORAPI int WINAPI GetDlgCtrlID(HWND hWnd)
{
    Window* w = Check(hWnd);
    if (!w || !(w->style & WS_CHILD))
        return 0;
    return (int)w->id;
}

VORAPI LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int id, UINT msg, WPARAM wp, LPARAM lp)
{
    HWND h = GetDlgItem(hDlg, id);
    return h ? SendMessageA(h, msg, wp, lp) : 0;
}

VORAPI BOOL WINAPI SetDlgItemTextA(HWND hDlg, int id, LPCSTR text)
{
    HWND h = GetDlgItem(hDlg, id);
    return h ? SetWindowTextA(h, text) : FALSE;
}

VORAPI UINT WINAPI GetDlgItemTextA(HWND hDlg, int id, LPSTR buf, int n)
{
    HWND h = GetDlgItem(hDlg, id);
    if (!h) {
        if (buf && n > 0)
            buf[0] = 0;
        return 0;
    }
    return (UINT)GetWindowTextA(h, buf, n);
}

VORAPI BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd)
{
    Window* p = Find(hWndParent);
    Window* w = Find(hWnd);
    if (!p || !w)
        return FALSE;
    for (Window* a = w; a && (a->style & WS_CHILD); a = a->parent)
        if (a->parent == p)
            return TRUE;
    return FALSE;
}

static void CollectDescendants(Window* w, std::vector<HWND>& out)
{
    for (Window* c : w->children) {
        out.push_back(c->hwnd);
        CollectDescendants(c, out);
    }
}

VORAPI BOOL WINAPI EnumChildWindows(HWND hWndParent, WNDENUMPROC proc, LPARAM lp)
{
    if (!proc)
        return FALSE;
    Window* p = hWndParent ? Check(hWndParent) : S().desktop.get();
    if (!p)
        return FALSE;
    std::vector<HWND> list;
    CollectDescendants(p, list);
    for (HWND h : list)
        if (Find(h) && !proc(h, lp))
            break;
    return TRUE;
}

VORAPI BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lp)
{
    if (!proc)
        return FALSE;
    std::vector<HWND> list;
    for (Window* c : S().desktop->children)
        list.push_back(c->hwnd);
    for (HWND h : list)
        if (Find(h) && !proc(h, lp))
            break;
    return TRUE;
}

VORAPI HWND WINAPI FindWindowA(LPCSTR className, LPCSTR windowName)
{
    for (Window* c : S().desktop->children) {
        if (className && !IS_INTRESOURCE(className) && strcasecmp(c->cls->name.c_str(), className) != 0)
            continue;
        if (className && IS_INTRESOURCE(className) && c->cls->atom != (ATOM)(ULONG_PTR)className)
            continue;
        if (windowName && c->text != windowName)
            continue;
        return c->hwnd;
    }
    return nullptr;
}

VORAPI DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, LPDWORD pid)
{
    if (!Check(hWnd))
        return 0;
    if (pid)
        *pid = GetCurrentProcessId();
    return GetCurrentThreadId();
}

// ---- window longs -------------------------------------------------------------------

VORAPI LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int index)
{
    Window* w = Check(hWnd);
    if (!w)
        return 0;
    switch (index) {
    case GWLP_WNDPROC: return (LONG_PTR)w->proc;
    case GWLP_HINSTANCE: return (LONG_PTR)w->hInstance;
    case GWLP_HWNDPARENT: {
        if (w->style & WS_CHILD)
            return (LONG_PTR)(w->parent ? w->parent->hwnd : nullptr);
        return (LONG_PTR)(w->owner ? w->owner->hwnd : nullptr);
    }
    case GWL_STYLE: return (LONG_PTR)(LONG)w->style;
    case GWL_EXSTYLE: return (LONG_PTR)(LONG)w->exStyle;
    case GWLP_ID: return w->id;
    case GWLP_USERDATA: return w->userData;
    default:
        if (index >= 0 && index + (int)sizeof(LONG_PTR) <= (int)w->extra.size()) {
            LONG_PTR v;
            memcpy(&v, w->extra.data() + index, sizeof(v));
            return v;
        }
        if (index >= 0 && index + (int)sizeof(LONG) <= (int)w->extra.size()) {
            LONG v;
            memcpy(&v, w->extra.data() + index, sizeof(v));
            return v;
        }
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

VORAPI LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int index, LONG_PTR v)
{
    Window* w = Check(hWnd);
    if (!w)
        return 0;
    WindowPin keep(w);
    LONG_PTR old = 0;
    switch (index) {
    case GWLP_WNDPROC:
        old = (LONG_PTR)w->proc;
        if (!v) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        w->proc = (WNDPROC)v;
        return old;
    case GWLP_HINSTANCE:
        old = (LONG_PTR)w->hInstance;
        w->hInstance = (HINSTANCE)v;
        return old;
    case GWLP_HWNDPARENT: {
        old = GetWindowLongPtrA(hWnd, GWLP_HWNDPARENT);
        if (w->style & WS_CHILD) {
            SetParent(hWnd, (HWND)v);
        } else {
            Window* o = (HWND)v ? Find((HWND)v) : nullptr;
            w->owner = o ? TopLevelOf(o) : nullptr;
        }
        return old;
    }
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
        old = (LONG_PTR)(LONG)field;
        STYLESTRUCT ss = {field, (DWORD)v};
        Send(w, WM_STYLECHANGING, (WPARAM)index, (LPARAM)&ss);
        if (!Find(hWnd))
            return old;
        if (index == GWL_STYLE) {
            // Taken as asked, WS_VISIBLE included: setting the bit shows
            // nothing by itself, as on Windows.
            w->style = ss.styleNew;
        } else {
            w->exStyle = ss.styleNew;
        }
        Send(w, WM_STYLECHANGED, (WPARAM)index, (LPARAM)&ss);
        return old;
    }
    case GWLP_ID:
        old = w->id;
        w->id = v;
        return old;
    case GWLP_USERDATA:
        old = w->userData;
        w->userData = v;
        return old;
    default:
        if (index >= 0 && index + (int)sizeof(LONG_PTR) <= (int)w->extra.size()) {
            memcpy(&old, w->extra.data() + index, sizeof(old));
            memcpy(w->extra.data() + index, &v, sizeof(v));
            return old;
        }
        if (index >= 0 && index + (int)sizeof(LONG) <= (int)w->extra.size()) {
            LONG o, n = (LONG)v;
            memcpy(&o, w->extra.data() + index, sizeof(o));
            memcpy(w->extra.data() + index, &n, sizeof(n));
            return o;
        }
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

VORAPI LONG WINAPI GetWindowLongA(HWND hWnd, int index)
{
    return (LONG)GetWindowLongPtrA(hWnd, index);
}

VORAPI LONG WINAPI SetWindowLongA(HWND hWnd, int index, LONG v)
{
    if (index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT) {
        // Pointers do not fit a LONG on this system: only the _Ptr calls.
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    if (index >= 0) {
        Window* w = Check(hWnd);
        if (!w)
            return 0;
        if (index + (int)sizeof(LONG) > (int)w->extra.size()) {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        LONG o;
        memcpy(&o, w->extra.data() + index, sizeof(o));
        memcpy(w->extra.data() + index, &v, sizeof(v));
        return o;
    }
    return (LONG)SetWindowLongPtrA(hWnd, index, index == GWL_STYLE || index == GWL_EXSTYLE ? (LONG_PTR)(DWORD)v : v);
}

VORAPI LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!proc)
        return 0;
    Window* w = Find(hWnd);
    WindowPin keep(w);
    return proc(hWnd, msg, wp, lp);
}

// ---- window text -----------------------------------------------------------------------

VORAPI int WINAPI GetWindowTextA(HWND hWnd, LPSTR buf, int n)
{
    if (buf && n > 0)
        buf[0] = 0;
    Window* w = Check(hWnd);
    if (!w || !buf || n <= 0)
        return 0;
    return (int)SendMessageA(hWnd, WM_GETTEXT, (WPARAM)n, (LPARAM)buf);
}

VORAPI BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR text)
{
    if (!Check(hWnd))
        return FALSE;
    return (BOOL)SendMessageA(hWnd, WM_SETTEXT, 0, (LPARAM)text);
}

VORAPI int WINAPI GetWindowTextLengthA(HWND hWnd)
{
    if (!Check(hWnd))
        return 0;
    return (int)SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0);
}

}  // extern "C"
