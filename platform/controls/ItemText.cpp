// The text of a list-view item: copying into the record or onto the heap.
#include "controls/ItemText.h"

namespace vor::controls {

void ItemText::Assign(const char* s)
{
    if (!s)
        s = "";
    const size_t n = std::strlen(s);
    if (n <= kInline) {
        // s may lie in this very record.
        char copy[kInline];
        std::memcpy(copy, s, n);
        Release();
        std::memcpy(m_bytes, copy, n);
        m_bytes[n] = 0;  // for n == kInline this is the tag, which is 0 then
        m_bytes[kTag] = char(kInline - n);
        return;
    }
    // The new block first, so that a failure changes nothing.
    char* block = new char[n + 1];
    std::memcpy(block, s, n + 1);
    Release();
    std::memcpy(m_bytes, &block, sizeof block);
    m_bytes[kTag] = char(kHeap);
}

}  // namespace vor::controls
