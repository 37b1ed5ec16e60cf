// DrawText: formatted text in a rectangle. The text is decoded once, its
// prefixes resolved, split into lines (and wrapped), cut with an ellipsis
// where asked, then measured or painted line by line through the same
// laid-out characters.
#include <algorithm>
#include <climits>
#include <cstring>

#include "gdi/codepage.h"
#include "gdi/text_render.h"

using vor::gdi::DeviceContext;
using vor::gdi::LookupDC;
using namespace vor::gdi::text;

namespace {

constexpr UINT kEllipsisFlags = DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS;

struct Line {
    LaidChars chars;
    int width = 0;
    bool cut = false;   // an ellipsis replaced part of it
    int keptBytes = 0;  // with cut: the caller's bytes kept before the ellipsis
    int tailOffset = -1;  // with a path ellipsis: where the kept tail starts
};

bool IsSpace(const LaidChar& c) { return c.code == ' '; }

// Ideographs and the other wide scripts may break between any two characters.
bool IsWide(const LaidChar& c) { return c.code >= 0x2E80; }

// Resolves the prefix characters: "&x" underlines x, "&&" is one "&", and a
// lone "&" at the end is dropped.
LaidChars ResolvePrefixes(const LaidChars& in, bool underline) {
    LaidChars out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i].code != '&') {
            out.push_back(in[i]);
            continue;
        }
        if (i + 1 >= in.size()) break;
        LaidChar next = in[i + 1];
        if (next.code != '&') next.underline = underline;
        out.push_back(next);
        ++i;
    }
    return out;
}

// Splits at CR LF, CR or LF; a break at the very end starts no new line.
std::vector<LaidChars> SplitLines(const LaidChars& chars) {
    std::vector<LaidChars> lines(1);
    for (size_t i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i].code;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < chars.size() && chars[i + 1].code == '\n') ++i;
            if (i + 1 < chars.size()) lines.emplace_back();
            continue;
        }
        lines.back().push_back(chars[i]);
    }
    if (chars.empty()) lines.clear();
    return lines;
}

class Formatter {
public:
    Formatter(TextFont& font, UINT format, int tabWidth, int limit)
        : m_font(font), m_format(format), m_tabs(0, nullptr, tabWidth), m_limit(limit) {}

    void AddLogicalLine(const LaidChars& chars) {
        if ((m_format & DT_WORDBREAK) && !(m_format & DT_SINGLELINE))
            Wrap(chars);
        else
            Finish(LaidChars(chars));
    }
    std::vector<Line>& Lines() { return m_lines; }

private:
    int TabAdvance(int pen) const {
        bool right;
        return std::max(0, m_tabs.Next(pen, &right) - pen);
    }
    int AdvanceAt(const LaidChar& c, int pen) const {
        return (c.code == '\t' && (m_format & DT_EXPANDTABS)) ? TabAdvance(pen) : c.advance;
    }

    void Wrap(const LaidChars& chars) {
        // A word longer than the line stays whole (DT_CALCRECT widens the
        // rectangle to it); an edit control's layout breaks it instead.
        const bool breakWords = (m_format & DT_EDITCONTROL) && !(m_format & kEllipsisFlags);
        size_t start = 0;
        if (chars.empty()) Finish(LaidChars());
        while (start < chars.size()) {
            int pen = 0;
            size_t breakAt = start;  // a line may end before this index
            size_t j = start;
            for (; j < chars.size(); ++j) {
                const LaidChar& c = chars[j];
                const int adv = AdvanceAt(c, pen);
                // A line may end before a space, and between two characters
                // when either is wide.
                if (j > start && (IsSpace(c) || ((IsWide(c) || IsWide(chars[j - 1])) && !IsSpace(chars[j - 1]))))
                    breakAt = j;
                if (!IsSpace(c) && j > start && pen + adv > m_limit) break;
                pen += adv;
            }
            size_t end;
            if (j >= chars.size()) {
                end = chars.size();
            } else if (breakAt > start) {
                end = breakAt;
            } else if (breakWords) {
                end = j;
            } else {
                // The word stays whole: it overflows, or an ellipsis cuts it.
                end = j;
                while (end < chars.size() && !IsSpace(chars[end])) ++end;
            }
            size_t last = end;
            while (last > start && IsSpace(chars[last - 1])) --last;
            Finish(LaidChars(chars.begin() + static_cast<long>(start), chars.begin() + static_cast<long>(last)));
            start = end;
            while (start < chars.size() && IsSpace(chars[start])) ++start;
        }
    }

    void Finish(LaidChars chars) {
        Line line;
        if (m_format & DT_EXPANDTABS) ExpandTabs(chars, m_tabs, 0);
        line.chars = std::move(chars);
        line.width = Width(line.chars);
        if ((m_format & kEllipsisFlags) && !(m_format & DT_CALCRECT) && line.width > m_limit) Cut(line);
        m_lines.push_back(std::move(line));
    }

    LaidChars Dots(int room) const {
        LaidChar dot;
        dot.code = '.';
        dot.offset = -1;
        dot.length = 0;
        dot.advance = m_font.Real().Advance('.');
        const int n = dot.advance > 0 ? std::clamp(room / dot.advance, 0, 3) : 3;
        return LaidChars(static_cast<size_t>(n), dot);
    }

    // Keeps the longest head of `head` that fits in `room` beside the three
    // dots; the answer is how many characters.
    static size_t FittingHead(const LaidChars& head, size_t maxCount, int room) {
        int w = 0;
        size_t k = 0;
        while (k < maxCount && w + head[k].advance <= room) w += head[k++].advance;
        return k;
    }

    void Cut(Line& line) {
        const LaidChars& chars = line.chars;
        const int dotsWidth = 3 * m_font.Real().Advance('.');
        LaidChars result;
        if (m_format & DT_PATH_ELLIPSIS) {
            // Keep the last path element whole and shorten what precedes it.
            size_t sep = chars.size();
            for (size_t i = chars.size(); i-- > 0;)
                if (chars[i].code == '\\' || chars[i].code == '/') {
                    sep = i;
                    break;
                }
            if (sep < chars.size() && sep > 0) {
                const int tailWidth = Width(chars.data() + sep, chars.size() - sep);
                const int room = m_limit - dotsWidth - tailWidth;
                if (room >= 0) {
                    size_t k = FittingHead(chars, sep, room);
                    result.assign(chars.begin(), chars.begin() + static_cast<long>(k));
                    LaidChars dots = Dots(dotsWidth);
                    result.insert(result.end(), dots.begin(), dots.end());
                    result.insert(result.end(), chars.begin() + static_cast<long>(sep), chars.end());
                    line.keptBytes = k > 0 ? chars[k - 1].offset + chars[k - 1].length : 0;
                    line.tailOffset = chars[sep].offset;
                    Store(line, std::move(result));
                    return;
                }
            }
        }
        LaidChars dots = Dots(m_limit);
        const int room = m_limit - Width(dots);
        size_t k = dots.size() == 3 ? FittingHead(chars, chars.size(), room) : 0;
        result.assign(chars.begin(), chars.begin() + static_cast<long>(k));
        line.keptBytes = k > 0 ? chars[k - 1].offset + chars[k - 1].length : 0;
        result.insert(result.end(), dots.begin(), dots.end());
        Store(line, std::move(result));
    }

    static void Store(Line& line, LaidChars chars) {
        line.chars = std::move(chars);
        line.width = Width(line.chars);
        line.cut = true;
    }

    TextFont& m_font;
    UINT m_format;
    TabStops m_tabs;
    int m_limit;
    std::vector<Line> m_lines;
};

// DT_MODIFYSTRING: the string becomes what the (single) line shows; the
// caller's buffer holds the text and four more bytes.
void ModifyString(char* text, int length, const Line& line) {
    std::string shown(text, static_cast<size_t>(line.keptBytes));
    shown += "...";
    if (line.tailOffset >= 0) shown.append(text + line.tailOffset, static_cast<size_t>(length - line.tailOffset));
    const size_t room = static_cast<size_t>(length) + 4 - 1;
    if (shown.size() > room) shown.resize(room);
    std::memcpy(text, shown.data(), shown.size());
    text[shown.size()] = 0;
}

int DrawTextCore(HDC hdc, const char* text, int cch, RECT* rc, UINT format, DRAWTEXTPARAMS* params) {
    DeviceContext* dc = LookupDC(hdc);
    if (dc == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (rc == nullptr || cch < -1 || (text == nullptr && cch != 0) ||
        (params != nullptr && params->cbSize != sizeof(DRAWTEXTPARAMS))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    TextFont* font = FontOfDC(dc);
    if (font == nullptr) return 0;
    const int length = cch < 0 ? static_cast<int>(std::strlen(text)) : cch;
    const FontMetrics& m = font->Metrics();

    // DT_TABSTOP carries the tab length in the bits the flags it excludes use.
    int tabLength = 8;
    if (format & DT_TABSTOP) {
        tabLength = static_cast<int>((format >> 8) & 0xFF);
        format &= ~0xFF00u;
        if (tabLength == 0) tabLength = 8;
    }
    int leftMargin = 0, rightMargin = 0;
    if (params != nullptr) {
        if (params->iTabLength > 0) tabLength = params->iTabLength;
        leftMargin = params->iLeftMargin;
        rightMargin = params->iRightMargin;
    }
    const int tabWidth = tabLength * std::max(1, m.aveCharWidth);
    const int limit = ClampCoordinate(static_cast<long long>(rc->right) - rc->left - leftMargin - rightMargin);

    LaidChars chars;
    Shape(*font, text, length, chars);
    if (!(format & DT_NOPREFIX)) chars = ResolvePrefixes(chars, !(format & DT_HIDEPREFIX));

    Formatter formatter(*font, format, tabWidth, limit);
    if (format & DT_SINGLELINE) {
        if (!chars.empty()) formatter.AddLogicalLine(chars);
    } else {
        for (const LaidChars& line : SplitLines(chars)) formatter.AddLogicalLine(line);
    }
    std::vector<Line>& lines = formatter.Lines();
    if (params != nullptr) params->uiLengthDrawn = static_cast<UINT>(length);

    const int lineHeight = m.height + ((format & DT_EXTERNALLEADING) ? m.externalLeading : 0);
    const int height = ClampCoordinate(static_cast<long long>(lineHeight) * static_cast<long long>(lines.size()));
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& line : lines) widest = std::max(widest, line.width);
        rc->right = ClampCoordinate(static_cast<long long>(rc->left) + leftMargin + widest + rightMargin);
        rc->bottom = ClampCoordinate(static_cast<long long>(rc->top) + height);
        return height;
    }

    int top = rc->top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = ClampCoordinate(rc->top + (static_cast<long long>(rc->bottom) - rc->top - height) / 2);
        else if (format & DT_BOTTOM)
            top = ClampCoordinate(static_cast<long long>(rc->bottom) - height);
    }
    PaintOptions options;
    options.textColor = dc->state.textColor;
    options.opaque = dc->state.bkMode == OPAQUE;
    options.bkColor = dc->state.bkColor;
    options.clip = (format & DT_NOCLIP) ? nullptr : rc;
    options.glyphs = !(format & DT_PREFIXONLY);
    int y = top;
    for (const Line& line : lines) {
        long long x = static_cast<long long>(rc->left) + leftMargin;
        if (format & DT_CENTER)
            x += (static_cast<long long>(limit) - line.width) / 2;
        else if (format & DT_RIGHT)
            x = static_cast<long long>(rc->right) - rightMargin - line.width;
        PaintChars(dc, *font, line.chars.data(), line.chars.size(), ClampCoordinate(x), y, options);
        y = ClampCoordinate(static_cast<long long>(y) + lineHeight);
    }
    if ((format & DT_MODIFYSTRING) && (format & DT_SINGLELINE) && lines.size() == 1 && lines[0].cut)
        ModifyString(const_cast<char*>(text), length, lines[0]);
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)))
        return ClampCoordinate(static_cast<long long>(top) - rc->top + height);
    return height;
}

}  // namespace

VOR_EXTERN_C int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    return DrawTextCore(hdc, lpchText, cchText, lprc, format, nullptr);
}

VOR_EXTERN_C int DrawTextExA(HDC hdc, LPSTR lpchText, int cchText, LPRECT lprc, UINT format,
                             LPDRAWTEXTPARAMS lpdtp) {
    return DrawTextCore(hdc, lpchText, cchText, lprc, format, lpdtp);
}
