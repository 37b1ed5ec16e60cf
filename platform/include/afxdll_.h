// Extension-module support of the framework: the record an extension
// library keeps of itself, the library objects chained into the module
// state, and the calls that create and remove them.
#pragma once

#include "afxwin.h"

// The platform has no class factories; the factory lists are kept so that a
// module's start-up reads as it would elsewhere, and stay empty.
class COleObjectFactory;

// What an extension library knows of itself: zero at load, filled by
// AfxInitExtensionModule, used again (and cleared) by AfxTermExtensionModule.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    COleObjectFactory* pFirstSharedFactory;
};

// One extension library chained into the application: a source of
// resources for AfxFindResourceHandle and of run-time classes. Created on
// the heap by the library's entry; once chained, the framework owns it
// (AfxTermExtensionModule deletes it).
class VORAPI CDynLinkLibrary : public CCmdTarget {
    DECLARE_DYNAMIC(CDynLinkLibrary)

public:
    // Chains itself at the head of the module state's library list.
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    // A library that shares resources without a record of its own.
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    // Unchains itself.
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;                  // where its resources are searched
    AFX_CLASS_LIST_HEAD m_classList;      // the classes the library registered
    AFX_FACTORY_LIST_HEAD m_factoryList;  // its class factories (none here)
    BOOL m_bSystem;                       // the framework's own library: searched last
    CDynLinkLibrary* m_pNextDLL;          // the next older library of the chain

private:
    void Chain();
};

// Fills the record from the module and takes back the class and factory
// lists that the raw entry set aside. Fails (FALSE) for a NULL instance and
// for one that the platform's loader does not know; the record is then left
// as it was and the lists are restored.
VORAPI BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);

// Deletes the CDynLinkLibrary objects of the record's module (of every
// module when bAll is TRUE) and clears the record. Does nothing for a record
// that was never initialised.
VORAPI void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// The framework's raw entry of an extension library, called before the
// library's own entry: at process attach it sets the module state's class
// and factory lists aside (into the slots for the initial lists) and empties
// them, so that what the library registers is held apart from the host's.
// Always TRUE.
VORAPI BOOL WINAPI AfxDllRawEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);
