// The module registry behind HINSTANCE / HMODULE: the program and every
// platform module loaded into it, with their resource tables. Nothing here
// is exported.
#pragma once

#include <cstdint>
#include <string>

#include "vorresource.h"

namespace vor::user {

struct CompiledSource;

struct ModuleRecord {
    HINSTANCE instance = nullptr;
    uint64_t serial = 0;  // never reused; part of every HRSRC of the module
    std::string path;
    std::string name;  // the file name without "lib", ".so" and version
    void* dl = nullptr;
    bool program = false;
    bool linked = false;    // linked into the program, attached at start-up
    bool attached = false;
    int loadCount = 0;      // LoadLibrary calls not yet freed
    bool threadCalls = true;
    VOR_MODULE_ENTRY entry = nullptr;
    VOR_MODULE_ENTRY rawEntry = nullptr;
    const VOR_RESOURCE_TABLE* ownTable = nullptr;  // from VorModuleResources
    const VOR_RESOURCE_TABLE* setTable = nullptr;  // from VorSetModuleResources
    CompiledSource* compiled = nullptr;            // from VorRegisterCompiledResources
    const VOR_RESOURCE_TABLE* table = nullptr;     // the one in use
};

// The module of an instance handle; NULL is the program. nullptr (with
// ERROR_INVALID_HANDLE / ERROR_MOD_NOT_FOUND set) for an unknown handle.
ModuleRecord* ModuleOf(HINSTANCE hInstance);
// The index of the table entry of a type and name, preferring the language
// asked for (0: any), then neutral entries, then the same primary
// language, then any language; -1 when there is none.
int FindEntry(const ModuleRecord* m, LPCSTR type, LPCSTR name, WORD language);

}  // namespace vor::user
