// CVORInPlaceListCtrl: drawing. The whole client area goes through one
// memory bitmap (OnPaint) and each owner-drawn row through a row bitmap of
// its own (DrawItem), so nothing flickers; the open editor is carried onto
// the current cell while its row is drawn.
#include "VORInPlaceListCtrl.h"

#include <vector>

namespace {

const COLORREF kClientBk = 0x00FFFFFF;
const int kTextIndent = 5;
const int kImageIndent = 15;
const UINT kTextFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

}  // namespace

BOOL CVORInPlaceListCtrl::OnEraseBkgnd(CDC* pDC)
{
    return TRUE;  // OnPaint covers the whole client area
}

void CVORInPlaceListCtrl::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    Default();
}

void CVORInPlaceListCtrl::OnPaint()
{
    // The editors and the header must not be painted over by the copy.
    const LONG lStyle = ::GetWindowLong(m_hWnd, GWL_STYLE);
    if (!(lStyle & WS_CLIPCHILDREN))
        ::SetWindowLong(m_hWnd, GWL_STYLE, lStyle | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);

    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    HDC hMemDC = ::CreateCompatibleDC(dc.GetSafeHdc());
    if (hMemDC == NULL)
        return;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(dc.GetSafeHdc(), rcClient.Width(), rcClient.Height());
    if (hBitmap == NULL) {
        ::DeleteDC(hMemDC);
        return;
    }
    HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hBitmap);
    HBRUSH hWhite = ::CreateSolidBrush(kClientBk);
    if (hWhite != NULL) {
        ::FillRect(hMemDC, &rcClient, hWhite);
        ::DeleteObject(hWhite);
    }

    // The list view paints every visible row into the memory context; an
    // owner-drawn one asks DrawItem for each.
    m_nPaintedTop = CListCtrl::GetTopIndex();
    m_nPaintedBottom = m_nPaintedTop + CListCtrl::GetCountPerPage();
    DefWindowProc(WM_PAINT, (WPARAM)hMemDC, 0);

    ::BitBlt(dc.GetSafeHdc(), rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(), hMemDC, 0, 0,
             SRCCOPY);
    ::SelectObject(hMemDC, hOldBitmap);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hBitmap);
}

void CVORInPlaceListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == NULL || lpDrawItemStruct->hDC == NULL)
        return;
    const int nRow = (int)lpDrawItemStruct->itemID;
    const CRect rcItem = lpDrawItemStruct->rcItem;
    CRect rcClient;
    GetClientRect(&rcClient);
    // Rows outside the client area cost nothing.
    if (rcItem.top > rcClient.bottom || rcItem.bottom < rcClient.top)
        return;
    if (!IsRowInRange(nRow))
        return;

    HDC hDC = lpDrawItemStruct->hDC;  // borrowed: never changed or deleted
    HDC hMemDC = ::CreateCompatibleDC(hDC);
    if (hMemDC == NULL)
        return;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, rcItem.Width(), rcItem.Height());
    if (hBitmap == NULL) {
        ::DeleteDC(hMemDC);
        return;
    }
    HGDIOBJ hOldBitmap = ::SelectObject(hMemDC, hBitmap);

    CVORInPlaceListItem* pItem = GetListItem(nRow);

    // Widths once per row, and the logical column of every position.
    const int nColumns = GetHeaderCount();
    std::vector<int> widths((size_t)nColumns, 0);
    for (int i = 0; i < nColumns; ++i)
        widths[(size_t)i] = CListCtrl::GetColumnWidth(i);
    std::vector<int> logical((size_t)nColumns, -1);
    for (int c = GetColumnCount() - 1; c >= 0; --c) {
        const int nReal = m_arrColumns[c].m_nRealColumn;
        if (nReal >= 0 && nReal < nColumns)
            logical[(size_t)nReal] = c;  // the smallest logical column wins
    }

    if (nRow == m_nCurRow)
        PlaceEditorOnCurrentCell();

    HIMAGELIST hImages = (HIMAGELIST)::SendMessage(m_hWnd, LVM_GETIMAGELIST, LVSIL_NORMAL, 0);
    const UINT nState = CListCtrl::GetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED);
    const BOOL bSelected = (nState & LVIS_SELECTED) != 0;
    const BOOL bEditColours = bSelected && (nState & LVIS_FOCUSED) && m_bEditable;
    const int nCurPos = LCtoRC(m_nCurCol);
    HFONT hFont = (HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0);

    int x = rcItem.left;
    for (int i = 0; i < nColumns; ++i) {
        if (i > 0)
            x += widths[(size_t)(i - 1)];
        CRect rcCell(x, rcItem.top - 1, x + widths[(size_t)i] + 1, rcItem.bottom);
        CRect rcText = rcCell;
        rcText.left += kTextIndent;
        if (i == 0 && hImages != NULL)
            rcText.left += kImageIndent;
        rcCell.OffsetRect(-rcItem.left, -rcItem.top);
        rcText.OffsetRect(-rcItem.left, -rcItem.top);

        COLORREF crText;
        COLORREF crBk;
        if (!bSelected) {
            crText = pItem != NULL ? pItem->m_crText : 0x00000000;
            crBk = pItem != NULL ? pItem->m_crBk : 0x00FFFFFF;
        } else if (bEditColours && i == nCurPos) {
            crText = m_crEditText;
            crBk = m_crEditBk;
        } else {
            crText = m_crSelText;
            crBk = m_crSelBk;
        }

        // The pen has the fill colour: no grid lines.
        HBRUSH hBrush = ::CreateSolidBrush(crBk);
        HPEN hPen = ::CreatePen(PS_SOLID, 1, crBk);
        HGDIOBJ hOldBrush = ::SelectObject(hMemDC, hBrush);
        HGDIOBJ hOldPen = ::SelectObject(hMemDC, hPen);
        ::Rectangle(hMemDC, rcCell.left, rcCell.top, rcCell.right, rcCell.bottom);
        ::SelectObject(hMemDC, hOldPen);
        ::SelectObject(hMemDC, hOldBrush);
        ::DeleteObject(hPen);
        ::DeleteObject(hBrush);

        if (i == 0 && hImages != NULL && pItem != NULL && pItem->m_nImage >= 0)
            ImageList_Draw(hImages, pItem->m_nImage, hMemDC, 0, 0, ILD_TRANSPARENT);

        CString strText;
        if (pItem != NULL && logical[(size_t)i] >= 0)
            strText = pItem->GetCellText(logical[(size_t)i]);
        if (!strText.IsEmpty()) {
            const int nOldMode = ::SetBkMode(hMemDC, TRANSPARENT);
            HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(hMemDC, hFont) : NULL;
            const COLORREF crOldText = ::SetTextColor(hMemDC, crText);
            ::DrawText(hMemDC, strText, strText.GetLength(), &rcText, kTextFormat);
            ::SetTextColor(hMemDC, crOldText);
            ::SetBkMode(hMemDC, nOldMode);
            if (hOldFont != NULL)
                ::SelectObject(hMemDC, hOldFont);
        }
    }

    ::BitBlt(hDC, rcItem.left, rcItem.top, rcItem.Width(), rcItem.Height(), hMemDC, 0, 0, SRCCOPY);
    ::SelectObject(hMemDC, hOldBitmap);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hBitmap);
}
