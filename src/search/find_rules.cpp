#include "search/find_rules.h"

#include "document/text_codec.h"
#include "document/document.h"
#include "operations/overlap_repair.h"

#include <algorithm>

namespace cuefold {

namespace {

bool IsOneOf(char c, const char *set)
{
    for (; *set; ++set)
        if (*set == c)
            return true;
    return false;
}

// The first character of `text` is a lower-case letter.
bool StartsLowerCase(const QByteArray &text)
{
    const QByteArray first = text.left(DocumentCodec().charSize(text, 0));
    return DocumentCodec().upper(first) != first;
}

// Rule 6: how a text ends against how the next one starts. An empty next
// subtitle is a placeholder that says nothing about the sentence, so it
// never makes the text before it a fault: a translator walking the faults
// would otherwise stop on a subtitle whose text is right.
bool BreaksSentenceFlow(const QByteArray &text, const QByteArray &next)
{
    if (next.isEmpty())
        return false;
    const char e = text.back();
    if (StartsLowerCase(next))
        return IsOneOf(e, ".?!"); // the sentence goes on, yet this one ends it
    return !IsOneOf(e, ".?!\":-"); // the next one starts anew, this one must end
}

// Matches one subtitle for the categories that look at it alone.
bool Matches(const Document &doc, int i, FindWhat what, const FindOptions &options, const QByteArray &upperText)
{
    const TSubLine &l = doc.line(i);
    switch (what) {
    case FindWhat::SyntaxError:
        return l.Find == 1;
    case FindWhat::MissingEnd:
        return l.LErr == "{}";
    case FindWhat::Empty:
        return l.Text.isEmpty();
    case FindWhat::Locked:
        return l.Lock == 1;
    case FindWhat::Marked:
        return l.Mark == 1;
    case FindWhat::Changed:
        return doc.isChanged(i);
    case FindWhat::Punctuation:
        return PunctuationRule(l.Text, i < doc.LineCount ? &doc.line(i + 1).Text : nullptr) != 0;
    case FindWhat::RowLimit:
        return RowCount(l.Text) > options.RowLimit;
    case FindWhat::Text:
        return options.CaseSensitive ? l.Text.contains(options.Text) : DocumentCodec().upper(l.Text).contains(upperText);
    case FindWhat::TooFast:
        return MeasureSubtitle(doc, i).Cps > options.MaxCPS;
    case FindWhat::Spelling:
        return options.Spelling && options.Spelling->hasUnknownWord(DocumentCodec().toUnicode(l.Text));
    case FindWhat::NearShot:
        return NearShot(options.Shots, l.From, l.Last);
    case FindWhat::Overlap:
        break;
    }
    return false;
}

} // namespace

int RowCount(const QByteArray &text)
{
    return 1 + int(text.count('|'));
}

int PunctuationRule(const QByteArray &text, const QByteArray *next)
{
    if (text.isEmpty())
        return 0;
    if (text.startsWith(' '))
        return 1;
    if (text.endsWith('|') || text.endsWith(' '))
        return 2;
    if (text.contains(",,") || text.contains("\"\"") || text.contains("''") || text.contains("|- "))
        return 3;
    if (text.contains("|-") && !text.startsWith('-'))
        return 4;
    if (text.startsWith("- "))
        return 5;
    if (next && BreaksSentenceFlow(text, *next))
        return 6;
    return 0;
}

int FindNextMatch(const Document &doc, FindWhat what, const FindOptions &options, int after)
{
    if (what == FindWhat::Overlap)
        return FindNextRepair(doc, after);
    // Faulty frames are looked for only while the file had any; the counts
    // the other categories wait for would only say what the scan finds.
    if (what == FindWhat::SyntaxError && doc.SyntaxErrorCount < 1)
        return 0;
    if (what == FindWhat::Text && options.Text.isEmpty())
        return 0;
    const QByteArray upperText = what == FindWhat::Text && !options.CaseSensitive ? DocumentCodec().upper(options.Text)
                                                                                 : QByteArray();
    for (int i = std::max(after + 1, 1); i <= doc.LineCount; ++i)
        if (Matches(doc, i, what, options, upperText))
            return i;
    return 0;
}

} // namespace cuefold
