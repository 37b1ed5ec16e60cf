// CImageList: the framework's wrapper of an image list handle, with the
// permanent and temporary handle maps that FromHandle uses.
#include <afxcmn.h>

#include <unordered_map>

#include "user/user_internal.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

struct ImageListMaps {
    std::unordered_map<HIMAGELIST, CImageList*> permanent;
    std::unordered_map<HIMAGELIST, CImageList*> temporary;
};

void ResetImageListMaps();

ImageListMaps& Maps() {
    static ImageListMaps& maps = *new ImageListMaps;
    static bool hooked = false;
    if (!hooked) {
        hooked = true;
        vor::user::AddResetHook(&ResetImageListMaps);
    }
    return maps;
}

// A temporary object never owns its list: it is let go, not destroyed.
void DeleteTemps() {
    std::unordered_map<HIMAGELIST, CImageList*> temps;
    temps.swap(Maps().temporary);
    for (auto& entry : temps) {
        entry.second->m_hImageList = NULL;
        delete entry.second;
    }
}

void ResetImageListMaps() {
    DeleteTemps();
    // Permanent objects belong to their owners; after a reset their handles
    // are dead and every call on them is refused.
    Maps().permanent.clear();
}

bool IsImageList(HIMAGELIST h) {
    int cx = 0, cy = 0;
    return h != NULL && ImageList_GetIconSize(h, &cx, &cy);
}

}  // namespace

CImageList::CImageList() : m_hImageList(NULL) {}

CImageList::~CImageList() { DeleteImageList(); }

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList) {
    if (hImageList == NULL) return NULL;
    auto& permanent = Maps().permanent;
    auto it = permanent.find(hImageList);
    return it == permanent.end() ? NULL : it->second;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) {
    if (hImageList == NULL) return NULL;
    if (CImageList* p = FromHandlePermanent(hImageList)) return p;
    auto& temporary = Maps().temporary;
    auto it = temporary.find(hImageList);
    if (!IsImageList(hImageList)) return NULL;
    if (it != temporary.end()) return it->second;
    CImageList* p = new CImageList;
    p->m_hImageList = hImageList;
    temporary[hImageList] = p;
    return p;
}

void PASCAL CImageList::DeleteTempMap() { DeleteTemps(); }

BOOL CImageList::Attach(HIMAGELIST hImageList) {
    if (m_hImageList != NULL || !IsImageList(hImageList) || FromHandlePermanent(hImageList) != NULL) return FALSE;
    m_hImageList = hImageList;
    Maps().permanent[hImageList] = this;
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST h = m_hImageList;
    if (h != NULL) {
        auto& permanent = Maps().permanent;
        auto it = permanent.find(h);
        if (it != permanent.end() && it->second == this) permanent.erase(it);
    }
    m_hImageList = NULL;
    return h;
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == NULL) return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    if (m_hImageList != NULL) return FALSE;
    HIMAGELIST h = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    if (h == NULL) return FALSE;
    if (!Attach(h)) {
        ImageList_Destroy(h);
        return FALSE;
    }
    return TRUE;
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
    if (m_hImageList != NULL || cx <= 0) return FALSE;
    CBitmap bmp;
    if (!bmp.LoadBitmap(lpszBitmapID)) return FALSE;
    BITMAP bm;
    if (!bmp.GetBitmap(&bm) || bm.bmWidth < cx) return FALSE;
    UINT flags = ILC_COLOR32 | (crMask != CLR_NONE ? ILC_MASK : 0);
    if (!Create(cx, bm.bmHeight, flags, bm.bmWidth / cx, nGrow)) return FALSE;
    int first = crMask != CLR_NONE ? Add(&bmp, crMask) : Add(&bmp, (CBitmap*)NULL);
    if (first < 0) {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
    if (pbmImage == NULL) return -1;
    return ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(),
                         pbmMask != NULL ? (HBITMAP)pbmMask->GetSafeHandle() : NULL);
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    if (pbmImage == NULL) return -1;
    return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
    if (pbmImage == NULL) return FALSE;
    return ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                             pbmMask != NULL ? (HBITMAP)pbmMask->GetSafeHandle() : NULL);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    if (pDC == NULL) return FALSE;
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
