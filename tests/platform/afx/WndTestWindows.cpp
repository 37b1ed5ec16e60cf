#include "WndTestWindows.h"

#include <cstdio>

namespace afxtest {

PlainLog& Plain()
{
    static PlainLog log;
    return log;
}

std::string Hex(UINT v)
{
    char buf[16];
    std::snprintf(buf, sizeof(buf), "0x%04X", v);
    return buf;
}

namespace {
LRESULT CALLBACK PlainProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    PlainLog& log = Plain();
    bool bWatched = log.watched.empty();
    for (UINT m : log.watched)
        bWatched = bWatched || m == msg;
    if (bWatched)
        log.lines.push_back("plain " + Hex(msg));
    return ::DefWindowProc(hWnd, msg, wParam, lParam);
}
}  // namespace

LPCSTR PlainClass()
{
    WNDCLASS wc;
    if (!::GetClassInfo(::GetModuleHandle(NULL), "AfxTestPlain", &wc)) {
        std::memset(&wc, 0, sizeof(wc));
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &PlainProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = "AfxTestPlain";
        ::RegisterClass(&wc);
    }
    return "AfxTestPlain";
}

HWND CreatePlainTop(int x, int y, int cx, int cy)
{
    return ::CreateWindowEx(0, PlainClass(), "top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, cx, cy, NULL, NULL,
                            ::GetModuleHandle(NULL), NULL);
}

HWND CreatePlainChild(HWND hParent, int id, int x, int y, int cx, int cy)
{
    return ::CreateWindowEx(0, PlainClass(), "child", WS_CHILD | WS_VISIBLE, x, y, cx, cy, hParent,
                            (HMENU)(UINT_PTR)id, ::GetModuleHandle(NULL), NULL);
}

}  // namespace afxtest
