// The script player: every command becomes real input, then the clock moves
// a little so that hover timers and repaints happen as they would for a
// person, and a screenshot is written.
#include "Player.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdio>

#include "GalleryRes.h"
#include "vorplatform.h"

namespace gallery {
namespace {

constexpr int kSettleMs = 60;
// Clicks of separate commands must not make a double click.
constexpr int kBetweenClicksMs = 600;

std::string Fail(const Command& c, const std::string& what) { return "line " + std::to_string(c.line) + ": " + what; }

POINT Centre(const CRect& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void Key(BYTE vk, bool up) { keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0); }

// The US keyboard's key for a character, and whether it needs Shift.
bool KeyFor(char ch, BYTE& vk, bool& shift) {
    shift = false;
    if (std::isalpha((unsigned char)ch)) {
        vk = (BYTE)std::toupper((unsigned char)ch);
        shift = std::isupper((unsigned char)ch) != 0;
        return true;
    }
    if (std::isdigit((unsigned char)ch)) {
        vk = (BYTE)ch;
        return true;
    }
    static const struct {
        char ch;
        BYTE vk;
        bool shift;
    } kKeys[] = {{' ', VK_SPACE, false},       {'.', VK_OEM_PERIOD, false}, {',', VK_OEM_COMMA, false},
                 {'-', VK_OEM_MINUS, false},   {'+', VK_OEM_PLUS, true},    {'=', VK_OEM_PLUS, false},
                 {'_', VK_OEM_MINUS, true},    {'/', VK_OEM_2, false},      {';', VK_OEM_1, false},
                 {':', VK_OEM_1, true},        {'\'', VK_OEM_7, false},     {'(', '9', true},
                 {')', '0', true},             {'!', '1', true},            {'?', VK_OEM_2, true}};
    for (const auto& k : kKeys)
        if (k.ch == ch) {
            vk = k.vk;
            shift = k.shift;
            return true;
        }
    return false;
}

}  // namespace

bool MakeDirectories(const std::string& path) {
    std::string soFar;
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t next = path.find('/', pos);
        if (next == std::string::npos) next = path.size();
        soFar = path.substr(0, next);
        if (!soFar.empty() && ::mkdir(soFar.c_str(), 0777) != 0 && errno != EEXIST) return false;
        pos = next + 1;
    }
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

Player::Player(CGalleryWnd& wnd, std::string outDir) : m_wnd(wnd), m_outDir(std::move(outDir)) {}

void Player::Wait(int ms) {
    VorPumpMessages();
    for (int t = 0; t < ms; t += 10) {
        VorAdvanceClock((DWORD)std::min(10, ms - t));
        VorPumpMessages();
    }
}

void Player::Shot(const std::string& name) {
    if (m_outDir.empty()) return;
    std::string path = m_outDir + "/" + name + ".png";
    // The window and a margin for tooltips and drop-down lists below it.
    CRect rc;
    m_wnd.GetWindowRect(&rc);
    rc.InflateRect(0, 0, 0, 60);
    rc.IntersectRect(rc, CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
    if (VorSaveScreenPng(path.c_str(), &rc)) m_pictures.push_back(path);
}

void Player::ClickAt(POINT pt, bool twice, bool right) {
    if (m_traceClicks) std::printf("point %d %d %d\n", m_line, (int)pt.x, (int)pt.y);
    Wait(kBetweenClicksMs);
    SetCursorPos(pt.x, pt.y);
    VorPumpMessages();
    DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        mouse_event(down, 0, 0, 0, 0);
        VorPumpMessages();
        mouse_event(up, 0, 0, 0, 0);
        VorPumpMessages();
        if (twice) Wait(50);
    }
}

void Player::Drag(POINT a, POINT b) {
    Wait(kBetweenClicksMs);
    SetCursorPos(a.x, a.y);
    VorPumpMessages();
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    VorPumpMessages();
    for (int i = 1; i <= 5; ++i) {
        SetCursorPos(a.x + (b.x - a.x) * i / 5, a.y + (b.y - a.y) * i / 5);
        VorPumpMessages();
    }
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void Player::TypeChar(char ch) {
    BYTE vk;
    bool shift;
    if (!KeyFor(ch, vk, shift)) {
        // No key types it (a byte of another code page): hand it over as typed text.
        if (HWND focus = ::GetFocus()) ::PostMessageA(focus, WM_CHAR, (BYTE)ch, 1);
        VorPumpMessages();
        return;
    }
    if (shift) Key(VK_SHIFT, false);
    Key(vk, false);
    Key(vk, true);
    if (shift) Key(VK_SHIFT, true);
    VorPumpMessages();
}

bool Player::CentreOf(const std::string& control, POINT& pt) {
    CWnd* w = nullptr;
    if (control == "grid") w = &m_wnd.Grid();
    if (control == "combo") w = &m_wnd.Combo();
    if (control == "log") w = &m_wnd.Log();
    if (control == "lines") w = &m_wnd.Lines();
    if (control.rfind("details-", 0) == 0 && m_wnd.DetailsWindow() && m_wnd.DetailsWindow()->GetSafeHwnd()) {
        static const struct {
            const char* name;
            int id;
        } kItems[] = {{"details-item", IDC_DETAILS_ITEM},   {"details-qty", IDC_DETAILS_QTY},
                      {"details-price", IDC_DETAILS_PRICE}, {"details-unit", IDC_DETAILS_UNIT},
                      {"details-lines", IDC_DETAILS_LINES}, {"details-ok", IDOK},
                      {"details-cancel", IDCANCEL}};
        for (const auto& item : kItems)
            if (control == item.name) w = m_wnd.DetailsWindow()->GetDlgItem(item.id);
    }
    if (!w || !w->GetSafeHwnd() || !w->IsWindowVisible()) return false;
    CRect r;
    w->GetWindowRect(&r);
    pt = Centre(r);
    return true;
}

bool Player::Step(const Command& c, std::string& error) {
    const std::string& n = c.name;
    if (n == "click" || n == "dblclick" || n == "rclick") {
        ClickAt(POINT{c.Int(0), c.Int(1)}, n == "dblclick", n == "rclick");
    } else if (n == "move") {
        SetCursorPos(c.Int(0), c.Int(1));
    } else if (n == "drag") {
        Drag(POINT{c.Int(0), c.Int(1)}, POINT{c.Int(2), c.Int(3)});
    } else if (n == "key") {
        KeyStroke k;
        ParseKey(c.args[0], k);
        int count = c.args.size() > 1 ? c.Int(1) : 1;
        for (int i = 0; i < count; ++i) {
            if (k.ctrl) Key(VK_CONTROL, false);
            if (k.shift) Key(VK_SHIFT, false);
            if (k.alt) Key(VK_MENU, false);
            Key(k.vk, false);
            Key(k.vk, true);
            if (k.alt) Key(VK_MENU, true);
            if (k.shift) Key(VK_SHIFT, true);
            if (k.ctrl) Key(VK_CONTROL, true);
            VorPumpMessages();
        }
    } else if (n == "type") {
        for (char ch : c.args[0]) TypeChar(ch);
    } else if (n == "wait") {
        Wait(c.Int(0));
    } else if (n == "cell" || n == "cellbutton") {
        CVORInPlaceListCtrl& grid = m_wnd.Grid();
        int row = c.Int(0), col = c.Int(1);
        CRect r;
        if (!grid.GetCellRect(row, grid.LCtoRC(col), r)) {
            error = Fail(c, "cell " + std::to_string(row) + " " + std::to_string(col) + " is not shown");
            return false;
        }
        grid.ClientToScreen(&r);
        POINT pt = Centre(r);
        if (n == "cellbutton") {
            // The button stands on the current cell only: make the cell current first.
            if (grid.m_nCurRow != row || grid.m_nCurCol != col || !grid.IsSelectCell()) ClickAt(POINT{r.left + 4, pt.y});
            pt.x = r.right - 8;
        }
        ClickAt(pt);
    } else if (n == "button" || n == "hover") {
        int i = CGalleryWnd::ButtonIndex(c.args[0]);
        CRect r;
        m_wnd.Button(i).GetWindowRect(&r);
        if (n == "button") {
            ClickAt(Centre(r));
        } else {
            POINT pt = Centre(r);
            SetCursorPos(pt.x, pt.y);
            Wait(c.Int(1));
        }
    } else if (n == "shot") {
        Shot(c.args[0]);
    } else if (n == "wheel") {
        POINT pt;
        if (!CentreOf(c.args[0], pt)) {
            error = Fail(c, "'" + c.args[0] + "' is not on the screen");
            return false;
        }
        SetCursorPos(pt.x, pt.y);
        VorPumpMessages();
        mouse_event(MOUSEEVENTF_WHEEL, 0, 0, (DWORD)(c.Int(1) * WHEEL_DELTA), 0);
        VorPumpMessages();
    } else if (n == "clickon") {
        POINT pt;
        if (!CentreOf(c.args[0], pt)) {
            error = Fail(c, "'" + c.args[0] + "' is not on the screen");
            return false;
        }
        ClickAt(pt);
    } else if (n == "splitter") {
        bool main = c.args[0] == "main";
        CWnd& w = main ? (CWnd&)m_wnd.MainSplitter() : (CWnd&)m_wnd.SideSplitter();
        int vertical = main ? m_wnd.MainSplitter().m_bVertical : m_wnd.SideSplitter().m_bVertical;
        int pos = main ? m_wnd.MainSplitter().m_nBarPos : m_wnd.SideSplitter().m_nBarPos;
        CRect client;
        w.GetClientRect(&client);
        // The middle of the bar's visible part (its last pixel is under the second pane).
        CPoint a = vertical ? CPoint(pos + 1, client.Height() / 2) : CPoint(client.Width() / 2, pos + 1);
        w.ClientToScreen(&a);
        int delta = c.Int(1);
        CPoint b = vertical ? CPoint(a.x + delta, a.y) : CPoint(a.x, a.y + delta);
        Drag(a, b);
    }
    Wait(kSettleMs);
    return true;
}

bool Player::Play(const std::vector<Command>& commands, std::string& error) {
    if (!m_outDir.empty() && !MakeDirectories(m_outDir)) {
        error = "cannot create the folder " + m_outDir;
        return false;
    }
    Wait(kSettleMs);
    Shot("step-000-start");
    for (const Command& c : commands) {
        if (!::IsWindow(m_wnd.GetSafeHwnd())) {
            error = Fail(c, "the gallery window is gone");
            return false;
        }
        m_line = c.line;
        if (!Step(c, error)) return false;
        ++m_step;
        if (c.name != "shot") {
            char name[64];
            std::snprintf(name, sizeof name, "step-%03d-%s", m_step, c.name.c_str());
            Shot(name);
        }
    }
    return true;
}

}  // namespace gallery
