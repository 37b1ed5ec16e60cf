// Brush patterns, pens, line rasterization and clipped area fills.
#include "raster.h"

#include <algorithm>
#include <cstdlib>

namespace vor::gdi {

namespace {

// Hatch tiles, 8 x 8: which pixels carry the hatch colour.
bool HatchBit(int hatch, int x, int y) {
    switch (hatch) {
    case HS_HORIZONTAL: return y == 7;
    case HS_VERTICAL: return x == 7;
    case HS_FDIAGONAL: return x == y;
    case HS_BDIAGONAL: return x + y == 7;
    case HS_CROSS: return x == 7 || y == 7;
    case HS_DIAGCROSS: return x == y || x + y == 7;
    default: return false;
    }
}

// Dash patterns of the cosmetic styled pens, in pixels: on, off, on, off...
const std::vector<int>* DashPattern(UINT style) {
    static const std::vector<int> dash = {18, 6};
    static const std::vector<int> dot = {3, 3};
    static const std::vector<int> dashDot = {9, 6, 3, 6};
    static const std::vector<int> dashDotDot = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case PS_DASH: return &dash;
    case PS_DOT: return &dot;
    case PS_DASHDOT: return &dashDot;
    case PS_DASHDOTDOT: return &dashDotDot;
    default: return nullptr;
    }
}

bool DashOn(const std::vector<int>& pattern, int step) {
    int total = 0;
    for (int v : pattern) total += v;
    int pos = step % total;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pos < pattern[i]) return (i % 2) == 0;
        pos -= pattern[i];
    }
    return true;
}

}  // namespace

Pattern SolidPattern(const Surface& s, COLORREF c) {
    Pattern p;
    p.pixels[0] = ColorToSurfacePixel(s, c);
    return p;
}

bool ResolveBrush(DeviceContext* dc, HBRUSH hbr, Pattern* out) {
    uintptr_t v = reinterpret_cast<uintptr_t>(hbr);
    if (v >= 1 && v <= 31) {  // (HBRUSH)(COLOR_xxx + 1)
        *out = SolidPattern(dc->surface, GetSysColor(static_cast<int>(v - 1)));
        return true;
    }
    BrushObject* b = FindBrush(hbr);
    if (!b || b->style == BS_NULL) return false;
    const Surface& s = dc->surface;
    Pattern p;
    p.orgX = dc->origin.x + dc->state.brushOrg.x;
    p.orgY = dc->origin.y + dc->state.brushOrg.y;
    switch (b->style) {
    case BS_SOLID:
        p = SolidPattern(s, b->color);
        break;
    case BS_HATCHED: {
        p.width = p.height = 8;
        p.solid = false;
        p.pixels.assign(64, 0);
        p.paints.assign(64, 0);
        uint32_t fg = ColorToSurfacePixel(s, b->color);
        uint32_t bg = ColorToSurfacePixel(s, dc->state.bkColor);
        bool opaque = dc->state.bkMode == OPAQUE;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                bool on = HatchBit(b->hatch, x, y);
                p.pixels[y * 8 + x] = on ? fg : bg;
                p.paints[y * 8 + x] = (on || opaque) ? 1 : 0;
            }
        break;
    }
    case BS_PATTERN: {
        p.width = b->patWidth;
        p.height = b->patHeight;
        p.solid = false;
        size_t n = b->pattern.size();
        p.pixels.resize(n);
        p.paints.assign(n, 1);
        // A monochrome pattern paints its black in the text colour and its
        // white in the background colour.
        uint32_t fg = ColorToSurfacePixel(s, dc->state.textColor);
        uint32_t bg = ColorToSurfacePixel(s, dc->state.bkColor);
        for (size_t i = 0; i < n; ++i) {
            uint32_t px = b->pattern[i] & kRgbMask;
            if (b->patMono)
                p.pixels[i] = px ? bg : fg;
            else
                p.pixels[i] = s.monochrome ? ColorToSurfacePixel(s, PixelToColor(px)) : px;
        }
        break;
    }
    default: return false;
    }
    *out = std::move(p);
    return true;
}

void PatternRect(DeviceContext* dc, const RECT& area, const Pattern& pat, DWORD rop3) {
    if (pat.solid && ((rop3 >> 16) & 0xFF) == 0xF0) {  // PATCOPY: the plain fill of FillRect
        const uint32_t p = pat.pixels[0] & kRgbMask;
        ForEachSpan(dc, area, [&](uint32_t* row, LONG x0, LONG x1, LONG) { std::fill(row + x0, row + x1, p); });
        return;
    }
    ForEachSpan(dc, area, [&](uint32_t* row, LONG x0, LONG x1, LONG y) {
        for (LONG x = x0; x < x1; ++x) {
            uint32_t p;
            if (pat.solid) {
                p = pat.pixels[0];
            } else {
                int i = pat.Index(x, y);
                if (!pat.paints[i]) continue;
                p = pat.pixels[i];
            }
            row[x] = Rop3(rop3, p, 0, row[x] & kRgbMask);
        }
    });
}

void PatternRectRop2(DeviceContext* dc, const RECT& area, const Pattern& pat, int rop2) {
    if (pat.solid && rop2 == R2_COPYPEN) {
        const uint32_t p = pat.pixels[0] & kRgbMask;
        ForEachSpan(dc, area, [&](uint32_t* row, LONG x0, LONG x1, LONG) { std::fill(row + x0, row + x1, p); });
        return;
    }
    ForEachSpan(dc, area, [&](uint32_t* row, LONG x0, LONG x1, LONG y) {
        for (LONG x = x0; x < x1; ++x) {
            uint32_t p;
            if (pat.solid) {
                p = pat.pixels[0];
            } else {
                int i = pat.Index(x, y);
                if (!pat.paints[i]) continue;
                p = pat.pixels[i];
            }
            row[x] = Rop2(rop2, p, row[x] & kRgbMask);
        }
    });
}

void PatternRegion(DeviceContext* dc, const Region& area, const Pattern& pat, DWORD rop3) {
    for (const RECT& r : area.Rects()) PatternRect(dc, r, pat, rop3);
}

PenInfo ResolvePen(DeviceContext* dc) {
    PenInfo info;
    PenObject* pen = FindPen(dc->state.pen);
    if (!pen || pen->style == PS_NULL) return info;
    info.null = false;
    info.width = pen->width <= 1 ? 1 : pen->width;
    info.style = info.width > 1 ? PS_SOLID : pen->style;
    info.color = ColorToSurfacePixel(dc->surface, pen->color);
    info.bkColor = ColorToSurfacePixel(dc->surface, dc->state.bkColor);
    info.opaqueGaps = dc->state.bkMode == OPAQUE;
    return info;
}

// Pixel i of a Bresenham line along its major axis: the minor offset is
// i * minor / major rounded, exact halves toward the start.
static long long MinorOffset(long long i, long long major, long long minor) {
    return (2 * i * minor + major - 1) / (2 * major);
}

void DrawLineSurface(DeviceContext* dc, const PenInfo& pen, POINT a, POINT b) {
    if (pen.null) return;
    const long long dx = std::llabs(static_cast<long long>(b.x) - a.x);
    const long long dy = std::llabs(static_cast<long long>(b.y) - a.y);
    const int sx = b.x >= a.x ? 1 : -1, sy = b.y >= a.y ? 1 : -1;
    const bool xMajor = dx >= dy;
    const long long steps = xMajor ? dx : dy;
    if (steps == 0) return;
    const std::vector<int>* dashes = DashPattern(pen.style);
    const int rop = dc->state.rop2;
    const int startStep = dc->penStyleStep;
    // Every dash pattern repeats within 24 pixels.
    if (dashes) dc->penStyleStep = static_cast<int>((startStep + steps) % 24);
    if (dc->clip.IsEmpty()) return;

    // Only the steps whose major coordinate can reach the clip are walked,
    // so that a long line costs no more than the part that shows.
    const int lo = pen.width > 1 ? -(pen.width / 2) : 0;
    const int hi = pen.width > 1 ? lo + pen.width : 1;
    RECT box = dc->clip.Box();
    long long start = xMajor ? a.x : a.y, dir = xMajor ? sx : sy;
    long long minC = (xMajor ? box.left : box.top) - hi, maxC = (xMajor ? box.right : box.bottom) - lo;
    // Steps i with start + dir * i in [minC, maxC).
    long long i0 = 0, i1 = steps;
    if (dir > 0) {
        i0 = std::max(i0, minC - start);
        i1 = std::min(i1, maxC - start);
    } else {
        i0 = std::max(i0, start - maxC + 1);
        i1 = std::min(i1, start - minC + 1);
    }
    if (i0 >= i1) return;
    auto pointAt = [&](long long i) {
        long long minor = MinorOffset(i, steps, xMajor ? dy : dx);
        if (xMajor) return POINT{static_cast<LONG>(a.x + sx * i), static_cast<LONG>(a.y + sy * minor)};
        return POINT{static_cast<LONG>(a.x + sx * minor), static_cast<LONG>(a.y + sy * i)};
    };

    if (pen.width > 1) {
        POINT p0 = pointAt(i0), p1 = pointAt(i1 - 1);
        RECT bounds = {std::min(p0.x, p1.x) + lo, std::min(p0.y, p1.y) + lo, std::max(p0.x, p1.x) + hi,
                       std::max(p0.y, p1.y) + hi};
        bounds.left = std::max(bounds.left, box.left);
        bounds.top = std::max(bounds.top, box.top);
        bounds.right = std::min(bounds.right, box.right);
        bounds.bottom = std::min(bounds.bottom, box.bottom);
        if (bounds.left >= bounds.right || bounds.top >= bounds.bottom) return;
        PixelMask mask(bounds);
        for (long long i = i0; i < i1; ++i) {
            POINT p = pointAt(i);
            mask.SetRect(p.x + lo, p.y + lo, p.x + hi, p.y + hi);
        }
        mask.Paint(dc, pen.color, rop);
        return;
    }

    for (long long i = i0; i < i1; ++i) {
        POINT p = pointAt(i);
        if (!dashes || DashOn(*dashes, static_cast<int>((startStep + i) % 24)))
            PlotRop2(dc, p.x, p.y, pen.color, rop);
        else if (pen.opaqueGaps)
            PlotRop2(dc, p.x, p.y, pen.bkColor, rop);
    }
}

PixelMask::PixelMask(const RECT& bounds) : m_bounds(bounds) {
    long w = std::max<long>(0, bounds.right - bounds.left), h = std::max<long>(0, bounds.bottom - bounds.top);
    m_bits.assign(static_cast<size_t>(w * h), 0);
}

void PixelMask::Set(int x, int y) {
    if (x < m_bounds.left || x >= m_bounds.right || y < m_bounds.top || y >= m_bounds.bottom) return;
    m_bits[static_cast<size_t>(y - m_bounds.top) * (m_bounds.right - m_bounds.left) + (x - m_bounds.left)] = 1;
}

void PixelMask::SetRect(int l, int t, int r, int b) {
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x) Set(x, y);
}

void PixelMask::Paint(DeviceContext* dc, uint32_t color, int rop2) const {
    int w = m_bounds.right - m_bounds.left;
    ForEachSpan(dc, m_bounds, [&](uint32_t* row, LONG x0, LONG x1, LONG y) {
        const uint8_t* bits = m_bits.data() + static_cast<size_t>(y - m_bounds.top) * w;
        for (LONG x = x0; x < x1; ++x)
            if (bits[x - m_bounds.left]) row[x] = Rop2(rop2, color, row[x] & kRgbMask);
    });
}

}  // namespace vor::gdi
