// Find next over a full document: every category walked from subtitle 1 to
// the end, match after match, as repeated F3 presses would.
#include "document_generator.h"
#include "operations/overlap_repair.h"
#include "search/find_rules.h"

#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

// Something of every category, spread over the file.
std::unique_ptr<Document> FindDocument()
{
    auto doc = bench::GenerateDocument(10);
    RepairOverlapPairs(*doc);
    for (int i = 2; i <= doc->LineCount; ++i) {
        TSubLine &l = doc->line(i);
        if (i % 97 == 0)
            l.Text.clear();
        if (i % 61 == 0)
            l.LErr = "{}";
        if (i % 89 == 0)
            l.Find = 1;
        l.Mark = i % 41 == 0;
        if (i % 53 == 0)
            l.Last += 1;
    }
    doc->SyntaxErrorCount = 1;
    return doc;
}

void BM_FindAllMatches(benchmark::State &state)
{
    const auto doc = FindDocument();
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
