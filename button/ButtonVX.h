// CButtonVX: a push button that draws itself, with an optional icon beside
// or above its text, a flat look that lights up while the pointer is over
// it, separate colours for the unlit and the lit state, an optional copy of
// the parent's background behind it, a cursor of its own and a tooltip.
//
// The host attaches an object to an existing button (SubclassDlgItem or
// SubclassWindow); the button becomes owner-drawn at that moment. The button
// is "lit" while the pointer is over it (m_bHover) or while it is pressed.
//
// The object owns the icons and the cursor it holds, whether it loaded them
// or was handed them, and the background copy it captures.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

class AFX_EXT_CLASS CButtonVX : public CButton {
public:
    enum { ALIGN_ICON_LEFT = 0, ALIGN_ICON_TOP = 1, ALIGN_ICON_RIGHT = 2 };

    CButtonVX();
    virtual ~CButtonVX();

    // Icons: the hot one while lit, the normal one otherwise. A zero normal
    // id (or a null normal handle) uses the hot icon for both. The size is
    // taken from the hot icon's hot spot, which an icon has at its centre.
    void SetIcon(int nIconHot, int nIconNormal);
    void SetIcon(HICON hIconHot, HICON hIconNormal);

    // -1 removes the button's own cursor. Answers 0 when the cursor could not
    // be loaded (the old one is gone then too), else 1.
    int SetBtnCursor(int nCursorRes);

    void SetFlat(int bFlat);
    int GetFlat() const { return m_bFlat; }
    // ALIGN_ICON_LEFT, ALIGN_ICON_TOP or ALIGN_ICON_RIGHT; other values keep
    // the alignment (the button repaints all the same).
    void SetAlign(int nAlignment);
    int GetAlign() const { return m_nIconAlign; }
    void DrawBorder(int bOn);
    void SetShowText(int bVisible);
    int GetShowText() const { return m_bTextVisible; }
    void SetFlatFocus(int bFocusRect, int bRedraw);
    int GetFlatFocus() const { return m_bFlatFocus; }

    // Paints a copy of the parent's background behind the button from now on.
    void DrawTransparent(int bRedraw);

    // Colours. The setters repaint only when bRedraw is exactly 1; the
    // defaults are the system colours read when the reset runs.
    void SetDefaultInactiveBgColor(int bRedraw);
    void SetInactiveBgColor(COLORREF clr, int bRedraw);
    COLORREF GetInactiveBgColor() const { return m_clrInactiveBg; }
    void SetDefaultInactiveFgColor(int bRedraw);
    void SetInactiveFgColor(COLORREF clr, int bRedraw);
    COLORREF GetInactiveFgColor() const { return m_clrInactiveFg; }
    void SetDefaultActiveBgColor(int bRedraw);
    void SetActiveBgColor(COLORREF clr, int bRedraw);
    COLORREF GetActiveBgColor() const { return m_clrActiveBg; }
    void SetDefaultActiveFgColor(int bRedraw);
    void SetActiveFgColor(COLORREF clr, int bRedraw);
    COLORREF GetActiveFgColor() const { return m_clrActiveFg; }

    // The tooltip: one tool (id 1) over the client rectangle, added by the
    // first text. A null text, or a string id the host's resources lack or
    // hold empty, changes nothing.
    void SetTooltipText(CString* pText, int bActivate);
    void SetTooltipText(int nTextId, int bActivate);
    // Does nothing before the tooltip has its tool.
    void ActivateTooltip(int bActivate);

    // Whether the control was a default push button when it was subclassed.
    int GetDefault() const { return m_bDefaultBtn; }

    static const char* GetVersionC();
    static short GetVersionI();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void PreSubclassWindow();
    // A double click is taken as a second press.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()

    int m_nIconAlign;      // ALIGN_ICON_*
    int m_bTextVisible;    // draw the window text
    int m_bBorder;         // flat look: the thin border while lit
    int m_bFlat;           // flat look with hover tracking; 0 classic
    int m_bHover;          // the pointer is over the button
    int m_bFlatFocus;      // flat look: the focus rectangle too
    HCURSOR m_hBtnCursor;  // owned
    CToolTipCtrl m_tip;
    HICON m_hIconHot;      // owned
    HICON m_hIconNormal;   // owned; may be m_hIconHot
    BYTE m_nIconHeight;
    BYTE m_nIconWidth;
    CDC m_dcBack;          // holds the background copy
    CBitmap m_bmpBack;     // the copy, selected into m_dcBack
    // What m_dcBack held before m_bmpBack, by handle: a wrapper answered by
    // SelectObject is temporary and would not outlive the paint.
    HBITMAP m_hOldBackBmp;
    int m_bTransparent;
    int m_bDefaultBtn;
    COLORREF m_clrInactiveBg;
    COLORREF m_clrInactiveFg;
    COLORREF m_clrActiveBg;
    COLORREF m_clrActiveFg;

private:
    void InitToolTip();
    void DrawTheIcon(CDC* pDC, CString* pTitle, RECT* pItemRect, CRect* pCaptionRect, int bPressed, int bDisabled);
    void PaintBk(CDC* pDC);
    // Puts the displaced bitmap back and deletes the copy and its context.
    void ReleaseBackground();
    // Destroys the icons held, sparing a handle that is about to be kept.
    void DestroyIcons(HICON hKeep1, HICON hKeep2);
    // Repaints when the window exists: an object without one has nothing to
    // show, and a null window would mean the whole screen.
    void Repaint();
    BOOL IsLit(BOOL bPressed) const { return m_bHover == 1 || bPressed; }
};
