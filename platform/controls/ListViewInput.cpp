// The list view's input: mouse selection, keyboard navigation, the window's
// scroll bars and the mouse wheel.
#include <algorithm>

#include "controls/ListView.h"

namespace vor::controls {

namespace {

// Pixels one scroll-bar arrow click (or Left / Right key) moves horizontally.
constexpr int kHScrollLine = 10;
// Rows one wheel notch scrolls.
constexpr int kWheelRows = 3;

}  // namespace

void ListView::SelectOnly(int i) {
    DeselectAllExcept(i);
    if (i < int(m_items.size())) SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListView::SelectRange(int from, int to, bool keepOthers) {
    int lo = std::min(from, to), hi = std::max(from, to);
    if (!keepOthers) {
        std::vector<int> outside;
        for (int s : m_selected)
            if (s < lo || s > hi) outside.push_back(s);
        for (int s : outside)
            if (s < int(m_items.size())) SetItemState(s, 0, LVIS_SELECTED);
    }
    for (int k = lo; k <= hi && k < int(m_items.size()); ++k)
        if (!(m_items[size_t(k)].state & LVIS_SELECTED) && k != to) SetItemState(k, LVIS_SELECTED, LVIS_SELECTED);
    if (to < int(m_items.size())) SetItemState(to, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListView::MoveFocusTo(int i, bool shift, bool ctrl) {
    bool single = (Style() & LVS_SINGLESEL) != 0;
    if (ctrl && !single) {
        SetItemState(i, LVIS_FOCUSED, LVIS_FOCUSED);
    } else if (shift && !single) {
        int anchor = m_anchor >= 0 ? m_anchor : (m_focused >= 0 ? m_focused : i);
        m_anchor = anchor;
        SelectRange(anchor, i, false);
    } else {
        SelectOnly(i);
        m_anchor = i;
    }
    if (i < int(m_items.size())) EnsureVisible(i, false);
}

int ListView::PageDownTarget() const {
    int page = std::max(1, CountPerPage());
    int bottom = m_top + page - 1;
    int target = m_focused < bottom ? bottom : m_focused + page;
    return std::min(target, int(m_items.size()) - 1);
}

int ListView::PageUpTarget() const {
    int page = std::max(1, CountPerPage());
    int target = m_focused > m_top ? m_top : m_focused - page;
    return std::max(target, 0);
}

void ListView::OnButtonDown(UINT msg, WPARAM keys, POINT pt) {
    bool right = msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK;
    bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK;
    bool ctrl = (keys & MK_CONTROL) != 0, shift = (keys & MK_SHIFT) != 0;
    bool single = (Style() & LVS_SINGLESEL) != 0;
    LVHITTESTINFO ht{};
    ht.pt = pt;
    int i = HitTest(&ht, false);
    LVHITTESTINFO hs{};
    hs.pt = pt;
    HitTest(&hs, true);

    if (i >= 0) {
        if (right) {
            if (!(m_items[size_t(i)].state & LVIS_SELECTED)) SelectOnly(i);
            else SetItemState(i, LVIS_FOCUSED, LVIS_FOCUSED);
        } else if (ctrl && !shift) {
            UINT sel = (m_items[size_t(i)].state & LVIS_SELECTED) ? 0 : LVIS_SELECTED;
            SetItemState(i, sel | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            m_anchor = i;
        } else if (shift && !single) {
            int anchor = m_anchor >= 0 ? m_anchor : (m_focused >= 0 ? m_focused : i);
            m_anchor = anchor;
            SelectRange(anchor, i, ctrl);
        } else {
            SelectOnly(i);
            m_anchor = i;
        }
    } else if (!ctrl && !shift) {
        // A press on empty space drops the selection; the focus stays.
        SetItemStateAll(0, LVIS_SELECTED);
    }
    if (!IsWindow(m_hwnd)) return;
    if (GetFocus() != m_hwnd) SetFocus(m_hwnd);

    m_pressButton = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    m_pressItem = i;
    m_pressSubItem = hs.iItem >= 0 ? hs.iSubItem : 0;
    m_pressDouble = dbl;
    SetCapture(m_hwnd);
    if (dbl) {
        NMITEMACTIVATE nm{};
        nm.iItem = i;
        nm.iSubItem = m_pressSubItem;
        nm.ptAction = pt;
        nm.uKeyFlags = (ctrl ? LVKF_CONTROL : 0) | (shift ? LVKF_SHIFT : 0);
        Notify(&nm.hdr, right ? NM_RDBLCLK : NM_DBLCLK);
        if (!right && i >= 0 && IsWindow(m_hwnd)) {
            NMITEMACTIVATE act = nm;
            Notify(&act.hdr, LVN_ITEMACTIVATE);
        }
    }
}

void ListView::OnButtonUp(UINT msg, POINT pt) {
    UINT want = msg == WM_RBUTTONUP ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    if (m_pressButton != want) return;
    m_pressButton = 0;
    if (GetCapture() == m_hwnd) ReleaseCapture();
    if (m_pressDouble) return;  // the double click was reported at its press
    NMITEMACTIVATE nm{};
    nm.iItem = m_pressItem;
    nm.iSubItem = m_pressSubItem;
    nm.ptAction = pt;
    nm.uKeyFlags = ((GetKeyState(VK_CONTROL) < 0) ? LVKF_CONTROL : 0) | ((GetKeyState(VK_SHIFT) < 0) ? LVKF_SHIFT : 0);
    Notify(&nm.hdr, msg == WM_RBUTTONUP ? NM_RCLICK : NM_CLICK);
}

void ListView::OnKeyDown(UINT vk) {
    NMLVKEYDOWN kd{};
    kd.wVKey = WORD(vk);
    kd.flags = 0;
    Notify(&kd.hdr, LVN_KEYDOWN);
    if (!IsWindow(m_hwnd)) return;

    int n = int(m_items.size());
    bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    int cur = m_focused;
    int target = -1;
    switch (vk) {
        case VK_UP: target = cur - 1; break;
        case VK_DOWN: target = cur + 1; break;
        case VK_HOME: target = 0; break;
        case VK_END: target = n - 1; break;
        case VK_PRIOR: target = PageUpTarget(); break;
        case VK_NEXT: target = PageDownTarget(); break;
        case VK_LEFT:
        case VK_RIGHT:
            if (IsReport()) {
                ScrollTo(m_top, m_scrollX + (vk == VK_LEFT ? -kHScrollLine : kHScrollLine));
                return;
            }
            target = vk == VK_LEFT ? cur - 1 : cur + 1;
            break;
        case VK_SPACE:
            if (cur >= 0 && cur < n) {
                bool selected = (m_items[size_t(cur)].state & LVIS_SELECTED) != 0;
                if (ctrl && !(Style() & LVS_SINGLESEL)) SetItemState(cur, selected ? 0 : LVIS_SELECTED, LVIS_SELECTED);
                else if (!selected) SetItemState(cur, LVIS_SELECTED, LVIS_SELECTED);
            }
            return;
        case VK_RETURN:
            NotifySimple(NM_RETURN);
            return;
        default: return;
    }
    if (n == 0) return;
    if (cur < 0) target = 0;  // with no focused item every move lands on the first
    target = std::clamp(target, 0, n - 1);
    if (target == cur) return;
    MoveFocusTo(target, shift, ctrl);
}

void ListView::OnVScroll(int code) {
    int page = std::max(1, CountPerPage());
    int top = m_top;
    switch (code) {
        case SB_LINEUP: top -= 1; break;
        case SB_LINEDOWN: top += 1; break;
        case SB_PAGEUP: top -= page; break;
        case SB_PAGEDOWN: top += page; break;
        case SB_TOP: top = 0; break;
        case SB_BOTTOM: top = MaxTop(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO si{};
            si.cbSize = sizeof(si);
            si.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(m_hwnd, SB_VERT, &si)) top = si.nTrackPos;
            break;
        }
        default: return;
    }
    ScrollTo(top, m_scrollX);
}

void ListView::OnHScroll(int code) {
    if (!IsReport()) return;
    RECT client;
    GetClientRect(m_hwnd, &client);
    int x = m_scrollX;
    switch (code) {
        case SB_LINELEFT: x -= kHScrollLine; break;
        case SB_LINERIGHT: x += kHScrollLine; break;
        case SB_PAGELEFT: x -= std::max(1, int(client.right)); break;
        case SB_PAGERIGHT: x += std::max(1, int(client.right)); break;
        case SB_LEFT: x = 0; break;
        case SB_RIGHT: x = TotalWidth(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO si{};
            si.cbSize = sizeof(si);
            si.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(m_hwnd, SB_HORZ, &si)) x = si.nTrackPos;
            break;
        }
        default: return;
    }
    ScrollTo(m_top, x);
}

void ListView::OnMouseWheel(int delta) {
    m_wheelRest += delta;
    int notches = m_wheelRest / WHEEL_DELTA;
    m_wheelRest -= notches * WHEEL_DELTA;
    if (notches) ScrollTo(m_top - notches * kWheelRows, m_scrollX);
}

void ListView::OnMouseHWheel(int delta) {
    // A notch to the right shows what is further right: the wheel's chars
    // (SPI_GETWHEELSCROLLCHARS) times a scroll-bar line.
    if (!IsReport()) return;
    m_hwheelRest += delta;
    int notches = m_hwheelRest / WHEEL_DELTA;
    m_hwheelRest -= notches * WHEEL_DELTA;
    UINT chars = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLCHARS, 0, &chars, 0);
    if (notches) ScrollTo(m_top, m_scrollX + notches * static_cast<int>(chars) * kHScrollLine);
}

}  // namespace vor::controls
