// System colours, their brushes, system metrics and system parameters: one
// table each, the classic three-dimensional scheme.
#include <map>

#include "display/display_backend.h"
#include "gdi/gdi_internal.h"
#include "user/user_state.h"

namespace vor::user {

namespace {

constexpr int kColors = 31;

// The classic scheme (button face 0xC0C0C0; the 3D light colour is the
// button face itself, as the classic scheme has it).
const COLORREF kDefaultColors[kColors] = {
    RGB(192, 192, 192),  // COLOR_SCROLLBAR
    RGB(0, 128, 128),    // COLOR_BACKGROUND
    RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
    RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(0, 0, 128),      // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),        // COLOR_3DDKSHADOW
    RGB(192, 192, 192),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(192, 192, 192),  // 25, unused
    RGB(0, 0, 255),      // COLOR_HOTLIGHT
    RGB(16, 132, 208),   // COLOR_GRADIENTACTIVECAPTION
    RGB(181, 181, 181),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(0, 0, 128),      // COLOR_MENUHILIGHT
    RGB(192, 192, 192),  // COLOR_MENUBAR
};

COLORREF g_colors[kColors];
HBRUSH g_brushes[kColors];

}  // namespace

void ResetSysColors()
{
    for (int i = 0; i < kColors; ++i) {
        g_colors[i] = kDefaultColors[i];
        g_brushes[i] = nullptr;  // GDI frees every object at reset
    }
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI DWORD WINAPI GetSysColor(int i)
{
    S();
    if (i < 0 || i >= kColors)
        return 0;
    return g_colors[i];
}

VORAPI HBRUSH WINAPI GetSysColorBrush(int i)
{
    S();
    if (i < 0 || i >= kColors)
        return nullptr;
    if (!g_brushes[i]) {
        HBRUSH b = CreateSolidBrush(g_colors[i]);
        if (b)
            vor::gdi::MakeSystemObject(b);
        g_brushes[i] = b;
    }
    return g_brushes[i];
}

VORAPI BOOL WINAPI SetSysColors(int n, const INT* idx, const COLORREF* rgb)
{
    State& s = S();
    if (n < 0 || (n > 0 && (!idx || !rgb))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (int k = 0; k < n; ++k) {
        int i = idx[k];
        if (i < 0 || i >= kColors)
            continue;
        g_colors[i] = rgb[k] & 0x00FFFFFF;
        // A new brush of the new colour; the old one stays valid (a system
        // object) until the next reset.
        g_brushes[i] = nullptr;
    }
    std::vector<HWND> tops;
    for (Window* c : s.desktop->children)
        tops.push_back(c->hwnd);
    for (HWND h : tops)
        if (Window* w = Find(h))
            Send(w, WM_SYSCOLORCHANGE, 0, 0);
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

VORAPI int WINAPI GetSystemMetrics(int i)
{
    S();
    int w = vor::gdi::ScreenWidth(), h = vor::gdi::ScreenHeight();
    switch (i) {
    case SM_CXSCREEN: case SM_CXFULLSCREEN: case SM_CXVIRTUALSCREEN: return w;
    case SM_CYSCREEN: case SM_CYVIRTUALSCREEN: return h;
    case SM_CYFULLSCREEN: return h - 19;
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL: return 16;
    case SM_CYVTHUMB: case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME: case SM_CYFRAME: return 4;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return 32;
    case SM_CYMENU: return 19;
    case SM_MOUSEPRESENT: case SM_MOUSEWHEELPRESENT: case SM_CMONITORS: return 1;
    case SM_CMOUSEBUTTONS: return 3;
    case SM_DBCSENABLED: return 1;  // the ANSI code page is a double-byte one
    case SM_CXMIN: case SM_CXMINTRACK: return 112;
    case SM_CYMIN: case SM_CYMINTRACK: return 27;
    case SM_CXSIZE: case SM_CYSIZE: case SM_CXMENUSIZE: case SM_CYMENUSIZE: return 18;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: return 4;
    case SM_CXDRAG: case SM_CYDRAG: return 4;
    case SM_CXICONSPACING: case SM_CYICONSPACING: return 75;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    case SM_CYSMCAPTION: return 15;
    case SM_CXSMSIZE: return 12;
    case SM_CYSMSIZE: return 14;
    case SM_CXMAXIMIZED: return w + 8;
    case SM_CYMAXIMIZED: return h + 8;
    case SM_CXMENUCHECK: case SM_CYMENUCHECK: return 13;
    case SM_CXFOCUSBORDER: case SM_CYFOCUSBORDER: return 1;
    case SM_XVIRTUALSCREEN: case SM_YVIRTUALSCREEN: return 0;
    }
    return 0;
}

VORAPI BOOL WINAPI SystemParametersInfoA(UINT action, UINT param, PVOID pv, UINT)
{
    switch (action) {
    case SPI_GETWORKAREA:
        if (!pv)
            return FALSE;
        if (vor::display::Backend* b = vor::display::Current(); !b || !b->WorkArea((RECT*)pv))
            *(RECT*)pv = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return TRUE;
    case SPI_GETWHEELSCROLLLINES:
    case SPI_GETWHEELSCROLLCHARS:
        if (!pv)
            return FALSE;
        *(UINT*)pv = 3;
        return TRUE;
    case SPI_GETKEYBOARDDELAY:
        if (!pv)
            return FALSE;
        *(int*)pv = 1;
        return TRUE;
    case SPI_GETMOUSEHOVERTIME:
        if (!pv)
            return FALSE;
        *(UINT*)pv = 400;
        return TRUE;
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT:
        if (!pv)
            return FALSE;
        *(UINT*)pv = 4;
        return TRUE;
    case SPI_GETKEYBOARDSPEED:
        if (!pv)
            return FALSE;
        *(DWORD*)pv = 31;
        return TRUE;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

}  // extern "C"
