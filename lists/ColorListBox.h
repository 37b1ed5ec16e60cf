// CColorListBox: an owner-drawn list box whose string items carry their own
// text colour in their item data (0: the system's colours). A selected
// coloured item shows its colour as background with the inverse colour as
// text. Create it with LBS_OWNERDRAWFIXED and LBS_HASSTRINGS. Its horizontal
// extent follows the widest item (CHorzListBox). The item data is the
// colour: do not use SetItemData for anything else. Texts are drawn as they
// are: an ampersand is no mnemonic prefix.
#pragma once

#include "HorzListBox.h"

class AFX_EXT_CLASS CColorListBox : public CHorzListBox {
public:
    CColorListBox();
    virtual ~CColorListBox();

    int AddString(LPCTSTR lpszItem);
    int AddString(LPCTSTR lpszItem, COLORREF crColor);
    int InsertString(int nIndex, LPCTSTR lpszItem);
    int InsertString(int nIndex, LPCTSTR lpszItem, COLORREF crColor);
    // With bRepaint TRUE the whole list box is repainted at once.
    void SetItemColor(int nIndex, COLORREF crColor, BOOL bRepaint);

    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    // A list box made elsewhere (a dialog template's) measured its items
    // before this object took it: the item height is set here as
    // MeasureItem gives it.
    virtual void PreSubclassWindow();
    DECLARE_MESSAGE_MAP()
};
