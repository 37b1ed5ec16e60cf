// Resources from a resource script: the program's app.rc and a module's
// module.rc, compiled by vorlib_add_resources and read back through the
// resource calls.
#include <cstring>
#include <string>

#include "UserTest.h"
#include "resources/resource.h"

namespace {

WORD Word(const BYTE* p) { return (WORD)(p[0] | (p[1] << 8)); }
DWORD Dword(const BYTE* p) { return (DWORD)Word(p) | ((DWORD)Word(p + 2) << 16); }

class ResourceScriptTest : public UserTest {};

TEST_F(ResourceScriptTest, DialogTemplatesArePassedAsCompiled)
{
    HRSRC r = FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_SAMPLE), RT_DIALOG);
    ASSERT_TRUE(r);
    const BYTE* t = (const BYTE*)LockResource(LoadResource(nullptr, r));
    ASSERT_TRUE(t);
    EXPECT_GT(SizeofResource(nullptr, r), 26u);
    // An extended template: version 1, signature 0xFFFF, help id, styles,
    // eight items, then the box in dialog units.
    EXPECT_EQ(Word(t), 1);
    EXPECT_EQ(Word(t + 2), 0xFFFF);
    EXPECT_EQ(Dword(t + 8), (DWORD)WS_EX_DLGMODALFRAME);
    EXPECT_EQ(Dword(t + 12), (DWORD)(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(Word(t + 16), 8);
    EXPECT_EQ((short)Word(t + 18), 10);
    EXPECT_EQ((short)Word(t + 20), 20);
    EXPECT_EQ((short)Word(t + 22), 200);
    EXPECT_EQ((short)Word(t + 24), 120);
    // The classic one starts with its style.
    HRSRC c = FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_CLASSIC), RT_DIALOG);
    ASSERT_TRUE(c);
    const DLGTEMPLATE* classic = (const DLGTEMPLATE*)LockResource(LoadResource(nullptr, c));
    EXPECT_EQ(classic->style, (DWORD)(DS_SETFONT | WS_POPUP | WS_CAPTION));
    EXPECT_EQ(classic->cdit, 5);
    EXPECT_EQ(classic->cx, 120);
    SetLastError(0);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(999), RT_DIALOG), nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_RESOURCE_NAME_NOT_FOUND);
}

TEST_F(ResourceScriptTest, StringTableTextInTheCodePage)
{
    char buf[64];
    EXPECT_EQ(LoadStringA(nullptr, IDS_GREETING, buf, sizeof(buf)), 16);
    EXPECT_STREQ(buf, "Hello, resources");
    // Ids 7 and 22 sit in different blocks of sixteen.
    EXPECT_EQ(LoadStringA(nullptr, IDS_FAREWELL, buf, sizeof(buf)), 7);
    EXPECT_STREQ(buf, "Goodbye");
    EXPECT_TRUE(FindResourceA(nullptr, MAKEINTRESOURCEA(IDS_GREETING / 16 + 1), RT_STRING));
    EXPECT_TRUE(FindResourceA(nullptr, MAKEINTRESOURCEA(IDS_FAREWELL / 16 + 1), RT_STRING));
    EXPECT_EQ(LoadStringA(nullptr, 8, buf, sizeof(buf)), 0) << "an empty slot of a block is no string";
    // Text beyond ASCII follows the process code page.
    ASSERT_TRUE(VorSetCodePage(CP_UTF8));
    EXPECT_GT(LoadStringA(nullptr, IDS_WIDE, buf, sizeof(buf)), 0);
    EXPECT_STREQ(buf, "Caf\xC3\xA9 \xE4\xB8\xAD");
    ASSERT_TRUE(VorSetCodePage(1252));
    LoadStringA(nullptr, IDS_WIDE, buf, sizeof(buf));
    EXPECT_STREQ(buf, "Caf\xE9 ?") << "a character the code page lacks";
    ASSERT_TRUE(VorSetCodePage(936));
    LoadStringA(nullptr, IDS_WIDE, buf, sizeof(buf));
    EXPECT_STREQ(buf, "Caf\xA8\xA6 \xD6\xD0");
}

TEST_F(ResourceScriptTest, IconGroupFromAnIcoFile)
{
    HICON small = (HICON)LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 16, 16, 0);
    HICON big = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
    ASSERT_TRUE(small);
    ASSERT_TRUE(big);
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Pump();
    HDC hdc = GetDC(w);
    RECT rc = {0, 0, 100, 100};
    FillRect(hdc, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
    DrawIconEx(hdc, 10, 10, small, 16, 16, 0, nullptr, DI_NORMAL);
    DrawIconEx(hdc, 40, 40, big, 32, 32, 0, nullptr, DI_NORMAL);
    ReleaseDC(w, hdc);
    // The 16-pixel image is red with its top-left corner masked away; the
    // 32-pixel one blue with its four left columns transparent by alpha.
    EXPECT_EQ(ScreenPixel(10, 10), RGB(255, 255, 255));
    EXPECT_EQ(ScreenPixel(12, 12), RGB(255, 0, 0));
    EXPECT_EQ(ScreenPixel(25, 25), RGB(255, 0, 0));
    EXPECT_EQ(ScreenPixel(42, 50), RGB(255, 255, 255));
    EXPECT_EQ(ScreenPixel(45, 50), RGB(0, 0, 255));
    EXPECT_EQ(ScreenPixel(71, 71), RGB(0, 0, 255));
    DestroyIcon(small);
}

TEST_F(ResourceScriptTest, CursorFromACurFile)
{
    HCURSOR c = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_TESTHAND));
    ASSERT_TRUE(c);
    ICONINFO ii = {};
    ASSERT_TRUE(GetIconInfo(c, &ii));
    EXPECT_FALSE(ii.fIcon);
    EXPECT_EQ(ii.xHotspot, 5u);
    EXPECT_EQ(ii.yHotspot, 7u);
    if (ii.hbmMask)
        DeleteObject(ii.hbmMask);
    if (ii.hbmColor)
        DeleteObject(ii.hbmColor);
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Pump();
    HDC hdc = GetDC(w);
    RECT rc = {0, 0, 100, 100};
    FillRect(hdc, &rc, (HBRUSH)GetStockObject(GRAY_BRUSH));
    DrawIcon(hdc, 0, 0, c);
    ReleaseDC(w, hdc);
    EXPECT_EQ(ScreenPixel(6, 6), RGB(0, 0, 0)) << "the black square";
    EXPECT_EQ(ScreenPixel(20, 20), RGB(255, 255, 255)) << "the white row";
    EXPECT_EQ(ScreenPixel(20, 6), RGB(128, 128, 128)) << "transparent";
}

TEST_F(ResourceScriptTest, VersionRecord)
{
    HRSRC v = FindResourceA(nullptr, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
    ASSERT_TRUE(v);
    const VOR_VERSION_INFO* info = (const VOR_VERSION_INFO*)LockResource(LoadResource(nullptr, v));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->fixed.dwSignature, (DWORD)VS_FFI_SIGNATURE);
    EXPECT_EQ(info->fixed.dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(info->fixed.dwFileVersionLS, 0x00030004u);
    EXPECT_EQ(info->fixed.dwProductVersionMS, 0x00050006u);
    EXPECT_EQ(info->fixed.dwFileType, (DWORD)VFT_APP);
    EXPECT_EQ(info->stringCount, 3u);
    EXPECT_STREQ(VorVersionString(info, "CompanyName"), "VOR test house");
    EXPECT_STREQ(VorVersionString(info, "FileDescription"), "Resource script test");
    EXPECT_STREQ(VorVersionString(info, "FileVersion"), "1.2.3.4");
}

TEST_F(ResourceScriptTest, SetTableComesBeforeTheCompiledOne)
{
    static const VOR_RESOURCE entries[] = {{RT_STRING, MAKEINTRESOURCEA(IDS_GREETING), 0, "set", 4}};
    static const VOR_RESOURCE_TABLE table = {entries, 1};
    char buf[32];
    ASSERT_TRUE(VorSetModuleResources(nullptr, &table));
    LoadStringA(nullptr, IDS_GREETING, buf, sizeof(buf));
    EXPECT_STREQ(buf, "set");
    ASSERT_TRUE(VorSetModuleResources(nullptr, nullptr));
    LoadStringA(nullptr, IDS_GREETING, buf, sizeof(buf));
    EXPECT_STREQ(buf, "Hello, resources");
}

#ifdef VOR_TEST_MODULE_DIR
TEST_F(ResourceScriptTest, ALibraryFindsItsOwnScript)
{
    std::string path = std::string(VOR_TEST_MODULE_DIR) + "/libvor_test_module_rc.so";
    HMODULE m = LoadLibraryA(path.c_str());
    ASSERT_TRUE(m);
    char buf[64];
    EXPECT_EQ(LoadStringA(m, 5, buf, sizeof(buf)), 24);
    EXPECT_STREQ(buf, "compiled into the module");
    EXPECT_TRUE(FindResourceA(m, MAKEINTRESOURCEA(300), RT_DIALOG));
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(300), RT_DIALOG), nullptr) << "not the program's";
    EXPECT_EQ(FindResourceA(m, MAKEINTRESOURCEA(IDD_SAMPLE), RT_DIALOG), nullptr);
    EXPECT_TRUE(FreeLibrary(m));
    // Loaded again, it registers again.
    m = LoadLibraryA(path.c_str());
    ASSERT_TRUE(m);
    EXPECT_EQ(LoadStringA(m, 5, buf, sizeof(buf)), 24);
    EXPECT_TRUE(FreeLibrary(m));
}
#endif

#ifdef VOR_TEST_MODULE_DIR
TEST_F(ResourceScriptTest, MalformedDataStopsAtTheFirstBadEntry)
{
    // One good entry (an RCDATA of four bytes named 9) and a header that
    // claims more data than there is.
    static BYTE res[96] = {};
    auto put32 = [](BYTE* p, DWORD v) { memcpy(p, &v, 4); };
    auto put16 = [](BYTE* p, WORD v) { memcpy(p, &v, 2); };
    put32(res + 0, 4);
    put32(res + 4, 32);
    put16(res + 8, 0xFFFF);
    put16(res + 10, 10);
    put16(res + 12, 0xFFFF);
    put16(res + 14, 9);
    memcpy(res + 32, "data", 4);
    put32(res + 36, 5000);
    put32(res + 40, 32);
    put16(res + 44, 0xFFFF);
    put16(res + 46, 10);
    put16(res + 48, 0xFFFF);
    put16(res + 50, 10);
    // Registered in place of the module's own script; unloading the module
    // takes it back.
    std::string path = std::string(VOR_TEST_MODULE_DIR) + "/libvor_test_module_rc.so";
    HMODULE m = LoadLibraryA(path.c_str());
    ASSERT_TRUE(m);
    const void* anchor = (const void*)GetProcAddress(m, "VorTestModuleTableSize");
    ASSERT_TRUE(anchor);
    ASSERT_TRUE(VorRegisterCompiledResources(anchor, res, sizeof(res)));
    HRSRC r = FindResourceA(m, MAKEINTRESOURCEA(9), RT_RCDATA);
    ASSERT_TRUE(r);
    EXPECT_EQ(SizeofResource(m, r), 4u);
    EXPECT_EQ(memcmp(LockResource(LoadResource(m, r)), "data", 4), 0);
    EXPECT_EQ(FindResourceA(m, MAKEINTRESOURCEA(10), RT_RCDATA), nullptr);
    EXPECT_EQ(FindResourceA(m, MAKEINTRESOURCEA(300), RT_DIALOG), nullptr) << "replaced";
    EXPECT_FALSE(VorRegisterCompiledResources(nullptr, res, sizeof(res)));
    EXPECT_TRUE(FreeLibrary(m));
    m = LoadLibraryA(path.c_str());
    ASSERT_TRUE(m);
    EXPECT_TRUE(FindResourceA(m, MAKEINTRESOURCEA(300), RT_DIALOG));
    EXPECT_EQ(FindResourceA(m, MAKEINTRESOURCEA(9), RT_RCDATA), nullptr);
    EXPECT_TRUE(FreeLibrary(m));
}
#endif

}  // namespace
