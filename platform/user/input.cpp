// Input: the mouse and keyboard event calls, the key state, and the routing
// of queued input events to windows (capture, the window under the cursor,
// the focus window) with hit testing, mouse activation, WM_SETCURSOR and
// double clicks.
#include <cstdlib>

#include "user/user_state.h"

namespace vor::user {

namespace {

// US layout scan codes of the keys the platform types.
BYTE ScanCodeOf(BYTE vk)
{
    static const char* row1 = "QWERTYUIOP";
    static const char* row2 = "ASDFGHJKL";
    static const char* row3 = "ZXCVBNM";
    if (vk >= '1' && vk <= '9')
        return (BYTE)(0x02 + (vk - '1'));
    if (vk == '0')
        return 0x0B;
    for (int i = 0; row1[i]; ++i)
        if (row1[i] == vk)
            return (BYTE)(0x10 + i);
    for (int i = 0; row2[i]; ++i)
        if (row2[i] == vk)
            return (BYTE)(0x1E + i);
    for (int i = 0; row3[i]; ++i)
        if (row3[i] == vk)
            return (BYTE)(0x2C + i);
    switch (vk) {
    case VK_ESCAPE: return 0x01;
    case VK_BACK: return 0x0E;
    case VK_TAB: return 0x0F;
    case VK_RETURN: return 0x1C;
    case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: return 0x1D;
    case VK_SHIFT: case VK_LSHIFT: return 0x2A;
    case VK_RSHIFT: return 0x36;
    case VK_MENU: case VK_LMENU: case VK_RMENU: return 0x38;
    case VK_SPACE: return 0x39;
    case VK_CAPITAL: return 0x3A;
    case VK_HOME: return 0x47;
    case VK_UP: return 0x48;
    case VK_PRIOR: return 0x49;
    case VK_LEFT: return 0x4B;
    case VK_RIGHT: return 0x4D;
    case VK_END: return 0x4F;
    case VK_DOWN: return 0x50;
    case VK_NEXT: return 0x51;
    case VK_INSERT: return 0x52;
    case VK_DELETE: return 0x53;
    case VK_OEM_MINUS: return 0x0C;
    case VK_OEM_PLUS: return 0x0D;
    case VK_OEM_4: return 0x1A;
    case VK_OEM_6: return 0x1B;
    case VK_OEM_1: return 0x27;
    case VK_OEM_7: return 0x28;
    case VK_OEM_3: return 0x29;
    case VK_OEM_5: return 0x2B;
    case VK_OEM_COMMA: return 0x33;
    case VK_OEM_PERIOD: return 0x34;
    case VK_OEM_2: return 0x35;
    }
    if (vk >= VK_F1 && vk <= VK_F10)
        return (BYTE)(0x3B + (vk - VK_F1));
    if (vk == VK_F11)
        return 0x57;
    if (vk == VK_F12)
        return 0x58;
    return 0;
}

bool IsExtendedKey(BYTE vk)
{
    switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_RCONTROL: case VK_RMENU:
    case VK_DIVIDE: case VK_NUMLOCK:
        return true;
    }
    return false;
}

WPARAM MouseKeyFlags(const BYTE* ks)
{
    WPARAM f = 0;
    if (ks[VK_LBUTTON] & 0x80)
        f |= MK_LBUTTON;
    if (ks[VK_RBUTTON] & 0x80)
        f |= MK_RBUTTON;
    if (ks[VK_MBUTTON] & 0x80)
        f |= MK_MBUTTON;
    if (ks[VK_SHIFT] & 0x80)
        f |= MK_SHIFT;
    if (ks[VK_CONTROL] & 0x80)
        f |= MK_CONTROL;
    return f;
}

bool IsButtonDown(UINT m)
{
    return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN;
}

int ButtonVk(UINT m)
{
    switch (m) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return VK_LBUTTON;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return VK_RBUTTON;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return VK_MBUTTON;
    }
    return 0;
}

void ClampToScreen(POINT& p)
{
    State& s = S();
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    RECT r = {0, 0, w, h};
    if (s.clipCursor)
        r = s.clipRect;
    if (p.x < r.left)
        p.x = r.left;
    if (p.y < r.top)
        p.y = r.top;
    if (p.x > r.right - 1)
        p.x = r.right - 1;
    if (p.y > r.bottom - 1)
        p.y = r.bottom - 1;
}

void MoveCursorTo(POINT p)
{
    State& s = S();
    ClampToScreen(p);
    s.cursorPos = p;
}

// The mouse left the tracked window (or its client or non-client part):
// WM_MOUSELEAVE; a move far enough within it restarts the hover time.
void TrackMouse(Window* under, bool client, POINT pt)
{
    State& s = S();
    MouseTrack& t = s.mouseTrack;
    if (!t.hwnd)
        return;
    Window* tracked = Find(t.hwnd);
    if (!tracked) {
        t = MouseTrack();
        return;
    }
    bool nonclient = (t.flags & TME_NONCLIENT) != 0;
    // With the capture, the window under the cursor is what counts.
    Window* really = WindowAtPoint(pt, true);
    bool inside = really == tracked;
    if (inside && under == tracked)
        inside = nonclient ? !client : client;
    else if (inside)
        inside = PtIn(ClientRectScreen(tracked), pt) != nonclient;
    if (!inside) {
        if (t.flags & TME_LEAVE)
            PostTo(t.hwnd, nonclient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        t = MouseTrack();
        return;
    }
    int cx = 4, cy = 4;
    if (std::abs(pt.x - t.hoverPt.x) > cx / 2 || std::abs(pt.y - t.hoverPt.y) > cy / 2) {
        t.hoverPt = pt;
        t.hoverDue = Now() + t.hoverTime;
    }
}

bool ConvertMouse(InputEvent& e)
{
    State& s = S();
    // The synchronous button state moves with the messages.
    if (int vk = ButtonVk(e.button)) {
        if (IsButtonDown(e.button))
            s.keyState[vk] |= 0x80;
        else
            s.keyState[vk] &= ~0x80;
    }
    if (ScrollTrackingMouse(e))
        return false;

    if (e.button == WM_MOUSEWHEEL || e.button == WM_MOUSEHWHEEL) {
        // The wheel (either way) scrolls what is under the pointer
        // (DefWindowProc passes it up to the parents); the capture window
        // keeps it while it holds the mouse; off every window it goes to the
        // focus.
        Window* w = Find(s.capture);
        if (!w) {
            w = WindowAtPoint(e.pt, true);
            if (w && (w->style & WS_DISABLED))
                return false;
        }
        if (!w)
            w = Find(s.focus);
        if (!w)
            w = Find(s.active);
        if (!w)
            return false;
        e.msg = MSG{};
        e.msg.hwnd = w->hwnd;
        e.msg.message = e.button;
        e.msg.wParam = MAKEWPARAM(MouseKeyFlags(s.keyState), (WORD)(SHORT)e.wheel);
        e.msg.lParam = MAKELPARAM((WORD)(SHORT)e.pt.x, (WORD)(SHORT)e.pt.y);
        e.msg.time = e.time;
        e.msg.pt = e.pt;
        return true;
    }

    Window* target = nullptr;
    int hit = HTCLIENT;
    bool captured = false;
    if (Window* c = Find(s.capture)) {
        target = c;
        captured = true;
    } else {
        target = WindowAtPoint(e.pt, true);
        if (!target)
            return false;
        WindowPin keep(target);
        hit = (int)(LONG)Send(target, WM_NCHITTEST, 0, MAKELPARAM((WORD)(SHORT)e.pt.x, (WORD)(SHORT)e.pt.y));
        if (!Find(target->hwnd))
            return false;
        if (hit == HTTRANSPARENT)
            hit = HTNOWHERE;
    }
    WindowPin keep(target);
    HWND th = target->hwnd;
    if (!captured && (target->style & WS_DISABLED)) {
        // A disabled window gets no mouse input; the cursor still follows.
        if (e.button == WM_MOUSEMOVE)
            Send(target, WM_SETCURSOR, (WPARAM)th, MAKELPARAM((WORD)(SHORT)HTERROR, e.button));
        return false;
    }

    if (!captured && IsButtonDown(e.button)) {
        Window* top = TopLevelOf(target);
        if (top && top->hwnd != s.active) {
            LRESULT ma = Send(target, WM_MOUSEACTIVATE, (WPARAM)top->hwnd, MAKELPARAM((WORD)(SHORT)hit, e.button));
            if (ma == MA_ACTIVATE || ma == MA_ACTIVATEANDEAT || ma == 0) {
                if (Find(top->hwnd))
                    ActivateWindow(top, true);
            }
            if (ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT)
                return false;
            if (!Find(th))
                return false;
        }
    }
    if (!captured) {
        Send(target, WM_SETCURSOR, (WPARAM)th, MAKELPARAM((WORD)(SHORT)hit, e.button));
        if (!Find(th))
            return false;
    }

    UINT msg = e.button;
    bool client = captured || hit == HTCLIENT;
    TrackMouse(target, client, e.pt);
    if (!Find(th))
        return false;
    if (IsButtonDown(msg)) {
        bool allowDbl = client ? (target->cls->style & CS_DBLCLKS) != 0 : true;
        int cx = GetSystemMetrics(SM_CXDOUBLECLK), cy = GetSystemMetrics(SM_CYDOUBLECLK);
        if (allowDbl && s.lastDownMsg == msg && s.lastDownHwnd == th && e.time - s.lastDownTime <= s.doubleClickTime &&
            std::abs(e.pt.x - s.lastDownPt.x) <= cx / 2 && std::abs(e.pt.y - s.lastDownPt.y) <= cy / 2) {
            msg = msg + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN);
            s.lastDownMsg = 0;
            s.lastDownHwnd = nullptr;
        } else {
            s.lastDownMsg = msg;
            s.lastDownHwnd = th;
            s.lastDownTime = e.time;
            s.lastDownPt = e.pt;
        }
    }
    e.msg = MSG{};
    e.msg.hwnd = th;
    e.msg.time = e.time;
    e.msg.pt = e.pt;
    if (client) {
        POINT o = ClientOriginScreen(target);
        e.msg.message = msg;
        e.msg.wParam = MouseKeyFlags(s.keyState);
        e.msg.lParam = MAKELPARAM((WORD)(SHORT)(e.pt.x - o.x), (WORD)(SHORT)(e.pt.y - o.y));
    } else {
        e.msg.message = msg - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        e.msg.wParam = (WPARAM)hit;
        e.msg.lParam = MAKELPARAM((WORD)(SHORT)e.pt.x, (WORD)(SHORT)e.pt.y);
    }
    return true;
}

bool ConvertKey(InputEvent& e)
{
    State& s = S();
    Window* w = Find(s.focus);
    bool sys = false;
    if (!w) {
        // Without a focus window, keys go to the active window as system keys.
        w = Find(s.active);
        sys = true;
    }
    if (!w)
        return false;
    bool alt = (s.keyState[VK_MENU] & 0x80) != 0 || e.vk == VK_MENU || e.vk == VK_LMENU || e.vk == VK_RMENU;
    bool ctrl = (s.keyState[VK_CONTROL] & 0x80) != 0;
    if (e.vk == VK_MENU || e.vk == VK_LMENU || e.vk == VK_RMENU)
        alt = !e.up;
    if ((alt && !ctrl) || e.vk == VK_F10)
        sys = true;
    if (e.vk == VK_MENU || e.vk == VK_LMENU || e.vk == VK_RMENU)
        sys = true;
    bool wasDown = (s.keyState[e.vk] & 0x80) != 0;
    LPARAM lp = 1;
    lp |= (LPARAM)e.scan << 16;
    if (e.extended)
        lp |= (LPARAM)1 << 24;
    if (alt && sys)
        lp |= (LPARAM)1 << 29;
    if (e.up || wasDown)
        lp |= (LPARAM)1 << 30;
    if (e.up)
        lp |= (LPARAM)1 << 31;
    // The character of a VK_PACKET key rides above the 32 bits that key
    // messages define, where TranslateMessage finds it.
    if (e.vk == VK_PACKET)
        lp = (LPARAM)(DWORD)lp | ((LPARAM)e.unicode << 32);
    e.msg = MSG{};
    e.msg.hwnd = w->hwnd;
    e.msg.message = e.up ? (sys ? WM_SYSKEYUP : WM_KEYUP) : (sys ? WM_SYSKEYDOWN : WM_KEYDOWN);
    e.msg.wParam = e.vk;
    e.msg.lParam = e.vk == VK_PACKET ? lp : (LPARAM)(DWORD)lp;
    e.msg.time = e.time;
    e.msg.pt = s.cursorPos;
    return true;
}

}  // namespace

void ApplyKeyToState(BYTE* t, BYTE vk, bool up)
{
    auto set = [&](int k) {
        if (!up) {
            if (!(t[k] & 0x80))
                t[k] ^= 0x01;
            t[k] |= 0x80;
        } else {
            t[k] &= ~0x80;
        }
    };
    set(vk);
    struct Trio {
        BYTE generic, left, right;
    };
    static const Trio trios[] = {{VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
                                 {VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
                                 {VK_MENU, VK_LMENU, VK_RMENU}};
    for (const Trio& tr : trios) {
        if (vk == tr.generic) {
            t[tr.left] = (BYTE)((t[tr.left] & 0x01) | (up ? 0 : 0x80));
        } else if (vk == tr.left || vk == tr.right) {
            bool down = (t[tr.left] & 0x80) || (t[tr.right] & 0x80);
            t[tr.generic] = (BYTE)((t[tr.generic] & 0x01) | (down ? 0x80 : 0));
        }
    }
}

void SetAsyncButton(int vk, bool down)
{
    State& s = S();
    if (down)
        s.asyncKeyState[vk] |= 0x80;
    else
        s.asyncKeyState[vk] &= ~0x80;
}

void QueueMouse(UINT button, int wheel, ULONG_PTR extra)
{
    State& s = S();
    InputEvent e;
    e.kind = InputEvent::Mouse;
    e.button = button;
    e.pt = s.cursorPos;
    e.wheel = wheel;
    e.extra = extra;
    e.time = Now();
    s.input.push_back(e);
}

void QueueKey(BYTE vk, BYTE scan, bool up, bool extended, ULONG_PTR extra, WORD unicode)
{
    State& s = S();
    InputEvent e;
    e.kind = InputEvent::Key;
    e.vk = vk;
    e.scan = scan ? scan : ScanCodeOf(vk);
    e.up = up;
    e.extended = extended || IsExtendedKey(vk);
    e.extra = extra;
    e.unicode = unicode;
    e.time = Now();
    ApplyKeyToState(s.asyncKeyState, vk, up);
    s.input.push_back(e);
}

void CheckMouseHover()
{
    State& s = S();
    MouseTrack& t = s.mouseTrack;
    if (!t.hwnd || !(t.flags & TME_HOVER))
        return;
    Window* w = Find(t.hwnd);
    if (!w) {
        t = MouseTrack();
        return;
    }
    if ((LONG)(Now() - t.hoverDue) < 0)
        return;
    t.flags &= ~TME_HOVER;
    if (t.flags & TME_NONCLIENT) {
        PostTo(t.hwnd, WM_NCMOUSEHOVER, (WPARAM)SendMessageA(t.hwnd, WM_NCHITTEST, 0,
                                                         MAKELPARAM((WORD)(SHORT)s.cursorPos.x, (WORD)(SHORT)s.cursorPos.y)),
               MAKELPARAM((WORD)(SHORT)s.cursorPos.x, (WORD)(SHORT)s.cursorPos.y));
    } else {
        POINT o = ClientOriginScreen(w);
        PostTo(t.hwnd, WM_MOUSEHOVER, MouseKeyFlags(s.keyState),
               MAKELPARAM((WORD)(SHORT)(s.cursorPos.x - o.x), (WORD)(SHORT)(s.cursorPos.y - o.y)));
    }
    if (!t.flags || t.flags == TME_NONCLIENT)
        t = MouseTrack();
}

bool ConvertInput(InputEvent& e)
{
    if (e.kind == InputEvent::Mouse)
        return ConvertMouse(e);
    return ConvertKey(e);
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

namespace {

void MouseEvent(DWORD flags, LONG dx, LONG dy, DWORD data, ULONG_PTR extra)
{
    State& s = S();
    if (flags & MOUSEEVENTF_MOVE) {
        POINT p = s.cursorPos;
        if (flags & MOUSEEVENTF_ABSOLUTE) {
            // 0..65535 spans the screen.
            p.x = (LONG)(((long long)(dx & 0xFFFF) * GetSystemMetrics(SM_CXSCREEN)) >> 16);
            p.y = (LONG)(((long long)(dy & 0xFFFF) * GetSystemMetrics(SM_CYSCREEN)) >> 16);
        } else {
            p.x += dx;
            p.y += dy;
        }
        MoveCursorTo(p);
        QueueMouse(WM_MOUSEMOVE, 0, extra);
    }
    struct B {
        DWORD flag;
        UINT msg;
        int vk;
        bool down;
    };
    static const B buttons[] = {{MOUSEEVENTF_LEFTDOWN, WM_LBUTTONDOWN, VK_LBUTTON, true},
                                {MOUSEEVENTF_LEFTUP, WM_LBUTTONUP, VK_LBUTTON, false},
                                {MOUSEEVENTF_RIGHTDOWN, WM_RBUTTONDOWN, VK_RBUTTON, true},
                                {MOUSEEVENTF_RIGHTUP, WM_RBUTTONUP, VK_RBUTTON, false},
                                {MOUSEEVENTF_MIDDLEDOWN, WM_MBUTTONDOWN, VK_MBUTTON, true},
                                {MOUSEEVENTF_MIDDLEUP, WM_MBUTTONUP, VK_MBUTTON, false}};
    for (const B& b : buttons)
        if (flags & b.flag) {
            SetAsyncButton(b.vk, b.down);
            QueueMouse(b.msg, 0, extra);
        }
    if (flags & MOUSEEVENTF_WHEEL)
        QueueMouse(WM_MOUSEWHEEL, (int)(LONG)data, extra);
    if (flags & MOUSEEVENTF_HWHEEL)
        QueueMouse(WM_MOUSEHWHEEL, (int)(LONG)data, extra);
}

}  // namespace

extern "C" {

VORAPI void WINAPI mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, ULONG_PTR extra)
{
    MouseEvent(flags, (LONG)dx, (LONG)dy, data, extra);
}

VORAPI void WINAPI keybd_event(BYTE vk, BYTE scan, DWORD flags, ULONG_PTR extra)
{
    if (!vk)
        return;
    QueueKey(vk, scan, (flags & KEYEVENTF_KEYUP) != 0, (flags & KEYEVENTF_EXTENDEDKEY) != 0, extra);
}

VORAPI UINT WINAPI SendInput(UINT n, LPINPUT inputs, int cb)
{
    if (!inputs || cb != (int)sizeof(INPUT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    UINT done = 0;
    for (UINT i = 0; i < n; ++i) {
        const INPUT& in = inputs[i];
        if (in.type == INPUT_MOUSE) {
            MouseEvent(in.mi.dwFlags, in.mi.dx, in.mi.dy, in.mi.mouseData, in.mi.dwExtraInfo);
        } else if (in.type == INPUT_KEYBOARD) {
            bool up = (in.ki.dwFlags & KEYEVENTF_KEYUP) != 0;
            if (in.ki.dwFlags & KEYEVENTF_UNICODE) {
                // A character without a key: VK_PACKET, the character in wScan.
                if (in.ki.wVk)
                    continue;
                QueueKey(VK_PACKET, 0, up, false, in.ki.dwExtraInfo, in.ki.wScan);
            } else if (in.ki.wVk) {
                QueueKey((BYTE)in.ki.wVk, (BYTE)in.ki.wScan, up, (in.ki.dwFlags & KEYEVENTF_EXTENDEDKEY) != 0,
                         in.ki.dwExtraInfo);
            }
        } else {
            continue;
        }
        ++done;
    }
    return done;
}

VORAPI SHORT WINAPI GetKeyState(int vk)
{
    if (vk < 0 || vk > 255)
        return 0;
    BYTE b = S().keyState[vk];
    return (SHORT)(((b & 0x80) ? 0xFF80 : 0) | (b & 0x01));
}

VORAPI SHORT WINAPI GetAsyncKeyState(int vk)
{
    if (vk < 0 || vk > 255)
        return 0;
    return (S().asyncKeyState[vk] & 0x80) ? (SHORT)0x8000 : 0;
}

VORAPI BOOL WINAPI GetKeyboardState(PBYTE ks)
{
    if (!ks)
        return FALSE;
    memcpy(ks, S().keyState, 256);
    return TRUE;
}

VORAPI UINT WINAPI GetDoubleClickTime(void)
{
    return S().doubleClickTime;
}

VORAPI BOOL WINAPI SetDoubleClickTime(UINT ms)
{
    S().doubleClickTime = ms ? ms : 500;
    return TRUE;
}

VORAPI BOOL WINAPI SwapMouseButton(BOOL)
{
    return FALSE;
}

VORAPI BOOL WINAPI GetCursorPos(LPPOINT pt)
{
    if (!pt)
        return FALSE;
    *pt = S().cursorPos;
    return TRUE;
}

VORAPI BOOL WINAPI SetCursorPos(int x, int y)
{
    MoveCursorTo(POINT{x, y});
    QueueMouse(WM_MOUSEMOVE, 0);
    return TRUE;
}

VORAPI BOOL WINAPI ClipCursor(const RECT* rc)
{
    State& s = S();
    if (!rc) {
        s.clipCursor = false;
        return TRUE;
    }
    RECT r = *rc;
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!IntersectRect(&r, &r, &screen))
        return FALSE;
    s.clipCursor = true;
    s.clipRect = r;
    MoveCursorTo(s.cursorPos);
    return TRUE;
}

VORAPI BOOL WINAPI GetClipCursor(LPRECT rc)
{
    State& s = S();
    if (!rc)
        return FALSE;
    *rc = s.clipCursor ? s.clipRect : RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return TRUE;
}

VORAPI BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT tme)
{
    State& s = S();
    if (!tme || tme->cbSize != sizeof(TRACKMOUSEEVENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    MouseTrack& t = s.mouseTrack;
    if (tme->dwFlags & TME_QUERY) {
        bool live = t.hwnd && Find(t.hwnd);
        tme->dwFlags = live ? t.flags : 0;
        tme->hwndTrack = live ? t.hwnd : nullptr;
        tme->dwHoverTime = live ? t.hoverTime : 0;
        return TRUE;
    }
    Window* w = Check(tme->hwndTrack);
    if (!w)
        return FALSE;
    DWORD want = tme->dwFlags & (TME_LEAVE | TME_HOVER);
    bool nonclient = (tme->dwFlags & TME_NONCLIENT) != 0;
    if (tme->dwFlags & TME_CANCEL) {
        if (t.hwnd == tme->hwndTrack && ((t.flags & TME_NONCLIENT) != 0) == nonclient) {
            t.flags &= ~want;
            if (!(t.flags & (TME_LEAVE | TME_HOVER)))
                t = MouseTrack();
        }
        return TRUE;
    }
    // Not over the window (or the part asked for): the leave comes at once.
    bool over = WindowAtPoint(s.cursorPos, true) == w &&
                PtIn(ClientRectScreen(w), s.cursorPos) != nonclient;
    if (!over) {
        if (want & TME_LEAVE)
            PostTo(w->hwnd, nonclient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    if (t.hwnd != w->hwnd || ((t.flags & TME_NONCLIENT) != 0) != nonclient)
        t = MouseTrack();
    t.hwnd = w->hwnd;
    t.flags |= want | (nonclient ? TME_NONCLIENT : 0);
    if (want & TME_HOVER) {
        t.hoverTime = (tme->dwHoverTime == HOVER_DEFAULT || tme->dwHoverTime == 0) ? 400 : tme->dwHoverTime;
        t.hoverPt = s.cursorPos;
        t.hoverDue = Now() + t.hoverTime;
    }
    return TRUE;
}

}  // extern "C"
