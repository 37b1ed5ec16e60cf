// Code pages and the NLS conversion calls. The tables of 936 and 1252 are
// built once from glibc's iconv converters, so the mapping is the system's,
// and then used directly: drawing decodes every string it measures.
#include "codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "winbase.h"
#include "winuser_text.h"
#include "user/user_internal.h"

namespace vor::gdi::text {

namespace {

UINT g_ansiCodePage = 936;

// Converts one short byte sequence with iconv; 0 when it is not a character.
char32_t IconvOne(iconv_t cd, const unsigned char* bytes, size_t n) {
    char in[4];
    std::memcpy(in, bytes, n);
    char* ip = in;
    size_t il = n;
    wchar_t out[4] = {};
    char* op = reinterpret_cast<char*>(out);
    size_t ol = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    size_t r = iconv(cd, &ip, &il, &op, &ol);
    if (r == static_cast<size_t>(-1) || il != 0 || op != reinterpret_cast<char*>(out + 1)) return 0;
    return static_cast<char32_t>(out[0]);
}

bool IsUtf8Continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

}  // namespace

CodePage::CodePage(UINT id, Kind kind) : m_id(id), m_kind(kind) { BuildTables(); }

const CodePage* CodePage::Find(UINT codePage) {
    if (codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP) codePage = g_ansiCodePage;
    static const std::unique_ptr<CodePage> gbk(new CodePage(936, Kind::DoubleByte));
    static const std::unique_ptr<CodePage> western(new CodePage(1252, Kind::SingleByte));
    static const std::unique_ptr<CodePage> utf8(new CodePage(CP_UTF8, Kind::Utf8));
    switch (codePage) {
    case 936: return gbk.get();
    case 1252: return western.get();
    case CP_UTF8: return utf8.get();
    default: return nullptr;
    }
}

const CodePage& CodePage::Ansi() { return *Find(g_ansiCodePage); }

void CodePage::BuildTables() {
    for (int b = 0; b < 0x80; ++b) m_single[b] = static_cast<char32_t>(b);
    if (m_kind == Kind::Utf8) return;
    iconv_t cd = iconv_open("WCHAR_T", m_kind == Kind::DoubleByte ? "CP936" : "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) return;  // only ASCII then
    for (int b = 0x80; b < 0x100; ++b) {
        if (m_kind == Kind::DoubleByte && IsLeadByte(static_cast<unsigned char>(b))) continue;
        unsigned char byte = static_cast<unsigned char>(b);
        m_single[b] = IconvOne(cd, &byte, 1);
        // The five holes of 1252 stand for the C1 control of the same value.
        if (m_kind == Kind::SingleByte && m_single[b] == 0) m_single[b] = static_cast<char32_t>(b);
    }
    // Single bytes first: a character with both forms encodes as one byte.
    for (int b = 0x80; b < 0x100; ++b) {
        if (m_single[b] != 0 && m_encode.find(m_single[b]) == m_encode.end())
            m_encode.emplace(m_single[b], static_cast<uint16_t>(b));
    }
    if (m_kind == Kind::DoubleByte) {
        m_double.assign(0x80 * 256, 0);
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F) continue;
                unsigned char pair[2] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
                char32_t ch = IconvOne(cd, pair, 2);
                m_double[(lead - 0x80) * 256 + trail] = ch;
                if (ch != 0 && m_encode.find(ch) == m_encode.end())
                    m_encode.emplace(ch, static_cast<uint16_t>(lead << 8 | trail));
            }
        }
    }
    iconv_close(cd);
}

UINT CodePage::MaxCharSize() const {
    switch (m_kind) {
    case Kind::DoubleByte: return 2;
    case Kind::SingleByte: return 1;
    case Kind::Utf8: return 4;
    }
    return 1;
}

bool CodePage::IsLeadByte(unsigned char b) const { return m_kind == Kind::DoubleByte && b >= 0x81 && b <= 0xFE; }

DecodedChar CodePage::DecodeOne(const unsigned char* s, size_t n) const {
    const unsigned char b = s[0];
    if (b < 0x80) return {b, 0, 1, true};
    switch (m_kind) {
    case Kind::SingleByte:
        return {m_single[b], 0, 1, true};
    case Kind::DoubleByte: {
        if (!IsLeadByte(b)) {
            if (m_single[b] != 0) return {m_single[b], 0, 1, true};
            return {kReplacementChar, 0, 1, false};
        }
        // A lead byte takes the next byte with it, as CharNextA steps, unless
        // the string ends (or a NUL follows): then it stands alone.
        if (n < 2 || s[1] == 0) return {kReplacementChar, 0, 1, false};
        char32_t ch = m_double[(b - 0x80) * 256 + s[1]];
        if (ch == 0) return {kReplacementChar, 0, 2, false};
        return {ch, 0, 2, true};
    }
    case Kind::Utf8: {
        int need;
        char32_t ch;
        unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            need = 1;
            ch = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            need = 2;
            ch = b & 0x0F;
            if (b == 0xE0) lo = 0xA0;
            if (b == 0xED) hi = 0x9F;  // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            need = 3;
            ch = b & 0x07;
            if (b == 0xF0) lo = 0x90;
            if (b == 0xF4) hi = 0x8F;
        } else {
            return {kReplacementChar, 0, 1, false};
        }
        int i = 1;
        for (; i <= need; ++i) {
            if (static_cast<size_t>(i) >= n) break;
            unsigned char c = s[i];
            if (i == 1 ? (c < lo || c > hi) : !IsUtf8Continuation(c)) break;
            ch = ch << 6 | (c & 0x3F);
        }
        // An incomplete sequence is one replacement, however many of its
        // bytes were there.
        if (i <= need) return {kReplacementChar, 0, i, false};
        return {ch, 0, need + 1, true};
    }
    }
    return {kReplacementChar, 0, 1, false};
}

void CodePage::Decode(const char* s, int n, std::vector<DecodedChar>& out) const {
    out.clear();
    if (s == nullptr) return;
    size_t len = n < 0 ? std::strlen(s) : static_cast<size_t>(n);
    const unsigned char* p = reinterpret_cast<const unsigned char*>(s);
    size_t i = 0;
    while (i < len) {
        DecodedChar c = DecodeOne(p + i, len - i);
        c.offset = static_cast<int>(i);
        out.push_back(c);
        i += static_cast<size_t>(c.length);
    }
}

int CodePage::EncodeOne(char32_t ch, unsigned char out[4]) const {
    if (ch < 0x80) {
        out[0] = static_cast<unsigned char>(ch);
        return 1;
    }
    if (m_kind == Kind::Utf8) {
        if ((ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) return 0;
        if (ch < 0x800) {
            out[0] = static_cast<unsigned char>(0xC0 | ch >> 6);
            out[1] = static_cast<unsigned char>(0x80 | (ch & 0x3F));
            return 2;
        }
        if (ch < 0x10000) {
            out[0] = static_cast<unsigned char>(0xE0 | ch >> 12);
            out[1] = static_cast<unsigned char>(0x80 | (ch >> 6 & 0x3F));
            out[2] = static_cast<unsigned char>(0x80 | (ch & 0x3F));
            return 3;
        }
        out[0] = static_cast<unsigned char>(0xF0 | ch >> 18);
        out[1] = static_cast<unsigned char>(0x80 | (ch >> 12 & 0x3F));
        out[2] = static_cast<unsigned char>(0x80 | (ch >> 6 & 0x3F));
        out[3] = static_cast<unsigned char>(0x80 | (ch & 0x3F));
        return 4;
    }
    auto it = m_encode.find(ch);
    if (it == m_encode.end()) return 0;
    if (it->second > 0xFF) {
        out[0] = static_cast<unsigned char>(it->second >> 8);
        out[1] = static_cast<unsigned char>(it->second & 0xFF);
        return 2;
    }
    out[0] = static_cast<unsigned char>(it->second);
    return 1;
}

UINT AnsiCodePageId() { return g_ansiCodePage; }

bool SetAnsiCodePage(UINT codePage) {
    if (codePage != 936 && codePage != 1252 && codePage != CP_UTF8) return false;
    // A reset brings back the code page of a freshly started process.
    static bool hooked = false;
    if (!hooked) {
        hooked = true;
        vor::user::AddResetHook(&ResetCodePage);
    }
    g_ansiCodePage = codePage;
    return true;
}

void ResetCodePage() { g_ansiCodePage = 936; }

}  // namespace vor::gdi::text

using vor::gdi::text::CodePage;
using vor::gdi::text::DecodedChar;

VOR_EXTERN_C UINT GetACP(void) { return vor::gdi::text::AnsiCodePageId(); }

// The OEM code page of a Chinese system is the ANSI one.
VOR_EXTERN_C UINT GetOEMCP(void) { return vor::gdi::text::AnsiCodePageId(); }

VOR_EXTERN_C BOOL IsValidCodePage(UINT CodePage) {
    if (CodePage == CP_ACP || CodePage == CP_OEMCP || CodePage == CP_THREAD_ACP) return FALSE;
    return CodePage::Find(CodePage) != nullptr;
}

VOR_EXTERN_C BOOL GetCPInfo(UINT codePage, LPCPINFO lpCPInfo) {
    const CodePage* cp = CodePage::Find(codePage);
    if (cp == nullptr || lpCPInfo == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::memset(lpCPInfo, 0, sizeof *lpCPInfo);
    lpCPInfo->MaxCharSize = cp->MaxCharSize();
    lpCPInfo->DefaultChar[0] = '?';
    if (cp->MaxCharSize() == 2) {
        lpCPInfo->LeadByte[0] = 0x81;
        lpCPInfo->LeadByte[1] = 0xFE;
    }
    return TRUE;
}

VOR_EXTERN_C BOOL IsDBCSLeadByteEx(UINT codePage, BYTE TestChar) {
    const CodePage* cp = CodePage::Find(codePage);
    if (cp == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return cp->IsLeadByte(TestChar) ? TRUE : FALSE;
}

VOR_EXTERN_C BOOL IsDBCSLeadByte(BYTE TestChar) { return CodePage::Ansi().IsLeadByte(TestChar) ? TRUE : FALSE; }

VOR_EXTERN_C int MultiByteToWideChar(UINT codePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                                     LPWSTR lpWideCharStr, int cchWideChar) {
    const CodePage* cp = CodePage::Find(codePage);
    if (cp == nullptr || lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 ||
        (cchWideChar > 0 && lpWideCharStr == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (dwFlags & ~static_cast<DWORD>(MB_PRECOMPOSED | MB_COMPOSITE | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS)) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    // -1 converts the terminating NUL too.
    int len = cbMultiByte < 0 ? static_cast<int>(std::strlen(lpMultiByteStr)) + 1 : cbMultiByte;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(lpMultiByteStr);
    int count = 0;
    for (int i = 0; i < len;) {
        DecodedChar c = cp->DecodeOne(p + i, static_cast<size_t>(len - i));
        if (!c.valid && (dwFlags & MB_ERR_INVALID_CHARS)) {
            SetLastError(ERROR_NO_UNICODE_TRANSLATION);
            return 0;
        }
        if (cchWideChar > 0) {
            if (count >= cchWideChar) {
                SetLastError(ERROR_INSUFFICIENT_BUFFER);
                return 0;
            }
            lpWideCharStr[count] = static_cast<WCHAR>(c.code);
        }
        ++count;
        i += c.length;
    }
    return count;
}

VOR_EXTERN_C int WideCharToMultiByte(UINT codePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                                     LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                                     LPBOOL lpUsedDefaultChar) {
    const CodePage* cp = CodePage::Find(codePage);
    if (cp == nullptr || lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
        (cbMultiByte > 0 && lpMultiByteStr == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const bool utf8 = cp->Id() == CP_UTF8;
    // UTF-8 has every character, so it takes no default character.
    if (utf8 && (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (dwFlags & ~static_cast<DWORD>(WC_DISCARDNS | WC_SEPCHARS | WC_DEFAULTCHAR | WC_ERR_INVALID_CHARS |
                                      WC_COMPOSITECHECK | WC_NO_BEST_FIT_CHARS)) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    if (lpUsedDefaultChar) *lpUsedDefaultChar = FALSE;
    unsigned char defaultBytes[4] = {'?'};
    int defaultLen = 1;
    if (lpDefaultChar != nullptr) {
        // The caller's default character is one character of the code page.
        DecodedChar d = cp->DecodeOne(reinterpret_cast<const unsigned char*>(lpDefaultChar),
                                      lpDefaultChar[0] == 0 ? 1 : std::strlen(lpDefaultChar));
        defaultLen = d.length;
        std::memcpy(defaultBytes, lpDefaultChar, static_cast<size_t>(defaultLen));
    }
    int len = cchWideChar;
    if (len < 0) {
        len = 0;
        while (lpWideCharStr[len] != 0) ++len;
        ++len;
    }
    int count = 0;
    for (int i = 0; i < len; ++i) {
        unsigned char bytes[4];
        int n = cp->EncodeOne(static_cast<char32_t>(lpWideCharStr[i]), bytes);
        if (n == 0) {
            if (utf8 || (dwFlags & WC_ERR_INVALID_CHARS)) {
                if (dwFlags & WC_ERR_INVALID_CHARS) {
                    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
                    return 0;
                }
                n = cp->EncodeOne(vor::gdi::text::kReplacementChar, bytes);
            } else {
                std::memcpy(bytes, defaultBytes, static_cast<size_t>(defaultLen));
                n = defaultLen;
                if (lpUsedDefaultChar) *lpUsedDefaultChar = TRUE;
            }
        }
        if (cbMultiByte > 0) {
            if (count + n > cbMultiByte) {
                SetLastError(ERROR_INSUFFICIENT_BUFFER);
                return 0;
            }
            std::memcpy(lpMultiByteStr + count, bytes, static_cast<size_t>(n));
        }
        count += n;
    }
    return count;
}

VOR_EXTERN_C BOOL VorSetCodePage(UINT codePage) { return vor::gdi::text::SetAnsiCodePage(codePage) ? TRUE : FALSE; }

// ---- character stepping (USER32) -------------------------------------------

namespace {

// The length of the character at p in a NUL-terminated string.
size_t CharLengthAt(const CodePage& cp, const char* p) {
    const unsigned char* s = reinterpret_cast<const unsigned char*>(p);
    size_t avail = 1;
    while (avail < cp.MaxCharSize() && s[avail - 1] != 0 && s[avail] != 0) ++avail;
    return static_cast<size_t>(cp.DecodeOne(s, avail).length);
}

LPSTR Next(const CodePage& cp, LPCSTR p) {
    if (p == nullptr) return nullptr;
    if (*p == 0) return const_cast<LPSTR>(p);
    return const_cast<LPSTR>(p + CharLengthAt(cp, p));
}

// Steps from the start, so that a trail byte is never taken for a character.
LPSTR Prev(const CodePage& cp, LPCSTR start, LPCSTR current) {
    if (start == nullptr || current == nullptr) return const_cast<LPSTR>(current);
    if (current <= start) return const_cast<LPSTR>(start);
    const char* p = start;
    while (*p != 0) {
        const char* n = p + CharLengthAt(cp, p);
        if (n >= current) break;
        p = n;
    }
    return const_cast<LPSTR>(p);
}

}  // namespace

VOR_EXTERN_C LPSTR CharNextA(LPCSTR lpsz) { return Next(CodePage::Ansi(), lpsz); }

VOR_EXTERN_C LPSTR CharPrevA(LPCSTR lpszStart, LPCSTR lpszCurrent) {
    return Prev(CodePage::Ansi(), lpszStart, lpszCurrent);
}

VOR_EXTERN_C LPSTR CharNextExA(WORD codePage, LPCSTR lpCurrentChar, DWORD dwFlags) {
    const CodePage* cp = CodePage::Find(codePage);
    if (cp == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return const_cast<LPSTR>(lpCurrentChar);
    }
    return Next(*cp, lpCurrentChar);
}

VOR_EXTERN_C LPSTR CharPrevExA(WORD codePage, LPCSTR lpStart, LPCSTR lpCurrentChar, DWORD dwFlags) {
    const CodePage* cp = CodePage::Find(codePage);
    if (cp == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return const_cast<LPSTR>(lpCurrentChar);
    }
    return Prev(*cp, lpStart, lpCurrentChar);
}

namespace {

// Converts the letters A to Z of up to n bytes (to the end of the string
// when n < 0), stepping over double-byte characters; answers the bytes seen.
DWORD ConvertCase(LPSTR s, long n, bool upper) {
    const CodePage& cp = CodePage::Ansi();
    long i = 0;
    while ((n < 0 ? s[i] != 0 : i < n)) {
        const long step = static_cast<long>(CharLengthAt(cp, s + i));
        if (step == 1) {
            const char c = s[i];
            if (upper && c >= 'a' && c <= 'z') s[i] = static_cast<char>(c - 'a' + 'A');
            if (!upper && c >= 'A' && c <= 'Z') s[i] = static_cast<char>(c - 'A' + 'a');
        }
        i += step > 0 ? step : 1;
    }
    return static_cast<DWORD>(n < 0 ? i : std::min(i, n));
}

LPSTR CaseOfStringOrChar(LPSTR lpsz, bool upper) {
    const auto value = reinterpret_cast<uintptr_t>(lpsz);
    if (value <= 0xFFFF) {  // a character, not a string
        char c = static_cast<char>(value & 0xFF);
        if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return reinterpret_cast<LPSTR>(static_cast<uintptr_t>(static_cast<unsigned char>(c)));
    }
    ConvertCase(lpsz, -1, upper);
    return lpsz;
}

}  // namespace

VOR_EXTERN_C LPSTR CharUpperA(LPSTR lpsz) { return CaseOfStringOrChar(lpsz, true); }

VOR_EXTERN_C LPSTR CharLowerA(LPSTR lpsz) { return CaseOfStringOrChar(lpsz, false); }

VOR_EXTERN_C DWORD CharUpperBuffA(LPSTR lpsz, DWORD cchLength) {
    return lpsz ? ConvertCase(lpsz, static_cast<long>(cchLength), true) : 0;
}

VOR_EXTERN_C DWORD CharLowerBuffA(LPSTR lpsz, DWORD cchLength) {
    return lpsz ? ConvertCase(lpsz, static_cast<long>(cchLength), false) : 0;
}

VOR_EXTERN_C BOOL IsCharAlphaA(CHAR ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }

VOR_EXTERN_C BOOL IsCharAlphaNumericA(CHAR ch) { return IsCharAlphaA(ch) || (ch >= '0' && ch <= '9'); }

VOR_EXTERN_C BOOL IsCharUpperA(CHAR ch) { return ch >= 'A' && ch <= 'Z'; }

VOR_EXTERN_C BOOL IsCharLowerA(CHAR ch) { return ch >= 'a' && ch <= 'z'; }
