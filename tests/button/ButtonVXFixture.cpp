// The owner-drawn button's test host.
#include "ButtonVXFixture.h"

#include <algorithm>
#include <climits>

namespace buttonvx_test {

HICON MakeIcon(int nSize, COLORREF clr)
{
    std::vector<DWORD> argb((size_t)nSize * nSize,
                            0xFF000000u | ((DWORD)GetRValue(clr) << 16) | ((DWORD)GetGValue(clr) << 8) | GetBValue(clr));
    std::vector<BYTE> mask((size_t)((nSize + 15) / 16) * 2 * nSize, 0);  // all opaque
    ICONINFO ii = {};
    ii.fIcon = TRUE;
    ii.hbmColor = ::CreateBitmap(nSize, nSize, 1, 32, argb.data());
    ii.hbmMask = ::CreateBitmap(nSize, nSize, 1, 1, mask.data());
    HICON h = ::CreateIconIndirect(&ii);
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    return h;
}

void ButtonVXTest::SetUp()
{
    VorHostTest::SetUp();
    m_red.assign(16 * 16, 0xFFFF0000u);
    m_blue.assign(16 * 16, 0xFF0000FFu);
    m_imgRed = {16, 16, m_red.data(), NULL};
    m_imgBlue = {16, 16, m_blue.data(), NULL};
    // A 32 x 32 cursor: a black square in the middle.
    m_cursorAnd.assign(128, 0xFF);
    m_cursorXor.assign(128, 0x00);
    for (int y = 8; y < 24; ++y) m_cursorAnd[(size_t)y * 4 + 1] = m_cursorAnd[(size_t)y * 4 + 2] = 0;
    m_imgCursor = {32, 32, 16, 16, m_cursorAnd.data(), m_cursorXor.data()};
    m_groupRed = {m_redIds, 1};
    m_groupBlue = {m_blueIds, 1};
    m_groupCursor = {m_cursorIds, 1};
    m_entries[0] = {RT_ICON, MAKEINTRESOURCE(901), LANG_NEUTRAL, &m_imgRed, sizeof m_imgRed};
    m_entries[1] = {RT_ICON, MAKEINTRESOURCE(902), LANG_NEUTRAL, &m_imgBlue, sizeof m_imgBlue};
    m_entries[2] = {RT_GROUP_ICON, MAKEINTRESOURCE(kIconRed), LANG_NEUTRAL, &m_groupRed, sizeof m_groupRed};
    m_entries[3] = {RT_GROUP_ICON, MAKEINTRESOURCE(kIconBlue), LANG_NEUTRAL, &m_groupBlue, sizeof m_groupBlue};
    m_entries[4] = {RT_CURSOR, MAKEINTRESOURCE(903), LANG_NEUTRAL, &m_imgCursor, sizeof m_imgCursor};
    m_entries[5] = {RT_GROUP_CURSOR, MAKEINTRESOURCE(kCursor), LANG_NEUTRAL, &m_groupCursor, sizeof m_groupCursor};
    m_entries[6] = {RT_STRING, MAKEINTRESOURCE(kStringTip), LANG_NEUTRAL, "Tip from the table", 19};
    m_entries[7] = {RT_STRING, MAKEINTRESOURCE(kStringEmpty), LANG_NEUTRAL, "", 1};
    m_table = {m_entries, 8};
    ASSERT_TRUE(VorSetModuleResources(::GetModuleHandleA(NULL), &m_table));

    m_app.reset(new CWinApp("ButtonVX test"));
    m_app->m_pMainWnd = CWnd::FromHandle(HostHwnd());
    ::SetActiveWindow(HostHwnd());
    ASSERT_EQ(::GetActiveWindow(), HostHwnd());
    m_btn.reset(new ProbeButton);
}

void ButtonVXTest::TearDown()
{
    m_btn.reset();
    VorHostTest::TearDown();
    m_app.reset();
    VorSetModuleResources(::GetModuleHandleA(NULL), NULL);
}

void ButtonVXTest::Attach(DWORD dwStyle, LPCTSTR lpszText, CRect rc)
{
    m_rcButton = rc;
    HWND h = CreateChild("Button", dwStyle | WS_VISIBLE, rc, kId, lpszText);
    ASSERT_NE(h, nullptr);
    ASSERT_TRUE(m_btn->SubclassDlgItem(kId, &Host()));
    m_btn->SetInactiveBgColor(kUnlitBg, 0);
    m_btn->SetActiveBgColor(kLitBg, 1);
    Pump();
}

POINT ButtonVXTest::ScreenOf(int x, int y) const
{
    POINT pt = {x, y};
    ::ClientToScreen(Btn(), &pt);
    return pt;
}

COLORREF ButtonVXTest::Px(int x, int y) const
{
    POINT pt = ScreenOf(x, y);
    return ScreenPixel(pt.x, pt.y);
}

CRect ButtonVXTest::BoxOf(COLORREF clr, int nMargin) const
{
    CRect rc;
    ::GetClientRect(Btn(), &rc);
    rc.DeflateRect(nMargin, nMargin);
    CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (Px(x, y) == clr) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.left == INT_MAX ? CRect(0, 0, 0, 0) : box;
}

// Near black: the text, not the coloured icons nor the grey of the looks.
static bool Dark(COLORREF c) { return GetRValue(c) < 110 && GetGValue(c) < 110 && GetBValue(c) < 110; }

CRect ButtonVXTest::InkBox(int nMargin) const
{
    CRect rc;
    ::GetClientRect(Btn(), &rc);
    rc.DeflateRect(nMargin, nMargin);
    CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (Dark(Px(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.left == INT_MAX ? CRect(0, 0, 0, 0) : box;
}

int ButtonVXTest::CountInk(int nMargin) const
{
    CRect rc;
    ::GetClientRect(Btn(), &rc);
    rc.DeflateRect(nMargin, nMargin);
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (Dark(Px(x, y))) ++n;
    return n;
}

}  // namespace buttonvx_test
