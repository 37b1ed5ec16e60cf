// The rectangle helpers of USER32. Right and bottom are exclusive.
#include <algorithm>

#include "windows.h"

namespace {

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

extern "C" {

VORAPI BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (!lprc) return FALSE;
    *lprc = RECT{xLeft, yTop, xRight, yBottom};
    return TRUE;
}

VORAPI BOOL WINAPI SetRectEmpty(LPRECT lprc) {
    if (!lprc) return FALSE;
    *lprc = RECT{0, 0, 0, 0};
    return TRUE;
}

VORAPI BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
    if (!lprcDst || !lprcSrc) return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

VORAPI BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    lprc->left -= dx;
    lprc->right += dx;
    lprc->top -= dy;
    lprc->bottom += dy;
    return TRUE;
}

VORAPI BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
    if (!lprc) return FALSE;
    lprc->left += dx;
    lprc->right += dx;
    lprc->top += dy;
    lprc->bottom += dy;
    return TRUE;
}

VORAPI BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    RECT r = {std::max(lprcSrc1->left, lprcSrc2->left), std::max(lprcSrc1->top, lprcSrc2->top),
              std::min(lprcSrc1->right, lprcSrc2->right), std::min(lprcSrc1->bottom, lprcSrc2->bottom)};
    if (Empty(*lprcSrc1) || Empty(*lprcSrc2) || Empty(r)) {
        *lprcDst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *lprcDst = r;
    return TRUE;
}

VORAPI BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    bool e1 = Empty(*lprcSrc1), e2 = Empty(*lprcSrc2);
    if (e1 && e2) {
        *lprcDst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    if (e1) {
        *lprcDst = *lprcSrc2;
        return TRUE;
    }
    if (e2) {
        *lprcDst = *lprcSrc1;
        return TRUE;
    }
    *lprcDst = RECT{std::min(lprcSrc1->left, lprcSrc2->left), std::min(lprcSrc1->top, lprcSrc2->top),
                    std::max(lprcSrc1->right, lprcSrc2->right), std::max(lprcSrc1->bottom, lprcSrc2->bottom)};
    return TRUE;
}

VORAPI BOOL WINAPI SubtractRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
    RECT r = *lprcSrc1;
    if (Empty(r)) {
        *lprcDst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    RECT x;
    // Only a subtrahend that covers the source along one whole side cuts it;
    // anything else would leave a non-rectangular result, so r stays whole.
    if (IntersectRect(&x, lprcSrc1, lprcSrc2)) {
        if (x.left == r.left && x.right == r.right) {
            if (x.top == r.top) r.top = x.bottom;
            else if (x.bottom == r.bottom) r.bottom = x.top;
        } else if (x.top == r.top && x.bottom == r.bottom) {
            if (x.left == r.left) r.left = x.right;
            else if (x.right == r.right) r.right = x.left;
        }
    }
    if (Empty(r)) {
        *lprcDst = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *lprcDst = r;
    return TRUE;
}

VORAPI BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2) {
    if (!lprc1 || !lprc2) return FALSE;
    return lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
           lprc1->bottom == lprc2->bottom;
}

VORAPI BOOL WINAPI IsRectEmpty(const RECT* lprc) { return !lprc || Empty(*lprc) ? TRUE : FALSE; }

VORAPI BOOL WINAPI PtInRect(const RECT* lprc, POINT pt) {
    if (!lprc) return FALSE;
    return pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

}  // extern "C"
