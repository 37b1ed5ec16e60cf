// GDI text output and measuring, and the tabbed-text calls of USER.
#include <algorithm>
#include <climits>
#include <cstring>

#include "gdi/codepage.h"
#include "gdi/text_render.h"

using vor::gdi::DeviceContext;
using vor::gdi::LookupDC;
using namespace vor::gdi::text;

namespace {

// The DC and font of a text call, with the common refusals: a bad DC, a
// null string with characters, a count out of range.
bool Prepare(HDC hdc, LPCSTR s, long long count, DeviceContext** dc, TextFont** font) {
    *dc = LookupDC(hdc);
    if (*dc == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (count < 0 || count > INT_MAX || (s == nullptr && count > 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    *font = FontOfDC(*dc);
    return *font != nullptr;
}

int DefaultTabInterval(TextFont& font) { return 8 * std::max(1, font.Metrics().aveCharWidth); }

}  // namespace

VOR_EXTERN_C BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                              const INT* lpDx) {
    DeviceContext* dc;
    TextFont* font;
    if (!Prepare(hdc, lpString, static_cast<long long>(c), &dc, &font)) return FALSE;
    LaidChars chars;
    Shape(*font, lpString, static_cast<int>(c), chars);
    if (lpDx != nullptr) {
        // One distance a byte (a pair of them with ETO_PDY); a double-byte
        // character moves by the distances of both its bytes.
        const int step = (options & ETO_PDY) ? 2 : 1;
        for (LaidChar& ch : chars) {
            long long advance = 0;
            for (int b = ch.offset; b < ch.offset + ch.length; ++b) advance += lpDx[b * step];
            ch.advance = ClampCoordinate(advance);
        }
    }
    if ((options & ETO_OPAQUE) && lprect != nullptr) {
        RECT fill = NormalizedRect(dc->LogicalToSurface(*lprect));
        FillSurfaceRect(dc, fill, dc->state.bkColor);
    }
    OutputAligned(dc, *font, chars, x, y, (options & ETO_CLIPPED) ? lprect : nullptr);
    return TRUE;
}

VOR_EXTERN_C BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    if (c < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return ExtTextOutA(hdc, x, y, 0, nullptr, lpString, static_cast<UINT>(c), nullptr);
}

VOR_EXTERN_C BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    DeviceContext* dc;
    TextFont* font;
    if (!Prepare(hdc, lpString, c, &dc, &font)) return FALSE;
    if (psizl == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    LaidChars chars;
    Shape(*font, lpString, c, chars);
    psizl->cx = Width(chars);
    psizl->cy = font->Metrics().height;
    return TRUE;
}

VOR_EXTERN_C BOOL GetTextExtentPointA(HDC hdc, LPCSTR lpString, int c, LPSIZE lpsz) {
    return GetTextExtentPoint32A(hdc, lpString, c, lpsz);
}

VOR_EXTERN_C BOOL GetTextExtentExPointA(HDC hdc, LPCSTR lpszString, int cchString, int nMaxExtent, LPINT lpnFit,
                                        LPINT lpnDx, LPSIZE lpSize) {
    DeviceContext* dc;
    TextFont* font;
    if (!Prepare(hdc, lpszString, cchString, &dc, &font)) return FALSE;
    if (lpSize == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    LaidChars chars;
    Shape(*font, lpszString, cchString, chars);
    // Counts and partial extents are per byte: both bytes of a double-byte
    // character get the extent up to its end.
    int extent = 0, fit = 0;
    bool fitting = true;
    for (const LaidChar& ch : chars) {
        extent += ch.advance;
        if (fitting && extent <= nMaxExtent)
            fit = ch.offset + ch.length;
        else
            fitting = false;
        if (lpnDx != nullptr)
            for (int b = ch.offset; b < ch.offset + ch.length; ++b) lpnDx[b] = extent;
    }
    if (lpnFit != nullptr) *lpnFit = fit;
    lpSize->cx = extent;
    lpSize->cy = font->Metrics().height;
    return TRUE;
}

VOR_EXTERN_C BOOL GetCharWidth32A(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer) {
    DeviceContext* dc = LookupDC(hdc);
    if (dc == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (lpBuffer == nullptr || iFirst > iLast || iLast > 0xFFFF) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    TextFont* font = FontOfDC(dc);
    if (font == nullptr) return FALSE;
    const CodePage& cp = CodePage::Ansi();
    for (UINT code = iFirst; code <= iLast; ++code) {
        // Codes above 0xFF are double-byte characters, lead byte high.
        unsigned char bytes[2];
        size_t n = 0;
        if (code > 0xFF) bytes[n++] = static_cast<unsigned char>(code >> 8);
        bytes[n++] = static_cast<unsigned char>(code & 0xFF);
        DecodedChar d = cp.DecodeOne(bytes, n);
        lpBuffer[code - iFirst] = font->Real().Advance(d.code);
    }
    return TRUE;
}

VOR_EXTERN_C BOOL GetCharWidthA(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer) {
    return GetCharWidth32A(hdc, iFirst, iLast, lpBuffer);
}

VOR_EXTERN_C LONG TabbedTextOutA(HDC hdc, int x, int y, LPCSTR lpString, int chCount, int nTabPositions,
                                 const INT* lpnTabStopPositions, int nTabOrigin) {
    DeviceContext* dc;
    TextFont* font;
    if (!Prepare(hdc, lpString, chCount, &dc, &font)) return 0;
    LaidChars chars;
    Shape(*font, lpString, chCount, chars);
    const bool updateCP = (dc->state.textAlign & TA_UPDATECP) != 0;
    const int start = updateCP ? dc->state.curPos.x : x;
    ExpandTabs(chars, TabStops(nTabPositions, lpnTabStopPositions, DefaultTabInterval(*font)),
               ClampCoordinate(static_cast<long long>(start) - nTabOrigin));
    OutputAligned(dc, *font, chars, x, y, nullptr);
    return MAKELONG(Width(chars), font->Metrics().height);
}

VOR_EXTERN_C DWORD GetTabbedTextExtentA(HDC hdc, LPCSTR lpString, int chCount, int nTabPositions,
                                        const INT* lpnTabStopPositions) {
    DeviceContext* dc;
    TextFont* font;
    if (!Prepare(hdc, lpString, chCount, &dc, &font)) return 0;
    LaidChars chars;
    Shape(*font, lpString, chCount, chars);
    ExpandTabs(chars, TabStops(nTabPositions, lpnTabStopPositions, DefaultTabInterval(*font)), 0);
    return static_cast<DWORD>(MAKELONG(Width(chars), font->Metrics().height));
}
