// CObject and CRuntimeClass: run-time class information without static
// registration.
#include "afx.h"

#include <cstdio>

CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), 0xFFFF, NULL, NULL, NULL};

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

CObject::~CObject() {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const { return GetRuntimeClass()->m_wSchema != 0xFFFF; }

void CObject::AssertValid() const {}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (pBaseClass == NULL)
        return FALSE;
    for (const CRuntimeClass* p = this; p != NULL; p = p->m_pBaseClass) {
        if (p == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

// ---------------------------------------------------------------------------
// Diagnostics

namespace {
int g_nAssertFailures = 0;
}

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    ++g_nAssertFailures;
    std::fprintf(stderr, "%s(%d): framework assertion failed\n", lpszFileName != NULL ? lpszFileName : "?",
                 nLine);
    return FALSE;
}

int AFXAPI AfxGetAssertFailureCount() { return g_nAssertFailures; }
