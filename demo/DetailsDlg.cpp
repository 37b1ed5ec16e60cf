// The details of an order line.
#include "DetailsDlg.h"

#include <cstdlib>

#include "GalleryRes.h"
#include "GalleryWnd.h"
#include "VORFunction.h"

namespace gallery {

CDetailsDlg::CDetailsDlg(CGalleryWnd* pGallery, int nRow, CWnd** ppSelf)
    : CDialog(IDD_DETAILS, pGallery), m_pGallery(pGallery), m_nRow(nRow), m_ppSelf(ppSelf)
{
    CVORInPlaceListCtrl& grid = pGallery->Grid();
    m_strItem = grid.GetItemText(nRow, kItem);
    m_nQty = std::atoi(grid.GetItemText(nRow, kQty));
    m_strPrice = grid.GetItemText(nRow, kPrice);
    CStringArray units;
    CVORFunction::StringToStringArray(CGalleryWnd::Units(), units);
    CString strUnit = grid.GetItemText(nRow, kUnit);
    for (int i = 0; i < units.GetSize(); ++i)
        if (units[i] == strUnit)
            m_nUnit = i;
}

BOOL CDetailsDlg::CreateDetails()
{
    if (!Create(IDD_DETAILS, m_pGallery))
        return FALSE;
    // Beside the grid's top left, as the row's own box.
    CRect rcOwner, rcSelf;
    m_pGallery->GetWindowRect(&rcOwner);
    GetWindowRect(&rcSelf);
    MoveWindow(rcOwner.left + 120, rcOwner.top + 160, rcSelf.Width(), rcSelf.Height(), FALSE);
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CDetailsDlg::OnInitDialog()
{
    // The controls become the library's first; the exchange then fills
    // the combo box's choice.
    m_unit.SubclassDlgItem(IDC_DETAILS_UNIT, this);
    CStringArray units;
    CVORFunction::StringToStringArray(CGalleryWnd::Units(), units);
    for (int i = 0; i < units.GetSize(); ++i)
        m_unit.AddString(units[i]);
    CDialog::OnInitDialog();

    CVORInPlaceListCtrl& grid = m_pGallery->Grid();
    m_lines.AddString("Category: " + grid.GetItemText(m_nRow, kCategory), RGB(0, 110, 0));
    m_lines.AddString("Total: " + grid.GetItemText(m_nRow, kTotal), RGB(0, 0, 160));
    CString strNotes = grid.GetItemText(m_nRow, kNotes);
    m_lines.AddString("Notes: " + (strNotes.IsEmpty() ? CString("none") : strNotes), RGB(96, 96, 96));
    return TRUE;  // the item's text, selected
}

void CDetailsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_DETAILS_LINES, m_lines);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDCANCEL, m_cancel);
    DDX_Text(pDX, IDC_DETAILS_ITEM, m_strItem);
    DDX_Text(pDX, IDC_DETAILS_QTY, m_nQty);
    if (pDX->m_bSaveAndValidate && (m_nQty < 0 || m_nQty > kMaxQuantity)) {
        CString msg;
        msg.Format("Please enter a quantity from 0 to %d.", kMaxQuantity);
        AfxMessageBox(msg, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    DDX_Text(pDX, IDC_DETAILS_PRICE, m_strPrice);
    if (pDX->m_bSaveAndValidate && CVORFunction::IsInputReal(m_strPrice) != 1) {
        AfxMessageBox("Please enter a price.", MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    DDX_CBIndex(pDX, IDC_DETAILS_UNIT, m_nUnit);
}

void CDetailsDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;  // the control in question has the focus
    CString strUnit;
    if (m_nUnit >= 0)
        m_unit.GetLBText(m_nUnit, strUnit);
    m_pGallery->ApplyDetails(m_nRow, m_strItem, m_nQty, m_strPrice, strUnit);
    Close();
}

void CDetailsDlg::OnCancel()
{
    Close();
}

// Goes, and gives the activation back to the window that opened it.
void CDetailsDlg::Close()
{
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    DestroyWindow();  // deletes this object
    if (hOwner)
        ::SetActiveWindow(hOwner);
}

void CDetailsDlg::PostNcDestroy()
{
    if (m_ppSelf && *m_ppSelf == this)
        *m_ppSelf = nullptr;
    delete this;
}

}  // namespace gallery
