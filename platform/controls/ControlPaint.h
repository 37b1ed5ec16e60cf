// What every stock control does with WM_PAINT: draw into the device
// context that wParam carries when there is one (a caller painting the
// control into a bitmap), else between BeginPaint and EndPaint.
#pragma once

#include "windows.h"

namespace vor::controls {

template <class Paint>
LRESULT PaintMessage(HWND hwnd, WPARAM wp, Paint paint) {
    if (wp) {
        paint((HDC)wp);
        return 0;
    }
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    if (hdc) {
        paint(hdc);
        EndPaint(hwnd, &ps);
    }
    return 0;
}

}  // namespace vor::controls
