// The framework's wrappers of the common controls: CImageList, CHeaderCtrl
// and CListCtrl (further wrappers below). Like the other control wrappers
// they send the controls' messages and nothing else.
#pragma once

#include "afxwin.h"
#include "commctrl.h"

class CImageList;
class CHeaderCtrl;
class CListCtrl;

typedef int(CALLBACK* PFNLVCOMPARE)(LPARAM, LPARAM, LPARAM);

// ---------------------------------------------------------------------------
// CImageList

class VORAPI CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)
public:
    HIMAGELIST m_hImageList;

    CImageList();
    virtual ~CImageList();

    // nFlags takes ILC_ values; TRUE (1) is ILC_MASK, as MFC's bMask was.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A strip of images from a bitmap resource, masked by crMask unless it
    // is CLR_NONE.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);

    operator HIMAGELIST() const { return GetSafeHandle(); }
    HIMAGELIST GetSafeHandle() const { return vor_afx::IsNullObject(this) ? NULL : m_hImageList; }

    // The object attached to the handle, or a temporary one that lives until
    // DeleteTempMap (or until its image list is destroyed); NULL for NULL or
    // a handle that is not an image list.
    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    static CImageList* PASCAL FromHandlePermanent(HIMAGELIST hImageList);
    static void PASCAL DeleteTempMap();
    // Refused when this object already holds a list, the handle is not an
    // image list, or another object holds it.
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }

    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
    HICON ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, 0); }
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);

private:
    CImageList(const CImageList&) = delete;
    void operator=(const CImageList&) = delete;
};

// ---------------------------------------------------------------------------
// CHeaderCtrl

class VORAPI CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl();
    virtual ~CHeaderCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return (int)::SendMessage(m_hWnd, HDM_GETITEMCOUNT, 0, 0L); }
    BOOL GetItem(int nPos, HD_ITEM* pHeaderItem) const
    {
        return (BOOL)::SendMessage(m_hWnd, HDM_GETITEM, (WPARAM)nPos, (LPARAM)pHeaderItem);
    }
    BOOL SetItem(int nPos, HD_ITEM* pHeaderItem)
    {
        return (BOOL)::SendMessage(m_hWnd, HDM_SETITEM, (WPARAM)nPos, (LPARAM)pHeaderItem);
    }
    int InsertItem(int nPos, HD_ITEM* phdi)
    {
        return (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, HDM_INSERTITEM, (WPARAM)nPos, (LPARAM)phdi) : -1);
    }
    BOOL DeleteItem(int nPos) { return (BOOL)::SendMessage(m_hWnd, HDM_DELETEITEM, (WPARAM)nPos, 0L); }
    BOOL Layout(HD_LAYOUT* pHeaderLayout) { return (BOOL)::SendMessage(m_hWnd, HDM_LAYOUT, 0, (LPARAM)pHeaderLayout); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const
    {
        return (BOOL)::SendMessage(m_hWnd, HDM_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
    }
    int OrderToIndex(int nOrder) const { return (int)::SendMessage(m_hWnd, HDM_ORDERTOINDEX, (WPARAM)nOrder, 0); }
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* GetImageList() const;

    // Owner drawing: called for the parent's WM_DRAWITEM of this header.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

// ---------------------------------------------------------------------------
// CListCtrl

class VORAPI CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl();
    virtual ~CListCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- attributes ----
    COLORREF GetBkColor() const { return (COLORREF)::SendMessage(m_hWnd, LVM_GETBKCOLOR, 0, 0L); }
    BOOL SetBkColor(COLORREF cr) { return (BOOL)::SendMessage(m_hWnd, LVM_SETBKCOLOR, 0, (LPARAM)cr); }
    COLORREF GetTextColor() const { return (COLORREF)::SendMessage(m_hWnd, LVM_GETTEXTCOLOR, 0, 0L); }
    BOOL SetTextColor(COLORREF cr) { return (BOOL)::SendMessage(m_hWnd, LVM_SETTEXTCOLOR, 0, (LPARAM)cr); }
    COLORREF GetTextBkColor() const { return (COLORREF)::SendMessage(m_hWnd, LVM_GETTEXTBKCOLOR, 0, 0L); }
    BOOL SetTextBkColor(COLORREF cr) { return (BOOL)::SendMessage(m_hWnd, LVM_SETTEXTBKCOLOR, 0, (LPARAM)cr); }
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    int GetItemCount() const { return (int)::SendMessage(m_hWnd, LVM_GETITEMCOUNT, 0, 0L); }
    void SetItemCount(int nItems) { ::SendMessage(m_hWnd, LVM_SETITEMCOUNT, (WPARAM)nItems, 0); }
    BOOL GetItem(LV_ITEM* pItem) const { return (BOOL)::SendMessage(m_hWnd, LVM_GETITEM, 0, (LPARAM)pItem); }
    BOOL SetItem(const LV_ITEM* pItem) { return (BOOL)::SendMessage(m_hWnd, LVM_SETITEM, 0, (LPARAM)pItem); }
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                 LPARAM lParam);
    UINT GetCallbackMask() const { return (UINT)::SendMessage(m_hWnd, LVM_GETCALLBACKMASK, 0, 0); }
    BOOL SetCallbackMask(UINT nMask) { return (BOOL)::SendMessage(m_hWnd, LVM_SETCALLBACKMASK, nMask, 0); }
    int GetNextItem(int nItem, int nFlags) const
    {
        return (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, LVM_GETNEXTITEM, (WPARAM)nItem, MAKELPARAM(nFlags, 0)) : -1);
    }
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref);
    int GetStringWidth(LPCTSTR lpsz) const { return (int)::SendMessage(m_hWnd, LVM_GETSTRINGWIDTH, 0, (LPARAM)lpsz); }
    int GetColumnWidth(int nCol) const { return (int)::SendMessage(m_hWnd, LVM_GETCOLUMNWIDTH, (WPARAM)nCol, 0); }
    BOOL SetColumnWidth(int nCol, int cx)
    {
        return (BOOL)::SendMessage(m_hWnd, LVM_SETCOLUMNWIDTH, (WPARAM)nCol, MAKELPARAM(cx, 0));
    }
    BOOL GetColumn(int nCol, LV_COLUMN* pColumn) const
    {
        return (BOOL)::SendMessage(m_hWnd, LVM_GETCOLUMN, (WPARAM)nCol, (LPARAM)pColumn);
    }
    BOOL SetColumn(int nCol, const LV_COLUMN* pColumn)
    {
        return (BOOL)::SendMessage(m_hWnd, LVM_SETCOLUMN, (WPARAM)nCol, (LPARAM)pColumn);
    }
    BOOL GetViewRect(LPRECT lpRect) const { return (BOOL)::SendMessage(m_hWnd, LVM_GETVIEWRECT, 0, (LPARAM)lpRect); }
    int GetTopIndex() const { return (int)::SendMessage(m_hWnd, LVM_GETTOPINDEX, 0, 0); }
    int GetCountPerPage() const { return (int)::SendMessage(m_hWnd, LVM_GETCOUNTPERPAGE, 0, 0); }
    BOOL GetOrigin(LPPOINT lpPoint) const { return (BOOL)::SendMessage(m_hWnd, LVM_GETORIGIN, 0, (LPARAM)lpPoint); }
    BOOL SetItemState(int nItem, LV_ITEM* pItem)
    {
        return (BOOL)::SendMessage(m_hWnd, LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)pItem);
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetItemState(int nItem, UINT nMask) const
    {
        return (UINT)::SendMessage(m_hWnd, LVM_GETITEMSTATE, (WPARAM)nItem, (LPARAM)nMask);
    }
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    // The data value is pointer-sized, so an address kept there survives.
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    UINT GetSelectedCount() const { return (UINT)::SendMessage(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0L); }
    int GetSelectionMark() const { return (int)::SendMessage(m_hWnd, LVM_GETSELECTIONMARK, 0, 0); }
    int SetSelectionMark(int iIndex) { return (int)::SendMessage(m_hWnd, LVM_SETSELECTIONMARK, 0, (LPARAM)iIndex); }
    DWORD GetExtendedStyle() const { return (DWORD)::SendMessage(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0); }
    DWORD SetExtendedStyle(DWORD dwNewStyle)
    {
        return (DWORD)::SendMessage(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)dwNewStyle);
    }
    // The list view's header (MFC 4.2 code reaches it as GetDlgItem(0)).
    CHeaderCtrl* GetHeaderCtrl() const;

    // ---- operations ----
    // Index answers are -1 for an object without a window, never item 0.
    int InsertItem(const LV_ITEM* pItem) { return (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, LVM_INSERTITEM, 0, (LPARAM)pItem) : -1); }
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    BOOL DeleteItem(int nItem) { return (BOOL)::SendMessage(m_hWnd, LVM_DELETEITEM, (WPARAM)nItem, 0L); }
    BOOL DeleteAllItems() { return (BOOL)::SendMessage(m_hWnd, LVM_DELETEALLITEMS, 0, 0L); }
    int FindItem(LV_FINDINFO* pFindInfo, int nStart = -1) const
    {
        return (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, LVM_FINDITEM, (WPARAM)nStart, (LPARAM)pFindInfo) : -1);
    }
    int HitTest(LV_HITTESTINFO* pHitTestInfo) const
    {
        return (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, LVM_HITTEST, 0, (LPARAM)pHitTestInfo) : -1);
    }
    int HitTest(CPoint pt, UINT* pFlags = NULL) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo)
    {
        return (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, LVM_SUBITEMHITTEST, 0, (LPARAM)pInfo) : -1);
    }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK)
    {
        return (BOOL)::SendMessage(m_hWnd, LVM_ENSUREVISIBLE, (WPARAM)nItem, MAKELPARAM(bPartialOK, 0));
    }
    BOOL Scroll(CSize size) { return (BOOL)::SendMessage(m_hWnd, LVM_SCROLL, (WPARAM)size.cx, (LPARAM)size.cy); }
    BOOL RedrawItems(int nFirst, int nLast)
    {
        return (BOOL)::SendMessage(m_hWnd, LVM_REDRAWITEMS, (WPARAM)nFirst, (LPARAM)nLast);
    }
    BOOL Update(int nItem) { return (BOOL)::SendMessage(m_hWnd, LVM_UPDATE, (WPARAM)nItem, 0L); }
    int InsertColumn(int nCol, const LV_COLUMN* pColumn)
    {
        return (::IsWindow(m_hWnd) ? (int)::SendMessage(m_hWnd, LVM_INSERTCOLUMN, (WPARAM)nCol, (LPARAM)pColumn) : -1);
    }
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return (BOOL)::SendMessage(m_hWnd, LVM_DELETECOLUMN, (WPARAM)nCol, 0); }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    {
        return (BOOL)::SendMessage(m_hWnd, LVM_SORTITEMS, (WPARAM)dwData, (LPARAM)pfnCompare);
    }

    // ---- overridables ----
    // Owner drawing (LVS_OWNERDRAWFIXED): called for the parent's
    // WM_DRAWITEM of this list view, once for each row it paints.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    // Takes an image list that a CImageList object owns back from the list
    // view before the window goes, so the list view does not destroy it.
    void RemoveImageList(int nImageList);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    afx_msg void OnNcDestroy();

    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// The rich edit control's wrapper (CRichEditCtrl) and the tooltip's
// (CToolTipCtrl) are in afxcmn_edit.h.
#include "afxcmn_edit.h"

