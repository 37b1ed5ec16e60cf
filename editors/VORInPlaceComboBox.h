// CVORInPlaceComboBox: the drop-down list, with (CBS_DROPDOWN) or without
// (CBS_DROPDOWNLIST) an edit field, that the grid lays over a combo cell.
//
// Text handling follows CVORInPlaceEdit: a typed change or a choice from
// the list is checked against m_nDataFormat and offered to the owner
// (CWnd::GetOwner: the SetOwner window, else the parent, normally the grid)
// with WM_VOR_NOTIFY (source 2, code 1); a failed check or a non-zero reply
// puts back the last accepted text and edit selection. Keys while the list
// is open belong to the list; with it closed Tab, Up, Down, and Left or
// Right at the ends of the text go to the owner, and Enter opens the list.
// Escape closes the list and offers the text of the last SetText.
//
// It keeps the flat look of CVORFlatComboBox, except that the focus does
// not keep the raised look once the mouse has left. Autocomplete stays off
// unless the holder switches it on. Alt+letter system characters are not
// swallowed here.
#pragma once

#include <afxwin.h>

#include "VORFlatComboBox.h"
#include "VORInPlaceNotify.h"

class AFX_EXT_CLASS CVORInPlaceComboBox : public CVORFlatComboBox {
public:
    CVORInPlaceComboBox();
    virtual ~CVORInPlaceComboBox();

    // The height of the combo box with its list dropped down.
    enum { DROPPED_HEIGHT = 200 };

    // Creates the combo box over the cell; dwStyle carries CBS_DROPDOWN or
    // CBS_DROPDOWNLIST. rect's bottom becomes top + 200 in place. Non-zero
    // on success.
    BOOL CreateInPlaceWnd(CWnd* pParent, CRect& rect, DWORD dwStyle);
    // Nothing without a window or when rect equals m_rcCell; else rect
    // becomes left + 1, bottom = top + 200 in place and the window moves.
    void MoveInPlaceWnd(CRect& rect);
    // Adds the CR LF separated items of strText to the list, skipping those
    // that are empty or white space only; items are added untrimmed.
    void SetBackText(const CString& strText);
    // Sets the text without treating it as chosen or typed: selects the
    // first item beginning with it, shows exactly strText, selects it all
    // with bSelect. Becomes the Escape text and the last accepted text.
    void SetText(const CString& strText, BOOL bSelect);
    void PushLastText();
    void PopLastText();
    BOOL IsWindow() const;

    // As CVORInPlaceEdit: code 1, reply 0 accepts (then PushLastText).
    int SendMessageTextChange(const char* pszText);
    // Codes 2, 3, 4; never sent by the combo box itself.
    void SendMessageClick();
    void SendMessageRClick();
    void SendMessageDClick();

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Data, in this order (see CVORInPlaceEdit); the saved selection holds
    // the two 16-bit halves of CB_GETEDITSEL (65535 each without an edit
    // field).
    CRect m_rcCell;
    CString m_strOrgText;
    CString m_strLastText;
    BOOL m_bSetText;
    int m_nDataFormat;
    int m_nStartChar;
    int m_nEndChar;

protected:
    // Sends one record to the owner (VorSendInPlaceNotify).
    LRESULT SendNotify(int nCode, const char* pszText);
    template <class E>
    friend int VorOfferInPlaceText(E& editor, const char* pszText);
    void SaveSel();
    BOOL PassKeyToOwner(MSG* pMsg);
    // The shared rule of OnEditchange and OnSelendok for one text.
    void CheckAndOffer(const CString& strText);

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnSelendok();
    afx_msg void OnEditchange();
    // With the list closed the wheel belongs to the grid (it scrolls the
    // rows, the combo box does not change its choice); with the list open
    // it scrolls the list.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()
};
