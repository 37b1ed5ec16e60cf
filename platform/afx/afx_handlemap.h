// The handle maps of the GDI wrappers: which object owns a handle
// (permanent) and which wrappers FromHandle made for handles nobody owns
// (temporary, deleted at idle). Internal to platform/afx.
#pragma once

#include "afxdc.h"

#include <unordered_map>

namespace vor::afx {

struct GdiHandleMaps {
    std::unordered_map<HGDIOBJ, CGdiObject*> objectPermanent;
    std::unordered_map<HGDIOBJ, CGdiObject*> objectTemporary;
    std::unordered_map<HDC, CDC*> dcPermanent;
    std::unordered_map<HDC, CDC*> dcTemporary;
};

// Made on first use and never destroyed, so wrappers destroyed during
// process exit still find it.
GdiHandleMaps& HandleMaps();

// The wrapper that owns or temporarily stands for a handle.
CGdiObject* LookupObject(HGDIOBJ h);
CGdiObject* TemporaryObject(HGDIOBJ h, CGdiObject* (*make)());
CDC* LookupDC(HDC h);
CDC* TemporaryDC(HDC h);

}  // namespace vor::afx

#if __has_include("afxwin.h")
#include "afxwin.h"
#define VOR_AFX_HAVE_CWND 1
#endif

namespace vor::afx {

// The window handle of a framework window object (NULL for NULL).
inline HWND HwndOf(CWnd* pWnd)
{
#ifdef VOR_AFX_HAVE_CWND
    return pWnd->GetSafeHwnd();
#else
    // Until the window classes are built: CWnd keeps its HWND m_hWnd as the
    // first data member after the virtual-table pointer.
    if (pWnd == NULL)
        return NULL;
    return *reinterpret_cast<HWND*>(reinterpret_cast<char*>(pWnd) + sizeof(void*));
#endif
}

}  // namespace vor::afx
