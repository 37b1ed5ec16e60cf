// Pre-translation: the application's PreTranslateMessage walks from the
// message's window up through its parents; a consumed message is never
// dispatched (nor translated into WM_CHAR).
#include <afxwin.h>

#include "VorTestBase.h"
#include "VorTestHost.h"
#include "WndTestWindows.h"

namespace {

typedef std::vector<std::string> Lines;
Lines g_log;

std::string KeyName(const MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_KEYDOWN:
        return "keydown";
    case WM_KEYUP:
        return "keyup";
    case WM_CHAR:
        return "char";
    default:
        return afxtest::Hex(pMsg->message);
    }
}

class CPreApp : public CWinApp {
public:
    CPreApp() : CWinApp("PreTranslate test") {}
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_CHAR)
            g_log.push_back("app " + KeyName(pMsg));
        return CWinApp::PreTranslateMessage(pMsg);
    }
};

class CPreWnd : public CWnd {
public:
    std::string name;
    UINT nConsume = 0;  // the message this window's PreTranslateMessage eats

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_KEYDOWN && pMsg->message != WM_CHAR)
            return CWnd::PreTranslateMessage(pMsg);
        g_log.push_back(name + " pre " + KeyName(pMsg));
        return pMsg->message == nConsume;
    }

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { g_log.push_back(name + " keydown"); }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { g_log.push_back(name + " char"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPreWnd, CWnd)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()

class PreTranslateTest : public VorTestBase {
protected:
    CPreWnd top, mid, leaf;

    void SetUp() override
    {
        VorTestBase::SetUp();
        g_log.clear();
        top.name = "top";
        mid.name = "mid";
        leaf.name = "leaf";
        ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), "top", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 300, NULL,
                                 NULL));
        ASSERT_TRUE(mid.Create(NULL, "mid", WS_VISIBLE, CRect(10, 10, 200, 200), &top, 1));
        ASSERT_TRUE(leaf.Create(NULL, "leaf", WS_VISIBLE, CRect(10, 10, 100, 100), &mid, 2));
        leaf.SetFocus();
        Pump();
        g_log.clear();
    }
};

TEST_F(PreTranslateTest, WalksFromTheTargetUpToTheMainWindow)
{
    CPreApp app;
    app.m_pMainWnd = &top;
    KeyDown(VK_F5);
    EXPECT_SEQUENCE((Lines{"app keydown", "leaf pre keydown", "mid pre keydown", "top pre keydown", "leaf keydown"}),
                    g_log);
    KeyUp(VK_F5);
}

TEST_F(PreTranslateTest, AConsumedKeyNeverReachesTheWindow)
{
    CPreApp app;
    app.m_pMainWnd = &top;
    mid.nConsume = WM_KEYDOWN;
    KeyDown('A');  // consumed: not translated, so no WM_CHAR either
    KeyUp('A');
    EXPECT_SEQUENCE((Lines{"app keydown", "leaf pre keydown", "mid pre keydown"}), g_log);

    g_log.clear();
    mid.nConsume = WM_CHAR;
    KeyDown('A');
    KeyUp('A');
    EXPECT_SEQUENCE((Lines{"app keydown", "leaf pre keydown", "mid pre keydown", "top pre keydown", "leaf keydown",
                           "app char", "leaf pre char", "mid pre char"}),
                    g_log);
}

TEST_F(PreTranslateTest, WalkStopsAtTheMainWindow)
{
    CPreApp app;
    app.m_pMainWnd = &mid;
    KeyDown(VK_F6);
    KeyUp(VK_F6);
    EXPECT_SEQUENCE((Lines{"app keydown", "leaf pre keydown", "mid pre keydown", "leaf keydown"}), g_log);
}

TEST_F(PreTranslateTest, WindowsOutsideTheMainWindowAskItLast)
{
    CPreApp app;
    CPreWnd main;
    main.name = "main";
    ASSERT_TRUE(main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPED, 400, 0, 100, 100, NULL, NULL));
    app.m_pMainWnd = &main;
    leaf.SetFocus();
    g_log.clear();
    KeyDown(VK_F7);
    KeyUp(VK_F7);
    EXPECT_SEQUENCE((Lines{"app keydown", "leaf pre keydown", "mid pre keydown", "top pre keydown",
                           "main pre keydown", "leaf keydown"}),
                    g_log);
}

TEST_F(PreTranslateTest, TheApplicationsPumpPreTranslatesToo)
{
    CPreApp app;
    app.m_pMainWnd = &top;
    top.nConsume = WM_KEYDOWN;
    leaf.PostMessage(WM_KEYDOWN, VK_F8, 1);
    EXPECT_TRUE(AfxPumpMessage());
    EXPECT_SEQUENCE((Lines{"app keydown", "leaf pre keydown", "mid pre keydown", "top pre keydown"}), g_log);
}

TEST_F(PreTranslateTest, WithoutAnApplicationNothingIsPreTranslated)
{
    if (AfxGetApp() != NULL)
        GTEST_SKIP() << "this program has an application object";
    KeyDown(VK_F9);
    KeyUp(VK_F9);
    EXPECT_SEQUENCE((Lines{"leaf keydown"}), g_log);
}

TEST_F(PreTranslateTest, AWindowDestroyedWhilePreTranslatingEndsTheWalk)
{
    // An editor that closes itself on Escape in its PreTranslateMessage.
    class CClosing : public CPreWnd {
    public:
        BOOL PreTranslateMessage(MSG* pMsg) override
        {
            if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
                g_log.push_back("closing");
                DestroyWindow();
                return FALSE;  // not consumed, but the window is gone
            }
            return CPreWnd::PreTranslateMessage(pMsg);
        }
    } editor;
    editor.name = "editor";
    CPreApp app;
    app.m_pMainWnd = &top;
    ASSERT_TRUE(editor.Create(NULL, "editor", WS_VISIBLE, CRect(0, 0, 50, 20), &leaf, 3));
    editor.SetFocus();
    g_log.clear();
    KeyDown(VK_ESCAPE);
    KeyUp(VK_ESCAPE);
    Lines keys;
    for (const std::string& line : g_log)
        if (line.find("char") == std::string::npos)
            keys.push_back(line);
    // Nobody above the editor is asked, and nothing is dispatched to it.
    EXPECT_SEQUENCE((Lines{"app keydown", "closing"}), keys);
    EXPECT_FALSE(editor.IsWindow());
}

}  // namespace
