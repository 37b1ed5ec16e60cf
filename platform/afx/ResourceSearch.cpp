// AfxFindResourceHandle: which module holds a resource.
#include "afxdll_.h"

namespace {

bool Holds(HINSTANCE hModule, LPCTSTR lpszName, LPCTSTR lpszType)
{
    return hModule != NULL && ::FindResourceA(hModule, lpszName, lpszType) != NULL;
}

// The first library of the chain (newest first) of the given kind that
// holds the resource.
HINSTANCE SearchLibraries(AFX_MODULE_STATE* pState, BOOL bSystem, LPCTSTR lpszName, LPCTSTR lpszType)
{
    for (CDynLinkLibrary* p = pState->m_pLibraryList; p != NULL; p = p->m_pNextDLL) {
        if ((p->m_bSystem != FALSE) == (bSystem != FALSE) && Holds(p->m_hResource, lpszName, lpszType))
            return p->m_hResource;
    }
    return NULL;
}

}  // namespace

// The current resource handle first (AfxGetResourceHandle: the program's,
// unless the host set another), then the extension libraries newest first,
// then the framework's own libraries; when no module holds the resource,
// the current resource handle, so that the caller's load fails there.
VORAPI HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    HINSTANCE hCurrent = AfxGetResourceHandle();
    if (lpszName == NULL || lpszType == NULL)
        return hCurrent;
    if (!pState->m_bSystem && Holds(hCurrent, lpszName, lpszType))
        return hCurrent;
    if (HINSTANCE h = SearchLibraries(pState, FALSE, lpszName, lpszType))
        return h;
    if (pState->m_bSystem && Holds(hCurrent, lpszName, lpszType))
        return hCurrent;
    if (HINSTANCE h = SearchLibraries(pState, TRUE, lpszName, lpszType))
        return h;
    return hCurrent;
}
