// The header control: item storage, layout, painting and divider tracking.
#include "controls/Header.h"
#include "controls/WindowObjects.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "user/user_internal.h"

namespace vor::controls {

namespace {

// Half the width of the zone around a divider where a press starts a drag.
constexpr int kDividerZone = 4;
// Space between a heading's edges and its text.
constexpr int kTextMargin = 6;

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void CopyText(const std::string& s, LPSTR dst, int cch) {
    if (!dst || cch <= 0 || dst == LPSTR_TEXTCALLBACKA) return;
    size_t n = std::min(s.size(), size_t(cch - 1));
    std::memcpy(dst, s.data(), n);
    dst[n] = 0;
}

}  // namespace

void RegisterHeaderClass() { WindowObjects<Header>::Register(WC_HEADERA); }

int Header::Height() const {
    if (GetWindowLongA(m_hwnd, GWL_STYLE) & HDS_HIDDEN) return 0;
    HDC hdc = GetDC(m_hwnd);
    HGDIOBJ old = SelectObject(hdc, m_font ? m_font : DefaultFont());
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(m_hwnd, hdc);
    int h = tm.tmHeight + 8;
    if (m_imageList) {
        int cx = 0, cy = 0;
        if (ImageList_GetIconSize(m_imageList, &cx, &cy)) h = std::max(h, cy + 6);
    }
    return h;
}

LRESULT Header::Notify(UINT code, int item, HDITEMA* pitem, int button) {
    NMHEADERA nm{};
    nm.hdr.hwndFrom = m_hwnd;
    nm.hdr.idFrom = UINT_PTR(GetDlgCtrlID(m_hwnd));
    nm.hdr.code = code;
    nm.iItem = item;
    nm.iButton = button;
    nm.pitem = pitem;
    HWND parent = GetParent(m_hwnd);
    if (!parent) return 0;
    return SendMessageA(parent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void Header::Apply(Item& item, const HDITEMA* p) {
    if (p->mask & HDI_WIDTH) item.cxy = std::max(0, p->cxy);
    if (p->mask & HDI_TEXT) item.text = (p->pszText && p->pszText != LPSTR_TEXTCALLBACKA) ? p->pszText : "";
    if (p->mask & HDI_FORMAT) item.fmt = p->fmt;
    if (p->mask & HDI_LPARAM) item.lParam = p->lParam;
    if (p->mask & HDI_IMAGE) item.iImage = p->iImage;
    if (p->mask & HDI_ORDER) item.iOrder = p->iOrder;
    if (p->mask & HDI_BITMAP) item.hbm = p->hbm;
}

int Header::InsertItem(int i, const HDITEMA* p) {
    if (!p || i < 0) return -1;
    i = std::min(i, int(m_items.size()));
    Item item;
    Apply(item, p);
    if (!(p->mask & HDI_ORDER)) item.iOrder = i;
    m_items.insert(m_items.begin() + i, item);
    InvalidateFrom(i);
    return i;
}

BOOL Header::DeleteItem(int i) {
    if (i < 0 || i >= int(m_items.size())) return FALSE;
    if (m_trackItem >= 0) EndTrack(false);
    m_pressItem = -1;
    m_items.erase(m_items.begin() + i);
    InvalidateFrom(i);
    return TRUE;
}

BOOL Header::GetItem(int i, HDITEMA* p) const {
    if (!p || i < 0 || i >= int(m_items.size())) return FALSE;
    const Item& item = m_items[size_t(i)];
    if (p->mask & HDI_WIDTH) p->cxy = item.cxy;
    if (p->mask & HDI_TEXT) CopyText(item.text, p->pszText, p->cchTextMax);
    if (p->mask & HDI_FORMAT) p->fmt = item.fmt;
    if (p->mask & HDI_LPARAM) p->lParam = item.lParam;
    if (p->mask & HDI_IMAGE) p->iImage = item.iImage;
    if (p->mask & HDI_ORDER) p->iOrder = item.iOrder;
    if (p->mask & HDI_BITMAP) p->hbm = item.hbm;
    return TRUE;
}

BOOL Header::SetItem(int i, const HDITEMA* p) {
    if (!p || i < 0 || i >= int(m_items.size())) return FALSE;
    HDITEMA copy = *p;
    if (Notify(HDN_ITEMCHANGINGA, i, &copy)) return FALSE;
    // The parent may have deleted items while it was asked.
    if (i >= int(m_items.size())) return FALSE;
    Apply(m_items[size_t(i)], p);
    copy = *p;
    Notify(HDN_ITEMCHANGEDA, i, &copy);
    InvalidateFrom(i);
    return TRUE;
}

BOOL Header::Layout(HDLAYOUT* layout) const {
    if (!layout || !layout->prc || !layout->pwpos) return FALSE;
    int h = Height();
    RECT* rc = layout->prc;
    WINDOWPOS* wp = layout->pwpos;
    wp->hwnd = m_hwnd;
    wp->hwndInsertAfter = nullptr;
    wp->x = rc->left;
    wp->y = rc->top;
    wp->cx = rc->right - rc->left;
    wp->cy = h;
    wp->flags = SWP_NOZORDER | SWP_NOACTIVATE;
    rc->top += h;
    return TRUE;
}

RECT Header::ItemRect(int i) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    int x = 0;
    for (int k = 0; k < i; ++k) x += m_items[size_t(k)].cxy;
    return RECT{x, 0, x + m_items[size_t(i)].cxy, client.bottom};
}

int Header::HitTest(POINT pt, UINT* flags) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    UINT f = 0;
    if (pt.x < client.left) f |= HHT_TOLEFT;
    if (pt.x >= client.right) f |= HHT_TORIGHT;
    if (pt.y < client.top) f |= HHT_ABOVE;
    if (pt.y >= client.bottom) f |= HHT_BELOW;
    if (f) {
        *flags = f;
        return -1;
    }
    // A divider zone beats the items it separates. Where dividers coincide
    // (zero-width items), left of the line takes the first and right of it
    // the last, so a collapsed column can be dragged open again.
    int x = 0, divider = -1;
    for (int i = 0; i < int(m_items.size()); ++i) {
        x += m_items[size_t(i)].cxy;
        if (pt.x >= x - kDividerZone && pt.x <= x + kDividerZone) {
            if (divider < 0 || pt.x >= x) divider = i;
        }
    }
    if (divider >= 0) {
        *flags = HHT_ONDIVIDER;
        return divider;
    }
    x = 0;
    for (int i = 0; i < int(m_items.size()); ++i) {
        int w = m_items[size_t(i)].cxy;
        if (pt.x >= x && pt.x < x + w) {
            *flags = HHT_ONHEADER;
            return i;
        }
        x += w;
    }
    *flags = HHT_NOWHERE;
    return -1;
}

void Header::InvalidateFrom(int i) {
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    int x = 0;
    for (int k = 0; k < i && k < int(m_items.size()); ++k) x += m_items[size_t(k)].cxy;
    rc.left = x;
    InvalidateRect(m_hwnd, &rc, TRUE);
}

void Header::OnButtonDown(POINT pt, bool dbl) {
    UINT flags = 0;
    int i = HitTest(pt, &flags);
    if (i < 0) return;
    if (flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) {
        if (dbl) {
            Notify(HDN_DIVIDERDBLCLICKA, i, nullptr);
            return;
        }
        HDITEMA hi{};
        hi.mask = HDI_WIDTH;
        hi.cxy = m_items[size_t(i)].cxy;
        if (Notify(HDN_BEGINTRACKA, i, &hi)) return;
        if (i >= int(m_items.size())) return;
        RECT rc = ItemRect(i);
        m_trackItem = i;
        m_trackOffset = rc.right - pt.x;
        m_trackWidth = m_items[size_t(i)].cxy;
        SetCapture(m_hwnd);
        SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
        return;
    }
    if (dbl) {
        Notify(HDN_ITEMDBLCLICKA, i, nullptr);
        return;
    }
    if (GetWindowLongA(m_hwnd, GWL_STYLE) & HDS_BUTTONS) {
        m_pressItem = i;
        m_pressInside = true;
        SetCapture(m_hwnd);
        RECT rc = ItemRect(i);
        InvalidateRect(m_hwnd, &rc, TRUE);
    }
}

void Header::OnMouseMove(POINT pt) {
    if (m_trackItem >= 0) {
        if (m_trackItem >= int(m_items.size())) {
            EndTrack(false);
            return;
        }
        RECT rc = ItemRect(m_trackItem);
        int w = std::max(0, int(pt.x) + m_trackOffset - int(rc.left));
        if (w == m_trackWidth) return;
        m_trackWidth = w;
        HDITEMA hi{};
        hi.mask = HDI_WIDTH;
        hi.cxy = w;
        if (Notify(HDN_TRACKA, m_trackItem, &hi)) {
            EndTrack(false);
            return;
        }
        if ((GetWindowLongA(m_hwnd, GWL_STYLE) & HDS_FULLDRAG) && m_trackItem >= 0) {
            HDITEMA set{};
            set.mask = HDI_WIDTH;
            set.cxy = w;
            SetItem(m_trackItem, &set);
            // Show the change at once; the parent repaints its part itself.
            UpdateWindow(m_hwnd);
        }
        return;
    }
    if (m_pressItem >= 0) {
        UINT flags = 0;
        bool inside = HitTest(pt, &flags) == m_pressItem && (flags & HHT_ONHEADER);
        if (inside != m_pressInside) {
            m_pressInside = inside;
            if (m_pressItem < int(m_items.size())) {
                RECT rc = ItemRect(m_pressItem);
                InvalidateRect(m_hwnd, &rc, TRUE);
            }
        }
    }
}

void Header::EndTrack(bool apply) {
    int i = m_trackItem;
    m_trackItem = -1;
    if (GetCapture() == m_hwnd) ReleaseCapture();
    if (i < 0 || i >= int(m_items.size())) return;
    HDITEMA hi{};
    hi.mask = HDI_WIDTH;
    hi.cxy = m_trackWidth;
    Notify(HDN_ENDTRACKA, i, &hi);
    if (apply && !(GetWindowLongA(m_hwnd, GWL_STYLE) & HDS_FULLDRAG) && i < int(m_items.size()) &&
        m_items[size_t(i)].cxy != m_trackWidth) {
        HDITEMA set{};
        set.mask = HDI_WIDTH;
        set.cxy = m_trackWidth;
        SetItem(i, &set);
    }
}

void Header::OnButtonUp(POINT pt) {
    if (m_trackItem >= 0) {
        OnMouseMove(pt);
        if (m_trackItem >= 0) EndTrack(true);
        return;
    }
    if (m_pressItem >= 0) {
        int i = m_pressItem;
        bool inside = m_pressInside;
        m_pressItem = -1;
        if (GetCapture() == m_hwnd) ReleaseCapture();
        if (i < int(m_items.size())) {
            RECT rc = ItemRect(i);
            InvalidateRect(m_hwnd, &rc, TRUE);
        }
        if (inside && i < int(m_items.size())) Notify(HDN_ITEMCLICKA, i, nullptr, 0);
    }
}

void Header::PaintItem(HDC hdc, int i, const RECT& rcItem, bool pressed) {
    RECT rc = rcItem;
    FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    if (pressed) {
        FrameRect(hdc, &rc, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        RECT edge = rc;
        DrawEdge(hdc, &edge, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
    if (i < 0) return;
    const Item& item = m_items[size_t(i)];
    RECT text = rc;
    text.left += kTextMargin;
    text.right -= kTextMargin;
    if (pressed) OffsetRect(&text, 1, 1);
    if ((item.fmt & HDF_IMAGE) && m_imageList && item.iImage >= 0) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(m_imageList, &cx, &cy);
        if (text.right - text.left >= cx) {
            ImageList_Draw(m_imageList, item.iImage, hdc, text.left, text.top + (text.bottom - text.top - cy) / 2,
                           ILD_TRANSPARENT);
            text.left += cx + 2;
        }
    }
    if (text.right <= text.left || item.text.empty()) return;
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
    switch (item.fmt & HDF_JUSTIFYMASK) {
        case HDF_RIGHT: format |= DT_RIGHT; break;
        case HDF_CENTER: format |= DT_CENTER; break;
        default: format |= DT_LEFT; break;
    }
    int oldMode = SetBkMode(hdc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(hdc, item.text.c_str(), int(item.text.size()), &text, format);
    SetTextColor(hdc, oldColor);
    SetBkMode(hdc, oldMode);
}

void Header::Paint(HDC hdc, const RECT& clip) {
    RECT client;
    GetClientRect(m_hwnd, &client);
    HGDIOBJ oldFont = SelectObject(hdc, m_font ? m_font : DefaultFont());
    int x = 0;
    for (int i = 0; i < int(m_items.size()); ++i) {
        int w = m_items[size_t(i)].cxy;
        RECT rc{x, 0, x + w, client.bottom};
        x += w;
        if (w <= 0 || rc.right <= clip.left) continue;
        if (rc.left >= clip.right) break;
        PaintItem(hdc, i, rc, i == m_pressItem && m_pressInside);
    }
    // The space right of the last heading looks like an empty heading.
    if (x < client.right && x < clip.right) {
        RECT rest{x, 0, client.right, client.bottom};
        PaintItem(hdc, -1, rest, false);
    }
    SelectObject(hdc, oldFont);
}

LRESULT Header::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case HDM_GETITEMCOUNT: return LRESULT(m_items.size());
        case HDM_INSERTITEMA: return InsertItem(int(wParam), reinterpret_cast<const HDITEMA*>(lParam));
        case HDM_DELETEITEM: return DeleteItem(int(wParam));
        case HDM_GETITEMA: return GetItem(int(wParam), reinterpret_cast<HDITEMA*>(lParam));
        case HDM_SETITEMA: return SetItem(int(wParam), reinterpret_cast<const HDITEMA*>(lParam));
        case HDM_LAYOUT: return Layout(reinterpret_cast<HDLAYOUT*>(lParam));
        case HDM_HITTEST: {
            auto* ht = reinterpret_cast<HDHITTESTINFO*>(lParam);
            if (!ht) return -1;
            ht->iItem = HitTest(ht->pt, &ht->flags);
            return ht->iItem;
        }
        case HDM_GETITEMRECT: {
            auto* rc = reinterpret_cast<RECT*>(lParam);
            int i = int(wParam);
            if (!rc || i < 0 || i >= int(m_items.size())) return FALSE;
            *rc = ItemRect(i);
            return TRUE;
        }
        case HDM_ORDERTOINDEX: {
            int i = int(wParam);
            return (i >= 0 && i < int(m_items.size())) ? i : -1;
        }
        case HDM_SETIMAGELIST: {
            HIMAGELIST old = m_imageList;
            m_imageList = reinterpret_cast<HIMAGELIST>(lParam);
            InvalidateRect(m_hwnd, nullptr, TRUE);
            return reinterpret_cast<LRESULT>(old);
        }
        case HDM_GETIMAGELIST: return reinterpret_cast<LRESULT>(m_imageList);
        case WM_SETFONT:
            m_font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) InvalidateRect(m_hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(m_font ? m_font : DefaultFont());
        case WM_ERASEBKGND: return 1;  // painting covers the whole client area
        case WM_PAINT: {
            if (wParam) {
                RECT clip;
                GetClientRect(m_hwnd, &clip);
                Paint(reinterpret_cast<HDC>(wParam), clip);
                return 0;
            }
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(m_hwnd, &ps);
            if (hdc) Paint(hdc, ps.rcPaint);
            EndPaint(m_hwnd, &ps);
            return 0;
        }
        case WM_SETCURSOR: {
            if (LOWORD(lParam) == HTCLIENT) {
                POINT pt;
                GetCursorPos(&pt);
                ScreenToClient(m_hwnd, &pt);
                UINT flags = 0;
                HitTest(pt, &flags);
                if (m_trackItem >= 0 || (flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN))) {
                    SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
                    return TRUE;
                }
            }
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, msg == WM_LBUTTONDBLCLK);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CAPTURECHANGED:
            // Capture taken away: a drag ends where it is, a press is dropped.
            if (reinterpret_cast<HWND>(lParam) != m_hwnd) {
                if (m_trackItem >= 0) {
                    int i = m_trackItem;
                    m_trackItem = -1;
                    HDITEMA hi{};
                    hi.mask = HDI_WIDTH;
                    hi.cxy = m_trackWidth;
                    if (i < int(m_items.size())) Notify(HDN_ENDTRACKA, i, &hi);
                }
                if (m_pressItem >= 0) {
                    m_pressItem = -1;
                    InvalidateRect(m_hwnd, nullptr, TRUE);
                }
            }
            return 0;
        default: break;
    }
    return DefWindowProcA(m_hwnd, msg, wParam, lParam);
}

}  // namespace vor::controls
