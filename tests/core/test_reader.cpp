#include "child_process.h"
#include "document/io_error.h"
#include "document/reader.h"
#include "io_test_support.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

TEST(ReaderField, EveryCaseOfTheTable)
{
    struct Case { QByteArray s; FieldCase kind; QByteArray text, rest; double value; };
    const Case cases[] = {
        {"{10}{20}a", FieldCase::Read, "10", "{20}a", 10},
        {"x{10}{20}a", FieldCase::Read, "10", "{20}a", 10},     // text before "{" is dropped
        {"10}rest", FieldCase::Read, "10", "rest", 10},          // "}" and no "{"
        {"{1e3}", FieldCase::Read, "1e3", "", 1000},
        {"{12.5}x", FieldCase::Read, "12.5", "x", 12.5},
        {"{0}", FieldCase::Read, "0", "", 0},
        {"{007}", FieldCase::Read, "007", "", 7},
        {"{}{20}", FieldCase::Empty, "", "{20}", -1},
        {"}", FieldCase::Empty, "", "", -1},
        {"{-5}", FieldCase::NotANumber, "-5", "", -1},
        {"{ 5}", FieldCase::NotANumber, " 5", "", -1},
        {"{12a}", FieldCase::NotANumber, "12a", "", -1},
        {"{1,5}", FieldCase::NotANumber, "1,5", "", -1},
        {"{abc}{20}X", FieldCase::NotANumber, "abc", "{20}X", -1},
        {"{1e}", FieldCase::NotANumber, "1e", "", -1},
        {"{1e999}", FieldCase::NotANumber, "1e999", "", -1},   // infinite
        {"{1e308}", FieldCase::NotANumber, "1e308", "", -1},   // no whole frame number
        {"{9007199254740992}", FieldCase::NotANumber, "9007199254740992", "", -1},
        {"{999999999999999}", FieldCase::Read, "999999999999999", "", 999999999999999.0}, // 15 digits
        {"{9007199254740991}", FieldCase::Read, "9007199254740991", "", 9007199254740991.0},
        {"{nan}", FieldCase::NotANumber, "nan", "", -1},
        {"{inf}", FieldCase::NotANumber, "inf", "", -1},
        {"{0x10}", FieldCase::NotANumber, "0x10", "", -1},
        {"{{10}", FieldCase::NotANumber, "{10", "", -1},
        {"", FieldCase::EmptyLine, "", "", -1},
        {"Hello world", FieldCase::NoBraces, "", "Hello world", -1},
        {"   ", FieldCase::NoBraces, "", "   ", -1},
        {"ab{10", FieldCase::Unclosed, "ab", "{10", -1},
        {"{10", FieldCase::Unclosed, "", "{10", -1},
        {"ab}c{d}", FieldCase::Reversed, "ab}c", "{d}", -1},  // text up to the first "{"
    };
    for (const Case &c : cases) {
        const FrameField f = ParseFrameField(c.s);
        EXPECT_EQ(f.Case, c.kind) << c.s.constData();
        EXPECT_EQ(f.Text, c.text) << c.s.constData();
        EXPECT_EQ(f.Rest, c.rest) << c.s.constData();
        EXPECT_EQ(f.Value, c.value) << c.s.constData();
    }
}

struct ExpectedLine {
    double from, last;
    QByteArray text;
    int lock, find;
    QByteArray ferr, lerr;
};

void ExpectLine(const Document &doc, int i, const ExpectedLine &e, const char *input)
{
    const TSubLine &l = doc.SubLines[i];
    EXPECT_EQ(l.From, e.from) << input << " line " << i;
    EXPECT_EQ(l.Last, e.last) << input << " line " << i;
    EXPECT_EQ(l.Text, e.text) << input << " line " << i;
    EXPECT_EQ(l.Lock, e.lock) << input << " line " << i;
    EXPECT_EQ(l.Find, e.find) << input << " line " << i;
    EXPECT_EQ(l.FErr, e.ferr) << input << " line " << i;
    EXPECT_EQ(l.LErr, e.lerr) << input << " line " << i;
}

TEST(ReaderFile, LinesAsDocumented)
{
    struct Case {
        const char *input;
        std::vector<ExpectedLine> lines;
        int syntaxErrors, missingEnds;
        bool valid;
    };
    const Case cases[] = {
        {"{10}{50}Hello|world\r\n", {{10, 50, "Hello|world", 0, 0, "", ""}}, 0, 0, true},
        {"{10}{50}}Hello\r\n", {{10, 50, "Hello", 1, 0, "", ""}}, 0, 0, true},
        {"{10}{50}}}Hello\r\n", {{10, 50, "}Hello", 1, 0, "", ""}}, 0, 0, true},
        {"{10}{}A\r\n{80}{90}B\r\n", {{10, 80, "A", 0, 0, "", "{}"}, {80, 90, "B", 0, 0, "", ""}}, 0, 1, true},
        {"{500}{}End\r\n", {{500, 600, "End", 0, 0, "", "{}"}}, 0, 1, true},
        {"{abc}{20}X\r\n", {{-1, 20, "X", 0, 1, "abc", ""}}, 1, 0, true},
        {"no braces here\r\n", {{-1, -1, "no braces here", 0, 1, "", ""}}, 2, 0, false},
        {"  \r\n", {{-1, -1, "  ", 0, 1, "", ""}}, 2, 0, false},
        {"{10}Hello\r\n", {{10, -1, "Hello", 0, 1, "", ""}}, 1, 0, true},
        {"{}{20}X\r\n", {{-1, 20, "X", 0, 1, "{}", ""}}, 1, 0, true},
        {"\r\n\r\n{1}{2}a\r\n\r\n\r\n{3}{4}b\r\n\r\n", {{1, 2, "a", 0, 0, "", ""}, {3, 4, "b", 0, 0, "", ""}}, 0, 0, true},
        {"x{10}{20}a", {{10, 20, "a", 0, 0, "", ""}}, 0, 0, true},
        {"{10}{20}{y:i}kurz\xEDva|{x:1}}", {{10, 20, "{y:i}kurz\xEDva|{x:1}}", 0, 0, "", ""}}, 0, 0, true},
        {"{0}{0}29,97\r\n{5}{9}a", {{0, 0, "29,97", 1, 0, "", ""}, {5, 9, "a", 0, 0, "", ""}}, 0, 0, true},
        // The end of a faulty subtitle is the next start: no reading-speed rule.
        {"{1}{1}25\r\n{x}{}A\r\n{80}{90}B", {{1, 1, "25", 1, 0, "", ""}, {-1, 80, "A", 0, 1, "x", "{}"}, {80, 90, "B", 0, 0, "", ""}}, 1, 1, true},
        // An open end before a faulty start stays unknown.
        {"{10}{}A\r\n{x}{90}B", {{10, -1, "A", 0, 0, "", "{}"}, {-1, 90, "B", 0, 1, "x", ""}}, 1, 1, true},
        // An open end at the file's end needs a known start.
        {"{abc}{}X", {{-1, -1, "X", 0, 1, "abc", "{}"}}, 1, 1, true},
        {"{10}{20.6}a|b", {{10, 20.6, "a|b", 0, 0, "", ""}}, 0, 0, true},
        {"{10}{1e999}a", {{10, -1, "a", 0, 1, "", "1e999"}}, 1, 0, true},
    };
    for (const Case &c : cases) {
        bool valid = false;
        const auto doc = ReadBytes(c.input, &valid);
        EXPECT_EQ(valid, c.valid) << c.input;
        ASSERT_EQ(doc->LineCount, int(c.lines.size())) << c.input;
        for (int i = 1; i <= doc->LineCount; ++i)
            ExpectLine(*doc, i, c.lines[i - 1], c.input);
        EXPECT_EQ(doc->SyntaxErrorCount, c.syntaxErrors) << c.input;
        EXPECT_EQ(doc->MissingEndCount, c.missingEnds) << c.input;
        EXPECT_TRUE(doc->SavedLines == doc->SubLines) << c.input;
    }
}

TEST(ReaderFile, FrameRateSubtitle)
{
    const struct { const char *input; double fps; int lock; } cases[] = {
        {"{0}{0}29,97\r\n", 29.97, 1},
        {"{1}{1}23.976\r\n", 23.976, 1},
        {"{1}{1}}25\r\n", 25, 1},
        {"{1}{1}61\r\n", -1, 0},
        {"{1}{1}25fps\r\n", -1, 0},
        {"{1}{2}25\r\n", -1, 0},
        {"{5}{6}a\r\n{1}{1}25\r\n", -1, 0},   // only the first subtitle counts
    };
    for (const auto &c : cases) {
        const auto doc = ReadBytes(c.input);
        EXPECT_EQ(doc->FPS, c.fps) << c.input;
        EXPECT_EQ(doc->SubLines[1].Lock, c.lock) << c.input;
    }
}

TEST(ReaderFile, ComputedEndKeepsTheGapWithAFrameRate)
{
    const auto doc = ReadBytes("{1}{1}25\r\n{10}{}A\r\n{80}{90}B\r\n");
    const TSubLine &a = doc->SubLines[2];
    EXPECT_EQ(a.LErr, "{}");
    EXPECT_EQ(a.Last, 34);                    // one second at 25 fps
    EXPECT_LE(a.Last, 80 - DefaultRule.DelayFrames - 1);
    const auto longText = ReadBytes("{1}{1}25\r\n{10}{}" + QByteArray(100, 'a') + "\r\n{80}{90}B\r\n");
    EXPECT_EQ(longText->SubLines[2].Last, 80 - DefaultRule.DelayFrames - 1);
}

TEST(ReaderFile, NothingReadableIsNotValid)
{
    const char *inputs[] = {"", "\r\n\r\n", "plain text\r\nmore text\r\n", "}{", "{abc"};
    for (const char *input : inputs) {
        bool valid = true;
        const auto doc = ReadBytes(input, &valid);
        EXPECT_FALSE(valid) << input;
    }
    EXPECT_EQ(ReadBytes("")->LineCount, 0);
}

TEST(ReaderFile, StopsAfterCapacityWithoutReadingTheRest)
{
    QByteArray bytes;
    for (int i = 1; i <= 2600; ++i)
        bytes += "{" + QByteArray::number(i * 10) + "}{" + QByteArray::number(i * 10 + 5) + "}t\r\n";
    bytes += QByteArray(4 << 20, 'x'); // the tail must not be read
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    auto doc = std::make_unique<Document>();
    EXPECT_TRUE(ReadSubtitles(in, *doc, DefaultRule));
    EXPECT_EQ(doc->LineCount, Document::Capacity);
    EXPECT_EQ(doc->SubLines[2500].From, 25000);
    EXPECT_LT(in.pos(), 1 << 20);
}

TEST(ReaderFile, ReadingReplacesThePreviousDocument)
{
    auto doc = ReadBytes("{1}{1}25\r\n{x}{}a\r\n{2}{3}b\r\n{4}{5}c\r\n");
    ReadSubtitles(QByteArray("{7}{8}z"), *doc, DefaultRule);
    EXPECT_EQ(doc->LineCount, 1);
    EXPECT_EQ(doc->FPS, -1);
    EXPECT_EQ(doc->SyntaxErrorCount, 0);
    EXPECT_EQ(doc->MissingEndCount, 0);
    EXPECT_EQ(doc->SubLines[2], TSubLine());
}

TEST(ReaderMalformed, LineEndsOfEveryKindReadAlike)
{
    const auto crlf = ReadBytes("{10}{20}Prvn\xED\r\n{30}{40}}Druh\xFD|\xF8\xE1" "dek\r\n{50}{}T\xF8" "et\xED\r\n{90}{95}Posledn\xED\r\n");
    ASSERT_EQ(crlf->LineCount, 4);
    for (const char *name : {"malformed/lf_only.sub", "malformed/cr_only.sub", "malformed/mixed_line_ends.sub"}) {
        const auto doc = ReadBytes(FileBytes(TestDataPath(name)));
        EXPECT_EQ(doc->LineCount, 4) << name;
        EXPECT_TRUE(doc->SubLines == crlf->SubLines) << name;
    }
}

TEST(ReaderMalformed, CrLfSplitAcrossReadChunks)
{
    // The CR ends one 64 KiB chunk and its LF starts the next.
    const QByteArray first = "{1}{2}" + QByteArray(64 * 1024 - 7, 'a') + "\r";
    const auto doc = ReadBytes(first + "\n{3}{4}b\r\n");
    ASSERT_EQ(doc->LineCount, 2);
    EXPECT_EQ(doc->SubLines[1].Text.size(), 64 * 1024 - 7);
    EXPECT_EQ(doc->SubLines[2].Text, "b");
}

TEST(ReaderMalformed, NulBytesStayInTheText)
{
    const auto doc = ReadBytes(FileBytes(TestDataPath("malformed/nul_bytes.sub")));
    ASSERT_EQ(doc->LineCount, 3);
    EXPECT_EQ(doc->SubLines[1].Text, QByteArray("A\0B", 3));
    EXPECT_EQ(doc->SubLines[2].From, 30);            // the NUL before "{" is dropped
    EXPECT_EQ(doc->SubLines[3].FErr, QByteArray("5\0" "0", 3));
    EXPECT_EQ(doc->SyntaxErrorCount, 1);
}

TEST(ReaderMalformed, OneHugeLine)
{
    const auto doc = ReadBytes(FileBytes(TestDataPath("malformed/one_huge_line.sub")));
    ASSERT_EQ(doc->LineCount, 1);
    EXPECT_EQ(doc->SubLines[1].Text.size(), MaxLineLength - 6); // after "{1}{2}"
    EXPECT_EQ(doc->SubLines[1].Last, 2);
    EXPECT_EQ(doc->CutTextCount, 1);
}

TEST(ReaderMalformed, OverlongLinesAreCutAndTheRestIsRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray fits = "{1}{2}" + QByteArray(MaxLineLength - 6, 'a');
    const QByteArray cut = "{3}{4}" + QByteArray(8 * 1024 * 1024, 'b');
    WriteBytes(dir.filePath("film.sub"), fits + "\r\n" + cut + "\r\n{5}{6}c\r\n" + cut);
    QFile file(dir.filePath("film.sub"));
    ASSERT_EQ(OpenForReading(file), NoIOError);
    auto doc = std::make_unique<Document>();
    EXPECT_TRUE(ReadSubtitles(file, *doc, DefaultRule));
    ASSERT_EQ(doc->LineCount, 4);
    EXPECT_EQ(doc->SubLines[1].Text.size(), MaxLineLength - 6);
    EXPECT_EQ(doc->SubLines[2].Text, cut.mid(6, MaxLineLength - 6));
    EXPECT_EQ(doc->SubLines[3].Text, "c");
    EXPECT_EQ(doc->SubLines[4].From, 3);
    EXPECT_EQ(doc->CutTextCount, 2);
}

// Bytes this process has read so far.
qint64 BytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar: "))
            return line.mid(7).toLongLong();
    return -1;
}

TEST(ReaderMalformed, AHugeSparseLineIsSkippedWithoutReadingItsHoles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("huge.sub");
    constexpr qint64 Huge = qint64(2) << 30;
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("{1}{2}x");
        ASSERT_TRUE(f.resize(Huge)); // a hole of NUL bytes, still the first line
        ASSERT_TRUE(f.seek(Huge));
        f.write("\r\n{3}{4}b\r\n");
    }
    const qint64 before = BytesRead();
    const auto doc = ReadFileAt(path);
    const qint64 read = BytesRead() - before;
    ASSERT_EQ(doc->LineCount, 2);
    EXPECT_EQ(doc->SubLines[1].Text, "x" + QByteArray(MaxLineLength - 7, '\0'));
    EXPECT_EQ(doc->SubLines[2].Text, "b");
    EXPECT_EQ(doc->CutTextCount, 1);
    if (before >= 0) {
        EXPECT_LT(read, 64 << 20) << "of a file of " << Huge << " bytes";
    }
}

TEST(ReaderMalformed, BinaryFileKeepsCountsConsistent)
{
    const auto doc = ReadBytes(FileBytes(TestDataPath("malformed/binary.bin")));
    EXPECT_GT(doc->LineCount, 0);
    EXPECT_LE(doc->LineCount, Document::Capacity);
    int flagged = 0;
    for (int i = 1; i <= doc->LineCount; ++i)
        flagged += doc->SubLines[i].Find;
    EXPECT_GE(doc->SyntaxErrorCount, flagged);
    EXPECT_LE(doc->SyntaxErrorCount, 2 * flagged);
}

TEST(ReaderMalformed, CtrlZIsAnOrdinaryCharacter)
{
    // Nothing is dropped: the end-of-file mark of old editors becomes a
    // faulty subtitle the user can see and delete.
    const auto doc = ReadBytes(FileBytes(TestDataPath("malformed/ctrl_z_end.sub")));
    ASSERT_EQ(doc->LineCount, 2);
    EXPECT_EQ(doc->SubLines[2].Text, "\x1A");
    EXPECT_EQ(doc->SubLines[2].Find, 1);
}

TEST(ReaderOpen, FailuresGiveTheirCodes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct { QString path; int code; } cases[] = {
        {dir.filePath("missing.sub"), FileNotFoundCode},
        {dir.filePath("no-folder/film.sub"), PathNotFoundCode},
        {dir.path(), AccessDeniedCode},
    };
    for (const auto &c : cases) {
        QFile file(c.path);
        EXPECT_EQ(OpenForReading(file), c.code) << c.path.toStdString();
    }
    WriteBytes(dir.filePath("film.sub"), "{1}{2}a\r\n");
    QFile file(dir.filePath("film.sub"));
    ASSERT_EQ(OpenForReading(file), NoIOError);
    auto doc = std::make_unique<Document>();
    EXPECT_TRUE(ReadSubtitles(file, *doc, DefaultRule));
    EXPECT_EQ(doc->SubLines[1].Text, "a");

    // As a user whom the bits keep out.
    const QByteArray folder = QFile::encodeName(dir.path());
    chmod(folder.constData(), 0755);
    const auto openAsNobody = [&] {
        return RunInChild([&] {
            QFile other(QStringLiteral("film.sub"));
            return BecomeNobodyIn(folder.constData()) ? OpenForReading(other) : ChildDied;
        });
    };
    EXPECT_EQ(openAsNobody(), NoIOError);
    chmod(QFile::encodeName(dir.filePath("film.sub")).constData(), 0600);
    EXPECT_EQ(openAsNobody(), AccessDeniedCode);
}

} // namespace
