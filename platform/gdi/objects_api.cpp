// The GDI object calls: stock objects, deletion, GetObject, pens, brushes,
// bitmaps and regions.
#include <algorithm>
#include <cstring>

#include "gdi_objects.h"
#include "raster.h"

using namespace vor::gdi;
using vor::Region;

namespace {

// Bitmaps larger than this are refused rather than risking the process.
constexpr long long kMaxBitmapPixels = 1LL << 26;

bool SizeOk(int w, int h) { return w > 0 && h > 0 && static_cast<long long>(w) * h <= kMaxBitmapPixels; }

int MonoRowBytes(int w) { return ((w + 15) / 16) * 2; }

int Complexity(const Region& r) {
    if (r.IsEmpty()) return NULLREGION;
    return r.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT Ordered(int l, int t, int r, int b) {
    return RECT{std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// Device-dependent bits: 1 bpp rows padded to 16 bits, most significant bit
// first, 1 = white; 32 bpp rows of B, G, R, A. Drawing ignores A (and
// clears it); an icon made from the bitmap uses it as its alpha channel.
void ReadDDBBits(BitmapObject* b, const uint8_t* bits) {
    Surface s = b->MakeSurface();
    if (b->bpp == 1) {
        int rb = MonoRowBytes(b->width);
        for (int y = 0; y < b->height; ++y)
            for (int x = 0; x < b->width; ++x) {
                bool white = (bits[y * rb + x / 8] >> (7 - x % 8)) & 1;
                s.Row(y)[x] = white ? kRgbMask : 0;
            }
    } else {
        for (int y = 0; y < b->height; ++y) {
            const uint8_t* row = bits + static_cast<size_t>(y) * b->width * 4;
            for (int x = 0; x < b->width; ++x)
                s.Row(y)[x] = (uint32_t(row[x * 4 + 3]) << 24) | (uint32_t(row[x * 4 + 2]) << 16) |
                              (uint32_t(row[x * 4 + 1]) << 8) | row[x * 4];
        }
    }
}

long DDBSize(const BitmapObject* b) {
    return b->bpp == 1 ? static_cast<long>(MonoRowBytes(b->width)) * b->height
                       : static_cast<long>(b->width) * b->height * 4;
}

HBITMAP NewBitmapHandle(int w, int h, int bpp, const void* bits) {
    auto b = NewBitmap(w, h, bpp);
    if (bits) ReadDDBBits(b.get(), static_cast<const uint8_t*>(bits));
    return static_cast<HBITMAP>(Insert(std::move(b)));
}

}  // namespace

extern "C" {

VORAPI HGDIOBJ WINAPI GetStockObject(int i) {
    GdiObject* o = Stock(i);
    return o ? o->handle : nullptr;
}

VORAPI BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    GdiObject* o = Find(ho);
    if (!o) return FALSE;
    // DCs go with DeleteDC, icons with DestroyIcon; stock and system objects
    // stay; an object selected into a DC (or kept by SaveDC) is in use.
    if (o->kind == Kind::DC || o->kind == Kind::Icon) return FALSE;
    if (!o->Counted() || o->selected > 0) return FALSE;
    if (o->kind == Kind::Bitmap && static_cast<BitmapObject*>(o)->selectedIn) return FALSE;
    Erase(o);
    return TRUE;
}

VORAPI int WINAPI GetObjectA(HGDIOBJ h, int c, LPVOID pv) {
    GdiObject* o = Find(h);
    if (!o || c < 0) return 0;
    switch (o->kind) {
    case Kind::Pen: {
        PenObject* p = static_cast<PenObject*>(o);
        if (!pv) return sizeof(LOGPEN);
        if (c < static_cast<int>(sizeof(LOGPEN))) return 0;
        LOGPEN lp = {p->style, POINT{p->width, 0}, p->color};
        std::memcpy(pv, &lp, sizeof lp);
        return sizeof lp;
    }
    case Kind::Brush: {
        BrushObject* b = static_cast<BrushObject*>(o);
        if (!pv) return sizeof(LOGBRUSH);
        if (c < static_cast<int>(sizeof(LOGBRUSH))) return 0;
        LOGBRUSH lb = {b->style, b->color, 0};
        if (b->style == BS_HATCHED) lb.lbHatch = static_cast<ULONG_PTR>(b->hatch);
        if (b->style == BS_PATTERN) lb.lbHatch = reinterpret_cast<ULONG_PTR>(b->patternSource);
        std::memcpy(pv, &lb, sizeof lb);
        return sizeof lb;
    }
    case Kind::Bitmap: {
        BitmapObject* b = static_cast<BitmapObject*>(o);
        BITMAP bm = {};
        bm.bmType = 0;
        bm.bmWidth = b->width;
        bm.bmHeight = b->height;
        bm.bmWidthBytes = b->bpp == 1 ? MonoRowBytes(b->width) : b->width * 4;
        bm.bmPlanes = 1;
        bm.bmBitsPixel = static_cast<WORD>(b->bpp);
        bm.bmBits = b->dib ? b->dibBits.get() : nullptr;
        if (b->dib && (!pv || c >= static_cast<int>(sizeof(DIBSECTION)))) {
            if (!pv) return sizeof(DIBSECTION);
            DIBSECTION ds = {};
            ds.dsBm = bm;
            ds.dsBmih = b->dibHeader;
            std::memcpy(pv, &ds, sizeof ds);
            return sizeof ds;
        }
        if (!pv) return sizeof(BITMAP);
        if (c < static_cast<int>(sizeof(BITMAP))) return 0;
        std::memcpy(pv, &bm, sizeof bm);
        return sizeof bm;
    }
    case Kind::Font: {
        FontSlot* f = static_cast<FontSlot*>(o);
        return f->font ? f->font->GetObjectData(c, pv) : 0;
    }
    default: return 0;
    }
}

VORAPI int WINAPI GetObject(HGDIOBJ h, int c, LPVOID pv) { return GetObjectA(h, c, pv); }

VORAPI DWORD WINAPI GetObjectType(HGDIOBJ h) {
    GdiObject* o = Find(h);
    if (!o) return 0;
    switch (o->kind) {
    case Kind::DC: return static_cast<DCObject*>(o)->dc.screen ? OBJ_DC : OBJ_MEMDC;
    case Kind::Pen: return OBJ_PEN;
    case Kind::Brush: return OBJ_BRUSH;
    case Kind::Font: return OBJ_FONT;
    case Kind::Bitmap: return OBJ_BITMAP;
    case Kind::Region: return OBJ_REGION;
    default: return 0;  // icons and cursors are USER objects
    }
}

// ---- pens and brushes ---------------------------------------------------------

VORAPI HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
    UINT style = static_cast<UINT>(iStyle) & PS_STYLE_MASK;
    if (style > PS_INSIDEFRAME || (static_cast<UINT>(iStyle) & ~PS_STYLE_MASK) != 0) return nullptr;
    auto p = std::make_unique<PenObject>();
    p->style = style;
    p->width = cWidth < 0 ? -cWidth : cWidth;
    p->color = color & 0x00FFFFFF;
    return static_cast<HPEN>(Insert(std::move(p)));
}

VORAPI HPEN WINAPI CreatePenIndirect(const LOGPEN* plpen) {
    if (!plpen) return nullptr;
    return CreatePen(static_cast<int>(plpen->lopnStyle), plpen->lopnWidth.x, plpen->lopnColor);
}

VORAPI HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    auto b = std::make_unique<BrushObject>();
    b->style = BS_SOLID;
    b->color = color & 0x00FFFFFF;
    return static_cast<HBRUSH>(Insert(std::move(b)));
}

VORAPI HBRUSH WINAPI CreateHatchBrush(int iHatch, COLORREF color) {
    if (iHatch < HS_HORIZONTAL || iHatch > HS_DIAGCROSS) return nullptr;
    auto b = std::make_unique<BrushObject>();
    b->style = BS_HATCHED;
    b->hatch = iHatch;
    b->color = color & 0x00FFFFFF;
    return static_cast<HBRUSH>(Insert(std::move(b)));
}

VORAPI HBRUSH WINAPI CreatePatternBrush(HBITMAP hbm) {
    BitmapObject* src = FindBitmap(hbm);
    if (!src) return nullptr;
    auto b = std::make_unique<BrushObject>();
    b->style = BS_PATTERN;
    b->patWidth = src->width;
    b->patHeight = src->height;
    b->patMono = src->bpp == 1;
    b->patternSource = hbm;
    Surface s = src->MakeSurface();
    b->pattern.resize(static_cast<size_t>(src->width) * src->height);
    for (int y = 0; y < src->height; ++y)
        for (int x = 0; x < src->width; ++x) b->pattern[y * src->width + x] = s.Row(y)[x] & kRgbMask;
    return static_cast<HBRUSH>(Insert(std::move(b)));
}

VORAPI HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush) {
    if (!plbrush) return nullptr;
    switch (plbrush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(plbrush->lbColor);
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(plbrush->lbHatch), plbrush->lbColor);
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(plbrush->lbHatch));
    case BS_NULL: {
        auto b = std::make_unique<BrushObject>();
        b->style = BS_NULL;
        return static_cast<HBRUSH>(Insert(std::move(b)));
    }
    default: return nullptr;
    }
}

// ---- bitmaps --------------------------------------------------------------------

VORAPI HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    if (nWidth < 0 || nHeight < 0 || nPlanes != 1) return nullptr;
    if (nBitCount != 1 && nBitCount != 32) return nullptr;
    if (nWidth == 0 || nHeight == 0) return DefaultBitmap();
    if (!SizeOk(nWidth, nHeight)) return nullptr;
    return NewBitmapHandle(nWidth, nHeight, static_cast<int>(nBitCount), lpBits);
}

VORAPI HBITMAP WINAPI CreateBitmapIndirect(const BITMAP* pbm) {
    if (!pbm) return nullptr;
    return CreateBitmap(pbm->bmWidth, pbm->bmHeight, pbm->bmPlanes, pbm->bmBitsPixel, pbm->bmBits);
}

VORAPI HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || cx < 0 || cy < 0) return nullptr;
    if (cx == 0 || cy == 0) return DefaultBitmap();
    if (!SizeOk(cx, cy)) return nullptr;
    // A memory DC makes bitmaps of the format of the bitmap it holds.
    int bpp = dc->screen ? 32 : (dc->surface.monochrome ? 1 : 32);
    return NewBitmapHandle(cx, cy, bpp, nullptr);
}

VORAPI HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection,
                                       DWORD offset) {
    if (ppvBits) *ppvBits = nullptr;
    if (!pbmi || hSection || usage != DIB_RGB_COLORS) return nullptr;
    if (hdc && !LookupDC(hdc)) return nullptr;
    const BITMAPINFOHEADER& h = pbmi->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biBitCount != 32) return nullptr;
    if (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS) return nullptr;
    if (h.biCompression == BI_BITFIELDS) {
        const DWORD* masks = reinterpret_cast<const DWORD*>(pbmi->bmiColors);
        if (masks[0] != 0x00FF0000 || masks[1] != 0x0000FF00 || masks[2] != 0x000000FF) return nullptr;
    }
    int w = h.biWidth, hh = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (!SizeOk(w, hh)) return nullptr;
    auto b = std::make_unique<BitmapObject>();
    b->width = w;
    b->height = hh;
    b->bpp = 32;
    b->dib = true;
    b->topDown = h.biHeight < 0;
    b->dibHeader = h;
    b->dibHeader.biSize = sizeof(BITMAPINFOHEADER);
    b->dibHeader.biSizeImage = static_cast<DWORD>(w) * hh * 4;
    b->dibBits.reset(new uint32_t[static_cast<size_t>(w) * hh]());
    void* bits = b->dibBits.get();
    HBITMAP hbm = static_cast<HBITMAP>(Insert(std::move(b)));
    if (ppvBits) *ppvBits = bits;
    return hbm;
}

VORAPI LONG WINAPI GetBitmapBits(HBITMAP hbit, LONG cb, LPVOID lpvBits) {
    BitmapObject* b = FindBitmap(hbit);
    if (!b || cb < 0) return 0;
    long size = DDBSize(b);
    if (!lpvBits) return size;
    std::vector<uint8_t> out(static_cast<size_t>(size), 0);
    Surface s = b->MakeSurface();
    if (b->bpp == 1) {
        int rb = MonoRowBytes(b->width);
        for (int y = 0; y < b->height; ++y)
            for (int x = 0; x < b->width; ++x)
                if (s.Row(y)[x] & kRgbMask) out[y * rb + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    } else {
        for (int y = 0; y < b->height; ++y)
            for (int x = 0; x < b->width; ++x) {
                uint32_t p = s.Row(y)[x];
                uint8_t* d = &out[(static_cast<size_t>(y) * b->width + x) * 4];
                d[0] = p & 0xFF;
                d[1] = (p >> 8) & 0xFF;
                d[2] = (p >> 16) & 0xFF;
                d[3] = 0;
            }
    }
    long n = std::min<long>(cb, size);
    std::memcpy(lpvBits, out.data(), static_cast<size_t>(n));
    return n;
}

VORAPI LONG WINAPI SetBitmapBits(HBITMAP hbm, DWORD cb, const void* pvBits) {
    BitmapObject* b = FindBitmap(hbm);
    if (!b || !pvBits) return 0;
    long size = DDBSize(b);
    std::vector<uint8_t> in(static_cast<size_t>(size), 0);
    long n = std::min<long>(static_cast<long>(cb), size);
    // Only whole bitmaps keep unchanged rows: start from the current bits.
    GetBitmapBits(hbm, size, in.data());
    std::memcpy(in.data(), pvBits, static_cast<size_t>(n));
    ReadDDBBits(b, in.data());
    return n;
}

// ---- regions ----------------------------------------------------------------------

VORAPI HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2) {
    auto r = std::make_unique<RegionObject>();
    r->rgn = Region(Ordered(x1, y1, x2, y2));
    return static_cast<HRGN>(Insert(std::move(r)));
}

VORAPI HRGN WINAPI CreateRectRgnIndirect(const RECT* lprect) {
    if (!lprect) return nullptr;
    return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

VORAPI BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
    RegionObject* r = FindRegion(hrgn);
    if (!r) return FALSE;
    r->rgn = Region(Ordered(left, top, right, bottom));
    return TRUE;
}

VORAPI int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
    RegionObject* d = FindRegion(hrgnDst);
    RegionObject* a = FindRegion(hrgnSrc1);
    if (!d || !a || iMode < RGN_MIN || iMode > RGN_MAX) return ERROR;
    if (iMode == RGN_COPY) {
        d->rgn = a->rgn;
        return Complexity(d->rgn);
    }
    RegionObject* b = FindRegion(hrgnSrc2);
    if (!b) return ERROR;
    Region r = a->rgn;
    switch (iMode) {
    case RGN_AND: r.Intersect(b->rgn); break;
    case RGN_OR: r.Union(b->rgn); break;
    case RGN_XOR: r.Xor(b->rgn); break;
    case RGN_DIFF: r.Subtract(b->rgn); break;
    }
    d->rgn = r;
    return Complexity(d->rgn);
}

VORAPI int WINAPI OffsetRgn(HRGN hrgn, int x, int y) {
    RegionObject* r = FindRegion(hrgn);
    if (!r) return ERROR;
    r->rgn.Offset(x, y);
    return Complexity(r->rgn);
}

VORAPI int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc) {
    RegionObject* r = FindRegion(hrgn);
    if (!r || !lprc) return ERROR;
    *lprc = r->rgn.Box();
    return Complexity(r->rgn);
}

VORAPI BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y) {
    RegionObject* r = FindRegion(hrgn);
    return r && r->rgn.Contains(x, y) ? TRUE : FALSE;
}

VORAPI BOOL WINAPI RectInRegion(HRGN hrgn, const RECT* lprect) {
    RegionObject* r = FindRegion(hrgn);
    if (!r || !lprect) return FALSE;
    return r->rgn.Intersects(Ordered(lprect->left, lprect->top, lprect->right, lprect->bottom)) ? TRUE : FALSE;
}

VORAPI BOOL WINAPI EqualRgn(HRGN hrgn1, HRGN hrgn2) {
    RegionObject* a = FindRegion(hrgn1);
    RegionObject* b = FindRegion(hrgn2);
    if (!a || !b) return ERROR;
    return a->rgn == b->rgn ? TRUE : FALSE;
}

}  // extern "C"
