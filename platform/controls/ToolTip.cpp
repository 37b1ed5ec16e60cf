// The tooltip control: tools (a window, or a rectangle of one) with their
// texts; mouse messages relayed to it (TTM_RELAYEVENT) show the tip window
// after the initial delay on the clock and hide it after the pop-up delay,
// when the pointer leaves the tool or a button is pressed.
#include "ToolTip.h"

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "commctrl.h"
#include "ControlPaint.h"
#include "windows.h"

namespace vor::controls {
namespace {

constexpr UINT_PTR kInitialTimer = 1;
constexpr UINT_PTR kPopTimer = 2;
constexpr int kMargin = 2;  // between the frame and the text

struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    HINSTANCE hinst = nullptr;
    bool callback = false;  // LPSTR_TEXTCALLBACK: asked with TTN_GETDISPINFO
    std::string text;
    LPARAM lParam = 0;
};

struct ToolTip {
    HWND hwnd = nullptr;
    std::vector<Tool> tools;
    bool active = true;
    int current = -1;     // the tool under the pointer
    bool shown = false;
    bool popped = false;  // hidden by a click: stays hidden until the pointer leaves the tool
    UINT initial = 0, autopop = 0, reshow = 0;  // 0: derived from the double-click time
    COLORREF bk = 0, fg = 0;
    bool customBk = false, customFg = false;
    HFONT font = nullptr;
    std::string shownText;
    int maxWidth = -1;
};

std::unordered_map<HWND, std::unique_ptr<ToolTip>>& Tips() {
    // The map owns the controls' states, so none outlives the process unfreed.
    static std::unordered_map<HWND, std::unique_ptr<ToolTip>> map;
    return map;
}

ToolTip* Get(HWND hwnd) {
    auto it = Tips().find(hwnd);
    return it == Tips().end() ? nullptr : it->second.get();
}

UINT InitialDelay(const ToolTip* t) { return t->initial ? t->initial : GetDoubleClickTime(); }
UINT PopDelay(const ToolTip* t) { return t->autopop ? t->autopop : GetDoubleClickTime() * 10; }
HFONT Font(const ToolTip* t) { return t->font ? t->font : (HFONT)GetStockObject(DEFAULT_GUI_FONT); }

int Find(const ToolTip* t, HWND hwnd, UINT_PTR id) {
    for (size_t i = 0; i < t->tools.size(); ++i)
        if (t->tools[i].hwnd == hwnd && t->tools[i].id == id) return (int)i;
    return -1;
}

bool ValidInfo(const TOOLINFOA* ti) { return ti && ti->cbSize >= TTTOOLINFOA_V1_SIZE; }

void SetToolText(Tool& tool, LPSTR text, HINSTANCE hinst) {
    tool.callback = text == LPSTR_TEXTCALLBACKA;
    tool.text.clear();
    if (tool.callback || !text) return;
    if (IS_INTRESOURCE(text)) {
        char buf[1024];
        int n = LoadStringA(hinst, (UINT)(UINT_PTR)text, buf, sizeof buf);
        tool.text.assign(buf, (size_t)std::max(0, n));
    } else {
        tool.text = text;
    }
}

void FillInfo(const Tool& tool, TOOLINFOA* ti) {
    ti->uFlags = tool.flags;
    ti->hwnd = tool.hwnd;
    ti->uId = tool.id;
    ti->rect = tool.rect;
    ti->hinst = tool.hinst;
    if (ti->cbSize >= sizeof(TOOLINFOA)) ti->lParam = tool.lParam;
    if (ti->lpszText && ti->lpszText != LPSTR_TEXTCALLBACKA && !IS_INTRESOURCE(ti->lpszText)) {
        // The caller's buffer: 80 characters, as the documentation promises.
        size_t n = std::min<size_t>(tool.text.size(), 79);
        memcpy(ti->lpszText, tool.text.data(), n);
        ti->lpszText[n] = 0;
    }
}

std::string ToolText(ToolTip* t, int index) {
    Tool& tool = t->tools[(size_t)index];
    if (!tool.callback) return tool.text;
    NMTTDISPINFOA di{};
    di.hdr.hwndFrom = t->hwnd;
    di.hdr.idFrom = tool.id;
    di.hdr.code = TTN_GETDISPINFOA;
    di.uFlags = tool.flags;
    di.lParam = tool.lParam;
    SendMessageA(tool.hwnd, WM_NOTIFY, tool.id, (LPARAM)&di);
    if (di.lpszText && IS_INTRESOURCE(di.lpszText)) {
        char buf[1024];
        int n = LoadStringA(di.hinst, (UINT)(UINT_PTR)di.lpszText, buf, sizeof buf);
        return std::string(buf, (size_t)std::max(0, n));
    }
    if (di.lpszText) return std::string(di.lpszText);
    di.szText[sizeof di.szText - 1] = 0;
    return std::string(di.szText);
}

void Hide(ToolTip* t) {
    KillTimer(t->hwnd, kInitialTimer);
    KillTimer(t->hwnd, kPopTimer);
    if (!t->shown) return;
    t->shown = false;
    HWND hwnd = t->hwnd;
    if (t->current >= 0 && t->current < (int)t->tools.size()) {
        const Tool& tool = t->tools[(size_t)t->current];
        NMHDR nm{hwnd, tool.id, TTN_POP};
        SendMessageA(tool.hwnd, WM_NOTIFY, tool.id, (LPARAM)&nm);
    }
    if (Get(hwnd)) ShowWindow(hwnd, SW_HIDE);
}

// The tool under a point given in the client coordinates of `hwnd`.
int HitTool(const ToolTip* t, HWND hwnd, POINT pt) {
    for (size_t i = 0; i < t->tools.size(); ++i) {
        const Tool& tool = t->tools[i];
        if (tool.flags & TTF_IDISHWND) {
            if ((HWND)tool.id == hwnd) return (int)i;
        } else if (tool.hwnd == hwnd && PtInRect(&tool.rect, pt)) {
            return (int)i;
        }
    }
    return -1;
}

bool OwnerActive(const ToolTip* t, const Tool& tool) {
    if (GetWindowLongA(t->hwnd, GWL_STYLE) & TTS_ALWAYSTIP) return true;
    HWND active = GetActiveWindow();
    if (!active) return false;
    HWND top = tool.hwnd;
    while (top && (GetWindowLongA(top, GWL_STYLE) & WS_CHILD)) top = GetParent(top);
    return top == active;
}

void Show(ToolTip* t) {
    if (!t->active || t->current < 0 || t->current >= (int)t->tools.size()) return;
    HWND hwnd = t->hwnd;
    const Tool tool = t->tools[(size_t)t->current];
    if (!OwnerActive(t, tool)) return;
    std::string text = ToolText(t, t->current);
    if (!(t = Get(hwnd)) || text.empty()) return;
    t->shownText = text;
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, Font(t));
    RECT calc{0, 0, t->maxWidth > 0 ? t->maxWidth : 10000, 0};
    UINT fmt = DT_CALCRECT | ((GetWindowLongA(hwnd, GWL_STYLE) & TTS_NOPREFIX) ? DT_NOPREFIX : 0) |
               (t->maxWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextA(dc, text.c_str(), (int)text.size(), &calc, fmt);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    int w = calc.right - calc.left + 2 * (kMargin + 1) + 2, h = calc.bottom - calc.top + 2 * (kMargin + 1);
    POINT pos{};
    GetCursorPos(&pos);
    if (tool.flags & TTF_CENTERTIP) {
        RECT wr = tool.rect;
        if (tool.flags & TTF_IDISHWND) GetClientRect((HWND)tool.id, &wr);
        POINT c{(wr.left + wr.right) / 2, wr.bottom};
        ClientToScreen((tool.flags & TTF_IDISHWND) ? (HWND)tool.id : tool.hwnd, &c);
        pos.x = c.x - w / 2;
        pos.y = c.y + 2;
    } else {
        pos.y += 20;  // below the arrow cursor
    }
    int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    pos.x = std::clamp<LONG>(pos.x, 0, std::max(0, sw - w));
    pos.y = std::clamp<LONG>(pos.y, 0, std::max(0, sh - h));
    NMHDR nm{hwnd, tool.id, TTN_SHOW};
    SendMessageA(tool.hwnd, WM_NOTIFY, tool.id, (LPARAM)&nm);
    if (!(t = Get(hwnd))) return;
    t->shown = true;
    SetWindowPos(hwnd, HWND_TOP, pos.x, pos.y, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
    SetTimer(hwnd, kPopTimer, PopDelay(t), nullptr);
}

void Relay(ToolTip* t, const MSG* m) {
    if (!m) return;
    switch (m->message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_NCLBUTTONDOWN:
            Hide(t);
            t->popped = true;
            return;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            break;
        default:
            return;
    }
    POINT pt{GET_X_LPARAM(m->lParam), GET_Y_LPARAM(m->lParam)};
    if (m->message == WM_NCMOUSEMOVE) ScreenToClient(m->hwnd, &pt);
    int hit = t->active ? HitTool(t, m->hwnd, pt) : -1;
    if (hit == t->current) {
        // Still over the same tool: a tip that is due keeps waiting, a shown one stays.
        if (hit >= 0 && !t->shown && !t->popped) SetTimer(t->hwnd, kInitialTimer, InitialDelay(t), nullptr);
        return;
    }
    bool wasShown = t->shown;
    Hide(t);
    t->current = hit;
    t->popped = false;
    if (hit < 0) return;
    UINT delay = wasShown ? (t->reshow ? t->reshow : InitialDelay(t) / 5) : InitialDelay(t);
    SetTimer(t->hwnd, kInitialTimer, std::max<UINT>(1, delay), nullptr);
}

void Paint(ToolTip* t, HDC hdc) {
    RECT rc{};
    GetClientRect(t->hwnd, &rc);
    COLORREF bk = t->customBk ? t->bk : GetSysColor(COLOR_INFOBK);
    COLORREF fg = t->customFg ? t->fg : GetSysColor(COLOR_INFOTEXT);
    HBRUSH br = CreateSolidBrush(bk);
    FillRect(hdc, &rc, br);
    DeleteObject(br);
    HBRUSH frame = CreateSolidBrush(fg);
    FrameRect(hdc, &rc, frame);
    DeleteObject(frame);
    HGDIOBJ old = SelectObject(hdc, Font(t));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, fg);
    RECT tr{rc.left + kMargin + 2, rc.top + kMargin + 1, rc.right - kMargin - 1, rc.bottom - kMargin - 1};
    UINT fmt = ((GetWindowLongA(t->hwnd, GWL_STYLE) & TTS_NOPREFIX) ? DT_NOPREFIX : 0) |
               (t->maxWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextA(hdc, t->shownText.c_str(), (int)t->shownText.size(), &tr, fmt);
    SelectObject(hdc, old);
}

LRESULT CALLBACK ToolTipProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ToolTip* t = Get(hwnd);
    if (!t) {
        if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wp, lp);
        t = new ToolTip;
        t->hwnd = hwnd;
        Tips()[hwnd].reset(t);
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    switch (msg) {
        case WM_NCDESTROY:
            Tips().erase(hwnd);  // frees the state
            return DefWindowProcA(hwnd, msg, wp, lp);
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_SETFONT:
            t->font = (HFONT)wp;
            return 0;
        case WM_GETFONT:
            return (LRESULT)t->font;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return PaintMessage(hwnd, wp, [&](HDC hdc) { Paint(t, hdc); });
        case WM_TIMER: {
            if (wp == kInitialTimer) {
                KillTimer(hwnd, kInitialTimer);
                if (t->current < 0 || t->current >= (int)t->tools.size() || t->popped) return 0;
                // The pointer must still be over the tool.
                POINT pt{};
                GetCursorPos(&pt);
                HWND under = WindowFromPoint(pt);
                const Tool& tool = t->tools[(size_t)t->current];
                HWND target = (tool.flags & TTF_IDISHWND) ? (HWND)tool.id : tool.hwnd;
                if (under != target) {
                    t->current = -1;
                    return 0;
                }
                ScreenToClient(target, &pt);
                if (!(tool.flags & TTF_IDISHWND) && !PtInRect(&tool.rect, pt)) {
                    t->current = -1;
                    return 0;
                }
                Show(t);
            } else if (wp == kPopTimer) {
                Hide(t);
                if ((t = Get(hwnd))) t->popped = true;
            }
            return 0;
        }

        case TTM_ACTIVATE:
            t->active = wp != 0;
            if (!t->active) {
                Hide(t);
                if ((t = Get(hwnd))) t->current = -1;
            }
            return 0;
        case TTM_ADDTOOLA: {
            auto* ti = (const TOOLINFOA*)lp;
            if (!ValidInfo(ti)) return FALSE;
            Tool tool;
            tool.flags = ti->uFlags;
            tool.hwnd = ti->hwnd;
            tool.id = ti->uId;
            tool.rect = ti->rect;
            tool.hinst = ti->hinst;
            tool.lParam = ti->cbSize >= sizeof(TOOLINFOA) ? ti->lParam : 0;
            SetToolText(tool, ti->lpszText, ti->hinst);
            t->tools.push_back(std::move(tool));
            return TRUE;
        }
        case TTM_DELTOOLA: {
            auto* ti = (const TOOLINFOA*)lp;
            if (!ValidInfo(ti)) return 0;
            int i = Find(t, ti->hwnd, ti->uId);
            if (i < 0) return 0;
            if (i == t->current) {
                Hide(t);
                if (!(t = Get(hwnd))) return 0;
                t->current = -1;
            } else if (i < t->current) {
                --t->current;
            }
            t->tools.erase(t->tools.begin() + i);
            return 0;
        }
        case TTM_NEWTOOLRECTA: {
            auto* ti = (const TOOLINFOA*)lp;
            if (!ValidInfo(ti)) return 0;
            int i = Find(t, ti->hwnd, ti->uId);
            if (i >= 0) t->tools[(size_t)i].rect = ti->rect;
            return 0;
        }
        case TTM_UPDATETIPTEXTA: {
            auto* ti = (const TOOLINFOA*)lp;
            if (!ValidInfo(ti)) return 0;
            int i = Find(t, ti->hwnd, ti->uId);
            if (i < 0) return 0;
            SetToolText(t->tools[(size_t)i], ti->lpszText, ti->hinst ? ti->hinst : t->tools[(size_t)i].hinst);
            if (i == t->current && t->shown) {
                t->shownText = ToolText(t, i);
                InvalidateRect(hwnd, nullptr, TRUE);
            }
            return 0;
        }
        case TTM_GETTOOLINFOA: {
            auto* ti = (TOOLINFOA*)lp;
            if (!ValidInfo(ti)) return FALSE;
            int i = Find(t, ti->hwnd, ti->uId);
            if (i < 0) return FALSE;
            FillInfo(t->tools[(size_t)i], ti);
            return TRUE;
        }
        case TTM_SETTOOLINFOA: {
            auto* ti = (const TOOLINFOA*)lp;
            if (!ValidInfo(ti)) return 0;
            int i = Find(t, ti->hwnd, ti->uId);
            if (i < 0) return 0;
            Tool& tool = t->tools[(size_t)i];
            tool.flags = ti->uFlags;
            tool.rect = ti->rect;
            tool.hinst = ti->hinst;
            if (ti->cbSize >= sizeof(TOOLINFOA)) tool.lParam = ti->lParam;
            SetToolText(tool, ti->lpszText, ti->hinst);
            return 0;
        }
        case TTM_GETTEXTA: {
            auto* ti = (TOOLINFOA*)lp;
            if (!ValidInfo(ti) || !ti->lpszText) return 0;
            int i = Find(t, ti->hwnd, ti->uId);
            if (i < 0) {
                ti->lpszText[0] = 0;
                return 0;
            }
            std::string s = ToolText(t, i);
            size_t n = std::min<size_t>(s.size(), 79);
            memcpy(ti->lpszText, s.data(), n);
            ti->lpszText[n] = 0;
            return 0;
        }
        case TTM_HITTESTA: {
            auto* ht = (TTHITTESTINFOA*)lp;
            if (!ht) return FALSE;
            int i = HitTool(t, ht->hwnd, ht->pt);
            if (i < 0) return FALSE;
            if (ht->ti.cbSize >= TTTOOLINFOA_V1_SIZE) FillInfo(t->tools[(size_t)i], &ht->ti);
            return TRUE;
        }
        case TTM_ENUMTOOLSA: {
            auto* ti = (TOOLINFOA*)lp;
            if (!ValidInfo(ti) || wp >= t->tools.size()) return FALSE;
            FillInfo(t->tools[(size_t)wp], ti);
            return TRUE;
        }
        case TTM_GETCURRENTTOOLA: {
            if (t->current < 0 || !t->shown) return FALSE;
            auto* ti = (TOOLINFOA*)lp;
            if (ValidInfo(ti)) FillInfo(t->tools[(size_t)t->current], ti);
            return TRUE;
        }
        case TTM_GETTOOLCOUNT:
            return (LRESULT)t->tools.size();
        case TTM_RELAYEVENT:
            Relay(t, (const MSG*)lp);
            return 0;
        case TTM_SETDELAYTIME: {
            int ms = (short)LOWORD(lp);
            UINT v = ms < 0 ? 0 : (UINT)ms;
            switch (wp) {
                case TTDT_INITIAL: t->initial = v; break;
                case TTDT_AUTOPOP: t->autopop = v; break;
                case TTDT_RESHOW: t->reshow = v; break;
                case TTDT_AUTOMATIC:
                    t->initial = v;
                    t->autopop = v * 10;
                    t->reshow = v / 5;
                    break;
                default: break;
            }
            return 0;
        }
        case TTM_GETDELAYTIME:
            switch (wp) {
                case TTDT_INITIAL: return InitialDelay(t);
                case TTDT_AUTOPOP: return PopDelay(t);
                case TTDT_RESHOW: return t->reshow ? t->reshow : InitialDelay(t) / 5;
                default: return 0;
            }
        case TTM_SETTIPBKCOLOR:
            t->bk = (COLORREF)wp;
            t->customBk = true;
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case TTM_SETTIPTEXTCOLOR:
            t->fg = (COLORREF)wp;
            t->customFg = true;
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case TTM_GETTIPBKCOLOR:
            return t->customBk ? t->bk : GetSysColor(COLOR_INFOBK);
        case TTM_GETTIPTEXTCOLOR:
            return t->customFg ? t->fg : GetSysColor(COLOR_INFOTEXT);
        case TTM_SETMAXTIPWIDTH: {
            int old = t->maxWidth;
            t->maxWidth = (int)lp;
            return old;
        }
        case TTM_GETMAXTIPWIDTH:
            return t->maxWidth;
        case TTM_POP:
            Hide(t);
            return 0;
        case TTM_UPDATE:
            if (t->shown) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case TTM_WINDOWFROMPOINT:
            return lp ? (LRESULT)WindowFromPoint(*(const POINT*)lp) : 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

void RegisterToolTipClass() {
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS | CS_SAVEBITS;
    wc.lpfnWndProc = ToolTipProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = TOOLTIPS_CLASSA;
    RegisterClassA(&wc);
}

}  // namespace vor::controls
