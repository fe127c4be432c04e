// Bulk commands and find steps as the user meets them with the overview grid
// open: the command's change through the command flow, the grid's rows
// rewritten, and the grid and panel painted.
#include "document_generator.h"
#include "shown_table.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "operations/frame_gaps.h"
#include "operations/frame_shift.h"
#include "operations/overlap_repair.h"
#include "operations/range_commands.h"
#include "search/FTable.h"
#include "search/SearchCommands.h"
#include "search/TableCellDelegate.h"
#include "search/find_state.h"

#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

using BulkChange = std::function<void(Document &)>;

// The grid as a user has it before a command: built anew (a new delegate
// for the grid and its frozen number column) and painted once with the
// document as it is, so nothing of what the command will show was drawn
// before. Runs untimed.
void ForgetLayouts(TFormTable *table)
{
    QTableView *grid = table->grid();
    QAbstractItemDelegate *old = grid->itemDelegate();
    auto *fresh = new TableCellDelegate(grid);
    for (QTableView *view : grid->findChildren<QTableView *>())
        view->setItemDelegate(fresh);
    grid->setItemDelegate(fresh);
    delete old;
    QApplication::processEvents(QEventLoop::AllEvents, 100);
}

struct BulkCase {
    const char *name;
    int overlapEvery;
    BulkChange change;
};

const BulkCase BulkCases[] = {
    {"shift", 0, [](Document &d) { ShiftLines(d, 1, -150); }},
    {"enlarge", 0, [](Document &d) { EnlargeLines(d, 1, 10, 2); }},
    {"close_gaps", 10, [](Document &d) { CloseShortGaps(d, 8, 2); }},
    {"insert_gaps", 10, [](Document &d) { InsertGaps(d, 6); }},
    {"repair_overlaps", 10, [](Document &d) { RepairOverlapPairs(d); }},
    {"remove_breaks", 0, [](Document &d) { RemoveBreaksInRange(d, {.Except = true}); }},
    {"lock_all", 0, [](Document &d) { SetLockInRange(d, {}, true); }},
    {"unmark_all", 0, [](Document &d) { UnmarkAll(d); }},
};

void BM_BulkWithGrid(benchmark::State &state)
{
    const BulkCase &bulk = BulkCases[state.range(0)];
    const bool fresh = state.range(1) != 0;
    state.SetLabel(bulk.name);
    auto original = bench::GenerateDocument(bulk.overlapEvery);
    for (int i = 1; i <= original->LineCount; i += 3)
        original->line(i).Mark = 1;
    bench::ShownTable shown(*original);
    EditorContext &ctx = shown.context();
    for (auto _ : state) {
        state.PauseTiming();
        ctx.model.load([&](Document &d) { d = *original; });
        // Everything the load asked for is done before the command: a
        // user's command never finds the grid still laying out a new file.
        QApplication::processEvents(QEventLoop::AllEvents, 100);
        if (fresh)
            ForgetLayouts(shown.table());
        state.ResumeTiming();
        RunCommand(ctx, {.change = [&] {
                             ctx.model.changeLines(bulk.change);
                             return CommandChange{.modified = ModifiedRule::Check};
                         }});
        QApplication::processEvents();
    }
}
// fresh:1 is the command as a user runs it, on a grid built anew that has
// drawn only the document before the command; fresh:0 repeats it on the
// same grid, which drew the same results in the previous run.
BENCHMARK(BM_BulkWithGrid)
    ->ArgNames({"command", "fresh"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, std::size(BulkCases) - 1, 1), {1, 0}})
    ->Unit(benchmark::kMicrosecond);

// One F3 press: fresh statistics, the search from the current subtitle, the
// match made current and shown in the panel and the grid. At the last match
// the walk starts again from subtitle 1.
void BM_FindNextWithGrid(benchmark::State &state)
{
    bench::ShownTable shown(*bench::GenerateFindDocument());
    EditorContext &ctx = shown.context();
    FindState find;
    const int category = int(state.range(0));
    const bool fresh = state.range(1) != 0;
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            ForgetLayouts(shown.table());
            state.ResumeTiming();
        }
        ctx.search->RefreshProperties();
        find.FindCategory = category;
        const FindResult found = RunFind(ctx.doc(), find, "jak", false, 17);
        ctx.panel.ShowLine(found.Line > 0 ? found.Line : 1, ShowPlain);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FindNextWithGrid)
    ->ArgNames({"category", "fresh"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, FindWhatCount - 1, 1), {1, 0}})
    ->Unit(benchmark::kMicrosecond);

} // namespace
