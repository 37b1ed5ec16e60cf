// Random sessions with the grid: public calls (rows inserted, deleted and
// moved, columns inserted, deleted, hidden and shown, cell settings, texts,
// EditItem, m_bEditable switched, rows removed behind the grid's back)
// mixed with real input (clicks inside and outside the grid, on the header
// dividers and the scroll bars, arrow keys, Tab, Escape, typed bytes of any
// value) while the host accepts or refuses each text at random. A model of
// the cells follows every call and every text the host accepted. After every
// step the invariants below are checked; see Check().
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sstream>

#include "../fuzz/FuzzChecks.h"
#include "Session.h"
#include "VORInPlaceListCtrl.h"
#include "VorTestHost.h"

// Rectangles in failure messages.
static void PrintTo(const CRect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

using vor::session::Rng;

class CSessionApp : public CWinApp {
public:
    CSessionApp() : CWinApp("grid session") {}
};

// The grid's protected record lookups stay protected; everything the checks
// need is public. The probe only names the class the session drives.
class CGridProbe : public CVORInPlaceListCtrl {
public:
    // The list view's own item data value, under the grid's GetItemData.
    DWORD_PTR RawData(int nRow) { return CListCtrl::GetItemData(nRow); }
    int RawCount() { return CListCtrl::GetItemCount(); }
};

struct CellModel {
    std::string text;
    int format = INPLACE_DATA_CHAR;
};

struct ColumnModel {
    std::string heading;
    bool shown = false;
};

// The grid's content as it must be: rows of cells (missing cells are
// default), the caller's row values, the logical columns.
struct GridModel {
    std::vector<std::vector<CellModel>> rows;
    std::vector<DWORD> data;
    std::vector<ColumnModel> columns;

    CellModel& Cell(int r, int c) {
        auto& row = rows[(size_t)r];
        if ((int)row.size() <= c) row.resize((size_t)c + 1);
        return row[(size_t)c];
    }
    CellModel Get(int r, int c) const {
        const auto& row = rows[(size_t)r];
        return c < (int)row.size() ? row[(size_t)c] : CellModel();
    }
    void InsertRow(int r, const std::string& text) {
        rows.insert(rows.begin() + r, std::vector<CellModel>(1));
        rows[(size_t)r][0].text = text;
        data.insert(data.begin() + r, 0);
    }
    void EraseRow(int r) {
        rows.erase(rows.begin() + r);
        data.erase(data.begin() + r);
    }
    void InsertColumn(int c, const std::string& heading) {
        if ((int)columns.size() < c) columns.resize((size_t)c);
        columns.insert(columns.begin() + c, ColumnModel{heading, true});
        for (auto& row : rows) {
            if ((int)row.size() < c) row.resize((size_t)c);
            row.insert(row.begin() + c, CellModel());
        }
    }
    void EraseColumn(int c) {
        if (c < 0 || c >= (int)columns.size()) return;
        columns.erase(columns.begin() + c);
        for (auto& row : rows)
            if (c < (int)row.size()) row.erase(row.begin() + c);
    }
};

std::string RandomWord(Rng& rng) {
    static const std::vector<std::string> kWords = {"", "0", "-12", "3.5", "x", "abc", "+", "1e5", "\xb0\xa1",
                                                    "a b", "\xff\x80", "007", "long text of a cell"};
    return rng.Pick(kWords);
}

class GridSession : public vor::test::VorHostTest {
protected:
    void SetUp() override {
        VorHostTest::SetUp();
        m_app.reset(new CSessionApp);
    }
    void TearDown() override {
        m_grid.reset();
        m_app.reset();
        VorHostTest::TearDown();
    }

    CGridProbe& G() { return *m_grid; }

    int OpenEditors() {
        return (G().m_wndEdit.IsWindow() ? 1 : 0) + (G().m_wndCombo.IsWindow() ? 1 : 0) +
               (G().m_wndButton.IsWindow() ? 1 : 0);
    }
    CRect ChildRect(CWnd& wnd) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        G().ScreenToClient(&rc);
        return rc;
    }

    // The host's verdict on a text, and the model's record of it.
    LRESULT Reply(const vor::test::NotifyRecord& n) {
        if (n.nSource != INPLACE_SOURCE_GRID) return 0;
        if (n.nCode == INPLACE_CODE_TEXTCHANGE) {
            ++m_asked;
            // The text reached the host only if it fits the open editor's format.
            // Escape offers the starting text unchecked: that is the one exception.
            int format = -1;
            std::string start;
            if (G().m_wndEdit.IsWindow()) {
                format = G().m_wndEdit.m_nDataFormat;
                start = (const char*)G().m_wndEdit.m_strOrgText;
            }
            if (G().m_wndCombo.IsWindow()) {
                format = G().m_wndCombo.m_nDataFormat;
                start = (const char*)G().m_wndCombo.m_strOrgText;
            }
            const bool fits = format == INPLACE_DATA_INT    ? vor::fuzz::NumByParts(n.strText)
                              : format == INPLACE_DATA_REAL ? vor::fuzz::RealByParts(n.strText)
                                                            : true;
            if (n.strText == start)
                ++m_escapes;
            else if (!fits)
                m_problems << " asked about \"" << vor::session::Escape(n.strText) << "\", which format " << format
                           << " refuses;";
            const bool accept = m_rng->Chance(70);
            if (accept) {
                if (n.nItem < 0 || n.nItem >= (int)m_model.rows.size() || n.nSubItem < 0)
                    m_problems << " asked about a cell out of range (" << n.nItem << ", " << n.nSubItem << ");";
                else
                    m_model.Cell(n.nItem, n.nSubItem).text = n.strText;
                m_pendingStored.push_back(n);
                ++m_accepted;
                return 0;
            }
            ++m_refused;
            return 1;
        }
        if (n.nCode == INPLACE_CODE_TEXTCHANGED) {
            // Reported stored: exactly what was accepted last, at that cell.
            if (m_pendingStored.empty()) {
                m_problems << " reported \"" << vor::session::Escape(n.strText) << "\" stored, never accepted;";
            } else {
                const auto& a = m_pendingStored.front();
                if (a.strText != n.strText || a.nItem != n.nItem || a.nSubItem != n.nSubItem)
                    m_problems << " stored report differs from the accepted text;";
                m_pendingStored.erase(m_pendingStored.begin());
            }
        }
        return 0;
    }

    void Paint(std::ostringstream& log) {
        // No drawing object outlives the paint that made it.
        const vor::session::GdiCounts before = vor::session::GdiCounts::Now();
        G().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const vor::session::GdiCounts after = vor::session::GdiCounts::Now();
        if (!(before == after)) m_problems << " GDI objects " << before.Text() << " before a paint, " << after.Text() << " after;";
    }

    void Check(const std::string& where) {
        SCOPED_TRACE(where);
        ASSERT_EQ(m_problems.str(), "");
        const int nRows = (int)m_model.rows.size();
        ASSERT_EQ(G().RawCount(), nRows);
        ASSERT_EQ(G().GetColumnCount(), (int)m_model.columns.size());

        // Shown columns at 0 .. GetHeaderCount() - 1 without gaps; LCtoRC and
        // RCtoLC agree; shown and hidden as the model says, headings in place.
        const int nHeader = G().GetHeaderCount();
        std::vector<int> seen((size_t)nHeader, 0);
        for (int c = 0; c < (int)m_model.columns.size(); ++c) {
            const int r = G().LCtoRC(c);
            ASSERT_EQ(r, G().m_arrColumns[c].m_nRealColumn) << "column " << c;
            ASSERT_EQ(r >= 0, m_model.columns[(size_t)c].shown) << "column " << c;
            if (r < 0) continue;
            ASSERT_LT(r, nHeader) << "column " << c;
            ASSERT_EQ(seen[(size_t)r]++, 0) << "two columns at position " << r;
            ASSERT_EQ(G().RCtoLC(r), c);
            char buf[128] = {};
            LVCOLUMNA lvc = {};
            lvc.mask = LVCF_TEXT;
            lvc.pszText = buf;
            lvc.cchTextMax = sizeof buf;
            ASSERT_TRUE(G().SendMessage(LVM_GETCOLUMNA, (WPARAM)r, (LPARAM)&lvc));
            ASSERT_EQ(std::string(buf), m_model.columns[(size_t)c].heading) << "heading of column " << c;
        }
        for (int r = 0; r < nHeader; ++r) ASSERT_EQ(seen[(size_t)r], 1) << "no column at position " << r;
        ASSERT_EQ(G().RCtoLC(nHeader), -1);

        // Every data value is one of the grid's records; texts and values are the model's.
        for (int r = 0; r < nRows; ++r) {
            const DWORD_PTR raw = G().RawData(r);
            if (raw) {
                ASSERT_TRUE(G().m_mapItems.Lookup((const void*)raw)) << "row " << r;
            }
            ASSERT_EQ(G().GetItemData(r), m_model.data[(size_t)r]) << "row " << r;
            for (int c = 0; c < (int)m_model.columns.size() + 1; ++c)
                ASSERT_EQ(std::string((const char*)G().GetItemText(r, c)), m_model.Get(r, c).text)
                    << "cell " << r << ", " << c;
        }

        // The current cell stays in range; at most one editor, and the open one
        // lies over the current cell once the row has been drawn.
        ASSERT_GE(G().m_nCurRow, -1);
        ASSERT_LT(G().m_nCurRow, nRows);
        ASSERT_GE(G().m_nCurCol, -1);
        ASSERT_LT(G().m_nCurCol, (int)m_model.columns.size());
        ASSERT_LE(OpenEditors(), 1);
        ASSERT_EQ(G().IsSelectCell() != 0, OpenEditors() == 1);
        CRect cell, client, row;
        G().GetClientRect(&client);
        if (OpenEditors() == 1 && G().m_nCurRow >= 0 && G().m_nCurCol >= 0 &&
            G().GetCellRect(G().m_nCurRow, G().LCtoRC(G().m_nCurCol), cell) &&
            // Drawn: among the visible rows (the partly visible last one included).
            G().m_nCurRow >= G().GetTopIndex() && G().m_nCurRow <= G().GetTopIndex() + G().GetCountPerPage() &&
            G().GetItemRect(G().m_nCurRow, &row, LVIR_BOUNDS) && CRect().IntersectRect(&row, &client)) {
            ++m_placementChecks;
            SCOPED_TRACE("current cell " + std::to_string(G().m_nCurRow) + ", " + std::to_string(G().m_nCurCol) +
                         " at position " + std::to_string(G().LCtoRC(G().m_nCurCol)) + ", top row " +
                         std::to_string(G().GetTopIndex()) + " of " + std::to_string(nRows));
            if (G().m_wndEdit.IsWindow()) {
                ASSERT_EQ(G().m_wndEdit.m_rcCell, cell);
                // Left plus 1, bottom minus 1; a negative size becomes empty.
                const CRect want(cell.left + 1, cell.top, std::max(cell.left + 1, (int)cell.right),
                                 std::max((int)cell.top, cell.bottom - 1));
                ASSERT_EQ(ChildRect(G().m_wndEdit), want);
                // The rich edit shows the stored text (a refused text was put back).
                CString shown;
                G().m_wndEdit.GetWindowText(shown);
                ASSERT_EQ(std::string((const char*)shown), m_model.Get(G().m_nCurRow, G().m_nCurCol).text)
                    << "the open rich edit's text";
            } else if (G().m_wndCombo.IsWindow()) {
                ASSERT_EQ(G().m_wndCombo.m_rcCell, cell);
                const CRect rc = ChildRect(G().m_wndCombo);
                ASSERT_TRUE(rc.left == cell.left || rc.left == cell.left + 1) << rc.left << " vs " << cell.left;
                ASSERT_EQ(rc.top, cell.top);
                ASSERT_EQ(rc.right, std::max(cell.right, rc.left)) << "a negative width becomes empty";
            } else {
                ASSERT_EQ(G().m_wndButton.m_rcCell, cell);
                const CRect rc = ChildRect(G().m_wndButton);
                ASSERT_TRUE(rc.left >= cell.left && rc.top >= cell.top && rc.right <= cell.right &&
                            rc.bottom <= cell.bottom)
                    << "the button leaves its cell";
            }
        }
        ASSERT_EQ(AfxGetAssertFailureCount(), m_asserts) << "a framework assertion fired";
    }

    // One random public call.
    void Call(std::ostringstream& log) {
        Rng& rng = *m_rng;
        const int nRows = (int)m_model.rows.size(), nCols = (int)m_model.columns.size();
        const int row = rng.Range(-1, nRows), col = rng.Range(-1, nCols + 1);
        const int what = rng.Range(0, 99);
        if (what < 12) {
            const std::string t = RandomWord(rng);
            const int at = rng.Range(0, nRows + 1);
            const int r = G().InsertItem(at, t.c_str());
            log << " InsertItem(" << at << ") -> " << r;
            if (r >= 0) m_model.InsertRow(r, t);
            // Hosts usually make a new row's cells editable at once.
            if (r >= 0 && rng.Chance(70))
                for (int c = 0; c < nCols; ++c) G().SetCellEdit(r, c);
        } else if (what < 18) {
            const int r = G().DeleteItem(row);
            log << " DeleteItem(" << row << ") -> " << r;
            if (row >= 0 && row < nRows) m_model.EraseRow(row);
        } else if (what < 19 && rng.Chance(30)) {
            G().DeleteAllItems();
            log << " DeleteAllItems";
            m_model.rows.clear();
            m_model.data.clear();
        } else if (what < 24) {
            const int off = rng.Range(-6, 6);
            const int r = G().MoveItem(row, off);
            log << " MoveItem(" << row << ", " << off << ") -> " << r;
            if (row >= 0 && row < nRows) {
                const int t = std::max(0, std::min(nRows - 1, row + off));
                std::swap(m_model.rows[(size_t)row], m_model.rows[(size_t)t]);
                std::swap(m_model.data[(size_t)row], m_model.data[(size_t)t]);
            }
        } else if (what < 28 && nCols < 8) {
            const int at = rng.Range(0, nCols + (rng.Chance(20) ? 2 : 0));
            const std::string h = "H" + std::to_string(m_headings++);
            const int r = G().InsertColumn(at, h.c_str(), LVCFMT_LEFT, rng.Range(0, 120));
            log << " InsertColumn(" << at << ") -> " << r;
            m_model.InsertColumn(at, h);
        } else if (what < 30 && nCols < 8) {
            const std::string h = "H" + std::to_string(m_headings++);
            const int r = G().AddColumn(h.c_str(), LVCFMT_LEFT, rng.Range(0, 120));
            log << " AddColumn -> " << r;
            // Rows get no new cell: a cell already beyond the columns becomes this one's.
            m_model.columns.push_back(ColumnModel{h, r >= 0});
        } else if (what < 32) {
            G().DeleteColumn(col);
            log << " DeleteColumn(" << col << ")";
            m_model.EraseColumn(col);
        } else if (what < 37) {
            G().HideColumn(col);
            log << " HideColumn(" << col << ")";
            if (col >= 0 && col < nCols) m_model.columns[(size_t)col].shown = false;
        } else if (what < 42) {
            const int pos = rng.Range(0, G().GetHeaderCount());
            G().ShowColumn(col, pos);
            log << " ShowColumn(" << col << ", " << pos << ")";
            if (col >= 0 && col < nCols) m_model.columns[(size_t)col].shown = true;
        } else if (what < 52) {
            const std::string t = RandomWord(rng);
            G().SetItemText(row, col, t.c_str());
            log << " SetItemText(" << row << ", " << col << ")";
            if (row >= 0 && row < nRows && col >= 0) m_model.Cell(row, col).text = t;
        } else if (what < 66) {
            // Free edits most often: they are where typing reaches the host.
            const int kind = rng.Chance(35) ? 1 : rng.Range(0, 9);
            static const char* kNames[] = {"ReadOnly", "Edit", "Combox", "EditCombox", "Combox[]",
                                           "EditCombox[]", "Button", "Int", "Real", "Char"};
            log << " SetCell" << kNames[kind] << "(" << row << ", " << col << ")";
            CStringArray choices;
            choices.Add("12");
            choices.Add("x\xb0\xa1");
            choices.Add("-3.5");
            const int limit = rng.Chance(20) ? rng.Range(0, 4) : 10000;
            switch (kind) {
            case 0: G().SetCellReadOnly(row, col, limit); break;
            case 1: G().SetCellEdit(row, col, limit); break;
            case 2: G().SetCellCombox(row, col, "1\r\n22\r\nabc\r\n", limit); break;
            case 3: G().SetCellEditCombox(row, col, "0\r\n-7\r\n\r\n", limit); break;
            case 4: G().SetCellCombox(row, col, choices, limit); break;
            case 5: G().SetCellEditCombox(row, col, choices, limit); break;
            case 6: G().SetCellButton(row, col, limit); break;
            default: {
                static const int kFormats[] = {INPLACE_DATA_INT, INPLACE_DATA_REAL, INPLACE_DATA_CHAR};
                static int (CVORInPlaceListCtrl::*const kSetters[])(int, int) = {
                    &CVORInPlaceListCtrl::SetCellInt, &CVORInPlaceListCtrl::SetCellReal,
                    &CVORInPlaceListCtrl::SetCellChar};
                (G().*kSetters[kind - 7])(row, col);
                if (row >= 0 && row < nRows && col >= 0) m_model.Cell(row, col).format = kFormats[kind - 7];
            }
            }
        } else if (what < 70) {
            const DWORD v = (DWORD)rng.Next();
            const int r = G().SetItemData(row, v);
            log << " SetItemData(" << row << ") -> " << r;
            if (row >= 0 && row < nRows) m_model.data[(size_t)row] = v;
        } else if (what < 82) {
            const BOOL scroll = rng.Chance(50);
            G().EditItem(row, col, scroll);
            log << " EditItem(" << row << ", " << col << ", " << scroll << ")";
        } else if (what < 86) {
            G().m_bEditable = rng.Chance(70);
            log << " m_bEditable = " << G().m_bEditable;
        } else if (what < 88) {
            // Behind the grid's back: the list view's own deletion.
            if (row >= 0 && row < nRows) {
                G().SendMessage(LVM_DELETEITEM, (WPARAM)row, 0);
                m_model.EraseRow(row);
                log << " LVM_DELETEITEM(" << row << ")";
            }
        } else {
            const int cx = rng.Range(150, 560), cy = rng.Range(60, 400);
            G().MoveWindow(10, 10, cx, cy, TRUE);
            log << " resize " << cx << "x" << cy;
        }
    }

    // One piece of random real input.
    void Input(std::ostringstream& log) {
        Rng& rng = *m_rng;
        CRect win, client;
        G().GetWindowRect(&win);
        G().GetClientRect(&client);
        const int what = rng.Range(0, 99);
        Advance(::GetDoubleClickTime() + 1);
        if (what < 30) {
            // A click on a cell, mostly; anywhere in the grid otherwise.
            CPoint pt(rng.Range(0, std::max(0, client.right - 1)), rng.Range(0, std::max(0, client.bottom - 1)));
            const int nRows = (int)m_model.rows.size(), nHeader = G().GetHeaderCount();
            CRect cell;
            if (rng.Chance(70) && nRows > 0 && nHeader > 0 &&
                G().GetCellRect(rng.Range(0, nRows - 1), rng.Range(0, nHeader - 1), cell) && !cell.IsRectEmpty())
                pt = CPoint(rng.Range(cell.left, cell.right - 1), rng.Range(cell.top, cell.bottom - 1));
            G().ClientToScreen(&pt);
            const bool right = rng.Chance(15);
            log << " " << (right ? "right " : "") << "click at (" << pt.x << "," << pt.y << ")";
            Click(pt.x, pt.y, right ? VK_RBUTTON : VK_LBUTTON);
        } else if (what < 36) {
            // Outside the grid, on the host.
            const POINT pt = HostToScreen(rng.Range(0, 639), rng.Range(0, 479));
            log << " click on the host at (" << pt.x << "," << pt.y << ")";
            Click(pt.x, pt.y);
        } else if (what < 42) {
            // The frame of the grid: scroll bars and border.
            CRect inner = client;
            G().ClientToScreen(&inner);
            POINT pt = {rng.Range(win.left, win.right - 1), rng.Range(win.top, win.bottom - 1)};
            if (rng.Chance(50)) pt.x = rng.Range(inner.right, std::max(inner.right, (int)win.right - 1));
            else pt.y = rng.Range(inner.bottom, std::max(inner.bottom, (int)win.bottom - 1));
            log << " click on the frame at (" << pt.x << "," << pt.y << ")";
            Click(pt.x, pt.y);
        } else if (what < 48) {
            // A header divider dragged.
            CHeaderCtrl* pHeader = G().GetHeaderCtrl();
            const int n = G().GetHeaderCount();
            if (pHeader && n > 0) {
                const int i = rng.Range(0, n - 1);
                CRect item;
                pHeader->SendMessage(HDM_GETITEMRECT, (WPARAM)i, (LPARAM)&item);
                pHeader->ClientToScreen(&item);
                const int dx = rng.Range(-80, 80);
                log << " divider " << i << " dragged by " << dx;
                MoveMouse(item.right - 1, (item.top + item.bottom) / 2);
                Press();
                MoveMouse(item.right - 1 + dx / 2, (item.top + item.bottom) / 2);
                MoveMouse(item.right - 1 + dx, (item.top + item.bottom) / 2);
                Release();
            }
        } else if (what < 70) {
            static const BYTE kKeys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_TAB, VK_ESCAPE, VK_RETURN,
                                         VK_HOME, VK_END, VK_BACK, VK_DELETE, VK_PRIOR, VK_NEXT, VK_F4};
            const BYTE vk = kKeys[rng.Range(0, (int)sizeof(kKeys) - 1)];
            log << " key " << (int)vk;
            KeyPress(vk);
        } else if (what < 90) {
            static const std::vector<std::string> kTyped = {"1", "0", "-", "+", ".", "5", "a", " ", "e", "9", "Z"};
            const std::string s = rng.Pick(kTyped);
            log << " type '" << s << "'";
            if (::GetFocus() == G().m_wndEdit.GetSafeHwnd()) {
                ++m_typedIntoEdit;
                if (G().m_wndEdit.GetStyle() & ES_READONLY) ++m_typedReadOnly;
            }
            TypeText(s.c_str());
        } else {
            // Any byte, as a keyboard layout would deliver it.
            const int ch = rng.Range(1, 255);
            HWND focus = ::GetFocus();
            log << " char " << ch;
            if (focus) {
                ::PostMessageA(focus, WM_CHAR, (WPARAM)ch, 1);
                Pump();
            }
        }
    }

public:
    void Play(uint64_t seed, int steps) {
        Rng rng(seed);
        m_rng = &rng;
        m_model = GridModel();
        m_problems.str("");
        m_pendingStored.clear();
        m_asserts = AfxGetAssertFailureCount();
        const vor::session::GdiCounts start = vor::session::GdiCounts::Now();

        m_grid.reset(new CGridProbe);
        const DWORD style = LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS | (rng.Chance(50) ? LVS_SINGLESEL : 0);
        ASSERT_TRUE(CreateOnHost(G(), style | WS_HSCROLL | WS_VSCROLL | WS_BORDER, CRect(10, 10, 410, 230), 100));
        Host().SetReplyCallback([this](const vor::test::NotifyRecord& n) { return Reply(n); });
        for (int c = 0; c < 3; ++c) {
            const std::string h = "H" + std::to_string(m_headings++);
            G().AddColumn(h.c_str(), LVCFMT_LEFT, 80);
            m_model.columns.push_back(ColumnModel{h, true});
        }
        for (int r = 0; r < 6; ++r) {
            G().InsertItem(r, "r");
            m_model.InsertRow(r, "r");
            for (int c = 0; c < 3; ++c) {
                G().SetCellEdit(r, c);
                const int f = rng.Range(0, 2);
                if (f == 1) G().SetCellInt(r, c);
                if (f == 2) G().SetCellReal(r, c);
            }
        }
        G().m_bEditable = TRUE;

        for (int step = 0; step < steps; ++step) {
            std::ostringstream log;
            log << vor::session::ReplayHint(seed, step) << ":";
            if (rng.Chance(45))
                Call(log);
            else
                Input(log);
            Pump();
            Paint(log);
            if (vor::session::Trace())
                std::printf("%s [current %d, %d; %d editor(s)]\n", log.str().c_str(), G().m_nCurRow, G().m_nCurCol,
                            OpenEditors());
            Check(log.str());
            if (HasFatalFailure()) return;
            ++m_playedSteps;
        }
        Host().SetReplyCallback(nullptr);
        m_grid.reset();
        Pump();
        // Leak accounting: the grid, its editors and records gave back every object.
        const vor::session::GdiCounts end = vor::session::GdiCounts::Now();
        ASSERT_TRUE(end == start) << "seed " << seed << ": GDI objects " << end.Text() << " after the grid, "
                                  << start.Text() << " before it";
        m_rng = nullptr;
    }

    std::unique_ptr<CSessionApp> m_app;
    std::unique_ptr<CGridProbe> m_grid;
    GridModel m_model;
    Rng* m_rng = nullptr;
    std::ostringstream m_problems;
    std::vector<vor::test::NotifyRecord> m_pendingStored;
    int m_asserts = 0, m_headings = 0;
    int m_playedSteps = 0, m_asked = 0, m_accepted = 0, m_refused = 0, m_placementChecks = 0, m_typedIntoEdit = 0, m_typedReadOnly = 0, m_escapes = 0;
};

TEST_F(GridSession, RandomCallsAndInputAgainstAModel) {
    const int steps = vor::session::Steps(1000);
    for (uint64_t seed : vor::session::Seeds({21, 22, 23, 24})) {
        Play(seed, steps);
        if (HasFatalFailure()) return;
    }
    std::printf("%d steps played; the host was asked %d times, accepted %d, refused %d; editor placed checked %d times; %d keys typed into the rich edit (%d read-only)\n",
                m_playedSteps, m_asked, m_accepted, m_refused, m_placementChecks, m_typedIntoEdit, m_typedReadOnly);
    ::testing::Test::RecordProperty("steps", m_playedSteps);
}

}  // namespace
