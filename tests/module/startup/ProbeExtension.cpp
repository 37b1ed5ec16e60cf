// The start-up probe's own extension libraries, built from this one source:
// the extension proper uses VORLib10, the base (VOR_PROBE_BASE) needs only
// the platform. Each entry says what it sees, so that the probe's output
// tells when, and after which other module, the loader attaches and
// detaches it.
#include <afxdllx.h>

#ifndef VOR_PROBE_BASE
#include <VORFunction.h>
#endif

#include "ProbeChain.h"

namespace {

// Zero at load: the entry runs before any initialiser of this library.
AFX_EXTENSION_MODULE g_probeModule = {};

}  // namespace

extern "C" VORAPI BOOL VorModuleEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    const std::string strName = vor::probe::ModuleName(hInstance);
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        vor::probe::Say(strName + " attach: chain " + vor::probe::ChainText());
        if (!AfxInitExtensionModule(g_probeModule, hInstance))
            return 0;
        new CDynLinkLibrary(g_probeModule, FALSE);
        return 1;
    case DLL_PROCESS_DETACH:
        vor::probe::Say(strName + " detach: " + (lpReserved != NULL ? "process end" : "unload") + ", chain " +
                        vor::probe::ChainText());
        AfxTermExtensionModule(g_probeModule, FALSE);
        return 1;
    default:
        return 1;
    }
}

// What the program calls, so that it asks for this library.
#ifdef VOR_PROBE_BASE
extern "C" VORAPI int VorStartupProbeBase(void)
{
    return 1;
}
#else
extern "C" VORAPI int VorStartupProbeExtension(void)
{
    return CVORFunction::IsInputNum("12");
}
#endif
