// The pixel engine: raster operations, brush patterns and clipped pixel
// writes on a DC's surface. Everything works in surface coordinates.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gdi_objects.h"

namespace vor::gdi {

constexpr uint32_t kRgbMask = 0x00FFFFFF;

// The binary raster operations (R2_*): bit by bit, the result for pen bit P
// and destination bit D is bit (P * 2 + D) of rop - 1.
inline uint32_t Rop2(int rop, uint32_t p, uint32_t d) {
    unsigned t = static_cast<unsigned>(rop - 1) & 0xF;
    uint32_t r = 0;
    if (t & 1) r |= ~p & ~d;
    if (t & 2) r |= ~p & d;
    if (t & 4) r |= p & ~d;
    if (t & 8) r |= p & d;
    return r & kRgbMask;
}

// The ternary raster operations: bits 16..23 of the code are the truth table
// indexed by P * 4 + S * 2 + D.
inline uint32_t Rop3(DWORD rop, uint32_t p, uint32_t s, uint32_t d) {
    unsigned t = (rop >> 16) & 0xFF;
    switch (t) {  // the common ones without the general sum
    case 0xCC: return s & kRgbMask;
    case 0xF0: return p & kRgbMask;
    case 0x00: return 0;
    case 0xFF: return kRgbMask;
    case 0x55: return ~d & kRgbMask;
    case 0x66: return (s ^ d) & kRgbMask;
    case 0x88: return (s & d) & kRgbMask;
    case 0xEE: return (s | d) & kRgbMask;
    case 0x5A: return (p ^ d) & kRgbMask;
    default: break;
    }
    uint32_t r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(t & (1u << i))) continue;
        uint32_t term = ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
        r |= term;
    }
    return r & kRgbMask;
}
inline bool RopUsesSource(DWORD rop) { return (((rop >> 2) ^ rop) & 0x330000) != 0; }
inline bool RopUsesPattern(DWORD rop) { return (((rop >> 4) ^ rop) & 0x0F0000) != 0; }

// A brush resolved for one DC: the pixels of one tile, which of them paint
// (hatch brushes in TRANSPARENT mode leave the gaps alone), and the tile's
// alignment in surface coordinates.
struct Pattern {
    int width = 1, height = 1;
    std::vector<uint32_t> pixels = std::vector<uint32_t>(1, 0);
    std::vector<uint8_t> paints = std::vector<uint8_t>(1, 1);
    int orgX = 0, orgY = 0;
    bool solid = true;

    int Index(int x, int y) const {
        int px = (x - orgX) % width;
        if (px < 0) px += width;
        int py = (y - orgY) % height;
        if (py < 0) py += height;
        return py * width + px;
    }
};

// Resolves a brush for a DC. False for a null brush or an invalid handle.
// Accepts a system colour index + 1 in place of a brush.
bool ResolveBrush(DeviceContext* dc, HBRUSH hbr, Pattern* out);
Pattern SolidPattern(const Surface& s, COLORREF c);

// Clips a surface rectangle to the DC's clip and calls fn(row, x0, x1, y)
// for every covered span of every row.
template <typename Fn>
void ForEachSpan(const DeviceContext* dc, const RECT& area, Fn fn) {
    if (area.left >= area.right || area.top >= area.bottom) return;
    for (const RECT& c : dc->clip.Rects()) {
        if (c.top >= area.bottom) break;
        LONG l = std::max(c.left, area.left), r = std::min(c.right, area.right);
        LONG t = std::max(c.top, area.top), b = std::min(c.bottom, area.bottom);
        if (l >= r || t >= b) continue;
        for (LONG y = t; y < b; ++y) fn(dc->surface.Row(y), l, r, y);
    }
}

// Paints a surface rectangle with a pattern through a ternary ROP that uses
// no source (PatBlt, FillRect) or a binary ROP (Rectangle's interior).
void PatternRect(DeviceContext* dc, const RECT& area, const Pattern& pat, DWORD rop3);
void PatternRectRop2(DeviceContext* dc, const RECT& area, const Pattern& pat, int rop2);
void PatternRegion(DeviceContext* dc, const Region& area, const Pattern& pat, DWORD rop3);

// One clipped pixel through a binary ROP.
inline void PlotRop2(DeviceContext* dc, int x, int y, uint32_t color, int rop2) {
    if (!dc->clip.Contains(x, y)) return;
    uint32_t* px = dc->surface.Row(y) + x;
    *px = Rop2(rop2, color, *px & kRgbMask);
}

// The pen of a DC, resolved: nothing to draw when null.
struct PenInfo {
    bool null = true;
    int width = 1;
    UINT style = PS_SOLID;
    uint32_t color = 0;
    uint32_t bkColor = 0;
    bool opaqueGaps = false;
};
PenInfo ResolvePen(DeviceContext* dc);

// Draws the pixels of a line from a to b (surface coordinates), the end
// point left out, with the DC's pen and ROP. Dash patterns continue from
// dc->penStyleStep.
void DrawLineSurface(DeviceContext* dc, const PenInfo& pen, POINT a, POINT b);

// A set of surface pixels collected first and painted once, so that shapes
// whose parts overlap (wide pens) change each pixel a single time.
class PixelMask {
public:
    PixelMask(const RECT& bounds);
    void Set(int x, int y);
    void SetRect(int l, int t, int r, int b);
    void Paint(DeviceContext* dc, uint32_t color, int rop2) const;

private:
    RECT m_bounds;
    std::vector<uint8_t> m_bits;
};

}  // namespace vor::gdi
