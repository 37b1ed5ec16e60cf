// The core of the class framework: configuration macros, diagnostics,
// CObject with run-time class information, CException, CString and the
// geometry value classes. afxwin.h includes this header.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <cstddef>
#include <new>

// ---------------------------------------------------------------------------
// Configuration macros

#define AFXAPI
#define AFX_CDECL
#define AFX_DATA
#define AFX_DATADEF
#define AFX_NOVTABLE
#define AFX_STATIC static
#define AFX_STATIC_DATA static
#define AFX_INLINE inline
#define AFX_API
#define AFX_CORE_DATA
#define BASED_CODE
#define afx_msg

// Classes, functions and data of an extension library are exported from the
// shared library that defines them (default visibility; the rest is hidden).
#define AFX_EXT_CLASS __attribute__((visibility("default")))
#define AFX_EXT_API __attribute__((visibility("default")))
#define AFX_EXT_DATA __attribute__((visibility("default")))
#define AFX_EXT_DATADEF
#define AFX_CLASS_EXPORT __attribute__((visibility("default")))
#define AFX_API_EXPORT __attribute__((visibility("default")))
#define AFX_DATA_EXPORT __attribute__((visibility("default")))
#define AFX_CLASS_IMPORT
#define AFX_API_IMPORT
#define AFX_DATA_IMPORT

#ifndef _countof
#define _countof(array) (sizeof(array) / sizeof((array)[0]))
#endif

#define UNUSED(x) ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))

#define DEBUG_NEW new
#define THIS_FILE __FILE__

// ---------------------------------------------------------------------------
// Diagnostics. Nothing in the framework stops the process: a failed
// assertion (in builds with _DEBUG) is counted and reported on stderr.

VORAPI BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
// Number of assertion failures reported since the process started.
VORAPI int AFXAPI AfxGetAssertFailureCount();

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : (void)::AfxAssertFailedLine(THIS_FILE, __LINE__))
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif

class CObject;
#define ASSERT_VALID(pOb) ((void)0)
#define ASSERT_POINTER(p, type) ASSERT(((p) != NULL))
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))

// Trace output is not produced; the arguments are still type-checked.
inline void AFX_CDECL AfxTraceNothing(...) {}
#define TRACE(...) (1 ? (void)0 : ::AfxTraceNothing(__VA_ARGS__))
#define TRACE0(sz) TRACE(sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)

inline BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT nBytes, BOOL bReadWrite = TRUE)
{
    return lp != NULL || nBytes == 0;
}
inline BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength = -1)
{
    return lpsz != NULL;
}

// Iteration positions of the lists and maps.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Resources: the handle of the module that holds a resource, searching the
// extension modules and then the program (implemented with the module state).
VORAPI HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// ---------------------------------------------------------------------------
// Run-time class information. The class objects are constant-initialised
// aggregates: no static constructor registers them.

struct CRuntimeClass;

struct VORAPI CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;  // 0xFFFF for classes that are not serialisable
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;  // link of a module's class list (unused by the framework itself)

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                   \
public:                                               \
    static CRuntimeClass class##class_name;           \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                          \
    CRuntimeClass class_name::class##class_name = {#class_name, (int)sizeof(class class_name), wSchema, \
                                                   pfnNew, RUNTIME_CLASS(base_class_name), NULL};      \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                       \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }       \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                 \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }       \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)

// ---------------------------------------------------------------------------
// CObject: the root of the framework's classes. Not copyable, as in MFC.

class VORAPI CObject {
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;
    virtual void AssertValid() const;

    static CRuntimeClass classCObject;

protected:
    CObject() {}

private:
    CObject(const CObject&) = delete;
    void operator=(const CObject&) = delete;
};

// ---------------------------------------------------------------------------
// Exceptions (the framework itself throws only CMemoryException, from
// AfxThrowMemoryException).

class VORAPI CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE);
    virtual ~CException();
    void Delete();
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

protected:
    BOOL m_bAutoDelete;
};

class VORAPI CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
    virtual ~CMemoryException();
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
};

[[noreturn]] VORAPI void AFXAPI AfxThrowMemoryException();

#define TRY try
#define CATCH(class_name, e) catch (class_name * e)
#define AND_CATCH(class_name, e) catch (class_name * e)
#define CATCH_ALL(e) catch (CException * e)
#define AND_CATCH_ALL(e) catch (CException * e)
#define END_CATCH
#define END_CATCH_ALL
#define THROW(e) throw e
#define THROW_LAST() throw

// ---------------------------------------------------------------------------
// CString: 8-bit text in the process code page, reference counted with
// copy-on-write. The object is one pointer to the characters; an 8-byte
// CStringData header precedes them. Empty strings share one static
// representation that never allocates.
//
// Short texts live in the framework's string heap, whose blocks of exact
// size classes carry no allocator header; the header's low byte names the
// block's class, and the class gives the capacity. Longer texts have a block
// of their own from operator new, with the capacity in the 4 bytes before
// the header (class 0). Blocks are laid end to end, so the header has no
// alignment: it is a packed structure.

#pragma pack(push, 1)
struct CStringData {
    // The owners times kOneOwner plus the block's class; negative when the
    // buffer is locked (one owner, never shared).
    int nRefs;
    int nDataLength;  // characters, excluding the terminator

    enum : int {
        kOneOwner = 0x100,
        kClassMask = 0xFF,
        kMaxOwners = 0x7FFFFF,  // a string with this many owners is copied, not shared
    };
    TCHAR* data() { return reinterpret_cast<TCHAR*>(this + 1); }
    unsigned BlockClass() const { return (unsigned)nRefs & (unsigned)kClassMask; }
    bool IsLocked() const { return nRefs < 0; }
    // More than one owner: a writer must copy first.
    bool IsShared() const { return nRefs >= 2 * kOneOwner; }
    // Neither locked nor at the most owners a header can count.
    bool CanShare() const { return (unsigned)nRefs < (unsigned)kMaxOwners * (unsigned)kOneOwner; }
};
#pragma pack(pop)
static_assert(sizeof(CStringData) == 8 && alignof(CStringData) == 1, "CString header layout");

class VORAPI CString {
public:
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(TCHAR ch, int nRepeat = 1);
    // A string-resource id made with MAKEINTRESOURCE loads that string; a
    // null pointer gives an empty string.
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* psz);
    ~CString();

    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();

    // Out-of-range indices read '\0' and write nothing.
    TCHAR GetAt(int nIndex) const;
    TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, TCHAR ch);
    operator LPCTSTR() const { return m_pchData; }

    const CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    const CString& operator=(TCHAR ch);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(const unsigned char* psz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(TCHAR ch);
    const CString& operator+=(LPCTSTR lpsz);

    friend VORAPI CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend VORAPI CString AFXAPI operator+(const CString& string, TCHAR ch);
    friend VORAPI CString AFXAPI operator+(TCHAR ch, const CString& string);
    friend VORAPI CString AFXAPI operator+(const CString& string, LPCTSTR lpsz);
    friend VORAPI CString AFXAPI operator+(LPCTSTR lpsz, const CString& string);

    int Compare(LPCTSTR lpsz) const;
    int CompareNoCase(LPCTSTR lpsz) const;
    int Collate(LPCTSTR lpsz) const;
    int CollateNoCase(LPCTSTR lpsz) const;

    // Counts and positions out of range are clamped to the string.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR lpszCharSet) const;
    CString SpanExcluding(LPCTSTR lpszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    void TrimRight();
    void TrimRight(TCHAR chTarget);
    void TrimRight(LPCTSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(TCHAR chTarget);
    void TrimLeft(LPCTSTR lpszTargets);
    void Trim()
    {
        TrimRight();
        TrimLeft();
    }

    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
    int Remove(TCHAR chRemove);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    int Find(TCHAR ch) const;
    int Find(TCHAR ch, int nStart) const;
    int Find(LPCTSTR lpszSub) const;
    int Find(LPCTSTR lpszSub, int nStart) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR lpszCharSet) const;

    void Format(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 2, 3)));
    void Format(UINT nFormatID, ...);
    void FormatV(LPCTSTR lpszFormat, va_list argList) __attribute__((format(printf, 2, 0)));
    void AppendFormat(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 2, 3)));

    // Loads string resource nID from the module that holds it; FALSE (and
    // the string unchanged) when there is no such string.
    BOOL LoadString(UINT nID);

    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPTSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPTSTR LockBuffer();
    void UnlockBuffer();
    int GetAllocLength() const;

protected:
    LPTSTR m_pchData;

    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
    void Init();
    void AllocBuffer(int nLen);
    void AssignCopy(int nSrcLen, LPCTSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData);
    void CopyBeforeWrite();
    void AllocBeforeWrite(int nLen);
    void Release();
    static void ReleaseData(CStringData* pData);
    static void FreeData(CStringData* pData);
    static int AllocLength(const CStringData* pData);
    static int SafeStrlen(LPCTSTR lpsz);
};

VORAPI bool AFXAPI operator==(const CString& s1, const CString& s2);
VORAPI bool AFXAPI operator==(const CString& s1, LPCTSTR s2);
VORAPI bool AFXAPI operator==(LPCTSTR s1, const CString& s2);
VORAPI bool AFXAPI operator!=(const CString& s1, const CString& s2);
VORAPI bool AFXAPI operator!=(const CString& s1, LPCTSTR s2);
VORAPI bool AFXAPI operator!=(LPCTSTR s1, const CString& s2);
VORAPI bool AFXAPI operator<(const CString& s1, const CString& s2);
VORAPI bool AFXAPI operator<(const CString& s1, LPCTSTR s2);
VORAPI bool AFXAPI operator<(LPCTSTR s1, const CString& s2);
VORAPI bool AFXAPI operator>(const CString& s1, const CString& s2);
VORAPI bool AFXAPI operator>(const CString& s1, LPCTSTR s2);
VORAPI bool AFXAPI operator>(LPCTSTR s1, const CString& s2);
VORAPI bool AFXAPI operator<=(const CString& s1, const CString& s2);
VORAPI bool AFXAPI operator<=(const CString& s1, LPCTSTR s2);
VORAPI bool AFXAPI operator<=(LPCTSTR s1, const CString& s2);
VORAPI bool AFXAPI operator>=(const CString& s1, const CString& s2);
VORAPI bool AFXAPI operator>=(const CString& s1, LPCTSTR s2);
VORAPI bool AFXAPI operator>=(LPCTSTR s1, const CString& s2);


// ---------------------------------------------------------------------------
// Geometry: CSize, CPoint, CRect over the Win32 structures, inline. Rectangles
// follow Win32: right and bottom are exclusive, a rectangle with a width or
// height <= 0 is empty. TopLeft and BottomRight hand out the rectangle's own
// corners as CPoint references, so CPoint may alias a RECT's members.

class CPoint;
class CRect;

class VORAPI CSize : public tagSIZE {
public:
    CSize() { cx = cy = 0; }
    CSize(int initCX, int initCY) { cx = initCX, cy = initCY; }
    CSize(SIZE initSize) { cx = initSize.cx, cy = initSize.cy; }
    CSize(POINT initPt) { cx = initPt.x, cy = initPt.y; }
    CSize(DWORD dwSize) { cx = (short)LOWORD(dwSize), cy = (short)HIWORD(dwSize); }

    BOOL operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    BOOL operator!=(SIZE size) const { return !(*this == size); }
    void operator+=(SIZE size) { cx += size.cx, cy += size.cy; }
    void operator-=(SIZE size) { cx -= size.cx, cy -= size.cy; }
    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    inline CPoint operator+(POINT point) const;
    inline CPoint operator-(POINT point) const;
    inline CRect operator+(const RECT* lpRect) const;
    inline CRect operator-(const RECT* lpRect) const;
};

class VORAPI __attribute__((__may_alias__)) CPoint : public tagPOINT {
public:
    CPoint() { x = y = 0; }
    CPoint(int initX, int initY) { x = initX, y = initY; }
    CPoint(POINT initPt) { x = initPt.x, y = initPt.y; }
    CPoint(SIZE initSize) { x = initSize.cx, y = initSize.cy; }
    CPoint(DWORD dwPoint) { x = (short)LOWORD(dwPoint), y = (short)HIWORD(dwPoint); }

    void Offset(int xOffset, int yOffset) { x += xOffset, y += yOffset; }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }

    BOOL operator==(POINT point) const { return x == point.x && y == point.y; }
    BOOL operator!=(POINT point) const { return !(*this == point); }
    void operator+=(SIZE size) { x += size.cx, y += size.cy; }
    void operator-=(SIZE size) { x -= size.cx, y -= size.cy; }
    void operator+=(POINT point) { x += point.x, y += point.y; }
    void operator-=(POINT point) { x -= point.x, y -= point.y; }

    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    inline CRect operator+(const RECT* lpRect) const;
    inline CRect operator-(const RECT* lpRect) const;
};

class VORAPI CRect : public tagRECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    CRect(const RECT& srcRect) { CopyRect(&srcRect); }
    CRect(LPCRECT lpSrcRect) { CopyRect(lpSrcRect); }
    CRect(POINT point, SIZE size) { left = point.x, top = point.y, right = point.x + size.cx, bottom = point.y + size.cy; }
    CRect(POINT topLeft, POINT bottomRight) { left = topLeft.x, top = topLeft.y, right = bottomRight.x, bottom = bottomRight.y; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(right - left, bottom - top); }
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    void SwapLeftRight() { SwapLeftRight(this); }
    static void SwapLeftRight(LPRECT lpRect)
    {
        LONG t = lpRect->left;
        lpRect->left = lpRect->right;
        lpRect->right = t;
    }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL IsRectEmpty() const { return left >= right || top >= bottom; }
    BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    void SetRect(int x1, int y1, int x2, int y2) { left = x1, top = y1, right = x2, bottom = y2; }
    void SetRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    void SetRectEmpty() { left = top = right = bottom = 0; }
    void CopyRect(LPCRECT lpSrcRect)
    {
        if (lpSrcRect == NULL) {
            SetRectEmpty();
            return;
        }
        left = lpSrcRect->left, top = lpSrcRect->top, right = lpSrcRect->right, bottom = lpSrcRect->bottom;
    }
    BOOL EqualRect(LPCRECT lpRect) const
    {
        return lpRect != NULL && left == lpRect->left && top == lpRect->top && right == lpRect->right &&
               bottom == lpRect->bottom;
    }

    void InflateRect(int x, int y) { left -= x, top -= y, right += x, bottom += y; }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(LPCRECT lpRect) { InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    void InflateRect(int l, int t, int r, int b) { left -= l, top -= t, right += r, bottom += b; }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(LPCRECT lpRect) { DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    void DeflateRect(int l, int t, int r, int b) { left += l, top += t, right -= r, bottom -= b; }

    void OffsetRect(int x, int y) { left += x, top += y, right += x, bottom += y; }
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    void NormalizeRect()
    {
        LONG t;
        if (left > right)
            t = left, left = right, right = t;
        if (top > bottom)
            t = top, top = bottom, bottom = t;
    }

    // As Win32: an empty result is stored as all zeros and answers FALSE.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
    {
        CRect a(lpRect1), b(lpRect2);
        CRect r(a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom);
        if (a.IsRectEmpty() || b.IsRectEmpty() || r.IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        *this = r;
        return TRUE;
    }
    // An empty source is ignored; both empty give all zeros and FALSE.
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
    {
        CRect a(lpRect1), b(lpRect2);
        if (a.IsRectEmpty()) {
            if (b.IsRectEmpty()) {
                SetRectEmpty();
                return FALSE;
            }
            *this = b;
            return TRUE;
        }
        if (b.IsRectEmpty()) {
            *this = a;
            return TRUE;
        }
        SetRect(a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom);
        return TRUE;
    }
    // The part of lpRectSrc1 outside lpRectSrc2 when that part is a rectangle
    // (lpRectSrc2 spans lpRectSrc1 fully across one side); otherwise lpRectSrc1.
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
    {
        CRect src(lpRectSrc1);
        if (src.IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        CRect cut;
        if (!cut.IntersectRect(&src, lpRectSrc2)) {
            *this = src;
            return TRUE;
        }
        CRect r = src;
        if (cut.left <= src.left && cut.right >= src.right) {
            if (cut.top <= src.top)
                r.top = cut.bottom;
            else if (cut.bottom >= src.bottom)
                r.bottom = cut.top;
        } else if (cut.top <= src.top && cut.bottom >= src.bottom) {
            if (cut.left <= src.left)
                r.left = cut.right;
            else if (cut.right >= src.right)
                r.right = cut.left;
        }
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        *this = r;
        return TRUE;
    }

    void operator=(const RECT& srcRect) { CopyRect(&srcRect); }
    BOOL operator==(const RECT& rect) const { return EqualRect(&rect); }
    BOOL operator!=(const RECT& rect) const { return !EqualRect(&rect); }
    void operator+=(POINT point) { OffsetRect(point.x, point.y); }
    void operator+=(SIZE size) { OffsetRect(size.cx, size.cy); }
    void operator+=(LPCRECT lpRect) { InflateRect(lpRect); }
    void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT lpRect) { DeflateRect(lpRect); }
    void operator&=(const RECT& rect) { IntersectRect(this, &rect); }
    void operator|=(const RECT& rect) { UnionRect(this, &rect); }

    CRect operator+(POINT point) const
    {
        CRect r(*this);
        r.OffsetRect(point.x, point.y);
        return r;
    }
    CRect operator-(POINT point) const
    {
        CRect r(*this);
        r.OffsetRect(-point.x, -point.y);
        return r;
    }
    CRect operator+(SIZE size) const
    {
        CRect r(*this);
        r.OffsetRect(size.cx, size.cy);
        return r;
    }
    CRect operator-(SIZE size) const
    {
        CRect r(*this);
        r.OffsetRect(-size.cx, -size.cy);
        return r;
    }
    CRect operator+(LPCRECT lpRect) const
    {
        CRect r(*this);
        r.InflateRect(lpRect);
        return r;
    }
    CRect operator-(LPCRECT lpRect) const
    {
        CRect r(*this);
        r.DeflateRect(lpRect);
        return r;
    }
    CRect operator&(const RECT& rect2) const
    {
        CRect r;
        r.IntersectRect(this, &rect2);
        return r;
    }
    CRect operator|(const RECT& rect2) const
    {
        CRect r;
        r.UnionRect(this, &rect2);
        return r;
    }
};

inline CPoint CSize::operator+(POINT point) const { return CPoint(cx + point.x, cy + point.y); }
inline CPoint CSize::operator-(POINT point) const { return CPoint(cx - point.x, cy - point.y); }
inline CRect CSize::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
inline CRect CSize::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }
inline CRect CPoint::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
inline CRect CPoint::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }
