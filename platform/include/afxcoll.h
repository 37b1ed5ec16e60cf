// The framework's collection classes: arrays, lists and maps of pointers,
// integers, objects and strings. The element handling is shared with the
// templates of afxtempl.h through the helpers in namespace vor_afx.
#pragma once

#include "afx.h"

#include <new>
#include <utility>

// Storage of the collections' elements: a block of up to 512 bytes comes
// from the framework's small-block heap (the one CString's texts live in:
// exact size classes, no allocator header), a larger one from operator new.
// A block is aligned to the largest power of two up to 16 that divides its
// size. AfxFreeBlock takes the size that was asked (NULL does nothing).
// Both kinds can fail with std::bad_alloc (see VorSetSmallBlockObserver).
VORAPI void* AFXAPI AfxAllocBlock(size_t cb);
VORAPI void AFXAPI AfxFreeBlock(void* p, size_t cb) noexcept;

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
        FreeStorage(m_pData, m_nMaxSize);
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
                FreeStorage(m_pData, m_nMaxSize);
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
            if (m_pData == NULL) {
                // The first allocation is exact, as in MFC, unless a grow-by
                // was given: that many slots at least.
                nNewMax = m_nGrowBy > nNewSize ? m_nGrowBy : nNewSize;
            }
            if (nNewMax < nNewSize)
                nNewMax = nNewSize;
            Reallocate(nNewMax);
        }
        // The size follows each construction, so a throwing constructor
        // leaves a consistent array.
        for (; m_nSize < nNewSize; ++m_nSize)
            ::new (static_cast<void*>(m_pData + m_nSize)) TYPE();
    }

    void FreeExtra()
    {
        if (m_nSize != m_nMaxSize) {
            if (m_nSize == 0) {
                FreeStorage(m_pData, m_nMaxSize);
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
        int nMove = m_nSize - nIndex - nCount;
        if (nMove > 0) {
            TYPE* pDst = m_pData + nIndex;
            TYPE* pSrc = pDst + nCount;
            // GCC 12 turns this loop into a memmove and then warns about the
            // source bound on paths where nMove is 0 at run time.
#pragma GCC diagnostic push
#if defined(__clang__)
#pragma GCC diagnostic ignored "-Wunknown-warning-option"
#else
#pragma GCC diagnostic ignored "-Wpragmas"
#endif
#pragma GCC diagnostic ignored "-Warray-bounds"
#pragma GCC diagnostic ignored "-Wstringop-overread"
#pragma GCC diagnostic ignored "-Wstringop-overflow"
            for (int i = 0; i < nMove; ++i)
                pDst[i] = std::move(pSrc[i]);
#pragma GCC diagnostic pop
        }
        DestroyRange(m_nSize - nCount, m_nSize);
        m_nSize -= nCount;
    }

private:
    void DestroyRange(int nFrom, int nTo)
    {
        for (int i = nFrom; i < nTo; ++i)
            m_pData[i].~TYPE();
    }

    // Room for n elements, exact: from the small-block heap unless the type
    // needs more alignment than its blocks have.
    static constexpr bool kSmallBlocks = alignof(TYPE) <= 16;
    static TYPE* AllocStorage(int n)
    {
        size_t cb = sizeof(TYPE) * (size_t)n;
        return static_cast<TYPE*>(kSmallBlocks ? AfxAllocBlock(cb) : ::operator new(cb));
    }
    static void FreeStorage(TYPE* p, int n) noexcept
    {
        if (kSmallBlocks)
            AfxFreeBlock(p, sizeof(TYPE) * (size_t)n);
        else
            ::operator delete(static_cast<void*>(p));
    }

    // Moves the elements into new storage of nNewMax elements. A failing
    // allocation or element copy (std::bad_alloc) leaves the array as it
    // was: elements are moved only when their move cannot throw.
    void Reallocate(int nNewMax)
    {
        TYPE* pNew = AllocStorage(nNewMax);
        int nDone = 0;
        try {
            for (; nDone < m_nSize; ++nDone)
                ::new (static_cast<void*>(pNew + nDone)) TYPE(std::move_if_noexcept(m_pData[nDone]));
        } catch (...) {
            while (nDone > 0)
                pNew[--nDone].~TYPE();
            FreeStorage(pNew, nNewMax);
            throw;
        }
        DestroyRange(0, m_nSize);
        FreeStorage(m_pData, m_nMaxSize);
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


// Doubly linked list of TYPE. A POSITION is the address of a node; node
// addresses never change while the node is in the list.
template <class TYPE, class ARG_TYPE>
class ListCore {
public:
    struct Node {
        Node* pNext;
        Node* pPrev;
        TYPE data;
        explicit Node(ARG_TYPE value) : pNext(NULL), pPrev(NULL), data(value) {}
        Node() : pNext(NULL), pPrev(NULL), data() {}
    };

    ListCore() : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0) {}
    ~ListCore() { RemoveAll(); }
    ListCore(const ListCore&) = delete;
    ListCore& operator=(const ListCore&) = delete;

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // Head and tail of an empty list: a scratch element (see ArrayCore).
    TYPE& GetHead() { return m_pNodeHead != NULL ? m_pNodeHead->data : OutOfRangeElement<TYPE>(); }
    const TYPE& GetHead() const { return m_pNodeHead != NULL ? m_pNodeHead->data : OutOfRangeElement<TYPE>(); }
    TYPE& GetTail() { return m_pNodeTail != NULL ? m_pNodeTail->data : OutOfRangeElement<TYPE>(); }
    const TYPE& GetTail() const { return m_pNodeTail != NULL ? m_pNodeTail->data : OutOfRangeElement<TYPE>(); }

    TYPE RemoveHead()
    {
        ASSERT(m_pNodeHead != NULL);
        if (m_pNodeHead == NULL)
            return TYPE();
        TYPE value(std::move(m_pNodeHead->data));
        Unlink(m_pNodeHead);
        return value;
    }
    TYPE RemoveTail()
    {
        ASSERT(m_pNodeTail != NULL);
        if (m_pNodeTail == NULL)
            return TYPE();
        TYPE value(std::move(m_pNodeTail->data));
        Unlink(m_pNodeTail);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(NULL, newElement, true); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(NULL, newElement, true); }
    void AddHead(const ListCore& other)
    {
        // Walking backwards keeps the other list's order; the stop node makes
        // adding a list to itself finite.
        Node* pStop = other.m_pNodeHead;
        for (Node* p = other.m_pNodeTail; p != NULL; p = p->pPrev) {
            AddHead(p->data);
            if (p == pStop)
                break;
        }
    }
    void AddTail(const ListCore& other)
    {
        Node* pStop = other.m_pNodeTail;
        for (Node* p = other.m_pNodeHead; p != NULL; p = p->pNext) {
            AddTail(p->data);
            if (p == pStop)
                break;
        }
    }

    void RemoveAll()
    {
        Node* p = m_pNodeHead;
        while (p != NULL) {
            Node* pNext = p->pNext;
            delete p;
            p = pNext;
        }
        m_pNodeHead = m_pNodeTail = NULL;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }

    // Iteration past the end (a NULL position) reads a scratch element and
    // leaves the position NULL.
    TYPE& GetNext(POSITION& rPosition)
    {
        Node* p = (Node*)rPosition;
        if (p == NULL)
            return OutOfRangeElement<TYPE>();
        rPosition = (POSITION)p->pNext;
        return p->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const { return const_cast<ListCore*>(this)->GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition)
    {
        Node* p = (Node*)rPosition;
        if (p == NULL)
            return OutOfRangeElement<TYPE>();
        rPosition = (POSITION)p->pPrev;
        return p->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const { return const_cast<ListCore*>(this)->GetPrev(rPosition); }

    TYPE& GetAt(POSITION position)
    {
        Node* p = (Node*)position;
        return p != NULL ? p->data : OutOfRangeElement<TYPE>();
    }
    const TYPE& GetAt(POSITION position) const { return const_cast<ListCore*>(this)->GetAt(position); }
    void SetAt(POSITION pos, ARG_TYPE newElement)
    {
        if (pos != NULL)
            ((Node*)pos)->data = newElement;
    }
    void RemoveAt(POSITION position)
    {
        if (position != NULL)
            Unlink((Node*)position);
    }

    POSITION InsertBefore(POSITION position, ARG_TYPE newElement, bool bAtEndIfNull = true)
    {
        Node* pOld = (Node*)position;
        if (pOld == NULL)
            pOld = m_pNodeHead;  // before nothing: at the head
        Node* pNew = new Node(newElement);
        if (pOld == NULL) {
            m_pNodeHead = m_pNodeTail = pNew;
        } else {
            pNew->pPrev = pOld->pPrev;
            pNew->pNext = pOld;
            if (pOld->pPrev != NULL)
                pOld->pPrev->pNext = pNew;
            else
                m_pNodeHead = pNew;
            pOld->pPrev = pNew;
        }
        ++m_nCount;
        return (POSITION)pNew;
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement, bool bAtEndIfNull = true)
    {
        Node* pOld = (Node*)position;
        if (pOld == NULL)
            pOld = m_pNodeTail;  // after nothing: at the tail
        Node* pNew = new Node(newElement);
        if (pOld == NULL) {
            m_pNodeHead = m_pNodeTail = pNew;
        } else {
            pNew->pNext = pOld->pNext;
            pNew->pPrev = pOld;
            if (pOld->pNext != NULL)
                pOld->pNext->pPrev = pNew;
            else
                m_pNodeTail = pNew;
            pOld->pNext = pNew;
        }
        ++m_nCount;
        return (POSITION)pNew;
    }

    template <class EQUAL>
    POSITION Find(EQUAL equal, POSITION startAfter) const
    {
        Node* p = startAfter == NULL ? m_pNodeHead : ((Node*)startAfter)->pNext;
        for (; p != NULL; p = p->pNext) {
            if (equal(p->data))
                return (POSITION)p;
        }
        return NULL;
    }

    POSITION FindIndex(int nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return NULL;
        Node* p = m_pNodeHead;
        while (nIndex-- > 0)
            p = p->pNext;
        return (POSITION)p;
    }

private:
    void Unlink(Node* p)
    {
        if (p->pPrev != NULL)
            p->pPrev->pNext = p->pNext;
        else
            m_pNodeHead = p->pNext;
        if (p->pNext != NULL)
            p->pNext->pPrev = p->pPrev;
        else
            m_pNodeTail = p->pPrev;
        delete p;
        --m_nCount;
    }

    Node* m_pNodeHead;
    Node* m_pNodeTail;
    int m_nCount;
};

// Hash of a string key (the bytes of the text).
inline UINT HashString(LPCTSTR key)
{
    UINT nHash = 2166136261u;
    if (key != NULL) {
        for (; *key != '\0'; ++key)
            nHash = (nHash ^ (BYTE)*key) * 16777619u;
    }
    return nHash;
}

// Hash table of KEY to VALUE with a fixed number of buckets (17 unless
// InitHashTable says otherwise), chained. TRAITS supplies
// static UINT Hash(ARG_KEY) and static bool Equal(const KEY&, ARG_KEY).
// Entries are carved from blocks of nBlockSize (as MFC's maps do): a freed
// entry is kept for the next one, and the blocks go when the map is empty.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE, class TRAITS>
class MapCore {
public:
    struct Assoc {
        Assoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
        explicit Assoc(ARG_KEY k) : pNext(NULL), nHashValue(0), key(k), value() {}
    };

    explicit MapCore(int nBlockSize = 10)
        : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0), m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10),
          m_pFree(NULL), m_pBlocks(NULL)
    {
    }
    ~MapCore() { RemoveAll(); }
    MapCore(const MapCore&) = delete;
    MapCore& operator=(const MapCore&) = delete;

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        Assoc* p = Find(key);
        if (p == NULL)
            return FALSE;
        rValue = p->value;
        return TRUE;
    }

    VALUE& operator[](ARG_KEY key)
    {
        Assoc* p = Find(key);
        if (p != NULL)
            return p->value;
        if (m_pHashTable == NULL)
            AllocTable(m_nHashTableSize);
        p = NewAssoc(key);
        p->nHashValue = TRAITS::Hash(key) % m_nHashTableSize;
        p->pNext = m_pHashTable[p->nHashValue];
        m_pHashTable[p->nHashValue] = p;
        ++m_nCount;
        return p->value;
    }

    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_pHashTable == NULL)
            return FALSE;
        Assoc** ppPrev = &m_pHashTable[TRAITS::Hash(key) % m_nHashTableSize];
        for (Assoc* p = *ppPrev; p != NULL; ppPrev = &p->pNext, p = p->pNext) {
            if (TRAITS::Equal(p->key, key)) {
                *ppPrev = p->pNext;
                FreeAssoc(p);
                --m_nCount;
                if (m_nCount == 0)
                    RemoveAll();
                return TRUE;
            }
        }
        return FALSE;
    }

    void RemoveAll()
    {
        if (m_pHashTable != NULL) {
            for (UINT i = 0; i < m_nHashTableSize; ++i) {
                Assoc* p = m_pHashTable[i];
                while (p != NULL) {
                    Assoc* pNext = p->pNext;
                    p->~Assoc();
                    p = pNext;
                }
            }
            delete[] m_pHashTable;
        }
        m_pHashTable = NULL;
        m_nCount = 0;
        while (m_pBlocks != NULL) {
            Block* pNext = m_pBlocks->pNext;
            ::operator delete(static_cast<void*>(m_pBlocks));
            m_pBlocks = pNext;
        }
        m_pFree = NULL;
    }

    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }

    // Advances rNextPosition before handing out the entry, so the entry just
    // returned may be removed without disturbing the iteration.
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        Assoc* p = (Assoc*)rNextPosition;
        if (p == NULL || m_pHashTable == NULL) {
            rNextPosition = NULL;
            return;
        }
        if (p == (Assoc*)BEFORE_START_POSITION) {
            p = FirstFrom(0);
            if (p == NULL) {
                rNextPosition = NULL;
                return;
            }
        }
        Assoc* pNext = p->pNext != NULL ? p->pNext : FirstFrom(p->nHashValue + 1);
        rNextPosition = (POSITION)pNext;
        rKey = p->key;
        rValue = p->value;
    }

    // Sets the number of buckets; existing entries are redistributed.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        if (nHashSize == 0)
            nHashSize = 1;
        Assoc** pOld = m_pHashTable;
        UINT nOldSize = m_nHashTableSize;
        m_pHashTable = NULL;
        m_nHashTableSize = nHashSize;
        if (bAllocNow || pOld != NULL)
            AllocTable(nHashSize);
        if (pOld != NULL) {
            for (UINT i = 0; i < nOldSize; ++i) {
                Assoc* p = pOld[i];
                while (p != NULL) {
                    Assoc* pNext = p->pNext;
                    p->nHashValue = TRAITS::Hash(p->key) % m_nHashTableSize;
                    p->pNext = m_pHashTable[p->nHashValue];
                    m_pHashTable[p->nHashValue] = p;
                    p = pNext;
                }
            }
            delete[] pOld;
        }
    }

    Assoc* Find(ARG_KEY key) const
    {
        if (m_pHashTable == NULL)
            return NULL;
        for (Assoc* p = m_pHashTable[TRAITS::Hash(key) % m_nHashTableSize]; p != NULL; p = p->pNext) {
            if (TRAITS::Equal(p->key, key))
                return p;
        }
        return NULL;
    }

private:
    // Storage of one entry: an entry in use, or a link of the free list.
    union Slot {
        Slot* pNextFree;
        alignas(Assoc) unsigned char storage[sizeof(Assoc)];
    };
    struct Block {
        Block* pNext;
        Slot* Slots() { return reinterpret_cast<Slot*>(reinterpret_cast<unsigned char*>(this) + SlotsOffset()); }
        static size_t SlotsOffset() { return (sizeof(Block) + alignof(Slot) - 1) / alignof(Slot) * alignof(Slot); }
    };

    Assoc* NewAssoc(ARG_KEY key)
    {
        if (m_pFree == NULL) {
            void* pRaw = ::operator new(Block::SlotsOffset() + sizeof(Slot) * (size_t)m_nBlockSize);
            Block* pBlock = static_cast<Block*>(pRaw);
            pBlock->pNext = m_pBlocks;
            m_pBlocks = pBlock;
            Slot* pSlots = pBlock->Slots();
            // Handed out first to last.
            for (int i = m_nBlockSize - 1; i >= 0; --i) {
                pSlots[i].pNextFree = m_pFree;
                m_pFree = &pSlots[i];
            }
        }
        Slot* pSlot = m_pFree;
        m_pFree = pSlot->pNextFree;
        try {
            return ::new (static_cast<void*>(pSlot->storage)) Assoc(key);
        } catch (...) {
            pSlot->pNextFree = m_pFree;  // the key's copy failed: the slot stays free
            m_pFree = pSlot;
            throw;
        }
    }
    void FreeAssoc(Assoc* p)
    {
        p->~Assoc();
        Slot* pSlot = reinterpret_cast<Slot*>(p);
        pSlot->pNextFree = m_pFree;
        m_pFree = pSlot;
    }

    void AllocTable(UINT nSize)
    {
        m_pHashTable = new Assoc*[nSize];
        for (UINT i = 0; i < nSize; ++i)
            m_pHashTable[i] = NULL;
    }
    Assoc* FirstFrom(UINT nBucket) const
    {
        for (UINT i = nBucket; i < m_nHashTableSize; ++i) {
            if (m_pHashTable[i] != NULL)
                return m_pHashTable[i];
        }
        return NULL;
    }

    Assoc** m_pHashTable;
    UINT m_nHashTableSize;
    int m_nCount;
    int m_nBlockSize;
    Slot* m_pFree;
    Block* m_pBlocks;
};

struct StringKeyTraits {
    static UINT Hash(LPCTSTR key) { return HashString(key); }
    static bool Equal(const CString& a, LPCTSTR b) { return a == (b != NULL ? b : ""); }
};
template <class KEY>
struct ScalarKeyTraits {
    static UINT Hash(KEY key) { return (UINT)(((ULONG_PTR)key) >> 4) ^ (UINT)(ULONG_PTR)key; }
    static bool Equal(KEY a, KEY b) { return a == b; }
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

// ---------------------------------------------------------------------------
// Lists

#define VOR_AFX_DECLARE_LIST(class_name, TYPE, ARG_TYPE)                                             \
    class VORAPI class_name : public CObject {                                                       \
        DECLARE_DYNAMIC(class_name)                                                                  \
    public:                                                                                          \
        explicit class_name(int nBlockSize = 10) {}                                                  \
        virtual ~class_name();                                                                       \
        int GetCount() const { return m_core.GetCount(); }                                           \
        int GetSize() const { return m_core.GetCount(); }                                            \
        BOOL IsEmpty() const { return m_core.IsEmpty(); }                                            \
        TYPE& GetHead() { return m_core.GetHead(); }                                                 \
        TYPE GetHead() const { return m_core.GetHead(); }                                            \
        TYPE& GetTail() { return m_core.GetTail(); }                                                 \
        TYPE GetTail() const { return m_core.GetTail(); }                                            \
        TYPE RemoveHead() { return m_core.RemoveHead(); }                                            \
        TYPE RemoveTail() { return m_core.RemoveTail(); }                                            \
        POSITION AddHead(ARG_TYPE newElement) { return m_core.AddHead(newElement); }                 \
        POSITION AddTail(ARG_TYPE newElement) { return m_core.AddTail(newElement); }                 \
        void AddHead(class_name* pNewList)                                                           \
        {                                                                                            \
            if (pNewList != NULL)                                                                    \
                m_core.AddHead(pNewList->m_core);                                                    \
        }                                                                                            \
        void AddTail(class_name* pNewList)                                                           \
        {                                                                                            \
            if (pNewList != NULL)                                                                    \
                m_core.AddTail(pNewList->m_core);                                                    \
        }                                                                                            \
        void RemoveAll() { m_core.RemoveAll(); }                                                     \
        POSITION GetHeadPosition() const { return m_core.GetHeadPosition(); }                        \
        POSITION GetTailPosition() const { return m_core.GetTailPosition(); }                        \
        TYPE& GetNext(POSITION& rPosition) { return m_core.GetNext(rPosition); }                     \
        TYPE GetNext(POSITION& rPosition) const { return m_core.GetNext(rPosition); }                \
        TYPE& GetPrev(POSITION& rPosition) { return m_core.GetPrev(rPosition); }                     \
        TYPE GetPrev(POSITION& rPosition) const { return m_core.GetPrev(rPosition); }                \
        TYPE& GetAt(POSITION position) { return m_core.GetAt(position); }                            \
        TYPE GetAt(POSITION position) const { return m_core.GetAt(position); }                       \
        void SetAt(POSITION pos, ARG_TYPE newElement) { m_core.SetAt(pos, newElement); }             \
        void RemoveAt(POSITION position) { m_core.RemoveAt(position); }                              \
        POSITION InsertBefore(POSITION position, ARG_TYPE newElement)                                \
        {                                                                                            \
            return m_core.InsertBefore(position, newElement);                                        \
        }                                                                                            \
        POSITION InsertAfter(POSITION position, ARG_TYPE newElement)                                 \
        {                                                                                            \
            return m_core.InsertAfter(position, newElement);                                         \
        }                                                                                            \
        POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const                        \
        {                                                                                            \
            return m_core.Find([&](const auto& e) { return e == searchValue; }, startAfter);         \
        }                                                                                            \
        POSITION FindIndex(int nIndex) const { return m_core.FindIndex(nIndex); }                    \
                                                                                                     \
    protected:                                                                                       \
        vor_afx::ListCore<TYPE, ARG_TYPE> m_core;                                                    \
    }

VOR_AFX_DECLARE_LIST(CPtrList, void*, void*);
VOR_AFX_DECLARE_LIST(CObList, CObject*, CObject*);
VOR_AFX_DECLARE_LIST(CStringList, CString, LPCTSTR);

// ---------------------------------------------------------------------------
// Maps

#define VOR_AFX_DECLARE_MAP(class_name, KEY, ARG_KEY, VALUE, ARG_VALUE, TRAITS)                      \
    class VORAPI class_name : public CObject {                                                       \
        DECLARE_DYNAMIC(class_name)                                                                  \
    public:                                                                                          \
        typedef KEY BASE_KEY;                                                                        \
        typedef ARG_KEY BASE_ARG_KEY;                                                                \
        typedef VALUE BASE_VALUE;                                                                    \
        typedef ARG_VALUE BASE_ARG_VALUE;                                                            \
        explicit class_name(int nBlockSize = 10) : m_core(nBlockSize) {}                             \
        virtual ~class_name();                                                                       \
        int GetCount() const { return m_core.GetCount(); }                                           \
        int GetSize() const { return m_core.GetCount(); }                                            \
        BOOL IsEmpty() const { return m_core.IsEmpty(); }                                            \
        BOOL Lookup(ARG_KEY key, VALUE& rValue) const { return m_core.Lookup(key, rValue); }         \
        VALUE& operator[](ARG_KEY key) { return m_core[key]; }                                       \
        void SetAt(ARG_KEY key, ARG_VALUE newValue) { m_core.SetAt(key, newValue); }                 \
        BOOL RemoveKey(ARG_KEY key) { return m_core.RemoveKey(key); }                                \
        void RemoveAll() { m_core.RemoveAll(); }                                                     \
        POSITION GetStartPosition() const { return m_core.GetStartPosition(); }                      \
        void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const                   \
        {                                                                                            \
            m_core.GetNextAssoc(rNextPosition, rKey, rValue);                                        \
        }                                                                                            \
        UINT GetHashTableSize() const { return m_core.GetHashTableSize(); }                          \
        void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE)                                     \
        {                                                                                            \
            m_core.InitHashTable(hashSize, bAllocNow);                                               \
        }                                                                                            \
                                                                                                     \
    protected:                                                                                       \
        vor_afx::MapCore<KEY, ARG_KEY, VALUE, ARG_VALUE, TRAITS> m_core;                             \
    }

VOR_AFX_DECLARE_MAP(CMapStringToPtr, CString, LPCTSTR, void*, void*, vor_afx::StringKeyTraits);
VOR_AFX_DECLARE_MAP(CMapStringToOb, CString, LPCTSTR, CObject*, CObject*, vor_afx::StringKeyTraits);
VOR_AFX_DECLARE_MAP(CMapStringToString, CString, LPCTSTR, CString, LPCTSTR, vor_afx::StringKeyTraits);
VOR_AFX_DECLARE_MAP(CMapPtrToPtr, void*, void*, void*, void*, vor_afx::ScalarKeyTraits<void*>);
VOR_AFX_DECLARE_MAP(CMapPtrToWord, void*, void*, WORD, WORD, vor_afx::ScalarKeyTraits<void*>);
VOR_AFX_DECLARE_MAP(CMapWordToPtr, WORD, WORD, void*, void*, vor_afx::ScalarKeyTraits<WORD>);
VOR_AFX_DECLARE_MAP(CMapWordToOb, WORD, WORD, CObject*, CObject*, vor_afx::ScalarKeyTraits<WORD>);
