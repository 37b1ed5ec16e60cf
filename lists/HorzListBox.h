// CHorzListBox: a list box whose horizontal extent always equals the width
// of its widest item plus a margin, so that it scrolls sideways exactly as
// far as its text reaches. It intercepts the list box's own string and
// tab-stop messages, so every way of adding or deleting a string is seen.
//
// Items must be strings (a list box that is not owner-drawn, or one with
// LBS_HASSTRINGS). Tabbed text is measured with the list box's tab stops,
// which are kept in pixels. LockHExtentUpdate suspends the bookkeeping for
// bulk loading; UnlockHExtentUpdate then UpdateHExtent bring it back in step.
//
// A deletion that arrives while the remembered extents are out of step with
// the items (strings added under a lock, before UpdateHExtent) only touches
// the extents it has: an index past them removes nothing, and the widest is
// looked for among the extents that exist.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

class AFX_EXT_CLASS CHorzListBox : public CListBox {
public:
    CHorzListBox();
    virtual ~CHorzListBox();

    // Locks do not count: one unlock ends any number of locks.
    void LockHExtentUpdate();
    // Ends the lock and nothing else; call UpdateHExtent afterwards.
    void UnlockHExtentUpdate();
    // Measures every item anew and sets the horizontal extent, locked or not.
    void UpdateHExtent();

protected:
    void InsertNewExtent(int nIndex, LPCTSTR str, CDC* pDC);
    void InsertNewExtent(int nIndex, LPCTSTR str);
    void InitTabStops();

    afx_msg LRESULT OnAddString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInsertString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetTabStops(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bLockHExtent;            // the bookkeeping is suspended
    CArray<int, int> m_arrExtents;  // per item: text width + the margin
    int m_nMaxExtent;               // the largest; the extent last set
    int m_nTabStops;                // tab stops last accepted by the list box
    int* m_pTabStops;               // those tab stops, in pixels; owned

private:
    // Selects the list box's font into its window DC for measuring.
    CDC* BeginMeasure(CFont*& pOldFont);
    void EndMeasure(CDC* pDC, CFont* pOldFont);
    // A freshly accepted tab-stop set rebuilds every extent; measuring code
    // that triggered it must not add its own entry on top.
    BOOL InitTabStopsRebuilt();
};
