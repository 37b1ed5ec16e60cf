// A tiny platform module for the loader tests: it records the entry calls
// it receives, and refuses to attach when built with VOR_TEST_MODULE_REFUSE.
// Built with VOR_TEST_MODULE_COMPILED it exports no table: its resources come
// from its compiled resource script.
// A linked module is attached before its own initialisers run, so the
// record is a plain array, zero at load.
#include <cstdio>
#include <cstring>

#include "vorresource.h"

namespace {
char g_log[4096];

void Log(const char* what, DWORD reason)
{
    size_t used = strlen(g_log);
    snprintf(g_log + used, sizeof(g_log) - used, "%s%lu ", what, (unsigned long)reason);
}
const char kText[] = "from the module";
const VOR_RESOURCE kEntries[] = {
    {RT_STRING, MAKEINTRESOURCEA(5), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), kText, sizeof(kText)},
};
const VOR_RESOURCE_TABLE kTable = {kEntries, 1};
}  // namespace

extern "C" VORAPI BOOL VorModuleRawEntry(HINSTANCE, DWORD reason, LPVOID)
{
    Log("raw", reason);
    return TRUE;
}

extern "C" VORAPI BOOL VorModuleEntry(HINSTANCE, DWORD reason, LPVOID)
{
    Log("entry", reason);
#ifdef VOR_TEST_MODULE_REFUSE
    return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
#else
    return TRUE;
#endif
}

#ifndef VOR_TEST_MODULE_COMPILED
extern "C" VORAPI const VOR_RESOURCE_TABLE* VorModuleResources(void)
{
    return &kTable;
}
#else
// Keeps the table used, as the other builds use it.
extern "C" VORAPI DWORD VorTestModuleTableSize(void)
{
    return kTable.count;
}
#endif

// The calls received so far, for the test.
extern "C" VORAPI const char* VorTestModuleLog(void)
{
    return g_log;
}
