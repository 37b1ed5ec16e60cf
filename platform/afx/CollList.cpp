// The concrete list classes of afxcoll.h; their node handling is inline in
// vor_afx::ListCore.
#include "afxcoll.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_DYNAMIC(CObList, CObject)
IMPLEMENT_DYNAMIC(CStringList, CObject)

CPtrList::~CPtrList() {}
CObList::~CObList() {}
CStringList::~CStringList() {}
