#include "document/code_page.h"
#include "document/display_time.h"
#include "document/reader.h"
#include "document/reading_speed.h"
#include "document/text_codec.h"
#include "document/writer.h"
#include "editor/dialogue_dashes.h"
#include "editor/line_breaks.h"
#include "operations/width_analysis.h"
#include "sample_document.h"
#include "search/find_rules.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace cuefold;
using cuefold::testing::DocumentOf;

namespace {

// Each test names the open document's encoding; the next starts from the
// default again.
class Encodings : public ::testing::Test {
protected:
    void TearDown() override { SelectDocumentEncoding({}); }

    static QByteArray Utf8(const char16_t *text) { return QString::fromUtf16(text).toUtf8(); }
};

// A subtitle file of the first lines of a text: frames, then the line.
QByteArray SubtitlesOf(const QByteArray &text)
{
    QByteArray out;
    int n = 0;
    for (const QByteArray &line : text.split('\n')) {
        if (line.trimmed().isEmpty() || line.contains('{') || line.contains('}') || line.contains('\r'))
            continue;
        ++n;
        out += "{" + QByteArray::number(n * 10) + "}{" + QByteArray::number(n * 10 + 5) + "}" + line + "\r\n";
        if (n == 300)
            break;
    }
    return out;
}

struct Read {
    std::unique_ptr<Document> doc = std::make_unique<Document>();
    QByteArray bytes;
};

Read ReadBack(const QByteArray &bytes, const QByteArray &fallback)
{
    Read r;
    r.bytes = bytes;
    CodePage::select(fallback);
    ReadSubtitles(bytes, *r.doc, DisplayTimeRule{});
    CodePage::select("windows-1250");
    return r;
}

QStringList TextsOf(const Document &doc)
{
    const TextCodec codec(doc.Encoding.Name);
    QStringList texts;
    for (int i = 1; i <= doc.LineCount; ++i)
        texts << codec.toUnicode(doc.line(i).Text);
    return texts;
}

// Translations of one text that others keep in several encodings, each
// read as subtitles: the single-byte ones by the setting, the UTF-8 one by
// itself, with and without a mark; every one reads the same and is written
// back byte for byte.
TEST_F(Encodings, RealTextsDetectedReadAlikeAndWrittenBackUnchanged)
{
    const QString folder = QStringLiteral("/usr/share/vim/vim90/tutor/");
    struct Case {
        const char *singleByte, *encoding, *utf8;
    };
    const Case cases[] = {{"tutor.cs.cp1250", "windows-1250", "tutor.cs.utf-8"},
                          {"tutor.cs", "ISO-8859-2", "tutor.cs.utf-8"},
                          {"tutor.pl.cp1250", "windows-1250", "tutor.pl.utf-8"},
                          {"tutor.ru.cp1251", "windows-1251", "tutor.ru.utf-8"}};
    for (const Case &c : cases) {
        QFile single(folder + QLatin1String(c.singleByte)), utf8(folder + QLatin1String(c.utf8));
        if (!single.open(QIODevice::ReadOnly) || !utf8.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no translated texts installed in " << folder.toStdString();
        const QByteArray singleBytes = SubtitlesOf(single.readAll());
        const QByteArray utf8Bytes = SubtitlesOf(utf8.readAll());
        const Read bySetting = ReadBack(singleBytes, c.encoding);
        const Read plain = ReadBack(utf8Bytes, "windows-1250");
        const Read marked = ReadBack(Utf8Bom + utf8Bytes, "windows-1250");
        SCOPED_TRACE(c.singleByte);
        EXPECT_EQ(DetectEncoding(singleBytes, "x"), (TextEncoding{"x", false}));
        EXPECT_EQ(plain.doc->Encoding, (TextEncoding{"UTF-8", false}));
        EXPECT_EQ(marked.doc->Encoding, (TextEncoding{"UTF-8", true}));
        ASSERT_GT(plain.doc->LineCount, 50);
        EXPECT_EQ(TextsOf(*bySetting.doc), TextsOf(*plain.doc));
        EXPECT_EQ(TextsOf(*marked.doc), TextsOf(*plain.doc));
        for (const Read *r : {&bySetting, &plain, &marked})
            EXPECT_EQ(SerializeDocument(*r->doc, false), r->bytes);
    }
}

TEST_F(Encodings, CraftedFilesDetectedAndWrittenBackUnchanged)
{
    const QString czech = QStringLiteral(u"Příliš žluťoučký kůň|úpěl ďábelské ódy.");
    const QString russian = QStringLiteral(u"Съешь же ещё этих мягких булок");
    const QString polish = QStringLiteral(u"Zażółć gęślą jaźń");
    auto file = [](const QByteArray &text) { return "{1}{1}25\r\n{10}{20}" + text + "\r\n{30}{40}}Zam\r\n"; };
    struct Case {
        QByteArray bytes;
        TextEncoding detected; // with windows-1250 as the setting
        QString text;
    };
    const Case cases[] = {
        {file(czech.toUtf8()), {"UTF-8", false}, czech},
        {Utf8Bom + file((czech + russian + polish).toUtf8()), {"UTF-8", true}, czech + russian + polish},
        {file(TextCodec("windows-1250").fromUnicode(czech + polish)), {"windows-1250", false}, czech + polish},
        {file(TextCodec("ISO-8859-2").fromUnicode(czech)), {"windows-1250", false}, {}},
        {file(TextCodec("windows-1251").fromUnicode(russian)), {"windows-1250", false}, {}},
        {file("Plain ASCII"), {"windows-1250", false}, QStringLiteral("Plain ASCII")},
        {Utf8Bom + file("Plain ASCII"), {"UTF-8", true}, QStringLiteral("Plain ASCII")},
    };
    for (const Case &c : cases) {
        const Read r = ReadBack(c.bytes, "windows-1250");
        SCOPED_TRACE(c.bytes.toStdString());
        EXPECT_EQ(r.doc->Encoding, c.detected);
        EXPECT_EQ(r.doc->LineCount, 3);
        if (!c.text.isEmpty()) {
            EXPECT_EQ(TextCodec(r.doc->Encoding.Name).toUnicode(r.doc->line(2).Text), c.text);
        }
        EXPECT_EQ(SerializeDocument(*r.doc, false), c.bytes);
    }
    // A file read in the encoding the user names keeps its bytes too.
    const QByteArray russianFile = file(TextCodec("windows-1251").fromUnicode(russian));
    Document doc;
    ReadSubtitles(russianFile, doc, DisplayTimeRule{}, "windows-1251");
    EXPECT_EQ(TextCodec(doc.Encoding.Name).toUnicode(doc.line(2).Text), russian);
    EXPECT_EQ(SerializeDocument(doc, false), russianFile);
    // Broken or overlong sequences are no UTF-8; one cut by the end of what
    // was looked at still is.
    EXPECT_EQ(DetectEncoding("\xC3\x28", "cp").Name, "cp");
    EXPECT_EQ(DetectEncoding("\xC0\xAF", "cp").Name, "cp");
    EXPECT_EQ(DetectEncoding("\xED\xA0\x80", "cp").Name, "cp");
    EXPECT_EQ(DetectEncoding("\xC5\xBE" "a\xE2\x82", "cp").Name, "UTF-8");
}

// Lengths, widths, rows, find and the punctuation rules count and compare
// characters of a UTF-8 document, not its bytes.
TEST_F(Encodings, Utf8TextsMeasuredAndComparedByCharacters)
{
    SelectDocumentEncoding({"UTF-8", false});
    const QByteArray text = Utf8(u"Příliš|{y:i}žluťoučký");
    EXPECT_EQ(VisibleRowLengths(text), (QList<int>{6, 9}));
    EXPECT_EQ(DocumentCodec().length(text), 21);

    const auto doc = DocumentOf({{1, 10, text}, {11, 20, Utf8(u"čau, Čau")}, {21, 30, Utf8(u"Ďábel")}});
    const RowWidth widths = SummedCharacterWidths([](QChar c) { return c == u'ž' ? 7 : 1; });
    EXPECT_EQ(widths(Utf8(u"žluť")), 10);
    EXPECT_EQ(BuildAnalysisList(*doc, AnalysisKind::FullLength, widths).back(), (AnalysisEntry{21, 1}));
    EXPECT_EQ(BuildAnalysisList(*doc, AnalysisKind::RowLength, widths).back(), (AnalysisEntry{14, 1}));

    FindOptions find;
    find.Text = Utf8(u"ČAU");
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::Text, find, 0), 2);
    find.Text = Utf8(u"ďÁBEL");
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::Text, find, 0), 3);
    find.CaseSensitive = true;
    EXPECT_EQ(FindNextMatch(*doc, FindWhat::Text, find, 0), 0);
    EXPECT_TRUE(DocumentCodec().equalsIgnoreCase(Utf8(u"žluť"), Utf8(u"ŽLUŤ")));

    // A lower-case first letter carries the sentence on, a capital starts one.
    const QByteArray lower = Utf8(u"čau"), upper = Utf8(u"Čau");
    EXPECT_EQ(PunctuationRule("Ahoj.", &lower), 6);
    EXPECT_EQ(PunctuationRule("Ahoj,", &lower), 0);
    EXPECT_EQ(PunctuationRule("Ahoj", &upper), 6);
    EXPECT_EQ(PunctuationRule("Ahoj.", &upper), 0);

    EXPECT_EQ(AddDialogueDashes(Utf8(u"čau|ďábel")).Text, Utf8(u"-Čau|-Ďábel"));
    QByteArray broken = Utf8(u"ab cd ef gh ěščřžťďňůú áé");
    ASSERT_TRUE(InsertMiddleBreak(broken));
    EXPECT_EQ(broken, Utf8(u"ab cd ef gh|ěščřžťďňůú áé"));
}

// A character the encoding cannot hold is named, never turned into "?".
TEST_F(Encodings, UnholdableCharactersRefused)
{
    const TextCodec page("windows-1250");
    EXPECT_EQ(page.unholdable(QStringLiteral(u"Čau, мир и мир €")), QStringLiteral(u"мир"));
    EXPECT_TRUE(TextCodec("UTF-8").unholdable(QStringLiteral(u"мир")).isEmpty());

    auto doc = DocumentOf({{1, 10, Utf8(u"Čau мир")}});
    doc->Encoding = {"UTF-8", true};
    QString missing;
    EXPECT_TRUE(SerializeDocumentAs(*doc, false, {"windows-1250", false}, missing).isEmpty());
    EXPECT_EQ(missing, QStringLiteral(u"мир"));
    doc->line(1).Text = Utf8(u"Čau");
    missing.clear();
    EXPECT_EQ(SerializeDocumentAs(*doc, false, {"windows-1250", false}, missing), "{1}{10}\xC8" "au\r\n");
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_EQ(SerializeDocumentAs(*doc, false, {"UTF-8", true}, missing), Utf8Bom + Utf8(u"{1}{10}Čau\r\n"));

    const QStringList offered = OfferedEncodings();
    ASSERT_GE(offered.size(), 10);
    EXPECT_EQ(offered.mid(0, 5), (QStringList{"UTF-8", "windows-1250", "windows-1252", "windows-1251", "ISO-8859-2"}));
    EXPECT_FALSE(offered.contains(QStringLiteral("UTF-16")));
}

} // namespace
