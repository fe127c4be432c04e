#include "document/io_error.h"
#include "editor/spell_dictionary.h"
#include "editor/speller.h"
#include "io_test_support.h"
#include "sample_document.h"
#include "search/find_rules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

QStringList WordsOf(const QString &text, const QList<WordSpan> &spans)
{
    QStringList words;
    for (const WordSpan &w : spans)
        words.append(text.mid(w.start, w.length));
    return words;
}

TEST(Spelling, WordsLeaveOutCodesNumbersAndDashes)
{
    const struct {
        const char *text;
        QStringList words;
    } cases[] = {
        {"{y:i}Dobrý den|- Ahoj, pane.", {"Dobrý", "den", "Ahoj", "pane"}},
        {"-Kolik?|-2x za 3D rok.", {"Kolik", "za", "rok"}},
        {"Don't stop 'em", {"Don't", "stop", "em"}},
        {"a{b|c}d", {"a", "b", "c", "d"}}, // a brace closed only in the next row is text
        {"", {}},
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(WordsOf(text, SpellWords(text)), c.words) << c.text;
    }
}

TEST(Spelling, CzechDictionaryWithOwnAndIgnoredWords)
{
    QTemporaryDir home;
    const QString own = home.filePath(QStringLiteral("cuefold/words-cs_CZ.txt"));
    Speller speller;
    ASSERT_TRUE(speller.open(QStringLiteral("/usr/share/hunspell"), QStringLiteral("cs_CZ"), own));
    const QString text = QString::fromUtf8("Dobrý dén, Frodo.");
    EXPECT_EQ(WordsOf(text, speller.unknownWords(text)), (QStringList{QString::fromUtf8("dén"), "Frodo"}));
    EXPECT_TRUE(speller.suggestions(QString::fromUtf8("dén")).contains(QStringLiteral("den")));

    speller.ignore(QString::fromUtf8("dén"));
    QDir(home.path()).mkdir(QStringLiteral("cuefold"));
    WriteBytes(own, "Gandalf"); // kept by hand, without a last line end
    EXPECT_EQ(speller.addToPersonal(QStringLiteral("Frodo")), NoIOError);
    EXPECT_EQ(FileBytes(own), QByteArray("Gandalf\nFrodo\n"));
    EXPECT_TRUE(speller.unknownWords(text).isEmpty());

    // Own words last, ignored ones do not.
    Speller again;
    ASSERT_TRUE(again.open(QStringLiteral("/usr/share/hunspell"), QStringLiteral("cs_CZ"), own));
    EXPECT_EQ(WordsOf(text, again.unknownWords(text)), QStringList{QString::fromUtf8("dén")});

    // A word that cannot be kept is reported, and known for the session.
    Speller blocked;
    const QString behindFile = home.filePath(QStringLiteral("cuefold/words-cs_CZ.txt/words.txt"));
    ASSERT_TRUE(blocked.open(QStringLiteral("/usr/share/hunspell"), QStringLiteral("cs_CZ"), behindFile));
    EXPECT_NE(blocked.addToPersonal(QStringLiteral("Sam")), NoIOError);
    EXPECT_TRUE(blocked.known(QStringLiteral("Sam")));
    EXPECT_EQ(FileBytes(own), QByteArray("Gandalf\nFrodo\n"));

    Speller missing;
    EXPECT_FALSE(missing.open(home.path(), QStringLiteral("xx_XX"), own));
    EXPECT_TRUE(missing.unknownWords(text).isEmpty()); // nothing to check against flags nothing
}

TEST(Spelling, DictionaryFollowsSettingLanguageAndFolder)
{
    EXPECT_EQ(ChosenDictionary("", "\xC8" "esky"), QStringLiteral("cs_CZ"));
    EXPECT_EQ(ChosenDictionary("", ""), QStringLiteral("cs_CZ")); // no language chosen yet
    EXPECT_EQ(ChosenDictionary("", "English"), QStringLiteral("en_US"));
    EXPECT_EQ(ChosenDictionary("en_US", "\xC8" "esky"), QStringLiteral("en_US"));
    EXPECT_TRUE(ChosenDictionary(NoDictionary, "English").isEmpty());

    QTemporaryDir folder;
    for (const char *name : {"de_DE.aff", "de_DE.dic", "fr.aff", "pl_PL.dic"})
        QFile(QDir(folder.path()).filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    EXPECT_EQ(DictionariesIn(folder.path()), QStringList{QStringLiteral("de_DE")}); // both halves or nothing
    EXPECT_EQ(PersonalWordsFile(QStringLiteral("/c"), QStringLiteral("en_US")), QStringLiteral("/c/cuefold/words-en_US.txt"));
}

TEST(Spelling, FindStepsThroughSubtitlesWithUnknownWords)
{
    QTemporaryDir home;
    Speller speller;
    ASSERT_TRUE(speller.open(QStringLiteral("/usr/share/hunspell"), QStringLiteral("cs_CZ"),
                             home.filePath(QStringLiteral("words.txt"))));
    auto doc = cuefold::testing::DocumentOf({{.text = "Dobr\xFD den."},
                                             {.text = "{y:i}- 2x za rok.|- Ano."},
                                             {.text = "Dobr\xFD d\xE9n."},
                                             {.text = "Konec."},
                                             {.text = "Frodo"}});
    FindOptions options;
    options.Spelling = &speller;
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::Spelling, options, 0), 3);
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::Spelling, options, 3), 5);
    speller.ignore(QStringLiteral("Frodo"));
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::Spelling, options, 3), 0);
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::Spelling, {}, 0), 0); // without a dictionary nothing is unknown
}

} // namespace
