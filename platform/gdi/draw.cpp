// Lines, rectangles, pixels and region painting (GDI32), and the rectangle
// and edge drawing of USER32.
#include "gdi_objects.h"
#include "raster.h"

using namespace vor::gdi;
using vor::Region;

namespace {

// Draws one segment with the DC's pen, from and to logical points.
void Segment(DeviceContext* dc, const PenInfo& pen, POINT from, POINT to) {
    DrawLineSurface(dc, pen, dc->LogicalToSurface(from), dc->LogicalToSurface(to));
}

// A logical region moved to surface coordinates.
Region ToSurface(const DeviceContext* dc, const Region& logical) {
    Region r = logical;
    POINT o = dc->LogicalToSurface(POINT{0, 0});
    r.Offset(o.x, o.y);
    return r;
}

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// The four one-pixel sides of a rectangle, disjoint: top and bottom rows
// across, left and right columns between them.
void Frame(DeviceContext* dc, const RECT& rc, int thickX, int thickY, const Pattern& pat, DWORD rop3) {
    if (Empty(rc)) return;
    int tx = std::min<int>(thickX, (rc.right - rc.left + 1) / 2);
    int ty = std::min<int>(thickY, (rc.bottom - rc.top + 1) / 2);
    Region frame(rc);
    RECT inner = {rc.left + tx, rc.top + ty, rc.right - tx, rc.bottom - ty};
    frame.Subtract(Region(inner));
    PatternRegion(dc, frame, pat, rop3);
}

int FillRectImpl(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DeviceContext* dc = LookupDC(hDC);
    if (!dc || !lprc) return 0;
    Pattern pat;
    if (!ResolveBrush(dc, hbr, &pat)) {
        // A null brush paints nothing but is not an error.
        return (FindBrush(hbr) != nullptr) ? 1 : 0;
    }
    if (Empty(*lprc)) return 1;
    PatternRect(dc, dc->LogicalToSurface(*lprc), pat, PATCOPY);
    NoteDrawn(dc);
    return 1;
}

// The system colour of one border of a classic edge.
int EdgeColor(UINT part, bool soft, bool topLeft, bool outer) {
    // part is the raised or sunken bit of one border.
    bool raised = (part & (BDR_RAISEDOUTER | BDR_RAISEDINNER)) != 0;
    if (outer) {
        if (raised) return topLeft ? (soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT) : COLOR_3DDKSHADOW;
        return topLeft ? (soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW) : COLOR_BTNHIGHLIGHT;
    }
    if (raised) return topLeft ? (soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT) : COLOR_BTNSHADOW;
    return topLeft ? (soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW) : COLOR_3DLIGHT;
}

void FillSurface(DeviceContext* dc, const RECT& surf, COLORREF c) {
    PatternRect(dc, surf, SolidPattern(dc->surface, c), PATCOPY);
}

// One border ring of an edge inside rc (surface coordinates): left and top
// in the top-left colour, right and bottom in the bottom-right one, the
// bottom-right sides covering the two far corners.
void EdgeRing(DeviceContext* dc, const RECT& rc, UINT flags, COLORREF tl, COLORREF br) {
    if (Empty(rc)) return;
    if (flags & BF_TOP) FillSurface(dc, RECT{rc.left, rc.top, rc.right - ((flags & BF_RIGHT) ? 1 : 0), rc.top + 1}, tl);
    if (flags & BF_LEFT)
        FillSurface(dc, RECT{rc.left, rc.top, rc.left + 1, rc.bottom - ((flags & BF_BOTTOM) ? 1 : 0)}, tl);
    if (flags & BF_BOTTOM) FillSurface(dc, RECT{rc.left, rc.bottom - 1, rc.right, rc.bottom}, br);
    if (flags & BF_RIGHT) FillSurface(dc, RECT{rc.right - 1, rc.top, rc.right, rc.bottom}, br);
}

void Shrink(RECT* rc, UINT flags) {
    if (flags & BF_LEFT) ++rc->left;
    if (flags & BF_TOP) ++rc->top;
    if (flags & BF_RIGHT) --rc->right;
    if (flags & BF_BOTTOM) --rc->bottom;
}

}  // namespace

extern "C" {

// ---- lines --------------------------------------------------------------------

VORAPI BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.curPos;
    dc->state.curPos = POINT{x, y};
    dc->penStyleStep = 0;
    return TRUE;
}

VORAPI BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lppt) return FALSE;
    *lppt = dc->state.curPos;
    return TRUE;
}

VORAPI BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    PenInfo pen = ResolvePen(dc);
    Segment(dc, pen, dc->state.curPos, POINT{x, y});
    dc->state.curPos = POINT{x, y};
    NoteDrawn(dc);
    return TRUE;
}

VORAPI BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !apt || cpt < 2) return FALSE;
    PenInfo pen = ResolvePen(dc);
    dc->penStyleStep = 0;
    for (int i = 1; i < cpt; ++i) Segment(dc, pen, apt[i - 1], apt[i]);
    NoteDrawn(dc);
    return TRUE;
}

VORAPI BOOL WINAPI PolylineTo(HDC hdc, const POINT* apt, DWORD cpt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || (!apt && cpt > 0)) return FALSE;
    PenInfo pen = ResolvePen(dc);
    for (DWORD i = 0; i < cpt; ++i) {
        Segment(dc, pen, dc->state.curPos, apt[i]);
        dc->state.curPos = apt[i];
    }
    NoteDrawn(dc);
    return TRUE;
}

// ---- rectangles ------------------------------------------------------------------

VORAPI BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    RECT s = dc->LogicalToSurface(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                                       std::max(top, bottom)});
    if (Empty(s)) return TRUE;
    PenInfo pen = ResolvePen(dc);
    Pattern brush;
    bool fill = ResolveBrush(dc, dc->state.brush, &brush);
    int rop = dc->state.rop2;
    if (pen.null) {
        // Without an outline the figure is one pixel smaller across and down.
        if (fill) PatternRectRop2(dc, RECT{s.left, s.top, s.right - 1, s.bottom - 1}, brush, rop);
        NoteDrawn(dc);
        return TRUE;
    }
    RECT outer = s, inner;
    PenObject* po = FindPen(dc->state.pen);
    if (pen.width <= 1) {
        inner = RECT{s.left + 1, s.top + 1, s.right - 1, s.bottom - 1};
    } else if (po && po->style == PS_INSIDEFRAME) {
        inner = RECT{s.left + pen.width, s.top + pen.width, s.right - pen.width, s.bottom - pen.width};
    } else {
        // A wide pen is centred on the outline through the edge pixels.
        int lo = pen.width / 2;
        outer = RECT{s.left - lo, s.top - lo, s.right - 1 - lo + pen.width, s.bottom - 1 - lo + pen.width};
        inner = RECT{outer.left + pen.width, outer.top + pen.width, outer.right - pen.width, outer.bottom - pen.width};
    }
    if (fill && !Empty(inner)) PatternRectRop2(dc, inner, brush, rop);
    Region ring(outer);
    if (!Empty(inner)) ring.Subtract(Region(inner));
    if (pen.style == PS_SOLID || pen.style == PS_INSIDEFRAME || pen.width > 1) {
        Pattern pp;
        pp.pixels[0] = pen.color;
        for (const RECT& r : ring.Rects()) PatternRectRop2(dc, r, pp, rop);
    } else {
        // Styled outline: the four sides as lines, clockwise from top-left.
        dc->penStyleStep = 0;
        POINT a = {s.left, s.top}, b = {s.right - 1, s.top}, c = {s.right - 1, s.bottom - 1}, d = {s.left, s.bottom - 1};
        if (s.right - s.left == 1 || s.bottom - s.top == 1) {
            Pattern pp;
            pp.pixels[0] = pen.color;
            PatternRectRop2(dc, s, pp, rop);
        } else {
            DrawLineSurface(dc, pen, a, b);
            DrawLineSurface(dc, pen, b, c);
            DrawLineSurface(dc, pen, c, d);
            DrawLineSurface(dc, pen, d, a);
        }
    }
    NoteDrawn(dc);
    return TRUE;
}

// ---- pixels ------------------------------------------------------------------

VORAPI COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    POINT p = dc->LogicalToSurface(POINT{x, y});
    if (!dc->clip.Contains(p.x, p.y)) return CLR_INVALID;
    return PixelToColor(dc->surface.Row(p.y)[p.x] & kRgbMask);
}

VORAPI COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    POINT p = dc->LogicalToSurface(POINT{x, y});
    if (!dc->clip.Contains(p.x, p.y)) return CLR_INVALID;
    uint32_t px = ColorToSurfacePixel(dc->surface, color);
    PlotRop2(dc, p.x, p.y, px, dc->state.rop2);
    NoteDrawn(dc);
    return PixelToColor(px);
}

VORAPI BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF color) {
    return SetPixel(hdc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

// ---- regions ------------------------------------------------------------------

VORAPI BOOL WINAPI FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr) {
    DeviceContext* dc = LookupDC(hdc);
    RegionObject* r = FindRegion(hrgn);
    if (!dc || !r) return FALSE;
    Pattern pat;
    if (!ResolveBrush(dc, hbr, &pat)) return FindBrush(hbr) ? TRUE : FALSE;
    PatternRegion(dc, ToSurface(dc, r->rgn), pat, PATCOPY);
    NoteDrawn(dc);
    return TRUE;
}

VORAPI BOOL WINAPI PaintRgn(HDC hdc, HRGN hrgn) {
    DeviceContext* dc = LookupDC(hdc);
    RegionObject* r = FindRegion(hrgn);
    if (!dc || !r) return FALSE;
    Pattern pat;
    if (!ResolveBrush(dc, dc->state.brush, &pat)) return TRUE;
    const Region area = ToSurface(dc, r->rgn);
    for (const RECT& rc : area.Rects()) PatternRectRop2(dc, rc, pat, dc->state.rop2);
    NoteDrawn(dc);
    return TRUE;
}

VORAPI BOOL WINAPI InvertRgn(HDC hdc, HRGN hrgn) {
    DeviceContext* dc = LookupDC(hdc);
    RegionObject* r = FindRegion(hrgn);
    if (!dc || !r) return FALSE;
    PatternRegion(dc, ToSurface(dc, r->rgn), Pattern(), DSTINVERT);
    NoteDrawn(dc);
    return TRUE;
}

VORAPI BOOL WINAPI FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h) {
    DeviceContext* dc = LookupDC(hdc);
    RegionObject* r = FindRegion(hrgn);
    if (!dc || !r || w <= 0 || h <= 0) return FALSE;
    Pattern pat;
    if (!ResolveBrush(dc, hbr, &pat)) return FindBrush(hbr) ? TRUE : FALSE;
    // The frame is the region less the region shrunk by w across and h down.
    Region inner = r->rgn;
    for (int i = 1; i <= w; ++i) {
        Region a = r->rgn, b = r->rgn;
        a.Offset(i, 0);
        b.Offset(-i, 0);
        inner.Intersect(a);
        inner.Intersect(b);
    }
    for (int i = 1; i <= h; ++i) {
        Region a = r->rgn, b = r->rgn;
        a.Offset(0, i);
        b.Offset(0, -i);
        inner.Intersect(a);
        inner.Intersect(b);
    }
    Region frame = r->rgn;
    frame.Subtract(inner);
    PatternRegion(dc, ToSurface(dc, frame), pat, PATCOPY);
    NoteDrawn(dc);
    return TRUE;
}

// ---- USER32 rectangle drawing -------------------------------------------------

VORAPI int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) { return FillRectImpl(hDC, lprc, hbr); }

VORAPI int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DeviceContext* dc = LookupDC(hDC);
    if (!dc || !lprc) return 0;
    Pattern pat;
    if (!ResolveBrush(dc, hbr, &pat)) return FindBrush(hbr) ? 1 : 0;
    Frame(dc, dc->LogicalToSurface(*lprc), 1, 1, pat, PATCOPY);
    NoteDrawn(dc);
    return 1;
}

VORAPI BOOL WINAPI InvertRect(HDC hDC, const RECT* lprc) {
    DeviceContext* dc = LookupDC(hDC);
    if (!dc || !lprc) return FALSE;
    if (Empty(*lprc)) return TRUE;
    PatternRect(dc, dc->LogicalToSurface(*lprc), Pattern(), DSTINVERT);
    NoteDrawn(dc);
    return TRUE;
}

VORAPI BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc) {
    DeviceContext* dc = LookupDC(hDC);
    if (!dc || !lprc) return FALSE;
    if (Empty(*lprc)) return TRUE;
    // Every other pixel of the outline is inverted: a checkerboard aligned
    // to the DC's device origin, so drawing it twice restores the pixels.
    RECT s = dc->LogicalToSurface(*lprc);
    Region ring(s);
    ring.Subtract(Region(RECT{s.left + 1, s.top + 1, s.right - 1, s.bottom - 1}));
    for (const RECT& r : ring.Rects()) {
        ForEachSpan(dc, r, [&](uint32_t* row, LONG x0, LONG x1, LONG y) {
            for (LONG x = x0; x < x1; ++x) {
                long dx = x - dc->origin.x, dy = y - dc->origin.y;
                if (((dx + dy) & 1) == 0) row[x] = ~row[x] & kRgbMask;
            }
        });
    }
    NoteDrawn(dc);
    return TRUE;
}

VORAPI BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !qrc) return FALSE;
    RECT logical = *qrc;
    RECT rc = dc->LogicalToSurface(logical);
    UINT sides = grfFlags & BF_RECT;
    bool soft = (grfFlags & BF_SOFT) != 0;
    bool mono = (grfFlags & BF_MONO) != 0;
    bool flat = (grfFlags & BF_FLAT) != 0;
    UINT outer = edge & BDR_OUTER, inner = edge & BDR_INNER;
    int rings = 0;
    if (!(grfFlags & BF_DIAGONAL)) {
        if (outer) {
            COLORREF tl, br;
            if (mono) {
                tl = br = GetSysColor(COLOR_WINDOWFRAME);
            } else if (flat) {
                tl = br = GetSysColor(COLOR_BTNSHADOW);
            } else {
                tl = GetSysColor(EdgeColor(outer, soft, true, true));
                br = GetSysColor(EdgeColor(outer, soft, false, true));
            }
            EdgeRing(dc, rc, sides, tl, br);
            Shrink(&rc, sides);
            ++rings;
        }
        if (inner) {
            COLORREF tl, br;
            if (mono) {
                tl = br = GetSysColor(COLOR_WINDOW);
            } else if (flat) {
                tl = br = GetSysColor(COLOR_BTNFACE);
            } else {
                tl = GetSysColor(EdgeColor(inner, soft, true, false));
                br = GetSysColor(EdgeColor(inner, soft, false, false));
            }
            EdgeRing(dc, rc, sides, tl, br);
            Shrink(&rc, sides);
            ++rings;
        }
        if ((grfFlags & BF_MIDDLE) && !Empty(rc))
            FillSurface(dc, rc, GetSysColor(mono ? COLOR_WINDOW : COLOR_BTNFACE));
    }
    if (grfFlags & BF_ADJUST) {
        for (int i = 0; i < rings; ++i) Shrink(&logical, sides);
        *qrc = logical;
    }
    NoteDrawn(dc);
    return TRUE;
}

}  // extern "C"
