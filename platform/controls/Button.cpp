// The button control: push and default push buttons, check boxes, radio
// buttons, group boxes and owner-drawn buttons, in the classic look; a click
// released over the button and the space bar send BN_CLICKED to the parent.
#include "Button.h"

#include <memory>
#include <string>
#include <unordered_map>

#include "ControlPaint.h"
#include "windows.h"

namespace vor::controls {
namespace {

struct Button {
    HWND hwnd = nullptr;
    UINT check = BST_UNCHECKED;
    bool pushed = false;     // drawn pressed
    bool tracking = false;   // the left button went down on us
    bool spaceDown = false;  // the space bar went down on us
    bool focused = false;
    HFONT font = nullptr;
    HANDLE image = nullptr;
    UINT imageType = IMAGE_ICON;
};

std::unordered_map<HWND, std::unique_ptr<Button>>& Buttons() {
    // The map owns the controls' states, so none outlives the process unfreed.
    static std::unordered_map<HWND, std::unique_ptr<Button>> map;
    return map;
}

Button* Get(HWND hwnd) {
    auto it = Buttons().find(hwnd);
    return it == Buttons().end() ? nullptr : it->second.get();
}

LONG Style(const Button* b) { return GetWindowLongA(b->hwnd, GWL_STYLE); }
LONG Type(const Button* b) { return Style(b) & BS_TYPEMASK; }
bool IsOwnerDraw(const Button* b) { return Type(b) == BS_OWNERDRAW; }
bool IsPush(const Button* b) {
    LONG t = Type(b);
    return t == BS_PUSHBUTTON || t == BS_DEFPUSHBUTTON || t == BS_USERBUTTON || t == BS_PUSHBOX ||
           ((Style(b) & BS_PUSHLIKE) && t != BS_GROUPBOX && t != BS_OWNERDRAW);
}
bool IsCheck(const Button* b) {
    LONG t = Type(b);
    return t == BS_CHECKBOX || t == BS_AUTOCHECKBOX || t == BS_3STATE || t == BS_AUTO3STATE;
}
bool IsRadio(const Button* b) {
    LONG t = Type(b);
    return t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON;
}

HFONT Font(const Button* b) { return b->font ? b->font : (HFONT)GetStockObject(SYSTEM_FONT); }

void Notify(Button* b, WORD code) {
    HWND parent = GetParent(b->hwnd);
    if (parent) SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(b->hwnd), code), (LPARAM)b->hwnd);
}

std::string Text(const Button* b) {
    int n = GetWindowTextLengthA(b->hwnd);
    std::string s((size_t)n + 1, '\0');
    GetWindowTextA(b->hwnd, s.data(), n + 1);
    s.resize((size_t)n);
    return s;
}

UINT ItemState(const Button* b) {
    UINT s = 0;
    if (b->pushed) s |= ODS_SELECTED;
    if (b->focused) s |= ODS_FOCUS;
    if (!IsWindowEnabled(b->hwnd)) s |= ODS_DISABLED;
    if (b->check == BST_CHECKED) s |= ODS_CHECKED;
    return s;
}

void OwnerDraw(Button* b, HDC hdc, UINT action) {
    HWND parent = GetParent(b->hwnd);
    if (!parent) return;
    // The parent is asked for its colours first, as for every button; an
    // owner-drawn button paints nothing with the answer.
    HGDIOBJ oldFont = SelectObject(hdc, Font(b));
    SendMessageA(parent, WM_CTLCOLORBTN, (WPARAM)hdc, (LPARAM)b->hwnd);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = (UINT)GetDlgCtrlID(b->hwnd);
    dis.itemID = 0;
    dis.itemAction = action;
    dis.itemState = ItemState(b);
    dis.hwndItem = b->hwnd;
    dis.hDC = hdc;
    GetClientRect(b->hwnd, &dis.rcItem);
    int saved = SaveDC(hdc);
    SendMessageA(parent, WM_DRAWITEM, dis.CtlID, (LPARAM)&dis);
    RestoreDC(hdc, saved);
    SelectObject(hdc, oldFont);
}

void DrawCaption(Button* b, HDC hdc, RECT r, UINT format) {
    bool enabled = IsWindowEnabled(b->hwnd);
    std::string text = Text(b);
    if ((Style(b) & BS_ICON) && b->image && b->imageType == IMAGE_ICON) {
        ICONINFO ii{};
        int w = 32, h = 32;
        if (GetIconInfo((HICON)b->image, &ii)) {
            BITMAP bm{};
            if (ii.hbmColor && GetObjectA(ii.hbmColor, sizeof bm, &bm)) {
                w = bm.bmWidth;
                h = bm.bmHeight;
            } else if (ii.hbmMask && GetObjectA(ii.hbmMask, sizeof bm, &bm)) {
                w = bm.bmWidth;
                h = bm.bmHeight / (ii.hbmColor ? 1 : 2);
            }
            if (ii.hbmColor) DeleteObject(ii.hbmColor);
            if (ii.hbmMask) DeleteObject(ii.hbmMask);
        }
        int x = (r.left + r.right - w) / 2, y = (r.top + r.bottom - h) / 2;
        DrawStateA(hdc, nullptr, nullptr, (LPARAM)b->image, 0, x, y, w, h,
                   DST_ICON | (enabled ? DSS_NORMAL : DSS_DISABLED));
        return;
    }
    if (text.empty()) return;
    SetBkMode(hdc, TRANSPARENT);
    SelectObject(hdc, Font(b));
    RECT calc = r;
    DrawTextA(hdc, text.c_str(), (int)text.size(), &calc, format | DT_CALCRECT);
    int w = calc.right - calc.left, h = calc.bottom - calc.top;
    int x = r.left, y = r.top + (r.bottom - r.top - h) / 2;
    if (format & DT_CENTER) x = r.left + (r.right - r.left - w) / 2;
    if (format & DT_RIGHT) x = r.right - w;
    if (enabled) {
        SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
        RECT tr{x, y, x + w, y + h};
        DrawTextA(hdc, text.c_str(), (int)text.size(), &tr, (format & ~(DT_CENTER | DT_RIGHT | DT_VCENTER)) | DT_LEFT);
    } else {
        DrawStateA(hdc, nullptr, nullptr, (LPARAM)text.c_str(), (WPARAM)text.size(), x, y, w, h,
                   DST_PREFIXTEXT | DSS_DISABLED);
    }
}

void Strip(HDC hdc, int l, int t, int r, int btm, int color) {
    RECT rc{l, t, r, btm};
    FillRect(hdc, &rc, GetSysColorBrush(color));
}

// The classic push-button bevel: white then light grey at the top and left,
// black then dark grey at the bottom and right.
void PushBevel(HDC hdc, const RECT& r) {
    Strip(hdc, r.left, r.top, r.right - 1, r.top + 1, COLOR_3DHILIGHT);
    Strip(hdc, r.left, r.top, r.left + 1, r.bottom - 1, COLOR_3DHILIGHT);
    Strip(hdc, r.left, r.bottom - 1, r.right, r.bottom, COLOR_3DDKSHADOW);
    Strip(hdc, r.right - 1, r.top, r.right, r.bottom, COLOR_3DDKSHADOW);
    Strip(hdc, r.left + 1, r.top + 1, r.right - 2, r.top + 2, COLOR_3DLIGHT);
    Strip(hdc, r.left + 1, r.top + 1, r.left + 2, r.bottom - 2, COLOR_3DLIGHT);
    Strip(hdc, r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1, COLOR_3DSHADOW);
    Strip(hdc, r.right - 2, r.top + 1, r.right - 1, r.bottom - 1, COLOR_3DSHADOW);
}

void PaintPush(Button* b, HDC hdc) {
    RECT r{};
    GetClientRect(b->hwnd, &r);
    FillRect(hdc, &r, GetSysColorBrush(COLOR_BTNFACE));
    bool isDefault = Type(b) == BS_DEFPUSHBUTTON;
    if (isDefault) {
        FrameRect(hdc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH));
        InflateRect(&r, -1, -1);
    }
    bool down = b->pushed || ((Style(b) & BS_PUSHLIKE) && b->check == BST_CHECKED);
    if (down) {
        // A pressed push button: a one-pixel shadow frame, the caption one pixel down and right.
        FrameRect(hdc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
        PushBevel(hdc, r);
    }
    RECT cap = r;
    InflateRect(&cap, -2, -2);
    if (down) OffsetRect(&cap, 1, 1);
    DrawCaption(b, hdc, cap, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (b->focused) {
        RECT f{};
        GetClientRect(b->hwnd, &f);
        InflateRect(&f, -4, -4);
        DrawFocusRect(hdc, &f);
    }
}

void PaintCheck(Button* b, HDC hdc) {
    RECT r{};
    GetClientRect(b->hwnd, &r);
    HWND parent = GetParent(b->hwnd);
    HBRUSH bg = parent ? (HBRUSH)SendMessageA(parent, WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)b->hwnd) : nullptr;
    FillRect(hdc, &r, bg ? bg : GetSysColorBrush(COLOR_BTNFACE));
    const int box = 13;
    bool leftText = (Style(b) & BS_LEFTTEXT) != 0;
    int bx = leftText ? r.right - box : r.left;
    int by = r.top + (r.bottom - r.top - box) / 2;
    RECT br{bx, by, bx + box, by + box};
    bool enabled = IsWindowEnabled(b->hwnd);
    FillRect(hdc, &br, GetSysColorBrush((b->pushed || !enabled) ? COLOR_BTNFACE : COLOR_WINDOW));
    DrawEdge(hdc, &br, EDGE_SUNKEN, BF_RECT);
    COLORREF mark = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    if (b->check != BST_UNCHECKED) {
        HPEN pen = CreatePen(PS_SOLID, 1, b->check == BST_INDETERMINATE ? GetSysColor(COLOR_BTNSHADOW) : mark);
        HGDIOBJ old = SelectObject(hdc, pen);
        if (IsRadio(b)) {
            for (int k = 0; k < 3; ++k) {
                MoveToEx(hdc, bx + 5, by + 5 + k, nullptr);
                LineTo(hdc, bx + 8, by + 5 + k);
            }
        } else {
            // The classic check mark: a short stroke down and a long one up, three pixels thick.
            for (int k = 0; k < 3; ++k) {
                MoveToEx(hdc, bx + 3, by + 5 + k, nullptr);
                LineTo(hdc, bx + 5, by + 7 + k);
                LineTo(hdc, bx + 10, by + 2 + k);
            }
        }
        SelectObject(hdc, old);
        DeleteObject(pen);
    }
    RECT cap{leftText ? r.left : bx + box + 4, r.top, leftText ? bx - 4 : r.right, r.bottom};
    DrawCaption(b, hdc, cap, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (b->focused) {
        RECT calc = cap;
        std::string text = Text(b);
        DrawTextA(hdc, text.c_str(), (int)text.size(), &calc, DT_SINGLELINE | DT_CALCRECT);
        int h = calc.bottom - calc.top;
        RECT f{cap.left - 1, (cap.top + cap.bottom - h) / 2 - 1, calc.right + 1, (cap.top + cap.bottom + h) / 2 + 1};
        DrawFocusRect(hdc, &f);
    }
}

void PaintGroup(Button* b, HDC hdc) {
    RECT r{};
    GetClientRect(b->hwnd, &r);
    SelectObject(hdc, Font(b));
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    RECT frame{r.left, r.top + tm.tmHeight / 2, r.right, r.bottom};
    DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
    std::string text = Text(b);
    if (text.empty()) return;
    RECT cap{r.left + 8, r.top, r.right - 8, r.top + tm.tmHeight};
    RECT calc = cap;
    DrawTextA(hdc, text.c_str(), (int)text.size(), &calc, DT_SINGLELINE | DT_CALCRECT);
    RECT clear{calc.left - 2, calc.top, calc.right + 2, calc.bottom};
    FillRect(hdc, &clear, GetSysColorBrush(COLOR_BTNFACE));
    DrawCaption(b, hdc, calc, DT_LEFT | DT_SINGLELINE);
}

void Paint(Button* b, HDC hdc, UINT action) {
    if (IsOwnerDraw(b)) {
        OwnerDraw(b, hdc, action);
    } else if (Type(b) == BS_GROUPBOX) {
        PaintGroup(b, hdc);
    } else if (IsCheck(b) || IsRadio(b)) {
        if (Style(b) & BS_PUSHLIKE)
            PaintPush(b, hdc);
        else
            PaintCheck(b, hdc);
    } else {
        PaintPush(b, hdc);
    }
}

// A change of state is drawn at once, with the action that says what changed.
void Redraw(Button* b, UINT action) {
    if (!IsWindowVisible(b->hwnd)) return;
    HDC hdc = GetDC(b->hwnd);
    if (!hdc) return;
    Paint(b, hdc, action);
    ReleaseDC(b->hwnd, hdc);
}

void SetPushed(Button* b, bool on) {
    if (b->pushed == on) return;
    b->pushed = on;
    Redraw(b, ODA_SELECT);
}

// A completed click: automatic check boxes and radio buttons change state
// first, then the parent hears BN_CLICKED.
void Click(HWND hwnd) {
    Button* b = Get(hwnd);
    if (!b) return;
    LONG t = Type(b);
    if (t == BS_AUTOCHECKBOX) {
        b->check = b->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        Redraw(b, ODA_DRAWENTIRE);
    } else if (t == BS_AUTO3STATE) {
        b->check = (b->check + 1) % 3;
        Redraw(b, ODA_DRAWENTIRE);
    } else if (t == BS_AUTORADIOBUTTON) {
        b->check = BST_CHECKED;
        Redraw(b, ODA_DRAWENTIRE);
        // Clear the other automatic radio buttons among the siblings.
        HWND parent = GetParent(hwnd);
        for (HWND s = parent ? GetWindow(parent, GW_CHILD) : nullptr; s; s = GetWindow(s, GW_HWNDNEXT)) {
            Button* o = s == hwnd ? nullptr : Get(s);
            if (o && Type(o) == BS_AUTORADIOBUTTON && o->check != BST_UNCHECKED) {
                o->check = BST_UNCHECKED;
                Redraw(o, ODA_DRAWENTIRE);
            }
        }
    }
    if ((b = Get(hwnd))) Notify(b, BN_CLICKED);
}

bool InClient(HWND hwnd, LPARAM lp) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    return PtInRect(&rc, pt) != 0;
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Button* b = Get(hwnd);
    if (!b) {
        // A style set before the button's state exists (by a framework object
        // attached during creation) is kept in the window's style bits.
        if (msg == BM_SETSTYLE) {
            LONG style = GetWindowLongA(hwnd, GWL_STYLE);
            SetWindowLongA(hwnd, GWL_STYLE, (style & ~(LONG)BS_TYPEMASK) | ((LONG)wp & BS_TYPEMASK));
            return 0;
        }
        if (msg != WM_NCCREATE) return DefWindowProcA(hwnd, msg, wp, lp);
        b = new Button;
        b->hwnd = hwnd;
        Buttons()[hwnd].reset(b);
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    switch (msg) {
        case WM_NCDESTROY:
            Buttons().erase(hwnd);  // frees the state
            return DefWindowProcA(hwnd, msg, wp, lp);
        case WM_GETDLGCODE: {
            LONG t = Type(b);
            if (t == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
            if (IsRadio(b)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
            if (t == BS_GROUPBOX) return DLGC_STATIC;
            return DLGC_BUTTON | (IsPush(b) || IsOwnerDraw(b) ? DLGC_UNDEFPUSHBUTTON : 0);
        }
        case WM_SETFONT:
            b->font = (HFONT)wp;
            if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return (LRESULT)b->font;
        case WM_SETTEXT: {
            LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
            InvalidateRect(hwnd, nullptr, TRUE);
            return r;
        }
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // every look paints its whole client area
        case WM_PAINT:
            return PaintMessage(hwnd, wp, [&](HDC hdc) { Paint(b, hdc, ODA_DRAWENTIRE); });
        case WM_SETFOCUS:
            b->focused = true;
            Redraw(b, ODA_FOCUS);
            if ((b = Get(hwnd)) && (Style(b) & BS_NOTIFY)) Notify(b, BN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            b->focused = false;
            b->spaceDown = false;
            if (b->pushed) {
                b->pushed = false;
                b->tracking = false;
                if (GetCapture() == hwnd) ReleaseCapture();
                if (!(b = Get(hwnd))) return 0;
            }
            Redraw(b, ODA_FOCUS);
            if ((b = Get(hwnd)) && (Style(b) & BS_NOTIFY)) Notify(b, BN_KILLFOCUS);
            return 0;
        case WM_LBUTTONDBLCLK:
            // Owner-drawn buttons, radio buttons and BS_NOTIFY buttons report the
            // double click; the others take it as a second press.
            if (IsOwnerDraw(b) || IsRadio(b) || (Style(b) & BS_NOTIFY)) {
                Notify(b, BN_DOUBLECLICKED);
                return 0;
            }
            [[fallthrough]];
        case WM_LBUTTONDOWN:
            if (Type(b) == BS_GROUPBOX) return 0;
            if (GetFocus() != hwnd) SetFocus(hwnd);
            if (!(b = Get(hwnd))) return 0;
            b->tracking = true;
            SetCapture(hwnd);
            SetPushed(b, true);
            return 0;
        case WM_MOUSEMOVE:
            if (b->tracking && GetCapture() == hwnd) SetPushed(b, InClient(hwnd, lp));
            return 0;
        case WM_LBUTTONUP: {
            if (!b->tracking) return 0;
            b->tracking = false;
            bool inside = InClient(hwnd, lp);
            SetPushed(b, false);
            if (GetCapture() == hwnd) ReleaseCapture();
            if (inside) Click(hwnd);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (b->tracking && (HWND)lp != hwnd) {
                b->tracking = false;
                SetPushed(b, false);
            }
            return 0;
        case WM_KEYDOWN:
            if (wp == VK_SPACE && !b->spaceDown && Type(b) != BS_GROUPBOX) {
                b->spaceDown = true;
                SetPushed(b, true);
            }
            return 0;
        case WM_KEYUP:
            if (wp == VK_SPACE && b->spaceDown) {
                b->spaceDown = false;
                SetPushed(b, false);
                Click(hwnd);
            }
            return 0;
        case WM_CHAR:
            return 0;

        case BM_GETCHECK:
            return (IsCheck(b) || IsRadio(b)) ? b->check : BST_UNCHECKED;
        case BM_SETCHECK: {
            if (!IsCheck(b) && !IsRadio(b)) return 0;
            UINT v = (UINT)wp;
            if (v == BST_INDETERMINATE && Type(b) != BS_3STATE && Type(b) != BS_AUTO3STATE) v = BST_CHECKED;
            if (v > BST_INDETERMINATE) v = BST_CHECKED;
            if (v != b->check) {
                b->check = v;
                Redraw(b, ODA_DRAWENTIRE);
            }
            return 0;
        }
        case BM_GETSTATE:
            return (LRESULT)((IsCheck(b) || IsRadio(b) ? b->check : 0) | (b->pushed ? BST_PUSHED : 0) |
                             (b->focused ? BST_FOCUS : 0));
        case BM_SETSTATE:
            SetPushed(b, wp != 0);
            return 0;
        case BM_SETSTYLE: {
            LONG style = Style(b);
            LONG ns = (style & ~(LONG)BS_TYPEMASK) | ((LONG)wp & BS_TYPEMASK);
            SetWindowLongA(hwnd, GWL_STYLE, ns);
            if (LOWORD(lp)) {
                InvalidateRect(hwnd, nullptr, TRUE);
                UpdateWindow(hwnd);
            }
            return 0;
        }
        case BM_CLICK:
            if (!IsWindowEnabled(hwnd)) return 0;
            SetPushed(b, true);
            if ((b = Get(hwnd))) SetPushed(b, false);
            Click(hwnd);
            return 0;
        case BM_SETIMAGE: {
            HANDLE old = b->image;
            b->imageType = (UINT)wp;
            b->image = (HANDLE)lp;
            InvalidateRect(hwnd, nullptr, TRUE);
            return (LRESULT)old;
        }
        case BM_GETIMAGE:
            return (UINT)wp == b->imageType ? (LRESULT)b->image : 0;
        default:
            return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

}  // namespace

void RegisterButtonClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = ButtonProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "Button";
    RegisterClassA(&wc);
}

}  // namespace vor::controls
