// CVORInPlaceEdit: the single-line rich edit that the grid lays over a cell.
//
// Every change of text is a question to the owner (CWnd::GetOwner: the
// SetOwner window, else the parent, normally the grid): after each change
// the text is checked against m_nDataFormat, offered with WM_VOR_NOTIFY
// (source 1, code 1), and put back to the last accepted text with its
// selection when the check fails or the owner answers non-zero. Escape
// offers the text given to the last SetText. Tab, Up, Down, and Left or
// Right at the ends of the text are handed to the owner by sending it the
// same key-down message. Clicks are reported as codes 2, 3 and 4.
//
// The object may be used before its window exists and after the window is
// gone: every operation then does nothing (the senders answer "refused",
// 1, since nobody could accept).
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include "VORInPlaceNotify.h"

class AFX_EXT_CLASS CVORInPlaceEdit : public CRichEditCtrl {
public:
    CVORInPlaceEdit();
    virtual ~CVORInPlaceEdit();

    // Creates the control as a child of pParent over rect (client
    // coordinates of pParent), adjusted in place: left + 1, bottom - 1.
    // Non-zero on success.
    BOOL CreateInPlaceWnd(CWnd* pParent, CRect& rect, DWORD dwStyle);
    // Moves to a new cell rectangle; nothing happens without a window or
    // when rect equals the rectangle given last (m_rcCell). rect is
    // adjusted in place when a move takes place.
    void MoveInPlaceWnd(CRect& rect);
    // Sets the text without treating it as typed (no notification); with
    // bSelect the whole text is selected. Becomes the Escape text and the
    // last accepted text.
    void SetText(const CString& strText, BOOL bSelect);
    // The default text colour; the second argument has no effect.
    void SetTextStyle(COLORREF crText, int nReserved = 0);
    // Current text and selection into m_strLastText / m_nStartChar,
    // m_nEndChar, and back.
    void PushLastText();
    void PopLastText();
    // TRUE while the editor's window exists.
    BOOL IsWindow() const;

    // Asks the owner to accept pszText (code 1); returns the reply. A reply
    // of 0 is followed by PushLastText. NULL is offered as the empty text.
    int SendMessageTextChange(const char* pszText);
    void SendMessageClick();   // code 2
    void SendMessageRClick();  // code 3
    void SendMessageDClick();  // code 4

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Data, in this order: the cell rectangle last given (before the
    // adjustment), the text of the last SetText, the last accepted text and
    // the selection that goes with it, TRUE while SetText runs, and the
    // check applied to changes (INPLACE_DATA_CHAR 0, _INT 1, _REAL 2; any
    // other value lets every text stand unreported). The grid writes
    // m_nDataFormat directly each time it opens the editor.
    CRect m_rcCell;
    CString m_strOrgText;
    CString m_strLastText;
    int m_nStartChar;
    int m_nEndChar;
    BOOL m_bSetText;
    int m_nDataFormat;

protected:
    // Sends one record to the owner (VorSendInPlaceNotify).
    LRESULT SendNotify(int nCode, const char* pszText);
    template <class E>
    friend int VorOfferInPlaceText(E& editor, const char* pszText);
    // Reads the control's selection into m_nStartChar, m_nEndChar.
    void SaveSel();
    // Hands a key-down to the owner; TRUE when it was sent.
    BOOL PassKeyToOwner(MSG* pMsg);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // In a dialog every key is the editor's: Tab, the arrows, Enter and
    // Escape work the cell, not the dialog.
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnChange();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // EN_SELCHANGE: while the text equals the last accepted text (a pure
    // caret or selection move) the selection becomes the saved selection,
    // so a refused keystroke leaves the caret where the user put it. The
    // selection change that comes with a typed character is not saved.
    afx_msg void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
