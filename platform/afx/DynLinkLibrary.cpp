// CDynLinkLibrary: one extension library chained into the module state.
#include "afxdll_.h"

#include "afx/ModuleInternal.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule),
      m_hResource(state.hResource),
      m_classList{state.pFirstSharedClass},
      m_factoryList{state.pFirstSharedFactory},
      m_bSystem(bSystem),
      m_pNextDLL(NULL)
{
    Chain();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule),
      m_hResource(hResource),
      m_classList{NULL},
      m_factoryList{NULL},
      m_bSystem(FALSE),
      m_pNextDLL(NULL)
{
    Chain();
}

void CDynLinkLibrary::Chain()
{
    // Newest first: a library loaded later is searched before older ones.
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    m_pNextDLL = pState->m_pLibraryList;
    pState->m_pLibraryList = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    for (CDynLinkLibrary** ppLink = &pState->m_pLibraryList; *ppLink != NULL; ppLink = &(*ppLink)->m_pNextDLL) {
        if (*ppLink == this) {
            *ppLink = m_pNextDLL;
            break;
        }
    }
    m_pNextDLL = NULL;
}

namespace vor::afx {

void DeleteLibraries(AFX_MODULE_STATE* pState)
{
    while (pState->m_pLibraryList != NULL)
        delete pState->m_pLibraryList;  // unchains itself
}

}  // namespace vor::afx
