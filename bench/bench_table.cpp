#include "config/language_table.h"
#include "document_generator.h"
#include "shown_table.h"
#include "search/FTable.h"
#include "search/table_model.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

// Counts the paints of a widget, to show that every iteration really drew
// the grid and not only filled the model.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

// Run with `make bench` (BUILD=<folder> for another build folder), or one
// benchmark: build/cuefold_bench --benchmark_filter=FillTable

void BM_TableModelFill(benchmark::State &state)
{
    LoadDefaultTexts();
    const auto doc = bench::GenerateDocument();
    TableModel model;
    for (auto _ : state)
        model.fill(*doc);
    state.SetItemsProcessed(state.iterations() * doc->LineCount);
}
BENCHMARK(BM_TableModelFill)->Unit(benchmark::kMillisecond);

void BM_FillTable(benchmark::State &state)
{
    bench::ShownTable shown(*bench::GenerateDocument());
    PaintCounter counter;
    shown.table()->grid()->viewport()->installEventFilter(&counter);
    for (auto _ : state) {
        shown.table()->FillTable();
        // The reset reaches the screen through posted relayout and paint events.
        QApplication::processEvents();
    }
    state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    shown.table()->grid()->viewport()->removeEventFilter(&counter);
}
BENCHMARK(BM_FillTable)->Unit(benchmark::kMillisecond);

} // namespace
