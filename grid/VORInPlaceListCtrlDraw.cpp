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
    const HDC hOuterTarget = m_hRowTarget;
    m_hRowTarget = hMemDC;  // the rows of this paint share one row bitmap
    DefWindowProc(WM_PAINT, (WPARAM)hMemDC, 0);
    ReleaseRowCanvas();
    m_hRowTarget = hOuterTarget;

    ::BitBlt(dc.GetSafeHdc(), rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(), hMemDC, 0, 0,
             SRCCOPY);
    ::SelectObject(hMemDC, hOldBitmap);
    ::DeleteDC(hMemDC);
    ::DeleteObject(hBitmap);
}

void CVORInPlaceListCtrl::ReleaseRowCanvas()
{
    if (m_hRowDC == NULL)
        return;
    ::SelectObject(m_hRowDC, m_hRowOldBitmap);
    ::DeleteDC(m_hRowDC);
    ::DeleteObject(m_hRowBitmap);
    m_hRowDC = NULL;
    m_hRowBitmap = NULL;
    m_hRowOldBitmap = NULL;
    m_sizeRowCanvas = CSize(0, 0);
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

    // The row is drawn into a bitmap of its own, then copied. Within one
    // paint of the grid the rows share one memory context and bitmap while
    // they are of one size: every pixel of it is painted again below.
    HDC hDC = lpDrawItemStruct->hDC;  // borrowed: never changed or deleted
    const CSize size(rcItem.Width(), rcItem.Height());
    const BOOL bShared = hDC == m_hRowTarget;
    const BOOL bReused = bShared && m_hRowDC != NULL && m_sizeRowCanvas == size;
    HDC hMemDC = bReused ? m_hRowDC : NULL;
    HBITMAP hBitmap = bReused ? m_hRowBitmap : NULL;
    HGDIOBJ hOldBitmap = bReused ? m_hRowOldBitmap : NULL;
    if (!bReused) {
        if (bShared)
            ReleaseRowCanvas();
        hMemDC = ::CreateCompatibleDC(hDC);
        if (hMemDC == NULL)
            return;
        hBitmap = ::CreateCompatibleBitmap(hDC, size.cx, size.cy);
        if (hBitmap == NULL) {
            ::DeleteDC(hMemDC);
            return;
        }
        hOldBitmap = ::SelectObject(hMemDC, hBitmap);
        if (bShared) {
            m_hRowDC = hMemDC;
            m_hRowBitmap = hBitmap;
            m_hRowOldBitmap = hOldBitmap;
            m_sizeRowCanvas = size;
        }
    }

    CVORInPlaceListItem* pItem = GetListItem(nRow);
    if (nRow == m_nCurRow)
        PlaceEditorOnCurrentCell();

    // The list-view columns' widths: from the layout the grid keeps while
    // only queries reach the list view (read once for all rows of a paint),
    // else asked for this row.
    const std::vector<int>* pWidths = NULL;
    HIMAGELIST hImages = NULL;
    const CGeometry* pGeometry = CurrentGeometry(GetStyle());
    if (pGeometry != NULL) {
        pWidths = &pGeometry->widths;
        hImages = pGeometry->hNormalImages;
    } else {
        const int nHeader = GetHeaderCount();
        m_drawWidths.assign((size_t)nHeader, 0);
        for (int i = 0; i < nHeader; ++i)
            m_drawWidths[(size_t)i] = CListCtrl::GetColumnWidth(i);
        pWidths = &m_drawWidths;
        hImages = (HIMAGELIST)::SendMessage(m_hWnd, LVM_GETIMAGELIST, LVSIL_NORMAL, 0);
    }
    const std::vector<int>& widths = *pWidths;
    const int nColumns = (int)widths.size();
    // The logical column of every position.
    m_drawLogical.assign((size_t)nColumns, -1);
    for (int c = GetColumnCount() - 1; c >= 0; --c) {
        const int nReal = m_arrColumns[c].m_nRealColumn;
        if (nReal >= 0 && nReal < nColumns)
            m_drawLogical[(size_t)nReal] = c;  // the smallest logical column wins
    }

    const UINT nState = CListCtrl::GetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED);
    const BOOL bSelected = (nState & LVIS_SELECTED) != 0;
    const BOOL bEditColours = bSelected && (nState & LVIS_FOCUSED) && m_bEditable;
    const int nCurPos = LCtoRC(m_nCurCol);
    HFONT hFont = (HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0);

    // One brush for a run of cells of one colour.
    HBRUSH hBrush = NULL;
    COLORREF crBrush = 0;
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

        // The whole cell in its background colour, no grid lines: what a
        // rectangle outlined with a one-pixel pen of the fill colour covers.
        if (hBrush == NULL || crBrush != crBk) {
            if (hBrush != NULL)
                ::DeleteObject(hBrush);
            hBrush = ::CreateSolidBrush(crBk);
            crBrush = crBk;
        }
        if (hBrush != NULL)
            ::FillRect(hMemDC, &rcCell, hBrush);

        if (i == 0 && hImages != NULL && pItem != NULL && pItem->m_nImage >= 0)
            ImageList_Draw(hImages, pItem->m_nImage, hMemDC, 0, 0, ILD_TRANSPARENT);

        const int nLogical = m_drawLogical[(size_t)i];
        const CVORInPlaceListCell* pCell =
            pItem != NULL && nLogical >= 0 ? pItem->GetListCell(nLogical) : NULL;
        if (pCell != NULL && !pCell->m_strText.IsEmpty()) {
            const int nOldMode = ::SetBkMode(hMemDC, TRANSPARENT);
            HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(hMemDC, hFont) : NULL;
            const COLORREF crOldText = ::SetTextColor(hMemDC, crText);
            ::DrawText(hMemDC, pCell->m_strText, pCell->m_strText.GetLength(), &rcText, kTextFormat);
            ::SetTextColor(hMemDC, crOldText);
            ::SetBkMode(hMemDC, nOldMode);
            if (hOldFont != NULL)
                ::SelectObject(hMemDC, hOldFont);
        }
    }
    if (hBrush != NULL)
        ::DeleteObject(hBrush);
    // A shared bitmap keeps the last row's pixels where no cell reaches
    // (right of the last column, or no column at all): black, as a new one is.
    if (bReused) {
        long long nCovered = 0;
        if (nColumns > 0) {
            nCovered = 1;
            for (int i = 0; i < nColumns; ++i)
                nCovered += widths[(size_t)i];
        }
        if (nCovered < size.cx) {
            CRect rcRest((int)(nCovered < 0 ? 0 : nCovered), 0, size.cx, size.cy);
            ::FillRect(hMemDC, &rcRest, (HBRUSH)::GetStockObject(BLACK_BRUSH));
        }
    }

    ::BitBlt(hDC, rcItem.left, rcItem.top, size.cx, size.cy, hMemDC, 0, 0, SRCCOPY);
    if (!bShared) {
        ::SelectObject(hMemDC, hOldBitmap);
        ::DeleteDC(hMemDC);
        ::DeleteObject(hBitmap);
    }
}
