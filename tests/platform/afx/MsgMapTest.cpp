// Message maps: the chain of a derived class, the crackers of the handler
// thunks, Default reaching the replaced window procedure, and constant
// initialisation of the maps.
#include <afxwin.h>

#include <cstdarg>
#include <cstdio>
#include <type_traits>

#include "VorTestBase.h"
#include "VorTestHost.h"
#include "WndTestWindows.h"

using afxtest::Plain;

namespace {

// A dynamic initialiser that runs before the map below is defined (same
// translation unit, so in this order): if the map needed a constructor, it
// would still be zero here.
struct MapProbe {
    bool bEntriesReady;
    MapProbe();
};
extern MapProbe g_probe;

class CMapBase : public CWnd {
public:
    std::vector<std::string> log;
    static const AFX_MSGMAP* Map() { return &messageMap; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { log.push_back("base L"); }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point) { log.push_back("base R"); }
    afx_msg void OnTimer(UINT nIDEvent) { log.push_back("base timer " + std::to_string(nIDEvent)); }
    DECLARE_MESSAGE_MAP()
};

class CMapDerived : public CMapBase {
protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { log.push_back("derived L"); }
    // Passes the message on to the window's own procedure.
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point)
    {
        log.push_back("derived R");
        CWnd::OnRButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};

MapProbe::MapProbe()
{
    const AFX_MSGMAP* pMap = CMapBase::Map();
    bEntriesReady = pMap->lpEntries != NULL && pMap->pfnGetBaseMap != NULL && pMap->lpEntries[0].pfn != NULL &&
                    pMap->lpEntries[0].nMessage == WM_LBUTTONDOWN;
}
MapProbe g_probe;

BEGIN_MESSAGE_MAP(CMapBase, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_TIMER()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMapDerived, CMapBase)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

// A window that records the arguments its handlers receive, one line a message.
class CCracker : public CWnd {
public:
    std::vector<std::string> log;
    LRESULT lUserResult = 0;
    static UINT s_nRegistered;

protected:
    void Put(const char* fmt, ...)
    {
        char buf[160];
        va_list args;
        va_start(args, fmt);
        std::vsnprintf(buf, sizeof(buf), fmt, args);
        va_end(args);
        log.push_back(buf);
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) { Put("move %u %d %d", nFlags, point.x, point.y); }
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point) { Put("dbl %u %d %d", nFlags, point.x, point.y); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        Put("wheel %u %d %d %d", nFlags, zDelta, pt.x, pt.y);
        return TRUE;
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Put("key %u %u 0x%X", nChar, nRepCnt, nFlags); }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { Put("char %u %u 0x%X", nChar, nRepCnt, nFlags); }
    afx_msg void OnSize(UINT nType, int cx, int cy) { Put("size %u %d %d", nType, cx, cy); }
    afx_msg void OnMove(int x, int y) { Put("move-to %d %d", x, y); }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        Put("cursor %s %u 0x%X", pWnd == this ? "self" : "other", nHitTest, message);
        return 7;  // the answer goes back as the message's result
    }
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        Put("vscroll %u %u %s", nSBCode, nPos, pScrollBar == NULL ? "window" : "control");
    }
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
    {
        Put("activate %u %s %d", nState, pWndOther == NULL ? "none" : "other", bMinimized);
    }
    afx_msg UINT OnNcHitTest(CPoint point)
    {
        Put("hittest %d %d", point.x, point.y);
        return HTCAPTION;
    }
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
    {
        Put("mouseactivate %u 0x%X", nHitTest, message);
        return MA_NOACTIVATE;
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) { Put("show %d %u", bShow, nStatus); }
    afx_msg UINT OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        Put("ctlcolor %u %s", nCtlColor, pDC != NULL && pWnd != NULL ? "dc+wnd" : "missing");
        return (HBRUSH)::GetStockObject(GRAY_BRUSH);
    }
    afx_msg LRESULT OnUser(WPARAM wParam, LPARAM lParam)
    {
        Put("user %lu %ld", (unsigned long)wParam, (long)lParam);
        return lUserResult;
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam)
    {
        Put("registered %lu", (unsigned long)wParam);
        return 99;
    }
    DECLARE_MESSAGE_MAP()
};
UINT CCracker::s_nRegistered = 0;

BEGIN_MESSAGE_MAP(CCracker, CWnd)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_SETCURSOR()
    ON_WM_VSCROLL()
    ON_WM_ACTIVATE()
    ON_WM_NCHITTEST()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SHOWWINDOW()
    ON_WM_GETDLGCODE()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_USER + 5, OnUser)
    ON_REGISTERED_MESSAGE(CCracker::s_nRegistered, OnRegistered)
END_MESSAGE_MAP()

class MsgMapTest : public VorTestBase {
protected:
    void SetUp() override
    {
        VorTestBase::SetUp();
        Plain().lines.clear();
        Plain().watched.clear();
    }
};

TEST_F(MsgMapTest, MapsAreConstantData)
{
    EXPECT_TRUE(g_probe.bEntriesReady);
    // The chain: derived -> base -> CWnd -> CCmdTarget -> none.
    const AFX_MSGMAP* pMap = CMapBase::Map();
    int nDepth = 0;
    for (; pMap != NULL; pMap = pMap->pfnGetBaseMap())
        ++nDepth;
    EXPECT_EQ(3, nDepth);
}

TEST_F(MsgMapTest, DerivedHandlerWinsAndBaseHandlerIsReached)
{
    CMapDerived wnd;
    ASSERT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "w", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100, 100, NULL, NULL));
    Plain().watched = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_TIMER};
    Plain().lines.clear();

    ::SendMessage(wnd.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 2));
    ::SendMessage(wnd.m_hWnd, WM_TIMER, 42, 0);
    ::SendMessage(wnd.m_hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 2));

    EXPECT_SEQUENCE((std::vector<std::string>{"derived L", "base timer 42", "derived R"}), wnd.log);
    // Handled messages stop at the handler; Default passes the right button on
    // to the class's own procedure that the framework replaced.
    EXPECT_SEQUENCE((std::vector<std::string>{"plain " + afxtest::Hex(WM_RBUTTONDOWN)}), Plain().lines);
}

TEST_F(MsgMapTest, UnmappedMessagesReachTheReplacedProcedure)
{
    CMapBase wnd;
    ASSERT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "w", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL));
    Plain().watched = {WM_USER + 77};
    Plain().lines.clear();
    EXPECT_EQ(0, ::SendMessage(wnd.m_hWnd, WM_USER + 77, 0, 0));
    EXPECT_EQ(1u, Plain().lines.size());
    EXPECT_TRUE(wnd.log.empty());
}

TEST_F(MsgMapTest, ThunksCrackArguments)
{
    CCracker wnd;
    CCracker::s_nRegistered = ::RegisterWindowMessage("AfxTestRegistered");
    ASSERT_NE(0u, CCracker::s_nRegistered);
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "w", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL));
    wnd.log.clear();
    HWND h = wnd.m_hWnd;

    struct Case {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT lExpected;
        const char* line;
    };
    const Case cases[] = {
        // Coordinates are signed 16-bit values: points left of or above the window.
        {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, -300), 0, "move 5 -5 -300"},
        {WM_LBUTTONDBLCLK, MK_CONTROL, MAKELPARAM(32767, -32768), 0, "dbl 8 32767 -32768"},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_MBUTTON, (WORD)-120), MAKELPARAM(-1, 40), TRUE, "wheel 16 -120 -1 40"},
        {WM_KEYDOWN, VK_DOWN, MAKELPARAM(3, 0x4150), 0, "key 40 3 0x4150"},
        {WM_CHAR, 'a', MAKELPARAM(1, 0x001E), 0, "char 97 1 0x1E"},
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), 0, "size 2 640 480"},
        {WM_MOVE, 0, MAKELPARAM(-20, -10), 0, "move-to -20 -10"},
        {WM_SETCURSOR, 0, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), 7, "cursor other 1 0x200"},
        {WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 250), 0, 0, "vscroll 5 250 window"},
        {WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 1), 0, 0, "activate 2 none 1"},
        {WM_NCHITTEST, 0, MAKELPARAM(-3, 7), HTCAPTION, "hittest -3 7"},
        {WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN), MA_NOACTIVATE, "mouseactivate 1 0x201"},
        {WM_SHOWWINDOW, TRUE, SW_PARENTOPENING, 0, "show 1 3"},
        {WM_USER + 5, 12, -34, 55, "user 12 -34"},
        {CCracker::s_nRegistered, 8, 0, 99, "registered 8"},
    };
    wnd.lUserResult = 55;
    for (const Case& c : cases) {
        wnd.log.clear();
        LRESULT lResult = ::SendMessage(h, c.msg, c.wParam, c.lParam);
        EXPECT_EQ(c.lExpected, lResult) << c.line;
        ASSERT_EQ(1u, wnd.log.size()) << c.line;
        EXPECT_EQ(c.line, wnd.log[0]);
    }
    EXPECT_EQ((LRESULT)(DLGC_WANTARROWS | DLGC_WANTCHARS), ::SendMessage(h, WM_GETDLGCODE, 0, 0));
}

TEST_F(MsgMapTest, SetCursorNamesTheWindowItself)
{
    CCracker wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "w", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL));
    wnd.log.clear();
    ::SendMessage(wnd.m_hWnd, WM_SETCURSOR, (WPARAM)wnd.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    ASSERT_EQ(1u, wnd.log.size());
    EXPECT_EQ("cursor self 1 0x200", wnd.log[0]);
}

TEST_F(MsgMapTest, CtlColorFamilyReachesOneHandler)
{
    CCracker wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "w", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL));
    HWND hChild = afxtest::CreatePlainChild(wnd.m_hWnd, 3);
    HDC hdc = ::GetDC(hChild);
    const UINT msgs[] = {WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN, WM_CTLCOLORSTATIC};
    for (UINT msg : msgs) {
        wnd.log.clear();
        LRESULT lResult = ::SendMessage(wnd.m_hWnd, msg, (WPARAM)hdc, (LPARAM)hChild);
        EXPECT_EQ((LRESULT)::GetStockObject(GRAY_BRUSH), lResult);
        ASSERT_EQ(1u, wnd.log.size());
        EXPECT_EQ("ctlcolor " + std::to_string(msg - WM_CTLCOLORMSGBOX) + " dc+wnd", wnd.log[0]);
    }
    ::ReleaseDC(hChild, hdc);
}

// ---- type safety: the owner deduction accepts only the entry's signature ----

template <class Sig, class Pmf, class = void>
struct AcceptedBy : std::false_type {};
template <class Sig, class Pmf>
struct AcceptedBy<Sig, Pmf, std::void_t<decltype(::AfxPmfOwner<Sig>(std::declval<Pmf>()))>> : std::true_type {};

struct CSigProbe : CWnd {
    void Right(UINT, CPoint) {}
    void WrongArgs(UINT, POINT) {}
    int WrongResult(UINT, CPoint) { return 0; }
    BOOL Notify(NMHDR*, LRESULT*) { return FALSE; }
};

struct CSigProbeChild : CSigProbe {};

TEST_F(MsgMapTest, HandlerSignaturesAreChecked)
{
    EXPECT_TRUE((AcceptedBy<AfxMsgSig_vwp::Fn, decltype(&CSigProbe::Right)>::value));
    EXPECT_FALSE((AcceptedBy<AfxMsgSig_vwp::Fn, decltype(&CSigProbe::WrongArgs)>::value));
    EXPECT_FALSE((AcceptedBy<AfxMsgSig_vwp::Fn, decltype(&CSigProbe::WrongResult)>::value));
    // A void notification entry refuses the BOOL handler of the _EX form.
    EXPECT_FALSE((AcceptedBy<AfxCmdSig_vNMHDRpl::Fn, decltype(&CSigProbe::Notify)>::value));
    EXPECT_TRUE((AcceptedBy<AfxCmdSig_bNMHDRpl::Fn, decltype(&CSigProbe::Notify)>::value));
    // An inherited handler is owned by the class that declares it.
    EXPECT_TRUE((std::is_same<CSigProbe, decltype(::AfxPmfOwner<AfxMsgSig_vwp::Fn>(&CSigProbeChild::Right))::type>::value));
}

}  // namespace
