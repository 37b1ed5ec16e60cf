// Icons and cursors: a colour image and an AND mask.
#include <cstring>

#include "gdi_internal.h"
#include "gdi_objects.h"
#include "raster.h"

using namespace vor::gdi;

namespace vor::gdi {

void IconObject::BuildArgb() {
    argb.assign(image.size(), 0);
    if (!alpha.empty()) {
        for (size_t i = 0; i < image.size(); ++i) argb[i] = (uint32_t(alpha[i]) << 24) | (image[i] & kRgbMask);
        return;
    }
    for (size_t i = 0; i < image.size(); ++i) {
        bool transparent = (mask[i] & kRgbMask) != 0;
        uint32_t c = image[i] & kRgbMask;
        // Transparent where the mask is set and the image black; inverting
        // pixels (mask set, image not black) are shown in their colour.
        argb[i] = (transparent && c == 0) ? 0 : (0xFF000000u | c);
    }
}

}  // namespace vor::gdi

namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;

// A plane of pixels read from a bitmap, rows [top, top + h).
std::vector<uint32_t> Plane(BitmapObject* b, int top, int w, int h, bool mono) {
    std::vector<uint32_t> out(static_cast<size_t>(w) * h, 0);
    Surface s = b->MakeSurface();
    for (int y = 0; y < h; ++y) {
        int sy = top + y;
        if (sy < 0 || sy >= s.height) continue;
        for (int x = 0; x < w && x < s.width; ++x) {
            uint32_t p = s.Row(sy)[x] & kRgbMask;
            if (mono && !s.monochrome) {
                unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, bl = p & 0xFF;
                p = (r * 299 + g * 587 + bl * 114) / 1000 >= 128 ? kWhite : 0;
            }
            out[static_cast<size_t>(y) * w + x] = p;
        }
    }
    return out;
}

// The alpha channel of a 32-bpp colour plane read raw, or empty when every
// alpha is 0 (an image without one).
std::vector<uint8_t> AlphaOf(BitmapObject* b, int w, int h) {
    if (b->bpp != 32) return {};
    std::vector<uint8_t> a(static_cast<size_t>(w) * h, 0);
    Surface s = b->MakeSurface();
    bool any = false;
    for (int y = 0; y < h && y < s.height; ++y)
        for (int x = 0; x < w && x < s.width; ++x) {
            uint8_t v = static_cast<uint8_t>(s.Row(y)[x] >> 24);
            a[static_cast<size_t>(y) * w + x] = v;
            any = any || v != 0;
        }
    if (!any) a.clear();
    return a;
}

// Unpacks a monochrome plane with rows padded to 16 bits, 1 = white.
std::vector<uint32_t> MonoBits(const void* bits, int w, int h) {
    std::vector<uint32_t> out(static_cast<size_t>(w) * h, 0);
    const uint8_t* p = static_cast<const uint8_t*>(bits);
    int rb = ((w + 15) / 16) * 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((p[y * rb + x / 8] >> (7 - x % 8)) & 1) out[static_cast<size_t>(y) * w + x] = kWhite;
    return out;
}

HICON InsertIcon(std::unique_ptr<IconObject> icon) {
    icon->BuildArgb();
    return static_cast<HICON>(Insert(std::move(icon)));
}

HBITMAP BitmapFromPixels(const std::vector<uint32_t>& px, int w, int h, int bpp) {
    auto b = NewBitmap(w, h, bpp);
    b->store.Assign(px);
    return static_cast<HBITMAP>(Insert(std::move(b)));
}

// Draws an icon's planes into a DC rectangle (surface coordinates),
// scaling to the nearest pixel.
void PaintIcon(DeviceContext* dc, const IconObject* icon, const RECT& d, UINT flags) {
    int dw = d.right - d.left, dh = d.bottom - d.top;
    if (dw <= 0 || dh <= 0 || icon->width <= 0 || icon->height <= 0) return;
    bool useMask = (flags & DI_MASK) != 0, useImage = (flags & DI_IMAGE) != 0;
    bool mono = dc->surface.monochrome;
    ForEachSpan(dc, d, [&](uint32_t* row, LONG x0, LONG x1, LONG y) {
        int sy = static_cast<int>((static_cast<long long>(y - d.top) * icon->height) / dh);
        for (LONG x = x0; x < x1; ++x) {
            int sx = static_cast<int>((static_cast<long long>(x - d.left) * icon->width) / dw);
            size_t i = static_cast<size_t>(sy) * icon->width + sx;
            uint32_t m = icon->mask[i] & kRgbMask;
            uint32_t c = icon->image[i] & kRgbMask;
            if (mono) c = ColorToSurfacePixel(dc->surface, PixelToColor(c));
            uint32_t v = row[x] & kRgbMask;
            if (useMask && useImage && !icon->alpha.empty()) {
                // An image with an alpha channel is blended; the mask is unused.
                unsigned a = icon->alpha[i];
                if (a == 0) continue;
                if (mono) {
                    if (a >= 128) row[x] = c;
                    continue;
                }
                uint32_t src = icon->image[i] & kRgbMask;
                uint32_t out = 0;
                for (int sh = 0; sh <= 16; sh += 8) {
                    unsigned cs = (src >> sh) & 0xFF, cd = (v >> sh) & 0xFF;
                    out |= ((cs * a + cd * (255 - a) + 127) / 255) << sh;
                }
                row[x] = out;
                continue;
            }
            if (useMask && useImage)
                v = (v & m) ^ c;
            else if (useMask)
                v = v & m;
            else
                v = c;
            row[x] = v;
        }
    });
    NoteDrawn(dc);
}

}  // namespace

extern "C" {

VORAPI HICON WINAPI CreateIconIndirect(PICONINFO piconinfo) {
    if (!piconinfo) return nullptr;
    BitmapObject* mask = FindBitmap(piconinfo->hbmMask);
    if (!mask) return nullptr;
    BitmapObject* color = nullptr;
    if (piconinfo->hbmColor) {
        color = FindBitmap(piconinfo->hbmColor);
        if (!color) return nullptr;
    }
    auto icon = std::make_unique<IconObject>();
    icon->fIcon = piconinfo->fIcon != FALSE;
    icon->xHotspot = icon->fIcon ? 0 : static_cast<int>(piconinfo->xHotspot);
    icon->yHotspot = icon->fIcon ? 0 : static_cast<int>(piconinfo->yHotspot);
    if (color) {
        icon->width = color->width;
        icon->height = color->height;
        icon->hasColor = true;
        icon->image = Plane(color, 0, icon->width, icon->height, false);
        icon->mask = Plane(mask, 0, icon->width, icon->height, true);
        icon->alpha = AlphaOf(color, icon->width, icon->height);
    } else {
        if (mask->height < 2) return nullptr;
        icon->width = mask->width;
        icon->height = mask->height / 2;
        icon->mask = Plane(mask, 0, icon->width, icon->height, true);
        icon->image = Plane(mask, icon->height, icon->width, icon->height, true);
    }
    if (icon->fIcon) {
        icon->xHotspot = icon->width / 2;
        icon->yHotspot = icon->height / 2;
    }
    return InsertIcon(std::move(icon));
}

VORAPI HICON WINAPI CreateIcon(HINSTANCE hInstance, int nWidth, int nHeight, BYTE cPlanes, BYTE cBitsPixel,
                               const BYTE* lpbANDbits, const BYTE* lpbXORbits) {
    if (nWidth <= 0 || nHeight <= 0 || nWidth > 1024 || nHeight > 1024 || !lpbANDbits || !lpbXORbits) return nullptr;
    if (cPlanes != 1 || (cBitsPixel != 1 && cBitsPixel != 32)) return nullptr;
    auto icon = std::make_unique<IconObject>();
    icon->width = nWidth;
    icon->height = nHeight;
    icon->xHotspot = nWidth / 2;
    icon->yHotspot = nHeight / 2;
    icon->mask = MonoBits(lpbANDbits, nWidth, nHeight);
    if (cBitsPixel == 1) {
        icon->image = MonoBits(lpbXORbits, nWidth, nHeight);
    } else {
        icon->hasColor = true;
        bool anyAlpha = false;
        icon->image.resize(static_cast<size_t>(nWidth) * nHeight);
        for (size_t i = 0; i < icon->image.size(); ++i) {
            const BYTE* p = lpbXORbits + i * 4;
            icon->image[i] = (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
            if (p[3]) anyAlpha = true;
        }
        if (anyAlpha) {
            icon->alpha.resize(icon->image.size());
            for (size_t i = 0; i < icon->image.size(); ++i) icon->alpha[i] = lpbXORbits[i * 4 + 3];
        }
    }
    return InsertIcon(std::move(icon));
}

VORAPI HCURSOR WINAPI CreateCursor(HINSTANCE hInst, int xHotSpot, int yHotSpot, int nWidth, int nHeight,
                                   const void* pvANDPlane, const void* pvXORPlane) {
    if (nWidth <= 0 || nHeight <= 0 || nWidth > 1024 || nHeight > 1024 || !pvANDPlane || !pvXORPlane) return nullptr;
    auto icon = std::make_unique<IconObject>();
    icon->fIcon = false;
    icon->width = nWidth;
    icon->height = nHeight;
    icon->xHotspot = xHotSpot;
    icon->yHotspot = yHotSpot;
    icon->mask = MonoBits(pvANDPlane, nWidth, nHeight);
    icon->image = MonoBits(pvXORPlane, nWidth, nHeight);
    return InsertIcon(std::move(icon));
}

VORAPI HICON WINAPI CopyIcon(HICON hIcon) {
    IconObject* src = FindIcon(hIcon);
    if (!src) return nullptr;
    auto icon = std::make_unique<IconObject>();
    icon->fIcon = src->fIcon;
    icon->xHotspot = src->xHotspot;
    icon->yHotspot = src->yHotspot;
    icon->width = src->width;
    icon->height = src->height;
    icon->hasColor = src->hasColor;
    icon->image = src->image;
    icon->mask = src->mask;
    icon->alpha = src->alpha;
    return InsertIcon(std::move(icon));
}

VORAPI BOOL WINAPI GetIconInfo(HICON hIcon, PICONINFO piconinfo) {
    IconObject* icon = FindIcon(hIcon);
    if (!icon || !piconinfo) return FALSE;
    piconinfo->fIcon = icon->fIcon ? TRUE : FALSE;
    piconinfo->xHotspot = static_cast<DWORD>(icon->xHotspot);
    piconinfo->yHotspot = static_cast<DWORD>(icon->yHotspot);
    if (icon->hasColor) {
        piconinfo->hbmMask = BitmapFromPixels(icon->mask, icon->width, icon->height, 1);
        std::vector<uint32_t> px = icon->image;
        for (size_t i = 0; i < icon->alpha.size(); ++i) px[i] = (uint32_t(icon->alpha[i]) << 24) | (px[i] & kRgbMask);
        piconinfo->hbmColor = BitmapFromPixels(px, icon->width, icon->height, 32);
    } else {
        std::vector<uint32_t> both = icon->mask;
        both.insert(both.end(), icon->image.begin(), icon->image.end());
        piconinfo->hbmMask = BitmapFromPixels(both, icon->width, icon->height * 2, 1);
        piconinfo->hbmColor = nullptr;
    }
    return TRUE;
}

VORAPI BOOL WINAPI DestroyIcon(HICON hIcon) {
    IconObject* icon = FindIcon(hIcon);
    if (!icon) return FALSE;
    // Shared icons and cursors belong to their module and stay.
    if (icon->system) return TRUE;
    Erase(icon);
    return TRUE;
}

VORAPI BOOL WINAPI DestroyCursor(HCURSOR hCursor) { return DestroyIcon(hCursor); }

VORAPI BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth, UINT istepIfAniCur,
                              HBRUSH hbrFlickerFreeDraw, UINT diFlags) {
    DeviceContext* dc = LookupDC(hdc);
    IconObject* icon = FindIcon(hIcon);
    if (!dc || !icon || !(diFlags & DI_NORMAL)) return FALSE;
    if (cxWidth < 0 || cyWidth < 0) return FALSE;
    int cx = cxWidth, cy = cyWidth;
    if (cx == 0) cx = (diFlags & DI_DEFAULTSIZE) ? GetSystemMetrics(icon->fIcon ? SM_CXICON : SM_CXCURSOR) : icon->width;
    if (cy == 0)
        cy = (diFlags & DI_DEFAULTSIZE) ? GetSystemMetrics(icon->fIcon ? SM_CYICON : SM_CYCURSOR) : icon->height;
    if (hbrFlickerFreeDraw) {
        RECT rc = {xLeft, yTop, xLeft + cx, yTop + cy};
        FillRect(hdc, &rc, hbrFlickerFreeDraw);
    }
    RECT d = dc->LogicalToSurface(RECT{xLeft, yTop, xLeft + cx, yTop + cy});
    PaintIcon(dc, icon, d, diFlags);
    return TRUE;
}

VORAPI BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
    return DrawIconEx(hDC, X, Y, hIcon, 0, 0, 0, nullptr, DI_NORMAL);
}

}  // extern "C"
