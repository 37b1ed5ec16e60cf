// CDC: the device-context wrapper.
#include "afx_handlemap.h"

#include <cstring>

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

// Applies a setter to the output DC and the attribute DC (once when they are
// the same) and answers the attribute DC's previous value, as MFC does.
template <class R, class F>
R SetBoth(HDC hDC, HDC hAttribDC, R failure, F set)
{
    R old = failure;
    if (hDC != NULL && hDC != hAttribDC)
        old = set(hDC);
    if (hAttribDC != NULL)
        old = set(hAttribDC);
    return old;
}

HGDIOBJ HandleOf(const CGdiObject* pObject) { return pObject == NULL ? NULL : pObject->m_hObject; }

}  // namespace

// ---------------------------------------------------------------------------
// Handles and lifetime

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL) {}

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    if (hDC == NULL)
        return NULL;
    CDC* pDC = vor::afx::LookupDC(hDC);
    if (pDC != NULL)
        return pDC;
    return vor::afx::TemporaryDC(hDC);
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL || m_hDC != NULL)
        return FALSE;
    // A window's DC can be handed out twice (nested client DCs of a window
    // with its own DC): the newest wrapper becomes the one FromHandle finds.
    m_hDC = m_hAttribDC = hDC;
    vor::afx::HandleMaps().dcPermanent[hDC] = this;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != NULL) {
        vor::afx::GdiHandleMaps& maps = vor::afx::HandleMaps();
        auto it = maps.dcPermanent.find(hDC);
        if (it != maps.dcPermanent.end() && it->second == this)
            maps.dcPermanent.erase(it);
    }
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
void CDC::SetOutputDC(HDC hDC) { m_hDC = hDC; }
void CDC::ReleaseAttribDC() { m_hAttribDC = NULL; }
void CDC::ReleaseOutputDC() { m_hDC = NULL; }

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    HDC hNew = ::CreateCompatibleDC(pDC != NULL ? pDC->m_hDC : NULL);
    if (hNew == NULL)
        return FALSE;
    if (!Attach(hNew)) {
        ::DeleteDC(hNew);
        return FALSE;
    }
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    int nRet = 0;
    if (m_hAttribDC != NULL)
        nRet = ::SaveDC(m_hAttribDC);
    if (m_hDC != NULL && m_hDC != m_hAttribDC)
        nRet = ::SaveDC(m_hDC);
    return nRet;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRet = TRUE;
    if (m_hDC != NULL && m_hDC != m_hAttribDC)
        bRet = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != NULL)
        bRet = ::RestoreDC(m_hAttribDC, nSavedDC) && bRet;
    return bRet;
}

int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

// ---------------------------------------------------------------------------
// Selection

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    return SetBoth<HGDIOBJ>(m_hDC, m_hAttribDC, (HGDIOBJ)NULL,
                            [hObject](HDC h) { return ::SelectObject(h, hObject); });
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    HGDIOBJ hObject = HandleOf(pObject);
    if (hObject == NULL)
        return NULL;
    if (::GetObjectType(hObject) == OBJ_REGION) {
        // A region selects as the clip region and answers a region type,
        // which is no object: select it and answer NULL.
        HRGN hRgn = (HRGN)hObject;
        SetBoth<int>(m_hDC, m_hAttribDC, ERROR, [hRgn](HDC h) { return ::SelectClipRgn(h, hRgn); });
        return NULL;
    }
    return CGdiObject::FromHandle(SelectObject(hObject));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    HGDIOBJ hObject = HandleOf(pPen);
    if (hObject == NULL)
        return NULL;
    return CPen::FromHandle((HPEN)SelectObject(hObject));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    HGDIOBJ hObject = HandleOf(pBrush);
    if (hObject == NULL)
        return NULL;
    return CBrush::FromHandle((HBRUSH)SelectObject(hObject));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    HGDIOBJ hObject = HandleOf(pFont);
    if (hObject == NULL)
        return NULL;
    return CFont::FromHandle((HFONT)SelectObject(hObject));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    HGDIOBJ hObject = HandleOf(pBitmap);
    if (hObject == NULL || m_hDC == NULL)
        return NULL;
    // A bitmap goes into the output DC only (it is what the DC draws on).
    return CBitmap::FromHandle((HBITMAP)::SelectObject(m_hDC, hObject));
}

int CDC::SelectObject(CRgn* pRgn) { return SelectClipRgn(pRgn); }

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    if (hObject == NULL)
        return NULL;
    return CGdiObject::FromHandle(SelectObject(hObject));
}

CPen* CDC::GetCurrentPen() const { return CPen::FromHandle((HPEN)::GetCurrentObject(m_hAttribDC, OBJ_PEN)); }
CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hAttribDC, OBJ_BRUSH));
}
CFont* CDC::GetCurrentFont() const { return CFont::FromHandle((HFONT)::GetCurrentObject(m_hAttribDC, OBJ_FONT)); }
CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
}

// ---------------------------------------------------------------------------
// Attributes

COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return SetBoth<COLORREF>(m_hDC, m_hAttribDC, CLR_INVALID, [crColor](HDC h) { return ::SetBkColor(h, crColor); });
}
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
int CDC::SetBkMode(int nBkMode)
{
    return SetBoth<int>(m_hDC, m_hAttribDC, 0, [nBkMode](HDC h) { return ::SetBkMode(h, nBkMode); });
}
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return SetBoth<COLORREF>(m_hDC, m_hAttribDC, CLR_INVALID,
                             [crColor](HDC h) { return ::SetTextColor(h, crColor); });
}
int CDC::GetROP2() const { return ::GetROP2(m_hAttribDC); }
int CDC::SetROP2(int nDrawMode)
{
    return SetBoth<int>(m_hDC, m_hAttribDC, 0, [nDrawMode](HDC h) { return ::SetROP2(h, nDrawMode); });
}
int CDC::GetStretchBltMode() const { return ::GetStretchBltMode(m_hAttribDC); }
int CDC::SetStretchBltMode(int nStretchMode)
{
    return SetBoth<int>(m_hDC, m_hAttribDC, 0, [nStretchMode](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}
UINT CDC::GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
UINT CDC::SetTextAlign(UINT nFlags)
{
    return SetBoth<UINT>(m_hDC, m_hAttribDC, GDI_ERROR, [nFlags](HDC h) { return ::SetTextAlign(h, nFlags); });
}
int CDC::GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
int CDC::SetMapMode(int nMapMode)
{
    return SetBoth<int>(m_hDC, m_hAttribDC, 0, [nMapMode](HDC h) { return ::SetMapMode(h, nMapMode); });
}

CPoint CDC::GetBrushOrg() const
{
    CPoint pt;
    ::GetBrushOrgEx(m_hDC, &pt);
    return pt;
}
CPoint CDC::SetBrushOrg(int x, int y)
{
    CPoint pt;
    ::SetBrushOrgEx(m_hDC, x, y, &pt);
    return pt;
}
CPoint CDC::SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }

// ---------------------------------------------------------------------------
// Coordinates

CPoint CDC::GetViewportOrg() const
{
    CPoint pt;
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return pt;
}
CPoint CDC::SetViewportOrg(int x, int y)
{
    CPoint pt;
    SetBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetViewportOrgEx(h, x, y, &pt); });
    return pt;
}
CPoint CDC::SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    CPoint pt;
    SetBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                  [&](HDC h) { return ::OffsetViewportOrgEx(h, nWidth, nHeight, &pt); });
    return pt;
}
CPoint CDC::GetWindowOrg() const
{
    CPoint pt;
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return pt;
}
CPoint CDC::SetWindowOrg(int x, int y)
{
    CPoint pt;
    SetBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetWindowOrgEx(h, x, y, &pt); });
    return pt;
}
CPoint CDC::SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    CPoint pt;
    SetBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                  [&](HDC h) { return ::OffsetWindowOrgEx(h, nWidth, nHeight, &pt); });
    return pt;
}
void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }
void CDC::DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2); }
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }
void CDC::LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2); }

// ---------------------------------------------------------------------------
// Clipping

int CDC::GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
BOOL CDC::PtVisible(POINT point) const { return PtVisible(point.x, point.y); }
BOOL CDC::RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }

int CDC::SelectClipRgn(CRgn* pRgn)
{
    HRGN hRgn = (HRGN)HandleOf(pRgn);  // NULL removes the clip region
    return SetBoth<int>(m_hDC, m_hAttribDC, ERROR, [hRgn](HDC h) { return ::SelectClipRgn(h, hRgn); });
}
int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = (HRGN)HandleOf(pRgn);
    return SetBoth<int>(m_hDC, m_hAttribDC, ERROR, [hRgn, nMode](HDC h) { return ::ExtSelectClipRgn(h, hRgn, nMode); });
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return SetBoth<int>(m_hDC, m_hAttribDC, ERROR, [=](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
}
int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    if (lpRect == NULL)
        return ERROR;
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return SetBoth<int>(m_hDC, m_hAttribDC, ERROR, [=](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
}
int CDC::IntersectClipRect(LPCRECT lpRect)
{
    if (lpRect == NULL)
        return ERROR;
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
int CDC::OffsetClipRgn(int x, int y)
{
    return SetBoth<int>(m_hDC, m_hAttribDC, ERROR, [=](HDC h) { return ::OffsetClipRgn(h, x, y); });
}
int CDC::OffsetClipRgn(SIZE size) { return OffsetClipRgn(size.cx, size.cy); }

// ---------------------------------------------------------------------------
// Lines and shapes

CPoint CDC::GetCurrentPosition() const
{
    CPoint pt;
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return pt;
}
CPoint CDC::MoveTo(int x, int y)
{
    CPoint pt;
    SetBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::MoveToEx(h, x, y, &pt); });
    return pt;
}
CPoint CDC::MoveTo(POINT point) { return MoveTo(point.x, point.y); }
BOOL CDC::LineTo(int x, int y)
{
    // The attribute DC follows the pen position without drawing.
    if (m_hAttribDC != NULL && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);
    return ::LineTo(m_hDC, x, y);
}
BOOL CDC::LineTo(POINT point) { return LineTo(point.x, point.y); }
BOOL CDC::Polyline(LPPOINT lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Rectangle(LPCRECT lpRect)
{
    if (lpRect == NULL)
        return FALSE;
    return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (lpRect != NULL)
        ::FillRect(m_hDC, lpRect, (HBRUSH)HandleOf(pBrush));
}
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (lpRect != NULL)
        ::FrameRect(m_hDC, lpRect, (HBRUSH)HandleOf(pBrush));
}
void CDC::InvertRect(LPCRECT lpRect)
{
    if (lpRect != NULL)
        ::InvertRect(m_hDC, lpRect);
}
void CDC::DrawFocusRect(LPCRECT lpRect)
{
    if (lpRect != NULL)
        ::DrawFocusRect(m_hDC, lpRect);
}
BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    if (lpRect == NULL)
        return FALSE;
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}
BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, (HRGN)HandleOf(pRgn), (HBRUSH)HandleOf(pBrush));
}
BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, (HRGN)HandleOf(pRgn), (HBRUSH)HandleOf(pBrush), nWidth, nHeight);
}
BOOL CDC::InvertRgn(CRgn* pRgn) { return ::InvertRgn(m_hDC, (HRGN)HandleOf(pRgn)); }
BOOL CDC::PaintRgn(CRgn* pRgn) { return ::PaintRgn(m_hDC, (HRGN)HandleOf(pRgn)); }

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (lpRect == NULL || m_hDC == NULL)
        return;
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect rect(x, y, x + cx, y + cy);
    rect.NormalizeRect();  // negative extents reach left or up from (x, y)
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (lpRect == NULL)
        return;
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (cx <= 0 || cy <= 0)
        return;
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

// ---------------------------------------------------------------------------
// Bitmaps and pixels

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != NULL ? pSrcDC->m_hDC : NULL, xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != NULL ? pSrcDC->m_hDC : NULL, xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::GetPixel(POINT point) const { return ::GetPixel(m_hDC, point.x, point.y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::SetPixel(POINT point, COLORREF crColor) { return ::SetPixel(m_hDC, point.x, point.y, crColor); }
BOOL CDC::SetPixelV(int x, int y, COLORREF crColor) { return ::SetPixelV(m_hDC, x, y, crColor); }
BOOL CDC::SetPixelV(POINT point, COLORREF crColor) { return ::SetPixelV(m_hDC, point.x, point.y, crColor); }

// ---------------------------------------------------------------------------
// Icons and drawing states

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
BOOL CDC::DrawIcon(POINT point, HICON hIcon) { return ::DrawIcon(m_hDC, point.x, point.y, hIcon); }

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, NULL, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_BITMAP);
}
BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, (HBITMAP)HandleOf(pBitmap), nFlags, (HBRUSH)HandleOf(pBrush));
}
BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_ICON);
}
BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, (HBRUSH)HandleOf(pBrush));
}
BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, NULL, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx, size.cy,
                        nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}
BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, (HBRUSH)HandleOf(pBrush));
}
BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_COMPLEX);
}
BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, lpDrawProc, lData, nFlags, (HBRUSH)HandleOf(pBrush));
}

// ---------------------------------------------------------------------------
// Text

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}
BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, (LPCTSTR)str, str.GetLength()); }

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, (LPCTSTR)str, (UINT)str.GetLength(), lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions,
                         int nTabOrigin)
{
    LONG l = ::TabbedTextOutA(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions, nTabOrigin);
    return CSize((DWORD)l);
}
CSize CDC::TabbedTextOut(int x, int y, const CString& str, int nTabPositions, LPINT lpnTabStopPositions,
                         int nTabOrigin)
{
    return TabbedTextOut(x, y, (LPCTSTR)str, str.GetLength(), nTabPositions, lpnTabStopPositions, nTabOrigin);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}
int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    CSize size;
    if (!::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size))
        return CSize(0, 0);
    return size;
}
CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent((LPCTSTR)str, str.GetLength()); }
CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    CSize size;
    if (!::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size))
        return CSize(0, 0);
    return size;
}
CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent((LPCTSTR)str, str.GetLength());
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const
{
    DWORD dw = ::GetTabbedTextExtentA(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(dw), HIWORD(dw));
}
CSize CDC::GetTabbedTextExtent(const CString& str, int nTabPositions, LPINT lpnTabStopPositions) const
{
    return GetTabbedTextExtent((LPCTSTR)str, str.GetLength(), nTabPositions, lpnTabStopPositions);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const { return ::GetTextMetricsA(m_hAttribDC, lpMetrics); }
BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const { return ::GetTextMetricsA(m_hDC, lpMetrics); }

int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const { return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename); }
int CDC::GetTextFace(CString& rString) const
{
    char buffer[LF_FACESIZE + 1] = {0};
    int n = ::GetTextFaceA(m_hAttribDC, (int)sizeof(buffer), buffer);
    rString = buffer;
    return n;
}
