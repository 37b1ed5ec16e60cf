// The grid's benchmarks: an 8-column grid in a 1280 x 800 client area,
// headless. Populating, repainting the viewport, hit testing, one keystroke
// through real input, a page of scrolling, hiding and showing a column, and
// the heap bytes a cell costs.
#include <benchmark/benchmark.h>

#include <afxwin.h>
#include <vorplatform.h>

#include <cstdio>
#include <memory>

#include "AllocCounter.h"
#include "CellTexts.h"
#include "Interleave.h"
#include "VORInPlaceListCtrl.h"
#include "VORInPlaceNotify.h"

namespace {

constexpr int kColumns = 8;
constexpr int kWidth = 1280, kHeight = 800;

CWinApp g_app("vorlib-bench");  // the framework's pre-translation runs through it

// The host: a borderless top-level window whose client area is the grid's.
class CHost : public CWnd {
protected:
    afx_msg LRESULT OnVorNotify(WPARAM, LPARAM) { return 0; }  // accepts every change
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHost, CWnd)
    ON_MESSAGE(WM_VOR_NOTIFY, OnVorNotify)
END_MESSAGE_MAP()

struct Sheet {
    CHost host;
    CVORInPlaceListCtrl grid;

    Sheet() {
        host.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, NULL, NULL);
        grid.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SINGLESEL, CRect(0, 0, kWidth, kHeight),
                    &host, 1);
        grid.SetFont(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
        for (int c = 0; c < kColumns; ++c) {
            char name[16];
            std::snprintf(name, sizeof name, "Column %d", c);
            grid.AddColumn(name, LVCFMT_LEFT, 150, c);
        }
    }
    ~Sheet() {
        grid.DestroyWindow();
        host.DestroyWindow();
    }
    // N rows of eight-character cell texts; the list view is told the
    // number of rows first (LVM_SETITEMCOUNT), as the peer is given its row
    // count.
    void Populate(int rows) { Populate(bench::TextsFor(rows)); }
    void Populate(const bench::CellTexts& texts) {
        const int rows = texts.Rows();
        grid.SetItemCount(rows);
        for (int r = 0; r < rows; ++r) {
            grid.InsertItem(r, texts.At(r, 0));
            for (int c = 1; c < kColumns; ++c) grid.SetItemText(r, c, texts.At(r, c));
        }
    }
};

// Dispatches what is queued, with pre-translation, but paints nothing.
void DispatchWithoutPaint() {
    MSG msg;
    for (;;) {
        if (!::PeekMessageA(&msg, NULL, 0, WM_PAINT - 1, PM_REMOVE) &&
            !::PeekMessageA(&msg, NULL, WM_PAINT + 1, 0xFFFFFFFF, PM_REMOVE))
            break;
        if (!g_app.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void Repaint(Sheet& s) { s.grid.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW); }

// Populating a fresh grid, as often as the minimum time asks (1,000 rows
// some hundred times a run, a million rows once): a single populate of
// 1,000 rows mostly measures the heap settling, as it did while each size
// ran once. Five runs, as single populates spread widely on this machine.
// faults_per_row counts the first touches of memory the process did not
// have yet, outside the timed part.
void BM_Populate(benchmark::State& state) {
    int rows = (int)state.range(0);
    const bench::CellTexts& texts = bench::TextsFor(rows);
    long faults = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<Sheet>();
        const long before = bench::MinorFaults();
        state.ResumeTiming();
        s->Populate(texts);
        state.PauseTiming();
        faults += bench::MinorFaults() - before;
        s.reset();
        VorPumpMessages();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["faults_per_row"] = (double)faults / ((double)rows * (double)state.iterations());
}
BENCHMARK(BM_Populate)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The time a row at each size with the sizes interleaved (see Interleave.h).
void BM_PopulateInterleaved(benchmark::State& state) {
    bench::InterleavedPopulate(state, 11,
                               [](int rows) { return bench::PopulateMicrosPerRow<Sheet>(rows, VorPumpMessages); });
}
BENCHMARK(BM_PopulateInterleaved)->Iterations(1)->Unit(benchmark::kSecond);

void BM_Repaint(benchmark::State& state) {
    Sheet s;
    s.Populate((int)state.range(0));
    VorPumpMessages();
    for (auto _ : state) Repaint(s);
}
BENCHMARK(BM_Repaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Repainting and hit testing at 1,000 and a million rows with the two sizes
// interleaved (see Interleave.h). Both grids live throughout; the one about
// to be repainted is brought to the top first (not timed), so that neither
// paints under the other.
struct SheetPair {
    Sheet small, large;
    SheetPair() {
        small.Populate(1000);
        large.Populate(1000000);
        VorPumpMessages();
    }
    static void Raise(Sheet& s) {
        s.host.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        VorPumpMessages();
    }
};

void BM_RepaintInterleaved(benchmark::State& state) {
    SheetPair p;
    bench::InterleavedBatches(state, p.small, p.large, 10, Repaint, SheetPair::Raise);
}
BENCHMARK(BM_RepaintInterleaved)->Iterations(1)->Unit(benchmark::kSecond);

void BM_HitTestInterleaved(benchmark::State& state) {
    SheetPair p;
    CPoint pt(kWidth / 2, kHeight / 2);  // HitTestEx takes it by reference
    int col = -1;
    bench::InterleavedBatches(state, p.small, p.large, 20000,
                              [&](Sheet& s) { benchmark::DoNotOptimize(s.grid.HitTestEx(pt, col)); });
}
BENCHMARK(BM_HitTestInterleaved)->Iterations(1)->Unit(benchmark::kSecond);

// The middle of the viewport hit tested over and over; with afterMessage a
// message has just reached the list view each time (WM_NULL, counted in), as
// before the hit test of a press, so the grid reads the rows' layout afresh.
void HitTestMiddle(benchmark::State& state, bool afterMessage) {
    Sheet s;
    s.Populate((int)state.range(0));
    VorPumpMessages();
    CPoint pt(kWidth / 2, kHeight / 2);
    int col = -1, row = -1;
    for (auto _ : state) {
        if (afterMessage) s.grid.SendMessage(WM_NULL);
        row = s.grid.HitTestEx(pt, col);
        benchmark::DoNotOptimize(row);
    }
    if (row < 0 || col < 0) state.SkipWithError("the hit test found no cell");
}
void BM_HitTest(benchmark::State& state) { HitTestMiddle(state, false); }
void BM_HitTestAfterMessage(benchmark::State& state) { HitTestMiddle(state, true); }
BENCHMARK(BM_HitTest)->Arg(1000)->Arg(1000000)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_HitTestAfterMessage)->Arg(1000)->Arg(1000000)->Unit(benchmark::kNanosecond);

// One keystroke into an integer cell: key-down, pre-translation, the rich
// edit, the format check, the owner's answer, the stored text and code 5.
// Two keystrokes an iteration (a digit, then Backspace), repaint excluded.
void BM_Keystroke(benchmark::State& state) {
    Sheet s;
    s.Populate(1000);
    for (int r = 0; r < 1000; ++r) {
        s.grid.SetCellEdit(r, 1, 100);
        s.grid.SetCellInt(r, 1);
        s.grid.SetItemText(r, 1, "12");
    }
    s.grid.m_bEditable = TRUE;
    VorPumpMessages();
    s.grid.SetFocus();
    s.grid.EditItem(5, 1, FALSE);
    VorPumpMessages();
    if (!s.grid.IsSelectCell()) {
        state.SkipWithError("no editor opened");
        return;
    }
    ::keybd_event(VK_END, 0, 0, 0);
    ::keybd_event(VK_END, 0, KEYEVENTF_KEYUP, 0);
    DispatchWithoutPaint();
    for (auto _ : state) {
        ::keybd_event('7', 0, 0, 0);
        ::keybd_event('7', 0, KEYEVENTF_KEYUP, 0);
        DispatchWithoutPaint();
        ::keybd_event(VK_BACK, 0, 0, 0);
        ::keybd_event(VK_BACK, 0, KEYEVENTF_KEYUP, 0);
        DispatchWithoutPaint();
    }
    if (s.grid.GetItemText(5, 1) != "12") state.SkipWithError("the keystrokes did not reach the cell");
    state.SetItemsProcessed(2 * state.iterations());
    state.counters["ns_per_keystroke"] =
        benchmark::Counter(2.0 * (double)state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    VorPumpMessages();
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMicrosecond);

void BM_ScrollPage(benchmark::State& state) {
    Sheet s;
    int rows = (int)state.range(0);
    s.Populate(rows);
    VorPumpMessages();
    for (auto _ : state) {
        if (s.grid.GetTopIndex() + 2 * s.grid.GetCountPerPage() >= rows) s.grid.SendMessage(WM_VSCROLL, SB_TOP, 0);
        s.grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        s.grid.UpdateWindow();
    }
}
BENCHMARK(BM_ScrollPage)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_HideShowColumn(benchmark::State& state) {
    Sheet s;
    s.Populate((int)state.range(0));
    VorPumpMessages();
    for (auto _ : state) {
        s.grid.HideColumn(3);
        s.grid.ShowColumn(3, 3);
    }
}
BENCHMARK(BM_HideShowColumn)->Arg(100000)->Unit(benchmark::kMillisecond);

// Heap bytes for 100,000 rows of eight cells of eight characters, and the
// bytes a cell costs beyond its text (8 bytes).
void BM_MemoryPerCell(benchmark::State& state) {
    int rows = (int)state.range(0);
    double perCell = 0;
    const bench::CellTexts& texts = bench::TextsFor(rows);
    for (auto _ : state) {
        auto s = std::make_unique<Sheet>();
        VorPumpMessages();
        bench::CountAllocations(true);
        int64_t before = bench::LiveHeapBytes();
        s->Populate(texts);
        int64_t after = bench::LiveHeapBytes();
        bench::CountAllocations(false);
        perCell = (double)(after - before) / ((double)rows * kColumns);
        s.reset();
        VorPumpMessages();
    }
    state.counters["bytes_per_cell"] = perCell;
    state.counters["bytes_beyond_text"] = perCell - 8;
}
BENCHMARK(BM_MemoryPerCell)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
