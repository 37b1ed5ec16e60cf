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

// The dialog window class (by its name; the class has no atom of its own)
// and the extra bytes of its windows
#define WC_DIALOG "#32770"
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

VORAPI HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                                      DLGPROC lpDialogFunc, LPARAM dwInitParam);
VORAPI HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent,
                                              DLGPROC lpDialogFunc, LPARAM dwInitParam);
VORAPI INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                                      DLGPROC lpDialogFunc, LPARAM dwInitParam);
VORAPI INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate,
                                              HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam);
VORAPI BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult);
VORAPI LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
VORAPI BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg);
VORAPI BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect);
VORAPI LONG WINAPI GetDialogBaseUnits(void);
VORAPI HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
VORAPI HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
VORAPI BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned);
VORAPI UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned);
VORAPI BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck);
VORAPI UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton);
VORAPI BOOL WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);

#define CreateDialogParam CreateDialogParamA
#define CreateDialogIndirectParam CreateDialogIndirectParamA
#define DialogBoxParam DialogBoxParamA
#define DialogBoxIndirectParam DialogBoxIndirectParamA
#define CreateDialog(inst, name, parent, proc) CreateDialogParamA(inst, name, parent, proc, 0L)
#define CreateDialogIndirect(inst, tmpl, parent, proc) CreateDialogIndirectParamA(inst, tmpl, parent, proc, 0L)
#define DialogBox(inst, name, parent, proc) DialogBoxParamA(inst, name, parent, proc, 0L)
#define DialogBoxIndirect(inst, tmpl, parent, proc) DialogBoxIndirectParamA(inst, tmpl, parent, proc, 0L)
#define DefDlgProc DefDlgProcA
#define IsDialogMessage IsDialogMessageA

#ifdef __cplusplus
}
#endif
