#include "config/rtf_reader.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace cuefold;

namespace {

QString plainText(const RtfParagraph &p)
{
    QString s;
    for (const RtfRun &r : p.runs)
        s += r.text;
    return s;
}

QStringList paragraphs(const QByteArray &rtf)
{
    QStringList out;
    for (const RtfParagraph &p : ReadRtf(rtf).paragraphs)
        out << plainText(p);
    return out;
}

} // namespace

TEST(RtfReader, TextOfParagraphs)
{
    const struct {
        QByteArray rtf;
        QStringList expected;
    } cases[] = {
        {"{\\rtf1 One\\par Two\\line three}", {"One", QStringLiteral("Two\u2028three")}},
        {"{\\rtf1 A\\par\\par B\\par}", {"A", "", "B"}},
        {"{\\rtf1 \\bullet\\tab item\\~x\\endash y}", {QStringLiteral("\u2022\titem\u00A0x\u2013y")}},
        {"{\\rtf1 \\{braces\\} and \\\\ back}", {"{braces} and \\ back"}},
        // Line ends in the source are not text; an escaped one ends a paragraph.
        {"{\\rtf1 a\r\nb\\\nc}", {"ab", "c"}},
        // Tables, unknown destinations and words leave no text behind.
        {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}{\\*\\generator x;}"
         "{\\info{\\title T}}\\viewkind4\\f0 Text{\\*\\unknown hidden}.}",
         {"Text."}},
        // A space after a control word belongs to it; a number ends it as well.
        {"{\\rtf1\\b1 bold\\b0  x\\fs20y}", {"bold x" "y"}},
        {"{\\rtf1 A}trailing}", {"A"}},
        {"{\\rtf1 unclosed", {"unclosed"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(paragraphs(c.rtf), c.expected) << c.rtf.constData();
    EXPECT_FALSE(ReadRtf("plain text").valid);
    EXPECT_TRUE(ReadRtf("{\\rtf1}").valid);
}

TEST(RtfReader, BytesFollowTheDeclaredCodePage)
{
    EXPECT_EQ(paragraphs("{\\rtf1\\ansi\\ansicpg1250 \\'e8\\'9e\\'ED \xE8}"), QStringList{QStringLiteral("čží č")});
    EXPECT_EQ(paragraphs("{\\rtf1\\ansi \\'e8}"), QStringList{QStringLiteral("è")});
    // \u gives the character; its fallback (one by default, \ucN otherwise) is dropped.
    EXPECT_EQ(paragraphs("{\\rtf1 \\u269?a\\uc2\\u-3908\\'e8\\'e9b}"), QStringList{QStringLiteral("ča\uF0BCb")});
}

TEST(RtfReader, FormatsOfRunsAndParagraphs)
{
    const RtfDocument doc = ReadRtf("{\\rtf1\\pard\\qc\\sb240\\sa120{\\b\\fs36 Title}\\par"
                                    "\\pard\\li360\\fi-360 a{\\i b\\ul c}\\ulnone d\\par"
                                    "\\pard\\plain\\b x\\plain y\\par}");
    ASSERT_EQ(doc.paragraphs.size(), 3);

    const RtfParagraph &title = doc.paragraphs[0];
    EXPECT_EQ(title.format.alignment, RtfAlignment::Centre);
    EXPECT_EQ(title.format.spaceBefore, 240);
    EXPECT_EQ(title.format.spaceAfter, 120);
    ASSERT_EQ(title.runs.size(), 1);
    EXPECT_TRUE(title.runs[0].format.bold);
    EXPECT_EQ(title.runs[0].format.halfPoints, 36);

    const RtfParagraph &item = doc.paragraphs[1];
    EXPECT_EQ(item.format.leftIndent, 360);
    EXPECT_EQ(item.format.firstLineIndent, -360);
    EXPECT_EQ(item.format.alignment, RtfAlignment::Left);
    ASSERT_EQ(item.runs.size(), 4);
    EXPECT_EQ(item.runs[0].text, "a");
    EXPECT_FALSE(item.runs[0].format.italic);
    EXPECT_TRUE(item.runs[1].format.italic);
    EXPECT_FALSE(item.runs[1].format.underline);
    EXPECT_TRUE(item.runs[2].format.italic && item.runs[2].format.underline);
    // The group's end restores the formatting from before it.
    EXPECT_EQ(item.runs[3].text, "d");
    EXPECT_EQ(item.runs[3].format, RtfCharFormat{});

    const RtfParagraph &plain = doc.paragraphs[2];
    ASSERT_EQ(plain.runs.size(), 2);
    EXPECT_TRUE(plain.runs[0].format.bold);
    EXPECT_FALSE(plain.runs[1].format.bold);
}

// The manual and the history are read by this reader only: no RTF syntax may
// be left over as text, and the Czech letters must come through.
TEST(RtfReader, ReadsTheProgramsHelpDocuments)
{
    const QString resources = QFileInfo(QStringLiteral(CUEFOLD_DEFAULT_INI)).path();
    for (const char *name : {"help/manual.rtf", "help/history.rtf"}) {
        QFile f(resources + '/' + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = f.readAll();
        EXPECT_TRUE(bytes.startsWith("{\\rtf1\\ansi\\ansicpg1250")) << name;
        const RtfDocument doc = ReadRtf(bytes);
        ASSERT_GT(doc.paragraphs.size(), 5) << name;
        QString all;
        for (const RtfParagraph &p : doc.paragraphs)
            all += plainText(p) + '\n';
        // The manual quotes braces of subtitle lines; a backslash or the font
        // table's name would be syntax shown as text.
        EXPECT_FALSE(all.contains('\\') || all.contains(QStringLiteral("Sans;"))) << name;
        EXPECT_TRUE(all.contains(QStringLiteral("Cuefold"))) << name;
        EXPECT_TRUE(all.contains(QStringLiteral("ř")) && all.contains(QStringLiteral("ě"))) << name;
        EXPECT_FALSE(all.contains(QChar(0xFFFD))) << name;
    }
}
