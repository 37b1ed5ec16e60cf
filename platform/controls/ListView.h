// The list view control ("SysListView32"). Report view is the complete one:
// columns through a header child, items with sub-items, the selection and
// focus state machine with its LVN_ITEMCHANGING / LVN_ITEMCHANGED
// notifications, mouse and keyboard selection, scrolling by rows and
// pixels, owner-drawn rows and its own classic drawing. The other views
// keep their style and show the items as a plain one-column list.
//
// Internal to the platform; the public face is commctrl.h. Everything a
// paint, a hit test or a scroll does is proportional to the visible rows,
// never to the number of items.
#pragma once

#include <commctrl.h>

#include "controls/ItemText.h"

#include <set>
#include <string>
#include <memory>
#include <vector>

namespace vor::controls {

void RegisterListViewClass();

template <class T>
class WindowObjects;

class ListView {
public:
    explicit ListView(HWND hwnd) : m_hwnd(hwnd) {}

private:
    friend class WindowObjects<ListView>;
    struct SubItem {
        ItemText text;
        int column;  // the owning column's id (stable across column inserts)
        int image = -1;
    };
    // What few items have: sub-items and an indent. Most items have neither,
    // and every item pays for what an empty one holds.
    struct ItemExtra {
        std::vector<SubItem> subs;
        int indent = 0;
    };
    // One record an item, 40 bytes: a list of a million rows holds a million.
    struct Item {
        ItemText text;
        LPARAM lParam = 0;
        std::unique_ptr<ItemExtra> extra;
        UINT state = 0;
        int image = 0;

        int Indent() const { return extra ? extra->indent : 0; }
        void SetIndent(int indent);
        std::vector<SubItem>& Subs();
    };
    static_assert(sizeof(Item) <= 40, "an item record is at most 40 bytes");
    struct Column {
        int id = 0;
        int fmt = LVCFMT_LEFT;
        int cx = 0;  // mirror of the header item's width
        std::string text;
        int subItem = 0;
        int image = -1;
        int order = 0;
    };

    // --- ListView.cpp: messages, items, columns, state ---
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnCreate(const CREATESTRUCTA* cs);
    void OnDestroy();
    void OnNcDestroy();

    LRESULT Notify(NMHDR* nm, UINT code);
    LRESULT NotifyItem(UINT code, int item, int subItem, UINT oldState, UINT newState, UINT changed, LPARAM lParam,
                       POINT pt = POINT{0, 0});
    LRESULT NotifySimple(UINT code);
    LRESULT OnHeaderNotify(NMHEADERA* nm);

    int InsertItem(const LVITEMA* p);
    BOOL DeleteItem(int i);
    BOOL DeleteAllItems(bool destroying);
    BOOL SetItem(const LVITEMA* p);
    BOOL GetItem(LVITEMA* p);
    int GetItemText(int i, LVITEMA* p);
    BOOL SetItemText(int i, const LVITEMA* p);
    const char* TextOf(int i, int column) const;  // by column index; "" for none
    std::string DisplayText(int i, int column);     // resolves text callbacks
    int NextItem(int start, UINT flags) const;
    int FindItem(int start, const LVFINDINFOA* fi);
    BOOL SortItems(LPARAM lParamSort, WPARAM pfn);

    // The state machine: changes one item's state, with the notifications
    // and the knock-on changes (single selection, one focused item).
    bool SetItemState(int i, UINT state, UINT mask);
    BOOL SetItemStateAll(UINT state, UINT mask);
    void SetStateRaw(int i, UINT newState);
    void DeselectAllExcept(int keep);
    void ShiftIndices(int from, int delta);

    int InsertColumn(int i, const LVCOLUMNA* p);
    BOOL DeleteColumn(int i);
    BOOL GetColumn(int i, LVCOLUMNA* p) const;
    BOOL SetColumn(int i, const LVCOLUMNA* p);
    BOOL SetColumnWidth(int i, int cx);
    int ColumnIndexOfId(int id) const;

    // --- ListViewPaint.cpp: geometry and drawing ---
    bool IsReport() const;
    bool IsOwnerDraw() const;
    DWORD Style() const;
    HFONT Font() const;
    void RecalcRowHeight(bool measure);
    int TextHeight() const;
    int StringWidth(const char* s) const;
    void Layout();
    int TotalWidth() const;
    int RowsTop() const { return m_headerHeight; }
    int CountPerPage() const;
    int RowsPerPage(const RECT& client) const;
    int ColumnsWidth() const;
    int MaxTop() const;
    int ColumnLeft(int col) const;  // in item coordinates (before scrolling)
    int ColumnWidth(int col) const;
    RECT RowBounds(int i) const;
    RECT IconRect(int i) const;
    RECT LabelRect(int i) const;
    BOOL GetItemRect(int i, RECT* rc);
    BOOL GetSubItemRect(int i, RECT* rc);
    int HitTest(LVHITTESTINFO* ht, bool subItems) const;
    void InvalidateItem(int i);
    void InvalidateFromItem(int i);
    void InvalidateRows(int first, int last);
    void InvalidateRowsFrom(int x);
    void UpdateScrollBars();
    bool SetScrollBarsNow(const SCROLLINFO& si);
    SCROLLINFO VerticalBar(const RECT& client) const;
    SCROLLINFO HorizontalBar(DWORD style, const RECT& client) const;
    void FlushScrollBars();
    static void SyncScrollBars(HWND hwnd);
    void ScrollTo(int top, int x);
    BOOL Scroll(int dx, int dy);
    BOOL EnsureVisible(int i, bool partialOk);
    COLORREF Resolve(COLORREF c, int sysColor) const;
    void Paint(HDC hdc, const RECT& clip);
    void PaintRowOwnerDraw(HDC hdc, int i, const RECT& bounds);
    void PaintRow(HDC hdc, int i, const RECT& bounds, const RECT& clip);
    void PaintGridLines(HDC hdc, const RECT& clip, int first, int last);
    void EraseBackground(HDC hdc);

    // --- ListViewInput.cpp: mouse, keyboard, scroll bars ---
    void OnButtonDown(UINT msg, WPARAM keys, POINT pt);
    void OnButtonUp(UINT msg, POINT pt);
    void OnKeyDown(UINT vk);
    void OnVScroll(int code);
    void OnHScroll(int code);
    void OnMouseWheel(int delta);
    void OnMouseHWheel(int delta);
    void SelectOnly(int i);
    void SelectRange(int from, int to, bool keepOthers);
    void MoveFocusTo(int i, bool shift, bool ctrl);
    int PageDownTarget() const;
    int PageUpTarget() const;

    HWND m_hwnd;
    int m_busy = 0;      // messages of this window being handled right now
    bool m_dead = false;  // the window is gone; delete when no longer busy
    HWND m_header = nullptr;
    std::vector<Item> m_items;
    std::vector<Column> m_columns;
    int m_nextColumnId = 1;
    std::set<int> m_selected;  // indices of selected items, kept in step with m_items
    int m_focused = -1;
    int m_anchor = -1;  // the selection mark (Shift ranges start here)

    HFONT m_font = nullptr;
    int m_rowHeight = 16;
    int m_headerHeight = 0;
    int m_top = 0;      // first visible row
    int m_scrollX = 0;  // horizontal scroll in pixels
    int m_wheelRest = 0;
    int m_hwheelRest = 0;
    SIZE m_clientSize = {0, 0};  // as of the last WM_SIZE
    bool m_hasFocus = false;
    bool m_inLayout = false;
    bool m_destroying = false;
    bool m_barsKnown = false;  // m_lastV / m_lastH hold what the bars were given
    bool m_barsInvalid = false;  // the bars' strips wait for their next frame paint
    // m_lastV / m_lastH not given to the bars yet (FlushScrollBars does).
    bool m_vPending = false;
    bool m_hPending = false;
    SCROLLINFO m_lastV{};
    SCROLLINFO m_lastH{};
    DWORD m_exStyle = 0;
    COLORREF m_bk = CLR_DEFAULT;      // CLR_DEFAULT: follows COLOR_WINDOW
    COLORREF m_text = CLR_DEFAULT;    // follows COLOR_WINDOWTEXT
    COLORREF m_textBk = CLR_DEFAULT;  // follows the background
    HIMAGELIST m_imlNormal = nullptr;
    HIMAGELIST m_imlSmall = nullptr;
    HIMAGELIST m_imlState = nullptr;

    // The press in progress: the item it hit (for NM_CLICK after release).
    UINT m_pressButton = 0;  // WM_LBUTTONDOWN or WM_RBUTTONDOWN, 0 for none
    int m_pressItem = -1;
    int m_pressSubItem = 0;
    bool m_pressDouble = false;
};

}  // namespace vor::controls
