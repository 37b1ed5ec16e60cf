// CListCtrl: the framework's wrapper of the list view.
#include <afxcmn.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CListCtrl, CWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {

// FromHandle makes the right wrapper for the windows of these classes, so
// the casts of GetHeaderCtrl and of MFC code's (CListCtrl*)GetDlgItem hold.
void RegisterTempClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    AfxRegisterTempWndClass(WC_LISTVIEW, []() -> CWnd* { return new CListCtrl; });
    AfxRegisterTempWndClass(WC_HEADER, []() -> CWnd* { return new CHeaderCtrl; });
}

}  // namespace

CListCtrl::CListCtrl() { RegisterTempClasses(); }

CListCtrl::~CListCtrl() { DestroyWindow(); }

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTVIEW, NULL, dwStyle, rect, pParentWnd, nID);
}

CImageList* CListCtrl::GetImageList(int nImageList) const {
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, LVM_GETIMAGELIST, (WPARAM)nImageList, 0));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    HIMAGELIST h = pImageList != NULL ? pImageList->GetSafeHandle() : NULL;
    return CImageList::FromHandle(
        (HIMAGELIST)::SendMessage(m_hWnd, LVM_SETIMAGELIST, (WPARAM)nImageListType, (LPARAM)h));
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam) {
    LV_ITEM lvi;
    std::memset(&lvi, 0, sizeof(lvi));
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = (LPTSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEM, 0, (LPARAM)&lvi);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LV_ITEM lvi;
    std::memset(&lvi, 0, sizeof(lvi));
    lvi.stateMask = nMask;
    lvi.state = nState;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)&lvi);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    LV_ITEM lvi;
    std::memset(&lvi, 0, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    CString str;
    int nLen = 128;
    int nRes;
    // Grow the buffer until the text fits with room to spare.
    do {
        nLen *= 2;
        lvi.cchTextMax = nLen;
        lvi.pszText = str.GetBufferSetLength(nLen);
        nRes = (int)::SendMessage(m_hWnd, LVM_GETITEMTEXT, (WPARAM)nItem, (LPARAM)&lvi);
    } while (nRes == nLen - 1 && nLen < (1 << 24));
    str.ReleaseBuffer(nRes);
    return str;
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
    LV_ITEM lvi;
    std::memset(&lvi, 0, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = lpszText;
    return (int)::SendMessage(m_hWnd, LVM_GETITEMTEXT, (WPARAM)nItem, (LPARAM)&lvi);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    LV_ITEM lvi;
    std::memset(&lvi, 0, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    lvi.pszText = (LPTSTR)lpszText;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEMTEXT, (WPARAM)nItem, (LPARAM)&lvi);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)dwData);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LV_ITEM lvi;
    std::memset(&lvi, 0, sizeof(lvi));
    lvi.iItem = nItem;
    lvi.mask = LVIF_PARAM;
    if (!::SendMessage(m_hWnd, LVM_GETITEM, 0, (LPARAM)&lvi)) return 0;
    return (DWORD_PTR)lvi.lParam;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    return (POSITION)(INT_PTR)(1 + GetNextItem(-1, LVNI_SELECTED));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    int nOldPos = (int)(INT_PTR)pos - 1;
    pos = (POSITION)(INT_PTR)(1 + GetNextItem(nOldPos, LVNI_SELECTED));
    return nOldPos;
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    if (lpRect == NULL) return FALSE;
    lpRect->left = (LONG)nCode;
    return (BOOL)::SendMessage(m_hWnd, LVM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) {
    RECT rect;
    rect.top = iSubItem;
    rect.left = nArea;
    rect.right = rect.bottom = 0;
    BOOL ok = (BOOL)::SendMessage(m_hWnd, LVM_GETSUBITEMRECT, (WPARAM)iItem, (LPARAM)&rect);
    if (ok) ref = rect;
    return ok;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    RegisterTempClasses();
    HWND hWnd = (HWND)::SendMessage(m_hWnd, LVM_GETHEADER, 0, 0);
    return (CHeaderCtrl*)CWnd::FromHandle(hWnd);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
    LV_ITEM item;
    std::memset(&item, 0, sizeof(item));
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = 0;
    item.pszText = (LPTSTR)lpszItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, LVM_INSERTITEM, 0, (LPARAM)&item) : -1);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    LV_HITTESTINFO hti;
    std::memset(&hti, 0, sizeof(hti));
    hti.pt = pt;
    int nRes = (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, LVM_HITTEST, 0, (LPARAM)&hti) : -1);
    if (pFlags != NULL) *pFlags = hti.flags;
    return nRes;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
    LV_COLUMN column;
    std::memset(&column, 0, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPTSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, LVM_INSERTCOLUMN, (WPARAM)nCol, (LPARAM)&column) : -1);
}

void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {
    // An owner-drawn list view's class draws its rows here.
}

BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL) *pResult = TRUE;
    return TRUE;
}

void CListCtrl::RemoveImageList(int nImageList) {
    HIMAGELIST h = (HIMAGELIST)::SendMessage(m_hWnd, LVM_GETIMAGELIST, (WPARAM)nImageList, 0);
    if (CImageList::FromHandlePermanent(h) != NULL) ::SendMessage(m_hWnd, LVM_SETIMAGELIST, (WPARAM)nImageList, 0);
}

void CListCtrl::OnNcDestroy() {
    // The list view destroys its image lists with its window unless they are
    // shared; those a CImageList owns are taken back first.
    if (!(GetStyle() & LVS_SHAREIMAGELISTS)) {
        RemoveImageList(LVSIL_NORMAL);
        RemoveImageList(LVSIL_SMALL);
        RemoveImageList(LVSIL_STATE);
    }
    CWnd::OnNcDestroy();
}
