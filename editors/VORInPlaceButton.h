// CVORInPlaceButton: the "..." push button that the grid places at the
// right end of a button cell. It reports clicks (mouse, space bar, Enter)
// to its owner (CWnd::GetOwner: the SetOwner window, else the parent,
// normally the grid) as WM_VOR_NOTIFY source 3, code 2, and hands Tab and
// the arrow keys to the owner by sending it the same key-down message.
//
// Placement: the cell less its bottom pixel, right-aligned, 30 pixels wide,
// or the whole cell width for cells of 30 pixels or narrower.
//
// Enter sends the click and is then left to the windows around the grid
// (a dialog holding the grid may act on it too), as a push button leaves
// Enter to the dialog manager.
#pragma once

#include <afxwin.h>

#include "VORInPlaceNotify.h"

class AFX_EXT_CLASS CVORInPlaceButton : public CButton {
public:
    CVORInPlaceButton();
    virtual ~CVORInPlaceButton();

    // The greatest button width.
    enum { BUTTON_WIDTH = 30 };

    // Creates the button over the right end of the cell; rect is adjusted
    // in place to the button's rectangle. Non-zero on success.
    BOOL CreateInPlaceWnd(CWnd* pParent, CRect& rect, DWORD dwStyle);
    // Re-places the button for a new cell rectangle; nothing happens
    // without a window or when rect equals m_rcCell.
    void MoveInPlaceWnd(CRect& rect);
    BOOL IsWindow() const;

    void SendMessageClick();   // code 2
    void SendMessageRClick();  // code 3
    void SendMessageDClick();  // code 4

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // The cell rectangle last given, before the placement.
    CRect m_rcCell;

protected:
    // The button's rectangle in a cell rectangle, in place.
    static void PlaceInCell(CRect& rect);
    void SendNotify(int nCode);

    afx_msg void OnClicked();
    // In a dialog every key is the editor's (see CVORInPlaceEdit).
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};
