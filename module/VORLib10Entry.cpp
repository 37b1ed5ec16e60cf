// The VORLib10 module's entry: the library joins the host's framework as an
// extension module at attach and leaves it at detach.
#include <afxdllx.h>

#include <new>

namespace {

// Zero at load (no constructor runs); filled by AfxInitExtensionModule.
AFX_EXTENSION_MODULE g_VORLib10Module = {};

}  // namespace

extern "C" VORAPI BOOL VorModuleEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH: {
        if (!AfxInitExtensionModule(g_VORLib10Module, hInstance))
            return 0;
        // Chains itself into the host's resource and class search; the
        // framework owns it from here and deletes it at detach.
        CDynLinkLibrary* pLibrary = new (std::nothrow) CDynLinkLibrary(g_VORLib10Module, FALSE);
        (void)pLibrary;
        return 1;
    }
    case DLL_PROCESS_DETACH:
        AfxTermExtensionModule(g_VORLib10Module, FALSE);
        return 1;
    default:
        // Thread attach and detach: the library keeps no per-thread state.
        return 1;
    }
}
