// Image lists: a row of same-sized images, each with an optional mask,
// drawn onto any device context. The images are kept as plain pixels, so an
// image list holds no GDI object of its own and drawing leaks nothing.
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "user/user_internal.h"

namespace {

struct Image {
    std::vector<uint32_t> argb;   // cx * cy, 0xAARRGGBB, rows top to bottom
    std::vector<uint8_t> clear;   // cx * cy, 1 where the mask makes the pixel transparent
    bool hasAlpha = false;        // a 32-bit image with its own alpha channel
};

struct ImageListData {
    int cx = 0, cy = 0;
    UINT flags = 0;
    int grow = 4;
    COLORREF bk = CLR_NONE;
    std::vector<Image> images;
    bool Masked() const { return (flags & ILC_MASK) != 0; }
};

// Handle values count up from a base and are never reused, so a destroyed
// image list stays invalid.
std::map<uintptr_t, std::unique_ptr<ImageListData>>& Lists() {
    static auto* lists = new std::map<uintptr_t, std::unique_ptr<ImageListData>>;
    return *lists;
}
uintptr_t g_nextHandle = 0x494C0010;

ImageListData* Find(HIMAGELIST himl) {
    auto& lists = Lists();
    auto it = lists.find(reinterpret_cast<uintptr_t>(himl));
    return it == lists.end() ? nullptr : it->second.get();
}

void ResetImageLists() { Lists().clear(); }

void EnsureResetHook() {
    static bool added = false;
    if (!added) {
        added = true;
        vor::user::AddResetHook(&ResetImageLists);
    }
}

// Reads a bitmap as 32-bit top-down pixels (0xAARRGGBB). Monochrome bitmaps
// come back as black and white.
bool ReadBitmap(HBITMAP hbm, int* width, int* height, std::vector<uint32_t>* pixels) {
    BITMAP bm{};
    if (!hbm || GetObjectA(hbm, sizeof(bm), &bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0) return false;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = -bm.bmHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    pixels->assign(size_t(bm.bmWidth) * bm.bmHeight, 0);
    HDC hdc = CreateCompatibleDC(nullptr);
    int lines = GetDIBits(hdc, hbm, 0, bm.bmHeight, pixels->data(), &bmi, DIB_RGB_COLORS);
    DeleteDC(hdc);
    if (lines <= 0) return false;
    *width = bm.bmWidth;
    *height = bm.bmHeight;
    return true;
}

uint32_t ToArgb(COLORREF c) { return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c); }

// Cuts a strip of images (and of its mask, when given) into images of the
// list's size. Pixels outside the strip stay black and opaque.
std::vector<Image> CutStrip(const ImageListData& il, const std::vector<uint32_t>& img, int w, int h,
                            const std::vector<uint32_t>* mask, int mw, int mh, const COLORREF* maskColour) {
    std::vector<Image> out;
    int count = std::max(1, w / il.cx);
    bool alpha = false;
    if ((il.flags & 0xFE) == ILC_COLOR32)
        for (uint32_t p : img)
            if (p >> 24) { alpha = true; break; }
    for (int n = 0; n < count; ++n) {
        Image im;
        im.argb.assign(size_t(il.cx) * il.cy, 0xFF000000u);
        im.clear.assign(size_t(il.cx) * il.cy, 0);
        im.hasAlpha = alpha;
        for (int y = 0; y < il.cy && y < h; ++y)
            for (int x = 0; x < il.cx; ++x) {
                int sx = n * il.cx + x;
                if (sx >= w) break;
                uint32_t p = img[size_t(y) * w + sx];
                size_t d = size_t(y) * il.cx + x;
                im.argb[d] = alpha ? p : (p | 0xFF000000u);
                if (!il.Masked()) continue;
                if (mask && sx < mw && y < mh) {
                    // White in the mask is transparent, black opaque.
                    im.clear[d] = ((*mask)[size_t(y) * mw + sx] & 0xFFFFFF) != 0;
                } else if (maskColour) {
                    im.clear[d] = (p & 0xFFFFFF) == ToArgb(*maskColour);
                } else if (alpha) {
                    im.clear[d] = (p >> 24) == 0;
                }
            }
        out.push_back(std::move(im));
    }
    return out;
}

// Nearest-neighbour scaling of an icon of another size into one image.
Image ScaleIcon(const ImageListData& il, const std::vector<uint32_t>& img, const std::vector<uint8_t>& clear,
                int w, int h, bool alpha) {
    Image im;
    im.argb.resize(size_t(il.cx) * il.cy);
    im.clear.resize(size_t(il.cx) * il.cy);
    im.hasAlpha = alpha;
    for (int y = 0; y < il.cy; ++y)
        for (int x = 0; x < il.cx; ++x) {
            int sx = x * w / il.cx, sy = y * h / il.cy;
            size_t s = size_t(sy) * w + sx, d = size_t(y) * il.cx + x;
            im.argb[d] = alpha ? img[s] : (img[s] | 0xFF000000u);
            im.clear[d] = il.Masked() ? clear[s] : 0;
        }
    return im;
}

bool ImageFromIcon(const ImageListData& il, HICON hicon, Image* out) {
    ICONINFO ii{};
    if (!hicon || !GetIconInfo(hicon, &ii)) return false;
    std::vector<uint32_t> color, mask;
    int cw = 0, ch = 0, mw = 0, mh = 0;
    bool okMask = ReadBitmap(ii.hbmMask, &mw, &mh, &mask);
    bool okColor = ii.hbmColor ? ReadBitmap(ii.hbmColor, &cw, &ch, &color) : false;
    if (ii.hbmMask) DeleteObject(ii.hbmMask);
    if (ii.hbmColor) DeleteObject(ii.hbmColor);
    if (!okMask) return false;
    std::vector<uint8_t> clear;
    bool alpha = false;
    if (okColor) {
        for (uint32_t p : color)
            if (p >> 24) { alpha = true; break; }
        clear.resize(size_t(cw) * ch);
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x)
                clear[size_t(y) * cw + x] =
                    (y < mh && x < mw) ? ((mask[size_t(y) * mw + x] & 0xFFFFFF) != 0) : 0;
    } else {
        // A monochrome icon: the AND mask above the XOR image.
        cw = mw;
        ch = mh / 2;
        if (ch <= 0) return false;
        color.resize(size_t(cw) * ch);
        clear.resize(size_t(cw) * ch);
        for (int y = 0; y < ch; ++y)
            for (int x = 0; x < cw; ++x) {
                clear[size_t(y) * cw + x] = (mask[size_t(y) * mw + x] & 0xFFFFFF) != 0;
                color[size_t(y) * cw + x] = mask[size_t(y + ch) * mw + x] & 0xFFFFFF;
            }
    }
    *out = ScaleIcon(il, color, clear, cw, ch, alpha);
    return true;
}

uint32_t Blend(uint32_t dst, uint32_t src, int alpha) {
    uint32_t r = 0;
    for (int sh = 0; sh <= 16; sh += 8) {
        int d = (dst >> sh) & 0xFF, s = (src >> sh) & 0xFF;
        r |= uint32_t((s * alpha + d * (255 - alpha) + 127) / 255) << sh;
    }
    return r;
}

}  // namespace

extern "C" {

HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow) {
    EnsureResetHook();
    if (cx <= 0 || cy <= 0 || cx > 4096 || cy > 4096) return nullptr;
    auto il = std::make_unique<ImageListData>();
    il->cx = cx;
    il->cy = cy;
    il->flags = flags;
    il->grow = std::max(1, cGrow);
    il->images.reserve(size_t(std::clamp(cInitial, 0, 1024)));
    uintptr_t h = g_nextHandle;
    g_nextHandle += 16;
    Lists()[h] = std::move(il);
    return reinterpret_cast<HIMAGELIST>(h);
}

BOOL WINAPI ImageList_Destroy(HIMAGELIST himl) {
    return Lists().erase(reinterpret_cast<uintptr_t>(himl)) ? TRUE : FALSE;
}

int WINAPI ImageList_GetImageCount(HIMAGELIST himl) {
    ImageListData* il = Find(himl);
    return il ? int(il->images.size()) : 0;
}

BOOL WINAPI ImageList_SetImageCount(HIMAGELIST himl, UINT uNewCount) {
    ImageListData* il = Find(himl);
    if (!il || uNewCount > 100000) return FALSE;
    Image blank;
    blank.argb.assign(size_t(il->cx) * il->cy, 0xFF000000u);
    blank.clear.assign(size_t(il->cx) * il->cy, 0);
    il->images.resize(uNewCount, blank);
    return TRUE;
}

int WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask) {
    ImageListData* il = Find(himl);
    int w, h, mw = 0, mh = 0;
    std::vector<uint32_t> img, mask;
    if (!il || !ReadBitmap(hbmImage, &w, &h, &img)) return -1;
    bool haveMask = hbmMask && ReadBitmap(hbmMask, &mw, &mh, &mask);
    if (hbmMask && !haveMask) return -1;
    auto cut = CutStrip(*il, img, w, h, haveMask ? &mask : nullptr, mw, mh, nullptr);
    int first = int(il->images.size());
    for (auto& im : cut) il->images.push_back(std::move(im));
    return first;
}

int WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask) {
    ImageListData* il = Find(himl);
    int w, h;
    std::vector<uint32_t> img;
    if (!il || !ReadBitmap(hbmImage, &w, &h, &img)) return -1;
    auto cut = CutStrip(*il, img, w, h, nullptr, 0, 0, &crMask);
    int first = int(il->images.size());
    for (auto& im : cut) il->images.push_back(std::move(im));
    return first;
}

BOOL WINAPI ImageList_Replace(HIMAGELIST himl, int i, HBITMAP hbmImage, HBITMAP hbmMask) {
    ImageListData* il = Find(himl);
    int w, h, mw = 0, mh = 0;
    std::vector<uint32_t> img, mask;
    if (!il || i < 0 || i >= int(il->images.size()) || !ReadBitmap(hbmImage, &w, &h, &img)) return FALSE;
    bool haveMask = hbmMask && ReadBitmap(hbmMask, &mw, &mh, &mask);
    auto cut = CutStrip(*il, img, w, h, haveMask ? &mask : nullptr, mw, mh, nullptr);
    il->images[size_t(i)] = std::move(cut.front());
    return TRUE;
}

int WINAPI ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon) {
    ImageListData* il = Find(himl);
    if (!il || i < -1 || i >= int(il->images.size())) return -1;
    Image im;
    if (!ImageFromIcon(*il, hicon, &im)) return -1;
    if (i == -1) {
        il->images.push_back(std::move(im));
        return int(il->images.size()) - 1;
    }
    il->images[size_t(i)] = std::move(im);
    return i;
}

BOOL WINAPI ImageList_Remove(HIMAGELIST himl, int i) {
    ImageListData* il = Find(himl);
    if (!il) return FALSE;
    if (i == -1) {
        il->images.clear();
        return TRUE;
    }
    if (i < 0 || i >= int(il->images.size())) return FALSE;
    il->images.erase(il->images.begin() + i);
    return TRUE;
}

COLORREF WINAPI ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk) {
    ImageListData* il = Find(himl);
    if (!il) return CLR_NONE;
    COLORREF old = il->bk;
    il->bk = clrBk;
    return old;
}

COLORREF WINAPI ImageList_GetBkColor(HIMAGELIST himl) {
    ImageListData* il = Find(himl);
    return il ? il->bk : CLR_NONE;
}

BOOL WINAPI ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy) {
    ImageListData* il = Find(himl);
    if (!il || !cx || !cy) return FALSE;
    *cx = il->cx;
    *cy = il->cy;
    return TRUE;
}

BOOL WINAPI ImageList_SetIconSize(HIMAGELIST himl, int cx, int cy) {
    ImageListData* il = Find(himl);
    if (!il || cx <= 0 || cy <= 0 || cx > 4096 || cy > 4096) return FALSE;
    // As documented, changing the size removes every image.
    il->cx = cx;
    il->cy = cy;
    il->images.clear();
    return TRUE;
}

BOOL WINAPI ImageList_DrawEx(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, int dx, int dy, COLORREF rgbBk,
                             COLORREF rgbFg, UINT fStyle) {
    ImageListData* il = Find(himl);
    if (!il || i < 0 || i >= int(il->images.size()) || !hdcDst) return FALSE;
    const Image& im = il->images[size_t(i)];
    int w = dx > 0 ? std::min(dx, il->cx) : il->cx;
    int h = dy > 0 ? std::min(dy, il->cy) : il->cy;

    // Read the destination, compose in memory, write it back: this serves
    // masks, alpha and blending alike on any kind of device context.
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = w;
    bmi.bmiHeader.biHeight = -h;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(hdcDst, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) {
        if (dib) DeleteObject(dib);
        return FALSE;
    }
    HDC mem = CreateCompatibleDC(hdcDst);
    if (!mem) {
        DeleteObject(dib);
        return FALSE;
    }
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, hdcDst, x, y, SRCCOPY);
    auto* px = static_cast<uint32_t*>(bits);

    const bool maskOnly = (fStyle & ILD_MASK) != 0 && !(fStyle & ILD_IMAGE);
    const bool transparent = il->Masked() && ((fStyle & ILD_TRANSPARENT) || (fStyle & ILD_MASK) ||
                                              (rgbBk == CLR_NONE) || (rgbBk == CLR_DEFAULT && il->bk == CLR_NONE));
    COLORREF bk = rgbBk == CLR_DEFAULT ? il->bk : rgbBk;
    COLORREF fg = (rgbFg == CLR_DEFAULT || rgbFg == CLR_NONE) ? GetSysColor(COLOR_HIGHLIGHT) : rgbFg;
    int blend = (fStyle & ILD_BLEND50) ? 128 : (fStyle & ILD_BLEND25) ? 64 : 0;
    if (rgbFg == CLR_NONE) blend = 0;

    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            size_t s = size_t(yy) * il->cx + xx;
            uint32_t& d = px[size_t(yy) * w + xx];
            bool clear = il->Masked() && im.clear[s];
            if (maskOnly) {
                d = clear ? 0x00FFFFFF : 0x00000000;
                continue;
            }
            if (clear) {
                if (!transparent && bk != CLR_NONE) d = ToArgb(bk);
                continue;
            }
            uint32_t src = im.argb[s] & 0xFFFFFF;
            if (blend) src = Blend(src, ToArgb(fg), blend);
            int a = im.hasAlpha ? int(im.argb[s] >> 24) : 255;
            d = (a == 255) ? src : Blend(d & 0xFFFFFF, src, a);
        }
    BitBlt(hdcDst, x, y, w, h, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
    return TRUE;
}

BOOL WINAPI ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle) {
    return ImageList_DrawEx(himl, i, hdcDst, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, fStyle);
}

HICON WINAPI ImageList_GetIcon(HIMAGELIST himl, int i, UINT flags) {
    ImageListData* il = Find(himl);
    if (!il || i < 0 || i >= int(il->images.size())) return nullptr;
    const Image& im = il->images[size_t(i)];
    std::vector<uint32_t> color(im.argb.size());
    for (size_t k = 0; k < color.size(); ++k) color[k] = im.clear[k] ? 0 : im.argb[k];
    // Monochrome rows are padded to 16 bits, as CreateBitmap expects.
    int stride = ((il->cx + 15) / 16) * 2;
    std::vector<BYTE> mask(size_t(stride) * il->cy, 0);
    for (int y = 0; y < il->cy; ++y)
        for (int x = 0; x < il->cx; ++x)
            if (im.clear[size_t(y) * il->cx + x]) mask[size_t(y) * stride + x / 8] |= BYTE(0x80 >> (x % 8));
    ICONINFO ii{};
    ii.fIcon = TRUE;
    ii.hbmColor = CreateBitmap(il->cx, il->cy, 1, 32, color.data());
    ii.hbmMask = CreateBitmap(il->cx, il->cy, 1, 1, mask.data());
    HICON icon = (ii.hbmColor && ii.hbmMask) ? CreateIconIndirect(&ii) : nullptr;
    if (ii.hbmColor) DeleteObject(ii.hbmColor);
    if (ii.hbmMask) DeleteObject(ii.hbmMask);
    return icon;
}

}  // extern "C"
