// DrawState: text, icons, bitmaps and the caller's drawing in the normal,
// disabled (embossed) and mono looks. Text is drawn directly, twice for the
// disabled look; the other images are rendered once onto white in a memory
// DC, and their dark pixels become the mask that the looks are painted with.
#include <algorithm>
#include <cstring>
#include <vector>

#include "gdi/gdi_internal.h"
#include "gdi/text_render.h"

using vor::gdi::DeviceContext;
using vor::gdi::LookupDC;

namespace {

constexpr UINT kTypeMask = 0x000F;

COLORREF BrushColor(HBRUSH hbr, COLORREF fallback) {
    // A brush may be a system colour index + 1, as window classes give it.
    const auto value = reinterpret_cast<uintptr_t>(hbr);
    if (value == 0) return fallback;
    if (value <= 31) return GetSysColor(static_cast<int>(value - 1));
    LOGBRUSH lb;
    if (GetObjectA(hbr, sizeof lb, &lb) != static_cast<int>(sizeof lb)) return fallback;
    return lb.lbColor;
}

bool DrawTextImage(HDC hdc, DeviceContext* dc, HBRUSH hbr, LPCSTR text, int len, int x, int y, int cx, int cy,
                   UINT flags) {
    if (text == nullptr) return false;
    UINT format = DT_LEFT | DT_TOP | DT_NOCLIP;
    if ((flags & kTypeMask) == DST_TEXT) format |= DT_NOPREFIX;
    if (flags & DSS_HIDEPREFIX) format |= DT_HIDEPREFIX;
    if (flags & DSS_PREFIXONLY) format |= DT_PREFIXONLY;
    if (len == 0) len = -1;
    if (cx == 0 || cy == 0) {
        RECT calc{0, 0, 0, 0};
        DrawTextA(hdc, text, len, &calc, format | DT_CALCRECT);
        if (cx == 0) cx = calc.right;
        if (cy == 0) cy = calc.bottom;
    }
    if (flags & DSS_RIGHT) format |= DT_RIGHT;
    RECT rc{x, y, x + cx, y + cy};
    const COLORREF oldText = dc->state.textColor;
    const int oldMode = dc->state.bkMode;
    if (flags & DSS_DISABLED) {
        // The classic embossed look: a highlight one pixel down and right,
        // the shadow over it, with nothing behind.
        dc->state.bkMode = TRANSPARENT;
        RECT lit{rc.left + 1, rc.top + 1, rc.right + 1, rc.bottom + 1};
        dc->state.textColor = GetSysColor(COLOR_3DHILIGHT);
        DrawTextA(hdc, text, len, &lit, format);
        dc->state.textColor = GetSysColor(COLOR_3DSHADOW);
        DrawTextA(hdc, text, len, &rc, format);
    } else {
        if (flags & DSS_MONO) dc->state.textColor = BrushColor(hbr, oldText);
        DrawTextA(hdc, text, len, &rc, format);
    }
    dc->state.textColor = oldText;
    dc->state.bkMode = oldMode;
    return true;
}

// The size of the image as drawn. A zero cx or cy takes the image's own;
// an icon is never larger than itself (it is drawn at its own size, and a
// smaller cx or cy clips it).
bool ImageSize(UINT type, LPARAM lData, int* cx, int* cy) {
    int w = 0, h = 0;
    if (type == DST_ICON) {
        vor::gdi::IconPixels px;
        if (!vor::gdi::GetIconPixels(reinterpret_cast<HICON>(lData), &px)) return false;
        if (*cx == 0 || *cx > px.width) *cx = px.width;
        if (*cy == 0 || *cy > px.height) *cy = px.height;
        return true;
    }
    if (*cx != 0 && *cy != 0) return true;
    if (type == DST_BITMAP) {
        BITMAP bm;
        if (GetObjectA(reinterpret_cast<HBITMAP>(lData), sizeof bm, &bm) == 0) return false;
        w = bm.bmWidth;
        h = bm.bmHeight;
    } else {
        return false;  // a callback image needs its size given
    }
    if (*cx == 0) *cx = w;
    if (*cy == 0) *cy = h;
    return true;
}

// Draws the image with its top-left corner at (x, y) of hdc.
bool RenderImage(HDC hdc, DRAWSTATEPROC fn, UINT type, LPARAM lData, WPARAM wData, int x, int y, int cx, int cy) {
    switch (type) {
    case DST_ICON: {
        // At the icon's own size, clipped to cx x cy.
        const int saved = SaveDC(hdc);
        IntersectClipRect(hdc, x, y, x + cx, y + cy);
        const BOOL ok = DrawIconEx(hdc, x, y, reinterpret_cast<HICON>(lData), 0, 0, 0, nullptr, DI_NORMAL);
        RestoreDC(hdc, saved);
        return ok != FALSE;
    }
    case DST_BITMAP: {
        HDC mem = CreateCompatibleDC(hdc);
        if (mem == nullptr) return false;
        HGDIOBJ old = SelectObject(mem, reinterpret_cast<HBITMAP>(lData));
        BOOL ok = old != nullptr && BitBlt(hdc, x, y, cx, cy, mem, 0, 0, SRCCOPY);
        if (old) SelectObject(mem, old);
        DeleteDC(mem);
        return ok != FALSE;
    }
    default: {
        if (fn == nullptr) return false;
        // The callback draws at (0, 0): move the origin onto (x, y).
        POINT old;
        OffsetViewportOrgEx(hdc, x, y, &old);
        BOOL ok = fn(hdc, lData, wData, cx, cy);
        SetViewportOrgEx(hdc, old.x, old.y, nullptr);
        return ok != FALSE;
    }
    }
}

// The image's dark pixels as a coverage mask: rendered onto white, every
// pixel darker than light grey is ink.
bool ImageMask(HDC hdc, DRAWSTATEPROC fn, UINT type, LPARAM lData, WPARAM wData, int cx, int cy,
               std::vector<uint8_t>& mask) {
    HDC mem = CreateCompatibleDC(hdc);
    if (mem == nullptr) return false;
    HBITMAP bmp = CreateCompatibleBitmap(hdc, cx, cy);
    if (bmp == nullptr) {
        DeleteDC(mem);
        return false;
    }
    HGDIOBJ old = SelectObject(mem, bmp);
    PatBlt(mem, 0, 0, cx, cy, WHITENESS);
    bool ok = RenderImage(mem, fn, type, lData, wData, 0, 0, cx, cy);
    if (ok) {
        DeviceContext* m = LookupDC(mem);
        const vor::gdi::Surface& s = m->surface;
        mask.assign(static_cast<size_t>(cx) * cy, 0);
        for (int yy = 0; yy < std::min(cy, s.height); ++yy) {
            const uint32_t* row = s.Row(yy);
            for (int xx = 0; xx < std::min(cx, s.width); ++xx) {
                const uint32_t p = row[xx];
                const unsigned lum = (((p >> 16) & 0xFF) * 299 + ((p >> 8) & 0xFF) * 587 + (p & 0xFF) * 114) / 1000;
                if (lum < 0xC0) mask[static_cast<size_t>(yy) * cx + xx] = 255;
            }
        }
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return ok;
}

}  // namespace

VOR_EXTERN_C BOOL DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData, int x,
                             int y, int cx, int cy, UINT uFlags) {
    DeviceContext* dc = LookupDC(hdc);
    if (dc == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    const UINT type = uFlags & kTypeMask;
    if (cx < 0 || cy < 0 || type > DST_BITMAP) return FALSE;
    if ((type == DST_TEXT || type == DST_PREFIXTEXT) && qfnCallBack == nullptr)
        return DrawTextImage(hdc, dc, hbrFore, reinterpret_cast<LPCSTR>(lData), static_cast<int>(wData), x, y, cx,
                             cy, uFlags)
                   ? TRUE
                   : FALSE;
    const UINT drawType = (type == DST_TEXT || type == DST_PREFIXTEXT) ? DST_COMPLEX : type;
    if (drawType == DST_COMPLEX && qfnCallBack == nullptr) return FALSE;
    if (!ImageSize(drawType, lData, &cx, &cy)) return FALSE;
    if (cx == 0 || cy == 0) return TRUE;
    if (!(uFlags & (DSS_DISABLED | DSS_MONO)))
        return RenderImage(hdc, qfnCallBack, drawType, lData, wData, x, y, cx, cy) ? TRUE : FALSE;
    std::vector<uint8_t> mask;
    if (!ImageMask(hdc, qfnCallBack, drawType, lData, wData, cx, cy, mask)) return FALSE;
    const POINT at = dc->LogicalToSurface(POINT{x, y});
    if (uFlags & DSS_DISABLED) {
        vor::gdi::BlendCoverage(dc, at.x + 1, at.y + 1, cx, cy, mask.data(), cx, GetSysColor(COLOR_3DHILIGHT));
        vor::gdi::BlendCoverage(dc, at.x, at.y, cx, cy, mask.data(), cx, GetSysColor(COLOR_3DSHADOW));
    } else {
        vor::gdi::BlendCoverage(dc, at.x, at.y, cx, cy, mask.data(), cx, BrushColor(hbrFore, dc->state.textColor));
    }
    return TRUE;
}
