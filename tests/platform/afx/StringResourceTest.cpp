// CString::LoadString and the resource-id forms, from the program's own
// string table.
#include <afx.h>
#include <gtest/gtest.h>
#include <vorplatform.h>
#include <vorresource.h>

#include <string>

namespace {

const std::string& LongText()
{
    static const std::string s_text(700, 'L');
    return s_text;
}

class StringResourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_entries[0] = {RT_STRING, MAKEINTRESOURCE(101), LANG_NEUTRAL, "Hello", 6};
        m_entries[1] = {RT_STRING, MAKEINTRESOURCE(102), LANG_NEUTRAL, "%d cells in %s", 15};
        m_entries[2] = {RT_STRING, MAKEINTRESOURCE(4000), LANG_NEUTRAL, LongText().c_str(),
                        (DWORD)LongText().size() + 1};
        m_table = {m_entries, 3};
        VorPlatformReset();
        ASSERT_TRUE(VorSetModuleResources(::GetModuleHandleA(nullptr), &m_table));
    }
    void TearDown() override
    {
        VorSetModuleResources(::GetModuleHandleA(nullptr), nullptr);
        VorPlatformReset();
    }

    VOR_RESOURCE m_entries[3];
    VOR_RESOURCE_TABLE m_table;
};

TEST_F(StringResourceTest, LoadsByIdAndKeepsTheTextWhenMissing)
{
    CString s("unchanged");
    EXPECT_FALSE(s.LoadString(103));  // same block as 101, no such string
    EXPECT_FALSE(s.LoadString(9999));
    EXPECT_STREQ(s, "unchanged");
    EXPECT_TRUE(s.LoadString(101));
    EXPECT_STREQ(s, "Hello");
    EXPECT_TRUE(s.LoadString(4000));  // longer than the first buffer
    EXPECT_EQ(std::string((LPCTSTR)s), LongText());
}

TEST_F(StringResourceTest, ResourceIdConstructionAndFormat)
{
    CString s(MAKEINTRESOURCE(101));
    EXPECT_STREQ(s, "Hello");
    CString missing(MAKEINTRESOURCE(555));
    EXPECT_TRUE(missing.IsEmpty());
    CString f;
    f.Format(102, 3, "row 1");
    EXPECT_STREQ(f, "3 cells in row 1");
}

}  // namespace
