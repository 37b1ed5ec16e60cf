// The two input validators and the choice-string splitter.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "VORFunction.h"

namespace {

struct ValidatorCase {
    const char* text;
    int num;   // expected IsInputNum
    int real;  // expected IsInputReal
};

const ValidatorCase kValidatorCases[] = {
    {"", 1, 1},
    {"+", 1, 1},
    {"-", 1, 1},
    {"0", 1, 1},
    {"-0", 1, 1},
    {"+0", 1, 1},
    {"7", 1, 1},
    {"+12", 1, 1},
    {"-450", 1, 1},
    {"1234567890", 1, 1},
    {"9000000000000000000000", 1, 1},  // no range check, only form
    {"00", 0, 0},
    {"012", 0, 0},
    {"-00", 0, 0},
    {"1.5", 0, 1},
    {"0.", 0, 1},
    {"12.", 0, 1},
    {"12.50", 0, 1},
    {"-0.25", 0, 1},
    {"+0.000", 0, 1},
    {"-7.", 0, 1},
    {".5", 0, 0},
    {"-.5", 0, 0},
    {".", 0, 0},
    {"+.", 0, 0},
    {"00.1", 0, 0},
    {"1.2.3", 0, 0},
    {"1..", 0, 0},
    {"1e5", 0, 0},
    {"1E5", 0, 0},
    {"1,5", 0, 0},
    {"0x1", 0, 0},
    {"--1", 0, 0},
    {"+-1", 0, 0},
    {"1-", 0, 0},
    {"1+", 0, 0},
    {"1.5-", 0, 0},
    {"1.+", 0, 0},
    {" 1", 0, 0},
    {"1 ", 0, 0},
    {"1 2", 0, 0},
    {"\t1", 0, 0},
    {"1\n", 0, 0},
    {"/", 0, 0},  // the bytes either side of the digits
    {":", 0, 0},
    {"1/", 0, 0},
    {"1:", 0, 0},
    {"1.:", 0, 0},
    {"a", 0, 0},
    {"12a", 0, 0},
    {"\x80", 0, 0},
    {"\xff", 0, 0},
    {"1\xb0", 0, 0},
    {"\xb1", 0, 0},  // '1' + 0x80
    {"\xb0", 0, 0},  // '0' + 0x80
    {"\xab", 0, 0},  // '+' + 0x80
    {"\xae", 0, 0},  // '.' + 0x80
    {"1.\xb5", 0, 0},
    {"\xd6\xd0", 0, 0},  // a double-byte character
    {"-\xd6\xd0", 0, 0},
};

class ValidatorTable : public ::testing::TestWithParam<ValidatorCase> {};

TEST_P(ValidatorTable, IsInputNum) {
    const ValidatorCase& c = GetParam();
    EXPECT_EQ(c.num, CVORFunction::IsInputNum(CString(c.text))) << "text \"" << c.text << "\"";
}

TEST_P(ValidatorTable, IsInputReal) {
    const ValidatorCase& c = GetParam();
    EXPECT_EQ(c.real, CVORFunction::IsInputReal(CString(c.text))) << "text \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(Texts, ValidatorTable, ::testing::ValuesIn(kValidatorCases));

// Every text of up to three bytes over an alphabet that holds the signs, the
// point, the digit boundaries and high bytes, against the accepted forms
// written as patterns.
TEST(ValidatorGrammar, AllShortTextsMatchTheAcceptedForms) {
    const std::regex numForm("[+-]?(0|[1-9][0-9]*)?");
    const std::regex realForm("[+-]?((0|[1-9][0-9]*)(\\.[0-9]*)?)?");
    const std::string alphabet = std::string("+-.019/:e ") + "\x80" + "\xb1" + "\xff";

    std::vector<std::string> texts(1, std::string());
    for (size_t start = 0, length = 0; length < 3; length++) {
        const size_t end = texts.size();
        for (size_t i = start; i < end; i++)
            for (char ch : alphabet)
                texts.push_back(texts[i] + ch);
        start = end;
    }
    ASSERT_EQ(1u + 13u + 13u * 13u + 13u * 13u * 13u, texts.size());

    for (const std::string& t : texts) {
        const CString str(t.c_str());
        EXPECT_EQ(std::regex_match(t, numForm) ? 1 : 0, CVORFunction::IsInputNum(str)) << "\"" << t << "\"";
        EXPECT_EQ(std::regex_match(t, realForm) ? 1 : 0, CVORFunction::IsInputReal(str)) << "\"" << t << "\"";
    }
}

TEST(ValidatorGrammar, NoSingleByteOutsideSignsDigitsAndPointIsAccepted) {
    for (int b = 1; b < 256; b++) {
        const char text[2] = {(char)b, 0};
        const bool numeric = (b >= '0' && b <= '9') || b == '+' || b == '-';
        EXPECT_EQ(numeric ? 1 : 0, CVORFunction::IsInputNum(CString(text))) << "byte " << b;
        EXPECT_EQ(numeric ? 1 : 0, CVORFunction::IsInputReal(CString(text))) << "byte " << b;
        // The same byte after a valid prefix of each state.
        const char after[3] = {'5', (char)b, 0};
        const bool digit = b >= '0' && b <= '9';
        EXPECT_EQ(digit ? 1 : 0, CVORFunction::IsInputNum(CString(after))) << "byte " << b;
        EXPECT_EQ(digit || b == '.' ? 1 : 0, CVORFunction::IsInputReal(CString(after))) << "byte " << b;
    }
}

struct SplitCase {
    const char* text;
    std::vector<std::string> pieces;
};

const SplitCase kSplitCases[] = {
    {"", {}},
    {"a", {"a"}},
    {"a\r\nb", {"a", "b"}},
    {"a\r\n", {"a"}},
    {"\r\na", {"", "a"}},
    {"a\r\n\r\nb", {"a", "", "b"}},
    {"\r\n", {""}},
    {"\r\n\r\n", {"", ""}},
    {"one\r\ntwo\r\nthree", {"one", "two", "three"}},
    {"a\r\nb\r\n", {"a", "b"}},
    // A lone carriage return or line feed is ordinary text.
    {"\r", {"\r"}},
    {"\n", {"\n"}},
    {"a\rb", {"a\rb"}},
    {"a\nb", {"a\nb"}},
    {"a\n\rb", {"a\n\rb"}},
    {"a\r\r\nb", {"a\r", "b"}},
    {"a\r\n\nb", {"a", "\nb"}},
    {"a\r\n\r", {"a", "\r"}},
    {" \r\n ", {" ", " "}},  // blank pieces are the combo box's to skip
    {"\xd6\xd0\r\n\xce\xc4", {"\xd6\xd0", "\xce\xc4"}},
};

class SplitTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTable, AppendsThePieces) {
    const SplitCase& c = GetParam();
    CStringArray array;
    CVORFunction::StringToStringArray(CString(c.text), array);
    ASSERT_EQ((int)c.pieces.size(), (int)array.GetSize());
    for (size_t i = 0; i < c.pieces.size(); i++)
        EXPECT_STREQ(c.pieces[i].c_str(), (const char*)array[(int)i]) << "piece " << i;
}

TEST_P(SplitTable, KeepsWhatTheArrayAlreadyHolds) {
    const SplitCase& c = GetParam();
    CStringArray array;
    array.Add(CString("x"));
    array.Add(CString("y"));
    CVORFunction::StringToStringArray(CString(c.text), array);
    ASSERT_EQ(2 + (int)c.pieces.size(), (int)array.GetSize());
    EXPECT_STREQ("x", (const char*)array[0]);
    EXPECT_STREQ("y", (const char*)array[1]);
    for (size_t i = 0; i < c.pieces.size(); i++)
        EXPECT_STREQ(c.pieces[i].c_str(), (const char*)array[2 + (int)i]) << "piece " << i;
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitTable, ::testing::ValuesIn(kSplitCases));

}  // namespace
