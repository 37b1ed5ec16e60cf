// CZeSplitterWnd: the splitter's window, with the clipping styles; panes redraw themselves when moved.
#include "ZeSplitterWnd.h"

#include "SplitterLogic.h"

VOR_IMPLEMENT_SPLITTER(CZeSplitterWnd, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, SWP_NOZORDER | SWP_NOACTIVATE)
