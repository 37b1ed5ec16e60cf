// Keyboard focus, activation of top-level windows, and mouse capture.
#include "user/user_state.h"

namespace vor::user {

void ActivateWindow(Window* top, bool byMouse)
{
    State& s = S();
    if (!top || top->destroyed)
        return;
    HWND newH = top->hwnd;
    HWND oldH = s.active;
    if (oldH == newH)
        return;
    CBTACTIVATESTRUCT cbt = {byMouse, oldH};
    if (CallHooks(WH_CBT, HCBT_ACTIVATE, (WPARAM)newH, (LPARAM)&cbt))
        return;
    WindowPin keepNew(top);
    if (Window* old = Find(oldH)) {
        WindowPin keepOld(old);
        old->active = false;
        Send(old, WM_NCACTIVATE, FALSE, (LPARAM)newH);
        if (Find(oldH))
            Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), (LPARAM)newH);
    } else {
        Send(top, WM_ACTIVATEAPP, TRUE, 0);
    }
    if (!Find(newH))
        return;
    s.active = newH;
    top->active = true;
    Send(top, WM_NCACTIVATE, TRUE, (LPARAM)oldH);
    if (!Find(newH))
        return;
    Send(top, WM_ACTIVATE, MAKEWPARAM(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, (top->style & WS_MINIMIZE) ? 1 : 0),
         (LPARAM)(Find(oldH) ? oldH : nullptr));
}

void ActivateNextTopLevel(Window* leaving)
{
    State& s = S();
    Window* next = nullptr;
    for (Window* c : s.desktop->children)
        if (c != leaving && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED) && !c->destroying) {
            next = c;
            break;
        }
    if (next) {
        ActivateWindow(next, false);
        return;
    }
    // Nothing left to activate: the window is only deactivated.
    HWND h = leaving->hwnd;
    s.active = nullptr;
    leaving->active = false;
    Send(leaving, WM_NCACTIVATE, FALSE, 0);
    if (Find(h))
        Send(leaving, WM_ACTIVATE, WA_INACTIVE, 0);
    if (s.focus && (s.focus == h || IsChild(h, s.focus)))
        SetFocus(nullptr);
}

// The focus window (or an ancestor of it) is being destroyed: the focus
// goes to the dying window's parent when that is a window, else nowhere.
void FocusLost(Window* dying)
{
    State& s = S();
    if (!s.focus)
        return;
    if (s.focus != dying->hwnd && !IsChild(dying->hwnd, s.focus))
        return;
    HWND to = nullptr;
    if ((dying->style & WS_CHILD) && dying->parent && !IsDesktop(dying->parent) && !dying->parent->destroying)
        to = dying->parent->hwnd;
    SetFocus(to);
    // A handler may have put the focus back inside: take it away for good.
    if (s.focus && (s.focus == dying->hwnd || IsChild(dying->hwnd, s.focus)))
        s.focus = nullptr;
}

void ReleaseCaptureOf(Window* dying)
{
    State& s = S();
    if (s.capture && (s.capture == dying->hwnd || IsChild(dying->hwnd, s.capture)))
        ReleaseCapture();
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI HWND WINAPI SetFocus(HWND hWnd)
{
    State& s = S();
    HWND old = s.focus;
    Window* w = nullptr;
    if (hWnd) {
        w = Check(hWnd);
        if (!w || IsDesktop(w))
            return nullptr;
        if (hWnd == old)
            return old;
        // A window in a disabled or hidden chain cannot take the focus.
        for (Window* a = w; a && !IsDesktop(a); a = a->parent)
            if (a->style & WS_DISABLED)
                return nullptr;
    }
    if (CallHooks(WH_CBT, HCBT_SETFOCUS, (WPARAM)hWnd, (LPARAM)old))
        return nullptr;
    if (w) {
        Window* top = TopLevelOf(w);
        if (top && top->hwnd != s.active) {
            ActivateWindow(top, false);
            // Activation may have moved the focus already.
            if (s.focus == hWnd)
                return old;
            if (!Find(hWnd))
                return nullptr;
            old = s.focus;
        }
    }
    // The focus moves first: during WM_KILLFOCUS GetFocus answers the new
    // window, and a handler that moves the focus again wins.
    s.focus = hWnd;
    if (Window* o = Find(old)) {
        Send(o, WM_KILLFOCUS, (WPARAM)hWnd, 0);
        if (s.focus != hWnd)
            return Find(old) ? old : nullptr;
    }
    if (hWnd && !Find(hWnd)) {
        if (s.focus == hWnd)
            s.focus = nullptr;
        return Find(old) ? old : nullptr;
    }
    if (w)
        Send(w, WM_SETFOCUS, (WPARAM)(Find(old) ? old : nullptr), 0);
    return Find(old) ? old : nullptr;
}

VORAPI HWND WINAPI GetFocus(void)
{
    State& s = S();
    return Find(s.focus) ? s.focus : nullptr;
}

VORAPI HWND WINAPI SetActiveWindow(HWND hWnd)
{
    State& s = S();
    HWND old = s.active;
    if (!hWnd) {
        if (Window* o = Find(old)) {
            s.active = nullptr;
            o->active = false;
            Send(o, WM_NCACTIVATE, FALSE, 0);
            if (Find(old))
                Send(o, WM_ACTIVATE, WA_INACTIVE, 0);
            if (s.focus)
                SetFocus(nullptr);
        }
        return old;
    }
    Window* w = Check(hWnd);
    if (!w)
        return nullptr;
    Window* top = TopLevelOf(w);
    if (!top)
        return nullptr;
    ActivateWindow(top, false);
    return Find(old) ? old : nullptr;
}

VORAPI HWND WINAPI GetActiveWindow(void)
{
    State& s = S();
    return Find(s.active) ? s.active : nullptr;
}

VORAPI HWND WINAPI GetForegroundWindow(void)
{
    return GetActiveWindow();
}

VORAPI BOOL WINAPI SetForegroundWindow(HWND hWnd)
{
    if (!Check(hWnd))
        return FALSE;
    SetActiveWindow(hWnd);
    return TRUE;
}

VORAPI HWND WINAPI SetCapture(HWND hWnd)
{
    State& s = S();
    HWND old = Find(s.capture) ? s.capture : nullptr;
    Window* w = Check(hWnd);
    if (!w || IsDesktop(w))
        return nullptr;
    s.capture = hWnd;
    if (old && old != hWnd)
        if (Window* o = Find(old))
            Send(o, WM_CAPTURECHANGED, 0, (LPARAM)hWnd);
    return old;
}

VORAPI BOOL WINAPI ReleaseCapture(void)
{
    State& s = S();
    HWND old = s.capture;
    s.capture = nullptr;
    if (Window* o = Find(old))
        Send(o, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

VORAPI HWND WINAPI GetCapture(void)
{
    State& s = S();
    return Find(s.capture) ? s.capture : nullptr;
}

}  // extern "C"
