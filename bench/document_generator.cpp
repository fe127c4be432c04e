#include "document_generator.h"

#include "operations/overlap_repair.h"

#include <random>

namespace cuefold::bench {

std::unique_ptr<Document> GenerateDocument(int overlapEvery)
{
    static const char *const rows[] = {
        "Ahoj, jak se m\xE1\x9A?", "To je v\x9A" "echno.", "Po\xE8kej na m\xEC!",
        "{y:i}Kde jsi byl?", "- Ne.|- Ano.", "P\xF8ijdu z\xEDtra v 8 hodin.",
    };
    std::mt19937 rng(2500);
    std::uniform_int_distribution<int> pick(0, std::size(rows) - 1);
    std::uniform_int_distribution<int> rowCount(1, 3);
    std::uniform_int_distribution<int> length(30, 120);

    auto doc = std::make_unique<Document>();
    doc->reset();
    doc->SubLines[1] = TSubLine{1, 1, "25", 1, 0, 0, {}, {}};
    double frame = 100;
    for (int i = 2; i <= Document::Capacity; ++i) {
        TSubLine &l = doc->SubLines[i];
        const bool overlap = overlapEvery > 0 && i % overlapEvery == 0;
        l.From = overlap ? frame - 20 : frame;
        l.Last = l.From + length(rng);
        for (int r = rowCount(rng); r > 0; --r)
            l.Text += QByteArray(rows[pick(rng)]) + (r > 1 ? "|" : "");
        l.Lock = i % 17 == 0;
        frame = l.Last + 5;
    }
    doc->LineCount = Document::Capacity;
    doc->CurrentLine = 1;
    doc->markSaved();
    return doc;
}

std::unique_ptr<Document> GenerateFindDocument()
{
    auto doc = GenerateDocument(10);
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

} // namespace cuefold::bench
