// Included by exactly one source file of an extension library: defines the
// library's raw entry, which the platform's loader calls before the
// library's own VorModuleEntry at attach (and after it at detach), and
// brings in the extension-module support (AFX_EXTENSION_MODULE,
// CDynLinkLibrary, AfxInitExtensionModule, AfxTermExtensionModule).
#pragma once

#include "afxdll_.h"
#include "vorresource.h"

extern "C" VORAPI BOOL VorModuleRawEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    return AfxDllRawEntry(hInstance, dwReason, lpReserved);
}
