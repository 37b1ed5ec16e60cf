// The rich edit control as a parent and a user see it: notification order
// for typing and programmatic changes, limits, read-only, selection keys,
// the clipboard, the mouse, double-byte characters and the character format.
#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "VorTestHost.h"

using vor::test::CommandLine;
using vor::test::NotifyLine;

namespace {

constexpr UINT kId = 7;

class RichEditTest : public vor::test::VorHostTest {
protected:
    void SetUp() override {
        VorHostTest::SetUp();
        m_edit = CreateChild(RICHEDIT_CLASSA, WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, RECT{10, 10, 210, 32}, kId);
        ASSERT_NE(m_edit, nullptr);
        ::SendMessageA(m_edit, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
        ::SetFocus(m_edit);
        Pump();
        Host().ClearRecords();
    }

    std::vector<std::string> Lines() { return Host().MessageLines(); }
    std::string Update() const { return CommandLine(m_edit, EN_UPDATE, kId); }
    std::string Change() const { return CommandLine(m_edit, EN_CHANGE, kId); }
    // EN_SELCHANGE with the selection it reports.
    std::string SelChange(LONG cpMin, LONG cpMax) const {
        return NotifyLine(EN_SELCHANGE, kId) + " sel=" + std::to_string(cpMin) + ".." + std::to_string(cpMax);
    }
    std::string Text() const {
        char buf[256] = {0};
        ::GetWindowTextA(m_edit, buf, sizeof buf);
        return buf;
    }
    std::pair<LONG, LONG> Sel() const {
        CHARRANGE cr{-5, -5};
        ::SendMessageA(m_edit, EM_EXGETSEL, 0, (LPARAM)&cr);
        return {cr.cpMin, cr.cpMax};
    }
    POINT Screen(int x, int y) const {
        POINT pt{x, y};
        ::ClientToScreen(m_edit, &pt);
        return pt;
    }

    HWND m_edit = nullptr;
};

TEST_F(RichEditTest, TypingAndDeletingNotifyUpdateSelChangeChangeInOrder) {
    TypeText("a");
    EXPECT_SEQUENCE((std::vector<std::string>{Update(), SelChange(1, 1), Change()}), Lines());
    Host().ClearRecords();
    KeyPress(VK_BACK);
    EXPECT_SEQUENCE((std::vector<std::string>{Update(), SelChange(0, 0), Change()}), Lines());
    EXPECT_EQ(Text(), "");
    // A selection deleted: the caret lands at its start.
    TypeText("hello");
    ::SendMessageA(m_edit, EM_SETSEL, 1, 3);
    Host().ClearRecords();
    KeyPress(VK_DELETE);
    EXPECT_SEQUENCE((std::vector<std::string>{Update(), SelChange(1, 1), Change()}), Lines());
    EXPECT_EQ(Text(), "hlo");
}

// Delete takes the character after the caret and leaves the caret where it
// was: the selection does not change, so no EN_SELCHANGE.
TEST_F(RichEditTest, DeleteAtTheCaretKeepsTheSelectionAndSendsNoSelChange) {
    ::SetWindowTextA(m_edit, "inner");
    Host().ClearRecords();
    KeyPress(VK_DELETE);
    EXPECT_SEQUENCE((std::vector<std::string>{Update(), Change()}), Lines());
    EXPECT_EQ(Text(), "nner");
    EXPECT_EQ(Sel(), std::make_pair(0, 0));
    ::SendMessageA(m_edit, EM_SETSEL, 2, 2);
    Host().ClearRecords();
    KeyPress(VK_DELETE);
    EXPECT_SEQUENCE((std::vector<std::string>{Update(), Change()}), Lines());
    EXPECT_EQ(Text(), "nnr");
    EXPECT_EQ(Sel(), std::make_pair(2, 2));
    // At the end there is nothing to delete and nothing to say.
    ::SendMessageA(m_edit, EM_SETSEL, 3, 3);
    Host().ClearRecords();
    KeyPress(VK_DELETE);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(RichEditTest, CaretMovesAndSetSelSendOnlySelChange) {
    TypeText("abc");
    Host().ClearRecords();
    KeyPress(VK_LEFT);
    KeyPress(VK_HOME);
    ::SendMessageA(m_edit, EM_SETSEL, 1, 2);
    EXPECT_SEQUENCE((std::vector<std::string>{SelChange(2, 2), SelChange(0, 0), SelChange(1, 2)}), Lines());
    EXPECT_EQ(Sel(), std::make_pair(1, 2));
    // Home again at position 0 changes nothing and says nothing.
    ::SendMessageA(m_edit, EM_SETSEL, 0, 0);
    Host().ClearRecords();
    KeyPress(VK_HOME);
    EXPECT_TRUE(Lines().empty());
}

// Select-all reports the whole text selected; the character typed over it
// then reports the caret after itself.
TEST_F(RichEditTest, SelectAllThenTypingReportsBothSelections) {
    TypeText("hello");
    Host().ClearRecords();
    KeyDown(VK_CONTROL);
    KeyPress('A');
    KeyUp(VK_CONTROL);
    TypeText("x");
    EXPECT_SEQUENCE((std::vector<std::string>{SelChange(0, 5), Update(), SelChange(1, 1), Change()}), Lines());
    EXPECT_EQ(Text(), "x");
    Host().ClearRecords();
    ::SendMessageA(m_edit, EM_SETSEL, 0, -1);
    TypeText("yz");
    EXPECT_SEQUENCE((std::vector<std::string>{SelChange(0, 1), Update(), SelChange(1, 1), Change(), Update(),
                                              SelChange(2, 2), Change()}),
                    Lines());
}

// WM_SETTEXT puts the selection at 0..0; when it was elsewhere, EN_SELCHANGE
// says so between EN_UPDATE and EN_CHANGE. Neither the limit nor read-only
// changes that.
TEST_F(RichEditTest, SetTextNotifiesUpdateSelChangeWhenTheSelectionMovesAndChange) {
    TypeText("abc");
    Host().ClearRecords();
    ::SetWindowTextA(m_edit, "abc");
    EXPECT_SEQUENCE((std::vector<std::string>{Update(), SelChange(0, 0), Change()}), Lines());
    EXPECT_EQ(Sel(), std::make_pair(0, 0));
    // Already at 0..0: the same text again sends no EN_SELCHANGE.
    Host().ClearRecords();
    ::SetWindowTextA(m_edit, "abc");
    EXPECT_SEQUENCE((std::vector<std::string>{Update(), Change()}), Lines());

    ::SendMessageA(m_edit, EM_EXLIMITTEXT, 0, 2);
    ::SendMessageA(m_edit, EM_SETREADONLY, TRUE, 0);
    ::SendMessageA(m_edit, EM_SETSEL, 1, 3);
    Host().ClearRecords();
    ::SetWindowTextA(m_edit, "longer than the limit");
    EXPECT_SEQUENCE((std::vector<std::string>{Update(), SelChange(0, 0), Change()}), Lines());
    EXPECT_EQ(Text(), "longer than the limit");
    EXPECT_EQ(Sel(), std::make_pair(0, 0));
}

TEST_F(RichEditTest, NoChangeNotificationsWithoutTheEventMask) {
    ::SendMessageA(m_edit, EM_SETEVENTMASK, 0, 0);
    TypeText("ab");
    ::SetWindowTextA(m_edit, "q");
    EXPECT_TRUE(Lines().empty());
}

// A parent that puts text back while it handles EN_CHANGE gets no second
// EN_CHANGE for it: change notifications do not nest, so an owner that
// refuses every change cannot loop.
TEST_F(RichEditTest, SetTextDuringChangeHandlingDoesNotNotifyChangeAgain) {
    int changes = 0;
    // The host's procedure is wrapped so that it restores the text from
    // inside the notification, as an owner refusing the change does.
    HWND edit = m_edit;
    WNDPROC old = (WNDPROC)::GetWindowLongPtrA(HostHwnd(), GWLP_WNDPROC);
    static WNDPROC s_old;
    static int* s_changes;
    static HWND s_edit;
    s_old = old;
    s_changes = &changes;
    s_edit = edit;
    auto proc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        LRESULT r = ::CallWindowProcA(s_old, h, m, w, l);
        if (m == WM_COMMAND && (HWND)l == s_edit && HIWORD(w) == EN_CHANGE) {
            ++*s_changes;
            ::SetWindowTextA(s_edit, "");
        }
        return r;
    };
    ::SetWindowLongPtrA(HostHwnd(), GWLP_WNDPROC, (LONG_PTR)+proc);
    TypeText("abc");
    ::SetWindowLongPtrA(HostHwnd(), GWLP_WNDPROC, (LONG_PTR)old);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(Text(), "");
    // Each keystroke: its own three notifications, then the nested restore's
    // update and the caret's return to 0.
    std::vector<std::string> one{Update(), SelChange(1, 1), Change(), Update(), SelChange(0, 0)};
    std::vector<std::string> expected;
    for (int i = 0; i < 3; ++i) expected.insert(expected.end(), one.begin(), one.end());
    EXPECT_SEQUENCE(expected, Lines());
}

TEST_F(RichEditTest, LimitAndReadOnlyRefuseTypingButNotSetText) {
    ::SendMessageA(m_edit, EM_EXLIMITTEXT, 0, 3);
    TypeText("abcd");
    EXPECT_EQ(Text(), "abc");
    ::SetWindowTextA(m_edit, "longer than three");
    EXPECT_EQ(Text(), "longer than three");

    ::SendMessageA(m_edit, EM_EXLIMITTEXT, 0, 100);
    ::SendMessageA(m_edit, EM_SETREADONLY, TRUE, 0);
    EXPECT_TRUE(::GetWindowLongA(m_edit, GWL_STYLE) & ES_READONLY);
    ::SendMessageA(m_edit, EM_SETSEL, 0, -1);
    Host().ClearRecords();
    TypeText("z");
    KeyPress(VK_BACK);
    KeyPress(VK_DELETE);
    EXPECT_EQ(Text(), "longer than three");
    EXPECT_TRUE(Lines().empty());
    ::SetWindowTextA(m_edit, "set");
    EXPECT_EQ(Text(), "set");
}

TEST_F(RichEditTest, TypingReplacesTheSelectionAndShiftExtendsIt) {
    TypeText("hello");
    KeyDown(VK_SHIFT);
    KeyPress(VK_LEFT);
    KeyPress(VK_LEFT);
    KeyUp(VK_SHIFT);
    EXPECT_EQ(Sel(), std::make_pair(3, 5));
    TypeText("p");
    EXPECT_EQ(Text(), "help");
    KeyDown(VK_CONTROL);
    KeyPress('A');
    KeyUp(VK_CONTROL);
    EXPECT_EQ(Sel(), std::make_pair(0, 4));
    KeyPress(VK_LEFT);  // collapses to the start of the selection
    EXPECT_EQ(Sel(), std::make_pair(0, 0));
    KeyDown(VK_SHIFT);
    KeyPress(VK_END);
    KeyUp(VK_SHIFT);
    EXPECT_EQ(Sel(), std::make_pair(0, 4));
    KeyPress(VK_RIGHT);
    EXPECT_EQ(Sel(), std::make_pair(4, 4));
}

TEST_F(RichEditTest, CutCopyAndPasteGoThroughTheClipboard) {
    TypeText("one two");
    ::SendMessageA(m_edit, EM_SETSEL, 0, 3);
    KeyDown(VK_CONTROL);
    KeyPress('C');
    KeyUp(VK_CONTROL);
    KeyPress(VK_END);
    KeyDown(VK_CONTROL);
    KeyPress('V');
    KeyUp(VK_CONTROL);
    EXPECT_EQ(Text(), "one twoone");
    ::SendMessageA(m_edit, EM_SETSEL, 3, 7);
    KeyDown(VK_CONTROL);
    KeyPress('X');
    KeyUp(VK_CONTROL);
    EXPECT_EQ(Text(), "oneone");
    ASSERT_TRUE(::OpenClipboard(HostHwnd()));
    HANDLE h = ::GetClipboardData(CF_TEXT);
    ASSERT_NE(h, nullptr);
    EXPECT_STREQ((const char*)::GlobalLock(h), " two");
    ::GlobalUnlock(h);
    ::CloseClipboard();
}

TEST_F(RichEditTest, ClickPlacesTheCaretAndDragSelects) {
    ::SetWindowTextA(m_edit, "abcdefgh");
    POINT end = Screen(190, 10);
    Click(end.x, end.y);
    EXPECT_EQ(Sel(), std::make_pair(8, 8));
    POINT start = Screen(1, 10);
    MoveMouse(start.x, start.y);
    Press();
    MoveMouse(end.x, end.y);
    Release();
    EXPECT_EQ(Sel(), std::make_pair(0, 8));
    // The caret lands between characters: a click inside the text is neither end.
    LRESULT pos = ::SendMessageA(m_edit, EM_POSFROMCHAR, 4, 0);
    POINT mid = Screen(GET_X_LPARAM(pos), 10);
    Click(mid.x, mid.y);
    EXPECT_EQ(Sel(), std::make_pair(4, 4));
}

// Code page 936: a double-byte character types as its two bytes and the
// caret never stands between them.
TEST_F(RichEditTest, DoubleByteCharactersStayWhole) {
    const char lie[] = "\xC1\xD0";  // one character of code page 936
    ::PostMessageA(m_edit, WM_CHAR, (BYTE)lie[0], 1);
    ::PostMessageA(m_edit, WM_CHAR, (BYTE)lie[1], 1);
    Pump();
    EXPECT_EQ(Text(), lie);
    EXPECT_EQ(Sel(), std::make_pair(2, 2));
    KeyPress(VK_LEFT);
    EXPECT_EQ(Sel(), std::make_pair(0, 0));
    ::SendMessageA(m_edit, EM_SETSEL, 1, 1);
    EXPECT_EQ(Sel().first % 2, 0);
    KeyPress(VK_END);
    KeyPress(VK_BACK);
    EXPECT_EQ(Text(), "");
}

TEST_F(RichEditTest, DefaultCharFormatCarriesTheTextColour) {
    EXPECT_EQ(sizeof(CHARFORMATA), 60u);
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    DWORD mask = (DWORD)::SendMessageA(m_edit, EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
    EXPECT_TRUE(mask & CFM_COLOR);
    EXPECT_TRUE(cf.dwEffects & CFE_AUTOCOLOR);
    cf.dwMask = CFM_COLOR;
    cf.dwEffects &= ~CFE_AUTOCOLOR;
    cf.crTextColor = RGB(255, 0, 0);
    EXPECT_TRUE(::SendMessageA(m_edit, EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf));
    ::SendMessageA(m_edit, EM_SETBKGNDCOLOR, FALSE, RGB(0, 0, 255));
    ::SetWindowTextA(m_edit, "WWWW");
    ::SetFocus(HostHwnd());  // no caret, no selection over the text
    ::UpdateWindow(m_edit);
    Pump();
    RECT rc;
    ::GetWindowRect(m_edit, &rc);
    int red = 0, blue = 0;
    for (int y = rc.top + 2; y < rc.bottom - 2; ++y)
        for (int x = rc.left + 2; x < rc.left + 60; ++x) {
            COLORREF c = ScreenPixel(x, y);
            if (GetRValue(c) > 128 && GetGValue(c) < 64) ++red;  // text, anti-aliased over blue
            if (c == RGB(0, 0, 255)) ++blue;
        }
    EXPECT_GT(red, 10);
    EXPECT_GT(blue, 100);

    CHARFORMATA bad{};
    bad.cbSize = 12;
    EXPECT_EQ(::SendMessageA(m_edit, EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&bad), 0);
    EXPECT_EQ(::SendMessageA(m_edit, EM_SETCHARFORMAT, SCF_DEFAULT, 0), 0);
}

// Columns from the left edge of a box to the right edge of the dark ink of
// a text drawn in black on white; pixel(x, y) reads the box.
template <class Pixel>
int InkRight(int width, int height, Pixel pixel) {
    int right = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (GetRValue(pixel(x, y)) < 128) right = std::max(right, x);
    return right;
}

// The width of "WWWW" in black on white with a font, drawn by TextOut.
int TextOutInk(HFONT font) {
    HDC screen = ::GetDC(NULL);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, 200, 30);
    HGDIOBJ oldBmp = ::SelectObject(dc, bmp);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    RECT all{0, 0, 200, 30};
    ::FillRect(dc, &all, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    ::TextOutA(dc, 0, 0, "WWWW", 4);
    int right = InkRight(200, 30, [&](int x, int y) { return ::GetPixel(dc, x, y); });
    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBmp);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
    ::ReleaseDC(NULL, screen);
    return right + 1;
}

TEST_F(RichEditTest, TheFontGivenSetsTheDefaultFormatWeightBothWays) {
    LOGFONTA lf{};
    ASSERT_TRUE(::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf));
    ASSERT_LT(lf.lfWeight, FW_BOLD);
    HFONT normal = ::CreateFontIndirectA(&lf);
    lf.lfWeight = FW_BOLD;
    HFONT bold = ::CreateFontIndirectA(&lf);
    const int normalInk = TextOutInk(normal), boldInk = TextOutInk(bold);
    ASSERT_GT(boldInk, normalInk);  // the test tells the two apart

    ::SetWindowTextA(m_edit, "WWWW");
    ::SetFocus(HostHwnd());  // no caret, no selection over the text
    auto check = [&](HFONT font, bool isBold, int ink) {
        ::SendMessageA(m_edit, WM_SETFONT, (WPARAM)font, TRUE);
        CHARFORMATA cf{};
        cf.cbSize = sizeof cf;
        ::SendMessageA(m_edit, EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
        EXPECT_EQ((cf.dwEffects & CFE_BOLD) != 0, isBold);
        ::UpdateWindow(m_edit);
        Pump();
        RECT rc;
        ::GetClientRect(m_edit, &rc);
        POINT origin = Screen(0, 0);
        int left = -1, right = InkRight(rc.right, rc.bottom, [&](int x, int y) {
            return ScreenPixel(origin.x + x, origin.y + y);
        });
        for (int x = 0; x < rc.right && left < 0; ++x)
            for (int y = 0; y < rc.bottom; ++y)
                if (GetRValue(ScreenPixel(origin.x + x, origin.y + y)) < 128) {
                    left = x;
                    break;
                }
        EXPECT_EQ(right - left + 1, ink);
    };
    // Made with the system font (bold); a normal font then writes normally,
    // a bold one bold, and a normal one normally again.
    check(normal, false, normalInk);
    check(bold, true, boldInk);
    check(normal, false, normalInk);
    ::SendMessageA(m_edit, WM_SETFONT, (WPARAM)::GetStockObject(SYSTEM_FONT), FALSE);
    ::DeleteObject(normal);
    ::DeleteObject(bold);
}

TEST_F(RichEditTest, NullArgumentsAreRefused) {
    EXPECT_EQ(::SendMessageA(m_edit, EM_EXGETSEL, 0, 0), 0);
    EXPECT_EQ(::SendMessageA(m_edit, EM_REPLACESEL, 0, 0), 0);
    ::SetWindowTextA(m_edit, nullptr);
    EXPECT_EQ(Text(), "");
    char buf[4];
    EXPECT_EQ(::SendMessageA(m_edit, WM_GETTEXT, 0, (LPARAM)buf), 0);
}

}  // namespace
