// System colours and metrics, message boxes, the clipboard, the caret, the
// cursor, and the kernel helpers.
#include <cstring>

#include "UserTest.h"

using Seq = std::vector<std::string>;

class SystemTest : public UserTest {};

TEST_F(SystemTest, ClassicColours)
{
    const std::pair<int, COLORREF> table[] = {
        {COLOR_BTNFACE, RGB(192, 192, 192)},    {COLOR_3DSHADOW, RGB(128, 128, 128)},
        {COLOR_3DHILIGHT, RGB(255, 255, 255)},  {COLOR_3DDKSHADOW, RGB(0, 0, 0)},
        {COLOR_3DLIGHT, RGB(192, 192, 192)},    {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},       {COLOR_HIGHLIGHT, RGB(0, 0, 128)},
        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)}, {COLOR_GRAYTEXT, RGB(128, 128, 128)},
        {COLOR_INFOBK, RGB(255, 255, 225)},     {COLOR_BTNTEXT, RGB(0, 0, 0)},
        {COLOR_DESKTOP, RGB(0, 128, 128)},      {COLOR_ACTIVECAPTION, RGB(0, 0, 128)},
    };
    for (const auto& e : table)
        EXPECT_EQ(GetSysColor(e.first), e.second) << "colour " << e.first;
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(400), 0u);
}

TEST_F(SystemTest, SysColorBrushesAreStockObjects)
{
    int before = VorGdiObjectCount(VOR_GDI_BRUSH);
    HBRUSH b = GetSysColorBrush(COLOR_BTNFACE);
    ASSERT_TRUE(b);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), b);
    EXPECT_EQ(VorGdiObjectCount(VOR_GDI_BRUSH), before);
    DeleteObject(b);
    LOGBRUSH lb = {};
    EXPECT_NE(GetObjectA(b, sizeof(lb), &lb), 0) << "a system brush survives DeleteObject";
    EXPECT_EQ(lb.lbColor, RGB(192, 192, 192));
    EXPECT_EQ(GetSysColorBrush(99), nullptr);
}

TEST_F(SystemTest, SetSysColorsNotifiesTopLevelWindowsAndResetRestores)
{
    HWND top = Make("top", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
    Pump();
    Clear();
    INT idx[] = {COLOR_BTNFACE, COLOR_WINDOW};
    COLORREF val[] = {RGB(1, 2, 3), RGB(4, 5, 6)};
    EXPECT_TRUE(SetSysColors(2, idx, val));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(1, 2, 3));
    LOGBRUSH lb = {};
    GetObjectA(GetSysColorBrush(COLOR_WINDOW), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbColor, RGB(4, 5, 6));
    EXPECT_EQ(m_recorder.Count(WM_SYSCOLORCHANGE, top), 1);
    EXPECT_EQ(m_recorder.Count(WM_SYSCOLORCHANGE, child), 0);
    Pump();
    EXPECT_EQ(ScreenPixel(50, 50), RGB(4, 5, 6)) << "windows repaint in the new colours";
    VorPlatformReset();
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_FALSE(SetSysColors(1, nullptr, val));
}

TEST_F(SystemTest, ClassicMetrics)
{
    const std::pair<int, int> table[] = {
        {SM_CXSCREEN, 1280}, {SM_CYSCREEN, 1024}, {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16},   {SM_CYCAPTION, 19},
        {SM_CXBORDER, 1},    {SM_CXDLGFRAME, 3},  {SM_CXFRAME, 4},    {SM_CXEDGE, 2},       {SM_CXDOUBLECLK, 4},
        {SM_CYDOUBLECLK, 4}, {SM_CXHTHUMB, 16},   {SM_CXICON, 32},    {SM_CXCURSOR, 32},    {SM_CXSMICON, 16},
        {SM_CXDRAG, 4},      {SM_MOUSEPRESENT, 1}, {SM_CMOUSEBUTTONS, 3}, {-5, 0},
    };
    for (const auto& e : table)
        EXPECT_EQ(GetSystemMetrics(e.first), e.second) << "metric " << e.first;
    EXPECT_EQ(GetDoubleClickTime(), 500u);
}

TEST_F(SystemTest, MessageBoxesAreLoggedAndAnsweredWithTheirDefault)
{
    const std::pair<UINT, int> table[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_RETRYCANCEL, IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
        {MB_OK | MB_DEFBUTTON3, IDOK},
    };
    int i = 0;
    for (const auto& e : table) {
        std::string text = "message " + std::to_string(i);
        EXPECT_EQ(MessageBoxA(nullptr, text.c_str(), "caption", e.first), e.second) << "type " << e.first;
        ++i;
    }
    EXPECT_EQ(VorMessageBoxCount(), i);
    EXPECT_STREQ(VorMessageBoxText(0), "message 0");
    EXPECT_EQ(VorMessageBoxType(3), (UINT)(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(VorMessageBoxText(i), nullptr);
    EXPECT_EQ(VorMessageBoxText(-1), nullptr);
    MessageBoxA(nullptr, nullptr, nullptr, MB_OK);
    EXPECT_STREQ(VorMessageBoxText(i), "");
    VorPlatformReset();
    EXPECT_EQ(VorMessageBoxCount(), 0);
}

TEST_F(SystemTest, ClipboardText)
{
    HWND w = Make("w", WS_POPUP, 0, 0, 10, 10);
    EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr) << "not open";
    ASSERT_TRUE(OpenClipboard(w));
    EXPECT_FALSE(OpenClipboard(w)) << "already open";
    EXPECT_TRUE(EmptyClipboard());
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 6);
    memcpy(GlobalLock(mem), "hello", 6);
    GlobalUnlock(mem);
    EXPECT_EQ(SetClipboardData(CF_TEXT, mem), mem);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_EQ(GetClipboardOwner(), w);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr) << "closed";
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE h = GetClipboardData(CF_TEXT);
    ASSERT_TRUE(h);
    EXPECT_STREQ((const char*)GlobalLock(h), "hello");
    GlobalUnlock(h);
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(GlobalSize(mem), 0u) << "the clipboard freed the block it owned";
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    CloseClipboard();
}

TEST_F(SystemTest, GlobalMemoryHandlesAreChecked)
{
    HGLOBAL a = GlobalAlloc(GHND, 16);
    ASSERT_TRUE(a);
    EXPECT_EQ(GlobalSize(a), 16u);
    char* p = (char*)GlobalLock(a);
    ASSERT_TRUE(p);
    EXPECT_EQ(p[15], 0) << "GMEM_ZEROINIT";
    EXPECT_FALSE(GlobalUnlock(a));
    EXPECT_EQ(GlobalFree(a), nullptr);
    EXPECT_EQ(GlobalFree(a), a) << "freed twice";
    EXPECT_EQ(GlobalLock(a), nullptr);
    EXPECT_EQ(GlobalSize(a), 0u);
    HGLOBAL b = GlobalAlloc(GMEM_FIXED, 4);
    EXPECT_NE(b, a) << "handles are not reused";
    GlobalFree(b);
}

TEST_F(SystemTest, StringHelpers)
{
    char buf[32];
    EXPECT_EQ(lstrlenA(nullptr), 0);
    EXPECT_EQ(lstrlenA("abc"), 3);
    lstrcpynA(buf, "abcdef", 4);
    EXPECT_STREQ(buf, "abc");
    lstrcpyA(buf, "ab");
    lstrcatA(buf, "cd");
    EXPECT_STREQ(buf, "abcd");
    EXPECT_EQ(lstrcmpA("a", "b"), -1);
    EXPECT_EQ(lstrcmpiA("ABC", "abc"), 0);
    EXPECT_EQ(lstrcmpA(nullptr, ""), 0);
    EXPECT_EQ(wsprintfA(buf, "%d-%s-%04X", 12, "x", 0xBEEF), 9);
    EXPECT_STREQ(buf, "12-x-BEEF");
    // Wide characters and strings in the narrow form, pointers, NULL.
    EXPECT_EQ(wsprintfA(buf, "%S|%lc|%hs|%C", L"wide", (int)L'w', "narrow", (int)L'Z'), 15);
    EXPECT_STREQ(buf, "wide|w|narrow|Z");
    wsprintfA(buf, "%p|%s|%-3c|", (void*)0x1234, (const char*)nullptr, 'k');
    EXPECT_STREQ(buf, "0000000000001234|(null)|k  |");
    // Case: a character in the pointer's low word, and strings whose
    // double-byte characters (here a trail byte that looks like 'a') stay.
    EXPECT_EQ(CharUpperA((LPSTR)(uintptr_t)'q'), (LPSTR)(uintptr_t)'Q');
    EXPECT_EQ(CharLowerA((LPSTR)(uintptr_t)'Q'), (LPSTR)(uintptr_t)'q');
    char dbcs[] = "\x81" "ax\xB0\xA1" "b";
    CharUpperA(dbcs);
    EXPECT_STREQ(dbcs, "\x81" "aX\xB0\xA1" "B");
    EXPECT_EQ(CharLowerBuffA(dbcs, 3), 3u);
    EXPECT_STREQ(dbcs, "\x81" "ax\xB0\xA1" "B") << "only the bytes given";
    const int muldiv[][4] = {{10, 3, 4, 8}, {10, 1, 4, 3}, {-10, 1, 4, -3}, {7, 1, 2, 4},
                             {-7, 1, 2, -4}, {5, 5, 0, -1}, {0x40000000, 4, 1, -1}};
    for (const auto& m : muldiv)
        EXPECT_EQ(MulDiv(m[0], m[1], m[2]), m[3]) << m[0] << "*" << m[1] << "/" << m[2];
    SetLastError(1234);
    EXPECT_EQ(GetLastError(), 1234u);
    EXPECT_NE(GetCurrentThreadId(), 0u);
}

TEST_F(SystemTest, CaretInvertsItsRectangleAndBlinks)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Pump();
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    ASSERT_TRUE(CreateCaret(w, nullptr, 2, 10));
    SetCaretPos(10, 10);
    EXPECT_EQ(ScreenPixel(10, 10), white) << "a new caret is hidden";
    EXPECT_TRUE(ShowCaret(w));
    EXPECT_EQ(ScreenPixel(10, 10), black);
    EXPECT_EQ(ScreenPixel(11, 19), black);
    EXPECT_EQ(ScreenPixel(12, 10), white);
    Advance(GetCaretBlinkTime());
    EXPECT_EQ(ScreenPixel(10, 10), white) << "blinked off";
    Advance(GetCaretBlinkTime());
    EXPECT_EQ(ScreenPixel(10, 10), black) << "and on again";
    SetCaretPos(50, 50);
    EXPECT_EQ(ScreenPixel(10, 10), white);
    EXPECT_EQ(ScreenPixel(50, 50), black);
    POINT p;
    EXPECT_TRUE(GetCaretPos(&p));
    EXPECT_EQ(p.x, 50);
    // A paint hides it and shows it again afterwards, over the new pixels.
    InvalidateRect(w, nullptr, TRUE);
    Pump();
    EXPECT_EQ(ScreenPixel(50, 50), black);
    EXPECT_TRUE(HideCaret(w));
    EXPECT_EQ(ScreenPixel(50, 50), white);
    EXPECT_TRUE(DestroyCaret());
    EXPECT_FALSE(DestroyCaret());
    EXPECT_FALSE(GetCaretPos(&p));
}

// Moving the caret takes it off at the old place and on at the new one,
// also when the two overlap, when it is hidden, and inside a paint.
TEST_F(SystemTest, CaretMovesLeaveOnlyTheNewPlaceInverted)
{
    HWND w = Make("w", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    Pump();
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    auto row = [](int y, int x0, int x1) {
        std::string s;
        for (int x = x0; x < x1; ++x)
            s += ScreenPixel(x, y) == RGB(0, 0, 0) ? '#' : '.';
        return s;
    };
    ASSERT_TRUE(CreateCaret(w, nullptr, 4, 6));
    SetCaretPos(10, 10);
    ShowCaret(w);
    EXPECT_EQ(row(12, 8, 20), "..####......");
    SetCaretPos(12, 10);  // overlapping the old place
    EXPECT_EQ(row(12, 8, 20), "....####....");
    EXPECT_EQ(ScreenPixel(12, 15), black);
    EXPECT_EQ(ScreenPixel(12, 16), white);
    SetCaretPos(12, 13);  // overlapping downwards
    EXPECT_EQ(ScreenPixel(12, 12), white);
    EXPECT_EQ(ScreenPixel(12, 13), black);
    EXPECT_EQ(ScreenPixel(12, 18), black);
    EXPECT_EQ(ScreenPixel(12, 19), white);
    HideCaret(w);
    SetCaretPos(30, 30);
    EXPECT_EQ(ScreenPixel(12, 13), white);
    EXPECT_EQ(ScreenPixel(30, 30), white) << "hidden, it stays hidden";
    ShowCaret(w);
    EXPECT_EQ(ScreenPixel(30, 30), black);
    // Moved by the window's own paint: shown where it is once the paint is over.
    m_handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m == WM_PAINT && h == w) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            FillRect(dc, &ps.rcPaint, (HBRUSH)GetStockObject(WHITE_BRUSH));
            SetCaretPos(50, 60);
            EndPaint(h, &ps);
            *r = 0;
            return true;
        }
        return false;
    };
    InvalidateRect(w, nullptr, TRUE);
    Pump();
    EXPECT_EQ(ScreenPixel(30, 30), white);
    EXPECT_EQ(row(62, 48, 56), "..####..");
    m_handler = nullptr;
    SetCaretPos(51, 60);
    EXPECT_EQ(row(62, 48, 56), "...####.");
    DestroyCaret();
    EXPECT_EQ(row(62, 48, 56), "........");
}

TEST_F(SystemTest, CursorCalls)
{
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR ibeam = LoadCursorA(nullptr, IDC_IBEAM);
    ASSERT_TRUE(arrow);
    ASSERT_TRUE(ibeam);
    EXPECT_NE(arrow, ibeam);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow) << "system cursors are shared";
    const LPCSTR all[] = {IDC_WAIT, IDC_CROSS, IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_HAND, IDC_NO, IDC_UPARROW};
    for (LPCSTR id : all)
        EXPECT_TRUE(LoadCursorA(nullptr, id)) << (int)(ULONG_PTR)id;
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_TRUE(DestroyCursor(arrow));
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow) << "destroying a shared cursor does nothing";
    ICONINFO ii = {};
    ASSERT_TRUE(GetIconInfo(arrow, &ii));
    EXPECT_FALSE(ii.fIcon);
    EXPECT_EQ(ii.xHotspot, 0u);
    if (ii.hbmMask)
        DeleteObject(ii.hbmMask);
    if (ii.hbmColor)
        DeleteObject(ii.hbmColor);
    EXPECT_EQ(SetCursor(ibeam), nullptr);
    EXPECT_EQ(SetCursor(arrow), ibeam);
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_EQ(ShowCursor(TRUE), 0);
    RECT clip = {10, 10, 20, 20};
    EXPECT_TRUE(ClipCursor(&clip));
    SetCursorPos(100, 100);
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 19);
    ClipCursor(nullptr);
    EXPECT_TRUE(LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_EQ(LoadIconA(nullptr, IDI_ERROR), LoadIconA(nullptr, IDI_HAND));
    VorPlatformReset();
    p = {1, 1};
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(GetCursor(), nullptr);
}

TEST_F(SystemTest, ResetFreesGlobalMemoryAndTheClipboard)
{
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 8);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, GlobalAlloc(GMEM_MOVEABLE, 4));
    CloseClipboard();
    VorPlatformReset();
    EXPECT_EQ(GlobalSize(mem), 0u);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(OpenClipboard(nullptr)) << "a reset closes the clipboard";
    CloseClipboard();
}
