// The record of one grid row: its cells, indexed by logical column, and the
// row's caller's value, image and colours. Cells come into being on first
// access, reading included, so a row may hold fewer or more cells than the
// grid has columns.
#pragma once

#include <afx.h>
#include <afxtempl.h>

#include "VORInPlaceListCell.h"

class AFX_EXT_CLASS CVORInPlaceListItem {
public:
    CVORInPlaceListItem();
    CVORInPlaceListItem(const CVORInPlaceListItem& item);
    virtual ~CVORInPlaceListItem();

    CVORInPlaceListItem& operator=(const CVORInPlaceListItem& item);

    // Null for a negative index; otherwise grows the row to nIndex + 1 cells
    // if needed. The pointer is valid until the cell array next changes size.
    CVORInPlaceListCell* GetListCell(int nIndex);

    CString GetCellText(int nIndex);
    void SetCellText(int nIndex, const char* lpszText);
    DWORD GetCellData(int nIndex);
    void SetCellData(int nIndex, DWORD dwData);
    void GetCell(int nIndex, CVORInPlaceListCell& cell);
    void SetCell(int nIndex, CVORInPlaceListCell& cell);

    CArray<CVORInPlaceListCell, CVORInPlaceListCell&> m_arrCells;
    DWORD m_dwData;      // the caller's row value
    int m_nImage;        // image-list index, negative for none
    COLORREF m_crBk;     // background of the row's cells
    COLORREF m_crText;   // text colour of the row's cells

private:
    // The index of the cell that ref lies in, or -1 when it is not one of
    // this row's cells; used to survive the array moving while it grows.
    int IndexOfCell(const CVORInPlaceListCell& ref) const;
};
