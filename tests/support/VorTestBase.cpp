#include "VorTestBase.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <map>

namespace vor::test {

struct RecorderRegistry {
    static std::map<HWND, MessageRecorder*>& Map()
    {
        static std::map<HWND, MessageRecorder*> m;
        return m;
    }
};

MessageRecorder::MessageRecorder() = default;

MessageRecorder::~MessageRecorder()
{
    for (const Entry& e : m_windows) {
        auto& map = RecorderRegistry::Map();
        auto it = map.find(e.hwnd);
        if (it != map.end() && it->second == this)
            map.erase(it);
        if (IsWindow(e.hwnd) && (WNDPROC)GetWindowLongPtrA(e.hwnd, GWLP_WNDPROC) == &MessageRecorder::Proc)
            SetWindowLongPtrA(e.hwnd, GWLP_WNDPROC, (LONG_PTR)e.old);
    }
}

void MessageRecorder::Attach(HWND hwnd, const char* name)
{
    if (!IsWindow(hwnd))
        return;
    Detach(hwnd);
    Entry e;
    e.hwnd = hwnd;
    if (name) {
        e.name = name;
    } else {
        char cls[64] = {};
        GetClassNameA(hwnd, cls, sizeof(cls));
        e.name = cls;
    }
    e.old = (WNDPROC)SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)&MessageRecorder::Proc);
    m_windows.push_back(e);
    RecorderRegistry::Map()[hwnd] = this;
}

void MessageRecorder::Detach(HWND hwnd)
{
    auto it = std::find_if(m_windows.begin(), m_windows.end(), [&](const Entry& e) { return e.hwnd == hwnd; });
    if (it == m_windows.end())
        return;
    if (IsWindow(hwnd) && (WNDPROC)GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == &MessageRecorder::Proc)
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)it->old);
    m_windows.erase(it);
    RecorderRegistry::Map().erase(hwnd);
}

void MessageRecorder::Ignore(UINT message)
{
    m_ignored.push_back(message);
}

void MessageRecorder::IgnoreDefaults()
{
    for (UINT m : {WM_NCHITTEST, WM_SETCURSOR, WM_GETTEXT, WM_GETTEXTLENGTH, WM_NCMOUSEMOVE, WM_GETMINMAXINFO,
                   WM_GETFONT, WM_GETDLGCODE})
        Ignore(m);
}

void MessageRecorder::Name(HWND hwnd, const char* name)
{
    for (auto& n : m_names)
        if (n.first == hwnd) {
            n.second = name ? name : "";
            return;
        }
    m_names.emplace_back(hwnd, name ? name : "");
}

void MessageRecorder::Note(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    RecordedMessage m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wp;
    m.lParam = lp;
    if (msg == WM_NOTIFY && lp)
        m.code = ((const NMHDR*)lp)->code;
    else if (msg == WM_COMMAND)
        m.code = HIWORD(wp);
    Record(m);
}

void MessageRecorder::Record(const RecordedMessage& m)
{
    if (std::find(m_ignored.begin(), m_ignored.end(), m.message) != m_ignored.end())
        return;
    m_messages.push_back(m);
}

LRESULT CALLBACK MessageRecorder::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto& map = RecorderRegistry::Map();
    auto it = map.find(hwnd);
    if (it == map.end())
        return DefWindowProcA(hwnd, msg, wp, lp);
    MessageRecorder* r = it->second;
    auto e = std::find_if(r->m_windows.begin(), r->m_windows.end(), [&](const Entry& x) { return x.hwnd == hwnd; });
    WNDPROC old = e != r->m_windows.end() ? e->old : nullptr;
    RecordedMessage m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wp;
    m.lParam = lp;
    if (msg == WM_NOTIFY && lp)
        m.code = ((const NMHDR*)lp)->code;
    else if (msg == WM_COMMAND)
        m.code = HIWORD(wp);
    r->Record(m);
    LRESULT result = old ? CallWindowProcA(old, hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        auto again = map.find(hwnd);
        if (again != map.end() && again->second == r) {
            map.erase(again);
            r->m_windows.erase(std::remove_if(r->m_windows.begin(), r->m_windows.end(),
                                              [&](const Entry& x) { return x.hwnd == hwnd; }),
                               r->m_windows.end());
        }
    }
    return result;
}

std::string MessageRecorder::NameOf(HWND hwnd) const
{
    if (!hwnd)
        return "0";
    for (const Entry& e : m_windows)
        if (e.hwnd == hwnd)
            return e.name;
    for (const auto& n : m_names)
        if (n.first == hwnd)
            return n.second;
    // Windows that were recorded and are gone keep their name in the log.
    char buf[32];
    snprintf(buf, sizeof(buf), "%p", (void*)hwnd);
    return buf;
}

std::string MessageRecorder::MessageName(UINT m)
{
    static const std::map<UINT, const char*> names = {
        {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"}, {WM_SIZE, "WM_SIZE"},
        {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"}, {WM_SETTEXT, "WM_SETTEXT"}, {WM_GETTEXT, "WM_GETTEXT"},
        {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"},
        {WM_QUIT, "WM_QUIT"}, {WM_ERASEBKGND, "WM_ERASEBKGND"}, {WM_SYSCOLORCHANGE, "WM_SYSCOLORCHANGE"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"}, {WM_CANCELMODE, "WM_CANCELMODE"},
        {WM_SETCURSOR, "WM_SETCURSOR"}, {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"}, {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
        {WM_DRAWITEM, "WM_DRAWITEM"}, {WM_MEASUREITEM, "WM_MEASUREITEM"}, {WM_SETFONT, "WM_SETFONT"},
        {WM_GETFONT, "WM_GETFONT"}, {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"}, {WM_NOTIFY, "WM_NOTIFY"}, {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"}, {WM_STYLECHANGED, "WM_STYLECHANGED"}, {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCCALCSIZE, "WM_NCCALCSIZE"}, {WM_NCHITTEST, "WM_NCHITTEST"},
        {WM_NCPAINT, "WM_NCPAINT"}, {WM_NCACTIVATE, "WM_NCACTIVATE"}, {WM_GETDLGCODE, "WM_GETDLGCODE"},
        {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"}, {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"}, {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
        {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"}, {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"},
        {WM_NCRBUTTONUP, "WM_NCRBUTTONUP"}, {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"}, {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_COMMAND, "WM_COMMAND"}, {WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {WM_TIMER, "WM_TIMER"},
        {WM_HSCROLL, "WM_HSCROLL"}, {WM_VSCROLL, "WM_VSCROLL"}, {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
        {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"}, {WM_MBUTTONUP, "WM_MBUTTONUP"}, {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
        {WM_MOUSEHWHEEL, "WM_MOUSEHWHEEL"},
        {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_CTLCOLOREDIT, "WM_CTLCOLOREDIT"}, {WM_CTLCOLORLISTBOX, "WM_CTLCOLORLISTBOX"},
        {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"}, {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
        {WM_CTLCOLORSCROLLBAR, "WM_CTLCOLORSCROLLBAR"}, {WM_CTLCOLORDLG, "WM_CTLCOLORDLG"},
        {WM_MOUSEHOVER, "WM_MOUSEHOVER"}, {WM_MOUSELEAVE, "WM_MOUSELEAVE"}, {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"},
    };
    auto it = names.find(m);
    if (it != names.end())
        return it->second;
    char buf[32];
    if (m >= WM_USER && m < WM_APP)
        snprintf(buf, sizeof(buf), "WM_USER+%u", m - WM_USER);
    else
        snprintf(buf, sizeof(buf), "0x%04X", m);
    return buf;
}

std::string MessageRecorder::LineFor(const RecordedMessage& m) const
{
    std::string s = NameOf(m.hwnd) + " " + MessageName(m.message);
    char buf[96];
    switch (m.message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        s += " " + NameOf((HWND)m.wParam);
        break;
    case WM_CAPTURECHANGED:
        s += " " + NameOf((HWND)m.lParam);
        break;
    case WM_ACTIVATE:
        snprintf(buf, sizeof(buf), " %u", (unsigned)LOWORD(m.wParam));
        s += buf;
        break;
    case WM_NCACTIVATE:
    case WM_SHOWWINDOW:
    case WM_ENABLE:
        snprintf(buf, sizeof(buf), " %u", (unsigned)m.wParam);
        s += buf;
        break;
    case WM_SIZE:
        snprintf(buf, sizeof(buf), " %d,%d", (int)LOWORD(m.lParam), (int)HIWORD(m.lParam));
        s += buf;
        break;
    case WM_MOVE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        snprintf(buf, sizeof(buf), " %d,%d", GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
        s += buf;
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMOUSEMOVE:
        snprintf(buf, sizeof(buf), " ht=%d", (int)m.wParam);
        s += buf;
        break;
    case WM_SETCURSOR:
        snprintf(buf, sizeof(buf), " %s ht=%d %s", NameOf((HWND)m.wParam).c_str(), (int)(SHORT)LOWORD(m.lParam),
                 MessageName(HIWORD(m.lParam)).c_str());
        s += buf;
        break;
    case WM_MOUSEACTIVATE:
        snprintf(buf, sizeof(buf), " ht=%d %s", (int)(SHORT)LOWORD(m.lParam), MessageName(HIWORD(m.lParam)).c_str());
        s += buf;
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        snprintf(buf, sizeof(buf), " vk=0x%02X", (unsigned)m.wParam);
        s += buf;
        break;
    case WM_CHAR:
    case WM_SYSCHAR:
        if (m.wParam >= 0x20 && m.wParam < 0x7F)
            snprintf(buf, sizeof(buf), " '%c'", (char)m.wParam);
        else
            snprintf(buf, sizeof(buf), " 0x%02X", (unsigned)m.wParam);
        s += buf;
        break;
    case WM_SYSCOMMAND:
        snprintf(buf, sizeof(buf), " sc=0x%04X", (unsigned)(m.wParam & 0xFFF0));
        s += buf;
        break;
    case WM_TIMER:
        snprintf(buf, sizeof(buf), " id=%u", (unsigned)m.wParam);
        s += buf;
        break;
    case WM_COMMAND:
        snprintf(buf, sizeof(buf), " id=%u code=%u", (unsigned)LOWORD(m.wParam), m.code);
        s += buf;
        break;
    case WM_NOTIFY:
        snprintf(buf, sizeof(buf), " code=%d", (int)m.code);
        s += buf;
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
        snprintf(buf, sizeof(buf), " code=%u pos=%u", (unsigned)LOWORD(m.wParam), (unsigned)HIWORD(m.wParam));
        s += buf;
        break;
    case WM_PARENTNOTIFY:
        s += " " + MessageName(LOWORD(m.wParam));
        break;
    case WM_NCCALCSIZE:
        snprintf(buf, sizeof(buf), " %u", (unsigned)m.wParam);
        s += buf;
        break;
    }
    return s;
}

std::vector<std::string> MessageRecorder::Lines() const
{
    std::vector<std::string> out;
    for (const RecordedMessage& m : m_messages)
        out.push_back(LineFor(m));
    return out;
}

std::vector<std::string> MessageRecorder::LinesOf(HWND hwnd) const
{
    std::vector<std::string> out;
    for (const RecordedMessage& m : m_messages)
        if (m.hwnd == hwnd)
            out.push_back(LineFor(m));
    return out;
}

std::vector<std::string> MessageRecorder::LinesFor(const std::vector<UINT>& messages) const
{
    std::vector<std::string> out;
    for (const RecordedMessage& m : m_messages)
        if (std::find(messages.begin(), messages.end(), m.message) != messages.end())
            out.push_back(LineFor(m));
    return out;
}

int MessageRecorder::Count(UINT message, HWND hwnd) const
{
    int n = 0;
    for (const RecordedMessage& m : m_messages)
        if (m.message == message && (!hwnd || m.hwnd == hwnd))
            ++n;
    return n;
}

}  // namespace vor::test

void VorTestBase::SetUp()
{
    VorPlatformReset();
}

void VorTestBase::TearDown()
{
}

void VorTestBase::MoveMouse(int x, int y)
{
    SetCursorPos(x, y);
    Pump();
}

static DWORD DownFlag(int button)
{
    return button == VK_RBUTTON ? MOUSEEVENTF_RIGHTDOWN : button == VK_MBUTTON ? MOUSEEVENTF_MIDDLEDOWN
                                                                              : MOUSEEVENTF_LEFTDOWN;
}

static DWORD UpFlag(int button)
{
    return button == VK_RBUTTON ? MOUSEEVENTF_RIGHTUP : button == VK_MBUTTON ? MOUSEEVENTF_MIDDLEUP
                                                                            : MOUSEEVENTF_LEFTUP;
}

void VorTestBase::Press(int button)
{
    mouse_event(DownFlag(button), 0, 0, 0, 0);
    Pump();
}

void VorTestBase::Release(int button)
{
    mouse_event(UpFlag(button), 0, 0, 0, 0);
    Pump();
}

void VorTestBase::Click(int x, int y, int button)
{
    SetCursorPos(x, y);
    mouse_event(DownFlag(button), 0, 0, 0, 0);
    mouse_event(UpFlag(button), 0, 0, 0, 0);
    Pump();
}

void VorTestBase::Wheel(int x, int y, int nDelta)
{
    SetCursorPos(x, y);
    Pump();
    mouse_event(MOUSEEVENTF_WHEEL, 0, 0, (DWORD)nDelta, 0);
    Pump();
}

void VorTestBase::HWheel(int x, int y, int nDelta)
{
    SetCursorPos(x, y);
    Pump();
    mouse_event(MOUSEEVENTF_HWHEEL, 0, 0, (DWORD)nDelta, 0);
    Pump();
}

void VorTestBase::DoubleClick(int x, int y)
{
    SetCursorPos(x, y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Pump();
}

void VorTestBase::KeyDown(BYTE vk)
{
    keybd_event(vk, 0, 0, 0);
    Pump();
}

void VorTestBase::KeyUp(BYTE vk)
{
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
    Pump();
}

void VorTestBase::KeyPress(BYTE vk)
{
    keybd_event(vk, 0, 0, 0);
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
    Pump();
}

// The US key of a character, and whether Shift is needed.
static bool KeyOf(char c, BYTE* vk, bool* shift)
{
    static const char* shiftedDigits = ")!@#$%^&*(";
    struct Oem {
        BYTE vk;
        char plain, shifted;
    };
    static const Oem oem[] = {{VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
                              {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
                              {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
                              {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'}};
    *shift = false;
    if (c >= 'a' && c <= 'z') {
        *vk = (BYTE)(c - 'a' + 'A');
        return true;
    }
    if (c >= 'A' && c <= 'Z') {
        *vk = (BYTE)c;
        *shift = true;
        return true;
    }
    if (c >= '0' && c <= '9') {
        *vk = (BYTE)c;
        return true;
    }
    for (int i = 0; i < 10; ++i)
        if (shiftedDigits[i] == c) {
            *vk = (BYTE)('0' + i);
            *shift = true;
            return true;
        }
    for (const Oem& o : oem) {
        if (o.plain == c) {
            *vk = o.vk;
            return true;
        }
        if (o.shifted == c) {
            *vk = o.vk;
            *shift = true;
            return true;
        }
    }
    switch (c) {
    case ' ': *vk = VK_SPACE; return true;
    case '\t': *vk = VK_TAB; return true;
    case '\r':
    case '\n': *vk = VK_RETURN; return true;
    case '\b': *vk = VK_BACK; return true;
    case 27: *vk = VK_ESCAPE; return true;
    }
    return false;
}

void VorTestBase::TypeText(const char* text)
{
    if (!text)
        return;
    for (const char* p = text; *p; ++p) {
        BYTE vk;
        bool shift;
        if (!KeyOf(*p, &vk, &shift))
            continue;
        if (shift)
            keybd_event(VK_SHIFT, 0, 0, 0);
        keybd_event(vk, 0, 0, 0);
        keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
        if (shift)
            keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    }
    Pump();
}

void VorTestBase::Advance(DWORD ms)
{
    VorAdvanceClock(ms);
    Pump();
}

COLORREF VorTestBase::ScreenPixel(int x, int y)
{
    HDC hdc = GetDC(nullptr);
    COLORREF c = GetPixel(hdc, x, y);
    ReleaseDC(nullptr, hdc);
    return c;
}

bool VorTestBase::SavePng(const char* name, const RECT* area)
{
    std::string dir = VOR_TEST_OUTPUT_DIR;
    mkdir(dir.c_str(), 0755);
    std::string path = dir + "/" + name + ".png";
    return VorSaveScreenPng(path.c_str(), area) != FALSE;
}
