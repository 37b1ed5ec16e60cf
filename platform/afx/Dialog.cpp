// CDialog: dialogs from templates through the platform's dialog manager,
// the object attached to the dialog window from its creation on; dialog
// data exchange.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "HandleMap.h"

IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CDialog, CWnd)

CUserException::CUserException() : CException(TRUE) {}
CUserException::~CUserException() {}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

namespace {

// The dialog procedure of framework dialogs: everything is the object's
// (its window procedure runs before the dialog manager's), so the dialog
// manager's own handling follows.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

// ---------------------------------------------------------------------------
// CDialog

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(NULL), m_nIDHelp(0), m_lpDialogTemplate(NULL), m_pParentWnd(NULL), m_nModalResult(-1)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_nIDHelp(0), m_lpDialogTemplate(NULL), m_pParentWnd(pParentWnd),
      m_nModalResult(-1)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_nIDHelp(nIDTemplate), m_lpDialogTemplate(NULL),
      m_pParentWnd(pParentWnd), m_nModalResult(-1)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

LPCDLGTEMPLATE CDialog::FindTemplate(HINSTANCE* phInst) const
{
    if (m_lpDialogTemplate != NULL) {
        *phInst = AfxGetInstanceHandle();
        return m_lpDialogTemplate;
    }
    if (m_lpszTemplateName == NULL)
        return NULL;
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hRes = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
    if (hRes == NULL)
        return NULL;
    *phInst = hInst;
    return (LPCDLGTEMPLATE)::LockResource(::LoadResource(hInst, hRes));
}

BOOL CDialog::CreateFromTemplate(HINSTANCE hInst, LPCDLGTEMPLATE lpTemplate, CWnd* pParentWnd)
{
    if (m_hWnd != NULL || lpTemplate == NULL)
        return FALSE;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    // The dialog window is the first one made: the object takes it there,
    // before any of its messages.
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParam(hInst, lpTemplate, m_pParentWnd != NULL ? m_pParentWnd->m_hWnd : NULL,
                                            &AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != NULL;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = (UINT)(UINT_PTR)lpszTemplateName;
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = FindTemplate(&hInst);
    return CreateFromTemplate(hInst, lpTemplate, pParentWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    return CreateFromTemplate(AfxGetInstanceHandle(), lpDialogTemplate, pParentWnd);
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = lpDialogTemplate;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    return lpDialogTemplate != NULL;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = FindTemplate(&hInst);
    if (lpTemplate == NULL || m_hWnd != NULL)
        return -1;
    CWnd* pOwner = CWnd::GetSafeOwner(m_pParentWnd);
    m_nModalResult = -1;
    AfxHookWindowCreate(this);
    INT_PTR nResult =
        ::DialogBoxIndirectParam(hInst, lpTemplate, pOwner != NULL ? pOwner->m_hWnd : NULL, &AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (nResult != -1)
        m_nModalResult = (int)nResult;
    return nResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_hWnd != NULL)
        ::EndDialog(m_hWnd, nResult);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != NULL && pWndCtrl->m_hWnd != NULL)
        ::SendMessage(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, 1);
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return (DWORD)::SendMessage(m_hWnd, DM_GETDEFID, 0, 0);
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    if (m_hWnd == NULL)
        return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;  // the failed control has the focus
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Keys of this dialog's controls go through the dialog manager: Tab,
    // arrows, Enter, Escape and mnemonics.
    if (pMsg == NULL || m_hWnd == NULL || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessage(m_hWnd, pMsg);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

// ---------------------------------------------------------------------------
// Dialog data exchange

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(NULL), m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWnd = m_pDlgWnd != NULL ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : NULL;
    if (hWnd == NULL)
        AfxThrowUserException();  // no such control: the exchange fails
    m_hWndLastControl = hWnd;
    m_bEditLastControl = FALSE;
    return hWnd;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWnd = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWnd;
}

void CDataExchange::Fail()
{
    if (m_hWndLastControl != NULL && m_pDlgWnd != NULL && ::IsWindow(m_hWndLastControl)) {
        ::SendMessage(m_pDlgWnd->m_hWnd, WM_NEXTDLGCTL, (WPARAM)m_hWndLastControl, 1);
        if (m_bEditLastControl)
            ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWnd))
        AfxThrowUserException();  // the control belongs to another object
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int n = ::GetWindowTextLength(hWnd);
        ::GetWindowText(hWnd, value.GetBufferSetLength(n), n + 1);
        value.ReleaseBuffer();
    } else {
        ::SetWindowText(hWnd, value);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        char text[64];
        ::GetWindowText(hWnd, text, sizeof(text));
        const char* p = text;
        while (*p == ' ' || *p == '\t')
            ++p;
        char* end = NULL;
        errno = 0;
        long v = std::strtol(p, &end, 10);
        bool ok = end != p && errno == 0 && v >= INT_MIN && v <= INT_MAX;
        while (ok && end != NULL && (*end == ' ' || *end == '\t'))
            ++end;
        if (!ok || end == NULL || *end != 0 || ::GetWindowTextLength(hWnd) >= (int)sizeof(text)) {
            AfxMessageBox("Please enter an integer.", MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = (int)v;
    } else {
        char text[16];
        std::snprintf(text, sizeof(text), "%d", value);
        ::SetWindowText(hWnd, text);
    }
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessage(hWnd, CB_GETCURSEL, 0, 0);
    else
        ::SendMessage(hWnd, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessage(hWnd, BM_GETCHECK, 0, 0);
    else
        ::SendMessage(hWnd, BM_SETCHECK, (WPARAM)value, 0);
}
