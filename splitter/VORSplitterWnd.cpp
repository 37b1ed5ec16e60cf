// CVORSplitterWnd: the splitter's window; the behaviour is in SplitterLogic.h.
#include "VORSplitterWnd.h"

#include "SplitterLogic.h"

namespace {
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE;
constexpr UINT kPaneMoveFlags = SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;
}  // namespace

BEGIN_MESSAGE_MAP(CVORSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CVORSplitterWnd::CVORSplitterWnd()
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

CVORSplitterWnd::~CVORSplitterWnd() {}

int CVORSplitterWnd::Create(int bVertical, int nBarPos, const RECT& rect, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_bVertical = bVertical;
    m_nBarPos = nBarPos;
    return CWnd::Create(NULL, NULL, kStyle, rect, pParentWnd, 0, pContext);
}

int CVORSplitterWnd::SetWnd(CWnd* pFirst, CWnd* pSecond) { return vor::splitter::SetWnd(*this, pFirst, pSecond); }

void CVORSplitterWnd::Relayout() { vor::splitter::Relayout(*this, kPaneMoveFlags); }

void CVORSplitterWnd::DrawSplitter() { vor::splitter::DrawSplitter(*this); }

void CVORSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    Default();
    Relayout();
}

void CVORSplitterWnd::OnPaint() { vor::splitter::Paint(*this); }

void CVORSplitterWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    vor::splitter::ButtonDown(*this, point);
    Default();
}

void CVORSplitterWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    vor::splitter::MouseMove(*this, point);
    Default();
}

void CVORSplitterWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    vor::splitter::ButtonUp(*this, kPaneMoveFlags);
    Default();
}

void CVORSplitterWnd::OnCaptureChanged(CWnd* pWnd)
{
    vor::splitter::CaptureChanged(*this, pWnd);
    Default();
}

BOOL CVORSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (vor::splitter::SetSplitCursor(*this)) return 0;
    return (BOOL)Default();
}

BOOL CVORSplitterWnd::OnEraseBkgnd(CDC* pDC) { return TRUE; }
