// Permanent and temporary handle maps of the GDI wrappers, and their
// clean-up at idle and at platform reset.
#include "afx_handlemap.h"

#include "user/user_internal.h"

#include <vector>

namespace vor::afx {

namespace {

void ResetHook() { AfxDeleteTempGdiObjects(); }

// The reset hook is registered when the first temporary wrapper is made
// (no static constructor does it).
void EnsureResetHook()
{
    static bool s_bRegistered = false;
    if (!s_bRegistered) {
        s_bRegistered = true;
        vor::user::AddResetHook(&ResetHook);
    }
}

}  // namespace

GdiHandleMaps& HandleMaps()
{
    static GdiHandleMaps* s_pMaps = new GdiHandleMaps;
    return *s_pMaps;
}

CGdiObject* LookupObject(HGDIOBJ h)
{
    GdiHandleMaps& maps = HandleMaps();
    auto it = maps.objectPermanent.find(h);
    if (it != maps.objectPermanent.end())
        return it->second;
    it = maps.objectTemporary.find(h);
    if (it != maps.objectTemporary.end())
        return it->second;
    return NULL;
}

CGdiObject* TemporaryObject(HGDIOBJ h, CGdiObject* (*make)())
{
    EnsureResetHook();
    CGdiObject* pObject = make();
    pObject->m_hObject = h;  // not Attach: the wrapper does not own h
    HandleMaps().objectTemporary[h] = pObject;
    return pObject;
}

CDC* LookupDC(HDC h)
{
    GdiHandleMaps& maps = HandleMaps();
    auto it = maps.dcPermanent.find(h);
    if (it != maps.dcPermanent.end())
        return it->second;
    it = maps.dcTemporary.find(h);
    if (it != maps.dcTemporary.end())
        return it->second;
    return NULL;
}

CDC* TemporaryDC(HDC h)
{
    EnsureResetHook();
    CDC* pDC = new CDC;
    pDC->m_hDC = pDC->m_hAttribDC = h;
    HandleMaps().dcTemporary[h] = pDC;
    return pDC;
}

}  // namespace vor::afx

void PASCAL CGdiObject::DeleteTempMap()
{
    // Take the map first: a wrapper's destructor must not see itself listed.
    std::unordered_map<HGDIOBJ, CGdiObject*> temp;
    temp.swap(vor::afx::HandleMaps().objectTemporary);
    for (auto& entry : temp) {
        entry.second->m_hObject = NULL;  // the handle belongs to someone else
        delete entry.second;
    }
}

void PASCAL CDC::DeleteTempMap()
{
    std::unordered_map<HDC, CDC*> temp;
    temp.swap(vor::afx::HandleMaps().dcTemporary);
    for (auto& entry : temp) {
        entry.second->m_hDC = entry.second->m_hAttribDC = NULL;
        delete entry.second;
    }
}

void AFXAPI AfxDeleteTempGdiObjects()
{
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
}
