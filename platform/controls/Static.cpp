// The static control: a text, an icon or a plain rectangle that its parent
// colours through WM_CTLCOLORSTATIC; it reports clicks only with SS_NOTIFY.
#include "Static.h"

#include <string>
#include <unordered_map>

#include "ControlPaint.h"
#include "windows.h"

#ifndef STM_SETICON
#define STM_SETICON 0x0170
#define STM_GETICON 0x0171
#endif
#ifndef STN_CLICKED
#define STN_CLICKED 0
#define STN_DBLCLK 1
#endif

namespace vor::controls {
namespace {

constexpr LONG kTypeMask = 0x1F;
constexpr LONG kBlackRect = 4, kGrayRect = 5, kWhiteRect = 6, kBlackFrame = 7, kGrayFrame = 8, kWhiteFrame = 9;
constexpr LONG kLeftNoWordWrap = 0xC, kEtchedFrame = 0x12;

struct Static {
    HFONT font = nullptr;
    HICON icon = nullptr;
};

std::unordered_map<HWND, Static>& Statics() {
    static std::unordered_map<HWND, Static> map;
    return map;
}

void Paint(HWND hwnd, HDC hdc) {
    Static& s = Statics()[hwnd];
    LONG style = GetWindowLongA(hwnd, GWL_STYLE), type = style & kTypeMask;
    RECT rc{};
    GetClientRect(hwnd, &rc);
    HWND parent = GetParent(hwnd);
    SetTextColor(hdc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    HBRUSH bg = parent ? (HBRUSH)SendMessageA(parent, WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)hwnd) : nullptr;
    if (!bg) bg = GetSysColorBrush(COLOR_BTNFACE);
    switch (type) {
        case kBlackRect: FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME)); return;
        case kGrayRect: FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNSHADOW)); return;
        case kWhiteRect: FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW)); return;
        case kBlackFrame: FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME)); return;
        case kGrayFrame: FrameRect(hdc, &rc, GetSysColorBrush(COLOR_BTNSHADOW)); return;
        case kWhiteFrame: FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW)); return;
        case kEtchedFrame: DrawEdge(hdc, &rc, EDGE_ETCHED, BF_RECT); return;
        default: break;
    }
    FillRect(hdc, &rc, bg);
    if (style & SS_SUNKEN) {
        DrawEdge(hdc, &rc, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    if (type == SS_ICON) {
        if (s.icon) {
            int x = rc.left, y = rc.top;
            if (style & SS_CENTERIMAGE) {
                x = (rc.left + rc.right - GetSystemMetrics(SM_CXICON)) / 2;
                y = (rc.top + rc.bottom - GetSystemMetrics(SM_CYICON)) / 2;
            }
            DrawIconEx(hdc, x, y, s.icon, 0, 0, 0, nullptr, DI_NORMAL);
        }
        return;
    }
    if (type == SS_OWNERDRAW || type == SS_BITMAP) return;
    int n = GetWindowTextLengthA(hwnd);
    std::string text((size_t)n + 1, '\0');
    GetWindowTextA(hwnd, text.data(), n + 1);
    text.resize((size_t)n);
    HGDIOBJ old = SelectObject(hdc, s.font ? s.font : (HFONT)GetStockObject(SYSTEM_FONT));
    SetBkMode(hdc, TRANSPARENT);
    UINT fmt = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    if (type == SS_CENTER) fmt |= DT_CENTER | DT_WORDBREAK;
    else if (type == SS_RIGHT) fmt |= DT_RIGHT | DT_WORDBREAK;
    else if (type == SS_SIMPLE || type == kLeftNoWordWrap) fmt |= DT_SINGLELINE;
    else fmt |= DT_WORDBREAK;
    if (style & SS_CENTERIMAGE) fmt = (fmt & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if (IsWindowEnabled(hwnd)) {
        DrawTextA(hdc, text.c_str(), n, &rc, fmt);
    } else {
        DrawStateA(hdc, nullptr, nullptr, (LPARAM)text.c_str(), (WPARAM)n, rc.left, rc.top, rc.right - rc.left,
                   rc.bottom - rc.top, ((fmt & DT_NOPREFIX) ? DST_TEXT : DST_PREFIXTEXT) | DSS_DISABLED);
    }
    SelectObject(hdc, old);
}

void Notify(HWND hwnd, WORD code) {
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & SS_NOTIFY)) return;
    HWND parent = GetParent(hwnd);
    if (parent) SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), (LPARAM)hwnd);
}

LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCCREATE:
            Statics()[hwnd] = Static{};
            return DefWindowProcA(hwnd, msg, wp, lp);
        case WM_NCDESTROY:
            Statics().erase(hwnd);
            return DefWindowProcA(hwnd, msg, wp, lp);
        case WM_NCHITTEST:
            // A static control lets the mouse through unless it reports clicks.
            return (GetWindowLongA(hwnd, GWL_STYLE) & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case WM_SETFONT:
            Statics()[hwnd].font = (HFONT)wp;
            if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return (LRESULT)Statics()[hwnd].font;
        case WM_SETTEXT:
        case WM_ENABLE: {
            LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
            InvalidateRect(hwnd, nullptr, TRUE);
            return msg == WM_SETTEXT ? r : 0;
        }
        case STM_SETICON: {
            HICON old = Statics()[hwnd].icon;
            Statics()[hwnd].icon = (HICON)wp;
            InvalidateRect(hwnd, nullptr, TRUE);
            return (LRESULT)old;
        }
        case STM_GETICON:
            return (LRESULT)Statics()[hwnd].icon;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return PaintMessage(hwnd, wp, [&](HDC hdc) { Paint(hwnd, hdc); });
        case WM_LBUTTONDOWN:
            Notify(hwnd, STN_CLICKED);
            return 0;
        case WM_LBUTTONDBLCLK:
            Notify(hwnd, STN_DBLCLK);
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

void RegisterStaticClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = StaticProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "Static";
    RegisterClassA(&wc);
}

}  // namespace vor::controls
