// CRichEditCtrl: the framework's face of the rich edit control.
#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

CRichEditCtrl::~CRichEditCtrl() { DestroyWindow(); }

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(RICHEDIT_CLASS10A, NULL, dwStyle, rect, pParentWnd, nID);
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE cr{0, 0};
    ::SendMessageA(m_hWnd, EM_EXGETSEL, 0, (LPARAM)&cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}

void CRichEditCtrl::GetSel(CHARRANGE& cr) const { ::SendMessageA(m_hWnd, EM_EXGETSEL, 0, (LPARAM)&cr); }

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE cr{(LONG)nStartChar, (LONG)nEndChar};
    ::SendMessageA(m_hWnd, EM_EXSETSEL, 0, (LPARAM)&cr);
}

void CRichEditCtrl::SetSel(CHARRANGE& cr) { ::SendMessageA(m_hWnd, EM_EXSETSEL, 0, (LPARAM)&cr); }

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE cr{0, 0};
    ::SendMessageA(m_hWnd, EM_EXGETSEL, 0, (LPARAM)&cr);
    CString str;
    int n = cr.cpMax - cr.cpMin;
    if (n <= 0) return str;
    LPSTR p = str.GetBufferSetLength(n);
    ::SendMessageA(m_hWnd, EM_GETSELTEXT, 0, (LPARAM)p);
    str.ReleaseBuffer();
    return str;
}

WORD CRichEditCtrl::GetSelectionType() const { return (WORD)::SendMessageA(m_hWnd, EM_SELECTIONTYPE, 0, 0); }

void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    ::SendMessageA(m_hWnd, EM_REPLACESEL, (WPARAM)bCanUndo, (LPARAM)lpszNewText);
}

long CRichEditCtrl::GetTextLength() const { return (long)::SendMessageA(m_hWnd, WM_GETTEXTLENGTH, 0, 0); }
int CRichEditCtrl::GetLineCount() const { return (int)::SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0); }
int CRichEditCtrl::LineLength(int nLine) const { return (int)::SendMessageA(m_hWnd, EM_LINELENGTH, (WPARAM)nLine, 0); }

void CRichEditCtrl::HideSelection(BOOL bHide, BOOL bPerm)
{
    ::SendMessageA(m_hWnd, EM_HIDESELECTION, (WPARAM)bHide, (LPARAM)bPerm);
}

void CRichEditCtrl::LimitText(long nChars) { ::SendMessageA(m_hWnd, EM_EXLIMITTEXT, 0, (LPARAM)nChars); }
long CRichEditCtrl::GetLimitText() const { return (long)::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0); }

BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly)
{
    return (BOOL)::SendMessageA(m_hWnd, EM_SETREADONLY, (WPARAM)bReadOnly, 0);
}

DWORD CRichEditCtrl::GetEventMask() const { return (DWORD)::SendMessageA(m_hWnd, EM_GETEVENTMASK, 0, 0); }

DWORD CRichEditCtrl::SetEventMask(DWORD dwEventMask)
{
    return (DWORD)::SendMessageA(m_hWnd, EM_SETEVENTMASK, 0, (LPARAM)dwEventMask);
}

COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr)
{
    return (COLORREF)::SendMessageA(m_hWnd, EM_SETBKGNDCOLOR, (WPARAM)bSysColor, (LPARAM)cr);
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const
{
    cf.cbSize = sizeof(CHARFORMAT);
    return (DWORD)::SendMessageA(m_hWnd, EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(CHARFORMAT);
    return (BOOL)::SendMessageA(m_hWnd, EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const
{
    cf.cbSize = sizeof(CHARFORMAT);
    return (DWORD)::SendMessageA(m_hWnd, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(CHARFORMAT);
    return (BOOL)::SendMessageA(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

void CRichEditCtrl::GetRect(LPRECT lpRect) const { ::SendMessageA(m_hWnd, EM_GETRECT, 0, (LPARAM)lpRect); }
void CRichEditCtrl::SetRect(LPCRECT lpRect) { ::SendMessageA(m_hWnd, EM_SETRECT, 0, (LPARAM)lpRect); }
BOOL CRichEditCtrl::GetModify() const { return (BOOL)::SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0); }
void CRichEditCtrl::SetModify(BOOL bModified) { ::SendMessageA(m_hWnd, EM_SETMODIFY, (WPARAM)bModified, 0); }
void CRichEditCtrl::Cut() { ::SendMessageA(m_hWnd, WM_CUT, 0, 0); }
void CRichEditCtrl::Copy() { ::SendMessageA(m_hWnd, WM_COPY, 0, 0); }
void CRichEditCtrl::Paste() { ::SendMessageA(m_hWnd, WM_PASTE, 0, 0); }
void CRichEditCtrl::Clear() { ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0); }
BOOL CRichEditCtrl::CanPaste(UINT nFormat) const { return (BOOL)::SendMessageA(m_hWnd, EM_CANPASTE, nFormat, 0); }
BOOL CRichEditCtrl::CanUndo() const { return (BOOL)::SendMessageA(m_hWnd, EM_CANUNDO, 0, 0); }
BOOL CRichEditCtrl::Undo() { return (BOOL)::SendMessageA(m_hWnd, EM_UNDO, 0, 0); }
void CRichEditCtrl::EmptyUndoBuffer() { ::SendMessageA(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0); }
