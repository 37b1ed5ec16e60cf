// A parent window for list view and header tests: it records what its
// children tell it (notifications, owner-draw requests) as trace lines and
// answers as a test asks.
#pragma once

#include <commctrl.h>
#include <gtest/gtest.h>
#include <vorplatform.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace lvtest {

struct Recorder {
    std::vector<std::string> lines;  // every notification, as text
    std::vector<UINT> codes;         // the same, as codes
    std::vector<DRAWITEMSTRUCT> draws;
    int measures = 0;
    MEASUREITEMSTRUCT lastMeasure{};
    UINT measureAnswer = 0;     // 0: leave the proposal
    int refuseChangingItem = -2;  // LVN_ITEMCHANGING of this item answers TRUE (-2: none)
    bool suppressDeleteItems = false;  // answer to LVN_DELETEALLITEMS
    bool refuseBeginTrack = false;
    std::function<void(NMHDR*)> onNotify;

    void Clear() {
        lines.clear();
        codes.clear();
        draws.clear();
    }
    // The recorded lines whose code is one of `keep`, in order.
    std::vector<std::string> Only(std::set<UINT> keep) const {
        std::vector<std::string> out;
        for (size_t i = 0; i < lines.size(); ++i)
            if (keep.count(codes[i])) out.push_back(lines[i]);
        return out;
    }
};

inline Recorder& Rec() {
    static Recorder r;
    return r;
}

inline std::string Hex(unsigned v) {
    char buf[16];
    std::snprintf(buf, sizeof(buf), "0x%X", v);
    return buf;
}

inline std::string Describe(NMHDR* nm) {
    auto* lv = reinterpret_cast<NMLISTVIEW*>(nm);
    auto* hd = reinterpret_cast<NMHEADERA*>(nm);
    auto item = [&](const char* name) {
        return std::string(name) + "(" + std::to_string(lv->iItem) + ", " + Hex(lv->uOldState) + "->" +
               Hex(lv->uNewState) + ", changed " + Hex(lv->uChanged) + ")";
    };
    auto header = [&](const char* name) {
        std::string s = std::string(name) + "(" + std::to_string(hd->iItem);
        if (hd->pitem && (hd->pitem->mask & HDI_WIDTH)) s += ", cxy " + std::to_string(hd->pitem->cxy);
        return s + ")";
    };
    switch (nm->code) {
        case LVN_ITEMCHANGING: return item("CHANGING");
        case LVN_ITEMCHANGED: return item("CHANGED");
        case LVN_INSERTITEM: return "INSERTITEM(" + std::to_string(lv->iItem) + ")";
        case LVN_DELETEITEM: return "DELETEITEM(" + std::to_string(lv->iItem) + ", lParam " + std::to_string(lv->lParam) + ")";
        case LVN_DELETEALLITEMS: return "DELETEALLITEMS(" + std::to_string(lv->iItem) + ")";
        case LVN_COLUMNCLICK: return "COLUMNCLICK(" + std::to_string(lv->iSubItem) + ")";
        case LVN_KEYDOWN: return "KEYDOWN(" + Hex(reinterpret_cast<NMLVKEYDOWN*>(nm)->wVKey) + ")";
        case NM_CLICK: return "NM_CLICK(" + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(nm)->iItem) + ")";
        case NM_DBLCLK: return "NM_DBLCLK(" + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(nm)->iItem) + ")";
        case NM_RCLICK: return "NM_RCLICK(" + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(nm)->iItem) + ")";
        case NM_SETFOCUS: return "NM_SETFOCUS";
        case NM_KILLFOCUS: return "NM_KILLFOCUS";
        case HDN_BEGINTRACKA: return header("HDN_BEGINTRACK");
        case HDN_TRACKA: return header("HDN_TRACK");
        case HDN_ENDTRACKA: return header("HDN_ENDTRACK");
        case HDN_ITEMCHANGINGA: return header("HDN_ITEMCHANGING");
        case HDN_ITEMCHANGEDA: return header("HDN_ITEMCHANGED");
        case HDN_ITEMCLICKA: return header("HDN_ITEMCLICK");
        case HDN_DIVIDERDBLCLICKA: return header("HDN_DIVIDERDBLCLICK");
        default: return "NOTIFY(" + std::to_string(int(nm->code)) + ")";
    }
}

inline LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Recorder& r = Rec();
    switch (msg) {
        case WM_NOTIFY: {
            auto* nm = reinterpret_cast<NMHDR*>(lParam);
            r.lines.push_back(Describe(nm));
            r.codes.push_back(nm->code);
            if (r.onNotify) r.onNotify(nm);
            if (nm->code == LVN_ITEMCHANGING && reinterpret_cast<NMLISTVIEW*>(nm)->iItem == r.refuseChangingItem)
                return TRUE;
            if (nm->code == LVN_DELETEALLITEMS) return r.suppressDeleteItems ? TRUE : FALSE;
            if (nm->code == HDN_BEGINTRACKA && r.refuseBeginTrack) return TRUE;
            return 0;
        }
        case WM_MEASUREITEM: {
            auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            ++r.measures;
            r.lastMeasure = *mis;
            if (r.measureAnswer) mis->itemHeight = r.measureAnswer;
            return TRUE;
        }
        case WM_DRAWITEM: {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            r.draws.push_back(*dis);
            return TRUE;
        }
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A fresh platform with a visible top-level parent at the screen's origin.
inline HWND MakeParent(int cx = 500, int cy = 400) {
    VorPlatformReset();
    Rec() = Recorder();
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ParentProc;
    wc.lpszClassName = "ListViewTestParent";
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassA(&wc);
    HWND parent = CreateWindowExA(0, "ListViewTestParent", "parent", WS_POPUP | WS_VISIBLE, 0, 0, cx, cy, nullptr,
                                  nullptr, nullptr, nullptr);
    return parent;
}

constexpr int kListId = 100;

inline HWND MakeList(HWND parent, DWORD style, int x = 10, int y = 10, int cx = 320, int cy = 200) {
    return CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
                           reinterpret_cast<HMENU>(kListId), nullptr, nullptr);
}

inline void AddColumns(HWND lv, std::initializer_list<int> widths) {
    int i = 0;
    for (int w : widths) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        std::string name = "Col" + std::to_string(i);
        col.pszText = const_cast<char*>(name.c_str());
        col.cx = w;
        col.fmt = LVCFMT_LEFT;
        SendMessageA(lv, LVM_INSERTCOLUMNA, WPARAM(i), reinterpret_cast<LPARAM>(&col));
        ++i;
    }
}

inline void AddItems(HWND lv, int n) {
    for (int i = 0; i < n; ++i) {
        LVITEMA it{};
        it.mask = LVIF_TEXT | LVIF_PARAM;
        it.iItem = i;
        std::string text = "Item " + std::to_string(i);
        it.pszText = const_cast<char*>(text.c_str());
        it.lParam = 1000 + i;
        SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
    }
}

inline BOOL SetState(HWND lv, int i, UINT state, UINT mask) {
    LVITEMA it{};
    it.state = state;
    it.stateMask = mask;
    return BOOL(SendMessageA(lv, LVM_SETITEMSTATE, WPARAM(i), reinterpret_cast<LPARAM>(&it)));
}

inline UINT GetState(HWND lv, int i, UINT mask = LVIS_SELECTED | LVIS_FOCUSED) {
    return UINT(SendMessageA(lv, LVM_GETITEMSTATE, WPARAM(i), LPARAM(mask)));
}

inline RECT ItemRect(HWND lv, int i, int code = LVIR_BOUNDS) {
    RECT rc{};
    rc.left = code;
    SendMessageA(lv, LVM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&rc));
    return rc;
}

// Real input: moves the cursor to a client point of `hwnd` and clicks.
inline void ClickAt(HWND hwnd, int x, int y, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
    POINT pt{x, y};
    ClientToScreen(hwnd, &pt);
    SetCursorPos(pt.x, pt.y);
    mouse_event(down, 0, 0, 0, 0);
    mouse_event(up, 0, 0, 0, 0);
    VorPumpMessages();
}

inline void PressKey(BYTE vk) {
    keybd_event(vk, 0, 0, 0);
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
    VorPumpMessages();
}

const std::set<UINT> kStateCodes{LVN_ITEMCHANGING, LVN_ITEMCHANGED};

// Inserts an item with a text and a data value; answers its index.
inline int InsertText(HWND lv, int at, const char* text, LPARAM param = 0) {
    LVITEMA it{};
    it.mask = LVIF_TEXT | LVIF_PARAM;
    it.iItem = at;
    it.pszText = const_cast<char*>(text);
    it.lParam = param;
    return int(SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

// An item's or sub-item's text through LVM_GETITEMTEXT with a buffer of
// `room` characters; the answer must count the characters copied.
inline std::string ReadItemText(HWND lv, int i, int sub = 0, int room = 8192) {
    std::string buf(size_t(room), '\x7f');
    LVITEMA it{};
    it.iSubItem = sub;
    it.pszText = &buf[0];
    it.cchTextMax = room;
    int n = int(SendMessageA(lv, LVM_GETITEMTEXTA, WPARAM(i), reinterpret_cast<LPARAM>(&it)));
    std::string got(buf.c_str());
    if (size_t(n) != got.size()) ADD_FAILURE() << "LVM_GETITEMTEXT answered " << n << " for " << got.size();
    return got;
}

// How many pixels of two windows of the same size differ on the screen.
inline int PixelsThatDiffer(HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    HDC screen = GetDC(nullptr);
    int differ = 0;
    for (int y = 0; y < ra.bottom - ra.top; ++y)
        for (int x = 0; x < ra.right - ra.left; ++x)
            if (GetPixel(screen, ra.left + x, ra.top + y) != GetPixel(screen, rb.left + x, rb.top + y)) ++differ;
    ReleaseDC(nullptr, screen);
    return differ;
}

}  // namespace lvtest
