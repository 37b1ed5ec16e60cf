// The text of a list-view item or sub-item as its record holds it: up to 15
// characters inside the record itself, a longer text in a heap block of its
// own. The record is 16 bytes (a std::string is 32), and the short texts most
// lists show cost no block at all. It also says whether the text is the
// parent's to give (LPSTR_TEXTCALLBACK), in which case it has no characters.
//
// Layout: the last byte is the tag. Inline, it is 15 minus the length, so a
// text of 15 characters ends in a zero that is its own terminator. On the
// heap, the first 8 bytes are the block's address.
#pragma once

#include <cstddef>
#include <cstring>

namespace vor::controls {

class ItemText {
public:
    ItemText() noexcept { SetEmpty(); }
    ~ItemText() { Release(); }
    ItemText(ItemText&& other) noexcept
    {
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.SetEmpty();
    }
    ItemText& operator=(ItemText&& other) noexcept
    {
        if (this != &other) {
            Release();
            std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
            other.SetEmpty();
        }
        return *this;
    }
    ItemText(const ItemText&) = delete;
    ItemText& operator=(const ItemText&) = delete;

    // A copy of s (empty for nullptr). A failed allocation (std::bad_alloc)
    // leaves the text as it was.
    void Assign(const char* s);
    // No characters: the parent gives them when asked.
    void SetCallback() noexcept
    {
        Release();
        m_bytes[0] = 0;
        m_bytes[kTag] = char(kCallback);
    }

    bool IsCallback() const noexcept { return Tag() == kCallback; }
    const char* c_str() const noexcept { return Tag() == kHeap ? HeapPointer() : m_bytes; }
    // Same characters, and both or neither a callback.
    bool Same(const char* s, bool callback) const noexcept
    {
        return IsCallback() == callback && std::strcmp(c_str(), s ? s : "") == 0;
    }

private:
    static constexpr size_t kBytes = 16;
    static constexpr size_t kTag = kBytes - 1;
    static constexpr size_t kInline = kBytes - 1;  // characters that fit in the record
    static constexpr unsigned char kHeap = 0x80;
    static constexpr unsigned char kCallback = 0x40;

    unsigned char Tag() const noexcept { return static_cast<unsigned char>(m_bytes[kTag]); }
    char* HeapPointer() const noexcept
    {
        char* p;
        std::memcpy(&p, m_bytes, sizeof p);
        return p;
    }
    void SetEmpty() noexcept
    {
        m_bytes[0] = 0;
        m_bytes[kTag] = char(kInline);
    }
    void Release() noexcept
    {
        if (Tag() == kHeap) delete[] HeapPointer();
    }

    alignas(8) char m_bytes[kBytes];
};

static_assert(sizeof(ItemText) == 16, "an item's text is 16 bytes of its record");

}  // namespace vor::controls
