// The row records of one grid, kept in slabs of fixed-size slots. The live
// slots are the set of the grid's records: an address is one of them exactly
// when it is the start of a live slot of one of this pool's slabs, which is
// decided from the pool's own bookkeeping without reading the address, so any
// value at all (a foreign number, an address inside a record, a freed slot,
// another pool's record) can be asked about safely.
//
// A freed slot is reused by a later record; a slab goes back to the heap when
// its last record is freed, and every slab when the pool is emptied or
// destroyed. Slabs come from the global operator new, one block each. In an
// AddressSanitizer build the free slots are poisoned, so a freed record that
// is still used is reported. Like its grid, a pool is used by one thread at
// a time (a lookup remembers the slab it found).
#pragma once

#include <afx.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "VORInPlaceListItem.h"

class AFX_EXT_CLASS CVORInPlaceListItemPool {
public:
    // Records a slab holds.
    static constexpr int kSlotsPerSlab = 72;

    CVORInPlaceListItemPool();
    ~CVORInPlaceListItemPool();  // destroys every record
    CVORInPlaceListItemPool(const CVORInPlaceListItemPool&) = delete;
    CVORInPlaceListItemPool& operator=(const CVORInPlaceListItemPool&) = delete;

    // A new default record. Throws std::bad_alloc when no slab can be had;
    // the pool is then as it was.
    CVORInPlaceListItem* New();
    // TRUE when p is the address of one of the pool's live records.
    BOOL Lookup(const void* p) const;
    // Destroys the record p and frees its slot; FALSE, doing nothing, when p
    // is not one of the pool's live records.
    BOOL Delete(const void* p);
    // Destroys every record and gives every slab back.
    void DeleteAll();

    int GetCount() const { return m_nCount; }
    int GetSlabCount() const { return (int)m_slabs.size(); }

private:
    struct Slab;
    // The slab whose slot p starts, with the slot's index, or null.
    Slab* FindSlot(const void* p, int& nSlot) const;
    static CVORInPlaceListItem* SlotAt(Slab* pSlab, int nSlot);
    void LinkFree(Slab* pSlab);
    void UnlinkFree(Slab* pSlab);
    void ReleaseSlab(Slab* pSlab);
    void DestroyLiveRecords(Slab* pSlab);

    std::vector<Slab*> m_slabs;  // ordered by address
    Slab* m_pFreeSlabs;          // slabs with a free slot, most recently freed first
    int m_nCount;
    mutable Slab* m_pLastSlab;   // the slab of the last record found, or null
};
