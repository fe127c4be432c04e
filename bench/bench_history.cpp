// Undo and redo of a whole-document bulk step as the user runs them with the
// overview grid open, and what a long history of such steps keeps in memory.
#include "document_generator.h"
#include "shown_table.h"
#include "document/document_model.h"
#include "editor/CommandFlow.h"
#include "editor/EditCommands.h"
#include "editor/EditorContext.h"
#include "operations/frame_shift.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace cuefold;

namespace {

void ShiftAll(EditorContext &ctx, double delta)
{
    RunCommand(ctx, {.change = [&] {
                         ctx.model.changeLines([&](Document &d) { ShiftLines(d, 1, delta); });
                         return CommandChange{.modified = ModifiedRule::Check};
                     }});
}

// undo:1 times Alt+Backspace after a shift of all 2500 subtitles, undo:0
// Shift+Alt+Backspace after that undo; both with the grid and panel painted.
void BM_UndoRedoWithGrid(benchmark::State &state)
{
    const bool undo = state.range(0) != 0;
    bench::ShownTable shown(*bench::GenerateDocument());
    EditorContext &ctx = shown.context();
    ShiftAll(ctx, 7);
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        if (!undo)
            ctx.edit->MenuEditUndoCommandClick();
        QApplication::processEvents();
        state.ResumeTiming();
        if (undo)
            ctx.edit->MenuEditUndoCommandClick();
        else
            ctx.edit->MenuEditRedoCommandClick();
        QApplication::processEvents();
        state.PauseTiming();
        if (undo)
            ctx.edit->MenuEditRedoCommandClick();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoRedoWithGrid)->ArgName("undo")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The history's own part of the same: the rows put back and forward in the
// document, without a window.
void BM_UndoRedoBulkStep(benchmark::State &state)
{
    auto original = bench::GenerateDocument();
    DocumentModel model;
    model.load([&](Document &d) { d = *original; });
    model.changeLines([](Document &d) { ShiftLines(d, 1, 7); });
    for (auto _ : state) {
        model.stepHistory(true);
        model.stepHistory(false);
    }
}
BENCHMARK(BM_UndoRedoBulkStep)->Unit(benchmark::kMicrosecond);

// 200 shifts of all 2500 subtitles: the heap the history holds, measured
// by the allocator, beside the history's own estimate.
void BM_HistoryOf200BulkSteps(benchmark::State &state)
{
    auto original = bench::GenerateDocument();
    for (auto _ : state) {
        DocumentModel model;
        model.load([&](Document &d) { d = *original; });
        const size_t before = mallinfo2().uordblks;
        for (int n = 0; n < 200; ++n)
            model.changeLines([&](Document &d) { ShiftLines(d, 1, n % 2 ? -3 : 5); });
        const size_t held = mallinfo2().uordblks - before;
        state.counters["heap_MiB"] = double(held) / (1 << 20);
        state.counters["estimate_MiB"] = double(model.history().bytes()) / (1 << 20);
        benchmark::DoNotOptimize(model.history().size());
    }
}
BENCHMARK(BM_HistoryOf200BulkSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
