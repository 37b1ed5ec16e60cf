// The resources of the VORLib10 module: the two splitter cursors and the
// version record.
#include <gtest/gtest.h>

#include <afxdll_.h>
#include <afxwin.h>
#include <vorplatform.h>
#include <vorresource.h>

#include "VORLib10Res.h"

#include <string>
#include <vector>

extern "C" const VOR_RESOURCE_TABLE* VorModuleResources(void);

namespace {

const WORD kLangChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

enum Pixel { kTransparent, kBlack, kWhite };

struct PixelCheck {
    int x, y;
    Pixel expected;
    const char* what;
};

struct CursorCase {
    WORD id;
    const char* name;
    std::vector<PixelCheck> pixels;
};

// The drawings: 118 has its bar lines on rows 14 and 18 and arrows pointing
// up and down; 120 is the same turned a quarter.
const CursorCase kCursors[] = {
    {IDC_VOR_SPLIT_UPDOWN,
     "118 up-down",
     {
         {3, 14, kBlack, "left end of the upper bar line"},
         {29, 14, kBlack, "right end of the upper bar line"},
         {16, 18, kBlack, "middle of the lower bar line"},
         {8, 16, kWhite, "gap between the bar lines"},
         {16, 13, kBlack, "the shaft meets the bar"},
         {16, 4, kBlack, "tip of the up arrow"},
         {16, 3, kWhite, "outline above the up tip"},
         {11, 9, kBlack, "left corner of the up arrow head"},
         {16, 28, kBlack, "tip of the down arrow"},
         {16, 29, kWhite, "outline below the down tip"},
         {1, 14, kTransparent, "beyond the bar's left end"},
         {16, 1, kTransparent, "above the up arrow"},
         {0, 0, kTransparent, "corner"},
         {31, 31, kTransparent, "corner"},
         {14, 16, kWhite, "hotspot region inside the bar"},
     }},
    {IDC_VOR_SPLIT_LEFTRIGHT,
     "120 left-right",
     {
         {14, 3, kBlack, "top end of the left bar line"},
         {14, 29, kBlack, "bottom end of the left bar line"},
         {18, 16, kBlack, "middle of the right bar line"},
         {16, 8, kWhite, "gap between the bar lines"},
         {13, 16, kBlack, "the shaft meets the bar"},
         {4, 16, kBlack, "tip of the left arrow"},
         {3, 16, kWhite, "outline left of the left tip"},
         {9, 11, kBlack, "top corner of the left arrow head"},
         {28, 16, kBlack, "tip of the right arrow"},
         {29, 16, kWhite, "outline right of the right tip"},
         {14, 1, kTransparent, "beyond the bar's top end"},
         {1, 16, kTransparent, "left of the left arrow"},
         {0, 0, kTransparent, "corner"},
         {31, 31, kTransparent, "corner"},
         {16, 14, kWhite, "hotspot region inside the bar"},
     }},
};

class ModuleResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        VorPlatformReset();
        m_hLib = ::GetModuleHandleA("VORLib10");
        ASSERT_NE(m_hLib, nullptr) << "the VORLib10 module is not loaded";
    }
    void TearDown() override { VorPlatformReset(); }

    HMODULE m_hLib = NULL;
};

TEST_F(ModuleResources, TableIsExportedAndInTheModulesLanguage)
{
    const VOR_RESOURCE_TABLE* pTable = VorModuleResources();
    ASSERT_NE(pTable, nullptr);
    ASSERT_GT(pTable->count, 0u);
    for (DWORD i = 0; i < pTable->count; ++i)
        EXPECT_EQ(pTable->entries[i].language, kLangChinesePrc) << "entry " << i;
    EXPECT_NE(::FindResourceExA(m_hLib, RT_GROUP_CURSOR, MAKEINTRESOURCE(118), kLangChinesePrc), nullptr);
    EXPECT_NE(::FindResourceExA(m_hLib, RT_GROUP_CURSOR, MAKEINTRESOURCE(120), kLangChinesePrc), nullptr);
    EXPECT_NE(::FindResourceExA(m_hLib, RT_VERSION, MAKEINTRESOURCE(1), kLangChinesePrc), nullptr);
}

TEST_F(ModuleResources, CursorsAreFoundThroughTheResourceSearch)
{
    for (const CursorCase& c : kCursors) {
        SCOPED_TRACE(c.name);
        HINSTANCE h = AfxFindResourceHandle(MAKEINTRESOURCE(c.id), RT_GROUP_CURSOR);
        EXPECT_EQ(h, m_hLib);
        HCURSOR hCursor = ::LoadCursorA(h, MAKEINTRESOURCE(c.id));
        ASSERT_NE(hCursor, nullptr);
        EXPECT_EQ(::LoadCursorA(h, MAKEINTRESOURCE(c.id)), hCursor) << "a resource cursor is shared";
        HANDLE hImage = ::LoadImageA(h, MAKEINTRESOURCE(c.id), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED);
        EXPECT_NE(hImage, nullptr);
    }
    EXPECT_NE(::LoadCursorA(m_hLib, MAKEINTRESOURCE(IDC_VOR_SPLIT_UPDOWN)),
              ::LoadCursorA(m_hLib, MAKEINTRESOURCE(IDC_VOR_SPLIT_LEFTRIGHT)));
}

// Reads the mask bitmap of a cursor: a monochrome cursor's mask is the AND
// mask over the XOR mask, twice the cursor's height.
Pixel MaskPixel(HDC hdc, int x, int y)
{
    const bool bAnd = ::GetPixel(hdc, x, y) != RGB(0, 0, 0);
    const bool bXor = ::GetPixel(hdc, x, y + 32) != RGB(0, 0, 0);
    if (bAnd && !bXor)
        return kTransparent;
    if (!bAnd)
        return bXor ? kWhite : kBlack;
    return kTransparent;  // inverted: not drawn by these cursors
}

TEST_F(ModuleResources, CursorsAre32By32MonochromeWithTheHotspotInTheMiddle)
{
    for (const CursorCase& c : kCursors) {
        SCOPED_TRACE(c.name);
        HCURSOR hCursor = ::LoadCursorA(m_hLib, MAKEINTRESOURCE(c.id));
        ASSERT_NE(hCursor, nullptr);
        ICONINFO info = {};
        ASSERT_TRUE(::GetIconInfo(hCursor, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, 16u);
        EXPECT_EQ(info.yHotspot, 16u);
        EXPECT_EQ(info.hbmColor, nullptr) << "monochrome";
        BITMAP bm = {};
        ASSERT_EQ(::GetObjectA(info.hbmMask, sizeof bm, &bm), (int)sizeof bm);
        EXPECT_EQ(bm.bmWidth, 32);
        EXPECT_EQ(bm.bmHeight, 64);
        EXPECT_EQ(bm.bmBitsPixel, 1);

        HDC hdc = ::CreateCompatibleDC(NULL);
        HGDIOBJ hOld = ::SelectObject(hdc, info.hbmMask);
        for (const PixelCheck& p : c.pixels)
            EXPECT_EQ(MaskPixel(hdc, p.x, p.y), p.expected) << p.what << " at (" << p.x << ", " << p.y << ")";
        ::SelectObject(hdc, hOld);
        ::DeleteDC(hdc);
        ::DeleteObject(info.hbmMask);
        if (info.hbmColor)
            ::DeleteObject(info.hbmColor);
    }
}

TEST_F(ModuleResources, CursorsDrawTheirShapeOverTheScreen)
{
    const COLORREF kBackground = RGB(0, 128, 0);
    for (const CursorCase& c : kCursors) {
        SCOPED_TRACE(c.name);
        HCURSOR hCursor = ::LoadCursorA(m_hLib, MAKEINTRESOURCE(c.id));
        ASSERT_NE(hCursor, nullptr);
        HDC hdc = ::GetDC(NULL);
        RECT rc = {100, 100, 132, 132};
        HBRUSH hbr = ::CreateSolidBrush(kBackground);
        ::FillRect(hdc, &rc, hbr);
        ::DeleteObject(hbr);
        ASSERT_TRUE(::DrawIcon(hdc, 100, 100, hCursor));
        for (const PixelCheck& p : c.pixels) {
            const COLORREF want = p.expected == kBlack   ? RGB(0, 0, 0)
                                  : p.expected == kWhite ? RGB(255, 255, 255)
                                                         : kBackground;
            EXPECT_EQ(::GetPixel(hdc, 100 + p.x, 100 + p.y), want) << p.what << " at (" << p.x << ", " << p.y << ")";
        }
        ::ReleaseDC(NULL, hdc);
    }
}

TEST_F(ModuleResources, LoadingCursorsLeaksNoObjects)
{
    const int nBefore = VorGdiObjectCount(VOR_GDI_ALL);
    for (int i = 0; i < 5; ++i) {
        ::LoadCursorA(m_hLib, MAKEINTRESOURCE(IDC_VOR_SPLIT_UPDOWN));
        ::LoadCursorA(m_hLib, MAKEINTRESOURCE(IDC_VOR_SPLIT_LEFTRIGHT));
    }
    // Two shared cursors at most, however often they are loaded.
    EXPECT_LE(VorGdiObjectCount(VOR_GDI_ALL), nBefore + 2);
}

TEST_F(ModuleResources, ApplicationLoadsTheSplitterCursorsFromTheLibrary)
{
    // What the splitters do on WM_SETCURSOR.
    CWinApp app("module test");
    ASSERT_EQ(AfxGetApp(), &app);
    for (const CursorCase& c : kCursors) {
        SCOPED_TRACE(c.name);
        HCURSOR hCursor = AfxGetApp()->LoadCursor(c.id);
        ASSERT_NE(hCursor, nullptr);
        EXPECT_EQ(hCursor, ::LoadCursorA(m_hLib, MAKEINTRESOURCE(c.id)));
        ::SetCursor(hCursor);
        EXPECT_EQ(::GetCursor(), hCursor);
    }
}

TEST_F(ModuleResources, VersionRecord)
{
    HRSRC hRes = ::FindResourceA(m_hLib, MAKEINTRESOURCE(VS_VERSION_INFO), RT_VERSION);
    ASSERT_NE(hRes, nullptr);
    EXPECT_EQ(::SizeofResource(m_hLib, hRes), sizeof(VOR_VERSION_INFO));
    const auto* pInfo = static_cast<const VOR_VERSION_INFO*>(::LockResource(::LoadResource(m_hLib, hRes)));
    ASSERT_NE(pInfo, nullptr);
    EXPECT_EQ(pInfo->fixed.dwSignature, (DWORD)VS_FFI_SIGNATURE);
    EXPECT_EQ(pInfo->fixed.dwStrucVersion, (DWORD)VS_FFI_STRUCVERSION);
    // 1.0.0.2 and 2.0.1.2, as major.minor in the high and build.revision in
    // the low double word.
    EXPECT_EQ(pInfo->fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(pInfo->fixed.dwFileVersionLS, 0x00000002u);
    EXPECT_EQ(pInfo->fixed.dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(pInfo->fixed.dwProductVersionLS, 0x00010002u);
    EXPECT_EQ(pInfo->fixed.dwFileType, (DWORD)VFT_DLL);
    ASSERT_NE(VorVersionString(pInfo, "FileVersion"), nullptr);
    EXPECT_STREQ(VorVersionString(pInfo, "FileVersion"), "1.0.0.2");
    ASSERT_NE(VorVersionString(pInfo, "ProductVersion"), nullptr);
    EXPECT_STREQ(VorVersionString(pInfo, "ProductVersion"), "2.0.1.2");
    EXPECT_STREQ(VorVersionString(pInfo, "ProductName"), "VORLib10");
}

TEST_F(ModuleResources, ProgramCursorOfTheSameIdTakesPrecedence)
{
    static const BYTE kAnd[128] = {};
    static const BYTE kXor[128] = {};
    static const VOR_CURSOR_IMAGE kImage = {32, 32, 5, 7, kAnd, kXor};
    static const WORD kIds[] = {1};
    static const VOR_RESOURCE_GROUP kGroup = {kIds, 1};
    static const VOR_RESOURCE kEntries[] = {
        {RT_CURSOR, MAKEINTRESOURCE(1), LANG_NEUTRAL, &kImage, sizeof kImage},
        {RT_GROUP_CURSOR, MAKEINTRESOURCE(IDC_VOR_SPLIT_UPDOWN), LANG_NEUTRAL, &kGroup, sizeof kGroup},
    };
    static const VOR_RESOURCE_TABLE kTable = {kEntries, 2};
    const HINSTANCE hProgram = ::GetModuleHandleA(NULL);
    ASSERT_TRUE(VorSetModuleResources(hProgram, &kTable));

    HINSTANCE h = AfxFindResourceHandle(MAKEINTRESOURCE(IDC_VOR_SPLIT_UPDOWN), RT_GROUP_CURSOR);
    EXPECT_EQ(h, hProgram);
    ICONINFO info = {};
    HCURSOR hCursor = ::LoadCursorA(h, MAKEINTRESOURCE(IDC_VOR_SPLIT_UPDOWN));
    ASSERT_NE(hCursor, nullptr);
    ASSERT_TRUE(::GetIconInfo(hCursor, &info));
    EXPECT_EQ(info.xHotspot, 5u);
    EXPECT_EQ(info.yHotspot, 7u);
    ::DeleteObject(info.hbmMask);
    // The other cursor still comes from the library.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDC_VOR_SPLIT_LEFTRIGHT), RT_GROUP_CURSOR), m_hLib);

    VorSetModuleResources(hProgram, NULL);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDC_VOR_SPLIT_UPDOWN), RT_GROUP_CURSOR), m_hLib);
}

}  // namespace
