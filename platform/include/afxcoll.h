// The framework's collection classes: arrays, lists and maps of pointers,
// integers, objects and strings. The element handling is shared with the
// templates of afxtempl.h through the helpers in namespace vor_afx.
#pragma once

#include "afx.h"

#include <new>
#include <utility>

namespace vor_afx {

// The element read or written by an out-of-range access: a fresh default
// value each time, so a stray write corrupts nothing and a stray read gives
// a defined result.
template <class TYPE>
TYPE& OutOfRangeElement()
{
    static TYPE s_element;
    s_element = TYPE();
    return s_element;
}

// Growable array of TYPE. Elements are constructed, copied and destroyed
// with the type's own operations: growing the storage moves each element to
// its new place, insertion and removal shift with assignment.
template <class TYPE, class ARG_TYPE>
class ArrayCore {
public:
    ArrayCore() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    ~ArrayCore()
    {
        DestroyRange(0, m_nSize);
        ::operator delete(static_cast<void*>(m_pData));
    }
    ArrayCore(const ArrayCore&) = delete;
    ArrayCore& operator=(const ArrayCore&) = delete;

    int GetSize() const { return m_nSize; }
    int GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    int GetUpperBound() const { return m_nSize - 1; }

    void SetSize(int nNewSize, int nGrowBy = -1)
    {
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        if (nNewSize < 0)
            nNewSize = 0;
        if (nNewSize < m_nSize) {
            DestroyRange(nNewSize, m_nSize);
            m_nSize = nNewSize;
            if (nNewSize == 0) {
                ::operator delete(static_cast<void*>(m_pData));
                m_pData = NULL;
                m_nMaxSize = 0;
            }
            return;
        }
        if (nNewSize > m_nMaxSize) {
            int nGrow = m_nGrowBy;
            if (nGrow == 0) {
                // Grow by about an eighth, between 4 and 1024 elements.
                nGrow = m_nSize / 8;
                nGrow = nGrow < 4 ? 4 : (nGrow > 1024 ? 1024 : nGrow);
            }
            int nNewMax = m_nMaxSize + nGrow;
            if (m_pData == NULL)
                nNewMax = nNewSize;  // the first allocation is exact, as in MFC
            if (nNewMax < nNewSize)
                nNewMax = nNewSize;
            Reallocate(nNewMax);
        }
        for (int i = m_nSize; i < nNewSize; ++i)
            ::new (static_cast<void*>(m_pData + i)) TYPE();
        m_nSize = nNewSize;
    }

    void FreeExtra()
    {
        if (m_nSize != m_nMaxSize) {
            if (m_nSize == 0) {
                ::operator delete(static_cast<void*>(m_pData));
                m_pData = NULL;
                m_nMaxSize = 0;
            } else {
                Reallocate(m_nSize);
            }
        }
    }

    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(int nIndex) const
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        if (nIndex < 0 || nIndex >= m_nSize)
            return OutOfRangeElement<TYPE>();
        return m_pData[nIndex];
    }
    TYPE& ElementAt(int nIndex)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        if (nIndex < 0 || nIndex >= m_nSize)
            return OutOfRangeElement<TYPE>();
        return m_pData[nIndex];
    }
    void SetAt(int nIndex, ARG_TYPE newElement)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize);
        if (nIndex >= 0 && nIndex < m_nSize)
            m_pData[nIndex] = newElement;
    }

    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    void SetAtGrow(int nIndex, ARG_TYPE newElement)
    {
        ASSERT(nIndex >= 0);
        if (nIndex < 0)
            return;
        if (nIndex >= m_nSize) {
            TYPE copy(newElement);  // newElement may live in this array
            SetSize(nIndex + 1, -1);
            m_pData[nIndex] = std::move(copy);
        } else {
            m_pData[nIndex] = newElement;
        }
    }

    int Add(ARG_TYPE newElement)
    {
        int nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }

    int Append(const ArrayCore& src)
    {
        int nOldSize = m_nSize;
        int nCount = src.m_nSize;
        SetSize(m_nSize + nCount);
        // With src == *this the source elements are the first nCount ones
        // and stay where they are.
        for (int i = 0; i < nCount; ++i)
            m_pData[nOldSize + i] = src.m_pData[i];
        return nOldSize;
    }

    void Copy(const ArrayCore& src)
    {
        if (this == &src)
            return;
        SetSize(src.m_nSize);
        for (int i = 0; i < m_nSize; ++i)
            m_pData[i] = src.m_pData[i];
    }

    // Inserts nCount copies at nIndex; an index past the end grows the array
    // with default elements up to it first.
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1)
    {
        ASSERT(nIndex >= 0 && nCount > 0);
        if (nIndex < 0 || nCount <= 0)
            return;
        TYPE copy(newElement);  // newElement may live in this array
        OpenGap(nIndex, nCount);
        for (int i = 0; i < nCount; ++i)
            m_pData[nIndex + i] = copy;
    }

    void InsertAt(int nStartIndex, const ArrayCore* pNewArray)
    {
        if (pNewArray == NULL || nStartIndex < 0 || pNewArray->m_nSize == 0)
            return;
        if (pNewArray == this) {
            // Inserting an array into itself: take a copy first.
            ArrayCore copy;
            copy.Copy(*this);
            InsertAt(nStartIndex, &copy);
            return;
        }
        int nCount = pNewArray->m_nSize;
        OpenGap(nStartIndex, nCount);
        for (int i = 0; i < nCount; ++i)
            m_pData[nStartIndex + i] = pNewArray->m_pData[i];
    }

    // Removes up to nCount elements from nIndex; the count is clamped to the
    // end of the array, an index out of range removes nothing.
    void RemoveAt(int nIndex, int nCount = 1)
    {
        ASSERT(nIndex >= 0 && nIndex < m_nSize && nCount >= 0);
        if (nIndex < 0 || nIndex >= m_nSize || nCount <= 0)
            return;
        if (nCount > m_nSize - nIndex)
            nCount = m_nSize - nIndex;
        for (int i = nIndex; i + nCount < m_nSize; ++i)
            m_pData[i] = std::move(m_pData[i + nCount]);
        DestroyRange(m_nSize - nCount, m_nSize);
        m_nSize -= nCount;
    }

private:
    void DestroyRange(int nFrom, int nTo)
    {
        for (int i = nFrom; i < nTo; ++i)
            m_pData[i].~TYPE();
    }

    // Moves the elements into new storage of nNewMax elements.
    void Reallocate(int nNewMax)
    {
        TYPE* pNew = static_cast<TYPE*>(::operator new(sizeof(TYPE) * (size_t)nNewMax));
        for (int i = 0; i < m_nSize; ++i) {
            ::new (static_cast<void*>(pNew + i)) TYPE(std::move(m_pData[i]));
            m_pData[i].~TYPE();
        }
        ::operator delete(static_cast<void*>(m_pData));
        m_pData = pNew;
        m_nMaxSize = nNewMax;
    }

    // Makes room for nCount elements at nIndex (default elements in the gap).
    void OpenGap(int nIndex, int nCount)
    {
        if (nIndex >= m_nSize) {
            SetSize(nIndex + nCount, -1);
            return;
        }
        int nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        for (int i = nOldSize - 1; i >= nIndex; --i)
            m_pData[i + nCount] = std::move(m_pData[i]);
        for (int i = nIndex; i < nIndex + nCount; ++i)
            m_pData[i] = TYPE();
    }

    TYPE* m_pData;
    int m_nSize;
    int m_nMaxSize;
    int m_nGrowBy;
};

}  // namespace vor_afx

// The concrete arrays: CObject-derived, with MFC's interface, over ArrayCore.
#define VOR_AFX_DECLARE_ARRAY(class_name, TYPE, ARG_TYPE)                                            \
    class VORAPI class_name : public CObject {                                                       \
        DECLARE_DYNAMIC(class_name)                                                                  \
    public:                                                                                          \
        class_name() {}                                                                              \
        virtual ~class_name();                                                                       \
        int GetSize() const { return m_core.GetSize(); }                                             \
        int GetCount() const { return m_core.GetCount(); }                                           \
        BOOL IsEmpty() const { return m_core.IsEmpty(); }                                            \
        int GetUpperBound() const { return m_core.GetUpperBound(); }                                 \
        void SetSize(int nNewSize, int nGrowBy = -1) { m_core.SetSize(nNewSize, nGrowBy); }          \
        void FreeExtra() { m_core.FreeExtra(); }                                                     \
        void RemoveAll() { m_core.RemoveAll(); }                                                     \
        TYPE GetAt(int nIndex) const { return m_core.GetAt(nIndex); }                                \
        void SetAt(int nIndex, ARG_TYPE newElement) { m_core.SetAt(nIndex, newElement); }            \
        TYPE& ElementAt(int nIndex) { return m_core.ElementAt(nIndex); }                             \
        const TYPE* GetData() const { return (const TYPE*)m_core.GetData(); }                               \
        TYPE* GetData() { return m_core.GetData(); }                                                 \
        void SetAtGrow(int nIndex, ARG_TYPE newElement) { m_core.SetAtGrow(nIndex, newElement); }    \
        int Add(ARG_TYPE newElement) { return m_core.Add(newElement); }                              \
        int Append(const class_name& src) { return m_core.Append(src.m_core); }                      \
        void Copy(const class_name& src) { m_core.Copy(src.m_core); }                                \
        TYPE operator[](int nIndex) const { return m_core.GetAt(nIndex); }                           \
        TYPE& operator[](int nIndex) { return m_core.ElementAt(nIndex); }                            \
        void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1)                               \
        {                                                                                            \
            m_core.InsertAt(nIndex, newElement, nCount);                                             \
        }                                                                                            \
        void RemoveAt(int nIndex, int nCount = 1) { m_core.RemoveAt(nIndex, nCount); }               \
        void InsertAt(int nStartIndex, class_name* pNewArray)                                        \
        {                                                                                            \
            m_core.InsertAt(nStartIndex, pNewArray == NULL ? NULL : &pNewArray->m_core);             \
        }                                                                                            \
                                                                                                     \
    protected:                                                                                       \
        vor_afx::ArrayCore<TYPE, ARG_TYPE> m_core;                                                   \
    }

VOR_AFX_DECLARE_ARRAY(CByteArray, BYTE, BYTE);
VOR_AFX_DECLARE_ARRAY(CWordArray, WORD, WORD);
VOR_AFX_DECLARE_ARRAY(CDWordArray, DWORD, DWORD);
VOR_AFX_DECLARE_ARRAY(CUIntArray, UINT, UINT);
VOR_AFX_DECLARE_ARRAY(CPtrArray, void*, void*);
VOR_AFX_DECLARE_ARRAY(CObArray, CObject*, CObject*);

// CStringArray hands out references to its strings, as MFC does.
class VORAPI CStringArray : public CObject {
    DECLARE_DYNAMIC(CStringArray)
public:
    CStringArray() {}
    virtual ~CStringArray();

    int GetSize() const { return m_core.GetSize(); }
    int GetCount() const { return m_core.GetCount(); }
    BOOL IsEmpty() const { return m_core.IsEmpty(); }
    int GetUpperBound() const { return m_core.GetUpperBound(); }
    void SetSize(int nNewSize, int nGrowBy = -1) { m_core.SetSize(nNewSize, nGrowBy); }
    void FreeExtra() { m_core.FreeExtra(); }
    void RemoveAll() { m_core.RemoveAll(); }

    const CString& GetAt(int nIndex) const { return m_core.GetAt(nIndex); }
    void SetAt(int nIndex, LPCTSTR newElement) { m_core.SetAt(nIndex, CString(newElement)); }
    void SetAt(int nIndex, const CString& newElement) { m_core.SetAt(nIndex, newElement); }
    CString& ElementAt(int nIndex) { return m_core.ElementAt(nIndex); }
    const CString* GetData() const { return m_core.GetData(); }
    CString* GetData() { return m_core.GetData(); }

    void SetAtGrow(int nIndex, LPCTSTR newElement) { m_core.SetAtGrow(nIndex, CString(newElement)); }
    void SetAtGrow(int nIndex, const CString& newElement) { m_core.SetAtGrow(nIndex, newElement); }
    int Add(LPCTSTR newElement) { return m_core.Add(CString(newElement)); }
    int Add(const CString& newElement) { return m_core.Add(newElement); }
    int Append(const CStringArray& src) { return m_core.Append(src.m_core); }
    void Copy(const CStringArray& src) { m_core.Copy(src.m_core); }

    const CString& operator[](int nIndex) const { return m_core.GetAt(nIndex); }
    CString& operator[](int nIndex) { return m_core.ElementAt(nIndex); }

    void InsertAt(int nIndex, LPCTSTR newElement, int nCount = 1)
    {
        m_core.InsertAt(nIndex, CString(newElement), nCount);
    }
    void InsertAt(int nIndex, const CString& newElement, int nCount = 1)
    {
        m_core.InsertAt(nIndex, newElement, nCount);
    }
    void RemoveAt(int nIndex, int nCount = 1) { m_core.RemoveAt(nIndex, nCount); }
    void InsertAt(int nStartIndex, CStringArray* pNewArray)
    {
        m_core.InsertAt(nStartIndex, pNewArray == NULL ? NULL : &pNewArray->m_core);
    }

protected:
    vor_afx::ArrayCore<CString, const CString&> m_core;
};
