// The string heap: small blocks of exact size classes carved from slabs the
// framework holds, without a per-block allocator header. A block's class is
// kept by its user (CString keeps it in its header); the slab a block lives
// in is found from the block's address, since slabs are aligned to their
// size. A slab goes back to operator delete when its last block is freed;
// the heap keeps at most one empty slab aside for the next class that needs
// one, and only while some block of the heap is still in use.
#pragma once

#include <cstddef>

namespace vor_strheap {

// Blocks larger than this come from operator new.
constexpr size_t kMaxBlock = 512;

// Classes are numbered 1..kClassCount; 0 names no class.
constexpr unsigned kClassCount = 57;

struct ClassTables {
    unsigned char classOfSize[kMaxBlock + 1];     // smallest class that holds n bytes
    unsigned short sizeOfClass[kClassCount + 1];  // bytes a block of the class has
};
extern const ClassTables g_tables;

// The class of a block of cb bytes, 1 <= cb <= kMaxBlock.
inline unsigned ClassFor(size_t cb) { return g_tables.classOfSize[cb]; }
inline size_t SizeOfClass(unsigned cls) { return g_tables.sizeOfClass[cls]; }

// A block of the class: calls the observer first (which may throw
// std::bad_alloc), then takes a free slot, obtaining a new slab with operator
// new when none is free (which may throw too). Nothing changes on a throw.
// The block's first cbUsed bytes (at most the class's size) are what its
// user may touch: under AddressSanitizer the rest stays poisoned.
void* Take(unsigned cls, size_t cbUsed);

// Gives back a block Take answered.
void Give(void* p) noexcept;

}  // namespace vor_strheap
