// Modules and their resources.
//
// A module is the program or a shared library. Each has an instance handle
// (HINSTANCE, also its HMODULE) and a resource table built in code: an array
// of constant entries, so that no static initialiser runs before the module
// entry.
//
// How a shared library declares itself a platform module
// ------------------------------------------------------
// It exports, with C linkage and default visibility, any of these:
//
//   extern "C" VORAPI BOOL VorModuleEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);
//       The module entry, with the signature and reasons of a Win32 DllMain
//       (DLL_PROCESS_ATTACH / DETACH, DLL_THREAD_ATTACH / DETACH). A FALSE
//       answer to DLL_PROCESS_ATTACH fails the load.
//   extern "C" VORAPI BOOL VorModuleRawEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);
//       Optional: run before VorModuleEntry on attach and after it on
//       detach (the framework's raw entry). A FALSE answer fails the load.
//   extern "C" VORAPI const VOR_RESOURCE_TABLE* VorModuleResources(void);
//       Optional: the module's resources.
//
// The names are VOR_MODULE_ENTRY_SYMBOL, VOR_MODULE_RAW_ENTRY_SYMBOL and
// VOR_MODULE_RESOURCES_SYMBOL below. A library counts as a module when it
// defines at least one of them itself (a definition reached through one of
// its own dependencies does not count).
//
// Loading. A library that the program links directly is attached when the
// platform starts (the first platform call that needs it), in the order the
// dynamic loader loaded the libraries, and detached again at every
// VorPlatformReset, after which it is attached afresh (each reset is a
// fresh process). LoadLibraryA attaches a library loaded at run time on its
// first load and FreeLibrary detaches it on its last release. The program
// itself is a module whose entry is not called: GetModuleHandleA(NULL) is
// its instance, and a host hands its table over with VorSetModuleResources.
//
// Resource data formats (the `data` of an entry)
// ----------------------------------------------
//   RT_GROUP_CURSOR, RT_GROUP_ICON   VOR_RESOURCE_GROUP: the ids of the
//                                    RT_CURSOR / RT_ICON entries it holds
//   RT_CURSOR                        VOR_CURSOR_IMAGE (monochrome)
//   RT_ICON                          VOR_ICON_IMAGE (32-bit ARGB and AND mask)
//   RT_STRING                        the text, NUL-terminated, 8-bit in the
//                                    module's code page; the entry's name is
//                                    the string id (not the Win32 block)
//   RT_VERSION                       VOR_VERSION_INFO
//   RT_BITMAP                        VOR_BITMAP_IMAGE
//   anything else                    raw bytes
// `size` is the byte count of the data (sizeof the record for the record
// formats, the text length plus one for strings).
#pragma once

#include "windows.h"

#define VOR_MODULE_ENTRY_SYMBOL "VorModuleEntry"
#define VOR_MODULE_RAW_ENTRY_SYMBOL "VorModuleRawEntry"
#define VOR_MODULE_RESOURCES_SYMBOL "VorModuleResources"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct VOR_RESOURCE {
    LPCSTR type;     // RT_* (an integer resource) or a string name
    LPCSTR name;     // MAKEINTRESOURCE(id) or a string name
    WORD language;   // MAKELANGID(...); LANG_NEUTRAL matches any request
    LPCVOID data;
    DWORD size;
} VOR_RESOURCE;

typedef struct VOR_RESOURCE_TABLE {
    const VOR_RESOURCE* entries;
    DWORD count;
} VOR_RESOURCE_TABLE;

// RT_GROUP_CURSOR / RT_GROUP_ICON: the images of one cursor or icon, in
// their RT_CURSOR / RT_ICON entries (same language). LoadCursor takes the
// first; LoadImage the one closest to the size asked for.
typedef struct VOR_RESOURCE_GROUP {
    const WORD* ids;
    WORD count;
} VOR_RESOURCE_GROUP;

// RT_CURSOR: a monochrome cursor. Both masks have `height` rows, top row
// first, each row ((width + 15) / 16) * 2 bytes (the Win32 monochrome
// bitmap layout: word-aligned rows, the leftmost pixel in the high bit).
// Drawn as (screen AND and) XOR xor: and 1 xor 0 transparent, and 0 xor 0
// black, and 0 xor 1 white, and 1 xor 1 inverted.
typedef struct VOR_CURSOR_IMAGE {
    WORD width;
    WORD height;
    WORD xHotspot;
    WORD yHotspot;
    const BYTE* andMask;
    const BYTE* xorMask;
} VOR_CURSOR_IMAGE;

// RT_ICON: `argb` has width * height pixels 0xAARRGGBB, top row first;
// `andMask` as in VOR_CURSOR_IMAGE, or NULL to derive it from the alpha
// (alpha 0 transparent).
typedef struct VOR_ICON_IMAGE {
    WORD width;
    WORD height;
    const DWORD* argb;
    const BYTE* andMask;
} VOR_ICON_IMAGE;

// RT_BITMAP: width * height pixels 0x00RRGGBB, top row first.
typedef struct VOR_BITMAP_IMAGE {
    WORD width;
    WORD height;
    const DWORD* rgb;
} VOR_BITMAP_IMAGE;

// RT_VERSION: the fixed record and the string table (CompanyName,
// FileDescription, FileVersion, ProductName, ProductVersion, ...).
typedef struct VOR_VERSION_STRING {
    LPCSTR key;
    LPCSTR value;
} VOR_VERSION_STRING;

typedef struct VOR_VERSION_INFO {
    VS_FIXEDFILEINFO fixed;
    const VOR_VERSION_STRING* strings;
    DWORD stringCount;
} VOR_VERSION_INFO;

// The value of a VOR_VERSION_INFO string, or NULL when it has none.
VORAPI LPCSTR VorVersionString(const VOR_VERSION_INFO* info, LPCSTR key);

// Resources compiled from a resource script (the binary .res format):
// registered by the module that holds them, from a constructor, before its
// entry runs. `anchor` is any address inside that module (the program or a
// shared library); the bytes must stay in place until they are
// unregistered. A module's table (VorSetModuleResources, then its
// VorModuleResources export) is used before its compiled resources. The
// code that vorlib_add_resources generates makes both calls.
VORAPI BOOL VorRegisterCompiledResources(const void* anchor, const void* data, DWORD size);
VORAPI void VorUnregisterCompiledResources(const void* anchor);

typedef BOOL (*VOR_MODULE_ENTRY)(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);
typedef const VOR_RESOURCE_TABLE* (*VOR_MODULE_RESOURCES)(void);

#ifdef __cplusplus
}
#endif
