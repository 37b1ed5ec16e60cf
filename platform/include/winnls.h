// Code pages: the process ANSI code page and conversion between 8-bit text
// and wide characters. Strings of the platform are 8-bit, in the ANSI code
// page (936 unless set otherwise); WCHAR is the C++ wchar_t of the system,
// so one wide character holds one Unicode code point.
#pragma once

#include "vorwintypes.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_MACCP 2
#define CP_THREAD_ACP 3
#define CP_SYMBOL 42
#define CP_UTF7 65000
#define CP_UTF8 65001

#define MB_PRECOMPOSED 0x00000001
#define MB_COMPOSITE 0x00000002
#define MB_USEGLYPHCHARS 0x00000004
#define MB_ERR_INVALID_CHARS 0x00000008

#define WC_DISCARDNS 0x00000010
#define WC_SEPCHARS 0x00000020
#define WC_DEFAULTCHAR 0x00000040
#define WC_ERR_INVALID_CHARS 0x00000080
#define WC_COMPOSITECHECK 0x00000200
#define WC_NO_BEST_FIT_CHARS 0x00000400

#define MAX_LEADBYTES 12
#define MAX_DEFAULTCHAR 2

#ifndef ERROR_INSUFFICIENT_BUFFER
#define ERROR_INSUFFICIENT_BUFFER 122L
#endif
#ifndef ERROR_INVALID_FLAGS
#define ERROR_INVALID_FLAGS 1004L
#endif
#ifndef ERROR_NO_UNICODE_TRANSLATION
#define ERROR_NO_UNICODE_TRANSLATION 1113L
#endif

typedef struct _cpinfo {
    UINT MaxCharSize;
    BYTE DefaultChar[MAX_DEFAULTCHAR];
    BYTE LeadByte[MAX_LEADBYTES];
} CPINFO, *LPCPINFO;

#ifdef __cplusplus
extern "C" {
#endif

VORAPI UINT GetACP(void);
VORAPI UINT GetOEMCP(void);
VORAPI BOOL IsValidCodePage(UINT CodePage);
VORAPI BOOL GetCPInfo(UINT CodePage, LPCPINFO lpCPInfo);
VORAPI BOOL IsDBCSLeadByte(BYTE TestChar);
VORAPI BOOL IsDBCSLeadByteEx(UINT CodePage, BYTE TestChar);
VORAPI int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar);
VORAPI int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                               LPBOOL lpUsedDefaultChar);

// Sets the process ANSI code page (936, 1252 or CP_UTF8); answers FALSE and
// keeps the current one for any other. VorPlatformReset restores 936.
VORAPI BOOL VorSetCodePage(UINT CodePage);

#ifdef __cplusplus
}
#endif
