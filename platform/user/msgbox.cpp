// Message boxes: headless, each is logged and answered at once with its
// default button.
#include "user/user_state.h"

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI int WINAPI MessageBoxA(HWND hWnd, LPCSTR text, LPCSTR caption, UINT type)
{
    State& s = S();
    MessageBoxRecord r;
    r.text = text ? text : "";
    r.caption = caption ? caption : "Error";
    r.type = type;
    s.messageBoxes.push_back(r);
    static const int buttons[][3] = {
        {IDOK, 0, 0},                       // MB_OK
        {IDOK, IDCANCEL, 0},                // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},       // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},            // MB_YESNOCANCEL
        {IDYES, IDNO, 0},                   // MB_YESNO
        {IDRETRY, IDCANCEL, 0},             // MB_RETRYCANCEL
        {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, // MB_CANCELTRYCONTINUE
    };
    UINT kind = type & MB_TYPEMASK;
    if (kind > 6)
        kind = 0;
    UINT def = (type & MB_DEFMASK) >> 8;
    if (def > 2 || buttons[kind][def] == 0)
        def = 0;
    return buttons[kind][def];
}

VORAPI BOOL WINAPI MessageBeep(UINT)
{
    return TRUE;
}

}  // extern "C"
