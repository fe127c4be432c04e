#include "editor/list_operations.h"

#include "document/display_time.h"
#include "document/document.h"

#include <gtest/gtest.h>

#include <QList>
#include <QRandomGenerator>
#include <memory>
#include <vector>

namespace cuefold {
namespace {

struct Frames {
    double From, Last;
    const char *Text;
};

// A loaded, saved document of the given subtitles at 25 fps.
std::unique_ptr<Document> MakeDocument(std::initializer_list<Frames> lines, int current)
{
    auto doc = std::make_unique<Document>();
    doc->reset();
    int i = 0;
    for (const Frames &f : lines) {
        TSubLine &line = doc->SubLines[++i];
        line.From = f.From;
        line.Last = f.Last;
        line.Text = f.Text;
    }
    doc->LineCount = i;
    doc->CurrentLine = current;
    doc->FPS = 25;
    doc->markSaved();
    return doc;
}

const DisplayTimeRule Gap2{2, 12, 1000};

void ExpectLine(const Document &doc, int i, double from, double last, const char *text)
{
    SCOPED_TRACE(i);
    EXPECT_EQ(doc.SubLines[i].From, from);
    EXPECT_EQ(doc.SubLines[i].Last, last);
    EXPECT_EQ(doc.SubLines[i].Text, QByteArray(text));
}

// Records created or merged by a list operation count as unchanged.
void ExpectSavedAsIs(const Document &doc, int i)
{
    EXPECT_EQ(doc.SavedLines[i], doc.SubLines[i]) << "line " << i;
}

TEST(InsertEmptyLine, TimesTheNewLineIntoTheGap)
{
    const struct {
        Frames prev;
        Frames next;
        double from, last;
    } cases[] = {
        {{50, 100, "a"}, {200, 300, "b"}, 102, 198},
        {{50, 100, "a"}, {103, 300, "b"}, 101, 101},   // gap too small: From pulled back to Last
        {{50, 300, "a"}, {200, 400, "b"}, 300, 300},   // overlapping neighbours: not before the previous end
        {{-1, -1, "a"}, {-1, -1, "b"}, 0, 0},          // never a negative frame, even between unknown ones
    };
    for (const auto &c : cases) {
        auto doc = MakeDocument({c.prev, c.next}, 2);
        const ListEdit edit = InsertEmptyLine(*doc, Gap2);
        EXPECT_EQ(edit.Outcome, ListOutcome::Done);
        EXPECT_EQ(edit.FirstRow, 2);
        EXPECT_TRUE(edit.Modified);
        EXPECT_TRUE(doc->StructChanged);
        EXPECT_EQ(doc->LineCount, 3);
        EXPECT_EQ(doc->CurrentLine, 2);
        ExpectLine(*doc, 2, c.from, c.last, "");
        ExpectLine(*doc, 3, c.next.From, c.next.Last, c.next.Text);
        ExpectSavedAsIs(*doc, 2);
        EXPECT_EQ(doc->SavedLines[3].Text, QByteArray(c.next.Text));
    }
}

TEST(InsertEmptyLine, AtTheTopStartsAtFrameOne)
{
    const struct {
        double firstFrom;
        double from, last;
    } cases[] = {{100, 1, 98}, {2, 0, 0}, {1, 0, 0}}; // never a negative frame
    for (const auto &c : cases) {
        auto doc = MakeDocument({{c.firstFrom, 500, "x"}}, 1);
        ASSERT_TRUE(InsertEmptyLine(*doc, Gap2).applied());
        ExpectLine(*doc, 1, c.from, c.last, "");
        ExpectLine(*doc, 2, c.firstFrom, 500, "x");
    }
}

TEST(AddEmptyLine, AfterTheLastLastsTheMinimalTime)
{
    const struct {
        double fps;
        int minDwell;
        double last;
    } cases[] = {
        {25, 1000, 528},
        {25, 0, 528},       // a minimal time below 1 ms reads as 1000
        {23.976, 1000, 527}, // 23.976 frames rounded to 24
        {-1, 1000, 503},    // no frame rate: no time to convert, a one-frame subtitle
    };
    for (const auto &c : cases) {
        auto doc = MakeDocument({{100, 200, "a"}, {400, 500, "b"}}, 2);
        doc->FPS = c.fps;
        const ListEdit edit = AddEmptyLine(*doc, {2, 12, c.minDwell});
        EXPECT_EQ(edit.Outcome, ListOutcome::Done);
        EXPECT_FALSE(edit.Modified);
        EXPECT_FALSE(doc->StructChanged);
        EXPECT_EQ(doc->LineCount, 3);
        EXPECT_EQ(doc->CurrentLine, 3);
        ExpectLine(*doc, 3, 503, c.last, "");
        ExpectSavedAsIs(*doc, 3);
        EXPECT_FALSE(doc->recount());
    }
}

TEST(AddEmptyLine, InsideTheListInsertsBeforeTheNext)
{
    auto doc = MakeDocument({{50, 100, "a"}, {200, 300, "b"}}, 1);
    const ListEdit edit = AddEmptyLine(*doc, Gap2);
    EXPECT_TRUE(edit.Modified);
    EXPECT_EQ(edit.FirstRow, 2);
    EXPECT_EQ(doc->CurrentLine, 2);
    ExpectLine(*doc, 1, 50, 100, "a");
    ExpectLine(*doc, 2, 102, 198, "");
    ExpectLine(*doc, 3, 200, 300, "b");
}

TEST(SplitLine, SharesFramesByCharacters)
{
    const struct {
        Frames line;
        SplitMode mode;
        Frames first, second;
    } cases[] = {
        {{100, 199, "Hello|World!"}, SplitMode::FirstTwoRows, {100, 143, "Hello"}, {146, 199, "World!"}},
        {{100, 199, "aa|bb|ccc"}, SplitMode::FirstTwoRows, {100, 160, "aa|bb"}, {163, 199, "ccc"}},
        {{100, 199, "aa|bb|ccc"}, SplitMode::FirstRow, {100, 123, "aa"}, {126, 199, "bb|ccc"}},
        {{100, 199, "Hello"}, SplitMode::FirstTwoRows, {100, 100, "Hello"}, {103, 199, ""}},
        {{100, 101, "ab|cd"}, SplitMode::FirstRow, {100, 100, "ab"}, {101, 101, "cd"}},   // Dur taken as 1
        {{100, 199, "|abc"}, SplitMode::FirstRow, {100, 100, ""}, {103, 199, "abc"}},
        {{100, 199, "|"}, SplitMode::FirstRow, {100, 148, ""}, {151, 199, ""}},      // nothing to share by: halves
        {{100, 104, "a|b"}, SplitMode::FirstRow, {100, 100, "a"}, {103, 104, "b"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line.Text);
        auto doc = MakeDocument({{10, 20, "before"}, c.line, {300, 400, "after"}}, 2);
        const ListEdit edit = SplitLine(*doc, c.mode, Gap2);
        EXPECT_EQ(edit.Outcome, ListOutcome::Done);
        EXPECT_EQ(edit.FirstRow, 2);
        EXPECT_TRUE(edit.Modified);
        EXPECT_TRUE(doc->StructChanged);
        EXPECT_EQ(doc->LineCount, 4);
        EXPECT_EQ(doc->CurrentLine, 2);
        ExpectLine(*doc, 2, c.first.From, c.first.Last, c.first.Text);
        ExpectLine(*doc, 3, c.second.From, c.second.Last, c.second.Text);
        ExpectLine(*doc, 4, 300, 400, "after");
        ExpectSavedAsIs(*doc, 2);
        ExpectSavedAsIs(*doc, 3);
        EXPECT_EQ(doc->SavedLines[4].Text, QByteArray("after"));
    }
}

TEST(SplitLine, BothHalvesKeepTheFlags)
{
    auto doc = MakeDocument({{100, 199, "a|b"}}, 1);
    doc->SubLines[1].Lock = 1;
    doc->SubLines[1].Find = 1;
    doc->SubLines[1].FErr = "x";
    doc->SyntaxErrorCount = 1;
    ASSERT_TRUE(SplitLine(*doc, SplitMode::FirstRow, Gap2).applied());
    for (int i : {1, 2}) {
        EXPECT_EQ(doc->SubLines[i].Lock, 1);
        EXPECT_EQ(doc->SubLines[i].FErr, QByteArray("x"));
    }
    EXPECT_EQ(doc->SyntaxErrorCount, 2);
}

TEST(JoinWithNext, AppendsTextAndEnd)
{
    auto doc = MakeDocument({{100, 150, "a"}, {160, 200, "b"}, {300, 400, "c"}}, 1);
    doc->SubLines[2].Lock = 1;
    doc->SubLines[2].Mark = 1;
    const ListEdit edit = JoinWithNext(*doc);
    EXPECT_EQ(edit.Outcome, ListOutcome::Done);
    EXPECT_TRUE(edit.Notice.isEmpty());
    EXPECT_TRUE(edit.Modified);
    EXPECT_TRUE(doc->StructChanged);
    EXPECT_EQ(doc->LineCount, 2);
    EXPECT_EQ(doc->CurrentLine, 1);
    ExpectLine(*doc, 1, 100, 200, "a|b");
    EXPECT_EQ(doc->SubLines[1].Lock, 1);
    EXPECT_EQ(doc->SubLines[1].Mark, 1);
    ExpectSavedAsIs(*doc, 1);
    ExpectLine(*doc, 2, 300, 400, "c");
    EXPECT_EQ(doc->SavedLines[2].Text, QByteArray("c"));
}

TEST(JoinWithNext, EmptyTextsStillGetTheBreak)
{
    const struct {
        const char *current, *next, *joined;
    } pairs[] = {{"", "b", "|b"}, {"a", "", "a|"}, {"", "", "|"}};
    for (const auto &p : pairs) {
        auto doc = MakeDocument({{1, 2, p.current}, {3, 4, p.next}}, 1);
        ASSERT_TRUE(JoinWithNext(*doc).applied());
        EXPECT_EQ(doc->SubLines[1].Text, QByteArray(p.joined));
    }
}

TEST(JoinWithNext, KeepsTheCurrentEndWhenTheNextWasFaulty)
{
    for (const char *nextLErr : {"{}", "abc"}) {
        auto doc = MakeDocument({{100, 150, "a"}, {160, 200, "b"}}, 1);
        doc->SubLines[2].LErr = nextLErr;
        const ListEdit edit = JoinWithNext(*doc);
        EXPECT_EQ(edit.Outcome, ListOutcome::JoinedKeepingLast);
        EXPECT_EQ(edit.Notice, "LAST not accepted due frame number mischmatch: " + QByteArray(nextLErr));
        ExpectLine(*doc, 1, 100, 150, "a|b");
        EXPECT_EQ(doc->LineCount, 1);
    }
}

TEST(JoinWithNext, ANewEndClearsAnEndOnlyFault)
{
    auto doc = MakeDocument({{100, -1, "a"}, {160, 200, "b"}}, 1);
    doc->SubLines[1].Find = 1;
    doc->SubLines[1].LErr = "1x0";
    doc->SyntaxErrorCount = 1;
    ASSERT_EQ(JoinWithNext(*doc).Outcome, ListOutcome::Done);
    EXPECT_EQ(doc->SubLines[1].Find, 0);
    EXPECT_TRUE(doc->SubLines[1].LErr.isEmpty());
    EXPECT_EQ(doc->SyntaxErrorCount, 0);
}

TEST(JoinWithNext, TheNextLinesFaultsLeaveWithIt)
{
    auto doc = MakeDocument({{100, 150, "a"}, {-1, 200, "b"}}, 1);
    doc->SubLines[2].Find = 1;
    doc->SubLines[2].FErr = "{}";
    doc->SyntaxErrorCount = 1;
    ASSERT_TRUE(JoinWithNext(*doc).applied());
    EXPECT_EQ(doc->SubLines[1].Find, 0);
    EXPECT_EQ(doc->SyntaxErrorCount, 0);
}

TEST(DeleteCurrentLine, FollowingLineTakesThePlace)
{
    const struct {
        int current;
        int newCurrent;
        const char *shown;
    } cases[] = {{2, 2, "c"}, {3, 2, "b"}, {1, 1, "b"}};
    for (const auto &c : cases) {
        auto doc = MakeDocument({{1, 2, "a"}, {3, 4, "b"}, {5, 6, "c"}}, c.current);
        const ListEdit edit = DeleteCurrentLine(*doc);
        EXPECT_EQ(edit.Outcome, ListOutcome::Done);
        EXPECT_EQ(edit.FirstRow, c.current);
        EXPECT_TRUE(edit.Modified);
        EXPECT_TRUE(doc->StructChanged);
        EXPECT_EQ(doc->LineCount, 2);
        EXPECT_EQ(doc->CurrentLine, c.newCurrent);
        EXPECT_EQ(doc->SubLines[doc->CurrentLine].Text, QByteArray(c.shown));
        EXPECT_EQ(doc->SavedLines[doc->CurrentLine].Text, QByteArray(c.shown));
        EXPECT_EQ(doc->SubLines[3], TSubLine());
    }
}

TEST(DeleteCurrentLine, AFaultyLineTakesItsFaultsAlong)
{
    auto doc = MakeDocument({{-1, -1, "a"}, {3, 4, "b"}}, 1);
    doc->SubLines[1].Find = 1;
    doc->SubLines[1].FErr = "x";
    doc->SubLines[1].LErr = "y";
    doc->SyntaxErrorCount = 2;
    ASSERT_TRUE(DeleteCurrentLine(*doc).applied());
    EXPECT_EQ(doc->SyntaxErrorCount, 0);
}

TEST(ListOperations, RefusalsLeaveTheDocumentAlone)
{
    using Operation = ListEdit (*)(Document &);
    const struct {
        const char *name;
        int lines;
        int current;
        Operation run;
        ListOutcome outcome;
    } cases[] = {
        {"insert", Document::Capacity, 7, [](Document &d) { return InsertEmptyLine(d, Gap2); }, ListOutcome::NoMoreLines},
        {"add", Document::Capacity, 7, [](Document &d) { return AddEmptyLine(d, Gap2); }, ListOutcome::NoMoreLines},
        {"add last", Document::Capacity, Document::Capacity, [](Document &d) { return AddEmptyLine(d, Gap2); }, ListOutcome::NoMoreLines},
        {"split", Document::Capacity, 7, [](Document &d) { return SplitLine(d, SplitMode::FirstRow, Gap2); }, ListOutcome::NoMoreLines},
        {"join last", 3, 3, JoinWithNext, ListOutcome::NoLineToJoin},
        {"join single", 1, 1, JoinWithNext, ListOutcome::NoLineToJoin},
        {"delete single", 1, 1, DeleteCurrentLine, ListOutcome::NoLineDeleted},
        {"insert unloaded", 0, -1, [](Document &d) { return InsertEmptyLine(d, Gap2); }, ListOutcome::NoDocument},
        {"delete no current", 3, 0, DeleteCurrentLine, ListOutcome::NoDocument},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        auto doc = MakeDocument({}, c.current);
        for (int i = 1; i <= c.lines; ++i)
            doc->SubLines[i] = {i * 10.0, i * 10.0 + 5, QByteArray::number(i) + "|x", 0, 0, 0, {}, {}};
        doc->LineCount = c.lines == 0 ? -1 : c.lines;
        doc->markSaved();
        const auto before = std::make_unique<Document>(*doc);
        const ListEdit edit = c.run(*doc);
        EXPECT_EQ(edit.Outcome, c.outcome);
        EXPECT_FALSE(edit.applied());
        EXPECT_FALSE(edit.Modified);
        EXPECT_EQ(doc->LineCount, before->LineCount);
        EXPECT_EQ(doc->CurrentLine, before->CurrentLine);
        EXPECT_FALSE(doc->StructChanged);
        EXPECT_TRUE(doc->SubLines == before->SubLines);
        EXPECT_TRUE(doc->SavedLines == before->SavedLines);
    }
}

TEST(ListOperations, AFullDocumentStillJoinsAndDeletes)
{
    auto doc = MakeDocument({}, 5);
    for (int i = 1; i <= Document::Capacity; ++i)
        doc->SubLines[i] = {i * 10.0, i * 10.0 + 5, {}, 0, 0, 0, {}, {}};
    doc->LineCount = Document::Capacity;
    doc->markSaved();
    EXPECT_EQ(CheckRoomForLine(*doc), ListOutcome::NoMoreLines);
    EXPECT_TRUE(JoinWithNext(*doc).applied());
    EXPECT_EQ(doc->LineCount, Document::Capacity - 1);
    EXPECT_TRUE(DeleteCurrentLine(*doc).applied());
    EXPECT_EQ(doc->LineCount, Document::Capacity - 2);
    EXPECT_EQ(CheckRoomForLine(*doc), ListOutcome::Done);
}

TEST(RestoreSavedLine, BringsBackEveryField)
{
    auto doc = MakeDocument({{100, 200, "a"}, {300, 400, "b"}}, 2);
    doc->SavedLines[2].Find = 1;
    doc->SavedLines[2].FErr = "x";
    doc->SubLines[2] = {301, 405, "changed", 1, 1, 0, {}, {}};
    ASSERT_TRUE(RestoreSavedLine(*doc));
    EXPECT_EQ(doc->SubLines[2], doc->SavedLines[2]);
    EXPECT_EQ(doc->SubLines[2].Mark, 0);
    EXPECT_EQ(doc->SyntaxErrorCount, 1);
    EXPECT_FALSE(doc->recount());
}

TEST(RestoreSavedLine, OnASplitHalfRestoresTheHalf)
{
    auto doc = MakeDocument({{100, 199, "Hello|World!"}}, 1);
    ASSERT_TRUE(SplitLine(*doc, SplitMode::FirstTwoRows, Gap2).applied());
    doc->CurrentLine = 2;
    doc->SubLines[2].Text = "edited";
    ASSERT_TRUE(RestoreSavedLine(*doc));
    ExpectLine(*doc, 2, 146, 199, "World!");
}


// Random command sequences on documents whose every record carries a unique
// tag in its text, in SubLines and SavedLines alike. After each command the
// document invariants must hold, the tags must stay in order (only delete
// removes any), and the records the command did not touch must be the same
// records, moved as a block.
class RandomCommands {
public:
    RandomCommands(quint32 seed, int lines) : rng(seed), doc(std::make_unique<Document>())
    {
        doc->reset();
        doc->FPS = 25;
        doc->LineCount = lines;
        double frame = rng.bounded(200);
        for (int i = 1; i <= lines; ++i) {
            TSubLine &line = doc->SubLines[i];
            line.From = frame;
            line.Last = frame + rng.bounded(150) - 20;
            frame += rng.bounded(200);
            line.Text = "t" + QByteArray::number(i);
            line.Lock = quint8(rng.bounded(2));
            if (rng.bounded(8) == 0) {
                line.Find = 1;
                const int fields = rng.bounded(1, 4);
                if (fields & 1)
                    line.FErr = "f" + QByteArray::number(i);
                if (fields & 2)
                    line.LErr = "l" + QByteArray::number(i);
            } else if (rng.bounded(10) == 0) {
                line.LErr = "{}";
            }
            doc->SyntaxErrorCount += FaultyFieldCount(line);
        }
        doc->CurrentLine = rng.bounded(1, lines + 1);
        doc->markSaved();
        // Some lines edited since saving, some faults corrected.
        for (int i = 1; i <= lines; ++i) {
            TSubLine &line = doc->SubLines[i];
            if (rng.bounded(4) == 0)
                line.From += 1;
            if (line.Find == 1 && !line.FErr.isEmpty() && rng.bounded(2) == 0) {
                line.FErr.clear();
                line.Find = line.LErr.isEmpty() ? 0 : 1;
                --doc->SyntaxErrorCount;
            }
        }
    }

    void run(int commands)
    {
        for (int step = 0; step < commands && !::testing::Test::HasFatalFailure(); ++step) {
            SCOPED_TRACE(step);
            runOne();
        }
    }

private:
    enum Command { Insert, Add, SplitOne, SplitTwo, Join, Delete, Restore, Move, CommandCount };

    struct Snapshot {
        std::vector<TSubLine> sub, saved;
        int current;
        int syntaxErrors;
    };

    Snapshot snapshot() const
    {
        Snapshot s{{}, {}, doc->CurrentLine, doc->SyntaxErrorCount};
        for (int i = 1; i <= doc->LineCount; ++i) {
            s.sub.push_back(doc->SubLines[i]);
            s.saved.push_back(doc->SavedLines[i]);
        }
        return s;
    }

    static QList<QByteArray> tags(const std::vector<TSubLine> &lines, int skipIndex = 0)
    {
        QList<QByteArray> result;
        for (int i = 1; i <= int(lines.size()); ++i) {
            if (i == skipIndex)
                continue;
            for (const QByteArray &part : lines[i - 1].Text.split('|'))
                if (!part.isEmpty())
                    result.append(part);
        }
        return result;
    }

    ListEdit apply(Command command)
    {
        const DisplayTimeRule rule{int(rng.bounded(4)), 12, 1000};
        switch (command) {
        case Insert: return InsertEmptyLine(*doc, rule);
        case Add: return AddEmptyLine(*doc, rule);
        case SplitOne: return SplitLine(*doc, SplitMode::FirstRow, rule);
        case SplitTwo: return SplitLine(*doc, SplitMode::FirstTwoRows, rule);
        case Join: return JoinWithNext(*doc);
        case Delete: return DeleteCurrentLine(*doc);
        case Restore: RestoreSavedLine(*doc); return {};
        case Move: doc->CurrentLine = rng.bounded(1, doc->LineCount + 1); return {};
        case CommandCount: break;
        }
        return {};
    }

    void runOne()
    {
        const auto command = Command(rng.bounded(int(CommandCount)));
        const Snapshot before = snapshot();
        const int c = before.current;
        const int n = int(before.sub.size());
        const ListEdit edit = apply(command);
        checkInvariants();
        if (::testing::Test::HasFatalFailure())
            return;

        if (!edit.applied() && command != Restore && command != Move) {
            const Snapshot after = snapshot();
            ASSERT_EQ(after.sub, before.sub);
            ASSERT_EQ(after.saved, before.saved);
            ASSERT_EQ(after.current, c);
            return;
        }
        // Where the command works, how many old records it consumes and
        // creates there, and which subtitle becomes current.
        int at = c, consumed = 0, created = 0, current = c;
        switch (command) {
        case Insert: created = 1; break;
        case Add: at = c == n ? n + 1 : c + 1; created = 1; current = at; break;
        case SplitOne: case SplitTwo: consumed = 1; created = 2; break;
        case Join: consumed = 2; created = 1; break;
        case Delete: consumed = 1; current = std::min(c, n - 1); break;
        case Restore: consumed = 1; created = 1; break;
        case Move: current = doc->CurrentLine; break;
        case CommandCount: break;
        }
        ASSERT_EQ(doc->LineCount, n - consumed + created) << command;
        ASSERT_EQ(doc->CurrentLine, current) << command;
        const Snapshot after = snapshot();
        for (int i = 1; i < at; ++i) {
            ASSERT_EQ(after.sub[i - 1], before.sub[i - 1]) << "line " << i;
            ASSERT_EQ(after.saved[i - 1], before.saved[i - 1]) << "line " << i;
        }
        for (int oldIndex = at + consumed; oldIndex <= n; ++oldIndex) {
            const int newIndex = oldIndex - consumed + created;
            ASSERT_EQ(after.sub[newIndex - 1], before.sub[oldIndex - 1]) << "line " << oldIndex;
            ASSERT_EQ(after.saved[newIndex - 1], before.saved[oldIndex - 1]) << "line " << oldIndex;
        }
        ASSERT_EQ(tags(after.sub), tags(before.sub, command == Delete ? c : 0)) << command;
        if (command != Restore && command != Move) {
            for (int i = at; i < at + created; ++i)
                ASSERT_EQ(after.saved[i - 1], after.sub[i - 1]) << "created line " << i;
        }
    }

    void checkInvariants()
    {
        ASSERT_GE(doc->CurrentLine, 1);
        ASSERT_LE(doc->CurrentLine, doc->LineCount);
        ASSERT_LE(doc->LineCount, Document::Capacity);
        int faults = 0;
        for (int i = 1; i <= doc->LineCount; ++i) {
            const TSubLine &line = doc->SubLines[i];
            // Texts are never edited here, so the saved text names the same record.
            ASSERT_EQ(line.Text, doc->SavedLines[i].Text) << "line " << i;
            if (line.Find == 1)
                faults += int(!line.FErr.isEmpty()) + int(!line.LErr.isEmpty());
        }
        ASSERT_EQ(doc->SyntaxErrorCount, faults);
    }

    QRandomGenerator rng;
    std::unique_ptr<Document> doc;
};

TEST(ListOperationsRandom, SmallDocumentsKeepTheirInvariants)
{
    for (quint32 seed = 1; seed <= 2000; ++seed) {
        SCOPED_TRACE(seed);
        RandomCommands commands(seed, int(QRandomGenerator(seed).bounded(1, 30)));
        commands.run(40);
        if (HasFatalFailure())
            return;
    }
}

TEST(ListOperationsRandom, FullDocumentsKeepTheirInvariants)
{
    for (quint32 seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        RandomCommands commands(seed, Document::Capacity - 3);
        commands.run(200);
        if (HasFatalFailure())
            return;
    }
}

} // namespace
} // namespace cuefold
