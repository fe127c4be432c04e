#include "document/reader.h"
#include "document/text_codec.h"
#include "document/writer.h"
#include "document_generator.h"
#include "operations/overlap_repair.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace cuefold;

namespace {

void BM_ReadSubtitles(benchmark::State &state)
{
    const QByteArray bytes = SerializeDocument(*bench::GenerateDocument(), false);
    auto doc = std::make_unique<Document>();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSubtitles(bytes, *doc, DisplayTimeRule{}));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadSubtitles)->Unit(benchmark::kMillisecond);

// The generated document with its Czech texts in UTF-8 and a mark.
std::unique_ptr<Document> Utf8Document()
{
    auto doc = bench::GenerateDocument();
    const TextCodec page(doc->Encoding.Name);
    for (int i = 1; i <= doc->LineCount; ++i)
        doc->line(i).Text = page.toUnicode(doc->line(i).Text).toUtf8();
    doc->Encoding = {Utf8Name, true};
    doc->markSaved();
    return doc;
}

// Reading UTF-8 adds the look at the bytes that tells the encoding.
void BM_ReadSubtitlesUtf8(benchmark::State &state)
{
    const QByteArray bytes = SerializeDocument(*Utf8Document(), false);
    auto doc = std::make_unique<Document>();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSubtitles(bytes, *doc, DisplayTimeRule{}));
    if (doc->Encoding.Name != Utf8Name)
        state.SkipWithError("not read as UTF-8");
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadSubtitlesUtf8)->Unit(benchmark::kMillisecond);

// One line of 256 MiB without a line end in memory: every byte is there to
// be looked at, as in a file that is no subtitle file at all.
void BM_ReadOneHugeLine(benchmark::State &state)
{
    const QByteArray bytes = "{1}{2}" + QByteArray(256 << 20, 'a') + "\r\n{3}{4}b\r\n";
    auto doc = std::make_unique<Document>();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSubtitles(bytes, *doc, DisplayTimeRule{}));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadOneHugeLine)->Unit(benchmark::kMillisecond);

void BM_SerializeDocument(benchmark::State &state)
{
    const auto doc = bench::GenerateDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(SerializeDocument(*doc, false));
}
BENCHMARK(BM_SerializeDocument)->Unit(benchmark::kMillisecond);

void BM_SerializeDocumentUtf8(benchmark::State &state)
{
    const auto doc = Utf8Document();
    for (auto _ : state)
        benchmark::DoNotOptimize(SerializeDocument(*doc, false));
}
BENCHMARK(BM_SerializeDocumentUtf8)->Unit(benchmark::kMillisecond);

void BM_SaveSubtitleFile(benchmark::State &state)
{
    const auto doc = bench::GenerateDocument();
    QTemporaryDir dir;
    const QString path = dir.filePath("film.sub");
    for (auto _ : state) {
        if (WriteSubtitleFile(path, SerializeDocument(*doc, false)) != 0)
            state.SkipWithError("writing failed");
    }
}
BENCHMARK(BM_SaveSubtitleFile)->Unit(benchmark::kMillisecond);

void BM_RepairOverlapPairs(benchmark::State &state)
{
    const auto original = bench::GenerateDocument(10);
    auto doc = std::make_unique<Document>();
    for (auto _ : state) {
        state.PauseTiming();
        doc->SubLines = original->SubLines;
        doc->LineCount = original->LineCount;
        state.ResumeTiming();
        benchmark::DoNotOptimize(RepairOverlapPairs(*doc));
    }
}
BENCHMARK(BM_RepairOverlapPairs)->Unit(benchmark::kMicrosecond);

} // namespace
