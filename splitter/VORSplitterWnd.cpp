// CVORSplitterWnd: the splitter's window, without clipping styles; panes moved without redrawing.
#include "VORSplitterWnd.h"

#include "SplitterLogic.h"

VOR_IMPLEMENT_SPLITTER(CVORSplitterWnd, WS_CHILD | WS_VISIBLE, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE)
