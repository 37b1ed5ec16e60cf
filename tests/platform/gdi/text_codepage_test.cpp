// Code pages: the process ANSI code page, lead bytes, conversions both ways
// and stepping through double-byte strings.
#include <gtest/gtest.h>
#include <windows.h>
#include <vorplatform.h>

#include <string>
#include <vector>

namespace {

// "列表" in code page 936.
const char kListGbk[] = "\xC1\xD0\xB1\xED";

class CodePageTest : public ::testing::Test {
protected:
    void SetUp() override { VorPlatformReset(); }
    void TearDown() override { VorPlatformReset(); }
};

std::wstring ToWide(UINT cp, const std::string& s, DWORD flags = 0) {
    int n = MultiByteToWideChar(cp, flags, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    if (n > 0) MultiByteToWideChar(cp, flags, s.data(), static_cast<int>(s.size()), &w[0], n);
    return w;
}

std::string ToBytes(UINT cp, const std::wstring& w, BOOL* usedDefault = nullptr) {
    int n = WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, usedDefault);
    std::string s(static_cast<size_t>(n), '\0');
    if (n > 0) WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr, usedDefault);
    return s;
}

TEST_F(CodePageTest, AnsiCodePageIs936UntilSetAndAfterReset) {
    EXPECT_EQ(936u, GetACP());
    EXPECT_TRUE(VorSetCodePage(1252));
    EXPECT_EQ(1252u, GetACP());
    EXPECT_FALSE(VorSetCodePage(437));
    EXPECT_EQ(1252u, GetACP());
    VorPlatformReset();
    EXPECT_EQ(936u, GetACP());
}

TEST_F(CodePageTest, LeadBytesOf936) {
    struct Case {
        BYTE b;
        BOOL lead;
    } cases[] = {{'A', FALSE}, {0x7F, FALSE}, {0x80, FALSE}, {0x81, TRUE}, {0xC1, TRUE}, {0xFE, TRUE}, {0xFF, FALSE}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.lead, IsDBCSLeadByte(c.b)) << std::hex << int(c.b);
        EXPECT_EQ(c.lead, IsDBCSLeadByteEx(936, c.b)) << std::hex << int(c.b);
        EXPECT_FALSE(IsDBCSLeadByteEx(1252, c.b));
    }
    EXPECT_FALSE(IsDBCSLeadByteEx(12345, 0xC1));
    ASSERT_TRUE(VorSetCodePage(1252));
    EXPECT_FALSE(IsDBCSLeadByte(0xC1));
}

TEST_F(CodePageTest, DecodesGbkThroughTheAnsiCodePage) {
    std::wstring w = ToWide(CP_ACP, kListGbk);
    ASSERT_EQ(2u, w.size());
    EXPECT_EQ(0x5217, static_cast<int>(w[0]));
    EXPECT_EQ(0x8868, static_cast<int>(w[1]));
    // -1 converts the terminating NUL too.
    WCHAR buf[8];
    EXPECT_EQ(3, MultiByteToWideChar(936, 0, kListGbk, -1, buf, 8));
    EXPECT_EQ(0, static_cast<int>(buf[2]));
    // The Euro sign is the single byte 0x80.
    EXPECT_EQ(std::wstring(1, static_cast<wchar_t>(0x20AC)), ToWide(936, "\x80"));
    EXPECT_EQ(std::wstring(1, static_cast<wchar_t>(0x20AC)), ToWide(1252, "\x80"));
}

TEST_F(CodePageTest, RoundTripsInEverySupportedCodePage) {
    struct Case {
        UINT cp;
        std::string bytes;
    } cases[] = {
        {936, std::string("ABC ") + kListGbk + "\x80 xyz"},
        {1252, "caf\xE9 \x80 \xFF\xC0"},
        {CP_UTF8, "\xE5\x88\x97\xE8\xA1\xA8 \xC3\xA9 \xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        std::wstring w = ToWide(c.cp, c.bytes, MB_ERR_INVALID_CHARS);
        ASSERT_FALSE(w.empty()) << c.cp;
        BOOL usedDefault = TRUE;
        EXPECT_EQ(c.bytes, ToBytes(c.cp, w, c.cp == CP_UTF8 ? nullptr : &usedDefault)) << c.cp;
        if (c.cp != CP_UTF8) {
            EXPECT_FALSE(usedDefault) << c.cp;
        }
    }
    // A character 936 has, through UTF-8 and back into 936.
    std::wstring w = ToWide(936, kListGbk);
    EXPECT_EQ(std::string("\xE5\x88\x97\xE8\xA1\xA8"), ToBytes(CP_UTF8, w));
    EXPECT_EQ(std::string(kListGbk), ToBytes(936, ToWide(CP_UTF8, "\xE5\x88\x97\xE8\xA1\xA8")));
}

TEST_F(CodePageTest, InvalidSequencesBecomeOneReplacementEach) {
    struct Case {
        UINT cp;
        std::string bytes;
        std::vector<int> expected;
    } cases[] = {
        {936, "A\xC1", {'A', 0xFFFD}},                 // lead byte at the end
        {936, std::string("\xC1\0B", 3), {0xFFFD, 0, 'B'}},  // lead byte before a NUL
        {936, "\xFF" "A", {0xFFFD, 'A'}},
        {CP_UTF8, "\xE5\x88", {0xFFFD}},               // truncated sequence
        {CP_UTF8, "\xC0\x80", {0xFFFD, 0xFFFD}},       // overlong
        {CP_UTF8, "\xED\xA0\x80", {0xFFFD, 0xFFFD, 0xFFFD}},  // a surrogate
    };
    for (const Case& c : cases) {
        std::wstring w = ToWide(c.cp, c.bytes);
        std::vector<int> got(w.begin(), w.end());
        EXPECT_EQ(c.expected, got) << c.cp;
        SetLastError(0);
        EXPECT_EQ(0, MultiByteToWideChar(c.cp, MB_ERR_INVALID_CHARS, c.bytes.data(),
                                         static_cast<int>(c.bytes.size()), nullptr, 0));
        EXPECT_EQ(static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
    }
}

TEST_F(CodePageTest, UnmappableCharactersTakeTheDefault) {
    const wchar_t w[] = {L'a', static_cast<wchar_t>(0x5217), L'b'};
    char out[8] = {};
    BOOL used = FALSE;
    EXPECT_EQ(3, WideCharToMultiByte(1252, 0, w, 3, out, 8, nullptr, &used));
    EXPECT_EQ(std::string("a?b"), std::string(out, 3));
    EXPECT_TRUE(used);
    EXPECT_EQ(3, WideCharToMultiByte(1252, 0, w, 3, out, 8, "*", &used));
    EXPECT_EQ(std::string("a*b"), std::string(out, 3));
    // UTF-8 takes no default character.
    SetLastError(0);
    EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, w, 3, out, 8, "*", nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(CodePageTest, BuffersAndArgumentsAreChecked) {
    WCHAR wbuf[1];
    SetLastError(0);
    EXPECT_EQ(0, MultiByteToWideChar(936, 0, "abc", 3, wbuf, 1));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    char buf[3];
    const wchar_t w[] = {static_cast<wchar_t>(0x5217), static_cast<wchar_t>(0x8868)};
    EXPECT_EQ(0, WideCharToMultiByte(936, 0, w, 2, buf, 3, nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_EQ(4, WideCharToMultiByte(936, 0, w, 2, nullptr, 0, nullptr, nullptr));

    EXPECT_EQ(0, MultiByteToWideChar(936, 0, nullptr, 3, wbuf, 1));
    EXPECT_EQ(0, MultiByteToWideChar(936, 0, "abc", 0, wbuf, 1));
    EXPECT_EQ(0, MultiByteToWideChar(777, 0, "abc", 3, nullptr, 0));
    EXPECT_EQ(0, WideCharToMultiByte(936, 0, nullptr, 2, buf, 3, nullptr, nullptr));
    EXPECT_EQ(0, WideCharToMultiByte(936, 0, w, -2, buf, 3, nullptr, nullptr));
}

TEST_F(CodePageTest, CharNextAndCharPrevStepByCharacter) {
    const std::string s = std::string("a") + kListGbk + "b";  // a 列 表 b
    const char* p = s.c_str();
    EXPECT_EQ(p + 1, CharNextA(p));
    EXPECT_EQ(p + 3, CharNextA(p + 1));
    EXPECT_EQ(p + 5, CharNextA(p + 3));
    EXPECT_EQ(p + 6, CharNextA(p + 5));
    EXPECT_EQ(p + 6, CharNextA(p + 6));  // stays on the NUL
    EXPECT_EQ(p + 5, CharPrevA(p, p + 6));
    EXPECT_EQ(p + 3, CharPrevA(p, p + 5));
    EXPECT_EQ(p + 1, CharPrevA(p, p + 3));
    EXPECT_EQ(p, CharPrevA(p, p + 1));
    EXPECT_EQ(p, CharPrevA(p, p));
    // A lead byte at the end steps onto the NUL, never past it.
    const char tail[] = "a\xC1";
    EXPECT_EQ(tail + 2, CharNextA(tail + 1));
    EXPECT_EQ(tail + 1, CharPrevA(tail, tail + 2));
    // In 1252 every byte is a character.
    ASSERT_TRUE(VorSetCodePage(1252));
    EXPECT_EQ(p + 2, CharNextA(p + 1));
    EXPECT_EQ(p + 2, CharNextExA(1252, p + 1, 0));
    EXPECT_EQ(p + 3, CharNextExA(936, p + 1, 0));
}

TEST_F(CodePageTest, CodePageInformation) {
    CPINFO info;
    ASSERT_TRUE(GetCPInfo(936, &info));
    EXPECT_EQ(2u, info.MaxCharSize);
    EXPECT_EQ(0x81, info.LeadByte[0]);
    EXPECT_EQ(0xFE, info.LeadByte[1]);
    ASSERT_TRUE(GetCPInfo(1252, &info));
    EXPECT_EQ(1u, info.MaxCharSize);
    EXPECT_EQ(0, info.LeadByte[0]);
    EXPECT_FALSE(GetCPInfo(4321, &info));
    EXPECT_TRUE(IsValidCodePage(CP_UTF8));
    EXPECT_FALSE(IsValidCodePage(4321));
}

}  // namespace
