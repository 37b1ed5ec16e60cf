// The list view: window procedure, item and column storage, the selection
// and focus state machine and the notifications it sends.
#include "controls/ListView.h"
#include "controls/WindowObjects.h"

#include <strings.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "controls/Header.h"
#include "user/user_internal.h"

namespace vor::controls {

namespace {

int CopyText(const char* s, size_t len, LPSTR dst, int cch) {
    if (!dst || cch <= 0 || dst == LPSTR_TEXTCALLBACKA) return 0;
    size_t n = std::min(len, size_t(cch - 1));
    std::memcpy(dst, s, n);
    dst[n] = 0;
    return int(n);
}

int CopyText(const std::string& s, LPSTR dst, int cch) { return CopyText(s.data(), s.size(), dst, cch); }

// The characters up to the buffer's room are all that is read of a text.
int CopyText(const char* s, LPSTR dst, int cch) {
    return cch > 0 ? CopyText(s, strnlen(s, size_t(cch - 1)), dst, cch) : 0;
}

bool IsCallback(LPCSTR p) { return p == LPSTR_TEXTCALLBACKA; }

}  // namespace

void RegisterListViewClass() { WindowObjects<ListView>::Register(WC_LISTVIEWA); }

// ---------------------------------------------------------------------------
// Notifications

LRESULT ListView::Notify(NMHDR* nm, UINT code) {
    nm->hwndFrom = m_hwnd;
    nm->code = code;
    HWND parent = vor::user::NotifyTarget(m_hwnd, &nm->idFrom);
    if (!parent) return 0;
    return SendMessageA(parent, WM_NOTIFY, nm->idFrom, reinterpret_cast<LPARAM>(nm));
}

LRESULT ListView::NotifyItem(UINT code, int item, int subItem, UINT oldState, UINT newState, UINT changed,
                             LPARAM lParam, POINT pt) {
    NMLISTVIEW nm{};
    nm.iItem = item;
    nm.iSubItem = subItem;
    nm.uOldState = oldState;
    nm.uNewState = newState;
    nm.uChanged = changed;
    nm.lParam = lParam;
    nm.ptAction = pt;
    return Notify(&nm.hdr, code);
}

LRESULT ListView::NotifySimple(UINT code) {
    NMHDR nm{};
    return Notify(&nm, code);
}

// Header notifications go on to the list view's parent (with the header as
// sender), and the list view keeps its column widths in step with them.
LRESULT ListView::OnHeaderNotify(NMHEADERA* nm) {
    HWND parent = GetParent(m_hwnd);
    LRESULT answer = 0;
    if (parent && IsWindow(parent))
        answer = SendMessageA(parent, WM_NOTIFY, nm->hdr.idFrom, reinterpret_cast<LPARAM>(nm));
    switch (nm->hdr.code) {
        case HDN_ITEMCHANGEDA: {
            int i = nm->iItem;
            if (i < 0 || i >= int(m_columns.size())) break;
            HDITEMA hi{};
            hi.mask = HDI_WIDTH;
            if (!SendMessageA(m_header, HDM_GETITEMA, WPARAM(i), reinterpret_cast<LPARAM>(&hi))) break;
            if (hi.cxy == m_columns[size_t(i)].cx) break;
            m_columns[size_t(i)].cx = hi.cxy;
            // Everything from the column's left edge rightwards moves.
            RECT rc;
            GetClientRect(m_hwnd, &rc);
            rc.top = RowsTop();
            rc.left = std::max(0, ColumnLeft(i) - m_scrollX);
            InvalidateRect(m_hwnd, &rc, TRUE);
            UpdateScrollBars();
            break;
        }
        case HDN_ITEMCLICKA:
            if (nm->iItem >= 0) NotifyItem(LVN_COLUMNCLICK, -1, nm->iItem, 0, 0, 0, 0);
            break;
        case HDN_DIVIDERDBLCLICKA:
            if (!answer && nm->iItem >= 0 && nm->iItem < int(m_columns.size()))
                SetColumnWidth(nm->iItem, LVSCW_AUTOSIZE);
            break;
        default: break;
    }
    return answer;
}

// ---------------------------------------------------------------------------
// Creation and destruction

LRESULT ListView::OnCreate(const CREATESTRUCTA* cs) {
    vor::user::SetScrollBarSync(m_hwnd, &ListView::SyncScrollBars);
    DWORD style = Style();
    DWORD hdrStyle = WS_CHILD | HDS_HORZ | HDS_FULLDRAG;
    if (!(style & LVS_NOSORTHEADER)) hdrStyle |= HDS_BUTTONS;
    if (IsReport() && !(style & LVS_NOCOLUMNHEADER)) hdrStyle |= WS_VISIBLE;
    else hdrStyle |= HDS_HIDDEN;
    m_header = CreateWindowExA(0, WC_HEADERA, "", hdrStyle, 0, 0, 0, 0, m_hwnd, nullptr,
                               cs ? cs->hInstance : nullptr, nullptr);
    RecalcRowHeight(true);
    Layout();
    return 0;
}

void ListView::OnDestroy() {
    m_destroying = true;
    // The parent learns of every item going away, so it can free what the
    // items' data values hold.
    DeleteAllItems(true);
}

void ListView::OnNcDestroy() {
    // Image lists go with the window unless they are shared; the framework
    // takes back the ones its objects own before this (at its WM_NCDESTROY).
    if (!(Style() & LVS_SHAREIMAGELISTS)) {
        if (m_imlNormal) ImageList_Destroy(m_imlNormal);
        if (m_imlSmall && m_imlSmall != m_imlNormal) ImageList_Destroy(m_imlSmall);
        if (m_imlState && m_imlState != m_imlNormal && m_imlState != m_imlSmall) ImageList_Destroy(m_imlState);
    }
    m_imlNormal = m_imlSmall = m_imlState = nullptr;
}

// ---------------------------------------------------------------------------
// Items

void ListView::ShiftIndices(int from, int delta) {
    // Indices at or after `from` move by delta (an insert, +1) or the item at
    // `from` goes away and later ones move down (a delete, -1).
    std::set<int> moved;
    for (int s : m_selected) {
        if (s < from) moved.insert(s);
        else if (delta > 0) moved.insert(s + delta);
        else if (s > from) moved.insert(s + delta);
    }
    m_selected.swap(moved);
    auto adjust = [&](int& idx) {
        if (idx < 0 || idx < from) return;
        if (delta > 0) idx += delta;
        else if (idx == from) idx = -1;
        else idx += delta;
    };
    adjust(m_focused);
    adjust(m_anchor);
}

int ListView::InsertItem(const LVITEMA* p) {
    if (!p || p->iItem < 0 || p->iSubItem != 0) return -1;
    if (m_items.size() >= size_t(0x7FFFFFF0)) return -1;
    Item item;
    if (p->mask & LVIF_TEXT) {
        if (IsCallback(p->pszText)) item.text.SetCallback();
        else item.text.Assign(p->pszText);
    }
    if (p->mask & LVIF_IMAGE) item.image = p->iImage;
    if (p->mask & LVIF_PARAM) item.lParam = p->lParam;
    if (p->mask & LVIF_INDENT) item.SetIndent(p->iIndent);
    UINT state = (p->mask & LVIF_STATE) ? (p->state & p->stateMask) : 0;

    int i = std::min(p->iItem, int(m_items.size()));
    DWORD style = Style();
    if ((style & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) && !item.text.IsCallback()) {
        bool desc = (style & LVS_SORTDESCENDING) != 0;
        const char* text = item.text.c_str();
        auto before = [&](const Item& a) {
            int c = strcasecmp(a.text.c_str(), text);
            return desc ? c > 0 : c <= 0;
        };
        auto it = std::partition_point(m_items.begin(), m_items.end(), before);
        i = int(it - m_items.begin());
    }
    m_items.insert(m_items.begin() + i, std::move(item));
    ShiftIndices(i, +1);
    // A single-selection list keeps one selected item, and one item has the
    // focus: an inserted item's own state goes through the state machine.
    if (state & (LVIS_SELECTED | LVIS_FOCUSED)) {
        m_items[size_t(i)].state = state & ~(LVIS_SELECTED | LVIS_FOCUSED);
        UINT want = state & (LVIS_SELECTED | LVIS_FOCUSED);
        if (want & LVIS_FOCUSED) {
            if (m_focused >= 0 && m_focused != i) SetStateRaw(m_focused, m_items[size_t(m_focused)].state & ~LVIS_FOCUSED);
        }
        if ((want & LVIS_SELECTED) && (style & LVS_SINGLESEL)) {
            std::vector<int> others(m_selected.begin(), m_selected.end());
            for (int s : others) SetStateRaw(s, m_items[size_t(s)].state & ~LVIS_SELECTED);
        }
        SetStateRaw(i, state);
    } else {
        m_items[size_t(i)].state = state;
    }
    InvalidateFromItem(i);
    UpdateScrollBars();
    NotifyItem(LVN_INSERTITEM, i, 0, 0, 0, 0, m_items.size() > size_t(i) ? m_items[size_t(i)].lParam : 0);
    return i;
}

BOOL ListView::DeleteItem(int i) {
    if (i < 0 || i >= int(m_items.size())) return FALSE;
    NotifyItem(LVN_DELETEITEM, i, 0, 0, 0, 0, m_items[size_t(i)].lParam);
    // The parent may have changed the list while it was told.
    if (i >= int(m_items.size())) return FALSE;
    m_items.erase(m_items.begin() + i);
    ShiftIndices(i, -1);
    if (m_top > MaxTop()) m_top = MaxTop();
    InvalidateFromItem(i);
    UpdateScrollBars();
    return TRUE;
}

BOOL ListView::DeleteAllItems(bool destroying) {
    if (destroying && m_items.empty()) return TRUE;
    LRESULT suppress = NotifyItem(LVN_DELETEALLITEMS, -1, 0, 0, 0, 0, 0);
    if (!suppress) {
        // Items are told about front to back, each still in the list.
        size_t n = m_items.size();
        for (size_t k = 0; k < n && k < m_items.size(); ++k)
            NotifyItem(LVN_DELETEITEM, int(k), 0, 0, 0, 0, m_items[k].lParam);
    }
    m_items.clear();
    m_items.shrink_to_fit();
    m_selected.clear();
    m_focused = -1;
    m_anchor = -1;
    m_top = 0;
    if (!destroying) {
        InvalidateRect(m_hwnd, nullptr, TRUE);
        UpdateScrollBars();
    }
    return TRUE;
}

int ListView::ColumnIndexOfId(int id) const {
    for (size_t c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].id == id) return int(c);
    return -1;
}

void ListView::Item::SetIndent(int value) {
    if (value == 0 && !extra) return;
    if (!extra) extra = std::make_unique<ItemExtra>();
    extra->indent = value;
}

std::vector<ListView::SubItem>& ListView::Item::Subs() {
    if (!extra) extra = std::make_unique<ItemExtra>();
    return extra->subs;
}

const char* ListView::TextOf(int i, int column) const {
    const Item& item = m_items[size_t(i)];
    if (column == 0) return item.text.c_str();
    if (column < 0 || column >= int(m_columns.size()) || !item.extra) return "";
    int id = m_columns[size_t(column)].id;
    for (const SubItem& s : item.extra->subs)
        if (s.column == id) return s.text.c_str();
    return "";
}

std::string ListView::DisplayText(int i, int column) {
    if (column == 0 && m_items[size_t(i)].text.IsCallback()) {
        char buf[260] = {0};
        NMLVDISPINFOA di{};
        di.item.mask = LVIF_TEXT;
        di.item.iItem = i;
        di.item.iSubItem = 0;
        di.item.pszText = buf;
        di.item.cchTextMax = int(sizeof(buf));
        di.item.lParam = m_items[size_t(i)].lParam;
        Notify(&di.hdr, LVN_GETDISPINFOA);
        const char* s = di.item.pszText && !IsCallback(di.item.pszText) ? di.item.pszText : "";
        return std::string(s, strnlen(s, 259));
    }
    if (i < 0 || i >= int(m_items.size())) return std::string();
    return TextOf(i, column);
}

BOOL ListView::SetItem(const LVITEMA* p) {
    if (!p || p->iItem < 0 || p->iItem >= int(m_items.size())) return FALSE;
    int i = p->iItem;
    if (p->iSubItem < 0 || p->iSubItem >= std::max(1, int(m_columns.size()))) return FALSE;
    if (p->iSubItem > 0) {
        // Sub-items carry text and image only; they send no notification.
        if (!(p->mask & (LVIF_TEXT | LVIF_IMAGE))) return TRUE;
        int id = m_columns[size_t(p->iSubItem)].id;
        Item& item = m_items[size_t(i)];
        // Sub-items of deleted columns are dropped here, lazily.
        std::vector<SubItem>& subs = item.Subs();
        subs.erase(std::remove_if(subs.begin(), subs.end(),
                                  [&](const SubItem& s) { return ColumnIndexOfId(s.column) < 0; }),
                   subs.end());
        SubItem* sub = nullptr;
        for (SubItem& s : subs)
            if (s.column == id) sub = &s;
        if (!sub) {
            subs.push_back(SubItem{ItemText(), id, -1});
            sub = &subs.back();
        }
        if (p->mask & LVIF_TEXT) sub->text.Assign(IsCallback(p->pszText) ? nullptr : p->pszText);
        if (p->mask & LVIF_IMAGE) sub->image = p->iImage;
        InvalidateItem(i);
        return TRUE;
    }

    UINT fields = p->mask & (LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_INDENT);
    if (fields) {
        Item& cur = m_items[size_t(i)];
        UINT differs = 0;
        const bool newCallback = IsCallback(p->pszText);
        const char* newText = newCallback ? nullptr : p->pszText;
        if ((fields & LVIF_TEXT) && !cur.text.Same(newText, newCallback)) differs |= LVIF_TEXT;
        if ((fields & LVIF_IMAGE) && p->iImage != cur.image) differs |= LVIF_IMAGE;
        if ((fields & LVIF_PARAM) && p->lParam != cur.lParam) differs |= LVIF_PARAM;
        if ((fields & LVIF_INDENT) && p->iIndent != cur.Indent()) differs |= LVIF_INDENT;
        // The parent is asked even when nothing would change; it hears of
        // the change only when something did.
        if (NotifyItem(LVN_ITEMCHANGING, i, 0, 0, 0, fields, cur.lParam)) return FALSE;
        if (i >= int(m_items.size())) return FALSE;
        if (differs) {
            Item& item = m_items[size_t(i)];
            if (differs & LVIF_TEXT) {
                if (newCallback) item.text.SetCallback();
                else item.text.Assign(newText);
            }
            if (differs & LVIF_IMAGE) item.image = p->iImage;
            if (differs & LVIF_PARAM) item.lParam = p->lParam;
            if (differs & LVIF_INDENT) item.SetIndent(p->iIndent);
            InvalidateItem(i);
            NotifyItem(LVN_ITEMCHANGED, i, 0, 0, 0, differs, item.lParam);
        }
    }
    if (p->mask & LVIF_STATE) {
        if (i >= int(m_items.size())) return FALSE;
        return SetItemState(i, p->state, p->stateMask) ? TRUE : FALSE;
    }
    return TRUE;
}

BOOL ListView::GetItem(LVITEMA* p) {
    if (!p || p->iItem < 0 || p->iItem >= int(m_items.size())) return FALSE;
    int i = p->iItem;
    if (p->iSubItem < 0 || p->iSubItem >= std::max(1, int(m_columns.size()))) return FALSE;
    const Item& item = m_items[size_t(i)];
    if (p->mask & LVIF_TEXT) {
        if (p->iSubItem == 0 && item.text.IsCallback()) {
            if (p->pszText && p->cchTextMax > 0 && !IsCallback(p->pszText)) {
                std::string s = DisplayText(i, 0);
                CopyText(s, p->pszText, p->cchTextMax);
            }
        } else {
            CopyText(TextOf(i, p->iSubItem), p->pszText, p->cchTextMax);
        }
    }
    if (i >= int(m_items.size())) return FALSE;
    const Item& it = m_items[size_t(i)];
    if (p->mask & LVIF_IMAGE) {
        if (p->iSubItem == 0) {
            p->iImage = it.image;
        } else {
            p->iImage = -1;
            int id = m_columns[size_t(p->iSubItem)].id;
            if (it.extra)
                for (const SubItem& s : it.extra->subs)
                    if (s.column == id) p->iImage = s.image;
        }
    }
    if (p->mask & LVIF_PARAM) p->lParam = it.lParam;
    if (p->mask & LVIF_STATE) p->state = it.state & p->stateMask;
    if (p->mask & LVIF_INDENT) p->iIndent = it.Indent();
    return TRUE;
}

int ListView::GetItemText(int i, LVITEMA* p) {
    if (!p || i < 0 || i >= int(m_items.size()) || !p->pszText || p->cchTextMax <= 0) return 0;
    if (p->iSubItem < 0 || p->iSubItem >= std::max(1, int(m_columns.size()))) {
        p->pszText[0] = 0;
        return 0;
    }
    if (p->iSubItem == 0 && m_items[size_t(i)].text.IsCallback()) return CopyText(DisplayText(i, 0), p->pszText, p->cchTextMax);
    return CopyText(TextOf(i, p->iSubItem), p->pszText, p->cchTextMax);
}

BOOL ListView::SetItemText(int i, const LVITEMA* p) {
    if (!p || i < 0 || i >= int(m_items.size())) return FALSE;
    LVITEMA copy{};
    copy.mask = LVIF_TEXT;
    copy.iItem = i;
    copy.iSubItem = p->iSubItem;
    copy.pszText = p->pszText;
    return SetItem(&copy);
}

int ListView::NextItem(int start, UINT flags) const {
    int n = int(m_items.size());
    if (n == 0) return -1;
    UINT want = flags & (LVNI_SELECTED | LVNI_FOCUSED | LVNI_CUT | LVNI_DROPHILITED);
    UINT wantState = ((want & LVNI_SELECTED) ? LVIS_SELECTED : 0) | ((want & LVNI_FOCUSED) ? LVIS_FOCUSED : 0) |
                     ((want & LVNI_CUT) ? LVIS_CUT : 0) | ((want & LVNI_DROPHILITED) ? LVIS_DROPHILITED : 0);
    auto matches = [&](int i) { return (m_items[size_t(i)].state & wantState) == wantState; };
    // In report and list layouts "above" is the previous index and "below"
    // the next; left and right have no neighbours in a one-column layout.
    bool up = (flags & LVNI_ABOVE) != 0;
    if (flags & (LVNI_TOLEFT | LVNI_TORIGHT)) {
        if (!IsReport()) up = (flags & LVNI_TOLEFT) != 0;
        else return -1;
    }
    if (up) {
        if (start < 0) return -1;
        if (wantState == LVIS_FOCUSED) return (m_focused >= 0 && m_focused < start) ? m_focused : -1;
        if (wantState & LVIS_SELECTED) {
            auto it = m_selected.lower_bound(std::min(start, n));
            while (it != m_selected.begin()) {
                --it;
                if (matches(*it)) return *it;
            }
            return -1;
        }
        for (int i = std::min(start, n) - 1; i >= 0; --i)
            if (matches(i)) return i;
        return -1;
    }
    int from = start < 0 ? 0 : start + 1;
    if (wantState == LVIS_FOCUSED) return (m_focused >= from) ? m_focused : -1;
    if (wantState & LVIS_SELECTED) {
        for (auto it = m_selected.lower_bound(from); it != m_selected.end(); ++it)
            if (matches(*it)) return *it;
        return -1;
    }
    for (int i = from; i < n; ++i)
        if (matches(i)) return i;
    return -1;
}

int ListView::FindItem(int start, const LVFINDINFOA* fi) {
    if (!fi) return -1;
    int n = int(m_items.size());
    int from = start < 0 ? 0 : start + 1;
    size_t len = fi->psz ? strlen(fi->psz) : 0;
    auto match = [&](int i) {
        const Item& it = m_items[size_t(i)];
        if (fi->flags & LVFI_PARAM) return it.lParam == fi->lParam;
        if (!(fi->flags & (LVFI_STRING | LVFI_PARTIAL)) || !fi->psz) return false;
        if (fi->flags & LVFI_PARTIAL) return strncasecmp(it.text.c_str(), fi->psz, len) == 0;
        return strcasecmp(it.text.c_str(), fi->psz) == 0;
    };
    for (int i = from; i < n; ++i)
        if (match(i)) return i;
    if (fi->flags & LVFI_WRAP)
        for (int i = 0; i < std::min(from, n); ++i)
            if (match(i)) return i;
    return -1;
}

BOOL ListView::SortItems(LPARAM lParamSort, WPARAM pfn) {
    using Compare = int(CALLBACK*)(LPARAM, LPARAM, LPARAM);
    auto cmp = reinterpret_cast<Compare>(pfn);
    if (!cmp) return FALSE;
    // Sort the items with their states; the selection set and the focus
    // follow their items.
    std::vector<Item> items = std::move(m_items);
    m_items.clear();
    std::stable_sort(items.begin(), items.end(),
                     [&](const Item& a, const Item& b) { return cmp(a.lParam, b.lParam, lParamSort) < 0; });
    m_items = std::move(items);
    m_selected.clear();
    m_focused = -1;
    for (size_t k = 0; k < m_items.size(); ++k) {
        if (m_items[k].state & LVIS_SELECTED) m_selected.insert(int(k));
        if (m_items[k].state & LVIS_FOCUSED) m_focused = int(k);
    }
    m_anchor = m_focused;
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Item state

void ListView::SetStateRaw(int i, UINT newState) {
    Item& item = m_items[size_t(i)];
    UINT old = item.state;
    item.state = newState;
    if ((newState & LVIS_SELECTED) && !(old & LVIS_SELECTED)) m_selected.insert(i);
    if (!(newState & LVIS_SELECTED) && (old & LVIS_SELECTED)) m_selected.erase(i);
    if (newState & LVIS_FOCUSED) m_focused = i;
    else if (m_focused == i) m_focused = -1;
    if (old != newState) InvalidateItem(i);
}

bool ListView::SetItemState(int i, UINT state, UINT mask) {
    if (i < 0 || i >= int(m_items.size())) return false;
    UINT old = m_items[size_t(i)].state;
    UINT wanted = (old & ~mask) | (state & mask);
    if (NotifyItem(LVN_ITEMCHANGING, i, 0, old, wanted, LVIF_STATE, m_items[size_t(i)].lParam)) return false;
    if (i >= int(m_items.size())) return false;
    if (wanted == old) return true;

    // Others give way first: with single selection the other selected items
    // lose their selection, and the item that had the focus loses it.
    if ((wanted & LVIS_SELECTED) && !(old & LVIS_SELECTED) && (Style() & LVS_SINGLESEL)) DeselectAllExcept(i);
    if ((wanted & LVIS_FOCUSED) && !(old & LVIS_FOCUSED) && m_focused >= 0 && m_focused != i)
        SetItemState(m_focused, 0, LVIS_FOCUSED);
    if (i >= int(m_items.size())) return false;

    // The item's state is set only now, just before its CHANGED.
    UINT now = m_items[size_t(i)].state;
    UINT result = (now & ~mask) | (state & mask);
    SetStateRaw(i, result);
    NotifyItem(LVN_ITEMCHANGED, i, 0, old, result, LVIF_STATE, m_items[size_t(i)].lParam);
    return true;
}

void ListView::DeselectAllExcept(int keep) {
    std::vector<int> others;
    for (int s : m_selected)
        if (s != keep) others.push_back(s);
    for (int s : others)
        if (s < int(m_items.size()) && (m_items[size_t(s)].state & LVIS_SELECTED)) SetItemState(s, 0, LVIS_SELECTED);
}

BOOL ListView::SetItemStateAll(UINT state, UINT mask) {
    // One item at most has the focus, and a single-selection list one
    // selected item: for "all items" those bits can only be cleared.
    if (state & mask & LVIS_FOCUSED) mask &= ~LVIS_FOCUSED;
    if ((state & mask & LVIS_SELECTED) && (Style() & LVS_SINGLESEL)) mask &= ~LVIS_SELECTED;
    if (!mask) return TRUE;
    if ((mask & ~(LVIS_SELECTED | LVIS_FOCUSED)) == 0 && !(state & mask)) {
        // Clearing selection or focus touches only the items that have it.
        std::vector<int> touched(m_selected.begin(), m_selected.end());
        if (m_focused >= 0 && !m_selected.count(m_focused)) touched.push_back(m_focused);
        std::sort(touched.begin(), touched.end());
        for (int i : touched)
            if (i < int(m_items.size()) && (m_items[size_t(i)].state & mask)) SetItemState(i, state, mask);
        return TRUE;
    }
    for (size_t i = 0; i < m_items.size(); ++i) {
        UINT old = m_items[i].state;
        if (((old & ~mask) | (state & mask)) != old) SetItemState(int(i), state, mask);
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// Columns

int ListView::InsertColumn(int i, const LVCOLUMNA* p) {
    if (!p || i < 0) return -1;
    i = std::min(i, int(m_columns.size()));
    Column col;
    col.id = m_nextColumnId++;
    if (p->mask & LVCF_FMT) col.fmt = p->fmt;
    col.cx = (p->mask & LVCF_WIDTH) ? std::max(0, p->cx) : 0;
    if ((p->mask & LVCF_TEXT) && p->pszText && !IsCallback(p->pszText)) col.text = p->pszText;
    col.subItem = (p->mask & LVCF_SUBITEM) ? p->iSubItem : i;
    if (p->mask & LVCF_IMAGE) col.image = p->iImage;
    col.order = (p->mask & LVCF_ORDER) ? p->iOrder : i;

    HDITEMA hi{};
    hi.mask = HDI_WIDTH | HDI_FORMAT | HDI_TEXT | HDI_LPARAM;
    hi.cxy = col.cx;
    hi.fmt = HDF_STRING | (col.fmt & LVCFMT_JUSTIFYMASK);
    hi.pszText = const_cast<LPSTR>(col.text.c_str());
    hi.lParam = 0;
    if (col.image >= 0) {
        hi.mask |= HDI_IMAGE;
        hi.iImage = col.image;
        if (col.fmt & LVCFMT_IMAGE) hi.fmt |= HDF_IMAGE;
    }
    int at = int(SendMessageA(m_header, HDM_INSERTITEMA, WPARAM(i), reinterpret_cast<LPARAM>(&hi)));
    if (at < 0) return -1;
    m_columns.insert(m_columns.begin() + at, col);
    InvalidateRowsFrom(ColumnLeft(at) - m_scrollX);
    UpdateScrollBars();
    return at;
}

BOOL ListView::DeleteColumn(int i) {
    if (i < 0 || i >= int(m_columns.size())) return FALSE;
    const int left = ColumnLeft(i) - m_scrollX;
    if (!SendMessageA(m_header, HDM_DELETEITEM, WPARAM(i), 0)) return FALSE;
    m_columns.erase(m_columns.begin() + i);
    RECT client;
    GetClientRect(m_hwnd, &client);
    if (m_scrollX > 0 && m_scrollX > std::max(0, TotalWidth() - int(client.right))) {
        // Scrolled beyond what the narrower columns need: the view and its
        // header come back to the last position there is (Layout redraws).
        Layout();
        return TRUE;
    }
    InvalidateRowsFrom(left);
    UpdateScrollBars();
    return TRUE;
}

// The columns from x (client coordinates) rightwards moved: the rows there
// are drawn again. The header, a child window, redraws its own part.
void ListView::InvalidateRowsFrom(int x) {
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    rc.top = RowsTop();
    rc.left = std::max(0, x);
    if (rc.left < rc.right && rc.top < rc.bottom) InvalidateRect(m_hwnd, &rc, TRUE);
}

BOOL ListView::GetColumn(int i, LVCOLUMNA* p) const {
    if (!p || i < 0 || i >= int(m_columns.size())) return FALSE;
    const Column& c = m_columns[size_t(i)];
    if (p->mask & LVCF_FMT) p->fmt = c.fmt;
    if (p->mask & LVCF_WIDTH) p->cx = c.cx;
    if (p->mask & LVCF_TEXT) CopyText(c.text, p->pszText, p->cchTextMax);
    if (p->mask & LVCF_SUBITEM) p->iSubItem = c.subItem;
    if (p->mask & LVCF_IMAGE) p->iImage = c.image;
    if (p->mask & LVCF_ORDER) p->iOrder = c.order;
    return TRUE;
}

BOOL ListView::SetColumn(int i, const LVCOLUMNA* p) {
    if (!p || i < 0 || i >= int(m_columns.size())) return FALSE;
    Column& c = m_columns[size_t(i)];
    HDITEMA hi{};
    if (p->mask & LVCF_FMT) {
        c.fmt = p->fmt;
        hi.mask |= HDI_FORMAT;
        hi.fmt = HDF_STRING | (c.fmt & LVCFMT_JUSTIFYMASK) | ((c.fmt & LVCFMT_IMAGE) ? HDF_IMAGE : 0);
    }
    if (p->mask & LVCF_TEXT) {
        c.text = (p->pszText && !IsCallback(p->pszText)) ? p->pszText : "";
        hi.mask |= HDI_TEXT;
        hi.pszText = const_cast<LPSTR>(c.text.c_str());
    }
    if (p->mask & LVCF_SUBITEM) c.subItem = p->iSubItem;
    if (p->mask & LVCF_IMAGE) {
        c.image = p->iImage;
        hi.mask |= HDI_IMAGE;
        hi.iImage = p->iImage;
    }
    if (p->mask & LVCF_ORDER) c.order = p->iOrder;
    if (hi.mask) SendMessageA(m_header, HDM_SETITEMA, WPARAM(i), reinterpret_cast<LPARAM>(&hi));
    if ((p->mask & LVCF_WIDTH) && i < int(m_columns.size())) SetColumnWidth(i, p->cx);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return TRUE;
}

BOOL ListView::SetColumnWidth(int i, int cx) {
    if (i < 0 || i >= int(m_columns.size())) return FALSE;
    if (cx == LVSCW_AUTOSIZE || cx == LVSCW_AUTOSIZE_USEHEADER) {
        // Widest text of the column, plus the margins the drawing uses.
        int widest = 0;
        for (size_t k = 0; k < m_items.size(); ++k) {
            std::string s = DisplayText(int(k), i);
            if (!s.empty()) widest = std::max(widest, StringWidth(s.c_str()));
        }
        int w = widest + 12;
        if (i == 0 && m_imlSmall) {
            int icx = 0, icy = 0;
            ImageList_GetIconSize(m_imlSmall, &icx, &icy);
            w += icx + 2;
        }
        if (cx == LVSCW_AUTOSIZE_USEHEADER) {
            w = std::max(w, StringWidth(m_columns[size_t(i)].text.c_str()) + 12);
            if (i == int(m_columns.size()) - 1) {
                RECT rc;
                GetClientRect(m_hwnd, &rc);
                w = std::max(w, int(rc.right) - ColumnLeft(i));
            }
        }
        cx = w;
    }
    HDITEMA hi{};
    hi.mask = HDI_WIDTH;
    hi.cxy = std::max(0, cx);
    // The header tells its parent (this list view) of the change, which
    // updates the column's mirror width and redraws.
    return SendMessageA(m_header, HDM_SETITEMA, WPARAM(i), reinterpret_cast<LPARAM>(&hi)) ? TRUE : FALSE;
}

// ---------------------------------------------------------------------------
// The message switch

LRESULT ListView::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Window messages (size, style, painting, scrolling ...) find the bars
    // up to date; the list view's own messages keep or move them themselves.
    if ((m_vPending || m_hPending) && msg < LVM_FIRST && msg != WM_NOTIFY) FlushScrollBars();
    switch (msg) {
        case WM_CREATE: return OnCreate(reinterpret_cast<const CREATESTRUCTA*>(lParam));
        case WM_DESTROY:
            OnDestroy();
            break;

        case LVM_GETITEMCOUNT: return LRESULT(m_items.size());
        case LVM_SETITEMCOUNT:
            if (lParam >= 0 && wParam < 0x10000000) m_items.reserve(size_t(wParam));
            return TRUE;
        case LVM_INSERTITEMA: return InsertItem(reinterpret_cast<const LVITEMA*>(lParam));
        case LVM_DELETEITEM: return DeleteItem(int(wParam));
        case LVM_DELETEALLITEMS: return DeleteAllItems(false);
        case LVM_SETITEMA: return SetItem(reinterpret_cast<const LVITEMA*>(lParam));
        case LVM_GETITEMA: return GetItem(reinterpret_cast<LVITEMA*>(lParam));
        case LVM_SETITEMTEXTA: return SetItemText(int(wParam), reinterpret_cast<const LVITEMA*>(lParam));
        case LVM_GETITEMTEXTA: return GetItemText(int(wParam), reinterpret_cast<LVITEMA*>(lParam));
        case LVM_SETITEMSTATE: {
            auto* p = reinterpret_cast<const LVITEMA*>(lParam);
            if (!p) return FALSE;
            int i = int(wParam);
            if (i == -1) return SetItemStateAll(p->state, p->stateMask);
            if (i < 0 || i >= int(m_items.size())) return FALSE;
            return SetItemState(i, p->state, p->stateMask) ? TRUE : FALSE;
        }
        case LVM_GETITEMSTATE: {
            int i = int(wParam);
            if (i < 0 || i >= int(m_items.size())) return 0;
            return m_items[size_t(i)].state & UINT(lParam);
        }
        case LVM_GETNEXTITEM: return NextItem(int(wParam), LOWORD(lParam));
        case LVM_GETSELECTEDCOUNT: return LRESULT(m_selected.size());
        case LVM_GETSELECTIONMARK: return m_anchor;
        case LVM_SETSELECTIONMARK: {
            int old = m_anchor;
            int i = int(lParam);
            m_anchor = (i >= 0 && i < int(m_items.size())) ? i : -1;
            return old;
        }
        case LVM_FINDITEMA: return FindItem(int(wParam), reinterpret_cast<const LVFINDINFOA*>(lParam));
        case LVM_SORTITEMS: return SortItems(WPARAM(wParam), WPARAM(lParam));

        case LVM_INSERTCOLUMNA: return InsertColumn(int(wParam), reinterpret_cast<const LVCOLUMNA*>(lParam));
        case LVM_DELETECOLUMN: return DeleteColumn(int(wParam));
        case LVM_GETCOLUMNA: return GetColumn(int(wParam), reinterpret_cast<LVCOLUMNA*>(lParam));
        case LVM_SETCOLUMNA: return SetColumn(int(wParam), reinterpret_cast<const LVCOLUMNA*>(lParam));
        case LVM_GETCOLUMNWIDTH: {
            int i = int(wParam);
            if (!IsReport() && i == 0 && m_columns.empty()) return 0;
            return (i >= 0 && i < int(m_columns.size())) ? m_columns[size_t(i)].cx : 0;
        }
        case LVM_SETCOLUMNWIDTH: return SetColumnWidth(int(wParam), int(short(LOWORD(lParam))));
        case LVM_GETHEADER: return reinterpret_cast<LRESULT>(m_header);

        case LVM_GETITEMRECT: return GetItemRect(int(wParam), reinterpret_cast<RECT*>(lParam));
        case LVM_GETSUBITEMRECT: return GetSubItemRect(int(wParam), reinterpret_cast<RECT*>(lParam));
        case LVM_HITTEST: return HitTest(reinterpret_cast<LVHITTESTINFO*>(lParam), false);
        case LVM_SUBITEMHITTEST: return HitTest(reinterpret_cast<LVHITTESTINFO*>(lParam), true);
        case LVM_GETTOPINDEX: return (IsReport() || (Style() & LVS_TYPEMASK) == LVS_LIST) ? m_top : 0;
        case LVM_GETCOUNTPERPAGE: return CountPerPage();
        case LVM_SCROLL: return Scroll(int(wParam), int(lParam));
        case LVM_ENSUREVISIBLE: return EnsureVisible(int(wParam), LOWORD(lParam) != 0);
        case LVM_REDRAWITEMS: {
            int first = int(wParam), last = int(lParam);
            if (first < 0 || last < first) return FALSE;
            InvalidateRows(first, last);
            return TRUE;
        }
        case LVM_UPDATE: {
            int i = int(wParam);
            if (i < 0 || i >= int(m_items.size())) return FALSE;
            InvalidateItem(i);
            return TRUE;
        }
        case LVM_GETVIEWRECT: {
            auto* rc = reinterpret_cast<RECT*>(lParam);
            if (!rc) return FALSE;
            RECT client;
            GetClientRect(m_hwnd, &client);
            int width = IsReport() ? TotalWidth() : client.right;
            *rc = RECT{-m_scrollX, RowsTop() - m_top * m_rowHeight, -m_scrollX + width,
                       RowsTop() + (int(m_items.size()) - m_top) * m_rowHeight};
            return TRUE;
        }
        case LVM_GETORIGIN: {
            auto* pt = reinterpret_cast<POINT*>(lParam);
            if (!pt) return FALSE;
            *pt = POINT{m_scrollX, m_top * m_rowHeight};
            return TRUE;
        }

        case LVM_SETIMAGELIST: {
            HIMAGELIST himl = reinterpret_cast<HIMAGELIST>(lParam);
            HIMAGELIST old = nullptr;
            switch (int(wParam)) {
                case LVSIL_NORMAL: old = m_imlNormal; m_imlNormal = himl; break;
                case LVSIL_SMALL:
                    old = m_imlSmall;
                    m_imlSmall = himl;
                    RecalcRowHeight(false);
                    break;
                case LVSIL_STATE: old = m_imlState; m_imlState = himl; break;
                default: return 0;
            }
            InvalidateRect(m_hwnd, nullptr, TRUE);
            return reinterpret_cast<LRESULT>(old);
        }
        case LVM_GETIMAGELIST:
            switch (int(wParam)) {
                case LVSIL_NORMAL: return reinterpret_cast<LRESULT>(m_imlNormal);
                case LVSIL_SMALL: return reinterpret_cast<LRESULT>(m_imlSmall);
                case LVSIL_STATE: return reinterpret_cast<LRESULT>(m_imlState);
                default: return 0;
            }
        case LVM_GETSTRINGWIDTHA: return lParam ? StringWidth(reinterpret_cast<LPCSTR>(lParam)) : 0;
        case LVM_SETBKCOLOR: m_bk = COLORREF(lParam); InvalidateRect(m_hwnd, nullptr, TRUE); return TRUE;
        case LVM_GETBKCOLOR: return Resolve(m_bk, COLOR_WINDOW);
        case LVM_SETTEXTCOLOR: m_text = COLORREF(lParam); InvalidateRect(m_hwnd, nullptr, TRUE); return TRUE;
        case LVM_GETTEXTCOLOR: return Resolve(m_text, COLOR_WINDOWTEXT);
        case LVM_SETTEXTBKCOLOR: m_textBk = COLORREF(lParam); InvalidateRect(m_hwnd, nullptr, TRUE); return TRUE;
        case LVM_GETTEXTBKCOLOR: return m_textBk == CLR_DEFAULT ? Resolve(m_bk, COLOR_WINDOW) : m_textBk;
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            DWORD old = m_exStyle;
            DWORD mask = wParam ? DWORD(wParam) : 0xFFFFFFFFu;
            m_exStyle = (m_exStyle & ~mask) | (DWORD(lParam) & mask);
            if (old != m_exStyle) InvalidateRect(m_hwnd, nullptr, TRUE);
            return old;
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE: return m_exStyle;
        case LVM_GETCALLBACKMASK: return 0;
        case LVM_SETCALLBACKMASK: return FALSE;

        case WM_NOTIFY: {
            auto* nm = reinterpret_cast<NMHDR*>(lParam);
            if (nm && nm->hwndFrom == m_header && m_header) return OnHeaderNotify(reinterpret_cast<NMHEADERA*>(nm));
            return 0;
        }
        case WM_SETFONT:
            m_font = reinterpret_cast<HFONT>(wParam);
            if (m_header) SendMessageA(m_header, WM_SETFONT, wParam, 0);
            RecalcRowHeight(true);
            Layout();
            if (LOWORD(lParam)) InvalidateRect(m_hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(Font());
        case WM_SIZE: {
            // What the list view gains it paints, even when whoever sized it
            // asked for no redrawing (a splitter moving its panes).
            const int cx = LOWORD(lParam), cy = HIWORD(lParam);
            if (cx > m_clientSize.cx) {
                RECT gained = {m_clientSize.cx, 0, cx, cy};
                InvalidateRect(m_hwnd, &gained, TRUE);
            }
            if (cy > m_clientSize.cy) {
                RECT gained = {0, m_clientSize.cy, cx, cy};
                InvalidateRect(m_hwnd, &gained, TRUE);
            }
            m_clientSize = SIZE{cx, cy};
            Layout();
            return 0;
        }
        case WM_STYLECHANGED: {
            auto* ss = reinterpret_cast<const STYLESTRUCT*>(lParam);
            if (int(wParam) != GWL_STYLE || !ss) break;
            DWORD changed = ss->styleOld ^ ss->styleNew;
            if (changed & (LVS_TYPEMASK | LVS_NOCOLUMNHEADER | LVS_OWNERDRAWFIXED)) {
                if (m_header) {
                    bool show = IsReport() && !(ss->styleNew & LVS_NOCOLUMNHEADER);
                    LONG hs = GetWindowLongA(m_header, GWL_STYLE);
                    hs = show ? (hs & ~HDS_HIDDEN) : (hs | HDS_HIDDEN);
                    SetWindowLongA(m_header, GWL_STYLE, hs);
                    ShowWindow(m_header, show ? SW_SHOWNA : SW_HIDE);
                }
                if (changed & LVS_TYPEMASK) m_scrollX = 0;
                RecalcRowHeight(false);
                Layout();
                InvalidateRect(m_hwnd, nullptr, TRUE);
            } else if (changed & (LVS_SHOWSELALWAYS | LVS_SINGLESEL)) {
                InvalidateRect(m_hwnd, nullptr, TRUE);
            }
            return 0;
        }
        case WM_ERASEBKGND:
            EraseBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_NCPAINT:
            m_barsInvalid = false;
            return DefWindowProcA(m_hwnd, msg, wParam, lParam);
        case WM_PAINT: {
            if (wParam) {
                // Painting into a device context the caller gives (a memory
                // bitmap, typically): the whole client area, no BeginPaint.
                HDC hdc = reinterpret_cast<HDC>(wParam);
                RECT clip;
                GetClientRect(m_hwnd, &clip);
                Paint(hdc, clip);
                return 0;
            }
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(m_hwnd, &ps);
            if (hdc) Paint(hdc, ps.rcPaint);
            EndPaint(m_hwnd, &ps);
            return 0;
        }
        case WM_SETFOCUS: {
            m_hasFocus = true;
            if (m_focused >= 0) InvalidateItem(m_focused);
            for (auto it = m_selected.lower_bound(m_top); it != m_selected.end() && *it <= m_top + CountPerPage(); ++it)
                InvalidateItem(*it);
            NotifySimple(NM_SETFOCUS);
            return 0;
        }
        case WM_KILLFOCUS: {
            m_hasFocus = false;
            if (m_focused >= 0) InvalidateItem(m_focused);
            for (auto it = m_selected.lower_bound(m_top); it != m_selected.end() && *it <= m_top + CountPerPage(); ++it)
                InvalidateItem(*it);
            NotifySimple(NM_KILLFOCUS);
            return 0;
        }
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            OnButtonDown(msg, wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            OnButtonUp(msg, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (msg == WM_RBUTTONUP) break;  // DefWindowProc makes WM_CONTEXTMENU
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != m_hwnd) m_pressButton = 0;
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(UINT(wParam));
            return 0;
        case WM_VSCROLL:
            OnVScroll(LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            OnHScroll(LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_MOUSEHWHEEL:
            OnMouseHWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_SYSCOLORCHANGE:
            InvalidateRect(m_hwnd, nullptr, TRUE);
            if (m_header) SendMessageA(m_header, WM_SYSCOLORCHANGE, 0, 0);
            return 0;
        default: break;
    }
    return DefWindowProcA(m_hwnd, msg, wParam, lParam);
}

}  // namespace vor::controls

extern "C" {

void WINAPI InitCommonControls(void) {}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
    return (picce && picce->dwSize == sizeof(INITCOMMONCONTROLSEX)) ? TRUE : FALSE;
}

}  // extern "C"
