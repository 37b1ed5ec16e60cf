// CWinThread: the message loop with pre-translation and idle processing.
#include "HandleMap.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {
HWND SafeHwnd(const CWnd* pWnd) { return pWnd != NULL ? pWnd->m_hWnd : NULL; }

// The last mouse move seen by IsIdleMessage (repeats do not end idleness).
thread_local MSG t_lastMouseMove;
}  // namespace

CWinThread::CWinThread()
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_bAutoDelete(TRUE), m_hThread(NULL), m_nThreadID(::GetCurrentThreadId())
{
    std::memset(&m_msgCur, 0, sizeof(m_msgCur));
}

CWinThread::~CWinThread() {}

CWnd* CWinThread::GetMainWnd() { return m_pActiveWnd != NULL ? m_pActiveWnd : m_pMainWnd; }

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    BOOL bGot = ::GetMessage(&m_msgCur, NULL, 0, 0);
    if (bGot <= 0) {
        if (bGot < 0) {
            // Headless with nothing left to do: end as at WM_QUIT with code 0.
            std::memset(&m_msgCur, 0, sizeof(m_msgCur));
            m_msgCur.message = WM_QUIT;
        }
        return FALSE;
    }
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessage(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(SafeHwnd(pMainWnd), pMsg))
        return TRUE;
    // A window outside the main window's tree (a pop-up) gets the main
    // window's pre-translation as well. The walk may have destroyed it.
    pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMsg->hwnd != NULL && ::IsWindow(pMsg->hwnd) && pMsg->hwnd != pMainWnd->m_hWnd &&
        !::IsChild(pMainWnd->m_hWnd, pMsg->hwnd))
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    // The temporary wrappers FromHandle made live until the queue is idle.
    if (lCount <= 1)
        AfxDeleteTempMaps();
    return lCount < 1;  // one more round, then wait for messages
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg == NULL)
        return FALSE;
    if (pMsg->message == WM_PAINT)
        return FALSE;
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        // Repeated moves to the same place do not restart idle processing.
        BOOL bSame = t_lastMouseMove.message == pMsg->message && t_lastMouseMove.hwnd == pMsg->hwnd &&
                     t_lastMouseMove.lParam == pMsg->lParam;
        t_lastMouseMove = *pMsg;
        return !bSame;
    }
    return TRUE;
}

int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }

// ---------------------------------------------------------------------------

BOOL vor::afx::PreTranslateHook(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->PreTranslateMessage(pMsg) : FALSE;
}

BOOL AFXAPI AfxPumpMessage()
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PumpMessage();
    MSG msg;
    if (::GetMessage(&msg, NULL, 0, 0) <= 0)
        return FALSE;
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
    return TRUE;
}

void AFXAPI AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }
