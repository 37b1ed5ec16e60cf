// The kernel services of the platform: time, last error, string helpers,
// global memory, modules and their resources, version records.
//
// Time is the platform's clock: headless it is a virtual clock that moves
// only through VorAdvanceClock, so GetTickCount is deterministic.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstring>

#include "vorwintypes.h"

#ifdef __cplusplus
extern "C" {
#endif

// ---- module entry reasons --------------------------------------------------
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

// ---- language identifiers (resources carry one) ----------------------------
#ifndef MAKELANGID
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))
#define PRIMARYLANGID(lgid) ((WORD)(lgid)&0x3ff)
#define SUBLANGID(lgid) ((WORD)(lgid) >> 10)
#endif
#ifndef LANG_NEUTRAL
#define LANG_NEUTRAL 0x00
#define LANG_CHINESE 0x04
#define LANG_ENGLISH 0x09
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_SYS_DEFAULT 0x02
#define SUBLANG_CHINESE_SIMPLIFIED 0x02
#define SUBLANG_ENGLISH_US 0x01
#endif

#define INFINITE 0xFFFFFFFF
#define MAX_PATH 260

// ---- time --------------------------------------------------------------------
// Milliseconds on the platform clock (the virtual clock when headless).
VORAPI DWORD WINAPI GetTickCount(void);
// Does not move the virtual clock: headless, time passes only through
// VorAdvanceClock, so a Sleep returns at once.
VORAPI void WINAPI Sleep(DWORD dwMilliseconds);

// ---- errors --------------------------------------------------------------------
VORAPI DWORD WINAPI GetLastError(void);
VORAPI void WINAPI SetLastError(DWORD dwErrCode);

// ---- strings ---------------------------------------------------------------------
// The lstr* helpers accept NULL (as a zero-length string) instead of faulting.
VORAPI int WINAPI lstrlenA(LPCSTR lpString);
VORAPI LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2);
VORAPI LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength);
VORAPI LPSTR WINAPI lstrcatA(LPSTR lpString1, LPCSTR lpString2);
VORAPI int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2);
VORAPI int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2);
// lstrcmpA compares as the user's locale sorts: punctuation before digits
// before letters, letters without regard to case first, then a lower-case
// letter before its capital. lstrcmpiA ignores case altogether.
// wsprintfA takes the Windows format (%[-][#][0][width][.precision][size]type,
// size h, l or I64; types c C d i u x X p s S; no floating point) and writes
// at most 1024 bytes, the terminating zero included.
VORAPI int wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...);
VORAPI int wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist);
VORAPI void WINAPI OutputDebugStringA(LPCSTR lpOutputString);
VORAPI int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator);

// ---- memory blocks (the everyday macros of winnt.h / winbase.h) -----------------
#define RtlZeroMemory(Destination, Length) memset((Destination), 0, (Length))
#define RtlCopyMemory(Destination, Source, Length) memcpy((Destination), (Source), (Length))
#define RtlMoveMemory(Destination, Source, Length) memmove((Destination), (Source), (Length))
#define RtlFillMemory(Destination, Length, Fill) memset((Destination), (int)(BYTE)(Fill), (Length))
#define RtlEqualMemory(Destination, Source, Length) (!memcmp((Destination), (Source), (Length)))
#define ZeroMemory RtlZeroMemory
#define CopyMemory RtlCopyMemory
#define MoveMemory RtlMoveMemory
#define FillMemory RtlFillMemory
#define EqualMemory RtlEqualMemory
// Zeroes through volatile stores, so that clearing a secret before it goes
// out of use is not optimised away. Answers ptr.
VORAPI PVOID WINAPI SecureZeroMemory(PVOID ptr, SIZE_T cnt);
#define RtlSecureZeroMemory SecureZeroMemory

// ---- the process heap ---------------------------------------------------------------
#define HEAP_NO_SERIALIZE 0x00000001
#define HEAP_GENERATE_EXCEPTIONS 0x00000004
#define HEAP_ZERO_MEMORY 0x00000008
#define HEAP_REALLOC_IN_PLACE_ONLY 0x00000010
// One heap, the process's; HeapAlloc answers NULL when memory runs out (no
// exceptions are raised).
VORAPI HANDLE WINAPI GetProcessHeap(void);
VORAPI LPVOID WINAPI HeapAlloc(HANDLE hHeap, DWORD dwFlags, SIZE_T dwBytes);
VORAPI LPVOID WINAPI HeapReAlloc(HANDLE hHeap, DWORD dwFlags, LPVOID lpMem, SIZE_T dwBytes);
VORAPI BOOL WINAPI HeapFree(HANDLE hHeap, DWORD dwFlags, LPVOID lpMem);
VORAPI SIZE_T WINAPI HeapSize(HANDLE hHeap, DWORD dwFlags, LPCVOID lpMem);

// ---- helpers of winnt.h ---------------------------------------------------------------
#ifndef TEXT
#define __TEXT(quote) quote
#define TEXT(quote) __TEXT(quote)
#endif
#ifndef UNREFERENCED_PARAMETER
#define UNREFERENCED_PARAMETER(P) ((void)(P))
#define DBG_UNREFERENCED_PARAMETER(P) ((void)(P))
#define DBG_UNREFERENCED_LOCAL_VARIABLE(V) ((void)(V))
#endif
#ifndef ARRAYSIZE
#define ARRAYSIZE(A) (sizeof(A) / sizeof((A)[0]))
#endif
#ifndef _countof
#define _countof(A) (sizeof(A) / sizeof((A)[0]))
#endif
#define FIELD_OFFSET(type, field) ((LONG)offsetof(type, field))
#define RTL_FIELD_SIZE(type, field) (sizeof(((type*)0)->field))
#define CONTAINING_RECORD(address, type, field) ((type*)((char*)(address) - offsetof(type, field)))
#ifndef SUCCEEDED
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#endif
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

// ---- time ---------------------------------------------------------------------------
typedef union _LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    LONGLONG QuadPart;
} LARGE_INTEGER, *PLARGE_INTEGER;
typedef union _ULARGE_INTEGER {
    struct {
        DWORD LowPart;
        DWORD HighPart;
    } u;
    ULONGLONG QuadPart;
} ULARGE_INTEGER, *PULARGE_INTEGER;

typedef struct _SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME, *PSYSTEMTIME, *LPSYSTEMTIME;

// The platform clock, as GetTickCount: virtual when headless.
VORAPI ULONGLONG WINAPI GetTickCount64(void);
// The platform clock in microseconds (frequency 1,000,000).
VORAPI BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* lpPerformanceCount);
VORAPI BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* lpFrequency);
// The calendar: the system's wall clock, in UTC and in local time.
VORAPI void WINAPI GetSystemTime(LPSYSTEMTIME lpSystemTime);
VORAPI void WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime);

#define lstrlen lstrlenA
#define lstrcpy lstrcpyA
#define lstrcpyn lstrcpynA
#define lstrcat lstrcatA
#define lstrcmp lstrcmpA
#define lstrcmpi lstrcmpiA
#define wsprintf wsprintfA
#define wvsprintf wvsprintfA
#define OutputDebugString OutputDebugStringA

// ---- process and thread ----------------------------------------------------------
VORAPI DWORD WINAPI GetCurrentThreadId(void);
VORAPI DWORD WINAPI GetCurrentProcessId(void);
VORAPI LONG WINAPI InterlockedIncrement(LONG volatile* lpAddend);
VORAPI LONG WINAPI InterlockedDecrement(LONG volatile* lpAddend);
VORAPI LONG WINAPI InterlockedExchange(LONG volatile* Target, LONG Value);
VORAPI LONG WINAPI InterlockedExchangeAdd(LONG volatile* Addend, LONG Value);
VORAPI LONG WINAPI InterlockedCompareExchange(LONG volatile* Destination, LONG Exchange, LONG Comparand);

// Critical sections: recursive locks for the threads of one process. The
// lock itself is made by InitializeCriticalSection and freed by
// DeleteCriticalSection; the fields are not for the caller.
typedef struct _RTL_CRITICAL_SECTION {
    PVOID DebugInfo;
    LONG LockCount;
    LONG RecursionCount;
    HANDLE OwningThread;
    HANDLE LockSemaphore;
    ULONG_PTR SpinCount;
} CRITICAL_SECTION, *PCRITICAL_SECTION, *LPCRITICAL_SECTION;
VORAPI void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
VORAPI BOOL WINAPI InitializeCriticalSectionAndSpinCount(LPCRITICAL_SECTION lpCriticalSection, DWORD dwSpinCount);
VORAPI void WINAPI EnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
VORAPI BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
VORAPI void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
VORAPI void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION lpCriticalSection);

// ---- global memory -------------------------------------------------------------------
#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040
#define GMEM_DDESHARE 0x2000
#define GMEM_SHARE 0x2000
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

// Blocks are checked handles: a freed block is refused by every call.
VORAPI HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
VORAPI HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
VORAPI LPVOID WINAPI GlobalLock(HGLOBAL hMem);
VORAPI BOOL WINAPI GlobalUnlock(HGLOBAL hMem);
VORAPI HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);  // NULL on success
VORAPI SIZE_T WINAPI GlobalSize(HGLOBAL hMem);

// ---- modules ---------------------------------------------------------------------------
// A module is the program or a shared library that declares itself a
// platform module (see vorresource.h). GetModuleHandleA(NULL) is the program.
VORAPI HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
VORAPI DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
// dlopen()s "lib<name>.so" (a name with a '/' is taken as a path; a trailing
// ".dll" or ".so" is dropped before the lib<name>.so form is tried), calls
// the module entry with DLL_PROCESS_ATTACH on the first load; reference
// counted.
VORAPI HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
VORAPI BOOL WINAPI FreeLibrary(HMODULE hLibModule);
VORAPI FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
VORAPI BOOL WINAPI DisableThreadLibraryCalls(HMODULE hLibModule);

#define GetModuleHandle GetModuleHandleA
#define GetModuleFileName GetModuleFileNameA
#define LoadLibrary LoadLibraryA

// ---- resources -------------------------------------------------------------------------
VORAPI HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
VORAPI HRSRC WINAPI FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage);
VORAPI HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);
VORAPI LPVOID WINAPI LockResource(HGLOBAL hResData);
VORAPI DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo);
VORAPI BOOL WINAPI FreeResource(HGLOBAL hResData);

#define FindResource FindResourceA
#define FindResourceEx FindResourceExA

// ---- version records -----------------------------------------------------------------
#define VS_FFI_SIGNATURE 0xFEEF04BDL
#define VS_FFI_STRUCVERSION 0x00010000L
#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VS_FF_DEBUG 0x00000001L
#define VS_FF_PRERELEASE 0x00000002L
#define VOS_NT_WINDOWS32 0x00040004L
#define VOS__WINDOWS32 0x00000004L
#define VFT_UNKNOWN 0x00000000L
#define VFT_APP 0x00000001L
#define VFT_DLL 0x00000002L
#define VFT2_UNKNOWN 0x00000000L

typedef struct tagVS_FIXEDFILEINFO {
    DWORD dwSignature;
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
} VS_FIXEDFILEINFO;

#ifdef __cplusplus
}
#endif
