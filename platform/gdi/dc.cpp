// Device contexts: creation and deletion, selected objects, attributes,
// saved states, coordinate origins and clipping.
#include "dc.h"

#include "gdi_internal.h"
#include "gdi_objects.h"
#include "raster.h"

#include <memory>

namespace vor::gdi {

namespace {

int Complexity(const Region& r) {
    if (r.IsEmpty()) return NULLREGION;
    return r.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void HoldState(const DCState& st) {
    Hold(st.pen);
    Hold(st.brush);
    Hold(st.font);
    Hold(st.bitmap);
}

void ReleaseState(const DCState& st) {
    Release(st.pen);
    Release(st.brush);
    Release(st.font);
    Release(st.bitmap);
}

HGDIOBJ StockHandle(int index) {
    GdiObject* o = Stock(index);
    return o ? o->handle : nullptr;
}

HDC NewDC(bool screen, HWND hwnd, POINT origin, const Region& visible) {
    auto obj = std::make_unique<DCObject>();
    DeviceContext& dc = obj->dc;
    dc.screen = screen;
    dc.hwnd = hwnd;
    dc.origin = screen ? origin : POINT{0, 0};
    dc.visible = visible;
    dc.state.pen = static_cast<HPEN>(StockHandle(BLACK_PEN));
    dc.state.brush = static_cast<HBRUSH>(StockHandle(WHITE_BRUSH));
    dc.state.font = static_cast<HFONT>(StockHandle(SYSTEM_FONT));
    dc.state.bitmap = screen ? nullptr : DefaultBitmap();
    HDC h = static_cast<HDC>(Insert(std::move(obj)));
    DeviceContext* d = LookupDC(h);
    d->handle = h;
    HoldState(d->state);
    if (BitmapObject* b = FindBitmap(d->state.bitmap)) {
        if (!b->stock) b->selectedIn = h;
    }
    d->Update();
    return h;
}

void FreeDC(DCObject* obj) {
    DeviceContext& dc = obj->dc;
    ReleaseState(dc.state);
    for (const DCState& st : dc.saved) ReleaseState(st);
    if (BitmapObject* b = FindBitmap(dc.state.bitmap))
        if (b->selectedIn == dc.handle) b->selectedIn = nullptr;
    Erase(obj);
}

DCObject* FindDCObject(HDC hdc) { return FindAs<DCObject>(hdc, Kind::DC); }

// The whole drawing surface of a DC in device coordinates: what clipping
// operations start from when the DC has no clip region yet.
Region DeviceArea(const DeviceContext* dc) {
    Region r(0, 0, dc->surface.width, dc->surface.height);
    r.Offset(-dc->origin.x, -dc->origin.y);
    return r;
}

RECT LogicalRectToDevice(const DeviceContext* dc, int l, int t, int r, int b) {
    POINT a = dc->LogicalToDevice(POINT{l, t});
    POINT c = dc->LogicalToDevice(POINT{r, b});
    return RECT{std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)};
}

int ClipResult(DeviceContext* dc) {
    dc->Update();
    return Complexity(dc->clip);
}

}  // namespace

void DeviceContext::Update() {
    if (screen) {
        surface = ScreenSurface();
        clip = visible;
    } else {
        BitmapObject* b = FindBitmap(state.bitmap);
        surface = b ? b->MakeSurface() : Surface();
        clip = Region();
    }
    // Memory DCs see the whole bitmap; every DC stays inside its surface.
    Region bounds(0, 0, surface.width, surface.height);
    if (screen)
        clip.Intersect(bounds);
    else
        clip = bounds;
    if (state.hasClip) {
        Region c = state.clipRgn;
        c.Offset(origin.x, origin.y);
        clip.Intersect(c);
    }
}

DeviceContext* LookupDC(HDC hdc) {
    DCObject* o = FindDCObject(hdc);
    return o ? &o->dc : nullptr;
}

uint32_t ColorToSurfacePixel(const Surface& s, COLORREF c) {
    uint32_t px = ColorToPixel(c & 0x00FFFFFF);
    if (!s.monochrome) return px;
    unsigned r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    unsigned lum = (r * 299 + g * 587 + b * 114) / 1000;
    return lum >= 128 ? kRgbMask : 0;
}

void NoteDrawn(DeviceContext* dc) {
    // The clip box bounds whatever the call drew.
    if (dc && dc->screen) NoteScreenDrawn(dc->clip.Box());
}

namespace {

// One ink's coverage blends over one ground colour, each computed when first
// needed. Text is nearly always drawn in one colour over one fill, so the
// partly covered pixels of a run of glyphs blend the same two colours again
// and again; a few such pairs are kept, a thread each.
struct BlendMemo {
    uint32_t ink = 0, ground = 0;
    uint32_t generation = 0;   // 0: not in use
    uint32_t known[256] = {};  // the generation value[a] was computed in
    uint32_t value[256] = {};
};

struct BlendMemos {
    static constexpr int kCount = 4;
    BlendMemo memo[kCount];
    uint32_t nextGeneration = 1;
    int victim = 0;

    BlendMemo* For(uint32_t ink, uint32_t ground) {
        for (BlendMemo& m : memo)
            if (m.generation != 0 && m.ink == ink && m.ground == ground) return &m;
        if (nextGeneration == 0) {  // wrapped: forget every value
            for (BlendMemo& m : memo) m = BlendMemo();
            nextGeneration = 1;
        }
        BlendMemo& m = memo[victim];
        victim = (victim + 1) % kCount;
        m.ink = ink;
        m.ground = ground;
        m.generation = nextGeneration++;
        return &m;
    }
};

BlendMemos& ThreadBlendMemos() {
    thread_local std::unique_ptr<BlendMemos> memos;
    if (!memos) memos = std::make_unique<BlendMemos>();
    return *memos;
}

// Coverage a of ink over ground, both 0x00RRGGBB, rounded: the ground at 0,
// the ink at 255.
inline uint32_t Blend(uint32_t ink, uint32_t ground, unsigned a) {
    const unsigned cr = (ink >> 16) & 0xFF, cg = (ink >> 8) & 0xFF, cb = ink & 0xFF;
    const unsigned dr = (ground >> 16) & 0xFF, dg = (ground >> 8) & 0xFF, db = ground & 0xFF;
    const unsigned r = (cr * a + dr * (255 - a) + 127) / 255;
    const unsigned g = (cg * a + dg * (255 - a) + 127) / 255;
    const unsigned b = (cb * a + db * (255 - a) + 127) / 255;
    return (r << 16) | (g << 8) | b;
}

}  // namespace

void BlendCoverage(DeviceContext* dc, int x, int y, int width, int height, const uint8_t* mask, int pitch,
                   COLORREF color) {
    if (!dc || !mask || width <= 0 || height <= 0) return;
    const uint32_t px = ColorToSurfacePixel(dc->surface, color);
    RECT area = {x, y, x + width, y + height};
    if (dc->surface.monochrome) {
        ForEachSpan(dc, area, [&](uint32_t* row, LONG x0, LONG x1, LONG yy) {
            const uint8_t* m = mask + static_cast<ptrdiff_t>(yy - y) * pitch;
            for (LONG xx = x0; xx < x1; ++xx)
                if (m[xx - x] >= 128) row[xx] = px;
        });
        NoteDrawn(dc);
        return;
    }
    // The blend of coverage 0 is the ground and of 255 the ink, so one
    // lookup serves every pixel over the memo's ground; an uncovered pixel
    // keeps all of its bits.
    BlendMemos* memos = nullptr;
    BlendMemo* memo = nullptr;
    uint32_t ground = ~0u;  // no colour: the first pixel picks a memo
    ForEachSpan(dc, area, [&](uint32_t* row, LONG x0, LONG x1, LONG yy) {
        const uint8_t* m = mask + static_cast<ptrdiff_t>(yy - y) * pitch;
        for (LONG xx = x0; xx < x1; ++xx) {
            const unsigned a = m[xx - x];
            const uint32_t old = row[xx];
            const uint32_t d = old & kRgbMask;
            if (d != ground) {
                if (a == 0) continue;
                if (memos == nullptr) memos = &ThreadBlendMemos();
                memo = memos->For(px, d);
                ground = d;
            }
            if (memo->known[a] != memo->generation) {
                memo->value[a] = Blend(px, d, a);
                memo->known[a] = memo->generation;
            }
            row[xx] = a != 0 ? memo->value[a] : old;
        }
    });
    NoteDrawn(dc);
}

void FillSurfaceRect(DeviceContext* dc, const RECT& surfaceRect, COLORREF color) {
    if (!dc) return;
    const uint32_t px = ColorToSurfacePixel(dc->surface, color);
    ForEachSpan(dc, surfaceRect, [&](uint32_t* row, LONG x0, LONG x1, LONG) {
        for (LONG xx = x0; xx < x1; ++xx) row[xx] = px;
    });
    NoteDrawn(dc);
}

HFONT RegisterFont(std::unique_ptr<FontObject> font) {
    if (!font) return nullptr;
    auto slot = std::make_unique<FontSlot>();
    slot->font = std::move(font);
    return static_cast<HFONT>(Insert(std::move(slot)));
}

FontObject* LookupFont(HFONT hfont) {
    FontSlot* s = FindFontSlot(hfont);
    return s ? s->font.get() : nullptr;
}

HDC CreateScreenDC(HWND hwnd, POINT origin, const Region& visible) {
    return NewDC(true, hwnd, origin, visible);
}

BOOL SetScreenDCGeometry(HDC hdc, POINT origin, const Region& visible) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !dc->screen) return FALSE;
    dc->origin = origin;
    dc->visible = visible;
    dc->Update();
    return TRUE;
}

BOOL DeleteScreenDC(HDC hdc) {
    DCObject* o = FindDCObject(hdc);
    if (!o || !o->dc.screen) return FALSE;
    FreeDC(o);
    return TRUE;
}

HWND ScreenDCWindow(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->hwnd : nullptr;
}

// Selects a region as the clip region (device coordinates), as
// SelectClipRgn and SelectObject with a region do.
int SelectClip(DeviceContext* dc, const Region* rgn, int mode) {
    if (mode == RGN_COPY) {
        if (!rgn) {
            dc->state.hasClip = false;
            dc->state.clipRgn.Clear();
        } else {
            dc->state.hasClip = true;
            dc->state.clipRgn = *rgn;
        }
        return ClipResult(dc);
    }
    if (!rgn) return ERROR;
    Region cur = dc->state.hasClip ? dc->state.clipRgn : DeviceArea(dc);
    switch (mode) {
    case RGN_AND: cur.Intersect(*rgn); break;
    case RGN_OR: cur.Union(*rgn); break;
    case RGN_XOR: cur.Xor(*rgn); break;
    case RGN_DIFF: cur.Subtract(*rgn); break;
    default: return ERROR;
    }
    dc->state.hasClip = true;
    dc->state.clipRgn = cur;
    return ClipResult(dc);
}

}  // namespace vor::gdi

using namespace vor::gdi;
using vor::Region;

extern "C" {

VORAPI HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc && !LookupDC(hdc)) return nullptr;
    return NewDC(false, nullptr, POINT{0, 0}, Region());
}

VORAPI BOOL WINAPI DeleteDC(HDC hdc) {
    DCObject* o = FindAs<DCObject>(hdc, Kind::DC);
    // A DC from GetDC or BeginPaint goes back with ReleaseDC or EndPaint.
    if (!o || o->dc.screen) return FALSE;
    FreeDC(o);
    return TRUE;
}

VORAPI int WINAPI SaveDC(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    HoldState(dc->state);
    return static_cast<int>(dc->saved.size());
}

VORAPI BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || nSavedDC == 0) return FALSE;
    int count = static_cast<int>(dc->saved.size());
    int index = nSavedDC < 0 ? count + nSavedDC : nSavedDC - 1;
    if (index < 0 || index >= count) return FALSE;
    // Later saved states are discarded.
    for (int i = count - 1; i > index; --i) ReleaseState(dc->saved[i]);
    DCState st = dc->saved[index];
    dc->saved.resize(index);
    // The saved state's holds become the current selection's.
    ReleaseState(dc->state);
    BitmapObject* oldBmp = FindBitmap(dc->state.bitmap);
    if (!dc->screen) {
        BitmapObject* b = FindBitmap(st.bitmap);
        if (!b || (b->selectedIn && b->selectedIn != hdc)) {
            // The bitmap went to another DC meanwhile: keep the current one.
            Release(st.bitmap);
            st.bitmap = dc->state.bitmap;
            Hold(st.bitmap);
        } else {
            if (oldBmp && oldBmp->selectedIn == hdc) oldBmp->selectedIn = nullptr;
            if (!b->stock) b->selectedIn = hdc;
        }
    }
    dc->state = st;
    dc->Update();
    return TRUE;
}

VORAPI int WINAPI GetDeviceCaps(HDC hdc, int index) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return 0;
    switch (index) {
    case DRIVERVERSION: return 0x4000;
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZRES: return ScreenWidth();
    case VERTRES: return ScreenHeight();
    case HORZSIZE: return ScreenWidth() * 254 / 960;
    case VERTSIZE: return ScreenHeight() * 254 / 960;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMBRUSHES:
    case NUMPENS:
    case NUMCOLORS: return -1;
    case NUMFONTS: return 0;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT | RC_DI_BITMAP | RC_DIBTODEV;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case SIZEPALETTE: return 0;
    default: return 0;
    }
}

VORAPI HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* dc = LookupDC(hdc);
    GdiObject* o = Find(h);
    if (!dc || !o) return nullptr;
    HGDIOBJ* slot = nullptr;
    switch (o->kind) {
    case Kind::Pen: slot = reinterpret_cast<HGDIOBJ*>(&dc->state.pen); break;
    case Kind::Brush: slot = reinterpret_cast<HGDIOBJ*>(&dc->state.brush); break;
    case Kind::Font: slot = reinterpret_cast<HGDIOBJ*>(&dc->state.font); break;
    case Kind::Region: {
        int r = SelectClip(dc, &static_cast<RegionObject*>(o)->rgn, RGN_COPY);
        return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(r));
    }
    case Kind::Bitmap: {
        if (dc->screen) return nullptr;
        BitmapObject* b = static_cast<BitmapObject*>(o);
        if (h == dc->state.bitmap) return h;
        if (b->selectedIn) return nullptr;  // one DC at a time
        HGDIOBJ prev = dc->state.bitmap;
        if (BitmapObject* pb = FindBitmap(prev))
            if (pb->selectedIn == hdc) pb->selectedIn = nullptr;
        Release(prev);
        Hold(h);
        if (!b->stock) b->selectedIn = hdc;
        dc->state.bitmap = static_cast<HBITMAP>(h);
        dc->Update();
        return prev;
    }
    default: return nullptr;
    }
    HGDIOBJ prev = *slot;
    if (prev != h) {
        Release(prev);
        Hold(h);
        *slot = h;
    }
    if (o->kind == Kind::Pen) dc->penStyleStep = 0;
    return prev;
}

VORAPI HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN: return dc->state.pen;
    case OBJ_BRUSH: return dc->state.brush;
    case OBJ_FONT: return dc->state.font;
    case OBJ_BITMAP: return dc->screen ? nullptr : dc->state.bitmap;
    default: return nullptr;
    }
}

// ---- attributes ------------------------------------------------------------

VORAPI int WINAPI SetROP2(HDC hdc, int rop2) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
    int prev = dc->state.rop2;
    dc->state.rop2 = rop2;
    return prev;
}

VORAPI int WINAPI GetROP2(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->state.rop2 : 0;
}

VORAPI int WINAPI SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int prev = dc->state.bkMode;
    dc->state.bkMode = mode;
    return prev;
}

VORAPI int WINAPI GetBkMode(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->state.bkMode : 0;
}

VORAPI COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || color == CLR_INVALID) return CLR_INVALID;
    COLORREF prev = dc->state.bkColor;
    dc->state.bkColor = color & 0x00FFFFFF;
    return prev;
}

VORAPI COLORREF WINAPI GetBkColor(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->state.bkColor : CLR_INVALID;
}

VORAPI COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || color == CLR_INVALID) return CLR_INVALID;
    COLORREF prev = dc->state.textColor;
    dc->state.textColor = color & 0x00FFFFFF;
    return prev;
}

VORAPI COLORREF WINAPI GetTextColor(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->state.textColor : CLR_INVALID;
}

VORAPI UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return GDI_ERROR;
    UINT prev = dc->state.textAlign;
    dc->state.textAlign = align & TA_MASK;
    return prev;
}

VORAPI UINT WINAPI GetTextAlign(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->state.textAlign : GDI_ERROR;
}

VORAPI int WINAPI SetStretchBltMode(HDC hdc, int mode) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    int prev = dc->state.stretchMode;
    dc->state.stretchMode = mode;
    return prev;
}

VORAPI int WINAPI GetStretchBltMode(HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    return dc ? dc->state.stretchMode : 0;
}

VORAPI int WINAPI SetMapMode(HDC hdc, int mode) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || mode != MM_TEXT) return 0;
    return MM_TEXT;
}

VORAPI int WINAPI GetMapMode(HDC hdc) { return LookupDC(hdc) ? MM_TEXT : 0; }

VORAPI BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.brushOrg;
    dc->state.brushOrg = POINT{x, y};
    return TRUE;
}

VORAPI BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lppt) return FALSE;
    *lppt = dc->state.brushOrg;
    return TRUE;
}

// ---- coordinates ------------------------------------------------------------

VORAPI BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.viewportOrg;
    dc->state.viewportOrg = POINT{x, y};
    return TRUE;
}

VORAPI BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lppt) return FALSE;
    *lppt = dc->state.viewportOrg;
    return TRUE;
}

VORAPI BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.viewportOrg;
    dc->state.viewportOrg.x = DeviceContext::Clamp(static_cast<long long>(dc->state.viewportOrg.x) + x);
    dc->state.viewportOrg.y = DeviceContext::Clamp(static_cast<long long>(dc->state.viewportOrg.y) + y);
    return TRUE;
}

VORAPI BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.windowOrg;
    dc->state.windowOrg = POINT{x, y};
    return TRUE;
}

VORAPI BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lppt) return FALSE;
    *lppt = dc->state.windowOrg;
    return TRUE;
}

VORAPI BOOL WINAPI OffsetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    if (lppt) *lppt = dc->state.windowOrg;
    dc->state.windowOrg.x = DeviceContext::Clamp(static_cast<long long>(dc->state.windowOrg.x) + x);
    dc->state.windowOrg.y = DeviceContext::Clamp(static_cast<long long>(dc->state.windowOrg.y) + y);
    return TRUE;
}

VORAPI BOOL WINAPI LPtoDP(HDC hdc, LPPOINT lppt, int c) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || (!lppt && c > 0) || c < 0) return FALSE;
    for (int i = 0; i < c; ++i) lppt[i] = dc->LogicalToDevice(lppt[i]);
    return TRUE;
}

VORAPI BOOL WINAPI DPtoLP(HDC hdc, LPPOINT lppt, int c) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || (!lppt && c > 0) || c < 0) return FALSE;
    for (int i = 0; i < c; ++i) lppt[i] = dc->DeviceToLogical(lppt[i]);
    return TRUE;
}

VORAPI BOOL WINAPI GetDCOrgEx(HDC hdc, LPPOINT lppt) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lppt) return FALSE;
    *lppt = dc->origin;
    return TRUE;
}

// ---- clipping --------------------------------------------------------------

VORAPI int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn) { return ExtSelectClipRgn(hdc, hrgn, RGN_COPY); }

VORAPI int WINAPI ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || mode < RGN_MIN || mode > RGN_MAX) return ERROR;
    if (!hrgn) return SelectClip(dc, nullptr, mode);
    RegionObject* r = FindRegion(hrgn);
    if (!r) return ERROR;
    return SelectClip(dc, &r->rgn, mode);
}

VORAPI int WINAPI GetClipBox(HDC hdc, LPRECT lprect) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lprect) return ERROR;
    RECT box = dc->clip.Box();
    if (dc->clip.IsEmpty()) {
        *lprect = RECT{0, 0, 0, 0};
        return NULLREGION;
    }
    POINT a = dc->DeviceToLogical(POINT{box.left - dc->origin.x, box.top - dc->origin.y});
    POINT b = dc->DeviceToLogical(POINT{box.right - dc->origin.x, box.bottom - dc->origin.y});
    *lprect = RECT{a.x, a.y, b.x, b.y};
    return Complexity(dc->clip);
}

VORAPI int WINAPI GetClipRgn(HDC hdc, HRGN hrgn) {
    DeviceContext* dc = LookupDC(hdc);
    RegionObject* r = FindRegion(hrgn);
    if (!dc || !r) return -1;
    if (!dc->state.hasClip) return 0;
    r->rgn = dc->state.clipRgn;
    return 1;
}

VORAPI int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return ERROR;
    Region r(LogicalRectToDevice(dc, left, top, right, bottom));
    return SelectClip(dc, &r, RGN_AND);
}

VORAPI int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return ERROR;
    Region r(LogicalRectToDevice(dc, left, top, right, bottom));
    return SelectClip(dc, &r, RGN_DIFF);
}

VORAPI int WINAPI OffsetClipRgn(HDC hdc, int x, int y) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return ERROR;
    if (dc->state.hasClip) dc->state.clipRgn.Offset(x, y);
    return ClipResult(dc);
}

VORAPI BOOL WINAPI PtVisible(HDC hdc, int x, int y) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return static_cast<BOOL>(-1);
    POINT p = dc->LogicalToSurface(POINT{x, y});
    return dc->clip.Contains(p.x, p.y) ? TRUE : FALSE;
}

VORAPI BOOL WINAPI RectVisible(HDC hdc, const RECT* lprect) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lprect) return FALSE;
    RECT r = dc->LogicalToSurface(*lprect);
    RECT n = {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
    return dc->clip.Intersects(n) ? TRUE : FALSE;
}

VORAPI BOOL WINAPI GdiFlush(void) { return TRUE; }

}  // extern "C"
