// CHorzListBox: the horizontal extent kept equal to the widest item.
#include "HorzListBox.h"

namespace {
constexpr int kExtentMargin = 6;
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
}  // namespace

BEGIN_MESSAGE_MAP(CHorzListBox, CListBox)
    ON_MESSAGE(LB_ADDSTRING, OnAddString)
    ON_MESSAGE(LB_INSERTSTRING, OnInsertString)
    ON_MESSAGE(LB_DELETESTRING, OnDeleteString)
    ON_MESSAGE(LB_SETTABSTOPS, OnSetTabStops)
END_MESSAGE_MAP()

CHorzListBox::CHorzListBox() : m_bLockHExtent(FALSE), m_nMaxExtent(0), m_nTabStops(0), m_pTabStops(NULL) {}

CHorzListBox::~CHorzListBox()
{
    delete[] m_pTabStops;
    m_pTabStops = NULL;
}

void CHorzListBox::LockHExtentUpdate() { m_bLockHExtent = TRUE; }

void CHorzListBox::UnlockHExtentUpdate() { m_bLockHExtent = FALSE; }

CDC* CHorzListBox::BeginMeasure(CFont*& pOldFont)
{
    pOldFont = NULL;
    CDC* pDC = GetDC();
    if (!pDC) return NULL;
    CFont* pFont = GetFont();
    if (pFont) pOldFont = pDC->SelectObject(pFont);
    return pDC;
}

void CHorzListBox::EndMeasure(CDC* pDC, CFont* pOldFont)
{
    if (!pDC) return;
    if (pOldFont) pDC->SelectObject(pOldFont);
    ReleaseDC(pDC);
}

void CHorzListBox::InitTabStops()
{
    int nDistance = 2;  // dialog units
    SendMessage(LB_SETTABSTOPS, 1, (LPARAM)&nDistance);
}

BOOL CHorzListBox::InitTabStopsRebuilt()
{
    InitTabStops();
    // Accepted while unlocked, the new tab stops rebuilt every extent,
    // the item being measured included.
    return m_pTabStops != NULL && !m_bLockHExtent;
}

void CHorzListBox::InsertNewExtent(int nIndex, LPCTSTR str, CDC* pDC)
{
    if (!pDC || nIndex < 0) return;
    if (m_pTabStops == NULL && InitTabStopsRebuilt()) return;
    LPCTSTR text = str ? str : "";
    int nLength = lstrlenA(text);
    CSize size = (GetStyle() & LBS_USETABSTOPS) ? pDC->GetTabbedTextExtent(text, nLength, m_nTabStops, m_pTabStops)
                                                : pDC->GetTextExtent(text, nLength);
    int nExtent = (int)size.cx + kExtentMargin;
    if (nIndex > m_arrExtents.GetSize()) m_arrExtents.SetSize(nIndex);  // the gap holds zeros
    m_arrExtents.InsertAt(nIndex, nExtent);
    if (nExtent > m_nMaxExtent) m_nMaxExtent = nExtent;
}

void CHorzListBox::InsertNewExtent(int nIndex, LPCTSTR str)
{
    if (m_bLockHExtent) return;
    CFont* pOldFont;
    CDC* pDC = BeginMeasure(pOldFont);
    if (!pDC) return;
    InsertNewExtent(nIndex, str, pDC);
    SetHorizontalExtent(m_nMaxExtent);
    EndMeasure(pDC, pOldFont);
}

void CHorzListBox::UpdateHExtent()
{
    // Tab stops accepted now rebuild everything themselves.
    if (m_pTabStops == NULL && InitTabStopsRebuilt()) return;
    m_arrExtents.RemoveAll();
    m_nMaxExtent = 0;
    CFont* pOldFont;
    CDC* pDC = BeginMeasure(pOldFont);
    if (!pDC) return;
    int nCount = GetCount();
    CString strItem;
    for (int i = 0; i < nCount; ++i) {
        GetText(i, strItem);
        InsertNewExtent(i, strItem, pDC);
    }
    SetHorizontalExtent(m_nMaxExtent);
    EndMeasure(pDC, pOldFont);
}

LRESULT CHorzListBox::OnAddString(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult != LB_ERR && lResult != LB_ERRSPACE) InsertNewExtent((int)lResult, (LPCTSTR)lParam);
    return lResult;
}

LRESULT CHorzListBox::OnInsertString(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult != LB_ERR && lResult != LB_ERRSPACE) InsertNewExtent((int)lResult, (LPCTSTR)lParam);
    return lResult;
}

LRESULT CHorzListBox::OnDeleteString(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (lResult == LB_ERR || m_bLockHExtent) return lResult;
    int nIndex = (int)wParam;
    if (nIndex >= 0 && nIndex < m_arrExtents.GetSize()) {
        int nExtent = m_arrExtents[nIndex];
        m_arrExtents.RemoveAt(nIndex);
        if (nExtent >= m_nMaxExtent) {
            int nLeft = (int)lResult;
            if (nLeft > m_arrExtents.GetSize()) nLeft = (int)m_arrExtents.GetSize();
            m_nMaxExtent = 0;
            for (int i = 0; i < nLeft; ++i)
                if (m_arrExtents[i] > m_nMaxExtent) m_nMaxExtent = m_arrExtents[i];
        }
    }
    SetHorizontalExtent(m_nMaxExtent);
    return lResult;
}

LRESULT CHorzListBox::OnSetTabStops(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = Default();
    if (!lResult) return FALSE;
    int nCount = (int)wParam;
    m_nTabStops = nCount;
    delete[] m_pTabStops;
    m_pTabStops = NULL;
    if (nCount > 0) {
        const int* pStops = (const int*)lParam;
        m_pTabStops = new int[(size_t)nCount];
        CFont* pOldFont;
        CDC* pDC = BeginMeasure(pOldFont);
        int nAverage = 0;
        if (pDC) {
            CSize size = pDC->GetTextExtent(kAlphabet, (int)sizeof kAlphabet - 1);
            nAverage = ((int)size.cx / 26 + 1) / 2;
            EndMeasure(pDC, pOldFont);
        }
        for (int i = 0; i < nCount; ++i) m_pTabStops[i] = (pStops[i] * nAverage + 2) / 4;
    }
    if (!m_bLockHExtent) UpdateHExtent();
    return lResult;
}
