#include "document/display_time.h"
#include "document/document_model.h"
#include "document/frame_text.h"
#include "document/writer.h"
#include "editor/list_operations.h"
#include "operations/frame_gaps.h"
#include "operations/frame_shift.h"
#include "operations/overlap_repair.h"
#include "operations/range_commands.h"
#include "player/automation.h"
#include "sample_document.h"

#include <gtest/gtest.h>
#include <functional>
#include <random>

using namespace cuefold;
using cuefold::testing::DocumentOf;

namespace {

void LoadFilm(DocumentModel &model, bool withRateLine = true)
{
    std::vector<cuefold::testing::SampleLine> lines;
    if (withRateLine)
        lines.push_back({1, 1, "25", 1});
    lines.insert(lines.end(), {{100, 200, "A|b"}, {190, 300, "C|d", 0, 1}, {310, 400, "- E|- f"},
                               {395, 500, "G", 1}, {520, 600, "H|i|j"}, {700, 800, "K"}});
    auto doc = DocumentOf(lines, 3);
    doc->FPS = 25;
    model.load([&](Document &d) { d = *doc; });
}

// What undo must give back: the rows of both arrays, the recorded state,
// the current subtitle, the bytes a save writes and the modified state.
struct Seen {
    std::vector<TSubLine> lines, saved;
    DocumentState state;
    int current;
    QByteArray bytes;
    bool clean;

    explicit Seen(const Document &d)
        : lines(d.SubLines.begin(), d.SubLines.begin() + d.LineCount + 1)
        , saved(d.SavedLines.begin(), d.SavedLines.begin() + d.LineCount + 1)
        , state(StateOf(d))
        , current(d.CurrentLine)
        , bytes(SerializeDocument(d, false))
        , clean(d.DocSaved)
    {
        state.ChangedCount = state.MarkedCount = state.MissingEndCount = 0; // recounted
    }
    bool operator==(const Seen &) const = default;
};

struct CommandCase {
    const char *name;
    std::function<void(DocumentModel &)> run;
    bool withRateLine = true;
    std::function<void(DocumentModel &)> setup = {};
};

void Shift(DocumentModel &m, int first, double delta)
{
    m.changeLines([&](Document &d) { ShiftLines(d, first, delta); });
}

const DisplayTimeRule Rule{};

const std::vector<CommandCase> Commands = {
    {"stored first frame", [](DocumentModel &m) { m.setFrame(3, true, 205); }},
    {"stored text", [](DocumentModel &m) { m.setText(2, "Nový|text"); }},
    {"lock", [](DocumentModel &m) { m.setLock(3, true); }},
    {"mark", [](DocumentModel &m) { m.setMark(3, false); }},
    {"insert", [](DocumentModel &m) { m.change([](Document &d) { InsertEmptyLine(d, Rule); }); }},
    {"add", [](DocumentModel &m) { m.change([](Document &d) { AddEmptyLine(d, Rule); }); }},
    {"split", [](DocumentModel &m) { m.change([](Document &d) { SplitLine(d, SplitMode::FirstRow, Rule); }); }},
    {"join", [](DocumentModel &m) { m.change(JoinWithNext); }},
    {"delete", [](DocumentModel &m) { m.change(DeleteCurrentLine); }},
    {"undo whole subtitle", [](DocumentModel &m) { m.change(RestoreSavedLine); }, true,
     [](DocumentModel &m) { m.setText(3, "typed"); }},
    {"shift", [](DocumentModel &m) { Shift(m, 2, 100); }},
    {"shift below zero", [](DocumentModel &m) { Shift(m, 1, -150); }},
    {"enlarge", [](DocumentModel &m) { m.changeLines([](Document &d) { EnlargeLines(d, 2, 50, 2); }); }},
    {"close gaps", [](DocumentModel &m) { m.changeLines([](Document &d) { CloseShortGaps(d, 30, 2); }); }},
    {"insert gaps", [](DocumentModel &m) { m.changeLines([](Document &d) { InsertGaps(d, 5); }); }},
    {"remove breaks", [](DocumentModel &m) { m.changeLines([](Document &d) { RemoveBreaksInRange(d, {}); }); }},
    {"lock all", [](DocumentModel &m) { m.changeLines([](Document &d) { SetLockInRange(d, {}, true); }); }},
    {"unmark all", [](DocumentModel &m) { m.changeLines(UnmarkAll); }},
    {"overlap repair", [](DocumentModel &m) { m.changeLines(RepairOverlapPairs); }},
    {"accept", [](DocumentModel &m) {
         m.changeLines(RepairOverlapPairs);
         m.changeLines([](Document &d) { AcceptRepair(d, FirstRepair(d)); });
     }},
    {"frame rate", [](DocumentModel &m) { m.changeLines([](Document &d) { SetFrameRate(d, 23.976); }); }},
    {"frame-rate line", [](DocumentModel &m) { m.change([](Document &d) { InsertFpsLine(d, 25, Rule); }); }, false},
    {"automation", [](DocumentModel &m) {
         m.changeLines([](Document &d) {
             const AutomationParams p{};
             PrepareAutomation(d, 250, p);
             StampAutomation(d, 250, p);
         });
     }},
};

// One command as the command flow runs it: one edit, then the modified
// state decided by comparing with the saved copy.
void RunAsCommand(DocumentModel &m, const std::function<void(DocumentModel &)> &run)
{
    const DocumentModel::Edit edit(m, "command");
    run(m);
    m.checkModified();
}

} // namespace

// Every command is one step: undo gives the document it found (both
// arrays, state, current subtitle, saved bytes, clean again), redo the one
// it made; the same after a save in between, except that the document
// undone past its save is modified.
TEST(EditHistory, EveryCommandUndoesAndRedoesExactly)
{
    for (const CommandCase &c : Commands) {
        SCOPED_TRACE(c.name);
        DocumentModel model;
        LoadFilm(model, c.withRateLine);
        if (c.setup)
            RunAsCommand(model, c.setup);
        const Seen before(model.doc());
        RunAsCommand(model, c.run);
        const Seen after(model.doc());
        ASSERT_NE(before.lines, after.lines);
        EXPECT_EQ(model.history().undoName(), "command");

        ASSERT_TRUE(model.stepHistory(true));
        EXPECT_EQ(Seen(model.doc()), before);
        ASSERT_TRUE(model.stepHistory(false));
        EXPECT_EQ(Seen(model.doc()), after);

        model.markWritten();
        ASSERT_TRUE(model.stepHistory(true));
        EXPECT_EQ(Seen(model.doc()).bytes, before.bytes);
        EXPECT_EQ(model.doc().DocSaved, before.bytes == after.bytes); // marks are not in the file
        ASSERT_TRUE(model.stepHistory(false));
        EXPECT_EQ(Seen(model.doc()).bytes, after.bytes);
        EXPECT_TRUE(model.doc().DocSaved);
    }
}

// A seeded random run of commands, undos, redos and saves, checked at
// every step against the documents a replay of the same commands made.
TEST(EditHistory, RandomRunsMatchTheirReplay)
{
    DocumentModel model;
    LoadFilm(model);
    std::mt19937 random(20261209);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    struct Content {
        std::vector<TSubLine> lines;
        double fps;
        auto key() const { return std::tie(lines, fps); }
    };
    auto content = [](const Document &d) {
        return Content{{d.SubLines.begin() + 1, d.SubLines.begin() + d.LineCount + 1}, d.FPS};
    };
    // Whether two contents differ as the modified state counts it.
    auto differs = [](const Content &a, const Content &b) {
        if (a.lines.size() != b.lines.size())
            return true;
        for (size_t i = 0; i < a.lines.size(); ++i)
            if (a.lines[i].From != b.lines[i].From || a.lines[i].Last != b.lines[i].Last
                || a.lines[i].Text != b.lines[i].Text || a.lines[i].Lock != b.lines[i].Lock)
                return true;
        return false;
    };
    std::vector<Content> timeline{content(model.doc())};
    size_t at = 0, oldest = 0;
    long savedAt = 0; // -1: the saved content is no longer in the history
    Content savedContent = timeline[0];

    for (int n = 0; n < 10000; ++n) {
        const int choice = pick(0, 12);
        if (choice <= 2 && model.history().canUndo()) {
            ASSERT_TRUE(model.stepHistory(true));
            --at;
        } else if (choice <= 4 && model.history().canRedo()) {
            ASSERT_TRUE(model.stepHistory(false));
            ++at;
        } else if (choice == 5) {
            model.markWritten();
            savedAt = long(at);
            savedContent = timeline[at];
        } else {
            const int row = pick(2, model.doc().LineCount);
            const int revision = model.revision();
            RunAsCommand(model, [&](DocumentModel &m) {
                const Document &d = m.doc();
                m.setCurrent(row, ShowPlain);
                switch (choice) {
                case 6: m.setText(row, QByteArray::number(pick(0, 99)) + "|x"); break;
                case 7: m.setFrame(row, pick(0, 1), pick(0, 3000)); break;
                case 8: Shift(m, row, pick(-200, 200)); break;
                case 9: m.change([](Document &d) { SplitLine(d, SplitMode::FirstRow, Rule); }); break;
                case 10:
                    if (d.LineCount > 3) {
                        if (pick(0, 1))
                            m.change(JoinWithNext);
                        else
                            m.change(DeleteCurrentLine);
                    }
                    break;
                case 11: m.change([](Document &d) { InsertEmptyLine(d, Rule); }); break;
                default: m.changeLines(RepairOverlapPairs); break;
                }
            });
            if (model.revision() == revision)
                continue; // the command changed nothing: no step
            timeline.resize(at + 1);
            if (savedAt > long(at))
                savedAt = -1;
            timeline.push_back(content(model.doc()));
            ++at;
            oldest = at - size_t(model.history().size());
        }
        const Document &d = model.doc();
        ASSERT_EQ(content(d).key(), timeline[at].key()) << "step " << n;
        ASSERT_EQ(d.SubLines[1].Text, "25");
        for (int i = 1; i <= d.LineCount; ++i)
            ASSERT_TRUE(d.SubLines[i].From >= 0 && d.SubLines[i].Last >= 0) << "row " << i;
        bool changed = d.StructChanged; // as checking the modified state counts
        for (int i = 1; i <= d.LineCount; ++i)
            changed = changed || d.isChanged(i);
        ASSERT_EQ(d.DocSaved, !changed) << "step " << n;
        if (savedAt == long(at)) {
            ASSERT_TRUE(d.DocSaved) << "step " << n;
        }
        if (differs(timeline[at], savedContent)) {
            ASSERT_FALSE(d.DocSaved) << "step " << n;
        }
        ASSERT_EQ(model.history().canUndo(), at > oldest);
    }
}

// The oldest steps drop first, and a long history of whole-document bulk
// steps stays small: frames are kept, the texts are shared.
TEST(EditHistory, LimitsDropTheOldestSteps)
{
    DocumentModel model;
    model.load([](Document &d) {
        auto set = [&](int i, double from, double last, const QByteArray &text) {
            d.SubLines[i].From = from;
            d.SubLines[i].Last = last;
            d.SubLines[i].Text = text;
        };
        set(1, 1, 1, "25");
        for (int i = 2; i <= Document::Capacity; ++i)
            set(i, i * 100.0, i * 100.0 + 50, "Text titulku " + QByteArray::number(i) + "|druhý řádek");
        d.LineCount = Document::Capacity;
        d.FPS = 25;
        d.CurrentLine = 2;
        d.markSaved();
    });
    for (int n = 0; n < 200; ++n)
        RunAsCommand(model, [&](DocumentModel &m) { Shift(m, 2, n % 2 ? -7 : 9); });
    EXPECT_EQ(model.history().size(), 200);
    EXPECT_LT(model.history().bytes(), size_t(50) << 20);

    for (int n = 0; n < EditHistory::MaxSteps; ++n)
        RunAsCommand(model, [&](DocumentModel &m) { m.setText(2, QByteArray::number(n)); });
    EXPECT_EQ(model.history().size(), EditHistory::MaxSteps);
    while (model.stepHistory(true)) {
    }
    // The shifts dropped: the texts are back, the frames stay shifted.
    EXPECT_EQ(model.doc().SubLines[2].Text, "Text titulku 2|druhý řádek");
    EXPECT_EQ(model.doc().SubLines[2].From, 400);
    EXPECT_FALSE(model.doc().DocSaved);
}
