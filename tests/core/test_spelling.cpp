#include "editor/speller.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cuefold;

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
    EXPECT_TRUE(speller.addToPersonal(QStringLiteral("Frodo")));
    EXPECT_TRUE(speller.unknownWords(text).isEmpty());

    // Own words last, ignored ones do not.
    Speller again;
    ASSERT_TRUE(again.open(QStringLiteral("/usr/share/hunspell"), QStringLiteral("cs_CZ"), own));
    EXPECT_EQ(WordsOf(text, again.unknownWords(text)), QStringList{QString::fromUtf8("dén")});

    Speller missing;
    EXPECT_FALSE(missing.open(home.path(), QStringLiteral("xx_XX"), own));
    EXPECT_TRUE(missing.unknownWords(text).isEmpty()); // nothing to check against flags nothing
}

} // namespace
