// Random sessions with both splitter windows: drags of the bar with real
// mouse input (presses on and beside the bar, moves anywhere on the screen,
// captures taken away in the middle), resizes of the splitter, new limits
// and bar widths, all against a model of the bar position. After every step:
// the position is the model's, within the limits after a relayout, the
// panes where the layout puts them and inside the client area, no drag left
// open, and no GDI object left behind by the paint.
#include <algorithm>
#include <memory>
#include <cstdio>
#include <sstream>

#include "Session.h"
#include "VORSplitterWnd.h"
#include "VorTestHost.h"
#include "ZeSplitterWnd.h"

namespace {

using vor::session::Rng;

class Pane : public CWnd {
public:
    BOOL CreatePane(CWnd* parent) {
        return CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)::GetStockObject(WHITE_BRUSH)), "",
                        WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), parent, 0);
    }
    CRect Placement() const {
        CRect r;
        GetWindowRect(&r);
        GetParent()->ScreenToClient(&r);
        return r;
    }
};

// What the bar position must be, computed from the inputs alone.
struct BarModel {
    bool vertical = false;
    int pos = 0, width = 5, minFirst = -1, minSecond = -1;

    void Relayout(int extent) {
        if (minSecond != -1) {
            const int t = extent - minSecond;
            if (t > minFirst) pos = std::min(pos, t);
        }
        if (minFirst != -1) pos = std::max(pos, minFirst);
    }
    int ClampPointer(int c, int extent) const {
        if (minFirst != -1) c = std::max(c, minFirst);
        if (minSecond != -1) {
            const int t = extent - minSecond;
            if (t > minFirst) c = std::min(c, t);
        }
        return c;
    }
};

template <class S>
class SplitterSession : public vor::test::VorHostTest {
protected:
    void TearDown() override {
        m_first.reset();
        m_second.reset();
        m_split.reset();
        VorHostTest::TearDown();
    }

    CRect Client() const {
        CRect c;
        m_split->GetClientRect(&c);
        return c;
    }
    int Extent() const { return m_model.vertical ? Client().Width() : Client().Height(); }
    CPoint ToScreen(CPoint pt) const {
        m_split->ClientToScreen(&pt);
        return pt;
    }
    static int Along(bool vertical, CPoint pt) { return vertical ? pt.x : pt.y; }

    // A press reaches the splitter when it is in its client area and on no pane.
    bool PressReachesSplitter(CPoint pt) const {
        const CRect c = Client();
        CRect f = m_first->Placement(), s = m_second->Placement();
        f.IntersectRect(&f, &c);
        s.IntersectRect(&s, &c);
        return c.PtInRect(pt) && !f.PtInRect(pt) && !s.PtInRect(pt);
    }
    CRect ModelBar() const {
        CRect r = Client();
        if (m_model.vertical) {
            r.left = m_model.pos;
            r.right = r.left + m_model.width;
        } else {
            r.top = m_model.pos;
            r.bottom = r.top + m_model.width;
        }
        return r;
    }

    void Drag(Rng& rng, std::ostringstream& log) {
        // Mostly on the visible part of the bar, sometimes anywhere.
        const CRect c = Client();
        CPoint press;
        if (rng.Chance(75) && m_model.width > 1) {
            const int lead = m_model.pos + rng.Range(0, m_model.width - 2);
            press = m_model.vertical ? CPoint(lead, rng.Range(0, std::max(0, c.Height() - 1)))
                                     : CPoint(rng.Range(0, std::max(0, c.Width() - 1)), lead);
        } else {
            press = CPoint(rng.Range(-5, c.Width() + 5), rng.Range(-5, c.Height() + 5));
        }
        const bool reaches = PressReachesSplitter(press);
        const bool dragging = reaches && ModelBar().PtInRect(press);
        const CPoint sp = ToScreen(press);
        log << " drag from (" << press.x << "," << press.y << ")" << (dragging ? " on the bar" : "");
        // Past the double-click time: the splitter's class takes double
        // clicks, and a second quick press would be one.
        Advance(::GetDoubleClickTime() + 1);
        MoveMouse(sp.x, sp.y);
        Press();
        ASSERT_EQ(m_split->m_bDragging != 0, dragging) << log.str();

        int cur = Along(m_model.vertical, press);
        const int start = cur;
        CPoint curPt = press;
        bool lost = false;
        const int moves = rng.Range(0, 4);
        for (int i = 0; i < moves; ++i) {
            const int x = rng.Range(0, 1279), y = rng.Range(0, 1023);
            MoveMouse(x, y);
            CPoint pt(x, y);
            m_split->ScreenToClient(&pt);
            if (dragging && !lost) {
                cur = m_model.ClampPointer(Along(m_model.vertical, pt), Extent());
                curPt = m_model.vertical ? CPoint(cur, pt.y) : CPoint(pt.x, cur);
            }
            if (rng.Chance(5)) {
                // The owner resizes the splitter in the middle of the drag: the
                // relayout clamps the position the drop then adds to.
                const int cx = rng.Range(0, 600), cy = rng.Range(0, 440);
                log << " resize " << cx << "x" << cy << " while dragging";
                m_split->MoveWindow(20, 20, cx, cy, TRUE);
                m_model.Relayout(Extent());
            }
            if (dragging && !lost && rng.Chance(8)) {
                // Another window takes the capture: the drag ends uncommitted.
                ::SetCapture(HostHwnd());
                lost = true;
                log << " capture lost";
                ASSERT_EQ(m_split->m_bDragging, 0) << log.str();
            }
        }
        Release();
        if (lost) ::ReleaseCapture();
        if (dragging) ++(lost ? m_lostDrags : m_drags);
        if (dragging && !lost) {
            m_model.pos += cur - start;
            if (curPt != press) m_model.Relayout(Extent());
            log << " to " << cur << " -> " << m_model.pos;
        }
    }

    void Check(const std::string& where) {
        SCOPED_TRACE(where);
        const CRect c = Client();
        const int e = Extent();
        ASSERT_EQ(m_split->m_bDragging, 0);
        ASSERT_EQ(::GetCapture(), (HWND)NULL);
        ASSERT_EQ(m_split->m_nBarPos, m_model.pos);
        // Within the limits whenever they can both hold.
        if (m_model.minFirst >= 0) {
            ASSERT_GE(m_split->m_nBarPos, m_model.minFirst);
        }
        if (m_model.minSecond >= 0 && e - m_model.minSecond > m_model.minFirst) {
            ASSERT_LE(m_split->m_nBarPos, e - m_model.minSecond);
        }
        if (e > 0) {
            ASSERT_DOUBLE_EQ(m_split->m_dRatio, (double)m_model.pos / e);
        }

        // The panes where the layout puts them (negative sizes become empty).
        const int p = m_model.pos, w = m_model.width;
        CRect f, s;
        if (m_model.vertical) {
            f.SetRect(-1, 0, p, c.bottom);
            s.SetRect(p + w - 1, 0, c.right, c.bottom);
        } else {
            f.SetRect(0, -1, c.right, p);
            s.SetRect(0, p + w - 1, c.right, c.bottom);
        }
        for (CRect* r : {&f, &s}) {
            r->right = std::max(r->right, r->left);
            r->bottom = std::max(r->bottom, r->top);
        }
        ASSERT_EQ(m_first->Placement(), f);
        ASSERT_EQ(m_second->Placement(), s);
        // Inside the client area (the first pane reaches one pixel past the
        // leading edge by design) whenever the bar itself is.
        if (p >= 0 && p + w <= e) {
            CRect inside = c;
            if (m_model.vertical)
                inside.left = -1;
            else
                inside.top = -1;
            for (const CRect& r : {f, s}) {
                ASSERT_TRUE(r.left >= inside.left && r.top >= inside.top && r.right <= inside.right &&
                            r.bottom <= inside.bottom)
                    << "a pane leaves the client area";
            }
            ASSERT_LE(m_model.vertical ? f.right : f.bottom, m_model.vertical ? s.left : s.top);
        }
    }

    void Play(uint64_t seed, int steps) {
        Rng rng(seed);
        m_model = BarModel();
        m_model.vertical = rng.Chance(50);
        m_model.pos = rng.Range(0, 150);
        m_split.reset(new S);
        m_first.reset(new Pane);
        m_second.reset(new Pane);
        CWnd* host = CWnd::FromHandle(HostHwnd());
        ASSERT_TRUE(m_split->Create(m_model.vertical, m_model.pos, CRect(20, 20, 320, 220), host, NULL));
        ASSERT_TRUE(m_first->CreatePane(m_split.get()));
        ASSERT_TRUE(m_second->CreatePane(m_split.get()));
        ASSERT_EQ(m_split->SetWnd(m_first.get(), m_second.get()), 1);
        m_split->Relayout();
        m_model.Relayout(Extent());
        Pump();
        const vor::session::GdiCounts baseline = vor::session::GdiCounts::Now();

        for (int step = 0; step < steps; ++step) {
            std::ostringstream log;
            log << vor::session::ReplayHint(seed, step) << ":";
            const int what = rng.Range(0, 99);
            if (what < 55) {
                Drag(rng, log);
            } else if (what < 80) {
                const int cx = rng.Range(0, 600), cy = rng.Range(0, 440);
                log << " resize " << cx << "x" << cy;
                m_split->MoveWindow(20, 20, cx, cy, TRUE);
                m_model.Relayout(Extent());
            } else if (what < 95) {
                m_model.minFirst = rng.Chance(30) ? -1 : rng.Range(0, 200);
                m_model.minSecond = rng.Chance(30) ? -1 : rng.Range(0, 200);
                m_model.width = rng.Range(1, 12);
                m_split->m_nMinFirst = m_model.minFirst;
                m_split->m_nMinSecond = m_model.minSecond;
                m_split->m_nBarWidth = m_model.width;
                log << " limits " << m_model.minFirst << " " << m_model.minSecond << " width " << m_model.width;
                m_split->Relayout();
                m_model.Relayout(Extent());
            } else {
                log << " repaint";
                m_split->Invalidate(TRUE);
            }
            Pump();
            if (HasFatalFailure()) return;
            if (vor::session::Trace()) std::printf("%s\n", log.str().c_str());
            Check(log.str());
            if (HasFatalFailure()) return;
            const vor::session::GdiCounts now = vor::session::GdiCounts::Now();
            ASSERT_TRUE(now == baseline) << log.str() << "\n  GDI objects " << now.Text() << ", at the start "
                                         << baseline.Text();
        }
        m_playedSteps += steps;
    }

    std::unique_ptr<S> m_split;
    std::unique_ptr<Pane> m_first, m_second;
    BarModel m_model;
    int m_playedSteps = 0;
    int m_drags = 0, m_lostDrags = 0;  // drags of the bar, completed and cut short
};

using SplitterTypes = ::testing::Types<CVORSplitterWnd, CZeSplitterWnd>;
TYPED_TEST_SUITE(SplitterSession, SplitterTypes);

TYPED_TEST(SplitterSession, RandomDragsAndResizes) {
    const int steps = vor::session::Steps(1500);
    const std::vector<uint64_t> seeds = vor::session::Seeds({1, 2, 3, 4});
    for (uint64_t seed : seeds) {
        // Each seed on a fresh platform and splitter.
        this->TearDown();
        this->SetUp();
        this->Play(seed, steps);
        if (this->HasFatalFailure()) return;
    }
    ::testing::Test::RecordProperty("steps", this->m_playedSteps);
    std::printf("%d steps played, %d drags of the bar, %d cut short\n", this->m_playedSteps, this->m_drags,
                this->m_lostDrags);
}

}  // namespace
