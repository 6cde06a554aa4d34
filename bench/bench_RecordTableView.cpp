// The table window over a whole client file: the model reset after the
// table changed, the sort of a header click (with its progress window) and
// the painting of one screenful, offscreen. Beside it, the same without the
// paint and the paint alone, so the share of each is plain.

#include "bench/TableData.h"
#include "bench/ui/Paint.h"
#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/ui/ClientTableLook.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"
#include "common/ui/QtPrompts.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace kiv5;
using namespace kiv5::ui;

namespace {

struct TableWindow {
    explicit TableWindow(int rows)
        : unsorted(bench::MakeClientTable(rows)), table(unsorted), profile(ClientTableProfile()),
          sort(profile), prompts(Program::Client), model(table, profile, sort, ClientTableLook()),
          view(model, prompts, progress) {
        view.resize(1200, 800);
        view.SetRowHeight(ClientRowHeight(view.font()));
        view.show();
        QApplication::processEvents();
    }

    // Back to the table as the file was read, outside the measurement.
    void Restore() {
        table = unsorted;
        sort = SortState(profile);
    }

    RecordTable unsorted;
    RecordTable table;
    TableProfile profile;
    SortState sort;
    QtPrompts prompts;
    ProgressTracker progress;
    RecordTableModel model;
    RecordTableView view;
};

// Args: rows, and whether the screenful is painted after the sort.
void BM_ResetSortPaint(benchmark::State& state) {
    TableWindow window(static_cast<int>(state.range(0)));
    const bool paint = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.Restore();
        state.ResumeTiming();
        window.model.Reload();
        window.view.SortByHeader(ClientCol::LastName);
        if (paint) {
            benchmark::DoNotOptimize(bench::PaintOnce(*window.view.viewport()));
        }
    }
}
BENCHMARK(BM_ResetSortPaint)
    ->ArgNames({"rows", "paint"})
    ->Args({10'000, 1})
    ->Args({100'000, 1})
    ->Args({100'000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_PaintViewport(benchmark::State& state) {
    TableWindow window(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::PaintOnce(*window.view.viewport()));
    }
}
BENCHMARK(BM_PaintViewport)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
