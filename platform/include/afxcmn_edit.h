// Framework wrappers of the rich edit and tooltip controls: thin classes that
// send the controls' messages. Included by afxcmn.h.
#pragma once

#include "afxwin.h"
#include "commctrl.h"
#include "richedit.h"

class VORAPI CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;
    ~CRichEditCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Selection and text.
    void GetSel(long& nStartChar, long& nEndChar) const;
    void GetSel(CHARRANGE& cr) const;
    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE& cr);
    CString GetSelText() const;
    WORD GetSelectionType() const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    long GetTextLength() const;
    int GetLineCount() const;
    int LineLength(int nLine = -1) const;
    void HideSelection(BOOL bHide, BOOL bPerm);

    // Limits, state and formatting.
    void LimitText(long nChars = 0);
    long GetLimitText() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    DWORD GetEventMask() const;
    DWORD SetEventMask(DWORD dwEventMask);
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
    DWORD GetDefaultCharFormat(CHARFORMAT& cf) const;
    BOOL SetDefaultCharFormat(CHARFORMAT& cf);
    DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;
    BOOL SetSelectionCharFormat(CHARFORMAT& cf);
    void GetRect(LPRECT lpRect) const;
    void SetRect(LPCRECT lpRect);
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);

    // Clipboard and undo.
    void Cut();
    void Copy();
    void Paste();
    void Clear();
    BOOL CanPaste(UINT nFormat = 0) const;
    BOOL CanUndo() const;
    BOOL Undo();
    void EmptyUndoBuffer();
};

class VORAPI CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    void Activate(BOOL bActivate);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = NULL, UINT nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = NULL,
                 UINT nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT nIDTool = 0);
    BOOL GetToolInfo(LPTOOLINFO lpToolInfo, CWnd* pWnd, UINT nIDTool = 0) const;
    void SetToolInfo(LPTOOLINFO lpToolInfo);
    void SetToolRect(CWnd* pWnd, UINT nIDTool, LPCRECT lpRect);
    void GetText(CString& str, CWnd* pWnd, UINT nIDTool = 0) const;
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT nIDTool = 0);
    int GetToolCount() const;
    void RelayEvent(LPMSG lpMsg);
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;
    void SetTipBkColor(COLORREF clr);
    void SetTipTextColor(COLORREF clr);
    int SetMaxTipWidth(int iWidth);
    void Pop();
    void Update();

protected:
    void FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT nIDTool) const;
};
