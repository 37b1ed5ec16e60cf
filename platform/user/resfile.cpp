// The binary .res format read into a module resource table.
//
// A .res file is a sequence of entries, each aligned on four bytes: a
// header (data size, header size, type, name, data version, memory flags,
// language, version, characteristics) and the data. Types and names are
// either an ordinal (0xFFFF then the number) or a NUL-terminated UTF-16
// string. The data of dialogs, menus and raw types is used as it is; string
// blocks, icons, cursors, their groups, bitmaps and version records become
// the table formats of vorresource.h.
#include "user/resfile.h"

#include <cstring>

#include "gdi/codepage.h"

namespace vor::user {

namespace {

WORD Word(const BYTE* p) { return (WORD)(p[0] | (p[1] << 8)); }
DWORD Dword(const BYTE* p) { return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24); }
size_t Align4(size_t n) { return (n + 3) & ~(size_t)3; }

// A type or name field at p (n bytes available): an ordinal, or a string
// in `text`. Answers its byte length, 0 when it does not fit.
size_t ReadId(const BYTE* p, size_t n, WORD* ordinal, std::string* text, UINT cp)
{
    if (n < 2)
        return 0;
    if (Word(p) == 0xFFFF) {
        if (n < 4)
            return 0;
        *ordinal = Word(p + 2);
        return 4;
    }
    size_t units = 0;
    while ((units + 1) * 2 <= n && Word(p + units * 2) != 0)
        ++units;
    if ((units + 1) * 2 > n)
        return 0;
    *ordinal = 0;
    *text = Utf16ToCodePage(p, (int)units, cp);
    return (units + 1) * 2;
}

// Decoded pixels of a device-independent bitmap: top row first, 0xAARRGGBB
// with the alpha of 32-bit images (0xFF otherwise), and the AND mask when the
// bitmap carries one (icons and cursors: the height is doubled).
struct Dib {
    int width = 0, height = 0;
    std::vector<DWORD> argb;
    std::vector<bool> andBits;  // true: transparent
    bool hasAlpha = false;
};

bool DecodeDib(const BYTE* p, size_t n, bool withMask, Dib* out)
{
    if (n < 40 || Dword(p) < 40)
        return false;
    DWORD headerSize = Dword(p);
    int w = (int)Dword(p + 4);
    int h = (int)Dword(p + 8);
    WORD bpp = Word(p + 14);
    DWORD compression = Dword(p + 16);
    DWORD clrUsed = Dword(p + 32);
    bool bottomUp = h > 0;
    if (h < 0)
        h = -h;
    if (withMask)
        h /= 2;
    if (w <= 0 || h <= 0 || w > 4096 || h > 4096 || compression != 0 /*BI_RGB*/)
        return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
        return false;
    size_t colours = bpp <= 8 ? (clrUsed ? clrUsed : (1u << bpp)) : 0;
    if (colours > 256 || headerSize > n)
        return false;
    const BYTE* table = p + headerSize;
    size_t stride = ((size_t)w * bpp + 31) / 32 * 4;
    size_t maskStride = ((size_t)w + 31) / 32 * 4;
    const BYTE* bits = table + colours * 4;
    size_t need = headerSize + colours * 4 + stride * h + (withMask ? maskStride * h : 0);
    if (need > n)
        return false;
    out->width = w;
    out->height = h;
    out->argb.assign((size_t)w * h, 0);
    out->andBits.assign((size_t)w * h, false);
    for (int y = 0; y < h; ++y) {
        const BYTE* row = bits + stride * (size_t)(bottomUp ? h - 1 - y : y);
        for (int x = 0; x < w; ++x) {
            DWORD c = 0xFF000000;
            if (bpp <= 8) {
                unsigned index;
                if (bpp == 8)
                    index = row[x];
                else if (bpp == 4)
                    index = (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF;
                else
                    index = (row[x / 8] >> (7 - x % 8)) & 1;
                if (index < colours) {
                    const BYTE* q = table + index * 4;
                    c |= ((DWORD)q[2] << 16) | ((DWORD)q[1] << 8) | q[0];
                }
            } else {
                const BYTE* q = row + (size_t)x * (bpp / 8);
                c = (bpp == 32 ? (DWORD)q[3] << 24 : 0xFF000000) | ((DWORD)q[2] << 16) | ((DWORD)q[1] << 8) | q[0];
            }
            out->argb[(size_t)y * w + x] = c;
        }
    }
    if (bpp == 32)
        for (DWORD c : out->argb)
            if (c >> 24)
                out->hasAlpha = true;
    if (withMask) {
        const BYTE* mask = bits + stride * h;
        for (int y = 0; y < h; ++y) {
            const BYTE* row = mask + maskStride * (size_t)(bottomUp ? h - 1 - y : y);
            for (int x = 0; x < w; ++x)
                out->andBits[(size_t)y * w + x] = (row[x / 8] >> (7 - x % 8)) & 1;
        }
    }
    // Without an alpha channel the AND mask tells what is transparent.
    if (!out->hasAlpha)
        for (size_t i = 0; i < out->argb.size(); ++i)
            out->argb[i] = (out->argb[i] & 0x00FFFFFF) | (out->andBits[i] ? 0 : 0xFF000000);
    return true;
}

// A mask of `height` rows of word-aligned bits, the leftmost pixel in the
// high bit.
std::vector<BYTE> PackMask(int w, int h, const std::vector<bool>& bits)
{
    size_t stride = ((size_t)w + 15) / 16 * 2;
    std::vector<BYTE> out(stride * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (bits[(size_t)y * w + x])
                out[stride * y + x / 8] |= (BYTE)(0x80 >> (x % 8));
    return out;
}

}  // namespace

std::string Utf16ToCodePage(const BYTE* text, int count, UINT codePage)
{
    const gdi::text::CodePage* cp = gdi::text::CodePage::Find(codePage);
    if (!cp)
        cp = &gdi::text::CodePage::Ansi();
    std::string out;
    for (int i = 0; count < 0 || i < count; ++i) {
        char32_t ch = Word(text + 2 * i);
        if (count < 0 && ch == 0)
            break;
        if (ch >= 0xD800 && ch < 0xDC00 && (count < 0 || i + 1 < count)) {
            char32_t lo = Word(text + 2 * (i + 1));
            if (lo >= 0xDC00 && lo < 0xE000) {
                ch = 0x10000 + ((ch - 0xD800) << 10) + (lo - 0xDC00);
                ++i;
            }
        }
        unsigned char bytes[4];
        int n = cp->EncodeOne(ch, bytes);
        if (n == 0)
            out += '?';
        else
            out.append((const char*)bytes, n);
    }
    return out;
}

struct CompiledTable::Raw {
    WORD typeId = 0, nameId = 0;
    std::string typeText, nameText;
    WORD language = 0;
    const BYTE* data = nullptr;
    DWORD size = 0;
};

CompiledTable::CompiledTable(const BYTE* data, size_t size, UINT codePage) : m_codePage(codePage)
{
    size_t pos = 0;
    while (pos + 8 <= size) {
        DWORD dataSize = Dword(data + pos);
        DWORD headerSize = Dword(data + pos + 4);
        if (headerSize < 24 || headerSize > size - pos || dataSize > size - pos - headerSize) {
            m_ok = false;
            break;
        }
        const BYTE* h = data + pos + 8;
        size_t left = headerSize - 8;
        Raw r;
        size_t t = ReadId(h, left, &r.typeId, &r.typeText, codePage);
        size_t nm = t ? ReadId(h + t, left - t, &r.nameId, &r.nameText, codePage) : 0;
        size_t fixed = Align4(8 + t + nm) - 8;
        if (!t || !nm || fixed + 16 > left) {
            m_ok = false;
            break;
        }
        r.language = Word(h + fixed + 6);
        r.data = data + pos + headerSize;
        r.size = dataSize;
        // The leading empty entry marks a 32-bit file.
        if (!(r.typeId == 0 && r.typeText.empty() && dataSize == 0))
            AddEntry(r);
        pos = Align4(pos + headerSize + dataSize);
    }
    m_table.entries = m_entries.data();
    m_table.count = (DWORD)m_entries.size();
}

LPCSTR CompiledTable::Keep(std::string s)
{
    m_texts.push_back(std::move(s));
    return m_texts.back().c_str();
}

void CompiledTable::Push(LPCSTR type, LPCSTR name, WORD lang, LPCVOID data, DWORD size)
{
    m_entries.push_back(VOR_RESOURCE{type, name, lang, data, size});
}

void CompiledTable::AddEntry(const Raw& r)
{
    if (r.typeText.empty()) {
        switch (r.typeId) {
        case 6:  // RT_STRING
            AddStringBlock(r);
            return;
        case 1:  // RT_CURSOR
        case 3:  // RT_ICON
            AddIconImage(r, r.typeId == 1);
            return;
        case 12:  // RT_GROUP_CURSOR
        case 14:  // RT_GROUP_ICON
            AddGroup(r, r.typeId == 12);
            return;
        case 16:  // RT_VERSION
            AddVersion(r);
            return;
        case 2:  // RT_BITMAP
            AddBitmap(r);
            return;
        default:
            break;
        }
    }
    LPCSTR type = r.typeText.empty() ? MAKEINTRESOURCEA(r.typeId) : Keep(r.typeText);
    LPCSTR name = r.nameText.empty() ? MAKEINTRESOURCEA(r.nameId) : Keep(r.nameText);
    Push(type, name, r.language, r.data, r.size);
}

void CompiledTable::AddStringBlock(const Raw& r)
{
    // Sixteen counted strings; block n holds ids (n - 1) * 16 .. n * 16 - 1.
    if (!r.nameText.empty() || r.nameId == 0)
        return;
    size_t pos = 0;
    for (int i = 0; i < 16 && pos + 2 <= r.size; ++i) {
        WORD len = Word(r.data + pos);
        pos += 2;
        if (pos + (size_t)len * 2 > r.size)
            break;
        if (len) {
            WORD id = (WORD)((r.nameId - 1) * 16 + i);
            LPCSTR text = Keep(Utf16ToCodePage(r.data + pos, len, m_codePage));
            Push(RT_STRING, MAKEINTRESOURCEA(id), r.language, text, (DWORD)strlen(text) + 1);
        }
        pos += (size_t)len * 2;
    }
}

void CompiledTable::AddIconImage(const Raw& r, bool cursor)
{
    if (!r.nameText.empty())
        return;
    const BYTE* p = r.data;
    size_t n = r.size;
    WORD hx = 0, hy = 0;
    if (cursor) {
        if (n < 4)
            return;
        hx = Word(p);
        hy = Word(p + 2);
        p += 4;
        n -= 4;
    }
    Dib dib;
    if (!DecodeDib(p, n, true, &dib))
        return;  // a compressed (PNG) image is not read
    WORD w = (WORD)dib.width, h = (WORD)dib.height;
    if (cursor) {
        // Monochrome: a pixel is white in the XOR mask when it is light.
        std::vector<bool> xorBits(dib.argb.size());
        for (size_t i = 0; i < dib.argb.size(); ++i) {
            DWORD c = dib.argb[i];
            int lum = (int)(((c >> 16) & 0xFF) * 30 + ((c >> 8) & 0xFF) * 59 + (c & 0xFF) * 11) / 100;
            xorBits[i] = lum >= 128;
        }
        m_masks.push_back(PackMask(w, h, dib.andBits));
        const BYTE* andMask = m_masks.back().data();
        m_masks.push_back(PackMask(w, h, xorBits));
        const BYTE* xorMask = m_masks.back().data();
        m_cursors.push_back(VOR_CURSOR_IMAGE{w, h, hx, hy, andMask, xorMask});
        Push(RT_CURSOR, MAKEINTRESOURCEA(r.nameId), r.language, &m_cursors.back(), sizeof(VOR_CURSOR_IMAGE));
        return;
    }
    m_pixels.push_back(std::move(dib.argb));
    const DWORD* argb = m_pixels.back().data();
    m_masks.push_back(PackMask(w, h, dib.andBits));
    m_icons.push_back(VOR_ICON_IMAGE{w, h, argb, dib.hasAlpha ? nullptr : m_masks.back().data()});
    Push(RT_ICON, MAKEINTRESOURCEA(r.nameId), r.language, &m_icons.back(), sizeof(VOR_ICON_IMAGE));
}

void CompiledTable::AddGroup(const Raw& r, bool cursor)
{
    // A directory header (reserved, type, count) and 14-byte entries whose
    // last word is the id of the image.
    if (r.size < 6)
        return;
    WORD count = Word(r.data + 4);
    std::vector<WORD> ids;
    for (WORD i = 0; i < count && 6 + (size_t)(i + 1) * 14 <= r.size; ++i)
        ids.push_back(Word(r.data + 6 + (size_t)i * 14 + 12));
    m_words.push_back(std::move(ids));
    m_groups.push_back(VOR_RESOURCE_GROUP{m_words.back().data(), (WORD)m_words.back().size()});
    LPCSTR name = r.nameText.empty() ? MAKEINTRESOURCEA(r.nameId) : Keep(r.nameText);
    Push(cursor ? RT_GROUP_CURSOR : RT_GROUP_ICON, name, r.language, &m_groups.back(), sizeof(VOR_RESOURCE_GROUP));
}

void CompiledTable::AddBitmap(const Raw& r)
{
    Dib dib;
    if (!DecodeDib(r.data, r.size, false, &dib))
        return;
    for (DWORD& c : dib.argb)
        c &= 0x00FFFFFF;
    m_pixels.push_back(std::move(dib.argb));
    m_bitmaps.push_back(VOR_BITMAP_IMAGE{(WORD)dib.width, (WORD)dib.height, m_pixels.back().data()});
    LPCSTR name = r.nameText.empty() ? MAKEINTRESOURCEA(r.nameId) : Keep(r.nameText);
    Push(RT_BITMAP, name, r.language, &m_bitmaps.back(), sizeof(VOR_BITMAP_IMAGE));
}

namespace {

// One block of a version record: length, value length, type, key, then the
// value and the child blocks, each aligned on four bytes from the start.
struct VersionBlock {
    const BYTE* start = nullptr;
    size_t length = 0;
    WORD valueLength = 0;
    WORD type = 0;
    std::string key;  // ASCII keys
    const BYTE* value = nullptr;
    const BYTE* children = nullptr;  // up to start + length
};

bool ReadBlock(const BYTE* p, size_t n, VersionBlock* b)
{
    if (n < 6)
        return false;
    b->start = p;
    b->length = Word(p);
    if (b->length < 6 || b->length > n)
        return false;
    b->valueLength = Word(p + 2);
    b->type = Word(p + 4);
    size_t pos = 6;
    b->key.clear();
    while (pos + 2 <= b->length && Word(p + pos) != 0) {
        b->key += (char)(Word(p + pos) & 0xFF);
        pos += 2;
    }
    pos = Align4(pos + 2);
    b->value = p + pos;
    size_t valueBytes = b->type == 1 ? (size_t)b->valueLength * 2 : b->valueLength;
    b->children = p + std::min(Align4(pos + valueBytes), b->length);
    return true;
}

}  // namespace

void CompiledTable::AddVersion(const Raw& r)
{
    VersionBlock root;
    if (!ReadBlock(r.data, r.size, &root) || root.valueLength < sizeof(VS_FIXEDFILEINFO))
        return;
    VOR_VERSION_INFO info = {};
    memcpy(&info.fixed, root.value, sizeof(VS_FIXEDFILEINFO));
    std::vector<VOR_VERSION_STRING> strings;
    const BYTE* end = root.start + root.length;
    for (const BYTE* p = root.children; p < end;) {
        VersionBlock child;
        if (!ReadBlock(p, end - p, &child))
            break;
        if (child.key == "StringFileInfo") {
            const BYTE* tEnd = child.start + child.length;
            for (const BYTE* t = child.children; t < tEnd;) {
                VersionBlock table;
                if (!ReadBlock(t, tEnd - t, &table))
                    break;
                const BYTE* sEnd = table.start + table.length;
                for (const BYTE* s = table.children; s < sEnd;) {
                    VersionBlock str;
                    if (!ReadBlock(s, sEnd - s, &str))
                        break;
                    // The value length counts characters with the NUL.
                    size_t units = str.valueLength;
                    while (units > 0 && Word(str.value + (units - 1) * 2) == 0)
                        --units;
                    if (str.value + units * 2 > sEnd)
                        units = 0;
                    strings.push_back(VOR_VERSION_STRING{Keep(str.key),
                                                         Keep(Utf16ToCodePage(str.value, (int)units, m_codePage))});
                    s = str.start + Align4(str.length);
                }
                t = table.start + Align4(table.length);
            }
        }
        p = child.start + Align4(child.length);
    }
    m_versionStrings.push_back(std::move(strings));
    info.strings = m_versionStrings.back().data();
    info.stringCount = (DWORD)m_versionStrings.back().size();
    m_versions.push_back(info);
    LPCSTR name = r.nameText.empty() ? MAKEINTRESOURCEA(r.nameId) : Keep(r.nameText);
    Push(RT_VERSION, name, r.language, &m_versions.back(), sizeof(VOR_VERSION_INFO));
}

}  // namespace vor::user
