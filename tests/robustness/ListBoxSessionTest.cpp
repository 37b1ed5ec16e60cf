// Random sessions with the horizontal-extent list box (plain, sorted, with
// tab stops) and the coloured list box built on it: adds, inserts and
// deletes at any index, locks, unlocks, rebuilds, new tab stops and resets,
// against a model of the items. After every step: the items are the
// model's, and whenever the bookkeeping is unlocked and has been rebuilt
// since the last string message under a lock, every remembered extent is its
// item's width plus 6 and the horizontal extent is the widest of them; no
// assertion of the framework fired and no GDI object is left behind.
#include <algorithm>
#include <cstdio>
#include <sstream>

#include "ColorListBox.h"
#include "HorzListBox.h"
#include "Session.h"
#include "VorTestHost.h"

namespace {

using vor::session::Rng;

// Reaches the bookkeeping of either class.
template <class Base>
class Probe : public Base {
public:
    using Base::m_arrExtents;
    using Base::m_bLockHExtent;
    using Base::m_nMaxExtent;
};

// The width of a text as the list box shows it, measured here on its own
// device context and font.
struct Measurer {
    HWND hwnd;
    bool tabbed;
    std::vector<int> tabStops;  // dialog units; empty: the default of 2

    int Width(const std::string& s) const {
        HDC dc = ::GetDC(hwnd);
        HFONT font = (HFONT)::SendMessage(hwnd, WM_GETFONT, 0, 0);
        HGDIOBJ old = font ? ::SelectObject(dc, font) : NULL;
        int cx;
        if (tabbed) {
            SIZE alpha;
            const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
            ::GetTextExtentPoint32A(dc, kAlphabet, 52, &alpha);
            const int average = (alpha.cx / 26 + 1) / 2;
            std::vector<int> px = tabStops.empty() ? std::vector<int>{2} : tabStops;
            for (int& v : px) v = (v * average + 2) / 4;
            cx = (int)LOWORD(::GetTabbedTextExtentA(dc, s.c_str(), (int)s.size(), (int)px.size(), px.data()));
        } else {
            SIZE sz;
            ::GetTextExtentPoint32A(dc, s.c_str(), (int)s.size(), &sz);
            cx = sz.cx;
        }
        if (old) ::SelectObject(dc, old);
        ::ReleaseDC(hwnd, dc);
        return cx;
    }
};

std::string RandomText(Rng& rng) {
    static const std::string kPieces[] = {"a", "W", "i", " ", "\t", "Mm", "\xb0\xa1", "\x80", "\xff", "0", "--"};
    std::string s;
    const int n = rng.Chance(5) ? rng.Range(40, 120) : rng.Range(0, 12);
    for (int i = 0; i < n; ++i) s += kPieces[rng.Range(0, 10)];
    return s;
}

template <class T>
class ListBoxSession : public vor::test::VorHostTest {
protected:
    void Play(uint64_t seed, int steps) {
        Rng rng(seed);
        const bool sorted = rng.Chance(30), tabbed = rng.Chance(50);
        DWORD style = WS_VSCROLL | WS_HSCROLL | LBS_HASSTRINGS | (sorted ? LBS_SORT : 0) |
                      (tabbed ? LBS_USETABSTOPS : 0);
        if (std::is_same<Probe<CColorListBox>, T>::value) style |= LBS_OWNERDRAWFIXED;
        T box;
        ASSERT_TRUE(CreateOnHost(box, style, CRect(10, 10, 210, 190), 100));
        Measurer m{box.GetSafeHwnd(), tabbed, {}};
        std::vector<std::string> items;
        bool locked = false, stale = false;
        Pump();
        const vor::session::GdiCounts baseline = vor::session::GdiCounts::Now();
        const int asserts = AfxGetAssertFailureCount();

        for (int step = 0; step < steps; ++step) {
            std::ostringstream log;
            log << vor::session::ReplayHint(seed, step) << (sorted ? " sorted" : "") << (tabbed ? " tabbed" : "")
                << ":";
            const int what = rng.Range(0, 99);
            const int count = (int)items.size();
            if (what < 30) {
                const std::string s = RandomText(rng);
                const int r = box.AddString(s.c_str());
                log << " add \"" << vor::session::Escape(s) << "\" -> " << r;
                ASSERT_GE(r, 0) << log.str();
                ASSERT_LE(r, count) << log.str();
                if (!sorted) {
                    ASSERT_EQ(r, count) << log.str();
                }
                items.insert(items.begin() + r, s);
                stale |= locked;
            } else if (what < 50) {
                const std::string s = RandomText(rng);
                const int at = rng.Range(-2, count + 2);
                const int r = box.InsertString(at, s.c_str());
                log << " insert at " << at << " \"" << vor::session::Escape(s) << "\" -> " << r;
                const int want = at == -1 ? count : (at >= 0 && at <= count ? at : LB_ERR);
                ASSERT_EQ(r, want) << log.str();
                if (r >= 0) {
                    items.insert(items.begin() + r, s);
                    stale |= locked;
                }
            } else if (what < 72) {
                const int at = rng.Range(-1, count);
                const int r = box.DeleteString((UINT)at);
                log << " delete " << at << " -> " << r;
                if (at >= 0 && at < count) {
                    ASSERT_EQ(r, count - 1) << log.str();
                    items.erase(items.begin() + at);
                    stale |= locked;
                } else {
                    ASSERT_EQ(r, LB_ERR) << log.str();
                }
            } else if (what < 78) {
                box.LockHExtentUpdate();
                locked = true;
                log << " lock";
            } else if (what < 86) {
                box.UnlockHExtentUpdate();
                locked = false;
                log << " unlock";
            } else if (what < 93) {
                box.UpdateHExtent();
                stale = false;
                log << " rebuild";
            } else if (what < 98) {
                std::vector<int> stops;
                // Too many stops, or a box without LBS_USETABSTOPS: refused.
                const bool tooMany = rng.Chance(10);
                const bool refused = tooMany || !tabbed;
                const int n = tooMany ? 1025 : rng.Range(0, 4);
                // Tab stops ascend; the list box refuses others.
                for (int i = 0, at = 0; i < n; ++i) stops.push_back(at += rng.Range(1, 64));
                const BOOL ok = box.SetTabStops(n, stops.data());
                log << " tab stops " << n << " -> " << ok;
                ASSERT_EQ(ok != 0, !refused) << log.str();
                if (!refused) {
                    m.tabStops = stops;
                    stale |= locked && tabbed;
                }
            } else {
                box.ResetContent();
                items.clear();
                stale = true;
                log << " reset";
            }
            if (rng.Chance(10)) box.Invalidate(TRUE);
            Pump();

            if (vor::session::Trace()) std::printf("%s\n", log.str().c_str());
            SCOPED_TRACE(log.str());
            ASSERT_EQ(box.GetCount(), (int)items.size());
            for (int i = 0; i < (int)items.size(); ++i) {
                CString text;
                box.GetText(i, text);
                ASSERT_EQ(std::string((const char*)text), items[(size_t)i]) << "item " << i;
            }
            ASSERT_EQ(box.m_bLockHExtent != 0, locked);
            if (!locked && !stale) {
                ++m_extentChecks;
                ASSERT_EQ(box.m_arrExtents.GetSize(), (int)items.size());
                int widest = 0;
                for (int i = 0; i < (int)items.size(); ++i) {
                    const int want = m.Width(items[(size_t)i]) + 6;
                    ASSERT_EQ(box.m_arrExtents[i], want) << "extent of item " << i;
                    widest = std::max(widest, want);
                }
                ASSERT_EQ(box.m_nMaxExtent, widest);
                ASSERT_EQ(box.GetHorizontalExtent(), widest);
            }
            ASSERT_EQ(AfxGetAssertFailureCount(), asserts) << "a framework assertion fired";
            const vor::session::GdiCounts now = vor::session::GdiCounts::Now();
            ASSERT_TRUE(now == baseline) << "GDI objects " << now.Text() << ", at the start " << baseline.Text();
        }
        box.DestroyWindow();
        m_playedSteps += steps;
    }
    int m_playedSteps = 0;
    int m_extentChecks = 0;  // steps at which the extents were in step and compared
};

using ListBoxTypes = ::testing::Types<Probe<CHorzListBox>, Probe<CColorListBox>>;
TYPED_TEST_SUITE(ListBoxSession, ListBoxTypes);

TYPED_TEST(ListBoxSession, RandomEditsLocksAndTabStops) {
    const int steps = vor::session::Steps(1500);
    for (uint64_t seed : vor::session::Seeds({11, 12, 13, 14})) {
        this->Play(seed, steps);
        if (this->HasFatalFailure()) return;
    }
    ::testing::Test::RecordProperty("steps", this->m_playedSteps);
    std::printf("%d steps played, extents compared after %d\n", this->m_playedSteps, this->m_extentChecks);
}

}  // namespace
