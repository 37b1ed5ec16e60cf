// The application object: module-state registration, AfxWinMain and the
// message loop with idle processing, window classes, message boxes.
#include <afxwin.h>

#include <cstring>

#include <vorresource.h>

#include "VorTestBase.h"
#include "VorTestHost.h"
#include "WndTestWindows.h"

namespace {

typedef std::vector<std::string> Lines;
Lines g_log;

class CQuitWnd : public CWnd {
protected:
    afx_msg LRESULT OnQuitLater(WPARAM wParam, LPARAM lParam)
    {
        g_log.push_back("handler");
        AfxPostQuitMessage((int)wParam);
        return 0;
    }
    afx_msg LRESULT OnCloseMe(WPARAM, LPARAM)
    {
        g_log.push_back("closing");
        DestroyWindow();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CQuitWnd, CWnd)
    ON_MESSAGE(WM_USER + 1, OnQuitLater)
    ON_MESSAGE(WM_USER + 2, OnCloseMe)
END_MESSAGE_MAP()

class CSeqApp : public CWinApp {
public:
    BOOL bInitOk = TRUE;
    UINT nStartMsg = WM_USER + 1;
    CQuitWnd wnd;
    int nIdle = 0;

    CSeqApp() : CWinApp("Sequence") {}
    BOOL InitApplication() override
    {
        g_log.push_back("initapplication");
        return CWinApp::InitApplication();
    }
    BOOL InitInstance() override
    {
        g_log.push_back("initinstance");
        if (!wnd.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL))
            return FALSE;
        m_pMainWnd = &wnd;
        wnd.PostMessage(nStartMsg, 7, 0);
        return bInitOk;
    }
    BOOL OnIdle(LONG lCount) override
    {
        ++nIdle;
        return CWinApp::OnIdle(lCount);
    }
    int ExitInstance() override
    {
        g_log.push_back("exitinstance");
        return CWinApp::ExitInstance();
    }
};

// A temporary object that reports its destruction.
int g_nTempDeleted = 0;
class CCountedTemp : public CWnd {
public:
    ~CCountedTemp() override { ++g_nTempDeleted; }
};
CWnd* NewCountedTemp() { return new CCountedTemp; }

class WinAppTest : public VorTestBase {
protected:
    void SetUp() override
    {
        VorTestBase::SetUp();
        g_log.clear();
    }
};

TEST_F(WinAppTest, TheApplicationRegistersInTheModuleState)
{
    CWinApp* pBefore = AfxGetApp();
    {
        CWinApp app("Registered");
        EXPECT_EQ(&app, AfxGetApp());
        EXPECT_EQ(&app, AfxGetModuleState()->m_pCurrentWinApp);
        EXPECT_STREQ("Registered", AfxGetAppName());
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "m", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
        app.m_pMainWnd = &wnd;
        EXPECT_EQ(&wnd, AfxGetMainWnd());
        {
            CWinApp inner("Inner");
            EXPECT_EQ(&inner, AfxGetApp());
        }
        EXPECT_EQ(&app, AfxGetApp());  // the one before comes back
        wnd.DestroyWindow();
        EXPECT_EQ(nullptr, app.m_pMainWnd);  // a destroyed main window is forgotten
    }
    EXPECT_EQ(pBefore, AfxGetApp());
}

TEST_F(WinAppTest, WinMainRunsTheApplicationUntilQuit)
{
    CSeqApp app;
    int nCode = AfxWinMain();
    EXPECT_EQ(7, nCode);
    EXPECT_SEQUENCE((Lines{"initapplication", "initinstance", "handler", "exitinstance"}), g_log);
    EXPECT_EQ(::GetModuleHandle(NULL), app.m_hInstance);
    EXPECT_STREQ("", app.m_lpCmdLine);
    ASSERT_NE(nullptr, app.m_pszExeName);
    EXPECT_EQ(nullptr, std::strchr(app.m_pszExeName, '/'));
    EXPECT_NE('\0', app.m_pszExeName[0]);
}

TEST_F(WinAppTest, ClosingTheMainWindowEndsTheLoop)
{
    CSeqApp app;
    app.nStartMsg = WM_USER + 2;
    EXPECT_EQ(0, AfxWinMain());
    EXPECT_SEQUENCE((Lines{"initapplication", "initinstance", "closing", "exitinstance"}), g_log);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
}

TEST_F(WinAppTest, AResetLeavesNoQuitBehind)
{
    CWinApp app("Reset");
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "m", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
    app.m_pMainWnd = &wnd;
    VorPlatformReset();  // destroys the main window, which asks the loop to end
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    MSG msg;
    EXPECT_FALSE(::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE));
}

TEST_F(WinAppTest, FailedInitInstanceSkipsTheLoop)
{
    CSeqApp app;
    app.bInitOk = FALSE;
    AfxWinMain();
    EXPECT_SEQUENCE((Lines{"initapplication", "initinstance", "exitinstance"}), g_log);
    EXPECT_FALSE(app.wnd.IsWindow());  // the main window is destroyed
}

TEST_F(WinAppTest, RunEndsWhenNothingIsLeftToDo)
{
    struct CIdleApp : CWinApp {
        Lines idle;
        BOOL OnIdle(LONG lCount) override
        {
            BOOL bMore = CWinApp::OnIdle(lCount);
            idle.push_back(std::to_string(lCount) + (bMore ? " more" : " done"));
            return bMore;
        }
    } app;
    EXPECT_EQ(0, app.Run());
    EXPECT_SEQUENCE((Lines{"0 more", "1 done"}), app.idle);
}

TEST_F(WinAppTest, IdleProcessingDeletesTemporaryObjects)
{
    AfxRegisterTempWndClass(afxtest::PlainClass(), &NewCountedTemp);
    g_nTempDeleted = 0;
    CWinApp app("Idle");
    HWND h = afxtest::CreatePlainTop();
    CWnd* pTemp = CWnd::FromHandle(h);
    ASSERT_NE(nullptr, dynamic_cast<CCountedTemp*>(pTemp));
    EXPECT_EQ(pTemp, CWnd::FromHandle(h));
    EXPECT_TRUE(app.OnIdle(0));   // more idle work wanted
    EXPECT_FALSE(app.OnIdle(1));  // done
    EXPECT_EQ(1, g_nTempDeleted);
    EXPECT_TRUE(::IsWindow(h));
    AfxRegisterTempWndClass(afxtest::PlainClass(), []() -> CWnd* { return new CWnd; });
}

TEST_F(WinAppTest, RegisteredClassNamesAreStable)
{
    HCURSOR hArrow = ::LoadCursor(NULL, IDC_ARROW);
    HBRUSH hbr = (HBRUSH)(COLOR_WINDOW + 1);
    LPCTSTR p1 = AfxRegisterWndClass(CS_DBLCLKS, hArrow, hbr);
    LPCTSTR p2 = AfxRegisterWndClass(CS_DBLCLKS, hArrow, hbr);
    LPCTSTR p3 = AfxRegisterWndClass(0, hArrow, hbr);
    ASSERT_NE(nullptr, p1);
    ASSERT_NE(nullptr, p3);
    EXPECT_STREQ(p1, p2);
    EXPECT_STRNE(p1, p3);
    EXPECT_EQ(0, std::strncmp(p1, "Afx:", 4));
    WNDCLASS wc;
    ASSERT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), p1, &wc));
    EXPECT_EQ((UINT)CS_DBLCLKS, wc.style);
    EXPECT_EQ(hArrow, wc.hCursor);
    EXPECT_EQ(hbr, wc.hbrBackground);
    // Registered again after a reset unregistered it.
    VorPlatformReset();
    LPCTSTR p4 = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), hbr);
    ASSERT_NE(nullptr, p4);
    EXPECT_TRUE(::GetClassInfo(AfxGetInstanceHandle(), p4, &wc));
}

TEST_F(WinAppTest, MessageBoxesCarryTheFittingIcon)
{
    CWinApp app("Boxes");
    struct Case {
        UINT nType;
        UINT nShown;
    };
    const Case cases[] = {
        {MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
        {MB_YESNO, MB_YESNO | MB_ICONQUESTION},
        {MB_OK | MB_ICONINFORMATION, MB_OK | MB_ICONINFORMATION},
        {MB_RETRYCANCEL, MB_RETRYCANCEL},
    };
    int i = 0;
    for (const Case& c : cases) {
        AfxMessageBox("text", c.nType);
        ASSERT_EQ(i + 1, VorMessageBoxCount());
        EXPECT_STREQ("text", VorMessageBoxText(i));
        EXPECT_EQ(c.nShown, VorMessageBoxType(i));
        ++i;
    }
}

TEST_F(WinAppTest, MessageBoxOfAStringResource)
{
    VOR_RESOURCE entries[1] = {{RT_STRING, MAKEINTRESOURCE(321), LANG_NEUTRAL, "From the table", 15}};
    VOR_RESOURCE_TABLE table = {entries, 1};
    ASSERT_TRUE(VorSetModuleResources(::GetModuleHandle(NULL), &table));
    CWinApp app("Boxes");
    EXPECT_EQ(IDOK, AfxMessageBox(321, MB_OK | MB_ICONSTOP));
    ASSERT_EQ(1, VorMessageBoxCount());
    EXPECT_STREQ("From the table", VorMessageBoxText(0));
    EXPECT_EQ((UINT)(MB_OK | MB_ICONSTOP), VorMessageBoxType(0));
    VorSetModuleResources(::GetModuleHandle(NULL), nullptr);
}

TEST_F(WinAppTest, StandardCursorsAndIcons)
{
    CWinApp app("Cursors");
    EXPECT_EQ(::LoadCursor(NULL, IDC_ARROW), app.LoadStandardCursor(IDC_ARROW));
    EXPECT_NE(nullptr, app.LoadStandardCursor(IDC_SIZEWE));
    EXPECT_EQ(::LoadIcon(NULL, IDI_APPLICATION), app.LoadStandardIcon(IDI_APPLICATION));
    EXPECT_EQ(nullptr, app.LoadCursor(30000));  // no such resource anywhere
}

}  // namespace
