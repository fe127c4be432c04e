// The script the player is given: frame-exact times, formatting and what is
// left out.
#include "document/document.h"
#include "player/preview_script.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

using namespace cuefold;

namespace {

std::unique_ptr<Document> docOf(std::initializer_list<std::tuple<double, double, QByteArray>> lines)
{
    auto d = std::make_unique<Document>();
    d->LineCount = 0;
    for (const auto &[from, last, text] : lines) {
        TSubLine &l = d->line(++d->LineCount);
        l.From = from;
        l.Last = last;
        l.Text = text;
    }
    return d;
}

QList<QByteArray> events(const QByteArray &script)
{
    QList<QByteArray> found;
    for (const QByteArray &line : script.split('\n'))
        if (line.startsWith("Dialogue: "))
            found.append(line.mid(10));
    return found;
}

TEST(ScriptTime, CutsToHundredthsAndNeverGoesNegative)
{
    EXPECT_EQ(ScriptTime(0), "0:00:00.00");
    EXPECT_EQ(ScriptTime(-0.5), "0:00:00.00");
    EXPECT_EQ(ScriptTime(4.0399), "0:00:04.03");
    EXPECT_EQ(ScriptTime(3723.456), "1:02:03.45");
    // Huge frames over a tiny frame rate: cut to the latest time, not overflowed.
    EXPECT_EQ(ScriptTime(9e15 / 1e-6), "999:59:59.99");
    EXPECT_EQ(ScriptTime(std::numeric_limits<double>::infinity()), "999:59:59.99");
    EXPECT_EQ(ScriptTime(std::numeric_limits<double>::quiet_NaN()), "0:00:00.00");
}

// Frame f is shown from f / fps: the start lies within one hundredth before
// it, the end within one hundredth before the frame after Last.
TEST(PreviewScript, SpansExactlyFromFirstToLastFrameAt25And23976)
{
    const auto d = docOf({{1, 1, "25"}, {100, 200, "Ahoj"}, {0, 0, "Nula"}});
    EXPECT_EQ(events(PreviewScript(*d, 25)),
              QList<QByteArray>({"0,0:00:03.99,0:00:08.03,Default,,0,0,0,,Ahoj", "0,0:00:00.00,0:00:00.03,Default,,0,0,0,,Nula"}));
    const double ntsc = 24000.0 / 1001;
    const QList<QByteArray> e = events(PreviewScript(*d, ntsc));
    ASSERT_EQ(e.size(), 2);
    // 100 -> 4.1708 s, 201 -> 8.3834 s.
    EXPECT_TRUE(e[0].startsWith("0,0:00:04.16,0:00:08.38,")) << e[0].constData();
}

// The editor shows {100.4} as frame 100 and {99.5} as 100: so does the picture.
TEST(PreviewScript, TimesTheFramesTheEditorShows)
{
    const auto d = docOf({{100.4, 199.6, "a"}, {99.5, 200.4, "b"}, {-0.4, 9.5, "c"}});
    const QList<QByteArray> e = events(PreviewScript(*d, 25));
    ASSERT_EQ(e.size(), 3);
    for (const QByteArray &event : e.first(2))
        EXPECT_TRUE(event.startsWith("0,0:00:03.99,0:00:08.03,")) << event.constData();
    EXPECT_TRUE(e[2].startsWith("0,0:00:00.00,0:00:00.43,")) << e[2].constData();
}

// A brace that opens no control code is text; control codes stay hidden.
TEST(PreviewScript, ShowsLiteralBracesAndHidesControlCodes)
{
    const auto d = docOf({{10, 20, "Heslo {word} plat\xED"},
                          {30, 40, "{c:$0000FF}Modr\xE1 {y:i}kurz\xEDva"},
                          {50, 60, "Z\xE1vorka { a {P:1}}"}});
    const QList<QByteArray> e = events(PreviewScript(*d, 25));
    ASSERT_EQ(e.size(), 3);
    EXPECT_TRUE(e[0].endsWith(",,Heslo \\{word} plat\xC3\xAD")) << e[0].constData();
    EXPECT_TRUE(e[1].endsWith(",,Modr\xC3\xA1 {\\i1}kurz\xC3\xADva")) << e[1].constData();
    EXPECT_TRUE(e[2].endsWith(",,Z\xC3\xA1vorka \\{ a }")) << e[2].constData();
}

TEST(PreviewScript, TranslatesRowsAndStylesAndLeavesOutWhatIsNotShown)
{
    const auto d = docOf({{10, 20, "Ahoj|sv\xECte"},
                          {30, 40, "{y:i}Kurz\xEDva|dal\xED"},
                          {50, 60, "{Y:b}Tu\xE8n\xE9|st\xE1le{x:b} ne"},
                          {70, -1, "Bez konce"},
                          {-1, 90, "Bez za\xE8\xE1tku"},
                          {95, 99, ""},
                          {100, 110, "C:\\N\\h"}});
    const QList<QByteArray> e = events(PreviewScript(*d, 25));
    ASSERT_EQ(e.size(), 4);
    EXPECT_TRUE(e[0].endsWith(",,Ahoj\\Nsv\xC4\x9Bte")) << e[0].constData();
    EXPECT_TRUE(e[1].endsWith(",,{\\i1}Kurz\xC3\xADva\\N{\\i0}dal\xC3\xAD")) << e[1].constData();
    EXPECT_TRUE(e[2].endsWith(",,{\\b1}Tu\xC4\x8Dn\xC3\xA9\\Nst\xC3\xA1le{\\b0} ne")) << e[2].constData();
    EXPECT_TRUE(e[3].endsWith(",,C:\\\xE2\x81\xA0N\\\xE2\x81\xA0h")) << e[3].constData();
}

TEST(PreviewScript, WithoutAFrameRateHoldsNoEvents)
{
    const auto d = docOf({{10, 20, "Text"}});
    EXPECT_TRUE(events(PreviewScript(*d, 0)).isEmpty());
    EXPECT_TRUE(PreviewScript(*d, 0).startsWith("[Script Info]\n"));
}

TEST(WritePreviewCopy, ReadsTheFileAsTheEditorDoesWithoutLockMarks)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("film.txt"));
    QFile f(source);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{1}{1}25\r\n{10}{20}}Zamceno\r\n");
    f.close();
    const QString copy = dir.filePath(QStringLiteral("copy.ass"));
    ASSERT_EQ(WritePreviewCopy(source, copy, 25), 0);
    QFile c(copy);
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    EXPECT_EQ(events(c.readAll()), QList<QByteArray>({"0,0:00:00.39,0:00:00.83,Default,,0,0,0,,Zamceno"}));
    EXPECT_NE(WritePreviewCopy(dir.filePath(QStringLiteral("none.sub")), copy, 25), 0);

    // Frames 1/1 with a text that is no rate: a subtitle to show.
    c.close();
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("{1}{1}}Hned\r\n");
    f.close();
    ASSERT_EQ(WritePreviewCopy(source, copy, 25), 0);
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    EXPECT_EQ(events(c.readAll()).size(), 1);
}

} // namespace
