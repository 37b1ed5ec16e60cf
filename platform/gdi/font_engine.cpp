// FreeType behind the realized fonts. Font files are read into memory once;
// each realized font opens its own sized faces on those bytes. Glyphs are
// hinted lightly (vertical only) and rendered as 8-bit coverage, which is
// deterministic for a given font file and FreeType build.
#include "gdi/font_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <tuple>

namespace vor::gdi::text {

namespace {

#ifndef VOR_FONT_LATIN_PATH
#define VOR_FONT_LATIN_PATH "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
#endif
#ifndef VOR_FONT_CJK_PATH
#define VOR_FONT_CJK_PATH "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
#endif

constexpr int kMinPpem = 1;
constexpr int kMaxPpem = 512;
constexpr int kDefaultPpem = 11;

FT_Library Library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return lib;
}

struct FontFile {
    std::vector<FT_Byte> bytes;
    bool ok = false;
};

const FontFile& LoadFile(const std::string& path) {
    static std::map<std::string, std::unique_ptr<FontFile>> files;
    auto it = files.find(path);
    if (it != files.end()) return *it->second;
    auto file = std::make_unique<FontFile>();
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        std::fseek(f, 0, SEEK_END);
        long size = std::ftell(f);
        std::fseek(f, 0, SEEK_SET);
        if (size > 0) {
            file->bytes.resize(static_cast<size_t>(size));
            file->ok = std::fread(file->bytes.data(), 1, file->bytes.size(), f) == file->bytes.size();
        }
        std::fclose(f);
    }
    return *files.emplace(path, std::move(file)).first->second;
}

std::string FontDirectory() {
    std::string latin = VOR_FONT_LATIN_PATH;
    size_t slash = latin.rfind('/');
    return slash == std::string::npos ? std::string() : latin.substr(0, slash + 1);
}

// The file of a style of a family: the matching DejaVu file beside the Latin
// font, when present.
std::string StyleFile(FontFamily family, bool bold, bool italic) {
    if (family == FontFamily::Sans && !bold && !italic) return VOR_FONT_LATIN_PATH;
    std::string name = family == FontFamily::Mono ? "DejaVuSansMono" : "DejaVuSans";
    if (bold && italic)
        name += "-BoldOblique";
    else if (bold)
        name += "-Bold";
    else if (italic)
        name += "-Oblique";
    return FontDirectory() + name + ".ttf";
}

FT_Face OpenFace(const FontFile& file, int index) {
    if (!file.ok || Library() == nullptr) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(Library(), file.bytes.data(), static_cast<FT_Long>(file.bytes.size()), index, &face) != 0)
        return nullptr;
    return face;
}

int RoundDiv(long long num, long long den) { return static_cast<int>((num * 2 + den) / (den * 2)); }

}  // namespace

// One sized FreeType face and what must be synthesized on it.
struct SizedFace {
    FT_Face face = nullptr;
    bool synthBold = false;
    bool synthItalic = false;
    ~SizedFace() {
        if (face) FT_Done_Face(face);
    }
};

namespace {

// Opens a face at a size; synthesizes bold and italic on it when asked.
std::unique_ptr<SizedFace> OpenSized(const std::string& path, int index, int ppem, bool synthBold,
                                     bool synthItalic) {
    FT_Face face = OpenFace(LoadFile(path), index);
    if (face == nullptr) return nullptr;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem)) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    auto sized = std::make_unique<SizedFace>();
    sized->face = face;
    sized->synthBold = synthBold;
    sized->synthItalic = synthItalic;
    return sized;
}

// The face of a style, from its own file or synthesized from the regular one.
std::unique_ptr<SizedFace> OpenStyle(FontFamily family, bool bold, bool italic, int ppem) {
    if (auto own = OpenSized(StyleFile(family, bold, italic), 0, ppem, false, false)) return own;
    if (auto regular = OpenSized(StyleFile(family, false, false), 0, ppem, bold, italic)) return regular;
    if (family != FontFamily::Sans) return OpenStyle(FontFamily::Sans, bold, italic, ppem);
    return nullptr;
}

bool IsControl(char32_t ch) { return ch < 0x20 || ch == 0x7F || (ch >= 0x80 && ch < 0xA0); }

// Design units of a face, for metrics that do not depend on hinting.
struct DesignMetrics {
    long upem = 2048, ascender = 1901, descender = 483, lineHeight = 2384;
};

DesignMetrics DesignOf(FT_Face face) {
    DesignMetrics d;
    if (face == nullptr || face->units_per_EM == 0) return d;
    d.upem = face->units_per_EM;
    d.ascender = face->ascender;
    d.descender = -static_cast<long>(face->descender);
    d.lineHeight = std::max<long>(face->height, d.ascender + d.descender);
    return d;
}

int CellHeight(const DesignMetrics& d, int ppem) { return RoundDiv(ppem * (d.ascender + d.descender), d.upem); }

}  // namespace

RealFont::RealFont(FontFamily family, int ppem, bool bold, bool italic)
    : m_family(family), m_bold(bold), m_italic(italic) {
    m_primary = OpenStyle(family, bold, italic, ppem);
    m_fallback = OpenSized(VOR_FONT_CJK_PATH, 0, ppem, bold, italic);
    if (m_primary == nullptr) m_primary = std::move(m_fallback);
    if (m_primary && m_primary->face->family_name) m_faceName = m_primary->face->family_name;
    ComputeMetrics(ppem);
}

RealFont::~RealFont() = default;

void RealFont::ComputeMetrics(int ppem) {
    FT_Face face = m_primary ? m_primary->face : nullptr;
    DesignMetrics d = DesignOf(face);
    FontMetrics& m = m_metrics;
    m.ppem = ppem;
    // Rounded once from the design values: the row is the rounded sum of
    // ascender and descender, the descent the rounded descender.
    m.height = std::max(1, CellHeight(d, ppem));
    m.descent = std::min(m.height - 1, RoundDiv(ppem * d.descender, d.upem));
    m.ascent = m.height - m.descent;
    m.internalLeading = std::max(0, m.height - ppem);
    m.externalLeading = std::max(0, RoundDiv(ppem * (d.lineHeight - d.ascender - d.descender), d.upem));
    m.aveCharWidth = Advance('x');
    m.maxCharWidth = m.aveCharWidth;
    if (face) m.maxCharWidth = std::max(m.aveCharWidth, RoundDiv(ppem * face->max_advance_width, d.upem));
    int thickness = 1, position = 1, strike = std::max(1, (m.ascent - m.internalLeading) * 2 / 5);
    if (face) {
        thickness = std::max(1, RoundDiv(ppem * face->underline_thickness, d.upem));
        position = std::max(1, RoundDiv(ppem * -static_cast<long>(face->underline_position), d.upem));
        if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)))
            strike = std::max(1, RoundDiv(ppem * os2->yStrikeoutPosition, d.upem));
    }
    // The underline stays inside the row.
    thickness = std::min(thickness, std::max(1, m.descent));
    position = std::min(position, std::max(0, m.descent - thickness));
    m.underlineThickness = thickness;
    m.underlinePosition = position;
    m.strikeoutPosition = std::min(strike, m.ascent - 1);
}

const Glyph& RealFont::GlyphOf(char32_t ch) {
    auto it = m_glyphs.find(ch);
    if (it != m_glyphs.end()) return it->second;
    return m_glyphs.emplace(ch, Render(ch)).first->second;
}

namespace {

bool RenderIndex(SizedFace& sized, FT_UInt index, Glyph& out) {
    FT_Face face = sized.face;
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) return false;
    FT_GlyphSlot slot = face->glyph;
    if (sized.synthItalic) FT_GlyphSlot_Oblique(slot);
    if (sized.synthBold) FT_GlyphSlot_Embolden(slot);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return false;
    const FT_Bitmap& bm = slot->bitmap;
    out.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = static_cast<int>(bm.width);
    out.height = static_cast<int>(bm.rows);
    out.coverage.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height), 0);
    for (int y = 0; y < out.height; ++y) {
        const unsigned char* row = bm.buffer + static_cast<long>(y) * bm.pitch;
        for (int x = 0; x < out.width; ++x) {
            uint8_t v;
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                v = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else
                v = row[x];
            out.coverage[static_cast<size_t>(y) * out.width + x] = v;
        }
    }
    return true;
}

}  // namespace

Glyph RealFont::Render(char32_t ch) {
    Glyph g;
    if (!IsControl(ch)) {
        for (SizedFace* sized : {m_primary.get(), m_fallback.get()}) {
            if (sized == nullptr) continue;
            FT_UInt index = FT_Get_Char_Index(sized->face, static_cast<FT_ULong>(ch));
            if (index != 0 && RenderIndex(*sized, index, g)) return g;
        }
    }
    // The missing-character box: the primary face's glyph 0.
    if (m_primary && RenderIndex(*m_primary, 0, g)) return g;
    // No face at all: draw a plain box so that text stays visible.
    const int ppem = std::max(2, m_metrics.ppem);
    g = Glyph{};
    g.advance = std::max(2, ppem / 2);
    g.width = g.advance - 1;
    g.height = std::max(2, ppem * 2 / 3);
    g.left = 0;
    g.top = g.height;
    g.coverage.assign(static_cast<size_t>(g.width) * g.height, 0);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (y == 0 || x == 0 || y == g.height - 1 || x == g.width - 1) g.coverage[y * g.width + x] = 255;
    return g;
}

int PixelsPerEmFor(FontFamily family, bool bold, int logicalHeight) {
    if (logicalHeight == 0) return kDefaultPpem;
    if (logicalHeight < 0) {
        long h = -static_cast<long>(logicalHeight);
        return static_cast<int>(std::clamp<long>(h, kMinPpem, kMaxPpem));
    }
    // A cell height: the largest em whose row is no taller than asked.
    FT_Face face = OpenFace(LoadFile(StyleFile(family, bold, false)), 0);
    if (face == nullptr) face = OpenFace(LoadFile(StyleFile(FontFamily::Sans, false, false)), 0);
    DesignMetrics d = DesignOf(face);
    if (face) FT_Done_Face(face);
    int h = std::min(logicalHeight, kMaxPpem * 2);
    int ppem = std::clamp(RoundDiv(static_cast<long long>(h) * d.upem, d.ascender + d.descender), kMinPpem, kMaxPpem);
    while (ppem > kMinPpem && CellHeight(d, ppem) > h) --ppem;
    while (ppem < kMaxPpem && CellHeight(d, ppem + 1) <= h) ++ppem;
    return ppem;
}

RealFont* Realize(FontFamily family, int ppem, bool bold, bool italic) {
    static std::map<std::tuple<int, int, bool, bool>, std::unique_ptr<RealFont>> fonts;
    ppem = std::clamp(ppem, kMinPpem, kMaxPpem);
    auto key = std::make_tuple(static_cast<int>(family), ppem, bold, italic);
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second.get();
    auto font = std::make_unique<RealFont>(family, ppem, bold, italic);
    return fonts.emplace(key, std::move(font)).first->second.get();
}

}  // namespace vor::gdi::text
