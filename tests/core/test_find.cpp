#include "config/language_table.h"
#include "sample_document.h"
#include "search/find_rules.h"
#include "search/find_state.h"

#include <gtest/gtest.h>

using namespace cuefold;
using cuefold::testing::DocumentOf;

namespace {

TEST(Find, PunctuationRules)
{
    struct Case {
        const char *text;
        const char *next; // nullptr: the last subtitle
        int rule;
    };
    const Case cases[] = {
        {"", "Ahoj", 0},
        {" Ahoj|", "Ahoj", 1}, // the first rule that holds
        {"Ahoj|", "Ahoj", 2},
        {"Ahoj ", "Ahoj", 2},
        {"Ano,, ne.", "Ahoj", 3},
        {"\xD8" "ekl \"\"ne\".", "Ahoj", 3},
        {"Rock''n''roll.", "Ahoj", 3},
        {"-Ahoj|- \xC8" "au.", "Ahoj", 3},
        {"Ahoj|-\xC8" "au.", "Ahoj", 4},
        {"- Ahoj.", "Ahoj", 5},
        {"-Ahoj.|-\xC8" "au.", "Dob\xF8" "e", 0},
        {"Ahoj,", "Jak se m\xE1\x9A?", 6}, // a new sentence after an unfinished one
        {"Ahoj", "\xC8" "au", 6},          // capital by the code page
        {"Ahoj,", "2 dny", 6},             // a digit is not lower case
        {"Ahoj:", "J\xE1", 0},
        {"Ahoj.", "Jak", 0},
        {"Ahoj.", "a pak", 6}, // the sentence goes on after a full stop
        {"Ahoj!", "\xE8" "au", 6},
        {"Ahoj,", "\xE8" "au", 0},
        {"Ahoj", nullptr, 0}, // the last subtitle has no next one
        {"Ahoj", "", 0},      // nor does one before an empty subtitle
    };
    for (const Case &c : cases) {
        const QByteArray next(c.next ? c.next : "");
        EXPECT_EQ(PunctuationRule(c.text, c.next ? &next : nullptr), c.rule) << c.text << " / " << (c.next ? c.next : "-");
    }
}

TEST(Find, Categories)
{
    auto doc = DocumentOf({{.text = "Ahoj.", .find = 1},
                           {.text = ""},
                           {.text = "Ahoj|jak|se m\xE1\x9A", .lock = 1},
                           {.text = "AHOJ|Jak se m\xE1\x9A?", .mark = 1},
                           {.text = "Konec."}});
    doc->SyntaxErrorCount = 1;
    doc->line(2).LErr = "{}";
    doc->line(5).Last = 9;
    struct Case {
        FindWhat what;
        FindOptions options;
        int after, found;
    };
    const Case cases[] = {
        {FindWhat::SyntaxError, {}, 0, 1},
        {FindWhat::SyntaxError, {}, 1, 0}, // the current one is never examined, no wrap
        {FindWhat::MissingEnd, {}, 0, 2},
        {FindWhat::Empty, {}, 0, 2},
        {FindWhat::Locked, {}, 0, 3},
        {FindWhat::Marked, {}, 0, 4},
        {FindWhat::Changed, {}, 0, 5},
        {FindWhat::Punctuation, {}, 0, 3}, // "Ahoj." before an empty one is no fault
        {FindWhat::RowLimit, {.RowLimit = 2}, 0, 3},
        {FindWhat::RowLimit, {.RowLimit = 0}, 0, 1}, // every subtitle
        {FindWhat::RowLimit, {.RowLimit = 0}, 1, 2}, // an empty text is one row
        {FindWhat::Text, {.Text = "ahoj"}, 0, 1},
        {FindWhat::Text, {.Text = "ahoj"}, 1, 3},
        {FindWhat::Text, {.Text = "AHOJ", .CaseSensitive = true}, 0, 4},
        {FindWhat::Text, {.Text = "ahoj", .CaseSensitive = true}, 0, 0},
        {FindWhat::Text, {.Text = "M\xC1\x8A"}, 0, 3}, // upper-cased by the code page
        {FindWhat::Text, {}, 0, 0},
        {FindWhat::Overlap, {}, 0, 0}, // no review
    };
    for (const Case &c : cases)
        EXPECT_EQ(FindNextMatch(*doc, c.what, c.options, c.after), c.found)
            << int(c.what) << " after " << c.after << " " << c.options.Text.constData();

    doc->SyntaxErrorCount = 0;
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::SyntaxError, {}, 0), 0);
    doc->line(4).FErr = "!? 5";
    doc->OverlapReviewActive = true;
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::Overlap, {}, 0), 4);
}

TEST(Find, StateBetweenSearches)
{
    auto doc = DocumentOf({{}, {.mark = 1}, {}, {.mark = 1}, {}});
    FindState s;
    EXPECT_EQ(RunFind(*doc, s, {}, false, 17).Line, 0); // no category: nothing happens
    EXPECT_EQ(s.dialogShown(), 0);
    s.FindCategory = int(FindWhat::Marked);
    s.confirmed(-1);
    s.dialogClosed();
    EXPECT_EQ(s.FindLastCategory, int(FindWhat::Marked));

    struct Step {
        int current, found;
        FindMessage message;
        int categoryAfter;
    };
    const Step steps[] = {
        {1, 2, FindMessage::None, 4},
        {2, 4, FindMessage::None, 4},
        {4, 0, FindMessage::NoFurther, 4},
        {1, 2, FindMessage::None, 4},
    };
    for (const Step &st : steps) {
        doc->CurrentLine = st.current;
        const FindResult r = RunFind(*doc, s, {}, false, 17);
        EXPECT_EQ(r.Line, st.found) << st.current;
        EXPECT_EQ(r.Message, st.message) << st.current;
        EXPECT_EQ(s.FindCategory, st.categoryAfter) << st.current;
        EXPECT_FALSE(s.FindFresh);
    }

    // Nothing from subtitle 1 forgets the category; a fresh search in the
    // middle says "none found" but keeps it.
    for (int i = 1; i <= doc->LineCount; ++i)
        doc->line(i).Mark = 0;
    doc->CurrentLine = 1;
    EXPECT_EQ(RunFind(*doc, s, {}, false, 17).Message, FindMessage::NoneFound);
    EXPECT_EQ(s.FindCategory, -1);
    EXPECT_EQ(s.dialogShown(), int(FindWhat::Marked));
    s.confirmed(-1);
    s.dialogClosed();
    doc->CurrentLine = 3;
    EXPECT_EQ(RunFind(*doc, s, {}, false, 17).Message, FindMessage::NoneFound);
    EXPECT_EQ(s.FindCategory, int(FindWhat::Marked));

    // A cancelled dialog forgets the category and remembers the choice.
    s.dialogShown();
    s.FindCategory = int(FindWhat::RowLimit);
    s.dialogClosed();
    EXPECT_EQ(s.FindCategory, -1);
    EXPECT_EQ(s.dialogShown(), int(FindWhat::RowLimit));
    EXPECT_EQ(s.FindRowLimit, -1);
    s.confirmed(0);
    s.dialogClosed();
    EXPECT_EQ(RunFind(*doc, s, {}, false, 17).Line, 4);
}

TEST(Find, TextsAndRowLimit)
{
    LoadDefaultTexts();
    EXPECT_EQ(FindMessageText(FindWhat::Marked, FindMessage::NoFurther),
              "\x8E\xE1" "dn\xFD dal\x9A\xED ozna\xE8" "en\xFD titulek nebyl nalezen");
    EXPECT_EQ(FindMessageText(FindWhat::Overlap, FindMessage::NoneFound), Texts.FindNoErr);
    EXPECT_EQ(FindMessageText(FindWhat::RowLimit, FindMessage::NoneFound), Texts.FindNoCrLf);
    EXPECT_EQ(FindMessageText(FindWhat::Text, FindMessage::NoFurther), Texts.FindTextDone);
    EXPECT_EQ(FindWhatCaption(FindWhat::RowLimit), Texts.Find9);
    EXPECT_EQ(FindWhatCaption(FindWhat::Text), Texts.Find8);

    const struct {
        const char *typed;
        bool valid;
        int limit;
    } cases[] = {{"0", true, 0}, {"12", true, 12}, {"", false, 0},  {"-1", false, 0},
                 {"+3", false, 0}, {"1.5", false, 0}, {" 2", false, 0}, {"99999999999", false, 0}};
    for (const auto &c : cases) {
        int limit = -7;
        EXPECT_EQ(ReadRowLimit(c.typed, limit), c.valid) << c.typed;
        EXPECT_EQ(limit, c.valid ? c.limit : -7) << c.typed;
    }
}

} // namespace
