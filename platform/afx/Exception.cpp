// CException and CMemoryException.
#include "afx.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

CException::~CException() {}

// Deletes a heap exception after it was caught; one made with bAutoDelete
// FALSE (a static or stack object) is left alone.
void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

CMemoryException::CMemoryException() : CException(TRUE) {}

CMemoryException::~CMemoryException() {}

BOOL CMemoryException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    const char* text = "Out of memory.";
    std::strncpy(lpszError, text, nMaxError - 1);
    lpszError[nMaxError - 1] = '\0';
    return TRUE;
}

void AFXAPI AfxThrowMemoryException() { throw new CMemoryException; }
