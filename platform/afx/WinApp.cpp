// CWinApp, the module-state accessors, start-up (AfxWinInit, AfxWinMain),
// window classes of the framework and message boxes.
#include "HandleMap.h"

#include "user/user_internal.h"

#include <cstdio>
#include <set>
#include <string>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(NULL), m_hInstance(NULL), m_hPrevInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL),
      m_pszExeName(NULL), m_pPrevApp(NULL)
{
    if (lpszAppName != NULL) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    m_pPrevApp = pState->m_pCurrentWinApp;
    pState->m_pCurrentWinApp = this;
    pState->m_lpszCurrentAppName = m_pszAppName;
    vor::afx::EnsureFrameworkInit();
    vor::user::SetPreTranslateHook(&vor::afx::PreTranslateHook);
}

CWinApp::~CWinApp()
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (pState->m_pCurrentWinApp == this) {
        pState->m_pCurrentWinApp = m_pPrevApp;
        pState->m_lpszCurrentAppName = m_pPrevApp != NULL ? m_pPrevApp->m_pszAppName : NULL;
        if (m_pPrevApp == NULL)
            vor::user::SetPreTranslateHook(NULL);
    }
}

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return (int)m_msgCur.wParam; }
int CWinApp::Run() { return CWinThread::Run(); }
BOOL CWinApp::OnIdle(LONG lCount) { return CWinThread::OnIdle(lCount); }

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    // As the framework always did: a box without an icon gets the one that
    // fits its buttons.
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndOwner = pMainWnd != NULL ? pMainWnd->m_hWnd : NULL;
    if (hWndOwner != NULL && !::IsWindow(hWndOwner))
        hWndOwner = NULL;
    return ::MessageBox(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

// ---- cursors and icons ----

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursor(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCE(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursor(NULL, lpszCursorName); }
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const { return ::LoadCursor(NULL, MAKEINTRESOURCE(nIDCursor)); }
HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIcon(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCE(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIcon(NULL, lpszIconName); }
HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const { return ::LoadIcon(NULL, MAKEINTRESOURCE(nIDIcon)); }

// ---- module state ----

CWinApp* AFXAPI AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }
CWinThread* AFXAPI AfxGetThread() { return AfxGetApp(); }

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    HINSTANCE hInst = AfxGetModuleState()->m_hCurrentInstanceHandle;
    return hInst != NULL ? hInst : ::GetModuleHandle(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    HINSTANCE hInst = AfxGetModuleState()->m_hCurrentResourceHandle;
    return hInst != NULL ? hInst : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (pState->m_lpszCurrentAppName != NULL)
        return pState->m_lpszCurrentAppName;
    CWinApp* pApp = pState->m_pCurrentWinApp;
    return pApp != NULL ? pApp->m_pszAppName : NULL;
}

// ---- start-up ----

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    static char s_szEmpty[1] = "";
    if (hInstance == NULL)
        hInstance = ::GetModuleHandle(NULL);
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_hCurrentInstanceHandle = hInstance;
    pState->m_hCurrentResourceHandle = hInstance;

    CWinApp* pApp = pState->m_pCurrentWinApp;
    if (pApp != NULL) {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine != NULL ? lpCmdLine : s_szEmpty;
        pApp->m_nCmdShow = nCmdShow;
        // The program's file name without folder and extension.
        char szPath[260] = "";
        ::GetModuleFileName(hInstance, szPath, (DWORD)sizeof(szPath));
        std::string name(szPath);
        size_t slash = name.find_last_of("/\\");
        if (slash != std::string::npos)
            name.erase(0, slash + 1);
        size_t dot = name.find_last_of('.');
        if (dot != std::string::npos && dot > 0)
            name.erase(dot);
        pApp->m_strExeName = name.c_str();
        pApp->m_pszExeName = pApp->m_strExeName;
        if (pApp->m_pszAppName == NULL) {
            pApp->m_strAppName = pApp->m_strExeName;
            pApp->m_pszAppName = pApp->m_strAppName;
        }
        pState->m_lpszCurrentAppName = pApp->m_pszAppName;
    }
    return TRUE;
}

void AFXAPI AfxWinTerm() { AfxDeleteTempMaps(); }

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pApp->InitApplication()) {
        if (!pApp->InitInstance()) {
            if (pApp->m_pMainWnd != NULL)
                pApp->m_pMainWnd->DestroyWindow();
            nReturnCode = pApp->ExitInstance();
        } else {
            nReturnCode = pApp->Run();
        }
    }
    AfxWinTerm();
    return nReturnCode;
}

int AFXAPI AfxWinMain()
{
    static char s_szEmpty[1] = "";
    return AfxWinMain(::GetModuleHandle(NULL), NULL, s_szEmpty, SW_SHOWNORMAL);
}

// ---- window classes ----

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    char szName[128];
    std::snprintf(szName, sizeof(szName), "Afx:%llx:%x:%llx:%llx:%llx", (unsigned long long)(UINT_PTR)hInst,
                  nClassStyle, (unsigned long long)(UINT_PTR)hCursor, (unsigned long long)(UINT_PTR)hbrBackground,
                  (unsigned long long)(UINT_PTR)hIcon);
    // The names outlive every call: callers keep the pointer.
    static std::set<std::string>* s_pNames = new std::set<std::string>;
    LPCTSTR pszName = s_pNames->insert(szName).first->c_str();

    WNDCLASS wc;
    if (::GetClassInfo(hInst, pszName, &wc))
        return pszName;  // registered already (classes are gone again after a reset)
    std::memset(&wc, 0, sizeof(wc));
    wc.style = nClassStyle;
    wc.lpfnWndProc = &AfxWndProc;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = pszName;
    return ::RegisterClass(&wc) != 0 ? pszName : NULL;
}

// ---- message boxes ----

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBox(NULL, lpszText, AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    if (nIDHelp == (UINT)-1)
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}
