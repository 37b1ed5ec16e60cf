// The same work for two peers on Qt 5's offscreen platform: QTableWidget
// (the peer), and QTableView over a minimal QAbstractTableModel that keeps the
// cell texts in one array (the view peer), which is what a Qt user writes for
// large data. Both are populated with the same texts (the view peer fills its
// array and resets the model), paint the same viewport size into a QImage,
// hit test the middle, commit one edit through their model, scroll a page,
// hide and show a column, and count the heap bytes of a cell.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "AllocCounter.h"
#include "CellTexts.h"
#include "Interleave.h"

namespace {

constexpr int kColumns = 8;
constexpr int kWidth = 1280, kHeight = 800;

QApplication& App() {
    static int argc = 1;
    static char name[] = "vorlib-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return new QApplication(argc, argv);
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
    void Populate(const bench::CellTexts& texts) {
        const int rows = texts.Rows();
        table.setRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kColumns; ++c)
                table.setItem(r, c, new QTableWidgetItem(QString::fromLatin1(texts.At(r, c))));
    }
    QTableView& View() { return table; }
    QAbstractItemModel* Model() { return table.model(); }
};

class CellModel : public QAbstractTableModel {
public:
    void Fill(const bench::CellTexts& texts) {
        beginResetModel();
        const int rows = texts.Rows();
        m_cells.clear();
        m_cells.reserve((size_t)rows * kColumns);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kColumns; ++c) m_cells.push_back(QString::fromLatin1(texts.At(r, c)));
        m_rows = rows;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : kColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return QVariant();
        return m_cells[(size_t)index.row() * kColumns + (size_t)index.column()];
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || role != Qt::EditRole) return false;
        m_cells[(size_t)index.row() * kColumns + (size_t)index.column()] = value.toString();
        emit dataChanged(index, index, {role});
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }

private:
    std::vector<QString> m_cells;
    int m_rows = 0;
};

struct ViewSheet {
    CellModel model;
    QTableView view;

    ViewSheet() {
        view.setModel(&model);
        view.resize(kWidth, kHeight);
        view.show();
    }
    void Populate(const bench::CellTexts& texts) { model.Fill(texts); }
    QTableView& View() { return view; }
    QAbstractItemModel* Model() { return &model; }
};

template <class Sheet>
void Populate(benchmark::State& state) {
    App();
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
        state.ResumeTiming();
    }
    state.counters["faults_per_row"] = (double)faults / ((double)rows * (double)state.iterations());
}

// The time a row at each size with the sizes interleaved (see Interleave.h);
// fewer rounds than ours, as a million rows take the peer some seconds.
template <class Sheet>
void PopulateInterleaved(benchmark::State& state) {
    App();
    bench::InterleavedPopulate(state, 5, [](int rows) { return bench::PopulateMicrosPerRow<Sheet>(rows); });
}

template <class Sheet>
void Repaint(benchmark::State& state) {
    App();
    Sheet s;
    s.Populate(bench::TextsFor((int)state.range(0)));
    QImage image{kWidth, kHeight, QImage::Format_ARGB32_Premultiplied};
    for (auto _ : state) s.View().render(&image);
}

template <class Sheet>
void HitTest(benchmark::State& state) {
    App();
    Sheet s;
    s.Populate(bench::TextsFor((int)state.range(0)));
    QPoint pt(kWidth / 2, kHeight / 2);
    for (auto _ : state) {
        QModelIndex index = s.View().indexAt(pt);
        benchmark::DoNotOptimize(index);
    }
}

// Repainting and hit testing at 1,000 and a million rows with the two sizes
// interleaved (see Interleave.h), as for ours.
template <class Sheet>
struct PeerPair {
    Sheet small, large;
    PeerPair() {
        App();
        small.Populate(bench::TextsFor(1000));
        large.Populate(bench::TextsFor(1000000));
    }
};

template <class Sheet>
void RepaintInterleaved(benchmark::State& state) {
    PeerPair<Sheet> p;
    QImage image{kWidth, kHeight, QImage::Format_ARGB32_Premultiplied};
    bench::InterleavedBatches(state, p.small, p.large, 10, [&](Sheet& s) { s.View().render(&image); });
}

template <class Sheet>
void HitTestInterleaved(benchmark::State& state) {
    PeerPair<Sheet> p;
    const QPoint pt(kWidth / 2, kHeight / 2);
    bench::InterleavedBatches(state, p.small, p.large, 20000,
                              [&](Sheet& s) { benchmark::DoNotOptimize(s.View().indexAt(pt)); });
}

// One committed edit through the model, two an iteration as for ours.
template <class Sheet>
void Keystroke(benchmark::State& state) {
    App();
    Sheet s;
    s.Populate(bench::TextsFor(1000));
    QAbstractItemModel* model = s.Model();
    QModelIndex index = model->index(5, 1);
    for (auto _ : state) {
        model->setData(index, QStringLiteral("127"));
        model->setData(index, QStringLiteral("12"));
    }
    state.SetItemsProcessed(2 * state.iterations());
    state.counters["ns_per_keystroke"] =
        benchmark::Counter(2.0 * (double)state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

template <class Sheet>
void ScrollPage(benchmark::State& state) {
    App();
    Sheet s;
    s.Populate(bench::TextsFor((int)state.range(0)));
    QImage image{kWidth, kHeight, QImage::Format_ARGB32_Premultiplied};
    QScrollBar* bar = s.View().verticalScrollBar();
    for (auto _ : state) {
        if (bar->value() >= bar->maximum() - 2 * bar->pageStep()) bar->setValue(0);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        s.View().render(&image);
    }
}

template <class Sheet>
void HideShowColumn(benchmark::State& state) {
    App();
    Sheet s;
    s.Populate(bench::TextsFor((int)state.range(0)));
    for (auto _ : state) {
        s.View().setColumnHidden(3, true);
        s.View().setColumnHidden(3, false);
    }
}

template <class Sheet>
void MemoryPerCell(benchmark::State& state) {
    App();
    int rows = (int)state.range(0);
    double perCell = 0;
    const bench::CellTexts& texts = bench::TextsFor(rows);
    for (auto _ : state) {
        auto s = std::make_unique<Sheet>();
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

// Each measurement for both peers, named Peer_... and View_....
template <class Sheet>
void RegisterFor(const std::string& prefix) {
    using benchmark::RegisterBenchmark;
    // As ours: as often as the minimum time asks, five runs.
    RegisterBenchmark((prefix + "Populate").c_str(), Populate<Sheet>)
        ->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(5);
    RegisterBenchmark((prefix + "PopulateInterleaved").c_str(), PopulateInterleaved<Sheet>)
        ->Iterations(1)->Unit(benchmark::kSecond);
    RegisterBenchmark((prefix + "Repaint").c_str(), Repaint<Sheet>)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark((prefix + "HitTest").c_str(), HitTest<Sheet>)->Arg(1000)->Arg(1000000)->Unit(benchmark::kNanosecond);
    RegisterBenchmark((prefix + "RepaintInterleaved").c_str(), RepaintInterleaved<Sheet>)
        ->Iterations(1)->Unit(benchmark::kSecond);
    RegisterBenchmark((prefix + "HitTestInterleaved").c_str(), HitTestInterleaved<Sheet>)
        ->Iterations(1)->Unit(benchmark::kSecond);
    RegisterBenchmark((prefix + "Keystroke").c_str(), Keystroke<Sheet>)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark((prefix + "ScrollPage").c_str(), ScrollPage<Sheet>)->Arg(1000000)->Unit(benchmark::kMicrosecond);
    RegisterBenchmark((prefix + "HideShowColumn").c_str(), HideShowColumn<Sheet>)
        ->Arg(100000)->Unit(benchmark::kMillisecond);
    RegisterBenchmark((prefix + "MemoryPerCell").c_str(), MemoryPerCell<Sheet>)
        ->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
}

const bool g_registered = [] {
    RegisterFor<PeerSheet>("Peer_");
    RegisterFor<ViewSheet>("View_");
    return true;
}();

}  // namespace
