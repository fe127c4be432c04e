// Spelling over a whole film: Find's category of unknown words walked from
// subtitle 1 to the end.
#include "document/code_page.h"
#include "document_generator.h"
#include "editor/speller.h"
#include "search/find_rules.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace cuefold;

namespace {

const QString Folder = QStringLiteral("/usr/share/hunspell");

// A film's worth of varied Czech: words drawn from the dictionary's own list
// (some 16,000 words, nearly all different: far more than a film has), one
// to two rows of three to seven words, and a made-up name in every 40th
// subtitle.
std::unique_ptr<Document> VariedDocument()
{
    QFile list(Folder + QStringLiteral("/cs_CZ.dic"));
    list.open(QIODevice::ReadOnly);
    QList<QByteArray> words;
    for (const QByteArray &line : list.readAll().split('\n')) {
        const QString word = QString::fromUtf8(line.left(line.indexOf('/'))).trimmed();
        const QByteArray bytes = CodePage::fromUnicode(word);
        if (word.size() > 1 && CodePage::toUnicode(bytes) == word && word[0].isLower())
            words.append(bytes);
    }
    std::mt19937 rng(2500);
    std::uniform_int_distribution<qsizetype> pick(0, words.size() - 1);
    std::uniform_int_distribution<int> rowLength(3, 7);
    auto doc = bench::GenerateDocument();
    for (int i = 2; i <= doc->LineCount; ++i) {
        QByteArray &text = doc->line(i).Text;
        text.clear();
        for (int row = i % 3 == 0 ? 2 : 1; row > 0; --row) {
            for (int n = rowLength(rng); n > 0; --n)
                text += words[pick(rng)] + (n > 1 ? " " : row > 1 ? ",|" : ".");
        }
        if (i % 40 == 0) // letters only: a run touching a digit is a number, never checked
            text += " Zqwx" + QByteArray(1, char('a' + i / 40 % 26)) + QByteArray(1, char('a' + i / 1040));
    }
    return doc;
}

int WalkUnknown(const Document &doc, const Speller &speller)
{
    FindOptions options;
    options.Spelling = &speller;
    int matches = 0;
    for (int i = FindNextMatch(doc, FindWhat::Spelling, options, 1); i > 0;
         i = FindNextMatch(doc, FindWhat::Spelling, options, i))
        ++matches;
    return matches;
}

// fresh:1 - a dictionary just opened, each word asked of Hunspell for the
// first time; fresh:0 - the same walk again, the answers remembered.
void BM_SpellingFindAll(benchmark::State &state)
{
    const auto doc = VariedDocument();
    QTemporaryDir home;
    const QString own = home.filePath(QStringLiteral("words.txt"));
    Speller speller;
    speller.open(Folder, QStringLiteral("cs_CZ"), own);
    if (!state.range(0))
        WalkUnknown(*doc, speller);
    int matches = 0;
    for (auto _ : state) {
        if (state.range(0)) {
            state.PauseTiming();
            speller.open(Folder, QStringLiteral("cs_CZ"), own);
            state.ResumeTiming();
        }
        matches = WalkUnknown(*doc, speller);
    }
    state.counters["matches"] = matches;
}
BENCHMARK(BM_SpellingFindAll)->ArgName("fresh")->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpellingFindAll)->ArgName("fresh")->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
