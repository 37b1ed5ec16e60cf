// One cell of the grid: its text, the caller's value and the settings of the
// editor it opens. Held by value in its row record (CVORInPlaceListItem).
#pragma once

#include <afx.h>
#include <afxcoll.h>

#include "VORInPlaceTypes.h"

class AFX_EXT_CLASS CVORInPlaceListCell {
public:
    CVORInPlaceListCell();
    CVORInPlaceListCell(const CVORInPlaceListCell& cell);
    virtual ~CVORInPlaceListCell();

    CVORInPlaceListCell& operator=(const CVORInPlaceListCell& cell);

    // Takes all seven fields of cell, text and caller's value included.
    void Copy(CVORInPlaceListCell& cell);

    // Editor settings only; the text and the caller's value stay. A null
    // lpszStrings gives an empty choice string.
    void SetCell(INPLACE_CELL_TYPE nCellType, int nLimit, INPLACE_DATA_FORAMAT nDataFormat,
                 const char* lpszStrings, DWORD dwStyle);

    // The choices joined with "\r\n" between items (none after the last).
    void SetComboboxString(CStringArray& strings);

    CString m_strText;
    DWORD m_dwData;
    INPLACE_DATA_FORAMAT m_nDataFormat;
    int m_nTextLimit;
    INPLACE_CELL_TYPE m_nCellType;
    DWORD m_dwStyle;
    CString m_strComboboxString;
};
