// A tiny platform module for the loader tests: it records the entry calls
// it receives, and refuses to attach when built with VOR_TEST_MODULE_REFUSE.
#include <string>

#include "vorresource.h"

namespace {
std::string g_log;
const char kText[] = "from the module";
const VOR_RESOURCE kEntries[] = {
    {RT_STRING, MAKEINTRESOURCEA(5), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), kText, sizeof(kText)},
};
const VOR_RESOURCE_TABLE kTable = {kEntries, 1};
}  // namespace

extern "C" VORAPI BOOL VorModuleRawEntry(HINSTANCE, DWORD reason, LPVOID)
{
    g_log += "raw" + std::to_string(reason) + " ";
    return TRUE;
}

extern "C" VORAPI BOOL VorModuleEntry(HINSTANCE, DWORD reason, LPVOID)
{
    g_log += "entry" + std::to_string(reason) + " ";
#ifdef VOR_TEST_MODULE_REFUSE
    return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
#else
    return TRUE;
#endif
}

extern "C" VORAPI const VOR_RESOURCE_TABLE* VorModuleResources(void)
{
    return &kTable;
}

// The calls received so far, for the test.
extern "C" VORAPI const char* VorTestModuleLog(void)
{
    return g_log.c_str();
}
