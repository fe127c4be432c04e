// The movie's own frame rate against the document's, on movies made by
// ffmpeg: the question a differing rate raises, the conversion command and
// the presets and labels that show the movie's rate.
#include "generated_movie.h"
#include "gui_support.h"

#include "document/code_page.h"
#include "document/frame_text.h"
#include "operations/FConvertFPS.h"
#include "player/MediaPlayer.h"
#include "player/movie_rate.h"
#include "search/FProperties.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <algorithm>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class MovieFrameRateTest : public MainWindowFixture {
protected:
    // Opens film.sub holding `subtitles` beside a movie made at `rate`.
    void open(const char *rate, const QByteArray &subtitles)
    {
        start();
        ASSERT_TRUE(MakeMovie(path("film.mkv"), QString::fromLatin1(rate), 10)) << "ffmpeg";
        WriteAll(path("film.sub"), subtitles);
        form->context().player->player()->SetAutoStart(false);
        form->context().file->OpenDocument(path("film.sub"));
        ASSERT_TRUE(form->context().player->state().MovieLoaded);
    }
    int rateQuestions() const
    {
        return int(std::count_if(messages.begin(), messages.end(),
                                 [](const MessageRequest &m) { return m.buttons == MsgButtons::YesNoCancel; }));
    }
    QString movieRateLabel() const
    {
        return form->findChild<TFormFileProperties *>()->label("LabelMovieFPS")->text();
    }
};

const QByteArray Ntsc = "{1}{1}23.976\r\n{1000}{1100}Prvni\r\n{2000}{2100}}Zamceno\r\n";

} // namespace

TEST(MovieRate, ReadsTheContainersExactFraction)
{
    QTemporaryDir dir;
    const QString movie = dir.filePath(QStringLiteral("m.mp4"));
    ASSERT_TRUE(MakeMovie(movie, QStringLiteral("24000/1001"), 10)) << "ffmpeg";
    EXPECT_EQ(ReadMovieFrameRate(movie), (FrameRate{24000, 1001}));
    EXPECT_FALSE(ReadMovieFrameRate(dir.filePath(QStringLiteral("none.mp4"))));
}

TEST_F(MovieFrameRateTest, DifferingRateAsksOnceAndYesConvertsEverySubtitle)
{
    answers = {MsgResult::Yes};
    open("25", Ntsc);
    ASSERT_EQ(rateQuestions(), 1);
    EXPECT_TRUE(messages.back().text.contains(QLatin1String("23.976")));
    EXPECT_TRUE(messages.back().text.contains(QLatin1String(" 25.")));
    // x * 25 * 1001 / 24000, locked subtitles too: their times must hold.
    EXPECT_EQ(doc().line(1).Text, "25");
    EXPECT_EQ(FrameText(doc().line(2).From) + FrameText(doc().line(2).Last), "10431147");
    EXPECT_EQ(FrameText(doc().line(3).From), "2085");
    EXPECT_EQ(movieRateLabel(), U("Sn\xEDmkov\xE1 frekvence filmu: 25"));
    trigger(CommandId::MenuEditUndoCommand);
    EXPECT_EQ(doc().line(2).From, 1000);
    EXPECT_EQ(doc().line(1).Text, "23.976");
    // Asked once per document: a save does not ask again.
    trigger(CommandId::MenuFileSave);
    EXPECT_EQ(rateQuestions(), 1);
}

TEST_F(MovieFrameRateTest, NoRelabelsOnlyAndCancelLeavesItUntilTheNextDocument)
{
    answers = {MsgResult::No};
    open("25", Ntsc);
    EXPECT_EQ(doc().line(1).Text, "25");
    EXPECT_EQ(doc().line(2).From, 1000);
    answers = {MsgResult::Cancel};
    WriteAll(path("film.sub"), Ntsc);
    form->context().file->OpenDocument(path("film.sub"));
    EXPECT_EQ(rateQuestions(), 2);
    EXPECT_EQ(doc().line(1).Text, "23.976");
    trigger(CommandId::MenuFileSave);
    EXPECT_EQ(rateQuestions(), 2);
}

TEST_F(MovieFrameRateTest, NtscMovieBesideItsRoundedRateRaisesNoQuestion)
{
    open("24000/1001", Ntsc);
    EXPECT_EQ(rateQuestions(), 0);
    EXPECT_EQ(movieRateLabel(), U("Sn\xEDmkov\xE1 frekvence filmu: 23.976"));
}

TEST_F(MovieFrameRateTest, RateQuestionOffersTheMoviesRate)
{
    QString offered;
    answerModal<TFormOperations>([&offered](TFormOperations *ops) {
        QApplication::setActiveWindow(ops);
        auto *edit = ops->findChild<QLineEdit *>(QStringLiteral("EditFrames"));
        if (offered.isEmpty())
            offered = edit->text();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(ops->findChild<QPushButton *>(QStringLiteral("ButtonOperationsDoThis")), Qt::Key_Return);
    });
    open("30000/1001", "{100}{200}Bez frekvence\r\n");
    EXPECT_EQ(offered, QStringLiteral("29.97"));
    EXPECT_EQ(doc().line(1).Text, "29.97");
    EXPECT_EQ(rateQuestions(), 0);
}

// 25 -> 24000/1001 by the command, the locked subtitle spared: frame * 960 / 1001.
TEST_F(MovieFrameRateTest, ConversionCommandGivesTheExactFramesInOneUndoStep)
{
    answers = {MsgResult::Cancel};
    open("24000/1001", "{1}{1}25\r\n{1000}{1100}Prvni\r\n{2000}{2100}}Zamceno\r\n{150000}{200001}Dlouhy\r\n");
    QStringList offered;
    answerModal<TFormConvertFPS>([&offered](TFormConvertFPS *dialog) {
        if (offered.isEmpty())
            offered = {dialog->findChild<QLineEdit *>(QStringLiteral("EditFPSFrom"))->text(),
                       dialog->findChild<QLineEdit *>(QStringLiteral("EditFPSTo"))->text()};
        dialog->findChild<QCheckBox *>(QStringLiteral("CheckBoxSpareLocked"))->setChecked(true);
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    trigger(CommandId::MenuCommonConvertFPS);
    EXPECT_EQ(offered, (QStringList{QStringLiteral("25"), QStringLiteral("23.976")}));
    EXPECT_EQ(doc().line(1).Text, "23.976");
    EXPECT_EQ(FrameText(doc().line(2).From) + ' ' + FrameText(doc().line(2).Last), "959 1055");
    EXPECT_EQ(FrameText(doc().line(3).From), "2000");
    EXPECT_EQ(FrameText(doc().line(4).From) + ' ' + FrameText(doc().line(4).Last), "143856 191809");
    trigger(CommandId::MenuEditUndoCommand);
    EXPECT_EQ(doc().line(2).From, 1000);
    EXPECT_EQ(doc().line(4).Last, 200001);
    EXPECT_EQ(doc().line(1).Text, "25");
}
