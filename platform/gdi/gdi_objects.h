// The GDI object table: every pen, brush, bitmap, region, font, icon and
// device context is an object here, found by its handle. Handle values are
// a serial number that only grows (reset included) with the kind in the low
// four bits, so a stale handle never finds a newer object. Stock objects have
// fixed handle values that survive a reset.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "dc.h"
#include "pixel_store.h"
#include "vorplatform.h"

namespace vor::gdi {

enum class Kind : int {
    DC = VOR_GDI_DC,
    Bitmap = VOR_GDI_BITMAP,
    Pen = VOR_GDI_PEN,
    Brush = VOR_GDI_BRUSH,
    Font = VOR_GDI_FONT,
    Region = VOR_GDI_REGION,
    Icon = VOR_GDI_ICON,
};
constexpr int kKindCount = 8;

struct GdiObject {
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;
    Kind kind;
    void* handle = nullptr;
    bool stock = false;   // GDI's own stock objects
    bool system = false;  // made a system object (MakeSystemObject) or a shared icon
    int selected = 0;     // how many DCs (or saved DC states) hold it
    bool Counted() const { return !stock && !system; }
};

struct PenObject : GdiObject {
    PenObject() : GdiObject(Kind::Pen) {}
    UINT style = PS_SOLID;
    int width = 1;  // 0 is drawn as 1
    COLORREF color = 0;
};

struct BrushObject : GdiObject {
    BrushObject() : GdiObject(Kind::Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0;
    // BS_PATTERN: a copy of the bitmap's pixels, made at creation.
    int patWidth = 0, patHeight = 0;
    bool patMono = false;
    std::vector<uint32_t> pattern;
    HBITMAP patternSource = nullptr;  // reported by GetObject
};

struct BitmapObject : GdiObject {
    BitmapObject() : GdiObject(Kind::Bitmap) {}
    int width = 0, height = 0;
    int bpp = 32;  // 1 or 32; a 1-bpp bitmap holds only 0x000000 and 0xFFFFFF
    PixelStore store;  // device-dependent bitmaps
    // DIB sections: the caller's view of the pixels, 32 bpp.
    bool dib = false;
    bool topDown = false;
    std::unique_ptr<uint32_t[]> dibBits;
    BITMAPINFOHEADER dibHeader = {};
    HDC selectedIn = nullptr;

    Surface MakeSurface() {
        Surface s;
        s.width = width;
        s.height = height;
        s.monochrome = bpp == 1;
        if (dib) {
            if (topDown) {
                s.pixels = dibBits.get();
                s.stride = width;
            } else {
                s.pixels = dibBits.get() + static_cast<ptrdiff_t>(height - 1) * width;
                s.stride = -static_cast<ptrdiff_t>(width);
            }
        } else {
            s.pixels = store.data();
            s.stride = width;
        }
        return s;
    }
};

struct RegionObject : GdiObject {
    RegionObject() : GdiObject(Kind::Region) {}
    Region rgn;
};

struct FontSlot : GdiObject {
    FontSlot() : GdiObject(Kind::Font) {}
    std::unique_ptr<FontObject> font;
};

struct IconObject : GdiObject {
    IconObject() : GdiObject(Kind::Icon) {}
    bool fIcon = true;
    int xHotspot = 0, yHotspot = 0;
    int width = 0, height = 0;
    bool hasColor = false;         // false: a monochrome icon (XOR plane is black/white)
    std::vector<uint32_t> image;   // XOR plane, 0x00RRGGBB
    std::vector<uint32_t> mask;    // AND plane, 0x000000 (opaque) or 0xFFFFFF (transparent)
    std::vector<uint8_t> alpha;    // per-pixel alpha of a 32-bpp image that has one, else empty
    std::vector<uint32_t> argb;    // for GetIconPixels
    void BuildArgb();
};

struct DCObject : GdiObject {
    DCObject() : GdiObject(Kind::DC) {}
    DeviceContext dc;
};

// Table access.
void EnsureInit();
GdiObject* Find(const void* h);
template <typename T>
T* FindAs(const void* h, Kind k) {
    GdiObject* o = Find(h);
    return (o && o->kind == k) ? static_cast<T*>(o) : nullptr;
}
inline PenObject* FindPen(const void* h) { return FindAs<PenObject>(h, Kind::Pen); }
inline BrushObject* FindBrush(const void* h) { return FindAs<BrushObject>(h, Kind::Brush); }
inline BitmapObject* FindBitmap(const void* h) { return FindAs<BitmapObject>(h, Kind::Bitmap); }
inline RegionObject* FindRegion(const void* h) { return FindAs<RegionObject>(h, Kind::Region); }
inline FontSlot* FindFontSlot(const void* h) { return FindAs<FontSlot>(h, Kind::Font); }
inline IconObject* FindIcon(const void* h) { return FindAs<IconObject>(h, Kind::Icon); }

// Adds an object and answers its new handle.
void* Insert(std::unique_ptr<GdiObject> obj);
// Removes and frees an object (no checks).
void Erase(GdiObject* obj);

// Stock objects by GetStockObject index; the internal 1x1 monochrome
// bitmap that a new memory DC holds.
GdiObject* Stock(int index);
HBITMAP DefaultBitmap();

// Selection bookkeeping: objects held by a DC cannot be deleted.
void Hold(const void* h);
void Release(const void* h);

// The screen.
Surface ScreenSurface();
// Bumps the generation and adds `area` (screen coordinates) to the part of
// the screen drawn since TakeScreenDirty.
void NoteScreenDrawn(const RECT& area);

// A 32-bpp or 1-bpp bitmap object, not yet in the table.
std::unique_ptr<BitmapObject> NewBitmap(int width, int height, int bpp);

}  // namespace vor::gdi
