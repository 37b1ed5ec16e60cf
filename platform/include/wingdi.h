// GDI32: device contexts, pens, brushes, bitmaps, regions and the raster
// operations. Fonts and text output are declared in wingdi_text.h.
#pragma once

#include "vorwintypes.h"

// ---------------------------------------------------------------------------
// Colours and failure values

#define CLR_INVALID 0xFFFFFFFF
#define GDI_ERROR (0xFFFFFFFFL)
#define HGDI_ERROR ((HANDLE)(LONG_PTR)-1)
#define PALETTERGB(r, g, b) (0x02000000 | RGB(r, g, b))

// ---------------------------------------------------------------------------
// Object types (GetObjectType, GetCurrentObject)

#define OBJ_PEN 1
#define OBJ_BRUSH 2
#define OBJ_DC 3
#define OBJ_METADC 4
#define OBJ_PAL 5
#define OBJ_FONT 6
#define OBJ_BITMAP 7
#define OBJ_REGION 8
#define OBJ_METAFILE 9
#define OBJ_MEMDC 10
#define OBJ_EXTPEN 11
#define OBJ_ENHMETADC 12
#define OBJ_ENHMETAFILE 13
#define OBJ_COLORSPACE 14

// ---------------------------------------------------------------------------
// Stock objects

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define OEM_FIXED_FONT 10
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEVICE_DEFAULT_FONT 14
#define DEFAULT_PALETTE 15
#define SYSTEM_FIXED_FONT 16
#define DEFAULT_GUI_FONT 17
#define DC_BRUSH 18
#define DC_PEN 19

// ---------------------------------------------------------------------------
// Pens and brushes

#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define PS_STYLE_MASK 0x0000000F

#define BS_SOLID 0
#define BS_NULL 1
#define BS_HOLLOW BS_NULL
#define BS_HATCHED 2
#define BS_PATTERN 3
#define BS_INDEXED 4
#define BS_DIBPATTERN 5
#define BS_DIBPATTERNPT 6
#define BS_PATTERN8X8 7
#define BS_DIBPATTERN8X8 8
#define BS_MONOPATTERN 9

#define HS_HORIZONTAL 0
#define HS_VERTICAL 1
#define HS_FDIAGONAL 2
#define HS_BDIAGONAL 3
#define HS_CROSS 4
#define HS_DIAGCROSS 5

typedef struct tagLOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;  // only x is used
    COLORREF lopnColor;
} LOGPEN, *PLOGPEN, *LPLOGPEN;

typedef struct tagLOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    ULONG_PTR lbHatch;  // hatch style, or the HBITMAP of a pattern brush
} LOGBRUSH, *PLOGBRUSH, *LPLOGBRUSH;

// ---------------------------------------------------------------------------
// Background mode, binary raster operations, stretch modes, mapping mode

#define TRANSPARENT 1
#define OPAQUE 2

#define R2_BLACK 1
#define R2_NOTMERGEPEN 2
#define R2_MASKNOTPEN 3
#define R2_NOTCOPYPEN 4
#define R2_MASKPENNOT 5
#define R2_NOT 6
#define R2_XORPEN 7
#define R2_NOTMASKPEN 8
#define R2_MASKPEN 9
#define R2_NOTXORPEN 10
#define R2_NOP 11
#define R2_MERGENOTPEN 12
#define R2_COPYPEN 13
#define R2_MERGEPENNOT 14
#define R2_MERGEPEN 15
#define R2_WHITE 16
#define R2_LAST 16

#define BLACKONWHITE 1
#define WHITEONBLACK 2
#define COLORONCOLOR 3
#define HALFTONE 4
#define STRETCH_ANDSCANS BLACKONWHITE
#define STRETCH_ORSCANS WHITEONBLACK
#define STRETCH_DELETESCANS COLORONCOLOR
#define STRETCH_HALFTONE HALFTONE

#define MM_TEXT 1

// ---------------------------------------------------------------------------
// Text alignment (stored by the DC, used by text output)

#define TA_NOUPDATECP 0
#define TA_UPDATECP 1
#define TA_LEFT 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_TOP 0
#define TA_BOTTOM 8
#define TA_BASELINE 24
#define TA_RTLREADING 256
#define TA_MASK (TA_BASELINE + TA_CENTER + TA_UPDATECP + TA_RTLREADING)

// ---------------------------------------------------------------------------
// Ternary raster operations (BitBlt, StretchBlt, PatBlt)

#define SRCCOPY ((DWORD)0x00CC0020)
#define SRCPAINT ((DWORD)0x00EE0086)
#define SRCAND ((DWORD)0x008800C6)
#define SRCINVERT ((DWORD)0x00660046)
#define SRCERASE ((DWORD)0x00440328)
#define NOTSRCCOPY ((DWORD)0x00330008)
#define NOTSRCERASE ((DWORD)0x001100A6)
#define MERGECOPY ((DWORD)0x00C000CA)
#define MERGEPAINT ((DWORD)0x00BB0226)
#define PATCOPY ((DWORD)0x00F00021)
#define PATPAINT ((DWORD)0x00FB0A09)
#define PATINVERT ((DWORD)0x005A0049)
#define DSTINVERT ((DWORD)0x00550009)
#define BLACKNESS ((DWORD)0x00000042)
#define WHITENESS ((DWORD)0x00FF0062)
#define NOMIRRORBITMAP ((DWORD)0x80000000)
#define CAPTUREBLT ((DWORD)0x40000000)

// ---------------------------------------------------------------------------
// Regions

#define ERROR 0
#define NULLREGION 1
#define SIMPLEREGION 2
#define COMPLEXREGION 3
#define RGN_ERROR ERROR

#define RGN_AND 1
#define RGN_OR 2
#define RGN_XOR 3
#define RGN_DIFF 4
#define RGN_COPY 5
#define RGN_MIN RGN_AND
#define RGN_MAX RGN_COPY

// ---------------------------------------------------------------------------
// Bitmaps and device-independent bitmaps

typedef struct tagBITMAP {
    LONG bmType;  // 0
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;  // bytes a row, rounded up to an even number
    WORD bmPlanes;      // 1
    WORD bmBitsPixel;   // 1 or 32
    LPVOID bmBits;      // the pixels of a DIB section, else NULL
} BITMAP, *PBITMAP, *LPBITMAP;

typedef struct tagRGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
} RGBQUAD, *LPRGBQUAD;

typedef struct tagBITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;  // positive: bottom-up rows; negative: top-down
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
} BITMAPINFOHEADER, *PBITMAPINFOHEADER, *LPBITMAPINFOHEADER;

typedef struct tagBITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
} BITMAPINFO, *PBITMAPINFO, *LPBITMAPINFO;

typedef struct tagDIBSECTION {
    BITMAP dsBm;
    BITMAPINFOHEADER dsBmih;
    DWORD dsBitfields[3];
    HANDLE dshSection;
    DWORD dsOffset;
} DIBSECTION, *PDIBSECTION, *LPDIBSECTION;

#define BI_RGB 0L
#define BI_RLE8 1L
#define BI_RLE4 2L
#define BI_BITFIELDS 3L

#define DIB_RGB_COLORS 0
#define DIB_PAL_COLORS 1

// ---------------------------------------------------------------------------
// Device capabilities

#define DRIVERVERSION 0
#define TECHNOLOGY 2
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define BITSPIXEL 12
#define PLANES 14
#define NUMBRUSHES 16
#define NUMPENS 18
#define NUMFONTS 22
#define NUMCOLORS 24
#define RASTERCAPS 38
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define SIZEPALETTE 104
#define DT_RASDISPLAY 1
#define RC_BITBLT 1
#define RC_STRETCHBLT 0x0800
#define RC_DI_BITMAP 0x0080
#define RC_DIBTODEV 0x0200

#ifdef __cplusplus
extern "C" {
#endif

// ---------------------------------------------------------------------------
// Objects

VORAPI HGDIOBJ WINAPI GetStockObject(int i);
VORAPI HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h);
VORAPI BOOL WINAPI DeleteObject(HGDIOBJ ho);
VORAPI int WINAPI GetObjectA(HGDIOBJ h, int c, LPVOID pv);
VORAPI int WINAPI GetObject(HGDIOBJ h, int c, LPVOID pv);
VORAPI DWORD WINAPI GetObjectType(HGDIOBJ h);
VORAPI HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type);
VORAPI BOOL WINAPI GdiFlush(void);

// ---------------------------------------------------------------------------
// Device contexts and their attributes

VORAPI HDC WINAPI CreateCompatibleDC(HDC hdc);
VORAPI BOOL WINAPI DeleteDC(HDC hdc);
VORAPI int WINAPI SaveDC(HDC hdc);
VORAPI BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC);
VORAPI int WINAPI GetDeviceCaps(HDC hdc, int index);

VORAPI int WINAPI SetROP2(HDC hdc, int rop2);
VORAPI int WINAPI GetROP2(HDC hdc);
VORAPI int WINAPI SetBkMode(HDC hdc, int mode);
VORAPI int WINAPI GetBkMode(HDC hdc);
VORAPI COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color);
VORAPI COLORREF WINAPI GetBkColor(HDC hdc);
VORAPI COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color);
VORAPI COLORREF WINAPI GetTextColor(HDC hdc);
VORAPI UINT WINAPI SetTextAlign(HDC hdc, UINT align);
VORAPI UINT WINAPI GetTextAlign(HDC hdc);
VORAPI int WINAPI SetStretchBltMode(HDC hdc, int mode);
VORAPI int WINAPI GetStretchBltMode(HDC hdc);
VORAPI int WINAPI SetMapMode(HDC hdc, int mode);  // MM_TEXT only
VORAPI int WINAPI GetMapMode(HDC hdc);
VORAPI BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
VORAPI BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT lppt);

VORAPI BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
VORAPI BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT lppt);
VORAPI BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
VORAPI BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
VORAPI BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT lppt);
VORAPI BOOL WINAPI OffsetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt);
VORAPI BOOL WINAPI LPtoDP(HDC hdc, LPPOINT lppt, int c);
VORAPI BOOL WINAPI DPtoLP(HDC hdc, LPPOINT lppt, int c);
VORAPI BOOL WINAPI GetDCOrgEx(HDC hdc, LPPOINT lppt);

// ---------------------------------------------------------------------------
// Lines, shapes and pixels

VORAPI BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt);
VORAPI BOOL WINAPI LineTo(HDC hdc, int x, int y);
VORAPI BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT lppt);
VORAPI BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt);
VORAPI BOOL WINAPI PolylineTo(HDC hdc, const POINT* apt, DWORD cpt);
VORAPI BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom);
VORAPI COLORREF WINAPI GetPixel(HDC hdc, int x, int y);
VORAPI COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color);
VORAPI BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF color);

// ---------------------------------------------------------------------------
// Pens and brushes

VORAPI HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color);
VORAPI HPEN WINAPI CreatePenIndirect(const LOGPEN* plpen);
VORAPI HBRUSH WINAPI CreateSolidBrush(COLORREF color);
VORAPI HBRUSH WINAPI CreateHatchBrush(int iHatch, COLORREF color);
VORAPI HBRUSH WINAPI CreatePatternBrush(HBITMAP hbm);
VORAPI HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush);

// ---------------------------------------------------------------------------
// Bitmaps and block transfers

VORAPI HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits);
VORAPI HBITMAP WINAPI CreateBitmapIndirect(const BITMAP* pbm);
VORAPI HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy);
VORAPI HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection,
                                       DWORD offset);
VORAPI LONG WINAPI GetBitmapBits(HBITMAP hbit, LONG cb, LPVOID lpvBits);
VORAPI LONG WINAPI SetBitmapBits(HBITMAP hbm, DWORD cb, const void* pvBits);
VORAPI int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
                            UINT usage);
VORAPI int WINAPI SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits,
                            const BITMAPINFO* lpbmi, UINT ColorUse);
VORAPI int WINAPI SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc,
                                    UINT StartScan, UINT cLines, const void* lpvBits, const BITMAPINFO* lpbmi,
                                    UINT ColorUse);
VORAPI int WINAPI StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc,
                                int SrcWidth, int SrcHeight, const void* lpBits, const BITMAPINFO* lpbmi,
                                UINT iUsage, DWORD rop);
VORAPI BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);
VORAPI BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop);
VORAPI BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                              int wSrc, int hSrc, DWORD rop);

// ---------------------------------------------------------------------------
// Regions and clipping

VORAPI HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2);
VORAPI HRGN WINAPI CreateRectRgnIndirect(const RECT* lprect);
VORAPI BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom);
VORAPI int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode);
VORAPI int WINAPI OffsetRgn(HRGN hrgn, int x, int y);
VORAPI int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc);
VORAPI BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y);
VORAPI BOOL WINAPI RectInRegion(HRGN hrgn, const RECT* lprect);
VORAPI BOOL WINAPI EqualRgn(HRGN hrgn1, HRGN hrgn2);
VORAPI BOOL WINAPI FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr);
VORAPI BOOL WINAPI PaintRgn(HDC hdc, HRGN hrgn);
VORAPI BOOL WINAPI InvertRgn(HDC hdc, HRGN hrgn);
VORAPI BOOL WINAPI FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h);

VORAPI int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn);
VORAPI int WINAPI ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode);
VORAPI int WINAPI GetClipBox(HDC hdc, LPRECT lprect);
VORAPI int WINAPI GetClipRgn(HDC hdc, HRGN hrgn);
VORAPI int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
VORAPI int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
VORAPI int WINAPI OffsetClipRgn(HDC hdc, int x, int y);
VORAPI BOOL WINAPI PtVisible(HDC hdc, int x, int y);
VORAPI BOOL WINAPI RectVisible(HDC hdc, const RECT* lprect);

#ifdef __cplusplus
}
#endif
