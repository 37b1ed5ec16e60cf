// The details of an order line: a dialog of the gallery's resource script
// whose controls are the library's, subclassed when it starts. OK writes
// the item, quantity, price and unit back to the row; Cancel leaves it.
// Enter is OK and Escape is Cancel.
#pragma once

#include <afxwin.h>

#include "ButtonVX.h"
#include "ColorListBox.h"
#include "VORFlatComboBox.h"

namespace gallery {

class CGalleryWnd;

class CDetailsDlg : public CDialog {
public:
    // A modeless dialog that deletes itself when it goes, clearing
    // *ppSelf if it still points at it.
    CDetailsDlg(CGalleryWnd* pGallery, int nRow, CWnd** ppSelf);

    BOOL CreateDetails();
    int Row() const { return m_nRow; }

    CString m_strItem;
    int m_nQty = 0;
    CString m_strPrice;
    int m_nUnit = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;

private:
    void Close();

    CGalleryWnd* m_pGallery;
    int m_nRow;
    CWnd** m_ppSelf;
    CVORFlatComboBox m_unit;
    CColorListBox m_lines;
    CButtonVX m_ok, m_cancel;
};

}  // namespace gallery
