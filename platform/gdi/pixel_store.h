// The pixels of a device-dependent bitmap.
//
// A paint that double-buffers makes a window-sized bitmap and deletes it
// again, every time. Taken from the general heap, such a block goes through
// its large-request path on each paint, which merges and sorts the heap's
// free small blocks first: with a big heap (a grid of a million rows) that
// was a third of a repaint. So a large store is a mapping of whole pages,
// and when its bitmap goes the mapping is kept for the next large bitmap,
// up to a few blocks and a bounded number of bytes. Small stores stay on the
// heap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vor::gdi {

class PixelStore {
public:
    PixelStore() = default;
    PixelStore(const PixelStore&) = delete;
    PixelStore& operator=(const PixelStore&) = delete;
    ~PixelStore() { Clear(); }

    // Holds n pixels, each `value` (what was held before goes first).
    // Throws std::bad_alloc when there is no memory; the store is then
    // empty.
    void Assign(size_t n, uint32_t value);
    // Holds a copy of `pixels`.
    void Assign(const std::vector<uint32_t>& pixels);
    void Clear();

    uint32_t* data() { return pixels_; }
    const uint32_t* data() const { return pixels_; }
    size_t size() const { return count_; }

private:
    uint32_t* pixels_ = nullptr;
    size_t count_ = 0;
    size_t mapped_ = 0;  // the mapping's length for a large store; 0 for a heap block
};

// Stores of at least this many bytes are page mappings.
constexpr size_t kLargePixelStoreBytes = 64 * 1024;
// The kept mappings: at most this many, of at most this many bytes together.
constexpr size_t kKeptPixelBlocks = 8;
constexpr size_t kKeptPixelBytes = 32 * 1024 * 1024;

// What is kept now, and the number of mappings made since the start (for
// tests); ReleaseKeptPixelBlocks unmaps everything kept (platform reset).
size_t KeptPixelBlockCount();
size_t KeptPixelBlockBytes();
uint64_t PixelBlocksMapped();
void ReleaseKeptPixelBlocks();

}  // namespace vor::gdi
