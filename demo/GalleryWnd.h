// The gallery's main window: an order sheet in the grid beside a side panel
// of two lists, under a toolbar of owner-drawn buttons and a flat combo box
// that jumps to a row. Written the way a host application of the library is
// written: the controls are created on the window and their notifications
// handled in its message map.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include <string>
#include <vector>

#include "ButtonVX.h"
#include "ColorListBox.h"
#include "HorzListBox.h"
#include "VORFlatComboBox.h"
#include "VORInPlaceListCtrl.h"
#include "VORInPlaceNotify.h"
#include "VORSplitterWnd.h"
#include "ZeSplitterWnd.h"

namespace gallery {

// Logical columns of the order sheet.
enum Column { kItem, kQty, kPrice, kUnit, kCategory, kDetails, kTotal, kNotes, kColumnCount };

// The toolbar buttons, in their order on the bar.
enum ToolButton { kEditButton, kHideButton, kAddButton, kUpButton, kDownButton, kButtonCount };

// The host refuses quantities above this.
constexpr int kMaxQuantity = 9999;

class CGalleryWnd : public CWnd {
public:
    CGalleryWnd();
    ~CGalleryWnd() override;

    // A top-level window with its client area at `rcClient` (screen).
    BOOL CreateGallery(const CRect& rcWindow);

    // The controls, for the script player and the tests.
    CVORInPlaceListCtrl& Grid() { return m_grid; }
    CVORFlatComboBox& Combo() { return m_combo; }
    CColorListBox& Log() { return m_log; }
    CHorzListBox& Lines() { return m_lines; }
    CButtonVX& Button(int i) { return m_buttons[i]; }
    CVORSplitterWnd& MainSplitter() { return m_split; }
    CZeSplitterWnd& SideSplitter() { return m_side; }
    CWnd* DetailsWindow() { return m_pDetails; }

    // What the event log shows, oldest first.
    const std::vector<std::string>& EventLines() const { return m_events; }
    // The order's grand total, as shown.
    double GrandTotal() const { return m_total; }

    static int ButtonIndex(const std::string& name);
    // The units a row may have, one a line.
    static const char* Units();
    // What the details dialog's OK writes back to a row.
    void ApplyDetails(int nRow, const CString& strItem, int nQty, const CString& strPrice, const CString& strUnit);

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg LRESULT OnVorNotify(WPARAM wParam, LPARAM lParam);
    afx_msg void OnEditMode();
    afx_msg void OnHideNotes();
    afx_msg void OnAddRow();
    afx_msg void OnMoveUp();
    afx_msg void OnMoveDown();
    afx_msg void OnComboChosen();
    DECLARE_MESSAGE_MAP()

private:
    void FillOrder();
    void AddOrderRow(const char* item, int qty, const char* price, const char* unit, const char* category,
                     const char* notes);
    void SetupRowCells(int nRow);
    void RecomputeRow(int nRow);
    void RecomputeTotal();
    void RefreshLines();
    // Shows the price waiting since its last edit with two decimals.
    void SettlePrice();
    void JumpTo(const CString& strItem);
    void MoveRow(int nOffset);
    void LogEvent(const std::string& text, COLORREF color);
    void ShowDetails(int nRow);
    void UpdateEditButton();
    void Layout();

    CFont m_font;
    CImageList m_images;
    CButtonVX m_buttons[kButtonCount];
    CVORFlatComboBox m_combo;
    CStatic m_totalLabel;
    CVORSplitterWnd m_split;
    CZeSplitterWnd m_side;
    CVORInPlaceListCtrl m_grid;
    CColorListBox m_log;
    CHorzListBox m_lines;
    CWnd* m_pDetails = nullptr;
    std::vector<std::string> m_events;
    double m_total = 0.0;
    BOOL m_bNotesShown = FALSE;
    // The row whose edited price is to be shown with two decimals once the
    // user has left the cell; -1 none.
    int m_nPendingPriceRow = -1;
};

}  // namespace gallery
