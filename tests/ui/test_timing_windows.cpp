// The two-point and reading-speed windows over the bundled movie on real
// libmpv: the test subtitles shown, the user's own given back, and every
// test file gone once the windows close.
#include "gui_support.h"

#include "document/code_page.h"
#include "operations/BulkCommands.h"
#include "operations/FRecalculate.h"
#include "operations/FTest.h"
#include "operations/TimingCommands.h"
#include "player/MediaPlayer.h"
#include "search/FTable.h"
#include "search/table_model.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

constexpr int WaitMs = 15000;

const QByteArray Film = "{1}{1}25\r\n{100}{150}Prvni\r\n{200}{250}Druhy\r\n{300}{400}Treti\r\n";

QString T(const QByteArray &text) { return CodePage::toUnicode(text); }

class TimingWindowsTest : public MainWindowFixture {
protected:
    void openFilm()
    {
        start();
        ASSERT_TRUE(QFile::link(QStringLiteral(CUEFOLD_SAMPLES "/ukazka.avi"), path("film.avi")));
        WriteAll(path("film.sub"), Film);
        player()->SetAutoStart(false);
        form->context().file->OpenDocument(path("film.sub"));
        ASSERT_TRUE(QTest::qWaitFor([this] { return player()->isLoaded(); }, WaitMs));
        messages.clear();
    }

    MediaPlayer *player() const { return form->context().player->player(); }
    TimingCommands *timing() const { return form->context().bulk->timing(); }
    TFormRecalculate *recalc() const { return timing()->recalculate(); }
    TFormTest *test() const { return timing()->test(); }
    template<typename W>
    W *in(QWidget *window, const char *name) const
    {
        W *w = window->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    bool enabled(CommandId id) const
    {
        return form->commands().action(id)->isEnabled() && form->commands().toolButton(id)->isEnabled();
    }
    QString testFile() const { return QDir(filterFolder()).filePath(QStringLiteral("film.SUB")); }

    // The resume after a test or its end has run: the movie plays on.
    void waitForResume()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->context().player->state().resume.countdown <= 0; }, WaitMs));
        player()->Pause();
    }
    bool showsAt(double frame, const QString &text)
    {
        player()->SetCurrentPosition(frame);
        return QTest::qWaitFor([&] { return !player()->isSeeking() && player()->subtitleText() == text; }, WaitMs);
    }

    void typePoints(const char *pa, const char *pn, const char *da, const char *dn)
    {
        QApplication::setActiveWindow(recalc());
        using P = TFormRecalculate;
        for (const auto &[point, text] : {std::pair{P::PA, pa}, {P::PN, pn}, {P::DA, da}, {P::DN, dn}}) {
            QLineEdit *edit = recalc()->edit(point);
            edit->selectAll();
            edit->setFocus();
            typeText(edit, QString::fromLatin1(text));
        }
    }
    void clickIn(QWidget *window, const char *button) { QTest::mouseClick(in<QPushButton>(window, button), Qt::LeftButton); }
};

} // namespace

TEST_F(TimingWindowsTest, EachWindowDisablesTheOtherCommandsWhileOpen)
{
    openFilm();
    answers = {MsgResult::Cancel}; // the frame-rate reminder
    trigger(CommandId::MenuCommonRecalculateSubtitle);
    ASSERT_TRUE(recalc()->isVisible());
    EXPECT_EQ(messages.at(0).text, T(Texts.DwellReqFPS));
    EXPECT_EQ(messages.at(0).caption, T(Texts.TestRequires));
    EXPECT_FALSE(enabled(CommandId::MenuCommonTestSpeed));
    EXPECT_FALSE(enabled(CommandId::MenuCommonRecalcPerSpeed));
    EXPECT_FALSE(in<QPushButton>(recalc(), "ButtonAccept")->isEnabled());
    recalc()->close();
    EXPECT_TRUE(enabled(CommandId::MenuCommonTestSpeed));
    trigger(CommandId::MenuCommonRecalculateSubtitle);
    EXPECT_EQ(messages.size(), 1u); // reminded once per run
    recalc()->close();

    trigger(CommandId::MenuCommonTestSpeed);
    EXPECT_EQ(test()->windowTitle(), T(Texts.ExamC));
    EXPECT_FALSE(in<QPushButton>(test(), "ButtonAccept")->isVisible());
    EXPECT_FALSE(enabled(CommandId::MenuCommonRecalculateSubtitle));
    EXPECT_FALSE(enabled(CommandId::MenuCommonRecalcPerSpeed));
    EXPECT_TRUE(enabled(CommandId::MenuCommonTestSpeed));
    test()->close();
    trigger(CommandId::MenuCommonRecalcPerSpeed);
    EXPECT_EQ(test()->windowTitle(), T(Texts.DwellC));
    EXPECT_TRUE(in<QPushButton>(test(), "ButtonAccept")->isVisible());
    EXPECT_FALSE(enabled(CommandId::MenuCommonTestSpeed));
    test()->close();
    EXPECT_TRUE(enabled(CommandId::MenuCommonRecalculateSubtitle));
    EXPECT_TRUE(enabled(CommandId::MenuCommonTestSpeed));
}

TEST_F(TimingWindowsTest, BadNumbersAreNamedWithTheFocusOnTheirEdit)
{
    openFilm();
    answers = {MsgResult::Cancel};
    trigger(CommandId::MenuCommonRecalculateSubtitle);
    messages.clear();
    typePoints("12,5", "1", "x", "2");
    clickIn(recalc(), "ButtonTest");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, T(Texts.WrongDigit) + QStringLiteral(" \"12,5\""));
    EXPECT_EQ(QApplication::focusWidget(), recalc()->edit(TFormRecalculate::PA));
    panel().ShowLine(3, ShowNoSeek);
    typePoints("100", "150", "1", "250");
    clickIn(recalc(), "ButtonDA"); // the current subtitle's first frame
    EXPECT_EQ(recalc()->edit(TFormRecalculate::DA)->text(), QStringLiteral("200"));
    player()->SetCurrentPosition(150);
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->context().player->state().follow.lastFrameShown == 150; }, WaitMs));
    clickIn(recalc(), "ButtonDN"); // the player's frame
    EXPECT_EQ(recalc()->edit(TFormRecalculate::DN)->text(), QStringLiteral("150"));
    clickIn(recalc(), "ButtonTest");
    EXPECT_EQ(messages.back().text, T(Texts.WrongNumbers));
    EXPECT_FALSE(QFile::exists(testFile()));
}

TEST_F(TimingWindowsTest, TwoPointTestShowsThePreviewOverTheMovieAndCloseGivesTheFileBack)
{
    openFilm();
    changeDoc([](Document &d) { d.line(4).Mark = 1; }); // a step to undo
    answers = {MsgResult::Cancel};
    trigger(CommandId::MenuCommonRecalculateSubtitle);
    in<QRadioButton>(recalc(), "RadioGroupRange1")->setChecked(true);
    typePoints("100", "600", "1100", "1600"); // +500 frames
    clickIn(recalc(), "ButtonTest");
    ASSERT_TRUE(QFile::exists(testFile()));
    EXPECT_EQ(ReadAll(testFile()), "{1}{1}25\r\n{600}{650}Prvni\r\n{700}{750}Druhy\r\n{800}{900}Treti\r\n");
    EXPECT_EQ(form->context().search->table()->model()->cellText(2, 1), "600");
    ASSERT_TRUE(in<QPushButton>(recalc(), "ButtonAccept")->isEnabled());
    EXPECT_FALSE(form->context().player->state().PlayerSeeking);
    waitForResume();
    EXPECT_TRUE(showsAt(700, QStringLiteral("Druhy"))) << player()->subtitleText().toStdString();

    // Undo would change the document under the preview: refused, and said why.
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(in<QPushButton>(recalc(), "ButtonAccept")->isEnabled());
    EXPECT_EQ(doc().line(4).Mark, 1);
    EXPECT_EQ(form->context().status.text(StatusPanels::Message), CodePage::toUnicode(Texts.HistoryDuringTest));

    // Any change of the document makes the preview stale.
    panel().ShowLine(3, ShowPlain);
    typeInto(ctl<QLineEdit>("EditFrameFrom"), QStringLiteral("205"));
    EXPECT_FALSE(in<QPushButton>(recalc(), "ButtonAccept")->isEnabled());
    EXPECT_EQ(form->context().search->table()->model()->cellText(2, 1), "100");

    recalc()->close();
    EXPECT_FALSE(QFile::exists(testFile()));
    waitForResume();
    EXPECT_TRUE(showsAt(220, QStringLiteral("Druhy"))) << player()->subtitleText().toStdString();
    EXPECT_TRUE(showsAt(700, QString()));
    EXPECT_EQ(doc().line(2).From, 100);
}

TEST_F(TimingWindowsTest, TestsRefuseSubtitlesInTheFilterFolderAndAMissingMovie)
{
    start();
    QDir().mkpath(filterFolder());
    WriteAll(testFile(), Film);
    form->context().file->OpenDocument(testFile());
    messages.clear();
    answers = {MsgResult::Cancel};
    trigger(CommandId::MenuCommonRecalculateSubtitle);
    clickIn(recalc(), "ButtonTest");
    EXPECT_EQ(messages.back().text, T(Texts.TestReqMovie));
    recalc()->close();

    ASSERT_TRUE(QFile::link(QStringLiteral(CUEFOLD_SAMPLES "/ukazka.avi"), path("film.avi")));
    form->context().player->movie().LoadMovie(path("film.avi"), true);
    trigger(CommandId::MenuCommonRecalcPerSpeed);
    clickIn(test(), "ButtonTest");
    EXPECT_EQ(messages.back().text, T(Texts.TestReqDiffF));
    EXPECT_EQ(messages.back().caption, T(Texts.TestRequires));
    EXPECT_EQ(ReadAll(testFile()), Film);
}

TEST_F(TimingWindowsTest, AnOldFileOfTheTestNameIsOverwrittenOnlyWhenAllowed)
{
    openFilm();
    QDir().mkpath(filterFolder());
    WriteAll(testFile(), "{1}{2}old\r\n");
    answers = {MsgResult::Cancel};
    trigger(CommandId::MenuCommonRecalculateSubtitle);
    typePoints("100", "150", "1100", "1150");
    answers = {MsgResult::No};
    clickIn(recalc(), "ButtonTest");
    EXPECT_EQ(messages.back().text, T(Texts.AreYouSureToOverwrite) + '\r' + testFile());
    EXPECT_EQ(messages.back().defaultButton, MsgResult::No);
    EXPECT_EQ(form->context().status.text(StatusPanels::Message), T(Texts.TestNoOverwrites) + ' ' + testFile());
    EXPECT_EQ(ReadAll(testFile()), "{1}{2}old\r\n");
    answers = {MsgResult::Yes};
    clickIn(recalc(), "ButtonTest");
    EXPECT_TRUE(ReadAll(testFile()).startsWith("{1}{1}25"));
    const size_t asked = messages.size();
    clickIn(recalc(), "ButtonTest"); // its own file now: no question
    EXPECT_EQ(messages.size(), asked);
}

// Others may write to the filter's folder: a link planted at the test file's
// name leads nowhere the program writes, whatever is answered.
TEST_F(TimingWindowsTest, ALinkAtTheTestNameIsNeverWrittenThrough)
{
    openFilm();
    QDir().mkpath(filterFolder());
    WriteAll(path("outside.txt"), "keep me");
    for (const char *target : {"outside.txt", "made-by-link.txt"}) {
        QFile::remove(testFile());
        ASSERT_TRUE(QFile::link(path(target), testFile()));
        answers = {MsgResult::Cancel};
        trigger(CommandId::MenuCommonRecalculateSubtitle);
        typePoints("100", "150", "1100", "1150");
        answers = {MsgResult::Yes, MsgResult::Yes};
        clickIn(recalc(), "ButtonTest");
        EXPECT_EQ(messages.back().text, T(Texts.SharedNameRefused) + '\r' + testFile());
        EXPECT_EQ(form->context().status.text(StatusPanels::Message), T(Texts.TestNoOverwrites) + ' ' + testFile());
        recalc()->close();

        trigger(CommandId::MenuCommonRecalcPerSpeed);
        clickIn(test(), "ButtonTest");
        EXPECT_EQ(messages.back().text, T(Texts.SharedNameRefused) + '\r' + testFile());
        test()->close();
        EXPECT_TRUE(QFileInfo(testFile()).isSymLink()) << target;
    }
    EXPECT_EQ(ReadAll(path("outside.txt")), "keep me");
    EXPECT_FALSE(QFileInfo::exists(path("made-by-link.txt")));
}

TEST_F(TimingWindowsTest, TwoPointAcceptTakesTheTestedFrames)
{
    openFilm();
    answers = {MsgResult::Cancel};
    trigger(CommandId::MenuCommonRecalculateSubtitle);
    in<QRadioButton>(recalc(), "RadioGroupRange1")->setChecked(true);
    typePoints("100", "150", "1100", "1150");
    clickIn(recalc(), "ButtonTest");
    // Moving through the subtitles is no change of the document.
    panel().ShowLine(3, ShowStep);
    ASSERT_TRUE(in<QPushButton>(recalc(), "ButtonAccept")->isEnabled());
    clickIn(recalc(), "ButtonAccept");
    EXPECT_EQ(doc().line(1).From, 1);
    EXPECT_EQ(doc().line(2).From, 150);
    EXPECT_EQ(doc().line(4).Last, 450);
    EXPECT_FALSE(in<QPushButton>(recalc(), "ButtonAccept")->isEnabled());
    EXPECT_TRUE(form->context().player->state().PlayerSeeking);
    EXPECT_FALSE(doc().DocSaved);
}

TEST_F(TimingWindowsTest, SpeedTestPlaysItsOwnMovieAndCloseResumesTheUsersOne)
{
    openFilm();
    player()->SetCurrentPosition(300);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !player()->isSeeking(); }, WaitMs));
    panel().ShowLine(2, ShowNoSeek);
    trigger(CommandId::MenuCommonTestSpeed);
    clickIn(test(), "ButtonDecSpd");
    EXPECT_EQ(Settings.Main.TestReadSpeed, 11);
    EXPECT_EQ(in<QLabel>(test(), "LabelRychlost")->text(), QStringLiteral("11 ") + T(Texts.CharsPerSec));
    clickIn(test(), "ButtonTest");
    ASSERT_TRUE(messages.empty()) << messages[0].text.toStdString();
    const QString testMovie = player()->FileName();
    EXPECT_TRUE(testMovie.endsWith(QStringLiteral("/TEST.AVI")));
    // Named as the preview folders are, so a later run removes it should this one be killed.
    EXPECT_TRUE(testMovie.startsWith(QDir::tempPath() + QStringLiteral("/Cuefold-%1-").arg(QCoreApplication::applicationPid())));
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->isLoaded(); }, WaitMs));
    EXPECT_EQ(player()->Duration(), 750);
    waitForResume();
    // At the declared 30 fps "Prvni" runs from frame 2 to 31 (0.07 to 1.03 s)
    // and "Treti" from 66 to 95 (2.2 to 3.17 s): movie frame 57 is 2.28 s,
    // where 25 fps would still show "Druhy".
    EXPECT_TRUE(showsAt(12, QStringLiteral("Prvni"))) << player()->subtitleText().toStdString();
    EXPECT_TRUE(showsAt(57, QStringLiteral("Treti"))) << player()->subtitleText().toStdString();

    test()->close();
    EXPECT_FALSE(QFile::exists(testMovie));
    EXPECT_EQ(player()->FileName(), path("film.avi"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->PlayState() == MediaPlayer::Playing; }, WaitMs));
    EXPECT_GE(player()->CurrentPosition(), 300);
    EXPECT_EQ(doc().MovieFileName, path("film.avi"));
}

TEST_F(TimingWindowsTest, SavingDuringTheSpeedTestTestsTheSavedTexts)
{
    openFilm();
    panel().ShowLine(2, ShowNoSeek);
    trigger(CommandId::MenuCommonTestSpeed);
    clickIn(test(), "ButtonTest");
    const QString subtitles = QFileInfo(player()->FileName()).absolutePath() + QStringLiteral("/TEST.SUB");
    ASSERT_TRUE(ReadAll(subtitles).contains("Prvni"));
    typeInto(ctl<QLineEdit>("EditSubtitle"), QStringLiteral("Opraveno"));
    form->context().file->MenuFileSaveClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadAll(subtitles).contains("}Opraveno\r\n"); }, WaitMs));
    EXPECT_TRUE(player()->FileName().endsWith(QStringLiteral("TEST.AVI")));
}

TEST_F(TimingWindowsTest, AMovieOpenedDuringTheSpeedTestIsKeptOnClose)
{
    openFilm();
    trigger(CommandId::MenuCommonTestSpeed);
    clickIn(test(), "ButtonTest");
    ASSERT_TRUE(player()->FileName().endsWith(QStringLiteral("TEST.AVI")));
    ASSERT_TRUE(QFile::link(QStringLiteral(CUEFOLD_SAMPLES "/ukazka.avi"), path("other.avi")));
    fileAnswers = {path("other.avi")};
    trigger(CommandId::MenuPlayerOpenMovie);
    ASSERT_TRUE(QTest::qWaitFor([this] { return player()->isLoaded(); }, WaitMs));
    test()->close();
    EXPECT_EQ(player()->FileName(), path("other.avi"));
    EXPECT_EQ(doc().MovieFileName, path("other.avi"));
}

TEST_F(TimingWindowsTest, ReadingSpeedTestReportsAndAcceptWritesTheEnds)
{
    openFilm();
    trigger(CommandId::MenuCommonRecalcPerSpeed);
    in<QRadioButton>(test(), "RadioGroupRange1")->setChecked(true);
    clickIn(test(), "ButtonTest");
    ASSERT_EQ(messages.size(), 1u);
    // Each text needs the minimal second, 25 frames.
    EXPECT_EQ(messages[0].text, T("3  " + Texts.Sub2shr + "\r"));
    EXPECT_EQ(ReadAll(testFile()), "{1}{1}25\r\n{100}{124}Prvni\r\n{200}{224}Druhy\r\n{300}{324}Treti\r\n");
    waitForResume();
    EXPECT_TRUE(showsAt(210, QStringLiteral("Druhy")));
    EXPECT_TRUE(showsAt(240, QString()));

    in<QRadioButton>(test(), "RadioGroupStint2")->setChecked(true);
    in<QCheckBox>(test(), "CheckBoxRearrange")->setChecked(true);
    EXPECT_TRUE(in<QRadioButton>(test(), "RadioGroupStint0")->isChecked());
    EXPECT_FALSE(in<QRadioButton>(test(), "RadioGroupStint2")->isVisible());
    clickIn(test(), "ButtonAccept");
    EXPECT_TRUE(messages.back().text.endsWith(QStringLiteral("\" is not implemented yet.")));
    EXPECT_EQ(doc().line(2).Last, 150);
    in<QCheckBox>(test(), "CheckBoxRearrange")->setChecked(false);
    clickIn(test(), "ButtonAccept");
    EXPECT_EQ(doc().line(2).Last, 124);
    EXPECT_FALSE(test()->isVisible());
    EXPECT_FALSE(QFile::exists(testFile()));
}

// Commands that find the document unchanged write nothing, so the test
// window has nothing to show again: no second report, the same test file.
TEST_F(TimingWindowsTest, CommandsOnACleanDocumentDoNotRerunTheTest)
{
    openFilm();
    trigger(CommandId::MenuCommonRecalcPerSpeed);
    clickIn(test(), "ButtonTest");
    ASSERT_EQ(messages.size(), 1u);
    waitForResume();
    const QDateTime written = QFileInfo(testFile()).lastModified();
    int saves = 0;
    QObject::connect(&form->context().model, &DocumentModel::saved, [&] { ++saves; });

    messages.clear();
    answers = {MsgResult::Yes};
    trigger(CommandId::MenuCommonUnmarkAll); // Ctrl+Q: nothing is marked
    trigger(CommandId::MenuFileProperties);  // Alt+Enter
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(saves, 0);
    ASSERT_EQ(messages.size(), 1u); // the scope question only
    EXPECT_EQ(messages[0].text, T(Texts.TrueEntireScope));
    EXPECT_EQ(QFileInfo(testFile()).lastModified(), written);
    EXPECT_EQ(player()->PlayState(), MediaPlayer::Paused);
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral("film.sub")));
}

TEST_F(TimingWindowsTest, RecalculationBySpeedNeedsTheFrameRate)
{
    startWith("{1}{1}25\r\n{100}{150}a\r\n{200}{250}b\r\n");
    changeDoc([](Document &d) { d.FPS = -1; });
    messages.clear();
    trigger(CommandId::MenuCommonRecalcPerSpeed);
    clickIn(test(), "ButtonTest");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, T(Texts.DwellReqFPS));
    EXPECT_EQ(messages[0].caption, T(Texts.DwellRequires));
    clickIn(test(), "ButtonAccept"); // refused, and the window closes
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_FALSE(test()->isVisible());
    EXPECT_EQ(doc().line(2).Last, 150);
}

TEST_F(TimingWindowsTest, ArrowsStopAtTheLowestSpeedAndMinimalTime)
{
    start();
    trigger(CommandId::MenuCommonTestSpeed);
    for (int i = 0; i < 15; ++i)
        clickIn(test(), "ButtonDecSpd");
    for (int i = 0; i < 101; ++i)
        clickIn(test(), "ButtonDecFix");
    EXPECT_EQ(Settings.Main.TestReadSpeed, 1);
    EXPECT_EQ(Settings.Main.TestMinDwell, 0);
    clickIn(test(), "ButtonIncFix");
    EXPECT_EQ(in<QLabel>(test(), "LabelDuration")->text(), QStringLiteral("10 ") + T(Texts.Millisecond));
}

TEST_F(TimingWindowsTest, ClosingTheProgramDuringTheTwoPointTestLeavesNoFile)
{
    openFilm();
    answers = {MsgResult::Cancel};
    trigger(CommandId::MenuCommonRecalculateSubtitle);
    typePoints("100", "150", "1100", "1150");
    clickIn(recalc(), "ButtonTest");
    ASSERT_TRUE(QFile::exists(testFile()));
    answers = {MsgResult::Yes}; // discard whatever the test changed
    form->close();
    EXPECT_FALSE(QFile::exists(testFile()));
}

TEST_F(TimingWindowsTest, ClosingTheProgramDuringTheSpeedTestLeavesNoFile)
{
    openFilm();
    trigger(CommandId::MenuCommonTestSpeed);
    clickIn(test(), "ButtonTest");
    const QString testMovie = player()->FileName();
    ASSERT_TRUE(testMovie.endsWith(QStringLiteral("TEST.AVI")));
    answers = {MsgResult::Yes}; // discard whatever the test changed
    form->close();
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(testMovie).absolutePath()));
}
