// The VORLib10 module's entry, driven through its exported symbols as the
// platform's loader calls them.
#include <gtest/gtest.h>

#include <afxdll_.h>
#include <vorplatform.h>
#include <vorresource.h>

#include <vector>

namespace {

std::vector<CDynLinkLibrary*> Chain()
{
    std::vector<CDynLinkLibrary*> v;
    for (CDynLinkLibrary* p = AfxGetModuleState()->m_pLibraryList; p != NULL; p = p->m_pNextDLL)
        v.push_back(p);
    return v;
}

class ModuleEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        VorPlatformReset();
        m_hLib = ::GetModuleHandleA("VORLib10");
        ASSERT_NE(m_hLib, nullptr) << "the VORLib10 module is not loaded";
        // Through void (*)(), as with any GetProcAddress result of another type.
        m_pfnEntry = (VOR_MODULE_ENTRY)(void (*)())::GetProcAddress(m_hLib, VOR_MODULE_ENTRY_SYMBOL);
        m_pfnRaw = (VOR_MODULE_ENTRY)(void (*)())::GetProcAddress(m_hLib, VOR_MODULE_RAW_ENTRY_SYMBOL);
        ASSERT_NE(m_pfnEntry, nullptr);
        ASSERT_NE(m_pfnRaw, nullptr);
    }
    void TearDown() override { VorPlatformReset(); }

    // Attach and detach as the loader orders them: the raw entry runs before
    // the module entry at attach and after it at detach.
    BOOL Attach(HINSTANCE h)
    {
        if (!m_pfnRaw(h, DLL_PROCESS_ATTACH, NULL))
            return FALSE;
        return m_pfnEntry(h, DLL_PROCESS_ATTACH, NULL);
    }
    BOOL Detach(HINSTANCE h)
    {
        BOOL b = m_pfnEntry(h, DLL_PROCESS_DETACH, NULL);
        return m_pfnRaw(h, DLL_PROCESS_DETACH, NULL) && b;
    }

    int LibrariesOf(HMODULE h)
    {
        int n = 0;
        for (CDynLinkLibrary* p : Chain())
            n += p->m_hModule == h;
        return n;
    }

    HMODULE m_hLib = NULL;
    VOR_MODULE_ENTRY m_pfnEntry = nullptr;
    VOR_MODULE_ENTRY m_pfnRaw = nullptr;
};

TEST_F(ModuleEntry, AttachedAtStartAsOneOrdinaryLibrary)
{
    ASSERT_EQ(LibrariesOf(m_hLib), 1);
    for (CDynLinkLibrary* p : Chain()) {
        if (p->m_hModule != m_hLib)
            continue;
        EXPECT_EQ(p->m_hResource, m_hLib);
        EXPECT_FALSE(p->m_bSystem);
        // The library registers no classes of its own at load.
        EXPECT_EQ(p->m_classList.m_pHead, nullptr);
    }
}

TEST_F(ModuleEntry, FailingInitialisationFailsTheAttachAndCreatesNoLibrary)
{
    CRuntimeClass hostClass = {"CHostClass", 0, 0xFFFF, NULL, NULL, NULL};
    const HINSTANCE cases[] = {NULL, (HINSTANCE)(UINT_PTR)0x7E570003};
    for (HINSTANCE h : cases) {
        SCOPED_TRACE(testing::Message() << "instance " << (void*)h);
        AFX_MODULE_STATE* pState = AfxGetModuleState();
        pState->m_classList.m_pHead = &hostClass;
        const std::vector<CDynLinkLibrary*> before = Chain();
        EXPECT_EQ(Attach(h), FALSE);
        EXPECT_EQ(Chain(), before) << "no CDynLinkLibrary was created";
        EXPECT_EQ(pState->m_classList.m_pHead, &hostClass) << "the host's classes are back";
        // The module's own chaining is untouched by the failed call.
        EXPECT_EQ(LibrariesOf(m_hLib), 1);
        pState->m_classList.m_pHead = NULL;
    }
}

TEST_F(ModuleEntry, ThreadNotificationsChangeNothing)
{
    const HINSTANCE hProgram = ::GetModuleHandleA(NULL);
    const DWORD reasons[] = {DLL_THREAD_ATTACH, DLL_THREAD_DETACH};
    const HINSTANCE instances[] = {m_hLib, NULL};
    for (DWORD reason : reasons) {
        for (HINSTANCE h : instances) {
            SCOPED_TRACE(testing::Message() << "reason " << reason << " instance " << (void*)h);
            AFX_MODULE_STATE* pState = AfxGetModuleState();
            const std::vector<CDynLinkLibrary*> before = Chain();
            const AFX_MODULE_STATE saved = *pState;
            EXPECT_EQ(m_pfnRaw(h, reason, NULL), TRUE);
            EXPECT_EQ(m_pfnEntry(h, reason, NULL), TRUE);
            EXPECT_EQ(Chain(), before);
            EXPECT_EQ(pState->m_classList.m_pHead, saved.m_classList.m_pHead);
            EXPECT_EQ(pState->m_pClassInit, saved.m_pClassInit);
            EXPECT_EQ(pState->m_hCurrentResourceHandle, hProgram);
            EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(118), RT_GROUP_CURSOR), m_hLib);
        }
    }
}

TEST_F(ModuleEntry, DetachUnchainsTheLibraryAndAttachChainsItAgain)
{
    const HINSTANCE hProgram = ::GetModuleHandleA(NULL);
    ASSERT_EQ(Detach(m_hLib), TRUE);
    EXPECT_EQ(LibrariesOf(m_hLib), 0);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(118), RT_GROUP_CURSOR), hProgram)
        << "the cursor is no longer found once the library left the chain";
    // A second detach finds nothing left to remove.
    EXPECT_EQ(Detach(m_hLib), TRUE);

    ASSERT_EQ(Attach(m_hLib), TRUE);
    EXPECT_EQ(LibrariesOf(m_hLib), 1);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(118), RT_GROUP_CURSOR), m_hLib);
}

TEST_F(ModuleEntry, ResetDetachesAndAttachesAfresh)
{
    for (int i = 0; i < 3; ++i) {
        VorPlatformReset();
        EXPECT_EQ(LibrariesOf(m_hLib), 1) << "after reset " << i;
    }
}

TEST_F(ModuleEntry, LoadLibraryOfTheLinkedModuleAnswersTheSameInstance)
{
    HMODULE h = ::LoadLibraryA("VORLib10");
    ASSERT_EQ(h, m_hLib);
    EXPECT_EQ(LibrariesOf(m_hLib), 1) << "a second load attaches nothing";
    EXPECT_TRUE(::FreeLibrary(h));
    EXPECT_EQ(LibrariesOf(m_hLib), 1) << "the linked library stays attached";
}

}  // namespace
