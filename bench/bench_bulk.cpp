// The bulk commands over a full document, each on a fresh copy, telling a
// row counter what changed as the grid refresh would be told.
#include "document_generator.h"
#include "document/code_page.h"
#include "document/document_model.h"
#include "operations/frame_gaps.h"
#include "operations/frame_shift.h"
#include "operations/overlap_repair.h"
#include "operations/range_commands.h"
#include "operations/width_analysis.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

template <typename Command>
void OnFreshCopies(benchmark::State &state, const Document &original, Command command)
{
    auto doc = std::make_unique<Document>();
    for (auto _ : state) {
        state.PauseTiming();
        *doc = original;
        state.ResumeTiming();
        benchmark::DoNotOptimize(command(*doc));
    }
}

void BM_Shift(benchmark::State &state)
{
    OnFreshCopies(state, *bench::GenerateDocument(), [](Document &d) {
        return ShiftLines(d, 1, -150);
    });
}
BENCHMARK(BM_Shift)->Unit(benchmark::kMicrosecond);

// The same shift through the document model: the edit's snapshot, the rows
// it changed found and recorded, and the one announcement.
void BM_ShiftRecorded(benchmark::State &state)
{
    const auto original = bench::GenerateDocument();
    DocumentModel model;
    for (auto _ : state) {
        state.PauseTiming();
        model.load([&](Document &d) { d = *original; });
        state.ResumeTiming();
        benchmark::DoNotOptimize(model.changeLines([](Document &d) { return ShiftLines(d, 1, -150); }));
    }
}
BENCHMARK(BM_ShiftRecorded)->Unit(benchmark::kMicrosecond);

void BM_ShiftTo(benchmark::State &state)
{
    OnFreshCopies(state, *bench::GenerateDocument(), [](Document &d) {
        return ShiftLines(d, 2, ShiftToAmount(d, 2, 500));
    });
}
BENCHMARK(BM_ShiftTo)->Unit(benchmark::kMicrosecond);

void BM_Enlarge(benchmark::State &state)
{
    OnFreshCopies(state, *bench::GenerateDocument(), [](Document &d) {
        return EnlargeLines(d, 1, 10, 2);
    });
}
BENCHMARK(BM_Enlarge)->Unit(benchmark::kMicrosecond);

void BM_CloseShortGaps(benchmark::State &state)
{
    OnFreshCopies(state, *bench::GenerateDocument(10), [](Document &d) {
        return CloseShortGaps(d, 8, 2);
    });
}
BENCHMARK(BM_CloseShortGaps)->Unit(benchmark::kMicrosecond);

void BM_InsertGaps(benchmark::State &state)
{
    OnFreshCopies(state, *bench::GenerateDocument(10), [](Document &d) {
        return InsertGaps(d, 6);
    });
}
BENCHMARK(BM_InsertGaps)->Unit(benchmark::kMicrosecond);

// Accepting the first note of a repaired document: the repair runs again.
void BM_AcceptRepair(benchmark::State &state)
{
    auto repaired = bench::GenerateDocument(10);
    RepairOverlapPairs(*repaired);
    OnFreshCopies(state, *repaired, [](Document &d) {
        return AcceptRepair(d, FirstRepair(d));
    });
}
BENCHMARK(BM_AcceptRepair)->Unit(benchmark::kMicrosecond);

void BM_RemoveBreaksInRange(benchmark::State &state)
{
    OnFreshCopies(state, *bench::GenerateDocument(), [](Document &d) {
        return RemoveBreaksInRange(d, {.Except = true});
    });
}
BENCHMARK(BM_RemoveBreaksInRange)->Unit(benchmark::kMicrosecond);

void BM_LockAll(benchmark::State &state)
{
    OnFreshCopies(state, *bench::GenerateDocument(), [](Document &d) {
        return SetLockInRange(d, {.Except = true}, true);
    });
}
BENCHMARK(BM_LockAll)->Unit(benchmark::kMicrosecond);

void BM_UnlockAll(benchmark::State &state)
{
    OnFreshCopies(state, *bench::GenerateDocument(), [](Document &d) {
        return SetLockInRange(d, {}, false);
    });
}
BENCHMARK(BM_UnlockAll)->Unit(benchmark::kMicrosecond);

void BM_UnmarkAll(benchmark::State &state)
{
    auto marked = bench::GenerateDocument();
    for (int i = 1; i <= marked->LineCount; i += 3)
        marked->line(i).Mark = 1;
    OnFreshCopies(state, *marked, [](Document &d) { return UnmarkAll(d); });
}
BENCHMARK(BM_UnmarkAll)->Unit(benchmark::kMicrosecond);

int CharacterWidth(const QFontMetrics &metrics, QChar c)
{
    return metrics.horizontalAdvance(c);
}

// The pixel list measures in a real font, as the analysis window does:
// either by shaping every row (list 0, shaped 1) or from the widths of single
// characters (shaped 0), a table the window measures once per font.
void BM_AnalysisList(benchmark::State &state)
{
    const auto doc = bench::GenerateDocument();
    const QFontMetrics metrics(QGuiApplication::font());
    const RowWidth shaped = [&metrics](const QByteArray &row) {
        return metrics.horizontalAdvance(CodePage::toUnicode(row));
    };
    const RowWidth summed = SummedCharacterWidths([&metrics](QChar c) { return CharacterWidth(metrics, c); });
    const auto kind = static_cast<AnalysisKind>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildAnalysisList(*doc, kind, state.range(1) ? shaped : summed));
}
BENCHMARK(BM_AnalysisList)
    ->ArgNames({"list", "shaped"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_CharacterWidthTable(benchmark::State &state)
{
    const QFontMetrics metrics(QGuiApplication::font());
    for (auto _ : state)
        benchmark::DoNotOptimize(SummedCharacterWidths([&metrics](QChar c) { return CharacterWidth(metrics, c); }));
}
BENCHMARK(BM_CharacterWidthTable)->Unit(benchmark::kMicrosecond);

} // namespace
