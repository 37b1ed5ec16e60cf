// AfxFindResourceHandle: the current resource handle first, then the
// extension libraries newest first, then the framework's own libraries; the
// current resource handle when nobody holds the resource.
#include <gtest/gtest.h>

#include <afxdll_.h>
#include <vorplatform.h>
#include <vorresource.h>

namespace {

// The program's own resources for these tests: raw data that only the
// program has, and a cursor with the id of the VORLib10 module's 118.
const BYTE kAnd[128] = {};
const BYTE kXor[128] = {};
const VOR_CURSOR_IMAGE kImage = {32, 32, 3, 3, kAnd, kXor};
const WORD kImageIds[] = {900};
const VOR_RESOURCE_GROUP kGroup = {kImageIds, 1};
const VOR_RESOURCE kProgramEntries[] = {
    {RT_RCDATA, MAKEINTRESOURCE(7), LANG_NEUTRAL, "program only", 13},
    {RT_CURSOR, MAKEINTRESOURCE(900), LANG_NEUTRAL, &kImage, sizeof kImage},
    {RT_GROUP_CURSOR, MAKEINTRESOURCE(118), LANG_NEUTRAL, &kGroup, sizeof kGroup},
};
const VOR_RESOURCE_TABLE kProgramTable = {kProgramEntries, 3};

const VOR_RESOURCE kOtherEntries[] = {
    {RT_RCDATA, MAKEINTRESOURCE(7), LANG_NEUTRAL, "program only", 13},
};
const VOR_RESOURCE_TABLE kOtherTable = {kOtherEntries, 1};

class ModuleResourceSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        VorPlatformReset();
        m_hProgram = ::GetModuleHandleA(NULL);
        // The program links the library, which is attached at start-up.
        m_hLib = ::GetModuleHandleA("VORLib10");
        ASSERT_NE(m_hLib, nullptr) << "the VORLib10 module is not loaded";
    }
    void TearDown() override
    {
        VorSetModuleResources(m_hProgram, NULL);
        VorPlatformReset();
    }

    HINSTANCE Find(WORD id, LPCSTR type) { return AfxFindResourceHandle(MAKEINTRESOURCE(id), type); }

    HMODULE m_hProgram = NULL;
    HMODULE m_hLib = NULL;
};

TEST_F(ModuleResourceSearch, LibraryResourceFoundInTheChain)
{
    EXPECT_EQ(Find(118, RT_GROUP_CURSOR), m_hLib);
    EXPECT_EQ(Find(120, RT_GROUP_CURSOR), m_hLib);
    EXPECT_EQ(Find(1, RT_VERSION), m_hLib);
}

TEST_F(ModuleResourceSearch, ProgramResourceOfTheSameIdComesFirst)
{
    ASSERT_TRUE(VorSetModuleResources(m_hProgram, &kProgramTable));
    EXPECT_EQ(Find(118, RT_GROUP_CURSOR), m_hProgram);
    EXPECT_EQ(Find(120, RT_GROUP_CURSOR), m_hLib) << "the program has no 120";

    // The cursor loaded from the found module is the program's (hotspot 3, 3).
    HCURSOR hCursor = ::LoadCursorA(Find(118, RT_GROUP_CURSOR), MAKEINTRESOURCE(118));
    ASSERT_NE(hCursor, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hCursor, &info));
    EXPECT_EQ(info.xHotspot, 3u);
    EXPECT_EQ(info.yHotspot, 3u);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);

    ASSERT_TRUE(VorSetModuleResources(m_hProgram, NULL));
    EXPECT_EQ(Find(118, RT_GROUP_CURSOR), m_hLib);
}

TEST_F(ModuleResourceSearch, MissingResourceAnswersTheCurrentResourceHandle)
{
    EXPECT_EQ(Find(4321, RT_GROUP_CURSOR), m_hProgram);
    EXPECT_EQ(Find(118, RT_BITMAP), m_hProgram);
    EXPECT_EQ(AfxFindResourceHandle(NULL, RT_GROUP_CURSOR), m_hProgram);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(118), NULL), m_hProgram);
}

TEST_F(ModuleResourceSearch, CurrentResourceHandleReplacesTheProgram)
{
    ASSERT_TRUE(VorSetModuleResources(m_hProgram, &kProgramTable));
    AfxSetResourceHandle(m_hLib);
    // The library is now searched first ...
    EXPECT_EQ(Find(118, RT_GROUP_CURSOR), m_hLib);
    // ... and the program, no longer current and not chained, not at all.
    EXPECT_EQ(Find(7, RT_RCDATA), m_hLib);
    AfxSetResourceHandle(m_hProgram);
    EXPECT_EQ(Find(7, RT_RCDATA), m_hProgram);
    // A NULL resource handle stands for the program's.
    AfxSetResourceHandle(NULL);
    EXPECT_EQ(Find(118, RT_GROUP_CURSOR), m_hProgram);
}

TEST_F(ModuleResourceSearch, NewerLibrariesFirstAndSystemLibrariesLast)
{
    ASSERT_TRUE(VorSetModuleResources(m_hProgram, &kProgramTable));
    // A current handle of no module: the chain alone decides.
    const HINSTANCE hNowhere = (HINSTANCE)(UINT_PTR)0x7E570005;
    AfxSetResourceHandle(hNowhere);

    // A newer ordinary library holding 118 wins over VORLib10.
    CDynLinkLibrary* pNewer = new CDynLinkLibrary(m_hProgram, m_hProgram);
    EXPECT_EQ(Find(118, RT_GROUP_CURSOR), m_hProgram);
    delete pNewer;

    // A system library is searched after every ordinary one, even when newer.
    AFX_EXTENSION_MODULE record = {};
    ASSERT_TRUE(AfxInitExtensionModule(record, m_hProgram));
    CDynLinkLibrary* pSystem = new CDynLinkLibrary(record, TRUE);
    EXPECT_EQ(Find(118, RT_GROUP_CURSOR), m_hLib);
    EXPECT_EQ(Find(7, RT_RCDATA), m_hProgram) << "only the system library holds it";
    EXPECT_EQ(Find(4321, RT_RCDATA), hNowhere) << "nobody holds it: the current handle";
    AfxTermExtensionModule(record);
    EXPECT_EQ(Find(7, RT_RCDATA), hNowhere);
    (void)pSystem;
}

TEST_F(ModuleResourceSearch, LibraryWithoutResourceHandleIsSkipped)
{
    ASSERT_TRUE(VorSetModuleResources(m_hProgram, &kOtherTable));
    AfxSetResourceHandle(m_hLib);
    CDynLinkLibrary* p = new CDynLinkLibrary(m_hProgram, NULL);
    EXPECT_EQ(Find(7, RT_RCDATA), m_hLib) << "a NULL resource handle is not the program";
    delete p;
}

}  // namespace
