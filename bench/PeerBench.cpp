// The same work for the peer, Qt 5's QTableWidget on the offscreen
// platform: populated with the same texts, painting the same viewport size
// into a QImage, hit testing the middle, committing one edit through its
// model, a page of scrolling, hiding and showing a column, heap per cell.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTableWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "AllocCounter.h"
#include "CellTexts.h"

namespace {

constexpr int kColumns = 8;
constexpr int kWidth = 1280, kHeight = 800;

QApplication& App() {
    static int argc = 1;
    static char name[] = "vorlib-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        // One application for both peers, whichever runs first.
        return QApplication::instance() ? static_cast<QApplication*>(QApplication::instance())
                                        : new QApplication(argc, argv);
    }();
    return *app;
}

struct PeerSheet {
    QTableWidget table;
    QImage image{kWidth, kHeight, QImage::Format_ARGB32_Premultiplied};

    PeerSheet() : table(0, kColumns) {
        table.resize(kWidth, kHeight);
        table.show();
    }
    void Populate(int rows) { Populate(bench::TextsFor(rows)); }
    void Populate(const bench::CellTexts& texts) {
        const int rows = texts.Rows();
        table.setRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kColumns; ++c)
                table.setItem(r, c, new QTableWidgetItem(QString::fromLatin1(texts.At(r, c))));
    }
    void Paint() { table.render(&image); }
};

void Peer_Populate(benchmark::State& state) {
    App();
    int rows = (int)state.range(0);
    const bench::CellTexts& texts = bench::TextsFor(rows);
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<PeerSheet>();
        state.ResumeTiming();
        s->Populate(texts);
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(Peer_Populate)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void Peer_Repaint(benchmark::State& state) {
    App();
    PeerSheet s;
    s.Populate((int)state.range(0));
    for (auto _ : state) s.Paint();
}
BENCHMARK(Peer_Repaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void Peer_HitTest(benchmark::State& state) {
    App();
    PeerSheet s;
    s.Populate((int)state.range(0));
    QPoint pt(kWidth / 2, kHeight / 2);
    for (auto _ : state) {
        QModelIndex index = s.table.indexAt(pt);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(Peer_HitTest)->Arg(1000)->Arg(1000000)->Unit(benchmark::kNanosecond);

// One committed edit through the model, two an iteration as for ours.
void Peer_Keystroke(benchmark::State& state) {
    App();
    PeerSheet s;
    s.Populate(1000);
    QAbstractItemModel* model = s.table.model();
    QModelIndex index = model->index(5, 1);
    for (auto _ : state) {
        model->setData(index, QStringLiteral("127"));
        model->setData(index, QStringLiteral("12"));
    }
    state.SetItemsProcessed(2 * state.iterations());
    state.counters["ns_per_keystroke"] =
        benchmark::Counter(2.0 * (double)state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(Peer_Keystroke)->Unit(benchmark::kMicrosecond);

void Peer_ScrollPage(benchmark::State& state) {
    App();
    PeerSheet s;
    s.Populate((int)state.range(0));
    QScrollBar* bar = s.table.verticalScrollBar();
    for (auto _ : state) {
        if (bar->value() >= bar->maximum() - 2 * bar->pageStep()) bar->setValue(0);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        s.Paint();
    }
}
BENCHMARK(Peer_ScrollPage)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void Peer_HideShowColumn(benchmark::State& state) {
    App();
    PeerSheet s;
    s.Populate((int)state.range(0));
    for (auto _ : state) {
        s.table.setColumnHidden(3, true);
        s.table.setColumnHidden(3, false);
    }
}
BENCHMARK(Peer_HideShowColumn)->Arg(100000)->Unit(benchmark::kMillisecond);

void Peer_MemoryPerCell(benchmark::State& state) {
    App();
    int rows = (int)state.range(0);
    double perCell = 0;
    const bench::CellTexts& texts = bench::TextsFor(rows);
    for (auto _ : state) {
        auto s = std::make_unique<PeerSheet>();
        bench::CountAllocations(true);
        int64_t before = bench::LiveHeapBytes();
        s->Populate(texts);
        int64_t after = bench::LiveHeapBytes();
        bench::CountAllocations(false);
        perCell = (double)(after - before) / ((double)rows * kColumns);
        s.reset();
    }
    state.counters["bytes_per_cell"] = perCell;
    state.counters["bytes_beyond_text"] = perCell - 8;
}
BENCHMARK(Peer_MemoryPerCell)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
