// The gallery's main window: the order sheet, its side panel and toolbar,
// and the host's answers to the grid's notifications.
#include "GalleryWnd.h"

#include "DetailsDlg.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "GalleryIcons.h"

namespace gallery {
namespace {

constexpr UINT kIdGrid = 100, kIdLog = 101, kIdLines = 102, kIdCombo = 103, kIdTotal = 104;
constexpr UINT kIdFirstButton = 110;
// While an edited price waits to be shown with two decimals.
constexpr UINT_PTR kPriceTimer = 1;
constexpr UINT kPriceCheckMs = 50;
constexpr int kToolbarHeight = 36;
constexpr int kStatusHeight = 0;

constexpr COLORREF kAccepted = RGB(0, 128, 0);
constexpr COLORREF kRefused = RGB(192, 0, 0);
constexpr COLORREF kInfo = RGB(0, 0, 160);

const char* const kColumnNames[kColumnCount] = {"Item", "Qty", "Price", "Unit", "Category", "Details", "Total",
                                                "Notes"};
const int kColumnWidths[kColumnCount] = {130, 50, 70, 70, 90, 60, 80, 160};
const char* const kUnits = "piece\r\nbox\r\npallet";
const char* const kCategories = "Tools\r\nParts\r\nPaint\r\nGarden";

struct ButtonSpec {
    const char* name;
    const char* caption;
    const char* tip;
    IconId normal, hot;
};
const ButtonSpec kButtons[kButtonCount] = {
    {"edit", "Edit", "Switch editing on or off", kIconEdit, kIconEditHot},
    {"hide", "Notes", "Show or hide the Notes column", kIconHide, kIconHideHot},
    {"add", "Add", "Add a row at the end", kIconAdd, kIconAddHot},
    {"up", "Up", "Move the current row up", kIconUp, kIconUpHot},
    {"down", "Down", "Move the current row down", kIconDown, kIconDownHot},
};

CString Format2(double v) {
    CString s;
    s.Format("%.2f", v);
    return s;
}

}  // namespace

BEGIN_MESSAGE_MAP(CGalleryWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_MESSAGE(WM_VOR_NOTIFY, OnVorNotify)
    ON_BN_CLICKED(kIdFirstButton + kEditButton, OnEditMode)
    ON_BN_CLICKED(kIdFirstButton + kHideButton, OnHideNotes)
    ON_BN_CLICKED(kIdFirstButton + kAddButton, OnAddRow)
    ON_BN_CLICKED(kIdFirstButton + kUpButton, OnMoveUp)
    ON_BN_CLICKED(kIdFirstButton + kDownButton, OnMoveDown)
    ON_CBN_SELENDOK(kIdCombo, OnComboChosen)
END_MESSAGE_MAP()

CGalleryWnd::CGalleryWnd() {}

CGalleryWnd::~CGalleryWnd()
{
    if (m_pDetails) m_pDetails->DestroyWindow();
}

int CGalleryWnd::ButtonIndex(const std::string& name)
{
    for (int i = 0; i < kButtonCount; ++i)
        if (name == kButtons[i].name) return i;
    return -1;
}

BOOL CGalleryWnd::CreateGallery(const CRect& rcWindow)
{
    CString strClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    if (!CreateEx(0, strClass, "VORLib10 gallery - order sheet", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                                                                     WS_THICKFRAME | WS_CLIPCHILDREN | WS_VISIBLE,
                  rcWindow.left, rcWindow.top, rcWindow.Width(), rcWindow.Height(), NULL, NULL))
        return FALSE;
    ::SetActiveWindow(m_hWnd);
    return TRUE;
}

int CGalleryWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    m_font.Attach(::GetStockObject(DEFAULT_GUI_FONT));

    // Toolbar: owner-drawn buttons with icons and tooltips, in the flat look.
    for (int i = 0; i < kButtonCount; ++i) {
        HWND hButton = ::CreateWindowExA(0, "Button", kButtons[i].caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                         4 + i * 78, 4, 74, 28, m_hWnd, (HMENU)(UINT_PTR)(kIdFirstButton + i),
                                         AfxGetInstanceHandle(), NULL);
        if (!hButton || !m_buttons[i].SubclassDlgItem(kIdFirstButton + i, this)) return -1;
        m_buttons[i].SetFont(&m_font);
        m_buttons[i].SetIcon(CreateGalleryIcon(kButtons[i].hot), CreateGalleryIcon(kButtons[i].normal));
        m_buttons[i].SetFlat(1);
        CString strTip = kButtons[i].tip;
        m_buttons[i].SetTooltipText(&strTip, 1);
    }

    // The jump box: a flat combo box that completes the item names typed into it.
    if (!m_combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                        CRect(4 + kButtonCount * 78 + 8, 7, 4 + kButtonCount * 78 + 188, 207), this, kIdCombo))
        return -1;
    m_combo.SetFont(&m_font);
    m_combo.m_bAutoComplete = TRUE;
    // One line, right-aligned: in a narrow window the end of the text shows.
    if (!m_totalLabel.Create("Total: 0.00", WS_CHILD | WS_VISIBLE | SS_RIGHT | SS_CENTERIMAGE, CRect(0, 10, 10, 30), this,
                             kIdTotal))
        return -1;
    m_totalLabel.SetFont(&m_font);

    // The grid beside the side panel, the side panel split into the event log
    // above and the long lines below.
    CRect rc;
    GetClientRect(&rc);
    CRect rcSplit(0, kToolbarHeight, rc.right, rc.bottom - kStatusHeight);
    if (!m_split.Create(TRUE, rcSplit.Width() * 2 / 3, rcSplit, this, NULL)) return -1;
    m_split.m_nMinFirst = 200;
    m_split.m_nMinSecond = 150;
    if (!m_grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SINGLESEL |
                           LVS_SHOWSELALWAYS,
                       CRect(0, 0, 10, 10), &m_split, kIdGrid))
        return -1;
    m_grid.SetOwner(this);
    m_grid.SetFont(&m_font);
    if (!m_side.Create(FALSE, 200, CRect(0, 0, 10, 10), &m_split, NULL)) return -1;
    m_side.m_nMinFirst = 60;
    m_side.m_nMinSecond = 60;
    m_side.m_bDoubleEdge = 1;
    if (!m_log.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_OWNERDRAWFIXED |
                          LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                      CRect(0, 0, 10, 10), &m_side, kIdLog))
        return -1;
    m_log.SetFont(&m_font);
    if (!m_lines.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | LBS_USETABSTOPS |
                            LBS_NOINTEGRALHEIGHT,
                        CRect(0, 0, 10, 10), &m_side, kIdLines))
        return -1;
    m_lines.SetFont(&m_font);
    int tabStops[] = {12, 80, 150, 190, 240};  // dialog units
    m_lines.SetTabStops(5, tabStops);
    m_side.SetWnd(&m_log, &m_lines);
    m_split.SetWnd(&m_grid, &m_side);
    m_split.Relayout();
    m_side.Relayout();

    FillOrder();
    UpdateEditButton();
    Layout();
    return 0;
}

void CGalleryWnd::FillOrder()
{
    m_images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 1);
    for (IconId id : {kIconBox, kIconTool, kIconPaint}) {
        HICON h = CreateGalleryIcon(id);
        m_images.Add(h);
        ::DestroyIcon(h);
    }
    m_grid.SetImageList(&m_images, LVSIL_NORMAL);
    for (int c = 0; c < kColumnCount; ++c) m_grid.AddColumn(kColumnNames[c], LVCFMT_LEFT, kColumnWidths[c], c);
    m_grid.HideColumn(kNotes);

    AddOrderRow("Hammer", 12, "9.50", "piece", "Tools", "claw, 450 g");
    AddOrderRow("Screws 4x40", 20, "3.20", "box", "Parts", "zinc plated, 200 a box");
    AddOrderRow("Wall paint", 6, "24.90", "piece", "Paint", "white, 10 l buckets");
    AddOrderRow("Spade", 4, "18.00", "piece", "Garden", "");
    AddOrderRow("Drill bits", 2, "14.75", "box", "Tools", "HSS, 1-10 mm");
    AddOrderRow("Pallet of bricks", 1, "310.00", "pallet", "Parts", "delivery by truck, ground floor only");
    AddOrderRow("Brush set", 10, "7.40", "box", "Paint", "");
    AddOrderRow("Hose 25 m", 3, "29.99", "piece", "Garden", "green, with coupling");
    m_grid.SetItemColor(5, RGB(128, 0, 0), RGB(255, 240, 200), TRUE);  // a priority row
    m_grid.SetItemColor(2, RGB(0, 0, 128), RGB(230, 240, 255), TRUE);
    m_grid.m_bEditable = TRUE;
    RecomputeTotal();
    RefreshLines();
}

void CGalleryWnd::AddOrderRow(const char* item, int qty, const char* price, const char* unit, const char* category,
                              const char* notes)
{
    int nRow = m_grid.InsertItem(m_grid.GetItemCount(), item);
    if (nRow < 0) return;
    CString s;
    s.Format("%d", qty);
    m_grid.SetItemText(nRow, kQty, s);
    m_grid.SetItemText(nRow, kPrice, price);
    m_grid.SetItemText(nRow, kUnit, unit);
    m_grid.SetItemText(nRow, kCategory, category);
    m_grid.SetItemText(nRow, kDetails, "...");
    m_grid.SetItemText(nRow, kNotes, notes);
    CString strCategory(category);
    m_grid.SetItemImage(nRow, strCategory == "Paint" ? 2 : (strCategory == "Tools" || strCategory == "Garden") ? 1 : 0,
                        FALSE);
    SetupRowCells(nRow);
    RecomputeRow(nRow);
    m_combo.AddString(item);
}

void CGalleryWnd::SetupRowCells(int nRow)
{
    m_grid.SetCellEdit(nRow, kItem, 40);
    m_grid.SetCellEdit(nRow, kQty, 6);
    m_grid.SetCellInt(nRow, kQty);
    m_grid.SetCellEdit(nRow, kPrice, 10);
    m_grid.SetCellReal(nRow, kPrice);
    m_grid.SetCellCombox(nRow, kUnit, kUnits, 20);
    m_grid.SetCellEditCombox(nRow, kCategory, kCategories, 20);
    m_grid.SetCellButton(nRow, kDetails, 0);
    m_grid.SetCellReadOnly(nRow, kTotal, 20);
    m_grid.SetCellEdit(nRow, kNotes, 100);
}

void CGalleryWnd::RecomputeRow(int nRow)
{
    double qty = std::atof(m_grid.GetItemText(nRow, kQty));
    double price = std::atof(m_grid.GetItemText(nRow, kPrice));
    m_grid.SetItemText(nRow, kTotal, Format2(qty * price));
}

void CGalleryWnd::RecomputeTotal()
{
    m_total = 0.0;
    for (int r = 0; r < m_grid.GetItemCount(); ++r) m_total += std::atof(m_grid.GetItemText(r, kTotal));
    m_totalLabel.SetWindowText("Total: " + Format2(m_total));
}

void CGalleryWnd::RefreshLines()
{
    // Refilled in place: the reader keeps the part of the list being read.
    const int nTop = m_lines.GetTopIndex();
    const int nHorz = m_lines.GetScrollPos(SB_HORZ);
    m_lines.ResetContent();
    m_lines.UpdateHExtent();
    m_lines.LockHExtentUpdate();
    for (int r = 0; r < m_grid.GetItemCount(); ++r) {
        CString line;
        line.Format("%d\t%s\t%s x %s %s\t= %s\t(%s)%s%s", r + 1, (LPCTSTR)m_grid.GetItemText(r, kItem),
                    (LPCTSTR)m_grid.GetItemText(r, kQty), (LPCTSTR)m_grid.GetItemText(r, kPrice),
                    (LPCTSTR)m_grid.GetItemText(r, kUnit), (LPCTSTR)m_grid.GetItemText(r, kTotal),
                    (LPCTSTR)m_grid.GetItemText(r, kCategory), m_grid.GetItemText(r, kNotes).IsEmpty() ? "" : ": ",
                    (LPCTSTR)m_grid.GetItemText(r, kNotes));
        m_lines.AddString(line);
    }
    m_lines.UnlockHExtentUpdate();
    m_lines.UpdateHExtent();
    if (nTop > 0 && m_lines.GetCount() > 0) m_lines.SetTopIndex(std::min(nTop, m_lines.GetCount() - 1));
    if (nHorz > 0) m_lines.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, nHorz), 0);
}

void CGalleryWnd::LogEvent(const std::string& text, COLORREF color)
{
    m_events.push_back(text);
    int n = m_log.AddString(text.c_str(), color);
    if (n >= 0) m_log.SetTopIndex(n);
}

LRESULT CGalleryWnd::OnVorNotify(WPARAM wParam, LPARAM lParam)
{
    const INPLACE_NOTIFY* p = (const INPLACE_NOTIFY*)lParam;
    if (!p || p->hWnd != m_grid.GetSafeHwnd()) return 0;
    int nRow = p->nItem, nCol = p->nSubItem;
    const char* col = (nCol >= 0 && nCol < kColumnCount) ? kColumnNames[nCol] : "?";
    char line[256];
    if (p->nSource == 0 && p->nCode == 1) {
        const char* text = p->pszText ? p->pszText : "";
        bool refuse = false;
        if (nCol == kQty) {
            // Longer than the largest accepted quantity, or above it.
            size_t len = std::strlen(text);
            refuse = len > 5 || std::atol(text) > kMaxQuantity;
        }
        std::snprintf(line, sizeof line, "row %d %s: '%s' %s", nRow + 1, col, text, refuse ? "refused" : "accepted");
        LogEvent(line, refuse ? kRefused : kAccepted);
        return refuse ? 1 : 0;
    }
    if (p->nSource == 0 && p->nCode == 5) {
        std::snprintf(line, sizeof line, "row %d %s: stored '%s'", nRow + 1, col, p->pszText ? p->pszText : "");
        LogEvent(line, kInfo);
        if (nCol == kQty || nCol == kPrice) {
            RecomputeRow(nRow);
            RecomputeTotal();
        }
        if (nCol == kPrice) {
            // Shown with two decimals once the user leaves the cell: not
            // while typing, which the reformatted text would get in the way of.
            if (m_nPendingPriceRow >= 0 && m_nPendingPriceRow != nRow) SettlePrice();
            m_nPendingPriceRow = nRow;
            SetTimer(kPriceTimer, kPriceCheckMs, NULL);
        }
        RefreshLines();
        return 0;
    }
    if (p->nSource == 3 && p->nCode == 4) {
        std::snprintf(line, sizeof line, "row %d %s: button pressed", nRow + 1, col);
        LogEvent(line, kInfo);
        ShowDetails(nRow);
        return 0;
    }
    return 0;
}

void CGalleryWnd::OnTimer(UINT nIDEvent)
{
    if (nIDEvent != kPriceTimer) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    const bool bStillEditing = m_grid.IsSelectCell() && m_grid.m_nCurRow == m_nPendingPriceRow &&
                               m_grid.m_nCurCol == kPrice;
    if (!bStillEditing) SettlePrice();
}

void CGalleryWnd::SettlePrice()
{
    KillTimer(kPriceTimer);
    const int nRow = m_nPendingPriceRow;
    m_nPendingPriceRow = -1;
    if (nRow < 0 || nRow >= m_grid.GetItemCount()) return;
    CString strPrice = m_grid.GetItemText(nRow, kPrice);
    if (strPrice.IsEmpty()) return;
    CString strShown = Format2(std::atof(strPrice));
    if (strShown == strPrice) return;
    m_grid.SetItemText(nRow, kPrice, strShown);
    RecomputeRow(nRow);
    RecomputeTotal();
    RefreshLines();
}

void CGalleryWnd::ShowDetails(int nRow)
{
    if (m_pDetails) m_pDetails->DestroyWindow();
    CDetailsDlg* pDetails = new CDetailsDlg(this, nRow, &m_pDetails);
    m_pDetails = pDetails;
    if (!pDetails->CreateDetails() && m_pDetails == pDetails) {
        m_pDetails = nullptr;
        delete pDetails;
    }
}

const char* CGalleryWnd::Units()
{
    return kUnits;
}

void CGalleryWnd::ApplyDetails(int nRow, const CString& strItem, int nQty, const CString& strPrice,
                               const CString& strUnit)
{
    if (nRow < 0 || nRow >= m_grid.GetItemCount()) return;
    CString strQty;
    strQty.Format("%d", nQty);
    // Prices are shown with two decimals, as after editing the cell.
    const CString strShown = Format2(std::atof(strPrice));
    m_grid.SetItemText(nRow, kItem, strItem);
    m_grid.SetItemText(nRow, kQty, strQty);
    m_grid.SetItemText(nRow, kPrice, strShown);
    if (!strUnit.IsEmpty()) m_grid.SetItemText(nRow, kUnit, strUnit);
    RecomputeRow(nRow);
    RecomputeTotal();
    RefreshLines();
    char line[160];
    std::snprintf(line, sizeof line, "row %d details: %s, %s %s at %s", nRow + 1, (LPCTSTR)strItem,
                  (LPCTSTR)strQty, (LPCTSTR)strUnit, (LPCTSTR)strShown);
    LogEvent(line, kInfo);
}

void CGalleryWnd::UpdateEditButton()
{
    m_buttons[kEditButton].SetWindowText(m_grid.m_bEditable ? "Edit: on" : "Edit: off");
}

void CGalleryWnd::OnEditMode()
{
    SettlePrice();
    m_grid.m_bEditable = !m_grid.m_bEditable;
    UpdateEditButton();
    LogEvent(m_grid.m_bEditable ? "editing on" : "editing off", kInfo);
    if (m_grid.m_nCurRow >= 0 && m_grid.m_nCurCol >= 0) m_grid.EditItem(m_grid.m_nCurRow, m_grid.m_nCurCol, FALSE);
    m_grid.Invalidate();
}

void CGalleryWnd::OnHideNotes()
{
    SettlePrice();
    m_bNotesShown = !m_bNotesShown;
    if (m_bNotesShown)
        m_grid.ShowColumn(kNotes, m_grid.GetHeaderCount());
    else
        m_grid.HideColumn(kNotes);
    LogEvent(m_bNotesShown ? "Notes shown" : "Notes hidden", kInfo);
    m_grid.Invalidate();
}

void CGalleryWnd::OnAddRow()
{
    SettlePrice();
    AddOrderRow("New item", 1, "0.00", "piece", "Parts", "");
    int nRow = m_grid.GetItemCount() - 1;
    m_grid.EnsureVisible(nRow, FALSE);
    m_grid.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    RecomputeTotal();
    RefreshLines();
    LogEvent("row added", kInfo);
}

void CGalleryWnd::MoveRow(int nOffset)
{
    SettlePrice();
    int nRow = m_grid.m_nCurRow;
    if (nRow < 0) nRow = m_grid.GetNextItem(-1, LVNI_SELECTED);
    if (nRow < 0) return;
    int nCol = m_grid.m_nCurCol >= 0 ? m_grid.m_nCurCol : 0;
    int nTarget = m_grid.MoveItem(nRow, nOffset);
    if (nTarget == nRow) return;
    m_grid.SetItemState(nTarget, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_grid.EnsureVisible(nTarget, FALSE);
    m_grid.EditItem(nTarget, nCol, FALSE);
    RefreshLines();
    char line[64];
    std::snprintf(line, sizeof line, "row %d moved to %d", nRow + 1, nTarget + 1);
    LogEvent(line, kInfo);
}

void CGalleryWnd::OnMoveUp() { MoveRow(-1); }

void CGalleryWnd::OnMoveDown() { MoveRow(1); }

void CGalleryWnd::JumpTo(const CString& strItem)
{
    SettlePrice();
    for (int r = 0; r < m_grid.GetItemCount(); ++r) {
        if (m_grid.GetItemText(r, kItem).CompareNoCase(strItem) == 0) {
            m_grid.EnsureVisible(r, FALSE);
            m_grid.SetFocus();
            m_grid.SetItemState(r, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            m_grid.EditItem(r, kItem, TRUE);
            LogEvent(std::string("jumped to ") + (LPCTSTR)strItem, kInfo);
            return;
        }
    }
}

void CGalleryWnd::OnComboChosen()
{
    int n = m_combo.GetCurSel();
    if (n < 0) return;
    CString s;
    m_combo.GetLBText(n, s);
    JumpTo(s);
}

BOOL CGalleryWnd::PreTranslateMessage(MSG* pMsg)
{
    // Enter in the jump box's edit field jumps to the row it names.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && m_combo.GetSafeHwnd() &&
        (pMsg->hwnd == m_combo.GetSafeHwnd() || ::GetParent(pMsg->hwnd) == m_combo.GetSafeHwnd()) &&
        !m_combo.GetDroppedState()) {
        CString s;
        m_combo.GetWindowText(s);
        JumpTo(s);
        return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

void CGalleryWnd::Layout()
{
    if (!m_split.GetSafeHwnd()) return;
    CRect rc;
    GetClientRect(&rc);
    // The total keeps to the right of the jump box: in a narrow window it
    // shows the end of its text rather than covering the box.
    CRect rcCombo;
    m_combo.GetWindowRect(&rcCombo);
    ScreenToClient(&rcCombo);
    const int nLeft = std::max<int>(rcCombo.right + 8, rc.right - 170);
    m_totalLabel.MoveWindow(nLeft, 10, std::max<int>(0, rc.right - 10 - nLeft), 20);
    m_split.MoveWindow(0, kToolbarHeight, rc.Width(), rc.Height() - kToolbarHeight - kStatusHeight);
}

void CGalleryWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Layout();
}

void CGalleryWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    // The toolbar's lower edge.
    dc.Draw3dRect(0, kToolbarHeight - 2, rc.Width(), 2, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CGalleryWnd::OnDestroy()
{
    if (m_pDetails) m_pDetails->DestroyWindow();
    CWnd::OnDestroy();
}

}  // namespace gallery
