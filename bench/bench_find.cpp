// Find next over a full document: every category walked from subtitle 1 to
// the end, match after match, as repeated F3 presses would.
#include "document_generator.h"
#include "search/find_rules.h"

#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

void BM_FindAllMatches(benchmark::State &state)
{
    const auto doc = bench::GenerateFindDocument();
    const auto what = static_cast<FindWhat>(state.range(0));
    const FindOptions options{"jak", false, 2};
    int matches = 0;
    for (auto _ : state) {
        for (int i = FindNextMatch(*doc, what, options, 1); i > 0; i = FindNextMatch(*doc, what, options, i))
            ++matches;
    }
    state.counters["matches"] = double(matches) / double(state.iterations());
}
BENCHMARK(BM_FindAllMatches)->ArgName("category")->DenseRange(0, FindWhatCount - 1)->Unit(benchmark::kMicrosecond);

} // namespace
