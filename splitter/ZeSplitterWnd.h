// CZeSplitterWnd: the two-pane splitter of CVORSplitterWnd with the
// clipping styles for its children and siblings, so its own paint never
// covers the panes, and with panes that redraw themselves when moved.
//
// The bar's thickness, the two pane minimums (-1: no limit) and the double
// edge are public settings that take effect at the next relayout, drag step
// or paint. m_dRatio (bar position over the client extent) is kept for the
// owner by every complete relayout.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CZeSplitterWnd : public CWnd {
public:
    CZeSplitterWnd();
    virtual ~CZeSplitterWnd();

    // Returns the creation result; orientation and position are stored even
    // when creation fails. It does not lay out.
    int Create(int bVertical, int nBarPos, const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext);
    // 0, changing nothing, unless both panes are existing windows.
    int SetWnd(CWnd* pFirst, CWnd* pSecond);
    void Relayout();
    // Inverts the tracking rectangle of the drag (twice restores the screen).
    void DrawSplitter();

    int m_bVertical;
    int m_nBarWidth;
    int m_nBarPos;
    int m_nMinFirst;
    int m_nMinSecond;
    double m_dRatio;
    CWnd* m_pWndFirst;
    CWnd* m_pWndSecond;
    int m_bDragging;
    CPoint m_ptDragStart;
    CPoint m_ptDragCur;
    CPoint m_ptDragRaw;
    int m_bDoubleEdge;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
