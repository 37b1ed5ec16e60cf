// Dialogs of the framework: CDialog over the platform's dialog manager, and
// dialog data exchange (CDataExchange, the DDX_ routines, UpdateData).
// Included by afxwin.h.
#pragma once

class CDialog;

// Thrown by CDataExchange::Fail when a value cannot be taken from a control;
// UpdateData catches it and answers FALSE.
class VORAPI CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException();
    virtual ~CUserException();
};
[[noreturn]] VORAPI void AFXAPI AfxThrowUserException();

class VORAPI CDataExchange {
public:
    // TRUE: controls to members (saving and validating); FALSE: members to
    // controls.
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;  // the control of the last exchange, for Fail
    BOOL m_bEditLastControl;

    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    // The control with the id; a missing control is a programming error
    // that fails the exchange.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Puts the focus back on the last control (its text selected) and
    // throws CUserException.
    [[noreturn]] void Fail();
};

// Attaches rControl to the dialog's control nIDC (SubclassWindow) the first
// time; later exchanges leave it as it is.
VORAPI void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
VORAPI void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A decimal integer; text that is not one fails the exchange after a
// message box ("Please enter an integer.").
VORAPI void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// The selected index of a combo box (-1: none).
VORAPI void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// The state of a check box (BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE).
VORAPI void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);

class VORAPI CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual ~CDialog();

    // Modeless: the dialog of the template, shown when the template says
    // WS_VISIBLE. The template is searched along the resource chain
    // (AfxFindResourceHandle).
    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL);
    // Modal: runs the dialog until EndDialog and answers its result (-1 when
    // it could not be made).
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL);
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    // Focus moves as Tab, Shift+Tab and a direct choice do.
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

    // Controls to members (TRUE) or members to controls (FALSE) through
    // DoDataExchange; FALSE when a value failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Exchanges the members to the controls (UpdateData(FALSE)); TRUE lets
    // the dialog focus its first tab stop.
    virtual BOOL OnInitDialog();
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    // UpdateData(TRUE), then EndDialog(IDOK) when it succeeded.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    LPCTSTR m_lpszTemplateName;
    UINT m_nIDHelp;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    CWnd* m_pParentWnd;
    int m_nModalResult;

private:
    BOOL CreateFromTemplate(HINSTANCE hInst, LPCDLGTEMPLATE lpTemplate, CWnd* pParentWnd);
    LPCDLGTEMPLATE FindTemplate(HINSTANCE* phInst) const;

    DECLARE_MESSAGE_MAP()
};
