// The fixture of the in-place editor tests: the host window stands where
// the grid will stand (the editors' parent and owner), records every
// WM_VOR_NOTIFY and the keys handed to it, and answers from a script. An
// application object makes the pump run the framework's pre-translation,
// so keys reach the editors' PreTranslateMessage as they do in a program.
#pragma once

#include <afxwin.h>

#include <memory>
#include <string>
#include <vector>

#include "VorTestHost.h"

namespace vor::test {

class EditorTest : public VorHostTest {
protected:
    void SetUp() override
    {
        VorHostTest::SetUp();
        m_app.reset(new CWinApp("editor test"));
        m_app->m_pMainWnd = CWnd::FromHandle(HostHwnd());
        ::SetActiveWindow(HostHwnd());
        Host().RecordMessage(WM_KEYDOWN);
        Host().RecordMessage(WM_COMMAND, false);
        Host().RecordMessage(WM_NOTIFY, false);
    }
    void TearDown() override
    {
        VorHostTest::TearDown();
        m_app.reset();
    }

    // The texts of the recorded notifications, and their codes.
    std::vector<std::string> Offered() const
    {
        std::vector<std::string> v;
        for (const NotifyRecord& r : Host().Notifications())
            if (r.nCode == 1)
                v.push_back(r.strText);
        return v;
    }
    std::vector<int> Codes() const
    {
        std::vector<int> v;
        for (const NotifyRecord& r : Host().Notifications())
            v.push_back(r.nCode);
        return v;
    }
    // The virtual keys the host received as WM_KEYDOWN (handed on to it).
    std::vector<WPARAM> KeysHandedOn() const
    {
        std::vector<WPARAM> v;
        for (const MessageRecord& r : Host().Messages())
            if (r.message == WM_KEYDOWN)
                v.push_back(r.wParam);
        return v;
    }
    // How many WM_KEYDOWN of one key a recorded window was dispatched.
    int KeyDownsSeen(HWND hWnd, WPARAM vk) const
    {
        int n = 0;
        for (const RecordedMessage& m : m_recorder.Messages())
            if (m.hwnd == hWnd && m.message == WM_KEYDOWN && m.wParam == vk)
                ++n;
        return n;
    }
    // A window's rectangle in the host's client coordinates.
    CRect RectInHost(HWND hWnd) const
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        ::MapWindowPoints(NULL, HostHwnd(), (LPPOINT)&rc, 2);
        return rc;
    }
    static std::string TextOf(HWND hWnd)
    {
        char sz[256] = {0};
        ::GetWindowTextA(hWnd, sz, sizeof sz);
        return sz;
    }
    // Screen point of a window's client point.
    static POINT ScreenOf(HWND hWnd, int x, int y)
    {
        POINT pt = {x, y};
        ::ClientToScreen(hWnd, &pt);
        return pt;
    }
    const CVorTestHostWnd& Host() const { return const_cast<EditorTest*>(this)->VorHostTest::Host(); }
    using VorHostTest::Host;

    std::unique_ptr<CWinApp> m_app;
};

}  // namespace vor::test
