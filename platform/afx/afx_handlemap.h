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
