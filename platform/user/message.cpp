// Messages: sending, posting, the queue and its retrieval order (posted
// messages, input, WM_QUIT, WM_PAINT, WM_TIMER), translation of keys into
// characters, dispatching, timers and hooks.
#include <algorithm>

#include "display/display_backend.h"
#include "gdi/codepage.h"
#include "vorplatform.h"
#include "user/user_state.h"

namespace vor::user {

namespace {

bool InRange(UINT msg, UINT lo, UINT hi)
{
    if (lo == 0 && hi == 0)
        return true;
    if (lo > hi)  // as Windows: an inverted range matches everything
        return true;
    return msg >= lo && msg <= hi;
}

// A window filter takes that window's messages only; -1 takes the messages
// posted to no window.
bool HwndMatches(HWND msgHwnd, HWND filter)
{
    if (!filter)
        return true;
    if (filter == (HWND)-1)
        return msgHwnd == nullptr;
    return msgHwnd == filter;
}

const Timer* DueTimer(HWND filter)
{
    State& s = S();
    DWORD now = Now();
    const Timer* best = nullptr;
    for (const Timer& t : s.timers) {
        if (t.system)
            continue;
        if ((LONG)(now - t.due) < 0)
            continue;
        if (!HwndMatches(t.hwnd, filter))
            continue;
        if (!best || (LONG)(t.due - best->due) < 0 || (t.due == best->due && t.serial < best->serial))
            best = &t;
    }
    return best;
}

bool PollDisplay()
{
    vor::display::Backend* b = vor::display::Current();
    if (!b || !b->HasRealClock())
        return false;
    size_t before = S().input.size() + S().posted.size();
    b->PollEvents();
    return S().input.size() + S().posted.size() != before || S().quitPosted;
}

}  // namespace

void PresentFrame(bool idle)
{
    // Every 16 ms at least (60 frames a second) while messages keep coming.
    const DWORD kFrameMs = 16;
    static DWORD lastPresent = 0;
    vor::display::Backend* b = vor::display::Current();
    if (!b || !b->HasRealClock())
        return;
    State& s = S();
    // A frame shows only whole paints.
    if (s.paintDepth > 0)
        return;
    DWORD now = Now();
    // The caret blinks in real time; each turn shows in the frame.
    CaretFollowClock(now);
    if (!idle && now - lastPresent < kFrameMs)
        return;
    lastPresent = now;
    b->PresentIfChanged();
}

namespace {

bool Retrieve(MSG* out, HWND filter, UINT lo, UINT hi, bool remove)
{
    State& s = S();
    // The hover time of TrackMouseEvent and the repeat of a held scroll bar
    // arrow are timers of the system.
    CheckMouseHover();
    CheckScrollRepeat();
    // 1. Posted messages.
    for (auto it = s.posted.begin(); it != s.posted.end(); ++it) {
        if (HwndMatches(it->hwnd, filter) && InRange(it->message, lo, hi)) {
            *out = *it;
            if (remove) {
                s.posted.erase(it);
                s.lastExtraInfo = 0;
            }
            return true;
        }
    }
    // 2. Input, converted in order the first time the queue reaches it.
    for (size_t i = 0; i < s.input.size();) {
        if (s.input[i].busy)
            break;  // a handler reading the queue while this event is routed
        if (!s.input[i].converted) {
            InputEvent e = s.input[i];
            s.input[i].busy = true;
            bool keep = ConvertInput(e);
            // Conversion sends messages, and a handler may have taken
            // events before this one meanwhile: find it again.
            size_t j = 0;
            while (j < s.input.size() && !s.input[j].busy)
                ++j;
            if (j == s.input.size())
                break;
            i = j;
            s.input[i].busy = false;
            if (!keep) {
                s.input.erase(s.input.begin() + i);
                continue;
            }
            e.busy = false;
            s.input[i] = e;
            s.input[i].converted = true;
        }
        const MSG& m = s.input[i].msg;
        if (HwndMatches(m.hwnd, filter) && InRange(m.message, lo, hi)) {
            *out = m;
            if (remove) {
                // The synchronous key state follows the messages taken.
                InputEvent e = s.input[i];
                s.input.erase(s.input.begin() + i);
                s.lastExtraInfo = (LPARAM)e.extra;
                if (e.kind == InputEvent::Key)
                    ApplyKeyToState(s.keyState, e.vk, e.up);
            }
            return true;
        }
        ++i;
    }
    // 3. WM_QUIT, once nothing else is posted.
    if (s.quitPosted && InRange(WM_QUIT, lo, hi) && !filter) {
        *out = MSG{};
        out->message = WM_QUIT;
        out->wParam = (WPARAM)s.quitCode;
        out->time = Now();
        out->pt = s.cursorPos;
        if (remove)
            s.quitPosted = false;
        return true;
    }
    // 4. WM_PAINT.
    if (InRange(WM_PAINT, lo, hi)) {
        PaintDesktopIfNeeded();
        if (Window* w = NextWindowToPaint(filter && filter != (HWND)-1 ? filter : nullptr)) {
            if (!filter || HwndMatches(w->hwnd, filter)) {
                *out = MSG{};
                out->hwnd = w->hwnd;
                out->message = WM_PAINT;
                out->time = Now();
                out->pt = s.cursorPos;
                return true;
            }
        }
    }
    // 5. WM_TIMER.
    if (InRange(WM_TIMER, lo, hi)) {
        if (const Timer* t = DueTimer(filter)) {
            *out = MSG{};
            out->hwnd = t->hwnd;
            out->message = WM_TIMER;
            out->wParam = t->id;
            out->lParam = (LPARAM)t->proc;
            out->time = Now();
            out->pt = s.cursorPos;
            if (remove) {
                Timer* mt = const_cast<Timer*>(t);
                mt->due = Now() + mt->elapse;
            }
            return true;
        }
    }
    return false;
}

}  // namespace

void PostTo(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    State& s = S();
    MSG m = {};
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wp;
    m.lParam = lp;
    m.time = Now();
    m.pt = s.cursorPos;
    s.posted.push_back(m);
}

void DropMessagesFor(HWND hwnd)
{
    State& s = S();
    s.posted.erase(std::remove_if(s.posted.begin(), s.posted.end(), [&](const MSG& m) { return m.hwnd == hwnd; }),
                   s.posted.end());
    for (InputEvent& e : s.input)
        if (e.converted && e.msg.hwnd == hwnd)
            e.converted = false;  // routed again when it is reached
}

void KillTimersOf(HWND hwnd)
{
    State& s = S();
    s.timers.erase(std::remove_if(s.timers.begin(), s.timers.end(), [&](const Timer& t) { return t.hwnd == hwnd; }),
                   s.timers.end());
}

DWORD NextTimerDue(bool* any)
{
    State& s = S();
    *any = false;
    DWORD best = 0;
    for (const Timer& t : s.timers) {
        if (t.system)
            continue;
        if (!*any || (LONG)(t.due - best) < 0)
            best = t.due;
        *any = true;
    }
    return best;
}

namespace {

// The hook being called, so that CallNextHookEx continues the chain from
// it whatever handle it is given (as Windows does).
std::vector<HHOOK> g_hookStack;

LRESULT CallFrom(int type, size_t start, int code, WPARAM wp, LPARAM lp)
{
    State& s = S();
    for (size_t i = start; i < s.hooks.size(); ++i) {
        if (s.hooks[i].type != type || !s.hooks[i].proc)
            continue;
        HOOKPROC proc = s.hooks[i].proc;
        g_hookStack.push_back(s.hooks[i].handle);
        LRESULT r = proc(code, wp, lp);  // the procedure calls CallNextHookEx for the rest
        g_hookStack.pop_back();
        return r;
    }
    return 0;
}

}  // namespace

LRESULT CallHooks(int type, int code, WPARAM wp, LPARAM lp)
{
    return CallFrom(type, 0, code, wp, lp);
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI LRESULT WINAPI SendMessageA(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    State& s = S();
    if (hWnd == HWND_BROADCAST) {
        std::vector<HWND> tops;
        for (Window* c : s.desktop->children)
            tops.push_back(c->hwnd);
        for (HWND h : tops)
            if (Window* w = Find(h))
                Send(w, msg, wp, lp);
        return 0;
    }
    Window* w = Check(hWnd);
    if (!w)
        return 0;
    WindowPin keep(w);
    return Send(w, msg, wp, lp);
}

VORAPI BOOL WINAPI PostMessageA(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    State& s = S();
    if (hWnd == HWND_BROADCAST) {
        for (Window* c : s.desktop->children)
            PostTo(c->hwnd, msg, wp, lp);
        return TRUE;
    }
    if (hWnd && !Check(hWnd))
        return FALSE;
    PostTo(hWnd, msg, wp, lp);
    return TRUE;
}

VORAPI BOOL WINAPI PostThreadMessageA(DWORD idThread, UINT msg, WPARAM wp, LPARAM lp)
{
    if (idThread != GetCurrentThreadId()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    PostTo(nullptr, msg, wp, lp);
    return TRUE;
}

VORAPI void WINAPI PostQuitMessage(int code)
{
    State& s = S();
    s.quitPosted = true;
    s.quitCode = code;
}

VORAPI BOOL WINAPI PeekMessageA(LPMSG msg, HWND hWnd, UINT lo, UINT hi, UINT remove)
{
    State& s = S();
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (hWnd && hWnd != (HWND)-1 && !Check(hWnd))
        return FALSE;
    MSG m;
    bool got = Retrieve(&m, hWnd, lo, hi, (remove & PM_REMOVE) != 0);
    if (!got && PollDisplay()) {
        // With a desktop display, what the person did meanwhile is input too.
        got = Retrieve(&m, hWnd, lo, hi, (remove & PM_REMOVE) != 0);
    }
    PresentFrame(!got);
    if (!got)
        return FALSE;
    *msg = m;
    if (remove & PM_REMOVE)
        s.lastMsg = m;
    return TRUE;
}

VORAPI BOOL WINAPI GetMessageA(LPMSG msg, HWND hWnd, UINT lo, UINT hi)
{
    State& s = S();
    if (!msg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    for (;;) {
        if (PeekMessageA(msg, hWnd, lo, hi, PM_REMOVE))
            return msg->message != WM_QUIT;
        if (hWnd && hWnd != (HWND)-1 && !Find(hWnd))
            return -1;
        vor::display::Backend* b = vor::display::Current();
        bool any = false;
        DWORD due = NextTimerDue(&any);
        if (b && b->HasRealClock()) {
            // Idle: PeekMessage has presented the screen; sleep until input
            // or the next timer.
            DWORD now = Now();
            DWORD wait = any ? ((LONG)(due - now) > 0 ? due - now : 0) : 250;
            wait = std::min(wait, CaretNextTurn(now));
            b->WaitEvents(wait);
            continue;
        }
        // Headless, nothing will ever arrive by waiting: the loop ends as if
        // WM_QUIT had come, without moving the clock.
        *msg = MSG{};
        msg->message = WM_QUIT;
        msg->time = Now();
        msg->pt = s.cursorPos;
        return FALSE;
    }
}

VORAPI BOOL WINAPI WaitMessage(void)
{
    MSG m;
    return PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);
}

VORAPI DWORD WINAPI GetQueueStatus(UINT flags)
{
    State& s = S();
    DWORD st = 0;
    if (!s.posted.empty())
        st |= QS_POSTMESSAGE;
    for (const InputEvent& e : s.input)
        st |= e.kind == InputEvent::Key ? QS_KEY : (e.button == WM_MOUSEMOVE ? QS_MOUSEMOVE : QS_MOUSEBUTTON);
    if (NextWindowToPaint(nullptr))
        st |= QS_PAINT;
    bool any = false;
    DWORD due = NextTimerDue(&any);
    if (any && (LONG)(Now() - due) >= 0)
        st |= QS_TIMER;
    st &= flags;
    return MAKELONG(st, st);
}

VORAPI LRESULT WINAPI DispatchMessageA(const MSG* msg)
{
    State& s = S();
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        // Only a TIMERPROC that a live timer really holds is called.
        for (const Timer& t : s.timers)
            if (t.hwnd == msg->hwnd && t.id == msg->wParam && (LPARAM)t.proc == msg->lParam) {
                TIMERPROC proc = t.proc;
                proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
                return 0;
            }
        return 0;
    }
    if (!msg->hwnd)
        return 0;
    Window* w = Check(msg->hwnd);
    if (!w)
        return 0;
    WindowPin keep(w);
    if (msg->message == WM_PAINT)
        return SendPaint(w, msg->wParam, msg->lParam);
    return Send(w, msg->message, msg->wParam, msg->lParam);
}

VORAPI BOOL WINAPI TranslateMessage(const MSG* msg)
{
    State& s = S();
    if (!msg)
        return FALSE;
    UINT m = msg->message;
    if (m != WM_KEYDOWN && m != WM_SYSKEYDOWN) {
        return m == WM_KEYUP || m == WM_SYSKEYUP;
    }
    UINT vk = (UINT)msg->wParam & 0xFF;
    if (vk == VK_PACKET && m == WM_KEYDOWN) {
        // A character sent without a key: into the ANSI code page, one
        // WM_CHAR a byte (lead byte first); one the code page lacks is dropped.
        WCHAR wc = (WCHAR)(((ULONG_PTR)msg->lParam >> 32) & 0xFFFF);
        unsigned char bytes[4];
        int n = (wc >= 0xD800 && wc <= 0xDFFF) ? 0 : gdi::text::CodePage::Ansi().EncodeOne((char32_t)wc, bytes);
        for (int i = 0; i < n; ++i)
            PostTo(msg->hwnd, WM_CHAR, (WPARAM)bytes[i], (LPARAM)(DWORD)msg->lParam);
        return TRUE;
    }
    // A key whose character the desktop delivers as a VK_PACKET of its own
    // (see vorplatform.h) makes no character here.
    if (s.lastExtraInfo == (LPARAM)VOR_INPUT_TEXT_APART && msg->hwnd == s.lastMsg.hwnd &&
        msg->message == s.lastMsg.message && msg->wParam == s.lastMsg.wParam && msg->lParam == s.lastMsg.lParam &&
        msg->time == s.lastMsg.time)
        return TRUE;
    bool shift = (s.keyState[VK_SHIFT] & 0x80) != 0;
    bool ctrl = (s.keyState[VK_CONTROL] & 0x80) != 0;
    bool alt = (s.keyState[VK_MENU] & 0x80) != 0;
    bool caps = (s.keyState[VK_CAPITAL] & 0x01) != 0;
    int ch = -1;
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl && !alt)
            ch = (int)(vk - 'A' + 1);
        else if (ctrl && alt)
            ch = -1;
        else
            ch = (shift != caps) ? (int)vk : (int)(vk - 'A' + 'a');
    } else if (vk >= '0' && vk <= '9') {
        static const char shifted[] = ")!@#$%^&*(";
        if (!ctrl)
            ch = shift ? shifted[vk - '0'] : (int)vk;
    } else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        ch = (int)('0' + vk - VK_NUMPAD0);
    } else {
        struct Oem {
            UINT vk;
            char plain, shifted;
        };
        static const Oem oem[] = {{VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'},  {VK_OEM_COMMA, ',', '<'},
                                  {VK_OEM_MINUS, '-', '_'},  {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
                                  {VK_OEM_3, '`', '~'},      {VK_OEM_4, '[', '{'},     {VK_OEM_5, '\\', '|'},
                                  {VK_OEM_6, ']', '}'},      {VK_OEM_7, '\'', '"'},    {VK_MULTIPLY, '*', '*'},
                                  {VK_ADD, '+', '+'},        {VK_SUBTRACT, '-', '-'},  {VK_DECIMAL, '.', '.'},
                                  {VK_DIVIDE, '/', '/'}};
        for (const Oem& o : oem)
            if (o.vk == vk) {
                if (ctrl) {
                    if (vk == VK_OEM_4)
                        ch = 27;
                    else if (vk == VK_OEM_5)
                        ch = 28;
                    else if (vk == VK_OEM_6)
                        ch = 29;
                } else {
                    ch = shift ? o.shifted : o.plain;
                }
            }
        switch (vk) {
        case VK_SPACE: ch = ' '; break;
        case VK_RETURN: ch = ctrl ? '\n' : '\r'; break;
        case VK_BACK: ch = ctrl ? 0x7F : 0x08; break;
        case VK_TAB: ch = ctrl ? -1 : '\t'; break;
        case VK_ESCAPE: ch = 0x1B; break;
        case VK_CANCEL: ch = ctrl ? 0x03 : -1; break;
        }
    }
    if (ch >= 0)
        PostTo(msg->hwnd, m == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR, (WPARAM)(unsigned char)ch, msg->lParam);
    return TRUE;
}

VORAPI LPARAM WINAPI GetMessageExtraInfo(void)
{
    return S().lastExtraInfo;
}

VORAPI LPARAM WINAPI SetMessageExtraInfo(LPARAM lParam)
{
    State& s = S();
    LPARAM old = s.lastExtraInfo;
    s.lastExtraInfo = lParam;
    return old;
}

VORAPI BOOL WINAPI InSendMessage(void)
{
    // One thread: a message is never sent from another thread.
    return FALSE;
}

VORAPI DWORD WINAPI GetMessagePos(void)
{
    const MSG& m = S().lastMsg;
    return (DWORD)MAKELONG((WORD)(SHORT)m.pt.x, (WORD)(SHORT)m.pt.y);
}

VORAPI LONG WINAPI GetMessageTime(void)
{
    return (LONG)S().lastMsg.time;
}

VORAPI UINT WINAPI RegisterWindowMessageA(LPCSTR name)
{
    State& s = S();
    if (!name || !*name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string key(name);
    for (char& c : key)
        c = (char)tolower((unsigned char)c);
    auto it = s.registeredMessages.find(key);
    if (it != s.registeredMessages.end())
        return it->second;
    UINT id = s.nextRegisteredMessage++;
    s.registeredMessages[key] = id;
    return id;
}

// ---- timers -----------------------------------------------------------------------------

VORAPI UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    State& s = S();
    if (hWnd && !Check(hWnd))
        return 0;
    // USER_TIMER_MINIMUM and USER_TIMER_MAXIMUM of Windows.
    if (elapse < 10)
        elapse = 10;
    if (elapse > 0x7FFFFFFF)
        elapse = 0x7FFFFFFF;
    if (!hWnd) {
        // A thread timer: the id is chosen here unless it names an existing one.
        bool exists = false;
        for (const Timer& t : s.timers)
            if (!t.hwnd && t.id == id && id)
                exists = true;
        if (!exists)
            id = s.nextThreadTimerId++;
    }
    for (Timer& t : s.timers)
        if (t.hwnd == hWnd && t.id == id && !t.system) {
            t.elapse = elapse;
            t.proc = proc;
            t.due = Now() + elapse;
            return hWnd ? (id ? id : 1) : id;
        }
    Timer t;
    t.hwnd = hWnd;
    t.id = id;
    t.elapse = elapse;
    t.proc = proc;
    t.due = Now() + elapse;
    t.serial = s.nextTimerSerial++;
    s.timers.push_back(t);
    return hWnd ? (id ? id : 1) : id;
}

VORAPI BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR id)
{
    State& s = S();
    for (auto it = s.timers.begin(); it != s.timers.end(); ++it)
        if (it->hwnd == hWnd && it->id == id && !it->system) {
            s.timers.erase(it);
            return TRUE;
        }
    SetLastError(ERROR_INVALID_PARAMETER);  // no such timer
    return FALSE;
}

// ---- hooks ------------------------------------------------------------------------------------

VORAPI HHOOK WINAPI SetWindowsHookExA(int type, HOOKPROC proc, HINSTANCE hmod, DWORD thread)
{
    State& s = S();
    if (!proc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Hook h;
    h.handle = (HHOOK)s.nextHook;
    s.nextHook += 4;
    h.type = type;
    h.proc = proc;
    s.hooks.insert(s.hooks.begin(), h);
    return h.handle;
}

VORAPI BOOL WINAPI UnhookWindowsHookEx(HHOOK hhk)
{
    State& s = S();
    for (auto it = s.hooks.begin(); it != s.hooks.end(); ++it)
        if (it->handle == hhk) {
            s.hooks.erase(it);
            return TRUE;
        }
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

VORAPI LRESULT WINAPI CallNextHookEx(HHOOK hhk, int code, WPARAM wp, LPARAM lp)
{
    State& s = S();
    HHOOK current = !g_hookStack.empty() ? g_hookStack.back() : hhk;
    auto it = std::find_if(s.hooks.begin(), s.hooks.end(), [&](const Hook& h) { return h.handle == current; });
    if (it == s.hooks.end())
        return 0;
    return CallFrom(it->type, (size_t)(it - s.hooks.begin()) + 1, code, wp, lp);
}

}  // extern "C"
