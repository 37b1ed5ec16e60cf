// The dialog manager: layout from templates in dialog units, creation
// sequence, keyboard navigation, default button, modal loops, item calls.
#include <cstring>
#include <string>
#include <vector>

#include "UserTest.h"
#include "resources/resource.h"

namespace {

// Builds templates in memory, extended or classic.
class TemplateBuilder {
public:
    TemplateBuilder(bool extended, DWORD style, short x, short y, short cx, short cy, const char* title,
                    WORD pointSize = 0, const char* face = nullptr)
        : m_ex(extended)
    {
        if (m_ex) {
            W(1);
            W(0xFFFF);
            D(0);
            D(0);
            D(style);
        } else {
            D(style);
            D(0);
        }
        m_countAt = m_bytes.size();
        W(0);
        W(x);
        W(y);
        W(cx);
        W(cy);
        W(0);  // no menu
        W(0);  // the dialog class
        S(title);
        if (style & DS_SETFONT) {
            W(pointSize);
            if (m_ex) {
                W(FW_NORMAL);
                W(0);
            }
            S(face);
        }
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const char* cls,
              const char* text)
    {
        while (m_bytes.size() % 4)
            m_bytes.push_back(0);
        if (m_ex) {
            D(0);
            D(0);
            D(style);
        } else {
            D(style);
            D(0);
        }
        W(x);
        W(y);
        W(cx);
        W(cy);
        if (m_ex)
            D(id);
        else
            W(id);
        if (atom) {
            W(0xFFFF);
            W(atom);
        } else {
            S(cls);
        }
        S(text);
        W(0);
        WORD n = (WORD)(m_bytes[m_countAt] | (m_bytes[m_countAt + 1] << 8));
        ++n;
        m_bytes[m_countAt] = (BYTE)n;
        m_bytes[m_countAt + 1] = (BYTE)(n >> 8);
    }
    LPCDLGTEMPLATE Get()
    {
        m_aligned.assign((m_bytes.size() + 3) / 4, 0);
        memcpy(m_aligned.data(), m_bytes.data(), m_bytes.size());
        return (LPCDLGTEMPLATE)m_aligned.data();
    }

private:
    void W(WORD v)
    {
        m_bytes.push_back((BYTE)v);
        m_bytes.push_back((BYTE)(v >> 8));
    }
    void D(DWORD v)
    {
        W((WORD)v);
        W((WORD)(v >> 16));
    }
    void S(const char* s)
    {
        for (const char* p = s ? s : ""; *p; ++p)
            W((BYTE)*p);
        W(0);
    }
    bool m_ex;
    size_t m_countAt = 0;
    std::vector<BYTE> m_bytes;
    std::vector<DWORD> m_aligned;
};

// What the dialog procedure of the tests saw and does.
struct DialogLog {
    std::vector<std::string> lines;
    HWND initFocus = nullptr;
    LPARAM initParam = 0;
    BOOL initAnswer = TRUE;
    bool ownerEnabledAtInit = true;
    bool ownerEnabledAtCommand = true;
    bool endOnCommand = true;
    std::string name, count;
    BOOL countOk = FALSE;
    UINT countValue = 0;
};
DialogLog* g_log = nullptr;

INT_PTR CALLBACK TestDlgProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
        case WM_INITDIALOG:
            g_log->lines.push_back("init");
            g_log->initFocus = (HWND)wp;
            g_log->initParam = lp;
            if (HWND owner = GetWindow(dlg, GW_OWNER))
                g_log->ownerEnabledAtInit = IsWindowEnabled(owner) != FALSE;
            return g_log->initAnswer;
        case WM_SETFONT:
            g_log->lines.push_back("setfont");
            return FALSE;
        case WM_COMMAND:
            if (HIWORD(wp) == BN_CLICKED) {
                if (HWND owner = GetWindow(dlg, GW_OWNER))
                    g_log->ownerEnabledAtCommand = IsWindowEnabled(owner) != FALSE;
                g_log->lines.push_back("command " + std::to_string(LOWORD(wp)));
                if (g_log->endOnCommand && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
                    char text[64];
                    GetDlgItemTextA(dlg, IDC_NAME, text, sizeof(text));
                    g_log->name = text;
                    GetDlgItemTextA(dlg, IDC_COUNT, text, sizeof(text));
                    g_log->count = text;
                    g_log->countValue = GetDlgItemInt(dlg, IDC_COUNT, &g_log->countOk, FALSE);
                    EndDialog(dlg, LOWORD(wp));
                }
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

class DialogTest : public UserTest {
protected:
    void SetUp() override
    {
        UserTest::SetUp();
        g_log = &m_log;
    }
    void TearDown() override
    {
        g_log = nullptr;
        UserTest::TearDown();
    }
    // The host's loop of a modeless dialog.
    static void PumpDialog(HWND dlg)
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (!IsDialogMessageA(dlg, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
    }
    static void QueueKey(BYTE vk, bool shift = false, bool alt = false)
    {
        if (shift)
            keybd_event(VK_SHIFT, 0, 0, 0);
        if (alt)
            keybd_event(VK_MENU, 0, 0, 0);
        keybd_event(vk, 0, 0, 0);
        keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
        if (alt)
            keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
        if (shift)
            keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    }
    static void QueueText(const char* s)
    {
        for (; *s; ++s) {
            char c = *s;
            if (c >= 'a' && c <= 'z')
                QueueKey((BYTE)(c - 32));
            else if (c >= 'A' && c <= 'Z')
                QueueKey((BYTE)c, true);
            else if (c >= '0' && c <= '9')
                QueueKey((BYTE)c);
            else if (c == ' ')
                QueueKey(VK_SPACE);
        }
    }
    HWND Sample(HWND owner = nullptr)
    {
        HWND dlg = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_SAMPLE), owner, TestDlgProc, 77);
        if (dlg) {
            ShowWindow(dlg, SW_SHOW);
            PumpDialog(dlg);
        }
        return dlg;
    }
    static int Id(HWND h) { return h ? GetDlgCtrlID(h) : 0; }

    DialogLog m_log;
};

// The base units of a font, measured here the documented way.
void UnitsOf(const char* face, int points, int* ux, int* uy)
{
    HDC dc = GetDC(nullptr);
    HFONT f = CreateFontA(-MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, 0, 0, 0, 0, face);
    HGDIOBJ old = SelectObject(dc, f);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    SIZE sz;
    GetTextExtentPoint32A(dc, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &sz);
    SelectObject(dc, old);
    DeleteObject(f);
    ReleaseDC(nullptr, dc);
    *ux = (sz.cx / 26 + 1) / 2;
    *uy = tm.tmHeight;
}

RECT ChildRect(HWND dlg, int id)
{
    RECT r;
    HWND c = GetDlgItem(dlg, id);
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, dlg, (POINT*)&r, 2);
    return r;
}

TEST_F(DialogTest, LayoutComesFromDialogUnitsOfTheDialogFont)
{
    HWND owner = Make("owner", WS_OVERLAPPED | WS_VISIBLE, 30, 40, 600, 500);
    HWND dlg = Sample(owner);
    ASSERT_TRUE(dlg);
    int ux, uy;
    UnitsOf("MS Shell Dlg", 8, &ux, &uy);
    ASSERT_GT(ux, 0);
    auto px = [&](int v) { return MulDiv(v, ux, 4); };
    auto py = [&](int v) { return MulDiv(v, uy, 8); };
    // EDITTEXT IDC_NAME, 40, 7, 100, 14 and DEFPUSHBUTTON IDOK, 89, 99, 50, 14.
    RECT name = ChildRect(dlg, IDC_NAME);
    EXPECT_EQ(name.left, px(40));
    EXPECT_EQ(name.top, py(7));
    EXPECT_EQ(name.right - name.left, px(100));
    EXPECT_EQ(name.bottom - name.top, py(14));
    RECT ok = ChildRect(dlg, IDOK);
    EXPECT_EQ(ok.left, px(89));
    EXPECT_EQ(ok.top, py(99));
    RECT grid = ChildRect(dlg, IDC_GRID);
    EXPECT_EQ(grid.left, px(75));
    EXPECT_EQ(grid.right - grid.left, px(118));
    // The client area is the template's box, at (10, 20) units from the
    // owner's client origin.
    RECT client;
    GetClientRect(dlg, &client);
    EXPECT_EQ(client.right, px(200));
    EXPECT_EQ(client.bottom, py(120));
    POINT origin = {0, 0}, ownerOrigin = {0, 0};
    ClientToScreen(dlg, &origin);
    ClientToScreen(owner, &ownerOrigin);
    RECT frame;
    GetWindowRect(dlg, &frame);
    RECT adjust = {0, 0, 0, 0};
    AdjustWindowRectEx(&adjust, GetWindowLongA(dlg, GWL_STYLE), FALSE, GetWindowLongA(dlg, GWL_EXSTYLE));
    EXPECT_EQ(frame.left, ownerOrigin.x + px(10) + adjust.left);
    EXPECT_EQ(frame.top, ownerOrigin.y + py(20) + adjust.top);
    // MapDialogRect uses the same units.
    RECT r = {40, 7, 140, 21};
    ASSERT_TRUE(MapDialogRect(dlg, &r));
    EXPECT_EQ(r.left, name.left);
    EXPECT_EQ(r.bottom, name.bottom);
    // Every control got the dialog's font.
    HFONT font = (HFONT)SendMessageA(dlg, WM_GETFONT, 0, 0);
    ASSERT_TRUE(font);
    for (int id : {IDC_NAME, IDC_COUNT, IDC_AGREE, IDC_LIST, IDOK, IDCANCEL})
        EXPECT_EQ((HFONT)SendDlgItemMessageA(dlg, id, WM_GETFONT, 0, 0), font) << id;
    DestroyWindow(dlg);
}

TEST_F(DialogTest, ALargerFontMakesALargerDialog)
{
    for (bool extended : {true, false}) {
        TemplateBuilder small(extended, DS_SETFONT | WS_POPUP, 0, 0, 100, 50, "s", 8, "MS Shell Dlg");
        small.Item(WS_CHILD | WS_VISIBLE, 20, 16, 40, 8, 5, 0x82, nullptr, "text");
        TemplateBuilder large(extended, DS_SETFONT | WS_POPUP, 0, 0, 100, 50, "l", 16, "MS Shell Dlg");
        large.Item(WS_CHILD | WS_VISIBLE, 20, 16, 40, 8, 5, 0x82, nullptr, "text");
        HWND a = CreateDialogIndirectParamA(nullptr, small.Get(), nullptr, nullptr, 0);
        HWND b = CreateDialogIndirectParamA(nullptr, large.Get(), nullptr, nullptr, 0);
        ASSERT_TRUE(a && b);
        int ux8, uy8, ux16, uy16;
        UnitsOf("MS Shell Dlg", 8, &ux8, &uy8);
        UnitsOf("MS Shell Dlg", 16, &ux16, &uy16);
        EXPECT_GT(ux16, ux8);
        EXPECT_EQ(ChildRect(a, 5).left, MulDiv(20, ux8, 4)) << extended;
        EXPECT_EQ(ChildRect(b, 5).left, MulDiv(20, ux16, 4)) << extended;
        EXPECT_EQ(ChildRect(b, 5).top, MulDiv(16, uy16, 8)) << extended;
        char cls[32];
        GetClassNameA(GetDlgItem(a, 5), cls, sizeof(cls));
        EXPECT_STREQ(cls, "Static");
        GetClassNameA(a, cls, sizeof(cls));
        EXPECT_STREQ(cls, WC_DIALOG);
        DestroyWindow(a);
        DestroyWindow(b);
    }
    // Without a font the dialog uses the system font's units.
    TemplateBuilder plain(false, WS_POPUP, 0, 0, 100, 50, "p");
    HWND p = CreateDialogIndirectParamA(nullptr, plain.Get(), nullptr, nullptr, 0);
    RECT r = {0, 0, 4, 8};
    MapDialogRect(p, &r);
    LONG base = GetDialogBaseUnits();
    EXPECT_EQ(r.right, LOWORD(base));
    EXPECT_EQ(r.bottom, HIWORD(base));
    DestroyWindow(p);
}

TEST_F(DialogTest, CreationSendsTheFontThenInitDialogAndFocusesTheFirstTabStop)
{
    HWND dlg = Sample();
    ASSERT_TRUE(dlg);
    EXPECT_EQ(m_log.lines, (std::vector<std::string>{"setfont", "init"}));
    EXPECT_EQ(m_log.initParam, 77);
    EXPECT_EQ(Id(m_log.initFocus), IDC_NAME);
    EXPECT_EQ(Id(GetFocus()), IDC_NAME);
    DestroyWindow(dlg);
    // A procedure that answers FALSE keeps the focus where it is.
    m_log = DialogLog();
    m_log.initAnswer = FALSE;
    HWND other = Make("other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
    SetFocus(other);
    dlg = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_SAMPLE), nullptr, TestDlgProc, 0);
    EXPECT_EQ(GetFocus(), other);
    DestroyWindow(dlg);
}

TEST_F(DialogTest, TabAndShiftTabVisitTheTabStopsInTemplateOrder)
{
    HWND dlg = Sample();
    ASSERT_TRUE(dlg);
    std::vector<int> order;
    for (int i = 0; i < 8; ++i) {
        QueueKey(VK_TAB);
        PumpDialog(dlg);
        order.push_back(Id(GetFocus()));
    }
    // The static text has no tab stop; the grid's list view has one.
    EXPECT_EQ(order, (std::vector<int>{IDC_COUNT, IDC_AGREE, IDC_LIST, IDC_GRID, IDOK, IDCANCEL, IDC_NAME, IDC_COUNT}));
    order.clear();
    for (int i = 0; i < 3; ++i) {
        QueueKey(VK_TAB, true);
        PumpDialog(dlg);
        order.push_back(Id(GetFocus()));
    }
    EXPECT_EQ(order, (std::vector<int>{IDC_NAME, IDCANCEL, IDOK}));
    // A disabled control is passed over.
    EnableWindow(GetDlgItem(dlg, IDC_NAME), FALSE);
    QueueKey(VK_TAB);
    QueueKey(VK_TAB);
    PumpDialog(dlg);
    EXPECT_EQ(Id(GetFocus()), IDC_COUNT);
    // Text in an edit reached by Tab is selected whole.
    SetDlgItemTextA(dlg, IDC_COUNT, "123");
    QueueKey(VK_TAB, true);
    QueueKey(VK_TAB);
    PumpDialog(dlg);
    DWORD sel = (DWORD)SendDlgItemMessageA(dlg, IDC_COUNT, EM_GETSEL, 0, 0);
    EXPECT_EQ(LOWORD(sel), 0);
    EXPECT_EQ(HIWORD(sel), 3);
    DestroyWindow(dlg);
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonAndEscapeCancels)
{
    m_log.endOnCommand = false;
    HWND dlg = Sample();
    ASSERT_TRUE(dlg);
    EXPECT_EQ(SendMessageA(dlg, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
    m_log.lines.clear();
    QueueKey(VK_RETURN);
    QueueKey(VK_ESCAPE);
    PumpDialog(dlg);
    EXPECT_EQ(m_log.lines, (std::vector<std::string>{"command 1", "command 2"}));
    EXPECT_EQ(Id(GetFocus()), IDC_NAME) << "no character reached the edit";
    EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(dlg, IDC_NAME)), 0);

    // Another default: the buttons change their look with it.
    SendMessageA(dlg, DM_SETDEFID, IDCANCEL, 0);
    EXPECT_EQ(SendMessageA(dlg, DM_GETDEFID, 0, 0), MAKELRESULT(IDCANCEL, DC_HASDEFID));
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dlg, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dlg, IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    m_log.lines.clear();
    QueueKey(VK_RETURN);
    PumpDialog(dlg);
    EXPECT_EQ(m_log.lines, (std::vector<std::string>{"command 2"}));

    // Enter on a focused push button presses that button, which shows as
    // the default while it has the focus.
    SetFocus(GetDlgItem(dlg, IDC_LIST));
    SendMessageA(dlg, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dlg, IDOK), TRUE);
    EXPECT_EQ(Id(GetFocus()), IDOK);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dlg, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dlg, IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    m_log.lines.clear();
    QueueKey(VK_RETURN);
    PumpDialog(dlg);
    EXPECT_EQ(m_log.lines, (std::vector<std::string>{"command 1"}));
    // Leaving the buttons gives the look back to the default.
    QueueKey(VK_TAB, true);
    PumpDialog(dlg);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dlg, IDOK), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dlg, IDCANCEL), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    DestroyWindow(dlg);

    // With no default push button Enter means IDOK.
    TemplateBuilder t(true, DS_SETFONT | WS_POPUP, 0, 0, 100, 50, "t", 8, "MS Shell Dlg");
    t.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5, 50, 12, IDC_NAME, 0x81, nullptr, "");
    dlg = CreateDialogIndirectParamA(nullptr, t.Get(), nullptr, TestDlgProc, 0);
    EXPECT_EQ(SendMessageA(dlg, DM_GETDEFID, 0, 0), 0);
    m_log.lines.clear();
    QueueKey(VK_RETURN);
    PumpDialog(dlg);
    EXPECT_EQ(m_log.lines, (std::vector<std::string>{"command 1"}));
    DestroyWindow(dlg);
}

TEST_F(DialogTest, ArrowsMoveWithinAGroupAndMnemonicsReachTheirControls)
{
    TemplateBuilder t(true, DS_SETFONT | WS_POPUP, 0, 0, 150, 80, "t", 8, "MS Shell Dlg");
    t.Item(WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 5, 5, 50, 10, 11, 0x80, nullptr,
           "&Red");
    t.Item(WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 15, 50, 10, 12, 0x80, nullptr, "&Green");
    t.Item(WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 5, 25, 50, 10, 13, 0x80, nullptr, "&Blue");
    t.Item(WS_CHILD | WS_VISIBLE | WS_GROUP, 5, 40, 30, 8, 0xFFFF, 0x82, nullptr, "&Name:");
    t.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 40, 40, 60, 12, IDC_NAME, 0x81, nullptr, "");
    t.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 5, 55, 60, 10, IDC_AGREE, 0x80, nullptr, "I &agree");
    HWND dlg = CreateDialogIndirectParamA(nullptr, t.Get(), nullptr, TestDlgProc, 0);
    ASSERT_TRUE(dlg);
    EXPECT_EQ(Id(GetFocus()), 11);
    QueueKey(VK_DOWN);
    PumpDialog(dlg);
    EXPECT_EQ(Id(GetFocus()), 12);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 12), (UINT)BST_CHECKED) << "an auto radio button is chosen by the arrow";
    QueueKey(VK_DOWN);
    QueueKey(VK_DOWN);
    PumpDialog(dlg);
    EXPECT_EQ(Id(GetFocus()), 11) << "the group wraps round";
    QueueKey(VK_UP);
    PumpDialog(dlg);
    EXPECT_EQ(Id(GetFocus()), 13);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 13), (UINT)BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dlg, 11), (UINT)BST_UNCHECKED);
    // Alt+N: the label hands the focus to the edit after it; Alt+A clicks
    // the check box.
    QueueKey('N', false, true);
    PumpDialog(dlg);
    EXPECT_EQ(Id(GetFocus()), IDC_NAME);
    QueueKey('A', false, true);
    PumpDialog(dlg);
    EXPECT_EQ(Id(GetFocus()), IDC_AGREE);
    EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_AGREE), (UINT)BST_CHECKED);
    // Without Alt a letter is a mnemonic only where the focus takes no
    // characters: on the check box 'g' picks Green, in the edit it is typed.
    QueueKey('G');
    PumpDialog(dlg);
    EXPECT_EQ(Id(GetFocus()), 12);
    SetFocus(GetDlgItem(dlg, IDC_NAME));
    QueueKey('G');
    PumpDialog(dlg);
    EXPECT_EQ(Id(GetFocus()), IDC_NAME);
    char text[8];
    GetDlgItemTextA(dlg, IDC_NAME, text, sizeof(text));
    EXPECT_STREQ(text, "g");
    DestroyWindow(dlg);
}

TEST_F(DialogTest, ModalDialogRunsOnQueuedInputAndDisablesItsOwner)
{
    HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, owner);
    QueueText("Ada");
    QueueKey(VK_TAB);
    QueueText("42");
    QueueKey(VK_RETURN);
    INT_PTR r = DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_SAMPLE), child, TestDlgProc, 5);
    EXPECT_EQ(r, IDOK);
    EXPECT_TRUE(m_log.ownerEnabledAtInit) << "disabled once the dialog is made";
    EXPECT_FALSE(m_log.ownerEnabledAtCommand) << "the top-level owner is disabled while the dialog runs";
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(m_log.name, "Ada");
    EXPECT_EQ(m_log.count, "42");
    EXPECT_TRUE(m_log.countOk);
    EXPECT_EQ(m_log.countValue, 42u);
    // Escape ends it with IDCANCEL; the dialog window is gone afterwards.
    QueueKey(VK_ESCAPE);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_SAMPLE), owner, TestDlgProc, 0), IDCANCEL);
    EXPECT_EQ(FindWindowA(nullptr, "Sample dialog"), nullptr);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), owner, TestDlgProc, 0), -1);
}

TEST_F(DialogTest, HeadlessModalDialogWithoutInputIsCancelledAndAQuitIsPassedOn)
{
    HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300);
    m_log.endOnCommand = false;
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_SAMPLE), owner, TestDlgProc, 0), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(owner));
    PostQuitMessage(3);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_SAMPLE), owner, TestDlgProc, 0), IDCANCEL);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the quit is there for the host's loop";
    EXPECT_EQ(msg.wParam, 3u);
}

INT_PTR CALLBACK EndAtInit(HWND dlg, UINT msg, WPARAM, LPARAM)
{
    if (msg == WM_INITDIALOG) {
        EndDialog(dlg, 9);
        return TRUE;
    }
    return FALSE;
}

TEST_F(DialogTest, EndDialogDuringInitialisationEndsBeforeShowing)
{
    HWND owner = Make("owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300);
    QueueKey(VK_ESCAPE);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_SAMPLE), owner, EndAtInit, 0), 9);
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE)) << "the input was not used";
    EXPECT_FALSE(EndDialog(owner, 1)) << "not a dialog";
}

TEST_F(DialogTest, ItemCalls)
{
    HWND dlg = Sample();
    ASSERT_TRUE(dlg);
    BOOL ok = TRUE;
    struct Case {
        const char* text;
        BOOL isSigned;
        UINT value;
        BOOL ok;
    } cases[] = {
        {"42", FALSE, 42, TRUE},        {" 7 ", FALSE, 7, TRUE},         {"-5", TRUE, (UINT)-5, TRUE},
        {"-5", FALSE, 0, FALSE},        {"x1", FALSE, 0, FALSE},         {"12a", FALSE, 0, FALSE},
        {"", FALSE, 0, FALSE},          {"4294967295", FALSE, 4294967295u, TRUE},
        {"4294967296", FALSE, 0, FALSE}, {"2147483648", TRUE, 0, FALSE}, {"-2147483648", TRUE, 0x80000000u, TRUE},
    };
    for (const Case& c : cases) {
        SetDlgItemTextA(dlg, IDC_COUNT, c.text);
        EXPECT_EQ(GetDlgItemInt(dlg, IDC_COUNT, &ok, c.isSigned), c.value) << c.text;
        EXPECT_EQ(ok, c.ok) << c.text;
    }
    ASSERT_TRUE(SetDlgItemInt(dlg, IDC_COUNT, (UINT)-12, TRUE));
    char text[16];
    GetDlgItemTextA(dlg, IDC_COUNT, text, sizeof(text));
    EXPECT_STREQ(text, "-12");
    EXPECT_TRUE(CheckDlgButton(dlg, IDC_AGREE, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dlg, IDC_AGREE), (UINT)BST_CHECKED);
    EXPECT_FALSE(CheckDlgButton(dlg, 4242, BST_CHECKED));
    EXPECT_EQ(GetDlgItemInt(dlg, 4242, &ok, FALSE), 0u);
    EXPECT_FALSE(ok);
    // WM_CLOSE asks for IDCANCEL.
    m_log.endOnCommand = false;
    m_log.lines.clear();
    SendMessageA(dlg, WM_CLOSE, 0, 0);
    PumpDialog(dlg);
    EXPECT_EQ(m_log.lines, (std::vector<std::string>{"command 2"}));
    DestroyWindow(dlg);
}

}  // namespace
