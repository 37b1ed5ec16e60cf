// The framework's collection templates: CArray, CList, CMap and the typed
// pointer wrappers. Elements are real C++ objects: they are constructed,
// copied, moved and destroyed with their own operations (never moved
// bitwise), so any copyable, default-constructible type can be stored.
#pragma once

#include "afxcoll.h"

#include <new>
#include <utility>

// ---------------------------------------------------------------------------
// Element helpers kept for code written against them. The containers below
// do not call them: they construct and copy elements directly.

template <class TYPE>
inline void AFXAPI ConstructElements(TYPE* pElements, int nCount)
{
    for (; nCount-- > 0; ++pElements)
        ::new (static_cast<void*>(pElements)) TYPE();
}

template <class TYPE>
inline void AFXAPI DestructElements(TYPE* pElements, int nCount)
{
    for (; nCount-- > 0; ++pElements)
        pElements->~TYPE();
}

template <class TYPE>
inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, int nCount)
{
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// The hash of a map key: integers and pointers by value (their low bits
// folded with the bits above the alignment of a pointer, so that small
// integers and aligned pointers both spread). Specialise it for other key
// types, as in MFC.
template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    ULONG_PTR v = (ULONG_PTR)key;
    return (UINT)v ^ (UINT)(v >> 4) ^ (UINT)((ULONGLONG)v >> 32);
}

template <>
inline UINT AFXAPI HashKey<LPCTSTR>(LPCTSTR key)
{
    return vor_afx::HashString(key);
}
template <>
inline UINT AFXAPI HashKey<LPTSTR>(LPTSTR key)
{
    return vor_afx::HashString(key);
}
template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return vor_afx::HashString(key);
}
template <>
inline UINT AFXAPI HashKey<CString>(CString key)
{
    return vor_afx::HashString(key);
}

// ---------------------------------------------------------------------------
// CArray

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() {}
    virtual ~CArray() {}

    int GetSize() const { return m_core.GetSize(); }
    int GetCount() const { return m_core.GetCount(); }
    BOOL IsEmpty() const { return m_core.IsEmpty(); }
    int GetUpperBound() const { return m_core.GetUpperBound(); }
    void SetSize(int nNewSize, int nGrowBy = -1) { m_core.SetSize(nNewSize, nGrowBy); }
    void FreeExtra() { m_core.FreeExtra(); }
    void RemoveAll() { m_core.RemoveAll(); }

    // Out of range: a scratch default element (a debug check in _DEBUG).
    const TYPE& GetAt(int nIndex) const { return m_core.GetAt(nIndex); }
    TYPE& GetAt(int nIndex) { return m_core.ElementAt(nIndex); }
    void SetAt(int nIndex, ARG_TYPE newElement) { m_core.SetAt(nIndex, newElement); }
    TYPE& ElementAt(int nIndex) { return m_core.ElementAt(nIndex); }
    const TYPE& ElementAt(int nIndex) const { return m_core.GetAt(nIndex); }
    const TYPE* GetData() const { return m_core.GetData(); }
    TYPE* GetData() { return m_core.GetData(); }

    void SetAtGrow(int nIndex, ARG_TYPE newElement) { m_core.SetAtGrow(nIndex, newElement); }
    int Add(ARG_TYPE newElement) { return m_core.Add(newElement); }
    int Append(const CArray& src) { return m_core.Append(src.m_core); }
    void Copy(const CArray& src) { m_core.Copy(src.m_core); }

    const TYPE& operator[](int nIndex) const { return m_core.GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return m_core.ElementAt(nIndex); }

    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1) { m_core.InsertAt(nIndex, newElement, nCount); }
    void RemoveAt(int nIndex, int nCount = 1) { m_core.RemoveAt(nIndex, nCount); }
    void InsertAt(int nStartIndex, CArray* pNewArray)
    {
        m_core.InsertAt(nStartIndex, pNewArray == NULL ? NULL : &pNewArray->m_core);
    }

protected:
    vor_afx::ArrayCore<TYPE, ARG_TYPE> m_core;
};

// ---------------------------------------------------------------------------
// CList

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
public:
    explicit CList(int nBlockSize = 10) {}
    virtual ~CList() {}

    int GetCount() const { return m_core.GetCount(); }
    int GetSize() const { return m_core.GetCount(); }
    BOOL IsEmpty() const { return m_core.IsEmpty(); }

    // Head or tail of an empty list: a scratch default element.
    TYPE& GetHead() { return m_core.GetHead(); }
    const TYPE& GetHead() const { return m_core.GetHead(); }
    TYPE& GetTail() { return m_core.GetTail(); }
    const TYPE& GetTail() const { return m_core.GetTail(); }
    TYPE RemoveHead() { return m_core.RemoveHead(); }
    TYPE RemoveTail() { return m_core.RemoveTail(); }

    POSITION AddHead(ARG_TYPE newElement) { return m_core.AddHead(newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return m_core.AddTail(newElement); }
    void AddHead(CList* pNewList)
    {
        if (pNewList != NULL)
            m_core.AddHead(pNewList->m_core);
    }
    void AddTail(CList* pNewList)
    {
        if (pNewList != NULL)
            m_core.AddTail(pNewList->m_core);
    }
    void RemoveAll() { m_core.RemoveAll(); }

    POSITION GetHeadPosition() const { return m_core.GetHeadPosition(); }
    POSITION GetTailPosition() const { return m_core.GetTailPosition(); }
    TYPE& GetNext(POSITION& rPosition) { return m_core.GetNext(rPosition); }
    const TYPE& GetNext(POSITION& rPosition) const { return m_core.GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return m_core.GetPrev(rPosition); }
    const TYPE& GetPrev(POSITION& rPosition) const { return m_core.GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return m_core.GetAt(position); }
    const TYPE& GetAt(POSITION position) const { return m_core.GetAt(position); }
    void SetAt(POSITION pos, ARG_TYPE newElement) { m_core.SetAt(pos, newElement); }
    void RemoveAt(POSITION position) { m_core.RemoveAt(position); }

    POSITION InsertBefore(POSITION position, ARG_TYPE newElement) { return m_core.InsertBefore(position, newElement); }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement) { return m_core.InsertAfter(position, newElement); }

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const
    {
        return m_core.Find([&](const TYPE& e) { return CompareElements(&e, &searchValue) != FALSE; },
                           startAfter);
    }
    POSITION FindIndex(int nIndex) const { return m_core.FindIndex(nIndex); }

protected:
    vor_afx::ListCore<TYPE, ARG_TYPE> m_core;
};

// ---------------------------------------------------------------------------
// CMap

namespace vor_afx {
template <class KEY, class ARG_KEY>
struct TemplateKeyTraits {
    static UINT Hash(ARG_KEY key) { return HashKey<ARG_KEY>(key); }
    static bool Equal(const KEY& a, ARG_KEY b) { return CompareElements(&a, &b) != FALSE; }
};
}  // namespace vor_afx

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
public:
    explicit CMap(int nBlockSize = 10) : m_core(nBlockSize) {}
    virtual ~CMap() {}

    int GetCount() const { return m_core.GetCount(); }
    int GetSize() const { return m_core.GetCount(); }
    BOOL IsEmpty() const { return m_core.IsEmpty(); }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const { return m_core.Lookup(key, rValue); }
    // Adds a default value for a key not yet in the map.
    VALUE& operator[](ARG_KEY key) { return m_core[key]; }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { m_core.SetAt(key, newValue); }
    BOOL RemoveKey(ARG_KEY key) { return m_core.RemoveKey(key); }
    void RemoveAll() { m_core.RemoveAll(); }

    POSITION GetStartPosition() const { return m_core.GetStartPosition(); }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        m_core.GetNextAssoc(rNextPosition, rKey, rValue);
    }

    UINT GetHashTableSize() const { return m_core.GetHashTableSize(); }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE) { m_core.InitHashTable(hashSize, bAllocNow); }

protected:
    vor_afx::MapCore<KEY, ARG_KEY, VALUE, ARG_VALUE, vor_afx::TemplateKeyTraits<KEY, ARG_KEY>> m_core;
};

// ---------------------------------------------------------------------------
// Typed pointer collections over CPtrArray/CObArray, CPtrList/CObList and
// the pointer maps.

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(int nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(int nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(int nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(int nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    int Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    int Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(int nIndex, TYPE newElement, int nCount = 1) { BASE_CLASS::InsertAt(nIndex, newElement, nCount); }
    void InsertAt(int nStartIndex, CTypedPtrArray* pNewArray) { BASE_CLASS::InsertAt(nStartIndex, pNewArray); }
    TYPE operator[](int nIndex) const { return (TYPE)BASE_CLASS::operator[](nIndex); }
    TYPE& operator[](int nIndex) { return (TYPE&)BASE_CLASS::operator[](nIndex); }
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
public:
    explicit CTypedPtrList(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
    TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
};

template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS {
public:
    explicit CTypedPtrMap(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_VALUE value = NULL;
        if (!BASE_CLASS::Lookup(key, value))
            return FALSE;
        rValue = (VALUE)value;
        return TRUE;
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key) { return (VALUE&)BASE_CLASS::operator[](key); }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_KEY key;
        typename BASE_CLASS::BASE_VALUE value = NULL;
        BASE_CLASS::GetNextAssoc(rPosition, key, value);
        rKey = (KEY)key;
        rValue = (VALUE)value;
    }
};
