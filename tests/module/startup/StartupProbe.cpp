// A host written as for Windows, linked with two extension libraries of its
// own (a base that needs only the platform, and an extension that needs
// VORLib10) and with VORLib10. Its first call into the platform loads
// VORLib10's splitter cursor; its output, read by the start-up test, shows
// what ran before main and what runs at the end of the process.
#include <afxwin.h>

#include <string>

#include "ProbeChain.h"

extern "C" int VorStartupProbeBase(void);
extern "C" int VorStartupProbeExtension(void);

namespace {

// A host's static object, constructed before main and destroyed after it.
struct HostStatic {
    HostStatic() { vor::probe::Say("host static constructed"); }
    ~HostStatic() { vor::probe::Say("host static destroyed"); }
} g_hostStatic;

}  // namespace

int main()
{
    vor::probe::Say("main");
    const HCURSOR hCursor =
        ::LoadCursorA(AfxFindResourceHandle(MAKEINTRESOURCE(118), RT_GROUP_CURSOR), MAKEINTRESOURCE(118));
    const HMODULE hLibrary = ::GetModuleHandleA("VORLib10");
    vor::probe::Say(std::string("main: cursor 118 ") + (hCursor != NULL ? "loaded" : "missing") + ", VORLib10 " +
                    (hLibrary != NULL ? "found" : "missing") + ", chain " + vor::probe::ChainText());
    return VorStartupProbeBase() == 1 && VorStartupProbeExtension() == 1 ? 0 : 1;
}
