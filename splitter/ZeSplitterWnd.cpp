// CZeSplitterWnd: the splitter's window; the behaviour is in SplitterLogic.h.
#include "ZeSplitterWnd.h"

#include "SplitterLogic.h"

namespace {
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr UINT kPaneMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE;
}  // namespace

BEGIN_MESSAGE_MAP(CZeSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CZeSplitterWnd::CZeSplitterWnd()
    : m_bVertical(0),
      m_nBarWidth(5),
      m_nBarPos(0),
      m_nMinFirst(-1),
      m_nMinSecond(-1),
      m_dRatio(0.0),
      m_pWndFirst(NULL),
      m_pWndSecond(NULL),
      m_bDragging(0),
      m_bDoubleEdge(0)
{
}

CZeSplitterWnd::~CZeSplitterWnd() {}

int CZeSplitterWnd::Create(int bVertical, int nBarPos, const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_bVertical = bVertical;
    m_nBarPos = nBarPos;
    return CWnd::Create(NULL, NULL, kStyle, rect, pParentWnd, 0, pContext);
}

int CZeSplitterWnd::SetWnd(CWnd* pFirst, CWnd* pSecond) { return vor::splitter::SetWnd(*this, pFirst, pSecond); }

void CZeSplitterWnd::Relayout() { vor::splitter::Relayout(*this, kPaneMoveFlags); }

void CZeSplitterWnd::DrawSplitter() { vor::splitter::DrawSplitter(*this); }

void CZeSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    Default();
    Relayout();
}

void CZeSplitterWnd::OnPaint() { vor::splitter::Paint(*this); }

void CZeSplitterWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    vor::splitter::ButtonDown(*this, point);
    Default();
}

void CZeSplitterWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    vor::splitter::MouseMove(*this, point);
    Default();
}

void CZeSplitterWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    vor::splitter::ButtonUp(*this, kPaneMoveFlags);
    Default();
}

void CZeSplitterWnd::OnCaptureChanged(CWnd* pWnd)
{
    vor::splitter::CaptureChanged(*this, pWnd);
    Default();
}

BOOL CZeSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (vor::splitter::SetSplitCursor(*this)) return 0;
    return (BOOL)Default();
}

BOOL CZeSplitterWnd::OnEraseBkgnd(CDC* pDC) { return TRUE; }
