// The font engine: FreeType faces loaded from the font files, realized at a
// pixel size, with a cache of rendered glyphs. A realized font draws from
// its own face and falls back to the CJK face for characters it lacks.
// Everything is in whole pixels: an advance is rounded once, when its glyph
// is rendered, so measuring and drawing add the same numbers.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vor::gdi::text {

// An anti-aliased glyph: coverage 0..255, rows top to bottom. Its top-left
// pixel lies at (pen x + left, baseline - top).
struct Glyph {
    int advance = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;
};

enum class FontFamily { Sans, Mono };

struct FontMetrics {
    int height = 0;  // ascent + descent: the height of a row of text
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int underlinePosition = 0;  // rows below the baseline
    int underlineThickness = 1;
    int strikeoutPosition = 0;  // rows above the baseline
    int ppem = 0;
};

struct SizedFace;

class RealFont {
public:
    RealFont(FontFamily family, int ppem, bool bold, bool italic);
    ~RealFont();
    RealFont(const RealFont&) = delete;
    RealFont& operator=(const RealFont&) = delete;

    const FontMetrics& Metrics() const { return m_metrics; }
    FontFamily Family() const { return m_family; }
    bool Bold() const { return m_bold; }
    bool Italic() const { return m_italic; }
    // The family name of the face the font draws with.
    const std::string& FaceName() const { return m_faceName; }

    // The glyph of a character; a character neither face has, and a control
    // character, draw as the font's missing-character box.
    const Glyph& GlyphOf(char32_t ch);
    int Advance(char32_t ch) { return GlyphOf(ch).advance; }

private:
    Glyph Render(char32_t ch);
    void ComputeMetrics(int ppem);

    std::unique_ptr<SizedFace> m_primary;
    std::unique_ptr<SizedFace> m_fallback;
    FontFamily m_family;
    bool m_bold;
    bool m_italic;
    FontMetrics m_metrics;
    std::string m_faceName;
    std::unordered_map<char32_t, Glyph> m_glyphs;
};

// Converts a LOGFONT height to the pixels of an em: a negative height is
// the character height, a positive one the cell height, 0 the default.
int PixelsPerEmFor(FontFamily family, bool bold, int logicalHeight);

// The realized font for these parameters, created once and kept.
RealFont* Realize(FontFamily family, int ppem, bool bold, bool italic);

}  // namespace vor::gdi::text
