// The framework's module state: what each module (the program, an extension
// library) contributes to the running application. Included by afxwin.h.
#pragma once

#include "afx.h"

class CWinApp;
class CDynLinkLibrary;
struct CRuntimeClass;

// A singly linked list whose head lives in the module state; classes and
// factories registered by a module are chained through their own next field.
struct AFX_CLASS_LIST_HEAD {
    CRuntimeClass* m_pHead;
};
struct AFX_FACTORY_LIST_HEAD {
    void* m_pHead;
};

struct AFX_MODULE_STATE {
    CWinApp* m_pCurrentWinApp;
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
    LPCSTR m_lpszCurrentAppName;
    BOOL m_bDLL;     // the state of a library rather than of the program
    BOOL m_bSystem;  // the framework's own module

    // Runtime classes and class factories of this module, and the lists
    // that a library's raw entry set aside before its own registration.
    AFX_CLASS_LIST_HEAD m_classList;
    AFX_FACTORY_LIST_HEAD m_factoryList;
    CRuntimeClass* m_pClassInit;
    void* m_pFactoryInit;

    // Extension libraries chained into the application, newest first:
    // AfxFindResourceHandle searches them, then the program.
    CDynLinkLibrary* m_pLibraryList;
};

// The state of the module that is current (there is one program state; the
// platform's module loader switches nothing, as a single-module MFC
// application with extension DLLs shares the program's state).
VORAPI AFX_MODULE_STATE* AfxGetModuleState();
