// The device-context object behind an HDC, as the text engine and the other
// GDI files see it, and the font slot of the GDI object table.
//
// Coordinates. Three spaces are in play:
//   logical  - what the caller passes to a drawing call;
//   device   - logical - windowOrg + viewportOrg (MM_TEXT only);
//   surface  - device + origin: the pixel of the target surface (the screen,
//              or the bitmap selected into a memory DC).
// The clip is kept in surface coordinates, already intersected with the
// visible region and the surface bounds, so a glyph renderer only needs
// LogicalToSurface and the clip.
//
// Nothing here is exported from VORPlatform.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "region.h"
#include "windows.h"

namespace vor::gdi {

// Pixels a DC draws into: 0x00RRGGBB, row y starts at pixels + y * stride
// (stride in pixels, negative for bottom-up DIB sections). A monochrome
// bitmap is stored the same way, every pixel 0x000000 or 0xFFFFFF.
struct Surface {
    uint32_t* pixels = nullptr;
    ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
    bool monochrome = false;

    uint32_t* Row(int y) const { return pixels + y * stride; }
};

// The state SaveDC keeps and RestoreDC brings back.
struct DCState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;  // memory DCs only
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    UINT textAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
    POINT curPos = {0, 0};
    POINT viewportOrg = {0, 0};
    POINT windowOrg = {0, 0};
    POINT brushOrg = {0, 0};
    bool hasClip = false;
    Region clipRgn;  // device coordinates, valid when hasClip
};

struct DeviceContext {
    HDC handle = nullptr;
    bool screen = false;  // a DC on the screen (CreateScreenDC), else a memory DC
    HWND hwnd = nullptr;  // the window of a screen DC
    POINT origin = {0, 0};  // surface point of device (0, 0)
    Region visible;         // surface coordinates (screen DCs)
    DCState state;
    std::vector<DCState> saved;  // SaveDC stack, oldest first
    int penStyleStep = 0;        // position in the pen's dash pattern

    // Derived; call Update() after changing origin, visible, the selected
    // bitmap or the clip region.
    Surface surface;
    Region clip;  // surface coordinates: visible ∩ clip region ∩ surface bounds
    void Update();

    // Mappings are computed in 64 bits and kept within +-2^29, so that wild
    // coordinates neither overflow nor reach any surface.
    static LONG Clamp(long long v) {
        constexpr long long kLimit = 1LL << 29;
        return static_cast<LONG>(v < -kLimit ? -kLimit : (v > kLimit ? kLimit : v));
    }
    POINT LogicalToDevice(POINT p) const {
        return POINT{Clamp(static_cast<long long>(p.x) - state.windowOrg.x + state.viewportOrg.x),
                     Clamp(static_cast<long long>(p.y) - state.windowOrg.y + state.viewportOrg.y)};
    }
    POINT DeviceToLogical(POINT p) const {
        return POINT{Clamp(static_cast<long long>(p.x) + state.windowOrg.x - state.viewportOrg.x),
                     Clamp(static_cast<long long>(p.y) + state.windowOrg.y - state.viewportOrg.y)};
    }
    POINT LogicalToSurface(POINT p) const {
        POINT d = LogicalToDevice(p);
        return POINT{Clamp(static_cast<long long>(d.x) + origin.x), Clamp(static_cast<long long>(d.y) + origin.y)};
    }
    RECT LogicalToSurface(const RECT& rc) const {
        POINT a = LogicalToSurface(POINT{rc.left, rc.top});
        POINT b = LogicalToSurface(POINT{rc.right, rc.bottom});
        return RECT{a.x, a.y, b.x, b.y};
    }
    // The clip in device coordinates (what GetClipBox reports, before the
    // window origin is applied).
    Region DeviceClip() const {
        Region r = clip;
        r.Offset(-origin.x, -origin.y);
        return r;
    }
};

// The DC behind a handle, or nullptr for an invalid or deleted one.
DeviceContext* LookupDC(HDC hdc);

// Colour conversions between COLORREF (0x00BBGGRR) and surface pixels
// (0x00RRGGBB). On a monochrome surface a colour becomes white when its
// luminance is at least half, else black.
inline uint32_t ColorToPixel(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF PixelToColor(uint32_t p) {
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}
uint32_t ColorToSurfacePixel(const Surface& s, COLORREF c);

// Blends an 8-bit coverage mask (0 transparent .. 255 full) in `color` into
// the DC's target at surface point (x, y), honouring the clip. Row r of the
// mask starts at mask + r * pitch. On a monochrome target a coverage of 128
// or more sets the pixel. The binary raster operation is not applied (text
// is drawn with R2_COPYPEN semantics, as GDI does).
void BlendCoverage(DeviceContext* dc, int x, int y, int width, int height, const uint8_t* mask, int pitch,
                   COLORREF color);
// Fills a surface rectangle with a colour, honouring the clip (the opaque
// background of text output).
void FillSurfaceRect(DeviceContext* dc, const RECT& surfaceRect, COLORREF color);
// Called after drawing into a DC's surface by other means than the two
// helpers above, so that the screen generation moves.
void NoteDrawn(DeviceContext* dc);

// ---------------------------------------------------------------------------
// Fonts. The font object table lives here; what a font is belongs to the
// text engine, which derives from FontObject.

class FontObject {
public:
    virtual ~FontObject() = default;
    // GetObject for the font: copies up to cb bytes of its LOGFONTA into pv
    // (or answers the size needed when pv is null); the answer as GetObject.
    virtual int GetObjectData(int cb, void* pv) const = 0;
};

// Registers a font object and answers its new handle (counted as
// VOR_GDI_FONT until DeleteObject). Never fails for a non-null object.
HFONT RegisterFont(std::unique_ptr<FontObject> font);
// The font object behind a handle (stock fonts included), or nullptr.
FontObject* LookupFont(HFONT hfont);

namespace text {
// Implemented by the text engine: makes the stock font for one of
// OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT,
// DEVICE_DEFAULT_FONT, SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT, or nullptr for
// one it does not provide. GDI calls it once per stock font after each
// reset, when the font is first needed, and owns the result.
std::unique_ptr<FontObject> CreateStockFont(int stockObject);
}  // namespace text

}  // namespace vor::gdi
