// CVORInPlaceListCtrl: the editable grid. A report-style list view whose
// rows the grid draws itself and whose every cell opens its own in-place
// editor (read-only or editable rich edit, combo box, push button) over the
// current cell. Cell texts and settings live in row records
// (CVORInPlaceListItem) kept as the list-view items' data values; columns
// live in column records (CVORInPlaceListColumn) that can be hidden and
// shown again without losing their logical place.
//
// Two column spaces: a logical column (nCol) indexes m_arrColumns and keeps
// its number while hidden; a list-view column is a position among the shown
// columns. Cell data and the current cell use logical columns, geometry and
// drawing use list-view columns; LCtoRC / RCtoLC translate. Rows are
// list-view item indices.
//
// The host creates the list view with LVS_REPORT and LVS_OWNERDRAWFIXED on a
// framework parent window (the grid's drawing and selection handling arrive
// as reflected notifications). Edits reach the grid's owner as WM_VOR_NOTIFY
// (VORInPlaceNotify.h): source 0 code 1 asks whether a typed text may stand
// (reply 0 accepts), code 5 reports it stored, source 3 code 4 reports a
// press of a cell's button.
//
// Bad input (nothing crashes, nothing else changes):
// - Cell setters (SetCellReadOnly ... SetCellChar): a row out of range or a
//   negative nCol changes nothing and returns 0.
// - InsertColumn with a negative nCol (or INT_MAX, which cannot be counted)
//   inserts nothing and returns -1; GetListColumn(INT_MAX) is null.
// - SetCellColor has no effect: colours belong to rows (SetItemColor).
// - A list-view data value that is not one of the grid's records (set by
//   someone else through the list view) is never taken for a record: reading
//   the row gives it a fresh record, DeleteItem frees nothing for it.
// - The current cell follows its row and column: rows inserted or deleted
//   before it (by the grid or through the list view) and columns inserted or
//   deleted before it move m_nCurRow / m_nCurCol along. Deleting the current
//   row (or all rows) sets m_nCurRow to -1 and deleting the current column
//   sets m_nCurCol to -1; the open editor is then closed (the keyboard focus
//   it had goes to the grid), so nothing is typed that no cell would store.
//
// Keys and wheel, as a person uses the grid:
// - Left / Right (at the ends of the editor's text) move to the neighbouring
//   shown column of the row and stop at the first and last; Up / Down move
//   to the same column of the previous / next row (the list view's own
//   selection move).
// - Tab moves to the next shown column of the row, and from the last one to
//   the first column of the next row; Shift+Tab goes backwards, from the
//   first column to the last column of the previous row. Both stop at the
//   first cell of the first row and the last cell of the last row. The move
//   is the one a press on the cell makes: the row is selected, scrolled into
//   view, and the cell's editor opens with the keyboard focus (a button cell's
//   button takes it too). Typed text was already stored keystroke by
//   keystroke, so a move stores nothing more and reports nothing.
// - Enter in an editable free-text or number cell (the open rich edit not
//   read-only, no Shift, Ctrl or Alt) moves to the same column of the next
//   row, as above; in the last row it does nothing. Elsewhere Enter keeps
//   its editor's meaning: a drop-down opens or closes its list, a button cell
//   is pressed, a read-only cell ignores it. Enter is caught in the grid's
//   PreTranslateMessage, so it needs the framework's pre-translation (a
//   CWinApp message loop), as the editors' own key hand-over does.
// - The wheel scrolls the rows like the vertical scroll bar: the open editor
//   goes with its cell while the cell's row stays below the header, and is
//   closed (focus to the grid) once the row has left the view; scrolling back
//   does not reopen it. A drop-down cell hands the wheel to the grid while its
//   list is closed and scrolls its list while the list is open.
// - Any move or resize of the grid's window re-places the open editor over
//   its cell and repaints it.
// - SetItemText redraws the row of a changed text when the row is on the
//   screen, as the list view does for texts it keeps itself.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>

#include <vector>

#include "VORInPlaceListCell.h"
#include "VORInPlaceListColumn.h"
#include "VORInPlaceListItem.h"
#include "VORInPlaceListItemPool.h"
#include "VORInPlaceNotify.h"
#include "VORInPlaceEdit.h"
#include "VORInPlaceComboBox.h"
#include "VORInPlaceButton.h"

class AFX_EXT_CLASS CVORInPlaceListCtrl : public CListCtrl {
public:
    CVORInPlaceListCtrl();
    virtual ~CVORInPlaceListCtrl();

    // ---- columns (nCol logical) ----
    // Appends a logical column shown after the last list-view column; the
    // list-view position, or -1 when the list view refused (it stays hidden).
    int AddColumn(const char* lpszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    // Inserts a logical column at nCol (hidden default columns fill a gap
    // beyond the end), gives every row a cell there and shows it after the
    // shown columns that precede it. nSubItem is not used. Returns nCol; -1
    // for a negative nCol, which changes nothing.
    int InsertColumn(int nCol, const char* lpszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    // Hides and removes the column and every row's cell at nCol. Returns nCol.
    int DeleteColumn(int nCol);
    // Shows a hidden logical column at list-view position nPos.
    void ShowColumn(int nCol, int nPos);
    // Hides a shown logical column, remembering its current width.
    void HideColumn(int nCol);
    int GetColumnCount();
    int GetHeaderCount();
    // Null for a negative nCol; grows the array with hidden default columns
    // to reach nCol. Valid until the column array next changes size.
    CVORInPlaceListColumn* GetListColumn(int nCol);
    int LCtoRC(int nCol);
    int RCtoLC(int nRealCol);

    // ---- rows ----
    int InsertItem(int nRow, const char* lpszText);
    int DeleteItem(int nRow);
    int DeleteAllItems();
    // Exchanges the records of nRow and nRow + nOffset (clamped); the target.
    int MoveItem(int nRow, int nOffset);
    // The row's record, created on first touch; null for a row out of range.
    CVORInPlaceListItem* GetListItem(int nRow);
    int SetItemText(int nRow, int nCol, const char* lpszText);
    CString GetItemText(int nRow, int nCol);
    int SetItemData(int nRow, DWORD dwData);
    DWORD GetItemData(int nRow);
    void SetItemColor(int nRow, COLORREF crText, COLORREF crBk, BOOL bRedraw = TRUE);
    void SetItemImage(int nRow, int nImage, BOOL bRedraw = TRUE);

    // ---- cell settings: 1, or 0 for a row out of range or negative nCol ----
    int SetCellReadOnly(int nRow, int nCol, int nLimit = 10000);
    int SetCellEdit(int nRow, int nCol, int nLimit = 10000);
    // lpszStrings: the choices already joined with "\r\n".
    int SetCellCombox(int nRow, int nCol, const char* const lpszStrings, int nLimit = 10000);
    int SetCellEditCombox(int nRow, int nCol, const char* const lpszStrings, int nLimit = 10000);
    // Every item followed by "\r\n", the last one included.
    int SetCellCombox(int nRow, int nCol, CStringArray& strings, int nLimit = 10000);
    int SetCellEditCombox(int nRow, int nCol, CStringArray& strings, int nLimit = 10000);
    int SetCellButton(int nRow, int nCol, int nLimit = 10000);
    int SetCellInt(int nRow, int nCol);
    int SetCellReal(int nRow, int nCol);
    int SetCellChar(int nRow, int nCol);
    // No effect: cells carry no colours of their own.
    void SetCellColor(int nRow, int nCol, COLORREF crText, COLORREF crBk);

    // ---- geometry (nCol a list-view column) ----
    // The row under a client point over the visible rows, and its list-view
    // column in nCol (-1 with a result of -1). Outside report view: the
    // message box, then -1.
    int HitTestEx(CPoint& point, int& nCol);
    // The cell's client rectangle: column 0 starts 15 pixels in when a normal
    // image list is attached. FALSE, rect untouched, when out of range.
    BOOL GetCellRect(int nRow, int nCol, CRect& rect);
    // An in-place editor is open.
    BOOL IsSelectCell();

    // ---- editing (nCol logical) ----
    void EditItem(int nRow, int nCol, BOOL bScroll);

    // ---- notifications to the owner ----
    int SendMessageTextChange(int nRow, int nCol, const char* pszText);
    int SendMessageTextChanged(int nRow, int nCol, const char* pszText);
    int SendMessageClick(int nRow, int nCol);
    afx_msg LRESULT OnVorNotify(WPARAM wParam, LPARAM lParam);

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Enter in the open editable rich edit moves to the next row (see the
    // keys above).
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Set by the host; the grid never changes them.
    BOOL m_bEditable;         // cells open the editor of their kind (else read-only)
    COLORREF m_crEditText;    // current cell of the focused selected row, edit mode
    COLORREF m_crEditBk;
    COLORREF m_crSelText;     // other cells of a selected row
    COLORREF m_crSelBk;

    int m_nCurRow;  // current cell: row, -1 none
    int m_nCurCol;  // current cell: logical column, -1 none
    CVORInPlaceEdit m_wndEdit;
    CVORInPlaceComboBox m_wndCombo;
    CVORInPlaceButton m_wndButton;
    // Every row record the grid created and has not freed; the grid owns them.
    // The records live in the pool's slots: an address is in the set when it
    // starts one of the pool's live slots.
    CVORInPlaceListItemPool m_mapItems;
    CArray<CVORInPlaceListColumn, CVORInPlaceListColumn&> m_arrColumns;

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Every message to the list view passes here first: one that may change
    // its items makes the grid forget its last row lookup.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnItemchanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    DECLARE_MESSAGE_MAP()

private:
    BOOL IsRowInRange(int nRow);
    // The row lookup: the list view's item count and the last row found with
    // its record, kept only while no message that can change the list view's
    // items has arrived (-1 and null: not known).
    void RememberRow(int nRow, CVORInPlaceListItem* pItem);
    void ForgetRowLookup();
    static BOOL LeavesItemsAlone(UINT message);
    // The row's record when its data value is one of ours, else null;
    // creates nothing.
    CVORInPlaceListItem* FindListItem(int nRow);
    // A new record written into the data value of an item in range that has
    // none of the grid's.
    CVORInPlaceListItem* AttachNewRecord(int nRow);
    void FreeRecord(CVORInPlaceListItem* pItem);
    // The cell of a settable row and column, or null (row out of range,
    // negative column).
    CVORInPlaceListCell* CellForSetting(int nRow, int nCol);
    int SetCellKind(int nRow, int nCol, INPLACE_CELL_TYPE nType, int nLimit, BOOL bStyle, DWORD dwStyle,
                    const char* lpszStrings);
    int SetCellFormat(int nRow, int nCol, INPLACE_DATA_FORAMAT nFormat);
    static CString JoinChoices(CStringArray& strings);
    void PressCell(CPoint point);
    // Destroys every open editor window: edit, button, combo box.
    void DestroyEditors();
    // The current cell's rectangle while an editor is open; FALSE when no
    // editor is open or the cell has no rectangle (hidden, out of range).
    BOOL GetOpenEditorCell(CRect& rcCell);
    // Re-places the open editor over the current cell when it can be had.
    void PlaceEditorOnCurrentCell();
    // After a vertical scroll: the editor follows its cell while the cell's
    // row is in view, and is closed when the row left it.
    void FollowCurrentCell();
    // The row rectangle lies in the rows' part of the client area: its top
    // below the header and above the lower edge.
    BOOL IsRowInView(const CRect& rcRow);
    // One of the editors' windows (or the combo box's edit field).
    BOOL IsEditorWindow(HWND hWnd);
    // Destroys the editors; the keyboard focus they had goes to the grid.
    void CloseEditors();
    // The keyboard focus to the open editor, else to the grid.
    void FocusOpenEditor();
    // Tab and Shift+Tab: the next or previous shown column, across rows.
    void MoveByTab(BOOL bBackward);
    // Makes a cell current as a press on it would and opens its editor.
    void MoveToCell(int nRow, int nCol);
    // Invalidates the row's part of the client area, when it has one.
    void InvalidateRowIfShown(int nRow);
    void OnListItemInserted(int nItem);
    void OnListItemDeleted(int nItem);
    void ShowReportStyleMessage();
    // What the report rows and columns are laid out from, read from the list
    // view with pure queries and kept while nothing else reaches it: the top
    // row, the count per page, the item count, the top row's bounds (every
    // row is as high and as wide as it; a row's top follows from its index),
    // the list-view columns' widths and whether a normal image list is
    // attached. Null outside report view or when the list view has no row.
    struct CGeometry {
        DWORD dwStyle;
        int nTop;
        int nLast;  // the partly visible bottom row included, not beyond the last row
        int nItems;
        CRect rcTopRow;
        int nRowHeight;
        BOOL bNormalImages;
        HIMAGELIST hNormalImages;
        std::vector<int> widths;
    };
    const CGeometry* CurrentGeometry(DWORD dwStyle);
    void ForgetGeometry() { m_bGeometryKnown = FALSE; }
    // A row's bounds (LVIR_BOUNDS) from the geometry.
    static CRect RowBounds(const CGeometry& geometry, int nRow);
    int SendNotify(int nSource, int nCode, const char* pszText, int nRow, int nCol);

    // TRUE while the grid writes a fresh record into an item's data value:
    // the list view's LVN_ITEMCHANGED for that write is not a selection
    // change and must not reopen the editor from inside a paint.
    BOOL m_bAttachingRecord;

    // The rows that the last paint showed (top index to top index plus the
    // page, the partly shown row included); none before the first paint.
    int m_nPaintedTop;
    int m_nPaintedBottom;

    HWND m_hKnownWnd;
    int m_nKnownCount;
    int m_nKnownRow;
    CVORInPlaceListItem* m_pKnownItem;
    // Messages that reached the list view and were not pure queries.
    UINT m_nItemMessages;
    // The geometry, valid while m_bGeometryKnown for m_hGeometryWnd.
    CGeometry m_geometry;
    HWND m_hGeometryWnd;
    BOOL m_bGeometryKnown;

    // The row bitmap shared by the rows of one paint: the paint's memory
    // context the rows are drawn for (null outside a paint), and the memory
    // context, bitmap and size of the last row drawn for it.
    void ReleaseRowCanvas();
    HDC m_hRowTarget;
    HDC m_hRowDC;
    HBITMAP m_hRowBitmap;
    HGDIOBJ m_hRowOldBitmap;
    CSize m_sizeRowCanvas;
    // Per-row scratch of DrawItem, kept to spare an allocation a row.
    std::vector<int> m_drawWidths;
    std::vector<int> m_drawLogical;
};
