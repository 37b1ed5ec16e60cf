// The caret: one per process, owned by a window, drawn by inverting its
// rectangle on the screen, blinking on the platform clock.
#include "gdi/gdi_internal.h"
#include "user/user_state.h"

namespace vor::user {

namespace {

DWORD g_blinkPhaseStart = 0;
DWORD g_caretClockSeen = 0;  // the real clock when the caret last followed it

// Whether the caret turns over at all: shown, with a blink time.
bool Blinks(const State& s)
{
    return s.caret.hwnd && s.caret.hideCount == 0 && s.caretBlinkTime != 0 && s.caretBlinkTime != INFINITE;
}

// Inverts the caret's rectangle at `at`, and then at `then` when given
// (a move: off at the old place, on at the new one, through one device
// context).
void Invert(Caret& c, POINT at, const POINT* then = nullptr)
{
    Window* w = Find(c.hwnd);
    if (!w || !IsReallyVisible(w))
        return;
    HDC hdc = GetDC(c.hwnd);
    if (!hdc)
        return;
    RECT r = {at.x, at.y, at.x + c.width, at.y + c.height};
    InvertRect(hdc, &r);
    if (then) {
        r = RECT{then->x, then->y, then->x + c.width, then->y + c.height};
        InvertRect(hdc, &r);
    }
    ReleaseDC(c.hwnd, hdc);
}

void Invert(Caret& c)
{
    Invert(c, c.pos);
}

void Off(Caret& c)
{
    if (c.on) {
        Invert(c);
        c.on = false;
    }
}

void On(Caret& c)
{
    if (!c.on && c.hideCount == 0 && c.hwnd) {
        Window* w = Find(c.hwnd);
        if (w && w->inPaint)
            return;
        Invert(c);
        c.on = true;
    }
}

}  // namespace

void CaretHideForPaint(Window* w)
{
    Caret& c = S().caret;
    if (c.hwnd == w->hwnd)
        Off(c);
}

void CaretShowAfterPaint(Window* w)
{
    Caret& c = S().caret;
    if (c.hwnd == w->hwnd && c.hideCount == 0) {
        On(c);
        g_blinkPhaseStart = Now();
    }
}

// Every blink period the caret turns over; counted from when it was last
// shown or moved, so its state is a function of the clock.
void CaretAdvance(DWORD from, DWORD to)
{
    State& s = S();
    Caret& c = s.caret;
    if (!Blinks(s))
        return;
    // Time before the caret was last shown or moved does not count.
    if ((LONG)(from - g_blinkPhaseStart) < 0)
        from = g_blinkPhaseStart;
    if ((LONG)(to - from) <= 0)
        return;
    DWORD period = s.caretBlinkTime;
    DWORD before = (from - g_blinkPhaseStart) / period;
    DWORD after = (to - g_blinkPhaseStart) / period;
    if ((after - before) % 2 == 0)
        return;
    if (c.on)
        Off(c);
    else
        On(c);
}

void CaretFollowClock(DWORD now)
{
    CaretAdvance(g_caretClockSeen, now);
    g_caretClockSeen = now;
}

DWORD CaretNextTurn(DWORD now)
{
    State& s = S();
    if (!Blinks(s))
        return INFINITE;
    DWORD since = now - g_blinkPhaseStart;
    if ((LONG)since < 0)
        since = 0;
    return s.caretBlinkTime - since % s.caretBlinkTime;
}

void DestroyCaretOf(HWND hwnd)
{
    Caret& c = S().caret;
    if (c.hwnd == hwnd)
        c = Caret();
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI BOOL WINAPI CreateCaret(HWND hWnd, HBITMAP hBitmap, int w, int h)
{
    State& s = S();
    if (!Check(hWnd))
        return FALSE;
    DestroyCaret();
    Caret c;
    c.hwnd = hWnd;
    c.bitmap = hBitmap;
    if (hBitmap && hBitmap != (HBITMAP)1) {
        BITMAP bm = {};
        if (GetObjectA(hBitmap, sizeof(bm), &bm)) {
            w = bm.bmWidth;
            h = bm.bmHeight;
        }
    }
    c.width = w > 0 ? w : GetSystemMetrics(SM_CXBORDER);
    c.height = h > 0 ? h : GetSystemMetrics(SM_CYBORDER);
    c.hideCount = 1;
    s.caret = c;
    return TRUE;
}

VORAPI BOOL WINAPI DestroyCaret(void)
{
    State& s = S();
    if (!s.caret.hwnd)
        return FALSE;
    Off(s.caret);
    s.caret = Caret();
    return TRUE;
}

VORAPI BOOL WINAPI ShowCaret(HWND hWnd)
{
    Caret& c = S().caret;
    if (!c.hwnd || (hWnd && hWnd != c.hwnd) || c.hideCount == 0)
        return FALSE;
    if (--c.hideCount == 0) {
        On(c);
        g_blinkPhaseStart = Now();
    }
    return TRUE;
}

VORAPI BOOL WINAPI HideCaret(HWND hWnd)
{
    Caret& c = S().caret;
    if (!c.hwnd || (hWnd && hWnd != c.hwnd))
        return FALSE;
    if (c.hideCount++ == 0)
        Off(c);
    return TRUE;
}

VORAPI BOOL WINAPI SetCaretPos(int x, int y)
{
    Caret& c = S().caret;
    if (!c.hwnd)
        return FALSE;
    if (c.pos.x == x && c.pos.y == y)
        return TRUE;
    bool was = c.on;
    POINT from = c.pos;
    c.pos = POINT{x, y};
    if (was || c.hideCount == 0) {
        Window* w = Find(c.hwnd);
        if (was && c.hideCount == 0 && !(w && w->inPaint)) {
            // Shown before and after: both inversions through one device context.
            Invert(c, from, &c.pos);
        } else {
            if (was) {
                Invert(c, from);
                c.on = false;
            }
            On(c);
        }
        g_blinkPhaseStart = Now();
    }
    return TRUE;
}

VORAPI BOOL WINAPI GetCaretPos(LPPOINT pt)
{
    Caret& c = S().caret;
    if (!pt || !c.hwnd)
        return FALSE;
    *pt = c.pos;
    return TRUE;
}

VORAPI UINT WINAPI GetCaretBlinkTime(void)
{
    return S().caretBlinkTime;
}

VORAPI BOOL WINAPI SetCaretBlinkTime(UINT ms)
{
    S().caretBlinkTime = ms;
    return TRUE;
}

}  // extern "C"
