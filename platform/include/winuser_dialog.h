// Dialog boxes: templates, the dialog manager and its messages.
#pragma once

#include "vorwintypes.h"

// Dialog styles
#define DS_ABSALIGN 0x01L
#define DS_SYSMODAL 0x02L
#define DS_3DLOOK 0x04L
#define DS_FIXEDSYS 0x08L
#define DS_NOFAILCREATE 0x10L
#define DS_LOCALEDIT 0x20L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_NOIDLEMSG 0x100L
#define DS_SETFOREGROUND 0x200L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// Dialog messages
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DM_REPOSITION (WM_USER + 2)
#define DC_HASDEFID 0x534B
#define WM_NEXTDLGCTL 0x0028

#ifndef MAKEINTATOM
#define MAKEINTATOM(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#endif

// The dialog window class and the extra bytes of its windows
#define WC_DIALOG MAKEINTATOM(0x8002)
#define DLGWINDOWEXTRA 30
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC 8
#define DWLP_USER 16

// The identifier of controls that are never addressed (static texts)
#define IDC_STATIC (-1)

// The id of the version record
#define VS_VERSION_INFO 1

#ifdef __cplusplus
extern "C" {
#endif

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

#pragma pack(push, 2)
// The fixed part of a classic template (an extended template begins with
// the words 1, 0xFFFF instead); variable-length fields follow.
typedef struct DLGTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    WORD cdit;
    short x;
    short y;
    short cx;
    short cy;
} DLGTEMPLATE, *LPDLGTEMPLATEA;
typedef const DLGTEMPLATE* LPCDLGTEMPLATEA;

typedef struct DLGITEMTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    short x;
    short y;
    short cx;
    short cy;
    WORD id;
} DLGITEMTEMPLATE;
#pragma pack(pop)

#define LPCDLGTEMPLATE LPCDLGTEMPLATEA
#define LPDLGTEMPLATE LPDLGTEMPLATEA

#ifdef __cplusplus
}
#endif
