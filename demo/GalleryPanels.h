// The gallery's plain framework windows: each paints itself in OnPaint.
#pragma once

#include <afxwin.h>

// A panel filled with one colour and a caption.
class CColourPanel : public CWnd {
public:
    CColourPanel(COLORREF crFill, LPCTSTR lpszCaption) : m_crFill(crFill), m_strCaption(lpszCaption) {}
    BOOL CreatePanel(CWnd* pParent, const RECT& rect, UINT nID);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_crFill;
    CString m_strCaption;
};

// Lines of text drawn with DrawText: left, centred, right aligned, an
// ellipsis and text in the program's code page.
class CTextPanel : public CWnd {
public:
    BOOL CreatePanel(CWnd* pParent, const RECT& rect, UINT nID);

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// Raised and sunken three-dimensional frames drawn with Draw3dRect, and the
// two splitter cursors of the VORLib10 module.
class CFramePanel : public CWnd {
public:
    BOOL CreatePanel(CWnd* pParent, const RECT& rect, UINT nID);

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// The top-level window that holds the panels.
class CGalleryWnd : public CWnd {
public:
    CGalleryWnd();
    BOOL CreateGallery(const RECT& rect);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CColourPanel m_panelBlue;
    CColourPanel m_panelOrange;
    CTextPanel m_panelText;
    CFramePanel m_panelFrames;
};
