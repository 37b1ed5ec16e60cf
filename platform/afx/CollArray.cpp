// The concrete array classes of afxcoll.h; their element handling is inline
// in vor_afx::ArrayCore.
#include "afxcoll.h"

IMPLEMENT_DYNAMIC(CByteArray, CObject)
IMPLEMENT_DYNAMIC(CWordArray, CObject)
IMPLEMENT_DYNAMIC(CDWordArray, CObject)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_DYNAMIC(CObArray, CObject)
IMPLEMENT_DYNAMIC(CStringArray, CObject)

CByteArray::~CByteArray() {}
CWordArray::~CWordArray() {}
CDWordArray::~CDWordArray() {}
CUIntArray::~CUIntArray() {}
CPtrArray::~CPtrArray() {}
CObArray::~CObArray() {}
CStringArray::~CStringArray() {}
