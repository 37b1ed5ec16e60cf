// The second peer: the same grid as Qt's QTableView over a minimal
// QAbstractTableModel that keeps the cell texts in one array, which is what a
// Qt user writes for large data. Populating fills the array and resets the
// model; everything else is measured as for the QTableWidget peer.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTableView>

#include <cstdlib>
#include <memory>
#include <vector>

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
    QImage image{kWidth, kHeight, QImage::Format_ARGB32_Premultiplied};

    ViewSheet() {
        view.setModel(&model);
        view.resize(kWidth, kHeight);
        view.show();
    }
    void Populate(int rows) { model.Fill(bench::TextsFor(rows)); }
    void Paint() { view.render(&image); }
};

void View_Populate(benchmark::State& state) {
    App();
    int rows = (int)state.range(0);
    const bench::CellTexts& texts = bench::TextsFor(rows);
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<ViewSheet>();
        state.ResumeTiming();
        s->model.Fill(texts);
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(View_Populate)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void View_Repaint(benchmark::State& state) {
    App();
    ViewSheet s;
    s.Populate((int)state.range(0));
    for (auto _ : state) s.Paint();
}
BENCHMARK(View_Repaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void View_HitTest(benchmark::State& state) {
    App();
    ViewSheet s;
    s.Populate((int)state.range(0));
    QPoint pt(kWidth / 2, kHeight / 2);
    for (auto _ : state) {
        QModelIndex index = s.view.indexAt(pt);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(View_HitTest)->Arg(1000)->Arg(1000000)->Unit(benchmark::kNanosecond);

void View_Keystroke(benchmark::State& state) {
    App();
    ViewSheet s;
    s.Populate(1000);
    QModelIndex index = s.model.index(5, 1);
    for (auto _ : state) {
        s.model.setData(index, QStringLiteral("127"), Qt::EditRole);
        s.model.setData(index, QStringLiteral("12"), Qt::EditRole);
    }
    state.SetItemsProcessed(2 * state.iterations());
    state.counters["ns_per_keystroke"] =
        benchmark::Counter(2.0 * (double)state.iterations(), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(View_Keystroke)->Unit(benchmark::kMicrosecond);

void View_ScrollPage(benchmark::State& state) {
    App();
    ViewSheet s;
    s.Populate((int)state.range(0));
    QScrollBar* bar = s.view.verticalScrollBar();
    for (auto _ : state) {
        if (bar->value() >= bar->maximum() - 2 * bar->pageStep()) bar->setValue(0);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        s.Paint();
    }
}
BENCHMARK(View_ScrollPage)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void View_HideShowColumn(benchmark::State& state) {
    App();
    ViewSheet s;
    s.Populate((int)state.range(0));
    for (auto _ : state) {
        s.view.setColumnHidden(3, true);
        s.view.setColumnHidden(3, false);
    }
}
BENCHMARK(View_HideShowColumn)->Arg(100000)->Unit(benchmark::kMillisecond);

void View_MemoryPerCell(benchmark::State& state) {
    App();
    int rows = (int)state.range(0);
    double perCell = 0;
    const bench::CellTexts& texts = bench::TextsFor(rows);
    for (auto _ : state) {
        auto s = std::make_unique<ViewSheet>();
        bench::CountAllocations(true);
        int64_t before = bench::LiveHeapBytes();
        s->model.Fill(texts);
        int64_t after = bench::LiveHeapBytes();
        bench::CountAllocations(false);
        perCell = (double)(after - before) / ((double)rows * kColumns);
        s.reset();
    }
    state.counters["bytes_per_cell"] = perCell;
    state.counters["bytes_beyond_text"] = perCell - 8;
}
BENCHMARK(View_MemoryPerCell)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
