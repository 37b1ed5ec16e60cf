// The object table, the stock objects, the screen surface and the
// automation calls of the GDI room.
#include "gdi_objects.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "gdi_internal.h"

namespace vor::gdi {

namespace {

// Stock objects take serials below kFirstSerial; everything else counts up
// from there and never goes back, even across resets. Values stay above
// 0x10000 so that a system colour index + 1 passed as a brush is never a
// handle.
constexpr uintptr_t kStockSerialBase = 0x1000;
constexpr uintptr_t kFirstSerial = 0x2000;
constexpr int kStockCount = 20;          // GetStockObject indices 0..19
constexpr int kDefaultBitmapIndex = 20;  // the 1x1 monochrome bitmap

struct State {
    bool initialized = false;
    uintptr_t nextSerial = kFirstSerial;
    std::unordered_map<uintptr_t, std::unique_ptr<GdiObject>> objects;
    int counts[kKindCount] = {};
    GdiObject* stock[kStockCount + 1] = {};
    bool stockFontTried[kStockCount] = {};
    int nextWidth = 1280, nextHeight = 1024;
    int width = 0, height = 0;
    std::vector<uint32_t> screen;
    uint64_t generation = 1;
    // The part of the screen drawn since a backend last took it.
    RECT dirty = {0, 0, 0, 0};
};

State& S() {
    static State s;
    return s;
}

uintptr_t MakeValue(uintptr_t serial, Kind k) { return (serial << 4) | static_cast<uintptr_t>(k); }

void InsertStock(int index, std::unique_ptr<GdiObject> obj) {
    State& s = S();
    obj->stock = true;
    uintptr_t v = MakeValue(kStockSerialBase + static_cast<uintptr_t>(index), obj->kind);
    obj->handle = reinterpret_cast<void*>(v);
    s.stock[index] = obj.get();
    s.objects[v] = std::move(obj);
}

std::unique_ptr<GdiObject> StockBrush(UINT style, COLORREF c) {
    auto b = std::make_unique<BrushObject>();
    b->style = style;
    b->color = c;
    return b;
}

std::unique_ptr<GdiObject> StockPen(UINT style, COLORREF c) {
    auto p = std::make_unique<PenObject>();
    p->style = style;
    p->color = c;
    p->width = 1;
    return p;
}

bool IsStockFontIndex(int i) {
    return i == OEM_FIXED_FONT || i == ANSI_FIXED_FONT || i == ANSI_VAR_FONT || i == SYSTEM_FONT ||
           i == DEVICE_DEFAULT_FONT || i == SYSTEM_FIXED_FONT || i == DEFAULT_GUI_FONT;
}

void CreateStockObjects() {
    InsertStock(WHITE_BRUSH, StockBrush(BS_SOLID, RGB(255, 255, 255)));
    InsertStock(LTGRAY_BRUSH, StockBrush(BS_SOLID, RGB(192, 192, 192)));
    InsertStock(GRAY_BRUSH, StockBrush(BS_SOLID, RGB(128, 128, 128)));
    InsertStock(DKGRAY_BRUSH, StockBrush(BS_SOLID, RGB(64, 64, 64)));
    InsertStock(BLACK_BRUSH, StockBrush(BS_SOLID, RGB(0, 0, 0)));
    InsertStock(NULL_BRUSH, StockBrush(BS_NULL, 0));
    InsertStock(WHITE_PEN, StockPen(PS_SOLID, RGB(255, 255, 255)));
    InsertStock(BLACK_PEN, StockPen(PS_SOLID, RGB(0, 0, 0)));
    InsertStock(NULL_PEN, StockPen(PS_NULL, 0));
    InsertStock(kDefaultBitmapIndex, NewBitmap(1, 1, 1));
}

void ClearScreen() {
    State& s = S();
    uint32_t desktop = ColorToPixel(GetSysColor(COLOR_DESKTOP));
    s.screen.assign(static_cast<size_t>(s.width) * s.height, desktop);
    ++s.generation;
    s.dirty = RECT{0, 0, s.width, s.height};
}

void Build() {
    State& s = S();
    s.width = s.nextWidth;
    s.height = s.nextHeight;
    CreateStockObjects();
    ClearScreen();
}

}  // namespace

void EnsureInit() {
    State& s = S();
    if (s.initialized) return;
    s.initialized = true;
    Build();
}

void Init() { EnsureInit(); }

void Reset() {
    State& s = S();
    if (!s.initialized) {
        EnsureInit();
        return;
    }
    // Device contexts first, so that nothing is held while the rest goes.
    for (auto it = s.objects.begin(); it != s.objects.end();) {
        if (it->second->kind == Kind::DC)
            it = s.objects.erase(it);
        else
            ++it;
    }
    s.objects.clear();
    for (int& c : s.counts) c = 0;
    for (auto& p : s.stock) p = nullptr;
    for (bool& b : s.stockFontTried) b = false;
    ReleaseKeptPixelBlocks();
    Build();
}

GdiObject* Find(const void* h) {
    if (!h) return nullptr;
    EnsureInit();
    State& s = S();
    auto it = s.objects.find(reinterpret_cast<uintptr_t>(h));
    return it == s.objects.end() ? nullptr : it->second.get();
}

void* Insert(std::unique_ptr<GdiObject> obj) {
    EnsureInit();
    State& s = S();
    uintptr_t v = MakeValue(s.nextSerial++, obj->kind);
    obj->handle = reinterpret_cast<void*>(v);
    if (obj->Counted()) ++s.counts[static_cast<int>(obj->kind)];
    s.objects[v] = std::move(obj);
    return reinterpret_cast<void*>(v);
}

void Erase(GdiObject* obj) {
    State& s = S();
    if (obj->Counted()) --s.counts[static_cast<int>(obj->kind)];
    s.objects.erase(reinterpret_cast<uintptr_t>(obj->handle));
}

GdiObject* Stock(int index) {
    EnsureInit();
    State& s = S();
    if (index < 0 || index >= kStockCount) return nullptr;
    if (!s.stock[index] && IsStockFontIndex(index) && !s.stockFontTried[index]) {
        s.stockFontTried[index] = true;
        std::unique_ptr<FontObject> f = text::CreateStockFont(index);
        if (f) {
            auto slot = std::make_unique<FontSlot>();
            slot->font = std::move(f);
            InsertStock(index, std::move(slot));
        }
    }
    return s.stock[index];
}

HBITMAP DefaultBitmap() {
    EnsureInit();
    return static_cast<HBITMAP>(S().stock[kDefaultBitmapIndex]->handle);
}

void Hold(const void* h) {
    if (GdiObject* o = Find(h)) ++o->selected;
}

void Release(const void* h) {
    if (GdiObject* o = Find(h))
        if (o->selected > 0) --o->selected;
}

Surface ScreenSurface() {
    EnsureInit();
    State& s = S();
    Surface surf;
    surf.pixels = s.screen.data();
    surf.stride = s.width;
    surf.width = s.width;
    surf.height = s.height;
    return surf;
}

void NoteScreenDrawn(const RECT& area) {
    State& s = S();
    ++s.generation;
    if (area.left >= area.right || area.top >= area.bottom) return;
    RECT& d = s.dirty;
    if (d.left >= d.right || d.top >= d.bottom) {
        d = area;
        return;
    }
    d.left = std::min(d.left, area.left);
    d.top = std::min(d.top, area.top);
    d.right = std::max(d.right, area.right);
    d.bottom = std::max(d.bottom, area.bottom);
}

bool TakeScreenDirty(RECT* out) {
    State& s = S();
    RECT d = s.dirty;
    s.dirty = RECT{0, 0, 0, 0};
    if (out) *out = d;
    return d.left < d.right && d.top < d.bottom;
}

std::unique_ptr<BitmapObject> NewBitmap(int width, int height, int bpp) {
    auto b = std::make_unique<BitmapObject>();
    b->width = width;
    b->height = height;
    b->bpp = bpp;
    // A new device-dependent bitmap is black, as GDI's are.
    b->store.Assign(static_cast<size_t>(width) * height, 0);
    return b;
}

int ScreenWidth() {
    EnsureInit();
    return S().width;
}

int ScreenHeight() {
    EnsureInit();
    return S().height;
}

uint32_t* ScreenPixels() {
    EnsureInit();
    return S().screen.data();
}

uint64_t ScreenGeneration() { return S().generation; }

BOOL MakeSystemObject(HGDIOBJ h) {
    GdiObject* o = Find(h);
    if (!o || o->stock || o->kind == Kind::DC) return FALSE;
    if (o->Counted()) --S().counts[static_cast<int>(o->kind)];
    o->system = true;
    return TRUE;
}

BOOL MarkIconShared(HICON hIcon) {
    IconObject* icon = FindIcon(hIcon);
    if (!icon) return FALSE;
    return MakeSystemObject(hIcon);
}

bool GetIconPixels(HICON hIcon, IconPixels* out) {
    IconObject* icon = FindIcon(hIcon);
    if (!icon || !out) return false;
    out->width = icon->width;
    out->height = icon->height;
    out->xHotspot = icon->xHotspot;
    out->yHotspot = icon->yHotspot;
    out->argb = icon->argb.data();
    return true;
}

int ObjectCount(int kind) {
    EnsureInit();
    State& s = S();
    if (kind == VOR_GDI_ALL) {
        int n = 0;
        for (int k = 1; k < kKindCount; ++k) n += s.counts[k];
        return n;
    }
    if (kind < 1 || kind >= kKindCount) return 0;
    return s.counts[kind];
}

void SetNextScreenSize(int cx, int cy) {
    State& s = S();
    if (cx > 0 && cy > 0 && cx <= 16384 && cy <= 16384) {
        s.nextWidth = cx;
        s.nextHeight = cy;
    }
}

}  // namespace vor::gdi

using namespace vor::gdi;

extern "C" {

VORAPI int VorGdiObjectCount(int kind) { return ObjectCount(kind); }

VORAPI void VorSetScreenSize(int cx, int cy) { SetNextScreenSize(cx, cy); }

VORAPI BOOL VorSaveScreenPng(const char* path, const RECT* area) {
    if (!path || !*path) return FALSE;
    Surface screen = ScreenSurface();
    RECT rc = {0, 0, screen.width, screen.height};
    if (area) {
        rc.left = std::max<LONG>(area->left, 0);
        rc.top = std::max<LONG>(area->top, 0);
        rc.right = std::min<LONG>(area->right, screen.width);
        rc.bottom = std::min<LONG>(area->bottom, screen.height);
    }
    if (rc.right <= rc.left || rc.bottom <= rc.top) return FALSE;
    FILE* f = std::fopen(path, "wb");
    if (!f) return FALSE;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        std::fclose(f);
        return FALSE;
    }
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    std::vector<png_byte> row(static_cast<size_t>(w) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        std::remove(path);
        return FALSE;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = rc.top; y < rc.bottom; ++y) {
        const uint32_t* src = screen.Row(y) + rc.left;
        for (int x = 0; x < w; ++x) {
            row[x * 3 + 0] = static_cast<png_byte>((src[x] >> 16) & 0xFF);
            row[x * 3 + 1] = static_cast<png_byte>((src[x] >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<png_byte>(src[x] & 0xFF);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0 ? TRUE : FALSE;
}

}  // extern "C"
