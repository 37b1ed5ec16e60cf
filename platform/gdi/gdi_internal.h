// What the GDI room offers the rooms above it (USER, the display backends)
// beyond the public Win32 calls. Nothing here is exported from VORPlatform.
#pragma once

#include <cstdint>

#include "region.h"
#include "windows.h"

namespace vor::gdi {

// The screen surface: 32 bits a pixel, 0x00RRGGBB, rows top to bottom.
// Created by Init, recreated at Reset with the size set by VorSetScreenSize.
void Init();
void Reset();  // frees every GDI object, recreates the stock objects, clears the screen
int ScreenWidth();
int ScreenHeight();
uint32_t* ScreenPixels();
// Bumped whenever anything is drawn on the screen, so a backend knows when
// to present.
uint64_t ScreenGeneration();
// The bounding rectangle of what was drawn on the screen since the last
// call (the whole screen after it was cleared), and forgets it; false when
// nothing was drawn.
bool TakeScreenDirty(RECT* out);

// A device context on the screen whose logical (0, 0) is at the screen point
// `origin` and whose drawing is clipped to `visible` (screen coordinates).
// `hwnd` is what WindowFromDC answers. Counted as a device context.
HDC CreateScreenDC(HWND hwnd, POINT origin, const Region& visible);
// Moves and re-clips an existing screen DC (window moved, region changed).
BOOL SetScreenDCGeometry(HDC hdc, POINT origin, const Region& visible);
// Deletes a DC made by CreateScreenDC (ReleaseDC, EndPaint).
BOOL DeleteScreenDC(HDC hdc);
HWND ScreenDCWindow(HDC hdc);

// The pixels of an icon or cursor, for a backend that shows the cursor.
struct IconPixels {
    int width = 0, height = 0;
    int xHotspot = 0, yHotspot = 0;
    const uint32_t* argb = nullptr;  // width * height, 0xAARRGGBB, premultiplied not
};
bool GetIconPixels(HICON hIcon, IconPixels* out);

// Marks an icon or cursor as shared (LoadCursor, LoadIcon, LR_SHARED):
// DestroyCursor and DestroyIcon then answer TRUE without destroying it, and
// it is no longer counted (it belongs to its module, as a stock object to
// GDI). A shared icon is still freed by Reset.
BOOL MarkIconShared(HICON hIcon);

// Turns an object made by a Create* call into a system object, as
// GetSysColorBrush's brushes are: no longer counted, and DeleteObject
// refuses it as it refuses stock objects. Freed by Reset like any object.
BOOL MakeSystemObject(HGDIOBJ h);

}  // namespace vor::gdi
