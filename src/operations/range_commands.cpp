#include "operations/range_commands.h"

#include "document/document.h"
#include "editor/line_breaks.h"

#include <algorithm>

namespace cuefold {

bool IsDialogue(const QByteArray &text)
{
    // Break by break: a search for a single byte is several times quicker
    // than one for the pair, and most texts have one break or none.
    for (qsizetype bar = text.indexOf('|'); bar >= 0; bar = text.indexOf('|', bar + 1))
        if (bar + 1 < text.size() && text.at(bar + 1) == '-')
            return true;
    return false;
}

QByteArray RemoveAllBreaks(const QByteArray &text)
{
    const QByteArrayView view(text);
    return RemoveBreaksIn(text.endsWith('|') ? view.chopped(1) : view);
}

LineRange ChosenRange(const Document &doc, const RangeChoice &choice)
{
    if ((choice.FromCurrent || choice.ToCurrent) && !doc.validIndex(doc.CurrentLine))
        return {};
    const int first = choice.FromCurrent ? doc.CurrentLine : 1;
    const int last = choice.ToCurrent ? doc.CurrentLine : doc.LineCount;
    return {std::max(first, 1), std::min(last, doc.LineCount)};
}

namespace {

bool InStint(const TSubLine &l, RangeStint stint)
{
    switch (stint) {
    case RangeStint::RespectLock:
        return !l.Lock;
    case RangeStint::IgnoreLock:
        return true;
    case RangeStint::MarkedOnly:
        break;
    }
    return l.Mark;
}

} // namespace

int RemoveBreaksInRange(Document &doc, const RangeChoice &choice)
{
    const LineRange range = ChosenRange(doc, choice);
    int count = 0;
    for (int i = range.First; i <= range.Last; ++i) {
        TSubLine &l = doc.line(i);
        if (!l.Text.contains('|') || !InStint(l, choice.Stint) || (choice.Except && IsDialogue(l.Text)))
            continue;
        l.Text = RemoveAllBreaks(l.Text); // a text with a break always changes
        ++count;
    }
    return count;
}

int SetLockInRange(Document &doc, const RangeChoice &choice, bool lock)
{
    const LineRange range = ChosenRange(doc, choice);
    int count = 0;
    for (int i = range.First; i <= range.Last; ++i) {
        TSubLine &l = doc.line(i);
        if (bool(l.Lock) == lock || (choice.Except && IsDialogue(l.Text) != lock))
            continue;
        l.Lock = lock;
        ++count;
    }
    return count;
}

int UnmarkAll(Document &doc)
{
    int count = 0;
    for (int i = 1; i <= doc.LineCount; ++i) {
        TSubLine &l = doc.line(i);
        if (!l.Mark)
            continue;
        l.Mark = 0;
        ++count;
    }
    return count;
}

} // namespace cuefold
