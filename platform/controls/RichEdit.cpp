// The rich edit control (and the plain edit control, which shares it),
// single-line use: one line of 8-bit text in the
// process code page, a selection with anchor and caret, typing that replaces
// the selection, the clipboard, one default character format, and the
// change notifications a parent relies on (EN_UPDATE, EN_SELCHANGE,
// EN_CHANGE, in that order for a keystroke).
#include "RichEdit.h"

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "richedit.h"
#include "ControlPaint.h"
#include "windows.h"

namespace vor::controls {
namespace {

constexpr LONG kDefaultLimit = 32767;
constexpr LONG kMaxLimit = 64000;  // what EM_EXLIMITTEXT 0 restores, as documented

struct RichEdit {
    HWND hwnd = nullptr;
    bool plain = false;  // the plain edit class: always notifies, colours from WM_CTLCOLOREDIT
    std::string text;
    LONG anchor = 0;  // where the selection started
    LONG caret = 0;   // where it ends; the caret stands here
    DWORD eventMask = 0;
    LONG limit = kDefaultLimit;
    bool sysBk = true;
    COLORREF bk = 0;
    CHARFORMATA cf{};
    HFONT font = nullptr;     // WM_SETFONT's font, not owned
    HFONT boldFont = nullptr; // made for CFE_BOLD, owned
    RECT fmt{};
    bool fmtSet = false;
    int scrollX = 0;
    bool focused = false;
    bool dragging = false;
    bool modified = false;
    int changeDepth = 0;  // > 0 while the parent handles EN_CHANGE
    BYTE pendingLead = 0; // the lead byte of a double-byte character being typed
    std::vector<int> xAt; // pixel offset of every byte position (char starts valid)
    bool xValid = false;
    int lineHeight = 13;
};

std::unordered_map<HWND, std::unique_ptr<RichEdit>>& Controls() {
    // The map owns the controls' states, so none outlives the process unfreed.
    static std::unordered_map<HWND, std::unique_ptr<RichEdit>> map;
    return map;
}

RichEdit* Get(HWND hwnd) {
    auto& m = Controls();
    auto it = m.find(hwnd);
    return it == m.end() ? nullptr : it->second.get();
}

LONG SelMin(const RichEdit* e) { return std::min(e->anchor, e->caret); }
LONG SelMax(const RichEdit* e) { return std::max(e->anchor, e->caret); }
LONG Len(const RichEdit* e) { return (LONG)e->text.size(); }

bool IsReadOnly(const RichEdit* e) { return (GetWindowLongA(e->hwnd, GWL_STYLE) & ES_READONLY) != 0; }

HFONT CurrentFont(const RichEdit* e) {
    if ((e->cf.dwEffects & CFE_BOLD) && e->boldFont) return e->boldFont;
    return e->font ? e->font : (HFONT)GetStockObject(SYSTEM_FONT);
}

// Byte positions that start a character: a trail byte of a double-byte
// character is never a caret position.
bool IsCharStart(const std::string& s, LONG pos) {
    if (pos <= 0 || pos >= (LONG)s.size()) return true;
    LONG i = 0;
    while (i < pos) i += (IsDBCSLeadByte((BYTE)s[i]) && i + 1 < (LONG)s.size()) ? 2 : 1;
    return i == pos;
}

LONG NextChar(const std::string& s, LONG pos) {
    if (pos >= (LONG)s.size()) return (LONG)s.size();
    return std::min<LONG>((LONG)s.size(), pos + ((IsDBCSLeadByte((BYTE)s[pos]) && pos + 1 < (LONG)s.size()) ? 2 : 1));
}

LONG PrevChar(const std::string& s, LONG pos) {
    if (pos <= 0) return 0;
    LONG i = 0, last = 0;
    while (i < pos) {
        last = i;
        i = NextChar(s, i);
    }
    return last;
}

LONG SnapToChar(const std::string& s, LONG pos) {
    pos = std::clamp<LONG>(pos, 0, (LONG)s.size());
    return IsCharStart(s, pos) ? pos : PrevChar(s, pos);
}

void Measure(RichEdit* e) {
    if (e->xValid) return;
    e->xAt.assign(e->text.size() + 1, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, CurrentFont(e));
    TEXTMETRICA tm{};
    if (GetTextMetricsA(dc, &tm)) e->lineHeight = tm.tmHeight;
    LONG i = 0;
    while (i < Len(e)) {
        LONG n = NextChar(e->text, i);
        SIZE sz{};
        GetTextExtentPoint32A(dc, e->text.data(), n, &sz);
        for (LONG k = i + 1; k <= n; ++k) e->xAt[k] = sz.cx;
        i = n;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    e->xValid = true;
}

RECT FormatRect(RichEdit* e) {
    if (e->fmtSet) return e->fmt;
    RECT rc{};
    GetClientRect(e->hwnd, &rc);
    rc.left += 1;
    rc.right -= 1;
    return rc;
}

// Keeps the caret inside the formatting rectangle by scrolling the text
// sideways (the control always scrolls; a single line never wraps).
void ScrollToCaret(RichEdit* e) {
    Measure(e);
    RECT fr = FormatRect(e);
    int width = std::max<int>(1, fr.right - fr.left);
    int cx = e->xAt[e->caret];
    if (cx - e->scrollX > width - 1) e->scrollX = cx - width + 1;
    if (cx < e->scrollX) e->scrollX = cx;
    int total = e->xAt.back();
    if (total - e->scrollX < width - 1) e->scrollX = std::max(0, total - width + 1);
    if (e->scrollX < 0) e->scrollX = 0;
}

void PlaceCaret(RichEdit* e) {
    if (!e->focused) return;
    Measure(e);
    RECT fr = FormatRect(e);
    SetCaretPos(fr.left + e->xAt[e->caret] - e->scrollX, fr.top);
}

void Redraw(RichEdit* e) {
    ScrollToCaret(e);
    InvalidateRect(e->hwnd, nullptr, TRUE);
    PlaceCaret(e);
}

void SendCommand(RichEdit* e, WORD code) {
    HWND parent = GetParent(e->hwnd);
    if (!parent) return;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(e->hwnd), code), (LPARAM)e->hwnd);
}

void SendSelChange(RichEdit* e) {
    if (e->plain || !(e->eventMask & ENM_SELCHANGE)) return;
    HWND parent = GetParent(e->hwnd);
    if (!parent) return;
    SELCHANGE sc{};
    sc.nmhdr.hwndFrom = e->hwnd;
    sc.nmhdr.idFrom = (UINT_PTR)GetDlgCtrlID(e->hwnd);
    sc.nmhdr.code = EN_SELCHANGE;
    sc.chrg.cpMin = SelMin(e);
    sc.chrg.cpMax = SelMax(e);
    sc.seltyp = sc.chrg.cpMin == sc.chrg.cpMax ? SEL_EMPTY : SEL_TEXT;
    SendMessageA(parent, WM_NOTIFY, sc.nmhdr.idFrom, (LPARAM)&sc);
}

// EN_UPDATE goes out for every change; EN_CHANGE only when the parent is
// not already handling one: change notifications do not nest.
void SendUpdate(RichEdit* e) {
    if (e->plain || (e->eventMask & (ENM_UPDATE | ENM_CHANGE))) SendCommand(e, EN_UPDATE);
}

void SendChange(HWND hwnd) {
    RichEdit* e = Get(hwnd);
    if (!e || !(e->plain || (e->eventMask & ENM_CHANGE)) || e->changeDepth > 0) return;
    ++e->changeDepth;
    SendCommand(e, EN_CHANGE);
    if ((e = Get(hwnd)) != nullptr) --e->changeDepth;  // the parent may have destroyed us
}

bool SetSelection(RichEdit* e, LONG anchor, LONG caret) {
    anchor = SnapToChar(e->text, anchor);
    caret = SnapToChar(e->text, caret);
    bool changed = anchor != e->anchor || caret != e->caret;
    e->anchor = anchor;
    e->caret = caret;
    return changed;
}

// Replaces the characters a..b by `ins` as the user's edit: honours the
// limit, moves the caret after the insertion and notifies EN_UPDATE,
// EN_SELCHANGE (only when the selection is not where it was before the
// edit, so Delete at the caret sends none), EN_CHANGE. Answers whether
// anything changed.
bool ReplaceRange(HWND hwnd, LONG a, LONG b, const std::string& insIn, bool byUser) {
    RichEdit* e = Get(hwnd);
    if (!e) return false;
    std::string ins = insIn;
    const LONG oldMin = SelMin(e), oldMax = SelMax(e);
    LONG room = e->limit - (Len(e) - (b - a));
    if ((LONG)ins.size() > room) {
        if (byUser && ins.size() <= 2) {
            SendCommand(e, EN_MAXTEXT);
            return false;
        }
        LONG keep = std::max<LONG>(0, room), i = 0;
        while (i < keep) {  // never split a double-byte character
            LONG n = NextChar(ins, i);
            if (n > keep) break;
            i = n;
        }
        ins.resize((size_t)i);
        if (byUser) SendCommand(e, EN_MAXTEXT);
    }
    if (ins.empty() && a == b) return false;
    e->text.replace(a, b - a, ins);
    e->anchor = e->caret = a + (LONG)ins.size();
    e->xValid = false;
    e->modified = true;
    Redraw(e);
    SendUpdate(e);
    if (!(e = Get(hwnd))) return true;
    if (SelMin(e) != oldMin || SelMax(e) != oldMax) SendSelChange(e);
    SendChange(hwnd);
    return true;
}

bool ReplaceSelection(HWND hwnd, const std::string& ins, bool byUser) {
    RichEdit* e = Get(hwnd);
    return e && ReplaceRange(hwnd, SelMin(e), SelMax(e), ins, byUser);
}

void MoveCaret(HWND hwnd, LONG to, bool extend) {
    RichEdit* e = Get(hwnd);
    if (!e) return;
    bool changed = extend ? SetSelection(e, e->anchor, to) : SetSelection(e, to, to);
    if (!changed) return;
    Redraw(e);
    SendSelChange(e);
}

LONG WordStart(const std::string& s, LONG pos) {
    while (pos > 0 && s[pos - 1] == ' ') pos = PrevChar(s, pos);
    while (pos > 0 && s[pos - 1] != ' ') pos = PrevChar(s, pos);
    return pos;
}

LONG WordEnd(const std::string& s, LONG pos) {
    LONG n = (LONG)s.size();
    while (pos < n && s[pos] != ' ') pos = NextChar(s, pos);
    while (pos < n && s[pos] == ' ') pos = NextChar(s, pos);
    return pos;
}

LONG CharFromX(RichEdit* e, int x) {
    Measure(e);
    RECT fr = FormatRect(e);
    int tx = x - fr.left + e->scrollX;
    LONG best = 0;
    int bestDist = 1 << 30;
    for (LONG i = 0; i <= Len(e); i = (i == Len(e)) ? i + 1 : NextChar(e->text, i)) {
        int d = std::abs(e->xAt[i] - tx);
        if (d < bestDist) {
            bestDist = d;
            best = i;
        }
        if (i == Len(e)) break;
    }
    return best;
}

bool CopyToClipboard(RichEdit* e, HWND hwnd) {
    LONG a = SelMin(e), b = SelMax(e);
    if (a == b) return false;
    if (!OpenClipboard(hwnd)) return false;
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (SIZE_T)(b - a + 1));
    if (mem) {
        char* p = (char*)GlobalLock(mem);
        if (p) {
            memcpy(p, e->text.data() + a, (size_t)(b - a));
            p[b - a] = 0;
            GlobalUnlock(mem);
            SetClipboardData(CF_TEXT, mem);
        } else {
            GlobalFree(mem);
        }
    }
    CloseClipboard();
    return true;
}

void Paste(HWND hwnd) {
    RichEdit* e = Get(hwnd);
    if (!e || IsReadOnly(e)) return;
    if (!OpenClipboard(hwnd)) return;
    std::string s;
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        if (const char* p = (const char*)GlobalLock(h)) {
            s = p;
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    // One line: the text up to its first line break.
    size_t cut = s.find_first_of("\r\n");
    if (cut != std::string::npos) s.resize(cut);
    if (!s.empty()) ReplaceSelection(hwnd, s, true);
}

void Paint(RichEdit* e, HDC hdc) {
    Measure(e);
    RECT client{};
    GetClientRect(e->hwnd, &client);
    bool enabled = IsWindowEnabled(e->hwnd);
    HBRUSH parentBrush = nullptr;
    if (e->plain) {
        // The plain edit asks its parent for colours, as the edit control does.
        HWND parent = GetParent(e->hwnd);
        SetTextColor(hdc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        SetBkColor(hdc, GetSysColor((enabled && !IsReadOnly(e)) ? COLOR_WINDOW : COLOR_BTNFACE));
        UINT ctl = (enabled && !IsReadOnly(e)) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
        if (parent) parentBrush = (HBRUSH)SendMessageA(parent, ctl, (WPARAM)hdc, (LPARAM)e->hwnd);
        if (!parentBrush) parentBrush = GetSysColorBrush((enabled && !IsReadOnly(e)) ? COLOR_WINDOW : COLOR_BTNFACE);
        FillRect(hdc, &client, parentBrush);
    } else {
        COLORREF bk = e->sysBk ? GetSysColor(COLOR_WINDOW) : e->bk;
        HBRUSH brush = CreateSolidBrush(bk);
        FillRect(hdc, &client, brush);
        DeleteObject(brush);
    }
    COLORREF plainFg = GetTextColor(hdc);

    RECT fr = FormatRect(e);
    int saved = SaveDC(hdc);
    IntersectClipRect(hdc, std::max(fr.left, client.left), std::max(fr.top, client.top),
                      std::min(fr.right, client.right), std::min(fr.bottom, client.bottom));
    SelectObject(hdc, CurrentFont(e));
    SetBkMode(hdc, TRANSPARENT);
    COLORREF fg = e->plain ? plainFg
                  : !enabled ? GetSysColor(COLOR_GRAYTEXT)
                  : (e->cf.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT)
                                                      : e->cf.crTextColor;
    int x0 = fr.left - e->scrollX, y = fr.top;
    LONG a = SelMin(e), b = SelMax(e);
    bool showSel = a != b && (e->focused || (GetWindowLongA(e->hwnd, GWL_STYLE) & ES_NOHIDESEL));
    auto run = [&](LONG from, LONG to, COLORREF color) {
        if (from >= to) return;
        SetTextColor(hdc, color);
        TextOutA(hdc, x0 + e->xAt[from], y, e->text.data() + from, to - from);
    };
    if (!showSel) {
        run(0, Len(e), fg);
    } else {
        run(0, a, fg);
        RECT sel{x0 + e->xAt[a], y, x0 + e->xAt[b], y + e->lineHeight};
        FillRect(hdc, &sel, GetSysColorBrush(COLOR_HIGHLIGHT));
        run(a, b, GetSysColor(COLOR_HIGHLIGHTTEXT));
        run(b, Len(e), fg);
    }
    RestoreDC(hdc, saved);
}

void UpdateBoldFont(RichEdit* e) {
    if (e->boldFont) {
        DeleteObject(e->boldFont);
        e->boldFont = nullptr;
    }
    if (!(e->cf.dwEffects & CFE_BOLD)) return;
    LOGFONTA lf{};
    HFONT base = e->font ? e->font : (HFONT)GetStockObject(SYSTEM_FONT);
    if (GetObjectA(base, sizeof(lf), &lf)) {
        lf.lfWeight = FW_BOLD;
        e->boldFont = CreateFontIndirectA(&lf);
    }
}

void FillDefaultFormat(RichEdit* e) {
    CHARFORMATA& cf = e->cf;
    LOGFONTA lf{};
    HFONT base = e->font ? e->font : (HFONT)GetStockObject(SYSTEM_FONT);
    GetObjectA(base, sizeof(lf), &lf);
    cf.cbSize = sizeof(CHARFORMATA);
    cf.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_SIZE | CFM_COLOR |
                CFM_FACE | CFM_OFFSET | CFM_CHARSET;
    // yHeight is in twips: 1440 a inch at 96 pixels an inch.
    cf.yHeight = std::abs(lf.lfHeight) * 15;
    cf.yOffset = 0;
    cf.bCharSet = lf.lfCharSet;
    cf.bPitchAndFamily = lf.lfPitchAndFamily;
    memcpy(cf.szFaceName, lf.lfFaceName, sizeof(cf.szFaceName) < sizeof(lf.lfFaceName) ? sizeof(cf.szFaceName)
                                                                                          : sizeof(lf.lfFaceName));
    cf.szFaceName[sizeof(cf.szFaceName) - 1] = 0;
    // The weight follows the font both ways: a control made with the bold
    // system font and then given a normal one writes normally.
    if (lf.lfWeight >= FW_BOLD)
        cf.dwEffects |= CFE_BOLD;
    else
        cf.dwEffects &= ~CFE_BOLD;
}

LRESULT OnKeyDown(HWND hwnd, RichEdit* e, WPARAM vk) {
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    switch (vk) {
        case VK_LEFT:
            if (!shift && SelMin(e) != SelMax(e))
                MoveCaret(hwnd, SelMin(e), false);
            else
                MoveCaret(hwnd, ctrl ? WordStart(e->text, e->caret) : PrevChar(e->text, e->caret), shift);
            return 0;
        case VK_RIGHT:
            if (!shift && SelMin(e) != SelMax(e))
                MoveCaret(hwnd, SelMax(e), false);
            else
                MoveCaret(hwnd, ctrl ? WordEnd(e->text, e->caret) : NextChar(e->text, e->caret), shift);
            return 0;
        case VK_HOME:
        case VK_UP:
            MoveCaret(hwnd, 0, shift);
            return 0;
        case VK_END:
        case VK_DOWN:
            MoveCaret(hwnd, Len(e), shift);
            return 0;
        case VK_DELETE:
            if (IsReadOnly(e)) return 0;
            if (shift) {  // Shift+Delete cuts
                SendMessageA(hwnd, WM_CUT, 0, 0);
                return 0;
            }
            if (SelMin(e) == SelMax(e)) {
                if (e->caret >= Len(e)) return 0;
                ReplaceRange(hwnd, e->caret, NextChar(e->text, e->caret), std::string(), true);
                return 0;
            }
            ReplaceSelection(hwnd, std::string(), true);
            return 0;
        case VK_INSERT:
            if (ctrl) SendMessageA(hwnd, WM_COPY, 0, 0);
            if (shift) SendMessageA(hwnd, WM_PASTE, 0, 0);
            return 0;
        default:
            break;
    }
    if (ctrl) {
        switch (vk) {
            case 'A':
                if (SetSelection(e, 0, Len(e))) {
                    Redraw(e);
                    SendSelChange(e);
                }
                return 0;
            case 'C': SendMessageA(hwnd, WM_COPY, 0, 0); return 0;
            case 'X': SendMessageA(hwnd, WM_CUT, 0, 0); return 0;
            case 'V': SendMessageA(hwnd, WM_PASTE, 0, 0); return 0;
            default: break;
        }
    }
    return 0;
}

LRESULT OnChar(HWND hwnd, RichEdit* e, WPARAM wp) {
    BYTE ch = (BYTE)wp;
    if (GetKeyState(VK_CONTROL) < 0 && ch < 0x20 && ch != 0x08) return 0;  // Ctrl+letters are commands
    if (ch == 0x08) {  // Backspace
        if (IsReadOnly(e)) return 0;
        if (SelMin(e) == SelMax(e)) {
            if (e->caret == 0) return 0;
            ReplaceRange(hwnd, PrevChar(e->text, e->caret), e->caret, std::string(), true);
            return 0;
        }
        ReplaceSelection(hwnd, std::string(), true);
        return 0;
    }
    if (ch < 0x20 && ch != '\t') return 0;  // Enter, Escape and other controls do not type
    if (IsReadOnly(e)) return 0;
    if (e->pendingLead) {
        std::string pair{(char)e->pendingLead, (char)ch};
        e->pendingLead = 0;
        ReplaceSelection(hwnd, pair, true);
        return 0;
    }
    if (IsDBCSLeadByte(ch)) {
        e->pendingLead = ch;
        return 0;
    }
    ReplaceSelection(hwnd, std::string(1, (char)ch), true);
    return 0;
}

LRESULT CALLBACK RichEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    RichEdit* e = Get(hwnd);
    if (!e) {
        if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wp, lp);
        e = new RichEdit;
        e->hwnd = hwnd;
        char cls[32] = {0};
        GetClassNameA(hwnd, cls, sizeof cls);
        e->plain = lstrcmpiA(cls, "Edit") == 0;
        e->cf.dwEffects = CFE_AUTOCOLOR;
        FillDefaultFormat(e);
        auto* cs = (CREATESTRUCTA*)lp;
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) e->text = cs->lpszName;
        if ((LONG)e->text.size() > e->limit) e->text.resize(e->limit);
        Controls()[hwnd].reset(e);
        return TRUE;
    }
    switch (msg) {
        case WM_NCDESTROY: {
            if (e->boldFont) DeleteObject(e->boldFont);
            Controls().erase(hwnd);  // frees the state
            return 0;
        }
        case WM_GETDLGCODE:
            return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        case WM_SETTEXT: {
            // Neither the limit nor read-only stops it. The selection goes
            // to 0..0, and EN_SELCHANGE says so between EN_UPDATE and
            // EN_CHANGE when it was elsewhere.
            const char* s = (const char*)lp;
            const bool selMoves = e->anchor != 0 || e->caret != 0;
            e->text = s ? s : "";
            e->anchor = e->caret = 0;
            e->scrollX = 0;
            e->xValid = false;
            e->modified = false;
            e->pendingLead = 0;
            Redraw(e);
            SendUpdate(e);
            if (!(e = Get(hwnd))) return TRUE;
            if (selMoves) SendSelChange(e);
            SendChange(hwnd);
            return TRUE;
        }
        case WM_GETTEXT: {
            if (!lp || wp == 0) return 0;
            size_t n = std::min<size_t>(e->text.size(), (size_t)wp - 1);
            memcpy((char*)lp, e->text.data(), n);
            ((char*)lp)[n] = 0;
            return (LRESULT)n;
        }
        case WM_GETTEXTLENGTH:
            return Len(e);
        case WM_SETFONT:
            e->font = (HFONT)wp;
            FillDefaultFormat(e);
            UpdateBoldFont(e);
            e->xValid = false;
            if (LOWORD(lp)) Redraw(e);
            return 0;
        case WM_GETFONT:
            return (LRESULT)e->font;
        case WM_ERASEBKGND:
            return 1;  // the paint fills the whole client area itself
        case WM_PAINT:
            return PaintMessage(hwnd, wp, [&](HDC hdc) { Paint(e, hdc); });
        case WM_SIZE:
            e->xValid = false;
            Redraw(e);
            return 0;
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_SETFOCUS: {
            e->focused = true;
            Measure(e);
            CreateCaret(hwnd, nullptr, 1, e->lineHeight);
            PlaceCaret(e);
            ShowCaret(hwnd);
            InvalidateRect(hwnd, nullptr, TRUE);
            SendCommand(e, EN_SETFOCUS);
            return 0;
        }
        case WM_KILLFOCUS: {
            e->focused = false;
            e->pendingLead = 0;
            DestroyCaret();
            InvalidateRect(hwnd, nullptr, TRUE);
            SendCommand(e, EN_KILLFOCUS);
            return 0;
        }
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                SetCursor(LoadCursorA(nullptr, IDC_IBEAM));
                return TRUE;
            }
            return DefWindowProcA(hwnd, msg, wp, lp);
        case WM_LBUTTONDOWN: {
            if (GetFocus() != hwnd) SetFocus(hwnd);
            if (!(e = Get(hwnd))) return 0;
            LONG pos = CharFromX(e, GET_X_LPARAM(lp));
            MoveCaret(hwnd, pos, (wp & MK_SHIFT) != 0);
            if (!(e = Get(hwnd))) return 0;
            e->dragging = true;
            SetCapture(hwnd);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (e->dragging && GetCapture() == hwnd) MoveCaret(hwnd, CharFromX(e, GET_X_LPARAM(lp)), true);
            return 0;
        case WM_LBUTTONUP:
            if (e->dragging) {
                e->dragging = false;
                if (GetCapture() == hwnd) ReleaseCapture();
            }
            return 0;
        case WM_CAPTURECHANGED:
            e->dragging = false;
            return 0;
        case WM_LBUTTONDBLCLK: {
            LONG pos = CharFromX(e, GET_X_LPARAM(lp));
            LONG a = WordStart(e->text, pos), b = pos;
            while (b < Len(e) && e->text[b] != ' ') b = NextChar(e->text, b);
            if (SetSelection(e, a, b)) {
                Redraw(e);
                SendSelChange(e);
            }
            return 0;
        }
        case WM_KEYDOWN:
            return OnKeyDown(hwnd, e, wp);
        case WM_CHAR:
            return OnChar(hwnd, e, wp);
        case WM_COPY:
            CopyToClipboard(e, hwnd);
            return 0;
        case WM_CUT:
            if (!IsReadOnly(e) && CopyToClipboard(e, hwnd)) ReplaceSelection(hwnd, std::string(), true);
            return 0;
        case WM_CLEAR:
            if (!IsReadOnly(e) && SelMin(e) != SelMax(e)) ReplaceSelection(hwnd, std::string(), true);
            return 0;
        case WM_PASTE:
            Paste(hwnd);
            return 0;
        case EM_CANPASTE:
            return IsClipboardFormatAvailable(CF_TEXT);
        case EM_GETSEL: {
            if (wp) *(DWORD*)wp = (DWORD)SelMin(e);
            if (lp) *(DWORD*)lp = (DWORD)SelMax(e);
            if (SelMin(e) > 0xFFFF || SelMax(e) > 0xFFFF) return -1;
            return MAKELRESULT(SelMin(e), SelMax(e));
        }
        case EM_SETSEL: {
            LONG a = (LONG)(INT_PTR)wp, b = (LONG)lp;
            if (a == -1) {
                a = b = e->caret;  // deselect, caret stays
            } else {
                if (a < -1) a = 0;
                if (b < 0 || b > Len(e)) b = Len(e);
                if (a > Len(e)) a = Len(e);
            }
            // The caret stands at the end the caller named last.
            if (SetSelection(e, a, b)) {
                Redraw(e);
                SendSelChange(e);
            }
            return 0;
        }
        case EM_EXGETSEL: {
            auto* cr = (CHARRANGE*)lp;
            if (!cr) return 0;
            cr->cpMin = SelMin(e);
            cr->cpMax = SelMax(e);
            return 0;
        }
        case EM_EXSETSEL: {
            auto* cr = (const CHARRANGE*)lp;
            if (!cr) return SelMax(e);
            LONG a = cr->cpMin, b = cr->cpMax;
            if (a == 0 && b == -1) {
                b = Len(e);
            } else if (a < 0) {
                a = b = e->caret;
            } else {
                a = std::min(a, Len(e));
                b = (b < 0 || b > Len(e)) ? Len(e) : b;
            }
            if (SetSelection(e, a, b)) {
                Redraw(e);
                SendSelChange(e);
            }
            return SelMax(e);
        }
        case EM_GETSELTEXT: {
            if (!lp) return 0;
            LONG n = SelMax(e) - SelMin(e);
            memcpy((char*)lp, e->text.data() + SelMin(e), (size_t)n);
            ((char*)lp)[n] = 0;
            return n;
        }
        case EM_SELECTIONTYPE:
            return SelMin(e) == SelMax(e) ? SEL_EMPTY : SEL_TEXT;
        case EM_REPLACESEL: {
            if (!lp) return 0;
            std::string s = (const char*)lp;
            size_t cut = s.find_first_of("\r\n");
            if (cut != std::string::npos) s.resize(cut);
            ReplaceSelection(hwnd, s, false);
            return 0;
        }
        case EM_LIMITTEXT:
        case EM_EXLIMITTEXT: {
            LONG n = msg == EM_LIMITTEXT ? (LONG)wp : (LONG)lp;
            e->limit = n <= 0 ? kMaxLimit : n;
            return 0;
        }
        case EM_GETLIMITTEXT:
            return e->limit;
        case EM_SETREADONLY: {
            LONG style = GetWindowLongA(hwnd, GWL_STYLE);
            SetWindowLongA(hwnd, GWL_STYLE, wp ? (style | ES_READONLY) : (style & ~ES_READONLY));
            return TRUE;
        }
        case EM_GETEVENTMASK:
            return (LRESULT)e->eventMask;
        case EM_SETEVENTMASK: {
            DWORD old = e->eventMask;
            e->eventMask = (DWORD)lp;
            return (LRESULT)old;
        }
        case EM_SETBKGNDCOLOR: {
            COLORREF old = e->sysBk ? GetSysColor(COLOR_WINDOW) : e->bk;
            e->sysBk = wp != 0;
            if (!e->sysBk) e->bk = (COLORREF)lp;
            InvalidateRect(hwnd, nullptr, TRUE);
            return (LRESULT)old;
        }
        case EM_GETCHARFORMAT: {
            auto* cf = (CHARFORMATA*)lp;
            if (!cf || cf->cbSize != sizeof(CHARFORMATA)) return 0;
            *cf = e->cf;
            return (LRESULT)cf->dwMask;
        }
        case EM_SETCHARFORMAT: {
            auto* cf = (const CHARFORMATA*)lp;
            if (!cf || cf->cbSize != sizeof(CHARFORMATA)) return 0;
            // One format for the whole text: SCF_SELECTION and SCF_ALL apply to it too.
            if (cf->dwMask & CFM_COLOR) {
                e->cf.dwEffects = (e->cf.dwEffects & ~CFE_AUTOCOLOR) | (cf->dwEffects & CFE_AUTOCOLOR);
                e->cf.crTextColor = cf->crTextColor;
            }
            DWORD simple = CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED;
            DWORD eff = CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED;
            e->cf.dwEffects = (e->cf.dwEffects & ~(eff & cf->dwMask & simple)) | (cf->dwEffects & eff & cf->dwMask);
            if (cf->dwMask & CFM_BOLD) {
                e->cf.dwEffects = (e->cf.dwEffects & ~CFE_BOLD) | (cf->dwEffects & CFE_BOLD);
                UpdateBoldFont(e);
                e->xValid = false;
            }
            InvalidateRect(hwnd, nullptr, TRUE);
            return TRUE;
        }
        case EM_SETRECT:
        case EM_SETRECTNP: {
            if (lp) {
                e->fmt = *(const RECT*)lp;
                e->fmtSet = true;
            } else {
                e->fmtSet = false;
            }
            if (msg == EM_SETRECT) Redraw(e);
            return 0;
        }
        case EM_GETRECT: {
            if (lp) *(RECT*)lp = FormatRect(e);
            return 0;
        }
        case EM_GETLINECOUNT:
            return 1;
        case EM_LINELENGTH:
            return Len(e);
        case EM_GETMODIFY:
            return e->modified;
        case EM_SETMODIFY:
            e->modified = wp != 0;
            return 0;
        case EM_SCROLLCARET:
            Redraw(e);
            return 0;
        case EM_POSFROMCHAR: {
            LONG idx = (LONG)wp;
            if (idx < 0 || idx > Len(e)) return -1;
            Measure(e);
            RECT fr = FormatRect(e);
            return MAKELRESULT((WORD)(short)(fr.left + e->xAt[idx] - e->scrollX), (WORD)(short)fr.top);
        }
        case EM_CHARFROMPOS: {
            auto* pt = (const POINT*)lp;
            if (!pt) return -1;
            return CharFromX(e, pt->x);
        }
        case EM_GETTEXTRANGE: {
            auto* tr = (TEXTRANGEA*)lp;
            if (!tr || !tr->lpstrText) return 0;
            LONG a = std::clamp<LONG>(tr->chrg.cpMin, 0, Len(e));
            LONG b = tr->chrg.cpMax < 0 ? Len(e) : std::clamp<LONG>(tr->chrg.cpMax, a, Len(e));
            memcpy(tr->lpstrText, e->text.data() + a, (size_t)(b - a));
            tr->lpstrText[b - a] = 0;
            return b - a;
        }
        case EM_HIDESELECTION:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case EM_CANUNDO:
        case EM_UNDO:
        case WM_UNDO:
            return FALSE;  // no undo history: the owner keeps what it accepted
        case EM_EMPTYUNDOBUFFER:
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

void RegisterRichEditClass() {
    for (const char* name : {RICHEDIT_CLASSA, RICHEDIT_CLASS10A, "Edit"}) {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
        wc.lpfnWndProc = RichEditProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
}

}  // namespace vor::controls
