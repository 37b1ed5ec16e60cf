// CVORInPlaceListCtrl: life, message map, columns, rows and cell settings.
#include "VORInPlaceListCtrl.h"

#include <climits>
#include <new>

BEGIN_MESSAGE_MAP(CVORInPlaceListCtrl, CListCtrl)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_VSCROLL()
    ON_WM_KEYDOWN()
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemchanged)
    ON_WM_HSCROLL()
    ON_WM_MEASUREITEM()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_VOR_NOTIFY, OnVorNotify)
    ON_WM_MOUSEWHEEL()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

CVORInPlaceListCtrl::CVORInPlaceListCtrl()
    : m_bEditable(FALSE),
      m_crEditText(0x00FFFFFF),
      m_crEditBk(0x000000C4),
      m_crSelText(0x00FFFFFF),
      m_crSelBk(0x00600000),
      m_nCurRow(-1),
      m_nCurCol(-1),
      m_bAttachingRecord(FALSE),
      m_nPaintedTop(0),
      m_nPaintedBottom(-1),
      m_hKnownWnd(NULL),
      m_nKnownCount(-1),
      m_nKnownRow(-1),
      m_pKnownItem(NULL),
      m_nItemMessages(0),
      m_geometry(),
      m_hGeometryWnd(NULL),
      m_bGeometryKnown(FALSE),
      m_hRowTarget(NULL),
      m_hRowDC(NULL),
      m_hRowBitmap(NULL),
      m_hRowOldBitmap(NULL),
      m_sizeRowCanvas(0, 0)
{
}

CVORInPlaceListCtrl::~CVORInPlaceListCtrl()
{
    // Row records first (also those of rows the list view lost behind the
    // grid's back), then the column records; the set, the editors and the
    // list-view part go with the members and the base.
    ReleaseRowCanvas();
    m_mapItems.DeleteAll();
    ForgetRowLookup();
    // The list view outlives this point (the base class destroys the
    // window): its data values must not keep the freed addresses.
    if (::IsWindow(m_hWnd)) {
        m_bAttachingRecord = TRUE;
        const int nCount = CListCtrl::GetItemCount();
        for (int i = 0; i < nCount; ++i)
            CListCtrl::SetItemData(i, 0);
    }
    m_arrColumns.RemoveAll();
}

// ---------------------------------------------------------------------------
// Records

// Messages that only read the list view: they change neither the number of
// items nor any item's data value, so a row lookup survives them.
BOOL CVORInPlaceListCtrl::LeavesItemsAlone(UINT message)
{
    switch (message) {
    case LVM_GETITEMCOUNT:
    case LVM_GETITEMA:
    case LVM_GETITEMRECT:
    case LVM_GETSUBITEMRECT:
    case LVM_GETITEMSTATE:
    case LVM_GETITEMTEXTA:
    case LVM_GETNEXTITEM:
    case LVM_GETTOPINDEX:
    case LVM_GETCOUNTPERPAGE:
    case LVM_GETSELECTEDCOUNT:
    case LVM_GETCOLUMNA:
    case LVM_GETCOLUMNWIDTH:
    case LVM_GETHEADER:
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
    case LVM_GETIMAGELIST:
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST:
    case WM_GETFONT:
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CVORInPlaceListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LeavesItemsAlone(message))
        return CListCtrl::WindowProc(message, wParam, lParam);
    // Forgotten before (nothing stale is used while the message runs) and
    // after (a lookup made half-way through may describe items that have
    // changed since). The object may be gone once WM_NCDESTROY is handled.
    ForgetRowLookup();
    ForgetGeometry();
    ++m_nItemMessages;
    if (message == WM_NCDESTROY)
        return CListCtrl::WindowProc(message, wParam, lParam);
    const LRESULT lResult = CListCtrl::WindowProc(message, wParam, lParam);
    ForgetRowLookup();
    ForgetGeometry();
    return lResult;
}

void CVORInPlaceListCtrl::RememberRow(int nRow, CVORInPlaceListItem* pItem)
{
    m_hKnownWnd = m_hWnd;
    m_nKnownRow = nRow;
    m_pKnownItem = pItem;
}

void CVORInPlaceListCtrl::ForgetRowLookup()
{
    m_nKnownCount = -1;
    m_nKnownRow = -1;
    m_pKnownItem = NULL;
}

BOOL CVORInPlaceListCtrl::IsRowInRange(int nRow)
{
    if (nRow < 0)
        return FALSE;
    if (m_nKnownCount < 0 || m_hKnownWnd != m_hWnd) {
        if (m_hKnownWnd != m_hWnd)
            ForgetRowLookup();  // another window since (attached anew)
        const int nCount = CListCtrl::GetItemCount();
        m_hKnownWnd = m_hWnd;
        m_nKnownCount = nCount;
        return nRow < nCount;
    }
    return nRow < m_nKnownCount;
}

CVORInPlaceListItem* CVORInPlaceListCtrl::FindListItem(int nRow)
{
    if (nRow >= 0 && nRow == m_nKnownRow && m_hKnownWnd == m_hWnd)
        return m_pKnownItem;
    if (!IsRowInRange(nRow))
        return NULL;
    CVORInPlaceListItem* pItem = (CVORInPlaceListItem*)CListCtrl::GetItemData(nRow);
    if (!m_mapItems.Lookup(pItem))
        return NULL;
    RememberRow(nRow, pItem);
    return pItem;
}

void CVORInPlaceListCtrl::FreeRecord(CVORInPlaceListItem* pItem)
{
    if (pItem == m_pKnownItem)
        ForgetRowLookup();
    m_mapItems.Delete(pItem);
}

CVORInPlaceListItem* CVORInPlaceListCtrl::GetListItem(int nRow)
{
    CVORInPlaceListItem* pItem = FindListItem(nRow);
    if (pItem != NULL || !IsRowInRange(nRow))
        return pItem;
    // No record yet, or a value that someone else wrote into the list view:
    // never taken for a record.
    return AttachNewRecord(nRow);
}

CVORInPlaceListItem* CVORInPlaceListCtrl::AttachNewRecord(int nRow)
{
    CVORInPlaceListItem* pItem = m_mapItems.New();
    // Room for a cell a column at the first cell, without changing the
    // row's size: the cells are still made one by one as they are reached.
    pItem->m_arrCells.SetSize(0, GetColumnCount());
    BOOL bWasAttaching = m_bAttachingRecord;
    m_bAttachingRecord = TRUE;
    // The owner hears of this write and may change the rows meanwhile: the
    // lookup holds afterwards only when no other message reached the items.
    const int nCount = m_nKnownCount;
    const UINT nMessages = m_nItemMessages;
    const BOOL bSet = CListCtrl::SetItem(nRow, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)pItem);
    m_bAttachingRecord = bWasAttaching;
    if (bSet && nCount >= 0 && m_nItemMessages == nMessages + 1) {
        m_nKnownCount = nCount;
        RememberRow(nRow, pItem);
    }
    return pItem;
}

// ---------------------------------------------------------------------------
// Columns

int CVORInPlaceListCtrl::GetColumnCount() { return (int)m_arrColumns.GetSize(); }

CVORInPlaceListColumn* CVORInPlaceListCtrl::GetListColumn(int nCol)
{
    // INT_MAX + 1 columns cannot be counted; a growth the heap refuses
    // leaves the columns as they were.
    if (nCol < 0 || nCol == INT_MAX)
        return NULL;
    if (nCol >= GetColumnCount()) {
        try {
            m_arrColumns.SetSize(nCol + 1);
        } catch (const std::bad_alloc&) {
            return NULL;
        }
    }
    return &m_arrColumns.ElementAt(nCol);
}

int CVORInPlaceListCtrl::LCtoRC(int nCol)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return -1;
    return m_arrColumns[nCol].m_nRealColumn;
}

int CVORInPlaceListCtrl::RCtoLC(int nRealCol)
{
    const int nCount = GetColumnCount();
    for (int i = 0; i < nCount; ++i) {
        if (m_arrColumns[i].m_nRealColumn == nRealCol)
            return i;
    }
    return -1;
}

int CVORInPlaceListCtrl::AddColumn(const char* lpszHeading, int nFormat, int nWidth, int nSubItem)
{
    const int nReal = CListCtrl::InsertColumn(GetHeaderCount(), lpszHeading, nFormat, nWidth, nSubItem);
    CVORInPlaceListColumn* pColumn = GetListColumn(GetColumnCount());
    if (pColumn == NULL) {
        // No record for it: the list view must not show it either.
        if (nReal >= 0)
            CListCtrl::DeleteColumn(nReal);
        return -1;
    }
    pColumn->m_strHeading = lpszHeading;
    pColumn->m_nRealColumn = nReal < 0 ? -1 : nReal;
    pColumn->m_nFormat = nFormat;
    pColumn->m_nWidth = nWidth;
    return nReal;
}

int CVORInPlaceListCtrl::InsertColumn(int nCol, const char* lpszHeading, int nFormat, int nWidth, int nSubItem)
{
    if (nCol < 0 || nCol == INT_MAX)
        return -1;
    CVORInPlaceListColumn column;
    column.m_strHeading = lpszHeading;
    column.m_nFormat = nFormat;
    column.m_nWidth = nWidth;
    column.m_nRealColumn = -1;
    try {
        if (nCol > GetColumnCount())
            m_arrColumns.SetSize(nCol);
        m_arrColumns.InsertAt(nCol, column);
    } catch (const std::bad_alloc&) {
        return -1;  // at most hidden default columns were added
    }

    const int nRows = CListCtrl::GetItemCount();
    for (int i = 0; i < nRows; ++i) {
        CVORInPlaceListItem* pItem = GetListItem(i);
        if (pItem == NULL)
            continue;
        CVORInPlaceListCell cell;
        try {
            if (nCol > pItem->m_arrCells.GetSize())
                pItem->m_arrCells.SetSize(nCol);
            pItem->m_arrCells.InsertAt(nCol, cell);
        } catch (const std::bad_alloc&) {
            // Out of memory: this row keeps its cells as they were.
        }
    }
    // The current cell keeps its own column.
    if (m_nCurCol >= nCol)
        ++m_nCurCol;

    int nPos = 0;
    for (int i = 0; i < nCol; ++i) {
        if (m_arrColumns[i].m_nRealColumn >= 0)
            ++nPos;
    }
    ShowColumn(nCol, nPos);
    return nCol;
}

int CVORInPlaceListCtrl::DeleteColumn(int nCol)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return nCol;
    HideColumn(nCol);
    const int nRows = CListCtrl::GetItemCount();
    for (int i = 0; i < nRows; ++i) {
        CVORInPlaceListItem* pItem = GetListItem(i);
        if (pItem != NULL && nCol < pItem->m_arrCells.GetSize())
            pItem->m_arrCells.RemoveAt(nCol);
    }
    m_arrColumns.RemoveAt(nCol);
    if (m_nCurCol == nCol) {
        m_nCurCol = -1;
        CloseEditors();
    } else if (m_nCurCol > nCol) {
        --m_nCurCol;
    }
    return nCol;
}

void CVORInPlaceListCtrl::ShowColumn(int nCol, int nPos)
{
    if (nCol < 0 || nCol >= GetColumnCount() || m_arrColumns[nCol].m_nRealColumn != -1)
        return;
    // Copies: the list view's notifications may reach code that changes the
    // column array.
    CString strHeading = m_arrColumns[nCol].m_strHeading;
    const int nFormat = m_arrColumns[nCol].m_nFormat;
    const int nWidth = m_arrColumns[nCol].m_nWidth;
    const int nReal = CListCtrl::InsertColumn(nPos, strHeading, nFormat, nWidth, -1);
    if (nReal < 0 || nCol >= GetColumnCount())
        return;
    const int nCount = GetColumnCount();
    for (int i = 0; i < nCount; ++i) {
        if (m_arrColumns[i].m_nRealColumn >= nReal)
            ++m_arrColumns[i].m_nRealColumn;
    }
    m_arrColumns[nCol].m_nRealColumn = nReal;
}

void CVORInPlaceListCtrl::HideColumn(int nCol)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return;
    const int nReal = m_arrColumns[nCol].m_nRealColumn;
    if (nReal < 0)
        return;
    m_arrColumns[nCol].m_nWidth = CListCtrl::GetColumnWidth(nReal);
    CListCtrl::DeleteColumn(nReal);
    const int nCount = GetColumnCount();
    for (int i = 0; i < nCount; ++i) {
        if (m_arrColumns[i].m_nRealColumn > nReal)
            --m_arrColumns[i].m_nRealColumn;
    }
    m_arrColumns[nCol].m_nRealColumn = -1;
}

// ---------------------------------------------------------------------------
// Rows

int CVORInPlaceListCtrl::InsertItem(int nRow, const char* lpszText)
{
    // An item count known before stays known (one more) when the insertion
    // was the only message that reached the items.
    const int nCount = m_hKnownWnd == m_hWnd ? m_nKnownCount : -1;
    const UINT nMessages = m_nItemMessages;
    const int nNew = CListCtrl::InsertItem(LVIF_TEXT, nRow, lpszText, 0, 0, 0, 0);
    if (nNew < 0)
        return -1;
    CVORInPlaceListItem* pItem = NULL;
    if (nCount >= 0 && nCount < INT_MAX && m_nItemMessages == nMessages + 1) {
        // Nothing else touched the items: the new one is there, with data 0.
        m_hKnownWnd = m_hWnd;
        m_nKnownCount = nCount + 1;
        pItem = AttachNewRecord(nNew);
    } else {
        pItem = GetListItem(nNew);
    }
    if (pItem != NULL)
        pItem->SetCellText(0, lpszText);
    return nNew;
}

void CVORInPlaceListCtrl::InvalidateRowIfShown(int nRow)
{
    if (!::IsWindow(m_hWnd) || !IsWindowVisible())
        return;
    CRect rcRow;
    if (!CListCtrl::GetItemRect(nRow, &rcRow, LVIR_BOUNDS))
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcRow.IntersectRect(rcRow, rcClient))
        InvalidateRect(&rcRow, FALSE);
}

int CVORInPlaceListCtrl::DeleteItem(int nRow)
{
    if (!IsRowInRange(nRow))
        return 0;
    CVORInPlaceListItem* pItem = (CVORInPlaceListItem*)CListCtrl::GetItemData(nRow);
    CListCtrl::DeleteItem(nRow);
    if (pItem != NULL)
        FreeRecord(pItem);  // only a value that is one of the grid's records
    return 1;
}

int CVORInPlaceListCtrl::DeleteAllItems()
{
    for (int i = CListCtrl::GetItemCount() - 1; i >= 0; --i)
        DeleteItem(i);
    ForgetRowLookup();
    m_mapItems.DeleteAll();
    return 1;
}

int CVORInPlaceListCtrl::MoveItem(int nRow, int nOffset)
{
    const int nCount = CListCtrl::GetItemCount();
    if (nRow < 0 || nRow >= nCount)
        return nRow;
    long long nTarget = (long long)nRow + nOffset;
    if (nTarget < 0)
        nTarget = 0;
    if (nTarget >= nCount)
        nTarget = nCount - 1;
    const int nTo = (int)nTarget;
    if (nTo == nRow)
        return nRow;
    const DWORD_PTR dwFrom = CListCtrl::GetItemData(nRow);
    const DWORD_PTR dwTo = CListCtrl::GetItemData(nTo);
    CListCtrl::SetItem(nRow, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)dwTo);
    CListCtrl::SetItem(nTo, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)dwFrom);
    return nTo;
}

int CVORInPlaceListCtrl::SetItemText(int nRow, int nCol, const char* lpszText)
{
    CVORInPlaceListItem* pItem = GetListItem(nRow);
    if (pItem == NULL)
        return 1;
    // A changed text on the screen is drawn again, as the list view does
    // for the texts it keeps itself. Only rows of the last paint can be on
    // the screen without waiting for a paint of their own (a scroll, resize,
    // insertion or deletion that shows other rows invalidates them), so the
    // others cost nothing here, not even the comparison.
    if (nRow >= m_nPaintedTop && nRow <= m_nPaintedBottom) {
        CVORInPlaceListCell* pCell = nCol >= 0 ? pItem->GetListCell(nCol) : NULL;
        const BOOL bChanged = pCell != NULL && pCell->m_strText != (lpszText != NULL ? lpszText : "");
        pItem->SetCellText(nCol, lpszText);
        if (bChanged)
            InvalidateRowIfShown(nRow);
    } else {
        pItem->SetCellText(nCol, lpszText);
    }
    if (nRow != m_nCurRow || nCol != m_nCurCol || nCol < 0)
        return 1;

    // Bring an open editor in line with the stored text.
    CString strText = lpszText != NULL ? lpszText : "";
    if (m_wndEdit.IsWindow()) {
        CString strShown;
        m_wndEdit.GetWindowText(strShown);
        if (strShown != strText)
            m_wndEdit.SetText(strText, FALSE);
    }
    if (m_wndButton.IsWindow()) {
        CRect rcRow;
        if (CListCtrl::GetItemRect(nRow, &rcRow, LVIR_BOUNDS))
            InvalidateRect(&rcRow, TRUE);
    }
    if (m_wndCombo.IsWindow()) {
        CString strShown;
        m_wndCombo.GetWindowText(strShown);
        if (strShown != strText)
            m_wndCombo.SetText(strText, FALSE);
    }
    return 1;
}

CString CVORInPlaceListCtrl::GetItemText(int nRow, int nCol)
{
    CVORInPlaceListItem* pItem = GetListItem(nRow);
    if (pItem == NULL || nCol < 0)
        return CString();
    return pItem->GetCellText(nCol);
}

int CVORInPlaceListCtrl::SetItemData(int nRow, DWORD dwData)
{
    CVORInPlaceListItem* pItem = GetListItem(nRow);
    if (pItem == NULL)
        return 0;
    pItem->m_dwData = dwData;
    return 1;
}

DWORD CVORInPlaceListCtrl::GetItemData(int nRow)
{
    CVORInPlaceListItem* pItem = GetListItem(nRow);
    return pItem != NULL ? pItem->m_dwData : 0;
}

void CVORInPlaceListCtrl::SetItemColor(int nRow, COLORREF crText, COLORREF crBk, BOOL bRedraw)
{
    CVORInPlaceListItem* pItem = GetListItem(nRow);
    if (pItem == NULL)
        return;
    pItem->m_crText = crText;
    pItem->m_crBk = crBk;
    if (bRedraw)
        CListCtrl::RedrawItems(nRow, nRow);
}

void CVORInPlaceListCtrl::SetItemImage(int nRow, int nImage, BOOL bRedraw)
{
    CListCtrl::SetItem(nRow, 0, LVIF_IMAGE, NULL, nImage, 0, 0, 0);
    CVORInPlaceListItem* pItem = GetListItem(nRow);
    if (pItem != NULL)
        pItem->m_nImage = nImage;
    if (bRedraw)
        CListCtrl::RedrawItems(nRow, nRow);
}

// ---------------------------------------------------------------------------
// Cell settings

CVORInPlaceListCell* CVORInPlaceListCtrl::CellForSetting(int nRow, int nCol)
{
    if (nCol < 0)
        return NULL;
    CVORInPlaceListItem* pItem = GetListItem(nRow);
    return pItem != NULL ? pItem->GetListCell(nCol) : NULL;
}

int CVORInPlaceListCtrl::SetCellKind(int nRow, int nCol, INPLACE_CELL_TYPE nType, int nLimit, BOOL bStyle,
                                     DWORD dwStyle, const char* lpszStrings)
{
    // The choice string is copied before the cell is touched: the caller's
    // string may be the cell's own.
    CString strChoices = lpszStrings != NULL ? lpszStrings : "";
    CVORInPlaceListCell* pCell = CellForSetting(nRow, nCol);
    if (pCell == NULL)
        return 0;
    pCell->m_nCellType = nType;
    pCell->m_nTextLimit = nLimit;
    if (bStyle) {
        pCell->m_dwStyle = dwStyle;
        pCell->m_strComboboxString = strChoices;
    }
    return 1;
}

int CVORInPlaceListCtrl::SetCellFormat(int nRow, int nCol, INPLACE_DATA_FORAMAT nFormat)
{
    CVORInPlaceListCell* pCell = CellForSetting(nRow, nCol);
    if (pCell == NULL)
        return 0;
    pCell->m_nDataFormat = nFormat;
    return 1;
}

CString CVORInPlaceListCtrl::JoinChoices(CStringArray& strings)
{
    CString str;
    const int nCount = (int)strings.GetSize();
    for (int i = 0; i < nCount; ++i) {
        str += strings[i];
        str += "\r\n";
    }
    return str;
}

int CVORInPlaceListCtrl::SetCellReadOnly(int nRow, int nCol, int nLimit)
{
    return SetCellKind(nRow, nCol, INPLACE_CELL_READONLY, nLimit, FALSE, 0, NULL);
}

int CVORInPlaceListCtrl::SetCellEdit(int nRow, int nCol, int nLimit)
{
    return SetCellKind(nRow, nCol, INPLACE_CELL_EDIT, nLimit, FALSE, 0, NULL);
}

int CVORInPlaceListCtrl::SetCellCombox(int nRow, int nCol, const char* const lpszStrings, int nLimit)
{
    return SetCellKind(nRow, nCol, INPLACE_CELL_COMBOBOX, nLimit, TRUE, CBS_DROPDOWNLIST, lpszStrings);
}

int CVORInPlaceListCtrl::SetCellEditCombox(int nRow, int nCol, const char* const lpszStrings, int nLimit)
{
    return SetCellKind(nRow, nCol, INPLACE_CELL_COMBOBOX, nLimit, TRUE, CBS_DROPDOWN, lpszStrings);
}

int CVORInPlaceListCtrl::SetCellCombox(int nRow, int nCol, CStringArray& strings, int nLimit)
{
    CString str = JoinChoices(strings);
    return SetCellKind(nRow, nCol, INPLACE_CELL_COMBOBOX, nLimit, TRUE, CBS_DROPDOWNLIST, str);
}

int CVORInPlaceListCtrl::SetCellEditCombox(int nRow, int nCol, CStringArray& strings, int nLimit)
{
    CString str = JoinChoices(strings);
    return SetCellKind(nRow, nCol, INPLACE_CELL_COMBOBOX, nLimit, TRUE, CBS_DROPDOWN, str);
}

int CVORInPlaceListCtrl::SetCellButton(int nRow, int nCol, int nLimit)
{
    return SetCellKind(nRow, nCol, INPLACE_CELL_BUTTON, nLimit, FALSE, 0, NULL);
}

int CVORInPlaceListCtrl::SetCellInt(int nRow, int nCol) { return SetCellFormat(nRow, nCol, INPLACE_DATA_INT); }

int CVORInPlaceListCtrl::SetCellReal(int nRow, int nCol) { return SetCellFormat(nRow, nCol, INPLACE_DATA_REAL); }

int CVORInPlaceListCtrl::SetCellChar(int nRow, int nCol) { return SetCellFormat(nRow, nCol, INPLACE_DATA_CHAR); }

void CVORInPlaceListCtrl::SetCellColor(int nRow, int nCol, COLORREF crText, COLORREF crBk)
{
    // Rows carry the colours (SetItemColor); a cell has none to set.
}

// ---------------------------------------------------------------------------
// The current cell follows list-view insertions and deletions, whoever made
// them (reported through OnChildNotify).

void CVORInPlaceListCtrl::OnListItemInserted(int nItem)
{
    if (m_nCurRow >= 0 && nItem >= 0 && nItem <= m_nCurRow)
        ++m_nCurRow;
}

void CVORInPlaceListCtrl::OnListItemDeleted(int nItem)
{
    if (m_nCurRow < 0 || nItem < 0)
        return;
    if (nItem == m_nCurRow) {
        // The editor's cell is gone: nothing typed into it could be stored.
        m_nCurRow = -1;
        CloseEditors();
    } else if (nItem < m_nCurRow) {
        --m_nCurRow;
    }
}
