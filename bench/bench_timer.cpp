// One Timer1 tick's editor-side work over a full document: finding the
// subtitle under the playing position and whether the position is inside it.
#include "document_generator.h"
#include "player/follow_search.h"

#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

// The worst tick: the search starts at the top (after a backward jump or a
// locate request) and the position lies beyond the last subtitle.
void BM_FollowSearchFromTheTop(benchmark::State &state)
{
    const auto doc = bench::GenerateDocument();
    const double position = doc->line(doc->LineCount).Last + 1000;
    for (auto _ : state) {
        const int line = FindFollowLine(*doc, 1, position);
        benchmark::DoNotOptimize(IsInsideSubtitle(*doc, line, position));
    }
}
BENCHMARK(BM_FollowSearchFromTheTop)->Unit(benchmark::kMicrosecond);

// An ordinary playing tick: the search resumes where the last one stopped.
void BM_FollowSearchFromTheLastStop(benchmark::State &state)
{
    const auto doc = bench::GenerateDocument();
    const int middle = doc->LineCount / 2;
    const double position = doc->line(middle).From + 1;
    for (auto _ : state) {
        const int line = FindFollowLine(*doc, middle - 1, position);
        benchmark::DoNotOptimize(IsInsideSubtitle(*doc, line, position));
    }
}
BENCHMARK(BM_FollowSearchFromTheLastStop)->Unit(benchmark::kMicrosecond);

} // namespace
