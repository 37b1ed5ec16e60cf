// CWnd: creation through the hook, the handle maps, subclassing, owner and
// parent, destruction from inside a handler, and the USER wrappers.
#include <afxcmn.h>
#include <afxwin.h>

#include <memory>
#include <vector>

#include "VorTestBase.h"
#include "VorTestHost.h"
#include "WndTestWindows.h"

using afxtest::Hex;
using afxtest::Plain;

namespace {

typedef std::vector<std::string> Lines;

// Logs the messages its WindowProc sees and the moments of its life.
class CLifeWnd : public CWnd {
public:
    Lines log;
    std::vector<UINT> watched;
    bool bDeleteOnNcDestroy = false;
    bool* pbDeleted = nullptr;
    WNDPROC pfnSeenInPreSubclass = nullptr;
    bool bPermanentInPreSubclass = false;

    ~CLifeWnd() override
    {
        if (pbDeleted)
            *pbDeleted = true;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        bool bLog = watched.empty();
        for (UINT m : watched)
            bLog = bLog || m == message;
        if (bLog)
            log.push_back("proc " + Hex(message));
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PreSubclassWindow() override
    {
        log.push_back("presubclass");
        pfnSeenInPreSubclass = (WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
        bPermanentInPreSubclass = CWnd::FromHandlePermanent(m_hWnd) == this;
        CWnd::PreSubclassWindow();
    }
    void PostNcDestroy() override
    {
        log.push_back("postncdestroy");
        if (bDeleteOnNcDestroy)
            delete this;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        log.push_back(std::string("create ") + (lpcs && lpcs->lpszName ? lpcs->lpszName : "?"));
        return CWnd::OnCreate(lpcs);
    }
    // A click destroys the window; the object may go with it.
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        log.push_back("click");
        DestroyWindow();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLifeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class WndTest : public VorTestBase {
protected:
    void SetUp() override
    {
        VorTestBase::SetUp();
        Plain().lines.clear();
        Plain().watched.clear();
    }
};

TEST_F(WndTest, CreationAttachesBeforeTheFirstMessage)
{
    CLifeWnd wnd;
    wnd.watched = {WM_NCCREATE, WM_CREATE};
    ASSERT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "first", WS_OVERLAPPED, 0, 0, 80, 60, NULL, NULL));
    EXPECT_SEQUENCE((Lines{"presubclass", "proc " + Hex(WM_NCCREATE), "proc " + Hex(WM_CREATE), "create first"}),
                    wnd.log);
    // The class's own procedure still gets what the object passes on.
    EXPECT_FALSE(wnd.pfnSeenInPreSubclass == AfxGetAfxWndProc());
    EXPECT_TRUE(wnd.bPermanentInPreSubclass);
    EXPECT_EQ((LONG_PTR)AfxGetAfxWndProc(), ::GetWindowLongPtr(wnd.m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
}

TEST_F(WndTest, AnObjectWithoutHandlersIsTransparent)
{
    // The class's own procedure sees the same whole sequence, from creation
    // to destruction, whether or not a framework object runs the window.
    HWND hTop = afxtest::CreatePlainTop();
    auto lifetime = [&](bool bFramework) {
        Plain().lines.clear();
        Plain().watched.clear();
        CWnd wnd;
        HWND h;
        if (bFramework) {
            EXPECT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "c", WS_CHILD | WS_VISIBLE, 5, 5, 40, 30, hTop,
                                     (HMENU)9));
            h = wnd.m_hWnd;
        } else {
            h = ::CreateWindowEx(0, afxtest::PlainClass(), "c", WS_CHILD | WS_VISIBLE, 5, 5, 40, 30, hTop, (HMENU)9,
                                 ::GetModuleHandle(NULL), NULL);
        }
        ::SendMessage(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        ::SendMessage(h, WM_KEYDOWN, VK_DOWN, 1);
        ::SendMessage(h, WM_TIMER, 5, 0);
        ::DestroyWindow(h);
        Lines lines;
        // The parent's lines are the plain top's; keep them too.
        lines.swap(Plain().lines);
        return lines;
    };
    Lines plain = lifetime(false);
    Lines framework = lifetime(true);
    EXPECT_GT(plain.size(), 8u);
    EXPECT_SEQUENCE(plain, framework);
}

// Creates a child of its own while it is being created.
class CNestingWnd : public CWnd {
public:
    CLifeWnd inner;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        inner.watched = {WM_NCCREATE, WM_CREATE};
        return inner.Create(NULL, "inner", WS_VISIBLE, CRect(0, 0, 20, 20), this, 4) ? 0 : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(WndTest, WindowsCreatedDuringCreationAttachToTheirOwnObjects)
{
    CNestingWnd outer;
    ASSERT_TRUE(outer.CreateEx(0, AfxRegisterWndClass(0), "outer", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL));
    ASSERT_TRUE(outer.inner.IsWindow());
    EXPECT_EQ(&outer, CWnd::FromHandlePermanent(outer.m_hWnd));
    EXPECT_EQ(&outer.inner, CWnd::FromHandlePermanent(outer.inner.m_hWnd));
    EXPECT_EQ(&outer, outer.inner.GetParent());
    EXPECT_SEQUENCE((Lines{"presubclass", "proc " + Hex(WM_NCCREATE), "proc " + Hex(WM_CREATE), "create inner"}),
                    outer.inner.log);
    // And the hook is gone afterwards.
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(afxtest::CreatePlainTop()));
}

TEST_F(WndTest, StyleChangesInPreSubclassWindowLast)
{
    class CStyling : public CWnd {
        void PreSubclassWindow() override { ModifyStyle(0, WS_VSCROLL); }
    } wnd;
    ASSERT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "w", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL));
    EXPECT_TRUE(wnd.GetStyle() & WS_VSCROLL);
}

TEST_F(WndTest, CreateMakesChildrenOfTheDefaultClass)
{
    HWND hTop = afxtest::CreatePlainTop();
    CWnd* pTop = CWnd::FromHandle(hTop);
    CLifeWnd child;
    ASSERT_TRUE(child.Create(NULL, "kid", WS_VISIBLE, CRect(5, 6, 45, 36), pTop, 77));
    EXPECT_TRUE(child.GetStyle() & WS_CHILD);
    EXPECT_EQ(77, child.GetDlgCtrlID());
    EXPECT_EQ(pTop, child.GetParent());
    char szClass[64] = "";
    ::GetClassName(child.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("AfxWnd42", szClass);
    CRect rc;
    child.GetWindowRect(&rc);
    pTop->ScreenToClient(&rc);
    EXPECT_EQ(CRect(5, 6, 45, 36), rc);
    // A second window for the same object is refused.
    EXPECT_FALSE(child.Create(NULL, "again", WS_VISIBLE, CRect(0, 0, 10, 10), pTop, 78));
}

TEST_F(WndTest, FailedCreationLeavesTheObjectFree)
{
    CLifeWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, "NoSuchClass", "x", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_SEQUENCE((Lines{"postncdestroy"}), wnd.log);
    // The hook is gone: the next plain window is nobody's.
    HWND h = afxtest::CreatePlainTop();
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(h));
}

TEST_F(WndTest, AttachDetachAndFromHandle)
{
    HWND h = afxtest::CreatePlainTop();
    CWnd* pTemp = CWnd::FromHandle(h);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CWnd::FromHandle(h));  // one temporary object a window
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));

    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(h));
    EXPECT_EQ(&wnd, CWnd::FromHandle(h));
    CWnd other;
    EXPECT_FALSE(other.Attach(h));  // one owner a window
    EXPECT_FALSE(wnd.Attach(afxtest::CreatePlainTop()));  // one window an object
    EXPECT_EQ(h, wnd.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
    EXPECT_TRUE(::IsWindow(h));  // detaching does not destroy
    ASSERT_TRUE(other.Attach(h));  // a new owner is found at once
    EXPECT_EQ(&other, CWnd::FromHandlePermanent(h));
    EXPECT_EQ(h, other.Detach());

    // Many windows, each found as its own object, before and after some
    // change owners.
    std::vector<HWND> handles;
    std::vector<std::unique_ptr<CWnd>> owners;
    for (int i = 0; i < 40; ++i) {
        handles.push_back(afxtest::CreatePlainTop());
        owners.push_back(std::make_unique<CWnd>());
        ASSERT_TRUE(owners.back()->Attach(handles.back()));
    }
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(owners[i].get(), CWnd::FromHandlePermanent(handles[i])) << i;
    for (int i = 0; i < 40; i += 3)
        owners[i]->Detach();
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(i % 3 == 0 ? nullptr : owners[i].get(), CWnd::FromHandlePermanent(handles[i])) << i;
        if (i % 3 != 0)
            owners[i]->Detach();
        ::DestroyWindow(handles[i]);
    }

    EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
    ::DestroyWindow(h);
    EXPECT_EQ(nullptr, CWnd::FromHandle(h));
    EXPECT_FALSE(other.Attach(h));
    CWnd::DeleteTempMap();
}

TEST_F(WndTest, TemporaryObjectsMatchTheStockClass)
{
    HWND hTop = afxtest::CreatePlainTop();
    HWND hButton = ::CreateWindowEx(0, "BUTTON", "b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20, hTop, (HMENU)5,
                                    ::GetModuleHandle(NULL), NULL);
    HWND hList = ::CreateWindowEx(0, "ListBox", "", WS_CHILD, 0, 30, 50, 60, hTop, (HMENU)6, ::GetModuleHandle(NULL),
                                  NULL);
    ASSERT_NE(nullptr, hButton);
    ASSERT_NE(nullptr, hList);
    CWnd* pTop = CWnd::FromHandle(hTop);
    EXPECT_NE(nullptr, dynamic_cast<CButton*>(pTop->GetDlgItem(5)));
    EXPECT_NE(nullptr, dynamic_cast<CListBox*>(pTop->GetDlgItem(6)));
    EXPECT_EQ(nullptr, dynamic_cast<CButton*>(pTop));
    HWND hView = ::CreateWindowEx(0, WC_LISTVIEW, "", WS_CHILD | LVS_REPORT, 60, 0, 100, 100, hTop, (HMENU)7,
                                  ::GetModuleHandle(NULL), NULL);
    ASSERT_NE(nullptr, hView);
    EXPECT_NE(nullptr, dynamic_cast<CListCtrl*>(CWnd::FromHandle(hView)));
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsWindow(hButton));  // deleting the stand-ins leaves the windows
}

TEST_F(WndTest, SubclassDlgItemCallsPreSubclassFirst)
{
    HWND hTop = afxtest::CreatePlainTop();
    HWND hChild = afxtest::CreatePlainChild(hTop, 12);
    WNDPROC pfnOriginal = (WNDPROC)::GetWindowLongPtr(hChild, GWLP_WNDPROC);
    CLifeWnd wnd;
    EXPECT_FALSE(wnd.SubclassDlgItem(13, CWnd::FromHandle(hTop)));
    ASSERT_TRUE(wnd.SubclassDlgItem(12, CWnd::FromHandle(hTop)));
    EXPECT_SEQUENCE((Lines{"presubclass"}), wnd.log);
    // PreSubclassWindow ran attached, before the procedure was replaced.
    EXPECT_TRUE(wnd.bPermanentInPreSubclass);
    EXPECT_EQ(pfnOriginal, wnd.pfnSeenInPreSubclass);
    EXPECT_EQ((LONG_PTR)AfxGetAfxWndProc(), ::GetWindowLongPtr(hChild, GWLP_WNDPROC));

    // The object sees the messages first, then the original procedure.
    wnd.log.clear();
    Plain().watched = {WM_USER + 1};
    Plain().lines.clear();
    ::SendMessage(hChild, WM_USER + 1, 0, 0);
    EXPECT_SEQUENCE((Lines{"proc " + Hex(WM_USER + 1)}), wnd.log);
    EXPECT_SEQUENCE((Lines{"plain " + Hex(WM_USER + 1)}), Plain().lines);

    EXPECT_EQ(hChild, wnd.UnsubclassWindow());
    EXPECT_EQ((LONG_PTR)pfnOriginal, ::GetWindowLongPtr(hChild, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hChild));
}

TEST_F(WndTest, OwnerIsTheParentUnlessSet)
{
    HWND hTop = afxtest::CreatePlainTop();
    HWND hOther = afxtest::CreatePlainTop(400, 0);
    CWnd child;
    ASSERT_TRUE(child.Attach(afxtest::CreatePlainChild(hTop, 1)));
    EXPECT_EQ(hTop, child.GetParent()->m_hWnd);
    EXPECT_EQ(hTop, child.GetOwner()->m_hWnd);
    child.SetOwner(CWnd::FromHandle(hOther));
    EXPECT_EQ(hOther, child.GetOwner()->m_hWnd);
    EXPECT_EQ(hTop, child.GetParent()->m_hWnd);  // the parent does not change
    child.SetOwner(NULL);
    EXPECT_EQ(hTop, child.GetOwner()->m_hWnd);
    EXPECT_EQ(hTop, child.GetParentOwner()->m_hWnd);
    EXPECT_EQ(hTop, child.GetTopLevelParent()->m_hWnd);
}

TEST_F(WndTest, WindowDestroyedInsideItsHandler)
{
    bool bDeleted = false;
    CLifeWnd* pWnd = new CLifeWnd;
    pWnd->bDeleteOnNcDestroy = true;
    pWnd->pbDeleted = &bDeleted;
    ASSERT_TRUE(pWnd->CreateEx(0, afxtest::PlainClass(), "doomed", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100, 100, NULL,
                               NULL));
    HWND h = pWnd->m_hWnd;
    ::SendMessage(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(bDeleted);
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
    // The framework is fine afterwards.
    CLifeWnd next;
    EXPECT_TRUE(next.CreateEx(0, afxtest::PlainClass(), "next", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
}

TEST_F(WndTest, DestroyingDetachesAndRestoresTheProcedure)
{
    CLifeWnd wnd;
    wnd.watched = {WM_DESTROY, WM_NCDESTROY};
    ASSERT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "w", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
    HWND h = wnd.m_hWnd;
    wnd.log.clear();
    Plain().watched = {WM_NCDESTROY};
    Plain().lines.clear();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_SEQUENCE((Lines{"proc " + Hex(WM_DESTROY), "proc " + Hex(WM_NCDESTROY), "postncdestroy"}), wnd.log);
    EXPECT_SEQUENCE((Lines{"plain " + Hex(WM_NCDESTROY)}), Plain().lines);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
    EXPECT_FALSE(wnd.DestroyWindow());
    // The object can have a window again.
    EXPECT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "again", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
}

TEST_F(WndTest, DestructorDestroysTheOwnedWindow)
{
    HWND h = NULL;
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "w", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
        h = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
}

TEST_F(WndTest, ResetDetachesLiveObjects)
{
    CLifeWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "w", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
    CWnd* pTemp = CWnd::FromHandle(afxtest::CreatePlainTop());
    ASSERT_NE(nullptr, pTemp);
    VorPlatformReset();
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::GetCurrentMessage()->hwnd);
    // Creation works again after the reset (classes and hook are renewed).
    EXPECT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "w2", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
}

TEST_F(WndTest, SetWindowPosMarkersOrderSiblings)
{
    HWND hTop = afxtest::CreatePlainTop();
    CWnd a, b, c;
    ASSERT_TRUE(a.Attach(afxtest::CreatePlainChild(hTop, 1)));
    ASSERT_TRUE(b.Attach(afxtest::CreatePlainChild(hTop, 2)));
    ASSERT_TRUE(c.Attach(afxtest::CreatePlainChild(hTop, 3)));
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    ASSERT_TRUE(c.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, flags));
    EXPECT_EQ(c.m_hWnd, ::GetTopWindow(hTop));
    ASSERT_TRUE(c.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, flags));
    EXPECT_EQ(c.m_hWnd, ::GetWindow(::GetTopWindow(hTop), GW_HWNDLAST));
    // After a given window.
    ASSERT_TRUE(c.SetWindowPos(&a, 0, 0, 0, 0, flags));
    EXPECT_EQ(c.m_hWnd, ::GetWindow(a.m_hWnd, GW_HWNDNEXT));
    EXPECT_EQ(HWND_TOP, CWnd::wndTop.GetSafeHwnd());
    EXPECT_EQ(HWND_BOTTOM, CWnd::wndBottom.GetSafeHwnd());
}

TEST_F(WndTest, StylesTextAndGeometry)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "title", WS_OVERLAPPED, 10, 20, 200, 100, NULL, NULL));
    EXPECT_TRUE(wnd.ModifyStyle(0, WS_VSCROLL));
    EXPECT_FALSE(wnd.ModifyStyle(0, WS_VSCROLL));  // no change, FALSE
    EXPECT_TRUE(wnd.GetStyle() & WS_VSCROLL);
    EXPECT_TRUE(wnd.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED));
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(wnd.ModifyStyleEx(WS_EX_CLIENTEDGE, 0));
    EXPECT_FALSE(wnd.GetExStyle() & WS_EX_CLIENTEDGE);

    CString str;
    wnd.GetWindowText(str);
    EXPECT_STREQ("title", (LPCTSTR)str);
    wnd.SetWindowText("longer title");
    EXPECT_EQ(12, wnd.GetWindowTextLength());
    char buf[6];
    EXPECT_EQ(5, wnd.GetWindowText(buf, sizeof(buf)));
    EXPECT_STREQ("longe", buf);

    CPoint pt(3, 4);
    wnd.ClientToScreen(&pt);
    CRect rcClient;
    wnd.GetClientRect(&rcClient);
    CRect rc = rcClient;
    wnd.ClientToScreen(&rc);
    EXPECT_EQ(rc.left + 3, pt.x);
    EXPECT_EQ(rc.top + 4, pt.y);
    wnd.ScreenToClient(&rc);
    EXPECT_EQ(rcClient, rc);

    EXPECT_TRUE(wnd.IsWindow());
    wnd.DestroyWindow();
    EXPECT_FALSE(wnd.IsWindow());
}

TEST_F(WndTest, FocusCaptureAndTimersAnswerObjects)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, afxtest::PlainClass(), "w", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100, 100, NULL, NULL));
    wnd.SetFocus();
    EXPECT_EQ(&wnd, CWnd::GetFocus());
    wnd.SetCapture();
    EXPECT_EQ(&wnd, CWnd::GetCapture());
    ReleaseCapture();
    EXPECT_EQ(nullptr, CWnd::GetCapture());
    EXPECT_EQ(7u, wnd.SetTimer(7, 10, NULL));
    EXPECT_TRUE(wnd.KillTimer(7));
    EXPECT_FALSE(wnd.KillTimer(7));
}

}  // namespace
