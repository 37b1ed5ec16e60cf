// The code pages that 8-bit text can be in: 936 (GBK, double-byte),
// 1252 (Western, single-byte) and UTF-8. Decoding never fails: a byte
// sequence that is not a character becomes one replacement character
// (U+FFFD) and decoding carries on after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "winnls.h"

namespace vor::gdi::text {

constexpr char32_t kReplacementChar = 0xFFFD;

struct DecodedChar {
    char32_t code;  // kReplacementChar for an invalid sequence
    int offset;     // byte offset of the character in the string
    int length;     // bytes it takes (1 or more, never 0)
    bool valid;
};

class CodePage {
public:
    // CP_ACP, CP_OEMCP and CP_THREAD_ACP mean the process ANSI code page.
    // Answers null for a code page that is not supported.
    static const CodePage* Find(UINT codePage);
    static const CodePage& Ansi();

    UINT Id() const { return m_id; }
    UINT MaxCharSize() const;
    bool IsLeadByte(unsigned char b) const;

    // Decodes the character at s, of which n >= 1 bytes are available.
    DecodedChar DecodeOne(const unsigned char* s, size_t n) const;
    // Decodes a whole string; n bytes, or up to the NUL when n < 0.
    void Decode(const char* s, int n, std::vector<DecodedChar>& out) const;
    // Writes the bytes of ch (at most 4); answers how many, 0 when the code
    // page has no such character.
    int EncodeOne(char32_t ch, unsigned char out[4]) const;

private:
    enum class Kind { DoubleByte, SingleByte, Utf8 };
    CodePage(UINT id, Kind kind);
    void BuildTables();

    UINT m_id;
    Kind m_kind;
    // DoubleByte: m_single for bytes 0..255 (0 = not a character on its own),
    // m_double[(lead - 0x80) * 256 + trail] (0 = no character).
    char32_t m_single[256] = {};
    std::vector<char32_t> m_double;
    std::unordered_map<char32_t, uint16_t> m_encode;
};

// The process ANSI code page.
UINT AnsiCodePageId();
bool SetAnsiCodePage(UINT codePage);
void ResetCodePage();

}  // namespace vor::gdi::text
