// The clipboard: formats held as global memory blocks that the clipboard
// owns once set (freed when emptied or replaced).
#include "user/user_state.h"

using namespace vor;
using namespace vor::user;

namespace {

void FreeAll(State& s)
{
    for (auto& kv : s.clipboard)
        if (kv.second)
            GlobalFree(kv.second);
    s.clipboard.clear();
}

}  // namespace

extern "C" {

VORAPI BOOL WINAPI OpenClipboard(HWND hWnd)
{
    State& s = S();
    if (hWnd && !Check(hWnd))
        return FALSE;
    if (s.clipboardOpen) {
        SetLastError(5L);  // ERROR_ACCESS_DENIED
        return FALSE;
    }
    s.clipboardOpen = true;
    s.clipboardOpener = hWnd;
    return TRUE;
}

VORAPI BOOL WINAPI CloseClipboard(void)
{
    State& s = S();
    if (!s.clipboardOpen)
        return FALSE;
    s.clipboardOpen = false;
    s.clipboardOpener = nullptr;
    return TRUE;
}

VORAPI BOOL WINAPI EmptyClipboard(void)
{
    State& s = S();
    if (!s.clipboardOpen)
        return FALSE;
    FreeAll(s);
    s.clipboardOwner = s.clipboardOpener;
    return TRUE;
}

VORAPI HANDLE WINAPI SetClipboardData(UINT format, HANDLE hMem)
{
    State& s = S();
    if (!s.clipboardOpen || format == 0) {
        SetLastError(1418L);  // ERROR_CLIPBOARD_NOT_OPEN
        return nullptr;
    }
    if (hMem && GlobalSize(hMem) == 0 && GetLastError() == ERROR_INVALID_HANDLE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    auto it = s.clipboard.find(format);
    if (it != s.clipboard.end() && it->second && it->second != hMem)
        GlobalFree(it->second);
    s.clipboard[format] = hMem;
    return hMem;
}

VORAPI HANDLE WINAPI GetClipboardData(UINT format)
{
    State& s = S();
    if (!s.clipboardOpen) {
        SetLastError(1418L);
        return nullptr;
    }
    auto it = s.clipboard.find(format);
    return it == s.clipboard.end() ? nullptr : it->second;
}

VORAPI BOOL WINAPI IsClipboardFormatAvailable(UINT format)
{
    State& s = S();
    auto it = s.clipboard.find(format);
    return it != s.clipboard.end() && it->second != nullptr;
}

VORAPI HWND WINAPI GetClipboardOwner(void)
{
    State& s = S();
    return IsWindow(s.clipboardOwner) ? s.clipboardOwner : nullptr;
}

VORAPI HWND WINAPI GetOpenClipboardWindow(void)
{
    State& s = S();
    return s.clipboardOpen ? s.clipboardOpener : nullptr;
}

}  // extern "C"
