// The state of the USER room: window objects, classes, the message queue,
// focus, capture, timers, the cursor, the caret. One process-wide instance,
// created lazily by the first call that needs it and rebuilt at every
// VorPlatformReset. Nothing here is exported.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "gdi/region.h"
#include "vorresource.h"
#include "windows.h"

namespace vor::user {

// WINDOWPOS flags that SetWindowPos adds for WM_WINDOWPOSCHANGED, as Windows
// does: the client area kept its size / its position, so DefWindowProc
// sends no WM_SIZE / WM_MOVE.
constexpr UINT kNoClientSize = 0x0800;
constexpr UINT kNoClientMove = 0x1000;

struct WindowClass {
    ATOM atom = 0;
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HICON hIconSm = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;
    std::string menuName;
    int windows = 0;  // live windows of the class
    std::vector<char> extra;
};

struct ScrollBarState {
    int nMin = 0, nMax = 100;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
    UINT arrows = ESB_ENABLE_BOTH;  // ESB_DISABLE_* bits
};

struct Window {
    HWND hwnd = nullptr;
    std::shared_ptr<WindowClass> cls;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    Window* parent = nullptr;  // the desktop for top-level windows
    Window* owner = nullptr;
    std::vector<Window*> children;  // z-order, topmost first
    RECT rcWindow = {};  // in the parent's client coordinates
    RECT rcClient = {};  // in the parent's client coordinates
    std::string text;
    LONG_PTR id = 0;  // GWL_ID (the menu handle of a top-level window)
    LONG_PTR userData = 0;
    HINSTANCE hInstance = nullptr;
    std::vector<char> extra;  // cbWndExtra bytes

    // Painting: the update region in window coordinates (0, 0 is the
    // window's top-left corner), whether erasing was asked for, whether the
    // frame needs WM_NCPAINT, and RDW_INTERNALPAINT.
    Region update;
    bool erase = false;
    bool ncPaint = false;
    bool internalPaint = false;
    bool inPaint = false;
    bool paintedThisDispatch = false;

    ScrollBarState vscroll, hscroll;
    void (*barSync)(HWND) = nullptr;  // writes out held-back bar values (SetScrollBarSync)
    bool destroying = false;
    bool destroyed = false;
    unsigned pins = 0;    // WindowPin objects holding the window
    bool parked = false;  // out of the window table, kept for its pins
    bool active = false;  // top-level: draws its caption active
    std::vector<HDC> dcs;  // device contexts handed out and not released
};

using WindowRef = std::shared_ptr<Window>;

// A window procedure call keeps its window alive until it returns, so a
// window destroyed inside its own handler is never freed under it. A pin is
// a plain count on the window (no atomic reference counting on every
// message): a window that leaves the window table while pinned is parked
// until its last pin goes.
void ParkIfPinned(const WindowRef& w);
void Unpark(Window* w);

class WindowPin {
public:
    explicit WindowPin(Window* w) : m_w(w)
    {
        if (m_w)
            ++m_w->pins;
    }
    ~WindowPin()
    {
        if (m_w && --m_w->pins == 0 && m_w->parked)
            Unpark(m_w);
    }
    WindowPin(const WindowPin&) = delete;
    WindowPin& operator=(const WindowPin&) = delete;

private:
    Window* m_w;
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    TIMERPROC proc = nullptr;
    DWORD due = 0;
    uint64_t serial = 0;  // creation order, for due timers in the same tick
    bool system = false;  // the caret's blink
};

// One queued input event, converted into a message the first time the
// queue reaches it (the conversion sends WM_NCHITTEST, WM_MOUSEACTIVATE and
// WM_SETCURSOR, as Windows does while retrieving input).
struct InputEvent {
    enum Kind { Mouse, Key } kind = Mouse;
    UINT button = 0;  // WM_MOUSEMOVE, WM_LBUTTONDOWN ... WM_MOUSEWHEEL, WM_MOUSEHWHEEL
    POINT pt = {};
    int wheel = 0;
    BYTE vk = 0;
    BYTE scan = 0;
    bool up = false;
    bool extended = false;
    WORD unicode = 0;       // VK_PACKET: the UTF-16 unit of KEYEVENTF_UNICODE
    ULONG_PTR extra = 0;    // dwExtraInfo of the input call
    DWORD time = 0;
    bool converted = false;
    bool busy = false;  // being converted (a handler may read the queue meanwhile)
    MSG msg = {};
};

struct Hook {
    HHOOK handle = nullptr;
    int type = 0;
    HOOKPROC proc = nullptr;
};

struct Caret {
    HWND hwnd = nullptr;
    int width = 0, height = 0;
    POINT pos = {};
    int hideCount = 1;  // shown when 0
    bool on = false;     // currently inverted on the screen
    HBITMAP bitmap = nullptr;
};

struct ScrollTrack {
    bool active = false;
    HWND hwnd = nullptr;
    int bar = SB_VERT;
    int part = 0;  // SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_THUMBTRACK
    int grabOffset = 0;
    HWND prevCapture = nullptr;
    DWORD nextRepeat = 0;  // arrows and shaft repeat while held
    POINT cursor = {};
};

// TrackMouseEvent: one window tracked at a time, as the cursor is over one.
struct MouseTrack {
    HWND hwnd = nullptr;
    DWORD flags = 0;  // TME_LEAVE | TME_HOVER | TME_NONCLIENT
    DWORD hoverTime = 400;
    DWORD hoverDue = 0;
    POINT hoverPt = {};
};

struct MessageBoxRecord {
    std::string text, caption;
    UINT type = 0;
};

struct State {
    std::unordered_map<HWND, WindowRef> windows;
    // The latest lookups of `windows` by handle, a slot per handle's low
    // bits; a slot is cleared when its window leaves `windows`.
    struct FoundWindow {
        HWND hwnd = nullptr;
        Window* window = nullptr;
    };
    static constexpr size_t kFoundSlots = 16;
    FoundWindow found[kFoundSlots];
    uintptr_t nextHwnd = 0x10010;
    WindowRef desktop;

    std::vector<std::shared_ptr<WindowClass>> classes;
    ATOM nextAtom = 0xC000;

    std::deque<MSG> posted;
    std::deque<InputEvent> input;
    bool quitPosted = false;
    int quitCode = 0;
    MSG lastMsg = {};
    LPARAM lastExtraInfo = 0;
    int paintDepth = 0;        // WM_PAINT handlers running (no frame is presented then)  // GetMessageExtraInfo: of the input message retrieved last

    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HCURSOR cursor = nullptr;
    POINT cursorPos = {};
    int cursorShowCount = 0;
    bool clipCursor = false;
    RECT clipRect = {};

    BYTE keyState[256] = {};       // as of the messages retrieved
    BYTE asyncKeyState[256] = {};  // as of the events sent

    // Double clicks: the last button press.
    UINT lastDownMsg = 0;
    HWND lastDownHwnd = nullptr;
    DWORD lastDownTime = 0;
    POINT lastDownPt = {};
    UINT doubleClickTime = 500;

    std::vector<Timer> timers;
    uint64_t nextTimerSerial = 1;
    UINT_PTR nextThreadTimerId = 0x7FF0;

    std::vector<Hook> hooks;  // newest first
    uintptr_t nextHook = 0x20010;

    Caret caret;
    UINT caretBlinkTime = 530;

    ScrollTrack scrollTrack;
    MouseTrack mouseTrack;

    std::vector<MessageBoxRecord> messageBoxes;

    // Clipboard
    bool clipboardOpen = false;
    HWND clipboardOpener = nullptr;
    HWND clipboardOwner = nullptr;
    std::map<UINT, HANDLE> clipboard;

    std::map<std::string, UINT> registeredMessages;
    UINT nextRegisteredMessage = 0xC000;
};

inline bool PtIn(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// ---- the state and its life ----------------------------------------------
// The state, initialising the platform on first use; inline, as nearly
// every call starts with it.
extern State* g_liveState;
State& StartState();
inline State& S()
{
    return g_liveState ? *g_liveState : StartState();
}
inline bool Initialised()
{
    return g_liveState != nullptr;
}
DWORD Now();        // the platform clock
void SetClock(DWORD ms);

// ---- windows -----------------------------------------------------------------
// Live windows only; sets no error. The latest lookup of a handle's slot
// answers without the table.
Window* FindInTable(HWND hwnd);
// Handles step by 4: the next bits choose the lookup slot.
inline size_t FoundSlot(HWND hwnd)
{
    return ((uintptr_t)hwnd >> 2) % State::kFoundSlots;
}
inline Window* Find(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    const State::FoundWindow& slot = S().found[FoundSlot(hwnd)];
    if (slot.hwnd != hwnd)
        return FindInTable(hwnd);
    return slot.window->destroyed ? nullptr : slot.window;
}
// Live windows; ERROR_INVALID_WINDOW_HANDLE otherwise.
inline Window* Check(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return w;
}
inline bool IsDesktop(const Window* w)
{
    return w && g_liveState && g_liveState->desktop.get() == w;
}
Window* ParentOf(const Window* w);  // GetParent's answer
Window* TopLevelOf(Window* w);   // the ancestor whose parent is the desktop
bool IsReallyVisible(const Window* w);  // itself and every ancestor visible
LRESULT CallProc(Window* w, WNDPROC proc, UINT msg, WPARAM wp, LPARAM lp);
LRESULT Send(Window* w, UINT msg, WPARAM wp, LPARAM lp);
void DestroyAllWindows();
void CreateDesktop();

// ---- geometry (geometry.cpp) --------------------------------------------------
POINT ClientOriginScreen(const Window* w);  // screen point of client (0, 0)
POINT WindowOriginScreen(const Window* w);  // screen point of the window's corner
RECT WindowRectScreen(const Window* w);
RECT ClientRectScreen(const Window* w);
RECT ClientRectInWindow(const Window* w);   // the client area in window coordinates
// The frame of a window as DefWindowProc computes it from its styles:
// window rectangle (window coordinates) -> client rectangle.
RECT DefaultClientRect(DWORD style, DWORD exStyle, const RECT& rcWindow);
// Pieces of the non-client area in window coordinates.
struct NonClientLayout {
    RECT frameInner;   // inside the border / frame
    RECT caption;      // empty when no caption
    RECT close;        // caption close button; empty when none
    RECT clientEdge;   // inside the client edge, scroll bars still included
    RECT vscroll;      // empty when none
    RECT hscroll;
    RECT sizeBox;      // the corner between the two bars
    int frame = 0;
};
NonClientLayout LayoutNonClient(const Window* w);
Window* WindowAtPoint(POINT screen, bool skipDisabled);
void InvalidateUncovered(Window* parent, const RECT& oldRect, const RECT& newRect);

// ---- painting (paint.cpp) -----------------------------------------------------
Region VisibleRegion(Window* w, bool client, bool clipChildren, bool clipSiblings);
void InvalidateWindow(Window* w, const Region* rgnWindowCoords, UINT flags);
void InvalidateWindowRect(Window* w, const RECT& rectWindowCoords, UINT flags);
void ValidateWindow(Window* w, const Region* rgnWindowCoords, bool children);
Window* NextWindowToPaint(HWND filter);
void EraseNow(Window* w, bool children);
void UpdateNow(Window* w, bool children);
// Sends WM_PAINT; a window whose handler never called BeginPaint is valid
// afterwards all the same.
LRESULT SendPaint(Window* w, WPARAM wp, LPARAM lp);
void ForgetDCs(Window* w);
HDC MakeDC(Window* w, bool windowDC, DWORD flags, const Region* extra, bool intersect);
Region RegionFromHrgn(HRGN h);
HRGN HrgnFromRegion(const Region& r);
void SendNcPaint(Window* w);
void PaintDesktopIfNeeded();

// ---- non-client drawing and scroll bars (nonclient.cpp, scrollbar.cpp) ----------
void DrawNonClient(Window* w, HDC hdc);
void DrawScrollBars(Window* w, HDC hdc);
int ScrollHitPart(Window* w, int bar, POINT windowPt, int* thumbStart);
void StartScrollTracking(Window* w, int bar, POINT screenPt);
bool ScrollTrackingMouse(const InputEvent& e);
void RedrawScrollBar(Window* w, int bar);
// A held arrow or shaft repeats its code on the clock.
void CheckScrollRepeat();
ScrollBarState* BarState(Window* w, int bar);

// ---- messages (message.cpp) -------------------------------------------------------
void PostTo(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
void DropMessagesFor(HWND hwnd);
void KillTimersOf(HWND hwnd);
DWORD NextTimerDue(bool* any);

// ---- input (input.cpp) --------------------------------------------------------------
void QueueMouse(UINT button, int wheel, ULONG_PTR extra = 0);
void QueueKey(BYTE vk, BYTE scan, bool up, bool extended, ULONG_PTR extra = 0, WORD unicode = 0);
bool ConvertInput(InputEvent& e);  // false: the event was consumed
// Presents the screen on the desktop display, if there is one: always when
// `idle` (the queue is empty), else at most once a frame.
void PresentFrame(bool idle);
// Posts WM_MOUSEHOVER when the tracked hover time has passed.
void CheckMouseHover();
void SetAsyncButton(int vk, bool down);
// A key going down or up in a key-state table: the down bit, the toggle
// bit, and the generic / left / right shift, control and alt entries.
void ApplyKeyToState(BYTE* table, BYTE vk, bool up);

// ---- focus, activation, capture (focus.cpp) ------------------------------------------
void FocusLost(Window* dying);
void ReleaseCaptureOf(Window* dying);
void ActivateWindow(Window* top, bool byMouse);
void ActivateNextTopLevel(Window* leaving);

// ---- cursor, caret, icons (cursor.cpp, caret.cpp) ---------------------------------------
void ResetCursors();
void CaretHideForPaint(Window* w);
void CaretShowAfterPaint(Window* w);
void CaretAdvance(DWORD from, DWORD to);
// With a real clock: the caret turns over for the time passed since it last
// followed the clock, and how long until it turns over next (INFINITE when
// it does not blink).
void CaretFollowClock(DWORD now);
DWORD CaretNextTurn(DWORD now);
void DestroyCaretOf(HWND hwnd);

// ---- kernel (kernel.cpp) ---------------------------------------------------------------
void ResetGlobalMemory();
// The text wsprintfA makes of a format and its arguments, before the limit
// of its buffer (wsprintf.cpp).
std::string FormatWsprintf(const char* format, va_list args);

// ---- system colours (sysparams.cpp) --------------------------------------------------
void ResetSysColors();

// ---- hooks ------------------------------------------------------------------------------
LRESULT CallHooks(int type, int code, WPARAM wp, LPARAM lp);

// ---- modules (module.cpp) ------------------------------------------------------------------
void AttachLinkedModules();
// Detaches every attached module as a process ends, keeping their records.
void DetachModulesAtProcessEnd();
// As a process ends, then forgets the libraries loaded at run time.
void DetachAllModules();

// ---- reset hooks and pre-translation (automation.cpp) ------------------------------------------
void RunResetHooks();

}  // namespace vor::user
