// CHeaderCtrl: the framework's wrapper of the header control.
#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

CHeaderCtrl::CHeaderCtrl() {
    AfxRegisterTempWndClass(WC_HEADER, []() -> CWnd* { return new CHeaderCtrl; });
}

CHeaderCtrl::~CHeaderCtrl() { DestroyWindow(); }

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_HEADER, NULL, dwStyle, rect, pParentWnd, nID);
}

CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList) {
    HIMAGELIST h = pImageList != NULL ? pImageList->GetSafeHandle() : NULL;
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, HDM_SETIMAGELIST, 0, (LPARAM)h));
}

CImageList* CHeaderCtrl::GetImageList() const {
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, HDM_GETIMAGELIST, 0, 0));
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {
    // A derived class that makes items owner-drawn draws them here.
}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL) *pResult = TRUE;
    return TRUE;
}
