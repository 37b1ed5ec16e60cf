// Modules and resources: the program's own table, finding and loading
// resources, shared cursors, and the loader's attach and detach.
#include <dlfcn.h>

#include <cstring>
#include <string>

#include "UserTest.h"

namespace {

// A 32 x 32 cursor: a black box in the top-left quarter, hotspot (16, 16).
struct CursorBits {
    BYTE andMask[32 * 4];
    BYTE xorMask[32 * 4];
    CursorBits()
    {
        memset(andMask, 0xFF, sizeof(andMask));
        memset(xorMask, 0x00, sizeof(xorMask));
        for (int y = 0; y < 16; ++y) {
            andMask[y * 4] = 0x00;
            andMask[y * 4 + 1] = 0x00;
        }
    }
};
const CursorBits g_bits;
const VOR_CURSOR_IMAGE g_cursor = {32, 32, 16, 16, g_bits.andMask, g_bits.xorMask};
const WORD g_cursorIds[] = {1};
const VOR_RESOURCE_GROUP g_cursorGroup = {g_cursorIds, 1};

DWORD g_small[16 * 16];
DWORD g_large[32 * 32];
const VOR_ICON_IMAGE g_icon16 = {16, 16, g_small, nullptr};
const VOR_ICON_IMAGE g_icon32 = {32, 32, g_large, nullptr};
const WORD g_iconIds[] = {2, 3};
const VOR_RESOURCE_GROUP g_iconGroup = {g_iconIds, 2};

const VOR_VERSION_STRING g_versionStrings[] = {{"FileVersion", "1, 0, 0, 2"}, {"ProductName", "Test"}};
const VOR_VERSION_INFO g_version = {
    {VS_FFI_SIGNATURE, VS_FFI_STRUCVERSION, 0x00010000, 0x00000002, 0x00020000, 0x00010002, VS_FFI_FILEFLAGSMASK, 0,
     VOS_NT_WINDOWS32, VFT_DLL, VFT2_UNKNOWN, 0, 0},
    g_versionStrings,
    2};

const WORD kChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

const VOR_RESOURCE g_entries[] = {
    {RT_GROUP_CURSOR, MAKEINTRESOURCEA(118), kChinese, &g_cursorGroup, sizeof(g_cursorGroup)},
    {RT_CURSOR, MAKEINTRESOURCEA(1), kChinese, &g_cursor, sizeof(g_cursor)},
    {RT_GROUP_ICON, "APPICON", 0, &g_iconGroup, sizeof(g_iconGroup)},
    {RT_ICON, MAKEINTRESOURCEA(2), 0, &g_icon16, sizeof(g_icon16)},
    {RT_ICON, MAKEINTRESOURCEA(3), 0, &g_icon32, sizeof(g_icon32)},
    {RT_STRING, MAKEINTRESOURCEA(1), kEnglish, "hello", 6},
    {RT_STRING, MAKEINTRESOURCEA(1), kChinese, "ni hao", 7},
    {RT_STRING, MAKEINTRESOURCEA(40), kEnglish, "forty", 6},
    {RT_VERSION, MAKEINTRESOURCEA(1), kChinese, &g_version, sizeof(g_version)},
    {"CUSTOM", "BLOB", 0, "\x01\x02\x03", 3},
};
const VOR_RESOURCE_TABLE g_table = {g_entries, sizeof(g_entries) / sizeof(g_entries[0])};

}  // namespace

class ModuleTest : public UserTest {
protected:
    void SetUp() override
    {
        UserTest::SetUp();
        m_program = GetModuleHandleA(nullptr);
        ASSERT_TRUE(VorSetModuleResources(m_program, &g_table));
    }
    void TearDown() override
    {
        VorSetModuleResources(m_program, nullptr);
        UserTest::TearDown();
    }
    HINSTANCE m_program = nullptr;
};

TEST_F(ModuleTest, FindLoadLockAndSizeAResource)
{
    HRSRC r = FindResourceA(nullptr, "BLOB", "custom");
    ASSERT_TRUE(r);
    EXPECT_EQ(SizeofResource(nullptr, r), 3u);
    const BYTE* p = (const BYTE*)LockResource(LoadResource(nullptr, r));
    ASSERT_TRUE(p);
    EXPECT_EQ(p[2], 3);
    SetLastError(0);
    EXPECT_EQ(FindResourceA(nullptr, "NOPE", "CUSTOM"), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_RESOURCE_NAME_NOT_FOUND);
    EXPECT_EQ(FindResourceA(nullptr, "BLOB", "NOTYPE"), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_RESOURCE_TYPE_NOT_FOUND);
    EXPECT_EQ(FindResourceA((HMODULE)(uintptr_t)0x777, "BLOB", "CUSTOM"), nullptr);
    EXPECT_EQ(LoadResource(nullptr, (HRSRC)(uintptr_t)0x12345), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, nullptr), 0u);
    // The version record.
    HRSRC v = FindResourceA(m_program, MAKEINTRESOURCEA(1), RT_VERSION);
    ASSERT_TRUE(v);
    const VOR_VERSION_INFO* info = (const VOR_VERSION_INFO*)LockResource(LoadResource(m_program, v));
    EXPECT_EQ(info->fixed.dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(info->fixed.dwProductVersionLS, 0x00010002u);
    EXPECT_STREQ(VorVersionString(info, "productname"), "Test");
    EXPECT_EQ(VorVersionString(info, "Missing"), nullptr);
}

TEST_F(ModuleTest, LanguagesAndStringBlocks)
{
    HRSRC zh = FindResourceExA(nullptr, RT_STRING, MAKEINTRESOURCEA(1), kChinese);
    ASSERT_TRUE(zh);
    EXPECT_STREQ((const char*)LockResource(LoadResource(nullptr, zh)), "ni hao");
    HRSRC en = FindResourceExA(nullptr, RT_STRING, MAKEINTRESOURCEA(1), kEnglish);
    EXPECT_STREQ((const char*)LockResource(LoadResource(nullptr, en)), "hello");
    // String 40 lives in block 40 / 16 + 1 = 3.
    EXPECT_TRUE(FindResourceA(nullptr, MAKEINTRESOURCEA(3), RT_STRING));
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(4), RT_STRING), nullptr);
}

TEST_F(ModuleTest, LoadString)
{
    char buf[16];
    EXPECT_EQ(LoadStringA(nullptr, 40, buf, sizeof(buf)), 5);
    EXPECT_STREQ(buf, "forty");
    EXPECT_EQ(LoadStringA(m_program, 40, buf, 3), 2);
    EXPECT_STREQ(buf, "fo");
    EXPECT_EQ(LoadStringA(nullptr, 41, buf, sizeof(buf)), 0);
    EXPECT_STREQ(buf, "");
    const char* direct = nullptr;
    EXPECT_EQ(LoadStringA(nullptr, 40, (LPSTR)&direct, 0), 5);
    EXPECT_STREQ(direct, "forty");
    EXPECT_EQ(LoadStringA(nullptr, 40, nullptr, 5), 0);
}

TEST_F(ModuleTest, ResourceCursorIsOneSharedHandle)
{
    int icons = VorGdiObjectCount(VOR_GDI_ICON);
    HCURSOR c = LoadCursorA(m_program, MAKEINTRESOURCEA(118));
    ASSERT_TRUE(c);
    EXPECT_EQ(LoadCursorA(m_program, MAKEINTRESOURCEA(118)), c);
    EXPECT_EQ(LoadImageA(m_program, MAKEINTRESOURCEA(118), IMAGE_CURSOR, 0, 0, LR_SHARED), c);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons) << "shared cursors belong to their module";
    EXPECT_TRUE(DestroyCursor(c));
    EXPECT_EQ(LoadCursorA(m_program, MAKEINTRESOURCEA(118)), c);
    ICONINFO ii = {};
    ASSERT_TRUE(GetIconInfo(c, &ii));
    EXPECT_FALSE(ii.fIcon);
    EXPECT_EQ(ii.xHotspot, 16u);
    EXPECT_EQ(ii.yHotspot, 16u);
    if (ii.hbmMask)
        DeleteObject(ii.hbmMask);
    if (ii.hbmColor)
        DeleteObject(ii.hbmColor);
    EXPECT_EQ(LoadCursorA(m_program, MAKEINTRESOURCEA(119)), nullptr);

    // Drawn on the screen: black where the AND mask is clear.
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Pump();
    HDC hdc = GetDC(w);
    DrawIcon(hdc, 10, 10, c);
    ReleaseDC(w, hdc);
    EXPECT_EQ(ScreenPixel(12, 12), RGB(0, 0, 0));
    EXPECT_EQ(ScreenPixel(30, 30), RGB(255, 255, 255));
}

TEST_F(ModuleTest, LoadImagePicksTheSizeAndSharesOnlyWhenAsked)
{
    int icons = VorGdiObjectCount(VOR_GDI_ICON);
    HICON big = (HICON)LoadImageA(m_program, "APPICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
    HICON small = (HICON)LoadImageA(m_program, "APPICON", IMAGE_ICON, 16, 16, 0);
    ASSERT_TRUE(big);
    ASSERT_TRUE(small);
    EXPECT_NE(big, small);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons + 2) << "not shared: the caller owns them";
    ICONINFO ii = {};
    ASSERT_TRUE(GetIconInfo(small, &ii));
    BITMAP bm = {};
    GetObjectA(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 16);
    if (ii.hbmMask)
        DeleteObject(ii.hbmMask);
    if (ii.hbmColor)
        DeleteObject(ii.hbmColor);
    EXPECT_TRUE(DestroyIcon(big));
    EXPECT_TRUE(DestroyIcon(small));
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_ICON), icons);
    HICON shared = LoadIconA(m_program, "APPICON");
    EXPECT_EQ(LoadIconA(m_program, "APPICON"), shared);
    EXPECT_EQ(LoadImageA(m_program, "APPICON", IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr);
}

TEST_F(ModuleTest, ProgramModule)
{
    EXPECT_EQ(GetModuleHandleA(nullptr), m_program);
    char path[512];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof(path));
    EXPECT_GT(n, 0u);
    EXPECT_NE(std::string(path).find("test_platform_user"), std::string::npos);
    EXPECT_EQ(GetModuleFileNameA(nullptr, path, 4), 4u);
    EXPECT_EQ(strlen(path), 3u);
    EXPECT_FALSE(FreeLibrary(m_program));
    EXPECT_EQ(VorSetModuleResources((HINSTANCE)(uintptr_t)0x999, &g_table), FALSE);
}

#ifdef VOR_TEST_MODULE_DIR
TEST_F(ModuleTest, LoadLibraryAttachesOnceAndFreeLibraryDetachesOnTheLastRelease)
{
    std::string path = std::string(VOR_TEST_MODULE_DIR) + "/libvor_test_module_ok.so";
    // Held open by the test too, so its log outlives the platform's release.
    void* own = dlopen(path.c_str(), RTLD_NOW);
    ASSERT_TRUE(own) << dlerror();
    auto log = (const char* (*)())dlsym(own, "VorTestModuleLog");
    ASSERT_TRUE(log);
    HMODULE m = LoadLibraryA(path.c_str());
    ASSERT_TRUE(m);
    EXPECT_STREQ(log(), "raw1 entry1 ");
    EXPECT_EQ(LoadLibraryA(path.c_str()), m);
    EXPECT_EQ(GetModuleHandleA("vor_test_module_ok"), m);
    EXPECT_EQ(GetModuleHandleA("vor_test_module_ok.dll"), m);
    EXPECT_EQ((void*)GetProcAddress(m, "VorTestModuleLog"), (void*)log);
    EXPECT_EQ(GetProcAddress(m, "NoSuchExport"), nullptr);
    EXPECT_EQ(GetProcAddress(m, "VorPumpMessages"), nullptr) << "only the module's own exports";
    char buf[32];
    EXPECT_EQ(LoadStringA(m, 5, buf, sizeof(buf)), 15);
    EXPECT_STREQ(buf, "from the module");
    EXPECT_TRUE(FreeLibrary(m));
    EXPECT_STREQ(log(), "raw1 entry1 ");
    EXPECT_TRUE(FreeLibrary(m));
    EXPECT_STREQ(log(), "raw1 entry1 entry0 raw0 ");
    EXPECT_FALSE(FreeLibrary(m)) << "the instance is gone";
    EXPECT_EQ(LoadStringA(m, 5, buf, sizeof(buf)), 0);
    // Loaded again: a new instance, attached again.
    HMODULE again = LoadLibraryA(path.c_str());
    ASSERT_TRUE(again);
    EXPECT_NE(again, m);
    // A reset detaches it as the end of the process would.
    VorPlatformReset();
    EXPECT_STREQ(log(), "raw1 entry1 entry0 raw0 raw1 entry1 entry0 raw0 ");
    EXPECT_EQ(GetModuleHandleA("vor_test_module_ok"), nullptr);
    dlclose(own);
}

TEST_F(ModuleTest, RefusedAttachFailsTheLoad)
{
    std::string path = std::string(VOR_TEST_MODULE_DIR) + "/libvor_test_module_refuse.so";
    void* own = dlopen(path.c_str(), RTLD_NOW);
    ASSERT_TRUE(own) << dlerror();
    auto log = (const char* (*)())dlsym(own, "VorTestModuleLog");
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA(path.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_DLL_INIT_FAILED);
    EXPECT_STREQ(log(), "raw1 entry1 entry0 raw0 ") << "a refused attach is followed by a detach";
    EXPECT_EQ(GetModuleHandleA("vor_test_module_refuse"), nullptr);
    dlclose(own);
}
#endif

TEST_F(ModuleTest, MissingLibrary)
{
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA("no_such_library_anywhere"), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_MOD_NOT_FOUND);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_EQ(GetModuleHandleA("no_such_library_anywhere"), nullptr);
}

#ifdef VOR_TEST_MODULE_DIR
TEST_F(ModuleTest, LinkedModuleIsAttachedAtStartUpAndAfterEveryReset)
{
    // vor_test_module_linked is linked into this program.
    HMODULE lib = GetModuleHandleA("vor_test_module_linked");
    ASSERT_TRUE(lib);
    EXPECT_NE(lib, m_program);
    auto log = (const char* (*)())(void*)GetProcAddress(lib, "VorTestModuleLog");
    ASSERT_TRUE(log);
    std::string before = log();
    EXPECT_EQ(before.substr(0, 12), "raw1 entry1 ");
    EXPECT_EQ(before.substr(before.size() - 12), "raw1 entry1 ") << "attached now";
    char path[512];
    EXPECT_GT(GetModuleFileNameA(lib, path, sizeof(path)), 0u);
    EXPECT_NE(std::string(path).find("libvor_test_module_linked.so"), std::string::npos);
    // LoadLibrary of a linked module only counts; FreeLibrary never unloads it.
    EXPECT_EQ(LoadLibraryA("vor_test_module_linked"), lib);
    EXPECT_TRUE(FreeLibrary(lib));
    EXPECT_TRUE(FreeLibrary(lib));
    EXPECT_EQ(log(), before);
    VorPlatformReset();
    EXPECT_EQ(std::string(log()), before + "entry0 raw0 raw1 entry1 ") << "a reset is a fresh process";
    EXPECT_EQ(GetModuleHandleA("vor_test_module_linked"), lib) << "with the same instance";
    char buf[32];
    EXPECT_EQ(LoadStringA(lib, 5, buf, sizeof(buf)), 15);
}
#endif
