// Start and end of an extension library: the raw entry, and the record that
// AfxInitExtensionModule fills and AfxTermExtensionModule clears.
#include "afxdll_.h"

#include "afx/ModuleInternal.h"

namespace {

// The raw entry set the host's lists aside and no initialisation took them
// back yet. Without it the lists in the module state are the host's own.
bool g_listsSetAside = false;

// Puts back the host's lists that the raw entry set aside, and returns what
// the library registered since (nothing when no raw entry ran).
void TakeBackInitialLists(AFX_MODULE_STATE* pState, CRuntimeClass** ppClasses, void** ppFactories)
{
    if (!g_listsSetAside)
        return;
    g_listsSetAside = false;
    *ppClasses = pState->m_classList.m_pHead;
    *ppFactories = pState->m_factoryList.m_pHead;
    pState->m_classList.m_pHead = pState->m_pClassInit;
    pState->m_factoryList.m_pHead = pState->m_pFactoryInit;
    pState->m_pClassInit = NULL;
    pState->m_pFactoryInit = NULL;
}

// A module instance that the loader knows has a file name.
bool IsKnownModule(HMODULE hModule)
{
    char szPath[MAX_PATH];
    return hModule != NULL && ::GetModuleFileNameA(hModule, szPath, MAX_PATH) != 0;
}

}  // namespace

VORAPI BOOL WINAPI AfxDllRawEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        AFX_MODULE_STATE* pState = AfxGetModuleState();
        pState->m_pClassInit = pState->m_classList.m_pHead;
        pState->m_pFactoryInit = pState->m_factoryList.m_pHead;
        pState->m_classList.m_pHead = NULL;
        pState->m_factoryList.m_pHead = NULL;
        g_listsSetAside = true;
    }
    return TRUE;
}

VORAPI BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CRuntimeClass* pClasses = NULL;
    void* pFactories = NULL;
    // Whatever the outcome, the host gets its lists back: a failed load must
    // not leave the program's classes hidden.
    TakeBackInitialLists(pState, &pClasses, &pFactories);
    if (!IsKnownModule(hModule))
        return FALSE;
    if (state.bInitialized)
        return TRUE;  // a second attach of the same record keeps the first
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = pClasses;
    state.pFirstSharedFactory = static_cast<COleObjectFactory*>(pFactories);
    return TRUE;
}

VORAPI void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CDynLinkLibrary* pLibrary = pState->m_pLibraryList;
    while (pLibrary != NULL) {
        CDynLinkLibrary* pNext = pLibrary->m_pNextDLL;
        if (bAll || pLibrary->m_hModule == state.hModule)
            delete pLibrary;  // unchains itself
        pLibrary = pNext;
    }
    // Cleared, so that a module detached and attached again starts afresh.
    state = AFX_EXTENSION_MODULE{};
}

namespace vor::afx {

void ForgetListsSetAside()
{
    g_listsSetAside = false;
}

}  // namespace vor::afx
