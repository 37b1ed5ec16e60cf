// CVORSplitterWnd: a child window that shows two panes (existing child
// windows of it) with a bar between them that the user drags. The bar is
// horizontal (first pane above) or vertical (first pane left), chosen at
// creation. The splitter owns neither pane: create both as its children,
// hand them over with SetWnd, then call Relayout. Panes are moved without
// redrawing; a dropped drag repaints the splitter once.
//
// The bar's thickness, the two pane minimums (-1: no limit) and the double
// edge are public settings that take effect at the next relayout, drag step
// or paint. m_dRatio (bar position over the client extent) is kept for the
// owner by every complete relayout.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CVORSplitterWnd : public CWnd {
public:
    CVORSplitterWnd();
    virtual ~CVORSplitterWnd();

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
