#include "editor/list_operations.h"

#include "document/text_codec.h"
#include "document/display_time.h"
#include "document/document.h"
#include "document/frame_text.h"

#include <algorithm>
#include <cmath>

namespace cuefold {

namespace {

// Moves records k..LineCount one place up in both arrays; the record at k
// stays a copy of the one now at k + 1.
void openGap(Document &doc, int k)
{
    for (int i = doc.LineCount; i >= k; --i) {
        doc.SubLines[i + 1] = doc.SubLines[i];
        doc.SavedLines[i + 1] = doc.SavedLines[i];
    }
    ++doc.LineCount;
}

// Removes record k from both arrays; the vacated last place is cleared.
void closeGap(Document &doc, int k)
{
    for (int i = k; i < doc.LineCount; ++i) {
        doc.SubLines[i] = doc.SubLines[i + 1];
        doc.SavedLines[i] = doc.SavedLines[i + 1];
    }
    doc.SubLines[doc.LineCount].clear();
    doc.SavedLines[doc.LineCount].clear();
    --doc.LineCount;
}

ListOutcome checkCurrent(const Document &doc)
{
    return doc.validIndex(doc.CurrentLine) ? ListOutcome::Done : ListOutcome::NoDocument;
}

ListEdit refused(ListOutcome outcome)
{
    return {outcome, 0, false, {}};
}

// Rows from `firstRow` on moved: the document counts as modified even where
// the records compare equal with the saved ones.
ListEdit structuralChange(Document &doc, int firstRow)
{
    doc.StructChanged = true;
    return {ListOutcome::Done, firstRow, true, {}};
}

// The position of the break a split cuts at, or -1 when the text has none.
qsizetype splitBreak(const QByteArray &text, SplitMode mode)
{
    const qsizetype first = text.indexOf('|');
    if (mode == SplitMode::FirstRow || first < 0)
        return first;
    const qsizetype second = text.indexOf('|', first + 1);
    return second < 0 ? first : second;
}

// Frames of the first part: its share of the characters, taken from the
// duration less the gap.
double firstPartFrames(const TSubLine &line, qsizetype firstLength, int delayFrames)
{
    double duration = line.Last - line.From + 1 - delayFrames;
    if (duration < 1)
        duration = 1;
    const auto charactersWithoutBreak = double(DocumentCodec().length(line.Text) - 1);
    // A text that is only the break has no characters to share by: halve the time.
    if (charactersWithoutBreak == 0)
        return std::trunc(duration / 2);
    return std::trunc(double(firstLength) / (charactersWithoutBreak / duration));
}

} // namespace

int FaultyFieldCount(const TSubLine &line)
{
    if (line.Find != 1)
        return 0;
    return int(!line.FErr.isEmpty()) + int(!line.LErr.isEmpty());
}

QByteArray JoinKeptLastNotice(const QByteArray &nextLErr)
{
    return "LAST not accepted due frame number mischmatch: " + nextLErr;
}

ListOutcome CheckRoomForLine(const Document &doc)
{
    if (doc.isFull())
        return ListOutcome::NoMoreLines;
    return checkCurrent(doc);
}

ListOutcome CheckJoin(const Document &doc)
{
    if (doc.LineCount < 2 || doc.CurrentLine >= doc.LineCount)
        return ListOutcome::NoLineToJoin;
    return checkCurrent(doc);
}

ListOutcome CheckDelete(const Document &doc)
{
    if (doc.LineCount < 2)
        return ListOutcome::NoLineDeleted;
    return checkCurrent(doc);
}

ListEdit InsertEmptyLine(Document &doc, const DisplayTimeRule &rule)
{
    if (const ListOutcome guard = CheckRoomForLine(doc); guard != ListOutcome::Done)
        return refused(guard);
    // The frame-rate line must stay first: a subtitle "before" it goes after it.
    if (double fps; doc.CurrentLine == 1 && ReadFPSLine(doc, fps))
        return AddEmptyLine(doc, rule);
    const int c = doc.CurrentLine;
    const int gap = rule.DelayFrames;
    openGap(doc, c);
    const double nextFrom = doc.SubLines[c + 1].From;
    TSubLine line;
    line.From = c <= 1 ? 1 : doc.SubLines[c - 1].Last + gap;
    line.Last = nextFrom - gap;
    if (line.Last > nextFrom)
        line.Last = nextFrom;
    if (line.From > line.Last)
        line.From = line.Last;
    if (c > 1 && line.From < doc.SubLines[c - 1].Last)
        line.From = doc.SubLines[c - 1].Last;
    if (line.Last < line.From)
        line.Last = line.From;
    // Before a subtitle at the very start there is no room: the new one
    // starts at frame 0 rather than at a frame no file can hold.
    line.From = qMax(line.From, 0.0);
    line.Last = qMax(line.Last, line.From);
    doc.SubLines[c] = line;
    doc.SavedLines[c] = line;
    return structuralChange(doc, c);
}

ListEdit AddEmptyLine(Document &doc, const DisplayTimeRule &rule)
{
    if (const ListOutcome guard = CheckRoomForLine(doc); guard != ListOutcome::Done)
        return refused(guard);
    if (doc.CurrentLine < doc.LineCount) {
        ++doc.CurrentLine;
        return InsertEmptyLine(doc, rule);
    }
    const int c = ++doc.LineCount;
    doc.CurrentLine = c;
    TSubLine line;
    line.From = doc.SubLines[c - 1].Last + rule.DelayFrames + 1;
    // An empty text is shown for the minimal display time (none without a frame rate).
    line.Last = line.From + DwellFrames(QByteArray(), doc.FPS, rule);
    doc.SubLines[c] = line;
    doc.SavedLines[c] = line;
    return {ListOutcome::Done, c, false, {}};
}

bool InsertFpsLine(Document &doc, double fps, const DisplayTimeRule &rule)
{
    doc.FPS = fps;
    doc.CurrentLine = 1;
    if (CheckRoomForLine(doc) != ListOutcome::Done)
        return false;
    InsertEmptyLine(doc, rule);
    TSubLine &first = doc.SubLines[1];
    first.clear();
    first.From = 1;
    first.Last = 1;
    first.Text = FpsText(fps);
    first.Lock = 1;
    doc.SavedLines[1] = first;
    return true;
}

ListEdit SplitLine(Document &doc, SplitMode mode, const DisplayTimeRule &rule)
{
    if (const ListOutcome guard = CheckRoomForLine(doc); guard != ListOutcome::Done)
        return refused(guard);
    // The frame-rate line must stay first: a subtitle "before" it goes after it.
    if (double fps; doc.CurrentLine == 1 && ReadFPSLine(doc, fps))
        return AddEmptyLine(doc, rule);
    const int c = doc.CurrentLine;
    const int gap = rule.DelayFrames;
    openGap(doc, c);
    TSubLine &first = doc.SubLines[c];
    TSubLine &second = doc.SubLines[c + 1];
    const QByteArray text = first.Text;
    const qsizetype cut = splitBreak(text, mode);
    double frames = 1;
    if (cut >= 0) {
        frames = firstPartFrames(first, DocumentCodec().length(QByteArrayView(text).first(cut)), gap);
        first.Text = text.left(cut);
        second.Text = text.mid(cut + 1);
    } else {
        second.Text.clear();
    }
    first.Last = std::max(first.From + frames - 1, first.From);
    second.From = first.Last + gap + 1;
    if (second.Last < second.From)
        second.From = second.Last;
    if (first.Last > second.From)
        first.Last = second.From;
    doc.SavedLines[c] = first;
    doc.SavedLines[c + 1] = second;
    // Both halves carry the record's flags and error notes, so its faulty
    // fields now count twice.
    doc.SyntaxErrorCount += FaultyFieldCount(second);
    return structuralChange(doc, c);
}

ListEdit JoinWithNext(Document &doc)
{
    if (const ListOutcome guard = CheckJoin(doc); guard != ListOutcome::Done)
        return refused(guard);
    const int c = doc.CurrentLine;
    TSubLine &current = doc.SubLines[c];
    const TSubLine next = doc.SubLines[c + 1];
    const int faultsBefore = FaultyFieldCount(current) + FaultyFieldCount(next);
    ListEdit edit = structuralChange(doc, c);
    if (!next.LErr.isEmpty()) {
        edit.Outcome = ListOutcome::JoinedKeepingLast;
        edit.Notice = JoinKeptLastNotice(next.LErr);
    } else {
        current.Last = next.Last;
        // Only the end was at fault, and the end has just been replaced.
        if (current.Find == 1 && current.FErr.isEmpty()) {
            current.Find = 0;
            current.LErr.clear();
        }
    }
    current.Text += '|' + next.Text;
    current.Lock = current.Lock | next.Lock;
    current.Mark = current.Mark | next.Mark;
    doc.SavedLines[c] = current;
    closeGap(doc, c + 1);
    doc.SyntaxErrorCount += FaultyFieldCount(doc.SubLines[c]) - faultsBefore;
    return edit;
}

ListEdit DeleteCurrentLine(Document &doc)
{
    if (const ListOutcome guard = CheckDelete(doc); guard != ListOutcome::Done)
        return refused(guard);
    const int c = doc.CurrentLine;
    doc.SyntaxErrorCount -= FaultyFieldCount(doc.SubLines[c]);
    closeGap(doc, c);
    doc.CurrentLine = std::min(c, doc.LineCount);
    return structuralChange(doc, c);
}

bool RestoreSavedLine(Document &doc)
{
    const int c = doc.CurrentLine;
    if (!doc.validIndex(c))
        return false;
    doc.SyntaxErrorCount += FaultyFieldCount(doc.SavedLines[c]) - FaultyFieldCount(doc.SubLines[c]);
    doc.SubLines[c] = doc.SavedLines[c];
    return true;
}

} // namespace cuefold
