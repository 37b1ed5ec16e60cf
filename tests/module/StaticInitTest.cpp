// Nothing of the library runs before its entry: the shared object's table
// of static initialisers holds only the toolchain's own frame_dummy.
#include <gtest/gtest.h>

#include <elf.h>
#include <link.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct LoadedObject {
    std::string strPath;
    ElfW(Addr) base = 0;
};

int FindLibrary(struct dl_phdr_info* info, size_t, void* data)
{
    auto* pObject = static_cast<LoadedObject*>(data);
    if (info->dlpi_name != nullptr && std::strstr(info->dlpi_name, "libVORLib10.so") != nullptr) {
        pObject->strPath = info->dlpi_name;
        pObject->base = info->dlpi_addr;
        return 1;
    }
    return 0;
}

struct InitTable {
    std::vector<std::string> names;  // one per entry: its symbol, or its address when it has none
    bool bFound = false;
    std::string strError;
};

// Reads the file's section headers for .init_array and .symtab; the
// entries themselves are read from the mapped, relocated image.
InitTable ReadInitTable(const LoadedObject& object)
{
    InitTable table;
    std::ifstream in(object.strPath, std::ios::binary);
    std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.size() < sizeof(ElfW(Ehdr))) {
        table.strError = "cannot read " + object.strPath;
        return table;
    }
    const auto* ehdr = reinterpret_cast<const ElfW(Ehdr)*>(file.data());
    if (std::memcmp(ehdr->e_ident, ELFMAG, SELFMAG) != 0 || ehdr->e_shoff == 0 ||
        ehdr->e_shoff + (size_t)ehdr->e_shnum * sizeof(ElfW(Shdr)) > file.size()) {
        table.strError = "not an ELF file with section headers: " + object.strPath;
        return table;
    }
    const auto* shdrs = reinterpret_cast<const ElfW(Shdr)*>(file.data() + ehdr->e_shoff);
    const ElfW(Shdr)& shstr = shdrs[ehdr->e_shstrndx];
    const ElfW(Shdr)* pInit = nullptr;
    const ElfW(Shdr)* pSymtab = nullptr;
    for (int i = 0; i < ehdr->e_shnum; ++i) {
        const char* pszName = file.data() + shstr.sh_offset + shdrs[i].sh_name;
        if (std::strcmp(pszName, ".init_array") == 0)
            pInit = &shdrs[i];
        if (shdrs[i].sh_type == SHT_SYMTAB)
            pSymtab = &shdrs[i];
    }
    table.bFound = true;
    if (pInit == nullptr)
        return table;  // no table at all
    const auto* entries = reinterpret_cast<const ElfW(Addr)*>(object.base + pInit->sh_addr);
    const size_t count = pInit->sh_size / sizeof(ElfW(Addr));
    for (size_t i = 0; i < count; ++i) {
        const ElfW(Addr) offset = entries[i] - object.base;
        std::string strName;
        if (pSymtab != nullptr) {
            const auto* syms = reinterpret_cast<const ElfW(Sym)*>(file.data() + pSymtab->sh_offset);
            const char* strtab = file.data() + shdrs[pSymtab->sh_link].sh_offset;
            for (size_t s = 0; s < pSymtab->sh_size / sizeof(ElfW(Sym)); ++s) {
                if (ELF64_ST_TYPE(syms[s].st_info) == STT_FUNC && syms[s].st_value == offset) {
                    strName = strtab + syms[s].st_name;
                    break;
                }
            }
        }
        if (strName.empty()) {
            char sz[32];
            std::snprintf(sz, sizeof sz, "0x%llx", (unsigned long long)offset);
            strName = sz;
        }
        table.names.push_back(strName);
    }
    return table;
}

// The toolchain's own entries: crtbegin's frame_dummy, and in a sanitizer
// build the instrumentation's module constructors (priority 99).
bool IsToolchainEntry(const std::string& strName)
{
    if (strName == "frame_dummy")
        return true;
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
    if (strName.rfind("_sub_I_00099_", 0) == 0)
        return true;
#endif
    return false;
}

TEST(ModuleStaticInit, LibraryHasNoStaticInitialisers)
{
    LoadedObject object;
    dl_iterate_phdr(&FindLibrary, &object);
    ASSERT_FALSE(object.strPath.empty()) << "libVORLib10.so is not loaded into the test program";

    InitTable table = ReadInitTable(object);
    ASSERT_TRUE(table.bFound) << table.strError;
    std::string strList;
    for (const std::string& s : table.names)
        strList += "  " + s + "\n";
    int nFrameDummy = 0;
    for (const std::string& s : table.names) {
        EXPECT_TRUE(IsToolchainEntry(s)) << "a static initialiser of the library: " << s << "\nall entries:\n"
                                         << strList;
        nFrameDummy += s == "frame_dummy";
    }
    EXPECT_LE(nFrameDummy, 1);
}

}  // namespace
