// The module loader and resources: the program and the platform modules
// linked into it or loaded with LoadLibrary, their entry points, and the
// resource calls over their tables.
#include <dlfcn.h>
#include <link.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "gdi/codepage.h"
#include "user/module_table.h"
#include "user/resfile.h"
#include "user/user_state.h"

namespace vor::user {

// The .res bytes a module registered, and the tables built from them, one
// per code page asked for (a table once handed out stays valid).
struct CompiledSource {
    struct link_map* module = nullptr;
    const BYTE* data = nullptr;
    size_t size = 0;
    std::map<UINT, std::unique_ptr<CompiledTable>> tables;

    const VOR_RESOURCE_TABLE* TableFor(UINT codePage)
    {
        auto& t = tables[codePage];
        if (!t)
            t = std::make_unique<CompiledTable>(data, size, codePage);
        return t->Table();
    }
};

namespace {

// The registry outlives resets: the program keeps its instance and the
// table its host set, and a linked library keeps its instance.
struct Registry {
    std::vector<std::unique_ptr<ModuleRecord>> modules;  // attach order
    uint64_t nextSerial = 1;
    std::vector<std::unique_ptr<CompiledSource>> compiled;
};

Registry& Reg()
{
    // Never destroyed: the modules are detached at the very end of the
    // process, when static objects made during main may already be gone.
    static Registry* r = new Registry;
    return *r;
}

struct link_map* LinkMapOf(void* handle)
{
    struct link_map* lm = nullptr;
    if (!handle || dlinfo(handle, RTLD_DI_LINKMAP, &lm) != 0)
        return nullptr;
    return lm;
}

CompiledSource* CompiledOf(struct link_map* lm)
{
    if (!lm)
        return nullptr;
    for (auto& c : Reg().compiled)
        if (c->module == lm)
            return c.get();
    return nullptr;
}

// The table in use: the one set, the exported one, then the compiled one
// in the current code page.
void ChooseTable(ModuleRecord* m)
{
    if (m->setTable)
        m->table = m->setTable;
    else if (m->ownTable)
        m->table = m->ownTable;
    else if (m->compiled)
        m->table = m->compiled->TableFor(gdi::text::AnsiCodePageId());
    else
        m->table = nullptr;
}

ModuleRecord* Program()
{
    Registry& r = Reg();
    for (auto& m : r.modules)
        if (m->program)
            return m.get();
    auto m = std::make_unique<ModuleRecord>();
    m->program = true;
    m->serial = r.nextSerial++;
    m->instance = (HINSTANCE)(uintptr_t)0x00400000;
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n > 0) {
        buf[n] = 0;
        m->path = buf;
    }
    const char* slash = strrchr(m->path.c_str(), '/');
    m->name = slash ? slash + 1 : m->path;
    m->dl = dlopen(nullptr, RTLD_LAZY);
    m->compiled = CompiledOf(LinkMapOf(m->dl));
    ChooseTable(m.get());
    r.modules.insert(r.modules.begin(), std::move(m));
    return r.modules.front().get();
}

std::string BaseName(const std::string& path)
{
    std::string n = path;
    size_t slash = n.rfind('/');
    if (slash != std::string::npos)
        n = n.substr(slash + 1);
    if (n.compare(0, 3, "lib") == 0)
        n = n.substr(3);
    size_t so = n.find(".so");
    if (so != std::string::npos)
        n = n.substr(0, so);
    size_t dll = n.size() >= 4 ? n.size() - 4 : std::string::npos;
    if (dll != std::string::npos && strcasecmp(n.c_str() + dll, ".dll") == 0)
        n = n.substr(0, dll);
    return n;
}

// A symbol that the object itself defines (not one of its dependencies).
void* OwnSymbol(void* handle, const char* name)
{
    void* sym = dlsym(handle, name);
    if (!sym)
        return nullptr;
    Dl_info info;
    struct link_map* where = nullptr;
    if (!dladdr1(sym, &info, (void**)&where, RTLD_DL_LINKMAP) || !where)
        return nullptr;
    return where == LinkMapOf(handle) ? sym : nullptr;
}

void ReadExports(ModuleRecord* m)
{
    m->entry = (VOR_MODULE_ENTRY)OwnSymbol(m->dl, VOR_MODULE_ENTRY_SYMBOL);
    m->rawEntry = (VOR_MODULE_ENTRY)OwnSymbol(m->dl, VOR_MODULE_RAW_ENTRY_SYMBOL);
    auto res = (VOR_MODULE_RESOURCES)OwnSymbol(m->dl, VOR_MODULE_RESOURCES_SYMBOL);
    m->ownTable = res ? res() : nullptr;
    m->compiled = CompiledOf(LinkMapOf(m->dl));
    ChooseTable(m);
}

bool CallEntries(ModuleRecord* m, DWORD reason, LPVOID reserved)
{
    BOOL ok = TRUE;
    if (reason == DLL_PROCESS_ATTACH || reason == DLL_THREAD_ATTACH) {
        if (m->rawEntry)
            ok = m->rawEntry(m->instance, reason, reserved);
        if (ok && m->entry)
            ok = m->entry(m->instance, reason, reserved);
    } else {
        if (m->entry)
            ok = m->entry(m->instance, reason, reserved);
        if (m->rawEntry)
            ok = m->rawEntry(m->instance, reason, reserved) && ok;
    }
    return ok != FALSE;
}

bool Attach(ModuleRecord* m, LPVOID reserved)
{
    if (m->attached)
        return true;
    m->attached = true;
    if (!CallEntries(m, DLL_PROCESS_ATTACH, reserved)) {
        // As Windows does: a refused attach is followed by a detach.
        CallEntries(m, DLL_PROCESS_DETACH, reserved);
        m->attached = false;
        return false;
    }
    return true;
}

void Detach(ModuleRecord* m, LPVOID reserved)
{
    if (!m->attached)
        return;
    m->attached = false;
    CallEntries(m, DLL_PROCESS_DETACH, reserved);
}

ModuleRecord* FindByLinkMap(struct link_map* lm)
{
    if (!lm)
        return nullptr;
    for (auto& m : Reg().modules)
        if (!m->program && LinkMapOf(m->dl) == lm)
            return m.get();
    return nullptr;
}

ModuleRecord* NewRecord(void* dl, const std::string& path, bool linked)
{
    Registry& r = Reg();
    auto m = std::make_unique<ModuleRecord>();
    m->serial = r.nextSerial++;
    m->instance = (HINSTANCE)(uintptr_t)(0x10000000ull + m->serial * 0x10000ull);
    m->dl = dl;
    m->path = path;
    m->name = BaseName(path);
    m->linked = linked;
    ReadExports(m.get());
    r.modules.push_back(std::move(m));
    return r.modules.back().get();
}

int LinkedCallback(struct dl_phdr_info* info, size_t, void* data)
{
    auto* names = (std::vector<std::string>*)data;
    if (info->dlpi_name && *info->dlpi_name)
        names->push_back(info->dlpi_name);
    return 0;
}

// The names an object asks the dynamic linker for (its DT_NEEDED entries).
std::vector<std::string> NeededNames(const struct link_map* lm)
{
    std::vector<std::string> names;
    if (!lm || !lm->l_ld)
        return names;
    ElfW(Addr) strtab = 0;
    for (const ElfW(Dyn)* d = lm->l_ld; d->d_tag != DT_NULL; ++d)
        if (d->d_tag == DT_STRTAB)
            strtab = d->d_un.d_ptr;
    if (!strtab)
        return names;
    // Some systems keep the dynamic section as linked (offsets), others
    // relocate it in place (addresses).
    if (strtab < lm->l_addr)
        strtab += lm->l_addr;
    for (const ElfW(Dyn)* d = lm->l_ld; d->d_tag != DT_NULL; ++d)
        if (d->d_tag == DT_NEEDED)
            names.push_back((const char*)(strtab + d->d_un.d_val));
    return names;
}

// Depth first through what each object needs, so that an object comes after
// everything it needs: the order in which a loader initialises them.
void VisitNeeded(struct link_map* lm, std::vector<struct link_map*>& seen, std::vector<std::string>& order)
{
    if (!lm || std::find(seen.begin(), seen.end(), lm) != seen.end())
        return;
    seen.push_back(lm);
    for (const std::string& name : NeededNames(lm)) {
        void* dl = dlopen(name.c_str(), RTLD_LAZY | RTLD_NOLOAD);
        if (!dl)
            continue;
        VisitNeeded(LinkMapOf(dl), seen, order);
        dlclose(dl);
    }
    if (lm->l_name && *lm->l_name)
        order.push_back(lm->l_name);
}

// The libraries in the process when the platform starts, each after the
// libraries it needs; what the program does not need (preloaded, or opened
// by other means) follows in the order it was loaded.
std::vector<std::string> LinkedInDependencyOrder()
{
    std::vector<struct link_map*> seen;
    std::vector<std::string> order;
    void* self = dlopen(nullptr, RTLD_LAZY);
    VisitNeeded(LinkMapOf(self), seen, order);
    if (self)
        dlclose(self);
    std::vector<std::string> loaded;
    dl_iterate_phdr(LinkedCallback, &loaded);
    for (const std::string& path : loaded)
        if (std::find(order.begin(), order.end(), path) == order.end())
            order.push_back(path);
    return order;
}

bool NameMatches(const ModuleRecord* m, LPCSTR want)
{
    std::string w = BaseName(want);
    return strcasecmp(m->name.c_str(), w.c_str()) == 0;
}

bool SameName(LPCSTR a, LPCSTR b)
{
    if (IS_INTRESOURCE(a) || IS_INTRESOURCE(b))
        return a == b;
    return strcasecmp(a, b) == 0;
}

HRSRC MakeHrsrc(const ModuleRecord* m, int index)
{
    return (HRSRC)(uintptr_t)((m->serial << 32) | (uint64_t)(index + 1));
}

bool DecodeHrsrc(HRSRC h, ModuleRecord** mod, int* index)
{
    uint64_t v = (uint64_t)(uintptr_t)h;
    uint64_t serial = v >> 32;
    int idx = (int)(v & 0xFFFFFFFF) - 1;
    for (auto& m : Reg().modules)
        if (m->serial == serial && m->table && idx >= 0 && (DWORD)idx < m->table->count) {
            *mod = m.get();
            *index = idx;
            return true;
        }
    return false;
}

}  // namespace

ModuleRecord* ModuleOf(HINSTANCE h)
{
    ModuleRecord* found = nullptr;
    if (!h)
        found = Program();
    Program();
    for (auto& m : Reg().modules)
        if (!found && m->instance == h)
            found = m.get();
    if (found) {
        if (found->compiled)
            ChooseTable(found);  // the code page may have changed
        return found;
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

int FindEntry(const ModuleRecord* m, LPCSTR type, LPCSTR name, WORD language)
{
    if (!m || !m->table || !m->table->entries || !type || !name)
        return -1;
    int best = -1, bestRank = 99;
    for (DWORD i = 0; i < m->table->count; ++i) {
        const VOR_RESOURCE& e = m->table->entries[i];
        if (!e.type || !e.name || !SameName(e.type, type) || !SameName(e.name, name))
            continue;
        int rank;
        if (language && e.language == language)
            rank = 0;
        else if (PRIMARYLANGID(e.language) == LANG_NEUTRAL)
            rank = 1;
        else if (language && PRIMARYLANGID(e.language) == PRIMARYLANGID(language))
            rank = 2;
        else
            rank = 3;
        if (rank < bestRank) {
            best = (int)i;
            bestRank = rank;
        }
    }
    return best;
}

void AttachLinkedModules()
{
    Program();
    // The libraries loaded with the program, as found at the first start;
    // what was opened later by other means is not linked into the program.
    static std::vector<std::string> names;
    static bool scanned = false;
    if (!scanned) {
        scanned = true;
        names = LinkedInDependencyOrder();
    }
    for (const std::string& path : names) {
        void* dl = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
        if (!dl)
            continue;
        ModuleRecord* m = FindByLinkMap(LinkMapOf(dl));
        if (m) {
            dlclose(dl);
            if (!m->linked)
                continue;  // loaded with LoadLibrary earlier
        } else {
            if (!OwnSymbol(dl, VOR_MODULE_ENTRY_SYMBOL) && !OwnSymbol(dl, VOR_MODULE_RAW_ENTRY_SYMBOL) &&
                !OwnSymbol(dl, VOR_MODULE_RESOURCES_SYMBOL)) {
                dlclose(dl);
                continue;
            }
            m = NewRecord(dl, path, true);
        }
        ReadExports(m);
        Attach(m, (LPVOID)1);
    }
}

void DetachModulesAtProcessEnd()
{
    Registry& r = Reg();
    // Last attached first; a non-NULL reserved pointer tells the entry that
    // the process is ending.
    for (auto it = r.modules.rbegin(); it != r.modules.rend(); ++it)
        if (!(*it)->program)
            Detach(it->get(), (LPVOID)1);
}

void DetachAllModules()
{
    Registry& r = Reg();
    DetachModulesAtProcessEnd();
    // Libraries loaded at run time are gone with the process.
    std::vector<std::unique_ptr<ModuleRecord>> keep;
    for (auto& m : r.modules) {
        if (m->program || m->linked) {
            m->loadCount = 0;
            keep.push_back(std::move(m));
        } else {
            if (m->dl)
                dlclose(m->dl);
        }
    }
    r.modules = std::move(keep);
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI BOOL VorSetModuleResources(HINSTANCE hInstance, const VOR_RESOURCE_TABLE* table)
{
    ModuleRecord* m = ModuleOf(hInstance);
    if (!m) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    m->setTable = table;
    ChooseTable(m);
    return TRUE;
}

VORAPI BOOL VorRegisterCompiledResources(const void* anchor, const void* data, DWORD size)
{
    Dl_info info;
    struct link_map* lm = nullptr;
    if (!anchor || !data || !dladdr1(anchor, &info, (void**)&lm, RTLD_DL_LINKMAP) || !lm) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Registry& r = Reg();
    CompiledSource* c = CompiledOf(lm);
    if (!c) {
        r.compiled.push_back(std::make_unique<CompiledSource>());
        c = r.compiled.back().get();
        c->module = lm;
    }
    c->data = (const BYTE*)data;
    c->size = size;
    c->tables.clear();
    for (auto& m : r.modules)
        if (LinkMapOf(m->dl) == lm) {
            m->compiled = c;
            ChooseTable(m.get());
        }
    return TRUE;
}

VORAPI void VorUnregisterCompiledResources(const void* anchor)
{
    Dl_info info;
    struct link_map* lm = nullptr;
    if (!anchor || !dladdr1(anchor, &info, (void**)&lm, RTLD_DL_LINKMAP) || !lm)
        return;
    Registry& r = Reg();
    CompiledSource* c = CompiledOf(lm);
    if (!c)
        return;
    for (auto& m : r.modules)
        if (m->compiled == c) {
            m->compiled = nullptr;
            ChooseTable(m.get());
        }
    r.compiled.erase(std::remove_if(r.compiled.begin(), r.compiled.end(),
                                    [&](const std::unique_ptr<CompiledSource>& p) { return p.get() == c; }),
                     r.compiled.end());
}

VORAPI LPCSTR VorVersionString(const VOR_VERSION_INFO* info, LPCSTR key)
{
    if (!info || !key || !info->strings)
        return nullptr;
    for (DWORD i = 0; i < info->stringCount; ++i)
        if (info->strings[i].key && strcasecmp(info->strings[i].key, key) == 0)
            return info->strings[i].value;
    return nullptr;
}

VORAPI HMODULE WINAPI GetModuleHandleA(LPCSTR name)
{
    if (!name)
        return Program()->instance;
    Program();
    for (auto& m : Reg().modules)
        if (!m->program && NameMatches(m.get(), name))
            return m->instance;
    if (NameMatches(Program(), name))
        return Program()->instance;
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

VORAPI DWORD WINAPI GetModuleFileNameA(HMODULE h, LPSTR buf, DWORD n)
{
    ModuleRecord* m = ModuleOf(h);
    if (!m || !buf || n == 0)
        return 0;
    std::string path = m->path;
    if (!path.empty() && path[0] != '/') {
        if (struct link_map* lm = LinkMapOf(m->dl))
            if (lm->l_name && *lm->l_name)
                path = lm->l_name;
    }
    DWORD len = (DWORD)path.size();
    if (len >= n) {
        memcpy(buf, path.data(), n - 1);
        buf[n - 1] = 0;
        SetLastError(122L);  // ERROR_INSUFFICIENT_BUFFER
        return n;
    }
    memcpy(buf, path.data(), len + 1);
    return len;
}

VORAPI HMODULE WINAPI LoadLibraryA(LPCSTR name)
{
    S();
    if (!name || !*name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Program();
    // A module already in the process: only its count grows.
    if (!strchr(name, '/'))
        for (auto& m : Reg().modules)
            if (!m->program && NameMatches(m.get(), name)) {
                m->loadCount++;
                return m->instance;
            }
    void* dl = nullptr;
    std::string path;
    if (strchr(name, '/')) {
        path = name;
        dl = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    } else {
        path = "lib" + BaseName(name) + ".so";
        dl = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!dl) {
            path = name;
            dl = dlopen(name, RTLD_NOW | RTLD_LOCAL);
        }
    }
    if (!dl) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    if (ModuleRecord* known = FindByLinkMap(LinkMapOf(dl))) {
        dlclose(dl);
        known->loadCount++;
        return known->instance;
    }
    if (struct link_map* lm = LinkMapOf(dl))
        if (lm->l_name && *lm->l_name)
            path = lm->l_name;
    ModuleRecord* m = NewRecord(dl, path, false);
    m->loadCount = 1;
    if (!Attach(m, nullptr)) {
        auto& v = Reg().modules;
        v.erase(std::remove_if(v.begin(), v.end(), [&](const std::unique_ptr<ModuleRecord>& p) { return p.get() == m; }),
                v.end());
        dlclose(dl);
        SetLastError(ERROR_DLL_INIT_FAILED);
        return nullptr;
    }
    return m->instance;
}

VORAPI BOOL WINAPI FreeLibrary(HMODULE h)
{
    if (!h) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    ModuleRecord* m = ModuleOf(h);
    if (!m || m->program) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (m->loadCount <= 0) {
        // A linked module stays for the life of the process.
        return m->linked ? TRUE : FALSE;
    }
    if (--m->loadCount > 0 || m->linked)
        return TRUE;
    Detach(m, nullptr);
    void* dl = m->dl;
    auto& v = Reg().modules;
    v.erase(std::remove_if(v.begin(), v.end(), [&](const std::unique_ptr<ModuleRecord>& p) { return p.get() == m; }),
            v.end());
    if (dl)
        dlclose(dl);
    return TRUE;
}

VORAPI FARPROC WINAPI GetProcAddress(HMODULE h, LPCSTR name)
{
    ModuleRecord* m = ModuleOf(h);
    if (!m || !name || IS_INTRESOURCE(name) || !m->dl) {
        SetLastError(127L);  // ERROR_PROC_NOT_FOUND
        return nullptr;
    }
    void* sym = m->program ? dlsym(m->dl, name) : OwnSymbol(m->dl, name);
    if (!sym) {
        SetLastError(127L);
        return nullptr;
    }
    return (FARPROC)sym;
}

VORAPI BOOL WINAPI DisableThreadLibraryCalls(HMODULE h)
{
    ModuleRecord* m = ModuleOf(h);
    if (!m || m->program) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    m->threadCalls = false;
    return TRUE;
}

VORAPI HRSRC WINAPI FindResourceExA(HMODULE h, LPCSTR type, LPCSTR name, WORD lang)
{
    ModuleRecord* m = ModuleOf(h);
    if (!m) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!type || !name) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    int idx = -1;
    if (type == RT_STRING && IS_INTRESOURCE(name) && m->table) {
        // A string resource is found by its block of sixteen, as on Windows.
        WORD block = (WORD)(ULONG_PTR)name;
        int bestRank = 99;
        for (DWORD i = 0; i < m->table->count; ++i) {
            const VOR_RESOURCE& e = m->table->entries[i];
            if (e.type != RT_STRING || !IS_INTRESOURCE(e.name))
                continue;
            WORD id = (WORD)(ULONG_PTR)e.name;
            if ((WORD)((id >> 4) + 1) != block)
                continue;
            int rank = (lang && e.language == lang) ? 0 : PRIMARYLANGID(e.language) == LANG_NEUTRAL ? 1 : 2;
            if (rank < bestRank) {
                bestRank = rank;
                idx = (int)i;
            }
        }
    } else {
        idx = FindEntry(m, type, name, lang);
    }
    if (idx < 0) {
        bool anyOfType = false;
        if (m->table)
            for (DWORD i = 0; i < m->table->count; ++i)
                if (m->table->entries[i].type && SameName(m->table->entries[i].type, type))
                    anyOfType = true;
        SetLastError(anyOfType ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    return MakeHrsrc(m, idx);
}

VORAPI HRSRC WINAPI FindResourceA(HMODULE h, LPCSTR name, LPCSTR type)
{
    return FindResourceExA(h, type, name, 0);
}

VORAPI HGLOBAL WINAPI LoadResource(HMODULE h, HRSRC res)
{
    ModuleRecord* m = nullptr;
    int idx = -1;
    if (!res || !DecodeHrsrc(res, &m, &idx)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (h && ModuleOf(h) != m) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return (HGLOBAL)m->table->entries[idx].data;
}

VORAPI LPVOID WINAPI LockResource(HGLOBAL h)
{
    // Resource data is constant memory of its module, already in place.
    return h;
}

VORAPI BOOL WINAPI FreeResource(HGLOBAL)
{
    return FALSE;
}

VORAPI DWORD WINAPI SizeofResource(HMODULE h, HRSRC res)
{
    ModuleRecord* m = nullptr;
    int idx = -1;
    if (!res || !DecodeHrsrc(res, &m, &idx)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return m->table->entries[idx].size;
}

VORAPI int WINAPI LoadStringA(HINSTANCE h, UINT id, LPSTR buf, int n)
{
    if (!buf) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ModuleRecord* m = ModuleOf(h);
    int idx = m ? FindEntry(m, RT_STRING, MAKEINTRESOURCEA(id), 0) : -1;
    const char* text = idx >= 0 ? (const char*)m->table->entries[idx].data : nullptr;
    if (n == 0) {
        // The text itself, read-only, and its length.
        *(const char**)buf = text;
        return text ? (int)strlen(text) : 0;
    }
    if (n < 0)
        return 0;
    buf[0] = 0;
    if (!text) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    lstrcpynA(buf, text, n);
    return lstrlenA(buf);
}

}  // extern "C"
