// Block transfers: PatBlt, BitBlt, StretchBlt, and the device-independent
// bitmap calls.
#include <cstring>

#include "gdi_objects.h"
#include "raster.h"

using namespace vor::gdi;

namespace {

// Where source pixels come from: a surface with its colour meaning.
struct Source {
    Surface surface;
    COLORREF bkColor = RGB(255, 255, 255);  // colour -> monochrome: this colour is white
};

// Normalizes a rectangle given by corner and signed extent (the corners x
// and x + w, right exclusive, whatever the sign); answers whether it was
// mirrored.
bool Normalize(int x, int y, int w, int h, RECT* out, bool* mirrorY) {
    long long l = x, t = y, r = static_cast<long long>(x) + w, b = static_cast<long long>(y) + h;
    *mirrorY = h < 0;
    *out = RECT{DeviceContext::Clamp(std::min(l, r)), DeviceContext::Clamp(std::min(t, b)),
                DeviceContext::Clamp(std::max(l, r)), DeviceContext::Clamp(std::max(t, b))};
    return w < 0;
}

// The general transfer: dest rectangle (surface coordinates of dst, signed
// extents) from a source rectangle, nearest-pixel scaling, any ROP3.
BOOL Transfer(DeviceContext* dst, POINT dOrg, int wDest, int hDest, const Source* src, POINT sOrg, int wSrc,
              int hSrc, DWORD rop) {
    rop &= 0x00FFFFFF;
    if (wDest == 0 || hDest == 0) return TRUE;
    bool useSrc = RopUsesSource(rop);
    bool usePat = RopUsesPattern(rop);
    if (useSrc && !src) return FALSE;
    if (useSrc && (wSrc == 0 || hSrc == 0)) return TRUE;

    Pattern pat;
    if (usePat && !ResolveBrush(dst, dst->state.brush, &pat)) {
        // A null brush paints nothing; a pattern-only operation is done.
        if (!useSrc) return TRUE;
        pat = SolidPattern(dst->surface, RGB(0, 0, 0));
    }

    RECT d;
    bool dmy;
    bool dmx = Normalize(dOrg.x, dOrg.y, wDest, hDest, &d, &dmy);
    const long long dw = d.right - d.left, dh = d.bottom - d.top;
    // Only the part of the destination that the clip can show is computed.
    RECT box = dst->clip.Box();
    RECT v = {std::max(d.left, box.left), std::max(d.top, box.top), std::min(d.right, box.right),
              std::min(d.bottom, box.bottom)};
    if (v.left >= v.right || v.top >= v.bottom) return TRUE;
    const int vw = v.right - v.left, vh = v.bottom - v.top;

    // A one-to-one copy between two surfaces of one kind (the common paint
    // of a bitmap to the screen) copies each span straight across; source
    // pixels outside the source surface leave the destination as it is.
    if (rop == SRCCOPY && useSrc && wSrc == wDest && hSrc == hDest && wDest > 0 && hDest > 0 &&
        src->surface.monochrome == dst->surface.monochrome && src->surface.pixels != dst->surface.pixels) {
        const Surface& ss = src->surface;
        const long long dx = static_cast<long long>(sOrg.x) - dOrg.x, dy = static_cast<long long>(sOrg.y) - dOrg.y;
        ForEachSpan(dst, v, [&](uint32_t* row, LONG x0, LONG x1, LONG y) {
            long long sy = y + dy;
            if (sy < 0 || sy >= ss.height) return;
            long long a = std::max<long long>(x0, -dx), b = std::min<long long>(x1, ss.width - dx);
            const uint32_t* srow = ss.Row(static_cast<int>(sy));
            for (long long x = a; x < b; ++x) row[x] = srow[x + dx] & kRgbMask;
        });
        NoteDrawn(dst);
        return TRUE;
    }

    // Gather the source pixels for every destination pixel first: the
    // source may overlap the destination.
    std::vector<uint32_t> sp;
    std::vector<uint8_t> valid;
    if (useSrc) {
        RECT s;
        bool smy;
        bool smx = Normalize(sOrg.x, sOrg.y, wSrc, hSrc, &s, &smy);
        const long long sw = static_cast<long long>(s.right) - s.left, sh = static_cast<long long>(s.bottom) - s.top;
        bool mirrorX = dmx != smx, mirrorY = dmy != smy;
        // Destination pixel i (from the rectangle's edge) samples the source
        // pixel under its centre.
        std::vector<long long> mapX(vw), mapY(vh);
        for (int k = 0; k < vw; ++k) {
            long long i = v.left - d.left + k;
            long long j = ((2 * i + 1) * sw) / (2 * dw);
            mapX[k] = s.left + (mirrorX ? sw - 1 - j : j);
        }
        for (int k = 0; k < vh; ++k) {
            long long i = v.top - d.top + k;
            long long j = ((2 * i + 1) * sh) / (2 * dh);
            mapY[k] = s.top + (mirrorY ? sh - 1 - j : j);
        }
        const Surface& ss = src->surface;
        const bool toMono = dst->surface.monochrome && !ss.monochrome;
        const bool fromMono = ss.monochrome && !dst->surface.monochrome;
        const uint32_t srcBk = ColorToPixel(src->bkColor);
        const uint32_t dstText = ColorToPixel(dst->state.textColor);
        const uint32_t dstBk = ColorToPixel(dst->state.bkColor);
        sp.assign(static_cast<size_t>(vw) * vh, 0);
        valid.assign(static_cast<size_t>(vw) * vh, 0);
        for (int j = 0; j < vh; ++j) {
            long long sy = mapY[j];
            if (sy < 0 || sy >= ss.height) continue;
            const uint32_t* row = ss.Row(static_cast<int>(sy));
            for (int i = 0; i < vw; ++i) {
                long long sx = mapX[i];
                if (sx < 0 || sx >= ss.width) continue;
                uint32_t p = row[sx] & kRgbMask;
                if (toMono)
                    p = (p == srcBk) ? kRgbMask : 0;
                else if (fromMono)
                    p = p ? dstBk : dstText;
                sp[static_cast<size_t>(j) * vw + i] = p;
                valid[static_cast<size_t>(j) * vw + i] = 1;
            }
        }
    }

    ForEachSpan(dst, v, [&](uint32_t* row, LONG x0, LONG x1, LONG y) {
        const size_t base = static_cast<size_t>(y - v.top) * vw;
        for (LONG x = x0; x < x1; ++x) {
            uint32_t s = 0;
            if (useSrc) {
                const size_t k = base + static_cast<size_t>(x - v.left);
                if (!valid[k]) continue;
                s = sp[k];
            }
            uint32_t p = 0;
            if (usePat) {
                if (pat.solid) {
                    p = pat.pixels[0];
                } else {
                    int k = pat.Index(x, y);
                    if (!pat.paints[k]) continue;
                    p = pat.pixels[k];
                }
            }
            row[x] = Rop3(rop, p, s, row[x] & kRgbMask);
        }
    });
    NoteDrawn(dst);
    return TRUE;
}

Source SourceOf(DeviceContext* dc) {
    Source s;
    s.surface = dc->surface;
    s.bkColor = dc->state.bkColor;
    return s;
}

// ---- device-independent bitmaps ------------------------------------------------

int DibStride(int width, int bpp) { return ((width * bpp + 31) / 32) * 4; }

int DibColors(const BITMAPINFOHEADER& h) {
    if (h.biBitCount > 8) return 0;
    return h.biClrUsed ? static_cast<int>(h.biClrUsed) : (1 << h.biBitCount);
}

bool DibFormatOk(const BITMAPINFOHEADER& h) {
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0) return false;
    if (h.biCompression != BI_RGB && !(h.biCompression == BI_BITFIELDS && h.biBitCount == 32)) return false;
    switch (h.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
    case 32: break;
    default: return false;
    }
    long long px = static_cast<long long>(h.biWidth) * (h.biHeight < 0 ? -h.biHeight : h.biHeight);
    return px <= (1LL << 26);
}

// Decodes scan lines [start, start + lines) of a DIB (counted from the
// first row in memory) into a top-down 0x00RRGGBB image of the whole DIB;
// rows not given are marked in `have`.
void DecodeDib(const BITMAPINFO* bmi, const void* bits, UINT start, UINT lines, std::vector<uint32_t>* out,
               std::vector<uint8_t>* have) {
    const BITMAPINFOHEADER& h = bmi->bmiHeader;
    int w = h.biWidth, hh = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    bool bottomUp = h.biHeight > 0;
    int bpp = h.biBitCount;
    int stride = DibStride(w, bpp);
    out->assign(static_cast<size_t>(w) * hh, 0);
    have->assign(static_cast<size_t>(hh), 0);
    const RGBQUAD* table = bmi->bmiColors;
    int ncolors = DibColors(h);
    const uint8_t* base = static_cast<const uint8_t*>(bits);
    for (UINT k = 0; k < lines; ++k) {
        long long memRow = static_cast<long long>(start) + k;
        if (memRow >= hh) break;
        int y = bottomUp ? hh - 1 - static_cast<int>(memRow) : static_cast<int>(memRow);
        const uint8_t* row = base + static_cast<size_t>(k) * stride;
        uint32_t* o = out->data() + static_cast<size_t>(y) * w;
        for (int x = 0; x < w; ++x) {
            uint32_t p = 0;
            if (bpp == 32) {
                p = (uint32_t(row[x * 4 + 2]) << 16) | (uint32_t(row[x * 4 + 1]) << 8) | row[x * 4];
            } else if (bpp == 24) {
                p = (uint32_t(row[x * 3 + 2]) << 16) | (uint32_t(row[x * 3 + 1]) << 8) | row[x * 3];
            } else {
                int idx;
                if (bpp == 8)
                    idx = row[x];
                else if (bpp == 4)
                    idx = (row[x / 2] >> ((x % 2) ? 0 : 4)) & 0xF;
                else
                    idx = (row[x / 8] >> (7 - x % 8)) & 1;
                if (idx < ncolors) p = (uint32_t(table[idx].rgbRed) << 16) | (uint32_t(table[idx].rgbGreen) << 8) |
                                       table[idx].rgbBlue;
            }
            o[x] = p;
        }
        (*have)[y] = 1;
    }
}

uint32_t ToMono(uint32_t p) {
    unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return (r * 299 + g * 587 + b * 114) / 1000 >= 128 ? kRgbMask : 0;
}

}  // namespace

extern "C" {

VORAPI BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    if (RopUsesSource(rop & 0x00FFFFFF)) return FALSE;
    return Transfer(dc, dc->LogicalToSurface(POINT{x, y}), w, h, nullptr, POINT{0, 0}, 0, 0, rop);
}

VORAPI BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc) return FALSE;
    if (!RopUsesSource(rop & 0x00FFFFFF))
        return Transfer(dc, dc->LogicalToSurface(POINT{x, y}), cx, cy, nullptr, POINT{0, 0}, 0, 0, rop);
    DeviceContext* sdc = LookupDC(hdcSrc);
    if (!sdc) return FALSE;
    Source src = SourceOf(sdc);
    return Transfer(dc, dc->LogicalToSurface(POINT{x, y}), cx, cy, &src, sdc->LogicalToSurface(POINT{x1, y1}), cx,
                    cy, rop);
}

VORAPI BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                              int wSrc, int hSrc, DWORD rop) {
    DeviceContext* dc = LookupDC(hdcDest);
    if (!dc) return FALSE;
    if (!RopUsesSource(rop & 0x00FFFFFF))
        return Transfer(dc, dc->LogicalToSurface(POINT{xDest, yDest}), wDest, hDest, nullptr, POINT{0, 0}, 0, 0, rop);
    DeviceContext* sdc = LookupDC(hdcSrc);
    if (!sdc) return FALSE;
    Source src = SourceOf(sdc);
    return Transfer(dc, dc->LogicalToSurface(POINT{xDest, yDest}), wDest, hDest, &src,
                    sdc->LogicalToSurface(POINT{xSrc, ySrc}), wSrc, hSrc, rop);
}

VORAPI int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
                            UINT usage) {
    if (!LookupDC(hdc) || !lpbmi || usage != DIB_RGB_COLORS) return 0;
    BitmapObject* b = FindBitmap(hbm);
    if (!b) return 0;
    BITMAPINFOHEADER& h = lpbmi->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
    if (!lpvBits) {
        if (h.biBitCount == 0) {
            // Describe the bitmap.
            h.biWidth = b->width;
            h.biHeight = b->height;
            h.biPlanes = 1;
            h.biBitCount = static_cast<WORD>(b->bpp);
            h.biCompression = BI_RGB;
            h.biClrUsed = 0;
            h.biClrImportant = 0;
        }
        h.biSizeImage = static_cast<DWORD>(DibStride(h.biWidth, h.biBitCount ? h.biBitCount : 32)) *
                        static_cast<DWORD>(h.biHeight < 0 ? -h.biHeight : h.biHeight);
        return b->height;
    }
    if (h.biBitCount != 1 && h.biBitCount != 24 && h.biBitCount != 32) return 0;
    if (h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0) return 0;
    int w = h.biWidth, hh = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    bool bottomUp = h.biHeight > 0;
    int stride = DibStride(w, h.biBitCount);
    if (h.biBitCount == 1) {
        lpbmi->bmiColors[0] = RGBQUAD{0, 0, 0, 0};
        lpbmi->bmiColors[1] = RGBQUAD{255, 255, 255, 0};
    }
    Surface s = b->MakeSurface();
    uint8_t* out = static_cast<uint8_t*>(lpvBits);
    int copied = 0;
    for (UINT k = 0; k < cLines; ++k) {
        long long memRow = static_cast<long long>(start) + k;
        if (memRow >= hh) break;
        int y = bottomUp ? hh - 1 - static_cast<int>(memRow) : static_cast<int>(memRow);
        uint8_t* row = out + static_cast<size_t>(k) * stride;
        std::memset(row, 0, static_cast<size_t>(stride));
        for (int x = 0; x < w; ++x) {
            uint32_t p = (y < b->height && x < b->width) ? (s.Row(y)[x] & kRgbMask) : 0;
            switch (h.biBitCount) {
            case 32:
                row[x * 4] = p & 0xFF;
                row[x * 4 + 1] = (p >> 8) & 0xFF;
                row[x * 4 + 2] = (p >> 16) & 0xFF;
                break;
            case 24:
                row[x * 3] = p & 0xFF;
                row[x * 3 + 1] = (p >> 8) & 0xFF;
                row[x * 3 + 2] = (p >> 16) & 0xFF;
                break;
            default:
                if (ToMono(p)) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
                break;
            }
        }
        ++copied;
    }
    return copied;
}

VORAPI int WINAPI SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits,
                            const BITMAPINFO* lpbmi, UINT ColorUse) {
    if (hdc && !LookupDC(hdc)) return 0;
    BitmapObject* b = FindBitmap(hbm);
    if (!b || !lpBits || !lpbmi || ColorUse != DIB_RGB_COLORS || !DibFormatOk(lpbmi->bmiHeader)) return 0;
    std::vector<uint32_t> img;
    std::vector<uint8_t> have;
    DecodeDib(lpbmi, lpBits, start, cLines, &img, &have);
    int w = lpbmi->bmiHeader.biWidth;
    Surface s = b->MakeSurface();
    int lines = 0;
    for (size_t y = 0; y < have.size(); ++y) {
        if (!have[y]) continue;
        ++lines;
        if (static_cast<int>(y) >= b->height) continue;
        for (int x = 0; x < w && x < b->width; ++x) {
            uint32_t p = img[y * w + x];
            s.Row(static_cast<int>(y))[x] = b->bpp == 1 ? ToMono(p) : p;
        }
    }
    return lines;
}

VORAPI int WINAPI SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc,
                                    UINT StartScan, UINT cLines, const void* lpvBits, const BITMAPINFO* lpbmi,
                                    UINT ColorUse) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lpvBits || !lpbmi || ColorUse != DIB_RGB_COLORS || !DibFormatOk(lpbmi->bmiHeader)) return 0;
    std::vector<uint32_t> img;
    std::vector<uint8_t> have;
    DecodeDib(lpbmi, lpvBits, StartScan, cLines, &img, &have);
    int dw = lpbmi->bmiHeader.biWidth;
    int dh = static_cast<int>(have.size());
    // Rows not supplied stay untouched: give them no source.
    Surface surf;
    surf.width = dw;
    surf.height = dh;
    surf.stride = dw;
    surf.pixels = img.data();
    surf.monochrome = false;
    // For a bottom-up DIB the source origin is its lower-left corner.
    int top = lpbmi->bmiHeader.biHeight > 0 ? dh - ySrc - static_cast<int>(h) : ySrc;
    int lines = 0;
    for (uint8_t v : have) lines += v;
    for (int row = 0; row < static_cast<int>(h); ++row) {
        int sy = top + row;
        if (sy < 0 || sy >= dh || !have[sy]) continue;
        Surface one = surf;
        one.pixels = img.data() + static_cast<size_t>(sy) * dw;
        one.height = 1;
        Source src;
        src.surface = one;
        POINT d = dc->LogicalToSurface(POINT{xDest, yDest + row});
        Transfer(dc, d, static_cast<int>(w), 1, &src, POINT{xSrc, 0}, static_cast<int>(w), 1, SRCCOPY);
    }
    return lines;
}

VORAPI int WINAPI StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc,
                                int SrcWidth, int SrcHeight, const void* lpBits, const BITMAPINFO* lpbmi,
                                UINT iUsage, DWORD rop) {
    DeviceContext* dc = LookupDC(hdc);
    if (!dc || !lpBits || !lpbmi || iUsage != DIB_RGB_COLORS || !DibFormatOk(lpbmi->bmiHeader)) return 0;
    std::vector<uint32_t> img;
    std::vector<uint8_t> have;
    int hh = lpbmi->bmiHeader.biHeight < 0 ? -lpbmi->bmiHeader.biHeight : lpbmi->bmiHeader.biHeight;
    DecodeDib(lpbmi, lpBits, 0, static_cast<UINT>(hh), &img, &have);
    Source src;
    src.surface.width = lpbmi->bmiHeader.biWidth;
    src.surface.height = hh;
    src.surface.stride = lpbmi->bmiHeader.biWidth;
    src.surface.pixels = img.data();
    int top = lpbmi->bmiHeader.biHeight > 0 ? hh - ySrc - SrcHeight : ySrc;
    if (!Transfer(dc, dc->LogicalToSurface(POINT{xDest, yDest}), DestWidth, DestHeight, &src, POINT{xSrc, top},
                  SrcWidth, SrcHeight, rop))
        return 0;
    return hh;
}

}  // extern "C"
