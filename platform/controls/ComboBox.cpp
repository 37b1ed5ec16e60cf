// The combo box control: a selection field (an edit child with
// CBS_DROPDOWN, a drawn field with CBS_DROPDOWNLIST), a drop button, and a
// drop-down list that is a popup list box ("ComboLBox") owned by the combo
// box. The combo box keeps no items itself: the list holds them.
#include "ComboBox.h"

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>

#include "ListBox.h"
#include "ControlPaint.h"
#include "windows.h"

namespace vor::controls {
namespace {

constexpr int kEditId = 1001;  // the edit child's control id, as on Windows
constexpr int kListId = 1000;
constexpr int kEdge = 2;       // the sunken edge around the combo box

struct ComboBox {
    HWND hwnd = nullptr;
    HWND edit = nullptr;  // CBS_DROPDOWN only
    HWND list = nullptr;
    WNDPROC editProc = nullptr;
    int fieldHeight = 15;   // the selection field, without the edge
    int droppedHeight = 0;  // the whole height with the list down
    HFONT font = nullptr;
    bool dropped = false;
    bool focused = false;    // the combo box or its edit child has the focus
    int settingText = 0;     // > 0 while the combo box itself sets the edit text
    bool buttonDown = false; // the press that opened the list is held
    DWORD listScroll = 0;    // the scroll bars asked for, which go to the list
    // What the list opened over, which a cancel puts back: the selection,
    // and the edit field's text and selection.
    int selAtDrop = -1;
    std::string textAtDrop;
    DWORD editSelAtDrop = 0;
    // The item the selection field shows. It is the list's selection except
    // while the list is open: the pointer then moves the list's highlight
    // alone, and the field follows only keys and the final choice.
    int fieldSel = -1;
};

std::unordered_map<HWND, std::unique_ptr<ComboBox>>& Combos() {
    // The map owns the controls' states, so none outlives the process unfreed.
    static std::unordered_map<HWND, std::unique_ptr<ComboBox>> map;
    return map;
}

ComboBox* Get(HWND hwnd) {
    auto it = Combos().find(hwnd);
    return it == Combos().end() ? nullptr : it->second.get();
}

ComboBox* FromEdit(HWND edit) {
    for (auto& [h, c] : Combos())
        if (c->edit == edit) return c.get();
    return nullptr;
}

LONG Style(const ComboBox* c) { return GetWindowLongA(c->hwnd, GWL_STYLE); }
bool HasEdit(const ComboBox* c) { return c->edit != nullptr; }
HFONT Font(const ComboBox* c) { return c->font ? c->font : (HFONT)GetStockObject(SYSTEM_FONT); }

int FontHeight(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    int h = GetTextMetricsA(dc, &tm) ? tm.tmHeight : 13;
    SelectObject(dc, old);
    DeleteDC(dc);
    return h;
}

int WindowHeight(const ComboBox* c) { return c->fieldHeight + 2 * (kEdge + 1); }

RECT Client(const ComboBox* c) {
    RECT rc{};
    GetClientRect(c->hwnd, &rc);
    return rc;
}

RECT ButtonRect(const ComboBox* c) {
    RECT rc = Client(c);
    int w = GetSystemMetrics(SM_CXVSCROLL);
    return RECT{std::max<LONG>(rc.left + kEdge, rc.right - kEdge - w), rc.top + kEdge, rc.right - kEdge,
                rc.bottom - kEdge};
}

RECT FieldRect(const ComboBox* c) {
    RECT rc = Client(c);
    RECT btn = ButtonRect(c);
    return RECT{rc.left + kEdge + 1, rc.top + kEdge + 1, std::max<LONG>(rc.left + kEdge + 1, btn.left - 1),
                rc.bottom - kEdge - 1};
}

void Notify(ComboBox* c, WORD code) {
    HWND parent = GetParent(c->hwnd);
    if (parent) SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c->hwnd), code), (LPARAM)c->hwnd);
}

int CurSel(const ComboBox* c) { return (int)SendMessageA(c->list, LB_GETCURSEL, 0, 0); }
int FieldSel(const ComboBox* c) { return c->dropped ? c->fieldSel : CurSel(c); }

// Selects item `i` of the list (-1: none) without telling anyone.
void SetListSel(ComboBox* c, int i) { SendMessageA(c->list, LB_SETCURSEL, (WPARAM)(INT_PTR)i, 0); }

std::string ItemText(const ComboBox* c, int i) {
    LRESULT n = SendMessageA(c->list, LB_GETTEXTLEN, (WPARAM)i, 0);
    if (n < 0) return std::string();
    std::string s((size_t)n + 1, '\0');
    SendMessageA(c->list, LB_GETTEXT, (WPARAM)i, (LPARAM)s.data());
    s.resize((size_t)n);
    return s;
}

// Puts text into the edit field as the combo box's own doing: the edit's
// change notifications are not passed on as CBN_EDITUPDATE/CBN_EDITCHANGE.
void SetEditText(ComboBox* c, const std::string& text, bool selectAll) {
    if (!c->edit) return;
    HWND hwnd = c->hwnd, edit = c->edit;
    ++c->settingText;
    SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)text.c_str());
    if (selectAll) SendMessageA(edit, EM_SETSEL, 0, -1);
    if ((c = Get(hwnd))) --c->settingText;
}

std::string EditText(const ComboBox* c) {
    int n = GetWindowTextLengthA(c->edit);
    std::string text((size_t)n + 1, '\0');
    GetWindowTextA(c->edit, text.data(), n + 1);
    text.resize(strlen(text.c_str()));
    return text;
}

// Remembers the edit field's text and selection for a cancel of the list.
void KeepEditState(ComboBox* c) {
    c->textAtDrop.clear();
    if (!HasEdit(c)) return;
    c->textAtDrop = EditText(c);
    c->editSelAtDrop = (DWORD)SendMessageA(c->edit, EM_GETSEL, 0, 0);
}

void SelectionToField(ComboBox* c) {
    int i = CurSel(c);
    c->fieldSel = i;
    if (HasEdit(c)) {
        SetEditText(c, i >= 0 ? ItemText(c, i) : std::string(), true);
    } else {
        InvalidateRect(c->hwnd, nullptr, TRUE);
    }
}

void PlaceChildren(ComboBox* c) {
    if (c->edit) {
        RECT f = FieldRect(c);
        SetWindowPos(c->edit, nullptr, f.left, f.top, f.right - f.left, f.bottom - f.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Opens the list. The capture goes to the list, or, when a press of the
// mouse opens it, to the combo box until that press ends (WM_LBUTTONUP).
void DropDown(ComboBox* c, bool byPress) {
    if (c->dropped || !IsWindowEnabled(c->hwnd)) return;
    HWND hwnd = c->hwnd;
    Notify(c, CBN_DROPDOWN);
    if (!(c = Get(hwnd)) || c->dropped) return;
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    int listHeight = std::max(c->droppedHeight - WindowHeight(c), (int)SendMessageA(c->list, LB_GETITEMHEIGHT, 0, 0) + 2);
    int count = (int)SendMessageA(c->list, LB_GETCOUNT, 0, 0);
    int itemH = std::max(1, (int)SendMessageA(c->list, LB_GETITEMHEIGHT, 0, 0));
    if (!(Style(c) & CBS_NOINTEGRALHEIGHT)) {
        // A whole number of items, and no taller than the items need.
        int rows = std::max(1, std::min((listHeight - 2) / itemH, std::max(1, count)));
        listHeight = rows * itemH + 2;
    }
    // Below the box when the list fits there in the work area; else on the
    // side with more room, no taller than that room.
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int top = wr.bottom;
    const int below = work.bottom - wr.bottom, above = wr.top - work.top;
    if (listHeight > below && above > below) {
        int room = std::max(above, itemH + 2);
        if (listHeight > room) listHeight = (Style(c) & CBS_NOINTEGRALHEIGHT) ? room : std::max(1, (room - 2) / itemH) * itemH + 2;
        top = wr.top - listHeight;
    } else if (listHeight > below && below >= itemH + 2) {
        listHeight = (Style(c) & CBS_NOINTEGRALHEIGHT) ? below : (below - 2) / itemH * itemH + 2;
    }
    c->dropped = true;
    c->selAtDrop = c->fieldSel = CurSel(c);
    KeepEditState(c);
    SetWindowPos(c->list, HWND_TOP, wr.left, top, wr.right - wr.left, listHeight,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    int sel = CurSel(c);
    if (sel >= 0) SendMessageA(c->list, LB_SETTOPINDEX, (WPARAM)sel, 0);
    SetCapture(byPress ? hwnd : c->list);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// A cancel: the selection and the edit field go back to what they were
// when the list opened.
void RestoreDropState(ComboBox* c) {
    HWND hwnd = c->hwnd;
    if (CurSel(c) != c->selAtDrop) SetListSel(c, c->selAtDrop);
    if (!(c = Get(hwnd))) return;
    c->fieldSel = c->selAtDrop;
    if (!HasEdit(c) || EditText(c) == c->textAtDrop) return;
    DWORD sel = c->editSelAtDrop;
    SetEditText(c, c->textAtDrop, false);
    if ((c = Get(hwnd)) && c->edit) SendMessageA(c->edit, EM_SETSEL, LOWORD(sel), HIWORD(sel));
}

// Closes the list; `ok` says whether its highlighted item is the user's
// choice. A choice the field does not show yet is a change of selection.
void RollUp(ComboBox* c, bool ok) {
    if (!c || !c->dropped) return;
    HWND hwnd = c->hwnd;
    if (ok && CurSel(c) != c->fieldSel) {
        SelectionToField(c);
        if (!(c = Get(hwnd))) return;
        Notify(c, CBN_SELCHANGE);
        if (!(c = Get(hwnd)) || !c->dropped) return;
    } else if (!ok) {
        RestoreDropState(c);
        if (!(c = Get(hwnd)) || !c->dropped) return;
    }
    c->dropped = false;
    c->buttonDown = false;
    Notify(c, ok ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if (!(c = Get(hwnd))) return;
    ShowWindow(c->list, SW_HIDE);
    if (GetCapture() == c->list || GetCapture() == hwnd) ReleaseCapture();
    if (!(c = Get(hwnd))) return;
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(c, CBN_CLOSEUP);
}

// A selection made with a key or the wheel. With the list closed there is
// no later choice to wait for: the new item is also the user's choice.
void UserSelect(ComboBox* c, int i) {
    HWND hwnd = c->hwnd;
    int count = (int)SendMessageA(c->list, LB_GETCOUNT, 0, 0);
    if (count == 0) return;
    i = std::clamp(i, 0, count - 1);
    if (i == CurSel(c) && i == FieldSel(c)) return;
    SetListSel(c, i);
    if (!(c = Get(hwnd))) return;
    SelectionToField(c);
    if (!(c = Get(hwnd))) return;
    Notify(c, CBN_SELCHANGE);
    if ((c = Get(hwnd)) && !c->dropped) Notify(c, CBN_SELENDOK);
}

// Typing into the edit field moves the list's selection to the first item
// that begins with the text, or to none; nothing is notified.
// Typed into an open list, the text and its item are what a cancel goes
// back to.
void ListFollowsEdit(ComboBox* c) {
    std::string text = EditText(c);
    int i = -1;
    if (!text.empty()) i = (int)SendMessageA(c->list, LB_FINDSTRING, (WPARAM)-1, (LPARAM)text.c_str());
    HWND hwnd = c->hwnd;
    SetListSel(c, i < 0 ? -1 : i);
    if (!(c = Get(hwnd))) return;
    c->fieldSel = i < 0 ? -1 : i;
    if (c->dropped) {
        c->selAtDrop = c->fieldSel;
        KeepEditState(c);
    }
}

// Hands a mouse message of the combo box's press to the list, in the
// list's coordinates, when the pointer is over the list.
void ForwardToList(ComboBox* c, UINT msg, WPARAM wp, LPARAM lp) {
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    MapWindowPoints(c->hwnd, c->list, &pt, 1);
    RECT lr{};
    GetClientRect(c->list, &lr);
    if (PtInRect(&lr, pt)) SendMessageA(c->list, msg, wp, MAKELPARAM(pt.x, pt.y));
}

// The keys a combo box handles for itself, from its own focus or its edit's.
// Answers whether the key was used.
bool ComboKey(ComboBox* c, WPARAM vk, bool alt) {
    int sel = CurSel(c);
    int count = (int)SendMessageA(c->list, LB_GETCOUNT, 0, 0);
    int page = 0;
    if (count > 0) {
        RECT lr{};
        GetClientRect(c->list, &lr);
        page = std::max(1, (int)(lr.bottom - lr.top) / std::max(1, (int)SendMessageA(c->list, LB_GETITEMHEIGHT, 0, 0)));
    }
    if (vk == VK_F4 || (alt && (vk == VK_DOWN || vk == VK_UP))) {
        if (c->dropped)
            RollUp(c, true);
        else
            DropDown(c, false);
        return true;
    }
    if (c->dropped && vk == VK_RETURN) {
        RollUp(c, true);
        return true;
    }
    if (c->dropped && vk == VK_ESCAPE) {
        RollUp(c, false);
        return true;
    }
    switch (vk) {
        case VK_UP: UserSelect(c, sel < 0 ? 0 : sel - 1); return true;
        case VK_DOWN: UserSelect(c, sel < 0 ? 0 : sel + 1); return true;
        case VK_PRIOR:
            if (!c->dropped && HasEdit(c)) return false;
            UserSelect(c, sel - std::max(1, page - 1));
            return true;
        case VK_NEXT:
            if (!c->dropped && HasEdit(c)) return false;
            UserSelect(c, sel + std::max(1, page - 1));
            return true;
        case VK_HOME:
            if (HasEdit(c)) return false;  // the edit field's caret
            UserSelect(c, 0);
            return true;
        case VK_END:
            if (HasEdit(c)) return false;
            UserSelect(c, count - 1);
            return true;
        default: return false;
    }
}

LRESULT CALLBACK ComboEditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
    ComboBox* c = FromEdit(edit);
    if (!c) return DefWindowProcA(edit, msg, wp, lp);
    WNDPROC base = c->editProc;
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (ComboKey(c, wp, msg == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0)) return 0;
            break;
        case WM_CHAR:
            if ((wp == VK_RETURN || wp == VK_ESCAPE) && c->dropped) return 0;
            break;
        case WM_GETDLGCODE:
            return CallWindowProcA(base, edit, msg, wp, lp) | (c->dropped ? DLGC_WANTALLKEYS : 0);
        default:
            break;
    }
    return CallWindowProcA(base, edit, msg, wp, lp);
}

bool IsOurs(const ComboBox* c, HWND h) { return h && (h == c->hwnd || h == c->edit || h == c->list); }

void GainFocus(ComboBox* c) {
    if (c->focused) return;
    c->focused = true;
    InvalidateRect(c->hwnd, nullptr, TRUE);
    Notify(c, CBN_SETFOCUS);
}

void LoseFocus(ComboBox* c, HWND to) {
    if (!c->focused || IsOurs(c, to)) return;
    HWND hwnd = c->hwnd;
    RollUp(c, false);
    if (!(c = Get(hwnd))) return;
    c->focused = false;
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(c, CBN_KILLFOCUS);
}

void DrawArrow(HDC hdc, const RECT& r, bool pressed, bool enabled) {
    int cx = (r.left + r.right) / 2 + (pressed ? 1 : 0), cy = (r.top + r.bottom) / 2 - 1 + (pressed ? 1 : 0);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    HGDIOBJ old = SelectObject(hdc, pen);
    for (int k = 0; k < 4; ++k) {
        MoveToEx(hdc, cx - 3 + k, cy + k, nullptr);
        LineTo(hdc, cx + 4 - k, cy + k);
    }
    SelectObject(hdc, old);
    DeleteObject(pen);
}

void Paint(ComboBox* c, HDC hdc) {
    RECT rc = Client(c);
    bool enabled = IsWindowEnabled(c->hwnd);
    // The sunken edge, the field's background and the button.
    DrawEdge(hdc, &rc, EDGE_SUNKEN, BF_RECT);
    HWND parent = GetParent(c->hwnd);
    SetTextColor(hdc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(hdc, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    HBRUSH bg = nullptr;
    if (!HasEdit(c) && parent) bg = (HBRUSH)SendMessageA(parent, WM_CTLCOLORLISTBOX, (WPARAM)hdc, (LPARAM)c->hwnd);
    if (!bg) bg = GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE);
    RECT inner{rc.left + kEdge, rc.top + kEdge, rc.right - kEdge, rc.bottom - kEdge};
    FillRect(hdc, &inner, bg);
    RECT btn = ButtonRect(c);
    bool pressed = c->dropped || c->buttonDown;
    FillRect(hdc, &btn, GetSysColorBrush(COLOR_BTNFACE));
    if (pressed) {
        HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
        FrameRect(hdc, &btn, shadow);
    } else {
        DrawEdge(hdc, &btn, EDGE_RAISED, BF_RECT);
    }
    DrawArrow(hdc, btn, pressed, enabled);
    if (HasEdit(c)) return;
    // The drawn selection field of a drop-down list.
    RECT f = FieldRect(c);
    int sel = FieldSel(c);
    bool highlight = c->focused && !c->dropped;
    if (highlight) {
        FillRect(hdc, &f, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    if (sel >= 0) {
        HGDIOBJ oldFont = SelectObject(hdc, Font(c));
        SetBkMode(hdc, TRANSPARENT);
        std::string text = ItemText(c, sel);
        RECT tr{f.left + 1, f.top, f.right, f.bottom};
        DrawTextA(hdc, text.c_str(), (int)text.size(), &tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
        SelectObject(hdc, oldFont);
    }
    if (highlight) DrawFocusRect(hdc, &f);
}

LRESULT OnCreate(ComboBox* c, const CREATESTRUCTA* cs) {
    HWND hwnd = c->hwnd;
    c->droppedHeight = cs ? cs->cy : 0;
    c->fieldHeight = FontHeight(Font(c)) + 2;
    HINSTANCE inst = (HINSTANCE)GetWindowLongPtrA(hwnd, GWLP_HINSTANCE);
    LONG style = Style(c);
    DWORD lbStyle = WS_POPUP | WS_BORDER | c->listScroll | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    if (style & CBS_SORT) lbStyle |= LBS_SORT;
    if (style & CBS_DISABLENOSCROLL) lbStyle |= LBS_DISABLENOSCROLL;
    c->list = CreateWindowExA(WS_EX_TOOLWINDOW, "ComboLBox", "", lbStyle, 0, 0, 10, 10, hwnd,
                              (HMENU)(INT_PTR)kListId, inst, (LPVOID)hwnd);
    if (!(c = Get(hwnd)) || !c->list) return -1;
    if ((style & 3) == CBS_DROPDOWN || (style & 3) == CBS_SIMPLE) {
        DWORD es = WS_CHILD | WS_VISIBLE | ES_NOHIDESEL | ((style & CBS_AUTOHSCROLL) ? ES_AUTOHSCROLL : 0);
        if (style & CBS_UPPERCASE) es |= ES_UPPERCASE;
        if (style & CBS_LOWERCASE) es |= ES_LOWERCASE;
        HWND edit = CreateWindowExA(0, "Edit", "", es, 0, 0, 10, 10, hwnd, (HMENU)(INT_PTR)kEditId, inst, nullptr);
        if (!(c = Get(hwnd)) || !edit) return -1;
        c->edit = edit;
        c->editProc = (WNDPROC)SetWindowLongPtrA(edit, GWLP_WNDPROC, (LONG_PTR)ComboEditProc);
    }
    // The window keeps the height of its selection field; the height it was
    // created with is the height with the list down.
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    SetWindowPos(hwnd, nullptr, 0, 0, wr.right - wr.left, WindowHeight(c),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if ((c = Get(hwnd))) PlaceChildren(c);
    return 0;
}

LRESULT CALLBACK ComboProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ComboBox* c = Get(hwnd);
    if (!c) {
        if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wp, lp);
        c = new ComboBox;
        c->hwnd = hwnd;
        Combos()[hwnd].reset(c);
        // Scroll bars are the list's: the combo box itself shows none.
        LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        c->listScroll = (DWORD)style & (WS_VSCROLL | WS_HSCROLL);
        SetWindowLongA(hwnd, GWL_STYLE, style & ~(WS_VSCROLL | WS_HSCROLL));
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    switch (msg) {
        case WM_CREATE:
            return OnCreate(c, (const CREATESTRUCTA*)lp);
        case WM_DESTROY:
            if (c->list) {
                HWND list = c->list;
                c->list = nullptr;
                DestroyWindow(list);
            }
            return 0;
        case WM_NCDESTROY:
            Combos().erase(hwnd);  // frees the state
            return DefWindowProcA(hwnd, msg, wp, lp);
        case WM_WINDOWPOSCHANGING: {
            auto* wp2 = (WINDOWPOS*)lp;
            if (wp2 && !(wp2->flags & SWP_NOSIZE) && wp2->cy != WindowHeight(c)) {
                c->droppedHeight = wp2->cy;
                wp2->cy = WindowHeight(c);
            }
            return 0;
        }
        case WM_SIZE:
            PlaceChildren(c);
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS | (c->dropped ? DLGC_WANTALLKEYS : 0);
        case WM_SETFONT:
            c->font = (HFONT)wp;
            if (c->edit) SendMessageA(c->edit, WM_SETFONT, wp, lp);
            if (c->list) SendMessageA(c->list, WM_SETFONT, wp, lp);
            if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return (LRESULT)c->font;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return PaintMessage(hwnd, wp, [&](HDC hdc) { Paint(c, hdc); });
        case WM_ENABLE:
            if (c->edit) EnableWindow(c->edit, (BOOL)wp);
            if (!wp) RollUp(c, false);
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_SETTEXT:
            if (!HasEdit(c)) return CB_ERR;
            SetEditText(c, lp ? (const char*)lp : "", false);
            return TRUE;
        case WM_GETTEXT: {
            if (HasEdit(c)) return SendMessageA(c->edit, WM_GETTEXT, wp, lp);
            if (!lp || wp == 0) return 0;
            int sel = FieldSel(c);
            std::string s = sel >= 0 ? ItemText(c, sel) : std::string();
            size_t n = std::min(s.size(), (size_t)wp - 1);
            memcpy((char*)lp, s.data(), n);
            ((char*)lp)[n] = 0;
            return (LRESULT)n;
        }
        case WM_GETTEXTLENGTH: {
            if (HasEdit(c)) return SendMessageA(c->edit, WM_GETTEXTLENGTH, 0, 0);
            int sel = FieldSel(c);
            return sel >= 0 ? (LRESULT)ItemText(c, sel).size() : 0;
        }
        case WM_SETFOCUS:
            if (c->edit) {
                SetFocus(c->edit);  // the edit field takes the focus of the combo box
                return 0;
            }
            GainFocus(c);
            return 0;
        case WM_KILLFOCUS:
            LoseFocus(c, (HWND)wp);
            return 0;
        case WM_COMMAND: {
            HWND from = (HWND)lp;
            WORD code = HIWORD(wp);
            if (from && from == c->edit) {
                switch (code) {
                    case EN_SETFOCUS: GainFocus(c); break;
                    case EN_KILLFOCUS: LoseFocus(c, GetFocus()); break;
                    case EN_UPDATE:
                        if (!c->settingText) Notify(c, CBN_EDITUPDATE);
                        break;
                    case EN_CHANGE:
                        if (c->settingText) break;
                        ListFollowsEdit(c);
                        if ((c = Get(hwnd))) Notify(c, CBN_EDITCHANGE);
                        break;
                    default: break;
                }
                return 0;
            }
            if (from && from == c->list) {
                // The list's own selection changes follow the pointer: they
                // move its highlight only.
                switch (code) {
                    case kComboListChosen: RollUp(c, true); break;
                    case kComboListCancel: RollUp(c, false); break;
                    case kComboListCaptureLost:
                        if (c->dropped) RollUp(c, false);
                        break;
                    default: break;
                }
            }
            return 0;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC: {
            // Colours of the edit field and the list come from the combo box's parent.
            HWND parent = GetParent(hwnd);
            return parent ? SendMessageA(parent, msg, wp, lp) : 0;
        }
        case WM_LBUTTONDOWN: {
            HWND focusTarget = c->edit ? c->edit : hwnd;
            if (GetFocus() != focusTarget) SetFocus(focusTarget);
            if (!(c = Get(hwnd))) return 0;
            POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            RECT btn = ButtonRect(c);
            if (HasEdit(c) && !PtInRect(&btn, pt)) return 0;
            if (c->dropped) {
                RollUp(c, true);
            } else {
                c->buttonDown = true;
                DropDown(c, true);
                if ((c = Get(hwnd)) && !c->dropped) c->buttonDown = false;
            }
            return 0;
        }
        case WM_MOUSEMOVE:
            // While the press that opened the list is held, the list's
            // highlight follows the pointer over it.
            if (c->buttonDown && c->dropped) ForwardToList(c, msg, wp, lp);
            return 0;
        case WM_LBUTTONUP:
            // The press that opened the list ends: released over an item, it
            // chooses it; anywhere else the list stays open and takes the capture.
            if (!c->buttonDown) return 0;
            c->buttonDown = false;
            if (!c->dropped) return 0;
            ForwardToList(c, msg, wp, lp);
            if ((c = Get(hwnd)) && c->dropped && GetCapture() == hwnd) SetCapture(c->list);
            return 0;
        case WM_CAPTURECHANGED:
            // The capture taken by anything but the list ends the press and
            // cancels the open list.
            if (!c->buttonDown) return 0;
            c->buttonDown = false;
            if ((HWND)lp != c->list) RollUp(c, false);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (ComboKey(c, wp, msg == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0)) return 0;
            return msg == WM_SYSKEYDOWN ? DefWindowProcA(hwnd, msg, wp, lp) : 0;
        case WM_CHAR: {
            if (HasEdit(c) || wp < 0x20) return 0;
            char s[2] = {(char)wp, 0};
            int i = (int)SendMessageA(c->list, LB_FINDSTRING, (WPARAM)CurSel(c), (LPARAM)s);
            if (i >= 0) UserSelect(c, i);
            return 0;
        }
        case WM_MOUSEWHEEL: {
            if (c->dropped) return SendMessageA(c->list, msg, wp, lp);
            int notches = (short)HIWORD(wp) / WHEEL_DELTA;
            if (notches) UserSelect(c, std::max(0, CurSel(c)) - notches);
            return 0;
        }

        case CB_ADDSTRING: return SendMessageA(c->list, LB_ADDSTRING, 0, lp);
        case CB_INSERTSTRING: return SendMessageA(c->list, LB_INSERTSTRING, wp, lp);
        case CB_DELETESTRING: {
            LRESULT r = SendMessageA(c->list, LB_DELETESTRING, wp, 0);
            if (r != CB_ERR && !HasEdit(c)) InvalidateRect(hwnd, nullptr, TRUE);
            return r;
        }
        case CB_RESETCONTENT:
            SendMessageA(c->list, LB_RESETCONTENT, 0, 0);
            if (HasEdit(c))
                SetEditText(c, std::string(), false);
            else
                InvalidateRect(hwnd, nullptr, TRUE);
            return CB_OKAY;
        case CB_GETCOUNT: return SendMessageA(c->list, LB_GETCOUNT, 0, 0);
        case CB_GETCURSEL: return SendMessageA(c->list, LB_GETCURSEL, 0, 0);
        case CB_GETLBTEXT: return SendMessageA(c->list, LB_GETTEXT, wp, lp);
        case CB_GETLBTEXTLEN: return SendMessageA(c->list, LB_GETTEXTLEN, wp, 0);
        case CB_GETITEMDATA: return SendMessageA(c->list, LB_GETITEMDATA, wp, 0);
        case CB_SETITEMDATA: return SendMessageA(c->list, LB_SETITEMDATA, wp, lp);
        case CB_FINDSTRING: return SendMessageA(c->list, LB_FINDSTRING, wp, lp);
        case CB_FINDSTRINGEXACT: return SendMessageA(c->list, LB_FINDSTRINGEXACT, wp, lp);
        case CB_GETTOPINDEX: return SendMessageA(c->list, LB_GETTOPINDEX, 0, 0);
        case CB_SETTOPINDEX: return SendMessageA(c->list, LB_SETTOPINDEX, wp, 0) == LB_ERR ? CB_ERR : 0;
        case CB_GETHORIZONTALEXTENT: return SendMessageA(c->list, LB_GETHORIZONTALEXTENT, 0, 0);
        case CB_SETHORIZONTALEXTENT: return SendMessageA(c->list, LB_SETHORIZONTALEXTENT, wp, 0);
        case CB_INITSTORAGE: return SendMessageA(c->list, LB_INITSTORAGE, wp, lp);
        case CB_SETCURSEL: {
            int i = (int)(INT_PTR)wp;
            LRESULT r = SendMessageA(c->list, LB_SETCURSEL, wp, 0);
            if (!(c = Get(hwnd))) return CB_ERR;
            if (r != LB_ERR || i == -1) SelectionToField(c);
            return r;
        }
        case CB_SELECTSTRING: {
            LRESULT i = SendMessageA(c->list, LB_FINDSTRING, wp, lp);
            if (i == LB_ERR) return CB_ERR;
            SendMessageA(c->list, LB_SETCURSEL, (WPARAM)i, 0);
            if ((c = Get(hwnd))) SelectionToField(c);
            return i;
        }
        case CB_SHOWDROPDOWN:
            if (wp)
                DropDown(c, false);
            else
                RollUp(c, false);
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return c->dropped ? TRUE : FALSE;
        case CB_GETDROPPEDCONTROLRECT: {
            if (!lp) return CB_ERR;
            RECT wr{};
            GetWindowRect(hwnd, &wr);
            wr.bottom = wr.top + std::max(c->droppedHeight, WindowHeight(c));
            *(RECT*)lp = wr;
            return TRUE;
        }
        case CB_GETEDITSEL: {
            if (!HasEdit(c)) return CB_ERR;
            DWORD a = 0, b = 0;
            SendMessageA(c->edit, EM_GETSEL, (WPARAM)&a, (LPARAM)&b);
            if (wp) *(DWORD*)wp = a;
            if (lp) *(DWORD*)lp = b;
            return MAKELRESULT(a, b);
        }
        case CB_SETEDITSEL: {
            if (!HasEdit(c)) return CB_ERR;
            int a = (short)LOWORD(lp), b = (short)HIWORD(lp);
            SendMessageA(c->edit, EM_SETSEL, (WPARAM)(INT_PTR)a, (LPARAM)b);
            return TRUE;
        }
        case CB_LIMITTEXT:
            if (!HasEdit(c)) return CB_ERR;
            SendMessageA(c->edit, EM_LIMITTEXT, wp, 0);
            return TRUE;
        case CB_SETITEMHEIGHT: {
            int h = (int)LOWORD(lp);
            if (h <= 0 || h > 255) return CB_ERR;
            if ((int)(INT_PTR)wp == -1) {
                c->fieldHeight = h;
                RECT wr{};
                GetWindowRect(hwnd, &wr);
                int dropped = c->droppedHeight;
                SetWindowPos(hwnd, nullptr, 0, 0, wr.right - wr.left, WindowHeight(c),
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                if ((c = Get(hwnd))) {
                    c->droppedHeight = dropped;
                    PlaceChildren(c);
                    InvalidateRect(hwnd, nullptr, TRUE);
                }
                return 0;
            }
            return SendMessageA(c->list, LB_SETITEMHEIGHT, 0, MAKELPARAM(h, 0)) == LB_ERR ? CB_ERR : 0;
        }
        case CB_GETITEMHEIGHT:
            if ((int)(INT_PTR)wp == -1) return c->fieldHeight;
            return SendMessageA(c->list, LB_GETITEMHEIGHT, 0, 0);
        case CB_SETEXTENDEDUI:
        case CB_GETEXTENDEDUI:
            return 0;
        case CB_GETDROPPEDWIDTH: {
            RECT wr{};
            GetWindowRect(hwnd, &wr);
            return wr.right - wr.left;
        }
        case CB_GETLOCALE:
        case CB_SETLOCALE:
            return 0x0804;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

void RegisterComboBoxClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = ComboProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "ComboBox";
    RegisterClassA(&wc);
}

}  // namespace vor::controls
