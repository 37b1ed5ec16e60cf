// The rich edit and the combo box editors take the font of their parent
// when they are created, before the combo box sets its heights.
#include "EditorFixture.h"
#include "VORInPlaceComboBox.h"
#include "VORInPlaceEdit.h"

namespace {

// The edit and the combo box take the font their parent uses.
class InPlaceFontTest : public vor::test::EditorTest {};

TEST_F(InPlaceFontTest, EditorsTakeTheirParentsFont)
{
    HWND hParent = CreateChild("Static", WS_VISIBLE, RECT{10, 10, 400, 300}, 77);
    ASSERT_NE(hParent, nullptr);
    HFONT hFont = ::CreateFontA(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    ASSERT_NE(hFont, nullptr);
    ::SendMessageA(hParent, WM_SETFONT, (WPARAM)hFont, FALSE);
    CWnd* pParent = CWnd::FromHandle(hParent);
    {
        CVORInPlaceEdit edit;
        CRect rc(0, 0, 100, 20);
        ASSERT_TRUE(edit.CreateInPlaceWnd(pParent, rc, 0));
        EXPECT_EQ((HFONT)edit.SendMessage(WM_GETFONT), hFont);
        CVORInPlaceComboBox combo;
        rc = CRect(0, 30, 100, 50);
        ASSERT_TRUE(combo.CreateInPlaceWnd(pParent, rc, CBS_DROPDOWN));
        EXPECT_EQ((HFONT)combo.SendMessage(WM_GETFONT), hFont);
        // The heights are set after the font: the font does not undo them.
        EXPECT_EQ(combo.GetItemHeight(-1), 13);
        EXPECT_EQ(combo.GetItemHeight(0), 15);
    }
    ::DestroyWindow(hParent);
    ::DeleteObject(hFont);
}

}  // namespace
