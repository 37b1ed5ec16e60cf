// Painting laid-out text through the device context's coverage blender.
#include "gdi/text_render.h"

#include <algorithm>
#include <cstdlib>

#include "gdi/codepage.h"

namespace vor::gdi::text {

void Shape(TextFont& font, const char* s, int n, LaidChars& out) {
    out.clear();
    std::vector<DecodedChar> decoded;
    CodePage::Ansi().Decode(s, n, decoded);
    out.reserve(decoded.size());
    RealFont& real = font.Real();
    for (const DecodedChar& d : decoded) {
        LaidChar c;
        c.code = d.code;
        c.offset = d.offset;
        c.length = d.length;
        c.advance = real.Advance(d.code);
        out.push_back(c);
    }
}

int Width(const LaidChar* chars, size_t n) {
    // Caller-given distances may be anything: keep the sum in range.
    long long w = 0;
    for (size_t i = 0; i < n; ++i) w += chars[i].advance;
    return static_cast<int>(std::clamp(w, -kCoordinateLimit, kCoordinateLimit));
}

int ClampCoordinate(long long v) { return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)); }

RECT NormalizedRect(const RECT& rc) {
    return RECT{std::min(rc.left, rc.right), std::min(rc.top, rc.bottom), std::max(rc.left, rc.right),
                std::max(rc.top, rc.bottom)};
}

namespace {

bool Intersect(RECT& a, const RECT& b) {
    a.left = std::max(a.left, b.left);
    a.top = std::max(a.top, b.top);
    a.right = std::min(a.right, b.right);
    a.bottom = std::min(a.bottom, b.bottom);
    return a.left < a.right && a.top < a.bottom;
}

void FillClipped(DeviceContext* dc, RECT rc, const RECT& box, COLORREF color) {
    if (Intersect(rc, box)) FillSurfaceRect(dc, rc, color);
}

}  // namespace

void PaintChars(DeviceContext* dc, TextFont& font, const LaidChar* chars, size_t n, int left, int top,
                const PaintOptions& options) {
    const FontMetrics& m = font.Metrics();
    // Far outside any surface: nothing to draw, and no arithmetic to overflow.
    if (std::abs(static_cast<long long>(left)) > kCoordinateLimit ||
        std::abs(static_cast<long long>(top)) > kCoordinateLimit)
        return;
    POINT origin = dc->LogicalToSurface(POINT{left, top});
    const int width = Width(chars, n);
    RECT box{origin.x, origin.y, origin.x + width, origin.y + m.height};
    if (options.clip != nullptr) {
        if (!Intersect(box, NormalizedRect(dc->LogicalToSurface(*options.clip)))) return;
    } else if (box.left >= box.right || box.top >= box.bottom) {
        return;
    }
    if (options.opaque) FillSurfaceRect(dc, box, options.bkColor);
    const int baseline = origin.y + m.ascent;
    const RECT underlineRow{0, baseline + m.underlinePosition, 0, baseline + m.underlinePosition + m.underlineThickness};
    RealFont& real = font.Real();
    int pen = origin.x;
    for (size_t i = 0; i < n; ++i) {
        const LaidChar& c = chars[i];
        if (options.glyphs && !c.blank) {
            const Glyph& g = real.GlyphOf(c.code);
            const int gx = pen + g.left, gy = baseline - g.top;
            RECT ink{gx, gy, gx + g.width, gy + g.height};
            if (g.width > 0 && g.height > 0 && Intersect(ink, box)) {
                const uint8_t* mask = g.coverage.data() + static_cast<size_t>(ink.top - gy) * g.width + (ink.left - gx);
                BlendCoverage(dc, ink.left, ink.top, ink.right - ink.left, ink.bottom - ink.top, mask, g.width,
                              options.textColor);
            }
        }
        if (c.underline && options.prefixUnderlines) {
            RECT u = underlineRow;
            u.left = pen;
            u.right = ClampCoordinate(static_cast<long long>(pen) + c.advance);
            FillClipped(dc, u, box, options.textColor);
        }
        pen = ClampCoordinate(static_cast<long long>(pen) + c.advance);
    }
    if (font.Underline()) {
        RECT u = underlineRow;
        u.left = origin.x;
        u.right = origin.x + width;
        FillClipped(dc, u, box, options.textColor);
    }
    if (font.StrikeOut()) {
        RECT s{origin.x, baseline - m.strikeoutPosition, origin.x + width,
               baseline - m.strikeoutPosition + m.underlineThickness};
        FillClipped(dc, s, box, options.textColor);
    }
}

void OutputAligned(DeviceContext* dc, TextFont& font, const LaidChars& chars, int x, int y, const RECT* clip) {
    const FontMetrics& m = font.Metrics();
    const UINT align = dc->state.textAlign;
    const bool updateCP = (align & TA_UPDATECP) != 0;
    if (updateCP) {
        x = dc->state.curPos.x;
        y = dc->state.curPos.y;
    }
    const int width = Width(chars);
    long long left = x;
    if ((align & TA_CENTER) == TA_CENTER)
        left = static_cast<long long>(x) - width / 2;
    else if (align & TA_RIGHT)
        left = static_cast<long long>(x) - width;
    long long top = y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = static_cast<long long>(y) - m.ascent;
    else if (align & TA_BOTTOM)
        top = static_cast<long long>(y) - m.height;
    PaintOptions options;
    options.textColor = dc->state.textColor;
    options.opaque = dc->state.bkMode == OPAQUE;
    options.bkColor = dc->state.bkColor;
    options.clip = clip;
    PaintChars(dc, font, chars.data(), chars.size(), ClampCoordinate(left), ClampCoordinate(top), options);
    if (updateCP) {
        if ((align & TA_CENTER) == TA_CENTER) {
            // A centred string leaves the current position where it was.
        } else if (align & TA_RIGHT) {
            dc->state.curPos.x = ClampCoordinate(static_cast<long long>(x) - width);
        } else {
            dc->state.curPos.x = ClampCoordinate(static_cast<long long>(x) + width);
        }
    }
}

TabStops::TabStops(int count, const INT* positions, int defaultInterval) : m_interval(std::max(1, defaultInterval)) {
    if (positions == nullptr || count <= 0) return;
    if (count == 1) {
        if (positions[0] != 0) m_interval = std::abs(positions[0]);
        return;
    }
    m_positions.assign(positions, positions + count);
}

int TabStops::Next(int x, bool* rightAligned) const {
    *rightAligned = false;
    for (int p : m_positions) {
        if (std::abs(p) > x) {
            *rightAligned = p < 0;
            return std::abs(p);
        }
    }
    // Past the last stop (or with no list), stops repeat at the interval.
    if (x < 0) return 0;
    return ClampCoordinate((static_cast<long long>(x) / m_interval + 1) * m_interval);
}

void ExpandTabs(LaidChars& chars, const TabStops& stops, int originOffset) {
    int pen = 0;
    for (size_t i = 0; i < chars.size(); ++i) {
        LaidChar& c = chars[i];
        if (c.code != '\t') {
            pen += c.advance;
            continue;
        }
        bool right = false;
        const int at = ClampCoordinate(static_cast<long long>(originOffset) + pen);
        int stop = ClampCoordinate(static_cast<long long>(stops.Next(at, &right)) - originOffset);
        int next = stop;
        if (right) {
            int segment = 0;
            for (size_t j = i + 1; j < chars.size() && chars[j].code != '\t'; ++j) segment += chars[j].advance;
            next = std::max(pen, stop - segment);
        }
        c.advance = std::max(0, next - pen);
        c.blank = true;
        pen += c.advance;
    }
}

}  // namespace vor::gdi::text
