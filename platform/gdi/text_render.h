// Laying out and painting a run of characters: the one path by which
// TextOut, ExtTextOut, TabbedTextOut, DrawText and DrawState put glyphs on a
// surface, so that what they draw is exactly what the measuring calls add up.
#pragma once

#include <vector>

#include "gdi/dc.h"
#include "gdi/font_object.h"

namespace vor::gdi::text {

// One character laid out for drawing.
struct LaidChar {
    char32_t code = 0;
    int offset = 0;  // byte offset in the caller's string
    int length = 1;  // bytes it takes there
    int advance = 0;
    bool underline = false;  // the prefix underline (DrawText's "&x")
    bool blank = false;      // advances without a glyph (an expanded tab)
};
using LaidChars = std::vector<LaidChar>;

// Text coordinates are kept within this, as GDI's 27-bit space: further out
// nothing can be seen, and sums of caller-given numbers cannot overflow.
constexpr long long kCoordinateLimit = 1 << 27;
int ClampCoordinate(long long v);

// Decodes n bytes (to the NUL when n < 0) through the ANSI code page and
// gives every character its advance.
void Shape(TextFont& font, const char* s, int n, LaidChars& out);
int Width(const LaidChar* chars, size_t n);
inline int Width(const LaidChars& chars) { return Width(chars.data(), chars.size()); }

struct PaintOptions {
    COLORREF textColor = 0;
    bool opaque = false;  // fill the text cells with bkColor first
    COLORREF bkColor = 0xFFFFFF;
    const RECT* clip = nullptr;  // logical; also clips the opaque fill
    bool glyphs = true;          // false: the underlines only
    bool prefixUnderlines = true;
};

// Paints characters whose cell row has its top-left corner at logical
// (left, top). Nothing is drawn outside the row's measured box: glyph ink
// that overhangs the advances or the row is cut.
void PaintChars(DeviceContext* dc, TextFont& font, const LaidChar* chars, size_t n, int left, int top,
                const PaintOptions& options);

// Text output with the DC's alignment, colours and background mode, as
// ExtTextOut does it: (x, y) is the reference point (or the current
// position with TA_UPDATECP), which then moves with the text.
void OutputAligned(DeviceContext* dc, TextFont& font, const LaidChars& chars, int x, int y, const RECT* clip);

// Tab stops of TabbedTextOut and GetTabbedTextExtent, measured from the tab
// origin: none (every defaultInterval), one (a repeating interval) or many
// (those positions; past the last, every defaultInterval again). A negative
// position among several right-aligns the text that follows the tab.
class TabStops {
public:
    TabStops(int count, const INT* positions, int defaultInterval);
    // The stop for a tab at x; *rightAligned tells how to place what follows.
    int Next(int x, bool* rightAligned) const;

private:
    int m_interval;
    std::vector<int> m_positions;
};

// Expands the tabs of laid characters: each tab gets the advance that takes
// the pen (originOffset + its x) to the next stop.
void ExpandTabs(LaidChars& chars, const TabStops& stops, int originOffset);

RECT NormalizedRect(const RECT& rc);

}  // namespace vor::gdi::text
