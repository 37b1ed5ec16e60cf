// The list box control: strings or owner-drawn items with 32-bit data,
// sorting, single and multiple selection, tab stops, a horizontal extent with
// its scroll bar, and the drawing and notifications a parent relies on.
#include "ListBox.h"

#include <strings.h>

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ControlPaint.h"
#include "windows.h"

namespace vor::controls {
namespace {

constexpr int kMaxTabStops = 1024;

struct Item {
    std::string text;
    ULONG_PTR data = 0;
    bool selected = false;
};

struct ListBox {
    HWND hwnd = nullptr;
    std::vector<Item> items;
    int cur = -1;    // the selected item of a single-selection list box
    int caret = 0;   // the item with the focus rectangle
    int anchor = 0;  // where a Shift range starts
    int top = 0;
    int itemHeight = 13;
    int hExtent = 0;
    int xOffset = 0;
    std::vector<int> tabStops;  // pixels
    HFONT font = nullptr;
    bool focused = false;
    bool tracking = false;
    bool combo = false;  // the drop-down list of a combo box
    HWND comboOwner = nullptr;  // the combo box it belongs to
    // The scroll bars asked for at creation; the window's own style bits
    // come and go as the bars are shown and hidden.
    bool vscroll = false;
    bool hscroll = false;
};

std::unordered_map<HWND, std::unique_ptr<ListBox>>& Boxes() {
    // The map owns the controls' states, so none outlives the process unfreed.
    static std::unordered_map<HWND, std::unique_ptr<ListBox>> map;
    return map;
}

ListBox* Get(HWND hwnd) {
    auto it = Boxes().find(hwnd);
    return it == Boxes().end() ? nullptr : it->second.get();
}

LONG Style(const ListBox* b) { return GetWindowLongA(b->hwnd, GWL_STYLE); }
bool OwnerDraw(const ListBox* b) { return (Style(b) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
bool HasStrings(const ListBox* b) { return !OwnerDraw(b) || (Style(b) & LBS_HASSTRINGS); }
bool MultiSel(const ListBox* b) { return (Style(b) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
bool NoSel(const ListBox* b) { return (Style(b) & LBS_NOSEL) != 0; }
int Count(const ListBox* b) { return (int)b->items.size(); }
bool Valid(const ListBox* b, int i) { return i >= 0 && i < Count(b); }

HFONT Font(const ListBox* b) { return b->font ? b->font : (HFONT)GetStockObject(SYSTEM_FONT); }

// The parent of a list box; the combo box of a drop-down list.
HWND NotifyTarget(const ListBox* b) {
    if (b->combo) return b->comboOwner;
    return (Style(b) & WS_CHILD) ? GetParent(b->hwnd) : GetWindow(b->hwnd, GW_OWNER);
}

// Selection notifications need LBS_NOTIFY; focus ones are always sent.
void Notify(ListBox* b, WORD code) {
    bool needsNotifyStyle = code == LBN_SELCHANGE || code == LBN_DBLCLK || code == LBN_SELCANCEL;
    if (needsNotifyStyle && !b->combo && !(Style(b) & LBS_NOTIFY)) return;
    HWND target = NotifyTarget(b);
    if (target) SendMessageA(target, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(b->hwnd), code), (LPARAM)b->hwnd);
}

RECT Client(const ListBox* b) {
    RECT rc{};
    GetClientRect(b->hwnd, &rc);
    return rc;
}

int PageCount(const ListBox* b) {
    RECT rc = Client(b);
    return std::max(1, (int)(rc.bottom - rc.top) / std::max(1, b->itemHeight));
}

RECT ItemRect(const ListBox* b, int i) {
    RECT rc = Client(b);
    int width = std::max<int>(rc.right - rc.left, b->hExtent);
    RECT r{-b->xOffset, (i - b->top) * b->itemHeight, width - b->xOffset, (i - b->top + 1) * b->itemHeight};
    return r;
}

int TextHeight(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA tm{};
    int h = GetTextMetricsA(dc, &tm) ? tm.tmHeight : 13;
    SelectObject(dc, old);
    DeleteDC(dc);
    return h;
}

void UpdateScrollBars(ListBox* b) {
    LONG style = Style(b);
    RECT rc = Client(b);
    if (b->vscroll) {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((style & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
        si.nMin = 0;
        si.nMax = std::max(0, Count(b) - 1);
        si.nPage = (UINT)PageCount(b);
        si.nPos = b->top;
        SetScrollInfo(b->hwnd, SB_VERT, &si, TRUE);
    }
    if (b->hscroll) {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | ((style & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
        si.nMin = 0;
        si.nMax = std::max(0, b->hExtent - 1);
        si.nPage = (UINT)std::max<LONG>(0, rc.right - rc.left);
        si.nPos = b->xOffset;
        SetScrollInfo(b->hwnd, SB_HORZ, &si, TRUE);
    }
}

void ClampScroll(ListBox* b) {
    int maxTop = std::max(0, Count(b) - PageCount(b));
    b->top = std::clamp(b->top, 0, maxTop);
    RECT rc = Client(b);
    int maxX = std::max<int>(0, b->hExtent - (rc.right - rc.left));
    b->xOffset = std::clamp(b->xOffset, 0, maxX);
}

void Invalidate(ListBox* b) {
    if (Style(b) & LBS_NOREDRAW) return;
    InvalidateRect(b->hwnd, nullptr, TRUE);
}

void InvalidateItem(ListBox* b, int i) {
    if (!Valid(b, i) || (Style(b) & LBS_NOREDRAW)) return;
    RECT r = ItemRect(b, i);
    InvalidateRect(b->hwnd, &r, TRUE);
}

void SetTop(ListBox* b, int top) {
    int old = b->top;
    b->top = top;
    ClampScroll(b);
    if (b->top != old) {
        UpdateScrollBars(b);
        Invalidate(b);
    }
}

void EnsureVisible(ListBox* b, int i) {
    if (!Valid(b, i)) return;
    int page = PageCount(b);
    if (i < b->top)
        SetTop(b, i);
    else if (i >= b->top + page)
        SetTop(b, i - page + 1);
}

UINT ItemState(const ListBox* b, int i) {
    UINT s = 0;
    if (Valid(b, i) && b->items[(size_t)i].selected) s |= ODS_SELECTED;
    if (b->focused && i == b->caret) s |= ODS_FOCUS;
    if (!IsWindowEnabled(b->hwnd)) s |= ODS_DISABLED;
    return s;
}

void SendDrawItem(ListBox* b, HDC hdc, int i, UINT action, UINT state) {
    HWND target = NotifyTarget(b);
    if (!target) return;
    DRAWITEMSTRUCT dis{};
    dis.CtlType = b->combo ? ODT_COMBOBOX : ODT_LISTBOX;
    dis.CtlID = (UINT)GetDlgCtrlID(b->hwnd);
    dis.itemID = (UINT)i;
    dis.itemAction = action;
    dis.itemState = state;
    dis.hwndItem = b->hwnd;
    dis.hDC = hdc;
    dis.rcItem = ItemRect(b, Valid(b, i) ? i : b->top);
    dis.itemData = Valid(b, i) ? b->items[(size_t)i].data : 0;
    int saved = SaveDC(hdc);
    SendMessageA(target, WM_DRAWITEM, dis.CtlID, (LPARAM)&dis);
    RestoreDC(hdc, saved);
}

// Owner-drawn list boxes redraw a changed item at once through the parent,
// with the action that says what changed; others repaint it later.
void RedrawItem(ListBox* b, int i, UINT action) {
    if (!OwnerDraw(b)) {
        InvalidateItem(b, i);
        return;
    }
    if ((Style(b) & LBS_NOREDRAW) || !IsWindowVisible(b->hwnd)) return;
    if (i >= 0 && (i < b->top || i >= b->top + PageCount(b) + 1)) return;
    if (i < 0 && !(action & ODA_FOCUS)) return;
    HDC hdc = GetDC(b->hwnd);
    if (!hdc) return;
    SelectObject(hdc, Font(b));
    SendDrawItem(b, hdc, i, action, ItemState(b, i));
    ReleaseDC(b->hwnd, hdc);
}

void MoveCaret(ListBox* b, int to) {
    if (to == b->caret) return;
    int old = b->caret;
    bool drawFocus = b->focused;
    if (drawFocus && Valid(b, old)) {
        b->focused = false;  // the old item loses its focus state as it is drawn
        RedrawItem(b, old, ODA_FOCUS);
        b->focused = true;
    }
    b->caret = to;
    if (drawFocus) RedrawItem(b, to, ODA_FOCUS);
}

// Single selection: moves the focus and the selection to `to` (-1 clears).
// When the focus moves, it leaves the old item first and reaches the new one
// last: no item is drawn with it in between.
void SelectSingle(ListBox* b, int to) {
    HWND hwnd = b->hwnd;
    bool focusMoves = b->focused && to >= 0 && to != b->caret;
    if (focusMoves) {
        b->focused = false;
        RedrawItem(b, b->caret, ODA_FOCUS);
        if (!(b = Get(hwnd))) return;
    }
    if (to >= 0) b->caret = to;
    if (to != b->cur) {
        int old = b->cur;
        if (Valid(b, old)) {
            b->items[(size_t)old].selected = false;
            RedrawItem(b, old, ODA_SELECT);
            if (!(b = Get(hwnd))) return;
        }
        b->cur = to;
        if (Valid(b, to)) {
            b->items[(size_t)to].selected = true;
            RedrawItem(b, to, ODA_SELECT);
            if (!(b = Get(hwnd))) return;
        }
    }
    if (focusMoves) {
        b->focused = true;
        RedrawItem(b, to, ODA_FOCUS);
    }
}

void SetItemSelected(ListBox* b, int i, bool on) {
    if (!Valid(b, i) || b->items[(size_t)i].selected == on) return;
    b->items[(size_t)i].selected = on;
    RedrawItem(b, i, ODA_SELECT);
}

int CompareItems(ListBox* b, const Item& x, const Item& y) {
    if (HasStrings(b)) return lstrcmpiA(x.text.c_str(), y.text.c_str());
    HWND target = NotifyTarget(b);
    if (!target) return 0;
    COMPAREITEMSTRUCT cis{};
    cis.CtlType = ODT_LISTBOX;
    cis.CtlID = (UINT)GetDlgCtrlID(b->hwnd);
    cis.hwndItem = b->hwnd;
    cis.itemID1 = (UINT)-1;
    cis.itemData1 = x.data;
    cis.itemID2 = (UINT)-1;
    cis.itemData2 = y.data;
    return (int)SendMessageA(target, WM_COMPAREITEM, cis.CtlID, (LPARAM)&cis);
}

void SendDeleteItem(ListBox* b, int i) {
    const Item& it = b->items[(size_t)i];
    if (!OwnerDraw(b) && it.data == 0) return;
    HWND target = NotifyTarget(b);
    if (!target) return;
    DELETEITEMSTRUCT dis{};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = (UINT)GetDlgCtrlID(b->hwnd);
    dis.itemID = (UINT)i;
    dis.hwndItem = b->hwnd;
    dis.itemData = it.data;
    SendMessageA(target, WM_DELETEITEM, dis.CtlID, (LPARAM)&dis);
}

LRESULT Insert(ListBox* b, int index, LPARAM lp, bool sorted) {
    Item item;
    if (HasStrings(b)) {
        if (!lp) return LB_ERR;  // a string list box refuses a null string
        item.text = (const char*)lp;
    } else {
        item.data = (ULONG_PTR)lp;
    }
    if (sorted) {
        index = Count(b);
        for (int i = 0; i < Count(b); ++i) {
            if (CompareItems(b, item, b->items[(size_t)i]) < 0) {
                index = i;
                break;
            }
        }
    } else if (index == -1) {
        index = Count(b);
    } else if (index < 0 || index > Count(b)) {
        return LB_ERR;
    }
    b->items.insert(b->items.begin() + index, std::move(item));
    if (b->cur >= index) ++b->cur;
    if (b->caret >= index && Count(b) > 1) ++b->caret;
    if (b->anchor >= index && Count(b) > 1) ++b->anchor;
    UpdateScrollBars(b);
    Invalidate(b);
    return index;
}

LRESULT Delete(ListBox* b, int index) {
    if (!Valid(b, index)) return LB_ERR;
    HWND hwnd = b->hwnd;
    SendDeleteItem(b, index);
    if (!(b = Get(hwnd))) return LB_ERR;  // the parent destroyed the list box
    b->items.erase(b->items.begin() + index);
    if (b->cur == index)
        b->cur = -1;
    else if (b->cur > index)
        --b->cur;
    if (b->caret > index || b->caret >= Count(b)) b->caret = std::max(0, b->caret - 1);
    if (b->anchor > index || b->anchor >= Count(b)) b->anchor = std::max(0, b->anchor - 1);
    ClampScroll(b);
    UpdateScrollBars(b);
    Invalidate(b);
    return Count(b);
}

void Reset(ListBox* b) {
    for (int i = 0; i < Count(b); ++i) SendDeleteItem(b, i);
    b->items.clear();
    b->cur = -1;
    b->caret = b->anchor = 0;
    b->top = 0;
    UpdateScrollBars(b);
    Invalidate(b);
}

int Find(ListBox* b, int start, const char* s, bool exact) {
    int n = Count(b);
    if (n == 0 || !s) return LB_ERR;
    size_t len = strlen(s);
    int from = (start < -1 || start >= n) ? -1 : start;
    for (int k = 1; k <= n; ++k) {
        int i = (from + k) % n;
        const Item& it = b->items[(size_t)i];
        if (HasStrings(b)) {
            if (exact ? lstrcmpiA(it.text.c_str(), s) == 0
                      : (it.text.size() >= len && strncasecmp(it.text.c_str(), s, len) == 0))
                return i;
        } else if (it.data == (ULONG_PTR)s) {
            return i;
        }
    }
    return LB_ERR;
}

void DrawTextItem(ListBox* b, HDC hdc, int i) {
    RECT r = ItemRect(b, i);
    const Item& it = b->items[(size_t)i];
    bool enabled = IsWindowEnabled(b->hwnd);
    if (it.selected) {
        FillRect(hdc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        SetTextColor(hdc, enabled ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT));
    }
    SetBkMode(hdc, TRANSPARENT);
    int x = r.left + 2, y = r.top + (b->itemHeight - TextHeight(Font(b))) / 2;
    if (Style(b) & LBS_USETABSTOPS) {
        TabbedTextOutA(hdc, x, y, it.text.c_str(), (int)it.text.size(), (int)b->tabStops.size(),
                       b->tabStops.empty() ? nullptr : b->tabStops.data(), x);
    } else {
        TextOutA(hdc, x, y, it.text.c_str(), (int)it.text.size());
    }
    if (b->focused && i == b->caret) DrawFocusRect(hdc, &r);
}

HBRUSH Background(ListBox* b, HDC hdc) {
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_WINDOW));
    HWND target = NotifyTarget(b);
    HBRUSH br = target ? (HBRUSH)SendMessageA(target, WM_CTLCOLORLISTBOX, (WPARAM)hdc, (LPARAM)b->hwnd) : nullptr;
    return br ? br : GetSysColorBrush(COLOR_WINDOW);
}

void Paint(ListBox* b, HDC hdc) {
    SelectObject(hdc, Font(b));
    HBRUSH bg = Background(b, hdc);
    RECT client = Client(b);
    int first = b->top, last = std::min(Count(b) - 1, b->top + PageCount(b));
    if (OwnerDraw(b)) {
        if (Count(b) == 0) {
            if (b->focused) SendDrawItem(b, hdc, -1, ODA_FOCUS, ItemState(b, -1));
            return;
        }
        for (int i = first; i <= last; ++i) SendDrawItem(b, hdc, i, ODA_DRAWENTIRE, ItemState(b, i));
        return;
    }
    FillRect(hdc, &client, bg);
    COLORREF text = GetTextColor(hdc);
    for (int i = first; i <= last; ++i) {
        SetTextColor(hdc, text);
        DrawTextItem(b, hdc, i);
    }
    if (Count(b) == 0 && b->focused) {
        RECT r{0, 0, client.right, b->itemHeight};
        DrawFocusRect(hdc, &r);
    }
}

int ItemFromY(const ListBox* b, int y) { return b->top + (y < 0 ? -1 : y / std::max(1, b->itemHeight)); }

void UserSelect(ListBox* b, int i, WPARAM keys, bool byMouseDown) {
    if (!Valid(b, i) || NoSel(b)) return;
    LONG style = Style(b);
    if (!MultiSel(b)) {
        SelectSingle(b, i);
        return;
    }
    if (style & LBS_MULTIPLESEL) {
        MoveCaret(b, i);
        if (byMouseDown) SetItemSelected(b, i, !b->items[(size_t)i].selected);
        return;
    }
    // Extended selection: a plain click selects one, Ctrl toggles, Shift extends.
    if (keys & MK_SHIFT) {
        int a = std::min(b->anchor, i), z = std::max(b->anchor, i);
        for (int k = 0; k < Count(b); ++k) SetItemSelected(b, k, k >= a && k <= z);
    } else if (keys & MK_CONTROL) {
        if (byMouseDown) SetItemSelected(b, i, !b->items[(size_t)i].selected);
        b->anchor = i;
    } else {
        for (int k = 0; k < Count(b); ++k) SetItemSelected(b, k, k == i);
        b->anchor = i;
    }
    MoveCaret(b, i);
}

LRESULT OnKeyDown(ListBox* b, WPARAM vk) {
    HWND hwnd = b->hwnd;
    int n = Count(b);
    if (n == 0) return 0;
    int from = b->caret, to = from;
    int page = PageCount(b);
    switch (vk) {
        case VK_UP: to = from - 1; break;
        case VK_DOWN: to = from + 1; break;
        case VK_PRIOR: to = from - (page - 1 > 0 ? page - 1 : 1); break;
        case VK_NEXT: to = from + (page - 1 > 0 ? page - 1 : 1); break;
        case VK_HOME: to = 0; break;
        case VK_END: to = n - 1; break;
        case VK_SPACE:
            if (Style(b) & LBS_MULTIPLESEL) {
                SetItemSelected(b, from, !b->items[(size_t)from].selected);
                Notify(b, LBN_SELCHANGE);
            }
            return 0;
        default: return 0;
    }
    to = std::clamp(to, 0, n - 1);
    if (!MultiSel(b) && to == from && b->cur == to) return 0;
    WPARAM keys = (GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0);
    if (Style(b) & LBS_MULTIPLESEL)
        MoveCaret(b, to);
    else
        UserSelect(b, to, keys, false);
    if (!(b = Get(hwnd))) return 0;
    EnsureVisible(b, to);
    if (!(Style(b) & LBS_MULTIPLESEL)) Notify(b, LBN_SELCHANGE);
    return 0;
}

LRESULT OnChar(ListBox* b, WPARAM ch) {
    if (!HasStrings(b) || Count(b) == 0 || ch < 0x20) return 0;
    char s[2] = {(char)ch, 0};
    int i = Find(b, b->caret, s, false);
    if (i == LB_ERR) return 0;
    HWND hwnd = b->hwnd;
    UserSelect(b, i, 0, false);
    if (!(b = Get(hwnd))) return 0;
    EnsureVisible(b, i);
    Notify(b, LBN_SELCHANGE);
    return 0;
}

void Scroll(ListBox* b, int bar, int code, int thumb) {
    if (bar == SB_VERT) {
        int page = PageCount(b), top = b->top;
        switch (code) {
            case SB_LINEUP: --top; break;
            case SB_LINEDOWN: ++top; break;
            case SB_PAGEUP: top -= std::max(1, page - 1); break;
            case SB_PAGEDOWN: top += std::max(1, page - 1); break;
            case SB_TOP: top = 0; break;
            case SB_BOTTOM: top = Count(b); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: top = thumb; break;
            default: return;
        }
        SetTop(b, top);
    } else {
        RECT rc = Client(b);
        int width = rc.right - rc.left, x = b->xOffset;
        switch (code) {
            case SB_LINELEFT: x -= 8; break;
            case SB_LINERIGHT: x += 8; break;
            case SB_PAGELEFT: x -= std::max(1, width); break;
            case SB_PAGERIGHT: x += std::max(1, width); break;
            case SB_LEFT: x = 0; break;
            case SB_RIGHT: x = b->hExtent; break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: x = thumb; break;
            default: return;
        }
        int old = b->xOffset;
        b->xOffset = x;
        ClampScroll(b);
        if (old != b->xOffset) {
            UpdateScrollBars(b);
            Invalidate(b);
        }
    }
}

bool InClient(const ListBox* b, LPARAM lp) {
    RECT rc = Client(b);
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&rc, pt) != 0;
}

// The drop-down list, which holds the capture while it is open: a press
// outside it cancels the choice, a release over an item makes it.
LRESULT ComboListButton(ListBox* b, LPARAM lp, bool down) {
    bool inside = InClient(b, lp);
    int i = ItemFromY(b, GET_Y_LPARAM(lp));
    if (down) {
        b->tracking = inside;
        if (!inside) Notify(b, kComboListCancel);
        return 0;
    }
    b->tracking = false;
    if (inside && Valid(b, i)) Notify(b, kComboListChosen);
    return 0;
}

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ListBox* b = Get(hwnd);
    if (!b) {
        if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wp, lp);
        b = new ListBox;
        b->hwnd = hwnd;
        char cls[32] = {0};
        GetClassNameA(hwnd, cls, sizeof cls);
        b->combo = lstrcmpiA(cls, "ComboLBox") == 0;
        // A drop-down list is created with its combo box as the creation parameter.
        auto* cs = (const CREATESTRUCTA*)lp;
        if (b->combo && cs) b->comboOwner = (HWND)cs->lpCreateParams;
        Boxes()[hwnd].reset(b);
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    switch (msg) {
        case WM_CREATE: {
            b->vscroll = (Style(b) & WS_VSCROLL) != 0;
            b->hscroll = (Style(b) & WS_HSCROLL) != 0;
            b->itemHeight = TextHeight(Font(b));
            if (OwnerDraw(b)) {
                HWND target = NotifyTarget(b);
                if (target) {
                    RECT rc = Client(b);
                    MEASUREITEMSTRUCT mis{};
                    mis.CtlType = b->combo ? ODT_COMBOBOX : ODT_LISTBOX;
                    mis.CtlID = (UINT)GetDlgCtrlID(hwnd);
                    mis.itemID = 0;
                    mis.itemWidth = (UINT)std::max<LONG>(0, rc.right - rc.left);
                    mis.itemHeight = (UINT)b->itemHeight;
                    SendMessageA(target, WM_MEASUREITEM, mis.CtlID, (LPARAM)&mis);
                    if ((b = Get(hwnd)) == nullptr) return -1;
                    if (mis.itemHeight > 0) b->itemHeight = (int)std::min<UINT>(mis.itemHeight, 255);
                }
            }
            UpdateScrollBars(b);
            return 0;
        }
        case WM_NCDESTROY: {
            for (int i = 0; i < Count(b); ++i) SendDeleteItem(b, i);
            Boxes().erase(hwnd);  // frees the state
            return DefWindowProcA(hwnd, msg, wp, lp);
        }
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_SETFONT:
            b->font = (HFONT)wp;
            if (!OwnerDraw(b)) b->itemHeight = TextHeight(Font(b));
            ClampScroll(b);
            UpdateScrollBars(b);
            if (LOWORD(lp)) Invalidate(b);
            return 0;
        case WM_GETFONT:
            return (LRESULT)b->font;
        case WM_SIZE:
            ClampScroll(b);
            UpdateScrollBars(b);
            Invalidate(b);
            return 0;
        case WM_ERASEBKGND: {
            if (OwnerDraw(b)) {
                RECT rc = Client(b);
                FillRect((HDC)wp, &rc, Background(b, (HDC)wp));
            }
            return 1;  // a string list box fills its background as it paints
        }
        case WM_PAINT:
            return PaintMessage(hwnd, wp, [&](HDC hdc) { Paint(b, hdc); });
        case WM_ENABLE:
            Invalidate(b);
            return 0;
        case WM_SETFOCUS:
            b->focused = true;
            RedrawItem(b, Count(b) == 0 ? -1 : b->caret, ODA_FOCUS);
            if ((b = Get(hwnd))) Notify(b, LBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            b->focused = false;
            RedrawItem(b, Count(b) == 0 ? -1 : b->caret, ODA_FOCUS);
            if ((b = Get(hwnd))) Notify(b, LBN_KILLFOCUS);
            return 0;
        case WM_LBUTTONDOWN: {
            if (b->combo) return ComboListButton(b, lp, true);
            if (GetFocus() != hwnd) SetFocus(hwnd);
            if (!(b = Get(hwnd))) return 0;
            int i = ItemFromY(b, GET_Y_LPARAM(lp));
            if (Valid(b, i)) {
                UserSelect(b, i, wp, true);
                if (!(b = Get(hwnd))) return 0;
            }
            b->tracking = true;
            SetCapture(hwnd);
            return 0;
        }
        case WM_MOUSEMOVE: {
            // The drop-down list follows the mouse; a list box follows a held button.
            if (b->combo) {
                if (!InClient(b, lp)) return 0;
            } else if (!(b->tracking && GetCapture() == hwnd)) {
                return 0;
            }
            int i = std::clamp(ItemFromY(b, GET_Y_LPARAM(lp)), 0, std::max(0, Count(b) - 1));
            if (!Valid(b, i)) return 0;
            if (!MultiSel(b) && b->cur != i) {
                SelectSingle(b, i);
                if (!(b = Get(hwnd))) return 0;
                EnsureVisible(b, i);
                if (b->combo) Notify(b, LBN_SELCHANGE);
            } else if ((Style(b) & LBS_EXTENDEDSEL) && b->tracking) {
                UserSelect(b, i, MK_SHIFT, false);
            }
            return 0;
        }
        case WM_LBUTTONUP: {
            if (b->combo) return ComboListButton(b, lp, false);
            bool was = b->tracking;
            b->tracking = false;
            if (GetCapture() == hwnd) ReleaseCapture();
            if (!(b = Get(hwnd))) return 0;
            if (was) Notify(b, LBN_SELCHANGE);
            return 0;
        }
        case WM_CAPTURECHANGED:
            b->tracking = false;
            if (b->combo && (HWND)lp != hwnd) Notify(b, kComboListCaptureLost);
            return 0;
        case WM_LBUTTONDBLCLK:
            Notify(b, LBN_DBLCLK);
            return 0;
        case WM_KEYDOWN:
            if (Style(b) & LBS_WANTKEYBOARDINPUT) {
                HWND target = NotifyTarget(b);
                LRESULT r = target ? SendMessageA(target, WM_VKEYTOITEM, MAKEWPARAM(wp, b->caret), (LPARAM)hwnd) : -1;
                if (r == -2 || !(b = Get(hwnd))) return 0;
            }
            return OnKeyDown(b, wp);
        case WM_CHAR:
            return OnChar(b, wp);
        case WM_VSCROLL:
            Scroll(b, SB_VERT, LOWORD(wp), (short)HIWORD(wp));
            return 0;
        case WM_HSCROLL:
            Scroll(b, SB_HORZ, LOWORD(wp), (short)HIWORD(wp));
            return 0;
        case WM_MOUSEWHEEL: {
            int notches = (short)HIWORD(wp) / WHEEL_DELTA;
            SetTop(b, b->top - 3 * notches);
            return 0;
        }

        case LB_ADDSTRING:
            return Insert(b, -1, lp, (Style(b) & LBS_SORT) != 0);
        case LB_INSERTSTRING:
            return Insert(b, (int)(INT_PTR)wp, lp, false);
        case LB_DELETESTRING:
            return Delete(b, (int)(INT_PTR)wp);
        case LB_RESETCONTENT:
            Reset(b);
            return 0;
        case LB_GETCOUNT:
            return Count(b);
        case LB_GETTEXT: {
            int i = (int)(INT_PTR)wp;
            if (!Valid(b, i) || !lp) return LB_ERR;
            const Item& it = b->items[(size_t)i];
            if (!HasStrings(b)) {
                memcpy((void*)lp, &it.data, sizeof it.data);
                return sizeof it.data;
            }
            memcpy((char*)lp, it.text.c_str(), it.text.size() + 1);
            return (LRESULT)it.text.size();
        }
        case LB_GETTEXTLEN: {
            int i = (int)(INT_PTR)wp;
            if (!Valid(b, i)) return LB_ERR;
            return HasStrings(b) ? (LRESULT)b->items[(size_t)i].text.size() : (LRESULT)sizeof(ULONG_PTR);
        }
        case LB_GETITEMDATA: {
            int i = (int)(INT_PTR)wp;
            return Valid(b, i) ? (LRESULT)b->items[(size_t)i].data : LB_ERR;
        }
        case LB_SETITEMDATA: {
            int i = (int)(INT_PTR)wp;
            if (i == -1) {
                for (auto& it : b->items) it.data = (ULONG_PTR)lp;
                return 0;
            }
            if (!Valid(b, i)) return LB_ERR;
            b->items[(size_t)i].data = (ULONG_PTR)lp;
            return 0;
        }
        case LB_SETCURSEL: {
            int i = (int)(INT_PTR)wp;
            if (MultiSel(b)) return LB_ERR;
            if (i == -1) {
                SelectSingle(b, -1);
                return LB_ERR;  // as documented, even though nothing failed
            }
            if (!Valid(b, i)) return LB_ERR;
            SelectSingle(b, i);
            if ((b = Get(hwnd))) EnsureVisible(b, i);
            return i;
        }
        case LB_GETCURSEL:
            if (MultiSel(b)) return Count(b) ? b->caret : LB_ERR;
            return Valid(b, b->cur) ? b->cur : LB_ERR;
        case LB_GETSEL: {
            int i = (int)(INT_PTR)wp;
            if (!Valid(b, i)) return LB_ERR;
            return b->items[(size_t)i].selected ? 1 : 0;
        }
        case LB_SETSEL: {
            if (!MultiSel(b)) return LB_ERR;
            int i = (int)lp;
            if (i == -1) {
                for (int k = 0; k < Count(b); ++k) SetItemSelected(b, k, wp != 0);
                return 0;
            }
            if (!Valid(b, i)) return LB_ERR;
            SetItemSelected(b, i, wp != 0);
            return 0;
        }
        case LB_GETSELCOUNT: {
            if (!MultiSel(b)) return LB_ERR;
            return std::count_if(b->items.begin(), b->items.end(), [](const Item& it) { return it.selected; });
        }
        case LB_GETSELITEMS: {
            if (!MultiSel(b) || !lp) return LB_ERR;
            int max = (int)wp, n = 0;
            for (int k = 0; k < Count(b) && n < max; ++k)
                if (b->items[(size_t)k].selected) ((int*)lp)[n++] = k;
            return n;
        }
        case LB_SELITEMRANGE: {
            if (!MultiSel(b)) return LB_ERR;
            int a = LOWORD(lp), z = HIWORD(lp);
            for (int k = std::max(0, a); k <= z && k < Count(b); ++k) SetItemSelected(b, k, wp != 0);
            return 0;
        }
        case LB_GETTOPINDEX:
            return b->top;
        case LB_SETTOPINDEX: {
            int i = (int)(INT_PTR)wp;
            if (!Valid(b, i) && !(i == 0 && Count(b) == 0)) return LB_ERR;
            SetTop(b, i);
            return 0;
        }
        case LB_GETCARETINDEX:
            return b->caret;
        case LB_SETCARETINDEX: {
            int i = (int)(INT_PTR)wp;
            if (!Valid(b, i)) return LB_ERR;
            MoveCaret(b, i);
            if ((b = Get(hwnd)) && !LOWORD(lp)) EnsureVisible(b, i);
            return 0;
        }
        case LB_SETANCHORINDEX:
            if (!Valid(b, (int)(INT_PTR)wp)) return LB_ERR;
            b->anchor = (int)(INT_PTR)wp;
            return 0;
        case LB_GETANCHORINDEX:
            return b->anchor;
        case LB_GETITEMRECT: {
            int i = (int)(INT_PTR)wp;
            if (!lp || (!Valid(b, i) && !(i == 0 && Count(b) == 0))) return LB_ERR;
            *(RECT*)lp = ItemRect(b, i);
            return 1;
        }
        case LB_ITEMFROMPOINT: {
            int y = GET_Y_LPARAM(lp), x = GET_X_LPARAM(lp);
            RECT rc = Client(b);
            POINT pt{x, y};
            bool outside = !PtInRect(&rc, pt);
            if (Count(b) == 0) return MAKELRESULT(0, 1);
            int i = std::clamp(ItemFromY(b, y), 0, Count(b) - 1);
            if (i != ItemFromY(b, y)) outside = true;
            return MAKELRESULT(i, outside ? 1 : 0);
        }
        case LB_SETITEMHEIGHT: {
            int h = LOWORD(lp);
            if (h > 255 || h <= 0) return LB_ERR;
            b->itemHeight = h;
            ClampScroll(b);
            UpdateScrollBars(b);
            Invalidate(b);
            return 0;
        }
        case LB_GETITEMHEIGHT:
            return b->itemHeight;
        case LB_FINDSTRING:
            return Find(b, (int)(INT_PTR)wp, (const char*)lp, false);
        case LB_FINDSTRINGEXACT:
            return Find(b, (int)(INT_PTR)wp, (const char*)lp, true);
        case LB_SELECTSTRING: {
            if (MultiSel(b)) return LB_ERR;
            int i = Find(b, (int)(INT_PTR)wp, (const char*)lp, false);
            if (i == LB_ERR) return LB_ERR;
            SelectSingle(b, i);
            if ((b = Get(hwnd))) EnsureVisible(b, i);
            return i;
        }
        case LB_SETHORIZONTALEXTENT: {
            b->hExtent = std::max(0, (int)wp);
            ClampScroll(b);
            UpdateScrollBars(b);
            Invalidate(b);
            return 0;
        }
        case LB_GETHORIZONTALEXTENT:
            return b->hExtent;
        case LB_SETTABSTOPS: {
            if (!(Style(b) & LBS_USETABSTOPS)) return FALSE;
            int n = (int)wp;
            const int* stops = (const int*)lp;
            // A count no list box needs is refused rather than read past the caller's array.
            if (n < 0 || n > kMaxTabStops || (n > 0 && !stops)) return FALSE;
            // Dialog units to pixels through the font's average character width.
            HDC dc = CreateCompatibleDC(nullptr);
            HGDIOBJ old = SelectObject(dc, Font(b));
            SIZE sz{};
            GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &sz);
            SelectObject(dc, old);
            DeleteDC(dc);
            int avg = ((int)sz.cx / 26 + 1) / 2;
            b->tabStops.clear();
            if (n == 0) {
                b->tabStops.push_back((2 * avg + 2) / 4);
            } else {
                b->tabStops.reserve((size_t)n);
                for (int k = 0; k < n; ++k) b->tabStops.push_back((stops[k] * avg + 2) / 4);
            }
            Invalidate(b);
            return TRUE;
        }
        case LB_INITSTORAGE:
            if ((INT_PTR)wp > 0 && (size_t)wp < (1u << 26)) b->items.reserve(b->items.size() + (size_t)wp);
            return (LRESULT)b->items.capacity();
        case LB_SETCOUNT:
            return LB_ERR;  // no-data list boxes are not offered
        case LB_GETLOCALE:
            return 0x0804;
        case LB_SETLOCALE:
            return 0x0804;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

void RegisterListBoxClass() {
    for (const char* name : {"ListBox", "ComboLBox"}) {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
        wc.lpfnWndProc = ListBoxProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
}

}  // namespace vor::controls
