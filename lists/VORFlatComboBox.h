// CVORFlatComboBox: a combo box that looks flat until the pointer is over it
// or it has the focus, then shows its drop button raised, and pressed while
// the left button is held. It draws this look over the combo box's own
// painting and follows the pointer with a 10 ms window timer that the first
// mouse move over it starts.
//
// Autocomplete: set the public member m_bAutoComplete to TRUE (or call
// SetAutoComplete(TRUE)) and text typed into the edit field of a
// CBS_DROPDOWN combo box is completed from the first list item it begins
// (case ignored), the completed part selected so the next keystroke
// replaces it. It is off after construction.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CVORFlatComboBox : public CComboBox {
public:
    enum STATE { NORMAL = 1, RAISED = 2, PRESSED = 3 };

    CVORFlatComboBox();
    virtual ~CVORFlatComboBox();

    void SetAutoComplete(BOOL bAutoComplete) { m_bAutoComplete = bAutoComplete; }
    BOOL GetAutoComplete() const { return m_bAutoComplete; }

    // Swallows WM_SYSCHAR; everything else goes to the framework's default.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    int m_cxButton;       // the drop button's width, SM_CXHTHUMB at construction
    BOOL m_bLBtnDown;     // the left button went down over the control
    BOOL m_bPainted;      // the hover step drew the raised look and owes its undoing
    BOOL m_bHasFocus;
    BOOL m_bAutoComplete;
    COLORREF m_crBtnHilite;
    COLORREF m_crBtnShadow;
    COLORREF m_crBtnFace;

protected:
    // Draws the frames and the drop button in a look onto the client area.
    void DrawCombo(STATE eState);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus();
    afx_msg void OnKillFocus();
    afx_msg void OnEditUpdate();
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

private:
    void ReadColours();
    BOOL CursorInside() const;
};
