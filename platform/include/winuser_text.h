// USER32 text: formatted text (DrawText), tabbed text and stepping through
// 8-bit strings by character. DrawState, which draws text through DrawText,
// is declared with the other drawing calls in winuser_draw.h.
#pragma once

#include "vorwintypes.h"

// DrawText formats
#define DT_TOP 0x00000000
#define DT_LEFT 0x00000000
#define DT_CENTER 0x00000001
#define DT_RIGHT 0x00000002
#define DT_VCENTER 0x00000004
#define DT_BOTTOM 0x00000008
#define DT_WORDBREAK 0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_TABSTOP 0x00000080
#define DT_NOCLIP 0x00000100
#define DT_EXTERNALLEADING 0x00000200
#define DT_CALCRECT 0x00000400
#define DT_NOPREFIX 0x00000800
#define DT_INTERNAL 0x00001000
#define DT_EDITCONTROL 0x00002000
#define DT_PATH_ELLIPSIS 0x00004000
#define DT_END_ELLIPSIS 0x00008000
#define DT_MODIFYSTRING 0x00010000
#define DT_RTLREADING 0x00020000
#define DT_WORD_ELLIPSIS 0x00040000
#define DT_NOFULLWIDTHCHARBREAK 0x00080000
#define DT_HIDEPREFIX 0x00100000
#define DT_PREFIXONLY 0x00200000

typedef struct tagDRAWTEXTPARAMS {
    UINT cbSize;
    int iTabLength;
    int iLeftMargin;
    int iRightMargin;
    UINT uiLengthDrawn;
} DRAWTEXTPARAMS, *LPDRAWTEXTPARAMS;

#ifdef __cplusplus
extern "C" {
#endif

VORAPI int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format);
VORAPI int WINAPI DrawTextExA(HDC hdc, LPSTR lpchText, int cchText, LPRECT lprc, UINT format,
                              LPDRAWTEXTPARAMS lpdtp);
VORAPI LONG WINAPI TabbedTextOutA(HDC hdc, int x, int y, LPCSTR lpString, int chCount, int nTabPositions,
                                  const INT* lpnTabStopPositions, int nTabOrigin);
VORAPI DWORD WINAPI GetTabbedTextExtentA(HDC hdc, LPCSTR lpString, int chCount, int nTabPositions,
                                         const INT* lpnTabStopPositions);

// Character stepping through the ANSI code page (or the one given): a lead
// byte and its trail byte are one character.
VORAPI LPSTR WINAPI CharNextA(LPCSTR lpsz);
VORAPI LPSTR WINAPI CharPrevA(LPCSTR lpszStart, LPCSTR lpszCurrent);
VORAPI LPSTR WINAPI CharNextExA(WORD CodePage, LPCSTR lpCurrentChar, DWORD dwFlags);
VORAPI LPSTR WINAPI CharPrevExA(WORD CodePage, LPCSTR lpStart, LPCSTR lpCurrentChar, DWORD dwFlags);

// Case of the letters A to Z (double-byte characters are left alone).
// CharUpperA / CharLowerA convert a string in place and answer it, or,
// given a character in the low word of the pointer (high word 0), answer
// that character converted.
VORAPI LPSTR WINAPI CharUpperA(LPSTR lpsz);
VORAPI LPSTR WINAPI CharLowerA(LPSTR lpsz);
VORAPI DWORD WINAPI CharUpperBuffA(LPSTR lpsz, DWORD cchLength);
VORAPI DWORD WINAPI CharLowerBuffA(LPSTR lpsz, DWORD cchLength);
VORAPI BOOL WINAPI IsCharAlphaA(CHAR ch);
VORAPI BOOL WINAPI IsCharAlphaNumericA(CHAR ch);
VORAPI BOOL WINAPI IsCharUpperA(CHAR ch);
VORAPI BOOL WINAPI IsCharLowerA(CHAR ch);

#ifdef __cplusplus
}
#endif

#define DrawText DrawTextA
#define DrawTextEx DrawTextExA
#define TabbedTextOut TabbedTextOutA
#define GetTabbedTextExtent GetTabbedTextExtentA
#define CharNext CharNextA
#define CharPrev CharPrevA
#define CharUpper CharUpperA
#define CharLower CharLowerA
#define CharUpperBuff CharUpperBuffA
#define CharLowerBuff CharLowerBuffA
#define IsCharAlpha IsCharAlphaA
#define IsCharAlphaNumeric IsCharAlphaNumericA
#define IsCharUpper IsCharUpperA
#define IsCharLower IsCharLowerA
