// Framework dialogs from the test program's resource script: CDialog's
// modal and modeless life, data exchange both ways, and the library's
// controls subclassed from a template behaving as when created in code.
#include <functional>
#include <string>
#include <vector>

#include "ButtonVX.h"
#include "ColorListBox.h"
#include "VORFlatComboBox.h"
#include "VORInPlaceListCtrl.h"
#include "VorTestHost.h"
#include "resource.h"

namespace {

class CDialogTestApp : public CWinApp {
public:
    CDialogTestApp() : CWinApp("dialog test") {}
};

class COrderDlg : public CDialog {
public:
    explicit COrderDlg(CWnd* pParent = NULL) : CDialog(IDD_ORDER, pParent) {}
    CString m_strName = "Ann";
    int m_nCount = 3;
    int m_nUnit = 0;
    int m_nUrgent = 0;
    std::vector<std::string> m_log;

protected:
    BOOL OnInitDialog() override
    {
        for (const char* unit : {"kg", "box", "pallet"})
            SendDlgItemMessage(IDC_UNIT, CB_ADDSTRING, 0, (LPARAM)unit);
        m_log.push_back("init");
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDX_CBIndex(pDX, IDC_UNIT, m_nUnit);
        DDX_Check(pDX, IDC_AGREE, m_nUrgent);
    }
    void OnOK() override
    {
        m_log.push_back("ok");
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        m_log.push_back("cancel");
        CDialog::OnCancel();
    }
};

class CDialogTest : public vor::test::VorHostTest {
protected:
    void SetUp() override
    {
        VorHostTest::SetUp();
        m_pApp = new CDialogTestApp;
    }
    void TearDown() override
    {
        delete m_pApp;
        VorHostTest::TearDown();
    }
    static void QueueKey(BYTE vk, bool shift = false)
    {
        if (shift)
            keybd_event(VK_SHIFT, 0, 0, 0);
        keybd_event(vk, 0, 0, 0);
        keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
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
        }
    }
    CDialogTestApp* m_pApp = nullptr;
};

TEST_F(CDialogTest, DoModalExchangesDataBothWays)
{
    COrderDlg dlg(&Host());
    // The name and count are selected whole when reached, so typing
    // replaces them; Down picks the next unit; Space ticks the box.
    QueueText("Bob");
    QueueKey(VK_TAB);
    QueueText("12");
    QueueKey(VK_TAB);
    QueueKey(VK_DOWN);
    QueueKey(VK_TAB);
    QueueKey(VK_SPACE);
    QueueKey(VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"init", "ok"}));
    EXPECT_STREQ(dlg.m_strName, "Bob");
    EXPECT_EQ(dlg.m_nCount, 12);
    EXPECT_EQ(dlg.m_nUnit, 1);
    EXPECT_EQ(dlg.m_nUrgent, BST_CHECKED);
    EXPECT_EQ(dlg.GetSafeHwnd(), (HWND)NULL) << "the object lets go of its window";
    EXPECT_TRUE(Host().IsWindowEnabled());

    // Shown again: the members go back into the controls.
    struct Probe : COrderDlg {
        using COrderDlg::COrderDlg;
        CString seenName, seenCount;
        int seenUnit = -2, seenCheck = -2;
        BOOL OnInitDialog() override
        {
            BOOL r = COrderDlg::OnInitDialog();
            GetDlgItemText(IDC_NAME, seenName);
            GetDlgItemText(IDC_COUNT, seenCount);
            seenUnit = (int)SendDlgItemMessage(IDC_UNIT, CB_GETCURSEL);
            seenCheck = (int)IsDlgButtonChecked(IDC_AGREE);
            return r;
        }
    } again(&Host());
    again.m_strName = "Cy";
    again.m_nCount = -7;
    again.m_nUnit = 2;
    again.m_nUrgent = BST_CHECKED;
    QueueKey(VK_ESCAPE);
    EXPECT_EQ(again.DoModal(), IDCANCEL);
    EXPECT_STREQ(again.seenName, "Cy");
    EXPECT_STREQ(again.seenCount, "-7");
    EXPECT_EQ(again.seenUnit, 2);
    EXPECT_EQ(again.seenCheck, BST_CHECKED);
    EXPECT_EQ(again.m_log, (std::vector<std::string>{"init", "cancel"}));
    EXPECT_STREQ(again.m_strName, "Cy") << "a cancelled dialog leaves the members";
}

TEST_F(CDialogTest, AFailedValueKeepsTheDialogOpenOnThatControl)
{
    COrderDlg dlg(&Host());
    int boxes = VorMessageBoxCount();
    QueueKey(VK_TAB);
    QueueText("x");
    QueueKey(VK_RETURN);  // "x" is no integer: a message box, the dialog stays
    QueueText("5");       // the count is selected again: typing replaces it
    QueueKey(VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"init", "ok", "ok"}));
    EXPECT_EQ(VorMessageBoxCount(), boxes + 1);
    EXPECT_EQ(dlg.m_nCount, 5);
}

TEST_F(CDialogTest, ModelessDialogNavigatesThroughTheFrameworkPump)
{
    COrderDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_ORDER, &Host()));
    dlg.ShowWindow(SW_SHOW);
    Pump();
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"init"}));
    EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDC_NAME);
    dlg.NextDlgCtrl();
    EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDC_COUNT);
    dlg.PrevDlgCtrl();
    EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDC_NAME);
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDCANCEL));
    EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDCANCEL);
    // Keys through the application's pump reach the dialog manager.
    keybd_event(VK_SHIFT, 0, 0, 0);
    KeyPress(VK_TAB);
    KeyUp(VK_SHIFT);
    EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDOK);
    EXPECT_EQ(dlg.GetDefID(), (DWORD)MAKELONG(IDOK, DC_HASDEFID));
    dlg.SetDefID(IDCANCEL);
    EXPECT_EQ(LOWORD(dlg.GetDefID()), IDCANCEL);
    RECT r = {0, 0, 4, 8};
    dlg.MapDialogRect(&r);
    EXPECT_GT(r.right, 0);
    KeyPress(VK_ESCAPE);
    EXPECT_EQ(dlg.m_log, (std::vector<std::string>{"init", "cancel"}));
    EXPECT_FALSE(dlg.IsWindowVisible()) << "ended";
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.GetSafeHwnd(), (HWND)NULL);
}

// ---------------------------------------------------------------------------
// Library controls subclassed in OnInitDialog

class CControlsDlg : public CDialog {
public:
    CControlsDlg() : CDialog(IDD_CONTROLS) {}
    CVORInPlaceListCtrl m_grid;
    CVORFlatComboBox m_combo;
    CColorListBox m_list;
    CButtonVX m_button, m_ok, m_cancel;
    DWORD m_okStyleBefore = 0;

protected:
    BOOL OnInitDialog() override
    {
        m_okStyleBefore = (DWORD)::GetWindowLong(::GetDlgItem(m_hWnd, IDOK), GWL_STYLE);
        CDialog::OnInitDialog();
        m_grid.AddColumn("Item", LVCFMT_LEFT, 120, -1);
        m_grid.AddColumn("Qty", LVCFMT_LEFT, 80, -1);
        for (int r = 0; r < 3; ++r) {
            CString t;
            t.Format("row %d", r);
            m_grid.InsertItem(r, t);
            m_grid.SetItemText(r, 1, "1");
        }
        m_combo.AddString("red");
        m_combo.AddString("green");
        m_combo.SetCurSel(1);
        m_list.AddString("alpha", RGB(200, 0, 0));
        m_list.AddString("beta", RGB(0, 0, 200));
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_GRID, m_grid);
        DDX_Control(pDX, IDC_FLATCOMBO, m_combo);
        DDX_Control(pDX, IDC_COLORLIST, m_list);
        DDX_Control(pDX, IDC_BUTTON, m_button);
        DDX_Control(pDX, IDOK, m_ok);
        DDX_Control(pDX, IDCANCEL, m_cancel);
    }
};

// The pixels of a window's rectangle on the screen.
std::vector<COLORREF> Pixels(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    std::vector<COLORREF> out;
    HDC hdc = ::GetDC(NULL);
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            out.push_back(::GetPixel(hdc, x, y));
    ::ReleaseDC(NULL, hdc);
    return out;
}

// Makes a control of the same class, text, style, size and font as the
// template's, in code, in its place in the same dialog (the template's one
// hidden meanwhile), and compares the two drawings.
template <class T>
::testing::AssertionResult DrawsAsCreatedInCode(HWND hTemplate, T& inCode, std::function<void(T&)> fill)
{
    HWND hDlg = ::GetParent(hTemplate);
    std::vector<COLORREF> fromTemplate = Pixels(hTemplate);
    RECT local;
    ::GetWindowRect(hTemplate, &local);
    ::MapWindowPoints(NULL, hDlg, (POINT*)&local, 2);
    char text[64];
    ::GetWindowText(hTemplate, text, sizeof(text));
    DWORD style = (DWORD)::GetWindowLong(hTemplate, GWL_STYLE);
    DWORD exStyle = (DWORD)::GetWindowLong(hTemplate, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY;
    char cls[64];
    ::GetClassName(hTemplate, cls, sizeof(cls));
    ::ShowWindow(hTemplate, SW_HIDE);
    if (!inCode.CreateEx(exStyle, cls, text, style, local, CWnd::FromHandle(hDlg), ::GetDlgCtrlID(hTemplate) + 500))
        return ::testing::AssertionFailure() << "not created in code";
    inCode.SetFont(CFont::FromHandle((HFONT)::SendMessage(hTemplate, WM_GETFONT, 0, 0)), FALSE);
    fill(inCode);
    ::RedrawWindow(hDlg, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
    VorPumpMessages();
    std::vector<COLORREF> fromCode = Pixels(inCode.m_hWnd);
    inCode.DestroyWindow();
    ::ShowWindow(hTemplate, SW_SHOW);
    ::RedrawWindow(hDlg, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
    VorPumpMessages();
    if (fromCode.size() != fromTemplate.size())
        return ::testing::AssertionFailure() << "sizes differ";
    size_t differ = 0;
    for (size_t i = 0; i < fromCode.size(); ++i)
        if (fromCode[i] != fromTemplate[i])
            ++differ;
    if (differ) {
        size_t first = 0;
        while (fromCode[first] == fromTemplate[first])
            ++first;
        return ::testing::AssertionFailure() << differ << " of " << fromCode.size() << " pixels differ, first at "
                                             << first << ": " << std::hex << fromTemplate[first]
                                             << " from the template, " << fromCode[first] << " from code";
    }
    return ::testing::AssertionSuccess();
}

TEST_F(CDialogTest, LibraryControlsSubclassedFromTheTemplate)
{
    CControlsDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_CONTROLS, &Host()));
    dlg.ShowWindow(SW_SHOW);
    dlg.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE);
    Pump();
    // The button became owner-drawn when it was subclassed, and the default
    // button keeps its default look as its own.
    EXPECT_EQ(dlg.m_okStyleBefore & BS_TYPEMASK, (DWORD)BS_DEFPUSHBUTTON);
    EXPECT_EQ(dlg.m_ok.GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
    EXPECT_EQ(dlg.m_button.GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, IDC_GRID)), &dlg.m_grid);
    EXPECT_EQ(dlg.m_grid.GetItemCount(), 3);
    EXPECT_EQ(dlg.m_combo.GetCurSel(), 1);
    EXPECT_EQ(dlg.m_list.GetCount(), 2);

    // Each draws as the same control made in code.
    dlg.GotoDlgCtrl(&dlg.m_ok);  // the focus out of the compared controls
    Pump();
    CButtonVX button;
    EXPECT_TRUE(DrawsAsCreatedInCode<CButtonVX>(dlg.m_button.m_hWnd, button, [](CButtonVX&) {}));
    CColorListBox list;
    EXPECT_TRUE(DrawsAsCreatedInCode<CColorListBox>(dlg.m_list.m_hWnd, list, [](CColorListBox& l) {
        l.AddString("alpha", RGB(200, 0, 0));
        l.AddString("beta", RGB(0, 0, 200));
    }));
    CVORFlatComboBox combo;
    EXPECT_TRUE(DrawsAsCreatedInCode<CVORFlatComboBox>(dlg.m_combo.m_hWnd, combo, [](CVORFlatComboBox& c) {
        c.AddString("red");
        c.AddString("green");
        c.SetCurSel(1);
    }));
    CVORInPlaceListCtrl grid;
    EXPECT_TRUE(DrawsAsCreatedInCode<CVORInPlaceListCtrl>(dlg.m_grid.m_hWnd, grid, [](CVORInPlaceListCtrl& g) {
        g.AddColumn("Item", LVCFMT_LEFT, 120, -1);
        g.AddColumn("Qty", LVCFMT_LEFT, 80, -1);
        for (int r = 0; r < 3; ++r) {
            CString t;
            t.Format("row %d", r);
            g.InsertItem(r, t);
            g.SetItemText(r, 1, "1");
        }
    }));

    // The grid edits a cell on a click, and its editor keeps Tab and Enter
    // inside the grid: the dialog does not end.
    CRect cell;
    ASSERT_TRUE(dlg.m_grid.GetCellRect(1, 1, cell));
    dlg.m_grid.ClientToScreen(&cell);
    Click(cell.CenterPoint().x, cell.CenterPoint().y);
    HWND hEditor = ::GetFocus();
    ASSERT_TRUE(hEditor != NULL && ::IsChild(dlg.m_grid.m_hWnd, hEditor)) << "an editor of the grid has the focus";
    EXPECT_TRUE(::SendMessage(hEditor, WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
    KeyPress(VK_RETURN);
    KeyPress(VK_TAB);
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_TRUE(::IsChild(dlg.m_grid.m_hWnd, ::GetFocus()) || ::GetFocus() == dlg.m_grid.m_hWnd)
        << "Tab stayed in the grid";
    // The grid itself lets Tab move on.
    dlg.m_grid.SetFocus();
    KeyPress(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), &dlg.m_combo);
    dlg.DestroyWindow();
}

}  // namespace
