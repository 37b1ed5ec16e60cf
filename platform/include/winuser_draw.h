// The drawing part of USER32: rectangle helpers, rectangle and edge
// drawing, icons and cursors, DrawState.
#pragma once

#include "vorwintypes.h"

// ---------------------------------------------------------------------------
// DrawEdge

#define BDR_RAISEDOUTER 0x0001
#define BDR_SUNKENOUTER 0x0002
#define BDR_RAISEDINNER 0x0004
#define BDR_SUNKENINNER 0x0008
#define BDR_OUTER (BDR_RAISEDOUTER | BDR_SUNKENOUTER)
#define BDR_INNER (BDR_RAISEDINNER | BDR_SUNKENINNER)
#define BDR_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define BDR_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)

#define EDGE_RAISED (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define EDGE_SUNKEN (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_ETCHED (BDR_SUNKENOUTER | BDR_RAISEDINNER)
#define EDGE_BUMP (BDR_RAISEDOUTER | BDR_SUNKENINNER)

#define BF_LEFT 0x0001
#define BF_TOP 0x0002
#define BF_RIGHT 0x0004
#define BF_BOTTOM 0x0008
#define BF_TOPLEFT (BF_TOP | BF_LEFT)
#define BF_TOPRIGHT (BF_TOP | BF_RIGHT)
#define BF_BOTTOMLEFT (BF_BOTTOM | BF_LEFT)
#define BF_BOTTOMRIGHT (BF_BOTTOM | BF_RIGHT)
#define BF_RECT (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM)
#define BF_DIAGONAL 0x0010
#define BF_DIAGONAL_ENDTOPRIGHT (BF_DIAGONAL | BF_TOP | BF_RIGHT)
#define BF_DIAGONAL_ENDTOPLEFT (BF_DIAGONAL | BF_TOP | BF_LEFT)
#define BF_DIAGONAL_ENDBOTTOMLEFT (BF_DIAGONAL | BF_BOTTOM | BF_LEFT)
#define BF_DIAGONAL_ENDBOTTOMRIGHT (BF_DIAGONAL | BF_BOTTOM | BF_RIGHT)
#define BF_MIDDLE 0x0800
#define BF_SOFT 0x1000
#define BF_ADJUST 0x2000
#define BF_FLAT 0x4000
#define BF_MONO 0x8000

// ---------------------------------------------------------------------------
// Icons and cursors

typedef struct _ICONINFO {
    BOOL fIcon;  // TRUE for an icon, FALSE for a cursor (hotspot used)
    DWORD xHotspot;
    DWORD yHotspot;
    HBITMAP hbmMask;   // AND mask; twice the height when hbmColor is NULL
    HBITMAP hbmColor;  // XOR colour image, or NULL for a monochrome icon
} ICONINFO, *PICONINFO;

#define DI_MASK 0x0001
#define DI_IMAGE 0x0002
#define DI_NORMAL 0x0003
#define DI_COMPAT 0x0004
#define DI_DEFAULTSIZE 0x0008
#define DI_NOMIRROR 0x0010

// ---------------------------------------------------------------------------
// DrawState

typedef BOOL(CALLBACK* DRAWSTATEPROC)(HDC hdc, LPARAM lData, WPARAM wData, int cx, int cy);

#define DST_COMPLEX 0x0000
#define DST_TEXT 0x0001
#define DST_PREFIXTEXT 0x0002
#define DST_ICON 0x0003
#define DST_BITMAP 0x0004

#define DSS_NORMAL 0x0000
#define DSS_UNION 0x0010
#define DSS_DISABLED 0x0020
#define DSS_MONO 0x0080
#define DSS_HIDEPREFIX 0x0200
#define DSS_PREFIXONLY 0x0400
#define DSS_RIGHT 0x8000

#ifdef __cplusplus
extern "C" {
#endif

// ---------------------------------------------------------------------------
// Rectangles. Right and bottom are exclusive; a rectangle with right <= left
// or bottom <= top is empty.

VORAPI BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom);
VORAPI BOOL WINAPI SetRectEmpty(LPRECT lprc);
VORAPI BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc);
VORAPI BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy);
VORAPI BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy);
VORAPI BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
VORAPI BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
VORAPI BOOL WINAPI SubtractRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
VORAPI BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2);
VORAPI BOOL WINAPI IsRectEmpty(const RECT* lprc);
VORAPI BOOL WINAPI PtInRect(const RECT* lprc, POINT pt);

// ---------------------------------------------------------------------------
// Rectangle drawing. hbr may also be a system colour index + 1
// ((HBRUSH)(COLOR_WINDOW + 1)), as window classes use it.

VORAPI int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
VORAPI int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
VORAPI BOOL WINAPI InvertRect(HDC hDC, const RECT* lprc);
VORAPI BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc);
VORAPI BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);

// ---------------------------------------------------------------------------
// Icons and cursors. Both are one kind of object: a colour image and an AND
// mask, drawn as (destination AND mask) XOR image.

VORAPI HICON WINAPI CreateIconIndirect(PICONINFO piconinfo);
VORAPI HICON WINAPI CreateIcon(HINSTANCE hInstance, int nWidth, int nHeight, BYTE cPlanes, BYTE cBitsPixel,
                               const BYTE* lpbANDbits, const BYTE* lpbXORbits);
VORAPI HCURSOR WINAPI CreateCursor(HINSTANCE hInst, int xHotSpot, int yHotSpot, int nWidth, int nHeight,
                                   const void* pvANDPlane, const void* pvXORPlane);
VORAPI HICON WINAPI CopyIcon(HICON hIcon);
VORAPI BOOL WINAPI GetIconInfo(HICON hIcon, PICONINFO piconinfo);
VORAPI BOOL WINAPI DestroyIcon(HICON hIcon);
VORAPI BOOL WINAPI DestroyCursor(HCURSOR hCursor);
VORAPI BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon);
VORAPI BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth,
                              UINT istepIfAniCur, HBRUSH hbrFlickerFreeDraw, UINT diFlags);

// Draws an icon, a bitmap, text (through DrawText) or the caller's drawing
// in the normal, disabled (embossed) or mono look.
VORAPI BOOL WINAPI DrawStateA(HDC hdc, HBRUSH hbrFore, DRAWSTATEPROC qfnCallBack, LPARAM lData, WPARAM wData, int x,
                              int y, int cx, int cy, UINT uFlags);
#define DrawState DrawStateA

#ifdef __cplusplus
}
#endif
