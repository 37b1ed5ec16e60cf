// The framework's extension-module support: the raw entry and the record,
// the library chain, termination, and the module state across a reset.
#include <gtest/gtest.h>

#include <afxdll_.h>
#include <vorplatform.h>

#include <cstring>
#include <vector>

namespace {

std::vector<CDynLinkLibrary*> Chain()
{
    std::vector<CDynLinkLibrary*> v;
    for (CDynLinkLibrary* p = AfxGetModuleState()->m_pLibraryList; p != NULL; p = p->m_pNextDLL)
        v.push_back(p);
    return v;
}

bool IsZero(const AFX_EXTENSION_MODULE& m)
{
    AFX_EXTENSION_MODULE zero = {};
    return std::memcmp(&m, &zero, sizeof m) == 0;
}

class ModuleExtension : public ::testing::Test {
protected:
    void SetUp() override
    {
        VorPlatformReset();
        m_pState = AfxGetModuleState();
        m_hProgram = ::GetModuleHandleA(NULL);
        m_before = Chain();
    }
    void TearDown() override
    {
        // Whatever a test chained goes with the reset.
        VorPlatformReset();
    }

    AFX_MODULE_STATE* m_pState = nullptr;
    HMODULE m_hProgram = NULL;
    std::vector<CDynLinkLibrary*> m_before;
    // Stand-ins for run-time classes registered by the host and a library.
    CRuntimeClass m_hostClass = {"CHostClass", 0, 0xFFFF, NULL, NULL, NULL};
    CRuntimeClass m_libClass = {"CLibraryClass", 0, 0xFFFF, NULL, NULL, NULL};
};

TEST_F(ModuleExtension, OneProgramStateWithTheProgramsHandles)
{
    EXPECT_EQ(AfxGetModuleState(), m_pState);
    EXPECT_EQ(m_pState->m_hCurrentInstanceHandle, m_hProgram);
    EXPECT_EQ(m_pState->m_hCurrentResourceHandle, m_hProgram);
    EXPECT_FALSE(m_pState->m_bDLL);
    EXPECT_FALSE(m_pState->m_bSystem);
}

TEST_F(ModuleExtension, RawEntrySetsTheHostsListsAsideAndInitialisationTakesThemBack)
{
    m_pState->m_classList.m_pHead = &m_hostClass;
    EXPECT_TRUE(AfxDllRawEntry(m_hProgram, DLL_PROCESS_ATTACH, NULL));
    EXPECT_EQ(m_pState->m_classList.m_pHead, nullptr);
    EXPECT_EQ(m_pState->m_pClassInit, &m_hostClass);

    // What the library registers between the two entries is its own.
    m_pState->m_classList.m_pHead = &m_libClass;
    AFX_EXTENSION_MODULE record = {};
    ASSERT_TRUE(AfxInitExtensionModule(record, m_hProgram));
    EXPECT_TRUE(record.bInitialized);
    EXPECT_EQ(record.hModule, m_hProgram);
    EXPECT_EQ(record.hResource, m_hProgram);
    EXPECT_EQ(record.pFirstSharedClass, &m_libClass);
    EXPECT_EQ(record.pFirstSharedFactory, nullptr);
    EXPECT_EQ(m_pState->m_classList.m_pHead, &m_hostClass);
    EXPECT_EQ(m_pState->m_pClassInit, nullptr);

    CDynLinkLibrary* pLibrary = new CDynLinkLibrary(record);
    EXPECT_EQ(pLibrary->m_classList.m_pHead, &m_libClass);
    EXPECT_EQ(pLibrary->m_hModule, m_hProgram);
    EXPECT_EQ(pLibrary->m_hResource, m_hProgram);
    EXPECT_FALSE(pLibrary->m_bSystem);
    AfxTermExtensionModule(record);
    m_pState->m_classList.m_pHead = NULL;
}

TEST_F(ModuleExtension, InitialisationFailsForNullAndUnknownInstances)
{
    const HMODULE cases[] = {NULL, (HMODULE)(UINT_PTR)0x7E570001, (HMODULE)&m_hostClass};
    for (HMODULE h : cases) {
        SCOPED_TRACE(testing::Message() << "instance " << (void*)h);
        m_pState->m_classList.m_pHead = &m_hostClass;
        EXPECT_TRUE(AfxDllRawEntry(h, DLL_PROCESS_ATTACH, NULL));
        AFX_EXTENSION_MODULE record = {};
        EXPECT_FALSE(AfxInitExtensionModule(record, h));
        EXPECT_TRUE(IsZero(record)) << "a failed initialisation leaves the record as it was";
        // The host's classes are not lost to a failed load.
        EXPECT_EQ(m_pState->m_classList.m_pHead, &m_hostClass);
        EXPECT_EQ(m_pState->m_pClassInit, nullptr);
        EXPECT_EQ(Chain(), m_before);
    }
    m_pState->m_classList.m_pHead = NULL;
}

TEST_F(ModuleExtension, InitialisationWithoutRawEntryLeavesTheHostsListsAlone)
{
    m_pState->m_classList.m_pHead = &m_hostClass;
    AFX_EXTENSION_MODULE record = {};
    ASSERT_TRUE(AfxInitExtensionModule(record, m_hProgram));
    EXPECT_EQ(record.pFirstSharedClass, nullptr) << "the host's classes are not the library's";
    EXPECT_EQ(m_pState->m_classList.m_pHead, &m_hostClass);

    // A set-aside is taken back once only.
    EXPECT_TRUE(AfxDllRawEntry(m_hProgram, DLL_PROCESS_ATTACH, NULL));
    m_pState->m_classList.m_pHead = &m_libClass;
    AFX_EXTENSION_MODULE first = {}, second = {};
    ASSERT_TRUE(AfxInitExtensionModule(first, m_hProgram));
    ASSERT_TRUE(AfxInitExtensionModule(second, m_hProgram));
    EXPECT_EQ(first.pFirstSharedClass, &m_libClass);
    EXPECT_EQ(second.pFirstSharedClass, nullptr);
    EXPECT_EQ(m_pState->m_classList.m_pHead, &m_hostClass);
    m_pState->m_classList.m_pHead = NULL;
}

TEST_F(ModuleExtension, SecondInitialisationKeepsTheFirstRecord)
{
    AFX_EXTENSION_MODULE record = {};
    ASSERT_TRUE(AfxInitExtensionModule(record, m_hProgram));
    record.pFirstSharedClass = &m_libClass;
    EXPECT_TRUE(AfxInitExtensionModule(record, m_hProgram));
    EXPECT_EQ(record.pFirstSharedClass, &m_libClass);
    EXPECT_FALSE(AfxInitExtensionModule(record, NULL)) << "a bad instance fails even for a filled record";
    EXPECT_TRUE(record.bInitialized);
}

TEST_F(ModuleExtension, LibrariesChainNewestFirstAndUnchainFromAnywhere)
{
    CDynLinkLibrary* pA = new CDynLinkLibrary(m_hProgram, m_hProgram);
    CDynLinkLibrary* pB = new CDynLinkLibrary(m_hProgram, m_hProgram);
    CDynLinkLibrary* pC = new CDynLinkLibrary(m_hProgram, m_hProgram);
    std::vector<CDynLinkLibrary*> expected = {pC, pB, pA};
    expected.insert(expected.end(), m_before.begin(), m_before.end());
    EXPECT_EQ(Chain(), expected);

    delete pB;  // the middle one
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(Chain(), expected);
    delete pC;  // the head
    expected.erase(expected.begin());
    EXPECT_EQ(Chain(), expected);
    delete pA;
    EXPECT_EQ(Chain(), m_before);
}

TEST_F(ModuleExtension, LibraryIsACommandTarget)
{
    CDynLinkLibrary* p = new CDynLinkLibrary(m_hProgram, m_hProgram);
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CDynLinkLibrary)));
    EXPECT_STREQ(p->GetRuntimeClass()->m_lpszClassName, "CDynLinkLibrary");
    delete p;
}

TEST_F(ModuleExtension, TerminationDeletesOnlyTheRecordsModuleAndClearsTheRecord)
{
    AFX_EXTENSION_MODULE mine = {};
    ASSERT_TRUE(AfxInitExtensionModule(mine, m_hProgram));
    new CDynLinkLibrary(mine);
    new CDynLinkLibrary(mine, TRUE);
    ASSERT_EQ(Chain().size(), m_before.size() + 2);

    AfxTermExtensionModule(mine, FALSE);
    EXPECT_EQ(Chain(), m_before) << "the libraries of other modules stay chained";
    EXPECT_TRUE(IsZero(mine));

    // A cleared (or never filled) record terminates nothing.
    CDynLinkLibrary* pOther = new CDynLinkLibrary(m_hProgram, m_hProgram);
    AfxTermExtensionModule(mine, TRUE);
    EXPECT_EQ(Chain().front(), pOther);
    delete pOther;
}

TEST_F(ModuleExtension, TerminationOfAllDeletesEveryLibrary)
{
    AFX_EXTENSION_MODULE mine = {};
    ASSERT_TRUE(AfxInitExtensionModule(mine, m_hProgram));
    new CDynLinkLibrary(mine);
    new CDynLinkLibrary(m_hProgram, m_hProgram);
    AfxTermExtensionModule(mine, TRUE);
    EXPECT_TRUE(Chain().empty());
    EXPECT_EQ(m_pState->m_pLibraryList, nullptr);
}

TEST_F(ModuleExtension, ResetEmptiesTheChainAndRestoresTheResourceHandle)
{
    new CDynLinkLibrary(m_hProgram, m_hProgram);
    m_pState->m_hCurrentResourceHandle = (HINSTANCE)(UINT_PTR)0x7E570002;
    m_pState->m_pClassInit = &m_hostClass;
    VorPlatformReset();
    // After the reset only what the linked libraries attached again is chained.
    std::vector<CDynLinkLibrary*> after = Chain();
    EXPECT_EQ(after.size(), m_before.size());
    for (CDynLinkLibrary* p : after)
        EXPECT_NE(p->m_hModule, m_hProgram);
    EXPECT_EQ(AfxGetModuleState()->m_hCurrentResourceHandle, ::GetModuleHandleA(NULL));
    EXPECT_EQ(AfxGetModuleState()->m_pClassInit, nullptr);
}

}  // namespace
