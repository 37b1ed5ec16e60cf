#include "pixel_store.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define VOR_PIXELS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VOR_PIXELS_ASAN 1
#endif
#endif

#ifdef VOR_PIXELS_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace vor::gdi {

namespace {

#ifdef VOR_PIXELS_ASAN
// A kept mapping, and the part of a used one past its pixels, is poisoned,
// so that the sanitizer sees each store's bounds as it sees a heap block's.
void Poison(void* p, size_t n) { ASAN_POISON_MEMORY_REGION(p, n); }
void Unpoison(void* p, size_t n) { ASAN_UNPOISON_MEMORY_REGION(p, n); }
#else
void Poison(void*, size_t) {}
void Unpoison(void*, size_t) {}
#endif

struct Block {
    void* base;
    size_t length;
};

struct Kept {
    std::mutex lock;
    std::vector<Block> blocks;  // oldest first
    size_t bytes = 0;
    uint64_t mapped = 0;
};

Kept& K() {
    static Kept* k = new Kept;  // lives past static destruction: bitmaps may go later
    return *k;
}

size_t PageRounded(size_t bytes) {
    static const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

// A kept mapping of at least `length` bytes and not more than twice that
// (a small store does not take a window-sized block), the smallest such;
// otherwise a new one, whose pages read as zero. `fresh` tells which.
Block Take(size_t length, bool* fresh) {
    {
        Kept& k = K();
        std::lock_guard<std::mutex> guard(k.lock);
        size_t best = k.blocks.size();
        for (size_t i = 0; i < k.blocks.size(); ++i) {
            const size_t l = k.blocks[i].length;
            if (l >= length && l / 2 <= length && (best == k.blocks.size() || l < k.blocks[best].length)) best = i;
        }
        if (best != k.blocks.size()) {
            Block b = k.blocks[best];
            k.blocks.erase(k.blocks.begin() + static_cast<ptrdiff_t>(best));
            k.bytes -= b.length;
            *fresh = false;
            return b;
        }
    }
    void* p = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    {
        Kept& k = K();
        std::lock_guard<std::mutex> guard(k.lock);
        ++k.mapped;
    }
    *fresh = true;
    return Block{p, length};
}

void Unmap(const Block& b) {
    Unpoison(b.base, b.length);
    munmap(b.base, b.length);
}

// Keeps a mapping for the next large store, letting the oldest kept ones go
// while there are too many or too many bytes.
void Give(const Block& b) {
    if (b.length > kKeptPixelBytes) {
        Unmap(b);
        return;
    }
    Poison(b.base, b.length);
    std::vector<Block> gone;
    {
        Kept& k = K();
        std::lock_guard<std::mutex> guard(k.lock);
        while (!k.blocks.empty() &&
               (k.blocks.size() + 1 > kKeptPixelBlocks || k.bytes + b.length > kKeptPixelBytes)) {
            gone.push_back(k.blocks.front());
            k.bytes -= k.blocks.front().length;
            k.blocks.erase(k.blocks.begin());
        }
        k.blocks.push_back(b);
        k.bytes += b.length;
    }
    for (const Block& g : gone) Unmap(g);
}

}  // namespace

void PixelStore::Clear() {
    if (mapped_)
        Give(Block{pixels_, mapped_});
    else
        delete[] pixels_;
    pixels_ = nullptr;
    count_ = 0;
    mapped_ = 0;
}

void PixelStore::Assign(size_t n, uint32_t value) {
    Clear();
    if (n == 0) return;
    if (n > SIZE_MAX / sizeof(uint32_t)) throw std::bad_alloc();
    const size_t bytes = n * sizeof(uint32_t);
    if (bytes < kLargePixelStoreBytes) {
        pixels_ = new uint32_t[n];
        std::fill(pixels_, pixels_ + n, value);
        count_ = n;
        return;
    }
    bool fresh = false;
    const Block b = Take(PageRounded(bytes), &fresh);
    Unpoison(b.base, bytes);
    Poison(static_cast<char*>(b.base) + bytes, b.length - bytes);
    pixels_ = static_cast<uint32_t*>(b.base);
    count_ = n;
    mapped_ = b.length;
    if (value == 0) {
        if (!fresh) std::memset(pixels_, 0, bytes);  // new pages read as zero already
    } else {
        std::fill(pixels_, pixels_ + n, value);
    }
}

void PixelStore::Assign(const std::vector<uint32_t>& pixels) {
    if (pixels.empty()) {
        Clear();
        return;
    }
    Assign(pixels.size(), 0);
    std::memcpy(pixels_, pixels.data(), pixels.size() * sizeof(uint32_t));
}

size_t KeptPixelBlockCount() {
    Kept& k = K();
    std::lock_guard<std::mutex> guard(k.lock);
    return k.blocks.size();
}

size_t KeptPixelBlockBytes() {
    Kept& k = K();
    std::lock_guard<std::mutex> guard(k.lock);
    return k.bytes;
}

uint64_t PixelBlocksMapped() {
    Kept& k = K();
    std::lock_guard<std::mutex> guard(k.lock);
    return k.mapped;
}

void ReleaseKeptPixelBlocks() {
    std::vector<Block> gone;
    {
        Kept& k = K();
        std::lock_guard<std::mutex> guard(k.lock);
        gone.swap(k.blocks);
        k.bytes = 0;
    }
    for (const Block& g : gone) Unmap(g);
}

}  // namespace vor::gdi
