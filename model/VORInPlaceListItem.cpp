#include "VORInPlaceListItem.h"

#include <climits>
#include <functional>
#include <new>

CVORInPlaceListItem::CVORInPlaceListItem()
    : m_dwData(0), m_nImage(-1), m_crBk(0x00FFFFFF), m_crText(0x00000000) {}

CVORInPlaceListItem::CVORInPlaceListItem(const CVORInPlaceListItem& item)
    : m_dwData(item.m_dwData), m_nImage(item.m_nImage), m_crBk(item.m_crBk), m_crText(item.m_crText) {
    m_arrCells.Copy(item.m_arrCells);
}

CVORInPlaceListItem::~CVORInPlaceListItem() {}

CVORInPlaceListItem& CVORInPlaceListItem::operator=(const CVORInPlaceListItem& item) {
    if (this != &item) {
        m_arrCells.Copy(item.m_arrCells);
        m_dwData = item.m_dwData;
        m_nImage = item.m_nImage;
        m_crBk = item.m_crBk;
        m_crText = item.m_crText;
    }
    return *this;
}

int CVORInPlaceListItem::IndexOfCell(const CVORInPlaceListCell& ref) const {
    const int nCount = (int)m_arrCells.GetSize();
    if (nCount == 0)
        return -1;
    const CVORInPlaceListCell* pFirst = m_arrCells.GetData();
    const CVORInPlaceListCell* pEnd = pFirst + nCount;
    std::less<const CVORInPlaceListCell*> before;
    if (before(&ref, pFirst) || !before(&ref, pEnd))
        return -1;
    return (int)(&ref - pFirst);
}

CVORInPlaceListCell* CVORInPlaceListItem::GetListCell(int nIndex) {
    if (nIndex >= 0 && nIndex < m_arrCells.GetSize())
        return m_arrCells.GetData() + nIndex;
    // INT_MAX + 1 cells cannot be counted; refuse rather than wrap the size.
    if (nIndex < 0 || nIndex == INT_MAX)
        return NULL;
    try {
        m_arrCells.SetSize(nIndex + 1);
    } catch (const std::bad_alloc&) {
        return NULL;  // the row keeps the cells it had
    }
    return m_arrCells.GetData() + nIndex;
}

CString CVORInPlaceListItem::GetCellText(int nIndex) {
    CVORInPlaceListCell* pCell = GetListCell(nIndex);
    if (pCell == NULL)
        return CString();
    return pCell->m_strText;
}

void CVORInPlaceListItem::SetCellText(int nIndex, const char* lpszText) {
    // The text may lie in one of this row's cells: growing the row moves the
    // cells but not the text buffers they own, and a string takes text out
    // of its own buffer safely.
    CVORInPlaceListCell* pCell = GetListCell(nIndex);
    if (pCell == NULL)
        return;
    if (lpszText != NULL)
        pCell->m_strText = lpszText;
    else
        pCell->m_strText.Empty();
}

DWORD CVORInPlaceListItem::GetCellData(int nIndex) {
    CVORInPlaceListCell* pCell = GetListCell(nIndex);
    return pCell == NULL ? 0 : pCell->m_dwData;
}

void CVORInPlaceListItem::SetCellData(int nIndex, DWORD dwData) {
    CVORInPlaceListCell* pCell = GetListCell(nIndex);
    if (pCell != NULL)
        pCell->m_dwData = dwData;
}

void CVORInPlaceListItem::GetCell(int nIndex, CVORInPlaceListCell& cell) {
    if (nIndex < 0)
        return;
    // cell may be one of this row's own cells, which move when the row grows.
    const int nTarget = IndexOfCell(cell);
    CVORInPlaceListCell* pSource = GetListCell(nIndex);
    if (pSource == NULL)
        return;
    CVORInPlaceListCell& target = nTarget < 0 ? cell : m_arrCells[nTarget];
    target.Copy(*pSource);
}

void CVORInPlaceListItem::SetCell(int nIndex, CVORInPlaceListCell& cell) {
    if (nIndex < 0)
        return;
    // Copy the source first: it may be one of this row's cells and move
    // when the row grows.
    CVORInPlaceListCell source(cell);
    CVORInPlaceListCell* pCell = GetListCell(nIndex);
    if (pCell != NULL)
        pCell->Copy(source);
}
