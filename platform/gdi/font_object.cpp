// Font objects: creation from a LOGFONT, the stock fonts, text metrics and
// the face name.
#include "gdi/font_object.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "gdi/codepage.h"

namespace vor::gdi::text {

namespace {

bool SameName(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

// Fixed-pitch requests draw with the monospaced face, everything else with
// the proportional one.
FontFamily FamilyFor(const LOGFONTA& lf) {
    if ((lf.lfPitchAndFamily & 0x03) == FIXED_PITCH || (lf.lfPitchAndFamily & 0xF0) == FF_MODERN)
        return FontFamily::Mono;
    static const char* const kMonoNames[] = {"Courier", "Courier New", "Fixedsys", "Terminal", "Lucida Console",
                                             "Consolas", "DejaVu Sans Mono", "Monospace", "System Fixed"};
    for (const char* name : kMonoNames)
        if (SameName(lf.lfFaceName, name)) return FontFamily::Mono;
    return FontFamily::Sans;
}

LOGFONTA MakeLogFont(int height, int weight, BYTE charset, BYTE pitchAndFamily, const char* face) {
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = charset;
    lf.lfPitchAndFamily = pitchAndFamily;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

}  // namespace

TextFont::TextFont(const LOGFONTA& lf) : m_lf(lf) {
    m_lf.lfFaceName[LF_FACESIZE - 1] = 0;
    const FontFamily family = FamilyFor(m_lf);
    const bool bold = m_lf.lfWeight >= FW_SEMIBOLD;
    const bool italic = m_lf.lfItalic != 0;
    m_real = Realize(family, PixelsPerEmFor(family, bold, m_lf.lfHeight), bold, italic);
}

int TextFont::GetObjectData(int cb, void* pv) const {
    if (pv == nullptr) return static_cast<int>(sizeof(LOGFONTA));
    if (cb <= 0) return 0;
    int n = std::min(cb, static_cast<int>(sizeof(LOGFONTA)));
    std::memcpy(pv, &m_lf, static_cast<size_t>(n));
    return n;
}

void TextFont::FillTextMetrics(TEXTMETRICA* tm) const {
    const FontMetrics& m = Metrics();
    std::memset(tm, 0, sizeof *tm);
    tm->tmHeight = m.height;
    tm->tmAscent = m.ascent;
    tm->tmDescent = m.descent;
    tm->tmInternalLeading = m.internalLeading;
    tm->tmExternalLeading = m.externalLeading;
    tm->tmAveCharWidth = m.aveCharWidth;
    tm->tmMaxCharWidth = m.maxCharWidth;
    tm->tmWeight = m_real->Bold() ? FW_BOLD : FW_NORMAL;
    tm->tmOverhang = 0;
    tm->tmDigitizedAspectX = 96;
    tm->tmDigitizedAspectY = 96;
    tm->tmFirstChar = 0x20;
    tm->tmLastChar = 0xFF;
    tm->tmDefaultChar = 0x1F;
    tm->tmBreakChar = 0x20;
    tm->tmItalic = m_lf.lfItalic ? 1 : 0;
    tm->tmUnderlined = m_lf.lfUnderline ? 1 : 0;
    tm->tmStruckOut = m_lf.lfStrikeOut ? 1 : 0;
    const bool mono = m_real->Family() == FontFamily::Mono;
    // TMPF_FIXED_PITCH set means variable pitch.
    tm->tmPitchAndFamily = static_cast<BYTE>((mono ? FF_MODERN : FF_SWISS | TMPF_FIXED_PITCH) | TMPF_VECTOR |
                                             TMPF_TRUETYPE);
    BYTE charset = m_lf.lfCharSet;
    if (charset == DEFAULT_CHARSET) charset = AnsiCodePageId() == 936 ? GB2312_CHARSET : ANSI_CHARSET;
    tm->tmCharSet = charset;
}

TextFont* FontOfHandle(HFONT hfont) {
    if (hfont == nullptr) return nullptr;
    return dynamic_cast<TextFont*>(LookupFont(hfont));
}

TextFont* FontOfDC(DeviceContext* dc) {
    if (dc != nullptr) {
        if (TextFont* f = FontOfHandle(dc->state.font)) return f;
    }
    return FontOfHandle(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
}

std::unique_ptr<FontObject> CreateStockFont(int stockObject) {
    const BYTE swiss = VARIABLE_PITCH | FF_SWISS;
    const BYTE modern = FIXED_PITCH | FF_MODERN;
    switch (stockObject) {
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        return std::make_unique<TextFont>(MakeLogFont(16, FW_BOLD, DEFAULT_CHARSET, swiss, "System"));
    case SYSTEM_FIXED_FONT:
        return std::make_unique<TextFont>(MakeLogFont(15, FW_NORMAL, DEFAULT_CHARSET, modern, "Fixedsys"));
    case OEM_FIXED_FONT:
        return std::make_unique<TextFont>(MakeLogFont(12, FW_NORMAL, OEM_CHARSET, modern, "Terminal"));
    case ANSI_FIXED_FONT:
        return std::make_unique<TextFont>(MakeLogFont(13, FW_NORMAL, ANSI_CHARSET, modern, "Courier"));
    case ANSI_VAR_FONT:
        return std::make_unique<TextFont>(MakeLogFont(13, FW_NORMAL, ANSI_CHARSET, swiss, "MS Sans Serif"));
    case DEFAULT_GUI_FONT:
        return std::make_unique<TextFont>(MakeLogFont(-11, FW_NORMAL, DEFAULT_CHARSET, swiss, "MS Shell Dlg"));
    default:
        return nullptr;
    }
}

}  // namespace vor::gdi::text

using vor::gdi::text::TextFont;

VOR_EXTERN_C HFONT CreateFontIndirectA(const LOGFONTA* lplf) {
    if (lplf == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return vor::gdi::RegisterFont(std::make_unique<TextFont>(*lplf));
}

VOR_EXTERN_C HFONT CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight,
                               DWORD bItalic, DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet,
                               DWORD iOutPrecision, DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily,
                               LPCSTR pszFaceName) {
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = bItalic ? 1 : 0;
    lf.lfUnderline = bUnderline ? 1 : 0;
    lf.lfStrikeOut = bStrikeOut ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName) std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

VOR_EXTERN_C BOOL GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
    vor::gdi::DeviceContext* dc = vor::gdi::LookupDC(hdc);
    if (dc == nullptr || lptm == nullptr) {
        SetLastError(dc == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    TextFont* font = vor::gdi::text::FontOfDC(dc);
    if (font == nullptr) return FALSE;
    font->FillTextMetrics(lptm);
    return TRUE;
}

VOR_EXTERN_C int GetTextFaceA(HDC hdc, int c, LPSTR lpName) {
    vor::gdi::DeviceContext* dc = vor::gdi::LookupDC(hdc);
    if (dc == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    TextFont* font = vor::gdi::text::FontOfDC(dc);
    if (font == nullptr) return 0;
    const std::string& name = font->Real().FaceName();
    if (lpName == nullptr) return static_cast<int>(name.size()) + 1;
    if (c <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t n = std::min(name.size(), static_cast<size_t>(c - 1));
    std::memcpy(lpName, name.data(), n);
    lpName[n] = 0;
    return static_cast<int>(n) + 1;
}
