// The grid on a framework host: a report-view, owner-drawn grid of a few
// columns and rows, the host recording every WM_VOR_NOTIFY, and helpers
// that find cells on the screen for the real input.
#pragma once

#include <string>
#include <vector>

#include "VORInPlaceListCtrl.h"
#include "VorTestHost.h"

namespace gridtest {

constexpr UINT kGridId = 100;
constexpr DWORD kGridStyle = LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_SHOWSELALWAYS;

// The pre-translation of the framework's pump (the editors hand keys to the
// grid from PreTranslateMessage) needs an application object.
class CGridTestApp : public CWinApp {
public:
    CGridTestApp() : CWinApp("grid test") {}
};

class GridTest : public vor::test::VorHostTest {
protected:
    void SetUp() override
    {
        VorHostTest::SetUp();
        m_pApp = new CGridTestApp;
    }
    void TearDown() override
    {
        if (m_pGrid != nullptr) {
            m_pGrid->DestroyWindow();
            delete m_pGrid;
            m_pGrid = nullptr;
        }
        delete m_pApp;
        m_pApp = nullptr;
        VorHostTest::TearDown();
    }

    // A grid at host client (10, 10) of the given size with the given
    // column widths (headings "C0", "C1", ...) and rows (cell texts "r<row>c<col>").
    CVORInPlaceListCtrl& MakeGrid(const std::vector<int>& widths, int nRows, DWORD dwStyle = kGridStyle,
                                  int cx = 400, int cy = 200)
    {
        m_pGrid = new CVORInPlaceListCtrl;
        EXPECT_TRUE(CreateOnHost(*m_pGrid, dwStyle, CRect(10, 10, 10 + cx, 10 + cy), kGridId));
        Host().NameWindow(m_pGrid->GetSafeHwnd(), "grid");
        for (size_t c = 0; c < widths.size(); ++c) {
            std::string h = "C" + std::to_string(c);
            m_pGrid->AddColumn(h.c_str(), LVCFMT_LEFT, widths[c], -1);
        }
        for (int r = 0; r < nRows; ++r) {
            std::string t = "r" + std::to_string(r) + "c0";
            m_pGrid->InsertItem(r, t.c_str());
            for (size_t c = 1; c < widths.size(); ++c) {
                std::string s = "r" + std::to_string(r) + "c" + std::to_string(c);
                m_pGrid->SetItemText(r, (int)c, s.c_str());
            }
        }
        Paint();
        return *m_pGrid;
    }
    CVORInPlaceListCtrl& Grid() { return *m_pGrid; }

    void Paint()
    {
        m_pGrid->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Pump();
    }

    // The screen point in the middle of a list-view cell (or dx pixels right
    // of its left edge when dx >= 0).
    POINT CellPoint(int nRow, int nRealCol, int dx = -1)
    {
        CRect rc;
        EXPECT_TRUE(m_pGrid->GetCellRect(nRow, nRealCol, rc)) << nRow << ", " << nRealCol;
        POINT pt{dx >= 0 ? rc.left + dx : (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        m_pGrid->ClientToScreen(&pt);
        return pt;
    }
    void ClickCell(int nRow, int nRealCol, int dx = -1)
    {
        POINT pt = CellPoint(nRow, nRealCol, dx);
        Click(pt.x, pt.y);
    }
    // The client rectangle of a child window in the grid's coordinates.
    CRect ChildRect(CWnd& wnd)
    {
        CRect rc;
        wnd.GetWindowRect(&rc);
        m_pGrid->ScreenToClient(&rc);
        return rc;
    }
    // The rectangle the rich edit takes over a list-view cell.
    CRect EditRectOver(int nRow, int nRealCol)
    {
        CRect rc;
        EXPECT_TRUE(m_pGrid->GetCellRect(nRow, nRealCol, rc));
        rc.left += 1;
        rc.bottom -= 1;
        return rc;
    }
    std::string EditText()
    {
        CString s;
        m_pGrid->m_wndEdit.GetWindowText(s);
        return (LPCTSTR)s;
    }
    COLORREF GridPixel(int x, int y)
    {
        POINT pt{x, y};
        m_pGrid->ClientToScreen(&pt);
        return ScreenPixel(pt.x, pt.y);
    }
    // Lines of the recorded WM_VOR_NOTIFY of the host.
    std::vector<std::string> NotifyLines()
    {
        std::vector<std::string> out;
        for (const auto& r : Host().Notifications())
            out.push_back(Host().DescribeNotify(r));
        return out;
    }
    std::string GridLine(int nSource, int nCode, const char* pszText, int nItem, int nSubItem)
    {
        return vor::test::VorNotifyLine("grid", nSource, nCode, pszText, nItem, nSubItem);
    }

    CGridTestApp* m_pApp = nullptr;
    CVORInPlaceListCtrl* m_pGrid = nullptr;
};

}  // namespace gridtest
