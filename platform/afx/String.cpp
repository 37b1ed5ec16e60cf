// CString: reference-counted 8-bit strings with copy-on-write.
#include "afx.h"

#include "StringHeap.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// The shared empty representation: constant-initialised, never freed,
// never written (locked, and zero capacity, make every writer allocate). It
// is laid out as a block of class 0, its capacity before the header.
#pragma pack(push, 1)
struct EmptyRep {
    int nAllocLength;
    CStringData header;
    TCHAR chNil[8];
};
#pragma pack(pop)
EmptyRep g_emptyRep = {0, {-CStringData::kOneOwner, 0}, {0}};

// A block of its own (class 0) has its capacity in front of the header.
constexpr size_t kOwnPrefix = sizeof(int);
// Header and terminator: what a block holds besides the characters.
constexpr size_t kOverhead = sizeof(CStringData) + 1;

// Bytes of the block of class 0 that holds nLen characters.
inline size_t OwnBlockBytes(size_t nLen) { return (kOwnPrefix + kOverhead + nLen + 7) & ~(size_t)7; }

inline LPTSTR EmptyData() { return g_emptyRep.header.data(); }

// Marks a buffer with one owner as locked, keeping its class.
inline void LockData(CStringData* pData) { pData->nRefs = (int)pData->BlockClass() - CStringData::kOneOwner; }

// The capacity AllocBuffer gives a buffer for nLen characters.
int CapacityFor(int nLen)
{
    size_t need = kOverhead + (size_t)nLen;
    if (need <= vor_strheap::kMaxBlock)
        return (int)(vor_strheap::SizeOfClass(vor_strheap::ClassFor(need)) - kOverhead);
    return (int)(OwnBlockBytes((size_t)nLen) - kOwnPrefix - kOverhead);
}

inline bool IsEmptyRep(const CStringData* p) { return p == &g_emptyRep.header; }

// Lead bytes of a double-byte character in the process code page: the
// character functions step over whole characters, so a trail byte is never
// taken for an ASCII character.
inline bool IsLead(TCHAR ch)
{
    return ::IsDBCSLeadByte((BYTE)ch) != FALSE;
}

// Length in bytes of the character starting at p (1 or 2).
inline int CharLen(LPCTSTR p)
{
    return (IsLead(p[0]) && p[1] != '\0') ? 2 : 1;
}

inline bool IsSpace(TCHAR ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

inline TCHAR ToLowerAscii(TCHAR ch) { return (ch >= 'A' && ch <= 'Z') ? (TCHAR)(ch + ('a' - 'A')) : ch; }
inline TCHAR ToUpperAscii(TCHAR ch) { return (ch >= 'a' && ch <= 'z') ? (TCHAR)(ch - ('a' - 'A')) : ch; }

// Case-insensitive comparison of ASCII letters; other bytes compare as
// unsigned values.
int CompareNoCaseAscii(LPCTSTR a, LPCTSTR b)
{
    for (;; ++a, ++b) {
        BYTE ca = (BYTE)ToLowerAscii(*a);
        BYTE cb = (BYTE)ToLowerAscii(*b);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

int Sign(int n) { return n < 0 ? -1 : (n > 0 ? 1 : 0); }

// Whether ch (a single-byte character) occurs in the set.
bool InSet(LPCTSTR set, TCHAR ch)
{
    return ch != '\0' && set != NULL && std::strchr(set, ch) != NULL;
}

// The first occurrence of sub that starts on a character boundary at or
// after pFrom (a match may not begin on a trail byte); NULL if none. The
// walk starts at text, which must be a character boundary not after pFrom.
LPCTSTR FindSub(LPCTSTR text, LPCTSTR pFrom, LPCTSTR sub)
{
    size_t nSub = std::strlen(sub);
    for (LPCTSTR p = text;; p += CharLen(p)) {
        if (p >= pFrom && std::strncmp(p, sub, nSub) == 0)
            return p;
        if (*p == '\0')
            return NULL;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Representation management

int CString::SafeStrlen(LPCTSTR lpsz)
{
    return lpsz == NULL ? 0 : (int)std::strlen(lpsz);
}

void CString::Init()
{
    m_pchData = EmptyData();
}

// Makes a private buffer for nLen characters (length set to nLen); the old
// buffer is left to the caller. A block from the string heap is the header,
// the characters and the terminator in the smallest class that holds them;
// a longer text's block is that plus the capacity word, rounded up to 8
// bytes. Either way the room left over is given to the capacity. On a
// failure (std::bad_alloc) the string is unchanged.
void CString::AllocBuffer(int nLen)
{
    if (nLen < 0)
        nLen = 0;
    size_t need = kOverhead + (size_t)nLen;
    CStringData* pData;
    if (need <= vor_strheap::kMaxBlock) {
        unsigned cls = vor_strheap::ClassFor(need);
        pData = static_cast<CStringData*>(vor_strheap::Take(cls, vor_strheap::SizeOfClass(cls)));
        pData->nRefs = CStringData::kOneOwner + (int)cls;
    } else {
        size_t bytes = OwnBlockBytes((size_t)nLen);
        char* p = static_cast<char*>(::operator new(bytes));
        int nAlloc = (int)(bytes - kOwnPrefix - kOverhead);
        std::memcpy(p, &nAlloc, sizeof nAlloc);
        pData = reinterpret_cast<CStringData*>(p + kOwnPrefix);
        pData->nRefs = CStringData::kOneOwner;
    }
    pData->nDataLength = nLen;
    pData->data()[nLen] = '\0';
    m_pchData = pData->data();
}

int CString::AllocLength(const CStringData* pData)
{
    unsigned cls = pData->BlockClass();
    if (cls != 0)
        return (int)(vor_strheap::SizeOfClass(cls) - kOverhead);
    int nAlloc;
    std::memcpy(&nAlloc, reinterpret_cast<const char*>(pData) - kOwnPrefix, sizeof nAlloc);
    return nAlloc;
}

int CString::GetAllocLength() const { return AllocLength(GetData()); }

void CString::FreeData(CStringData* pData)
{
    if (pData->BlockClass() != 0)
        vor_strheap::Give(pData);
    else
        ::operator delete(static_cast<void*>(reinterpret_cast<char*>(pData) - kOwnPrefix));
}

// Drops one owner of a buffer (not the empty one), freeing it with the last.
void CString::ReleaseData(CStringData* pData)
{
    if (pData->IsLocked() || (pData->nRefs -= CStringData::kOneOwner) < CStringData::kOneOwner)
        FreeData(pData);
}

void CString::Release()
{
    CStringData* pData = GetData();
    if (!IsEmptyRep(pData))
        ReleaseData(pData);
    Init();
}

// Gives this string a buffer that nobody else shares, keeping its text. The
// old buffer loses this owner only once the new one is there.
void CString::CopyBeforeWrite()
{
    CStringData* pData = GetData();
    if (IsEmptyRep(pData) || pData->IsShared()) {
        int nLen = pData->nDataLength;
        AllocBuffer(nLen);
        std::memcpy(m_pchData, pData->data(), (size_t)nLen + 1);
        if (!IsEmptyRep(pData))
            ReleaseData(pData);
    }
}

// Gives this string a private buffer with room for nLen characters; the old
// text is discarded (after the new buffer is there).
void CString::AllocBeforeWrite(int nLen)
{
    CStringData* pData = GetData();
    if (IsEmptyRep(pData) || pData->IsShared() || nLen > AllocLength(pData)) {
        AllocBuffer(nLen);
        if (!IsEmptyRep(pData))
            ReleaseData(pData);
    }
}

void CString::AssignCopy(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0) {
        Release();
        return;
    }
    // The source may live in our own buffer (s = (LPCTSTR)s + 2).
    CStringData* pOld = GetData();
    bool aliased = lpszSrcData >= m_pchData && lpszSrcData <= m_pchData + pOld->nDataLength;
    if (aliased && !IsEmptyRep(pOld) && !pOld->IsShared() && nSrcLen <= AllocLength(pOld)) {
        std::memmove(m_pchData, lpszSrcData, (size_t)nSrcLen);
    } else if (aliased) {
        CString copy(lpszSrcData, nSrcLen);
        AssignCopy(copy.GetLength(), copy.m_pchData);
        return;
    } else {
        AllocBeforeWrite(nSrcLen);
        std::memcpy(m_pchData, lpszSrcData, (size_t)nSrcLen);
    }
    GetData()->nDataLength = nSrcLen;
    m_pchData[nSrcLen] = '\0';
}

void CString::ConcatInPlace(int nSrcLen, LPCTSTR lpszSrcData)
{
    if (nSrcLen == 0)
        return;
    CStringData* pData = GetData();
    int nOldLen = pData->nDataLength;
    if (!IsEmptyRep(pData) && !pData->IsShared() && nOldLen + nSrcLen <= AllocLength(pData)) {
        std::memmove(m_pchData + nOldLen, lpszSrcData, (size_t)nSrcLen);
        pData->nDataLength = nOldLen + nSrcLen;
        m_pchData[nOldLen + nSrcLen] = '\0';
        return;
    }
    // Grow geometrically so repeated appends stay linear; the old buffer is
    // kept until the copy is done because the source may lie inside it.
    int nNewLen = nOldLen + nSrcLen;
    int nCap = nNewLen;
    if (nOldLen > 0)
        nCap = nNewLen + nNewLen / 2;
    LPTSTR pOldChars = m_pchData;
    AllocBuffer(nCap);
    std::memcpy(m_pchData, pOldChars, (size_t)nOldLen);
    std::memcpy(m_pchData + nOldLen, lpszSrcData, (size_t)nSrcLen);
    GetData()->nDataLength = nNewLen;
    m_pchData[nNewLen] = '\0';
    if (!IsEmptyRep(pData))
        ReleaseData(pData);
}

// ---------------------------------------------------------------------------
// Construction

CString::CString() { Init(); }

CString::CString(const CString& stringSrc)
{
    CStringData* pSrc = stringSrc.GetData();
    if (IsEmptyRep(pSrc)) {
        Init();
    } else if (!pSrc->CanShare()) {
        // A locked buffer belongs to its string alone.
        Init();
        AllocBuffer(pSrc->nDataLength);
        std::memcpy(m_pchData, stringSrc.m_pchData, (size_t)pSrc->nDataLength + 1);
    } else {
        pSrc->nRefs += CStringData::kOneOwner;
        m_pchData = stringSrc.m_pchData;
    }
}

CString::CString(CString&& stringSrc) noexcept
{
    m_pchData = stringSrc.m_pchData;
    stringSrc.Init();
}

CString::CString(TCHAR ch, int nRepeat)
{
    Init();
    if (nRepeat >= 1) {
        AllocBuffer(nRepeat);
        std::memset(m_pchData, ch, (size_t)nRepeat);
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
    if (lpsz != NULL && IS_INTRESOURCE(lpsz)) {
        LoadString(LOWORD((ULONG_PTR)lpsz));
        return;
    }
    int nLen = SafeStrlen(lpsz);
    if (nLen != 0) {
        AllocBuffer(nLen);
        std::memcpy(m_pchData, lpsz, (size_t)nLen);
    }
}

CString::CString(LPCSTR lpch, int nLength)
{
    Init();
    if (lpch != NULL && nLength > 0) {
        // Stop at an embedded terminator, so the length always agrees with
        // what strlen reports.
        const void* nul = std::memchr(lpch, 0, (size_t)nLength);
        if (nul != NULL)
            nLength = (int)(static_cast<const char*>(nul) - lpch);
        if (nLength > 0) {
            AllocBuffer(nLength);
            std::memcpy(m_pchData, lpch, (size_t)nLength);
        }
    }
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}

CString::~CString() { Release(); }

void CString::Empty() { Release(); }

// ---------------------------------------------------------------------------
// Element access

TCHAR CString::GetAt(int nIndex) const
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex < 0 || nIndex >= GetLength())
        return '\0';
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    ASSERT(nIndex >= 0 && nIndex < GetLength());
    if (nIndex < 0 || nIndex >= GetLength() || ch == '\0')
        return;
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

// ---------------------------------------------------------------------------
// Assignment and concatenation

const CString& CString::operator=(const CString& stringSrc)
{
    if (m_pchData == stringSrc.m_pchData)
        return *this;
    CStringData* pSrc = stringSrc.GetData();
    if (IsEmptyRep(pSrc)) {
        Release();
    } else if (!pSrc->CanShare() || (!IsEmptyRep(GetData()) && GetData()->IsLocked())) {
        // A locked buffer on either side: copy the characters.
        AssignCopy(pSrc->nDataLength, stringSrc.m_pchData);
    } else {
        pSrc->nRefs += CStringData::kOneOwner;
        Release();
        m_pchData = stringSrc.m_pchData;
    }
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc) {
        Release();
        m_pchData = stringSrc.m_pchData;
        stringSrc.Init();
    }
    return *this;
}

const CString& CString::operator=(TCHAR ch)
{
    if (ch == '\0') {
        Release();
    } else {
        AssignCopy(1, &ch);
    }
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<LPCSTR>(psz);
}

const CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetLength(), string.m_pchData);
    return *this;
}

const CString& CString::operator+=(TCHAR ch)
{
    if (ch != '\0')
        ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCTSTR lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
    return *this;
}

namespace {
CString Concat(LPCTSTR a, int na, LPCTSTR b, int nb)
{
    CString s;
    if (na + nb > 0) {
        LPTSTR p = s.GetBufferSetLength(na + nb);
        if (na > 0)
            std::memcpy(p, a, (size_t)na);
        if (nb > 0)
            std::memcpy(p + na, b, (size_t)nb);
    }
    return s;
}
}  // namespace

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    if (string2.IsEmpty())
        return string1;
    if (string1.IsEmpty())
        return string2;
    return Concat(string1, string1.GetLength(), string2, string2.GetLength());
}

CString AFXAPI operator+(const CString& string, TCHAR ch)
{
    if (ch == '\0')
        return string;
    return Concat(string, string.GetLength(), &ch, 1);
}

CString AFXAPI operator+(TCHAR ch, const CString& string)
{
    if (ch == '\0')
        return string;
    return Concat(&ch, 1, string, string.GetLength());
}

CString AFXAPI operator+(const CString& string, LPCTSTR lpsz)
{
    return Concat(string, string.GetLength(), lpsz, CString::SafeStrlen(lpsz));
}

CString AFXAPI operator+(LPCTSTR lpsz, const CString& string)
{
    return Concat(lpsz, CString::SafeStrlen(lpsz), string, string.GetLength());
}

// ---------------------------------------------------------------------------
// Comparison (a null pointer compares as the empty string)

int CString::Compare(LPCTSTR lpsz) const
{
    return Sign(std::strcmp(m_pchData, lpsz != NULL ? lpsz : ""));
}

int CString::CompareNoCase(LPCTSTR lpsz) const
{
    return CompareNoCaseAscii(m_pchData, lpsz != NULL ? lpsz : "");
}

// The platform has no locale-specific collation: text collates by code
// units, as Compare does.
int CString::Collate(LPCTSTR lpsz) const { return Compare(lpsz); }
int CString::CollateNoCase(LPCTSTR lpsz) const { return CompareNoCase(lpsz); }

bool AFXAPI operator==(const CString& s1, const CString& s2)
{
    return s1.GetLength() == s2.GetLength() && s1.Compare(s2) == 0;
}
bool AFXAPI operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
bool AFXAPI operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
bool AFXAPI operator!=(const CString& s1, const CString& s2) { return !(s1 == s2); }
bool AFXAPI operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
bool AFXAPI operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
bool AFXAPI operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
bool AFXAPI operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
bool AFXAPI operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
bool AFXAPI operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
bool AFXAPI operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
bool AFXAPI operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
bool AFXAPI operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
bool AFXAPI operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
bool AFXAPI operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
bool AFXAPI operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
bool AFXAPI operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
bool AFXAPI operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

// ---------------------------------------------------------------------------
// Extraction

CString CString::Mid(int nFirst, int nCount) const
{
    int nLen = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLen)
        nFirst = nLen;
    if (nCount > nLen - nFirst)
        nCount = nLen - nFirst;
    if (nFirst == 0 && nCount == nLen)
        return *this;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    int nLen = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLen)
        nCount = nLen;
    return Mid(nLen - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return CString();
    return Left((int)std::strspn(m_pchData, lpszCharSet));
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return *this;
    return Left((int)std::strcspn(m_pchData, lpszCharSet));
}

// ---------------------------------------------------------------------------
// In-place changes

void CString::MakeUpper()
{
    CopyBeforeWrite();
    for (LPTSTR p = m_pchData; *p != '\0';) {
        int n = CharLen(p);
        if (n == 1)
            *p = ToUpperAscii(*p);
        p += n;
    }
}

void CString::MakeLower()
{
    CopyBeforeWrite();
    for (LPTSTR p = m_pchData; *p != '\0';) {
        int n = CharLen(p);
        if (n == 1)
            *p = ToLowerAscii(*p);
        p += n;
    }
}

// Reverses the order of the characters; a double-byte character keeps its
// two bytes in order.
void CString::MakeReverse()
{
    int nLen = GetLength();
    if (nLen < 2)
        return;
    CString result;
    LPTSTR dst = result.GetBufferSetLength(nLen);
    int j = nLen;
    for (int i = 0; i < nLen;) {
        int n = CharLen(m_pchData + i);
        j -= n;
        std::memcpy(dst + j, m_pchData + i, (size_t)n);
        i += n;
    }
    *this = std::move(result);
}

void CString::TrimRight()
{
    LPCTSTR pLast = NULL;  // first of the trailing white space
    for (LPCTSTR p = m_pchData; *p != '\0';) {
        if (IsSpace(*p)) {
            if (pLast == NULL)
                pLast = p;
        } else {
            pLast = NULL;
        }
        p += CharLen(p);
    }
    if (pLast != NULL)
        Delete((int)(pLast - m_pchData), GetLength());
}

void CString::TrimRight(TCHAR chTarget)
{
    TCHAR set[2] = {chTarget, '\0'};
    TrimRight(set);
}

void CString::TrimRight(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return;
    LPCTSTR pLast = NULL;
    for (LPCTSTR p = m_pchData; *p != '\0';) {
        int n = CharLen(p);
        if (n == 1 && InSet(lpszTargets, *p)) {
            if (pLast == NULL)
                pLast = p;
        } else {
            pLast = NULL;
        }
        p += n;
    }
    if (pLast != NULL)
        Delete((int)(pLast - m_pchData), GetLength());
}

void CString::TrimLeft()
{
    int n = 0;
    while (m_pchData[n] != '\0' && IsSpace(m_pchData[n]))
        ++n;
    if (n > 0)
        Delete(0, n);
}

void CString::TrimLeft(TCHAR chTarget)
{
    TCHAR set[2] = {chTarget, '\0'};
    TrimLeft(set);
}

void CString::TrimLeft(LPCTSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == '\0')
        return;
    int n = 0;
    while (m_pchData[n] != '\0' && CharLen(m_pchData + n) == 1 && InSet(lpszTargets, m_pchData[n]))
        ++n;
    if (n > 0)
        Delete(0, n);
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    if (chOld == chNew || chOld == '\0' || chNew == '\0')
        return 0;
    int nCount = 0;
    for (int i = 0; i < GetLength();) {
        int n = CharLen(m_pchData + i);
        if (n == 1 && m_pchData[i] == chOld) {
            if (nCount == 0)
                CopyBeforeWrite();
            m_pchData[i] = chNew;
            ++nCount;
        }
        i += n;
    }
    return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    int nOldLen = SafeStrlen(lpszOld);
    if (nOldLen == 0)
        return 0;
    int nNewLen = SafeStrlen(lpszNew);
    int nCount = 0;
    for (LPCTSTR p = FindSub(m_pchData, m_pchData, lpszOld); p != NULL; p = FindSub(p, p + nOldLen, lpszOld))
        ++nCount;
    if (nCount == 0)
        return 0;
    // Build the result apart: the arguments may point into this string.
    CString result;
    LPTSTR dst = result.GetBufferSetLength(GetLength() + nCount * (nNewLen - nOldLen));
    LPCTSTR src = m_pchData;
    LPCTSTR pWalk = m_pchData;
    for (LPCTSTR p = FindSub(pWalk, src, lpszOld); p != NULL; p = FindSub(pWalk, src, lpszOld)) {
        std::memcpy(dst, src, (size_t)(p - src));
        dst += p - src;
        std::memcpy(dst, lpszNew, (size_t)nNewLen);
        dst += nNewLen;
        src = p + nOldLen;
        pWalk = p;
    }
    std::strcpy(dst, src);
    *this = std::move(result);
    return nCount;
}

int CString::Remove(TCHAR chRemove)
{
    if (chRemove == '\0' || std::strchr(m_pchData, chRemove) == NULL)
        return 0;
    CopyBeforeWrite();
    int nLen = GetLength();
    int j = 0;
    for (int i = 0; i < nLen;) {
        int n = CharLen(m_pchData + i);
        if (n == 1 && m_pchData[i] == chRemove) {
            i += 1;
            continue;
        }
        for (int k = 0; k < n; ++k)
            m_pchData[j++] = m_pchData[i++];
    }
    int nRemoved = nLen - j;
    m_pchData[j] = '\0';
    GetData()->nDataLength = j;
    return nRemoved;
}

int CString::Insert(int nIndex, TCHAR ch)
{
    TCHAR s[2] = {ch, '\0'};
    return Insert(nIndex, s);
}

int CString::Insert(int nIndex, LPCTSTR pstr)
{
    int nInsert = SafeStrlen(pstr);
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > nLen)
        nIndex = nLen;
    if (nInsert == 0)
        return nLen;
    CString result;
    LPTSTR dst = result.GetBufferSetLength(nLen + nInsert);
    std::memcpy(dst, m_pchData, (size_t)nIndex);
    std::memcpy(dst + nIndex, pstr, (size_t)nInsert);
    std::memcpy(dst + nIndex + nInsert, m_pchData + nIndex, (size_t)(nLen - nIndex));
    *this = std::move(result);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > nLen - nIndex)
        nCount = nLen - nIndex;
    if (nCount <= 0)
        return nLen;
    CopyBeforeWrite();
    std::memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, (size_t)(nLen - nIndex - nCount) + 1);
    GetData()->nDataLength = nLen - nCount;
    return nLen - nCount;
}

// ---------------------------------------------------------------------------
// Searching

int CString::Find(TCHAR ch) const { return Find(ch, 0); }

int CString::Find(TCHAR ch, int nStart) const
{
    int nLen = GetLength();
    if (ch == '\0' || nStart >= nLen)
        return -1;
    if (nStart < 0)
        nStart = 0;
    // Walk whole characters from the start so a trail byte never matches.
    for (int i = 0; i < nLen;) {
        int n = CharLen(m_pchData + i);
        if (i >= nStart && n == 1 && m_pchData[i] == ch)
            return i;
        i += n;
    }
    return -1;
}

int CString::Find(LPCTSTR lpszSub) const { return Find(lpszSub, 0); }

int CString::Find(LPCTSTR lpszSub, int nStart) const
{
    int nLen = GetLength();
    if (lpszSub == NULL || nStart > nLen)
        return -1;
    if (nStart < 0)
        nStart = 0;
    LPCTSTR p = FindSub(m_pchData, m_pchData + nStart, lpszSub);
    return p == NULL ? -1 : (int)(p - m_pchData);
}

int CString::ReverseFind(TCHAR ch) const
{
    if (ch == '\0')
        return -1;
    int nFound = -1;
    for (int i = 0; m_pchData[i] != '\0';) {
        int n = CharLen(m_pchData + i);
        if (n == 1 && m_pchData[i] == ch)
            nFound = i;
        i += n;
    }
    return nFound;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const
{
    if (lpszCharSet == NULL || *lpszCharSet == '\0')
        return -1;
    for (int i = 0; m_pchData[i] != '\0';) {
        int n = CharLen(m_pchData + i);
        if (n == 1 && InSet(lpszCharSet, m_pchData[i]))
            return i;
        i += n;
    }
    return -1;
}

// ---------------------------------------------------------------------------
// Formatting

void CString::FormatV(LPCTSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL) {
        Empty();
        return;
    }
    va_list args;
    va_copy(args, argList);
    int nNeeded = std::vsnprintf(NULL, 0, lpszFormat, args);
    va_end(args);
    if (nNeeded <= 0) {
        Empty();
        return;
    }
    // Format into a new buffer: an argument may be this string's own text.
    CString result;
    LPTSTR p = result.GetBufferSetLength(nNeeded);
    va_copy(args, argList);
    std::vsnprintf(p, (size_t)nNeeded + 1, lpszFormat, args);
    va_end(args);
    *this = std::move(result);
}

void CString::Format(LPCTSTR lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    if (!strFormat.LoadString(nFormatID)) {
        Empty();
        return;
    }
    va_list args;
    va_start(args, nFormatID);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    FormatV(strFormat, args);
#pragma GCC diagnostic pop
    va_end(args);
}

void CString::AppendFormat(LPCTSTR lpszFormat, ...)
{
    CString strMore;
    va_list args;
    va_start(args, lpszFormat);
    strMore.FormatV(lpszFormat, args);
    va_end(args);
    *this += strMore;
}

// ---------------------------------------------------------------------------
// Resources

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = ::AfxFindResourceHandle(MAKEINTRESOURCE((nID >> 4) + 1), RT_STRING);
    if (hInst == NULL)
        return FALSE;
    // LoadString truncates to the buffer: grow until the text fits with room
    // to spare.
    for (int nSize = 256; nSize <= 65536; nSize *= 2) {
        CString buffer;
        LPTSTR p = buffer.GetBuffer(nSize);
        int nLen = ::LoadStringA(hInst, nID, p, nSize);
        if (nLen <= 0)
            return FALSE;
        if (nLen < nSize - 1) {
            buffer.ReleaseBuffer(nLen);
            *this = std::move(buffer);
            return TRUE;
        }
    }
    return FALSE;
}

// ---------------------------------------------------------------------------
// Direct buffer access

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength < 0)
        nMinBufLength = 0;
    CStringData* pData = GetData();
    if (IsEmptyRep(pData) || pData->IsShared() || nMinBufLength > AllocLength(pData)) {
        int nOldLen = pData->nDataLength;
        if (nMinBufLength < nOldLen)
            nMinBufLength = nOldLen;
        LPTSTR pOldChars = m_pchData;
        AllocBuffer(nMinBufLength);
        std::memcpy(m_pchData, pOldChars, (size_t)nOldLen + 1);
        GetData()->nDataLength = nOldLen;
        if (!IsEmptyRep(pData))
            ReleaseData(pData);
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CStringData* pData = GetData();
    if (IsEmptyRep(pData))
        return;
    CopyBeforeWrite();
    pData = GetData();
    const int nAlloc = AllocLength(pData);
    if (nNewLength < 0) {
        // The caller's text ends at its terminator, or at the end of the room.
        const void* nul = std::memchr(m_pchData, 0, (size_t)nAlloc + 1);
        nNewLength = nul == NULL ? nAlloc : (int)(static_cast<const char*>(nul) - m_pchData);
    }
    if (nNewLength > nAlloc)
        nNewLength = nAlloc;
    pData->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
    return m_pchData;
}

void CString::FreeExtra()
{
    CStringData* pData = GetData();
    if (IsEmptyRep(pData))
        return;
    if (pData->nDataLength == 0) {
        if (!pData->IsLocked())
            Release();
        return;
    }
    const int nLen = pData->nDataLength;
    if (CapacityFor(nLen) >= AllocLength(pData))
        return;
    const bool bLocked = pData->IsLocked();
    AllocBuffer(nLen);
    std::memcpy(m_pchData, pData->data(), (size_t)nLen + 1);
    if (bLocked)
        LockData(GetData());  // stays locked
    ReleaseData(pData);
}

LPTSTR CString::LockBuffer()
{
    LPTSTR p = GetBuffer(0);
    LockData(GetData());
    return p;
}

void CString::UnlockBuffer()
{
    CStringData* pData = GetData();
    if (!IsEmptyRep(pData) && pData->IsLocked())
        pData->nRefs = CStringData::kOneOwner + (int)pData->BlockClass();
}
