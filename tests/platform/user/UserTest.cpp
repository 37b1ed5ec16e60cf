#include "UserTest.h"

namespace {
UserTest* g_current = nullptr;
}

void UserTest::SetUp()
{
    VorTestBase::SetUp();
    g_current = this;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "Rec";
    ASSERT_NE(RegisterClassA(&wc), 0);
    wc.style = CS_DBLCLKS;
    wc.lpszClassName = "RecDbl";
    ASSERT_NE(RegisterClassA(&wc), 0);
    m_hook = SetWindowsHookExA(WH_CBT, Cbt, nullptr, GetCurrentThreadId());
}

void UserTest::TearDown()
{
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    g_current = nullptr;
    VorTestBase::TearDown();
}

HWND UserTest::Make(const char* name, DWORD style, int x, int y, int cx, int cy, HWND parent, DWORD exStyle,
                    const char* cls, int id)
{
    return CreateWindowExA(exStyle, cls, name, style, x, y, cx, cy, parent, (HMENU)(INT_PTR)id, nullptr, nullptr);
}

LRESULT CALLBACK UserTest::Cbt(int code, WPARAM wp, LPARAM lp)
{
    if (code == HCBT_CREATEWND && g_current) {
        const CBT_CREATEWNDA* c = (const CBT_CREATEWNDA*)lp;
        if (c->lpcs->lpszName)
            g_current->m_recorder.Name((HWND)wp, c->lpcs->lpszName);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK UserTest::Proc(HWND h, UINT m, WPARAM wp, LPARAM lp)
{
    if (!g_current)
        return DefWindowProcA(h, m, wp, lp);
    g_current->m_recorder.Note(h, m, wp, lp);
    Handler& handler = g_current->m_handler;
    LRESULT r = 0;
    if (handler && handler(h, m, wp, lp, &r))
        return r;
    return DefWindowProcA(h, m, wp, lp);
}
