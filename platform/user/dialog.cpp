// The dialog manager: dialog boxes built from templates (classic and
// extended), their default window procedure, modal loops, keyboard
// navigation (IsDialogMessage) and the dialog item calls.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "display/display_backend.h"
#include "user/module_table.h"
#include "user/resfile.h"
#include "user/user_internal.h"
#include "user/user_state.h"

namespace vor::user {

namespace {

const char kDialogClass[] = "#32770";

// ---- templates ----------------------------------------------------------

struct ItemTemplate {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::string cls;
    std::string text;
    const BYTE* data = nullptr;  // creation data, NULL when there is none
};

struct DialogTemplate {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string cls;
    std::string title;
    bool hasFont = false;
    WORD pointSize = 0, weight = FW_NORMAL;
    BYTE italic = 0, charset = DEFAULT_CHARSET;
    std::string face;
    std::vector<ItemTemplate> items;
};

WORD Word(const BYTE* p) { return (WORD)(p[0] | (p[1] << 8)); }
DWORD Dword(const BYTE* p) { return (DWORD)Word(p) | ((DWORD)Word(p + 2) << 16); }

// A menu, class or title field: nothing (0), an ordinal (0xFFFF, number) or
// a NUL-terminated UTF-16 string. Answers the byte length.
size_t ReadField(const BYTE* p, WORD* ordinal, std::string* text)
{
    *ordinal = 0;
    text->clear();
    WORD first = Word(p);
    if (first == 0)
        return 2;
    if (first == 0xFFFF) {
        *ordinal = Word(p + 2);
        return 4;
    }
    size_t n = 0;
    while (Word(p + n * 2) != 0)
        ++n;
    *text = Utf16ToCodePage(p, (int)n, CP_ACP);
    return (n + 1) * 2;
}

const char* PredefinedClass(WORD atom)
{
    switch (atom) {
        case 0x80: return "Button";
        case 0x81: return "Edit";
        case 0x82: return "Static";
        case 0x83: return "ListBox";
        case 0x84: return "ScrollBar";
        case 0x85: return "ComboBox";
        default: return nullptr;
    }
}

size_t Align(size_t off, size_t to) { return (off + to - 1) / to * to; }

void ParseTemplate(const BYTE* base, DialogTemplate* t)
{
    bool ex = Word(base) == 1 && Word(base + 2) == 0xFFFF;
    size_t pos;
    WORD count;
    if (ex) {
        t->exStyle = Dword(base + 8);
        t->style = Dword(base + 12);
        count = Word(base + 16);
        pos = 18;
    } else {
        t->style = Dword(base);
        t->exStyle = Dword(base + 4);
        count = Word(base + 8);
        pos = 10;
    }
    t->x = (short)Word(base + pos);
    t->y = (short)Word(base + pos + 2);
    t->cx = (short)Word(base + pos + 4);
    t->cy = (short)Word(base + pos + 6);
    pos += 8;
    WORD ordinal;
    std::string text;
    pos += ReadField(base + pos, &ordinal, &text);  // the menu: not used
    pos += ReadField(base + pos, &ordinal, &t->cls);
    pos += ReadField(base + pos, &ordinal, &t->title);
    if (t->style & DS_SETFONT) {
        t->hasFont = true;
        t->pointSize = Word(base + pos);
        pos += 2;
        if (ex) {
            t->weight = Word(base + pos);
            t->italic = base[pos + 2];
            t->charset = base[pos + 3];
            pos += 4;
        }
        pos += ReadField(base + pos, &ordinal, &t->face);
    }
    for (WORD i = 0; i < count; ++i) {
        pos = Align(pos, 4);
        ItemTemplate item;
        if (ex) {
            item.exStyle = Dword(base + pos + 4);
            item.style = Dword(base + pos + 8);
            pos += 12;
        } else {
            item.style = Dword(base + pos);
            item.exStyle = Dword(base + pos + 4);
            pos += 8;
        }
        item.x = (short)Word(base + pos);
        item.y = (short)Word(base + pos + 2);
        item.cx = (short)Word(base + pos + 4);
        item.cy = (short)Word(base + pos + 6);
        pos += 8;
        if (ex) {
            item.id = Dword(base + pos);
            pos += 4;
        } else {
            item.id = Word(base + pos);
            pos += 2;
        }
        pos += ReadField(base + pos, &ordinal, &item.cls);
        if (ordinal) {
            const char* name = PredefinedClass(ordinal);
            item.cls = name ? name : "";
        }
        pos += ReadField(base + pos, &ordinal, &item.text);
        if (ordinal)
            item.text = "#" + std::to_string(ordinal);
        WORD extra = Word(base + pos);
        if (extra)
            item.data = base + pos;
        // The extended count is of the bytes after it; the classic one
        // includes itself.
        pos += ex ? 2 + extra : (extra ? extra : 2);
        t->items.push_back(item);
    }
}

// ---- dialog state ---------------------------------------------------------

struct DialogInfo {
    HFONT font = nullptr;
    bool ownFont = false;
    int unitX = 0, unitY = 0;  // dialog base units of the font
    WORD defId = 0;
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
    HWND owner = nullptr;
    HWND savedFocus = nullptr;
};

std::map<HWND, DialogInfo>& Dialogs()
{
    static std::map<HWND, DialogInfo> d;
    return d;
}

DialogInfo* InfoOf(HWND h)
{
    auto it = Dialogs().find(h);
    return it == Dialogs().end() ? nullptr : &it->second;
}

void ResetDialogs()
{
    // The windows are gone; so are the fonts with every GDI object.
    Dialogs().clear();
}

// The average character width and the height of a font: the dialog base
// units of a dialog with that font.
void FontUnits(HFONT font, int* ux, int* uy)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? (HGDIOBJ)font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm = {};
    GetTextMetricsA(dc, &tm);
    SIZE size = {};
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    GetTextExtentPoint32A(dc, kLetters, 52, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    *ux = (size.cx / 26 + 1) / 2;
    *uy = tm.tmHeight;
    if (*ux <= 0)
        *ux = 1;
    if (*uy <= 0)
        *uy = 1;
}

RECT ToPixels(const DialogInfo& d, int x, int y, int cx, int cy)
{
    RECT r;
    r.left = MulDiv(x, d.unitX, 4);
    r.top = MulDiv(y, d.unitY, 8);
    r.right = r.left + MulDiv(cx, d.unitX, 4);
    r.bottom = r.top + MulDiv(cy, d.unitY, 8);
    return r;
}

DLGPROC ProcOf(HWND h) { return (DLGPROC)GetWindowLongPtrA(h, DWLP_DLGPROC); }

// What a control answers WM_GETDLGCODE, for a message or none.
UINT CodeOf(HWND h, MSG* msg = nullptr)
{
    return (UINT)SendMessageA(h, WM_GETDLGCODE, msg ? msg->wParam : 0, (LPARAM)msg);
}

bool IsTabStop(HWND h)
{
    LONG style = GetWindowLongA(h, GWL_STYLE);
    return (style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

bool Usable(HWND h)
{
    LONG style = GetWindowLongA(h, GWL_STYLE);
    return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The dialog's controls in tab order (the order of creation).
std::vector<HWND> Controls(HWND dlg)
{
    std::vector<HWND> out;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        out.push_back(c);
    return out;
}

// The direct child of the dialog that holds h (h itself for a control).
HWND ControlOf(HWND dlg, HWND h)
{
    while (h && GetParent(h) != dlg) {
        if (!(GetWindowLongA(h, GWL_STYLE) & WS_CHILD))
            return nullptr;
        h = GetParent(h);
    }
    return h;
}

bool IsPushButton(UINT code) { return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0; }

// Makes `id` the default push button's id and draws the buttons to match:
// the old default becomes an ordinary push button, the new one default.
void SetDefault(HWND dlg, DialogInfo* d, WORD id)
{
    HWND old = d->defId ? GetDlgItem(dlg, d->defId) : nullptr;
    if (old && (CodeOf(old) & DLGC_DEFPUSHBUTTON))
        SendMessageA(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    d->defId = id;
    HWND now = id ? GetDlgItem(dlg, id) : nullptr;
    if (now && (CodeOf(now) & DLGC_UNDEFPUSHBUTTON))
        SendMessageA(now, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

// Focus moves to `to`: a push button taking the focus shows itself as the
// default while it has it; leaving push buttons gives the look back to the
// dialog's default button.
void MoveFocus(HWND dlg, HWND to, bool selectAll)
{
    DialogInfo* d = InfoOf(dlg);
    HWND from = GetFocus();
    if (d && to) {
        UINT toCode = CodeOf(to);
        HWND def = d->defId ? GetDlgItem(dlg, d->defId) : nullptr;
        if (IsPushButton(toCode)) {
            if (def && def != to && (CodeOf(def) & DLGC_DEFPUSHBUTTON))
                SendMessageA(def, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
            if (toCode & DLGC_UNDEFPUSHBUTTON)
                SendMessageA(to, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        } else if (from && IsChild(dlg, from) && IsPushButton(CodeOf(from))) {
            if (from != def && (CodeOf(from) & DLGC_DEFPUSHBUTTON))
                SendMessageA(from, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
            if (def && (CodeOf(def) & DLGC_UNDEFPUSHBUTTON))
                SendMessageA(def, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        }
    }
    SetFocus(to);
    if (selectAll && to && (CodeOf(to) & DLGC_HASSETSEL))
        SendMessageA(to, EM_SETSEL, 0, -1);
}

HWND FirstTabStop(HWND dlg)
{
    for (HWND c : Controls(dlg))
        if (IsTabStop(c))
            return c;
    return nullptr;
}

// WM_COMMAND for the button `id`, as a click of it would send.
void Command(HWND dlg, int id)
{
    HWND btn = GetDlgItem(dlg, id);
    if (btn && !IsWindowEnabled(btn))
        return;
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)btn);
}

// The character a control's text marks with '&' ("&&" is a plain '&').
char Mnemonic(HWND h)
{
    char text[256];
    GetWindowTextA(h, text, sizeof(text));
    for (const char* p = text; *p; ++p)
        if (*p == '&') {
            if (p[1] == '&') {
                ++p;
                continue;
            }
            return p[1];
        }
    return 0;
}

bool SameLetter(char a, char b)
{
    return a && b && (a == b || (a >= 'a' && a <= 'z' && a - 32 == b) || (a >= 'A' && a <= 'Z' && a + 32 == b));
}

// A mnemonic typed: the next control (after the focus, round) whose text
// marks that letter. A static text hands the focus to the next tab stop
// after it; a push button is clicked; a check box or radio button is
// focused and clicked. Answers whether one matched.
bool DoMnemonic(HWND dlg, char ch)
{
    std::vector<HWND> all = Controls(dlg);
    if (all.empty())
        return false;
    HWND focus = ControlOf(dlg, GetFocus());
    size_t start = 0;
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i] == focus)
            start = i + 1;
    for (size_t k = 0; k < all.size(); ++k) {
        HWND c = all[(start + k) % all.size()];
        if (!Usable(c))
            continue;
        UINT code = CodeOf(c);
        if (!(code & (DLGC_STATIC | DLGC_BUTTON)) || !SameLetter(Mnemonic(c), ch))
            continue;
        if (code & DLGC_STATIC) {
            LONG ss = GetWindowLongA(c, GWL_STYLE);
            if ((code & DLGC_BUTTON) == 0 && (ss & SS_NOPREFIX))
                continue;
            // The next control that takes the focus.
            size_t at = (start + k) % all.size();
            for (size_t j = 1; j < all.size(); ++j) {
                HWND n = all[(at + j) % all.size()];
                if (IsTabStop(n)) {
                    MoveFocus(dlg, n, true);
                    break;
                }
            }
            return true;
        }
        if (IsPushButton(code)) {
            Command(dlg, GetDlgCtrlID(c));
        } else {
            MoveFocus(dlg, c, false);
            SendMessageA(c, BM_CLICK, 0, 0);
        }
        return true;
    }
    return false;
}

// ---- creation -------------------------------------------------------------

HWND CreateFromTemplate(HINSTANCE inst, const BYTE* base, HWND owner, DLGPROC proc, LPARAM param, bool modal)
{
    if (!base) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    DialogTemplate t;
    ParseTemplate(base, &t);

    DialogInfo info;
    info.modal = modal;
    info.owner = owner;
    if (t.hasFont) {
        HDC dc = GetDC(nullptr);
        int height = -MulDiv(t.pointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
        ReleaseDC(nullptr, dc);
        info.font = CreateFontA(height, 0, 0, 0, t.weight ? t.weight : FW_NORMAL, t.italic, FALSE, FALSE, t.charset,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, t.face.c_str());
        info.ownFont = info.font != nullptr;
    }
    FontUnits(info.font, &info.unitX, &info.unitY);

    // The template's box is the client area, placed in the owner's client
    // coordinates (the screen's with DS_ABSALIGN or without an owner).
    DWORD style = t.style & ~WS_VISIBLE;
    DWORD exStyle = t.exStyle;
    if (t.style & DS_MODALFRAME)
        exStyle |= WS_EX_DLGMODALFRAME;
    RECT r = ToPixels(info, t.x, t.y, t.cx, t.cy);
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    bool child = (style & WS_CHILD) != 0;
    if (!child && owner && !(t.style & DS_ABSALIGN)) {
        POINT o = {0, 0};
        ClientToScreen(owner, &o);
        OffsetRect(&r, o.x, o.y);
    }
    if (t.style & (DS_CENTER | DS_CENTERMOUSE)) {
        RECT area;
        if (child && owner)
            GetClientRect(owner, &area);
        else if (owner)
            GetWindowRect(owner, &area);
        else
            SetRect(&area, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        int w = r.right - r.left, h = r.bottom - r.top;
        int x = area.left + (area.right - area.left - w) / 2;
        int y = area.top + (area.bottom - area.top - h) / 2;
        SetRect(&r, x, y, x + w, y + h);
    }
    const char* cls = t.cls.empty() ? kDialogClass : t.cls.c_str();
    HWND dlg = CreateWindowExA(exStyle, cls, t.title.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               owner, nullptr, inst, nullptr);
    if (!dlg) {
        if (info.ownFont)
            DeleteObject(info.font);
        return nullptr;
    }
    Dialogs()[dlg] = info;
    SetWindowLongPtrA(dlg, DWLP_DLGPROC, (LONG_PTR)proc);
    if (info.font)
        SendMessageA(dlg, WM_SETFONT, (WPARAM)info.font, FALSE);

    HWND previous = nullptr;
    for (const ItemTemplate& item : t.items) {
        RECT ir = ToPixels(info, item.x, item.y, item.cx, item.cy);
        HWND c = CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, item.cls.c_str(), item.text.c_str(),
                                 item.style | WS_CHILD, ir.left, ir.top, ir.right - ir.left, ir.bottom - ir.top, dlg,
                                 (HMENU)(INT_PTR)item.id, inst, (LPVOID)item.data);
        if (!c) {
            if (t.style & DS_NOFAILCREATE)
                continue;
            DestroyWindow(dlg);
            return nullptr;
        }
        // Controls keep the template's order from the top of the z-order:
        // it is their tab order.
        if (previous)
            SetWindowPos(c, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
        previous = c;
        SendMessageA(c, WM_SETFONT, (WPARAM)(info.font ? info.font : GetStockObject(SYSTEM_FONT)), FALSE);
        DialogInfo* d = InfoOf(dlg);
        if (d && !d->defId && (CodeOf(c) & DLGC_DEFPUSHBUTTON))
            d->defId = (WORD)item.id;
    }

    HWND first = FirstTabStop(dlg);
    LRESULT focusIt = SendMessageA(dlg, WM_INITDIALOG, (WPARAM)first, param);
    if (!IsWindow(dlg))
        return nullptr;
    if (focusIt && first && IsWindow(first)) {
        MoveFocus(dlg, first, true);
    }
    DialogInfo* d = InfoOf(dlg);
    if ((t.style & WS_VISIBLE) && !(d && d->ended)) {
        ShowWindow(dlg, SW_SHOWNORMAL);
        UpdateWindow(dlg);
    }
    return dlg;
}

const BYTE* FindTemplate(HINSTANCE inst, LPCSTR name)
{
    HRSRC r = FindResourceA(inst, name, RT_DIALOG);
    if (!r)
        return nullptr;
    return (const BYTE*)LockResource(LoadResource(inst, r));
}

// The owner of a modal dialog: the top-level window of the one given.
HWND ModalOwner(HWND parent)
{
    if (!parent || !IsWindow(parent))
        return nullptr;
    return GetAncestor(parent, GA_ROOT);
}

INT_PTR RunModal(HINSTANCE inst, const BYTE* base, HWND parent, DLGPROC proc, LPARAM param)
{
    HWND owner = ModalOwner(parent);
    if (parent && !owner) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    HWND dlg = CreateFromTemplate(inst, base, owner, proc, param, true);
    if (!dlg)
        return -1;
    DialogInfo* d = InfoOf(dlg);
    if (!d)
        return -1;
    if (owner && ownerWasEnabled && !d->ended)
        EnableWindow(owner, FALSE);
    if (!d->ended && !IsWindowVisible(dlg)) {
        ShowWindow(dlg, SW_SHOWNORMAL);
        UpdateWindow(dlg);
    }
    MSG msg;
    bool quit = false;
    WPARAM quitCode = 0;
    for (;;) {
        d = InfoOf(dlg);
        if (!d || d->ended || !IsWindow(dlg))
            break;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            vor::display::Backend* b = vor::display::Current();
            if (!(b && b->HasRealClock())) {
                // Headless, nothing more will come: the dialog is given up
                // as if cancelled.
                d->ended = true;
                d->result = IDCANCEL;
                break;
            }
            if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
                quit = true;
                quitCode = msg.wParam;
                break;
            }
        } else if (msg.message == WM_QUIT) {
            quit = true;
            quitCode = msg.wParam;
            break;
        }
        PreTranslateHook hook = GetPreTranslateHook();
        if (hook && hook(&msg))
            continue;
        if (!IsDialogMessageA(dlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    INT_PTR result = IDCANCEL;
    d = InfoOf(dlg);
    if (d)
        result = d->ended ? d->result : IDCANCEL;
    // The owner is enabled before the dialog goes, so that it is the one
    // activated.
    if (owner && ownerWasEnabled && IsWindow(owner))
        EnableWindow(owner, TRUE);
    if (IsWindow(dlg))
        DestroyWindow(dlg);
    if (quit)
        PostQuitMessage((int)quitCode);
    return result;
}

}  // namespace

void RegisterDialogClass()
{
    static bool hooked = false;
    if (!hooked) {
        hooked = true;
        AddResetHook(&ResetDialogs);
    }
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = kDialogClass;
    RegisterClassA(&wc);
}

}  // namespace vor::user

using namespace vor;
using namespace vor::user;

extern "C" {

VORAPI LRESULT WINAPI DefDlgProcA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    DLGPROC proc = IsWindow(hwnd) ? ProcOf(hwnd) : nullptr;
    if (proc) {
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
        INT_PTR r = proc(hwnd, msg, wp, lp);
        // These answers are the procedure's own; the others come from
        // DWLP_MSGRESULT when it handled the message.
        switch (msg) {
            case WM_INITDIALOG:
            case WM_CTLCOLORMSGBOX:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORLISTBOX:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLORDLG:
            case WM_CTLCOLORSCROLLBAR:
            case WM_CTLCOLORSTATIC:
            case WM_COMPAREITEM:
            case WM_VKEYTOITEM:
            case WM_CHARTOITEM:
            case WM_QUERYDRAGICON:
                if (r || msg == WM_INITDIALOG)
                    return r;
                break;
            default:
                if (r)
                    return IsWindow(hwnd) ? GetWindowLongPtrA(hwnd, DWLP_MSGRESULT) : 0;
                break;
        }
    }
    if (msg == WM_INITDIALOG)
        return TRUE;  // no procedure: the first tab stop takes the focus
    DialogInfo* d = InfoOf(hwnd);
    switch (msg) {
        case DM_GETDEFID:
            if (d && d->defId)
                return MAKELRESULT(d->defId, DC_HASDEFID);
            return 0;
        case DM_SETDEFID:
            if (d)
                SetDefault(hwnd, d, (WORD)wp);
            return TRUE;
        case WM_NEXTDLGCTL: {
            HWND to;
            if (LOWORD(lp))
                to = (HWND)wp;
            else
                to = GetNextDlgTabItem(hwnd, ControlOf(hwnd, GetFocus()), wp != 0);
            if (to)
                MoveFocus(hwnd, to, !LOWORD(lp));
            return 0;
        }
        case WM_GETFONT:
            return d ? (LRESULT)d->font : 0;
        case WM_SETFONT:
            if (d)
                d->font = (HFONT)wp;
            return 0;
        case WM_ACTIVATE:
            if (d) {
                if (LOWORD(wp) == WA_INACTIVE) {
                    HWND f = GetFocus();
                    if (f && IsChild(hwnd, f))
                        d->savedFocus = f;
                } else {
                    HWND f = d->savedFocus && IsWindow(d->savedFocus) ? d->savedFocus : FirstTabStop(hwnd);
                    if (f)
                        SetFocus(f);
                }
            }
            return 0;
        case WM_SETFOCUS: {
            HWND f = d && d->savedFocus && IsWindow(d->savedFocus) ? d->savedFocus : FirstTabStop(hwnd);
            if (f)
                SetFocus(f);
            return 0;
        }
        case WM_CLOSE: {
            HWND cancel = GetDlgItem(hwnd, IDCANCEL);
            if (!cancel || IsWindowEnabled(cancel))
                PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)cancel);
            return 0;
        }
        case WM_NCDESTROY: {
            auto it = Dialogs().find(hwnd);
            if (it != Dialogs().end()) {
                if (it->second.ownFont && it->second.font)
                    DeleteObject(it->second.font);
                Dialogs().erase(it);
            }
            return DefWindowProcA(hwnd, msg, wp, lp);
        }
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

VORAPI HWND WINAPI CreateDialogIndirectParamA(HINSTANCE inst, LPCDLGTEMPLATEA tmpl, HWND parent, DLGPROC proc,
                                              LPARAM param)
{
    S();
    return CreateFromTemplate(inst, (const BYTE*)tmpl, parent, proc, param, false);
}

VORAPI HWND WINAPI CreateDialogParamA(HINSTANCE inst, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param)
{
    S();
    const BYTE* t = FindTemplate(inst, name);
    return t ? CreateFromTemplate(inst, t, parent, proc, param, false) : nullptr;
}

VORAPI INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE inst, LPCDLGTEMPLATEA tmpl, HWND parent, DLGPROC proc,
                                              LPARAM param)
{
    S();
    return RunModal(inst, (const BYTE*)tmpl, parent, proc, param);
}

VORAPI INT_PTR WINAPI DialogBoxParamA(HINSTANCE inst, LPCSTR name, HWND parent, DLGPROC proc, LPARAM param)
{
    S();
    const BYTE* t = FindTemplate(inst, name);
    return t ? RunModal(inst, t, parent, proc, param) : -1;
}

VORAPI BOOL WINAPI EndDialog(HWND dlg, INT_PTR result)
{
    DialogInfo* d = InfoOf(dlg);
    if (!d || !IsWindow(dlg)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    d->ended = true;
    d->result = result;
    // The owner of a modal dialog comes back now; the dialog is hidden and
    // goes when its loop ends (a modeless one when its host destroys it).
    if (d->modal && d->owner && IsWindow(d->owner))
        EnableWindow(d->owner, TRUE);
    ShowWindow(dlg, SW_HIDE);
    return TRUE;
}

VORAPI BOOL WINAPI MapDialogRect(HWND dlg, LPRECT r)
{
    DialogInfo* d = InfoOf(dlg);
    if (!d || !r) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    r->left = MulDiv(r->left, d->unitX, 4);
    r->right = MulDiv(r->right, d->unitX, 4);
    r->top = MulDiv(r->top, d->unitY, 8);
    r->bottom = MulDiv(r->bottom, d->unitY, 8);
    return TRUE;
}

VORAPI LONG WINAPI GetDialogBaseUnits(void)
{
    S();
    int ux, uy;
    FontUnits(nullptr, &ux, &uy);
    return MAKELONG(ux, uy);
}

VORAPI HWND WINAPI GetNextDlgTabItem(HWND dlg, HWND ctl, BOOL previous)
{
    if (!IsWindow(dlg))
        return nullptr;
    std::vector<HWND> all = Controls(dlg);
    if (all.empty())
        return nullptr;
    int n = (int)all.size();
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (all[i] == ctl)
            at = i;
    if (at < 0)
        at = previous ? 0 : n - 1;
    for (int k = 1; k <= n; ++k) {
        int i = previous ? (at - k + n * 2) % n : (at + k) % n;
        if (IsTabStop(all[i]))
            return all[i];
    }
    return ctl;
}

VORAPI HWND WINAPI GetNextDlgGroupItem(HWND dlg, HWND ctl, BOOL previous)
{
    if (!IsWindow(dlg))
        return nullptr;
    std::vector<HWND> all = Controls(dlg);
    int n = (int)all.size();
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (all[i] == ctl)
            at = i;
    if (at < 0)
        return n ? all[0] : nullptr;
    // The group: from the control with WS_GROUP at or before `at`, up to
    // the next one with WS_GROUP.
    int first = at;
    while (first > 0 && !(GetWindowLongA(all[first], GWL_STYLE) & WS_GROUP))
        --first;
    int last = at;
    while (last + 1 < n && !(GetWindowLongA(all[last + 1], GWL_STYLE) & WS_GROUP))
        ++last;
    int size = last - first + 1;
    for (int k = 1; k < size; ++k) {
        int off = at - first;
        int i = first + (previous ? (off - k + size * 2) % size : (off + k) % size);
        if (Usable(all[i]))
            return all[i];
    }
    return ctl;
}

VORAPI BOOL WINAPI IsDialogMessageA(HWND dlg, LPMSG msg)
{
    if (!msg || !dlg || !IsWindow(dlg))
        return FALSE;
    if (msg->hwnd != dlg && !IsChild(dlg, msg->hwnd))
        return FALSE;
    bool key = msg->message == WM_KEYDOWN || msg->message == WM_CHAR || msg->message == WM_SYSCHAR;
    if (!key) {
        TranslateMessage(msg);
        DispatchMessageA(msg);
        return TRUE;
    }
    UINT code = CodeOf(msg->hwnd, msg);
    if (code & DLGC_WANTMESSAGE) {
        TranslateMessage(msg);
        DispatchMessageA(msg);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
            case VK_TAB:
                if (code & DLGC_WANTTAB)
                    break;
                SendMessageA(dlg, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
                return TRUE;
            case VK_LEFT:
            case VK_UP:
            case VK_RIGHT:
            case VK_DOWN: {
                if (code & DLGC_WANTARROWS)
                    break;
                HWND from = ControlOf(dlg, msg->hwnd);
                HWND to = GetNextDlgGroupItem(dlg, from, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
                if (to && to != from) {
                    UINT toCode = CodeOf(to);
                    MoveFocus(dlg, to, true);
                    if ((toCode & DLGC_RADIOBUTTON) &&
                        (GetWindowLongA(to, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                        SendMessageA(to, BM_CLICK, 0, 0);
                }
                return TRUE;
            }
            case VK_RETURN: {
                HWND focus = ControlOf(dlg, msg->hwnd);
                if (focus && focus != dlg && IsPushButton(code) && IsWindowEnabled(focus)) {
                    Command(dlg, GetDlgCtrlID(focus));
                    return TRUE;
                }
                LRESULT def = SendMessageA(dlg, DM_GETDEFID, 0, 0);
                Command(dlg, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK);
                return TRUE;
            }
            case VK_ESCAPE:
                Command(dlg, IDCANCEL);
                return TRUE;
            default:
                break;
        }
        TranslateMessage(msg);
        DispatchMessageA(msg);
        return TRUE;
    }
    // Characters: the ones the keys above stand for are dropped; the rest go
    // to a control that wants them, else they are mnemonics.
    char ch = (char)msg->wParam;
    if (msg->message == WM_CHAR) {
        if ((ch == '\t' && !(code & DLGC_WANTTAB)) || ch == '\r' || ch == 27)
            return TRUE;
        if (code & DLGC_WANTCHARS) {
            DispatchMessageA(msg);
            return TRUE;
        }
    }
    if (DoMnemonic(dlg, ch))
        return TRUE;
    DispatchMessageA(msg);
    return TRUE;
}

VORAPI BOOL WINAPI SetDlgItemInt(HWND dlg, int id, UINT value, BOOL isSigned)
{
    char text[16];
    if (isSigned)
        snprintf(text, sizeof(text), "%d", (int)value);
    else
        snprintf(text, sizeof(text), "%u", value);
    return SetDlgItemTextA(dlg, id, text);
}

VORAPI UINT WINAPI GetDlgItemInt(HWND dlg, int id, BOOL* translated, BOOL isSigned)
{
    if (translated)
        *translated = FALSE;
    char text[64];
    HWND c = GetDlgItem(dlg, id);
    if (!c)
        return 0;
    GetWindowTextA(c, text, sizeof(text));
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (*p == '-' && isSigned) {
        negative = true;
        ++p;
    } else if (*p == '+') {
        ++p;
    }
    if (*p < '0' || *p > '9')
        return 0;
    unsigned long long v = 0;
    while (*p >= '0' && *p <= '9') {
        v = v * 10 + (unsigned)(*p - '0');
        if (v > 0xFFFFFFFFull)
            return 0;  // out of range
        ++p;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p)
        return 0;
    if (isSigned) {
        if ((!negative && v > 0x7FFFFFFFull) || (negative && v > 0x80000000ull))
            return 0;
        if (translated)
            *translated = TRUE;
        return negative ? (UINT)(-(long long)v) : (UINT)v;
    }
    if (translated)
        *translated = TRUE;
    return (UINT)v;
}

VORAPI BOOL WINAPI CheckDlgButton(HWND dlg, int id, UINT check)
{
    HWND c = GetDlgItem(dlg, id);
    if (!c)
        return FALSE;
    SendMessageA(c, BM_SETCHECK, check, 0);
    return TRUE;
}

VORAPI UINT WINAPI IsDlgButtonChecked(HWND dlg, int id)
{
    HWND c = GetDlgItem(dlg, id);
    return c ? (UINT)SendMessageA(c, BM_GETCHECK, 0, 0) : 0;
}

VORAPI BOOL WINAPI CheckRadioButton(HWND dlg, int first, int last, int check)
{
    bool any = false;
    for (int id = first; id <= last; ++id) {
        HWND c = GetDlgItem(dlg, id);
        if (!c)
            continue;
        any = true;
        SendMessageA(c, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return any;
}

}  // extern "C"
