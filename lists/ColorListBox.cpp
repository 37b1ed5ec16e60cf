// CColorListBox: per-item text colours, kept in the item data.
#include "ColorListBox.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CColorListBox, CHorzListBox)
END_MESSAGE_MAP()

CColorListBox::CColorListBox() {}

CColorListBox::~CColorListBox() {}

// Through the list box's own members: LB_ERR, not item 0, without a window.
int CColorListBox::AddString(LPCTSTR lpszItem) { return CListBox::AddString(lpszItem); }

int CColorListBox::AddString(LPCTSTR lpszItem, COLORREF crColor)
{
    int nIndex = AddString(lpszItem);
    if (nIndex >= 0) SetItemData(nIndex, crColor);
    return nIndex;
}

int CColorListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return CListBox::InsertString(nIndex, lpszItem);
}

int CColorListBox::InsertString(int nIndex, LPCTSTR lpszItem, COLORREF crColor)
{
    int nNew = InsertString(nIndex, lpszItem);
    if (nNew >= 0) SetItemData(nNew, crColor);
    return nNew;
}

void CColorListBox::SetItemColor(int nIndex, COLORREF crColor, BOOL bRepaint)
{
    SetItemData(nIndex, crColor);
    if (bRepaint) RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColorListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = (UINT)::GetSystemMetrics(SM_CYMENUCHECK);
}

void CColorListBox::PreSubclassWindow()
{
    CHorzListBox::PreSubclassWindow();
    if (!(GetStyle() & LBS_OWNERDRAWFIXED))
        return;
    MEASUREITEMSTRUCT mis;
    std::memset(&mis, 0, sizeof(mis));
    mis.CtlType = ODT_LISTBOX;
    mis.CtlID = (UINT)GetDlgCtrlID();
    MeasureItem(&mis);
    SetItemHeight(0, mis.itemHeight);
}

void CColorListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if ((int)lpDrawItemStruct->itemID < 0) return;  // an empty list box drawing its focus
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    if (!pDC) return;
    COLORREF crItem = (COLORREF)lpDrawItemStruct->itemData;
    COLORREF crInverse = RGB(255 - GetRValue(crItem), 255 - GetGValue(crItem), 255 - GetBValue(crItem));
    UINT action = lpDrawItemStruct->itemAction;
    UINT state = lpDrawItemStruct->itemState;
    CRect rcItem(lpDrawItemStruct->rcItem);

    if ((state & ODS_SELECTED) && (action & (ODA_DRAWENTIRE | ODA_SELECT))) {
        CBrush brush(crItem);
        pDC->FillRect(&rcItem, &brush);
    }
    if (!(state & ODS_SELECTED) && (action & ODA_SELECT)) {
        CBrush brush(::GetSysColor(COLOR_WINDOW));
        pDC->FillRect(&rcItem, &brush);
    }
    if (action & ODA_FOCUS) pDC->DrawFocusRect(&rcItem);

    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crText;
    if (crItem != 0) {
        crText = (state & ODS_SELECTED) ? crInverse : (state & ODS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT) : crItem;
    } else {
        crText = (state & ODS_SELECTED)   ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                 : (state & ODS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT)
                                          : ::GetSysColor(COLOR_WINDOWTEXT);
    }
    COLORREF crOldText = pDC->SetTextColor(crText);

    CString strText;
    GetText((int)lpDrawItemStruct->itemID, strText);
    // An item is text, not a label: an ampersand is shown as it is.
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (GetStyle() & LBS_USETABSTOPS) nFormat |= DT_EXPANDTABS;
    CRect rcText(rcItem);
    pDC->DrawText(strText, &rcText, nFormat | DT_CALCRECT);
    pDC->DrawText(strText, &rcText, nFormat);

    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
}
