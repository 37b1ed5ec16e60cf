// The concrete map classes of afxcoll.h; their hash tables are inline in
// vor_afx::MapCore.
#include "afxcoll.h"

IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapStringToOb, CObject)
IMPLEMENT_DYNAMIC(CMapStringToString, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapWordToOb, CObject)

CMapStringToPtr::~CMapStringToPtr() {}
CMapStringToOb::~CMapStringToOb() {}
CMapStringToString::~CMapStringToString() {}
CMapPtrToPtr::~CMapPtrToPtr() {}
CMapPtrToWord::~CMapPtrToWord() {}
CMapWordToPtr::~CMapWordToPtr() {}
CMapWordToOb::~CMapWordToOb() {}
