// Compiled resource files: the binary .res format that resource compilers
// write, turned into a module resource table. Nothing here is exported.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "vorresource.h"

namespace vor::user {

// The entries of one .res file in the table formats of vorresource.h, with
// the storage they point into. Text (string tables, version strings, names)
// is in the code page the table was built for.
class CompiledTable {
public:
    // Builds the table of `size` bytes of .res data. Malformed data ends the
    // table at the first entry that does not fit; `ok` tells whether the
    // whole file was read.
    CompiledTable(const BYTE* data, size_t size, UINT codePage);

    const VOR_RESOURCE_TABLE* Table() const { return &m_table; }
    bool Ok() const { return m_ok; }
    UINT CodePage() const { return m_codePage; }

private:
    struct Raw;
    void AddEntry(const Raw& r);
    void AddStringBlock(const Raw& r);
    void AddIconImage(const Raw& r, bool cursor);
    void AddGroup(const Raw& r, bool cursor);
    void AddVersion(const Raw& r);
    void AddBitmap(const Raw& r);
    LPCSTR Keep(std::string s);
    void Push(LPCSTR type, LPCSTR name, WORD lang, LPCVOID data, DWORD size);

    UINT m_codePage;
    bool m_ok = true;
    std::vector<VOR_RESOURCE> m_entries;
    VOR_RESOURCE_TABLE m_table = {};
    std::deque<std::string> m_texts;
    std::deque<std::vector<WORD>> m_words;
    std::deque<std::vector<DWORD>> m_pixels;
    std::deque<std::vector<BYTE>> m_masks;
    std::deque<VOR_RESOURCE_GROUP> m_groups;
    std::deque<VOR_ICON_IMAGE> m_icons;
    std::deque<VOR_CURSOR_IMAGE> m_cursors;
    std::deque<VOR_BITMAP_IMAGE> m_bitmaps;
    std::deque<std::vector<VOR_VERSION_STRING>> m_versionStrings;
    std::deque<VOR_VERSION_INFO> m_versions;
};

// UTF-16 text (little-endian, `count` units or up to a NUL when count < 0)
// in a code page; characters the code page lacks become '?'.
std::string Utf16ToCodePage(const BYTE* text, int count, UINT codePage);

}  // namespace vor::user
