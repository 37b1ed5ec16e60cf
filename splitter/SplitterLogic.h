// The behaviour shared by the two splitter windows, written once as
// templates over the splitter class: each class keeps its own name, derives
// directly from CWnd and has its own message map, and calls these with its
// own window style and pane-move flags.
//
// A splitter class S provides the public members m_bVertical, m_nBarWidth,
// m_nBarPos, m_nMinFirst, m_nMinSecond, m_dRatio, m_pWndFirst, m_pWndSecond,
// m_bDragging, m_ptDragStart, m_ptDragCur, m_ptDragRaw and m_bDoubleEdge.
#pragma once

#include <afxwin.h>

#include "VORLib10Res.h"

namespace vor::splitter {

// Along the split axis: y for a horizontal bar, x for a vertical one.
template <class S>
int Extent(const S& s, const CRect& client) {
    return s.m_bVertical ? client.Width() : client.Height();
}

template <class S>
int Along(const S& s, const CPoint& pt) {
    return s.m_bVertical ? pt.x : pt.y;
}

// The bar (or the tracking rectangle): `lead` pixels from the leading edge,
// m_nBarWidth thick, across the whole client area.
template <class S>
CRect BandAt(const S& s, const CRect& client, int lead) {
    CRect r(client);
    if (s.m_bVertical) {
        r.left = client.left + lead;
        r.right = r.left + s.m_nBarWidth;
    } else {
        r.top = client.top + lead;
        r.bottom = r.top + s.m_nBarWidth;
    }
    return r;
}

template <class S>
CRect BarRect(const S& s) {
    CRect client;
    s.GetClientRect(&client);
    return BandAt(s, client, s.m_nBarPos);
}

template <class S>
bool PaneUsable(const CWnd* pWnd) {
    return pWnd != NULL && ::IsWindow(pWnd->GetSafeHwnd());
}

template <class S>
int SetWnd(S& s, CWnd* pFirst, CWnd* pSecond) {
    if (!PaneUsable<S>(pFirst) || !PaneUsable<S>(pSecond)) return 0;
    s.m_pWndFirst = pFirst;
    s.m_pWndSecond = pSecond;
    return 1;
}

// Clamps the bar position (the first limit wins), stores the ratio and moves
// both panes with `nFlags`.
template <class S>
void Relayout(S& s, UINT nFlags) {
    if (!PaneUsable<S>(s.m_pWndFirst) || !PaneUsable<S>(s.m_pWndSecond)) return;
    CRect c;
    s.GetClientRect(&c);
    int e = Extent(s, c);
    if (s.m_nMinSecond != -1) {
        int t = e - s.m_nMinSecond;
        if (t > s.m_nMinFirst && s.m_nBarPos > t) s.m_nBarPos = t;
    }
    if (s.m_nMinFirst != -1 && s.m_nBarPos < s.m_nMinFirst) s.m_nBarPos = s.m_nMinFirst;
    s.m_dRatio = e > 0 ? (double)s.m_nBarPos / (double)e : 0.0;

    int p = s.m_nBarPos, w = s.m_nBarWidth;
    CRect first, second;
    if (s.m_bVertical) {
        first.SetRect(c.left - 1, c.top, c.left + p, c.bottom);
        second.SetRect(c.left + p + w - 1, c.top, c.right, c.bottom);
    } else {
        first.SetRect(c.left, c.top - 1, c.right, c.top + p);
        second.SetRect(c.left, c.top + p + w - 1, c.right, c.bottom);
    }
    // A pane may be destroyed by its own move handling; check before the second.
    s.m_pWndFirst->SetWindowPos(NULL, first.left, first.top, first.Width(), first.Height(), nFlags);
    if (!PaneUsable<S>(s.m_pWndSecond)) return;
    s.m_pWndSecond->SetWindowPos(NULL, second.left, second.top, second.Width(), second.Height(), nFlags);
}

// Inverts the tracking rectangle through a window DC; twice restores.
template <class S>
void DrawSplitter(S& s) {
    CRect c;
    s.GetClientRect(&c);
    int lead = s.m_nBarPos + (Along(s, s.m_ptDragCur) - Along(s, s.m_ptDragStart));
    CRect r = BandAt(s, c, lead);
    CWindowDC dc(&s);
    if (!dc.GetSafeHdc()) return;
    int nOldRop = dc.SetROP2(R2_NOT);
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(&r);
    dc.SetROP2(nOldRop);
    dc.SetBkMode(nOldMode);
}

template <class S>
void ButtonDown(S& s, CPoint point) {
    if (BarRect(s).PtInRect(point)) {
        s.m_bDragging = 1;
        s.SetCapture();
        s.m_ptDragStart = point;
        s.m_ptDragCur = point;
        DrawSplitter(s);
    }
}

template <class S>
void MouseMove(S& s, CPoint point) {
    if (!s.m_bDragging) return;
    DrawSplitter(s);
    CRect c;
    s.GetClientRect(&c);
    int e = Extent(s, c);
    s.m_ptDragRaw = point;
    s.m_ptDragCur = point;
    int v = Along(s, s.m_ptDragCur);
    if (s.m_nMinFirst != -1 && v < s.m_nMinFirst) v = s.m_nMinFirst;
    if (s.m_nMinSecond != -1) {
        int t = e - s.m_nMinSecond;
        if (t > s.m_nMinFirst && v > t) v = t;
    }
    if (s.m_bVertical)
        s.m_ptDragCur.x = v;
    else
        s.m_ptDragCur.y = v;
    DrawSplitter(s);
}

template <class S>
void ButtonUp(S& s, UINT nFlags) {
    if (!s.m_bDragging) return;
    s.m_bDragging = 0;
    ::ReleaseCapture();
    DrawSplitter(s);
    s.m_nBarPos += Along(s, s.m_ptDragCur) - Along(s, s.m_ptDragStart);
    if (s.m_ptDragCur != s.m_ptDragStart) {
        Relayout(s, nFlags);
        s.Invalidate(TRUE);
    }
}

template <class S>
void CaptureChanged(S& s, CWnd* pWnd) {
    if (pWnd == NULL || pWnd->GetSafeHwnd() != s.GetSafeHwnd()) s.m_bDragging = 0;
}

// The splitter cursors are shared resource cursors: loaded each time, never
// destroyed. Without an application object they are loaded from the module
// that holds them directly.
inline HCURSOR LoadSplitCursor(int bVertical) {
    UINT id = bVertical ? IDC_VOR_SPLIT_LEFTRIGHT : IDC_VOR_SPLIT_UPDOWN;
    if (CWinApp* pApp = AfxGetApp()) return pApp->LoadCursor(id);
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_GROUP_CURSOR);
    return ::LoadCursorA(hInst, MAKEINTRESOURCE(id));
}

// Answers whether the splitter set the cursor itself.
template <class S>
bool SetSplitCursor(S& s) {
    CPoint pt;
    ::GetCursorPos(&pt);
    s.ScreenToClient(&pt);
    if (!BarRect(s).PtInRect(pt) && !s.m_bDragging) return false;
    ::SetCursor(LoadSplitCursor(s.m_bVertical));
    return true;
}

template <class S>
void Paint(S& s) {
    CPaintDC dc(&s);
    CRect c;
    s.GetClientRect(&c);
    CBrush face(::GetSysColor(COLOR_BTNFACE));
    dc.FillRect(&c, &face);
    CRect b = BandAt(s, c, s.m_nBarPos);
    CPen shadow(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW));
    CPen* pOld = dc.SelectObject(&shadow);
    if (s.m_bVertical) {
        dc.MoveTo(b.right - 1, c.top);
        dc.LineTo(b.right - 1, c.bottom - 1);
    } else if (!s.m_bDoubleEdge) {
        dc.MoveTo(c.left, b.bottom - 1);
        dc.LineTo(c.right, b.bottom - 1);
    } else {
        dc.MoveTo(c.left, b.bottom - 3);
        dc.LineTo(c.right, b.bottom - 3);
        CPen dark(PS_SOLID, 0, ::GetSysColor(COLOR_3DDKSHADOW));
        dc.SelectObject(&dark);
        dc.MoveTo(c.left, b.bottom - 2);
        dc.LineTo(c.right, b.bottom - 2);
        dc.SelectObject(&shadow);
    }
    dc.SelectObject(pOld);
}

}  // namespace vor::splitter

// The members and message map of a splitter class, the same for both
// classes but for the window style of Create and the flags of the pane
// moves; each expansion makes the class's own message map.
#define VOR_IMPLEMENT_SPLITTER(theClass, style, paneFlags) \
BEGIN_MESSAGE_MAP(theClass, CWnd) \
    ON_WM_SIZE() \
    ON_WM_PAINT() \
    ON_WM_LBUTTONDOWN() \
    ON_WM_MOUSEMOVE() \
    ON_WM_LBUTTONUP() \
    ON_WM_CAPTURECHANGED() \
    ON_WM_SETCURSOR() \
    ON_WM_ERASEBKGND() \
END_MESSAGE_MAP() \
 \
theClass::theClass() \
    : m_bVertical(0), \
      m_nBarWidth(5), \
      m_nBarPos(0), \
      m_nMinFirst(-1), \
      m_nMinSecond(-1), \
      m_dRatio(0.0), \
      m_pWndFirst(NULL), \
      m_pWndSecond(NULL), \
      m_bDragging(0), \
      m_bDoubleEdge(0) \
{ \
} \
 \
theClass::~theClass() {} \
 \
int theClass::Create(int bVertical, int nBarPos, const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext) \
{ \
    m_bVertical = bVertical; \
    m_nBarPos = nBarPos; \
    return CWnd::Create(NULL, NULL, (style), rect, pParentWnd, 0, pContext); \
} \
 \
int theClass::SetWnd(CWnd* pFirst, CWnd* pSecond) { return vor::splitter::SetWnd(*this, pFirst, pSecond); } \
 \
void theClass::Relayout() { vor::splitter::Relayout(*this, (paneFlags)); } \
 \
void theClass::DrawSplitter() { vor::splitter::DrawSplitter(*this); } \
 \
void theClass::OnSize(UINT nType, int cx, int cy) \
{ \
    Default(); \
    Relayout(); \
} \
 \
void theClass::OnPaint() { vor::splitter::Paint(*this); } \
 \
void theClass::OnLButtonDown(UINT nFlags, CPoint point) \
{ \
    vor::splitter::ButtonDown(*this, point); \
    Default(); \
} \
 \
void theClass::OnMouseMove(UINT nFlags, CPoint point) \
{ \
    vor::splitter::MouseMove(*this, point); \
    Default(); \
} \
 \
void theClass::OnLButtonUp(UINT nFlags, CPoint point) \
{ \
    vor::splitter::ButtonUp(*this, (paneFlags)); \
    Default(); \
} \
 \
void theClass::OnCaptureChanged(CWnd* pWnd) \
{ \
    vor::splitter::CaptureChanged(*this, pWnd); \
    Default(); \
} \
 \
BOOL theClass::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) \
{ \
    if (vor::splitter::SetSplitCursor(*this)) return 0; \
    return (BOOL)Default(); \
} \
 \
BOOL theClass::OnEraseBkgnd(CDC* pDC) { return TRUE; }
