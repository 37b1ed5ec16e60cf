// One logical column of the grid, shown or hidden. Held by value in the
// grid's column array; the list view knows only the shown ones.
#pragma once

#include <afx.h>

class AFX_EXT_CLASS CVORInPlaceListColumn {
public:
    CVORInPlaceListColumn();
    CVORInPlaceListColumn(const CVORInPlaceListColumn& column);
    ~CVORInPlaceListColumn();

    CVORInPlaceListColumn& operator=(const CVORInPlaceListColumn& column);

    CString m_strHeading;
    int m_nFormat;      // list-view column format, LVCFMT_LEFT is 0
    int m_nWidth;       // remembered while hidden, used when shown again
    int m_nRealColumn;  // list-view position while shown, -1 while hidden
};
