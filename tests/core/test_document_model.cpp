#include "document/document_model.h"
#include "document/frame_text.h"
#include "editor/list_operations.h"
#include "document/display_time.h"
#include "operations/frame_shift.h"
#include "sample_document.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace cuefold;
using cuefold::testing::DocumentOf;

namespace {

// Both arrays (the whole capacity) and every value an edit may change.
void ExpectSameDocument(const Document &a, const Document &b, const char *when)
{
    // The counts derived from the rows are recounted, not restored.
    const auto recorded = [](const Document &d) {
        DocumentState s = StateOf(d);
        s.ChangedCount = s.MarkedCount = s.MissingEndCount = 0;
        return s;
    };
    EXPECT_EQ(recorded(a), recorded(b)) << when;
    EXPECT_EQ(a.CurrentLine, b.CurrentLine) << when;
    for (int i = 1; i <= Document::Capacity; ++i) {
        ASSERT_EQ(a.SubLines[i], b.SubLines[i]) << when << ": row " << i;
        ASSERT_EQ(a.SavedLines[i], b.SavedLines[i]) << when << ": saved row " << i;
    }
}

struct Recorder {
    explicit Recorder(DocumentModel &model)
    {
        QObject::connect(&model, &DocumentModel::editRecorded, [this](const DocumentEdit &e) { edits.push_back(e); });
        QObject::connect(&model, &DocumentModel::rowsChanged, [this](int f, int l) { spans.emplace_back(f, l); });
        QObject::connect(&model, &DocumentModel::saved, [this] { ++saves; });
    }
    std::vector<DocumentEdit> edits;
    std::vector<std::pair<int, int>> spans;
    int saves = 0;
};

void LoadSample(DocumentModel &model, int current = 2)
{
    auto sample = DocumentOf({{1, 1, "25"}, {100, 200, "A|b"}, {300, 400, "C"}, {500, 600, "D|e|f"}, {700, 800, "G"}},
                             current);
    sample->SubLines[3].FErr = "x";
    sample->SubLines[3].Find = 1;
    sample->SyntaxErrorCount = 1;
    sample->FPS = 25;
    model.load([&](Document &d) { d = *sample; });
}

} // namespace

// Whatever an edit touches reaches the listeners once, as one span, when the
// outermost edit closes; setters outside an edit are an edit of their own.
TEST(DocumentModel, AnEditAnnouncesOneSpan)
{
    DocumentModel model;
    LoadSample(model);
    Recorder r(model);
    {
        const DocumentModel::Edit outer(model, "Posunout");
        model.setText(5, "x");
        {
            const DocumentModel::Edit inner(model);
            model.change([](Document &d) { ShiftLines(d, 3, 10); });
        }
        EXPECT_TRUE(r.spans.empty());
        model.setMark(2, true);
    }
    model.setText(1, "25"); // unchanged: no edit at all
    model.setLock(4, true);
    EXPECT_EQ(r.spans, (std::vector<std::pair<int, int>>{{2, 5}, {4, 4}}));
    ASSERT_EQ(r.edits.size(), 2u);
    EXPECT_EQ(r.edits[0].name, "Posunout");
    EXPECT_EQ(model.revision(), model.savedRevision() + 2);
}

// Every kind of change, reverted in reverse order, gives back the document
// exactly; repeated in order, the one it became.
TEST(DocumentModel, EditsRevertAndRepeatExactly)
{
    DocumentModel model;
    LoadSample(model);
    Recorder r(model);
    const Document original = model.doc();
    const DisplayTimeRule rule{};
    model.setFrame(3, true, 310); // clears the reading fault
    model.setText(2, "changed");
    model.change([&](Document &d) { SplitLine(d, SplitMode::FirstRow, rule); });
    model.change([&](Document &d) { InsertEmptyLine(d, rule); });
    model.change([](Document &d) { d.CurrentLine = 4; JoinWithNext(d); });
    model.change([](Document &d) { d.CurrentLine = 2; DeleteCurrentLine(d); });
    model.changeLines([](Document &d) { ShiftLines(d, 2, -50); });
    model.changeLines([](Document &d) { SetFrameRate(d, 23.976); });
    model.change([](Document &d) { d.CurrentLine = d.LineCount; AddEmptyLine(d, DisplayTimeRule{}); });
    model.checkModified();
    ASSERT_GE(r.edits.size(), 9u);
    EXPECT_EQ(model.doc().SyntaxErrorCount, 0);
    const Document changed = model.doc();

    Document doc = changed;
    for (auto e = r.edits.rbegin(); e != r.edits.rend(); ++e)
        RevertEdit(doc, *e);
    ExpectSameDocument(doc, original, "after undoing everything");
    for (const DocumentEdit &e : r.edits)
        RepeatEdit(doc, e);
    ExpectSameDocument(doc, changed, "after redoing everything");
}

// Only a real write is a save: finding the document clean is none, and it
// moves no saved revision.
TEST(DocumentModel, OnlyAWriteCountsAsASave)
{
    DocumentModel model;
    LoadSample(model);
    Recorder r(model);
    bool modified = false;
    QObject::connect(&model, &DocumentModel::modifiedChanged, [&](bool m) { modified = m; });
    model.setText(2, "typed");
    model.markModified();
    EXPECT_TRUE(modified);
    model.setText(2, "A|b");
    model.checkModified();
    EXPECT_FALSE(modified);
    EXPECT_TRUE(model.doc().DocSaved);
    EXPECT_EQ(r.saves, 0);
    EXPECT_NE(model.savedRevision(), model.revision());

    model.setText(2, "typed again");
    model.markModified();
    model.markWritten();
    EXPECT_EQ(r.saves, 1);
    EXPECT_FALSE(modified);
    EXPECT_EQ(model.savedRevision(), model.revision());
    EXPECT_EQ(model.doc().SavedLines[2].Text, "typed again");
}
