// The list view's geometry (rows, columns, item rectangles, hit testing,
// scrolling) and its drawing: owner-drawn rows through WM_DRAWITEM, or its
// own classic look. Work is bounded by the visible rows.
#include <algorithm>

#include "controls/ListView.h"
#include "controls/WindowObjects.h"
#include "user/user_internal.h"

namespace vor::controls {

namespace {

// Vertical space added to the font's text height to make a row: two pixels
// above and two below.
constexpr int kRowMargin = 4;
// Horizontal inset of text within a cell (sub-items) and after the icon
// (column 0).
constexpr int kCellTextInset = 6;
constexpr int kLabelTextInset = 2;

void FillSolid(HDC hdc, const RECT& rc, COLORREF c) {
    if (c == CLR_NONE || rc.right <= rc.left || rc.bottom <= rc.top) return;
    HBRUSH b = CreateSolidBrush(c);
    FillRect(hdc, &rc, b);
    DeleteObject(b);
}

}  // namespace

DWORD ListView::Style() const { return DWORD(GetWindowLongA(m_hwnd, GWL_STYLE)); }
bool ListView::IsReport() const { return (Style() & LVS_TYPEMASK) == LVS_REPORT; }
bool ListView::IsOwnerDraw() const { return IsReport() && (Style() & LVS_OWNERDRAWFIXED); }

HFONT ListView::Font() const {
    return m_font ? m_font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int ListView::TextHeight() const {
    HDC hdc = GetDC(m_hwnd);
    if (!hdc) return 13;
    HGDIOBJ old = SelectObject(hdc, Font());
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(m_hwnd, hdc);
    return tm.tmHeight > 0 ? tm.tmHeight : 13;
}

int ListView::StringWidth(const char* s) const {
    if (!s || !*s) return 0;
    HDC hdc = GetDC(m_hwnd);
    if (!hdc) return 0;
    HGDIOBJ old = SelectObject(hdc, Font());
    SIZE sz{};
    GetTextExtentPoint32A(hdc, s, int(strlen(s)), &sz);
    SelectObject(hdc, old);
    ReleaseDC(m_hwnd, hdc);
    return sz.cx;
}

void ListView::RecalcRowHeight(bool measure) {
    int h = TextHeight() + kRowMargin;
    if (IsOwnerDraw()) {
        // Owner-drawn rows are as high as the parent says, asked with the
        // font's row height as the proposal.
        if (!measure) return;
        MEASUREITEMSTRUCT mis{};
        mis.CtlType = ODT_LISTVIEW;
        mis.CtlID = UINT(GetDlgCtrlID(m_hwnd));
        mis.itemID = 0;
        mis.itemWidth = 0;
        mis.itemHeight = UINT(h);
        HWND parent = GetParent(m_hwnd);
        if (parent) SendMessageA(parent, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
        m_rowHeight = std::clamp(int(mis.itemHeight), 1, 2048);
        return;
    }
    if (m_imlSmall) {
        int cx = 0, cy = 0;
        if (ImageList_GetIconSize(m_imlSmall, &cx, &cy)) h = std::max(h, cy + 1);
    }
    if (h != m_rowHeight) {
        m_rowHeight = h;
        InvalidateRect(m_hwnd, nullptr, TRUE);
        UpdateScrollBars();
    }
}

int ListView::TotalWidth() const {
    if (!IsReport()) {
        RECT rc;
        GetClientRect(m_hwnd, &rc);
        return rc.right;
    }
    return ColumnsWidth();
}

int ListView::ColumnsWidth() const {
    int w = 0;
    for (const Column& c : m_columns) w += c.cx;
    return w;
}

int ListView::ColumnLeft(int col) const {
    if (!IsReport()) return 0;
    int x = 0;
    for (int k = 0; k < col && k < int(m_columns.size()); ++k) x += m_columns[size_t(k)].cx;
    return x;
}

int ListView::ColumnWidth(int col) const {
    if (!IsReport()) return TotalWidth();
    return (col >= 0 && col < int(m_columns.size())) ? m_columns[size_t(col)].cx : 0;
}

int ListView::CountPerPage() const {
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    return RowsPerPage(rc);
}

int ListView::RowsPerPage(const RECT& client) const {
    int h = client.bottom - RowsTop();
    return h > 0 ? h / m_rowHeight : 0;
}

int ListView::MaxTop() const { return std::max(0, int(m_items.size()) - CountPerPage()); }

RECT ListView::RowBounds(int i) const {
    int top = RowsTop() + (i - m_top) * m_rowHeight;
    int left = IsReport() ? -m_scrollX : 0;
    return RECT{left, top, left + TotalWidth(), top + m_rowHeight};
}

RECT ListView::IconRect(int i) const {
    RECT b = RowBounds(i);
    int x = b.left;
    int col0 = ColumnWidth(0);
    int stateW = 0, iconW = 0, cx = 0, cy = 0;
    if (m_imlState && ImageList_GetIconSize(m_imlState, &cx, &cy)) stateW = cx;
    if (m_imlSmall && ImageList_GetIconSize(m_imlSmall, &cx, &cy)) iconW = cx;
    if (m_imlSmall) x += std::max(0, m_items[size_t(i)].Indent()) * iconW;
    x += stateW;
    int left = std::min(int(b.left) + col0, x);
    int right = std::min(int(b.left) + col0, x + iconW);
    return RECT{left, b.top, right, b.bottom};
}

RECT ListView::LabelRect(int i) const {
    RECT b = RowBounds(i);
    RECT icon = IconRect(i);
    return RECT{icon.right, b.top, std::max(icon.right, LONG(b.left + ColumnWidth(0))), b.bottom};
}

BOOL ListView::GetItemRect(int i, RECT* rc) {
    if (!rc || i < 0 || i >= int(m_items.size())) return FALSE;
    switch (rc->left) {
        case LVIR_BOUNDS: *rc = RowBounds(i); return TRUE;
        case LVIR_ICON: *rc = IconRect(i); return TRUE;
        case LVIR_LABEL: *rc = LabelRect(i); return TRUE;
        case LVIR_SELECTBOUNDS:
            if (m_exStyle & LVS_EX_FULLROWSELECT) *rc = RowBounds(i);
            else {
                RECT icon = IconRect(i), label = LabelRect(i);
                *rc = RECT{icon.left, icon.top, label.right, label.bottom};
            }
            return TRUE;
        default: return FALSE;
    }
}

BOOL ListView::GetSubItemRect(int i, RECT* rc) {
    if (!rc || i < 0 || i >= int(m_items.size()) || !IsReport()) return FALSE;
    int sub = rc->top, code = rc->left;
    if (sub < 0 || sub >= std::max(1, int(m_columns.size()))) return FALSE;
    if (sub == 0) {
        // Sub-item 0 answers for the whole item, as LVM_GETITEMRECT does.
        rc->left = code;
        return GetItemRect(i, rc);
    }
    RECT b = RowBounds(i);
    RECT cell{b.left + ColumnLeft(sub), b.top, b.left + ColumnLeft(sub) + ColumnWidth(sub), b.bottom};
    int icx = 0, icy = 0;
    bool icons = (m_exStyle & LVS_EX_SUBITEMIMAGES) && m_imlSmall && ImageList_GetIconSize(m_imlSmall, &icx, &icy);
    switch (code) {
        case LVIR_BOUNDS:
        case LVIR_SELECTBOUNDS: *rc = cell; return TRUE;
        case LVIR_ICON:
            *rc = RECT{cell.left, cell.top, icons ? std::min(cell.right, LONG(cell.left + icx)) : cell.left, cell.bottom};
            return TRUE;
        case LVIR_LABEL:
            *rc = RECT{icons ? std::min(cell.right, LONG(cell.left + icx)) : cell.left, cell.top, cell.right, cell.bottom};
            return TRUE;
        default: return FALSE;
    }
}

int ListView::HitTest(LVHITTESTINFO* ht, bool subItems) const {
    if (!ht) return -1;
    ht->iItem = -1;
    if (subItems) ht->iSubItem = 0;
    RECT client;
    GetClientRect(m_hwnd, &client);
    POINT pt = ht->pt;
    UINT outside = 0;
    if (pt.y < client.top) outside |= LVHT_ABOVE;
    if (pt.y >= client.bottom) outside |= LVHT_BELOW;
    if (pt.x < client.left) outside |= LVHT_TOLEFT;
    if (pt.x >= client.right) outside |= LVHT_TORIGHT;
    if (outside) {
        ht->flags = outside;
        return -1;
    }
    ht->flags = LVHT_NOWHERE;
    if (pt.y < RowsTop()) return -1;
    long long row = m_top + (long long)(pt.y - RowsTop()) / m_rowHeight;
    if (row >= (long long)m_items.size()) return -1;
    int i = int(row);
    RECT b = RowBounds(i);
    auto in = [&](const RECT& r) { return pt.x >= r.left && pt.x < r.right; };
    const DWORD style = Style();
    const bool report = (style & LVS_TYPEMASK) == LVS_REPORT;
    if (!subItems && report && (style & LVS_OWNERDRAWFIXED)) {
        // An owner-drawn row is one piece: anywhere in its bounds hits it.
        if (!in(b)) return -1;
        ht->flags = LVHT_ONITEM;
        ht->iItem = i;
        return i;
    }
    RECT icon = IconRect(i), label = LabelRect(i);
    UINT col0Flags = in(icon) ? LVHT_ONITEMICON : in(label) ? LVHT_ONITEMLABEL : 0;

    if (subItems) {
        int col = -1;
        int x = b.left;
        int n = report ? int(m_columns.size()) : 1;
        for (int c = 0; c < n; ++c) {
            int w = ColumnWidth(c);
            if (pt.x >= x && pt.x < x + w) {
                col = c;
                break;
            }
            x += w;
        }
        if (col < 0) return -1;
        ht->iSubItem = col;
        ht->flags = col == 0 ? (col0Flags ? col0Flags : LVHT_ONITEMLABEL) : LVHT_ONITEMLABEL;
        ht->iItem = i;
        return i;
    }
    if (report && (m_exStyle & LVS_EX_FULLROWSELECT)) {
        if (!in(b)) return -1;
        ht->flags = col0Flags ? col0Flags : LVHT_ONITEMLABEL;
        ht->iItem = i;
        return i;
    }
    if (!col0Flags) return -1;
    ht->flags = col0Flags;
    ht->iItem = i;
    return i;
}

// ---------------------------------------------------------------------------
// Invalidation: the rows that changed, across the whole client width.

void ListView::InvalidateRows(int first, int last) {
    if (m_items.empty() || last < m_top) return;
    RECT client;
    GetClientRect(m_hwnd, &client);
    int lastVisible = m_top + RowsPerPage(client);  // the partly visible row included
    first = std::max(first, m_top);
    last = std::min({last, lastVisible, int(m_items.size()) - 1});
    if (first > last) return;
    // Rows' tops straight from the row height: the rows' horizontal extent
    // does not matter here.
    RECT rc{client.left, RowsTop() + (first - m_top) * m_rowHeight, client.right,
            RowsTop() + (last + 1 - m_top) * m_rowHeight};
    rc.top = std::max(rc.top, LONG(RowsTop()));
    if (rc.bottom > rc.top) InvalidateRect(m_hwnd, &rc, TRUE);
}

void ListView::InvalidateItem(int i) { InvalidateRows(i, i); }

void ListView::InvalidateFromItem(int i) {
    RECT client;
    GetClientRect(m_hwnd, &client);
    long long top = i <= m_top ? RowsTop() : RowsTop() + (long long)(i - m_top) * m_rowHeight;
    if (top >= client.bottom) return;
    RECT rc{client.left, LONG(top), client.right, client.bottom};
    InvalidateRect(m_hwnd, &rc, TRUE);
}

// ---------------------------------------------------------------------------
// Layout and scrolling

void ListView::Layout() {
    if (m_inLayout) return;
    m_inLayout = true;
    RECT client;
    GetClientRect(m_hwnd, &client);
    int headerHeight = 0;
    if (m_header) {
        bool shown = IsReport() && !(Style() & LVS_NOCOLUMNHEADER);
        if (shown) {
            RECT rc{-m_scrollX, 0, client.right, client.bottom};
            WINDOWPOS wp{};
            HDLAYOUT hl{&rc, &wp};
            if (SendMessageA(m_header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&hl))) {
                SetWindowPos(m_header, nullptr, wp.x, wp.y, wp.cx, wp.cy, SWP_NOZORDER | SWP_NOACTIVATE);
                headerHeight = wp.cy;
            }
        }
    }
    if (headerHeight != m_headerHeight) {
        m_headerHeight = headerHeight;
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }
    m_top = std::clamp(m_top, 0, MaxTop());
    int maxX = std::max(0, TotalWidth() - int(client.right));
    if (!IsReport()) maxX = 0;
    if (m_scrollX > maxX) {
        m_scrollX = maxX;
        InvalidateRect(m_hwnd, nullptr, TRUE);
        m_inLayout = false;
        Layout();
        return;
    }
    m_inLayout = false;
    UpdateScrollBars();
}

SCROLLINFO ListView::VerticalBar(const RECT& client) const {
    int count = int(m_items.size());
    int cpp = RowsPerPage(client);
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = std::max(0, count - 1);
    si.nPage = UINT(count > cpp ? cpp : si.nMax + 1);
    si.nPos = m_top;
    return si;
}

SCROLLINFO ListView::HorizontalBar(DWORD style, const RECT& client) const {
    SCROLLINFO sh{};
    sh.cbSize = sizeof(sh);
    sh.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    int total = (style & LVS_TYPEMASK) == LVS_REPORT ? ColumnsWidth() : 0;
    sh.nMin = 0;
    sh.nMax = std::max(0, total - 1);
    sh.nPage = UINT(std::max(0, int(client.right)));
    if (int(sh.nPage) > sh.nMax) sh.nPage = UINT(sh.nMax + 1);
    sh.nPos = m_scrollX;
    return sh;
}

namespace {

bool SameBar(const SCROLLINFO& a, const SCROLLINFO& b) {
    return a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

bool Shown(const SCROLLINFO& si) { return vor::user::ScrollBarShownFor(si.nMin, si.nMax, si.nPage); }

}  // namespace

void ListView::UpdateScrollBars() {
    // Showing or hiding a bar resizes the client area, which lays out again;
    // the depth limit keeps a bar that flips between states from recursing.
    static int depth = 0;
    if (depth > 2 || m_destroying) return;
    const DWORD style = Style();
    if (style & LVS_NOSCROLL) return;
    RECT client;
    GetClientRect(m_hwnd, &client);
    const SCROLLINFO si = VerticalBar(client);
    const SCROLLINFO sh = HorizontalBar(style, client);
    const bool vChanged = !m_barsKnown || !SameBar(si, m_lastV);
    const bool hChanged = !m_barsKnown || !SameBar(sh, m_lastH);
    if (!vChanged && !hChanged) return;
    bool changed = true;
    if (m_barsKnown && Shown(si) == ((style & WS_VSCROLL) != 0) && Shown(sh) == ((style & WS_HSCROLL) != 0)) {
        // Neither bar comes or goes, so the client area stays as it is: the
        // values wait until someone looks at the bars (SyncScrollBars), and a
        // thousand inserts give them to the bars once.
        if (vChanged) {
            m_lastV = si;
            m_vPending = true;
        }
        if (hChanged) {
            m_lastH = sh;
            m_hPending = true;
        }
    } else {
        ++depth;
        changed = SetScrollBarsNow(si);
        --depth;
    }
    // The bars are set without drawing and their strips invalidated instead,
    // so a thousand inserts in a row redraw them once, at the next paint.
    // Strips already waiting for their frame paint need no second
    // invalidation (a run of inserts would otherwise redo the region
    // arithmetic each time).
    if (changed && !m_barsInvalid) {
        m_barsInvalid = true;
        GetClientRect(m_hwnd, &client);
        int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
        RECT v{client.right, 0, client.right + cx, client.bottom + cy};
        RECT h{0, client.bottom, client.right + cx, client.bottom + cy};
        RedrawWindow(m_hwnd, &v, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
        RedrawWindow(m_hwnd, &h, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
    }
}

// A bar comes or goes: the values go to the bars at once, the vertical bar's
// first, and the horizontal page is read after the vertical bar changed the
// client area. Answers whether a bar was given anything.
bool ListView::SetScrollBarsNow(const SCROLLINFO& si) {
    FlushScrollBars();
    bool changed = false;
    if (!m_barsKnown || !SameBar(si, m_lastV)) {
        SetScrollInfo(m_hwnd, SB_VERT, &si, FALSE);
        m_lastV = si;
        changed = true;
    }
    RECT client;
    GetClientRect(m_hwnd, &client);
    const SCROLLINFO sh = HorizontalBar(Style(), client);
    if (!m_barsKnown || !SameBar(sh, m_lastH)) {
        SetScrollInfo(m_hwnd, SB_HORZ, &sh, FALSE);
        m_lastH = sh;
        changed = true;
    }
    m_barsKnown = true;
    return changed;
}

// Gives the bars the values held back for them.
void ListView::FlushScrollBars() {
    if (m_vPending) {
        m_vPending = false;
        SetScrollInfo(m_hwnd, SB_VERT, &m_lastV, FALSE);
    }
    if (m_hPending) {
        m_hPending = false;
        SetScrollInfo(m_hwnd, SB_HORZ, &m_lastH, FALSE);
    }
}

void ListView::SyncScrollBars(HWND hwnd) {
    if (ListView* lv = WindowObjects<ListView>::Find(hwnd)) lv->FlushScrollBars();
}

void ListView::ScrollTo(int top, int x) {
    RECT client;
    GetClientRect(m_hwnd, &client);
    top = std::clamp(top, 0, MaxTop());
    int maxX = IsReport() ? std::max(0, TotalWidth() - int(client.right)) : 0;
    x = std::clamp(x, 0, maxX);
    if (top == m_top && x == m_scrollX) return;
    bool moveHeader = x != m_scrollX;
    m_top = top;
    m_scrollX = x;
    RECT rows{client.left, RowsTop(), client.right, client.bottom};
    InvalidateRect(m_hwnd, &rows, TRUE);
    if (moveHeader) Layout();
    else UpdateScrollBars();
}

BOOL ListView::Scroll(int dx, int dy) {
    // dy is in pixels and scrolls whole rows: truncated towards zero, but a
    // distance of less than one row still scrolls one.
    int lines = dy / m_rowHeight;
    if (lines == 0 && dy != 0) lines = dy > 0 ? 1 : -1;
    ScrollTo(m_top + lines, m_scrollX + (IsReport() ? dx : 0));
    return TRUE;
}

BOOL ListView::EnsureVisible(int i, bool partialOk) {
    if (i < 0 || i >= int(m_items.size())) return FALSE;
    int cpp = CountPerPage();
    int top = m_top;
    if (i < m_top) {
        top = i;
    } else if (i >= m_top + cpp) {
        RECT client;
        GetClientRect(m_hwnd, &client);
        bool partlyShown = i == m_top + cpp && RowBounds(i).top < client.bottom;
        if (!(partialOk && partlyShown)) top = i - std::max(1, cpp) + 1;
    }
    ScrollTo(top, m_scrollX);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Drawing

COLORREF ListView::Resolve(COLORREF c, int sysColor) const { return c == CLR_DEFAULT ? GetSysColor(sysColor) : c; }

void ListView::EraseBackground(HDC hdc) {
    if (!hdc || m_bk == CLR_NONE) return;
    // Below the header only: the header is a child that paints itself.
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    rc.top = RowsTop();
    if (m_bk == CLR_DEFAULT) FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW));
    else FillSolid(hdc, rc, m_bk);
}

void ListView::PaintRowOwnerDraw(HDC hdc, int i, const RECT& bounds) {
    const Item& item = m_items[size_t(i)];
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_LISTVIEW;
    dis.CtlID = UINT(GetDlgCtrlID(m_hwnd));
    dis.itemID = UINT(i);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ((item.state & LVIS_SELECTED) ? ODS_SELECTED : 0) |
                    ((m_hasFocus && (item.state & LVIS_FOCUSED)) ? ODS_FOCUS : 0);
    dis.hwndItem = m_hwnd;
    dis.hDC = hdc;
    dis.rcItem = bounds;
    dis.itemData = ULONG_PTR(item.lParam);
    HWND parent = GetParent(m_hwnd);
    if (parent) SendMessageA(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void ListView::PaintRow(HDC hdc, int i, const RECT& bounds, const RECT& clip) {
    const DWORD style = Style();
    const bool fullRow = IsReport() && (m_exStyle & LVS_EX_FULLROWSELECT);
    UINT state = m_items[size_t(i)].state;
    bool showSel = (state & LVIS_SELECTED) && (m_hasFocus || (style & LVS_SHOWSELALWAYS));
    COLORREF selBk = GetSysColor(m_hasFocus ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    COLORREF selText = GetSysColor(m_hasFocus ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    COLORREF bk = Resolve(m_bk, COLOR_WINDOW);
    COLORREF textBk = m_textBk == CLR_DEFAULT ? bk : m_textBk;
    COLORREF text = Resolve(m_text, COLOR_WINDOWTEXT);
    RECT client;
    GetClientRect(m_hwnd, &client);

    // Right of the last column: plain background.
    if (bounds.right < client.right) FillSolid(hdc, RECT{bounds.right, bounds.top, client.right, bounds.bottom}, bk);

    int n = IsReport() ? std::max(1, int(m_columns.size())) : 1;
    if (IsReport() && m_columns.empty()) return;
    int x = bounds.left;
    int oldMode = SetBkMode(hdc, TRANSPARENT);
    COLORREF oldColor = GetTextColor(hdc);
    for (int c = 0; c < n; ++c) {
        int w = ColumnWidth(c);
        RECT cell{x, bounds.top, x + w, bounds.bottom};
        x += w;
        if (w <= 0 || cell.right <= clip.left) continue;
        if (cell.left >= clip.right) break;
        bool selCell = showSel && (c == 0 || fullRow);
        FillSolid(hdc, cell, textBk);
        RECT textRect = cell;
        if (c == 0) {
            RECT icon = IconRect(i), label = LabelRect(i);
            int image = m_items[size_t(i)].image;
            if (m_imlSmall && image >= 0 && icon.right > icon.left) {
                int cx = 0, cy = 0;
                ImageList_GetIconSize(m_imlSmall, &cx, &cy);
                ImageList_Draw(m_imlSmall, image, hdc, icon.left, icon.top + (m_rowHeight - cy) / 2,
                               ILD_TRANSPARENT | (selCell && m_hasFocus ? ILD_SELECTED : 0));
            }
            if (selCell) FillSolid(hdc, fullRow ? cell : label, selBk);
            textRect = label;
            textRect.left += kLabelTextInset;
            textRect.right -= kLabelTextInset;
        } else {
            if (selCell) FillSolid(hdc, cell, selBk);
            textRect.left += kCellTextInset;
            textRect.right -= kCellTextInset;
        }
        if (textRect.right <= textRect.left) continue;
        std::string s = DisplayText(i, c);
        if (i >= int(m_items.size())) break;
        if (s.empty()) continue;
        UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
        if (c > 0 && IsReport()) {
            int fmt = m_columns[size_t(c)].fmt & LVCFMT_JUSTIFYMASK;
            if (fmt == LVCFMT_RIGHT) format |= DT_RIGHT;
            else if (fmt == LVCFMT_CENTER) format |= DT_CENTER;
        }
        SetTextColor(hdc, selCell ? selText : text);
        DrawTextA(hdc, s.c_str(), int(s.size()), &textRect, format);
    }
    SetTextColor(hdc, oldColor);
    SetBkMode(hdc, oldMode);
    if (i < int(m_items.size()) && m_hasFocus && (m_items[size_t(i)].state & LVIS_FOCUSED)) {
        RECT focus = fullRow ? bounds : LabelRect(i);
        if (focus.right > focus.left) DrawFocusRect(hdc, &focus);
    }
}

void ListView::PaintGridLines(HDC hdc, const RECT& clip, int first, int last) {
    RECT client;
    GetClientRect(m_hwnd, &client);
    HBRUSH line = GetSysColorBrush(COLOR_BTNFACE);
    // Horizontal lines at the bottom of every row slot, below the items too.
    int y = RowsTop() + m_rowHeight - 1;
    int right = std::min(int(client.right), TotalWidth() - m_scrollX);
    for (; y < clip.bottom && y < client.bottom; y += m_rowHeight) {
        if (y < clip.top) continue;
        RECT rc{-m_scrollX, y, right, y + 1};
        FillRect(hdc, &rc, line);
    }
    int x = -m_scrollX;
    for (const Column& c : m_columns) {
        x += c.cx;
        if (x - 1 < clip.left) continue;
        if (x - 1 >= clip.right) break;
        RECT rc{x - 1, RowsTop(), x, client.bottom};
        FillRect(hdc, &rc, line);
    }
}

void ListView::Paint(HDC hdc, const RECT& clip) {
    if (!hdc) return;
    int rowsTop = RowsTop();
    if (clip.bottom <= rowsTop || m_rowHeight <= 0) return;
    HGDIOBJ oldFont = SelectObject(hdc, Font());
    int y0 = std::max(int(clip.top), rowsTop);
    int first = m_top + (y0 - rowsTop) / m_rowHeight;
    int last = std::min(int(m_items.size()) - 1, m_top + (int(clip.bottom) - 1 - rowsTop) / m_rowHeight);
    bool ownerDraw = IsOwnerDraw();
    for (int i = first; i <= last && i < int(m_items.size()); ++i) {
        RECT bounds = RowBounds(i);
        if (ownerDraw) PaintRowOwnerDraw(hdc, i, bounds);
        else PaintRow(hdc, i, bounds, clip);
    }
    if (IsReport() && (m_exStyle & LVS_EX_GRIDLINES)) PaintGridLines(hdc, clip, first, last);
    SelectObject(hdc, oldFont);
}

}  // namespace vor::controls
