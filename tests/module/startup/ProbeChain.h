// What the start-up probe prints: one line at a time, flushed at once, and
// the chain of extension libraries by module name, newest first.
#pragma once

#include <afxdll_.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace vor::probe {

inline void Say(const std::string& line)
{
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// "VORLib10" for ".../libVORLib10.so.1".
inline std::string ModuleName(HMODULE hModule)
{
    char szPath[MAX_PATH] = "";
    if (::GetModuleFileNameA(hModule, szPath, MAX_PATH) == 0)
        return "?";
    std::string name = szPath;
    const size_t slash = name.rfind('/');
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    if (name.compare(0, 3, "lib") == 0)
        name = name.substr(3);
    const size_t so = name.find(".so");
    if (so != std::string::npos)
        name = name.substr(0, so);
    return name;
}

inline std::string ChainText()
{
    std::string text;
    for (CDynLinkLibrary* p = AfxGetModuleState()->m_pLibraryList; p != NULL; p = p->m_pNextDLL)
        text += (text.empty() ? "" : " ") + ModuleName(p->m_hModule);
    return text.empty() ? "empty" : text;
}

}  // namespace vor::probe
