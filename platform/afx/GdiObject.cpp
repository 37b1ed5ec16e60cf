// CGdiObject and its kinds: CPen, CBrush, CFont, CBitmap, CRgn.
#include "afx_handlemap.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace {

template <class T>
CGdiObject* Make()
{
    return new T;
}

// A temporary wrapper is of the class that matches the handle's kind, so
// the typed FromHandle functions hand out real objects of their class.
CGdiObject* (*MakerFor(HGDIOBJ h))()
{
    switch (::GetObjectType(h)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return &Make<CPen>;
    case OBJ_BRUSH:
        return &Make<CBrush>;
    case OBJ_FONT:
        return &Make<CFont>;
    case OBJ_BITMAP:
        return &Make<CBitmap>;
    case OBJ_REGION:
        return &Make<CRgn>;
    default:
        return &Make<CGdiObject>;
    }
}

// The typed FromHandle functions: a wrapper of the asked class, never one
// of another class cast to it (a dead handle has no kind to choose by, and a
// plain CGdiObject may hold a pen); null when only another class's wrapper
// exists for the handle.
template <class T>
T* TypedFromHandle(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    CGdiObject* pObject = vor::afx::LookupObject(hObject);
    if (pObject == NULL)
        pObject = vor::afx::TemporaryObject(hObject, &Make<T>);
    return dynamic_cast<T*>(pObject);
}

}  // namespace

// ---------------------------------------------------------------------------
// CGdiObject

CGdiObject::CGdiObject() : m_hObject(NULL) {}

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    CGdiObject* pObject = vor::afx::LookupObject(hObject);
    if (pObject != NULL)
        return pObject;
    return vor::afx::TemporaryObject(hObject, MakerFor(hObject));
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == NULL || m_hObject != NULL)
        return FALSE;
    vor::afx::GdiHandleMaps& maps = vor::afx::HandleMaps();
    if (maps.objectPermanent.count(hObject) != 0)
        return FALSE;  // owned by another object: two owners would delete it twice
    m_hObject = hObject;
    maps.objectPermanent[hObject] = this;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != NULL) {
        vor::afx::GdiHandleMaps& maps = vor::afx::HandleMaps();
        auto it = maps.objectPermanent.find(hObject);
        if (it != maps.objectPermanent.end() && it->second == this)
            maps.objectPermanent.erase(it);
    }
    m_hObject = NULL;
    return hObject;
}

BOOL CGdiObject::AttachNew(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return FALSE;
    if (!Attach(hObject)) {
        ::DeleteObject(hObject);
        return FALSE;
    }
    return TRUE;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    if (m_hObject == NULL)
        return 0;
    return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    if (m_hObject == NULL)
        return 0;
    return (UINT)::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    // Stock objects are shared: deleting them is a harmless no-op in GDI.
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject() { return m_hObject != NULL; }

// ---------------------------------------------------------------------------
// CPen

CPen::CPen() {}
CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
CPen::~CPen() {}

CPen* PASCAL CPen::FromHandle(HPEN hPen) { return TypedFromHandle<CPen>(hPen); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return AttachNew(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    if (lpLogPen == NULL)
        return FALSE;
    return AttachNew(::CreatePenIndirect(lpLogPen));
}

// ---------------------------------------------------------------------------
// CBrush

CBrush::CBrush() {}
CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
CBrush::CBrush(int nIndex, COLORREF crColor) { CreateHatchBrush(nIndex, crColor); }
CBrush::CBrush(CBitmap* pBitmap) { CreatePatternBrush(pBitmap); }
CBrush::~CBrush() {}

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush) { return TypedFromHandle<CBrush>(hBrush); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return AttachNew(::CreateSolidBrush(crColor)); }

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) { return AttachNew(::CreateHatchBrush(nIndex, crColor)); }

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    if (lpLogBrush == NULL)
        return FALSE;
    return AttachNew(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    HBITMAP hBitmap = pBitmap == NULL ? NULL : (HBITMAP)pBitmap->GetSafeHandle();
    if (hBitmap == NULL)
        return FALSE;
    return AttachNew(::CreatePatternBrush(hBitmap));
}

BOOL CBrush::CreateSysColorBrush(int nIndex) { return AttachNew(::CreateSolidBrush(::GetSysColor(nIndex))); }

// ---------------------------------------------------------------------------
// CFont

CFont::CFont() {}
CFont::~CFont() {}

CFont* PASCAL CFont::FromHandle(HFONT hFont) { return TypedFromHandle<CFont>(hFont); }

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    if (lpLogFont == NULL)
        return FALSE;
    return AttachNew(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return AttachNew(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                   cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                                   lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont;
    std::memset(&logFont, 0, sizeof(logFont));
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName != NULL) {
        std::strncpy(logFont.lfFaceName, lpszFaceName, sizeof(logFont.lfFaceName) - 1);
        logFont.lfFaceName[sizeof(logFont.lfFaceName) - 1] = '\0';
    }
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    if (lpLogFont == NULL)
        return FALSE;
    HDC hDC = pDC != NULL ? pDC->m_hAttribDC : NULL;
    HDC hScreen = NULL;
    if (hDC == NULL)
        hDC = hScreen = ::GetDC(NULL);
    LOGFONT logFont = *lpLogFont;
    // Tenths of a point to device pixels, then to logical units of the DC.
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720)};
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &ptOrg, 1);
    logFont.lfHeight = -std::abs(pt.y - ptOrg.y);
    if (hScreen != NULL)
        ::ReleaseDC(NULL, hScreen);
    return CreateFontIndirect(&logFont);
}

// ---------------------------------------------------------------------------
// CBitmap

CBitmap::CBitmap() {}
CBitmap::~CBitmap() {}

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap)
{
    return TypedFromHandle<CBitmap>(hBitmap);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = ::AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    if (hInst == NULL)
        return FALSE;
    return AttachNew(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return AttachNew(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap)
{
    if (lpBitmap == NULL)
        return FALSE;
    return AttachNew(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    HDC hDC = pDC != NULL ? pDC->m_hDC : NULL;
    if (hDC == NULL)
        return FALSE;
    return AttachNew(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits)
{
    if (m_hObject == NULL)
        return 0;
    return (DWORD)::SetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
{
    if (m_hObject == NULL)
        return 0;
    return (DWORD)::GetBitmapBits((HBITMAP)m_hObject, (LONG)dwCount, lpBits);
}

// ---------------------------------------------------------------------------
// CRgn

CRgn::CRgn() {}
CRgn::~CRgn() {}

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn) { return TypedFromHandle<CRgn>(hRgn); }

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return AttachNew(::CreateRectRgn(x1, y1, x2, y2)); }

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    if (lpRect == NULL)
        return FALSE;
    return AttachNew(::CreateRectRgnIndirect(lpRect));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    if (m_hObject != NULL)
        ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    if (lpRect != NULL)
        SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
{
    if (m_hObject == NULL || pRgn1 == NULL)
        return ERROR;
    HRGN h2 = pRgn2 != NULL ? (HRGN)pRgn2->m_hObject : NULL;
    return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgn1->m_hObject, h2, nCombineMode);
}

int CRgn::CopyRgn(CRgn* pRgnSrc)
{
    if (m_hObject == NULL || pRgnSrc == NULL)
        return ERROR;
    return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgnSrc->m_hObject, NULL, RGN_COPY);
}

BOOL CRgn::EqualRgn(CRgn* pRgn) const
{
    if (m_hObject == NULL || pRgn == NULL)
        return FALSE;
    return ::EqualRgn((HRGN)m_hObject, (HRGN)pRgn->m_hObject);
}

int CRgn::OffsetRgn(int x, int y)
{
    if (m_hObject == NULL)
        return ERROR;
    return ::OffsetRgn((HRGN)m_hObject, x, y);
}

int CRgn::OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    if (m_hObject == NULL || lpRect == NULL)
        return ERROR;
    return ::GetRgnBox((HRGN)m_hObject, lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    if (m_hObject == NULL)
        return FALSE;
    return ::PtInRegion((HRGN)m_hObject, x, y);
}

BOOL CRgn::PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    if (m_hObject == NULL || lpRect == NULL)
        return FALSE;
    return ::RectInRegion((HRGN)m_hObject, lpRect);
}
